#include "platform/Clock.h"
#include "platform/ProcessRun.h"
#include "TestSupport.h"
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// A launcher whose process ends when the test says so (or never).
class TFakeLauncher : public IProcess_Launcher
{
public:
    struct TProc : IRunning_Process
    {
        TFakeLauncher *Owner;
        explicit TProc(TFakeLauncher *O) : Owner(O) { Owner->Running = this; }
        ~TProc() override
        {
            ++Owner->Released;
            Owner->Running = nullptr;
        }
        void On_Ended(std::function<void(int)> E) override { Ended = std::move(E); }
        std::function<void(int)> Ended;
    };
    bool Fails = false;
    int Released = 0;
    TProc *Running = nullptr;
    QString Program;
    QStringList Args;
    std::unique_ptr<IRunning_Process> Start(const QString &P, const QStringList &A, bool, QString &Error) override
    {
        Program = P;
        Args = A;
        if (Fails) {
            Error = QStringLiteral("No such file");
            return nullptr;
        }
        return std::make_unique<TProc>(this);
    }
    // The program ends now; its report comes from the event loop, as a real one's does.
    void End_Later(int Code)
    {
        QTimer::singleShot(0, [this, Code] {
            if (Running && Running->Ended) {
                const auto E = Running->Ended;
                E(Code);
            }
        });
    }
};

// One report per wait: the program's end, or the bound when it comes first
// (the program is then let go, never stopped, and its later end is not reported).
TEST(ProcessWait, ReportsTheEndOrTheBoundOnce)
{
    struct TCase
    {
        const char *Name;
        int Ends_With;          // -1: never ends
        std::uint32_t Bound_Ms;
        bool Finished;
        int Exit_Code;
    };
    const TCase Cases[] = {
        {"EndsWithinTheBound", 0, 150000, true, 0},
        {"ExitCodeComesBack", 3, 150000, true, 3},
        {"NeverEndsTheBoundStops", -1, 1, false, 0},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        TFakeLauncher L;
        TProcessLauncherGuard LG(&L);
        TProcess_Wait Wait;
        int Reports = 0;
        TProcess_Run Got;
        ASSERT_TRUE(Wait.Start(QStringLiteral("/p/Lanwick_Refresh.exe"), {}, true, C.Bound_Ms, [&](const TProcess_Run &R) {
            ++Reports;
            Got = R;
        }));
        EXPECT_TRUE(Wait.Waiting());
        EXPECT_EQ(Wait.Bound_Timer()->interval(), int(C.Bound_Ms));
        EXPECT_EQ(Reports, 0);   // nothing is reported before the event loop runs
        if (C.Ends_With >= 0)
            L.End_Later(C.Ends_With);
        ASSERT_TRUE(Wait_Until([&] { return Reports > 0; }));
        EXPECT_TRUE(Got.Started);
        EXPECT_EQ(Got.Finished, C.Finished);
        EXPECT_EQ(Got.Exit_Code, C.Exit_Code);
        EXPECT_FALSE(Wait.Waiting());
        EXPECT_FALSE(Wait.Bound_Timer()->isActive());
        EXPECT_EQ(L.Released, 1);
        EXPECT_TRUE(L.Args.isEmpty());
        QCoreApplication::processEvents();
        EXPECT_EQ(Reports, 1);
    }
}

// The wait is measured on the program's clock.
TEST(ProcessWait, WaitedTimeOnTheDrivenClock)
{
    TDrivenClock Clk;
    TClockGuard G(&Clk);
    TFakeLauncher L;
    TProcessLauncherGuard LG(&L);
    TProcess_Wait Wait;
    TProcess_Run Got;
    ASSERT_TRUE(Wait.Start(QStringLiteral("/p/x"), {}, true, 150000, [&](const TProcess_Run &R) { Got = R; }));
    Clk.Advance(2500);
    L.End_Later(0);
    ASSERT_TRUE(Wait_Until([&] { return !Wait.Waiting(); }));
    EXPECT_EQ(Got.Waited_Ms, 2500u);
}

TEST(ProcessWait, FailureToStartIsReportedAtOnce)
{
    TFakeLauncher L;
    L.Fails = true;
    TProcessLauncherGuard LG(&L);
    TProcess_Wait Wait;
    bool Reported = false;
    EXPECT_FALSE(Wait.Start(QStringLiteral("/p/x"), {}, true, 150000, [&](const TProcess_Run &) { Reported = true; }));
    EXPECT_FALSE(Wait.Result().Started);
    EXPECT_EQ(Wait.Result().Error, QStringLiteral("No such file"));
    EXPECT_FALSE(Wait.Waiting());
    QCoreApplication::processEvents();
    EXPECT_FALSE(Reported);
}

