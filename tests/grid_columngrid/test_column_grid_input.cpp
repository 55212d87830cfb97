// A column grid in a window, driven with Qt's test events as the
// configurator's tables are used: typed characters, Enter, Space and clicks
// on data check boxes, clicks and double clicks, header clicks, auto-size.
#include "ColumnGridWindow.h"
#include "TestSupport.h"
#include "grid/stringgrid/GridEditorControls.h"
#include "grid/columngrid/VIdiDidireDedu.h"
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>
#include <gtest/gtest.h>
#include <vector>

namespace {
// What the window heard, in order.
struct TLog {
    std::vector<QString> Lines;
    void Add(const QString &S) { Lines.push_back(S); }
    int Count(const QString &Prefix) const
    {
        int N = 0;
        for (const QString &L : Lines)
            N += L.startsWith(Prefix);
        return N;
    }
};

class TColumnGridWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        Grid = Make_Column_Grid_Window(Window, 4, 5);
        Grid->Columns().Items(1)->Set_Header(QStringLiteral("Name"));
        Grid->Columns().Items(2)->Set_Header(QStringLiteral("Used"));
        Grid->Columns().Items(2)->Set_Editor(edDataCheckBox);
        Grid->Columns().Items(3)->Set_Header(QStringLiteral("Kind"));
        for (int R = 1; R < 5; ++R) {
            Grid->Set_Cells(1, R, QStringLiteral("row %1").arg(R));
            Grid->Set_Cells(2, R, QStringLiteral("N"));
        }
        Grid->OnKeyPress = [this](TStringGrid *, QChar &K) { Log.Add(QStringLiteral("KeyPress %1").arg(K.unicode())); };
        Grid->OnKeyDown = [this](TStringGrid *, TKey &K, TShiftState) { Log.Add(QStringLiteral("KeyDown %1").arg(K)); };
        Grid->OnClickCell = [this](QObject *, int R, int C) { Log.Add(QStringLiteral("ClickCell %1,%2").arg(C).arg(R)); };
        Grid->OnDblClickCell = [this](QObject *, int R, int C) {
            Log.Add(QStringLiteral("DblClickCell %1,%2").arg(C).arg(R));
        };
        Grid->OnCheckBoxClick = [this](QObject *, int C, int R, bool S) {
            Log.Add(QStringLiteral("CheckBoxClick %1,%2 %3").arg(C).arg(R).arg(S));
        };
        Grid->OnClickSort = [this](QObject *, int C) { Log.Add(QStringLiteral("ClickSort %1").arg(C)); };
        Window.show();
        Grid->setFocus();
    }
    QPoint Center(int C, int R) const
    {
        const TRect Rc = Grid->CellRect(C, R);
        return QPoint((Rc.Left + Rc.Right) / 2, (Rc.Top + Rc.Bottom) / 2);
    }
    // The log outlives the window: closing an open editor still reports.
    TLog Log;
    QWidget Window;
    VIdiDidireDedu *Grid = nullptr;
};
} // namespace

// Without editing a typed character reaches only OnKeyPress; Enter goes to
// OnKeyDown and is swallowed (no character phase).
TEST_F(TColumnGridWindow, KeysWithoutEditing)
{
    Grid->Focus_Cell(1, 2);
    QTest::keyClick(Grid, Qt::Key_A);
    EXPECT_EQ(Log.Count(QStringLiteral("KeyPress 97")), 1);
    EXPECT_FALSE(Grid->EditorMode());
    EXPECT_EQ(Grid->Cells(1, 2), QStringLiteral("row 2"));
    Log.Lines.clear();
    QTest::keyClick(Grid, Qt::Key_Return);
    EXPECT_EQ(Log.Lines, (std::vector<QString>{QStringLiteral("KeyDown 13")}));
    EXPECT_FALSE(Grid->EditorMode());
    EXPECT_EQ(TPoint(Grid->Col(), Grid->Row()), TPoint(1, 2));
}

