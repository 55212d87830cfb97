#include "GridTestLayout.h"
#include "toolkit/StringGrid.h"
#include <QApplication>
#include <QHelpEvent>
#include <QMimeData>
#include <QPainter>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>
#include <vector>

namespace {
// A grid that records what reaches its hooks.
struct THookGrid : TStringGrid {
    std::vector<std::pair<int, int>> VMessages;   // code, pos
    bool RefuseScroll = false;
    int Colors = 0, Fonts = 0, Enableds = 0, Creates = 0, Draws = 0;
    std::vector<TPoint> Drawn;
    QString HintText;
    TPoint HintAt{-1, -1};
    bool HintAllowed = true;
    Qt::CursorShape Cursor = Qt::ArrowCursor;
    bool OwnCursor = false;
    int ExtraDlgCode = 0;
    std::vector<std::pair<TGridDragState, TPoint>> Drags;
    bool AcceptDrop = false;
    int SizeHookCalls = 0;
    bool AllowSize = true;
    int ForcedSize = -1;
    bool PaintRedBorder = false;

    void WMVScroll(TWMScroll &M) override
    {
        VMessages.push_back({M.ScrollCode, M.Pos});
        if (RefuseScroll)
            M.Result = 1;
        else
            TStringGrid::WMVScroll(M);
    }
    void CMColorChanged() override { ++Colors; TStringGrid::CMColorChanged(); }
    void CMFontChanged() override { ++Fonts; TStringGrid::CMFontChanged(); }
    void CMEnabledChanged() override { ++Enableds; TStringGrid::CMEnabledChanged(); }
    void CreateWnd() override { ++Creates; }
    void DrawCell(int C, int R, const TRect &Rect, TGridDrawState S) override
    {
        Drawn.push_back({C, R});
        TStringGrid::DrawCell(C, R, Rect, S);
    }
    bool CMHintShow(TPoint Pos, QString &Hint) override
    {
        HintAt = Pos;
        Hint = HintText;
        return HintAllowed;
    }
    Qt::CursorShape WMSetCursor(TPoint Pos) override { return OwnCursor ? Cursor : TStringGrid::WMSetCursor(Pos); }
    int WMGetDlgCode() override { return TStringGrid::WMGetDlgCode() | ExtraDlgCode; }
    void DragOver(QObject *Source, int X, int Y, TGridDragState State, bool &Accept) override
    {
        Drags.push_back({State, TPoint(X, Y)});
        Accept = AcceptDrop;
        TStringGrid::DragOver(Source, X, Y, State, Accept);
    }
    bool UpdateColumnSize(int, int &AWidth) override
    {
        ++SizeHookCalls;
        if (ForcedSize >= 0)
            AWidth = ForcedSize;
        return AllowSize;
    }
    void PaintBorder(QPainter &P, const TRect &B) override
    {
        if (PaintRedBorder)
            P.fillRect(QRect(B.Left, B.Top, B.Width(), 2), Qt::red);
    }
    // The protected parts a descendant reaches.
    void Enter_State(TGridState S, int Sizing, int Origin) { Set_GridState(S, Sizing, Origin); }
    bool Tab_Moves_Focus() { return focusNextPrevChild(true); }
};

// 1 fixed + 4 columns of 50 and 1 fixed + 10 rows of 20 are visible out of 10 x 100.
struct TContractFixture : ::testing::Test {
    THookGrid Grid;
    void SetUp() override
    {
        Lay_Out_Test_Grid(Grid);
    }
};
} // namespace

// --- scroll messages ----------------------------------------------------------------------

