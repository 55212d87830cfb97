#include "platform/NumberFormat.h"
#include "platform/DateTime.h"
#include "platform/Locale.h"
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace {
constexpr int Max_Sci_Digits = 18; // integer digits of a scientific mantissa

QString With_Separators(const QString &Plain, bool Thousands)
{
    // Plain is "[-]digits[.digits]" in C form.
    const TFormatSettings &F = Format_Settings();
    QString Sign, Int = Plain, Frac;
    if (Int.startsWith(u'-')) {
        Sign = QStringLiteral("-");
        Int.remove(0, 1);
    }
    const qsizetype Dot = Int.indexOf(u'.');
    if (Dot >= 0) {
        Frac = Int.mid(Dot + 1);
        Int.truncate(Dot);
    }
    if (Thousands)
        for (qsizetype P = Int.size() - 3; P > 0; P -= 3)
            Int.insert(P, F.ThousandSeparator);
    return Sign + Int + (Dot >= 0 ? QString(F.DecimalSeparator) + Frac : QString());
}

// "1e+20" -> "1E20", "1e-05" -> "1E-5".
QString Platform_Exponent(const QString &S, bool Plus_Sign, int Min_Digits)
{
    const qsizetype E = S.indexOf(u'e');
    if (E < 0)
        return S;
    QString Mant = S.left(E);
    QString Exp = S.mid(E + 1);
    QChar Sign = u'+';
    if (Exp.startsWith(u'+') || Exp.startsWith(u'-')) {
        Sign = Exp[0];
        Exp.remove(0, 1);
    }
    while (Exp.size() > 1 && Exp.startsWith(u'0'))
        Exp.remove(0, 1);
    Exp = Exp.rightJustified(Min_Digits, u'0');
    return Mant + u'E' + (Sign == u'-' ? QStringLiteral("-") : (Plus_Sign ? QStringLiteral("+") : QString())) + Exp;
}

QString Localise_Point(const QString &S)
{
    QString R = S;
    return R.replace(u'.', Format_Settings().DecimalSeparator);
}

QStringList Split_Sections(const QString &Format)
{
    QStringList Sections;
    QString Cur;
    QChar Quote;
    for (const QChar C : Format) {
        if (!Quote.isNull()) {
            if (C == Quote)
                Quote = QChar();
            Cur += C;
        } else if (C == u'"' || C == u'\'') {
            Quote = C;
            Cur += C;
        } else if (C == u';') {
            Sections << Cur;
            Cur.clear();
        } else {
            Cur += C;
        }
    }
    Sections << Cur;
    return Sections;
}

QString Apply_Section(const QString &Section, double Value)
{
    // Read the picture: literal text before and after the digit area.
    QString Prefix, Suffix;
    int Int_Zeros = 0, Frac_Zeros = 0, Frac_Max = 0, Exp_Digits = 0;
    bool Has_Point = false, Thousands = false, Sci = false, Exp_Plus = false, Seen_Digit = false;
    QChar Exp_Letter = u'E';
    QChar Quote;
    for (qsizetype I = 0; I < Section.size(); ++I) {
        const QChar C = Section[I];
        QString &Literal = Seen_Digit ? Suffix : Prefix;
        if (!Quote.isNull()) {
            if (C == Quote)
                Quote = QChar();
            else
                Literal += C;
            continue;
        }
        if (C == u'"' || C == u'\'') {
            Quote = C;
            continue;
        }
        if ((C == u'E' || C == u'e') && I + 1 < Section.size() && (Section[I + 1] == u'+' || Section[I + 1] == u'-')
            && Seen_Digit && !Sci) {
            Sci = true;
            Exp_Letter = C.toUpper();
            Exp_Plus = Section[I + 1] == u'+';
            ++I;
            while (I + 1 < Section.size() && Section[I + 1] == u'0') {
                ++Exp_Digits;
                ++I;
            }
            if (Exp_Digits == 0)
                Exp_Digits = 1;
            continue;
        }
        if ((C == u'0' || C == u'#') && Suffix.isEmpty() && !Sci) {
            Seen_Digit = true;
            if (Has_Point) {
                ++Frac_Max;
                if (C == u'0')
                    Frac_Zeros = Frac_Max;
            } else if (C == u'0') {
                ++Int_Zeros;
            }
            continue;
        }
        if (C == u'.' && !Has_Point && Suffix.isEmpty() && !Sci) {
            Has_Point = true;
            Seen_Digit = true;
            continue;
        }
        if (C == u',' && Suffix.isEmpty() && !Sci) {
            Thousands = true;
            continue;
        }
        Literal += C;
    }
    const double A = std::fabs(Value);
    QString Body;
    if (Sci) {
        // A double holds no more than 18 significant digits; more integer
        // zeros in the format would only scale the mantissa past them.
        const int Digits = std::clamp(Int_Zeros, 1, Max_Sci_Digits);
        int Exp = A == 0 ? 0 : static_cast<int>(std::floor(std::log10(A))) - (Digits - 1);
        double Mant = A == 0 ? 0 : A / std::pow(10.0, Exp);
        QString M = QString::number(Mant, 'f', Frac_Max);
        // Rounding carried into one more integer digit (9.96 -> "10.0"): shift.
        if (M.section(u'.', 0, 0).size() > Digits) {
            ++Exp;
            M = QString::number(A / std::pow(10.0, Exp), 'f', Frac_Max);
        }
        while (Frac_Max > Frac_Zeros && M.contains(u'.') && M.endsWith(u'0') && M.size() - M.indexOf(u'.') - 1 > Frac_Zeros)
            M.chop(1);
        if (M.endsWith(u'.'))
            M.chop(1);
        const QString E = QString::number(std::abs(Exp)).rightJustified(Exp_Digits, u'0');
        Body = Localise_Point(M) + Exp_Letter + (Exp < 0 ? QStringLiteral("-") : (Exp_Plus ? QStringLiteral("+") : QString())) + E;
    } else {
        QString P = QString::number(A, 'f', Frac_Max);
        if (P.contains(u'.')) {
            while (P.endsWith(u'0') && P.size() - P.indexOf(u'.') - 1 > Frac_Zeros)
                P.chop(1);
            if (P.endsWith(u'.'))
                P.chop(1);
        }
        QString Int = P.section(u'.', 0, 0);
        const QString Frac = P.contains(u'.') ? P.section(u'.', 1) : QString();
        if (Int == QStringLiteral("0") && Int_Zeros == 0)
            Int.clear();
        Int = Int.rightJustified(Int_Zeros, u'0');
        const QString Joined = Frac.isEmpty() ? Int : Int + u'.' + Frac;
        Body = With_Separators(Joined, Thousands);
    }
    return Prefix + Body + Suffix;
}
} // namespace

