#include "platform/DateTime.h"
#include "platform/Clock.h"
#include "platform/Locale.h"
#include <QDate>
#include <algorithm>
#include <cmath>

namespace {
// Julian day number of 1899-12-30, day 0 of TDateTime.
constexpr qint64 Epoch_Julian_Day = 2415019;
constexpr double Ms_Per_Day = 86400000.0;

const char *const Short_Day_Names[7] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
const char *const Long_Day_Names[7] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
const char *const Short_Month_Names[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                           "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
const char *const Long_Month_Names[12] = {"January", "February", "March", "April", "May", "June",
                                          "July", "August", "September", "October", "November", "December"};

QString Two(int V) { return QString::number(V).rightJustified(2, u'0'); }
} // namespace

bool Is_Leap_Year(int Year)
{
    return (Year % 4 == 0) && (Year % 100 != 0 || Year % 400 == 0);
}

int Days_In_Month(int Year, int Month)
{
    static const int Days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (Month < 1 || Month > 12)
        return 0;
    return Month == 2 && Is_Leap_Year(Year) ? 29 : Days[Month - 1];
}

bool Try_Encode_Date(int Year, int Month, int Day, TDateTime &Date)
{
    if (Year < 1 || Year > 9999 || Month < 1 || Month > 12 || Day < 1 || Day > Days_In_Month(Year, Month))
        return false;
    Date = static_cast<double>(QDate(Year, Month, Day).toJulianDay() - Epoch_Julian_Day);
    return true;
}

TDateTime Encode_Date(int Year, int Month, int Day)
{
    TDateTime D = 0;
    if (!Try_Encode_Date(Year, Month, Day, D))
        throw EConvertError("Invalid argument to date encode");
    return D;
}

bool Try_Encode_Time(int Hour, int Min, int Sec, int MSec, TDateTime &Time)
{
    if (Hour < 0 || Hour > 23 || Min < 0 || Min > 59 || Sec < 0 || Sec > 59 || MSec < 0 || MSec > 999)
        return false;
    Time = ((Hour * 3600.0 + Min * 60.0 + Sec) * 1000.0 + MSec) / Ms_Per_Day;
    return true;
}

TDateTime Encode_Time(int Hour, int Min, int Sec, int MSec)
{
    TDateTime T = 0;
    if (!Try_Encode_Time(Hour, Min, Sec, MSec, T))
        throw EConvertError("Invalid argument to time encode");
    return T;
}

double Time_Part(TDateTime D)
{
    const double F = std::fabs(D - Date_Part(D));
    return F < 1.0 ? F : 0.0;
}

TDateTime Combine_Date_Time(TDateTime Date, TDateTime Time)
{
    return Date < 0 ? Date - Time : Date + Time;
}

namespace {
// 0001-01-01 .. 9999-12-31 and the day after (for a time that rounds up).
bool In_Range(TDateTime D)
{
    return std::isfinite(D) && D >= -693594.0 && D < 2958467.0;
}
} // namespace

void Decode_Date(TDateTime Date, int &Year, int &Month, int &Day)
{
    if (!In_Range(Date)) {
        // Not a date: all zero, which no encoder accepts back.
        Year = Month = Day = 0;
        return;
    }
    // Rounding to the millisecond may carry a time of 23:59:59.9996 into the next day.
    qint64 Ms = std::llround(std::fabs(Date) * Ms_Per_Day);
    qint64 Days = Ms / 86400000;
    if (Date < 0)
        Days = -Days;
    QDate Q = QDate::fromJulianDay(Epoch_Julian_Day + Days);
    Year = Q.year();
    Month = Q.month();
    Day = Q.day();
}

void Decode_Time(TDateTime Time, int &Hour, int &Min, int &Sec, int &MSec)
{
    if (!In_Range(Time)) {
        Hour = Min = Sec = MSec = 0;
        return;
    }
    qint64 Ms = std::llround(std::fabs(Time) * Ms_Per_Day) % 86400000;
    Hour = static_cast<int>(Ms / 3600000);
    Min = static_cast<int>(Ms / 60000 % 60);
    Sec = static_cast<int>(Ms / 1000 % 60);
    MSec = static_cast<int>(Ms % 1000);
}

namespace {
// Pattern letters compared without case; the caller advances I.
bool Starts_At(const QString &P, qsizetype I, const char *Word)
{
    const QString W = QString::fromLatin1(Word);
    return P.mid(I, W.size()).compare(W, Qt::CaseInsensitive) == 0;
}

void Format_Into(QString &Out, const QString &Pattern, TDateTime Value, int Depth)
{
    const TFormatSettings &F = Format_Settings();
    int Y, Mo, D, H, Mi, S, Ms;
    Decode_Date(Value, Y, Mo, D);
    Decode_Time(Value, H, Mi, S, Ms);
    if (Y == 0)
        return; // not a date: nothing to show
    const int Dow = static_cast<int>(QDate(Y, Mo, D).dayOfWeek() % 7); // 0 = Sunday
    // A twelve-hour marker anywhere in the pattern makes h the twelve-hour clock.
    const QString Upper = Pattern.toUpper();
    const bool Twelve = Upper.contains(u"AM/PM") || Upper.contains(u"A/P") || Upper.contains(u"AMPM");
    const int H12 = H % 12 == 0 ? 12 : H % 12;
    bool After_Hour = false;
    qsizetype I = 0;
    const qsizetype N = Pattern.size();
    while (I < N) {
        const QChar C = Pattern[I];
        const QChar U = C.toUpper();
        qsizetype Run = 1;
        while (I + Run < N && Pattern[I + Run].toUpper() == U)
            ++Run;
        if (C == u'"' || C == u'\'') {
            qsizetype J = Pattern.indexOf(C, I + 1);
            if (J < 0)
                J = N;
            Out += Pattern.mid(I + 1, J - I - 1);
            I = J + 1;
            continue;
        }
        if (C == u'/') {
            Out += F.DateSeparator;
            ++I;
            continue;
        }
        if (C == u':') {
            Out += F.TimeSeparator;
            ++I;
            continue;
        }
        if (U == u'A') {
            if (Starts_At(Pattern, I, "AM/PM")) {
                const QString M = H < 12 ? Pattern.mid(I, 2) : Pattern.mid(I + 3, 2);
                Out += M;
                I += 5;
                continue;
            }
            if (Starts_At(Pattern, I, "A/P")) {
                Out += H < 12 ? Pattern.mid(I, 1) : Pattern.mid(I + 2, 1);
                I += 3;
                continue;
            }
            if (Starts_At(Pattern, I, "AMPM")) {
                Out += H < 12 ? F.TimeAMString : F.TimePMString;
                I += 4;
                continue;
            }
        }
        switch (U.unicode()) {
        case u'C':
            if (Depth == 0) {
                Format_Into(Out, F.ShortDateFormat, Value, 1);
                if (Time_Part(Value) != 0.0) {
                    Out += u' ';
                    Format_Into(Out, F.LongTimeFormat, Value, 1);
                }
            }
            I += 1;
            continue;
        case u'D':
            if (Run == 1) Out += QString::number(D);
            else if (Run == 2) Out += Two(D);
            else if (Run == 3) Out += QString::fromLatin1(Short_Day_Names[Dow]);
            else if (Run == 4) Out += QString::fromLatin1(Long_Day_Names[Dow]);
            else if (Run == 5 && Depth == 0) Format_Into(Out, F.ShortDateFormat, Value, 1);
            else if (Depth == 0) Format_Into(Out, F.LongDateFormat, Value, 1);
            I += Run;
            After_Hour = false;
            continue;
        case u'M':
            if (After_Hour && Run <= 2) {
                Out += Run == 1 ? QString::number(Mi) : Two(Mi);
            } else if (Run == 1) Out += QString::number(Mo);
            else if (Run == 2) Out += Two(Mo);
            else if (Run == 3) Out += QString::fromLatin1(Short_Month_Names[Mo - 1]);
            else Out += QString::fromLatin1(Long_Month_Names[Mo - 1]);
            I += Run;
            After_Hour = false;
            continue;
        case u'Y':
            Out += Run <= 2 ? Two(Y % 100) : QString::number(Y).rightJustified(4, u'0');
            I += Run;
            continue;
        case u'H': {
            const int Hv = Twelve ? H12 : H;
            Out += Run == 1 ? QString::number(Hv) : Two(Hv);
            I += Run;
            After_Hour = true;
            continue;
        }
        case u'N':
            Out += Run == 1 ? QString::number(Mi) : Two(Mi);
            I += Run;
            After_Hour = false;
            continue;
        case u'S':
            Out += Run == 1 ? QString::number(S) : Two(S);
            I += Run;
            After_Hour = false;
            continue;
        case u'Z':
            Out += Run < 3 ? QString::number(Ms) : QString::number(Ms).rightJustified(3, u'0');
            I += Run;
            continue;
        case u'T':
            if (Depth == 0)
                Format_Into(Out, Run == 1 ? F.ShortTimeFormat : F.LongTimeFormat, Value, 1);
            I += Run;
            continue;
        default:
            // Separators between h and m keep m meaning minutes.
            Out += C;
            ++I;
        }
    }
}
} // namespace

QString Format_Date_Time(const QString &Pattern, TDateTime Value)
{
    QString Out;
    Format_Into(Out, Pattern.isEmpty() ? QStringLiteral("c") : Pattern, Value, 0);
    return Out;
}

QString Date_Time_To_Str(TDateTime Value) { return Format_Date_Time(QStringLiteral("c"), Value); }
QString Date_To_Str(TDateTime Value) { return Format_Date_Time(Format_Settings().ShortDateFormat, Value); }
QString Time_To_Str(TDateTime Value) { return Format_Date_Time(Format_Settings().LongTimeFormat, Value); }

namespace {
bool Read_Number(const QString &T, qsizetype &I, int &V)
{
    qsizetype Start = I;
    qint64 Acc = 0;
    while (I < T.size() && T[I] >= u'0' && T[I] <= u'9' && I - Start < 9)
        Acc = Acc * 10 + (T[I++].unicode() - u'0');
    V = static_cast<int>(Acc);
    return I > Start;
}

void Skip_Blanks(const QString &T, qsizetype &I)
{
    while (I < T.size() && T[I] == u' ')
        ++I;
}

// Day, month, year order of the short date format: 0 = D, 1 = M, 2 = Y.
void Date_Order(int Order[3])
{
    const QString F = Format_Settings().ShortDateFormat.toUpper();
    struct { qsizetype Pos; int Kind; } P[3] = {{F.indexOf(u'D'), 0}, {F.indexOf(u'M'), 1}, {F.indexOf(u'Y'), 2}};
    for (auto &E : P)
        if (E.Pos < 0)
            E.Pos = 1000 + E.Kind;
    std::sort(std::begin(P), std::end(P), [](auto &A, auto &B) { return A.Pos < B.Pos; });
    for (int K = 0; K < 3; ++K)
        Order[K] = P[K].Kind;
}

bool Scan_Date(const QString &T, qsizetype &I, TDateTime &Date)
{
    const QChar Sep = Format_Settings().DateSeparator;
    int N[3] = {0, 0, 0};
    qsizetype Digits[3] = {0, 0, 0};
    int Count = 0;
    Skip_Blanks(T, I);
    while (Count < 3) {
        const qsizetype Start = I;
        if (!Read_Number(T, I, N[Count]))
            return false;
        Digits[Count++] = I - Start;
        if (Count < 3 && I < T.size() && T[I] == Sep) {
            ++I;
            continue;
        }
        break;
    }
    if (Count < 2)
        return false;
    int Order[3];
    Date_Order(Order);
    int Y = 0, M = 0, D = 0;
    if (Count == 3) {
        qsizetype Year_Digits = 0;
        for (int K = 0; K < 3; ++K) {
            if (Order[K] == 0) D = N[K];
            else if (Order[K] == 1) M = N[K];
            else { Y = N[K]; Year_Digits = Digits[K]; }
        }
        // Only a year typed with one or two digits is widened.
        if (Year_Digits <= 2)
            Y += Y < 50 ? 2000 : 1900;
    } else {
        // Two fields: day and month in their order, this year.
        int K = 0;
        for (int Kind : Order) {
            if (Kind == 2)
                continue;
            (Kind == 0 ? D : M) = N[K++];
        }
        Y = Clock().Now().date().year();
    }
    return Try_Encode_Date(Y, M, D, Date);
}

bool Scan_Time(const QString &T, qsizetype &I, TDateTime &Time)
{
    const TFormatSettings &F = Format_Settings();
    int H = 0, Mi = 0, S = 0;
    Skip_Blanks(T, I);
    if (!Read_Number(T, I, H))
        return false;
    if (I < T.size() && T[I] == F.TimeSeparator) {
        ++I;
        if (!Read_Number(T, I, Mi))
            return false;
        if (I < T.size() && T[I] == F.TimeSeparator) {
            ++I;
            if (!Read_Number(T, I, S))
                return false;
        }
    } else {
        // A bare hour needs an AM/PM marker.
        Skip_Blanks(T, I);
        if (I >= T.size())
            return false;
    }
    Skip_Blanks(T, I);
    const QString Rest = T.mid(I).toUpper();
    auto Marker = [&](const QString &M) {
        return !M.isEmpty() && Rest.startsWith(M.toUpper());
    };
    if (Marker(F.TimeAMString) || Rest.startsWith(u"AM")) {
        if (H > 12) return false;
        if (H == 12) H = 0;
        I += Marker(F.TimeAMString) ? F.TimeAMString.size() : 2;
    } else if (Marker(F.TimePMString) || Rest.startsWith(u"PM")) {
        if (H > 12) return false;
        if (H < 12) H += 12;
        I += Marker(F.TimePMString) ? F.TimePMString.size() : 2;
    }
    return Try_Encode_Time(H, Mi, S, 0, Time);
}
} // namespace

bool Try_Str_To_Date(const QString &Text, TDateTime &Value)
{
    qsizetype I = 0;
    TDateTime D;
    if (!Scan_Date(Text, I, D))
        return false;
    Skip_Blanks(Text, I);
    if (I != Text.size())
        return false;
    Value = D;
    return true;
}

bool Try_Str_To_Date_Time(const QString &Text, TDateTime &Value)
{
    qsizetype I = 0;
    TDateTime D = 0, T = 0;
    const bool Has_Date = Scan_Date(Text, I, D);
    if (!Has_Date) {
        // A time alone.
        I = 0;
        if (!Scan_Time(Text, I, T))
            return false;
    } else {
        Skip_Blanks(Text, I);
        if (I < Text.size() && !Scan_Time(Text, I, T))
            return false;
    }
    Skip_Blanks(Text, I);
    if (I != Text.size())
        return false;
    Value = Combine_Date_Time(D, T);
    return true;
}

TDateTime Str_To_Date(const QString &Text)
{
    TDateTime V = 0;
    if (!Try_Str_To_Date(Text, V))
        throw EConvertError(("'" + Text + "' is not a valid date").toStdString());
    return V;
}

TDateTime Str_To_Date_Time(const QString &Text)
{
    TDateTime V = 0;
    if (!Try_Str_To_Date_Time(Text, V))
        throw EConvertError(("'" + Text + "' is not a valid date and time").toStdString());
    return V;
}
