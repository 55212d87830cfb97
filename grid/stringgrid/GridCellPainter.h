#pragma once
// The string grid's cell painter, split by concern over the files
// RIraRevadiVizo_Paint*.cpp: the order of one cell's painting
// (RIraRevadiVizo_Paint.cpp), its colours and fonts (_PaintVisual), fixed
// cells and sort marks (_PaintFixed), text and backgrounds (_PaintText),
// selection and focus (_PaintSelection), graphics by kind (_PaintGraphics)
// and the drawn controls: node buttons, tree lines, check boxes and radio
// groups (_PaintControls). The helpers reach the grid's state as a friend;
// only the painter files include this header.
#include "grid/stringgrid/RIraRevadiVizo.h"

// What every graphic-kind painter gets: the cell, the room it was given (R)
// and the graphic's own rectangle placed by alignment (G).
struct TGraphicPaint {
    TCanvas &Canvas;
    RIraRevadiVizo &Grid;
    TCellGraphic &Graphic;
    int ACol;                 // real column
    int ARow;
    int DCol;                 // display column
    TRect R;
    TRect G;
    TGridDrawState State;
    TGraphicLayout Layout;
    QString Text;             // the cell's text
    TAlignment HA;
    TVAlignment VA;
    bool CanEdit;             // a control looks disabled without
};

struct TCellPainter {
    using TGraphicPainter = void (*)(TGraphicPaint &P);
    // The painter of a graphic kind; nullptr for kinds that draw nothing.
    static TGraphicPainter Graphic_Painter(TCellType Kind);
    struct TGraphicKinds;     // the painters of the kinds (RIraRevadiVizo_PaintGraphics.cpp)

    // --- one cell's painting, in order (RIraRevadiVizo_Paint.cpp)
    static void Paint_Editor_Buttons(RIraRevadiVizo &G, TCanvas &Canvas, int RCol, int ARow, TRect &R);

    // --- fixed cells (RIraRevadiVizo_PaintFixed.cpp)
    static bool Sort_Mark_Shown(RIraRevadiVizo &G, int ACol, int RCol, int ARow);
    static void Paint_Fixed_Hover(RIraRevadiVizo &G, TCanvas &Canvas, int RCol, TRect &R);
    static void Paint_Fixed_Edges(RIraRevadiVizo &G, TCanvas &Canvas, const TRect &R);
    static void Paint_Fixed_Right_Lines(RIraRevadiVizo &G, TCanvas &Canvas, const TRect &R);

    // --- selection and focus (RIraRevadiVizo_PaintSelection.cpp)
    static void Paint_Selection_Outline(RIraRevadiVizo &G, TCanvas &Canvas, int ACol, int ARow, const TRect &R);
    static void Paint_Focus_Rect(RIraRevadiVizo &G, TCanvas &Canvas, int ACol, int ARow, const TRect &R, bool Fixed);
    // The colours of a selected cell's text; Link the colour of links in it.
    static void Text_Selection_Colours(RIraRevadiVizo &G, TCanvas &Canvas, int ACol, int RCol, int ARow,
                                       TGridDrawState State, bool Fixed, TColor &Link);
    // Rows or columns left out of a disjunct selection show unselected.
    static void Unselected_In_Disjunct(RIraRevadiVizo &G, TCanvas &Canvas, int ACol, int RCol, int ARow,
                                       TGridDrawState State, bool Fixed);

    // --- text (RIraRevadiVizo_PaintText.cpp)
    struct TCellText {
        QString Text;
        int Kind;      // ctPlain, ctMarkup, ctRichText ... of ClassifyCellText
    };
    static TCellText Shown_Cell_Text(RIraRevadiVizo &G, int RCol, int ARow);

    // --- drawn controls (RIraRevadiVizo_PaintControls.cpp)
    static void Paint_Tree_Lines(RIraRevadiVizo &G, TCanvas &Canvas, int ARow, const TRect &R,
                                 const TCellGraphic *Graphic);
};