// Each code moves the top row its way; the thumb track only with goThumbTracking.
TEST_F(TContractFixture, ScrollMessagesMoveTheTopRow)
{
    struct TCase { const char *Name; int Start; int Code; int Pos; bool Tracking; int WantTop; };
    const TCase Cases[] = {
        {"LineDown", 1, SB_LINEDOWN, 0, false, 2},
        {"LineUpAtTopStays", 1, SB_LINEUP, 0, false, 1},
        {"PageDown", 1, SB_PAGEDOWN, 0, false, 11},
        {"PageUp", 30, SB_PAGEUP, 0, false, 20},
        {"Bottom", 1, SB_BOTTOM, 0, false, 90},
        {"Top", 40, SB_TOP, 0, false, 1},
        {"TrackWithoutTracking", 1, SB_THUMBTRACK, 20, false, 1},
        {"TrackWithTracking", 1, SB_THUMBTRACK, 20, true, 21},
        {"ThumbPosition", 1, SB_THUMBPOSITION, 20, false, 21},
        {"EndScrollMovesNothing", 5, SB_ENDSCROLL, 0, false, 5},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Grid.Set_Options(C.Tracking ? Grid.Options() + goThumbTracking : Grid.Options() - goThumbTracking);
        Grid.Set_TopRow(C.Start);
        Grid.Scroll_Message(Qt::Vertical, C.Code, C.Pos);
        EXPECT_EQ(Grid.TopRow(), C.WantTop);
    }
    Grid.Scroll_Message(Qt::Horizontal, SB_PAGEDOWN);
    EXPECT_EQ(Grid.LeftCol(), 5);
}

// The bars deliver their codes to the hook, with the end of each gesture; a hook
// that handles a message itself keeps the grid (and the bar) where it is.
TEST_F(TContractFixture, BarsSendTheirCodesToTheHook)
{
    QScrollBar *Bar = Grid.verticalScrollBar();
    Bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(Grid.VMessages, (std::vector<std::pair<int, int>>{{SB_LINEDOWN, 1}, {SB_ENDSCROLL, 0}}));
    EXPECT_EQ(Grid.TopRow(), 2);
    EXPECT_EQ(Bar->value(), 1);

    Grid.VMessages.clear();
    Bar->setSliderDown(true);
    Bar->setSliderPosition(30);
    EXPECT_EQ(Grid.TopRow(), 2);   // no thumb tracking: the view waits for the drop
    Bar->setSliderDown(false);
    EXPECT_EQ(Grid.VMessages.front(), (std::pair<int, int>{SB_THUMBTRACK, 30}));
    EXPECT_EQ(Grid.VMessages.back().first, SB_ENDSCROLL);
    EXPECT_EQ(Grid.TopRow(), 31);

    Grid.RefuseScroll = true;
    Bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(Grid.TopRow(), 31);
    EXPECT_EQ(Bar->value(), 30);
    // A value set by the program still scrolls.
    Grid.RefuseScroll = false;
    Bar->setValue(10);
    EXPECT_EQ(Grid.TopRow(), 11);
}

TEST_F(TContractFixture, ScrollBarsPropertyChoosesTheBars)
{
    struct TCase { const char *Name; TScrollStyle Style; Qt::ScrollBarPolicy V, H; };
    const TCase Cases[] = {
        {"None", ssNone, Qt::ScrollBarAlwaysOff, Qt::ScrollBarAlwaysOff},
        {"Vertical", ssVertical, Qt::ScrollBarAsNeeded, Qt::ScrollBarAlwaysOff},
        {"Horizontal", ssHorizontal, Qt::ScrollBarAlwaysOff, Qt::ScrollBarAsNeeded},
        {"Both", ssBoth, Qt::ScrollBarAsNeeded, Qt::ScrollBarAsNeeded},
    };
    EXPECT_EQ(Grid.ScrollBars(), ssBoth);
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Grid.Set_ScrollBars(C.Style);
        EXPECT_EQ(Grid.ScrollBars(), C.Style);
        EXPECT_EQ(Grid.verticalScrollBarPolicy(), C.V);
        EXPECT_EQ(Grid.horizontalScrollBarPolicy(), C.H);
    }
}

// --- dragging a selection past an edge ------------------------------------------------------

TEST_F(TContractFixture, DragSelectionScrollsPastTheEdges)
{
    Grid.MouseDown(mbLeft, {}, 60, 30);   // cell (1, 1)
    Grid.MouseMove({ssLeft}, 60, 230);    // below the cells
    EXPECT_EQ(Grid.TopRow(), 2);
    EXPECT_EQ(Grid.Row(), 11);
    EXPECT_EQ(Grid.Selection(), (TGridRect{1, 1, 1, 11}));
    EXPECT_TRUE(Grid.Drag_Scroll_Step());   // the timer's step while the pointer stays there
    EXPECT_EQ(Grid.TopRow(), 3);
    Grid.MouseMove({ssLeft}, 60, 5);      // over the fixed row: back up
    EXPECT_EQ(Grid.TopRow(), 2);
    EXPECT_EQ(Grid.Row(), 2);
    Grid.MouseMove({ssLeft}, 260, 100);   // right of the cells
    EXPECT_EQ(Grid.LeftCol(), 2);
    Grid.MouseMove({ssLeft}, 60, 100);    // inside: no more scrolling
    EXPECT_FALSE(Grid.Drag_Scroll_Step());
    Grid.MouseUp(mbLeft, {}, 60, 100);
    EXPECT_FALSE(Grid.Drag_Scroll_Step());   // not selecting any more
}

