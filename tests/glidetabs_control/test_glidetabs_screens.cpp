#include "StripTestSupport.h"
#include "TestSupport.h"
#include <QFile>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A strip with more tabs than fit, the pointer over an inactive tab and one
// tab marked modified, grabbed while the hover fade runs (driven clock).
TEST(GlideTabsScreens, HoverFadeAndScrollButtons)
{
    TDrivenClock Clock;
    Clock.Ticks = 10000;
    TClockGuard Guard(&Clock);
    QWidget Window;
    QPalette P = Window.palette();
    P.setColor(QPalette::Window, QColor(248, 247, 237));
    Window.setPalette(P);
    Window.setAutoFillBackground(true);
    Window.resize(540, 40);
    TCountingStrip S(&Window);
    S.setGeometry(10, 5, 520, 30);
    S.Options().Display().Tabs().SetMinWidth(100);
    S.Options().Display().Tabs().SetMaxWidth(160);
    S.Options().Display().AddButton().SetVisibility(avNone);
    Add_Tabs(S, {"Unidirectional", "Ruzor AVI", "Remote", "Devices", "Variables", "EEP", "Security"});
    S.SetActiveTabIndex(1);
    S.Tabs()[3]->SetModified(true);
    Window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Window));
    Settle(S, Clock);
    Settle(S, Clock);
    ASSERT_EQ(S.GetTabDisplayState(), tdScrolling);

    const QPoint Hover = Tab_Point(S, 2);
    S.MouseMove(Hover.x(), Hover.y());
    ASSERT_EQ(S.GetTabControl(2)->DrawState(), dsHot);
    const int Steps[] = {0, 150, 150};
    int Step_No = 0;
    QImage Previous;
    for (int Ms : Steps) {
        Clock.Advance(static_cast<std::uint32_t>(Ms));
        S.AnimateTimerTick();
        const QString Path = Save_Screenshot(&Window, QString("glidetabs_hover_%1").arg(Step_No++));
        const QImage Shot(Path);
        ASSERT_FALSE(Shot.isNull());
        // an enlarged copy to look at the anti-aliased edges
        Shot.scaled(Shot.size() * 3).save(QString(Path).replace(".png", "_x3.png"));
        // the fade moves the hovered tab's look from step to step
        if (!Previous.isNull()) {
            EXPECT_NE(Shot, Previous);
        }
        Previous = Shot;
    }
    // scrolled to the end: the left button comes alive, the right one rests disabled
    S.SetScrollOffset(S.MaxScrollOffset());
    Settle(S, Clock);
    EXPECT_EQ(S.ScrollButtonRightControl()->DrawState(), dsDisabled);
    EXPECT_EQ(S.ScrollButtonLeftControl()->DrawState(), dsActive);
    const QImage Scrolled(Save_Screenshot(&Window, "glidetabs_scrolled_end"));
    ASSERT_EQ(Scrolled.size(), Window.size());
    EXPECT_NE(Scrolled, Previous);
    // around the strip the window's own background
    EXPECT_EQ(Scrolled.pixelColor(2, 2), QColor(248, 247, 237));
}

} // namespace
