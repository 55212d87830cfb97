// Cells picked one by one (MouseActions.DisjunctCellSelect): the list's
// questions, the list following the grid's row and column operations, and
// how listed and unlisted cells are painted.
#include "GridOpsFixture.h"
#include "grid/model/DarAzidError.h"
#include "grid/stringgrid/RIraRevadiVizo.h"
#include <gtest/gtest.h>

namespace {

using CellSelect = GridOpsFixture;

// Five rows of "<column letter><row>" texts in columns 1 and 2.
std::vector<QStringList> Lettered()
{
    std::vector<QStringList> V;
    for (int R = 1; R <= 5; ++R)
        V.push_back({QStringLiteral("a%1").arg(R), QStringLiteral("b%1").arg(R)});
    return V;
}

QStringList Listed_Texts(RIraRevadiVizo &G)
{
    QStringList L;
    const int N = G.MouseActions().DisjunctCellSelect() ? G.SelectedCellsCount() : 0;
    for (int I = 0; I < N; ++I) {
        const TPoint P = G.GetSelectedCell(I);
        L << G.Cells(P.X, P.Y);
    }
    return L;
}

} // namespace

// With DisjunctCellSelect the list answers, in the order picked; without
// it the questions answer the selection and the count rebuilds the list
// from it (the current cell for a single cell, else column by column).
TEST_F(CellSelect, ListAndItsQuestions)
{
    Fill(Lettered(), 6);
    G->MouseActions().Set_DisjunctCellSelect(true);
    G->FocusCell(1, 1);
    G->SetSelectedCells(2, 3, true);
    G->SetSelectedCells(4, 5, true);
    G->SetSelectedCells(2, 3, true);   // listed once
    EXPECT_EQ(G->SelectedCellsCount(), 2);
    EXPECT_EQ(G->GetSelectedCell(1), TPoint(4, 5));
    EXPECT_THROW(G->GetSelectedCell(2), EDarAzidError);
    struct TCase {
        const char *Name;
        int Col, Row;
        bool Want;
    };
    const TCase Cases[] = {
        {"Listed", 2, 3, true},
        {"ListedLast", 4, 5, true},
        {"TransposedIsNotListed", 3, 2, false},
        {"CurrentCellNotListed", 1, 1, false},
        {"FixedNeverSelected", 0, 3, false},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(G->IsSelected(C.Col, C.Row), C.Want);
        EXPECT_EQ(G->GetSelectedCells(C.Col, C.Row), C.Want && C.Col > 0);
    }
    G->SetSelectedCells(2, 3, false);
    EXPECT_EQ(G->SelectedCellsCount(), 1);
    EXPECT_FALSE(G->IsSelected(2, 3));

    // the rectangle selection when the mode is off
    G->MouseActions().Set_DisjunctCellSelect(false);
    G->Set_Selection(TGridRect{1, 1, 2, 3});
    EXPECT_TRUE(G->GetSelectedCells(2, 2));
    EXPECT_FALSE(G->GetSelectedCells(3, 2));
    EXPECT_EQ(G->SelectedCellsCount(), 6);
    EXPECT_EQ(G->GetSelectedCell(0), TPoint(1, 1));
    EXPECT_EQ(G->GetSelectedCell(3), TPoint(2, 1));
    G->FocusCell(3, 4);
    EXPECT_EQ(G->SelectedCellsCount(), 1);
    EXPECT_EQ(G->GetSelectedCell(0), TPoint(3, 4));

    // clearing empties the list and puts the selection on the first normal cell
    G->MouseActions().Set_DisjunctCellSelect(true);
    G->ClearSelectedCells();
    EXPECT_EQ(G->SelectedCellsCount(), 0);
    EXPECT_EQ(G->Selection(), (TGridRect{1, 1, 1, 1}));
}

// The listed cells keep their texts through every operation that moves rows
// or columns; cells of removed rows or columns leave the list.
TEST_F(CellSelect, ListFollowsRowsAndColumns)
{
    struct TCase {
        const char *Name;
        void (*Change)(RIraRevadiVizo &);
        QStringList Want;
    };
    const TCase Cases[] = {
        {"InsertRowsAbove", [](RIraRevadiVizo &Grid) { Grid.InsertRows(1, 2); }, L({"a2", "b4", "a5"})},
        {"RemoveRowDropsItsCell", [](RIraRevadiVizo &Grid) { Grid.RemoveRows(4, 1); }, L({"a2", "a5"})},
        {"SortDescending", [](RIraRevadiVizo &Grid) { Grid.Sort(1, sdDescending); }, L({"a2", "b4", "a5"})},
        {"MoveRow", [](RIraRevadiVizo &Grid) { Grid.MoveRow(5, 1); }, L({"a2", "b4", "a5"})},
        {"MoveColumn", [](RIraRevadiVizo &Grid) { Grid.MoveColumn(2, 1); }, L({"a2", "b4", "a5"})},
        {"InsertColumnBefore", [](RIraRevadiVizo &Grid) { Grid.InsertCols(1, 1); }, L({"a2", "b4", "a5"})},
        {"RemoveColumnDropsItsCells", [](RIraRevadiVizo &Grid) { Grid.RemoveCols(1, 1); }, L({"b4"})},
        {"SwapRows", [](RIraRevadiVizo &Grid) { Grid.SwapRows(2, 4); }, L({"a2", "b4", "a5"})},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Fill(Lettered(), 4);
        G->MouseActions().Set_DisjunctCellSelect(true);
        G->SetSelectedCells(1, 2, true);
        G->SetSelectedCells(2, 4, true);
        G->SetSelectedCells(1, 5, true);
        C.Change(*G);
        EXPECT_EQ(Listed_Texts(*G), C.Want);
        Consistent();
    }
}

// A listed cell paints in the selection colour and counts as selected; the
// current cell paints selected only while listed; with ShowSelection off
// nothing shows selected.
TEST_F(CellSelect, ListedCellsPaintSelected)
{
    Fill(Lettered(), 4);
    G->resize(400, 200);
    G->MouseActions().Set_DisjunctCellSelect(true);
    G->Set_SelectionColor(clRed);
    G->FocusCell(1, 1);
    G->SetSelectedCells(2, 3, true);
    G->SetSelectedCells(3, 4, true);
    struct TCase {
        const char *Name;
        int Col, Row;
        bool Show, Listed;
    };
    const TCase Cases[] = {
        {"ListedCell", 2, 3, true, true},
        {"OtherListedCell", 3, 4, true, true},
        {"CurrentCellUnlisted", 1, 1, true, false},
        {"PlainCell", 2, 2, true, false},
        {"HiddenSelection", 2, 3, false, false},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        G->Set_ShowSelection(C.Show);
        TRecordingCanvas Canvas(400, 200);
        G->Paint_On(Canvas);
        const TRect R = G->CellRect(C.Col, C.Row);
        const TColor Pixel = Color_To_RGB(From_QColor(Canvas.Image().pixelColor(R.Left + 3, R.Top + 3)));
        EXPECT_EQ(Pixel, C.Listed ? clRed : Color_To_RGB(G->Color()));
    }
}
