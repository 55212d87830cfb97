#pragma once
#include "platform/Rect.h"
#include <QSize>
#include <vector>

// Layout of the item selector's grid of equal cells, apart from painting so
// that it can be checked without a window. Rectangles have exclusive right
// and bottom edges, in the inner panel's coordinates.

enum TSelectorType { stImage, stColor };
// Where an item's caption stands relative to its image or colour box.
enum TItemLayout { ilCaptionLeft, ilCaptionRight, ilCaptionTop, ilCaptionBottom };

struct TItemSpacing {
    int OffSetX = 2, OffSetY = 2;         // panel margin around all cells
    int ItemOffSetX = 4, ItemOffSetY = 4; // cell margin around its content
    int CaptionGap = 4;                   // between caption and image or box
};

// One cell size for all items from the largest image or colour box and the
// largest caption extent (a caption gets 4 more pixels of width).
QSize Item_Cell_Size(TItemLayout Layout, QSize Box, QSize Text, const TItemSpacing &S = {});

struct TItemArrangement {
    std::vector<TRect> Cells;
    QSize Panel;
};

// Cells row by row, Columns to a row (at least 1), from the content
// rectangle's top-left; the panel is as large as the cells plus the margin
// on all four sides. No items: a 100 x 50 panel.
TItemArrangement Arrange_Items(int Count, int Columns, QSize Cell, const TRect &Content);

// The first cell holding the point (left and top edges inside); -1 when none.
int Item_At_Pos(const std::vector<TRect> &Cells, int X, int Y);

// How many items fit the control's height: whole rows of the first cell's
// height (less 20 pixels for a horizontal scroll bar) times the columns.
// No items, or a first cell of no height, fit none.
int Visible_Item_Count(int Client_Height, bool HScroll, int First_Cell_Height, int Columns, int Count);

enum TItemStep { isFirst, isLast, isNext, isPrevious };
// The index a step leads to from Current (-1: none); Current itself when
// the step goes nowhere (past either end, or no items). Next and previous
// from none both start at the first item.
int Item_Step(int Current, int Count, TItemStep Step);
