#include "StripTestSupport.h"
#include <gtest/gtest.h>
#include <ostream>

void PrintTo(const TGlideRect &R, std::ostream *Os)
{
    *Os << "(" << R.Left << "," << R.Top << "," << R.Right << "," << R.Bottom << ")";
}

namespace {

class GlideTabsLayout : public ::testing::Test
{
protected:
    TDrivenClock Clock;
    TClockGuard Guard{&Clock};
    QWidget Window;
};

// The network editor's strip: three tabs, the second hidden when the window
// is created and the third invisible from the start; 874 pixels is the right
// pane of the 1150-pixel window beside the 273-pixel device pane and its
// 3-pixel splitter.
TEST_F(GlideTabsLayout, NetworkEditorStripShowsOneTabOfThree)
{
    Clock.Ticks = 5000;
    TCountingStrip S(&Window);
    QStringList Changed;
    S.OnActiveTabChanged = [&](QObject *, TGlideTab *T) {
        Changed << QString("%1@%2").arg(T->Caption()).arg(S.ActiveTabIndex());
    };
    S.BeginLoading();
    S.setGeometry(276, 0, 874, 30);
    Configurator_Options(S, 100, 160);
    S.Options().Animation().SetAnimationTimerInterval(15);
    Add_Tabs(S, {"Unidirectional", "Ruzor AVI", "Remote"});
    S.Tabs()[2]->SetVisible(false);
    S.EndLoading();
    S.Tabs()[1]->SetVisible(false);
    Settle(S, Clock);

    EXPECT_EQ(S.ActiveTabIndex(), 0);
    // Fired while loading, for the first tab only: later tabs do not take the activation then.
    EXPECT_EQ(Changed, QStringList({"@0"})) << Changed.join(' ').toStdString();
    EXPECT_EQ(S.TabContainerRect(), TGlideRect(0, 4, 840, 30));
    EXPECT_EQ(S.ScrollButtonRightControl()->ControlRect(), TGlideRect(858, 10, 873, 25));
    EXPECT_EQ(S.ScrollButtonLeftControl()->ControlRect(), TGlideRect(841, 10, 856, 25));
    EXPECT_EQ(S.AddButtonControl()->ControlRect(), TGlideRect(0, 0, 0, 0));
    EXPECT_EQ(S.AdjustedTabWidth(), 160);
    EXPECT_EQ(S.TabEndSpace(), 0);
    EXPECT_EQ(End_Rect(S, 0), TGlideRect(0, 4, 175, 30));
    EXPECT_EQ(S.GetTabControl(0)->ControlRect(), TGlideRect(0, 4, 175, 30));
    EXPECT_EQ(S.ScrollWidth(), 160);
    EXPECT_EQ(S.GetTabDisplayState(), tdNormal);
    EXPECT_EQ(S.MaxScrollOffset(), 0);
    EXPECT_EQ(S.ScrollOffset(), 0);
    // The hidden tabs take no place: a point right of the visible tab is background.
    EXPECT_EQ(S.HitTest(QPoint(300, 20)).HitTestArea, htBackground);
    EXPECT_EQ(S.HitTest(QPoint(80, 20)).TabIndex, 0);
    // No property change has reached the strip since loading: it still ticks at the creation interval.
    EXPECT_EQ(S.AnimateTimer()->Interval(), 25);
}

// The strip takes the creation interval until a property change reaches it after loading.
TEST_F(GlideTabsLayout, TimerKeepsCreationIntervalUntilFirstChange)
{
    TCountingStrip S(&Window);
    EXPECT_EQ(S.AnimateTimer()->Interval(), 25);
    EXPECT_EQ(S.ScrollTimer()->interval(), 20);
    EXPECT_EQ(S.CancelTabSmartResizeTimer()->interval(), 700);
    S.Tabs().Add()->SetCaption("A");
    EXPECT_EQ(S.AnimateTimer()->Interval(), 15);
}

struct TLayoutCase
{
    const char *Name;
    int Width;
    int Tabs;
    int Pinned;
    int Min_Width, Max_Width;
    bool Scrolling;
    TGlideTabScrollButtons Buttons;
    bool Auto_Hide;
    TAddButtonVisibility Add;
    TGlideRect Container;
    int Adjusted, End_Space;
    std::vector<int> Lefts; // target Left of every tab
    TGlideRect Left_Button, Right_Button, Add_Button;
    int Scroll_Width;
    TTabDisplayState Display;
};

const TLayoutCase Layout_Cases[] = {
    // the remainder of the division goes one pixel each to the first tabs' advances; the last tab then reaches the container end
    {"RemainderToFirstTabs", 500, 4, 0, 25, 200, false, csbRight, true, avNone, {0, 4, 500, 30}, 121, 1,
     {0, 122, 243, 364}, {}, {}, {}, 485, tdCompressed},
    // a width above MaxWidth is clamped and leaves no remainder. The configurator's 1229-pixel strip: csbRight
    // with AutoHideButtons off puts BOTH scroll buttons at the right (offset 1 each), so the container ends at
    // 1229 - 2 * (15 + 1 + 1) = 1195, not at 1212 as if only the right button stood there; the tab width is
    // 200 either way ((1195 - 15) div 2 = 590, clamped)
    {"ClampToMaxWidth", 1229, 2, 0, 150, 200, true, csbRight, false, avNone, {0, 4, 1195, 30}, 200, 0, {0, 200},
     {1196, 10, 1211, 25}, {1213, 10, 1228, 25}, {}, 400, tdNormal},
    // csbLeft puts both at the left edge, the left one first
    {"ScrollButtonsLeft", 400, 1, 0, 25, 200, true, csbLeft, false, avNone, {34, 4, 400, 30}, 200, 0, {34},
     {1, 10, 16, 25}, {18, 10, 33, 25}, {}, 200, tdNormal},
    {"ScrollButtonsLeftAndRight", 400, 1, 0, 25, 200, true, csbLeftAndRight, false, avNone, {17, 4, 383, 30}, 200, 0,
     {17}, {1, 10, 16, 25}, {384, 10, 399, 25}, {}, 200, tdNormal},
    // csbNone places neither button
    {"ScrollButtonsNone", 400, 1, 0, 25, 200, true, csbNone, false, avNone, {0, 4, 400, 30}, 200, 0, {0}, {}, {}, {},
     200, tdNormal},
    // pinned tabs take PinnedWidth and leave the rest to the others
    {"PinnedTabs", 500, 4, 2, 25, 200, false, csbRight, true, avNone, {0, 4, 500, 30}, 200, 0, {0, 39, 78, 278}, {}, {},
     {}, 478, tdNormal},
    // an empty strip divides nothing; the floating add button sits at the padding
    {"EmptyWithFloatingAdd", 300, 0, 0, 25, 200, false, csbRight, true, avRightFloating, {0, 4, 266, 30}, 25, 0, {},
     {}, {}, {0, 10, 31, 24}, 0, tdNormal},
    // the floating add button follows the last tab
    {"FloatingAddFollowsLastTab", 500, 2, 0, 25, 200, false, csbRight, true, avRightFloating, {0, 4, 466, 30}, 200, 0,
     {0, 200}, {}, {}, {412, 10, 443, 24}, 400, tdNormal},
    // tabs wider together than the strip overflow: scrolling state, and the add button held at its limit
    {"OverflowHoldsAddButton", 300, 5, 0, 100, 200, true, csbRight, true, avRightFloating, {0, 4, 232, 30}, 100, 0,
     {0, 100, 200, 300, 400}, {267, 10, 282, 25}, {284, 10, 299, 25}, {233, 10, 264, 24}, 500, tdScrolling},
};

TEST_F(GlideTabsLayout, LayoutTable)
{
    for (const TLayoutCase &C : Layout_Cases) {
        SCOPED_TRACE(C.Name);
        TCountingStrip S(&Window);
        S.resize(C.Width, 30);
        TOptions &O = S.Options();
        O.Scrolling().SetEnabled(C.Scrolling);
        O.Scrolling().SetScrollButtons(C.Buttons);
        O.Scrolling().SetAutoHideButtons(C.Auto_Hide);
        O.Display().AddButton().SetVisibility(C.Add);
        O.Display().Tabs().SetMinWidth(C.Min_Width);
        O.Display().Tabs().SetMaxWidth(C.Max_Width);
        for (int I = 0; I < C.Tabs; ++I) {
            TGlideTab *T = S.Tabs().Add();
            T->SetCaption(QString("Tab %1").arg(I));
            if (I < C.Pinned)
                T->SetPinned(true);
        }
        // Twice: the scroll buttons appear from the layout after the one that overflowed.
        Settle(S, Clock);
        Settle(S, Clock);
        EXPECT_EQ(S.TabContainerRect(), C.Container);
        EXPECT_EQ(S.AdjustedTabWidth(), C.Adjusted);
        EXPECT_EQ(S.TabEndSpace(), C.End_Space);
        ASSERT_EQ(S.Tabs().Count(), static_cast<int>(C.Lefts.size()));
        for (int I = 0; I < S.Tabs().Count(); ++I)
            EXPECT_EQ(End_Rect(S, I).Left, C.Lefts[static_cast<size_t>(I)]) << "tab " << I;
        EXPECT_EQ(S.ScrollButtonLeftControl()->ControlRect(), C.Left_Button);
        EXPECT_EQ(S.ScrollButtonRightControl()->ControlRect(), C.Right_Button);
        EXPECT_EQ(S.AddButtonControl()->ControlRect(), C.Add_Button);
        EXPECT_EQ(S.ScrollWidth(), C.Scroll_Width);
        EXPECT_EQ(S.GetTabDisplayState(), C.Display);
    }
}

// A tab's rectangle is its width plus the overlap; the extra pixel widens only the advance.
TEST_F(GlideTabsLayout, RemainderWidensAdvanceNotRectangle)
{
    TCountingStrip S(&Window);
    S.resize(500, 30);
    S.Options().Scrolling().SetEnabled(false);
    S.Options().Display().AddButton().SetVisibility(avNone);
    Add_Tabs(S, {"A", "B", "C", "D"});
    Settle(S, Clock);
    EXPECT_EQ(End_Rect(S, 0), TGlideRect(0, 4, 136, 30));
    EXPECT_EQ(End_Rect(S, 1), TGlideRect(122, 4, 258, 30));
}

// Scrolling: the setter clamps to the maximum, the wheel adds the raw delta, scroll buttons step.
TEST_F(GlideTabsLayout, ScrollOffsetClampsAndSteps)
{
    TCountingStrip S(&Window);
    Window.resize(600, 100);
    S.resize(300, 30);
    Window.show();
    S.Options().Display().Tabs().SetMinWidth(100);
    S.Options().Display().AddButton().SetVisibility(avNone);
    Add_Tabs(S, {"A", "B", "C", "D", "E"});
    Settle(S, Clock);
    Settle(S, Clock);
    ASSERT_EQ(S.GetTabDisplayState(), tdScrolling);
    // 500 of tabs in a 266-pixel container, plus the overlap
    ASSERT_EQ(S.TabContainerRect().Right, 266);
    EXPECT_EQ(S.MaxScrollOffset(), 500 - 266 + 15);
    S.SetScrollOffset(0);
    EXPECT_TRUE(S.MouseWheel(120));
    EXPECT_EQ(S.ScrollOffset(), 120);
    S.SetScrollOffset(100000);
    EXPECT_EQ(S.ScrollOffset(), S.MaxScrollOffset());
    S.SetScrollOffset(-5);
    EXPECT_EQ(S.ScrollOffset(), 0);
    S.ScrollTabs(mdsRight, false);
    EXPECT_EQ(S.ScrollOffset(), 20);
    S.ScrollTabs(mdsLeft, false);
    EXPECT_EQ(S.ScrollOffset(), 0);
    // with scrolling off the setter does nothing
    S.Options().Scrolling().SetEnabled(false);
    S.SetScrollOffset(50);
    EXPECT_EQ(S.ScrollOffset(), 0);
    EXPECT_FALSE(S.MouseWheel(120));
}

// In right-to-left layout rectangles are mirrored and the scroll step is negated.
TEST_F(GlideTabsLayout, RightToLeftMirrorsAndNegates)
{
    TCountingStrip S(&Window);
    S.resize(300, 30);
    S.SetBiDiMode(bdRightToLeft);
    S.Options().Display().Tabs().SetMinWidth(100);
    Add_Tabs(S, {"A", "B", "C", "D", "E"});
    Settle(S, Clock);
    Settle(S, Clock);
    EXPECT_EQ(S.BidiRect({0, 4, 115, 30}), TGlideRect(185, 4, 300, 30));
    S.SetScrollOffset(40);
    EXPECT_EQ(S.BidiScrollOffset(), -40);
    S.ScrollTabs(mdsLeft, false);
    EXPECT_EQ(S.ScrollOffset(), 60);
}

} // namespace
