// The string grid's removal by selection and check state, the clear, trim and
// colour families, merging along rows, joining columns, finding cells,
// auto-numbering, selection questions and calculations by real rows. Every
// step leaves the model consistent.
#include "GridOpsFixture.h"
#include "TestSupport.h"
#include "grid/model/DarAzidError.h"
#include "grid/stringgrid/RIraRevadiVizo.h"
#include <QApplication>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

class RowOps : public GridOpsFixture {
protected:
    // Rows from the first data row, cells joined by "|", rows by ";".
    QString Texts(int From = 1) const
    {
        QStringList Rows;
        for (int R = From; R < G->RowCount(); ++R) {
            QStringList Cells;
            for (int C = 0; C < G->ColCount(); ++C)
                Cells << G->Cells(C, R);
            Rows << Cells.join(u'|');
        }
        return Rows.join(u';');
    }
};

constexpr auto Grid3 = Pair_Rows;

} // namespace

// RemoveRowsEx moves the data up and leaves every position its height;
// DeleteRows keeps hidden rows beside their neighbours and ignores rows past the end.
TEST_F(RowOps, RemoveRowsExAndDeleteRows)
{
    Fill(Grid3({{"a", ""}, {"b", ""}, {"c", ""}, {"d", ""}}));
    G->Set_RowHeights(2, 40);
    G->RemoveRowsEx(1, 1);
    EXPECT_EQ(Column(1), L({"b", "c", "d"}));
    EXPECT_EQ(G->RowHeights(2), 40);
    Consistent();

    Fill(Grid3({{"a", ""}, {"b", ""}, {"hidden", ""}, {"c", ""}}));
    G->SetColors(1, 4, 0x00FF00);
    G->HideRow(3);
    G->DeleteRows(1, 1);
    EXPECT_EQ(Column(1), L({"b", "c"}));
    EXPECT_EQ(G->GetColors(1, 2), static_cast<TColor>(0x00FF00));
    Consistent();
    G->DeleteRows(G->RowCount(), 1);
    G->DeleteRows(1, 0);
    EXPECT_EQ(G->RowCount(), 3);
    G->UnHideRowsAll();
    EXPECT_EQ(Column(1), L({"b", "hidden", "c"}));
}

// Rows go by their check box state; a footer row without a box stays.
TEST_F(RowOps, RemoveCheckedRows)
{
    struct TCase { const char *Name; bool RemoveChecked; QStringList Want; };
    const TCase Cases[] = {
        {"Checked", true, L({"b", "foot"})},
        {"Unchecked", false, L({"a", "c", "foot"})},
    };
    for (const TCase &K : Cases) {
        SCOPED_TRACE(K.Name);
        Fill(Grid3({{"a", ""}, {"b", ""}, {"c", ""}, {"foot", ""}}));
        G->Set_FixedFooters(1);
        G->AddCheckBox(2, 1, true, false);
        G->AddCheckBox(2, 2, false, false);
        G->AddCheckBox(2, 3, true, false);
        G->RemoveCheckedRows(2, K.RemoveChecked);
        EXPECT_EQ(Column(1), K.Want);
        Consistent();
    }
}

// Removal and hiding by selection: the disjunct marks when on (cleared
// afterwards), else the selection's rows; only data rows.
TEST_F(RowOps, RowsBySelection)
{
    struct TCase {
        const char *Name;
        bool Disjunct;
        std::function<void(RIraRevadiVizo &)> Act;
        QStringList Want;
        int Hidden;
    };
    const TCase Cases[] = {
        {"RemoveMarked", true, [](RIraRevadiVizo &X) { X.RemoveSelectedRows(); }, L({"b", "d"}), 0},
        {"RemoveUnmarked", true, [](RIraRevadiVizo &X) { X.RemoveUnSelectedRows(); }, L({"a", "c"}), 0},
        {"HideMarked", true, [](RIraRevadiVizo &X) { X.HideSelectedRows(); }, L({"b", "d"}), 2},
        {"HideUnmarked", true, [](RIraRevadiVizo &X) { X.HideUnSelectedRows(); }, L({"a", "c"}), 2},
        // rows 2..3 are selected
        {"RemoveSelection", false, [](RIraRevadiVizo &X) { X.RemoveSelectedRows(); }, L({"a", "d"}), 0},
        {"RemoveOutsideSelection", false, [](RIraRevadiVizo &X) { X.RemoveUnSelectedRows(); }, L({"b", "c"}), 0},
    };
    for (const TCase &K : Cases) {
        SCOPED_TRACE(K.Name);
        Fill(Grid3({{"a", ""}, {"b", ""}, {"c", ""}, {"d", ""}}));
        if (K.Disjunct) {
            G->MouseActions().Set_DisjunctRowSelect(true);
            G->SetRowSelect(1, true);
            G->SetRowSelect(3, true);
        } else {
            G->SelectCells(1, 2, 2, 3);
        }
        K.Act(*G);
        EXPECT_EQ(Column(1), K.Want);
        EXPECT_EQ(G->NumHiddenRows(), K.Hidden);
        if (K.Name == std::string("RemoveMarked")) {
            EXPECT_EQ(G->RowSelectCount(), 0);
        }
        Consistent();
    }
}