// --- sizing through a sizing line ---------------------------------------------------------------

// The size changes on release, after the hook, which may change or refuse it.
TEST_F(TContractFixture, SizingDrawsALineAndAsksBeforeTheSizeChanges)
{
    Grid.Set_Options(Grid.Options() + goColSizing);
    struct TCase { const char *Name; bool Allow; int Forced; int Want; };
    const TCase Cases[] = {
        {"Accepted", true, -1, 80},
        {"ChangedByHook", true, 70, 70},
        {"Refused", false, -1, 50},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Grid.Set_ColWidths(1, 50);
        Grid.AllowSize = C.Allow;
        Grid.ForcedSize = C.Forced;
        Grid.MouseDown(mbLeft, {}, 100, 10);
        EXPECT_EQ(Grid.GridState(), gsColSizing);
        EXPECT_EQ(Grid.SizingIndex(), 1);
        Grid.MouseMove({ssLeft}, 130, 10);
        EXPECT_EQ(Grid.ColWidths(1), 50);   // not yet
        EXPECT_EQ(Grid.SizingPos(), 130);
        const QImage Img = Grid.viewport()->grab().toImage();
        EXPECT_EQ(QColor(Img.pixel(130, 150)), QColor(Qt::black));
        Grid.MouseUp(mbLeft, {}, 130, 10);
        EXPECT_EQ(Grid.ColWidths(1), C.Want);
        EXPECT_EQ(Grid.GridState(), gsNormal);
    }
    EXPECT_EQ(Grid.SizeHookCalls, 3);
}

// --- state setter, notices, creation, border ------------------------------------------------------

TEST_F(TContractFixture, DescendantsSetTheGridState)
{
    Grid.Enter_State(gsColMoving, -1, 3);
    EXPECT_EQ(Grid.GridState(), gsColMoving);
    EXPECT_EQ(Grid.MoveOrigin(), 3);
    Grid.Enter_State(gsRowSizing, 4, -1);
    EXPECT_EQ(Grid.SizingIndex(), 4);
    Grid.MouseUp(mbLeft, {}, 60, 60);
    EXPECT_EQ(Grid.GridState(), gsNormal);
}

TEST_F(TContractFixture, PropertyChangeNotices)
{
    Grid.Set_Color(clRed);
    Grid.Set_Color(clRed);   // unchanged: no notice
    TFont F = Grid.Font();
    F.Size = 12;
    Grid.Set_Font(F);
    Grid.setEnabled(false);
    EXPECT_EQ(Grid.Colors, 1);
    EXPECT_EQ(Grid.Fonts, 1);
    EXPECT_EQ(Grid.Enableds, 1);
}

TEST(StringGridContract, WindowCreationRunsOnceBeforeTheFirstShow)
{
    THookGrid Grid;
    EXPECT_FALSE(Grid.HandleAllocated());
    Grid.show();
    Grid.hide();
    Grid.show();
    EXPECT_EQ(Grid.Creates, 1);
    EXPECT_TRUE(Grid.HandleAllocated());
}

TEST_F(TContractFixture, BorderStyleAndBorderPainting)
{
    Grid.setFrameShape(QFrame::StyledPanel);
    Grid.Set_BorderStyle(bsNone);
    EXPECT_EQ(Grid.frameShape(), QFrame::NoFrame);
    Grid.Set_BorderStyle(bsSingle);
    EXPECT_EQ(Grid.frameShape(), QFrame::StyledPanel);
    Grid.PaintRedBorder = true;
    const QImage Img = Grid.grab().toImage();
    EXPECT_EQ(QColor(Img.pixel(120, 0)), QColor(Qt::red));
}

// --- hint, cursor, dialog code, drag-over -----------------------------------------------------------------

