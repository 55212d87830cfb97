#pragma once
#include <QObject>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <memory>

class QTimer;

// Starting another program and waiting for it a bounded time without
// blocking: the caller returns to its event loop (windows keep painting) and
// hears of the end through a callback. A program still running when the
// bound is reached is left running: nothing here ever stops a process.

class IRunning_Process
{
public:
    virtual ~IRunning_Process() = default;   // never stops the process
    // Ended runs once, from the event loop, when the process has ended, with
    // its exit status (a process ended by a signal reports 128 + the signal
    // number). It never runs after this object is destroyed.
    virtual void On_Ended(std::function<void(int Exit_Code)> Ended) = 0;
};

class IProcess_Launcher
{
public:
    virtual ~IProcess_Launcher() = default;
    // Starts Program with Args. Visible asks for a visible window, where the
    // platform has such a notion. Null and Error set when it cannot start.
    virtual std::unique_ptr<IRunning_Process> Start(const QString &Program, const QStringList &Args, bool Visible,
                                                    QString &Error) = 0;
};

IProcess_Launcher &Process_Launcher();
// How many process objects of the real launcher are not freed yet: one let go
// frees itself (through the event loop) once its program has ended.
int Live_Process_Count();
// Installs a launcher (not owned); nullptr restores the real one.
void Set_Process_Launcher(IProcess_Launcher *Launcher);

class TProcessLauncherGuard
{
public:
    explicit TProcessLauncherGuard(IProcess_Launcher *L) { Set_Process_Launcher(L); }
    ~TProcessLauncherGuard() { Set_Process_Launcher(nullptr); }
    TProcessLauncherGuard(const TProcessLauncherGuard &) = delete;
    TProcessLauncherGuard &operator=(const TProcessLauncherGuard &) = delete;
};

struct TProcess_Run
{
    bool Started = false;
    QString Error;          // why it did not start
    bool Finished = false;  // false: still running when the bound was reached
    int Exit_Code = 0;      // valid when Finished
    std::uint32_t Waited_Ms = 0;   // on the current clock (platform/Clock.h)
};

// One bounded wait for a started program, reported through a callback.
class TProcess_Wait : public QObject
{
    Q_OBJECT
public:
    explicit TProcess_Wait(QObject *Parent = nullptr);
    // A program still waited for is left running; Done is not called.
    ~TProcess_Wait() override;

    // Starts Program with Args through the current launcher and returns at
    // once. False when it cannot start (Result().Error says why); Done is then
    // never called. Otherwise Done runs once, from the event loop, when the
    // program ends or when Bound_Ms milliseconds have passed first (Finished
    // false, the program runs on). Refused (false) while a wait is running.
    bool Start(const QString &Program, const QStringList &Args, bool Visible, std::uint32_t Bound_Ms,
               std::function<void(const TProcess_Run &)> Done);
    bool Waiting() const { return FProcess != nullptr; }
    const TProcess_Run &Result() const { return FResult; }
    // The timer of the bound, running while waiting (tests read its interval
    // and may shorten it to reach the bound at once).
    QTimer *Bound_Timer() const { return FBound; }

private:
    void Finish(bool Ended, int Exit_Code);

    std::unique_ptr<IRunning_Process> FProcess;
    std::function<void(const TProcess_Run &)> FDone;
    TProcess_Run FResult;
    std::uint32_t FStart = 0;
    QTimer *FBound = nullptr;
};
