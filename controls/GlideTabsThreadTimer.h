#pragma once
#include <QObject>
#include <QTimer>
#include <cstdint>
#include <functional>

// The tab strip's animation timer. It runs on the user-interface thread (a
// single-shot QTimer re-armed after every tick), so the strip's animation and
// painting need no locks and a stop never waits for another thread.
//
// Cadence: after a tick the next one is due Interval minus the tick's own
// duration later, but never sooner than 10 ms; a tick that takes longer than
// Interval - 10 ms therefore stretches the period to its duration + 10 ms.
// Exceptions escaping OnTimer are swallowed and the timer keeps running.
class TThreadTimer : public QObject
{
    Q_OBJECT
public:
    static constexpr int Minimum_Delay_Ms = 10;

    explicit TThreadTimer(QObject *Owner = nullptr);
    ~TThreadTimer() override;

    // Read anew before every cycle; a change applies from the next cycle without a restart.
    int Interval() const { return FInterval; }
    void SetInterval(int Value) { FInterval = Value; }
    bool Enabled() const { return FEnabled; }
    // True starts the timer, false stops it; writing the current value does nothing.
    void SetEnabled(bool Value);
    // While the owning strip is being designed the timer counts as running but never ticks.
    void SetDesigning(bool Value) { FDesigning = Value; }

    std::function<void(TThreadTimer *Sender)> OnTimer;

    bool Running() const { return FRunning; }
    // Whether a tick is scheduled (the stand-in for a live timer thread).
    bool Has_Thread() const { return FTimer != nullptr; }
    // Milliseconds until the next scheduled tick, -1 when none.
    int Pending_Delay() const;

    // One cycle as the timer runs it: tick, measure, and answer the delay before
    // the next one (tests call it directly with a driven clock).
    int Run_Cycle();
    void DoTimer();

private:
    void StartTimer();
    void StopTimer();
    void On_Timeout();

    int FInterval = 0;
    bool FContinue = false;
    bool FRunning = false;
    bool FEnabled = false;
    bool FDesigning = false;
    QTimer *FTimer = nullptr;
};
