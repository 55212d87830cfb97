// The find session kept apart from the grid: the range a find walks, taken
// from a grid's shape and the parameters, and what a session remembers.
#include "grid/stringgrid/GridFindSession.h"
#include <gtest/gtest.h>

namespace {

// 6 columns (1 fixed left, 1 fixed right), 10 rows (2 fixed, 1 footer),
// 2 hidden columns and 3 hidden rows; the current cell is (3, 4).
TFindGridShape Shape()
{
    TFindGridShape G;
    G.ColCount = 6;
    G.RowCount = 10;
    G.FixedCols = 1;
    G.FixedRows = 2;
    G.FixedRightCols = 1;
    G.FixedFooters = 1;
    G.HiddenCols = 2;
    G.HiddenRows = 3;
    G.Selection = {2, 3, 4, 6};
    G.Col = 3;
    G.Row = 4;
    return G;
}

struct TRangeCase {
    const char *Name;
    TFindParams Params;
    TFindRange Expected;
};
const TRangeCase Range_Cases[] = {
    // the scrollable cells, without fixed columns, rows and footers
    {"ScrollableCells", {}, {1, 2, 4, 8}},
    {"FixedIncluded", {fnIncludeFixed}, {0, 0, 5, 9}},
    // the selection wins over the fixed cells
    {"SelectionOnly", {fnSelectedCells, fnIncludeFixed}, {2, 3, 4, 6}},
    // hidden columns and rows lengthen the range at its end
    {"HiddenColumns", {fnIncludeHiddenColumns}, {1, 2, 6, 8}},
    {"HiddenRows", {fnIncludeHiddenRows}, {1, 2, 4, 11}},
    {"HiddenInSelection", {fnSelectedCells, fnIncludeHiddenRows, fnIncludeHiddenColumns}, {2, 3, 6, 9}},
    // the current and preset row and column narrow the range last
    {"CurrentRow", {fnFindInCurrentRow}, {1, 4, 4, 4}},
    {"CurrentCol", {fnFindInCurrentCol, fnIncludeFixed}, {3, 0, 3, 9}},
    {"PresetRowAndCol", {fnFindInPresetRow, fnFindInPresetCol}, {5, 7, 5, 7}},
    {"PresetBeatsCurrent", {fnFindInCurrentRow, fnFindInPresetRow, fnFindInCurrentCol, fnFindInPresetCol},
     {5, 7, 5, 7}},
};

TEST(GridFindSession, RangeFollowsTheParameters)
{
    TGridFindSession S;
    S.Set_FindCol(5);
    S.Set_FindRow(7);
    for (const auto &C : Range_Cases) {
        SCOPED_TRACE(C.Name);
        const TFindRange R = S.Range(Shape(), C.Params);
        EXPECT_EQ(R.Left, C.Expected.Left);
        EXPECT_EQ(R.Top, C.Expected.Top);
        EXPECT_EQ(R.Right, C.Expected.Right);
        EXPECT_EQ(R.Bottom, C.Expected.Bottom);
    }
}

// A grid with nothing but fixed cells has nothing to search, unless hidden
// rows stand beyond its fixed rows.
struct TEmptyCase {
    const char *Name;
    int ColCount, RowCount, FixedCols, FixedRows, HiddenRows;
    bool Nothing;
};
const TEmptyCase Empty_Cases[] = {
    {"Cells", 3, 3, 1, 1, 0, false},
    {"NoColumns", 0, 3, 0, 0, 0, true},
    {"NoRows", 3, 0, 0, 0, 0, true},
    {"OnlyFixedColumns", 2, 5, 2, 1, 0, true},
    {"OnlyFixedRows", 3, 2, 1, 2, 0, true},
    {"FixedRowsAndHiddenRows", 3, 2, 1, 2, 4, false},
};

TEST(GridFindSession, NothingToSearchInFixedCellsOnly)
{
    for (const auto &C : Empty_Cases) {
        SCOPED_TRACE(C.Name);
        TFindGridShape G;
        G.ColCount = C.ColCount;
        G.RowCount = C.RowCount;
        G.FixedCols = C.FixedCols;
        G.FixedRows = C.FixedRows;
        G.HiddenRows = C.HiddenRows;
        EXPECT_EQ(TGridFindSession::Nothing_To_Search(G), C.Nothing);
    }
}

// A session goes on from the cell it found with the text and parameters of
// the last start, and a restart walks from the first cell again.
TEST(GridFindSession, FindNextGoesOnFromTheLastCell)
{
    const QString Cells[3][2] = {{"ab", "x"}, {"x", "ab"}, {"ab", "ab"}};   // [col][row]
    TGridFindSession S;
    EXPECT_EQ(S.SearchCell().X, -1);
    EXPECT_EQ(S.FindCol(), -1);
    EXPECT_EQ(S.FindRow(), -1);
    S.Start("AB", {fnDirectionLeftRight});
    auto Next = [&] {
        TFindGridShape G;
        G.ColCount = 3;
        G.RowCount = 2;
        TFindWalk W;
        W.Range = S.Range(G, S.Params());
        W.RowByRow = S.Params().Contains(fnDirectionLeftRight);
        const QString P = Prepare_Search_Text(S.Text(), S.Params());
        S.Set_SearchCell(Find_Walk(W, S.SearchCell(), [&](int C, int R) {
            return Find_Text_Matches(Cells[C][R], P, S.Text(), S.Params());
        }));
        return S.SearchCell();
    };
    const TPoint Expected[] = {{0, 0}, {2, 0}, {1, 1}, {2, 1}, {-1, -1}, {0, 0}};
    for (const TPoint &E : Expected) {
        const TPoint P = Next();
        EXPECT_EQ(P.X, E.X);
        EXPECT_EQ(P.Y, E.Y);
    }
    S.Start("x", {});
    S.Restart();
    EXPECT_EQ(S.Text(), "x");
    EXPECT_FALSE(S.Params().Contains(fnDirectionLeftRight));
    const TPoint Down = Next();   // down the columns now: (0, 1) holds x first
    EXPECT_EQ(Down.X, 0);
    EXPECT_EQ(Down.Y, 1);
}

} // namespace
