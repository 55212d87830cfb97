#include "controls/GlideTabsThreadTimer.h"
#include "platform/Clock.h"
#include <algorithm>

TThreadTimer::TThreadTimer(QObject *Owner) : QObject(Owner) {}

TThreadTimer::~TThreadTimer() { StopTimer(); }

void TThreadTimer::SetEnabled(bool Value)
{
    if (Value == FEnabled)
        return;
    FEnabled = Value;
    if (Value)
        StartTimer();
    else
        StopTimer();
}

void TThreadTimer::StartTimer()
{
    if (FRunning)
        return;
    FContinue = true;
    if (!FDesigning) {
        FTimer = new QTimer(this);
        FTimer->setSingleShot(true);
        FTimer->setTimerType(Qt::PreciseTimer);
        connect(FTimer, &QTimer::timeout, this, &TThreadTimer::On_Timeout);
        // The first tick comes at once, as a freshly started thread's first cycle would.
        FTimer->start(0);
    }
    FRunning = true;
}

void TThreadTimer::StopTimer()
{
    if (!FTimer)
        return;
    FContinue = false;
    FRunning = false;
    QTimer *T = FTimer;
    FTimer = nullptr;
    T->stop();
    // The stop may come from inside a tick, while the QTimer is still delivering it.
    T->deleteLater();
}

int TThreadTimer::Pending_Delay() const
{
    if (!FTimer || !FTimer->isActive())
        return -1;
    return FTimer->remainingTime();
}

void TThreadTimer::DoTimer()
{
    if (OnTimer)
        OnTimer(this);
}

int TThreadTimer::Run_Cycle()
{
    const std::uint32_t T0 = Tick_Count();
    try {
        DoTimer();
    } catch (...) {
        // A failing tick must not stop the animation; the next one runs as usual.
    }
    const std::uint32_t Elapsed = Tick_Count() - T0; // unsigned: a clock wrap does no harm
    const long long Delay = static_cast<long long>(FInterval) - static_cast<long long>(Elapsed);
    return static_cast<int>(std::max<long long>(Delay, Minimum_Delay_Ms));
}

void TThreadTimer::On_Timeout()
{
    if (!FContinue)
        return;
    const int Delay = Run_Cycle();
    // The handler may have stopped (or restarted) the timer.
    if (FContinue && FTimer && !FTimer->isActive())
        FTimer->start(Delay);
}
