// The string grid's whole-table operations: sorting and unsorting, row and
// column insertion and removal, swaps, duplicates and calculations. Every
// step leaves the model consistent.
#include "GridOpsFixture.h"
#include "grid/stringgrid/RIraRevadiVizo.h"
#include <gtest/gtest.h>
#include <memory>

namespace {

using DataOps = GridOpsFixture;
constexpr auto Rows = Pair_Rows;

} // namespace

// QSort on one column: direction, ties to the right with Full, column 0 kept
// with NormalCellsOnly; QUnSort brings every row back.
TEST_F(DataOps, SortAndUnsort)
{
    struct TCase {
        const char *Name;
        TSortDirection Direction;
        bool NormalCellsOnly;
        QStringList Want1, Want2, Want0;
    };
    const TCase Cases[] = {
        {"AscendingTiesByNextColumn", sdAscending, false, L({"10", "9", "9", "x"}), L({"d", "a", "c", "b"}),
         L({"3", "1", "4", "2"})},
        {"Descending", sdDescending, false, L({"x", "9", "9", "10"}), L({"b", "c", "a", "d"}), L({"2", "4", "1", "3"})},
        {"NormalCellsOnlyKeepsRowNumbers", sdAscending, true, L({"10", "9", "9", "x"}), L({"d", "a", "c", "b"}),
         L({"1", "2", "3", "4"})},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        // column 1 sorts as text ("10" before "9" with AutoFormat off)
        Fill(Rows({{"9", "a"}, {"x", "b"}, {"10", "d"}, {"9", "c"}}));
        G->SortSettings().AutoFormat = false;
        G->SortSettings().NormalCellsOnly = C.NormalCellsOnly;
        G->Set_RowHeights(3, 40);   // the "10" row's height travels with it
        G->Sort(1, C.Direction);
        EXPECT_EQ(Column(1), C.Want1);
        EXPECT_EQ(Column(2), C.Want2);
        EXPECT_EQ(Column(0), C.Want0);
        const int At = static_cast<int>(Column(1).indexOf(QStringLiteral("10"))) + 1;
        EXPECT_EQ(G->RowHeights(At), 40);
        EXPECT_EQ(G->Model().Check_Consistency(), QString());
        G->QUnSort();
        EXPECT_EQ(Column(1), L({"9", "x", "10", "9"}));
        EXPECT_EQ(Column(0), L({"1", "2", "3", "4"}));
        EXPECT_EQ(G->RowHeights(3), 40);
    }
}

// Numbers sort as numbers in the automatic style; a footer row and a shown
// floating footer never move; a column of -1 sorts nothing.
TEST_F(DataOps, SortKeepsFootersAndNumbers)
{
    Fill(Rows({{"10", ""}, {"9", ""}, {"100", ""}, {"Total", ""}}));
    G->FloatingFooter().Visible = true;
    G->Sort(1, sdAscending);
    EXPECT_EQ(Column(1), L({"9", "10", "100", "Total"}));
    G->Sort(1, sdDescending);
    EXPECT_EQ(Column(1), L({"100", "10", "9", "Total"}));
    G->SortSettings().Column = -1;
    G->QSort();
    EXPECT_EQ(Column(1), L({"100", "10", "9", "Total"}));
}

// Hidden rows stay hidden and keep their cells; objects (colours) and hidden
// columns move with their rows.
TEST_F(DataOps, SortCarriesObjectsAndHiddenCells)
{
    Fill(Rows({{"c", "3"}, {"a", "1"}, {"hidden", "h"}, {"b", "2"}}));
    G->SetColors(1, 1, 0x0000FF);
    G->HideRow(3);
    G->HideColumn(2);
    G->Sort(1, sdAscending);
    EXPECT_EQ(Column(1), L({"a", "b", "c"}));
    EXPECT_EQ(Column(2), L({"1", "2", "3"}));   // the hidden column's cells went along
    EXPECT_EQ(G->GetColors(1, 3), static_cast<TColor>(0x0000FF));
    EXPECT_EQ(G->NumHiddenRows(), 1);
    G->UnHideRow(3);
    EXPECT_TRUE(Column(1).contains(QStringLiteral("hidden")));
}

