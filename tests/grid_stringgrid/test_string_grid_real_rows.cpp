// Typed values addressed by real row (hidden rows included), the values of
// control tags inside a cell, and programmatic selection of row and column
// ranges, with and without disjunct selection, and painting inside update
// batches.
#include "TestSupport.h"
#include "grid/stringgrid/RIraRevadiVizo.h"
#include "platform/Locale.h"
#include <QCoreApplication>
#include <gtest/gtest.h>
#include <functional>
#include <memory>

namespace {
// Rows hold their real index as text in column 1; rows 3 and 4 are hidden.
std::unique_ptr<RIraRevadiVizo> Make_Hidden_Grid()
{
    auto G = std::make_unique<RIraRevadiVizo>();
    G->Set_ColCount(4);
    G->Set_RowCount(10);
    for (int R = 0; R < 10; ++R)
        G->SetCellEx(1, R, QString::number(R));
    G->HideRows(3, 4);
    return G;
}
}

// The "All" accessors take real rows: a hidden row is read and written where
// it waits, a visible one through its display row.
TEST(StringGridRealRows, TypedValuesReachHiddenRows)
{
    TFormatSettingsGuard Guard;
    Format_Settings().DecimalSeparator = u',';
    Format_Settings().ThousandSeparator = u'.';
    auto G = Make_Hidden_Grid();
    struct TCase { const char *Name; int RealRow; };
    const TCase Cases[] = {{"HiddenRow", 4}, {"VisibleRowAfterHidden", 6}};
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(G->GetAllInts(1, C.RealRow), C.RealRow);
        G->SetAllInts(2, C.RealRow, 40 + C.RealRow);
        EXPECT_EQ(G->GetAllInts(2, C.RealRow), 40 + C.RealRow);
        G->SetAllFloats(3, C.RealRow, 2.5);
        EXPECT_EQ(G->GetCellsEx(3, C.RealRow), "2,50");   // FloatFormat with the locale's separator
        EXPECT_DOUBLE_EQ(G->GetAllFloats(3, C.RealRow), 2.5);
    }
    EXPECT_EQ(G->GetCellEx(2, 4), "46");   // real row 6 shows as display row 4
    // markup is not stripped on this path: no whole number, though the
    // float reading skips leading letters as every number text does
    G->SetCellsEx(2, 3, "<B>7</B>");
    EXPECT_THROW(G->GetAllInts(2, 3), EDarAzidError);
    EXPECT_DOUBLE_EQ(G->GetAllFloats(2, 3), 7);
    G->UnHideRows(3, 4);
    EXPECT_EQ(G->GetCellEx(2, 4), "44");
    EXPECT_EQ(G->GetCellEx(3, 4), "2,50");
    EXPECT_EQ(G->GetCellEx(2, 6), "46");
}

// The per-cell float format is the hook's answer; SetAllFloats keeps the grid's.
TEST(StringGridRealRows, FloatFormatHook)
{
    struct TGrid : RIraRevadiVizo {
        QString GetFloatFormat(int ACol, int) override { return ACol == 2 ? QStringLiteral("%.0f") : FloatFormat(); }
    } G;
    G.SetFloats(2, 1, 2.75);
    G.SetFloats(3, 1, 2.75);
    G.SetAllFloats(2, 2, 2.75);
    EXPECT_EQ(G.GetCellEx(2, 1), "3");
    EXPECT_EQ(G.GetCellEx(3, 1), "2.75");
    EXPECT_EQ(G.GetCellEx(2, 2), "2.75");
}

TEST(StringGridRealRows, ControlValues)
{
    RIraRevadiVizo G;
    const QString Cell = "Name <CONTROL TYPE=\"EDIT\" ID=\"e1\" VALUE=\"abc\" WIDTH=\"60\">"
                         "<CONTROL TYPE=\"CHECK\" ID=\"c1\" VALUE=\"True\" WIDTH=\"20\">";
    G.SetCellEx(1, 1, Cell);
    EXPECT_EQ(G.GetCtrlVal(1, 1, "e1"), "abc");
    EXPECT_EQ(G.GetCtrlVal(1, 1, "c1"), "True");
    EXPECT_EQ(G.GetCtrlVal(1, 1, "none"), "");
    EXPECT_EQ(G.GetCtrlVal(2, 2, "e1"), "");
    G.SetCtrlVal(1, 1, "e1", "xyz");
    EXPECT_EQ(G.GetCtrlVal(1, 1, "e1"), "xyz");
    EXPECT_EQ(G.GetCtrlVal(1, 1, "c1"), "True");
    const QString Before = G.GetCellEx(1, 1);
    G.SetCtrlVal(1, 1, "none", "q");   // no such tag: the cell stays as it is
    EXPECT_EQ(G.GetCellEx(1, 1), Before);
}

