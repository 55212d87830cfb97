#include "platform/Locale.h"
#include "platform/TextToInt.h"

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

int Leading_Int(const QString &Text)
{
    const QString T = Text.trimmed();
    int End = 0;
    if (End < T.size() && (T[End] == u'-' || T[End] == u'+'))
        ++End;
    while (End < T.size() && T[End].isDigit())
        ++End;
    int V = 0;
    return Text_To_Int(T.left(End), V) ? V : 0;
}

double Leading_Float(const QString &Text)
{
    QString T = Text.trimmed();
    T.remove(Format_Settings().ThousandSeparator);
    T.replace(Format_Settings().DecimalSeparator, u'.');
    int End = 0;
    if (End < T.size() && (T[End] == u'-' || T[End] == u'+'))
        ++End;
    while (End < T.size() && (T[End].isDigit() || T[End] == u'.'))
        ++End;
    bool Ok = false;
    const double V = T.left(End).toDouble(&Ok);
    return Ok ? V : 0.0;
}
