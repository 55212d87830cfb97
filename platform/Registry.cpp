#include "platform/Registry.h"

namespace {
QString Norm(const QString &Key)
{
    QString K = Key.toLower();
    while (K.endsWith(u'\\'))
        K.chop(1);
    return K;
}

class TNoRegistry : public TRegistry {
public:
    bool Key_Exists(const QString &) override { return false; }
    bool Read_DWord(const QString &, const QString &, std::uint32_t &) override { return false; }
    std::unique_ptr<TRegistryWatch> Open_Watch(const QString &) override { return nullptr; }
};

TNoRegistry No_Registry;
TRegistry *Current_Registry = &No_Registry;
} // namespace

TRegistry &Registry() { return *Current_Registry; }

TRegistryGuard::TRegistryGuard(TRegistry &Reg) : FSaved(Current_Registry) { Current_Registry = &Reg; }
TRegistryGuard::~TRegistryGuard() { Current_Registry = FSaved; }

struct TFakeRegistry::TWatchState {
    QString Key;
    bool Armed = false;
    bool Sub = false;
    bool Signalled = false;
    std::mutex Lock;
    std::condition_variable Cond;
};

class TFakeWatch : public TRegistryWatch {
public:
    TFakeWatch(TFakeRegistry *Owner, std::shared_ptr<TFakeRegistry::TWatchState> S) : FOwner(Owner), FState(std::move(S)) {}
    void Wait() override
    {
        std::unique_lock<std::mutex> L(FState->Lock);
        FState->Cond.wait(L, [this] { return FState->Signalled; });
    }
    void Wake() override
    {
        std::lock_guard<std::mutex> L(FState->Lock);
        FState->Signalled = true;
        FState->Cond.notify_all();
    }
    void Reset() override
    {
        std::lock_guard<std::mutex> L(FState->Lock);
        FState->Signalled = false;
    }
    void Arm(bool WatchSubtree, int Filter) override
    {
        {
            std::lock_guard<std::mutex> L(FOwner->FLock);
            FOwner->FLastFilter[FState->Key] = Filter == 0 ? 15 : Filter;
            ++FOwner->FArms[FState->Key];
        }
        std::lock_guard<std::mutex> L(FState->Lock);
        FState->Armed = true;
        FState->Sub = WatchSubtree;
    }

private:
    TFakeRegistry *FOwner;
    std::shared_ptr<TFakeRegistry::TWatchState> FState;
};

void TFakeRegistry::Create_Key(const QString &Key)
{
    std::lock_guard<std::mutex> L(FLock);
    // Creating a key creates its parents, as the real store does.
    QString K = Norm(Key);
    while (!K.isEmpty()) {
        FKeys.insert(K);
        const int P = K.lastIndexOf(u'\\');
        K = P < 0 ? QString() : K.left(P);
    }
}

void TFakeRegistry::Delete_Key(const QString &Key)
{
    std::lock_guard<std::mutex> L(FLock);
    const QString K = Norm(Key);
    for (auto It = FKeys.begin(); It != FKeys.end();)
        It = (*It == K || It->startsWith(K + u'\\')) ? FKeys.erase(It) : std::next(It);
    FValues.erase(K);
}

void TFakeRegistry::Set_DWord(const QString &Key, const QString &Name, std::uint32_t Value)
{
    Create_Key(Key);
    std::lock_guard<std::mutex> L(FLock);
    FValues[Norm(Key)][Name.toLower()] = Value;
}

void TFakeRegistry::Report_Change(const QString &Key)
{
    const QString K = Norm(Key);
    std::vector<std::shared_ptr<TWatchState>> Hit;
    {
        std::lock_guard<std::mutex> L(FLock);
        for (auto &W : FWatches)
            if (auto S = W.lock())
                Hit.push_back(S);
    }
    for (auto &S : Hit) {
        std::lock_guard<std::mutex> L(S->Lock);
        if (S->Armed && (S->Key == K || (S->Sub && K.startsWith(S->Key + u'\\')))) {
            S->Armed = false;   // one report per arming
            S->Signalled = true;
            S->Cond.notify_all();
        }
    }
}

int TFakeRegistry::Last_Filter(const QString &Key) const
{
    std::lock_guard<std::mutex> L(FLock);
    auto It = FLastFilter.find(Norm(Key));
    return It == FLastFilter.end() ? -1 : It->second;
}

int TFakeRegistry::Arm_Count(const QString &Key) const
{
    std::lock_guard<std::mutex> L(FLock);
    auto It = FArms.find(Norm(Key));
    return It == FArms.end() ? 0 : It->second;
}

int TFakeRegistry::Open_Watch_Count() const
{
    std::lock_guard<std::mutex> L(FLock);
    int N = 0;
    for (auto &W : FWatches)
        N += W.expired() ? 0 : 1;
    return N;
}

bool TFakeRegistry::Key_Exists(const QString &Key)
{
    std::lock_guard<std::mutex> L(FLock);
    return FKeys.count(Norm(Key)) > 0;
}

bool TFakeRegistry::Read_DWord(const QString &Key, const QString &Name, std::uint32_t &Value)
{
    std::lock_guard<std::mutex> L(FLock);
    auto K = FValues.find(Norm(Key));
    if (K == FValues.end())
        return false;
    auto V = K->second.find(Name.toLower());
    if (V == K->second.end())
        return false;
    Value = V->second;
    return true;
}

std::unique_ptr<TRegistryWatch> TFakeRegistry::Open_Watch(const QString &Key)
{
    std::lock_guard<std::mutex> L(FLock);
    if (FKeys.count(Norm(Key)) == 0)
        return nullptr;
    auto S = std::make_shared<TWatchState>();
    S->Key = Norm(Key);
    FWatches.push_back(S);
    return std::make_unique<TFakeWatch>(this, S);
}
