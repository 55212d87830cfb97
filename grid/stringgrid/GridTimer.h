#pragma once
// The grid's own timer: one tick every half second while the grid's window
// exists. It counts its ticks and the ticks since the last typed character
// of an incremental lookup; what a tick does for the grid is its OnTick.
// Tests call Tick() directly instead of waiting for the period.
#include <QObject>
#include <QTimer>
#include <functional>

class TGridTimer : public QObject {
    Q_OBJECT
public:
    static constexpr int Period_Ms = 500;
    // The incremental lookup text is dropped by the tick that finds this
    // many ticks since the last typed character (the fourth one).
    static constexpr int Search_Tics_Limit = 3;

    TGridTimer();
    // Started when the grid's window is made; stopped with the grid.
    void Start() { FTimer.start(); }
    bool Active() const { return FTimer.isActive(); }
    int Ticks() const { return FTicks; }
    int Search_Tics() const { return FSearchTics; }
    // A typed lookup character starts the count again.
    void Reset_Search_Tics() { FSearchTics = 0; }
    // One period: counts, then OnTick (Search_Due: the lookup text is due to go).
    void Tick();
    std::function<void(bool Search_Due)> OnTick;

private:
    QTimer FTimer;
    int FTicks = 0;
    int FSearchTics = 0;
};
