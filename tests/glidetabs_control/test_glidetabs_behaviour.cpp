#include "StripTestSupport.h"
#include <QApplication>
#include <QMetaObject>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class GlideTabsBehaviour : public ::testing::Test
{
protected:
    TDrivenClock Clock;
    TClockGuard Guard{&Clock};
    QWidget Window;
    std::unique_ptr<TCountingStrip> S;

    void SetUp() override
    {
        Clock.Ticks = 1000;
        Window.resize(1000, 100);
        S = std::make_unique<TCountingStrip>(&Window);
        S->setGeometry(0, 0, 900, 30);
        Window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Window));
    }
    void TearDown() override { S.reset(); }
};

struct THitCase
{
    const char *Name;
    int Active;
    int Expected_Index;
};
const THitCase Overlap_Cases[] = {
    // where two tabs overlap the active one wins ...
    {"ActiveRightTabWins", 1, 1},
    {"ActiveLeftTabWins", 0, 0},
    // ... and otherwise the lower index
    {"LowerIndexWins", 2, 0},
};

TEST_F(GlideTabsBehaviour, HitTestInOverlap)
{
    S->Options().Display().AddButton().SetVisibility(avNone);
    S->Options().Display().CloseButton().SetVisibility(bvNever);
    Add_Tabs(*S, {"A", "B", "C"});
    Settle(*S, Clock);
    ASSERT_EQ(End_Rect(*S, 0), TGlideRect(0, 4, 215, 30));
    ASSERT_EQ(End_Rect(*S, 1).Left, 200);
    for (const THitCase &C : Overlap_Cases) {
        SCOPED_TRACE(C.Name);
        S->SetActiveTabIndex(C.Active);
        const THitTestResult H = S->HitTest(QPoint(207, 27));
        EXPECT_EQ(H.HitTestArea, htTab);
        EXPECT_EQ(H.TabIndex, C.Expected_Index);
    }
    EXPECT_EQ(S->HitTest(QPoint(-1, 10)).HitTestArea, htNowhere);
    EXPECT_EQ(S->HitTest(QPoint(800, 20)).HitTestArea, htBackground);
}

// Without OverlayButtons a point outside the tab container is background even over a tab.
TEST_F(GlideTabsBehaviour, HitTestOutsideContainer)
{
    S->resize(400, 30);
    S->Options().Display().AddButton().SetVisibility(avNone);
    S->Options().Display().Tabs().SetMinWidth(150);
    Add_Tabs(*S, {"A", "B", "C", "D"});
    Settle(*S, Clock);
    Settle(*S, Clock);
    ASSERT_EQ(S->TabContainerRect().Right, 366);
    S->SetActiveTabIndex(0);
    S->SetScrollOffset(0);
    // right of the container, below the scroll buttons, over the third tab
    const QPoint P(S->TabContainerRect().Right + 5, 27);
    EXPECT_EQ(S->HitTest(P).HitTestArea, htTab);
    S->Options().Display().TabContainer().SetOverlayButtons(false);
    EXPECT_EQ(S->HitTest(P).HitTestArea, htBackground);
}

// Activating a tab beyond the visible band scrolls it into view before the event fires.
TEST_F(GlideTabsBehaviour, ActivationScrollsIntoView)
{
    S->resize(400, 30);
    S->Options().Display().AddButton().SetVisibility(avNone);
    S->Options().Display().Tabs().SetMinWidth(150);
    Add_Tabs(*S, {"A", "B", "C", "D"});
    S->SetActiveTabIndex(0);
    Settle(*S, Clock);
    Settle(*S, Clock);
    S->SetScrollOffset(0);
    int Offset_Seen = -1;
    S->OnActiveTabChanged = [&](QObject *, TGlideTab *) { Offset_Seen = S->ScrollOffset(); };
    S->SetActiveTabIndex(3);
    // the offset that shows the tab's end, limited to the maximum
    const TGlideRect E = End_Rect(*S, 3);
    EXPECT_EQ(Offset_Seen, std::min(E.Right + 15 - S->TabContainerRect().Width(), S->MaxScrollOffset()));
    EXPECT_EQ(Offset_Seen, S->ScrollOffset());
    EXPECT_GT(Offset_Seen, 0);
    S->SetActiveTabIndex(0);
    EXPECT_EQ(S->ScrollOffset(), 0);
}

