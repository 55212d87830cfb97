// The item selector's cell grid as pure functions: cell size per caption
// layout, rows and panel size, hit tests, the visible count and the
// keyboard steps of the selected or hot item.
#include "dropdowns/ItemSelectorLayout.h"
#include <gtest/gtest.h>

// One cell size for all items: margins of 4, a gap of 4 between caption and
// box only when both exist, 4 more pixels for any caption.
TEST(ItemSelectorLayout, CellSizePerCaptionLayout)
{
    struct TCase { const char *Name; TItemLayout Layout; QSize Box, Text, Want; };
    const TCase Cases[] = {
        {"RightBoxAndText", ilCaptionRight, {16, 16}, {40, 13}, {72, 24}},
        {"LeftBoxAndText", ilCaptionLeft, {16, 16}, {40, 13}, {72, 24}},
        {"RightTextOnly", ilCaptionRight, {0, 0}, {40, 13}, {52, 21}},
        {"RightBoxOnly", ilCaptionRight, {16, 16}, {0, 0}, {24, 24}},
        {"TopBoxAndText", ilCaptionTop, {16, 16}, {40, 13}, {52, 41}},
        {"BottomBoxWiderThanText", ilCaptionBottom, {60, 14}, {40, 13}, {68, 39}},
        // a colour box without caption: no gap below it
        {"BottomBoxOnly", ilCaptionBottom, {14, 14}, {0, 0}, {22, 22}},
        {"NothingAtAll", ilCaptionTop, {0, 0}, {0, 0}, {8, 8}},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(Item_Cell_Size(C.Layout, C.Box, C.Text), C.Want);
    }
}

// Rows of Columns cells; the panel holds them with the 2-pixel margin on
// every side; an empty selector shows a 100 x 50 panel.
TEST(ItemSelectorLayout, RowsAndPanelSize)
{
    const TRect Content(2, 2, 500, 500);
    struct TCase { const char *Name; int Count, Columns; QSize Panel; std::vector<QPoint> Some_Cells; };
    const TCase Cases[] = {
        // seven items in three columns: rows of 3, 3 and 1
        {"SevenInThree", 7, 3, {154, 64}, {{2, 2}, {52, 2}, {102, 2}, {2, 22}, {102, 22}, {2, 42}}},
        {"OneItem", 1, 3, {54, 24}, {{2, 2}}},
        {"ThreeInOneColumn", 3, 1, {54, 64}, {{2, 2}, {2, 22}, {2, 42}}},
        {"ColumnsBelowOneCountAsOne", 2, 0, {54, 44}, {{2, 2}, {2, 22}}},
        {"Empty", 0, 3, {100, 50}, {}},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        const TItemArrangement A = Arrange_Items(C.Count, C.Columns, QSize(50, 20), Content);
        EXPECT_EQ(A.Panel, C.Panel);
        ASSERT_EQ(int(A.Cells.size()), C.Count);
        std::vector<QPoint> Tops;
        for (const TRect &R : A.Cells) {
            EXPECT_EQ(R.Width(), 50);
            EXPECT_EQ(R.Height(), 20);
            Tops.emplace_back(R.Left, R.Top);
        }
        if (C.Count == 7) // the sample above skips cells 4 (52, 22)
            Tops.erase(Tops.begin() + 4);
        EXPECT_EQ(Tops, C.Some_Cells);
    }
}

// Left and top edges belong to a cell, right and bottom do not.
TEST(ItemSelectorLayout, ItemAtPos)
{
    const std::vector<TRect> Cells = Arrange_Items(7, 3, QSize(50, 20), TRect(2, 2, 500, 500)).Cells;
    struct TCase { const char *Name; int X, Y, Want; };
    const TCase Cases[] = {{"TopLeftCorner", 2, 2, 0}, {"NextCellsLeftEdge", 52, 2, 1},
                           {"LastPixel", 51, 21, 0}, {"Margin", 1, 1, -1},
                           {"LastRow", 10, 45, 6}, {"BesideLastItem", 60, 45, -1}};
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(Item_At_Pos(Cells, C.X, C.Y), C.Want);
    }
}

// Whole rows times the columns; a first cell reporting no height fits none
// instead of dividing by it.
TEST(ItemSelectorLayout, VisibleItemCount)
{
    struct TCase { const char *Name; int Height; bool HScroll; int Cell_H, Columns, Count, Want; };
    const TCase Cases[] = {
        {"WholeRows", 100, false, 20, 3, 7, 15},
        {"ScrollBarTakes20", 100, true, 20, 3, 7, 12},
        {"FirstCellOfNoHeight", 100, false, 0, 3, 7, 0},
        {"NoItems", 100, false, 20, 1, 0, 0},
        {"LowerThanScrollBar", 10, true, 20, 1, 5, 0},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(Visible_Item_Count(C.Height, C.HScroll, C.Cell_H, C.Columns, C.Count), C.Want);
    }
}

// Keyboard steps: first and last; next and previous start at the first item
// when none is chosen and stop at either end.
TEST(ItemSelectorLayout, KeyboardSteps)
{
    struct TCase { const char *Name; int Current, Count; TItemStep Step; int Want; };
    const TCase Cases[] = {
        {"First", 3, 5, isFirst, 0},          {"Last", 1, 5, isLast, 4},
        {"NextFromNone", -1, 5, isNext, 0},   {"Next", 1, 5, isNext, 2},
        {"NextAtEndStays", 4, 5, isNext, 4},  {"PreviousFromNone", -1, 5, isPrevious, 0},
        {"Previous", 2, 5, isPrevious, 1},    {"PreviousAtStartStays", 0, 5, isPrevious, 0},
        {"EmptyNext", -1, 0, isNext, -1},     {"EmptyLast", -1, 0, isLast, -1},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(Item_Step(C.Current, C.Count, C.Step), C.Want);
    }
}
