#include "grid/base/GridStyle.h"
#include "platform/Registry.h"
#include "platform/SystemInfo.h"
#include <QCoreApplication>

namespace {
const QString Office14 = QStringLiteral("Software\\Microsoft\\Office\\14.0\\Common");
const QString Office12 = QStringLiteral("Software\\Microsoft\\Office\\12.0\\Common");
TThemeNotifier *Notifier = nullptr;

// -1 when the key or the value is missing.
long long Theme_Value(const QString &Key)
{
    std::uint32_t V = 0;
    if (!Registry().Read_DWord(Key, QStringLiteral("Theme"), V))
        return -1;
    return V;
}
} // namespace

bool IsWinXPOrLater()
{
    const TSystemInfo &I = System_Info();
    return I.Win_Major > 5 || (I.Win_Major == 5 && I.Win_Minor > 0);
}
bool IsVistaOrLater() { return System_Info().Has_GetLocaleInfoEx; }
bool IsComCtl6() { return System_Info().ComCtl_Major > 5; }
QString GetDefaultFontName() { return IsVistaOrLater() ? QStringLiteral("Segoe UI") : QStringLiteral("Tahoma"); }

int GetXPColorScheme()
{
    if (!IsWinXPOrLater() || !System_Info().Theme_Active || !IsComCtl6())
        return 0;
    const QString &N = System_Info().Theme_Color_Name;
    if (N.contains(QStringLiteral("NormalColor")))
        return 1;
    if (N.contains(QStringLiteral("HomeStead")))
        return 2;
    if (N.contains(QStringLiteral("Metallic")))
        return 3;
    return 0;
}

int GetOfficeVersion()
{
    if (Registry().Key_Exists(Office14 + QStringLiteral("\\General")))
        return 2;
    if (Registry().Key_Exists(Office12 + QStringLiteral("\\General")))
        return 1;
    return 0;
}

TOfficeTheme GetOfficeTheme()
{
    const long long V14 = Theme_Value(Office14);
    if (V14 >= 0)
        return V14 == 1 ? ot2010Blue : V14 == 2 ? ot2010Silver : V14 == 3 ? ot2010Black : ot2003Blue;
    const long long V12 = Theme_Value(Office12);
    if (V12 >= 0)
        return V12 == 1 ? ot2007Blue : V12 == 2 ? ot2007Silver : V12 == 3 ? ot2007Black : ot2003Blue;
    switch (GetXPColorScheme()) {
    case 1: return ot2003Blue;
    case 2: return ot2003Olive;
    case 3: return ot2003Silver;
    default: return ot2003Classic;
    }
}

QEvent::Type TThemeChangeEvent::Event_Type()
{
    static const QEvent::Type T = static_cast<QEvent::Type>(QEvent::registerEventType());
    return T;
}

void THandleList::DeleteValue(std::intptr_t Value)
{
    const int I = FItems.indexOf(Value);
    if (I >= 0)
        FItems.remove(I);
}

// --- TRegMonitorThread -------------------------------------------------------------

TRegMonitorThread::TRegMonitorThread(QObject *UiContext, TDeliver Deliver) : FUi(UiContext), FDeliver(std::move(Deliver)) {}

TRegMonitorThread::~TRegMonitorThread() { Stop(); }

void TRegMonitorThread::Start()
{
    if (FThread.joinable())
        return;
    // The key is opened here, on the starting thread, so that the watch exists
    // before Stop can be asked to wake it.
    FWatch = Registry().Open_Watch(Key);
    if (!FWatch) {
        std::lock_guard<std::mutex> L(FLock);
        FError = QStringLiteral("Unable to open registry key ") + Key;
        FFinished = true;
        return;
    }
    FWatch->Arm(WatchSub, Filter == 0 ? 15 : Filter);
    FThread = std::thread([this] { Execute(); });
}

void TRegMonitorThread::Stop()
{
    if (!FThread.joinable())
        return;
    {
        std::lock_guard<std::mutex> L(FLock);
        FTerminated = true;
    }
    FDone.notify_all();
    FWatch->Wake();
    FThread.join();
}

QString TRegMonitorThread::Error() const
{
    std::lock_guard<std::mutex> L(FLock);
    return FError;
}

void TRegMonitorThread::Register(std::intptr_t H)
{
    std::lock_guard<std::mutex> L(FLock);
    if (!FWinList.HasValue(H))
        FWinList.Add(H);
}

void TRegMonitorThread::Unregister(std::intptr_t H)
{
    std::lock_guard<std::mutex> L(FLock);
    FWinList.DeleteValue(H);
}

THandleList TRegMonitorThread::WinList() const
{
    std::lock_guard<std::mutex> L(FLock);
    return FWinList;
}

