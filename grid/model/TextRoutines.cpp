#include "grid/model/TextRoutines.h"
#include "platform/CodePage.h"
#include "platform/Locale.h"
#include "platform/OemCodePage.h"
#include <algorithm>
#include <cmath>

namespace {
constexpr QChar CR = u'\r';
constexpr QChar LF = u'\n';

int Pos1(const QString &Sub, const QString &Text)
{
    if (Sub.isEmpty())
        return 0;
    return static_cast<int>(Text.indexOf(Sub)) + 1;
}

// A whole decimal number with an optional sign, nothing else (no blanks, no
// hexadecimal), within 32 bits.
bool Decimal_Int(const QString &Text, int &Value)
{
    qsizetype I = 0;
    bool Neg = false;
    if (I < Text.size() && (Text[I] == u'-' || Text[I] == u'+')) {
        Neg = Text[I] == u'-';
        ++I;
    }
    if (I >= Text.size())
        return false;
    qint64 Acc = 0;
    for (; I < Text.size(); ++I) {
        const QChar C = Text[I];
        if (C < u'0' || C > u'9')
            return false;
        Acc = Acc * 10 + (C.unicode() - u'0');
        if (Acc > 0x80000000LL)
            return false;
    }
    if (Neg)
        Acc = -Acc;
    if (Acc > 0x7FFFFFFFLL)
        return false;
    Value = static_cast<int>(Acc);
    return true;
}

QString Trim_Blanks(const QString &Text)
{
    qsizetype B = 0, E = Text.size();
    while (B < E && Text[B] <= u' ')
        ++B;
    while (E > B && Text[E - 1] <= u' ')
        --E;
    return Text.mid(B, E - B);
}
} // namespace

// ---- search and cutting ----------------------------------------------------

int PosVar(const QString &Sub, const QString &Text, int &Pos)
{
    Pos = Pos1(Sub, Text);
    return Pos;
}

int CharPosVar(QChar Ch, const QString &Text, int &Pos)
{
    const int P = static_cast<int>(Text.indexOf(Ch)) + 1;
    if (P > 0)
        Pos = P;
    return P;
}

int FirstCharPos(QChar Ch, const QString &Text)
{
    return static_cast<int>(Text.indexOf(Ch)) + 1;
}

int PosInUpperCase(const QString &Sub, const QString &Text)
{
    return Pos1(Sub, Text.toUpper());
}

int WidePos(const QString &Sub, const QString &Text)
{
    return Pos1(Sub, Text);
}

bool CutFirstField(QString &Text, const QString &Delimiter, QString &Field)
{
    const int P = Pos1(Delimiter, Text);
    if (P == 0) {
        Field.clear();
        return false;
    }
    Field = Text.left(P - 1);
    Text.remove(0, P);
    return true;
}

void CutFirstLine(QString &Text, bool KeepRest, QString &Line)
{
    const qsizetype P = Text.indexOf(CR);
    if (P < 0) {
        Line = Text;
        Text.clear();
        return;
    }
    Line = Text.left(P);
    qsizetype Cut = P + 1;
    if (Cut < Text.size() && Text[Cut] == LF)
        ++Cut;
    if (KeepRest)
        Text.remove(0, Cut);
    else
        Text.clear();
}

int CountLines(const QString &Text, bool MultiLine)
{
    return MultiLine ? 1 + static_cast<int>(Text.count(CR)) : 1;
}

int CountChar(QChar Ch, const QString &Text)
{
    return static_cast<int>(Text.count(Ch));
}

int FindUnpairedChar(QChar Ch, const QString &Text, int &Pos)
{
    int Run = 0;
    int Answer = 0;
    for (qsizetype I = 0; I < Text.size(); ++I) {
        if (Text[I] == Ch) {
            ++Run;
            continue;
        }
        if (Run % 2 == 1) {
            Answer = static_cast<int>(I); // 1-based position of the run's last character
            break;
        }
        Run = 0;
    }
    // A run at the very end is open only when it is odd: '1,""' is a closed empty field.
    if (Answer == 0 && Run % 2 == 1)
        Answer = static_cast<int>(Text.size());
    Pos = Answer;
    return Answer;
}

