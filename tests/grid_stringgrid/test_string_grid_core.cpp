// The string grid: defaults, counts and fixed areas, hidden rows and columns,
// typed access and fills, selection flags and update batching.
#include "TestSupport.h"
#include "grid/stringgrid/RIraRevadiVizo.h"
#include "platform/Locale.h"
#include "platform/SystemInfo.h"
#include <QCoreApplication>
#include <QResizeEvent>
#include <QWidget>
#include <gtest/gtest.h>
#include <functional>
#include <memory>

namespace {
std::unique_ptr<RIraRevadiVizo> Make_Grid(int Cols = 5, int Rows = 10)
{
    auto G = std::make_unique<RIraRevadiVizo>();
    G->Set_ColCount(Cols);
    G->Set_RowCount(Rows);
    return G;
}

// An object the grid does not own, to see that slots come back.
class TTag : public TObject {
public:
    const char *ClassName() const override { return "TTag"; }
};
}

// --- defaults ----------------------------------------------------------------------------------------

TEST(StringGridDefaults, AfterConstruction)
{
    RIraRevadiVizo G;
    struct TCase { const char *Name; long long Got, Want; };
    const TCase Cases[] = {
        {"RowCount", G.RowCount(), 10},
        {"ColCount", G.ColCount(), 5},
        {"FixedRows", G.FixedRows(), 1},
        {"FixedCols", G.FixedCols(), 1},
        {"DefaultColWidth", G.DefaultColWidth(), 64},
        {"DefaultRowHeight", G.DefaultRowHeight(), 22},
        {"FixedRowHeight", G.FixedRowHeight(), 22},
        {"Width", G.width(), 400},
        {"Height", G.height(), 250},
        {"WordWrap", G.WordWrap(), 1},
        {"SelectionColor", G.SelectionColor(), 0xEACAB6},
        {"ActiveCellColor", G.ActiveCellColor(), 0x808080},
        {"DisabledFontColor", G.DisabledFontColor(), 0xC0C0C0},
        {"URLColor", G.URLColor(), 0xFF0000},
        {"HintColor", G.HintColor(), clInfoBk},
        {"SelectionColorMixerFactor", G.SelectionColorMixerFactor(), 50},
        {"QelGradientTo", G.QelGradientTo(), Color_To_RGB(clBtnFace)},
        {"BorderColorOfThemedSystem", G.BorderColor(), 0xB99D7F},
        {"Look", G.Look(), glXP},
        {"ShowSelection", G.ShowSelection(), 1},
        {"XYOffsetX", G.XYOffset().X, 2},
        {"EnableHTML", G.EnableHTML(), 1},
        {"DefaultEditor", G.DefaultEditor(), edNormal},
        // the constructor's table holds over the filter settings' own
        {"FilterIncremental", G.FilterIncremental(), 0},
        {"GroupColumn", G.GroupColumn(), -1},
        {"SaveFixedCells", G.SaveFixedCells(), 1},
        {"SaveFixedRows", G.SaveFixedRows(), 0},
        {"SaveVirtCells", G.SaveVirtCells(), 1},
        {"SaveWithHTML", G.SaveWithHTML(), 1},
        {"QuoteEmptyCells", G.QuoteEmptyCells(), 1},
        {"UpdateCount", G.UpdateCount(), 0},
        {"FilterLevel", G.FilterLevel(), 0},
        {"HiddenColumns", G.NumHiddenColumns(), 0},
        {"HiddenRows", G.NumHiddenRows(), 0},
        {"CellNodeIndent", G.CellNode().NodeIndent(), 12},
        {"ColumnSizeStretchColumn", G.ColumnSize().StretchColumn(), -1},
        {"HTMLBorderSize", G.HTMLSettings().BorderSize, 1},
        {"PrintBorders", G.PrintSettings().Borders, pbSingle},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(C.Got, C.Want);
    }
    EXPECT_EQ(G.CheckTrue(), "Y");
    EXPECT_EQ(G.CheckFalse(), "N");
    EXPECT_EQ(G.FloatFormat(), "%.2f");
    EXPECT_EQ(G.FilterDropDownClear(), "(All)");
    EXPECT_EQ(G.XMLEncoding(), "ISO-8859-1");
    EXPECT_EQ(G.PrintSettings().DateFormat, "dd/mm/yyyy");
    EXPECT_EQ(G.Version(), "6.2.1.3");
    EXPECT_EQ(G.GetVersionNr(), 100794627);
    EXPECT_EQ(G.GetVersionString(), "6.2.1.3 Sep, 2012");
    // hooks without handlers give the grid's own answers
    EXPECT_EQ(G.GetCheckTrue(1, 1), "Y");
    EXPECT_EQ(G.GetCheckFalse(1, 1), "N");
    EXPECT_FALSE(G.HasNoEditor(1, 1));
}

// --- counts and fixed areas ----------------------------------------------------------------------------

// Each step sets a count; the rows read back as the grid shows them.
TEST(StringGridDimensions, FixedRowAlwaysSequences)
{
    struct TStep { const char *Name; int Rows; int FixedAsked; int WantFixedRead; int WantPlatformFixed; };
    const TStep Steps[] = {
        {"OneRowKeepsNoRealFixedRow", 1, 1, 1, 0},
        {"GrowingBringsTheFixedRowBack", 2, -1, 1, 1},
        {"TwoFixedAskedOnThreeRows", 3, 2, 2, 2},
        {"ShrinkToTwoKeepsOneNormalRow", 2, -1, 1, 1},
        {"GrowAgainRestoresTheMinimum", 5, -1, 2, 2},
    };
    auto G = Make_Grid(5, 1);
    G->Set_FixedRowAlways(true);
    for (const TStep &S : Steps) {
        SCOPED_TRACE(S.Name);
        G->Set_RowCount(S.Rows);
        if (S.FixedAsked >= 0)
            G->Set_FixedRows(S.FixedAsked);
        EXPECT_EQ(G->FixedRows(), S.WantFixedRead);
        EXPECT_EQ(G->TBaseGrid::FixedRows(), S.WantPlatformFixed);
    }
    EXPECT_EQ(G->MaxRowCount(), 10);   // the constructor's 10 rows
}

