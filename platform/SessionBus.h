#pragma once
#include <QString>
#include <QStringList>
#include <future>

// The session bus at start. The first text a label shows starts Qt's
// accessibility bridge, which connects to the session bus and waits for it
// on the main thread, before the main window can map. Two helpers take that
// wait off the main thread without changing what the program ends up with.

// What the D-Bus library would go by when asked for the session bus.
struct TSession_Bus_Clues
{
    bool Address_Set = false;    // DBUS_SESSION_BUS_ADDRESS is set (even empty)
    bool Runtime_Socket = false; // $XDG_RUNTIME_DIR/bus exists
    bool Launcher_Found = false; // dbus-launch in one of the library's folders or along PATH
};

// The folders the D-Bus library starts its launcher from before it searches
// PATH (where the system's package puts it).
QStringList Session_Bus_Launcher_Folders();

// Reads the environment and the file system as the D-Bus library would.
TSession_Bus_Clues Find_Session_Bus_Clues(const QStringList &Launcher_Folders = Session_Bus_Launcher_Folders());

// No bus is announced and none can be launched: asking for one only costs a
// fork of the program and a search of PATH for a launcher that is not there.
bool Session_Bus_Out_Of_Reach(const TSession_Bus_Clues &Clues);

// First thing in main, before any thread is started. Where the session bus is
// out of reach, makes the one attempt every later user would repeat (Qt keeps
// its answer for the run) against an address that fails at once, and puts the
// environment back as it was, so processes the program starts see what it
// saw. True when it did so; false (and nothing done) otherwise.
bool Settle_Unreachable_Session_Bus(const QStringList &Launcher_Folders = Session_Bus_Launcher_Folders());

// After the application object is built: connects to the session bus on a
// worker (launching it where that is how the system gets one), so the first
// label finds the connection made instead of waiting for it. An empty future
// where nothing is to be done (no D-Bus, the bus settled above, no thread to
// be had). Hold the future until the end: its destructor joins the worker.
std::future<void> Begin_Session_Bus_Connect();
