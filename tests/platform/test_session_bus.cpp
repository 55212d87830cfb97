// The session bus at start: where nothing announces a bus and nothing could
// launch one, the program settles the question without a launch attempt and
// leaves the environment as it found it; anywhere else it changes nothing.
#include "platform/SessionBus.h"
#include "TestSupport.h"
#include <QDBusConnection>
#include <QDBusError>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>
#include <gtest/gtest.h>
#include <optional>

namespace {

// Sets (or, with no value, removes) environment variables for one scope.
class TEnvironment_Scope
{
public:
    ~TEnvironment_Scope()
    {
        for (auto It = Saved.crbegin(); It != Saved.crend(); ++It) {
            if (It->second)
                qputenv(It->first.constData(), *It->second);
            else
                qunsetenv(It->first.constData());
        }
    }
    void Set(const char *Name, const std::optional<QByteArray> &Value)
    {
        Saved.push_back({Name, qEnvironmentVariableIsSet(Name) ? std::optional(qgetenv(Name)) : std::nullopt});
        if (Value)
            qputenv(Name, *Value);
        else
            qunsetenv(Name);
    }

private:
    std::vector<std::pair<QByteArray, std::optional<QByteArray>>> Saved;
};

// A place where the clues can be laid out: a runtime folder, a folder on
// PATH and one the library would start its launcher from.
class SessionBusTest : public ::testing::Test
{
protected:
    QTemporaryDir Dir;
    QString Runtime() const { return Dir.filePath(QStringLiteral("runtime")); }
    QString Path_Dir() const { return Dir.filePath(QStringLiteral("path")); }
    QString Library_Dir() const { return Dir.filePath(QStringLiteral("library")); }

    void SetUp() override
    {
        ASSERT_TRUE(Dir.isValid());
        for (const QString &D : {Runtime(), Path_Dir(), Library_Dir()})
            ASSERT_TRUE(QDir().mkpath(D));
    }
    static void Make_Launcher(const QString &Folder)
    {
        const QString File = Folder + QStringLiteral("/dbus-launch");
        Write_File(File, "#!/bin/sh\nexit 1\n");
        QFile::setPermissions(File, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
};

} // namespace

// Only when nothing announces a bus and nothing could launch one is it out of reach.
TEST(SessionBusClues, OutOfReachOnlyWithoutAnyClue)
{
    struct TCase
    {
        const char *Name;
        TSession_Bus_Clues Clues;
        bool Out_Of_Reach;
    };
    const TCase Cases[] = {
        {"NoClue", {false, false, false}, true},
        {"AddressSet", {true, false, false}, false},
        {"RuntimeSocket", {false, true, false}, false},
        {"LauncherFound", {false, false, true}, false},
        {"Everything", {true, true, true}, false},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(Session_Bus_Out_Of_Reach(C.Clues), C.Out_Of_Reach);
    }
}

// Each clue is read where the D-Bus library reads it; an empty address still counts as set.
TEST_F(SessionBusTest, CluesAreReadFromEnvironmentAndFolders)
{
    struct TCase
    {
        const char *Name;
        std::optional<QByteArray> Address;
        bool Runtime_Bus;
        bool Launcher_On_Path;
        bool Launcher_In_Library;
        TSession_Bus_Clues Expected;
    };
    const TCase Cases[] = {
        {"Nothing", std::nullopt, false, false, false, {false, false, false}},
        {"Address", QByteArray("unix:path=/nowhere"), false, false, false, {true, false, false}},
        {"EmptyAddress", QByteArray(""), false, false, false, {true, false, false}},
        {"RuntimeBus", std::nullopt, true, false, false, {false, true, false}},
        {"LauncherOnPath", std::nullopt, false, true, false, {false, false, true}},
        {"LauncherInLibraryFolder", std::nullopt, false, false, true, {false, false, true}},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        QFile::remove(Runtime() + QStringLiteral("/bus"));
        QFile::remove(Path_Dir() + QStringLiteral("/dbus-launch"));
        QFile::remove(Library_Dir() + QStringLiteral("/dbus-launch"));
        if (C.Runtime_Bus)
            Write_File(Runtime() + QStringLiteral("/bus"), "");
        if (C.Launcher_On_Path)
            Make_Launcher(Path_Dir());
        if (C.Launcher_In_Library)
            Make_Launcher(Library_Dir());
        TEnvironment_Scope Env;
        Env.Set("DBUS_SESSION_BUS_ADDRESS", C.Address);
        Env.Set("XDG_RUNTIME_DIR", Runtime().toLocal8Bit());
        Env.Set("PATH", Path_Dir().toLocal8Bit());
        const TSession_Bus_Clues Found = Find_Session_Bus_Clues({Library_Dir()});
        EXPECT_EQ(Found.Address_Set, C.Expected.Address_Set);
        EXPECT_EQ(Found.Runtime_Socket, C.Expected.Runtime_Socket);
        EXPECT_EQ(Found.Launcher_Found, C.Expected.Launcher_Found);
    }
}

// With any clue the program leaves the bus to Qt and the environment untouched.
TEST_F(SessionBusTest, AnyClueLeavesTheBusAlone)
{
    TEnvironment_Scope Env;
    Env.Set("XDG_RUNTIME_DIR", Runtime().toLocal8Bit());
    Env.Set("PATH", Path_Dir().toLocal8Bit());
    Env.Set("DBUS_SESSION_BUS_ADDRESS", QByteArray("unix:path=/nowhere"));
    EXPECT_FALSE(Settle_Unreachable_Session_Bus({Library_Dir()}));
    EXPECT_EQ(qgetenv("DBUS_SESSION_BUS_ADDRESS"), "unix:path=/nowhere");
    Env.Set("DBUS_SESSION_BUS_ADDRESS", std::nullopt);
    Make_Launcher(Library_Dir());
    EXPECT_FALSE(Settle_Unreachable_Session_Bus({Library_Dir()}));
    EXPECT_FALSE(qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS"));
}

// Out of reach, the bus is settled without a launch: Qt's session bus reports
// the unknown address kind (a launch attempt would report the launcher), the
// address is gone from the environment again, and no worker is started. Run
// in a process of its own: Qt and the library keep their first answer.
TEST_F(SessionBusTest, OutOfReachIsSettledWithoutLaunch)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const auto Settle = [this] {
        TEnvironment_Scope Env;
        Env.Set("DBUS_SESSION_BUS_ADDRESS", std::nullopt);
        Env.Set("XDG_RUNTIME_DIR", Runtime().toLocal8Bit());
        Env.Set("PATH", Path_Dir().toLocal8Bit());
        if (!Settle_Unreachable_Session_Bus({Library_Dir()}))
            std::exit(1);
        if (qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS"))
            std::exit(2);
        const QDBusConnection Bus = QDBusConnection::sessionBus();
        if (Bus.isConnected() || Bus.lastError().type() != QDBusError::BadAddress)
            std::exit(3);
        if (Begin_Session_Bus_Connect().valid())
            std::exit(4);
        std::exit(0);
    };
    EXPECT_EXIT(Settle(), ::testing::ExitedWithCode(0), "");
}