TEST(StringGridDimensions, FixedCountsAndSizes)
{
    auto G = Make_Grid(5, 10);
    // without FixedRowAlways the platform refuses all rows fixed
    EXPECT_THROW(G->Set_FixedRows(10), EGridError);
    G->Set_FixedColWidth(G->DefaultColWidth());   // same as the default: no change
    EXPECT_EQ(G->ColWidths(0), 64);
    G->Set_FixedColWidth(30);
    EXPECT_EQ(G->ColWidths(0), 30);
    EXPECT_EQ(G->ColWidths(1), 64);
    G->Set_RowHeights(3, 40);
    G->Set_FixedRowHeight(G->DefaultRowHeight());   // re-applies the default to every row
    EXPECT_EQ(G->RowHeights(3), 22);
    G->Set_FixedRowHeight(30);
    EXPECT_EQ(G->RowHeights(0), 30);
    EXPECT_EQ(G->RowHeights(1), 22);
    G->Set_ColCount(12);
    G->Set_ColCount(3);
    EXPECT_EQ(G->MaxColCount(), 12);
    // fixed cells: fixed rows and columns, footers and right columns
    G->Set_ColCount(6);
    G->Set_FixedFooters(1);
    G->Set_FixedRightCols(1);
    struct TCase { const char *Name; int C, R; bool Want; };
    const TCase Cases[] = {
        {"FixedColumn", 0, 5, true}, {"FixedRow", 3, 0, true}, {"Normal", 2, 5, false},
        {"Footer", 2, 9, true},      {"RightColumn", 5, 3, true},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(G->IsFixed(C.C, C.R), C.Want);
    }
    G->OnIsFixedCell = [](QObject *, int ARow, int, bool &F) { F = ARow == 4; };
    EXPECT_TRUE(G->IsFixed(2, 4));
}

TEST(StringGridHooks, EditabilityAndEvents)
{
    auto G = Make_Grid();
    bool CanEdit = true;
    G->GetCellEditable(50, 2, CanEdit);   // beyond every real column
    EXPECT_TRUE(CanEdit);
    G->GetCellProperties(2, 2)->Set_ReadOnly(true);
    G->Set_Options(G->Options() + goEditing);
    CanEdit = true;
    G->GetCellEditable(2, 2, CanEdit);
    EXPECT_FALSE(CanEdit);
    G->OnCanEditCell = [](QObject *, int ARow, int, bool &E) { E = ARow == 3; };
    CanEdit = true;
    G->GetCellEditable(1, 3, CanEdit);
    EXPECT_TRUE(CanEdit);
    CanEdit = true;
    G->GetCellEditable(1, 4, CanEdit);
    EXPECT_FALSE(CanEdit);
    // spin buttons never show in fixed cells, whatever the event says
    G->OnHasSpinEdit = [](QObject *, int, int, bool &H) { H = true; };
    EXPECT_FALSE(G->HasSpinEdit(0, 3));
    EXPECT_FALSE(G->HasSpinEdit(2, 0));
    EXPECT_TRUE(G->HasSpinEdit(2, 3));
    G->OnGetCheckTrue = [](QObject *, int, int, QString &V) { V = "yes"; };
    EXPECT_EQ(G->GetCheckTrue(1, 1), "yes");
    G->OnGetEditorType = [](QObject *, int ACol, int, TEditorType &E) { E = ACol == 2 ? edNone : edNormal; };
    EXPECT_TRUE(G->HasNoEditor(2, 1));
    EXPECT_FALSE(G->HasNoEditor(3, 1));
}

// --- hidden columns and rows ---------------------------------------------------------------------------------

TEST(StringGridHidden, ColumnsMapBothWaysAndKeepCells)
{
    auto G = Make_Grid(5, 4);
    for (int C = 0; C < 5; ++C)
        G->SetCellEx(C, 1, QString("c%1").arg(C));
    G->Set_ColWidths(2, 50);
    G->Set_ColWidths(3, 70);
    G->HideColumns(2, 3);
    struct TCase { const char *Name; int Got, Want; };
    const TCase Cases[] = {
        {"ColCount", G->ColCount(), 3},
        {"Total", G->TotalColCount(), 5},
        {"RealOf2", G->RealColIndex(2), 4},
        {"DisplOf4", G->DisplColIndex(4), 2},
        {"HiddenMapsToNext", G->DisplColIndex(2), 2},
        {"WidthMovedLeft", G->ColWidths(2), 64},
        {"Hidden", G->NumHiddenColumns(), 2},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(C.Got, C.Want);
    }
    EXPECT_TRUE(G->IsHiddenColumn(2));
    EXPECT_EQ(G->GetCellEx(2, 1), "c2");   // a hidden column keeps its text
    G->UnHideColumns(2, 3);
    EXPECT_EQ(G->ColCount(), 5);
    EXPECT_EQ(G->ColWidths(2), 50);
    EXPECT_EQ(G->ColWidths(3), 70);
    EXPECT_EQ(G->RealColIndex(4), 4);
    // hiding every column keeps the last one visible
    G->HideColumns(0, 4);
    EXPECT_EQ(G->ColCount(), 1);
    G->UnHideColumnsAll();
    EXPECT_EQ(G->ColCount(), 5);
}