int CountUnpairedChars(QChar Ch, const QString &Text)
{
    int Count = 0;
    QString Rest = Text;
    int P = 0;
    while (FindUnpairedChar(Ch, Rest, P) > 0) {
        ++Count;
        Rest.remove(0, P);
    }
    return Count;
}

QString ConcatStrings(const QStringList &List)
{
    return List.join(QString());
}

int ClampToLimits(int Value, int Min, int Max)
{
    if (Min == Max)
        return Value;
    int R = Value;
    if (Min > 0 && R < Min)
        R = Min;
    if (Max > 0 && Value > Max)
        R = Max;
    return R;
}

int ParseRowColRef(const QString &Text, QPoint &Cell)
{
    if (Text.size() <= 3)
        return 0;
    const QString U = Text.toUpper();
    if (!U.startsWith(u'R'))
        return 0;
    const qsizetype C = U.indexOf(u'C');
    if (C < 0)
        return 0;
    int Row = 0, Col = 0;
    if (!Decimal_Int(U.mid(1, C - 1), Row) || !Decimal_Int(U.mid(C + 1), Col))
        return 0;
    Cell = QPoint(Col, Row);
    return 1;
}

// ---- characters and quoting ------------------------------------------------

QString DoubleQuoteChars(const QString &Text)
{
    QString R = Text;
    return R.replace(u'"', QStringLiteral("\"\""));
}

QString UndoubleChar(QChar Ch, const QString &Text)
{
    if (!Text.contains(Ch))
        return Text;
    QString R;
    R.reserve(Text.size());
    for (qsizetype I = 0; I < Text.size(); ++I) {
        R += Text[I];
        if (Text[I] == Ch && I + 1 < Text.size() && Text[I + 1] == Ch)
            ++I;
    }
    return R;
}

void FillWithChar(QString &Text, QChar Ch)
{
    Text.fill(Ch);
}

QString StripCR(const QString &Text)
{
    QString R = Text;
    return R.remove(CR);
}

QString CRToLF(const QString &Text)
{
    QString R = Text;
    return R.replace(CR, LF);
}