// After a middle tab is closed the next one takes its place and width, and
// the others keep theirs until the mouse has been away long enough.
TEST_F(GlideTabsBehaviour, SmartResizeAfterClose)
{
    S->Options().Display().AddButton().SetVisibility(avNone);
    S->Options().Display().Tabs().SetMaxWidth(300);
    Add_Tabs(*S, {"A", "B", "C", "D"});
    S->SetActiveTabIndex(0);
    Settle(*S, Clock);
    // 866 pixels of container: four tabs of 212 and three remainder pixels
    ASSERT_EQ(S->AdjustedTabWidth(), 212);
    const TGlideRect Closed = End_Rect(*S, 1);
    ASSERT_EQ(Closed, TGlideRect(213, 4, 440, 30));
    const TGlideRect CB = S->GetTabControl(1)->GetCloseButonRect();
    const QPoint P((CB.Left + CB.Right) / 2, (CB.Top + CB.Bottom) / 2);
    S->MouseMove(P.x(), P.y());
    S->MouseDown(Qt::LeftButton, P.x(), P.y());
    S->MouseUp(Qt::LeftButton, P.x(), P.y());
    Settle(*S, Clock);
    ASSERT_EQ(S->Tabs().Count(), 3);
    EXPECT_EQ(S->Tabs()[1]->Caption(), "C");
    EXPECT_EQ(End_Rect(*S, 1), Closed);
    EXPECT_EQ(End_Rect(*S, 2), TGlideRect(425, 4, 652, 30));
    // the mouse leaves; when the cancel timer fires the tabs share the width again
    S->MouseLeave();
    ASSERT_TRUE(S->CancelTabSmartResizeTimer()->isActive());
    QMetaObject::invokeMethod(S->CancelTabSmartResizeTimer(), "timeout");
    EXPECT_FALSE(S->CancelTabSmartResizeTimer()->isActive());
    EXPECT_FALSE(S->HasState(stsDeletingUnPinnedTabs));
    Settle(*S, Clock);
    EXPECT_EQ(S->AdjustedTabWidth(), 283);
    EXPECT_EQ(End_Rect(*S, 1).Left, 284);
}

// Glow due times hold across the wrap of the 32-bit tick count.
TEST_F(GlideTabsBehaviour, GlowSurvivesTickWrap)
{
    Clock.Ticks = 0xFFFFF000u;
    TCountingStrip W(&Window);
    Add_Tabs(W, {"A", "B"});
    W.Tabs()[0]->SetModified(true);
    Clock.Advance(1000);
    W.AnimateTimerTick();
    EXPECT_TRUE(W.HasState(stsAnimatingStyle));
    W.AnimateTimerTick(); // nothing due at the same instant
    EXPECT_FALSE(W.HasState(stsAnimatingStyle));
    Clock.Ticks = 0x10; // past the wrap
    W.AnimateTimerTick();
    EXPECT_TRUE(W.HasState(stsAnimatingStyle));
}

// A handler that takes over the container fill keeps the fill off the picture.
TEST_F(GlideTabsBehaviour, BeforeDrawItemHandledSkipsFill)
{
    S->Options().Display().TabContainer().SetTransparentBackground(false);
    S->LookAndFeel().TabsContainer().Set_All(0x0000FF, 0x0000FF, 255, 255, 0x0000FF, 1, 255);
    S->DrawCanvas();
    EXPECT_EQ(S->CanvasBitmap().pixelColor(850, 2), QColor(255, 0, 0));
    S->OnBeforeDrawItem = [](QObject *, TAACanvas &, TGlideRect, TGlideTabItemType Type, int, bool &Handled) {
        Handled = Type == itTabContainer;
    };
    S->DrawCanvas();
    EXPECT_NE(S->CanvasBitmap().pixelColor(850, 2), QColor(255, 0, 0));
}

// A grown window lets a scrolled strip show more: the offset drops to the new maximum.
TEST_F(GlideTabsBehaviour, GrowingReducesScrollOffset)
{
    S->resize(400, 30);
    S->Options().Display().AddButton().SetVisibility(avNone);
    S->Options().Display().Tabs().SetMinWidth(150);
    Add_Tabs(*S, {"A", "B", "C", "D"});
    Settle(*S, Clock);
    Settle(*S, Clock);
    S->SetScrollOffset(S->MaxScrollOffset());
    const int Before = S->ScrollOffset();
    ASSERT_GT(Before, 0);
    S->resize(550, 30);
    Settle(*S, Clock);
    EXPECT_LT(S->ScrollOffset(), Before);
    EXPECT_LE(S->ScrollOffset(), S->MaxScrollOffset());
}

} // namespace