// Columns far to the right hide and map like the first ones.
TEST(StringGridHidden, ColumnsBeyondFiveHundredTwelve)
{
    auto G = Make_Grid(700, 3);
    G->SetCellEx(601, 1, "x");
    G->HideColumn(600);
    EXPECT_TRUE(G->IsHiddenColumn(600));
    EXPECT_EQ(G->ColCount(), 699);
    EXPECT_EQ(G->RealColIndex(600), 601);
    EXPECT_EQ(G->DisplColIndex(601), 600);
    EXPECT_EQ(G->GetCellEx(G->RealColIndex(600), 1), "x");
    G->UnHideColumn(600);
    EXPECT_EQ(G->ColCount(), 700);
}

TEST(StringGridHidden, RowsComeBackWithCellsObjectsAndHeights)
{
    auto G = Make_Grid(3, 10);
    TTag Tag;
    for (int R = 0; R < 10; ++R)
        G->SetCellEx(1, R, QString("r%1").arg(R));
    G->Set_Objects(2, 4, &Tag);
    G->Set_RowHeights(3, 30);
    G->Set_RowHeights(5, 50);
    G->Set_RowHeights(6, 60);
    G->HideRows(3, 5);
    struct TCase { const char *Name; int Got, Want; };
    const TCase Hidden[] = {
        {"RowCount", G->RowCount(), 7},     {"Total", G->TotalRowCount(), 10},
        {"RealOf3", G->RealRowIndex(3), 6}, {"DisplOf6", G->DisplRowIndex(6), 3},
        {"HeightMovedUp", G->RowHeights(3), 60},
    };
    for (const TCase &C : Hidden) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(C.Got, C.Want);
    }
    EXPECT_EQ(G->GetCellEx(1, 3), "r6");
    EXPECT_EQ(G->GetCellsEx(1, 4), "r4");   // by real row, hidden included
    G->SetCellsEx(1, 5, "five");
    // unhiding from a visible row changes nothing
    G->UnHideRows(6, 6);
    EXPECT_EQ(G->RowCount(), 7);
    G->UnHideRows(3, 5);
    EXPECT_EQ(G->RowCount(), 10);
    EXPECT_EQ(G->GetCellEx(1, 4), "r4");
    EXPECT_EQ(G->GetCellEx(1, 5), "five");
    EXPECT_EQ(G->Objects(2, 4), &Tag);
    EXPECT_EQ(G->RowHeights(3), 30);
    EXPECT_EQ(G->RowHeights(5), 50);
    EXPECT_EQ(G->RowHeights(6), 60);
    EXPECT_EQ(G->Model().Check_Consistency(), QString());
}

TEST(StringGridHidden, AlreadyHiddenRowsAndRowLists)
{
    auto G = Make_Grid(3, 10);
    for (int R = 0; R < 10; ++R)
        G->SetCellEx(1, R, QString::number(R));
    G->HideRow(4);
    G->HideRows(3, 5);   // 4 is hidden already: 3 and 5 are stored with their own texts
    EXPECT_EQ(G->NumHiddenRows(), 3);
    EXPECT_EQ(G->GetCellsEx(1, 3), "3");
    EXPECT_EQ(G->GetCellsEx(1, 5), "5");
    G->HideRowsEx(4, 6);   // starts on a hidden row: nothing
    EXPECT_EQ(G->NumHiddenRows(), 3);
    G->UnHideRowsAll();
    EXPECT_EQ(G->RowCount(), 10);
    for (int R = 0; R < 10; ++R)
        EXPECT_EQ(G->GetCellEx(1, R), QString::number(R));
    // a row list hides display rows at the next level and comes back in one step
    G->HideRowList({2, 4, 6});
    EXPECT_EQ(G->FilterLevel(), 1);
    EXPECT_EQ(G->RowCount(), 7);
    EXPECT_EQ(G->GetCellEx(1, 2), "3");
    G->UnHideRowList();
    EXPECT_EQ(G->RowCount(), 10);
    EXPECT_EQ(G->GetCellEx(1, 6), "6");
}

// Rows beyond the grid's end are not hidden: the rows shown stay the right
// ones and showing all again gives back exactly the rows there were.
TEST(StringGridHidden, HidingBeyondTheLastRow)
{
    struct TCase { const char *Name; int From, To, RowsLeft; };
    const TCase Cases[] = {
        {"WhollyBeyond", 20, 25, 10},
        {"ReachingBeyond", 8, 15, 8},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        auto G = Make_Grid(3, 10);
        for (int R = 0; R < 10; ++R)
            G->SetCellEx(1, R, QString::number(R));
        G->HideRows(C.From, C.To);
        EXPECT_EQ(G->RowCount(), C.RowsLeft);
        EXPECT_EQ(G->Model().Check_Consistency(G->RowCount()), QString());
        for (int R = 0; R < C.RowsLeft; ++R)
            EXPECT_EQ(G->Cells(1, R), QString::number(R));
        G->UnHideRowsAll();
        EXPECT_EQ(G->RowCount(), 10);
        EXPECT_EQ(G->Model().Check_Consistency(G->RowCount()), QString());
    }
}

TEST(StringGridHidden, UsedCellsAndSaveRange)
{
    auto G = Make_Grid(5, 10);
    EXPECT_EQ(G->GetUsedCells(), TRect(0, 0, 0, 0));
    G->SetCellEx(2, 3, "x");
    EXPECT_EQ(G->GetUsedCells(), TRect(2, 3, 2, 3));
    G->Set_SaveFixedCells(false);
    G->Set_FixedFooters(1);
    EXPECT_EQ(G->GetSaveStartRow(), 1);
    EXPECT_EQ(G->GetSaveEndRow(), 8);
    EXPECT_EQ(G->GetSaveRowCount(), 8);
}