TEST_F(TContractFixture, HintHookSeesThePointAndMaySuppress)
{
    Grid.HintText = QStringLiteral("cell hint");
    QHelpEvent E(QEvent::ToolTip, QPoint(70, 45), Grid.viewport()->mapToGlobal(QPoint(70, 45)));
    QApplication::sendEvent(Grid.viewport(), &E);
    EXPECT_EQ(Grid.HintAt, TPoint(70, 45));
    Grid.HintAllowed = false;
    QHelpEvent E2(QEvent::ToolTip, QPoint(10, 10), Grid.viewport()->mapToGlobal(QPoint(10, 10)));
    QApplication::sendEvent(Grid.viewport(), &E2);
    EXPECT_EQ(Grid.HintAt, TPoint(10, 10));
}

TEST_F(TContractFixture, CursorComesFromTheHook)
{
    Grid.Set_Options(Grid.Options() + goColSizing);
    struct TCase { const char *Name; bool Own; QPoint At; Qt::CursorShape Want; };
    const TCase Cases[] = {
        {"OverSizableLine", false, QPoint(100, 10), Qt::SplitHCursor},
        {"OverCell", false, QPoint(70, 70), Qt::ArrowCursor},
        {"OwnCursor", true, QPoint(70, 70), Qt::PointingHandCursor},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Grid.OwnCursor = C.Own;
        Grid.Cursor = Qt::PointingHandCursor;
        QMouseEvent Move(QEvent::MouseMove, QPointF(C.At), Grid.viewport()->mapToGlobal(QPointF(C.At)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(Grid.viewport(), &Move);
        EXPECT_EQ(Grid.viewport()->cursor().shape(), C.Want);
    }
}

TEST_F(TContractFixture, DialogCodeDecidesWhetherTabStays)
{
    EXPECT_EQ(Grid.WMGetDlgCode() & DLGC_WANTTAB, 0);
    EXPECT_NE(Grid.WMGetDlgCode() & DLGC_WANTARROWS, 0);
    Grid.ExtraDlgCode = DLGC_WANTTAB;
    EXPECT_FALSE(Grid.Tab_Moves_Focus());
    Grid.ExtraDlgCode = 0;
    Grid.Set_Options(Grid.Options() + goTabs);
    EXPECT_NE(Grid.WMGetDlgCode() & DLGC_WANTTAB, 0);
}

TEST_F(TContractFixture, DragOverHookDecidesAcceptance)
{
    QMimeData Data;
    Data.setText(QStringLiteral("x"));
    // (Qt delivers no further moves to a window that refused the drag's entry.)
    struct TCase { const char *Name; bool Accept; size_t Calls; };
    const TCase Cases[] = {{"Accepted", true, 3}, {"Refused", false, 1}};
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Grid.Drags.clear();
        Grid.AcceptDrop = C.Accept;
        QDragEnterEvent Enter(QPoint(60, 40), Qt::CopyAction, &Data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(Grid.viewport(), &Enter);
        EXPECT_EQ(Enter.isAccepted(), C.Accept);
        EXPECT_EQ(Grid.Drags.front(), (std::pair<TGridDragState, TPoint>{dsGridDragEnter, TPoint(60, 40)}));
        QDragMoveEvent Move(QPoint(70, 50), Qt::CopyAction, &Data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(Grid.viewport(), &Move);
        QDragLeaveEvent Leave;
        QApplication::sendEvent(Grid.viewport(), &Leave);
        ASSERT_EQ(Grid.Drags.size(), C.Calls);
        if (C.Calls < 3)
            continue;
        EXPECT_TRUE(Move.isAccepted());
        EXPECT_EQ(Grid.Drags[1], (std::pair<TGridDragState, TPoint>{dsGridDragMove, TPoint(70, 50)}));
        EXPECT_EQ(Grid.Drags[2].first, dsGridDragLeave);
    }
}

// --- painting only what was asked for ------------------------------------------------------------------------

// A paint of one cell's rectangle draws that cell only; a full paint draws every visible cell.
TEST_F(TContractFixture, PaintsOnlyTheCellsInTheUpdateRegion)
{
    Grid.Drawn.clear();
    Grid.viewport()->grab(QRect(110, 70, 20, 10));   // inside cell (2, 3)
    EXPECT_EQ(Grid.Drawn, (std::vector<TPoint>{TPoint(2, 3)}));
    Grid.Drawn.clear();
    Grid.viewport()->grab();
    EXPECT_EQ(Grid.Drawn.size(), 5u * 11u);
}