namespace {

// Closing the last tab of a compressed strip removes it at once (no shrinking),
// and the change report no longer names the freed tab.
TEST_F(GlideTabsBehaviour, CompressedLastTabGoesAtOnce)
{
    S->Options().Display().AddButton().SetVisibility(avNone);
    S->Options().Display().Tabs().SetMaxWidth(300);
    Add_Tabs(*S, {"A", "B", "C", "D"});
    S->SetActiveTabIndex(0);
    Settle(*S, Clock);
    ASSERT_EQ(S->GetTabDisplayState(), tdCompressed);
    QStringList Deleted;
    S->OnChange = [&](QObject *, TGlideTab *T, TTabChangeType Type) {
        if (Type == tcDeleted)
            Deleted << (T ? T->Caption() : "-");
    };
    const TGlideRect CB = S->GetTabControl(3)->GetCloseButonRect();
    const QPoint P((CB.Left + CB.Right) / 2, (CB.Top + CB.Bottom) / 2);
    S->MouseMove(P.x(), P.y());
    S->MouseDown(Qt::LeftButton, P.x(), P.y());
    S->MouseUp(Qt::LeftButton, P.x(), P.y());
    ASSERT_EQ(S->Tabs().Count(), 3);
    EXPECT_EQ(S->Tabs()[2]->Caption(), "C");
    EXPECT_EQ(Deleted, QStringList({"-"}));
    EXPECT_EQ(S->ActiveTabIndex(), 0);
}

} // namespace

namespace {

// The background moves and resizes the window: a press there starts no
// strip action, a double click maximises and restores, a tab double click is reported.
TEST_F(GlideTabsBehaviour, BackgroundPressAndDoubleClick)
{
    Add_Tabs(*S, {"A", "B"});
    Settle(*S, Clock);
    S->MouseDown(Qt::LeftButton, 850, 2);
    EXPECT_FALSE(S->HasState(stsMouseDown));
    EXPECT_EQ(S->Form_Moves, 1);
    S->MouseUp(Qt::LeftButton, 850, 2);
    QStringList Dbl;
    S->OnTabDblClick = [&](QObject *, TGlideTab *T) { Dbl << T->Caption(); };
    const QPoint P = Tab_Point(*S, 0);
    S->DblClick(P.x(), P.y());
    EXPECT_EQ(Dbl, QStringList({"A"}));
    ASSERT_FALSE(Window.isMaximized());
    S->DblClick(850, 2);
    EXPECT_TRUE(Window.isMaximized());
    S->DblClick(850, 2);
    EXPECT_FALSE(Window.isMaximized());
    // while tabs move, double clicks are dropped
    S->AddState(stsAnimatingMovement);
    S->DblClick(P.x(), P.y());
    EXPECT_EQ(Dbl, QStringList({"A"}));
}

} // namespace

namespace {

// Only a left press on the background moves the window; a right press there
// is an ordinary press (its menu follows), and so are the middle button and a
// right double click.
TEST_F(GlideTabsBehaviour, OnlyLeftButtonMovesWindow)
{
    Configurator_Options(*S, 100, 160);
    Add_Tabs(*S, {"A", "B"});
    Settle(*S, Clock);
    ASSERT_EQ(S->HitTest(QPoint(850, 10)).HitTestArea, htBackground);
    struct TCase
    {
        const char *Name;
        Qt::MouseButton Button;
        bool Double;
        int Moves;
    };
    const TCase Cases[] = {
        {"LeftPress", Qt::LeftButton, false, 1},
        // both presses of a double click
        {"LeftDoubleClick", Qt::LeftButton, true, 2},
        {"RightPress", Qt::RightButton, false, 0},
        {"RightDoubleClick", Qt::RightButton, true, 0},
        {"MiddlePress", Qt::MiddleButton, false, 0},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        S->Form_Moves = 0;
        const QPoint P(850, 10);
        QTest::mousePress(S.get(), C.Button, {}, P);
        if (C.Double) {
            QTest::mouseRelease(S.get(), C.Button, {}, P);
            QMouseEvent Dbl(QEvent::MouseButtonDblClick, P, S->mapToGlobal(P), C.Button, C.Button, Qt::NoModifier);
            QApplication::sendEvent(S.get(), &Dbl);
        }
        EXPECT_EQ(S->Form_Moves, C.Moves);
        // a press that moves nothing is the strip's own until released
        EXPECT_EQ(S->HasState(stsMouseDown), C.Moves == 0);
        QTest::mouseRelease(S.get(), C.Button, {}, P);
        EXPECT_FALSE(S->HasState(stsMouseDown));
        EXPECT_EQ(S->ActiveTabIndex(), 1);
        if (Window.isMaximized()) // the left double click's own toggle
            Window.showNormal();
    }
}

} // namespace
