// The editing road of a column grid with editing on, as the table editors
// use it: the column's editor kind opens over the cell, the end of the edit
// is reported at once (OnEditingDone) and again after the key's handling
// (OnEditCellDone, posted), with the real column of the edited cell.
#include "ColumnGridWindow.h"
#include "TestSupport.h"
#include "grid/stringgrid/GridEditorControls.h"
#include "grid/columngrid/VIdiDidireDedu.h"
#include <QApplication>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>
#include <gtest/gtest.h>
#include <functional>
#include <string>
#include <vector>

namespace {
// One line per event, so that a failure shows the two sequences readably.
std::string Lines(const std::vector<QString> &L)
{
    std::string S;
    for (const QString &E : L)
        S += E.toStdString() + "\n";
    return S;
}

class TColumnGridEditing : public ::testing::Test {
protected:
    void SetUp() override
    {
        Grid = Make_Column_Grid_Window(Window, 5, 6);
        Grid->Set_Options(Grid->Options() + goEditing);
        Grid->Columns().Items(2)->Set_Editor(edComboList);
        Grid->Columns().Items(2)->Set_ComboItems({QStringLiteral("Int"), QStringLiteral("Real"), QStringLiteral("Bool")});
        Grid->Columns().Items(4)->Set_Editor(edComboEdit);
        Grid->Columns().Items(4)->Set_ComboItems({QStringLiteral("alpha"), QStringLiteral("beta")});
        // Display column 1 is real column 1, display 2 real 2; hiding real
        // column 3 makes display column 3 the real column 4.
        Grid->HideColumn(3);
        Grid->OnEditingDone = [this](QObject *) {
            Log.push_back(QStringLiteral("EditingDone at %1,%2 cell %3")
                              .arg(Grid->Col()).arg(Grid->Row()).arg(Grid->Cells(Grid->RealColIndex(Grid->Col()), Grid->Row())));
        };
        Grid->OnEditCellDone = [this](QObject *, int C, int R) { Log.push_back(QStringLiteral("EditCellDone %1,%2").arg(C).arg(R)); };
        Grid->OnComboChange = [this](QObject *, int C, int R, int I, const QString &S) {
            Log.push_back(QStringLiteral("ComboChange %1,%2 %3 %4").arg(C).arg(R).arg(I).arg(S));
        };
        Window.show();
        // Focus moves between the editor and the grid only in an active window.
        QApplication::setActiveWindow(&Window);
        Grid->setFocus();
    }
    QWidget *Focused() const
    {
        QWidget *W = QApplication::focusWidget();
        return W ? W : Grid;
    }
    // The log outlives the window: closing an open editor still reports.
    std::vector<QString> Log;
    QWidget Window;
    VIdiDidireDedu *Grid = nullptr;
};
} // namespace

// One row per road: the events in order, before and after the posted notice
// has arrived, and the cell's text at the end.
TEST_F(TColumnGridEditing, EventOrder)
{
    struct TCase {
        const char *Name;
        TPoint Cell;                       // display column, row
        std::vector<std::pair<Qt::Key, const char *>> Keys;
        std::vector<QString> Before, After;
        const char *Text;
    };
    const TCase Cases[] = {
        {"TextTypedThenEnter", {1, 2}, {{Qt::Key_X, "x"}, {Qt::Key_Return, ""}},
         {QStringLiteral("EditingDone at 1,2 cell x")},
         {QStringLiteral("EditingDone at 1,2 cell x"), QStringLiteral("EditCellDone 1,2")}, "x"},
        {"ComboListPickThenEnter", {2, 3}, {{Qt::Key_F2, ""}, {Qt::Key_Down, ""}, {Qt::Key_Return, ""}},
         {QStringLiteral("ComboChange 2,3 0 Int"), QStringLiteral("EditingDone at 2,3 cell Int")},
         {QStringLiteral("ComboChange 2,3 0 Int"), QStringLiteral("EditingDone at 2,3 cell Int"),
          QStringLiteral("EditCellDone 2,3")}, "Int"},
        // Behind a hidden column the edit reports the real column. The typed
        // key reports its text twice; the completion from the items ("b" to
        // "beta") is the combo's own and reports nothing, and putting the
        // combo away afterwards reports nothing either.
        {"EditComboTypedBehindHiddenColumn", {3, 4}, {{Qt::Key_F2, ""}, {Qt::Key_B, "b"}, {Qt::Key_Return, ""}},
         {QStringLiteral("ComboChange 4,4 -1 b"), QStringLiteral("ComboChange 3,4 -1 b"),
          QStringLiteral("EditingDone at 3,4 cell beta")},
         {QStringLiteral("ComboChange 4,4 -1 b"), QStringLiteral("ComboChange 3,4 -1 b"),
          QStringLiteral("EditingDone at 3,4 cell beta"), QStringLiteral("EditCellDone 4,4")}, "beta"},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Log.clear();
        Grid->setFocus();
        Grid->FocusCell(C.Cell.X, C.Cell.Y);
        for (const auto &[Key, Text] : C.Keys)
            QTest::keyClick(Focused(), Key, Qt::NoModifier);
        EXPECT_EQ(Lines(Log), Lines(C.Before));
        QCoreApplication::processEvents();
        EXPECT_EQ(Lines(Log), Lines(C.After));
        EXPECT_EQ(Grid->Cells(Grid->RealColIndex(C.Cell.X), C.Cell.Y), QString::fromLatin1(C.Text));
        EXPECT_FALSE(Grid->EditMode());
    }
}

