// The string grid's scrolling and sizing: proportional thumbs, scroll hints
// and live scrolling, a cell scrolled into view, scrolling while dragging,
// column stretching, proportional sizing of all columns and rows, moving
// rows, sizing borders and the bars shown always.
#include "grid/base/GridAuxWindows.h"
#include "grid/stringgrid/GridEditorControls.h"
#include "grid/stringgrid/GridPanels.h"
#include "grid/stringgrid/RIraRevadiVizo.h"
#include <QCoreApplication>
#include <QCursor>
#include <QApplication>
#include <QLabel>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>

namespace {
// A grid of Cols x Rows cells of the given sizes, no fixed cells unless asked.
std::unique_ptr<RIraRevadiVizo> Make_Grid(int Cols, int Rows, int ColW, int RowH, int Fixed = 0)
{
    auto G = std::make_unique<RIraRevadiVizo>();
    G->Set_ColCount(Cols);
    G->Set_RowCount(Rows);
    G->Set_FixedCols(Fixed);
    G->Set_FixedRows(Fixed);
    G->Set_DefaultColWidth(ColW);
    G->Set_DefaultRowHeight(RowH);
    return G;
}
} // namespace

// --- proportional thumbs -----------------------------------------------------------------------------

// The thumb's share of the track follows the visible share of the columns;
// positions run 0..127 whatever the grid's size.
TEST(StringGridScroll, ProportionalHorizontalThumb)
{
    // Ten 100-pixel columns (1-pixel lines): 1011 pixels; 405 of them are in
    // view (40 %): Share = 404 / 1011, Max = trunc((Share + 127) / (1 - Share))
    // = 212, Page = Max - 126 = 86.
    auto G = Make_Grid(10, 3, 100, 20);
    G->resize(405, 120);
    G->Set_ScrollProportional(true);
    QScrollBar *Bar = G->horizontalScrollBar();
    ASSERT_TRUE(G->Bar_Is_Proportional(Qt::Horizontal));
    EXPECT_EQ(Bar->minimum(), 0);
    EXPECT_EQ(Bar->maximum(), 127);
    EXPECT_EQ(Bar->pageStep(), 86);
    EXPECT_EQ(Bar->value(), 0);
    // The rows fit: the vertical bar keeps its offsets.
    EXPECT_FALSE(G->Bar_Is_Proportional(Qt::Vertical));

    // Thumb positions stand for columns over the 128 steps.
    struct TCase { const char *Name; int Pos; int WantLeft; };
    const int Span = G->ColCount() - G->VisibleColCount();
    const TCase Cases[] = {
        {"FirstPosition", 0, 0},
        {"MiddlePosition", 64, static_cast<int>(std::lround(64.0 * Span / 127))},
        {"LastPosition", 127, Span},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        G->Scroll_Message(Qt::Horizontal, SB_THUMBPOSITION, C.Pos);
        EXPECT_EQ(G->LeftCol(), C.WantLeft);
        // the bar shows the grid's position again on the 128-step scale
        EXPECT_EQ(Bar->maximum(), 127);
    }
    EXPECT_EQ(Bar->value(), 127);
    // Switched off, the bar counts columns again.
    G->Set_ScrollProportional(false);
    EXPECT_FALSE(G->Bar_Is_Proportional(Qt::Horizontal));
    EXPECT_EQ(Bar->value(), G->LeftCol());
}

TEST(StringGridScroll, ProportionalVerticalThumbAndFittingGrid)
{
    // 40 rows of 20 pixels: the vertical thumb goes proportional; a grid
    // whose columns all fit keeps its horizontal bar untouched.
    auto G = Make_Grid(3, 40, 50, 20);
    G->resize(300, 200);
    const int OldHMax = G->horizontalScrollBar()->maximum();
    G->Set_ScrollProportional(true);
    EXPECT_TRUE(G->Bar_Is_Proportional(Qt::Vertical));
    EXPECT_EQ(G->verticalScrollBar()->maximum(), 127);
    EXPECT_FALSE(G->Bar_Is_Proportional(Qt::Horizontal));
    EXPECT_EQ(G->horizontalScrollBar()->maximum(), OldHMax);
    G->Set_TopRow(G->RowCount() - 1);   // the end: the last position
    EXPECT_EQ(G->verticalScrollBar()->value(), 127);
    // The lock keeps the bars as the platform sets them.
    G->Set_ScrollLock(true);
    G->Set_TopRow(0);
    EXPECT_FALSE(G->Bar_Is_Proportional(Qt::Vertical));
}