QString Float_To_Str(double Value)
{
    if (std::isnan(Value))
        return QStringLiteral("NAN");
    if (std::isinf(Value))
        return Value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    return Localise_Point(Platform_Exponent(QString::number(Value, 'g', 15), false, 1));
}

QString Format_Float(const QString &Format, double Value)
{
    if (Format.isEmpty())
        return Float_To_Str(Value);
    const QStringList S = Split_Sections(Format);
    if (Value < 0) {
        if (S.size() > 1 && !S[1].isEmpty())
            return Apply_Section(S[1], Value);
        const QString R = Apply_Section(S[0], Value);
        // A value that shows as zero gets no sign.
        bool Any_Digit = false;
        for (const QChar C : R)
            if (C >= u'1' && C <= u'9')
                Any_Digit = true;
        return Any_Digit ? u'-' + R : R;
    }
    if (Value == 0 && S.size() > 2 && !S[2].isEmpty())
        return Apply_Section(S[2], Value);
    return Apply_Section(S[0], Value);
}

namespace {
struct TDirective {
    bool Left = false;
    int Width = -1;
    int Precision = -1;
    QChar Type;
};

template <typename TOne>
QString Format_With(const QString &Format, TOne One)
{
    QString Out;
    bool Used = false;
    for (qsizetype I = 0; I < Format.size(); ++I) {
        const QChar C = Format[I];
        if (C != u'%') {
            Out += C;
            continue;
        }
        if (I + 1 < Format.size() && Format[I + 1] == u'%') {
            Out += u'%';
            ++I;
            continue;
        }
        TDirective D;
        qsizetype J = I + 1;
        if (J < Format.size() && Format[J] == u'-') {
            D.Left = true;
            ++J;
        }
        auto Number = [&](int &V) {
            const qsizetype S = J;
            int Acc = 0;
            while (J < Format.size() && Format[J].isDigit() && J - S < 6)
                Acc = Acc * 10 + Format[J++].digitValue();
            if (J > S)
                V = Acc;
        };
        Number(D.Width);
        if (J < Format.size() && Format[J] == u'.') {
            ++J;
            D.Precision = 0;
            Number(D.Precision);
        }
        if (J >= Format.size() || Used)
            throw EConvertError(("Format '" + Format + "' invalid or incompatible with argument").toStdString());
        D.Type = Format[J].toLower();
        QString Piece = One(D);
        if (D.Width > Piece.size())
            Piece = D.Left ? Piece.leftJustified(D.Width) : Piece.rightJustified(D.Width);
        Out += Piece;
        Used = true;
        I = J;
    }
    return Out;
}

QString Float_Directive(const TDirective &D, double V, const QString &Format)
{
    switch (D.Type.unicode()) {
    case u'e': {
        const int Digits = D.Precision < 0 ? 15 : std::clamp(D.Precision, 1, 18);
        return Localise_Point(Platform_Exponent(QString::number(V, 'e', Digits - 1), true, 3));
    }
    case u'f':
        return Localise_Point(QString::number(V, 'f', D.Precision < 0 ? 2 : std::min(D.Precision, 18)));
    case u'g': {
        const int Digits = D.Precision < 0 ? 15 : std::clamp(D.Precision, 1, 18);
        return Localise_Point(Platform_Exponent(QString::number(V, 'g', Digits), false, 1));
    }
    case u'n':
    case u'm':
        return With_Separators(QString::number(V, 'f', D.Precision < 0 ? 2 : std::min(D.Precision, 18)), true);
    case u's':
        return Float_To_Str(V);
    default:
        throw EConvertError(("Format '" + Format + "' invalid or incompatible with argument").toStdString());
    }
}
} // namespace

