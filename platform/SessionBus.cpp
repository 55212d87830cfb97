#include "platform/SessionBus.h"
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <system_error>
#ifdef BC_HAVE_QT_DBUS
#include <QDBusConnection>
#endif

namespace {
const char Address_Variable[] = "DBUS_SESSION_BUS_ADDRESS";
// Set once by Settle_Unreachable_Session_Bus: the worker then has nothing to do.
bool Settled = false;
} // namespace

QStringList Session_Bus_Launcher_Folders()
{
    return {QStringLiteral("/usr/bin"), QStringLiteral("/usr/local/bin")};
}

TSession_Bus_Clues Find_Session_Bus_Clues(const QStringList &Launcher_Folders)
{
    TSession_Bus_Clues Clues;
    Clues.Address_Set = qEnvironmentVariableIsSet(Address_Variable);
    const QString Runtime_Dir = qEnvironmentVariable("XDG_RUNTIME_DIR");
    // Any entry named bus counts: the library checks that it is the user's
    // socket, and whatever it finds there is not for this program to judge.
    Clues.Runtime_Socket = !Runtime_Dir.isEmpty() && QFileInfo::exists(Runtime_Dir + QStringLiteral("/bus"));
    const QString Launcher = QStringLiteral("dbus-launch");
    Clues.Launcher_Found = !QStandardPaths::findExecutable(Launcher).isEmpty()
                           || (!Launcher_Folders.isEmpty()
                               && !QStandardPaths::findExecutable(Launcher, Launcher_Folders).isEmpty());
    return Clues;
}

bool Session_Bus_Out_Of_Reach(const TSession_Bus_Clues &Clues)
{
    return !Clues.Address_Set && !Clues.Runtime_Socket && !Clues.Launcher_Found;
}

bool Settle_Unreachable_Session_Bus(const QStringList &Launcher_Folders)
{
#ifdef BC_HAVE_QT_DBUS
    if (!Session_Bus_Out_Of_Reach(Find_Session_Bus_Clues(Launcher_Folders)))
        return false;
    // An address of a kind the library does not know fails without a fork.
    // The library and Qt both keep the first answer for the whole run, so the
    // environment can be put back at once; no other thread runs yet that
    // could read it meanwhile.
    qputenv(Address_Variable, QByteArrayLiteral("disabled:"));
    (void)QDBusConnection::sessionBus();
    qunsetenv(Address_Variable);
    Settled = true;
    return true;
#else
    (void)Launcher_Folders;
    return false;
#endif
}

std::future<void> Begin_Session_Bus_Connect()
{
#ifdef BC_HAVE_QT_DBUS
    if (Settled)
        return {};
    try {
        // Qt serialises the connection: whoever asks while it is being made
        // waits for it and then shares it.
        return std::async(std::launch::async, [] { (void)QDBusConnection::sessionBus(); });
    } catch (const std::system_error &) {
    }
#endif
    return {};
}
