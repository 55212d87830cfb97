#include "platform/OpenUrl.h"
#include <QDesktopServices>

namespace {
class TDesktopUrlOpener : public IUrlOpener
{
public:
    bool Open(const QUrl &Url) override { return QDesktopServices::openUrl(Url); }
};

TDesktopUrlOpener Desktop_Opener;
IUrlOpener *Current = nullptr;
} // namespace

IUrlOpener &Url_Opener() { return Current ? *Current : Desktop_Opener; }
void Set_Url_Opener(IUrlOpener *Opener) { Current = Opener; }