// --- hints and live scrolling while the thumb is dragged --------------------------------------------

TEST(StringGridScroll, ThumbHintsAndSynch)
{
    struct TCase {
        const char *Name;
        TScrollHintType Hints;
        Qt::Orientation Bar;
        bool Handler;
        const char *Want;   // nullptr: no hint shows
    };
    const TCase Cases[] = {
        {"RowOfTheThumb", shVertical, Qt::Vertical, false, "Row : 25"},
        {"ColumnOfTheThumb", shBoth, Qt::Horizontal, false, "Col : 25"},
        {"HandlerText", shVertical, Qt::Vertical, true, "row 25 of 60"},
        {"OtherBarOnly", shHorizontal, Qt::Vertical, false, nullptr},
        {"NoHints", shNone, Qt::Horizontal, false, nullptr},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        auto G = Make_Grid(60, 60, 40, 20, 1);
        G->resize(300, 200);
        G->Set_ScrollHints(C.Hints);
        if (C.Handler)
            G->OnScrollHint = [](QObject *, int ARow, QString &Hint) { Hint = QStringLiteral("row %1 of 60").arg(ARow); };
        const int TopBefore = G->TopRow(), LeftBefore = G->LeftCol();
        // the thumb stands on offset 24 from the one fixed row or column
        G->Scroll_Message(C.Bar, SB_THUMBTRACK, 24);
        if (C.Want) {
            ASSERT_TRUE(G->ScrollHintShowing());
            EXPECT_EQ(G->ScrollHintWindow()->text(), C.Want);
            EXPECT_EQ(G->ScrollHintWindow()->pos(), QCursor::pos() + QPoint(10, 0));
        } else {
            EXPECT_FALSE(G->ScrollHintShowing());
        }
        // without thumb tracking or synch the view waits for the drop
        EXPECT_EQ(G->TopRow(), TopBefore);
        EXPECT_EQ(G->LeftCol(), LeftBefore);
        G->Scroll_Message(C.Bar, SB_ENDSCROLL);
        EXPECT_FALSE(G->ScrollHintShowing());
    }
}

TEST(StringGridScroll, SynchFollowsTheDraggedThumb)
{
    auto G = Make_Grid(60, 60, 40, 20, 1);
    G->resize(300, 200);
    G->Set_ScrollSynch(true);
    G->Scroll_Message(Qt::Vertical, SB_THUMBTRACK, 10);
    EXPECT_EQ(G->TopRow(), 11);
    G->Scroll_Message(Qt::Horizontal, SB_THUMBTRACK, 7);
    EXPECT_EQ(G->LeftCol(), 8);
}

// --- a cell scrolled into view ------------------------------------------------------------------------

TEST(StringGridScroll, ScrollInViewCentres)
{
    auto G = Make_Grid(30, 100, 40, 20, 1);
    G->resize(300, 200);
    const int VR = G->VisibleRowCount(), VC = G->VisibleColCount();

    // A visible cell changes nothing.
    G->ScrollInView(2, 3);
    EXPECT_EQ(G->TopRow(), 1);
    EXPECT_EQ(G->LeftCol(), 1);
    EXPECT_EQ(G->Row(), 1);
    // A cell beyond the grid is ignored.
    G->ScrollInView(2, 100);
    EXPECT_EQ(G->TopRow(), 1);
    // A cell far below and right becomes current and is centred.
    G->ScrollInView(20, 50);
    EXPECT_EQ(G->Row(), 50);
    EXPECT_EQ(G->Col(), 20);
    EXPECT_EQ(G->TopRow(), 50 - VR / 2);
    EXPECT_EQ(G->LeftCol(), 20 - VC / 2);
    // Near the top the view stops at the first scrollable row.
    G->ScrollInView(20, 2);
    EXPECT_EQ(G->TopRow(), 1);
    EXPECT_EQ(G->Row(), 2);
}

