#include "dropdowns/DropDownText.h"
#include "platform/Locale.h"

bool IsRangeSeparator(QChar Ch) { return Ch == u',' || Ch == u'-' || Ch == u';'; }

namespace {
bool Is_Digit(QChar Ch) { return Ch >= u'0' && Ch <= u'9'; }
bool Is_Hex_Letter(QChar Ch) { return (Ch >= u'A' && Ch <= u'F') || (Ch >= u'a' && Ch <= u'f'); }
} // namespace

int ClassifyValueText(const QString &Text)
{
    const TFormatSettings &FS = Format_Settings();
    if (Text.isEmpty())
        return vtNoNumber;
    bool Integer = true;
    bool Decimal = true;
    bool Hexadecimal = true;
    int Minus_Count = 0;
    int Decimal_Count = 0;
    // 1-based position of the thousand separator before; a first one must
    // have something before it.
    int Previous_Thousand = -1;
    for (int I = 0; I < Text.size(); ++I) {
        const QChar Ch = Text[I];
        const int Pos = I + 1;
        const bool Digit = Is_Digit(Ch);
        const bool Thousand = Ch == FS.ThousandSeparator;
        const bool Point = Ch == FS.DecimalSeparator;
        if (Ch == u'-')
            ++Minus_Count;
        if (Point)
            ++Decimal_Count;
        if (!Digit && Ch != u'-')
            Integer = false;
        if (!Digit && Ch != u'-' && !Thousand && !Point)
            Decimal = false;
        if (!Digit && Ch != u'-' && !Is_Hex_Letter(Ch))
            Hexadecimal = false;
        if (Thousand) {
            if (Pos - Previous_Thousand < 3)
                Decimal = false;
            Previous_Thousand = Pos;
        }
    }
    if (Minus_Count > 1 || Decimal_Count > 1)
        return vtNoNumber;
    if (Integer)
        return vtInteger;
    if (Decimal)
        return vtDecimal;
    if (Hexadecimal)
        return vtHexadecimal;
    return vtNoNumber;
}

QString StripThousandSeparators(const QString &Text)
{
    QString S = Text;
    S.remove(Format_Settings().ThousandSeparator);
    return S;
}

int HexDigitValue(QChar Ch)
{
    if (Is_Digit(Ch))
        return Ch.unicode() - u'0';
    if (Ch >= u'A' && Ch <= u'F')
        return Ch.unicode() - u'A' + 10;
    if (Ch >= u'a' && Ch <= u'f')
        return Ch.unicode() - u'a' + 10;
    return 0;
}

std::int32_t HexToInt(const QString &Text)
{
    // Horner's scheme gives the same sum of weighted digits; unsigned
    // arithmetic wraps at 32 bits.
    std::uint32_t V = 0;
    for (QChar Ch : Text)
        V = V * 16u + static_cast<std::uint32_t>(HexDigitValue(Ch));
    return static_cast<std::int32_t>(V);
}

QString CaseKey(const QString &Text, bool MatchCase) { return MatchCase ? Text : Text.toUpper(); }

QString DropDown_Float_Text(double V, int Precision)
{
    QString S = Precision > 0 ? QString::number(V, 'f', Precision) : QString::number(V, 'g', 15);
    S.replace(u'.', Format_Settings().DecimalSeparator);
    return S;
}
