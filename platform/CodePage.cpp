#include "platform/CodePage.h"
#include <QStringDecoder>

namespace {
// 0x80..0x9F; 0 marks the five positions that Windows-1252 leaves undefined.
const char16_t Cp1252_High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};
} // namespace

QByteArray To_Cp1252(const QString &Text)
{
    QByteArray Out;
    Out.reserve(Text.size());
    for (qsizetype I = 0; I < Text.size(); ++I) {
        const char16_t U = Text[I].unicode();
        if (U < 0x80 || (U >= 0xA0 && U <= 0xFF)) {
            Out.append(static_cast<char>(U));
            continue;
        }
        char Byte = '?';
        for (int K = 0; K < 32; ++K)
            if (Cp1252_High[K] != 0 && Cp1252_High[K] == U) {
                Byte = static_cast<char>(0x80 + K);
                break;
            }
        // A surrogate pair is one character: one '?'.
        if (Byte == '?' && QChar::isHighSurrogate(U) && I + 1 < Text.size()
            && QChar::isLowSurrogate(Text[I + 1].unicode()))
            ++I;
        Out.append(Byte);
    }
    return Out;
}

QString From_Cp1252(const QByteArray &Bytes)
{
    QString Out;
    Out.reserve(Bytes.size());
    for (const char C : Bytes) {
        const unsigned char B = static_cast<unsigned char>(C);
        if (B >= 0x80 && B <= 0x9F) {
            const char16_t U = Cp1252_High[B - 0x80];
            // Undefined positions map through to the C1 control, as the system did.
            Out.append(QChar(U ? U : char16_t(B)));
        } else {
            Out.append(QChar(char16_t(B)));
        }
    }
    return Out;
}

bool Is_Valid_Utf8(const QByteArray &Bytes)
{
    // Checked in place: decoding only to look at the error flag took over a
    // second for a 50 MB language file, the check alone a few milliseconds.
    return QByteArrayView(Bytes).isValidUtf8();
}