// --- scrolling while something is dragged over the grid ----------------------------------------------

TEST(StringGridScroll, DragScrollInTheMargins)
{
    auto G = Make_Grid(30, 100, 40, 20, 1);
    G->resize(300, 200);
    G->DragScrollOptions().Active = true;
    G->Set_TopRow(5);
    G->Set_LeftCol(5);
    bool Accept = false;

    // Over the top margin: a timer waits the initial delay, then each step
    // moves one row and the steps repeat at the repeat delay.
    G->DragOver(nullptr, 150, 10, dsGridDragEnter, Accept);
    ASSERT_NE(G->DragScrollTimer(), nullptr);
    EXPECT_EQ(G->DragScrollTimer()->interval(), 1000);
    EXPECT_TRUE(G->DragScrollDirection() == TDragScrollDirection{dsdUp});
    G->DragScrollStep();
    EXPECT_EQ(G->TopRow(), 4);
    EXPECT_EQ(G->DragScrollTimer()->interval(), 250);
    G->DragScrollStep();
    EXPECT_EQ(G->TopRow(), 3);

    // A move inside the margin starts the initial delay again.
    G->DragOver(nullptr, 150, 12, dsGridDragMove, Accept);
    EXPECT_EQ(G->DragScrollTimer()->interval(), 1000);

    // The corner: up and right at once; a handler may refuse a step.
    G->DragOver(nullptr, 290, 10, dsGridDragMove, Accept);
    EXPECT_TRUE(G->DragScrollDirection() == (TDragScrollDirection{dsdUp, dsdRight}));
    G->DragScrollStep();
    EXPECT_EQ(G->TopRow(), 2);
    EXPECT_EQ(G->LeftCol(), 6);
    G->OnDragScroll = [](QObject *, int, int, TDragScrollDirection &, bool &CanScroll) { CanScroll = false; };
    G->DragScrollStep();
    EXPECT_EQ(G->TopRow(), 2);
    G->OnDragScroll = nullptr;

    // The middle, leaving, or the option off: no timer.
    G->DragOver(nullptr, 150, 100, dsGridDragMove, Accept);
    EXPECT_EQ(G->DragScrollTimer(), nullptr);
    G->DragOver(nullptr, 150, 190, dsGridDragMove, Accept);
    EXPECT_NE(G->DragScrollTimer(), nullptr);
    G->DragOver(nullptr, -1, -1, dsGridDragLeave, Accept);
    EXPECT_EQ(G->DragScrollTimer(), nullptr);
    G->DragOver(nullptr, 150, 190, dsGridDragMove, Accept);
    G->DragScrollOptions().Active = false;
    G->DragScrollStep();   // a tick after the option went off ends the timer
    EXPECT_EQ(G->DragScrollTimer(), nullptr);
    G->DragOver(nullptr, 150, 10, dsGridDragMove, Accept);
    EXPECT_EQ(G->DragScrollTimer(), nullptr);
}

// --- stretching a column ------------------------------------------------------------------------------

