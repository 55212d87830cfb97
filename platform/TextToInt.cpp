#include "platform/TextToInt.h"

namespace {

// The digits of a whole number, unsigned, with its sign and base. Decimal is
// bounded by the signed range of the width, hexadecimal may fill every bit.
struct TWhole_Number {
    quint64 Magnitude = 0;
    bool Negative = false;
    bool Hex = false;
};

bool Scan_Whole_Number(const QString &Text, quint64 Hex_Limit, quint64 Positive_Limit, TWhole_Number &Number)
{
    int I = 0;
    const int N = Text.size();
    while (I < N && Text[I] == QLatin1Char(' '))
        ++I;
    bool Negative = false;
    if (I < N && (Text[I] == QLatin1Char('-') || Text[I] == QLatin1Char('+'))) {
        Negative = Text[I] == QLatin1Char('-');
        ++I;
    }
    int Base = 10;
    if (I < N && (Text[I] == QLatin1Char('$') || Text[I] == QLatin1Char('x') || Text[I] == QLatin1Char('X'))) {
        Base = 16;
        ++I;
    } else if (I + 1 < N && Text[I] == QLatin1Char('0')
               && (Text[I + 1] == QLatin1Char('x') || Text[I + 1] == QLatin1Char('X'))) {
        Base = 16;
        I += 2;
    }
    if (I >= N)
        return false;
    quint64 Acc = 0;
    const quint64 Limit = Base == 16 ? Hex_Limit : (Negative ? Positive_Limit + 1 : Positive_Limit);
    for (; I < N; ++I) {
        const ushort C = Text[I].unicode();
        quint64 Digit;
        if (C >= '0' && C <= '9')
            Digit = C - '0';
        else if (Base == 16 && C >= 'a' && C <= 'f')
            Digit = C - 'a' + 10;
        else if (Base == 16 && C >= 'A' && C <= 'F')
            Digit = C - 'A' + 10;
        else
            return false;
        if (Acc > (Limit - Digit) / Base)
            return false;
        Acc = Acc * Base + Digit;
    }
    Number.Magnitude = Acc;
    Number.Negative = Negative;
    Number.Hex = Base == 16;
    return true;
}

} // namespace

bool Text_To_Int(const QString &Text, int &Value)
{
    TWhole_Number Number;
    // Hexadecimal may fill all 32 bits (e.g. $FFFFFFFF is -1), as the platform's reader did.
    if (!Scan_Whole_Number(Text, 0xFFFFFFFFULL, 0x7FFFFFFFULL, Number))
        return false;
    qint64 Result = Number.Hex ? static_cast<qint64>(static_cast<qint32>(static_cast<quint32>(Number.Magnitude)))
                               : static_cast<qint64>(Number.Magnitude);
    if (Number.Negative)
        Result = -Result;
    Value = static_cast<int>(Result);
    return true;
}

int Str_To_Int_Def(const QString &Text, int Default)
{
    int V;
    return Text_To_Int(Text, V) ? V : Default;
}

bool Text_To_Int64(const QString &Text, qint64 &Value)
{
    TWhole_Number Number;
    if (!Scan_Whole_Number(Text, 0xFFFFFFFFFFFFFFFFULL, 0x7FFFFFFFFFFFFFFFULL, Number))
        return false;
    Value = Number.Negative ? static_cast<qint64>(0 - Number.Magnitude) : static_cast<qint64>(Number.Magnitude);
    return true;
}
