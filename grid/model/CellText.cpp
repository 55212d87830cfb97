#include "grid/model/CellText.h"

void TCellText::Release()
{
    if (Kind() == kHeap)
        delete Heap();
    std::memset(FBytes, 0, sizeof FBytes);
}

void TCellText::Copy_From(const TCellText &Other)
{
    if (Other.Kind() == kHeap) {
        QString *P = new QString(*Other.Heap());
        std::memcpy(FBytes, &P, sizeof P);
        FBytes[15] = kHeap;
    } else {
        std::memcpy(FBytes, Other.FBytes, sizeof FBytes);
    }
}

void TCellText::Assign_Wide(const QString &Text)
{
    Release();
    const qsizetype N = Text.size();
    const QChar *S = Text.constData();
    if (N <= Max_Utf16) {
        std::memcpy(FBytes, S, static_cast<size_t>(N) * sizeof(char16_t));
        FBytes[14] = static_cast<unsigned char>(N);
        FBytes[15] = kInline16;
        return;
    }
    QString *P = new QString(Text);
    std::memcpy(FBytes, &P, sizeof P);
    FBytes[15] = kHeap;
}

QString TCellText::To_String() const
{
    switch (Kind()) {
    case kInline8:
        return Length8() ? QString::fromLatin1(reinterpret_cast<const char *>(FBytes), Length8()) : QString();
    case kInline16: {
        char16_t U[Max_Utf16];
        std::memcpy(U, FBytes, static_cast<size_t>(Length8()) * sizeof(char16_t));
        return QString(reinterpret_cast<const QChar *>(U), Length8());
    }
    case kHeap:
        return *Heap();
    }
    return QString();
}

bool TCellText::Equals(const QString &Text) const
{
    switch (Kind()) {
    case kInline8: {
        if (Text.size() != Length8())
            return false;
        for (int I = 0; I < Length8(); ++I)
            if (Text[I].unicode() != FBytes[I])
                return false;
        return true;
    }
    case kInline16:
        return To_String() == Text;
    case kHeap:
        return *Heap() == Text;
    }
    return false;
}