TEST(StringGridScroll, StretchColumnRules)
{
    struct TCase {
        const char *Name;
        int Cols;
        int OtherWidth;   // width of every other column
        bool Stretch;
        bool ScrolledRight;
        int Want;         // width of the last column afterwards; -1: the client width
    };
    const TCase Cases[] = {
        {"StretchOffChangesNothing", 3, 50, false, false, 33},
        {"FillsTheRest", 3, 50, true, false, -2},
        {"OthersTooWideTakesDefault", 6, 120, true, false, 64},
        {"OthersTooWideScrolledKeepsWidth", 6, 120, true, true, 33},
        {"SingleColumnTakesClientWidth", 1, 0, true, false, -1},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        auto G = Make_Grid(C.Cols, 5, 64, 20);
        G->resize(300, 200);
        for (int I = 0; I + 1 < C.Cols; ++I)
            G->Set_ColWidths(I, C.OtherWidth);
        const int Last = C.Cols - 1;
        G->Set_ColWidths(Last, 33);
        if (C.ScrolledRight)
            G->Set_LeftCol(2);
        G->ColumnSize().Set_Stretch(C.Stretch);   // no parent: nothing happens yet
        G->StretchColumn(-1);
        int Want = C.Want;
        const int ClientW = G->width() - 2 * G->frameWidth();
        if (Want == -1)
            Want = ClientW;
        if (Want == -2)
            Want = ClientW - (C.Cols - 1) * C.OtherWidth - 1;
        EXPECT_EQ(G->ColWidths(Last), Want);
    }
    auto G = Make_Grid(3, 5, 64, 20);
    EXPECT_THROW(G->StretchColumn(3), std::runtime_error);
    EXPECT_NO_THROW(G->StretchRightColumn());
}

// The window's resize moves the grid's size along and stretches again; each
// width change of another column stretches the column too.
TEST(StringGridScroll, FormResizeSizesAndStretches)
{
    QWidget Window;
    Window.resize(500, 400);
    auto *G = new RIraRevadiVizo(&Window);
    G->Set_ColCount(3);
    G->Set_FixedCols(0);
    G->setGeometry(10, 10, 300, 200);
    Window.show();
    G->ColumnSize().Set_Stretch(true);   // on a window: stretches at once
    QCoreApplication::processEvents();    // the bars settle
    const auto Client = [G] { return G->viewport()->width(); };
    EXPECT_EQ(G->ColWidths(2), Client() - 2 * 64 - 1);

    G->Set_SizeWithForm(true);
    Window.resize(560, 430);
    QCoreApplication::processEvents();
    EXPECT_EQ(G->width(), 360);
    EXPECT_EQ(G->height(), 230);
    EXPECT_EQ(G->ColWidths(2), Client() - 2 * 64 - 1);

    G->Set_ColWidths(0, 100);
    EXPECT_EQ(G->ColWidths(2), Client() - 100 - 64 - 1);
}

// --- sizing all columns or rows with the one the user sized --------------------------------------------

TEST(StringGridScroll, AllColumnAndRowSize)
{
    // Widening column 2 from 50 to 75 pixels scales the other non-fixed
    // columns by 1.5, halves rounded to even.
    auto G = Make_Grid(6, 6, 30, 20, 1);
    G->Set_ColWidths(2, 50);
    G->Set_ColWidths(4, 25);
    G->Set_ColWidths(5, 15);
    G->MouseActions().Set_AllColumnSize(true);
    int Ended = -1;
    G->OnEndColumnSize = [&](QObject *, int ACol) { Ended = ACol; };
    G->Set_User_Column_Sizing(2, 50);
    G->Set_ColSized(true);
    G->Set_ColWidths(2, 75);
    struct TCase { const char *Name; int Col; int Want; };
    const TCase Cases[] = {
        {"FixedColumnStays", 0, 30},
        {"ThirtyBecomesFortyFive", 1, 45},
        {"SizedColumnKeepsItsWidth", 2, 75},
        {"HalfRoundsToEvenUp", 4, 38},   // 37.5
        {"HalfRoundsToEvenDown", 5, 22}, // 22.5
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(G->ColWidths(C.Col), C.Want);
    }
    EXPECT_EQ(Ended, 2);
    EXPECT_FALSE(G->ColSized());
    EXPECT_EQ(G->Colclicked(), -1);

    // The update hook may change the sized column's width afterwards.
    G->OnUpdateColumnSize = [](QObject *, int, int &AWidth) { AWidth = 80; };
    G->MouseActions().Set_AllColumnSize(false);
    G->Set_User_Column_Sizing(3, 45);
    G->Set_ColSized(true);
    G->Set_ColWidths(3, 60);
    EXPECT_EQ(G->ColWidths(3), 80);
    EXPECT_EQ(G->ColWidths(1), 45);

    // Rows likewise.
    G->Set_RowHeights(3, 10);
    G->MouseActions().Set_AllRowSize(true);
    int RowEnded = -1;
    G->OnEndRowSize = [&](QObject *, int ARow) { RowEnded = ARow; };
    G->Set_User_Row_Sizing(2, 20);
    G->Set_RowSized(true);
    G->Set_RowHeights(2, 30);
    EXPECT_EQ(G->RowHeights(0), 20);
    EXPECT_EQ(G->RowHeights(1), 30);
    EXPECT_EQ(G->RowHeights(3), 15);
    EXPECT_EQ(RowEnded, 2);
}