// A second start while one wait runs is refused; a wait that goes away
// reports nothing and lets its program go.
TEST(ProcessWait, OneWaitAtATimeAndNoReportAfterItIsGone)
{
    TFakeLauncher L;
    TProcessLauncherGuard LG(&L);
    bool Reported = false;
    {
        TProcess_Wait Wait;
        ASSERT_TRUE(Wait.Start(QStringLiteral("/p/x"), {}, true, 150000, [&](const TProcess_Run &) { Reported = true; }));
        EXPECT_FALSE(Wait.Start(QStringLiteral("/p/y"), {}, true, 150000, [&](const TProcess_Run &) { Reported = true; }));
        EXPECT_EQ(L.Program, QStringLiteral("/p/x"));
    }
    EXPECT_EQ(L.Released, 1);
    QCoreApplication::processEvents();
    EXPECT_FALSE(Reported);
}

// ---- the real launcher ---------------------------------------------------------------

class RealProcessTest : public ::testing::Test
{
protected:
    // Every process object is freed once its program has ended, also one
    // that was let go while its program still ran.
    void TearDown() override
    {
        EXPECT_TRUE(Wait_Until([] {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            return Live_Process_Count() == 0;
        }));
    }
    QTemporaryDir Dir;
    QString Script(const char *Name, const QByteArray &Body)
    {
        const QString Path = Dir.filePath(QLatin1String(Name));
        Write_File(Path, "#!/bin/sh\n" + Body);
        QFile::setPermissions(Path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return Path;
    }
    // Starts Program and waits on the event loop for the report.
    TProcess_Run Run(const QString &Program, std::uint32_t Bound_Ms)
    {
        TProcess_Wait Wait;
        TProcess_Run Got;
        bool Reported = false;
        if (!Wait.Start(Program, {}, true, Bound_Ms, [&](const TProcess_Run &R) {
                Got = R;
                Reported = true;
            }))
            return Wait.Result();
        EXPECT_TRUE(Wait_Until([&] { return Reported; }));
        return Got;
    }
};

TEST_F(RealProcessTest, ExitCodeAndArgumentsComeBack)
{
    struct TCase
    {
        const char *Name;
        const char *Body;
        int Exit_Code;
    };
    const TCase Cases[] = {
        {"PlainExit", "echo \"$#\" > \"$(dirname \"$0\")/argc\"\nexit 3\n", 3},
        // ended by a signal: 128 + its number
        {"KilledBySignal", "kill -9 $$\n", 128 + 9},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        const TProcess_Run R = Run(Script("prog", C.Body), 20000);
        ASSERT_TRUE(R.Started) << qPrintable(R.Error);
        EXPECT_TRUE(R.Finished);
        EXPECT_EQ(R.Exit_Code, C.Exit_Code);
    }
    EXPECT_EQ(Read_File(Dir.filePath(QStringLiteral("argc"))), QByteArray("0\n"));
}

TEST_F(RealProcessTest, MissingOrNonExecutableProgramsDoNotStart)
{
    TProcess_Run R = Run(Dir.filePath(QStringLiteral("absent")), 1000);
    EXPECT_FALSE(R.Started);
    EXPECT_FALSE(R.Error.isEmpty());
    const QString Plain = Dir.filePath(QStringLiteral("plain"));
    Write_File(Plain, "#!/bin/sh\nexit 0\n");
    R = Run(Plain, 1000);
    EXPECT_FALSE(R.Started);
}

TEST_F(RealProcessTest, AProgramStillRunningAtTheBoundIsNotStopped)
{
    // the program waits for a flag file, then leaves a mark: it outlives the wait
    const QString Flag = Dir.filePath(QStringLiteral("go"));
    const QString Mark = Dir.filePath(QStringLiteral("mark"));
    const QString P = Script("slow", QStringLiteral("while [ ! -f '%1' ]; do sleep 0.02; done\ntouch '%2'\n").arg(Flag, Mark).toUtf8());
    const TProcess_Run R = Run(P, 100);
    ASSERT_TRUE(R.Started);
    EXPECT_FALSE(R.Finished);
    Write_File(Flag, "");
    EXPECT_TRUE(Wait_Until([&] { return QFile::exists(Mark); }));
}

} // namespace
