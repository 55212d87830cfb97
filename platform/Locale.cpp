#include "platform/Locale.h"

namespace {
TFormatSettings &Current()
{
    static TFormatSettings Settings;
    return Settings;
}
} // namespace

TFormatSettings &Format_Settings() { return Current(); }
void Reset_Format_Settings() { Current() = TFormatSettings(); }

TFormatSettingsGuard::TFormatSettingsGuard(const TFormatSettings &Settings) : FSaved(Current()) { Current() = Settings; }
TFormatSettingsGuard::TFormatSettingsGuard() : FSaved(Current()) {}
TFormatSettingsGuard::~TFormatSettingsGuard() { Current() = FSaved; }
