#include "controls/GlideTabsThreadTimer.h"
#include "platform/Clock.h"
#include <QCoreApplication>
#include <QElapsedTimer>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

// Spins the event loop until the condition holds; the generous bound only stops a broken timer from hanging the run.
template <class F> bool Wait_Until(F Condition)
{
    QElapsedTimer T;
    T.start();
    while (!Condition() && T.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return Condition();
}

// The delay before the next tick: Interval minus the tick's own duration, never below 10 ms.
struct TCadenceCase
{
    const char *Name;
    int Interval;
    std::uint32_t Tick_Ms;
    int Expected_Delay;
};
const TCadenceCase Cadence_Cases[] = {
    {"QuickTick", 25, 0, 25},
    {"TickTakesPartOfThePeriod", 25, 10, 15},
    {"TickLeavesLessThanTen", 25, 20, 10},
    {"TickLongerThanThePeriod", 15, 40, 10},
    {"ZeroInterval", 0, 0, 10},
};

TEST(GlideTabsTimer, CadenceFollowsTheIntervalMinusTheTick)
{
    TDrivenClock Clock;
    Clock.Ticks = 0xFFFFFFF0u; // the measurement survives a wrap of the tick count
    TClockGuard Guard(&Clock);
    for (const TCadenceCase &C : Cadence_Cases) {
        SCOPED_TRACE(C.Name);
        TThreadTimer T;
        T.SetInterval(C.Interval);
        T.OnTimer = [&](TThreadTimer *) { Clock.Advance(C.Tick_Ms); };
        EXPECT_EQ(T.Run_Cycle(), C.Expected_Delay);
    }
}

TEST(GlideTabsTimer, FailingTicksAreSwallowedAndTheTimerGoesOn)
{
    TDrivenClock Clock;
    TClockGuard Guard(&Clock);
    TThreadTimer T;
    T.SetInterval(15);
    int Calls = 0;
    T.OnTimer = [&](TThreadTimer *Sender) {
        EXPECT_EQ(Sender, &T);
        ++Calls;
        throw std::runtime_error("tick failed");
    };
    EXPECT_EQ(T.Run_Cycle(), 15);
    T.SetEnabled(true);
    EXPECT_TRUE(Wait_Until([&] { return Calls >= 4; }));
    EXPECT_TRUE(T.Running());
}

TEST(GlideTabsTimer, EnableStartsOnceAndDisableStops)
{
    TThreadTimer T;
    EXPECT_FALSE(T.Has_Thread());
    T.SetEnabled(false); // stopping a stopped timer does nothing
    EXPECT_FALSE(T.Running());
    T.SetInterval(20);
    int Calls = 0;
    T.OnTimer = [&](TThreadTimer *) { ++Calls; };
    T.SetEnabled(true);
    T.SetEnabled(true);
    EXPECT_TRUE(T.Running());
    EXPECT_TRUE(Wait_Until([&] { return Calls >= 2; }));
    T.SetEnabled(false);
    EXPECT_FALSE(T.Has_Thread());
    const int After_Stop = Calls;
    QCoreApplication::processEvents();
    EXPECT_EQ(Calls, After_Stop);
}

TEST(GlideTabsTimer, IntervalChangeAppliesFromTheNextCycle)
{
    TDrivenClock Clock;
    TClockGuard Guard(&Clock);
    TThreadTimer T;
    T.SetInterval(25);
    T.OnTimer = [&](TThreadTimer *Sender) { Sender->SetInterval(40); };
    EXPECT_EQ(T.Run_Cycle(), 40);
    T.OnTimer = nullptr;
    EXPECT_EQ(T.Run_Cycle(), 40);
}

TEST(GlideTabsTimer, StopFromInsideATick)
{
    TThreadTimer T;
    int Calls = 0;
    T.OnTimer = [&](TThreadTimer *Sender) {
        ++Calls;
        Sender->SetEnabled(false);
    };
    T.SetEnabled(true);
    EXPECT_TRUE(Wait_Until([&] { return Calls >= 1; }));
    for (int I = 0; I < 5; ++I)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_EQ(Calls, 1);
    EXPECT_FALSE(T.Running());
}

TEST(GlideTabsTimer, DesigningCountsAsRunningWithoutTicks)
{
    TThreadTimer T;
    T.SetDesigning(true);
    T.SetEnabled(true);
    EXPECT_TRUE(T.Running());
    EXPECT_FALSE(T.Has_Thread());
}

} // namespace