// Data cells of a check-box column paint as check boxes: checked exactly for
// the column's true text, and the header stays a text cell.
TEST_F(TColumnGridWindow, DataCheckBoxCellsPaintAsCheckBoxes)
{
    Grid->Set_Cells(2, 2, QStringLiteral("Y"));
    Grid->Set_Cells(2, 3, QStringLiteral("N"));
    EXPECT_EQ(Grid->GetCellType(2, 2), ctDataCheckBox);
    EXPECT_NE(Grid->GetCellType(2, 0), ctDataCheckBox);
    EXPECT_NE(Grid->GetCellType(1, 2), ctDataCheckBox);
    ASSERT_NE(Grid->GetCellGraphic(2, 2), nullptr);
    EXPECT_EQ(Grid->GetCellGraphic(2, 2)->CellType, ctVirtCheckBox);
    EXPECT_EQ(Grid->GetCellGraphic(1, 2), nullptr);

    Grid->Set_Row(1);
    Grid->Set_Col(1);
    const QImage Img = Grid->viewport()->grab().toImage();
    const auto Cell = [&](int C, int R) {
        const TRect Rc = Grid->CellRect(C, R);
        return Img.copy(Rc.Left + 1, Rc.Top + 1, Rc.Right - Rc.Left - 2, Rc.Bottom - Rc.Top - 2);
    };
    EXPECT_NE(Cell(2, 2), Cell(2, 3));   // a checked box differs from an empty one
    Grid->Set_Cells(2, 3, QStringLiteral("Y"));
    const QImage Again = Grid->viewport()->grab().toImage();
    const TRect R3 = Grid->CellRect(2, 3), R2 = Grid->CellRect(2, 2);
    EXPECT_EQ(Again.copy(R3.Left + 1, R3.Top + 1, R3.Right - R3.Left - 2, R3.Bottom - R3.Top - 2),
              Again.copy(R2.Left + 1, R2.Top + 1, R2.Right - R2.Left - 2, R2.Bottom - R2.Top - 2));
}

// A click or Space on a data check box flips "N"/"Y" and fires OnCheckBoxClick,
// never OnClickCell; other clicks fire OnClickCell.
TEST_F(TColumnGridWindow, DataCheckBoxFlipsByClickAndSpace)
{
    QTest::mouseClick(Grid->viewport(), Qt::LeftButton, Qt::NoModifier, Center(2, 3));
    EXPECT_EQ(Grid->Cells(2, 3), QStringLiteral("Y"));
    EXPECT_EQ(Log.Count(QStringLiteral("CheckBoxClick 2,3 1")), 1);
    EXPECT_EQ(Log.Count(QStringLiteral("ClickCell")), 0);
    EXPECT_EQ(TPoint(Grid->Col(), Grid->Row()), TPoint(2, 3));

    QTest::keyClick(Grid, Qt::Key_Space);
    EXPECT_EQ(Grid->Cells(2, 3), QStringLiteral("N"));
    EXPECT_EQ(Log.Count(QStringLiteral("CheckBoxClick 2,3 0")), 1);

    QTest::mouseClick(Grid->viewport(), Qt::LeftButton, Qt::NoModifier, Center(1, 4));
    EXPECT_EQ(Log.Count(QStringLiteral("ClickCell 1,4")), 1);
    EXPECT_EQ(Grid->Cells(1, 4), QStringLiteral("row 4"));

    // A read-only column's check box stays as it is, and the click is a cell click.
    Grid->Columns().Items(2)->Set_ReadOnly(true);
    QTest::mouseClick(Grid->viewport(), Qt::LeftButton, Qt::NoModifier, Center(2, 1));
    EXPECT_EQ(Grid->Cells(2, 1), QStringLiteral("N"));
    EXPECT_EQ(Log.Count(QStringLiteral("ClickCell 2,1")), 1);
    {
        // every box shows "N" now: two cells off the current one look alike, a box drawn in each
        const QImage Shot(Save_Screenshot(&Window, QStringLiteral("column_grid_check_boxes")));
        ASSERT_EQ(Shot.size(), Window.size());
        const QPoint O = Grid->viewport()->mapTo(&Window, QPoint(0, 0));
        const QRect Box2 = Grid->CellRect(2, 2).To_QRect().adjusted(1, 1, -2, -2).translated(O);
        const QRect Box4 = Grid->CellRect(2, 4).To_QRect().adjusted(1, 1, -2, -2).translated(O);
        EXPECT_EQ(Shot.copy(Box2), Shot.copy(Box4));
        EXPECT_GT(Distinct_Colours(Shot, Box2), 1);
    }
}