// Columns by selection: the selection's columns, or all others up to the fixed ones.
TEST_F(RowOps, ColumnsBySelection)
{
    Fill({L({"a", "b", "c", "d"})}, 5);
    G->SelectCells(2, 1, 3, 1);
    G->RemoveSelectedCols();
    EXPECT_EQ(Texts(), QStringLiteral("1|a|d"));
    Consistent();
    Fill({L({"a", "b", "c", "d"})}, 5);
    G->SelectCells(2, 1, 3, 1);
    G->RemoveUnSelectedCols();
    EXPECT_EQ(Texts(), QStringLiteral("1|b|c"));
    Consistent();
    Fill({L({"a", "b", "c", "d"})}, 5);
    G->MouseActions().Set_DisjunctColSelect(true);
    G->SetColSelect(1, true);
    G->SetColSelect(4, true);
    G->RemoveSelectedCols();
    EXPECT_EQ(Texts(), QStringLiteral("1|b|c"));
    EXPECT_EQ(G->ColSelectCount(), 0);
}

// What each member of the clear family empties (header row 0, footer row 3).
TEST_F(RowOps, ClearFamily)
{
    struct TCase { const char *Name; std::function<void(RIraRevadiVizo &)> Act; const char *Want; };
    const TCase Cases[] = {
        {"Rect", [](RIraRevadiVizo &X) { X.ClearRect(1, 1, 2, 1); }, "h0|h1|h2;1||;2|c|d;3|e|f"},
        {"Rows", [](RIraRevadiVizo &X) { X.ClearRows(2, 1); }, "h0|h1|h2;1|a|b;||;3|e|f"},
        {"Cols", [](RIraRevadiVizo &X) { X.ClearCols(1, 1); }, "h0||h2;1||b;2||d;3||f"},
        {"NormalRows", [](RIraRevadiVizo &X) { X.ClearNormalRows(1, 2); }, "h0|h1|h2;1||;2||;3|e|f"},
        {"NormalCols", [](RIraRevadiVizo &X) { X.ClearNormalCols(2, 1); }, "h0|h1|h2;1|a|;2|c|;3|e|f"},
        {"NormalCells", [](RIraRevadiVizo &X) { X.ClearNormalCells(); }, "h0|h1|h2;1||;2||;3|e|f"},
        {"Clear", [](RIraRevadiVizo &X) { X.Clear(); }, "||;||;||;||"},
        // nothing for a count of 0
        {"NoRows", [](RIraRevadiVizo &X) { X.ClearRows(1, 0); }, "h0|h1|h2;1|a|b;2|c|d;3|e|f"},
        {"Selection", [](RIraRevadiVizo &X) { X.SelectCells(2, 1, 2, 2); X.ClearSelection(); }, "h0|h1|h2;1|a|;2|c|;3|e|f"},
        {"SelectedRows", [](RIraRevadiVizo &X) {
             X.MouseActions().Set_DisjunctRowSelect(true);
             X.SetRowSelect(2, true);
             X.ClearSelection();
         }, "h0|h1|h2;1|a|b;||;3|e|f"},
    };
    for (const TCase &K : Cases) {
        SCOPED_TRACE(K.Name);
        Fill({L({"a", "b"}), L({"c", "d"}), L({"e", "f"})});
        G->Set_Cells(0, 0, QStringLiteral("h0"));
        G->Set_Cells(1, 0, QStringLiteral("h1"));
        G->Set_Cells(2, 0, QStringLiteral("h2"));
        G->Set_FixedFooters(1);
        K.Act(*G);
        EXPECT_EQ(Texts(0), QString::fromUtf8(K.Want));
        Consistent();
    }
}

