#include "grid/model/CaseBlind.h"
#include <QString>
#include <memory>

const char16_t *Upper_Unit_Table()
{
    // Built once for the whole basic plane (128 KB); the ASCII units never
    // reach it. QString::toUpper() decides, so the table cannot disagree.
    static const std::unique_ptr<char16_t[]> Table = [] {
        auto T = std::make_unique<char16_t[]>(0x10000);
        for (char32_t U = 0; U < 0x10000; ++U) {
            const char16_t C = static_cast<char16_t>(U);
            if (U >= 0xD800 && U <= 0xDFFF) {
                T[U] = Upper_Not_Simple;
                continue;
            }
            const QString Up = QString::fromRawData(reinterpret_cast<const QChar *>(&C), 1).toUpper();
            T[U] = Up.size() == 1 ? Up[0].unicode() : Upper_Not_Simple;
        }
        return T;
    }();
    return Table.get();
}

bool Upper_Is_Simple(QStringView Text)
{
    const char16_t *S = Text.utf16();
    for (qsizetype I = 0, N = Text.size(); I < N; ++I)
        if (S[I] >= 0x80 && Upper_Unit_Table()[S[I]] == Upper_Not_Simple)
            return false;
    return true;
}

qsizetype Upper_Index_Of(QStringView Text, QStringView Upper_Needle, qsizetype From)
{
    const qsizetype N = Text.size(), M = Upper_Needle.size();
    if (From < 0 || M > N - From)
        return M == 0 && From >= 0 && From <= N ? From : -1;
    if (M == 0)
        return From;
    const char16_t *S = Text.utf16();
    const char16_t *P = Upper_Needle.utf16();
    const char16_t First = P[0];
    for (qsizetype I = From, Last = N - M; I <= Last; ++I) {
        if (Upper_Unit(S[I]) != First)
            continue;
        qsizetype J = 1;
        while (J < M && Upper_Unit(S[I + J]) == P[J])
            ++J;
        if (J == M)
            return I;
    }
    return -1;
}

bool Upper_Equals(QStringView Text, QStringView Upper_Other)
{
    if (Text.size() != Upper_Other.size())
        return false;
    const char16_t *S = Text.utf16();
    const char16_t *P = Upper_Other.utf16();
    for (qsizetype I = 0, N = Text.size(); I < N; ++I)
        if (Upper_Unit(S[I]) != P[I])
            return false;
    return true;
}