// Indexed sort: each key with its direction; no keys raises and changes nothing.
TEST_F(DataOps, IndexedSort)
{
    Fill(Rows({{"a", "1"}, {"b", "2"}, {"a", "3"}, {"b", "1"}}));
    G->SortSettings().IndexColumns = {1, 2};
    G->SortSettings().IndexDirections = {sdAscending, sdDescending};
    G->QSortIndexed();
    EXPECT_EQ(Column(1), L({"a", "a", "b", "b"}));
    EXPECT_EQ(Column(2), L({"3", "1", "2", "1"}));
    G->SortSettings().IndexColumns.clear();
    try {
        G->QSortIndexed();
        ADD_FAILURE() << "no exception";
    } catch (const EDarAzidError &E) {
        EXPECT_STREQ(E.what(), "No indexes specified for indexed sort");
    }
    EXPECT_EQ(Column(2), L({"3", "1", "2", "1"}));
}

// Custom and raw compares decide through the grid's events; a check-box
// column sorts unchecked before checked.
TEST_F(DataOps, SortByEventsAndCheckBoxes)
{
    Fill(Rows({{"bbb", ""}, {"a", ""}, {"cc", ""}}));
    G->OnGetFormat = [](QObject *, int, TSortStyle &S, QString &, QString &) { S = ssCustom; };
    G->OnCustomCompare = [](QObject *, const QString &A, const QString &B, int &Res) {
        Res = static_cast<int>(A.size() - B.size());
    };
    G->Sort(1, sdAscending);
    EXPECT_EQ(Column(1), L({"a", "cc", "bbb"}));
    G->OnGetFormat = [](QObject *, int, TSortStyle &S, QString &, QString &) { S = ssRaw; };
    G->OnRawCompare = [this](QObject *, int C, int R1, int R2, int &Res) {
        Res = -G->Cells(C, R1).compare(G->Cells(C, R2));
    };
    G->Sort(1, sdAscending);
    EXPECT_EQ(Column(1), L({"cc", "bbb", "a"}));
    G->OnGetFormat = nullptr;
    G->AddCheckBox(2, 1, true, false);
    G->AddCheckBox(2, 2, false, false);
    G->AddCheckBox(2, 3, true, false);
    G->Sort(2, sdAscending);
    bool State = true;
    G->GetCheckBoxState(2, 1, State);
    EXPECT_FALSE(State);
    EXPECT_EQ(G->Cells(1, 1), QStringLiteral("bbb"));
}

// The sort settings' string form: load sorts, save gives the same text back.
TEST_F(DataOps, SortSettingsStrings)
{
    struct TCase { const char *Name; const char *Load; QStringList Want1; const char *Saved; };
    const TCase Cases[] = {
        {"Ascending", "u1", L({"a", "a", "b"}), "u1"},
        {"Descending", "d1", L({"b", "a", "a"}), "d1"},
        // no "u" anywhere: descending
        {"OtherLetterDescends", "x1", L({"b", "a", "a"}), "d1"},
        {"Indexed", "i;u1;d2", L({"a", "a", "b"}), "i;u1;d2"},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Fill(Rows({{"b", "1"}, {"a", "1"}, {"a", "2"}}));
        G->SortSettingsFromString(QString::fromUtf8(C.Load));
        EXPECT_TRUE(G->SortSettings().Show());
        EXPECT_EQ(Column(1), C.Want1);
        EXPECT_EQ(G->SortSettingsToString(), QString::fromUtf8(C.Saved));
    }
    EXPECT_EQ(Column(2), L({"2", "1", "1"}));
    EXPECT_THROW(G->SortSettingsFromString(QStringLiteral("u")), std::runtime_error);
    G->SortSettingsFromString(QString());
    G->SortSettings().IndexShow = false;
    G->SortSettings().Column = -1;
    EXPECT_EQ(G->SortSettingsToString(), QStringLiteral("u-1"));
}

// Group sort orders the children of each expanded deepest node only.
TEST_F(DataOps, GroupSort)
{
    Fill(Rows({{"g1", ""}, {"z", ""}, {"y", ""}, {"g2", ""}, {"b", ""}, {"a", ""}}));
    G->AddNode(1, 3);
    G->AddNode(4, 3);
    G->SortSettings().Column = 1;
    G->QSortGroup();
    EXPECT_EQ(Column(1), L({"g1", "y", "z", "g2", "a", "b"}));
}

