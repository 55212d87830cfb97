#pragma once
#include <QString>
#include <cstdint>
#include <cstring>

// One cell's text in 16 bytes. A grid of a million rows holds tens of millions
// of cells, most of them short (numbers, codes, names), so a short text is kept
// inside the cell: up to 14 characters when each fits in one byte (Latin-1),
// up to 7 UTF-16 code units otherwise. A longer text is kept in a QString on
// the heap (sharing its characters with the QString it was set from).
// Reading builds a QString; an empty text reads as a null QString.
class TCellText {
public:
    static constexpr int Max_Latin1 = 14;
    static constexpr int Max_Utf16 = 7;

    TCellText() { std::memset(FBytes, 0, sizeof FBytes); }
    explicit TCellText(const QString &Text) : TCellText() { Assign(Text); }
    TCellText(const TCellText &Other) : TCellText() { Copy_From(Other); }
    TCellText(TCellText &&Other) noexcept
    {
        std::memcpy(FBytes, Other.FBytes, sizeof FBytes);
        std::memset(Other.FBytes, 0, sizeof Other.FBytes);
    }
    TCellText &operator=(const TCellText &Other)
    {
        if (this != &Other) {
            Release();
            Copy_From(Other);
        }
        return *this;
    }
    TCellText &operator=(TCellText &&Other) noexcept
    {
        if (this != &Other) {
            Release();
            std::memcpy(FBytes, Other.FBytes, sizeof FBytes);
            std::memset(Other.FBytes, 0, sizeof Other.FBytes);
        }
        return *this;
    }
    ~TCellText() { Release(); }

    bool Is_Empty() const { return Kind() == kInline8 && Length8() == 0; }
    QString To_String() const;
    // The text without building a QString: a view of the heap string, or of
    // Room (at least Max_Latin1 units) holding a copy of an inline text. The
    // view lives as long as both the cell text and Room are left unchanged.
    QStringView View(char16_t *Room) const
    {
        switch (Kind()) {
        case kInline8:
            for (int I = 0; I < Length8(); ++I)
                Room[I] = FBytes[I];
            return QStringView(Room, Length8());
        case kInline16:
            std::memcpy(Room, FBytes, static_cast<size_t>(Length8()) * sizeof(char16_t));
            return QStringView(Room, Length8());
        case kHeap:
            return QStringView(*Heap());
        }
        return {};
    }
    void Assign(const QString &Text)
    {
        // The common case inline: a short Latin-1 text (a number, a code, a
        // name) is built beside and copied in whole, bytes past it zero.
        if (Kind() == kHeap)
            Release();
        const qsizetype N = Text.size();
        if (N <= Max_Latin1) {
            const QChar *S = Text.constData();
            alignas(8) unsigned char B[16] = {};
            qsizetype I = 0;
            while (I < N && S[I].unicode() <= 0xFF) {
                B[I] = static_cast<unsigned char>(S[I].unicode());
                ++I;
            }
            if (I == N) {
                B[14] = static_cast<unsigned char>(N);
                B[15] = kInline8;
                std::memcpy(FBytes, B, sizeof FBytes);
                return;
            }
        }
        Assign_Wide(Text);
    }
    // Bytes read as Latin-1 (each byte one character), short ones stored
    // inline without building a QString: for readers filling many cells.
    void Assign_Latin1(const char *Bytes, qsizetype N)
    {
        if (N > Max_Latin1) {
            Assign(QString::fromLatin1(Bytes, N));
            return;
        }
        if (Kind() == kHeap)
            Release();
        alignas(8) unsigned char B[16] = {};
        if (N > 0)
            std::memcpy(B, Bytes, static_cast<size_t>(N));
        B[14] = static_cast<unsigned char>(N);
        B[15] = kInline8;
        std::memcpy(FBytes, B, sizeof FBytes);
    }
    bool Equals(const QString &Text) const;
    // Whether the text lives on the heap (for tests and memory accounting).
    bool On_Heap() const { return Kind() == kHeap; }

private:
    enum TKind : unsigned char { kInline8 = 0, kInline16 = 1, kHeap = 2 };
    TKind Kind() const { return static_cast<TKind>(FBytes[15]); }
    int Length8() const { return FBytes[14]; }
    QString *Heap() const
    {
        QString *P;
        std::memcpy(&P, FBytes, sizeof P);
        return P;
    }
    void Release();
    void Copy_From(const TCellText &Other);
    // A text that is not short Latin-1: inline UTF-16 or on the heap.
    void Assign_Wide(const QString &Text);

    // Bytes 0..13: the characters (or the heap pointer in bytes 0..7);
    // byte 14: the length of an inline text; byte 15: its kind.
    alignas(8) unsigned char FBytes[16];
};
static_assert(sizeof(TCellText) == 16);
