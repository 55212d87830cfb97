#pragma once
#include "grid/base/BaseGrid.h"
#include <QFrame>

// A base grid with the looks the string grid would give it: fixed cells in
// clBtnFace, selected cells in clHighlight, a cell's own brush colours.
class TDemoGrid : public TBaseGrid {
public:
    TDemoGrid()
    {
        setFrameShape(QFrame::NoFrame);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        Set_DefaultColWidth(60);
        Set_DefaultRowHeight(20);
        Set_ColCount(6);
        Set_RowCount(20);
        resize(360, 220);   // 1 fixed + 5 columns, 1 fixed + 10 rows
    }
    void GetVisualProperties(int ACol, int ARow, TGridDrawState &AState, bool, bool, bool, TBrush &ABrush,
                             TColor &AColorTo, TColor &, TColor &, TFont &AFont, TAlignment &, TVAlignment &, bool &,
                             TCellGradientDirection &GD) override
    {
        if (AState.Contains(gdFixed)) {
            ABrush.Color = clBtnFace;
            return;
        }
        if (const TCellProperties *P = Find_Cell_Props(ACol, ARow)) {
            if (P->BrushColor() != clNone)
                ABrush.Color = P->BrushColor();
            AColorTo = P->BrushColorTo();
            GD = P->GradientDirection();
        }
        if (AState.Contains(gdSelected) && SelectionStyle() == ssDefault) {
            ABrush.Color = clHighlight;
            AColorTo = clNone;
            AFont.Color = clHighlightText;
        }
    }
};