// Inserting and removing rows keeps hidden rows, objects and merged blocks
// with their rows; the floating footer stays last.
TEST_F(DataOps, InsertAndRemoveRows)
{
    Fill(Rows({{"a", ""}, {"b", ""}, {"hidden", ""}, {"c", ""}, {"foot", ""}}));
    G->SetColors(1, 4, 0x00FF00);
    G->MergeCells(2, 1, 1, 2);
    G->HideRow(3);
    G->FloatingFooter().Visible = true;
    G->InsertRows(2, 2);
    EXPECT_EQ(Column(1), L({"a", "", "", "b", "c", "foot"}));
    EXPECT_EQ(G->GetColors(1, 5), static_cast<TColor>(0x00FF00));
    EXPECT_EQ(G->Model().Check_Consistency(), QString());
    G->InsertRows(G->RowCount(), 1);
    EXPECT_EQ(Column(1).last(), QStringLiteral("foot"));
    G->RemoveRows(2, 2);
    EXPECT_EQ(Column(1), L({"a", "b", "c", "", "foot"}));
    EXPECT_EQ(G->GetColors(1, 3), static_cast<TColor>(0x00FF00));
    G->UnHideRow(G->RealRowIndex(2) + 1);
    EXPECT_EQ(Column(1), L({"a", "b", "hidden", "c", "", "foot"}));
    // nothing for a count of 0 or a row past the end
    G->RemoveRows(1, 0);
    G->RemoveRows(G->RowCount() + 1, 1);
    EXPECT_EQ(G->RowCount(), 7);
}

// Removing the current row moves the current row to the last data row.
TEST_F(DataOps, RemovingCurrentRow)
{
    Fill(Rows({{"a", ""}, {"b", ""}, {"c", ""}}));
    G->Set_Row(3);
    G->RemoveRows(3, 1);
    EXPECT_EQ(G->Row(), 2);
    EXPECT_EQ(Column(1), L({"a", "b"}));
}

// Inserting and removing columns moves cells, widths and hidden columns.
TEST_F(DataOps, InsertAndRemoveColumns)
{
    Fill(Rows({{"a", "b"}}), 4);
    G->Set_Cells(3, 1, QStringLiteral("c"));
    G->Set_ColWidths(2, 77);
    G->HideColumn(3);
    G->InsertCols(1, 2);
    EXPECT_EQ(G->ColCount(), 5);
    EXPECT_EQ(G->Cells(3, 1), QStringLiteral("a"));
    EXPECT_EQ(G->Cells(4, 1), QStringLiteral("b"));
    EXPECT_TRUE(G->IsHiddenColumn(5));
    EXPECT_EQ(G->Cells(5, 1), QStringLiteral("c"));
    EXPECT_EQ(G->ColWidths(4), 77);
    EXPECT_EQ(G->ColWidths(1), G->DefaultColWidth());
    EXPECT_EQ(G->Model().Check_Consistency(), QString());
    G->RemoveCols(1, 3);
    EXPECT_EQ(G->ColCount(), 2);
    EXPECT_EQ(G->Cells(1, 1), QStringLiteral("b"));
    EXPECT_TRUE(G->IsHiddenColumn(2));
    EXPECT_EQ(G->ColWidths(1), 77);
    G->AddColumn();
    EXPECT_EQ(G->ColCount(), 3);
}

// Inserted rows take the default height and push the rows below on with
// theirs; removed rows take their heights with them, the rows below move up
// with theirs; the last rows keep theirs.
TEST_F(DataOps, InsertAndRemoveMoveHeightsWithRows)
{
    struct TCase { const char *Name; bool Insert; int At; int Count; std::vector<int> Want; };
    // rows 0..5 start at 20, 21, .. 25; the default is 24
    const TCase Cases[] = {
        {"InsertMiddle", true, 2, 2, {20, 21, 24, 24, 22, 23, 24, 25}},
        {"InsertAtEnd", true, 6, 1, {20, 21, 22, 23, 24, 25, 24}},
        {"RemoveMiddle", false, 2, 2, {20, 21, 24, 25}},
        {"RemoveLast", false, 5, 1, {20, 21, 22, 23, 24}},
        {"RemoveMoreThanLeft", false, 4, 9, {20, 21, 22, 23}},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Fill(Rows({{"a", "1"}, {"b", "2"}, {"c", "3"}, {"d", "4"}, {"e", "5"}}));
        G->Set_DefaultRowHeight(24);
        for (int R = 0; R < G->RowCount(); ++R)
            G->Set_RowHeights(R, 20 + R);
        if (C.Insert)
            G->InsertRows(C.At, C.Count);
        else
            G->RemoveRows(C.At, C.Count);
        std::vector<int> Heights;
        for (int R = 0; R < G->RowCount(); ++R)
            Heights.push_back(G->RowHeights(R));
        EXPECT_EQ(Heights, C.Want);
        EXPECT_EQ(G->Model().Check_Consistency(G->RowCount()), QString());
    }
}