void CRLFToLF(QString &Text)
{
    Text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QString ProperCase(const QString &Text)
{
    QString R = Text;
    const qsizetype N = R.size();
    bool Cap = true;
    auto Is_Sep = [](QChar C) {
        return C == u' ' || C == u'\'' || C == u',' || C == u'-' || C == u'.';
    };
    for (qsizetype I = 1; I <= N; ++I) {
        QChar &C = R[I - 1];
        if (Is_Sep(C)) {
            Cap = true;
        } else if (Cap) {
            C = C.toUpper();
            Cap = false;
        } else {
            C = C.toLower();
        }
        const QString Done = R.left(I);
        const qsizetype Mc = Done.indexOf(QStringLiteral(" Mc"));
        if (Done == QStringLiteral("Mc") || (Mc >= 0 && Mc + 3 == I && I > 2)) {
            Cap = true;
        } else if (I > N - 3) {
            // A roman numeral at the end stays upper case ("Henry III").
            if ((I >= 2 && Done.mid(I - 2, 2) == QStringLiteral(" I"))
                || (I >= 3 && Done.mid(I - 3, 3) == QStringLiteral(" II")))
                Cap = true;
        }
    }
    return R;
}

void StringToOem(QString &Text)
{
    Text = From_Cp1252(To_Cp850(Text));
}

void OemToString(QString &Text)
{
    // Each character back to its ANSI byte; characters outside the ANSI
    // code page become '?' one for one, so the length holds.
    QByteArray Bytes;
    Bytes.reserve(Text.size());
    for (const QChar C : Text) {
        // The five positions the ANSI code page leaves undefined come back
        // as their C1 control characters; they stand for their own byte.
        if (C.unicode() >= 0x80 && C.unicode() <= 0x9F) {
            Bytes.append(static_cast<char>(C.unicode()));
            continue;
        }
        const QByteArray B = To_Cp1252(QString(C));
        Bytes.append(B.isEmpty() ? '?' : B[0]);
    }
    Text = From_Cp850(Bytes);
}

// ---- one-line forms -----------------------------------------------------------

QString QuoteMultiLineField(const QString &Text)
{
    QString R = Text;
    R.replace(QStringLiteral("\r\n"), QString(QChar(11)));
    return u'"' + R + u'"';
}

QString VTToCRLF(const QString &Text)
{
    QString R = Text;
    return R.replace(QChar(11), QStringLiteral("\r\n"));
}

QString LineBreaksToTilde(const QString &Text)
{
    QString R = Text;
    R.replace(CR, u'~');
    return R.remove(LF);
}

QString TildeToLineBreaks(const QString &Text)
{
    if (Text == QStringLiteral("^"))
        return QString();
    QString R = Text;
    return R.replace(u'~', QStringLiteral("\r\n"));
}

QString EncodeLineBreaks(const QString &Text)
{
    if (!Text.contains(CR))
        return Text;
    QString R = Text;
    R.replace(CR, QChar(9));
    R.replace(LF, QChar(8));
    R.replace(QChar(0), QChar(1));
    return R;
}

QString DecodeLineBreaks(const QString &Text, bool MultiLine)
{
    QString R = Text;
    if (R.contains(QChar(8))) {
        R.replace(QChar(9), CR);
        R.replace(QChar(8), LF);
        R.replace(QChar(1), QChar(0));
    }
    if (!MultiLine) {
        const qsizetype P = R.indexOf(CR);
        if (P >= 0)
            R.truncate(P);
    }
    return R;
}

QString EscapeNewlines(const QString &Text)
{
    QString R = Text;
    R.replace(CR, QStringLiteral("\\n"));
    return R.remove(LF);
}

QString UnescapeNewlines(const QString &Text)
{
    QString R = Text;
    return R.replace(QStringLiteral("\\n"), QString(CR));
}

QString LineBreaksToBR(const QString &Text)
{
    if (!Text.contains(CR))
        return Text;
    QString R = Text;
    return R.replace(CR, QStringLiteral("<br>"));
}

// ---- classification and numbers --------------------------------------------

int ClassifyCellText(const QString &Text, bool MarkupEnabled)
{
    if (Text.isEmpty())
        return ctPlain;
    const QString S = Text + u' ';
    if (S[0] == u'=')
        return ctFormula;
    if (S[0] == u'|' && S[1] == u'\\') {
        if (S.size() > 4 && S[3] == u'=' && S[4] == QChar(0))
            return ctFormula;
        return ctWideEscaped;
    }
    if (S[0] == u'{' && S[1] == u'\\')
        return ctRichText;
    if (!MarkupEnabled)
        return ctPlain;
    if (S.contains(QStringLiteral("</")) || S.contains(QStringLiteral("<B")) || S.contains(QStringLiteral("<I"))
        || S.contains(QStringLiteral("<C")))
        return ctMarkup;
    return ctPlain;
}

bool IsNumberChar(QChar Ch)
{
    if (Ch.unicode() < 128)
        return Ch >= u'0' && Ch <= u'9';
    return Ch.isNumber();
}

int ClassifyNumberText(const QString &Text)
{
    const qsizetype N = Text.size();
    if (N == 0)
        return ntNotNumber;
    const TFormatSettings &F = Format_Settings();
    const QChar Th = F.ThousandSeparator;
    const QChar Dec = F.DecimalSeparator;
    bool All_Digits = true, Dec_Valid = true, Exp_Valid = true, Has_Exp = false;
    qsizetype Last_Th = -1000;
    int Decs = 0, Minus = 0;
    for (qsizetype I = 1; I <= N; ++I) {
        const QChar Ch = Text[I - 1];
        const bool Num = IsNumberChar(Ch);
        const bool E = Ch == u'e' || Ch == u'E';
        if (!Num && Ch != u'-')
            All_Digits = false;
        if (E) {
            if (Has_Exp)
                Exp_Valid = false;
            Has_Exp = true;
        }
        if (I > 1 && Ch == u'-') {
            All_Digits = false;
            Dec_Valid = false;
        }
        if (I == 1 && E)
            Exp_Valid = false;
        if (I == N && (E || Ch == u'+' || Ch == u'-'))
            Exp_Valid = false;
        if (!Num && Ch != u'-' && Ch != Th && Ch != Dec)
            Dec_Valid = false;
        if (!Num && Ch != Th && Ch != Dec && !E && Ch != u'+' && Ch != u'-')
            Exp_Valid = false;
        if (Ch == Th) {
            Exp_Valid = false;
            if (I - Last_Th < 4)
                Dec_Valid = false;
            Last_Th = I;
        }
        if (Ch == Dec)
            ++Decs;
        if (Ch == u'-')
            ++Minus;
    }
    int Result;
    if (All_Digits) {
        Result = ntInteger;
    } else if (Dec_Valid && !Has_Exp) {
        Result = ntDecimal;
    } else if (Exp_Valid && Has_Exp) {
        Result = ntExponent;
        if (Minus == 2)
            Minus = 1; // one for the mantissa, one for the exponent
    } else {
        Result = ntNotNumber;
    }
    if (Minus > 1 || Decs > 1)
        Result = ntNotNumber;
    return Result;
}

QString NormalizeNumberText(const QString &Text)
{
    if (Text.isEmpty())
        return QString();
    const TFormatSettings &F = Format_Settings();
    QString S = Trim_Blanks(Text);
    bool Negative = S.startsWith(u'(') && S.endsWith(u')');
    // Leading signs, brackets and unit or currency letters go; a leading
    // minus makes the number negative. An "E" is not kept here: no number
    // starts with its exponent, and "EUR 12.5" must give 12.5.
    while (S.size() >= 2 && !IsNumberChar(S[0]) && S[0] != F.ThousandSeparator && S[0] != F.DecimalSeparator) {
        if (S[0] == u'-')
            Negative = true;
        S.remove(0, 1);
    }
    QString R;
    R.reserve(S.size());
    for (const QChar C : S) {
        if (C == F.ThousandSeparator)
            continue;
        if (C == F.DecimalSeparator)
            R += u'.';
        else if (IsNumberChar(C) || C == u'-' || C == u'.' || C == u'e' || C == u'E' || C == u'+')
            R += C;
        else
            break;
    }
    return Negative ? u'-' + R : R;
}

bool LooksLikeDate(const QString &Text)
{
    const QChar Sep = Format_Settings().DateSeparator;
    const qsizetype P1 = Text.indexOf(Sep);
    if (P1 < 1)
        return false;
    const QString Rest = Text.mid(P1 + 1);
    return Rest.indexOf(Sep) >= 1;
}

// ---- dates --------------------------------------------------------------------

namespace {
// Splits "a<sep>b<sep>c" at the first of "/", "." and "-" present; false when
// the form does not fit or a field is not a whole number.
bool Split_Date(const QString &Text, int &First, int &Second, int &Year, qsizetype &Year_Digits)
{
    QChar Sep;
    if (Text.contains(u'/'))
        Sep = u'/';
    else if (Text.contains(u'.'))
        Sep = u'.';
    else if (Text.contains(u'-'))
        Sep = u'-';
    else
        return false;
    const qsizetype P1 = Text.indexOf(Sep);
    const qsizetype P2 = Text.indexOf(Sep, P1 + 1);
    if (P2 < 0)
        return false;
    const QString Y = Text.mid(P2 + 1);
    if (!Decimal_Int(Text.left(P1), First) || !Decimal_Int(Text.mid(P1 + 1, P2 - P1 - 1), Second)
        || !Decimal_Int(Y, Year))
        return false;
    Year_Digits = Y.size() - ((Y.startsWith(u'-') || Y.startsWith(u'+')) ? 1 : 0);
    return true;
}

int Widen_Year(int Year, qsizetype Digits)
{
    // A year typed with three or more digits is meant as written.
    if (Digits > 2)
        return Year;
    const int Y = static_cast<int>(static_cast<unsigned>(Year) % 65536u);
    return Y <= 25 ? 2000 + Y : 1900 + Y;
}
} // namespace

TDateTime ParseDateMDY(const QString &Text)
{
    int M, D, Y;
    qsizetype Digits;
    if (!Split_Date(Text, M, D, Y, Digits))
        return 0;
    return Encode_Date(Widen_Year(Y, Digits), M, D);
}

TDateTime ParseDateDMY(const QString &Text)
{
    int M, D, Y;
    qsizetype Digits;
    if (!Split_Date(Text, D, M, Y, Digits))
        return 0;
    return Encode_Date(Widen_Year(Y, Digits), M, D);
}

bool ParseLocaleDateTime(const QString &Text, TDateTime &DateTime)
{
    const TFormatSettings &F = Format_Settings();
    const QString Fmt = F.ShortDateFormat.toUpper();
    struct TSlot { qsizetype Pos; int Kind; }; // Kind 0 day, 1 month, 2 year
    TSlot Slots[3] = {{Fmt.indexOf(u'D'), 0}, {Fmt.indexOf(u'M'), 1}, {Fmt.indexOf(u'Y'), 2}};
    for (TSlot &S : Slots)
        if (S.Pos < 0)
            S.Pos = 1000 + S.Kind;
    std::sort(std::begin(Slots), std::end(Slots), [](const TSlot &A, const TSlot &B) { return A.Pos < B.Pos; });

    const qsizetype P1 = Text.indexOf(F.DateSeparator);
    if (P1 < 0)
        return false;
    const qsizetype P2 = Text.indexOf(F.DateSeparator, P1 + 1);
    if (P2 < 0)
        return false;
    QString Fields[3] = {Text.left(P1), Text.mid(P1 + 1, P2 - P1 - 1), Trim_Blanks(Text.mid(P2 + 1))};
    QString Time_Text;
    const qsizetype Blank = Fields[2].indexOf(u' ');
    if (Blank >= 0) {
        Time_Text = Trim_Blanks(Fields[2].mid(Blank));
        Fields[2].truncate(Blank);
    }
    int Value[3] = {0, 0, 0}; // by kind
    for (int K = 0; K < 3; ++K) {
        int V;
        if (!Decimal_Int(Fields[K], V))
            return false;
        Value[Slots[K].Kind] = V;
    }
    if (Value[0] > 31 || Value[1] > 12)
        return false;
    TDateTime Date;
    if (!Try_Encode_Date(Value[2], Value[1], Value[0], Date))
        return false;
    if (Blank < 0) {
        DateTime = Date;
        return true;
    }
    const qsizetype T1 = Time_Text.indexOf(F.TimeSeparator);
    if (T1 < 0) {
        DateTime = Date;
        return false;
    }
    const qsizetype T2 = Time_Text.indexOf(F.TimeSeparator, T1 + 1);
    int H, M, S = 0;
    if (!Decimal_Int(Time_Text.left(T1), H))
        return false;
    if (!Decimal_Int(T2 < 0 ? Time_Text.mid(T1 + 1) : Time_Text.mid(T1 + 1, T2 - T1 - 1), M))
        return false;
    if (T2 >= 0 && !Decimal_Int(Time_Text.mid(T2 + 1), S))
        return false;
    TDateTime Time;
    if (!Try_Encode_Time(H, M, S, 0, Time))
        return false;
    DateTime = Combine_Date_Time(Date, Time);
    return true;
}

namespace {
// Year, month and day moved to a valid date: the month is normalised into
// 1..12 (carrying into the year) and the day clamped to the month's length.
TDateTime Shift_Date(TDateTime Date, int Years, int Months)
{
    int Y, M, D;
    Decode_Date(Date, Y, M, D);
    int Total = Y * 12 + (M - 1) + Years * 12 + Months;
    int NY = Total >= 0 ? Total / 12 : -((-Total + 11) / 12);
    int NM = Total - NY * 12 + 1;
    const int ND = std::min(D, Days_In_Month(NY, NM));
    return Combine_Date_Time(Encode_Date(NY, NM, ND), Time_Part(Date));
}
} // namespace

TDateTime IncDateBy(short Years, short Months, short Days, TDateTime Date, double Step)
{
    if (Years == 0 && Months == 0 && Days != 0)
        return Date + Days;
    if (Years != 0 && Months == 0 && Days == 0)
        return Shift_Date(Date, Years, 0);
    if (Years == 0 && Months != 0 && Days == 0)
        return Shift_Date(Date, 0, Months);
    return Date + Step;
}

// ---- wide text, URLs, clipboard ----------------------------------------------

QString EncodeWideText(const QString &Text)
{
    QString R = QStringLiteral("|\\");
    R.reserve(2 + Text.size() * 2);
    for (const QChar C : Text) {
        R += QChar(char16_t(C.unicode() >> 8));
        R += QChar(char16_t(C.unicode() & 0xFF));
    }
    return R;
}

QString DecodeWideText(const QString &Text)
{
    if (!Text.startsWith(QStringLiteral("|\\")))
        return Text;
    QString R;
    R.reserve((Text.size() - 2) / 2);
    for (qsizetype I = 2; I + 1 < Text.size(); I += 2)
        R += QChar(char16_t(((Text[I].unicode() & 0xFF) << 8) | (Text[I + 1].unicode() & 0xFF)));
    return R;
}

bool ContainsURL(const QString &Text)
{
    return Text.contains(QStringLiteral("://")) || Text.contains(QStringLiteral("mailto:"));
}

void StripURLScheme(QString &Text)
{
    qsizetype P = Text.indexOf(QStringLiteral("://"));
    if (P >= 0) {
        Text.remove(0, P + 3);
        return;
    }
    P = Text.indexOf(QStringLiteral("mailto:"));
    if (P >= 0)
        Text.remove(0, P + 7);
}

bool LinkifyURL(const QString &Text, const QString &UpperPrefix, QString &Result)
{
    if (UpperPrefix.isEmpty() || !Text.toUpper().contains(UpperPrefix))
        return false;
    QString S = Text;
    S.replace(u'<', QStringLiteral("&lt;"));
    S.replace(u'>', QStringLiteral("&gt;"));
    const qsizetype P = S.toUpper().indexOf(UpperPrefix);
    if (P < 0)
        return false;
    auto Url_Char = [](QChar C) {
        if ((C >= u'A' && C <= u'Z') || (C >= u'a' && C <= u'z') || (C >= u'0' && C <= u'9'))
            return true;
        return QStringView(u"%()-./:@\\_{}").contains(C);
    };
    qsizetype E = P;
    while (E < S.size() && Url_Char(S[E]))
        ++E;
    const QString Link = S.mid(P, E - P);
    Result = S.left(P) + QStringLiteral("<a href=\"") + Link + QStringLiteral("\">") + Link + QStringLiteral("</a>")
             + S.mid(E);
    return true;
}

QString ColorToHexRGB(TColor Color)
{
    const TColor C = Color_To_RGB(Color);
    return QStringLiteral("%1%2%3")
        .arg(Get_R_Value(C), 2, 16, QLatin1Char('0'))
        .arg(Get_G_Value(C), 2, 16, QLatin1Char('0'))
        .arg(Get_B_Value(C), 2, 16, QLatin1Char('0'))
        .toUpper();
}

void MakeHTMLClipboardData(QString &Fragment)
{
    const QString Head = QStringLiteral(
        "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">"
        "<html><head><META http-equiv=Content-Type content=\"text/html; charset=utf-8\"></head>"
        "<body><!--StartFragment-->");
    const QString Tail = QStringLiteral("<!--EndFragment--></body></html>");
    // The five header lines have fixed lengths: 13 + 20 + 18 + 24 + 22 bytes.
    const int Header = 97;
    const int Start_Fragment = Header + static_cast<int>(Head.toUtf8().size());
    const int End_Fragment = Start_Fragment + static_cast<int>(Fragment.toUtf8().size());
    const int End_Html = End_Fragment + static_cast<int>(Tail.toUtf8().size());
    auto Line = [](const char *Name, int V) {
        return QString::fromLatin1(Name) + QStringLiteral("%1").arg(V, 8, 10, QLatin1Char('0')) + QStringLiteral("\r\n");
    };
    Fragment = QStringLiteral("Version:1.0\r\n") + Line("StartHTML:", Header) + Line("EndHTML:", End_Html)
               + Line("StartFragment:", Start_Fragment) + Line("EndFragment:", End_Fragment) + Head + Fragment + Tail;
}