// With EditOnDblClickOnly the edit-done notice switches editing off again.
// A typed character asks the can-edit hook, which in a column grid grants
// every data cell of a column that is neither read-only nor fixed: there it
// switches editing back on, in a read-only column it starts nothing.
TEST_F(TColumnGridEditing, EditOnDoubleClickOnlyEndsEditing)
{
    Grid->MouseActions().Set_EditOnDblClickOnly(true);
    Grid->FocusCell(2, 2);
    QTest::keyClick(Grid, Qt::Key_F2);
    ASSERT_TRUE(Grid->EditMode());
    QTest::keyClick(Focused(), Qt::Key_Down);
    QTest::keyClick(Focused(), Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(Grid->Cells(2, 2), QStringLiteral("Int"));
    EXPECT_FALSE(Grid->Options().Contains(goEditing));
    EXPECT_FALSE(Grid->EditMode());

    Grid->Columns().Items(2)->Set_ReadOnly(true);
    Grid->setFocus();
    QTest::keyClick(Grid, Qt::Key_Q);
    EXPECT_FALSE(Grid->Options().Contains(goEditing));
    EXPECT_FALSE(Grid->EditMode());
    EXPECT_EQ(Grid->Cells(2, 2), QStringLiteral("Int"));

    Grid->FocusCell(1, 2);
    QTest::keyClick(Grid, Qt::Key_Q);
    EXPECT_TRUE(Grid->Options().Contains(goEditing));
    ASSERT_TRUE(Grid->EditorMode());
    EXPECT_EQ(Grid->InplaceEditor()->text(), QStringLiteral("q"));
}

// A value that is none of the list's items ("Word" in an Int/Real/Bool
// column) survives opening the list and leaving it by Enter or Tab unchosen.
TEST_F(TColumnGridEditing, ComboListKeepsAValueOutsideItsItems)
{
    struct TCase { const char *Name; Qt::Key Key; };
    const TCase Cases[] = {{"Return", Qt::Key_Return}, {"Tab", Qt::Key_Tab}};
    Grid->Set_Options(Grid->Options() + goTabs);
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Grid->setFocus();
        Grid->Set_Cells(2, 3, QStringLiteral("Word"));
        Grid->FocusCell(2, 3);
        QTest::keyClick(Grid, Qt::Key_F2);
        ASSERT_TRUE(Grid->EditMode());
        QTest::keyClick(Focused(), C.Key);
        QCoreApplication::processEvents();
        EXPECT_FALSE(Grid->EditMode());
        EXPECT_EQ(Grid->Cells(2, 3), QStringLiteral("Word"));
    }
}

// Escape in the edit-with-button editor gives back the cell as it was when
// the editor opened, whatever changed the editor's text or the cell since:
// the button's handler, typing, or the program writing the cell.
TEST_F(TColumnGridEditing, EditButtonEscapeRestoresTheOpeningText)
{
    struct TCase { const char *Name; std::function<void(VIdiDidireDedu &, TGridEditBtn &)> Change; };
    const TCase Cases[] = {
        {"ButtonHandler", [](VIdiDidireDedu &, TGridEditBtn &E) { E.OnClickBtn(&E); }},
        {"ButtonHandlerWritingTheCell",
         [](VIdiDidireDedu &G, TGridEditBtn &E) {
             G.OnEllipsClick = [&G](QObject *, int C, int R, QString &S) {
                 S = QStringLiteral("changed");
                 G.Set_Cells(C, R, S);
             };
             E.OnClickBtn(&E);
         }},
        {"Typing", [](VIdiDidireDedu &, TGridEditBtn &E) { QTest::keyClicks(&E, QStringLiteral("changed")); }},
        {"CellWrittenUnderTheEditor", [](VIdiDidireDedu &G, TGridEditBtn &) { G.Set_Cells(1, 2, QStringLiteral("changed")); }},
        {"F4", [](VIdiDidireDedu &, TGridEditBtn &E) { QTest::keyClick(&E, Qt::Key_F4); }},
    };
    Grid->Columns().Items(1)->Set_Editor(edEditBtn);
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Grid->OnEllipsClick = [](QObject *, int, int, QString &S) { S = QStringLiteral("changed"); };
        Grid->setFocus();
        Grid->Set_Cells(1, 2, QStringLiteral("cell"));
        Grid->FocusCell(1, 2);
        QTest::keyClick(Grid, Qt::Key_F2);
        ASSERT_TRUE(Grid->EditMode());
        TGridEditBtn *E = Grid->BtnEdit();
        ASSERT_TRUE(E->isVisible());
        C.Change(*Grid, *E);
        ASSERT_TRUE(Grid->EditMode());
        QTest::keyClick(Focused(), Qt::Key_Escape);
        QCoreApplication::processEvents();
        EXPECT_FALSE(Grid->EditMode());
        EXPECT_EQ(Grid->Cells(1, 2), QStringLiteral("cell"));
    }
}
