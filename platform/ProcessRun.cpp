#include "platform/ProcessRun.h"
#include "platform/Clock.h"
#include <QProcess>
#include <QTimer>
#include <algorithm>

namespace {

// QProcess objects the real launcher made that are not freed yet.
int Live_Processes = 0;

// A started QProcess. Letting go of a process that still runs must not stop
// it (a QProcess destroyed while its program runs would kill the program), so
// such a QProcess is detached from us and frees itself when its program ends.
// At the end of the run it is simply never freed, and the program lives on.
class TQt_Process : public IRunning_Process
{
public:
    explicit TQt_Process(QProcess *P) : FProcess(P)
    {
        FConnection = QObject::connect(P, &QProcess::finished, P, [this](int Code, QProcess::ExitStatus Status) {
            // A crashed program reports its signal number as the exit code.
            const int Exit_Code = Status == QProcess::CrashExit ? 128 + Code : Code;
            // The callback may free this object: call a copy.
            const auto Ended = FEnded;
            if (Ended)
                Ended(Exit_Code);
        });
    }
    ~TQt_Process() override
    {
        QObject::disconnect(FConnection);
        if (FProcess->state() == QProcess::NotRunning) {
            FProcess->deleteLater();
            return;
        }
        QObject::connect(FProcess, &QProcess::finished, FProcess, &QObject::deleteLater);
    }
    void On_Ended(std::function<void(int)> Ended) override { FEnded = std::move(Ended); }

private:
    QProcess *FProcess;
    QMetaObject::Connection FConnection;
    std::function<void(int)> FEnded;
};

class TQt_Launcher : public IProcess_Launcher
{
public:
    std::unique_ptr<IRunning_Process> Start(const QString &Program, const QStringList &Args, bool,
                                            QString &Error) override
    {
        auto *P = new QProcess;
        ++Live_Processes;
        QObject::connect(P, &QObject::destroyed, [] { --Live_Processes; });
        P->setProgram(Program);
        P->setArguments(Args);
        // The program shares our standard channels, as a program started from
        // a desktop shell would; nothing of its output is read here.
        P->setProcessChannelMode(QProcess::ForwardedChannels);
        P->setInputChannelMode(QProcess::ForwardedInputChannel);
        P->start();
        // Only the start is awaited here (the program's own run is not): it
        // tells at once whether the file could be executed at all.
        if (!P->waitForStarted(-1)) {
            Error = P->errorString();
            delete P;
            return nullptr;
        }
        return std::make_unique<TQt_Process>(P);
    }
};

TQt_Launcher Real_Launcher;
IProcess_Launcher *Installed = nullptr;

} // namespace

int Live_Process_Count()
{
    return Live_Processes;
}

IProcess_Launcher &Process_Launcher()
{
    return Installed ? *Installed : Real_Launcher;
}

void Set_Process_Launcher(IProcess_Launcher *Launcher)
{
    Installed = Launcher;
}

TProcess_Wait::TProcess_Wait(QObject *Parent) : QObject(Parent), FBound(new QTimer(this))
{
    FBound->setSingleShot(true);
    connect(FBound, &QTimer::timeout, this, [this] { Finish(false, 0); });
}

TProcess_Wait::~TProcess_Wait() = default;

bool TProcess_Wait::Start(const QString &Program, const QStringList &Args, bool Visible, std::uint32_t Bound_Ms,
                          std::function<void(const TProcess_Run &)> Done)
{
    if (FProcess)
        return false;
    FResult = TProcess_Run();
    FProcess = Process_Launcher().Start(Program, Args, Visible, FResult.Error);
    if (!FProcess)
        return false;
    FResult.Started = true;
    FStart = Tick_Count();
    FDone = std::move(Done);
    FProcess->On_Ended([this](int Exit_Code) { Finish(true, Exit_Code); });
    FBound->start(static_cast<int>(std::min<std::uint32_t>(Bound_Ms, 0x7FFFFFFF)));
    return true;
}

void TProcess_Wait::Finish(bool Ended, int Exit_Code)
{
    if (!FProcess)
        return;
    FBound->stop();
    FResult.Finished = Ended;
    FResult.Exit_Code = Ended ? Exit_Code : 0;
    FResult.Waited_Ms = Tick_Count() - FStart;
    // Letting go of the handle never stops the program.
    FProcess.reset();
    const auto Done = std::move(FDone);
    FDone = nullptr;
    if (Done)
        Done(FResult);
}
