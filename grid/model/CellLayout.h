#pragma once
#include "grid/model/CellGraphic.h"
#include "grid/model/GridTypes.h"

// Where a cell's graphic and text go inside the cell rectangle, as plain
// functions of plain values, so that painting, measuring and tests share one
// answer without a window.

// What the size table needs besides the graphic.
struct TGraphicMetrics {
    int CheckSize = 15;
    int RadioSize = 10;
    int RowHeight = 22;
    TPoint XYOffset{2, 2};
    TPoint CellSize{64, 22};          // cell width and height (pictures fit into it)
    QSize ImageSize;                  // the image a bitmap or image-list kind shows
    int ImageCount = 1;               // images of a multi-image cell
};

struct TGraphicLayout {
    int Width = 0;
    int Height = 0;
    bool DrawText = true;
    TCellHAlign HAlign = haLeft;
    TCellVAlign VAlign = vaTop;
};

// The size table of the graphic kinds (a null graphic: 0 x 0, text drawn).
TGraphicLayout Graphic_Layout(const TCellGraphic *Graphic, const TGraphicMetrics &M);

// The text rectangle: the cell rectangle (fixed cells moved in by the line
// width at left and top), inset by XYOffset, then moved for the graphic
// (before / after the text, above / under it) and the node indent.
TRect Cell_Text_Rect(TRect Cell, bool Fixed, int GridLineWidth, TPoint XYOffset, bool XYOffsetTopLeftOnly,
                     const TGraphicLayout &G, int NodeIndent);

// The graphic rectangle inside R (the cell rectangle, one pixel lower for
// fixed cells). HA and TextVA are the cell text's alignment, GridVA the
// grid's own; TW the drawn text width (+2, +2 more when above 0); HasText
// whether the cell shows text.
TRect Cell_Graphic_Rect(TRect R, bool Fixed, TPoint XYOffset, TCellType Type, const TGraphicLayout &G,
                        TAlignment HA, TVAlignment TextVA, TVAlignment GridVA, int TW, bool HasText);

// Colour mixing: Percent of C1 and the rest of C2, per channel, rounded
// half to even; 100 or more gives C1, below 1 (or C1 clNone) C2.
TColor BlendColor(TColor C1, TColor C2, int Percent);
TColor MixSelectionColor(TColor SelectionColor, TColor CellColor, bool Mixer, int Factor);

// The text a cell's balloon tip shows: tabs become blanks, leading line
// breaks and tabs are skipped, and a text over 2048 characters is cut to its
// first 2045 followed by "...". A title over 100 characters keeps its first 97
// followed by "...".
QString Balloon_Tip_Text(const QString &Text);
QString Balloon_Tip_Title(const QString &Title);
