#pragma once
#include <QDateTime>
#include <cstdint>

// Time as the program sees it. Everything that reads the time goes through
// the current clock so that tests can drive it.
class IClock
{
public:
    virtual ~IClock() = default;
    // Milliseconds since some start, wrapping at 32 bits; compare with unsigned subtraction.
    virtual std::uint32_t Tick_Count() = 0;
    // Local date and time.
    virtual QDateTime Now() = 0;
    // Blocks for about Ms milliseconds (a driven clock advances instead).
    virtual void Sleep(std::uint32_t Ms) = 0;
};

IClock &Clock();
// Installs a clock (not owned); nullptr restores the system clock.
void Set_Clock(IClock *C);

inline std::uint32_t Tick_Count() { return Clock().Tick_Count(); }

// A clock that moves only when told: Sleep advances it.
class TDrivenClock : public IClock
{
public:
    std::uint32_t Ticks = 0;
    QDateTime Current = QDateTime(QDate(2026, 1, 15), QTime(10, 30, 0));
    std::uint32_t Tick_Count() override { return Ticks; }
    QDateTime Now() override { return Current; }
    void Sleep(std::uint32_t Ms) override { Advance(Ms); }
    void Advance(std::uint32_t Ms)
    {
        Ticks += Ms;
        Current = Current.addMSecs(Ms);
    }
};

// Installs a clock for the lifetime of the guard (tests).
class TClockGuard
{
public:
    explicit TClockGuard(IClock *C) { Set_Clock(C); }
    ~TClockGuard() { Set_Clock(nullptr); }
    TClockGuard(const TClockGuard &) = delete;
    TClockGuard &operator=(const TClockGuard &) = delete;
};