// Clearing drops cell properties unless ClearTextOnly; the whole grid cleared
// notes that no cell has properties; ClearAll reaches hidden rows.
TEST_F(RowOps, ClearPropertiesAndHiddenRows)
{
    for (const bool TextOnly : {false, true}) {
        SCOPED_TRACE(TextOnly ? "TextOnly" : "WithProperties");
        Fill(Grid3({{"a", ""}, {"b", ""}}));
        G->Set_ClearTextOnly(TextOnly);
        G->SetColors(1, 1, 0x0000FF);
        G->ClearRect(0, 0, G->ColCount() - 1, G->RowCount() - 1);
        EXPECT_EQ(G->Cells(1, 1), QString());
        EXPECT_EQ(G->HasCellProps(1, 1), TextOnly);
        EXPECT_EQ(G->HasAnyCellProps(), TextOnly);
    }
    Fill(Grid3({{"a", ""}, {"hidden", ""}, {"c", ""}}));
    G->HideRow(2);
    G->Clear();
    G->UnHideRowsAll();
    EXPECT_EQ(Column(1), L({"", "hidden", ""}));
    G->HideRow(2);
    G->ClearAll();
    G->UnHideRowsAll();
    EXPECT_EQ(Column(1), L({"", "", ""}));
}

// Trimming takes blanks and control characters from both ends, within the range.
TEST_F(RowOps, TrimAndColor)
{
    struct TCase { const char *Name; std::function<void(RIraRevadiVizo &)> Act; QStringList Want1, Want2; };
    const TCase Cases[] = {
        {"Column", [](RIraRevadiVizo &X) { X.TrimColumn(1); }, L({"a", "b c"}), L({" x ", "\ty"})},
        {"Row", [](RIraRevadiVizo &X) { X.TrimRow(2); }, L({"  a ", "b c"}), L({" x ", "y"})},
        {"All", [](RIraRevadiVizo &X) { X.TrimAll(); }, L({"a", "b c"}), L({"x", "y"})},
        {"Rect", [](RIraRevadiVizo &X) { X.TrimRect(2, 1, 2, 1); }, L({"  a ", "\tb c\r\n"}), L({"x", "\ty"})},
    };
    for (const TCase &K : Cases) {
        SCOPED_TRACE(K.Name);
        Fill(Grid3({{"  a ", " x "}, {"\tb c\r\n", "\ty"}}));
        K.Act(*G);
        EXPECT_EQ(Column(1), K.Want1);
        EXPECT_EQ(Column(2), K.Want2);
    }
    G->ColorRect(1, 1, 2, 1, 0x00FFFF);
    EXPECT_EQ(G->GetColors(2, 1), static_cast<TColor>(0x00FFFF));
    EXPECT_NE(G->GetColors(1, 2), static_cast<TColor>(0x00FFFF));
}

// Merging along a row: A, A, B merges the first two; splitting undoes it;
// MergeCols joins two columns trimmed and removes the second.
TEST_F(RowOps, MergeAlongRowsAndColumns)
{
    Fill({L({"A", "A", "B"}), L({"A", "B", "A"})}, 4);
    G->MergeRowCells(1, true);
    G->MergeRowCells(2, true);
    EXPECT_TRUE(G->IsMergedCell(2, 1));
    EXPECT_EQ(G->Model().Block_Of(1, 1).Right, 2);
    EXPECT_FALSE(G->IsMergedCell(1, 2));
    EXPECT_FALSE(G->IsMergedCell(3, 1));
    Consistent();
    G->SplitRowCells(1);
    EXPECT_FALSE(G->IsMergedCell(2, 1));
    G->MergeCells(1, 1, 2, 2);
    G->SplitAllCells();
    EXPECT_FALSE(G->IsMergedCell(2, 2));
    Consistent();

    Fill(Grid3({{"a", "b"}, {" x", ""}}));
    G->MergeCols(1, 2, QStringLiteral("-"));
    EXPECT_EQ(G->ColCount(), 2);
    EXPECT_EQ(Column(1), L({"a-b", "x-"}));
}

// IsCell finds whole stored texts only, row by row; IsWideCell reads the marker.
TEST_F(RowOps, FindCells)
{
    Fill(Grid3({{"abc", "x"}, {"ab", "ab"}}));
    int C = -1, R = -1;
    EXPECT_TRUE(G->IsCell(QStringLiteral("ab"), C, R));
    EXPECT_EQ(C, 1);
    EXPECT_EQ(R, 2);
    EXPECT_FALSE(G->IsCell(QStringLiteral("b"), C, R));
    G->Set_Cells(2, 1, QStringLiteral("|\\wide"));
    EXPECT_TRUE(G->IsWideCell(2, 1));
    EXPECT_FALSE(G->IsWideCell(1, 1));
}