// An editor control open over a cell follows the cell when a column left of
// it, or its own column, changes width.
TEST(StringGridScroll, EditorControlFollowsWidthChanges)
{
    auto G = Make_Grid(5, 6, 64, 22, 1);
    G->resize(420, 200);
    G->Set_Options(G->Options() + goEditing);
    G->OnGetEditorType = [](QObject *, int, int, TEditorType &E) { E = edSpinEdit; };
    G->show();
    QApplication::setActiveWindow(G.get());
    G->setFocus();
    G->Set_Col(2);
    G->Set_Row(2);
    QTest::keyClick(G.get(), Qt::Key_F2);
    QWidget *S = G->SpinEdit();
    ASSERT_TRUE(S->isVisible());
    const int Height = S->height();
    struct TCase { const char *Name; int Col; int Width; };
    const TCase Cases[] = {{"ColumnLeftOfTheCell", 1, 100}, {"TheCellsOwnColumn", 2, 90}};
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        G->Set_ColWidths(C.Col, C.Width);
        const TRect R = G->CellRect(2, 2);
        EXPECT_EQ(S->x(), R.Left);
        EXPECT_EQ(S->y(), R.Top);
        EXPECT_EQ(S->width(), R.Right - R.Left - 1);
        EXPECT_EQ(S->height(), Height);
    }
}

// --- moving rows -----------------------------------------------------------------------------------------

TEST(StringGridScroll, MoveRows)
{
    struct TCase { const char *Name; int From, To, Count; const char *Want; };
    const TCase Cases[] = {
        {"DownPastTheBlock", 2, 6, 2, "0145236789"},
        {"Up", 6, 1, 3, "0678123459"},
        {"SamePlace", 3, 3, 2, "0123456789"},
        {"NoRows", 3, 5, 0, "0123456789"},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        auto G = Make_Grid(2, 10, 40, 20);
        for (int R = 0; R < 10; ++R)
            G->Set_Cells(0, R, QString::number(R));
        G->MoveRows(C.From, C.To, C.Count);
        QString Got;
        for (int R = 0; R < 10; ++R)
            Got += G->Cells(0, R);
        EXPECT_EQ(Got, C.Want);
    }
}

// --- sizing borders --------------------------------------------------------------------------------------

TEST(StringGridScroll, SizingBorders)
{
    auto G = Make_Grid(5, 5, 64, 22, 1);
    G->resize(400, 250);
    G->Set_Options(G->Options() + goColSizing);
    const TRect H = G->CellRect(2, 0);   // a header cell
    const TRect D = G->CellRect(2, 3);   // a data cell well below the header
    struct TCase { const char *Name; int X, Y; bool Want; };
    const TCase Cases[] = {
        {"ThreeRightOfTheBorder", H.Left + 3, H.Top + 5, true},
        {"FourRightOfTheBorder", H.Left + 4, H.Top + 5, false},
        {"NearTheRightEdge", H.Right - 2, H.Top + 5, true},
        {"FirstDataRowCounts", G->CellRect(2, 1).Left + 1, G->CellRect(2, 1).Top + 5, true},
        {"LowerRowsDoNot", D.Left + 1, D.Top + 5, false},
        {"OutsideTheCells", -5, -5, false},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(G->IsOnSizingBorder(C.X, C.Y), C.Want);
    }
    // Row sizing near the fixed column's row borders replaces the answer.
    G->Set_Options(G->Options() - goColSizing + goRowSizing);
    const TRect F = G->CellRect(0, 3);
    EXPECT_TRUE(G->IsOnSizingBorder(F.Left + 10, F.Top + 2));
    EXPECT_FALSE(G->IsOnSizingBorder(F.Left + 10, F.Top + 8));
}