QString Format_Number(const QString &Format, double Value)
{
    return Format_With(Format, [&](const TDirective &D) -> QString {
        const QChar T = D.Type;
        if (T == u'd' || T == u'u' || T == u'x') {
            if (!std::isfinite(Value) || Value != std::trunc(Value) || std::fabs(Value) > 9.2e18)
                throw EConvertError(("Format '" + Format + "' invalid or incompatible with argument").toStdString());
            return Format_Integer(QStringLiteral("%") + (D.Precision >= 0 ? QStringLiteral(".%1").arg(D.Precision) : QString()) + T,
                                  static_cast<long long>(Value));
        }
        return Float_Directive(D, Value, Format);
    });
}

QString Format_Integer(const QString &Format, long long Value)
{
    return Format_With(Format, [&](const TDirective &D) -> QString {
        const QChar T = D.Type;
        if (T == u'd' || T == u'u') {
            QString Digits = QString::number(Value < 0 ? -static_cast<unsigned long long>(Value) : static_cast<unsigned long long>(Value));
            if (D.Precision > Digits.size())
                Digits = Digits.rightJustified(D.Precision, u'0');
            return (Value < 0 ? QStringLiteral("-") : QString()) + Digits;
        }
        if (T == u'x') {
            QString Digits = QString::number(static_cast<unsigned long long>(Value), 16).toUpper();
            if (D.Precision > Digits.size())
                Digits = Digits.rightJustified(D.Precision, u'0');
            return Digits;
        }
        if (T == u's')
            return QString::number(Value);
        return Float_Directive(D, static_cast<double>(Value), Format);
    });
}
