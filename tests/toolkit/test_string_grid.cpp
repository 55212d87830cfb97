#include "GridTestLayout.h"
#include "toolkit/StringGrid.h"
#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QWheelEvent>
#include <QTest>
#include <gtest/gtest.h>
#include <map>

namespace {
struct TMark : TObject {
    explicit TMark(int V) : Value(V) {}
    int Value;
};

// A grid sized so that 10 scrollable rows of 20 pixels and 4 columns of 50 fit.
struct TGridFixture : ::testing::Test {
    TStringGrid Grid;
    void SetUp() override
    {
        Lay_Out_Test_Grid(Grid);
    }
};
} // namespace

// --- cell store --------------------------------------------------------------------

// Cells beyond a reduced count keep text and object and come back when the grid grows.
TEST(GridCellStore, CellsSurviveBeyondReducedCount)
{
    TStringGrid Grid;
    TMark M(7);
    Grid.Set_RowCount(10);
    Grid.Set_Cells(3, 8, QStringLiteral("kept"));
    Grid.Set_Objects(3, 8, &M);
    Grid.Set_RowCount(4);
    Grid.Set_ColCount(2);
    Grid.Set_RowCount(10);
    Grid.Set_ColCount(5);
    EXPECT_EQ(Grid.Cells(3, 8), QStringLiteral("kept"));
    EXPECT_EQ(Grid.Objects(3, 8), &M);
}

// Moving rows and columns carries texts and objects; the rows between shift by one.
TEST(GridCellStore, RowsAndColumnsMoveWithTheirObjects)
{
    TGridCellStore S;
    TMark A(1), B(2);
    for (int R = 0; R < 4; ++R)
        S.Set_Cell(0, R, QString::number(R));
    S.Set_Object(1, 0, &A);
    S.Set_Object(1, 3, &B);
    S.Move_Row(0, 3);
    EXPECT_EQ(S.Cell(0, 0), "1");
    EXPECT_EQ(S.Cell(0, 2), "3");
    EXPECT_EQ(S.Cell(0, 3), "0");
    EXPECT_EQ(S.Object(1, 3), &A);
    EXPECT_EQ(S.Object(1, 2), &B);
    S.Move_Row(3, 0);
    EXPECT_EQ(S.Cell(0, 0), "0");
    EXPECT_EQ(S.Object(1, 0), &A);
    S.Move_Col(1, 0);
    EXPECT_EQ(S.Object(0, 0), &A);
    EXPECT_EQ(S.Cell(1, 1), "1");
    // A row read back whole and written elsewhere carries both.
    S.Set_Row(5, S.Row(0, 2));
    EXPECT_EQ(S.Object(0, 5), &A);
    EXPECT_EQ(S.Cell(1, 5), "0");
}

// Reading never allocates; writes far outside the supported range are refused.
TEST(GridCellStore, ReadingAllocatesNothing)
{
    TGridCellStore S;
    EXPECT_EQ(S.Cell(5, 100000), QString());
    EXPECT_EQ(S.Object(-1, 3), nullptr);
    S.Set_Cell(5, 100, QString());
    EXPECT_EQ(S.Stored_Rows(), 0);
    EXPECT_THROW(S.Set_Cell(-1, 0, QStringLiteral("x")), EGridError);
    EXPECT_THROW(S.Set_Cell(0, TGridCellStore::Max_Rows, QStringLiteral("x")), EGridError);
}

// A fixed count not below the count is refused; a smaller count lowers the fixed count.
TEST(GridCellStore, FixedCountMustStayBelowCount)
{
    TStringGrid Grid;
    Grid.Set_ColCount(3);
    Grid.Set_RowCount(3);
    EXPECT_THROW(Grid.Set_FixedCols(3), EGridError);
    EXPECT_THROW(Grid.Set_FixedRows(4), EGridError);
    EXPECT_THROW(Grid.Set_FixedRows(-1), EGridError);
    EXPECT_EQ(Grid.FixedCols(), 1);
    // The same fixed count again changes nothing; a new one starts at the first scrollable cell.
    Grid.Set_Row(2);
    Grid.Set_FixedRows(1);
    EXPECT_EQ(Grid.Row(), 2);
    Grid.Set_FixedRows(2);
    EXPECT_EQ(Grid.Row(), 2);
    Grid.Set_Row(1);
    EXPECT_EQ(Grid.Row(), 2);
    Grid.Set_RowCount(2);
    EXPECT_EQ(Grid.FixedRows(), 1);
    EXPECT_EQ(Grid.Row(), 1);
    Grid.Set_RowCount(0);
    EXPECT_EQ(Grid.RowCount(), 1);
    EXPECT_EQ(Grid.FixedRows(), 0);
}