// --- typed access and fills ------------------------------------------------------------------------------------------

TEST(StringGridTyped, GettersWithALocale)
{
    TFormatSettingsGuard Guard;
    Format_Settings().DecimalSeparator = u',';
    Format_Settings().ThousandSeparator = u'.';
    auto G = Make_Grid();
    struct TCase { const char *Name; const char *Text; double Want; };
    const TCase Floats[] = {
        {"Empty", "", 0}, {"Dash", "-", 0}, {"Thousands", "1.234,5", 1234.5}, {"Braces", "(3,5)", -3.5},
        {"Markup", "<B>7</B>", 7},
    };
    for (const TCase &C : Floats) {
        SCOPED_TRACE(C.Name);
        G->SetCellEx(1, 1, C.Text);
        EXPECT_DOUBLE_EQ(G->GetFloats(1, 1), C.Want);
    }
    G->SetCellEx(1, 1, "abc");
    EXPECT_THROW(G->GetFloats(1, 1), EDarAzidError);
    const TCase Ints[] = {{"Empty", "", 0}, {"Dash", "-", 0}, {"Blank", "12 ", 12}, {"Markup", "<B>7</B>", 7}};
    for (const TCase &C : Ints) {
        SCOPED_TRACE(C.Name);
        G->SetCellEx(1, 1, C.Text);
        EXPECT_EQ(G->GetInts(1, 1), C.Want);
    }
    G->SetCellEx(1, 1, "1.5");
    try {
        G->GetInts(1, 1);
        ADD_FAILURE() << "no error";
    } catch (const EDarAzidError &E) {
        EXPECT_STREQ(E.what(), "Cell does not contain integer value");
    }
    G->SetFloats(2, 2, 3.14159);
    EXPECT_EQ(G->GetCellEx(2, 2), "3,14");
    G->SetDates(3, 3, 0);   // null dates shown by default: 30 December 1899
    EXPECT_FALSE(G->GetCellEx(3, 3).isEmpty());
    G->Set_ShowNullDates(false);
    G->SetDates(3, 3, 0);
    EXPECT_TRUE(G->GetCellEx(3, 3).isEmpty());
    G->SetDates(3, 3, Encode_Date(2024, 2, 29));
    EXPECT_DOUBLE_EQ(G->GetDates(3, 3), Encode_Date(2024, 2, 29));
    G->SetTimes(4, 4, Encode_Time(13, 45, 10, 0));
    EXPECT_NEAR(G->GetTimes(4, 4), Encode_Time(13, 45, 10, 0), 1e-9);
    G->SetCellEx(4, 4, "noon");
    EXPECT_THROW(G->GetTimes(4, 4), EConvertError);
}

TEST(StringGridTyped, FillsAndHeaders)
{
    auto G = Make_Grid(4, 5);
    G->LinearFill(false);
    EXPECT_EQ(G->GetCellEx(1, 1), "1:1");
    EXPECT_EQ(G->GetCellEx(0, 0), "");
    G->LinearFill(true);
    EXPECT_EQ(G->GetCellEx(0, 0), "0:0");
    G->FormatFill(false, "%d/%d %s");   // a third directive takes no argument
    EXPECT_EQ(G->GetCellEx(2, 3), "2/3 ");
    G->TextFill(false, "t");
    EXPECT_EQ(G->GetCellEx(3, 4), "t");
    G->RandomFill(false, 5);
    for (int R = 1; R < 5; ++R) {
        const int V = G->GetInts(1, R);
        EXPECT_GE(V, 0);
        EXPECT_LT(V, 5);
    }
    G->Set_ColumnHeaders({"A", "B\\nC", "D", "E", "F", "G"});   // surplus items ignored
    EXPECT_EQ(G->GetCellEx(1, 0), "B\rC");
    EXPECT_EQ(G->GetCellEx(3, 0), "E");
    EXPECT_EQ(G->Cells(4, 0), "");
    EXPECT_EQ(G->GetPrintColWidth(511), 0);
    EXPECT_THROW(G->GetPrintColWidth(512), EDarAzidError);
}

// --- selection -------------------------------------------------------------------------------------------------------

TEST(StringGridSelection, SelectRowsClipsAndCounts)
{
    auto G = Make_Grid(5, 8);
    G->SelectRows(5, 10);
    EXPECT_EQ(G->Selection(), (TGridRect{1, 5, 4, 7}));
    EXPECT_EQ(G->RowSelectCount(), 3);
    EXPECT_TRUE(G->GetRowSelect(6));
    EXPECT_FALSE(G->GetColSelect(2));
    EXPECT_THROW(G->GetRowSelect(8), EDarAzidError);
    EXPECT_THROW(G->GetColSelect(5), EDarAzidError);
}

