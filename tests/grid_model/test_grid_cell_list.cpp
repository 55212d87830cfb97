// The list of cells picked one by one: packing, adding once, and following
// rows and columns that come, go, move or are sorted.
#include "grid/model/DarAzidError.h"
#include "grid/model/GridCellList.h"
#include "grid/model/GridRowFlags.h"
#include <gtest/gtest.h>

namespace {
std::vector<TPoint> Cells(const TGridCellList &L)
{
    std::vector<TPoint> V;
    for (int I = 0; I < L.Count(); ++I)
        V.push_back(L.At(I));
    return V;
}
} // namespace

// Row in the high 16 bits, column in the low; the highest row packs to a
// negative key and unpacks again; cells that do not fit are never listed.
TEST(GridCellList, PackingAndAddingOnce)
{
    EXPECT_EQ(TGridCellList::Pack(4, 5), 5 * 65536 + 4);
    EXPECT_EQ(TGridCellList::Unpack(TGridCellList::Pack(65535, 65535)), TPoint(65535, 65535));
    EXPECT_LT(TGridCellList::Pack(0, 40000), 0);
    TGridCellList L;
    EXPECT_TRUE(L.Add(2, 3));
    EXPECT_TRUE(L.Add(4, 5));
    EXPECT_FALSE(L.Add(2, 3));
    EXPECT_FALSE(L.Add(65536, 1));
    EXPECT_FALSE(L.Add(-1, 1));
    EXPECT_TRUE(L.Add(1, 40000));
    EXPECT_EQ(Cells(L), (std::vector<TPoint>{{2, 3}, {4, 5}, {1, 40000}}));
    EXPECT_TRUE(L.Contains(1, 40000));
    EXPECT_FALSE(L.Contains(3, 2));
    EXPECT_TRUE(L.Remove(4, 5));
    EXPECT_FALSE(L.Remove(4, 5));
    EXPECT_THROW(L.At(2), EDarAzidError);
    EXPECT_THROW(L.At(-1), EDarAzidError);
    EXPECT_TRUE(L.Check_Consistency());
    // a rectangle, corners either way, column by column
    L.Assign_Rect(2, 3, 1, 1);
    EXPECT_EQ(Cells(L), (std::vector<TPoint>{{1, 1}, {1, 2}, {1, 3}, {2, 1}, {2, 2}, {2, 3}}));
}

// Each change of rows or columns: the cells (1,1) (2,3) (3,5) (1,6) listed in
// that order; the order of picking survives every change.
TEST(GridCellList, FollowsRowsAndColumns)
{
    struct TCase {
        const char *Name;
        void (*Change)(TGridCellList &);
        std::vector<TPoint> Want;
    };
    const TCase Cases[] = {
        {"RowsInsertedAboveShift", [](TGridCellList &L) { L.Rows_Inserted(3, 2); },
         {{1, 1}, {2, 5}, {3, 7}, {1, 8}}},
        {"RowsRemovedDropTheirCells", [](TGridCellList &L) { L.Rows_Removed(3, 3); }, {{1, 1}, {1, 3}}},
        {"RowMovedDown", [](TGridCellList &L) { L.Row_Moved(1, 5); }, {{1, 5}, {2, 2}, {3, 4}, {1, 6}}},
        {"RowMovedUp", [](TGridCellList &L) { L.Row_Moved(6, 1); }, {{1, 2}, {2, 4}, {3, 6}, {1, 1}}},
        {"ColsInserted", [](TGridCellList &L) { L.Cols_Inserted(2, 1); }, {{1, 1}, {3, 3}, {4, 5}, {1, 6}}},
        {"ColsRemoved", [](TGridCellList &L) { L.Cols_Removed(1, 1); }, {{1, 3}, {2, 5}}},
        {"ColMoved", [](TGridCellList &L) { L.Col_Moved(3, 1); }, {{2, 1}, {3, 3}, {1, 5}, {2, 6}}},
        // rows 3..6 reversed: row 3 takes old 6, row 6 takes old 3
        {"RowsSorted", [](TGridCellList &L) { L.Permute_Rows(3, {6, 5, 4, 3}); },
         {{1, 1}, {2, 6}, {3, 4}, {1, 3}}},
        // a row pushed past the packable range leaves the list
        {"RowsPastTheRangeLeave", [](TGridCellList &L) { L.Rows_Inserted(6, 65530); },
         {{1, 1}, {2, 3}, {3, 5}}},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        TGridCellList L;
        for (const TPoint &P : {TPoint(1, 1), TPoint(2, 3), TPoint(3, 5), TPoint(1, 6)})
            L.Add(P.X, P.Y);
        C.Change(L);
        EXPECT_EQ(Cells(L), C.Want);
        EXPECT_TRUE(L.Check_Consistency());
    }
}

// The row flags take the list along when rows come or go.
TEST(GridCellList, RowFlagsCarryTheList)
{
    TGridRowFlags F;
    F.SelectedCells.Add(1, 4);
    F.SelectedCells.Add(2, 2);
    F.Rows_Inserted(3, 3, 1);
    EXPECT_EQ(Cells(F.SelectedCells), (std::vector<TPoint>{{1, 5}, {2, 2}}));
    F.Rows_Removed(2, 1, {2});
    EXPECT_EQ(Cells(F.SelectedCells), (std::vector<TPoint>{{1, 4}}));
}
