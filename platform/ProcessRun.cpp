#include "platform/ProcessRun.h"
#include "platform/Clock.h"
#include <QFile>
#include <cerrno>
#include <cstring>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <vector>

extern char **environ;

namespace {

class TPosix_Process : public IRunning_Process
{
public:
    explicit TPosix_Process(pid_t Pid) : FPid(Pid) {}
    ~TPosix_Process() override
    {
        // Still running: leave it alone, but reap it when it ends so that it
        // does not linger as a zombie.
        if (!FDone) {
            const pid_t Pid = FPid;
            std::thread([Pid] {
                int Status;
                while (::waitpid(Pid, &Status, 0) < 0 && errno == EINTR) {
                }
            }).detach();
        }
    }
    bool Finished(int &Exit_Code) override
    {
        if (!FDone) {
            int Status = 0;
            const pid_t R = ::waitpid(FPid, &Status, WNOHANG);
            if (R == FPid) {
                FDone = true;
                FCode = WIFEXITED(Status) ? WEXITSTATUS(Status) : 128 + (WIFSIGNALED(Status) ? WTERMSIG(Status) : 0);
            } else if (R < 0 && errno == ECHILD) {
                FDone = true;   // reaped elsewhere: ended, status unknown
                FCode = -1;
            }
        }
        if (FDone)
            Exit_Code = FCode;
        return FDone;
    }

private:
    pid_t FPid;
    bool FDone = false;
    int FCode = 0;
};

class TPosix_Launcher : public IProcess_Launcher
{
public:
    std::unique_ptr<IRunning_Process> Start(const QString &Program, const QStringList &Args, bool,
                                            QString &Error) override
    {
        const QByteArray Path = QFile::encodeName(Program);
        std::vector<QByteArray> Store;
        Store.push_back(Path);
        for (const QString &A : Args)
            Store.push_back(A.toLocal8Bit());
        std::vector<char *> Argv;
        for (QByteArray &S : Store)
            Argv.push_back(S.data());
        Argv.push_back(nullptr);
        pid_t Pid = 0;
        const int Rc = ::posix_spawn(&Pid, Path.constData(), nullptr, nullptr, Argv.data(), environ);
        if (Rc != 0) {
            Error = QString::fromLocal8Bit(std::strerror(Rc));
            return nullptr;
        }
        return std::make_unique<TPosix_Process>(Pid);
    }
};

TPosix_Launcher Real_Launcher;
IProcess_Launcher *Installed = nullptr;

} // namespace

IProcess_Launcher &Process_Launcher()
{
    return Installed ? *Installed : Real_Launcher;
}

void Set_Process_Launcher(IProcess_Launcher *Launcher)
{
    Installed = Launcher;
}

TProcess_Run Run_And_Wait(const QString &Program, const QStringList &Args, bool Visible, std::uint32_t Bound_Ms,
                          const std::function<void()> &Idle)
{
    TProcess_Run R;
    std::unique_ptr<IRunning_Process> P = Process_Launcher().Start(Program, Args, Visible, R.Error);
    if (!P)
        return R;
    R.Started = true;
    const std::uint32_t Start = Tick_Count();
    for (;;) {
        int Code = 0;
        if (P->Finished(Code)) {
            R.Finished = true;
            R.Exit_Code = Code;
            break;
        }
        if (Tick_Count() - Start >= Bound_Ms)
            break;
        if (Idle)
            Idle();
        Clock().Sleep(10);
    }
    R.Waited_Ms = Tick_Count() - Start;
    return R;
}