// --- bars shown always -------------------------------------------------------------------------------------

TEST(StringGridScroll, ScrollBarAlways)
{
    struct TCase { const char *Name; TScrollBarAlways Always; bool VOn, HOn; };
    const TCase Cases[] = {
        {"None", saNone, false, false},
        {"Vertical", saVert, true, false},
        {"Horizontal", saHorz, false, true},
        {"Both", saBoth, true, true},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        auto G = Make_Grid(3, 3, 40, 20, 1);   // everything fits
        G->resize(300, 200);
        G->Set_ScrollBarAlways(C.Always);
        EXPECT_EQ(G->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn, C.VOn);
        EXPECT_EQ(G->horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOn, C.HOn);
        // a bar shown on a fitting direction has nothing to scroll
        if (C.VOn) {
            EXPECT_FALSE(G->verticalScrollBar()->isEnabled());
        }
        if (C.HOn) {
            EXPECT_FALSE(G->horizontalScrollBar()->isEnabled());
        }
    }
    // A bar that scrolls is enabled.
    auto G = Make_Grid(3, 50, 40, 20, 1);
    G->resize(300, 200);
    G->Set_ScrollBarAlways(saVert);
    EXPECT_TRUE(G->verticalScrollBar()->isEnabled());
}

// --- bar kinds, arrows and copying ---------------------------------------------------------------------------

TEST(StringGridScroll, MetroScrollControls)
{
    QWidget Window;
    Window.resize(420, 280);
    auto *G = new RIraRevadiVizo(&Window);
    G->setGeometry(10, 10, 400, 250);
    G->Set_RowCount(60);
    G->Set_ColCount(20);
    // Before the window exists the type is only stored.
    G->Set_ScrollType(ssMetro);
    EXPECT_EQ(G->VertScrollControl(), nullptr);
    Window.show();
    QCoreApplication::processEvents();
    ASSERT_NE(G->VertScrollControl(), nullptr);
    ASSERT_NE(G->HorzScrollControl(), nullptr);
    EXPECT_EQ(G->ScrollBars(), ssNone);
    EXPECT_EQ(G->VertScrollControl()->width(), 6);
    EXPECT_EQ(G->HorzScrollControl()->height(), 6);
    // along the right and bottom edges of the cells
    const QRect V = G->viewport()->geometry();
    EXPECT_EQ(G->VertScrollControl()->geometry().right(), V.right());
    EXPECT_EQ(G->HorzScrollControl()->geometry().bottom(), V.bottom());
    // The controls follow the grid and move it.
    G->Set_TopRow(10);
    EXPECT_EQ(G->VertScrollControl()->Position(), 9);
    G->VertScrollControl()->OnScroll(20);
    EXPECT_EQ(G->TopRow(), 21);
    EXPECT_EQ(G->VertScrollControl()->Position(), 20);
    G->HorzScrollControl()->OnScroll(3);
    EXPECT_EQ(G->LeftCol(), 4);
    // A point at the track's end stands for the last position.
    TScrollControl *VC = G->VertScrollControl();
    EXPECT_EQ(VC->Position_At(VC->height()), VC->Max());
    EXPECT_EQ(VC->Position_At(0), 0);
    // Another type frees them and brings both bars back.
    G->Set_ScrollType(ssFlat);
    EXPECT_EQ(G->VertScrollControl(), nullptr);
    EXPECT_EQ(G->ScrollBars(), ssBoth);
    EXPECT_FALSE(G->IsFlat());   // no flat bars here: standard ones stay
}