// Double clicks fire OnDblClickCell with the current cell already there;
// header clicks fire OnClickCell and never sort.
TEST_F(TColumnGridWindow, DoubleClicksAndHeaderClicks)
{
    QTest::mouseDClick(Grid->viewport(), Qt::LeftButton, Qt::NoModifier, Center(3, 2));
    EXPECT_EQ(Log.Count(QStringLiteral("DblClickCell 3,2")), 1);
    EXPECT_EQ(TPoint(Grid->Col(), Grid->Row()), TPoint(3, 2));

    Grid->Set_Cells(1, 1, QStringLiteral("zz"));
    QTest::mouseClick(Grid->viewport(), Qt::LeftButton, Qt::NoModifier, Center(1, 0));
    EXPECT_EQ(Log.Count(QStringLiteral("ClickCell 1,0")), 1);
    EXPECT_EQ(Log.Count(QStringLiteral("ClickSort")), 0);
    EXPECT_EQ(Grid->Cells(1, 1), QStringLiteral("zz"));
    EXPECT_EQ(Grid->Cells(1, 2), QStringLiteral("row 2"));
}

// With editing on, a typed character fires OnKeyPress and opens the editor with it.
TEST_F(TColumnGridWindow, TypedCharacterStartsEditWithEditing)
{
    Grid->Set_Options(Grid->Options() + goEditing);
    Grid->Focus_Cell(1, 2);
    QTest::keyClick(Grid, Qt::Key_B);
    EXPECT_EQ(Log.Count(QStringLiteral("KeyPress 98")), 1);
    ASSERT_TRUE(Grid->EditorMode());
    EXPECT_EQ(Grid->InplaceEditor()->text(), QStringLiteral("b"));
    // A check box cell opens no editor; Space flips it.
    Grid->HideEditor();
    Grid->Focus_Cell(2, 2);
    QTest::keyClick(Grid, Qt::Key_Space);
    EXPECT_FALSE(Grid->EditorMode());
    EXPECT_EQ(Grid->Cells(2, 2), QStringLiteral("Y"));
}

// AutoSizeCol(col, 0) sizes the column to its widest text.
TEST_F(TColumnGridWindow, AutoSizeToWidestText)
{
    Grid->Set_Cells(1, 3, QStringLiteral("a much longer text than the others"));
    Grid->AutoSizeCol(1, 0);
    const int Wide = Grid->Canvas().TextWidth(QStringLiteral("a much longer text than the others"));
    EXPECT_EQ(Grid->ColWidths(1), Wide + Grid->TotalXOffset() + 2 * Grid->GridLineWidth() + 2);
    // An empty column gets the insets only.
    for (int R = 0; R < 5; ++R)
        Grid->Set_Cells(3, R, QString());
    Grid->AutoSizeCol(3, 0);
    EXPECT_EQ(Grid->ColWidths(3), Grid->TotalXOffset() + 2 * Grid->GridLineWidth() + 2);
}

