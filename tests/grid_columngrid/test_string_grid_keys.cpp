// The string grid's keyboard: which keys move the current cell and how, the
// keys that are reported and swallowed, clipboard keys, and the order in
// which the events of one edit arrive. Keys are Qt's test events, so they
// pass the platform's three phases (key-down, character, key-up).
#include "TestSupport.h"
#include "grid/columngrid/VIdiDidireDedu.h"
#include "platform/Locale.h"
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <ostream>
#include <vector>

QT_BEGIN_NAMESPACE
// Readable failures: texts print as themselves.
inline void PrintTo(const QString &S, std::ostream *Os) { *Os << '"' << S.toStdString() << '"'; }
QT_END_NAMESPACE

namespace {
// Types text as a keyboard without a key code for it does (any character).
void Type_Text(QWidget *W, const QString &Text)
{
    for (QChar C : Text) {
        QKeyEvent Press(QEvent::KeyPress, 0, Qt::NoModifier, QString(C));
        QApplication::sendEvent(W, &Press);
        QKeyEvent Release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(C));
        QApplication::sendEvent(W, &Release);
    }
}

class TKeyGrid : public ::testing::Test {
protected:
    void SetUp() override
    {
        Grid.resize(400, 200);
        Grid.Set_ColCount(6);
        Grid.Set_RowCount(40);
        for (int R = 1; R < 40; ++R)
            for (int C = 1; C < 6; ++C)
                Grid.Set_Cells(C, R, QStringLiteral("%1/%2").arg(C).arg(R));
        Grid.OnKeyDown = [this](TStringGrid *, TKey &K, TShiftState) { Log.push_back(QStringLiteral("KeyDown %1").arg(K)); };
        Grid.OnKeyPress = [this](TStringGrid *, QChar &K) { Log.push_back(QStringLiteral("KeyPress %1").arg(K.unicode())); };
        Grid.OnSetEditText = [this](TStringGrid *, int C, int R, const QString &V) {
            Log.push_back(QStringLiteral("SetEditText %1,%2 %3").arg(C).arg(R).arg(V));
        };
        Grid.show();
        Grid.setFocus();
    }
    TPoint Cur() const { return TPoint(Grid.Col(), Grid.Row()); }
    RIraRevadiVizo Grid;
    std::vector<QString> Log;
};
} // namespace

// Where Home, End, Ctrl+Home and the scroll-only keys leave the current cell.
TEST_F(TKeyGrid, HomeEndAndScrollOnly)
{
    struct TCase {
        const char *Name;
        THomeEndAction HomeEnd;
        bool ScrollOnly;
        Qt::Key Key;
        Qt::KeyboardModifiers Mods;
        TPoint Want;
        int WantTop;   // -1: not checked
    };
    const TCase Cases[] = {
        {"EndGoesToLastColumn", heFirstLastColumn, false, Qt::Key_End, Qt::NoModifier, TPoint(5, 3), -1},
        {"HomeGoesToFirstColumn", heFirstLastColumn, false, Qt::Key_Home, Qt::NoModifier, TPoint(1, 3), -1},
        {"CtrlHomeGoesToFirstRow", heFirstLastColumn, false, Qt::Key_Home, Qt::ControlModifier, TPoint(1, 1), -1},
        {"CellEndIsLastCell", heFirstLastCell, false, Qt::Key_End, Qt::NoModifier, TPoint(5, 39), -1},
        {"CellHomeIsFirstCell", heFirstLastCell, false, Qt::Key_Home, Qt::NoModifier, TPoint(1, 1), -1},
        {"RowEndIsLastRow", heFirstLastRow, false, Qt::Key_End, Qt::NoModifier, TPoint(3, 39), -1},
        {"ScrollOnlyDownMovesView", heFirstLastColumn, true, Qt::Key_Down, Qt::NoModifier, TPoint(3, 3), 2},
        {"ScrollOnlyHomeMovesView", heFirstLastColumn, true, Qt::Key_Home, Qt::NoModifier, TPoint(3, 3), 1},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Grid.Navigation().Set_HomeEndKey(C.HomeEnd);
        Grid.Navigation().Set_MoveScrollOnly(C.ScrollOnly);
        Grid.Set_TopRow(1);
        Grid.FocusCell(3, 3);
        QTest::keyClick(&Grid, C.Key, C.Mods);
        EXPECT_EQ(Cur(), C.Want);
        if (C.WantTop >= 0) {
            EXPECT_EQ(Grid.TopRow(), C.WantTop);
        }
    }
}