TEST(StringGridSelection, DisjunctFlagsEventsAndVeto)
{
    auto G = Make_Grid(5, 8);
    G->MouseActions().Set_DisjunctRowSelectDirect(true);
    std::vector<int> Asked, Told;
    bool Veto = false;
    G->OnRowDisjunctSelect = [&](QObject *, int ARow, bool, bool &Allow) {
        Asked.push_back(ARow);
        Allow = !Veto;
    };
    G->OnRowDisjunctSelected = [&](QObject *, int ARow) { Told.push_back(ARow); };
    G->SetRowSelect(3, true);
    G->SetRowSelect(1, true);
    G->SetRowSelect(2, true);
    G->SetRowSelect(0, true);   // a fixed row: flagged, not in the ordered list
    EXPECT_EQ(G->SelectedRows(), (std::vector<int>{3, 1, 2}));
    G->SetRowSelect(1, false);
    EXPECT_EQ(G->SelectedRows(), (std::vector<int>{3, 2}));
    EXPECT_EQ(Told.size(), 5u);
    // one past the end of the list still asks; a veto leaves everything
    Veto = true;
    const int Length = G->RowFlags().RowSelect.Length();
    G->SetRowSelect(Length, true);
    EXPECT_EQ(Asked.back(), Length);
    EXPECT_EQ(G->RowFlags().RowSelect.Length(), Length);
    EXPECT_EQ(Told.size(), 5u);
    EXPECT_THROW(G->SetRowSelect(-1, true), EDarAzidError);
    EXPECT_THROW(G->SetRowModified(-1, true), EDarAzidError);
    EXPECT_THROW(G->GetRowEnabled(-2), EDarAzidError);
    EXPECT_EQ(G->RowSelectCount(), 3);   // rows 0, 2, 3
    G->ClearRowSelect();
    EXPECT_EQ(G->RowSelectCount(), 0);
    EXPECT_TRUE(G->SelectedRows().empty());
}

TEST(StringGridSelection, RowFlagsAndParkedSelection)
{
    auto G = Make_Grid(5, 8);
    G->SetRowModified(3, true);
    EXPECT_TRUE(G->GetRowModified(3));
    EXPECT_FALSE(G->GetRowModified(100));
    EXPECT_EQ(G->ModifiedRowCount(), 1);
    G->TBaseGrid::Set_Row(2);
    G->SetRowEnabled(2, false);   // the current row moves to the first other enabled row
    EXPECT_EQ(G->Row(), 1);
    EXPECT_FALSE(G->GetRowEnabled(2));
    G->Set_Selection({1, 2, 3, 4});
    G->HideSelection();
    EXPECT_EQ(G->Selection(), (TGridRect{5, 8, 5, 8}));
    G->UnHideSelection();
    EXPECT_EQ(G->Selection(), (TGridRect{1, 2, 3, 4}));
    G->HideSelection();
    G->Set_RowCount(2);   // the parked rectangle no longer fits
    G->UnHideSelection();
    EXPECT_EQ(G->Selection(), (TGridRect{1, 1, 1, 1}));
}

// A grid whose cells are all read-only never loops while skipping them.
TEST(StringGridSelection, NavigateSkipsReadOnlyCellsAtMostOnce)
{
    auto G = Make_Grid(3, 3);
    G->Navigation().Set_AdvanceOnEnter(true);
    G->OnCanEditCell = [](QObject *, int, int, bool &E) { E = false; };
    G->NavigateAfterEdit(1, 1, false, false, true, false, false);
    EXPECT_EQ(G->Col(), 1);
    EXPECT_EQ(G->Row(), 1);
    // with one editable cell the walk stops on it, wrapping rows
    G->OnCanEditCell = [](QObject *, int ARow, int ACol, bool &E) { E = ACol == 1 && ARow == 1; };
    G->TBaseGrid::Set_Row(2);
    G->TBaseGrid::Set_Col(2);
    G->NavigateAfterEdit(2, 2, false, false, true, false, false);
    EXPECT_EQ(G->Col(), 1);
    EXPECT_EQ(G->Row(), 1);
    // forward on the last cell with AdvanceInsert adds a row, unless refused
    G->OnCanEditCell = nullptr;
    G->Navigation().Set_AdvanceInsert(true);
    G->NavigateAfterEdit(2, 2, false, false, true, false, false);
    EXPECT_EQ(G->RowCount(), 4);
    EXPECT_EQ(G->Row(), 3);
    G->OnCanAddRow = [](QObject *, bool &Can) { Can = false; };
    G->NavigateAfterEdit(2, 3, false, false, true, false, false);
    EXPECT_EQ(G->RowCount(), 4);
    EXPECT_EQ(G->Col(), 1);
    EXPECT_EQ(G->Row(), 3);
    // backward from the first data cell wraps to the last cell
    G->NavigateAfterEdit(1, 1, false, false, false, false, false);
    EXPECT_EQ(G->Col(), 2);
    EXPECT_EQ(G->Row(), 3);
}

// --- update batching and the window watched -------------------------------------------------------------------------

TEST(StringGridUpdates, NestingCountsVisibleOrNot)
{
    auto G = Make_Grid();
    G->BeginUpdate();   // not shown yet: still counted
    G->BeginUpdate();
    EXPECT_EQ(G->UpdateCount(), 2);
    EXPECT_FALSE(G->updatesEnabled());
    G->EndUpdate();
    EXPECT_FALSE(G->updatesEnabled());
    G->EndUpdate();
    EXPECT_EQ(G->UpdateCount(), 0);
    EXPECT_TRUE(G->updatesEnabled());
    G->EndUpdate();   // without a batch: stays at 0, painting on
    EXPECT_EQ(G->UpdateCount(), 0);
    G->StartUpdate();
    EXPECT_TRUE(G->updatesEnabled());
    G->ResetUpdate();
    EXPECT_EQ(G->UpdateCount(), 0);
}