// Arrows jump over fixed columns (a column item's Fixed) and rows made fixed
// by OnIsFixedCell; with nothing beyond, the cell stays.
TEST_F(TColumnGridWindow, ArrowsSkipFixedCells)
{
    Grid->Columns().Items(2)->Set_Fixed(true);
    Grid->Focus_Cell(1, 2);
    QTest::keyClick(Grid, Qt::Key_Right);
    EXPECT_EQ(TPoint(Grid->Col(), Grid->Row()), TPoint(3, 2));
    QTest::keyClick(Grid, Qt::Key_Left);
    EXPECT_EQ(TPoint(Grid->Col(), Grid->Row()), TPoint(1, 2));
    Grid->Columns().Items(3)->Set_Fixed(true);
    QTest::keyClick(Grid, Qt::Key_Right);
    EXPECT_EQ(TPoint(Grid->Col(), Grid->Row()), TPoint(1, 2));
    Grid->OnIsFixedCell = [](QObject *, int ARow, int, bool &Fixed) { Fixed = ARow == 3; };
    QTest::keyClick(Grid, Qt::Key_Down);
    EXPECT_EQ(TPoint(Grid->Col(), Grid->Row()), TPoint(1, 4));
    // Switched off, nothing jumps: the cell-selection check keeps the current
    // cell off the fixed row.
    Grid->Navigation().Set_SkipFixedCells(false);
    QTest::keyClick(Grid, Qt::Key_Up);
    EXPECT_EQ(TPoint(Grid->Col(), Grid->Row()), TPoint(1, 4));
}

// A drop-down column opens the grid's combo with the column's items; the
// next column's items replace them when its editor opens.
TEST_F(TColumnGridWindow, ComboColumnsOpenWithTheirItems)
{
    Grid->Set_Options(Grid->Options() + goEditing);
    TGridColumnItem *Kind = Grid->Columns().Items(3);
    Kind->Set_Editor(edComboList);
    for (int B = 0; B < 8; ++B)
        Kind->ComboItems() << QString::number(B);
    Kind->Set_DropDownCount(5);
    Grid->Columns().Items(1)->Set_Editor(edComboEdit);
    Grid->Columns().Items(1)->Set_ComboItems({QStringLiteral("alpha"), QStringLiteral("beta")});

    Grid->Focus_Cell(3, 2);
    QTest::keyClick(Grid, Qt::Key_F2);
    ASSERT_TRUE(Grid->EditMode());
    ASSERT_EQ(Grid->EditCtrl(), static_cast<QWidget *>(Grid->Combobox()));
    EXPECT_EQ(Grid->Combobox()->count(), 8);
    EXPECT_EQ(Grid->Combobox()->itemText(7), QStringLiteral("7"));
    EXPECT_EQ(Grid->Combobox()->maxVisibleItems(), 5);
    {
        // the combo stands over its cell and draws there
        const QImage Shot(Save_Screenshot(&Window, QStringLiteral("column_grid_combo_column")));
        ASSERT_EQ(Shot.size(), Window.size());
        const QRect Cell = Grid->CellRect(3, 2).To_QRect().translated(Grid->viewport()->mapTo(&Window, QPoint(0, 0)));
        const QRect Combo(Grid->Combobox()->mapTo(&Window, QPoint(0, 0)), Grid->Combobox()->size());
        EXPECT_TRUE(Cell.contains(Combo.center()));
        EXPECT_GT(Distinct_Colours(Shot, Combo), 1);
    }
    Grid->HideInplaceEdit();

    Grid->Focus_Cell(1, 2);
    QTest::keyClick(Grid, Qt::Key_F2);
    ASSERT_TRUE(Grid->EditMode());
    EXPECT_EQ(Grid->Combobox()->count(), 2);
    EXPECT_EQ(Grid->Combobox()->itemText(1), QStringLiteral("beta"));
    Grid->HideInplaceEdit();
}

// With goTabs, Tab steps to the next cell and wraps at the row's end.
TEST_F(TColumnGridWindow, TabStepsThroughCells)
{
    Grid->Set_Options(Grid->Options() + goTabs);
    Grid->Focus_Cell(2, 1);
    QTest::keyClick(Grid, Qt::Key_Tab);
    EXPECT_EQ(TPoint(Grid->Col(), Grid->Row()), TPoint(3, 1));
    QTest::keyClick(Grid, Qt::Key_Tab);
    EXPECT_EQ(TPoint(Grid->Col(), Grid->Row()), TPoint(1, 2));
    QTest::keyClick(Grid, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(TPoint(Grid->Col(), Grid->Row()), TPoint(3, 1));
}