// DeleteRow moves the row's cells and object to the end, beyond the new count.
TEST(GridCellStore, DeleteRowShiftsRowsUp)
{
    TStringGrid Grid;
    TMark M(1);
    for (int R = 0; R < 5; ++R)
        Grid.Set_Cells(0, R, QString::number(R));
    Grid.Set_Objects(2, 2, &M);
    int Moves = 0;
    Grid.OnRowMoved = [&](TStringGrid *, int From, int To) { Moves += (From == 2 && To == 4); };
    Grid.DeleteRow(2);
    EXPECT_EQ(Grid.RowCount(), 4);
    EXPECT_EQ(Grid.Cells(0, 2), "3");
    EXPECT_EQ(Grid.Cells(0, 3), "4");
    EXPECT_EQ(Grid.Objects(2, 4), &M);
    EXPECT_EQ(Moves, 1);
}

// --- current cell -------------------------------------------------------------------

// SelectCell is asked on every change of the current cell and may refuse it.
TEST_F(TGridFixture, SelectCellVetoesMoves)
{
    std::vector<TPoint> Asked;
    Grid.OnSelectCell = [&](TStringGrid *, int C, int R, bool &Can) {
        Asked.push_back({C, R});
        Can = R != 3;
    };
    Grid.Set_Row(2);
    Grid.Set_Row(3);
    EXPECT_EQ(Grid.Row(), 2);
    Grid.Set_Col(4);
    EXPECT_EQ(Grid.Col(), 4);
    Grid.Set_Col(4);  // no change: not asked
    ASSERT_EQ(Asked.size(), 3u);
    EXPECT_EQ(Asked[1], TPoint(1, 3));
    EXPECT_EQ(Asked[2], TPoint(4, 2));
    // Keys go through the same question.
    QTest::keyClick(&Grid, Qt::Key_Down);
    EXPECT_EQ(Grid.Row(), 2);
}

// Setters clamp into the scrollable cells and the scroll range.
TEST_F(TGridFixture, SettersClamp)
{
    struct TCase { const char *Name; int Col, Row; int WantCol, WantRow; };
    const TCase Cases[] = {
        {"BelowFixed", 0, 0, 1, 1},
        {"BeyondCount", 50, 500, 9, 99},
        {"Inside", 3, 7, 3, 7},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Grid.Set_Col(C.Col);
        Grid.Set_Row(C.Row);
        EXPECT_EQ(Grid.Col(), C.WantCol);
        EXPECT_EQ(Grid.Row(), C.WantRow);
    }
    Grid.Set_TopRow(1000);
    EXPECT_EQ(Grid.TopRow(), 90);   // rows 90..99 fill the 10 visible rows
    Grid.Set_TopRow(-3);
    EXPECT_EQ(Grid.TopRow(), 1);
    Grid.Set_LeftCol(100);
    EXPECT_EQ(Grid.LeftCol(), 6);
    EXPECT_EQ(Grid.VisibleRowCount(), 10);
    EXPECT_EQ(Grid.VisibleColCount(), 4);
}