TEST(StringGridScroll, ArrowColourAndCopiedScrollSettings)
{
    RIraRevadiVizo A;
    EXPECT_EQ(A.ArrowColor(), clLime);
    A.Set_ArrowColor(clRed);
    for (TArrowDirection D : {arrUp, arrDown, arrLeft, arrRight})
        EXPECT_EQ(A.Arrow(D)->Color(), clRed);

    A.Set_ScrollProportional(true);
    A.Set_ScrollSynch(true);
    A.Set_ScrollHints(shBoth);
    A.Set_ScrollBarAlways(saVert);
    A.Set_ScrollBars(ssVertical);
    A.DragScrollOptions().Active = true;
    A.DragScrollOptions().Delays.RepeatDelay = 100;
    RIraRevadiVizo B;
    B.Assign(&A);
    EXPECT_TRUE(B.ScrollProportional());
    EXPECT_TRUE(B.ScrollSynch());
    EXPECT_EQ(B.ScrollHints(), shBoth);
    EXPECT_EQ(B.ScrollBarAlways(), saVert);
    EXPECT_EQ(B.ScrollBars(), ssVertical);
    EXPECT_TRUE(B.DragScrollOptions().Active);
    EXPECT_EQ(B.DragScrollOptions().Delays.RepeatDelay, 100);
}

// The bar worked by the user in proportional mode: page steps move the grid
// by a page and the thumb lands on the grid's proportional position; a thumb
// dragged and dropped takes the grid to the row its position stands for.
TEST(StringGridScroll, ProportionalBarWorkedByTheUser)
{
    QWidget Window;
    Window.resize(340, 240);
    auto *G = new RIraRevadiVizo(&Window);
    G->setGeometry(10, 10, 300, 200);
    G->Set_ColCount(3);
    G->Set_RowCount(200);
    Window.show();
    QCoreApplication::processEvents();
    G->Set_ScrollProportional(true);
    QScrollBar *Bar = G->verticalScrollBar();
    ASSERT_TRUE(G->Bar_Is_Proportional(Qt::Vertical));
    const int Page = G->VisibleRowCount();

    Bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    QCoreApplication::processEvents();
    EXPECT_EQ(G->TopRow(), 1 + Page);
    const int AfterPage = Bar->value();
    EXPECT_GT(AfterPage, 0);
    EXPECT_LT(AfterPage, 127);

    // Dragging without thumb tracking moves the grid only on the drop.
    Bar->setSliderDown(true);
    Bar->setSliderPosition(127);
    EXPECT_EQ(G->TopRow(), 1 + Page);
    Bar->setSliderDown(false);
    QCoreApplication::processEvents();
    EXPECT_EQ(G->TopRow(), G->RowCount() - G->VisibleRowCount());
    EXPECT_EQ(Bar->value(), 127);

    // A value set by a program scrolls the grid on the same scale.
    Bar->setValue(0);
    QCoreApplication::processEvents();
    EXPECT_EQ(G->TopRow(), 1);
}

// A proportional thumb's hint names the row its position stands for; a grid
// without fixed columns closes its editor when the view passes the current column.
TEST(StringGridScroll, ProportionalHintAndEditorClosedByScrolling)
{
    auto G = Make_Grid(3, 201, 40, 20, 1);
    G->resize(300, 200);
    G->Set_ScrollProportional(true);
    G->Set_ScrollHints(shVertical);
    ASSERT_TRUE(G->Bar_Is_Proportional(Qt::Vertical));
    const int Span = G->RowCount() - G->VisibleRowCount() - G->FixedRows();
    G->Scroll_Message(Qt::Vertical, SB_THUMBTRACK, 127);
    EXPECT_EQ(G->ScrollHintWindow()->text(), QStringLiteral("Row : %1").arg(1 + Span));
    G->Scroll_Message(Qt::Vertical, SB_ENDSCROLL);

    auto H = Make_Grid(30, 5, 40, 20, 0);
    H->resize(300, 200);
    H->Set_Options(H->Options() + goEditing);
    H->Set_Col(3);
    H->ShowInplaceEdit();
    ASSERT_TRUE(H->EditorMode());
    H->Scroll_Message(Qt::Horizontal, SB_THUMBPOSITION, 2);   // column 2 stays left of it
    EXPECT_TRUE(H->EditorMode());
    H->Scroll_Message(Qt::Horizontal, SB_THUMBPOSITION, 5);
    EXPECT_FALSE(H->EditorMode());
}
