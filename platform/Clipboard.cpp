#include "platform/Clipboard.h"
#include "platform/HtmlEnvelope.h"

IClipboard &Qt_Clipboard();   // ClipboardQt.cpp

namespace {
IClipboard *Current = nullptr;
}

IClipboard &Clipboard() { return Current ? *Current : Qt_Clipboard(); }
void Set_Clipboard(IClipboard *Board) { Current = Board; }
IClipboard &System_Clipboard() { return Qt_Clipboard(); }

void TClipData::Set(const QString &Mime, const QByteArray &Bytes)
{
    for (auto &F : FFormats)
        if (F.first == Mime) {
            F.second = Bytes;
            return;
        }
    FFormats.append({Mime, Bytes});
}

bool TClipData::Has(const QString &Mime) const
{
    for (const auto &F : FFormats)
        if (F.first == Mime)
            return true;
    return false;
}

QByteArray TClipData::Get(const QString &Mime) const
{
    for (const auto &F : FFormats)
        if (F.first == Mime)
            return F.second;
    return QByteArray();
}

QStringList TClipData::Formats() const
{
    QStringList L;
    for (const auto &F : FFormats)
        L << F.first;
    return L;
}

void IClipboard::Put_Text(const QString &Text)
{
    TClipData D;
    D.Set_Text(Text);
    Set(D);
}

QString IClipboard::Html() const
{
    return QString::fromUtf8(Html_Without_Envelope(Data(Mime_Html())));
}

QByteArray IClipboard::Rtf() const
{
    QByteArray R = Data(Mime_Rtf());
    const qsizetype Zero = R.indexOf('\0');
    if (Zero >= 0)
        R.truncate(Zero);
    return R;
}

void TFakeClipboard::Set(const TClipData &Data)
{
    Content = Data;
    ++Sets;
}

void TFakeClipboard::Add(const TClipData &Data)
{
    for (const QString &M : Data.Formats())
        Content.Set(M, Data.Get(M));
    ++Adds;
}

void TFakeClipboard::Clear()
{
    Content = TClipData();
    ++Sets;
}