TEST(StringGridWindow, TwoGridsFollowOneWindow)
{
    QWidget W;
    W.resize(300, 200);
    auto *A = new RIraRevadiVizo(&W);
    int Seen = 0;
    {
        RIraRevadiVizo B(&W);   // destroyed first: its watch ends with it
    }
    struct TGrid : RIraRevadiVizo {
        using RIraRevadiVizo::RIraRevadiVizo;
        int *Count = nullptr;
        void FormResize(int, int) override { ++*Count; }
    };
    auto *C = new TGrid(&W);
    C->Count = &Seen;
    W.resize(400, 250);
    QCoreApplication::sendPostedEvents();
    W.show();
    W.resize(420, 260);
    EXPECT_GE(Seen, 1);
    EXPECT_EQ(C->PrevSizeX(), 420);
    EXPECT_EQ(A->PrevSizeX(), 420);
}

// --- saving ------------------------------------------------------------------------------------------------------------

TEST(StringGridSave, TextsAsSaved)
{
    auto G = Make_Grid();
    struct TCase { const char *Name; const char *Text; bool WithHTML; const char *Want; };
    const TCase Cases[] = {
        {"BoldWordBare", "<B>word</B>", false, "word"},
        {"BoldWordKept", "<B>word</B>", true, "<B>word</B>"},
        {"LessThanStays", "A<B", false, "A<B"},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        G->Set_SaveWithHTML(C.WithHTML);
        G->SetCellEx(1, 1, C.Text);
        QString V;
        G->GetSaveCellText(1, 1, V);
        EXPECT_EQ(V, C.Want);
    }
    G->OnLoadCell = [](QObject *, int, int, QString &V) { V = V.toUpper(); };
    G->SetLoadedCellText(2, 2, "abc");
    EXPECT_EQ(G->Cells(2, 2), "ABC");
}

// --- life cycle and settings objects ------------------------------------------------------------------------------------

TEST(StringGridLifeCycle, AssignCopiesSettingsSizesAndCells)
{
    auto Source = Make_Grid(6, 7);
    Source->Set_ColWidths(2, 90);
    Source->Set_RowHeights(3, 33);
    Source->SetCellEx(4, 5, "copied");
    Source->HideColumn(4);   // hidden columns are copied with their cells
    Source->Navigation().Set_AdvanceOnEnter(true);
    Source->PrintSettings().Title = ppTopLeft;
    Source->PrintSettings().FixedCellsAlways = true;
    Source->HTMLSettings().ExportImages = false;
    Source->HTMLSettings().Width = 80;
    Source->Set_AutoNumAlign(true);
    Source->Set_FilterDropDownAuto(true);
    Source->Grouping().HeaderColor = clAqua;
    Source->SearchFooter().Set_ColorTo(clNavy);
    Source->Filter().Add().Condition = QStringLiteral(">5");
    Source->SortSettings().IndexColor = clFuchsia;
    Source->ProgressAppearance().Set_Level1Perc(40);
    auto Target = Make_Grid();
    Target->Assign(Source.get());
    EXPECT_TRUE(Target->AutoNumAlign());
    EXPECT_TRUE(Target->FilterDropDownAuto());
    EXPECT_EQ(Target->Grouping().HeaderColor, clAqua);
    EXPECT_EQ(Target->SearchFooter().ColorTo(), clNavy);
    ASSERT_EQ(Target->Filter().Count(), 1);
    EXPECT_EQ(Target->Filter().Items(0).Condition, QStringLiteral(">5"));
    EXPECT_EQ(Target->SortSettings().IndexColor, clFuchsia);
    EXPECT_EQ(Target->ProgressAppearance().Level1Perc(), 40);
    EXPECT_EQ(Target->ColCount(), 5);
    EXPECT_EQ(Target->RowCount(), 7);
    EXPECT_EQ(Target->ColWidths(2), 90);
    EXPECT_EQ(Target->RowHeights(3), 33);
    EXPECT_EQ(Target->Cells(4, 5), "copied");
    EXPECT_TRUE(Target->Navigation().AdvanceOnEnter());
    EXPECT_EQ(Target->PrintSettings().Title, ppTopLeft);
    EXPECT_FALSE(Target->PrintSettings().FixedCellsAlways);   // not copied
    EXPECT_EQ(Target->HTMLSettings().Width, 80);
    EXPECT_TRUE(Target->HTMLSettings().ExportImages);         // not copied
    // any other source is ignored
    QWidget Other;
    Target->Assign(&Other);
    EXPECT_EQ(Target->RowCount(), 7);
}

// Copying the cells alone goes through the grid's stream: the target takes
// the source's size, column widths and cells (a line break included).
TEST(StringGridLifeCycle, AssignCellsCopiesWhatTheStreamCarries)
{
    auto Source = Make_Grid(6, 12);
    Source->Set_ColWidths(3, 111);
    Source->Set_Cells(1, 1, QStringLiteral("two\nlines"));
    Source->Set_Cells(2, 11, QStringLiteral("last"));
    auto Target = Make_Grid(3, 4);
    Target->Set_Cells(2, 2, QStringLiteral("old"));
    Target->AssignCells(Source.get());
    EXPECT_EQ(Target->ColCount(), Source->ColCount());
    EXPECT_EQ(Target->RowCount(), 12);
    EXPECT_EQ(Target->ColWidths(3), 111);
    EXPECT_EQ(Target->Cells(1, 1), QStringLiteral("two\nlines"));
    EXPECT_EQ(Target->Cells(2, 11), QStringLiteral("last"));
    EXPECT_EQ(Target->Cells(2, 2), QString());
    // anything but a grid is ignored
    QWidget Other;
    Target->AssignCells(&Other);
    EXPECT_EQ(Target->RowCount(), 12);
}

