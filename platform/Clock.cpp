#include "platform/Clock.h"
#include <QElapsedTimer>
#include <QThread>

namespace {
class TSystemClock : public IClock
{
public:
    TSystemClock() { Timer.start(); }
    std::uint32_t Tick_Count() override { return static_cast<std::uint32_t>(Timer.elapsed() + Offset); }
    QDateTime Now() override { return QDateTime::currentDateTime(); }
    void Sleep(std::uint32_t Ms) override { QThread::msleep(Ms); }

private:
    QElapsedTimer Timer;
    // Start away from 0 so that no code can rely on small tick values.
    qint64 Offset = 1000000;
};

TSystemClock &System_Clock()
{
    static TSystemClock C;
    return C;
}
IClock *Current_Clock = nullptr;
} // namespace

IClock &Clock() { return Current_Clock ? *Current_Clock : System_Clock(); }
void Set_Clock(IClock *C) { Current_Clock = C; }
