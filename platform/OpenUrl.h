#pragma once
#include <QList>
#include <QUrl>

// Opens a web page in the user's browser. A failure (no browser) is not
// reported; callers only learn it from the result.
class IUrlOpener
{
public:
    virtual ~IUrlOpener() = default;
    virtual bool Open(const QUrl &Url) = 0;
};

IUrlOpener &Url_Opener();
// Installs an opener (not owned); nullptr restores the real one.
void Set_Url_Opener(IUrlOpener *Opener);
inline bool Open_Url(const QUrl &Url) { return Url_Opener().Open(Url); }

// Records the pages instead of opening them.
class TFakeUrlOpener : public IUrlOpener
{
public:
    QList<QUrl> Opened;
    bool Open(const QUrl &Url) override
    {
        Opened.append(Url);
        return true;
    }
};

class TUrlOpenerGuard
{
public:
    explicit TUrlOpenerGuard(IUrlOpener *O) { Set_Url_Opener(O); }
    ~TUrlOpenerGuard() { Set_Url_Opener(nullptr); }
    TUrlOpenerGuard(const TUrlOpenerGuard &) = delete;
    TUrlOpenerGuard &operator=(const TUrlOpenerGuard &) = delete;
};