// Auto-numbering from AutoNumberStart with AutoNumberOffset, either direction;
// the footer keeps its text.
TEST_F(RowOps, AutoNumber)
{
    struct TCase { const char *Name; int Start, Offset; TSortDirection Direction; QStringList Want; };
    const TCase Cases[] = {
        {"FromFirstRow", 0, 0, sdAscending, L({"1", "2", "3", "f"})},
        {"Descending", 0, 0, sdDescending, L({"3", "2", "1", "f"})},
        {"SkipsFirstRow", 1, 0, sdAscending, L({"", "2", "3", "f"})},
        {"Offset", 0, 10, sdAscending, L({"11", "12", "13", "f"})},
    };
    for (const TCase &K : Cases) {
        SCOPED_TRACE(K.Name);
        Fill(Grid3({{"", ""}, {"", ""}, {"", ""}, {"f", ""}}));
        G->Set_FixedFooters(1);
        G->Set_AutoNumberStart(K.Start);
        G->Set_AutoNumberOffset(K.Offset);
        G->Set_AutoNumberDirection(K.Direction);
        G->AutoNumberCol(1);
        EXPECT_EQ(Column(1), K.Want);
    }
    Fill({L({"", "", ""})}, 4);
    G->AutoNumberRow(1);
    EXPECT_EQ(Texts(), QStringLiteral("1|1|2|3"));
}

// IsSelected: never a fixed cell; the disjunct rows when on; else the rectangle.
TEST_F(RowOps, SelectionQuestions)
{
    Fill(Grid3({{"a", "b"}, {"c", "d\r\ne"}, {"g", "h"}}));
    G->SelectCells(1, 1, 2, 2);
    G->Set_ExcelClipboardFormat(false);
    EXPECT_TRUE(G->IsSelected(2, 2));
    EXPECT_FALSE(G->IsSelected(1, 3));
    EXPECT_FALSE(G->IsSelected(0, 1));
    EXPECT_FALSE(G->IsSelected(1, 0));
    EXPECT_EQ(G->SelectedText(), QStringLiteral("a\tb\r\nc\td\r\ne"));
    // a cell of several lines is one quoted field in the spreadsheet format,
    // its line breaks as vertical tabs
    G->Set_MultilineCells(true);
    G->Set_ExcelClipboardFormat(true);
    EXPECT_EQ(G->SelectedText(), QStringLiteral("a\tb\r\nc\t\"d\ve\""));
    G->MouseActions().Set_DisjunctRowSelect(true);
    G->SetRowSelect(3, true);
    EXPECT_TRUE(G->IsSelected(1, 3));
    EXPECT_FALSE(G->IsSelected(1, 2));
    EXPECT_FALSE(G->IsSelected(0, 3));
}

// Calculations reach hidden rows when ToRow lies beyond the shown rows; the
// custom calculation is the handler's result.
TEST_F(RowOps, CalculationsByRealRows)
{
    Fill(Grid3({{"2", "a"}, {"4", "A"}, {"8", "b"}}));
    G->HideRow(2);
    EXPECT_DOUBLE_EQ(G->ColumnSum(1, -1, -1), 10);
    const int Last = G->TotalRowCount() - 1;
    EXPECT_GT(Last, G->RowCount() - 1);
    EXPECT_DOUBLE_EQ(G->ColumnSum(1, 1, Last), 14);
    EXPECT_DOUBLE_EQ(G->ColumnMax(1, 1, Last), 8);
    EXPECT_DOUBLE_EQ(G->ColumnAvg(1, 1, Last), 14.0 / 3);
    EXPECT_DOUBLE_EQ(G->ColumnDistinct(2, 1, Last), 2);
    EXPECT_DOUBLE_EQ(G->ColumnCustomCalc(1, 1, 2), 0);
    G->OnColumnCalc = [](QObject *, int ACol, int From, int To, double &Res) { Res = ACol * 100 + From * 10 + To; };
    EXPECT_DOUBLE_EQ(G->ColumnCustomCalc(1, 1, 2), 112);
}

// A modified row shows a bar in ShowModified's colour at the right of its
// fixed cell; an unmodified row and a grid without ShowModified show none.
TEST_F(RowOps, ShowModifiedMarksRows)
{
    Fill(Grid3({{"a", ""}, {"b", ""}}));
    G->resize(300, 200);
    G->show();
    G->SetRowModified(1, true);
    G->Set_ShowModifiedColor(0x0000FF);   // red (BGR)
    EXPECT_EQ(G->ShowModified().Color(), static_cast<TColor>(0x0000FF));
    auto Pixel_At = [&](int Row, const char *Name) {
        QApplication::processEvents();
        const QImage Shot = G->viewport()->grab().toImage();
        EXPECT_TRUE(Shot.save(Test_Output_Dir() + QStringLiteral("/string_grid_show_modified_%1.png").arg(QLatin1String(Name))));
        const TRect R = G->CellRect(0, Row);
        return QColor(Shot.pixel(R.Right - 2, (R.Top + R.Bottom) / 2));
    };
    EXPECT_NE(Pixel_At(1, "off"), QColor(Qt::red));
    G->ShowModified().Enabled = true;
    G->Invalidate();
    EXPECT_EQ(Pixel_At(1, "on"), QColor(Qt::red));
    EXPECT_NE(Pixel_At(2, "on"), QColor(Qt::red));
}
