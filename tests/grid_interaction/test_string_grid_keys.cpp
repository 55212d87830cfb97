// The string grid's keyboard: which keys move the current cell and how, the
// keys that are reported and swallowed, clipboard keys, and the order in
// which the events of one edit arrive. Keys are Qt's test events, so they
// pass the platform's three phases (key-down, character, key-up).
#include "TestSupport.h"
#include "grid/interaction/VIdiDidireDedu.h"
#include <QApplication>
#include <QKeyEvent>
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

// Shift+End selects to the row's last column; Ctrl+A selects every data cell.
TEST_F(TKeyGrid, SelectionKeys)
{
    Grid.FocusCell(2, 4);
    QTest::keyClick(&Grid, Qt::Key_End, Qt::ShiftModifier);
    EXPECT_EQ(Grid.Selection(), (TGridRect{2, 4, 5, 4}));
    QTest::keyClick(&Grid, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(Grid.Selection(), (TGridRect{1, 1, 5, 39}));
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

// Down on the last data row appends an empty row when asked to.
TEST_F(TKeyGrid, AppendOnArrowDown)
{
    Grid.Navigation().Set_AppendOnArrowDown(true);
    int Added = -1;
    Grid.OnAutoAddRow = [&](QObject *, int R) { Added = R; };
    Grid.FocusCell(2, 39);
    QTest::keyClick(&Grid, Qt::Key_Down);
    EXPECT_EQ(Grid.RowCount(), 41);
    EXPECT_EQ(Added, 40);
    EXPECT_EQ(Cur(), TPoint(2, 40));
    EXPECT_TRUE(Grid.Cells(2, 40).isEmpty());
    // A veto leaves the grid as it was.
    Grid.OnCanAddRow = [](QObject *, bool &Allow) { Allow = false; };
    QTest::keyClick(&Grid, Qt::Key_Down);
    EXPECT_EQ(Grid.RowCount(), 41);
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
