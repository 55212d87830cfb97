#pragma once
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <memory>

// Starting another program and waiting for it a bounded time. A program
// still running when the bound is reached is left running: nothing here ever
// stops a process.

class IRunning_Process
{
public:
    virtual ~IRunning_Process() = default;   // never stops the process
    // True once the process has ended; Exit_Code is then its exit status
    // (a process ended by a signal reports 128 + the signal number).
    virtual bool Finished(int &Exit_Code) = 0;
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
    std::uint32_t Waited_Ms = 0;
};

// Starts Program and polls for its end every 10 ms on the current clock
// (platform/Clock.h), for at most Bound_Ms; Idle runs between polls (the
// caller keeps its windows painted there). The process is never stopped.
TProcess_Run Run_And_Wait(const QString &Program, const QStringList &Args, bool Visible, std::uint32_t Bound_Ms,
                          const std::function<void()> &Idle = {});
