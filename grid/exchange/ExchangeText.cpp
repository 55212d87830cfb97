#include "grid/exchange/ExchangeText.h"
#include "platform/AtomicFile.h"
#include "platform/CodePage.h"
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <cstring>

QString Decode_Text_Bytes(const QByteArray &Bytes)
{
    const auto Starts = [&Bytes](const char *Mark, int N) {
        return Bytes.size() >= N && std::memcmp(Bytes.constData(), Mark, size_t(N)) == 0;
    };
    if (Starts("\xEF\xBB\xBF", 3))
        return QString::fromUtf8(Bytes.constData() + 3, Bytes.size() - 3);
    if (Starts("\xFF\xFE", 2) || Starts("\xFE\xFF", 2)) {
        QStringDecoder Decoder(Starts("\xFF\xFE", 2) ? QStringConverter::Utf16LE : QStringConverter::Utf16BE);
        return Decoder.decode(QByteArrayView(Bytes).sliced(2));
    }
    // Bytes 0x80..0x9F are the only ones Windows-1252 reads otherwise than
    // Latin-1; without them the fast Latin-1 conversion gives the same text.
    for (const char B : Bytes)
        if (static_cast<unsigned char>(B) >= 0x80 && static_cast<unsigned char>(B) <= 0x9F)
            return From_Cp1252(Bytes);
    return QString::fromLatin1(Bytes);
}

QByteArray Encode_Text(const QString &Text, TTextEncoding Encoding)
{
    switch (Encoding) {
    case teUtf8Bom:
        return QByteArray("\xEF\xBB\xBF") + Text.toUtf8();
    case teUtf16Bom: {
        QByteArray Out("\xFF\xFE", 2);
        QStringEncoder Encoder(QStringConverter::Utf16LE);
        Out += Encoder.encode(Text);
        return Out;
    }
    case teAnsi:
        break;
    }
    // Latin-1 and Windows-1252 agree outside 0x80..0x9F: a text without such
    // characters (and without any beyond Latin-1) takes the fast conversion.
    for (const QChar Ch : Text) {
        const char16_t U = Ch.unicode();
        if (U > 0xFF || (U >= 0x80 && U <= 0x9F))
            return To_Cp1252(Text);
    }
    return Text.toLatin1();
}

QStringList Split_Text_Lines(const QString &Text)
{
    QStringList Lines;
    const qsizetype N = Text.size();
    qsizetype Start = 0;
    for (qsizetype I = 0; I < N; ++I) {
        const QChar C = Text[I];
        if (C != u'\r' && C != u'\n')
            continue;
        Lines.append(Text.mid(Start, I - Start));
        if (C == u'\r' && I + 1 < N && Text[I + 1] == u'\n')
            ++I;
        Start = I + 1;
    }
    if (Start < N)
        Lines.append(Text.mid(Start));
    return Lines;
}

bool Has_Line_Break(const QString &Text)
{
    for (const QChar C : Text)
        if (C == u'\r' || C == u'\n')
            return true;
    return false;
}

QString Normalize_Line_Breaks(const QString &Text)
{
    if (!Has_Line_Break(Text))
        return Text;
    QString Out;
    Out.reserve(Text.size() + 8);
    for (qsizetype I = 0; I < Text.size(); ++I) {
        const QChar C = Text[I];
        if (C == u'\r' || C == u'\n') {
            Out += QStringLiteral("\r\n");
            if (C == u'\r' && I + 1 < Text.size() && Text[I + 1] == u'\n')
                ++I;
        } else {
            Out += C;
        }
    }
    return Out;
}

TExchangeResult Read_Exchange_File(const QString &Path, QByteArray &Bytes)
{
    QFile F(Path);
    if (!F.open(QIODevice::ReadOnly))
        return TExchangeResult::Failed(esCannotOpen, -1, -1, 0, Path);
    if (F.size() > Max_Exchange_File_Size)
        return TExchangeResult::Failed(esOutOfRange, -1, -1, 0, Path);
    Bytes = F.readAll();
    if (F.error() != QFileDevice::NoError)
        return TExchangeResult::Failed(esCannotOpen, -1, -1, 0, Path);
    return {};
}

TExchangeResult Write_Exchange_File(const QString &Path, const QByteArray &Bytes)
{
    QString Error;
    if (!Write_File_Atomic(Path, Bytes, &Error))
        return TExchangeResult::Failed(esCannotOpen, -1, -1, 0, Path + QStringLiteral(": ") + Error);
    return {};
}

void TProgressCounter::At(int Row)
{
    if (!FTell)
        return;
    int P = 100;
    if (FLast > FFirst) {
        const long long V = (static_cast<long long>(Row) - FFirst) * 100 / (static_cast<long long>(FLast) - FFirst);
        P = static_cast<int>(V < 0 ? 0 : (V > 100 ? 100 : V));
    }
    if (P != FTold) {
        FTold = P;
        FTell(P);
    }
}

int TParsedRows::Max_Cols() const
{
    int M = 0;
    for (int R = 0; R < Rows(); ++R)
        M = std::max(M, Cols(R));
    return M;
}
