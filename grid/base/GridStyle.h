#pragma once
#include "grid/model/GridTypes.h"
#include <QEvent>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVector>
#include <QWidget>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <thread>

enum TOfficeTheme {
    ot2003Blue, ot2003Silver, ot2003Olive, ot2003Classic, ot2007Blue, ot2007Silver, ot2007Black, ot2010Blue,
    ot2010Silver, ot2010Black, otUnknown,
};

// The styles themselves (TQelStyle) are in GridTypes.h.
class IQelStyle {
public:
    virtual ~IQelStyle() = default;
    virtual void SetComponentStyle(TQelStyle AStyle) = 0;
};
class IQelTones {
public:
    virtual ~IQelTones() = default;
    virtual void SetColorTones(TColorTones ATones) = 0;
};
// The interfaces' identities: a control of the family that lists them with
// Q_INTERFACES is found by qobject_cast<IQelStyle *> (or IQelTones) from any
// QObject pointer, the way one control asks another whether it takes a style.
#define IQelStyle_iid "{11AC2DDC-C087-4298-AB6E-EA1B5017511B}"
#define IQelTones_iid "{1F492643-6699-4F25-8B34-3233FA735036}"
Q_DECLARE_INTERFACE(IQelStyle, IQelStyle_iid)
Q_DECLARE_INTERFACE(IQelTones, IQelTones_iid)

// --- platform version tests and office theme detection --------------------------
bool IsWinXPOrLater();
bool IsVistaOrLater();
bool IsComCtl6();
// "Segoe UI" on Vista or later, else "Tahoma".
QString GetDefaultFontName();
// 0 none, 1 "NormalColor", 2 "HomeStead", 3 "Metallic".
int GetXPColorScheme();
// 2 with an office 2010 settings key, 1 with an office 2007 key, else 0.
int GetOfficeVersion();
// Never otUnknown.
TOfficeTheme GetOfficeTheme();

// --- the theme notifier ------------------------------------------------------------
// The theme-change message (2993) as a Qt event: sent to the notifier's own
// window and to every registered window when the office theme key changes.
constexpr int WM_OFFICE_THEME_CHANGE = 2993;
class TThemeChangeEvent : public QEvent {
public:
    TThemeChangeEvent(std::intptr_t RootKey, const QString &Key) : QEvent(Event_Type()), FRootKey(RootKey), FKey(Key) {}
    static QEvent::Type Event_Type();
    std::intptr_t RootKey() const { return FRootKey; }
    QString Key() const { return FKey; }

private:
    std::intptr_t FRootKey;
    QString FKey;
};
constexpr std::intptr_t HKEY_CURRENT_USER_ROOT = static_cast<std::intptr_t>(0x80000001u);

// Window handles (here: the address of the window's QWidget).
class THandleList {
public:
    void Add(std::intptr_t Value) { FItems.push_back(Value); }
    void Insert(int Index, std::intptr_t Value) { FItems.insert(Index, Value); }
    void Delete(int Index) { FItems.remove(Index); }
    // Removes the first occurrence; nothing when absent.
    void DeleteValue(std::intptr_t Value);
    bool HasValue(std::intptr_t Value) const { return FItems.contains(Value); }
    std::intptr_t GetInteger(int Index) const { return FItems.at(Index); }
    void SetInteger(int Index, std::intptr_t Value) { FItems[Index] = Value; }
    int Count() const { return static_cast<int>(FItems.size()); }

private:
    QVector<std::intptr_t> FItems;
};
inline std::intptr_t Handle_Of(const QWidget *W) { return reinterpret_cast<std::intptr_t>(W); }

class TRegistryWatch;
class TThemeNotifier;

// Watches one registry key on its own thread and has every change delivered
// on the user-interface thread: first to Wnd, then to each window of WinList.
// The thread is owned: Stop ends it and joins it (never left running). The
// window list is guarded by a lock; the worker delivers from a copy.
class TRegMonitorThread {
public:
    // Delivers one change to a window handle on the user-interface thread.
    using TDeliver = std::function<void(std::intptr_t Wnd)>;
    TRegMonitorThread(QObject *UiContext, TDeliver Deliver);
    ~TRegMonitorThread();   // stops and joins

    QString Key;
    std::intptr_t RootKey = HKEY_CURRENT_USER_ROOT;
    bool WatchSub = true;
    int Filter = 0;          // 0 means 15
    std::intptr_t Wnd = 0;

    void Start();
    void Stop();
    bool Running() const { return FThread.joinable() && !FFinished; }
    // The message that ended the worker ("Unable to open registry key ..."), or empty.
    QString Error() const;
    // Changes delivered so far (tests wait for it).
    int Deliveries() const { return FDeliveries; }

    // The registered windows (copied under the lock by the worker).
    void Register(std::intptr_t H);
    void Unregister(std::intptr_t H);
    THandleList WinList() const;

private:
    void Execute();
    bool Deliver_On_Ui(std::intptr_t H);

    QPointer<QObject> FUi;
    TDeliver FDeliver;
    std::thread FThread;
    std::atomic<bool> FTerminated{false};
    std::atomic<bool> FFinished{false};
    std::atomic<int> FDeliveries{0};
    mutable std::mutex FLock;
    std::condition_variable FDone;
    THandleList FWinList;
    std::unique_ptr<TRegistryWatch> FWatch;
    QString FError;
    std::uint64_t FPosted = 0, FHandled = 0;
    // Queued deliveries check it, so that none touches a destroyed monitor.
    std::shared_ptr<int> FAlive = std::make_shared<int>(0);
};

// A hidden window that turns the theme-change message into OnOfficeThemeChange.
class TThemeNotifierWindow : public QWidget {
    Q_OBJECT
public:
    explicit TThemeNotifierWindow(QWidget *Parent);
    std::function<void(QObject *Sender)> OnOfficeThemeChange;

protected:
    bool event(QEvent *E) override;
};

class TThemeNotifier : public QObject {
    Q_OBJECT
public:
    // Watches the office 2010 (else 2007) theme key when one exists; without
    // an office suite it has no window and no thread.
    explicit TThemeNotifier(QWidget *Owner);
    ~TThemeNotifier() override;

    void RegisterWindow(QWidget *W);
    void UnRegisterWindow(QWidget *W);
    TRegMonitorThread *Monitor() const { return FThread.get(); }
    TThemeNotifierWindow *Window() const { return FWindow; }

    std::function<void(QObject *Sender)> OnOfficeThemeChange;

private:
    void Deliver(std::intptr_t H);
    std::unique_ptr<TRegMonitorThread> FThread;
    QPointer<TThemeNotifierWindow> FWindow;
    std::map<std::intptr_t, QPointer<QWidget>> FWindows;
};

// The process-wide notifier, created on first use (owned by Owner).
TThemeNotifier *GetThemeNotifier(QWidget *Owner);
// The notifier if one exists (nullptr otherwise).
TThemeNotifier *Current_Theme_Notifier();