// Swapping carries texts, heights and the sort column.
TEST_F(DataOps, Swaps)
{
    Fill(Rows({{"a", "1"}, {"b", "2"}, {"c", "3"}}));
    G->Set_RowHeights(1, 33);
    G->SwapRows(1, 3);
    EXPECT_EQ(Column(1), L({"c", "b", "a"}));
    EXPECT_EQ(G->RowHeights(3), 33);
    G->SortSettings().Column = 1;
    G->SwapColumns(1, 2);
    EXPECT_EQ(Column(1), L({"3", "2", "1"}));
    EXPECT_EQ(G->SortSettings().Column, 2);
}

// Merging along a column: A, A, A, B merges the first three rows.
TEST_F(DataOps, MergeColumnCellsRuns)
{
    Fill(Rows({{"A", ""}, {"A", ""}, {"A", ""}, {"B", ""}}));
    G->MergeColumnCells(1, true);
    EXPECT_TRUE(G->IsMergedCell(1, 2));
    EXPECT_FALSE(G->IsMergedCell(1, 4));
    EXPECT_EQ(G->Model().Block_Of(1, 1).Bottom, 3);
}

// Duplicates: with DoCase "a" and "A" differ; without, they are one text.
TEST_F(DataOps, RemoveDuplicates)
{
    struct TCase { const char *Name; bool DoCase; QStringList Want; };
    const TCase Cases[] = {
        {"CaseSensitive", true, L({"a", "A", "b"})},
        {"IgnoringCase", false, L({"a", "b"})},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Fill(Rows({{"a", ""}, {"A", ""}, {"a", ""}, {"b", ""}}));
        G->RemoveDuplicates(1, C.DoCase);
        EXPECT_EQ(Column(1), C.Want);
    }
}

// Column calculations over the data rows (-1, -1), merged and grouped rows.
TEST_F(DataOps, ColumnCalculations)
{
    Fill(Rows({{"2", "x"}, {"4", ""}, {"abc", ""}, {"99", ""}}));
    G->Set_FixedFooters(1);
    EXPECT_DOUBLE_EQ(G->ColumnSum(1, -1, -1), 6);
    EXPECT_DOUBLE_EQ(G->ColumnAvg(1, -1, -1), 2);
    EXPECT_DOUBLE_EQ(G->ColumnMax(1, -1, -1), 4);
    EXPECT_DOUBLE_EQ(G->ColumnMin(1, 1, 2), 2);
    EXPECT_THROW(G->ColumnMin(1, 3, 3), EDarAzidError);
    EXPECT_DOUBLE_EQ(G->ColumnAvg(1, 3, 2), 0);
    EXPECT_DOUBLE_EQ(G->ColumnStdDev(1, 1, 2), 1);
    EXPECT_DOUBLE_EQ(G->ColumnDistinct(2, -1, -1), 2);
    EXPECT_DOUBLE_EQ(G->RowSum(1, 1, 2), 2);
    EXPECT_DOUBLE_EQ(G->RowAvg(1, 2, 1), 0);
    // a member of a vertical block that is not its base adds nothing
    G->MergeCells(1, 1, 1, 2);
    EXPECT_DOUBLE_EQ(G->ColumnSum(1, -1, -1), 2);
}

// A compare that raises mid-sort leaves the update count, the footers and
// column 0 as they were.
TEST_F(DataOps, SortRestoresWhatItParksOnException)
{
    Fill(Rows({{"b", ""}, {"a", ""}, {"c", ""}, {"foot", ""}}));
    G->Set_FixedFooters(1);
    G->FloatingFooter().Visible = true;
    G->SortSettings().NormalCellsOnly = true;
    G->OnGetFormat = [](QObject *, int, TSortStyle &S, QString &, QString &) { S = ssCustom; };
    G->OnCustomCompare = [](QObject *, const QString &, const QString &, int &) { throw std::runtime_error("stop"); };
    const int Updates = G->UpdateCount();
    EXPECT_THROW(G->Sort(1, sdAscending), std::runtime_error);
    EXPECT_EQ(G->UpdateCount(), Updates);
    EXPECT_EQ(G->FixedFooters(), 1);
    EXPECT_TRUE(G->FloatingFooter().Visible);
    EXPECT_EQ(Column(0), L({"1", "2", "3", "4"}));
    EXPECT_EQ(Column(1), L({"b", "a", "c", "foot"}));
}