TEST(StringGridLifeCycle, LoadedTakesMinimumsAndAlwaysEdit)
{
    auto G = Make_Grid();
    G->Set_Options(G->Options() + goAlwaysShowEditor);
    G->Set_ColumnHeaders({"a", "b"});
    G->Loaded();
    EXPECT_TRUE(G->Navigation().AlwaysEdit());
    EXPECT_FALSE(G->Options().Contains(goAlwaysShowEditor));
    EXPECT_EQ(G->MinColWidth(), 10);
    EXPECT_EQ(G->MinRowHeight(), 22);
    EXPECT_EQ(G->FixedRowsMin(), 1);
    EXPECT_TRUE(G->IsLoaded());
    EXPECT_EQ(G->Cells(1, 0), "b");
}

// Loading applies what the settings ask for once every setting is in: the
// style look again, the columns' own widths, the search bar's theme switch.
TEST(StringGridLifeCycle, LoadedAppliesLookSizesAndTheme)
{
    struct TCase { const char *Name; std::function<void(RIraRevadiVizo &)> Set, Check; };
    const TCase Cases[] = {
        {"StyleLookAgain",
         [](RIraRevadiVizo &G) {
             G.Set_Look(glQel);
             G.Set_SelectionColor(clRed);
         },
         [](RIraRevadiVizo &G) {
             EXPECT_EQ(G.Look(), glQel);
             EXPECT_EQ(G.SelectionColor(), TColor(0xEACAB6));
         }},
        {"AutoSizedColumns",
         [](RIraRevadiVizo &G) {
             G.Set_AutoSize(true);
             G.Set_Cells(1, 1, QStringLiteral("a much longer text than the column shows"));
         },
         [](RIraRevadiVizo &G) {
             auto Twin = Make_Grid();
             Twin->Set_Cells(1, 1, G.Cells(1, 1));
             Twin->AutoSizeColumns(false, 4);
             EXPECT_EQ(G.ColWidths(1), Twin->ColWidths(1));
             EXPECT_GT(G.ColWidths(1), G.DefaultColWidth());
         }},
        {"SearchBarFollowsTheme",
         [](RIraRevadiVizo &G) {
             G.Set_AutoThemeAdapt(true);
             G.SearchFooter().Set_AutoThemeAdapt(false);
         },
         [](RIraRevadiVizo &G) { EXPECT_TRUE(G.SearchFooter().AutoThemeAdapt()); }},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        auto G = Make_Grid();
        C.Set(*G);
        G->Loaded();
        C.Check(*G);
    }
}

// Without a theme the themed control style falls back to the classic one,
// never at design time and never for a style chosen by hand.
TEST(StringGridLifeCycle, LoadedTakesClassicControlsWithoutTheme)
{
    struct TCase { const char *Name; bool Themed; TControlStyle Style; bool Designing; TControlStyle Want; };
    const TCase Cases[] = {
        {"ThemedKeepsTheme", true, csTheme, false, csTheme},
        {"UnthemedTakesClassic", false, csTheme, false, csClassic},
        {"UnthemedKeepsFlat", false, csFlat, false, csFlat},
        {"UnthemedDesignKeepsTheme", false, csTheme, true, csTheme},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        TSystemInfoGuard Guard;
        System_Info().Theme_Active = C.Themed;
        auto G = Make_Grid();
        G->ControlLook().ControlStyle = C.Style;
        G->Set_Designing(C.Designing);
        G->Loaded();
        EXPECT_EQ(G->ControlLook().ControlStyle, C.Want);
    }
}

// Loaded records the column widths and the grid width; with SynchWithGrid
// every resize scales the recorded widths (truncated; a single border adds
// its two pixels), so going back to the old width gives the old widths.
TEST(StringGridLifeCycle, ColumnsScaleFromTheLoadedWidths)
{
    struct TCase { const char *Name; bool Synch, NormalOnly; TGridBorderStyle Border; int NewWidth; std::vector<int> Want; };
    const TCase Cases[] = {
        {"SynchOffKeepsWidths", false, false, bsSingle, 398, {40, 60, 80}},
        {"SingleBorderDoubles", true, false, bsSingle, 398, {80, 120, 160}},
        {"NoBorder", true, false, bsNone, 300, {60, 90, 120}},
        {"Truncated", true, false, bsNone, 333, {66, 99, 133}},
        {"NormalCellsOnlyKeepsFixedColumn", true, true, bsSingle, 398, {40, 120, 160}},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        auto G = Make_Grid(3, 4);
        G->Set_BorderStyle(C.Border);
        G->ColumnSize().Set_SynchWithGrid(C.Synch);
        G->ColumnSize().Set_SynchNormalCellsOnly(C.NormalOnly);
        G->resize(200, 100);
        for (int Col = 0; Col < 3; ++Col)
            G->Set_ColWidths(Col, 40 + 20 * Col);
        G->Loaded();
        EXPECT_EQ(G->OrigColSizes(), (std::vector<int>{40, 60, 80}));
        EXPECT_EQ(G->OldSize(), 200);
        // the client area's new size, as the grid hears of it
        auto Resize_To = [&G](int W) {
            QResizeEvent E(QSize(W, 100), G->viewport()->size());
            QCoreApplication::sendEvent(G->viewport(), &E);
        };
        Resize_To(C.NewWidth);
        EXPECT_EQ((std::vector<int>{G->ColWidths(0), G->ColWidths(1), G->ColWidths(2)}), C.Want);
        Resize_To(C.Border == bsSingle ? 198 : 200);
        EXPECT_EQ((std::vector<int>{G->ColWidths(0), G->ColWidths(1), G->ColWidths(2)}), (std::vector<int>{40, 60, 80}));
    }
}

