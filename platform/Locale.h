#pragma once
#include <QChar>
#include <QString>

// The process's number, date and time conventions, read by the text, number
// and date routines at every call (one global set of format settings).
// They start as fixed classic values so that results do not
// depend on the machine; tests and the program may change them.
struct TFormatSettings {
    QChar DecimalSeparator = u'.';
    QChar ThousandSeparator = u',';
    QChar DateSeparator = u'/';
    // Date and time patterns in the classic picture notation
    // (d, dd, m, mm, yy, yyyy; h, hh, n/nn for minutes, s, ss, AMPM, "/" and ":"
    // standing for the separators above).
    QString ShortDateFormat = QStringLiteral("M/d/yyyy");
    QString LongDateFormat = QStringLiteral("dddd, MMMM d, yyyy");
    QChar TimeSeparator = u':';
    QString ShortTimeFormat = QStringLiteral("h:mm AMPM");
    QString LongTimeFormat = QStringLiteral("h:mm:ss AMPM");
    QString TimeAMString = QStringLiteral("AM");
    QString TimePMString = QStringLiteral("PM");
    QChar ListSeparator = u',';
};

// The current settings (one per process; user-interface thread only).
TFormatSettings &Format_Settings();
// Back to the built-in values above.
void Reset_Format_Settings();

// Sets the process's settings for one scope and restores the previous ones
// when it ends (tests).
class TFormatSettingsGuard {
public:
    explicit TFormatSettingsGuard(const TFormatSettings &Settings);
    TFormatSettingsGuard();  // only saves; change Format_Settings() freely
    ~TFormatSettingsGuard();
    TFormatSettingsGuard(const TFormatSettingsGuard &) = delete;
    TFormatSettingsGuard &operator=(const TFormatSettingsGuard &) = delete;

private:
    TFormatSettings FSaved;
};

// The leading whole number of a text: blanks skipped, an optional sign, then
// decimal digits up to the first other character (0 when there are none or
// the value does not fit 32 bits).
int Leading_Int(const QString &Text);

// The leading decimal number of a text in the locale's format: thousand
// separators dropped, the decimal separator taken (0 when there is none).
double Leading_Float(const QString &Text);
