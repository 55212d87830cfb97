#pragma once
#include <QString>
#include <QStringList>
#include <condition_variable>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <vector>

// The per-user settings store as the grid's office-theme detection reads it
// (keys under HKEY_CURRENT_USER, backslash-separated, case-insensitive).
// Linux has no such store and no office suite: the default registry answers
// "no key" everywhere and cannot be watched, so no watcher thread ever runs.
// Tests install a TFakeRegistry to drive the theme logic.

// A watch on one key: Wait blocks until a change was reported since the last
// Reset or until Wake; Reset clears the signalled state (a manual-reset event).
class TRegistryWatch {
public:
    virtual ~TRegistryWatch() = default;
    virtual void Wait() = 0;
    virtual void Wake() = 0;
    virtual void Reset() = 0;
    // (Re-)arms the change notification; Filter 0 is taken as 15 (name,
    // attributes, last-set and security changes).
    virtual void Arm(bool WatchSubtree, int Filter) = 0;
};

class TRegistry {
public:
    virtual ~TRegistry() = default;
    virtual bool Key_Exists(const QString &Key) = 0;
    // False when the key or the value is missing or not a DWORD.
    virtual bool Read_DWord(const QString &Key, const QString &Name, std::uint32_t &Value) = 0;
    // nullptr when the key cannot be opened.
    virtual std::unique_ptr<TRegistryWatch> Open_Watch(const QString &Key) = 0;
};

// The process's registry (the empty Linux one unless a test installs another).
TRegistry &Registry();

// In-memory registry: keys, DWORD values and change reports.
class TFakeRegistry : public TRegistry {
public:
    void Create_Key(const QString &Key);
    void Delete_Key(const QString &Key);
    void Set_DWord(const QString &Key, const QString &Name, std::uint32_t Value);
    // Signals every watch on Key (or on a parent of Key armed with WatchSubtree).
    void Report_Change(const QString &Key);
    // The filter of the last arming of any watch on Key (-1 when never armed).
    int Last_Filter(const QString &Key) const;
    int Open_Watch_Count() const;
    // How often watches on Key were armed (tests wait for a re-arm).
    int Arm_Count(const QString &Key) const;

    bool Key_Exists(const QString &Key) override;
    bool Read_DWord(const QString &Key, const QString &Name, std::uint32_t &Value) override;
    std::unique_ptr<TRegistryWatch> Open_Watch(const QString &Key) override;

private:
    friend class TFakeWatch;
    struct TWatchState;
    mutable std::mutex FLock;
    std::set<QString> FKeys;
    std::map<QString, std::map<QString, std::uint32_t>> FValues;
    std::vector<std::weak_ptr<TWatchState>> FWatches;
    std::map<QString, int> FLastFilter;
    std::map<QString, int> FArms;
};

// Installs a registry for one scope (tests) and restores the previous one.
class TRegistryGuard {
public:
    explicit TRegistryGuard(TRegistry &Reg);
    ~TRegistryGuard();
    TRegistryGuard(const TRegistryGuard &) = delete;
    TRegistryGuard &operator=(const TRegistryGuard &) = delete;

private:
    TRegistry *FSaved;
};