TEST(StringGridHooks, CellColourFromActiveHeadersAndProperties)
{
    auto G = Make_Grid();
    G->Set_ActiveCellShow(true);
    G->TBaseGrid::Set_Row(3);
    G->TBaseGrid::Set_Col(2);
    struct TCase { const char *Name; int C, R; TColor Want; };
    const TCase Cases[] = {
        {"HeaderOfCurrentRow", 0, 3, 0x808080},
        {"HeaderOfCurrentColumn", 2, 0, 0x808080},
        {"OtherHeader", 0, 4, clWhite},
        {"DataCell", 2, 3, clWhite},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        TBrush B;
        TFont F;
        G->GetCellColor(C.C, C.R, {}, B, F);
        EXPECT_EQ(B.Color, C.Want);
    }
    G->GetCellProperties(3, 4)->Set_BrushColor(0x00FF00);
    G->GetCellProperties(3, 4)->Set_FontColor(0x0000FF);
    TBrush B;
    TFont F;
    G->GetCellColor(3, 4, {}, B, F);
    EXPECT_EQ(B.Color, 0x00FF00);
    EXPECT_EQ(F.Color, 0x0000FF);
    // the event has the last word
    G->OnGetCellColor = [](QObject *, int, int, TGridDrawState, TBrush &Brush, TFont &) { Brush.Color = 0x123456; };
    G->GetCellColor(3, 4, {}, B, F);
    EXPECT_EQ(B.Color, 0x123456);
}

// The editor keeps Tab for itself when Tab steps through cells or a
// validation handler, plain or wide, must see the value it leaves.
TEST(StringGridEditing, EditorHandlesTabWhenAnyoneValidates)
{
    struct TCase { const char *Name; std::function<void(RIraRevadiVizo &)> Set; bool Want; };
    const TCase Cases[] = {
        {"Nothing", [](RIraRevadiVizo &) {}, false},
        {"Tabs", [](RIraRevadiVizo &G) { G.Set_Options(G.Options() + goTabs); }, true},
        {"Validate", [](RIraRevadiVizo &G) { G.OnCellValidate = [](QObject *, int, int, QString &, bool &) {}; }, true},
        {"ValidateWide", [](RIraRevadiVizo &G) { G.OnCellValidateWide = [](QObject *, int, int, QString &, bool &) {}; }, true},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        auto G = Make_Grid();
        C.Set(*G);
        EXPECT_EQ(G->EditorHandlesTab(), C.Want);
    }
}

TEST(StringGridLifeCycle, RowUpdateAndSettingsRepaint)
{
    auto G = Make_Grid();
    std::vector<std::pair<int, int>> Changes;
    G->OnRowUpdate = [&](QObject *, int OldRow, int NewRow) { Changes.push_back({OldRow, NewRow}); };
    G->Set_Row(4);
    G->Set_Row(4);
    G->Set_Row(2);
    EXPECT_EQ(Changes, (std::vector<std::pair<int, int>>{{-1, 4}, {4, 2}}));
    // keys move the row the same way, and report it once per move
    for (TKey K : {TKey(VK_DOWN), TKey(VK_DOWN), TKey(VK_UP)}) {
        TKey Key = K;
        G->KeyDown(Key, TShiftState());
    }
    EXPECT_EQ(Changes, (std::vector<std::pair<int, int>>{{-1, 4}, {4, 2}, {2, 3}, {3, 4}, {4, 3}}));
    G->Set_TopRow(0);   // outside the scrollable rows: ignored
    EXPECT_EQ(G->TopRow(), 1);
    // node looks copy every value; glyphs are copies, not shared
    TCellNode Node;
    Node.Set_NodeIndent(20);
    QImage Glyph(4, 4, QImage::Format_RGB32);
    Glyph.fill(Qt::red);
    Node.Set_ExpandGlyph(Glyph);
    G->CellNode().Assign(Node);
    EXPECT_EQ(G->CellNode().NodeIndent(), 20);
    Glyph.fill(Qt::blue);
    EXPECT_EQ(G->CellNode().ExpandGlyph().pixelColor(0, 0), QColor(Qt::red));
    G->Set_SpreadSheet(true);
    EXPECT_TRUE(G->Options().Contains(goEditing));
    EXPECT_TRUE(G->MouseActions().RangeSelectAndEdit());
    G->Set_SpreadSheet(false);   // switches nothing off
    EXPECT_TRUE(G->Options().Contains(goEditing));
}

TEST(StringGridEditing, RightsFocusAndCaches)
{
    auto G = Make_Grid();
    EXPECT_FALSE(G->IsEditable(2, 2));   // editing is off
    G->Set_Options(G->Options() + goEditing);
    EXPECT_TRUE(G->IsEditable(2, 2));
    EXPECT_FALSE(G->IsEditable(0, 2));   // fixed column
    G->GetCellProperties(2, 3)->Set_ReadOnly(true);
    EXPECT_FALSE(G->IsEditable(2, 3));
    EXPECT_FALSE(G->IsCellEditable(2, 3));
    // entering while blocked fires nothing
    int Entered = 0;
    G->OnEnter = [&](TStringGrid *) { ++Entered; };
    G->Set_BlockFocus(true);
    G->DoEnter();
    EXPECT_EQ(Entered, 0);
    G->Set_BlockFocus(false);
    G->SetCellEx(1, 1, "before");
    G->DoEnter();
    EXPECT_EQ(Entered, 1);
    EXPECT_EQ(G->OldCellText(), "before");
    // the cached form of IsHiddenRow answers like the plain one
    G->HideRows(3, 4);
    std::vector<int> Cache;
    for (int R = 0; R < 10; ++R) {
        SCOPED_TRACE(R);
        EXPECT_EQ(G->IsHiddenRow(R, Cache), G->IsHiddenRow(R));
    }
}
