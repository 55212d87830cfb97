#include "platform/Clock.h"
#include "platform/ProcessRun.h"
#include "TestSupport.h"
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A launcher whose process ends after a given time on the driven clock (or never).
class TFakeLauncher : public IProcess_Launcher
{
public:
    struct TProc : IRunning_Process
    {
        TFakeLauncher *Owner;
        std::uint32_t Ends_At;
        explicit TProc(TFakeLauncher *O, std::uint32_t E) : Owner(O), Ends_At(E) {}
        ~TProc() override { ++Owner->Released; }
        bool Finished(int &Code) override
        {
            ++Owner->Polls;
            if (Owner->Never_Ends || Tick_Count() < Ends_At)
                return false;
            Code = Owner->Exit_Code;
            return true;
        }
    };
    bool Fails = false;
    bool Never_Ends = false;
    std::uint32_t Runs_For = 0;
    int Exit_Code = 0;
    int Polls = 0;
    int Released = 0;
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
        return std::make_unique<TProc>(this, Tick_Count() + Runs_For);
    }
};

TEST(ProcessRun, BoundedWaitOnTheDrivenClock)
{
    struct TCase
    {
        const char *Name;
        bool Never_Ends;
        std::uint32_t Runs_For;
        bool Finished;
        std::uint32_t Waited;
        int Polls;
    };
    const TCase Cases[] = {
        // ends at once: no pause at all
        {"EndsAtOnce", false, 0, true, 0, 1},
        // ends after 25 ms: three 10 ms pauses
        {"EndsAfter25ms", false, 25, true, 30, 4},
        // runs for 200 s: the wait ends after 150 s and the program is left running
        {"RunsLongerThanTheBound", false, 200000, false, 150000, 15001},
        {"NeverEnds", true, 0, false, 150000, 15001},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        TDrivenClock Clk;
        TClockGuard G(&Clk);
        TFakeLauncher L;
        L.Never_Ends = C.Never_Ends;
        L.Runs_For = C.Runs_For;
        TProcessLauncherGuard LG(&L);
        int Idles = 0;
        const TProcess_Run R = Run_And_Wait(QStringLiteral("/p/Lanwick_Refresh.exe"), {}, true, 150000, [&] { ++Idles; });
        EXPECT_TRUE(R.Started);
        EXPECT_EQ(R.Finished, C.Finished);
        EXPECT_EQ(R.Waited_Ms, C.Waited);
        EXPECT_EQ(L.Polls, C.Polls);
        EXPECT_EQ(Idles, C.Polls - 1);
        EXPECT_TRUE(L.Args.isEmpty());
    }
}

TEST(ProcessRun, FailureToStartIsReported)
{
    TFakeLauncher L;
    L.Fails = true;
    TProcessLauncherGuard LG(&L);
    const TProcess_Run R = Run_And_Wait(QStringLiteral("/p/x"), {}, true, 150000);
    EXPECT_FALSE(R.Started);
    EXPECT_EQ(R.Error, QStringLiteral("No such file"));
}

// ---- the real launcher ---------------------------------------------------------------

class RealProcessTest : public ::testing::Test
{
protected:
    QTemporaryDir Dir;
    QString Script(const char *Name, const QByteArray &Body)
    {
        const QString Path = Dir.filePath(QLatin1String(Name));
        Write_File(Path, "#!/bin/sh\n" + Body);
        QFile::setPermissions(Path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return Path;
    }
};

TEST_F(RealProcessTest, ExitCodeAndArgumentsComeBack)
{
    const QString P = Script("prog", "echo \"$#\" > \"$(dirname \"$0\")/argc\"\nexit 3\n");
    const TProcess_Run R = Run_And_Wait(P, {}, true, 20000);
    ASSERT_TRUE(R.Started) << qPrintable(R.Error);
    EXPECT_TRUE(R.Finished);
    EXPECT_EQ(R.Exit_Code, 3);
    EXPECT_EQ(Read_File(Dir.filePath(QStringLiteral("argc"))), QByteArray("0\n"));
}

TEST_F(RealProcessTest, MissingOrNonExecutableProgramsDoNotStart)
{
    TProcess_Run R = Run_And_Wait(Dir.filePath(QStringLiteral("absent")), {}, true, 1000);
    EXPECT_FALSE(R.Started);
    EXPECT_FALSE(R.Error.isEmpty());
    const QString Plain = Dir.filePath(QStringLiteral("plain"));
    Write_File(Plain, "#!/bin/sh\nexit 0\n");
    R = Run_And_Wait(Plain, {}, true, 1000);
    EXPECT_FALSE(R.Started);
}

TEST_F(RealProcessTest, AProgramStillRunningAtTheBoundIsNotStopped)
{
    // the program waits for a flag file, then leaves a mark: it outlives the wait
    const QString Flag = Dir.filePath(QStringLiteral("go"));
    const QString Mark = Dir.filePath(QStringLiteral("mark"));
    const QString P = Script("slow", QStringLiteral("while [ ! -f '%1' ]; do sleep 0.02; done\ntouch '%2'\n").arg(Flag, Mark).toUtf8());
    TDrivenClock Clk;
    TProcess_Run R;
    {
        TClockGuard G(&Clk);
        R = Run_And_Wait(P, {}, true, 100);
    }
    ASSERT_TRUE(R.Started);
    EXPECT_FALSE(R.Finished);
    Write_File(Flag, "");
    for (int I = 0; I < 500 && !QFile::exists(Mark); ++I)
        Clock().Sleep(10);
    EXPECT_TRUE(QFile::exists(Mark));
}

} // namespace