// PgUp with MoveScrollOnly moves the view a page up, or to the first
// scrollable row when less than a page is above; the current cell stays.
TEST_F(TKeyGrid, ScrollOnlyPageUp)
{
    Grid.Navigation().Set_MoveScrollOnly(true);
    const int V = Grid.VisibleRowCount();
    ASSERT_GT(V, 1);
    struct TCase { const char *Name; int StartTop; int WantTop; };
    const TCase Cases[] = {
        {"MoreThanAPageAbove", V + 5, 5},
        {"JustOverAPageAbove", V + 2, 2},
        {"APageAboveGoesToFirst", V + 1, 1},
        {"LessThanAPageAbove", 3, 1},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Grid.FocusCell(3, 30);
        Grid.Set_TopRow(C.StartTop);
        ASSERT_EQ(Grid.TopRow(), C.StartTop);
        QTest::keyClick(&Grid, Qt::Key_PageUp);
        EXPECT_EQ(Grid.TopRow(), C.WantTop);
        EXPECT_EQ(Cur(), TPoint(3, 30));
    }
}

// Shift+End selects to the row's last column; Ctrl+A selects every data cell.
TEST_F(TKeyGrid, SelectionKeys)
{
    Grid.FocusCell(2, 4);
    QTest::keyClick(&Grid, Qt::Key_End, Qt::ShiftModifier);
    EXPECT_EQ(Grid.Selection(), (TGridRect{2, 4, 5, 4}));
    QTest::keyClick(&Grid, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(Grid.Selection(), (TGridRect{1, 1, 5, 39}));
    // a fixed footer row is no data cell
    Grid.Set_FixedFooters(1);
    Grid.FocusCell(2, 4);
    QTest::keyClick(&Grid, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(Grid.Selection(), (TGridRect{1, 1, 5, 38}));
    Grid.Set_FixedFooters(0);
    // Without range or row selection Ctrl+A does nothing.
    Grid.Set_Options(Grid.Options() - goRangeSelect);
    Grid.FocusCell(2, 4);
    QTest::keyClick(&Grid, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(Grid.Selection(), (TGridRect{2, 4, 2, 4}));
}

// Keys that are reported to OnKeyDown and swallowed: no character phase follows.
TEST_F(TKeyGrid, ReportedAndSwallowed)
{
    struct TCase {
        const char *Name;
        bool Editing;
        bool ReadOnlyCell;
        bool ControlTag;
        Qt::Key Key;
        std::vector<QString> Want;
        bool WantEditor;
    };
    const TCase Cases[] = {
        {"EnterWithoutEditing", false, false, false, Qt::Key_Return, {QStringLiteral("KeyDown 13")}, false},
        {"EnterOnReadOnlyCell", true, true, false, Qt::Key_Return, {QStringLiteral("KeyDown 13")}, false},
        {"F2OnReadOnlyCell", true, true, false, Qt::Key_F2, {QStringLiteral("KeyDown 113")}, false},
        {"EnterOnControlTagCell", true, false, true, Qt::Key_Return, {}, false},
        {"TypingOnControlTagCell", true, false, true, Qt::Key_X, {QStringLiteral("KeyDown 88")}, false},
        {"EnterOpensEditableCell", true, false, false, Qt::Key_Return,
         {QStringLiteral("KeyDown 13"), QStringLiteral("KeyPress 13")}, true},
        {"F2OpensEditableCell", true, false, false, Qt::Key_F2, {QStringLiteral("KeyDown 113")}, true},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Grid.HideEditor();
        Grid.Set_Options(C.Editing ? Grid.Options() + goEditing : Grid.Options() - goEditing);
        Grid.FocusCell(2, 5);
        Grid.SetReadOnly(2, 5, C.ReadOnlyCell);
        Grid.Set_Cells(2, 5, C.ControlTag ? QStringLiteral("<CONTROL TYPE=\"CHECK\" ID=\"c\">") : QStringLiteral("2/5"));
        Log.clear();
        QTest::keyClick(&Grid, C.Key);
        EXPECT_EQ(Log, C.Want);
        EXPECT_EQ(Grid.EditorMode(), C.WantEditor);
    }
}

// Clipboard keys fire their events and are not typed; nothing else happens yet.
TEST_F(TKeyGrid, ClipboardKeysFireEvents)
{
    Grid.Navigation().Set_AllowClipboardShortCuts(true);
    std::vector<QString> Events;
    Grid.OnClipboardCopy = [&](QObject *, bool &) { Events.push_back(QStringLiteral("Copy")); };
    Grid.OnClipboardCut = [&](QObject *, bool &) { Events.push_back(QStringLiteral("Cut")); };
    Grid.OnClipboardPaste = [&](QObject *, bool &) { Events.push_back(QStringLiteral("Paste")); };
    Grid.FocusCell(2, 2);
    QTest::keyClick(&Grid, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(&Grid, Qt::Key_X, Qt::ControlModifier);
    QTest::keyClick(&Grid, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(&Grid, Qt::Key_Insert, Qt::ShiftModifier);
    QTest::keyClick(&Grid, Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_EQ(Events, (std::vector<QString>{QStringLiteral("Copy"), QStringLiteral("Cut"), QStringLiteral("Paste"),
                                            QStringLiteral("Paste"), QStringLiteral("Cut")}));
    for (const QString &L : Log)
        EXPECT_FALSE(L.startsWith(QStringLiteral("KeyPress"))) << qPrintable(L);
    EXPECT_EQ(Grid.Cells(2, 2), QStringLiteral("2/2"));
}

// Down on the last data row appends an empty row when asked to; with a fixed
// footer row the last data row is the one above it, and the row count and
// the row reported count the footer out.
TEST_F(TKeyGrid, AppendOnArrowDown)
{
    struct TCase { const char *Name; int Footers; int Start; int WantAdded; TPoint WantCur; };
    const TCase Cases[] = {
        {"NoFooter", 0, 39, 40, TPoint(2, 40)},
        {"FixedFooter", 1, 38, 39, TPoint(2, 39)},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        SetUp();
        Grid.Set_RowCount(40);
        Grid.Set_FixedFooters(C.Footers);
        Grid.Navigation().Set_AppendOnArrowDown(true);
        int Added = -1;
        Grid.OnAutoAddRow = [&](QObject *, int R) { Added = R; };
        Grid.OnCanAddRow = nullptr;
        Grid.FocusCell(2, C.Start);
        QTest::keyClick(&Grid, Qt::Key_Down);
        EXPECT_EQ(Grid.RowCount(), 41);
        EXPECT_EQ(Added, C.WantAdded);
        EXPECT_EQ(Cur(), C.WantCur);
        EXPECT_TRUE(Grid.Cells(2, 40).isEmpty());
        // A veto leaves the grid as it was.
        Grid.OnCanAddRow = [](QObject *, bool &Allow) { Allow = false; };
        Grid.FocusCell(2, 40 - C.Footers);
        QTest::keyClick(&Grid, Qt::Key_Down);
        EXPECT_EQ(Grid.RowCount(), 41);
    }
}

// The events of one edit, in order, for the ways an edit starts and ends.
TEST_F(TKeyGrid, EditingFlowEventOrder)
{
    struct TStep { Qt::Key Key; const char *Text; };
    struct TCase {
        const char *Name;
        bool RangeSelectAndEdit;
        std::vector<TStep> Steps;
        std::vector<QString> Want;
        const char *WantCell;
    };
    const TCase Cases[] = {
        {"TypeThenEnter", false, {{Qt::Key_X, "x"}, {Qt::Key_Return, ""}},
         {QStringLiteral("KeyDown 88"), QStringLiteral("KeyPress 120"), QStringLiteral("SetEditText 2,3 x"),
          QStringLiteral("KeyDown 13"), QStringLiteral("KeyPress 13")},
         "x"},
        // Escape stays with the editor: it puts the text back and closes.
        {"TypeThenEscape", false, {{Qt::Key_X, "x"}, {Qt::Key_Escape, ""}},
         {QStringLiteral("KeyDown 88"), QStringLiteral("KeyPress 120"), QStringLiteral("SetEditText 2,3 x"),
          QStringLiteral("SetEditText 2,3 2/3")},
         "2/3"},
        {"F2ThenEnterUntouched", false, {{Qt::Key_F2, ""}, {Qt::Key_Return, ""}},
         {QStringLiteral("KeyDown 113"), QStringLiteral("KeyDown 13"), QStringLiteral("KeyPress 13")},
         "2/3"},
        {"RangeSelectAndEditTyping", true, {{Qt::Key_Y, "y"}, {Qt::Key_Return, ""}},
         {QStringLiteral("KeyDown 89"), QStringLiteral("KeyPress 121"), QStringLiteral("SetEditText 2,3 y"),
          QStringLiteral("KeyDown 13"), QStringLiteral("KeyPress 13")},
         "y"},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Grid.HideEditor();
        Grid.Set_Options(C.RangeSelectAndEdit ? Grid.Options() - goEditing : Grid.Options() + goEditing);
        Grid.MouseActions().Set_RangeSelectAndEdit(C.RangeSelectAndEdit);
        Grid.Set_Cells(2, 3, QStringLiteral("2/3"));
        Grid.FocusCell(2, 3);
        Log.clear();
        for (const TStep &S : C.Steps) {
            QWidget *Target = Grid.EditorMode() && Grid.InplaceEditor() ? static_cast<QWidget *>(Grid.InplaceEditor())
                                                                        : static_cast<QWidget *>(&Grid);
            QTest::keyClick(Target, S.Key, Qt::NoModifier);
        }
        EXPECT_EQ(Log, C.Want);
        EXPECT_EQ(Grid.Cells(2, 3), QString::fromLatin1(C.WantCell));
        EXPECT_FALSE(Grid.EditorMode());
    }
}

// Every printable character starts an edit, not only Latin-1 ones; an
// OnKeyPress handler that changes the key changes the editor's first character.
TEST_F(TKeyGrid, PrintableCharactersStartEdits)
{
    Grid.Set_Options(Grid.Options() + goEditing);
    struct TCase { const char *Name; QString Typed; QString Want; bool Upper; };
    const TCase Cases[] = {
        {"Latin", QStringLiteral("q"), QStringLiteral("q"), false},
        {"Euro", QString(QChar(0x20AC)), QString(QChar(0x20AC)), false},
        {"Cyrillic", QString(QChar(0x0416)), QString(QChar(0x0416)), false},
        {"HandlerChangesKey", QStringLiteral("q"), QStringLiteral("Q"), true},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Grid.HideEditor();
        Grid.FocusCell(4, 4);
        Grid.OnKeyPress = [&](TStringGrid *, QChar &K) {
            if (C.Upper)
                K = K.toUpper();
        };
        Type_Text(&Grid, C.Typed);
        ASSERT_TRUE(Grid.EditorMode());
        EXPECT_EQ(Grid.InplaceEditor()->text(), C.Want);
        EXPECT_EQ(Grid.StartEditChar(), C.Want.at(0));
    }
}

// Editing reached through the mouse-action settings: Enter on an editable cell
// switches editing on; a cell that may not be edited swallows Enter.
TEST_F(TKeyGrid, EnterUnderMouseActionSettings)
{
    struct TCase { const char *Name; bool DblClickOnly, RangeEdit, ReadOnly; bool WantEditing, WantEditor; };
    const TCase Cases[] = {
        {"DblClickOnlyEditable", true, false, false, true, true},
        {"DblClickOnlyReadOnly", true, false, true, false, false},
        {"RangeSelectAndEditEditable", false, true, false, true, true},
        {"RangeSelectAndEditReadOnly", false, true, true, false, false},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Grid.HideEditor();
        Grid.Set_Options(Grid.Options() - goEditing);
        Grid.MouseActions().Set_EditOnDblClickOnly(C.DblClickOnly);
        Grid.MouseActions().Set_RangeSelectAndEdit(C.RangeEdit);
        Grid.FocusCell(3, 3);
        Grid.SetReadOnly(3, 3, C.ReadOnly);
        QTest::keyClick(&Grid, Qt::Key_Return);
        EXPECT_EQ(Grid.Options().Contains(goEditing), C.WantEditing);
        EXPECT_EQ(Grid.EditorMode(), C.WantEditor);
    }
}

// Shift+End with whole-row Home/End selects the rows from the current one down
// (the selection stays in the scrollable columns).
TEST_F(TKeyGrid, ShiftEndSelectsRows)
{
    Grid.Navigation().Set_HomeEndKey(heFirstLastRow);
    Grid.FocusCell(2, 30);
    QTest::keyClick(&Grid, Qt::Key_End, Qt::ShiftModifier);
    EXPECT_EQ(Grid.Selection(), (TGridRect{1, 30, 5, 39}));
}

// The Tab step, one row per setting: where one Tab (or Shift+Tab) leaves the
// current cell, and what it appended.
TEST_F(TKeyGrid, TabSteps)
{
    struct TCase {
        const char *Name;
        TAdvanceDirection Direction;
        bool AdvanceInsert, Editing, Backward;
        TPoint Start, Want;
        int WantRows;
    };
    const TCase Cases[] = {
        {"NextColumn", adLeftRight, false, false, false, {2, 3}, {3, 3}, 40},
        {"RowEndWrapsToNextRow", adLeftRight, false, false, false, {5, 3}, {1, 4}, 40},
        {"BackwardWrapsToPreviousRow", adLeftRight, false, false, true, {1, 4}, {5, 3}, 40},
        {"BackwardWithinRow", adLeftRight, false, false, true, {4, 4}, {3, 4}, 40},
        {"TopToBottomNextRow", adTopBottom, false, false, false, {2, 3}, {2, 4}, 40},
        {"TopToBottomNextColumn", adTopBottom, false, false, false, {2, 39}, {3, 1}, 40},
        {"EndBackToFirstRow", adLeftRight, false, false, false, {5, 39}, {1, 1}, 40},
        // the last cell with AdvanceInsert appends a row and goes to its first cell
        {"EndAppendsRow", adLeftRight, true, false, false, {5, 39}, {1, 40}, 41},
        // with editing, cells that may not be edited (column 3) are passed over
        {"EditingSkipsLockedCells", adLeftRight, false, true, false, {2, 3}, {4, 3}, 40},
    };
    Grid.Set_Options(Grid.Options() + goTabs);
    int Added = -1;
    Grid.OnAutoAddRow = [&](QObject *, int ARow) { Added = ARow; };
    Grid.OnCanEditCell = [](QObject *, int, int ACol, bool &Can) { Can = ACol != 3; };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Grid.Set_RowCount(40);
        Grid.Navigation().Set_TabAdvanceDirection(C.Direction);
        Grid.Navigation().Set_AdvanceInsert(C.AdvanceInsert);
        Grid.Set_Options(C.Editing ? Grid.Options() + goEditing : Grid.Options() - goEditing);
        Grid.FocusCell(C.Start.X, C.Start.Y);
        Added = -1;
        QTest::keyClick(&Grid, C.Backward ? Qt::Key_Backtab : Qt::Key_Tab, C.Backward ? Qt::ShiftModifier : Qt::NoModifier);
        EXPECT_EQ(Cur(), C.Want);
        EXPECT_EQ(Grid.RowCount(), C.WantRows);
        EXPECT_EQ(Added, C.WantRows == 41 ? 40 : -1);
        if (Grid.EditorMode())
            Grid.HideInplaceEdit();
    }
}

// The Tab step ends: a handler that changes the key keeps the cell, a grid
// without a cell that may be edited ends the walk where it started, and at
// the end a Tab handed to the window returns false.
TEST_F(TKeyGrid, TabStepEnds)
{
    Grid.Set_Options(Grid.Options() + goTabs);
    Grid.FocusCell(2, 3);
    Grid.OnKeyDown = [](TStringGrid *, TKey &K, TShiftState) { K = 0; };
    EXPECT_TRUE(Grid.TabToNextCell(false));
    EXPECT_EQ(Cur(), TPoint(2, 3));
    Grid.OnKeyDown = nullptr;

    Grid.Set_Options(Grid.Options() + goEditing);
    Grid.OnCanEditCell = [](QObject *, int, int, bool &Can) { Can = false; };
    EXPECT_TRUE(Grid.TabToNextCell(false));   // returns: no endless walk
    Grid.OnCanEditCell = nullptr;
    Grid.Set_Options(Grid.Options() - goEditing);

    // In a window, the Tab at the end goes on to the window's next control.
    QWidget Window;
    auto *G = new RIraRevadiVizo(&Window);
    auto *Next = new QLineEdit(&Window);
    Next->move(0, 150);
    G->resize(200, 140);
    G->Set_ColCount(3);
    G->Set_RowCount(3);
    G->Set_Options(G->Options() + goTabs);
    G->Navigation().Set_TabToNextAtEnd(true);
    Window.show();
    QApplication::setActiveWindow(&Window);
    G->setFocus();
    G->FocusCell(2, 2);
    EXPECT_FALSE(G->TabToNextCell(false));
    EXPECT_EQ(TPoint(G->Col(), G->Row()), TPoint(1, 1));
    QCoreApplication::processEvents();
    EXPECT_TRUE(Next->hasFocus());
}

// Space and Enter on cell controls: a radio group steps to its next item, a
// radio button takes its column's choice, a button is pressed, a check box
// flips and marks its row modified; each only where the cell may be edited.
TEST_F(TKeyGrid, CellControlKeys)
{
    Grid.AddRadio(1, 2, 0, 0, {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    Grid.AddRadioButton(2, 2, true);
    Grid.AddRadioButton(2, 3, false);
    Grid.AddButton(3, 2, 30, 16, QStringLiteral("Go"), haBeforeText, vaCenter);
    Grid.AddCheckBox(4, 2, false, false);
    Grid.Set_ShowModified(true);
    Log.clear();
    Grid.OnRadioClick = [this](QObject *, int C, int R, int I) { Log.push_back(QStringLiteral("Radio %1,%2 %3").arg(C).arg(R).arg(I)); };
    Grid.OnRadioButtonClick = [this](QObject *, int C, int R) { Log.push_back(QStringLiteral("RadioButton %1,%2").arg(C).arg(R)); };
    Grid.OnButtonClick = [this](QObject *, int C, int R) { Log.push_back(QStringLiteral("Button %1,%2").arg(C).arg(R)); };
    Grid.OnCheckBoxClick = [this](QObject *, int C, int R, bool S) { Log.push_back(QStringLiteral("Check %1,%2 %3").arg(C).arg(R).arg(S)); };
    Grid.OnKeyDown = nullptr;
    Grid.OnKeyPress = nullptr;

    // Without editing nothing may be edited: the controls stay.
    Grid.FocusCell(1, 2);
    QTest::keyClick(&Grid, Qt::Key_Space);
    EXPECT_TRUE(Log.empty());

    Grid.Set_Options(Grid.Options() + goEditing);
    struct TCase { const char *Name; TPoint Cell; Qt::Key Key; const char *Want; };
    const TCase Cases[] = {
        {"RadioGroupSteps", {1, 2}, Qt::Key_Space, "Radio 1,2 1"},
        {"RadioButtonTakesChoice", {2, 3}, Qt::Key_Space, "RadioButton 2,3"},
        {"ButtonBySpace", {3, 2}, Qt::Key_Space, "Button 3,2"},
        {"CheckBoxFlips", {4, 2}, Qt::Key_Space, "Check 4,2 1"},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Log.clear();
        Grid.FocusCell(C.Cell.X, C.Cell.Y);
        QTest::keyClick(&Grid, C.Key);
        ASSERT_FALSE(Log.empty());
        EXPECT_EQ(Log.front(), QString::fromLatin1(C.Want));
        EXPECT_FALSE(Grid.EditorMode());
    }
    EXPECT_EQ(Grid.GetRadioButtonColumnIndex(2), 3);
    EXPECT_TRUE(Grid.GetRowModified(2));
    int Idx = -1;
    Grid.GetRadioIdx(1, 2, Idx);
    EXPECT_EQ(Idx, 1);
}

// Without KeepHorizScroll paging moves the view sideways as the platform
// grid does; with it, row selection keeps the left column while paging.
TEST_F(TKeyGrid, RowSelectionKeepsHorizontalScroll)
{
    Grid.Set_Options(Grid.Options() + goRowSelect);
    Grid.resize(150, 200);
    for (int C = 0; C < 6; ++C)
        Grid.Set_ColWidths(C, 60);
    Grid.Navigation().Set_KeepHorizScroll(true);
    Grid.FocusCell(1, 3);
    Grid.Set_LeftCol(3);
    QTest::keyClick(&Grid, Qt::Key_Down);
    EXPECT_EQ(Grid.Row(), 4);
    EXPECT_EQ(Grid.LeftCol(), 3);
    // Without LeftRightRowSelect, Left and Right scroll one column.
    Grid.Navigation().Set_LeftRightRowSelect(false);
    QTest::keyClick(&Grid, Qt::Key_Left);
    EXPECT_EQ(Grid.LeftCol(), 2);
    QTest::keyClick(&Grid, Qt::Key_Right);
    EXPECT_EQ(Grid.LeftCol(), 3);
    EXPECT_EQ(Grid.Row(), 4);
}

// The keypad's decimal point types the locale's separator when the grid is
// asked to; the main keyboard's point stays a point.
TEST_F(TKeyGrid, KeypadDecimalSeparator)
{
    TFormatSettingsGuard Guard;
    Format_Settings().DecimalSeparator = u',';
    Grid.Set_Options(Grid.Options() + goEditing);
    Grid.Set_ExcelStyleDecimalSeparator(true);
    struct TCase { const char *Name; Qt::KeyboardModifiers Mods; QChar Want; };
    const TCase Cases[] = {{"Keypad", Qt::KeypadModifier, u','}, {"MainKeyboard", Qt::NoModifier, u'.'}};
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Grid.HideEditor();
        Grid.FocusCell(2, 2);
        QKeyEvent Press(QEvent::KeyPress, Qt::Key_Period, C.Mods, QStringLiteral("."));
        QApplication::sendEvent(&Grid, &Press);
        ASSERT_TRUE(Grid.EditorMode());
        EXPECT_EQ(Grid.InplaceEditor()->text(), QString(C.Want));
    }
}
