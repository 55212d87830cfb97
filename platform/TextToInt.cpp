#include "platform/TextToInt.h"

bool Text_To_Int(const QString &Text, int &Value)
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
    if (I < N && Text[I] == QLatin1Char('$')) {
        Base = 16;
        ++I;
    } else if (I < N && (Text[I] == QLatin1Char('x') || Text[I] == QLatin1Char('X'))) {
        Base = 16;
        ++I;
    } else if (I + 1 < N && Text[I] == QLatin1Char('0')
               && (Text[I + 1] == QLatin1Char('x') || Text[I + 1] == QLatin1Char('X'))) {
        Base = 16;
        I += 2;
    }
    if (I >= N)
        return false;
    qint64 Acc = 0;
    // Hexadecimal may fill all 32 bits (e.g. $FFFFFFFF is -1), as the platform's reader did.
    const qint64 Limit = Base == 16 ? 0xFFFFFFFFLL : (Negative ? 0x80000000LL : 0x7FFFFFFFLL);
    for (; I < N; ++I) {
        const QChar C = Text[I];
        int Digit;
        if (C >= QLatin1Char('0') && C <= QLatin1Char('9'))
            Digit = C.unicode() - '0';
        else if (Base == 16 && C >= QLatin1Char('a') && C <= QLatin1Char('f'))
            Digit = C.unicode() - 'a' + 10;
        else if (Base == 16 && C >= QLatin1Char('A') && C <= QLatin1Char('F'))
            Digit = C.unicode() - 'A' + 10;
        else
            return false;
        Acc = Acc * Base + Digit;
        if (Acc > Limit)
            return false;
    }
    qint64 Result = Base == 16 ? static_cast<qint64>(static_cast<qint32>(static_cast<quint32>(Acc))) : Acc;
    if (Negative)
        Result = -Result;
    Value = static_cast<int>(Result);
    return true;
}

int Str_To_Int_Def(const QString &Text, int Default)
{
    int V;
    return Text_To_Int(Text, V) ? V : Default;
}