bool TRegMonitorThread::Deliver_On_Ui(std::intptr_t H)
{
    // A synchronous send: the worker waits until the user-interface thread
    // has handled the change, or until Stop (which must never wait for the
    // user-interface thread, or a stop during a send would deadlock).
    std::uint64_t Ticket;
    {
        std::lock_guard<std::mutex> L(FLock);
        if (FTerminated || !FUi)
            return false;
        Ticket = ++FPosted;
    }
    QMetaObject::invokeMethod(
        FUi,
        [this, H, Ticket, Alive = std::weak_ptr<int>(FAlive)] {
            if (Alive.expired())
                return;
            bool Go;
            {
                std::lock_guard<std::mutex> L(FLock);
                Go = !FTerminated;
            }
            if (Go && FDeliver)
                FDeliver(H);
            {
                std::lock_guard<std::mutex> L(FLock);
                FHandled = std::max(FHandled, Ticket);
            }
            FDone.notify_all();
        },
        Qt::QueuedConnection);
    std::unique_lock<std::mutex> L(FLock);
    FDone.wait(L, [&] { return FTerminated || FHandled >= Ticket; });
    return !FTerminated;
}

void TRegMonitorThread::Execute()
{
    for (;;) {
        FWatch->Wait();
        if (FTerminated)
            break;
        if (Wnd != 0 && !Deliver_On_Ui(Wnd))
            break;
        const THandleList List = WinList();
        bool Stopped = false;
        for (int I = 0; I < List.Count() && !Stopped; ++I)
            Stopped = !Deliver_On_Ui(List.GetInteger(I));
        if (Stopped)
            break;
        ++FDeliveries;
        FWatch->Reset();
        FWatch->Arm(WatchSub, Filter == 0 ? 15 : Filter);
    }
    FFinished = true;
}

// --- TThemeNotifierWindow, TThemeNotifier -------------------------------------------

TThemeNotifierWindow::TThemeNotifierWindow(QWidget *Parent) : QWidget(Parent)
{
    setVisible(false);
}

bool TThemeNotifierWindow::event(QEvent *E)
{
    if (E->type() == TThemeChangeEvent::Event_Type() && OnOfficeThemeChange)
        OnOfficeThemeChange(this);
    return QWidget::event(E);
}

TThemeNotifier::TThemeNotifier(QWidget *Owner) : QObject(Owner)
{
    const int Version = GetOfficeVersion();
    if (Version != 1 && Version != 2)
        return;
    FWindow = new TThemeNotifierWindow(Owner);
    FWindow->OnOfficeThemeChange = [this](QObject *) {
        if (OnOfficeThemeChange)
            OnOfficeThemeChange(this);
    };
    FThread = std::make_unique<TRegMonitorThread>(this, [this](std::intptr_t H) { Deliver(H); });
    FThread->Wnd = Handle_Of(FWindow);
    FThread->Filter = 4;   // last-set changes
    FThread->Key = Version == 2 ? Office14 : Office12;
    FThread->RootKey = HKEY_CURRENT_USER_ROOT;
    FThread->WatchSub = true;
    FThread->Start();
}

TThemeNotifier::~TThemeNotifier()
{
    FThread.reset();   // stops and joins
    if (Notifier == this)
        Notifier = nullptr;
    delete FWindow.data();
}

void TThemeNotifier::RegisterWindow(QWidget *W)
{
    if (!FThread || !W)
        return;
    FWindows[Handle_Of(W)] = W;
    FThread->Register(Handle_Of(W));
}

void TThemeNotifier::UnRegisterWindow(QWidget *W)
{
    if (!FThread || !W)
        return;
    FWindows.erase(Handle_Of(W));
    FThread->Unregister(Handle_Of(W));
}

void TThemeNotifier::Deliver(std::intptr_t H)
{
    // A handle may name a window destroyed since it was copied: only live,
    // still registered windows (and the own window) receive the message.
    QWidget *Target = nullptr;
    if (FWindow && H == Handle_Of(FWindow))
        Target = FWindow;
    else if (auto It = FWindows.find(H); It != FWindows.end())
        Target = It->second;
    if (!Target)
        return;
    TThemeChangeEvent E(FThread ? FThread->RootKey : HKEY_CURRENT_USER_ROOT, FThread ? FThread->Key : QString());
    QCoreApplication::sendEvent(Target, &E);
}

TThemeNotifier *GetThemeNotifier(QWidget *Owner)
{
    if (!Notifier)
        Notifier = new TThemeNotifier(Owner);
    return Notifier;
}

TThemeNotifier *Current_Theme_Notifier() { return Notifier; }
