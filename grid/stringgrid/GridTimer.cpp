// The grid's half-second timer.
#include "grid/stringgrid/GridTimer.h"

TGridTimer::TGridTimer()
{
    FTimer.setInterval(Period_Ms);
    connect(&FTimer, &QTimer::timeout, this, &TGridTimer::Tick);
}

void TGridTimer::Tick()
{
    ++FTicks;
    bool Search_Due = false;
    if (FSearchTics == Search_Tics_Limit) {
        Search_Due = true;
        FSearchTics = 0;
    } else {
        ++FSearchTics;
    }
    if (OnTick)
        OnTick(Search_Due);
}
