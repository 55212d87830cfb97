#pragma once
#include "platform/Colors.h"
#include "platform/Set.h"
#include <QImage>
#include <functional>

// Plain settings of the string grid's scrolling, mouse modes and background.

// Which scroll bar shows the row or column under a dragged thumb.
enum TScrollHintType { shNone, shVertical, shHorizontal, shBoth };

// The margins a drag hovers in.
enum TDragScrollDirections { dsdUp, dsdDown, dsdLeft, dsdRight };
using TDragScrollDirection = TSet<TDragScrollDirections>;

// Scrolling by itself while something is dragged near the grid's edges:
// after InitialDelay ms in a margin one step, then one every RepeatDelay ms.
class TDragScrollOptions {
public:
    bool Active = false;
    struct {
        int InitialDelay = 1000;
        int RepeatDelay = 250;
    } Delays;
    struct {
        int TopMargin = 50;
        int BottomMargin = 50;
        int LeftMargin = 50;
        int RightMargin = 50;
    } Margins;
    void Assign(const TDragScrollOptions &Source) { *this = Source; }
};

// What a press at the mouse position would select (the mouse handling sets it).
enum TMouseSelectMode { msNormal, msColumn, msRow, msAll, msURL, msResize };

// The grid's cursors beyond the standard ones (numbers as the grid's
// resources name them).
enum TGridCursorId {
    gcNone = 0, gcRowSelect = 8010, gcColumnSelect = 8011, gcAllSelect = 8012, gcCellSelector = 8014,
};

// The picture or gradient behind the grid's empty area.
enum TBackGroundDisplay { bdTile, bdFixed, bdGradientHorz, bdGradientVert };
enum TBackGroundCells { bcNormal, bcFixed, bcAll };

class TBackGround {
public:
    QImage Bitmap;   // none when null
    TBackGroundDisplay Display = bdTile;
    TBackGroundCells Cells = bcNormal;
    TColor Color = clWindow;
    TColor ColorTo = clBtnFace;
    int Left = 0;
    int Top = 0;
    void Assign(const TBackGround &Source) { *this = Source; }
};