// Geometry: cell rectangles are sums of sizes; cells out of view have an empty one.
TEST_F(TGridFixture, CellRectAndMouseToCell)
{
    Grid.Set_GridLineWidth(1);
    EXPECT_EQ(Grid.CellRect(0, 0), TRect(0, 0, 50, 20));
    EXPECT_EQ(Grid.CellRect(2, 3), TRect(102, 63, 152, 83));
    Grid.Set_TopRow(5);
    EXPECT_TRUE(Grid.CellRect(2, 3).Is_Empty());
    EXPECT_EQ(Grid.CellRect(2, 5), TRect(102, 21, 152, 41));
    int C = 0, R = 0;
    Grid.MouseToCell(110, 30, C, R);
    EXPECT_EQ(C, 2);
    EXPECT_EQ(R, 5);
    Grid.MouseToCell(10, 5, C, R);
    EXPECT_EQ(C, 0);
    EXPECT_EQ(R, 0);
    Grid.MouseToCell(-1, 5, C, R);
    EXPECT_EQ(C, -1);
}

// Keyboard: arrows, Home/End, PgUp/PgDn, Tab with goTabs, Shift+arrow extends the selection.
TEST_F(TGridFixture, KeyboardNavigation)
{
    Grid.setFocus();
    Grid.Set_Options(Grid.Options() + goTabs);
    struct TStep { const char *Name; Qt::Key Key; Qt::KeyboardModifiers Mods; int Col, Row; };
    const TStep Steps[] = {
        {"Right", Qt::Key_Right, Qt::NoModifier, 2, 1},
        {"Down", Qt::Key_Down, Qt::NoModifier, 2, 2},
        {"End", Qt::Key_End, Qt::NoModifier, 9, 2},
        {"TabWraps", Qt::Key_Tab, Qt::NoModifier, 1, 3},
        {"ShiftTabWrapsBack", Qt::Key_Backtab, Qt::ShiftModifier, 9, 2},
        {"Home", Qt::Key_Home, Qt::NoModifier, 1, 2},
        {"PageDown", Qt::Key_PageDown, Qt::NoModifier, 1, 12},
        {"PageUp", Qt::Key_PageUp, Qt::NoModifier, 1, 2},
        {"CtrlEnd", Qt::Key_End, Qt::ControlModifier, 9, 99},
        {"CtrlHome", Qt::Key_Home, Qt::ControlModifier, 1, 1},
    };
    for (const TStep &S : Steps) {
        SCOPED_TRACE(S.Name);
        QTest::keyClick(&Grid, S.Key, S.Mods);
        EXPECT_EQ(Grid.Col(), S.Col);
        EXPECT_EQ(Grid.Row(), S.Row);
    }
    QTest::keyClick(&Grid, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(&Grid, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(Grid.Selection(), (TGridRect{1, 1, 2, 2}));
    EXPECT_EQ(Grid.Anchor(), TPoint(1, 1));
}

// The three key phases: KeyDown with the virtual-key code, KeyPress per character unless
// KeyDown swallowed the key, then KeyUp.
TEST_F(TGridFixture, KeyPhases)
{
    std::vector<QString> Log;
    Grid.OnKeyDown = [&](TStringGrid *, TKey &Key, TShiftState S) {
        if (Key == VK_SHIFT)
            return;
        Log.push_back(QStringLiteral("down %1%2").arg(Key).arg(S.Contains(ssShift) ? "+shift" : ""));
        if (Key == VK_F2)
            Key = 0;
    };
    Grid.OnKeyPress = [&](TStringGrid *, QChar &Ch) { Log.push_back(QStringLiteral("press %1").arg(Ch.unicode())); };
    Grid.OnKeyUp = [&](TStringGrid *, TKey &Key, TShiftState) {
        if (Key != VK_SHIFT)
            Log.push_back(QStringLiteral("up %1").arg(Key));
    };
    QTest::keyClick(&Grid, Qt::Key_B);
    QTest::keyClick(&Grid, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(&Grid, Qt::Key_Return);
    QTest::keyClick(&Grid, Qt::Key_F2);
    const std::vector<QString> Want = {"down 66",  "press 98", "up 66",    "down 40+shift", "up 40",
                                       "down 13",  "press 13", "up 13",    "down 113",      "up 113"};
    EXPECT_EQ(Log, Want);
}

// Editing: a typed character opens the editor with it, every change reaches SetEditText,
// Enter closes; Escape restores the text the editor opened with.
TEST_F(TGridFixture, InplaceEditingRoad)
{
    Grid.Set_Options(Grid.Options() + goEditing);
    Grid.setFocus();
    Grid.Set_Cells(1, 1, QStringLiteral("old"));
    std::vector<QString> Seen;
    Grid.OnSetEditText = [&](TStringGrid *, int, int, const QString &V) { Seen.push_back(V); };
    QTest::keyClick(&Grid, Qt::Key_A);
    ASSERT_TRUE(Grid.EditorMode());
    ASSERT_NE(Grid.InplaceEditor(), nullptr);
    QTest::keyClicks(Grid.InplaceEditor(), QStringLiteral("bc"));
    EXPECT_EQ(Seen, (std::vector<QString>{"a", "ab", "abc"}));
    QTest::keyClick(Grid.InplaceEditor(), Qt::Key_Return);
    EXPECT_FALSE(Grid.EditorMode());
    EXPECT_EQ(Grid.Cells(1, 1), "abc");
    QTest::keyClick(&Grid, Qt::Key_F2);
    ASSERT_TRUE(Grid.EditorMode());
    QTest::keyClicks(Grid.InplaceEditor(), QStringLiteral("zz"));
    EXPECT_EQ(Grid.Cells(1, 1), "zz");
    QTest::keyClick(Grid.InplaceEditor(), Qt::Key_Escape);
    EXPECT_FALSE(Grid.EditorMode());
    EXPECT_EQ(Grid.Cells(1, 1), "abc");
    // Down in the editor moves the grid and closes the editor.
    QTest::keyClick(&Grid, Qt::Key_F2);
    QTest::keyClick(Grid.InplaceEditor(), Qt::Key_Down);
    EXPECT_FALSE(Grid.EditorMode());
    EXPECT_EQ(Grid.Row(), 2);
}

// A posted registered message arrives later through Registered_Message.
namespace {
struct TMessageGrid : TStringGrid {
    int Got = -1;
    std::intptr_t W = 0, L = 0;
    void Registered_Message(int M, std::intptr_t WP, std::intptr_t LP) override { Got = M; W = WP; L = LP; }
};
} // namespace
TEST(GridMessages, EditDoneIsPostedNotSent)
{
    TMessageGrid Grid;
    EXPECT_EQ(Grid_Edit_Done_Message(), Register_Window_Message(QStringLiteral("GridEditDone")));
    EXPECT_NE(Grid_Edit_Done_Message(), Register_Window_Message(QStringLiteral("DTPShiftFocus")));
    Grid.Post_Message(Grid_Edit_Done_Message(), 3, 4);
    EXPECT_EQ(Grid.Got, -1);
    QCoreApplication::sendPostedEvents(&Grid);
    EXPECT_EQ(Grid.Got, Grid_Edit_Done_Message());
    EXPECT_EQ(Grid.W, 3);
    EXPECT_EQ(Grid.L, 4);
}

// Draw state per cell: fixed, selected (not the focused current cell), focused.
TEST_F(TGridFixture, DrawStatePerCell)
{
    Grid.activateWindow();
    Grid.setFocus();
    Grid.Set_Selection(TGridRect{1, 1, 2, 2});
    std::map<std::pair<int, int>, TGridDrawState> States;
    Grid.OnDrawCell = [&](TStringGrid *, int C, int R, const TRect &, TGridDrawState S) { States[{C, R}] = S; };
    Grid.grab();
    EXPECT_EQ((States[{0, 0}]), (TGridDrawState({gdFixed})));
    EXPECT_EQ((States[{1, 0}]), (TGridDrawState({gdFixed})));
    EXPECT_EQ((States[{1, 1}]), (TGridDrawState({gdSelected})));
    EXPECT_EQ((States[{2, 2}]), (TGridDrawState({gdFocused})));
    EXPECT_EQ((States[{3, 3}]), (TGridDrawState()));
    Grid.Set_Options(Grid.Options() + goDrawFocusSelected);
    Grid.grab();
    EXPECT_EQ((States[{2, 2}]), (TGridDrawState({gdSelected, gdFocused})));
    // Painting touches only the visible rows.
    EXPECT_EQ(States.count(std::make_pair(1, 50)), 0u);
}

// Mouse: a click moves the current cell, Shift+click extends the selection, a drag on a
// fixed line sizes the column, a drag of a fixed header moves the column's cells.
TEST_F(TGridFixture, MouseSelectsSizesAndMoves)
{
    Grid.setFocus();
    QWidget *V = Grid.viewport();
    QTest::mouseClick(V, Qt::LeftButton, Qt::NoModifier, QPoint(110, 50));
    EXPECT_EQ(TPoint(Grid.Col(), Grid.Row()), TPoint(2, 2));
    QTest::mouseClick(V, Qt::LeftButton, Qt::ShiftModifier, QPoint(160, 90));
    EXPECT_EQ(Grid.Selection(), (TGridRect{2, 2, 3, 4}));

    Grid.Set_Options(Grid.Options() + goColSizing + goColMoving);
    QTest::mousePress(V, Qt::LeftButton, Qt::NoModifier, QPoint(100, 10));
    QTest::mouseMove(V, QPoint(130, 10));
    QTest::mouseRelease(V, Qt::LeftButton, Qt::NoModifier, QPoint(130, 10));
    EXPECT_EQ(Grid.ColWidths(1), 80);

    Grid.Set_Cells(2, 1, QStringLiteral("two"));
    int Moved = 0;
    Grid.OnColumnMoved = [&](TStringGrid *, int From, int To) { Moved += From == 2 && To == 3; };
    QTest::mousePress(V, Qt::LeftButton, Qt::NoModifier, QPoint(150, 10));     // header of column 2
    QTest::mouseRelease(V, Qt::LeftButton, Qt::NoModifier, QPoint(200, 10));   // over column 3
    EXPECT_EQ(Moved, 1);
    EXPECT_EQ(Grid.Cells(3, 1), QStringLiteral("two"));
    EXPECT_EQ(Grid.ColWidths(1), 80);   // widths stay where they were
}

// The wheel moves the current row one per notch, through SelectCell.
TEST_F(TGridFixture, WheelMovesTheCurrentRow)
{
    Grid.Set_Row(5);
    auto Wheel = [&](int Delta) {
        QWheelEvent E(QPointF(60, 60), QPointF(60, 60), QPoint(), QPoint(0, Delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
        QApplication::sendEvent(Grid.viewport(), &E);
    };
    Wheel(-240);
    EXPECT_EQ(Grid.Row(), 7);
    Wheel(120);
    EXPECT_EQ(Grid.Row(), 6);
    Grid.OnSelectCell = [](TStringGrid *, int, int, bool &Can) { Can = false; };
    Wheel(120);
    EXPECT_EQ(Grid.Row(), 6);
}

// Enter and exit fire when the focus enters or leaves grid and editor together.
TEST(GridFocus, EnterExitAroundTheEditor)
{
    QWidget Window;
    auto *Grid = new TStringGrid(&Window);
    auto *Other = new QLineEdit(&Window);
    Grid->setGeometry(0, 0, 200, 150);
    Other->setGeometry(0, 160, 100, 20);
    Grid->Set_Options(Grid->Options() + goEditing);
    std::vector<QString> Log;
    Grid->OnEnter = [&](TStringGrid *) { Log.push_back("enter"); };
    Grid->OnExit = [&](TStringGrid *) { Log.push_back("exit"); };
    Other->setFocus();
    Window.show();
    Window.activateWindow();
    if (!QTest::qWaitForWindowActive(&Window))
        GTEST_SKIP() << "the window system gives no active window";
    Grid->setFocus();
    QTest::keyClick(Grid, Qt::Key_F2);   // the focus moves to the editor
    ASSERT_TRUE(Grid->EditorMode());
    QTest::keyClick(Grid->InplaceEditor(), Qt::Key_Return);   // and back
    Other->setFocus();
    EXPECT_EQ(Log, (std::vector<QString>{"enter", "exit"}));
}

// The scroll bars count whole rows and columns past the fixed ones, both ways.
TEST_F(TGridFixture, ScrollBarsScrollWholeCells)
{
    int TopLeftChanges = 0;
    Grid.OnTopLeftChanged = [&](TStringGrid *) { ++TopLeftChanges; };
    Grid.verticalScrollBar()->setValue(5);
    EXPECT_EQ(Grid.TopRow(), 6);
    Grid.horizontalScrollBar()->setValue(2);
    EXPECT_EQ(Grid.LeftCol(), 3);
    EXPECT_EQ(Grid.verticalScrollBar()->maximum(), 89);
    Grid.Set_TopRow(20);
    EXPECT_EQ(Grid.verticalScrollBar()->value(), 19);
    EXPECT_EQ(TopLeftChanges, 3);
    // Moving the current cell out of view scrolls it in.
    Grid.Set_Row(50);
    EXPECT_EQ(Grid.TopRow(), 41);
    Grid.Set_Row(3);
    EXPECT_EQ(Grid.TopRow(), 3);
}

// --- density and reading order ---------------------------------------------------------

// A new screen density rescales the font, the widget and every width and height (rounded).
TEST(GridScale, ChangeScaleRescalesSizes)
{
    struct TCase { const char *Name; int M, D; int Width, Height, Default, Font; };
    const TCase Cases[] = {
        {"Double", 2, 1, 90, 40, 128, 16},
        {"ThreeHalves", 3, 2, 68, 30, 96, 12},   // 45 * 1.5 = 67.5 rounds up
        {"SameDensityChangesNothing", 4, 4, 45, 20, 64, 8},
        {"ZeroDivisorIgnored", 1, 0, 45, 20, 64, 8},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        TStringGrid Grid;
        Grid.resize(200, 100);
        Grid.Set_ColWidths(1, 45);
        Grid.Set_RowHeights(1, 20);
        Grid.ChangeScale(C.M, C.D);
        EXPECT_EQ(Grid.ColWidths(1), C.Width);
        EXPECT_EQ(Grid.RowHeights(1), C.Height);
        EXPECT_EQ(Grid.DefaultColWidth(), C.Default);
        EXPECT_EQ(Grid.ColWidths(2), C.Default);
        EXPECT_EQ(Grid.Font().Size, C.Font);
        EXPECT_EQ(Grid.width(), C.D > 0 ? (200 * C.M + C.D / 2) / C.D : 200);
    }
}

// Right to left: columns run from the right edge; rectangles, mouse positions and
// the left and right arrows are mirrored, texts are not.
TEST_F(TGridFixture, RightToLeftMirrorsColumns)
{
    // Only a right-to-left platform mirrors.
    const bool Saved = Platform_Right_To_Left();
    Set_Platform_Right_To_Left(false);
    Grid.Set_BiDiMode(bdRightToLeft);
    EXPECT_FALSE(Grid.UseRightToLeftAlignment());
    EXPECT_EQ(Grid.CellRect(1, 1), TRect(50, 20, 100, 40));
    Set_Platform_Right_To_Left(true);
    struct TRestore { bool V; ~TRestore() { Set_Platform_Right_To_Left(V); } } Restore{Saved};
    ASSERT_TRUE(Grid.UseRightToLeftAlignment());
    const int W = Grid.viewport()->width();
    struct TCase { const char *Name; int Col, Row; TRect Rect; };
    const TCase Cases[] = {
        {"FixedColumnAtTheRightEdge", 0, 0, TRect(W - 50, 0, W, 20)},
        {"FirstScrollableColumnLeftOfIt", 1, 1, TRect(W - 100, 20, W - 50, 40)},
        {"ThirdScrollableColumn", 3, 2, TRect(W - 200, 40, W - 150, 60)},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(Grid.CellRect(C.Col, C.Row), C.Rect);
        int MC = -1, MR = -1;
        Grid.MouseToCell(C.Rect.Left + 1, C.Rect.Top + 1, MC, MR);
        EXPECT_EQ(MC, C.Col);
        EXPECT_EQ(MR, C.Row);
        Grid.MouseToCell(C.Rect.Right - 1, C.Rect.Bottom - 1, MC, MR);
        EXPECT_EQ(MC, C.Col);
    }
    // The left arrow goes to the next column (to the left on screen).
    Grid.setFocus();
    QTest::keyClick(&Grid, Qt::Key_Left);
    EXPECT_EQ(Grid.Col(), 2);
    QTest::keyClick(&Grid, Qt::Key_Right);
    EXPECT_EQ(Grid.Col(), 1);
    // A cell painted red lands in its mirrored rectangle.
    Grid.OnDrawCell = [](TStringGrid *G, int C, int R, const TRect &Rect, TGridDrawState) {
        if (C == 1 && R == 1) {
            G->Canvas().Brush.Color = clRed;
            G->Canvas().FillRect(Rect);
        }
    };
    const QImage Img = Grid.viewport()->grab().toImage();
    EXPECT_EQ(QColor(Img.pixel(W - 75, 30)), QColor(Qt::red));
    EXPECT_NE(QColor(Img.pixel(75, 30)), QColor(Qt::red));
    // Back to left to right.
    Grid.Set_BiDiMode(bdLeftToRight);
    EXPECT_EQ(Grid.CellRect(1, 1), TRect(50, 20, 100, 40));
}

// The plain editor keeps the mask it is given and hands its text on unchanged.
TEST_F(TGridFixture, PlainEditorKeepsTheMask)
{
    Grid.Set_Options(Grid.Options() + goEditing);
    Grid.OnGetEditMask = [](TStringGrid *, int, int, QString &V) { V = QStringLiteral("000;0;_"); };
    Grid.setFocus();
    QTest::keyClick(&Grid, Qt::Key_F2);
    ASSERT_TRUE(Grid.EditorMode());
    EXPECT_EQ(Grid.InplaceEditor()->EditMask, "000;0;_");
    Grid.InplaceEditor()->setText(QStringLiteral("a1"));
    EXPECT_EQ(Grid.InplaceEditor()->Edit_Text(), "a1");
}

// The editor's key phases: every typed character passes the grid's KeyPress (which may
// drop or replace it), keys the editor keeps fire the grid's OnKeyDown (which may
// swallow them), and every key release reaches the grid's KeyUp.
TEST_F(TGridFixture, EditorKeyPhasesReachTheGrid)
{
    Grid.Set_Options(Grid.Options() + goEditing);
    std::vector<QString> Log;
    Grid.OnKeyDown = [&](TStringGrid *, TKey &Key, TShiftState) {
        Log.push_back(QStringLiteral("down %1").arg(Key));
        if (Key == 'X')
            Key = 0;   // swallowed: not typed
    };
    Grid.OnKeyPress = [&](TStringGrid *, QChar &Ch) {
        Log.push_back(QStringLiteral("press %1").arg(QString(Ch)));
        if (Ch == u'q')
            Ch = QChar();      // dropped
        else if (Ch == u'b')
            Ch = QChar(u'B');  // replaced
    };
    Grid.OnKeyUp = [&](TStringGrid *, TKey &Key, TShiftState) { Log.push_back(QStringLiteral("up %1").arg(Key)); };
    Grid.setFocus();
    QTest::keyClick(&Grid, Qt::Key_F2);
    ASSERT_TRUE(Grid.EditorMode());
    Log.clear();
    QTest::keyClicks(Grid.InplaceEditor(), QStringLiteral("aqbx"));
    EXPECT_EQ(Grid.InplaceEditor()->text(), "aB");
    const std::vector<QString> Want = {"down 65", "press a", "up 65", "down 81", "press q", "up 81",
                                       "down 66", "press b", "up 66", "down 88", "up 88"};
    EXPECT_EQ(Log, Want);
    // Enter goes to the grid's KeyDown and then its KeyPress, which closes the editor.
    Log.clear();
    QTest::keyClick(Grid.InplaceEditor(), Qt::Key_Return);
    EXPECT_FALSE(Grid.EditorMode());
    EXPECT_EQ(Grid.Cells(1, 1), "aB");
    ASSERT_GE(Log.size(), 2u);
    EXPECT_EQ(Log[0], "down 13");
    EXPECT_EQ(Log[1], "press \r");
}