// Without disjunct selection SelectRows and SelectCols set the rectangle;
// with it they set flags, clipped to the grid, on real rows when persistent.
TEST(StringGridRealRows, SelectingRangesOfRowsAndColumns)
{
    auto G = Make_Hidden_Grid();   // 8 rows shown
    G->SelectCols(2, 2);
    EXPECT_EQ(G->Selection(), (TGridRect{2, 1, 3, 7}));
    EXPECT_EQ(G->ColSelectCount(), 2);
    G->UnSelectRows(1, 3);   // nothing without disjunct selection
    EXPECT_EQ(G->Selection(), (TGridRect{2, 1, 3, 7}));
    G->SelectRange(1, 2, 2, 5);
    EXPECT_EQ(G->Selection(), (TGridRect{1, 2, 2, 5}));
    EXPECT_EQ(G->Col(), 2);
    EXPECT_EQ(G->Row(), 5);

    G->MouseActions().Set_DisjunctRowSelectDirect(true);
    G->MouseActions().Set_DisjunctColSelect(true);
    G->SelectRows(6, 5);   // display rows 6 and 7 only
    EXPECT_EQ(G->SelectedRows(), (std::vector<int>{6, 7}));
    G->UnSelectRows(7, 4);
    EXPECT_EQ(G->SelectedRows(), (std::vector<int>{6}));
    G->ClearRowSelect();
    // persistent flags sit on real rows: display row 3 is real row 5
    G->MouseActions().Set_RowSelectPersistent(true);
    G->SelectRows(3, 1);
    EXPECT_EQ(G->SelectedRows(), (std::vector<int>{5}));
    EXPECT_TRUE(G->GetRowSelect(5));
    EXPECT_NO_THROW(G->GetRowSelect(50));   // no range check while persistent
    EXPECT_THROW(G->GetRowSelect(-1), EDarAzidError);
    G->SelectCols(2, 5);   // columns past the grid are skipped
    EXPECT_EQ(G->ColSelectCount(), 2);
    EXPECT_TRUE(G->GetColSelect(3));
    G->UnSelectCols(3, 1);
    EXPECT_FALSE(G->GetColSelect(3));
    EXPECT_EQ(G->ColSelectCount(), 1);
}

// Swapping cells moves texts and owned properties; the listener hears of
// every current-cell change and only one listener is kept.
TEST(StringGridRealRows, SwapAndListeners)
{
    RIraRevadiVizo G;
    G.SetCellEx(1, 1, "a");
    G.SetCellEx(2, 3, "b");
    G.GetCellProperties(1, 1)->Set_ReadOnly(true);
    G.SwapCells({1, 1}, {2, 3});
    EXPECT_EQ(G.GetCellEx(1, 1), "b");
    EXPECT_EQ(G.GetCellEx(2, 3), "a");
    ASSERT_NE(G.Find_Cell_Props(2, 3), nullptr);
    EXPECT_TRUE(G.Find_Cell_Props(2, 3)->ReadOnly());
    EXPECT_EQ(G.Find_Cell_Props(1, 1), nullptr);
    EXPECT_EQ(G.Model().Check_Consistency(), QString());

    struct TListener : IRIraRevadiVizoSelect {
        std::vector<int> Rows;
        void CellSelected(int, int ARow) override { Rows.push_back(ARow); }
    } First, Second;
    G.RegisterSelListener(&First);
    G.RegisterSelListener(&Second);   // replaces the first
    G.Set_Row(4);
    EXPECT_TRUE(First.Rows.empty());
    EXPECT_EQ(Second.Rows, (std::vector<int>{4}));
    G.UnRegisterSelListener(&First);   // clears whatever is registered
    G.Set_Row(5);
    EXPECT_EQ(Second.Rows.size(), 1u);
}

// On a shown grid nothing is painted inside a batch, whichever way it was
// opened; the outermost EndUpdate repaints, and a batch opened by StartUpdate
// is closed by ResetUpdate without a repaint of its own.
TEST(StringGridUpdates, NothingPaintedInsideABatch)
{
    RIraRevadiVizo G;
    int Painted = 0;
    G.OnPainted = [&](QObject *) { ++Painted; };
    G.show();
    QCoreApplication::processEvents();
    Painted = 0;
    G.BeginUpdate();
    G.BeginUpdate();
    G.EndUpdate();
    G.viewport()->repaint();
    QCoreApplication::processEvents();
    EXPECT_EQ(Painted, 0);
    G.EndUpdate();
    QCoreApplication::processEvents();
    EXPECT_GE(Painted, 1);

    Painted = 0;
    G.StartUpdate();
    G.viewport()->repaint();
    EXPECT_EQ(Painted, 0);
    G.ResetUpdate();
    G.viewport()->repaint();
    EXPECT_EQ(Painted, 1);
}

// The flag accessors name what was wrong; a grid without data rows takes a
// row flag beyond its end.
TEST(StringGridRealRows, FlagErrorsNameTheIndex)
{
    RIraRevadiVizo G;
    G.Set_RowCount(8);
    struct TCase { const char *Name; std::function<void()> Call; const char *Want; };
    const TCase Cases[] = {
        {"RowPastTheEnd", [&] { G.GetRowSelect(8); }, "Invalid row 8 accessed"},
        {"NegativeRow", [&] { G.SetRowSelect(-1, true); }, "Invalid row accessed"},
        {"ColumnPastTheEnd", [&] { G.GetColSelect(5); }, "Invalid column accessed"},
        {"NegativeColumn", [&] { G.SetColSelect(-1, true); }, "Invalid column accessed"},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        try {
            C.Call();
            ADD_FAILURE() << "no error";
        } catch (const EDarAzidError &E) {
            EXPECT_STREQ(E.what(), C.Want);
        }
    }
    G.MouseActions().Set_DisjunctRowSelectDirect(true);
    G.Set_FixedRowAlways(true);
    G.Set_RowCount(1);   // only the fixed row
    EXPECT_NO_THROW(G.SetRowSelect(5, true));
    EXPECT_TRUE(G.RowFlags().RowSelect.Get(5, "unused"));
}
