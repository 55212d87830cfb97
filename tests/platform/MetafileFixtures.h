#pragma once
// Small Windows metafiles built byte by byte: a red filled rectangle and a
// line of black text. Shared by the picture tests and the fuzz corpus.
#include <QByteArray>
#include <QString>
#include <cstdint>

namespace metafile_fixture {

inline void Put16(QByteArray &B, int V)
{
    B.append(static_cast<char>(V & 0xFF));
    B.append(static_cast<char>((V >> 8) & 0xFF));
}

inline void Put32(QByteArray &B, std::int64_t V)
{
    for (int I = 0; I < 4; ++I)
        B.append(static_cast<char>((V >> (8 * I)) & 0xFF));
}

inline void Set32(QByteArray &B, int At, std::int64_t V)
{
    for (int I = 0; I < 4; ++I)
        B[At + I] = static_cast<char>((V >> (8 * I)) & 0xFF);
}

// ---- WMF: placeable header, memory header, 16-bit word records ------------

// One record: size in 16-bit words (6-byte head plus parameters).
inline void Wmf_Record(QByteArray &B, int Function, std::initializer_list<int> Params)
{
    Put32(B, 3 + static_cast<int>(Params.size()));
    Put16(B, Function);
    for (int P : Params)
        Put16(B, P);
}

// Logical units are pixels at 96 per inch: the frame is Width x Height pixels.
// The rectangle (2,2)-(Width/2,Height-2) is red; Text is written black from
// (Width/2 + 2, 2).
inline QByteArray Make_Wmf(int Width = 80, int Height = 24, const QByteArray &Text = "Hi")
{
    QByteArray Body;
    Wmf_Record(Body, 0x020B, {0, 0});                  // SETWINDOWORG y, x
    Wmf_Record(Body, 0x020C, {Height, Width});         // SETWINDOWEXT y, x
    Wmf_Record(Body, 0x02FC, {0, 0x00FF, 0x0000, 0});  // CREATEBRUSHINDIRECT solid red
    Wmf_Record(Body, 0x012D, {0});                     // SELECTOBJECT 0
    Wmf_Record(Body, 0x02FA, {5, 0, 0, 0, 0});         // CREATEPENINDIRECT null pen
    Wmf_Record(Body, 0x012D, {1});                     // SELECTOBJECT 1
    Wmf_Record(Body, 0x041B, {Height - 2, Width / 2, 2, 2}); // RECTANGLE b, r, t, l
    {
        // CREATEFONTINDIRECT: height -16, weight 400, "DejaVu Sans"
        QByteArray Font;
        Put16(Font, -16);
        Put16(Font, 0);
        Put16(Font, 0);
        Put16(Font, 0);
        Put16(Font, 400);
        Font.append(QByteArray(8, '\0'));
        QByteArray Face("DejaVu Sans");
        Face.append(QByteArray(32 - Face.size(), '\0'));
        Font.append(Face);
        Put32(Body, 3 + Font.size() / 2);
        Put16(Body, 0x02FB);
        Body.append(Font);
    }
    Wmf_Record(Body, 0x012D, {2});                     // SELECTOBJECT 2
    Wmf_Record(Body, 0x0209, {0, 0});                  // SETTEXTCOLOR black
    Wmf_Record(Body, 0x0102, {1});                     // SETBKMODE transparent
    {
        QByteArray T = Text;
        const int Len = T.size();
        if (T.size() % 2)
            T.append('\0');
        Put32(Body, 3 + 1 + T.size() / 2 + 2);
        Put16(Body, 0x0521);                           // TEXTOUT len, string, y, x
        Put16(Body, Len);
        Body.append(T);
        Put16(Body, 2);
        Put16(Body, Width / 2 + 2);
    }
    Wmf_Record(Body, 0x0000, {});                      // EOF

    QByteArray B;
    // Placeable header: key, handle, bounding box, units per inch, reserved, checksum.
    Put32(B, 0x9AC6CDD7);
    Put16(B, 0);
    Put16(B, 0);
    Put16(B, 0);
    Put16(B, Width);
    Put16(B, Height);
    Put16(B, 96);
    Put32(B, 0);
    int Sum = 0;
    for (int I = 0; I < 20; I += 2)
        Sum ^= static_cast<unsigned char>(B[I]) | (static_cast<unsigned char>(B[I + 1]) << 8);
    Put16(B, Sum);
    // Memory header: type, header words, version, total words, objects, largest record, members.
    int Max_Record = 0;
    for (int At = 0; At < Body.size();) {
        const int Words = static_cast<unsigned char>(Body[At]) | (static_cast<unsigned char>(Body[At + 1]) << 8);
        Max_Record = std::max(Max_Record, Words);
        At += Words * 2;
    }
    Put16(B, 1);
    Put16(B, 9);
    Put16(B, 0x0300);
    Put32(B, 9 + Body.size() / 2);
    Put16(B, 3);
    Put32(B, Max_Record);
    Put16(B, 0);
    B.append(Body);
    return B;
}

// ---- EMF: 32-bit records, frame in 0.01 mm --------------------------------

inline void Emf_Record(QByteArray &B, int Type, std::initializer_list<std::int64_t> Params)
{
    Put32(B, Type);
    Put32(B, 8 + 4 * static_cast<int>(Params.size()));
    for (std::int64_t P : Params)
        Put32(B, P);
}

// Device units are pixels at 96 per inch; the same drawing as Make_Wmf.
inline QByteArray Make_Emf(int Width = 80, int Height = 24, const QString &Text = QStringLiteral("Hi"))
{
    QByteArray Body;
    Emf_Record(Body, 39, {1, 0, 0x0000FF, 0});         // CREATEBRUSHINDIRECT #1 solid red
    Emf_Record(Body, 37, {1});                         // SELECTOBJECT #1
    Emf_Record(Body, 37, {0x80000008});                // SELECTOBJECT NULL_PEN
    Emf_Record(Body, 43, {2, 2, Width / 2, Height - 2}); // RECTANGLE
    {
        // EXTCREATEFONTINDIRECTW #2: height -16, weight 400, "DejaVu Sans"
        QByteArray R;
        Put32(R, 82);
        Put32(R, 8 + 4 + 92);
        Put32(R, 2);
        Put32(R, -16);
        Put32(R, 0);
        Put32(R, 0);
        Put32(R, 0);
        Put32(R, 400);
        R.append(QByteArray(8, '\0'));
        const QString Face = QStringLiteral("DejaVu Sans");
        for (int I = 0; I < 32; ++I)
            Put16(R, I < Face.size() ? Face[I].unicode() : 0);
        Body.append(R);
    }
    Emf_Record(Body, 37, {2});                         // SELECTOBJECT #2
    Emf_Record(Body, 24, {0x000000});                  // SETTEXTCOLOR black
    Emf_Record(Body, 18, {1});                         // SETBKMODE transparent
    {
        // EXTTEXTOUTW: bounds, graphics mode, scales, then the text block
        // (reference, count, string offset, options, rectangle, dx offset).
        QByteArray R;
        const int N = static_cast<int>(Text.size());
        const int Str_At = 76;
        const int Str_Bytes = (2 * N + 3) / 4 * 4;
        const int Dx_At = Str_At + Str_Bytes;
        Put32(R, 84);
        Put32(R, Dx_At + 4 * N);
        for (int V : {0, 0, -1, -1})
            Put32(R, V);
        Put32(R, 1);
        Put32(R, 0);
        Put32(R, 0);
        Put32(R, Width / 2 + 2);
        Put32(R, 2);
        Put32(R, N);
        Put32(R, Str_At);
        Put32(R, 0);
        for (int V : {0, 0, -1, -1})
            Put32(R, V);
        Put32(R, Dx_At);
        for (int I = 0; I < N; ++I)
            Put16(R, Text[I].unicode());
        R.append(QByteArray(Str_Bytes - 2 * N, '\0'));
        for (int I = 0; I < N; ++I)
            Put32(R, 10);
        Body.append(R);
    }
    Emf_Record(Body, 14, {0, 16, 20});                 // EOF

    QByteArray B;
    const int Frame_W = Width * 2540 / 96, Frame_H = Height * 2540 / 96;
    Put32(B, 1);
    Put32(B, 88);
    for (int V : {0, 0, Width - 1, Height - 1})        // bounds, device units
        Put32(B, V);
    for (int V : {0, 0, Frame_W, Frame_H})             // frame, 0.01 mm
        Put32(B, V);
    Put32(B, 0x464D4520);                              // " EMF"
    Put32(B, 0x10000);
    Put32(B, 0);                                       // total bytes, set below
    Put32(B, 0);                                       // record count, set below
    Put16(B, 3);                                       // handles (slot 0 is reserved)
    Put16(B, 0);
    Put32(B, 0);
    Put32(B, 0);
    Put32(B, 0);
    Put32(B, 1920);                                    // reference device, pixels
    Put32(B, 1080);
    Put32(B, 508);                                     // and millimetres (96 per inch)
    Put32(B, 286);
    B.append(Body);
    Set32(B, 48, B.size());
    int Records = 0;
    for (int At = 0; At < B.size(); ++Records) {
        const int Size = static_cast<unsigned char>(B[At + 4]) | (static_cast<unsigned char>(B[At + 5]) << 8)
                         | (static_cast<unsigned char>(B[At + 6]) << 16);
        At += Size;
    }
    Set32(B, 52, Records);
    return B;
}

// An EMF whose text is given as glyph indexes: converting it makes libemf2svg
// finalise fontconfig.
inline QByteArray Glyph_Index_Text_Emf()
{
    return QByteArray::fromBase64(
        "AQAAAFgAAAAAAAAAAAAAAE8AAAAXAAAAAAD/////////MQAAewIAACBFTUYAAAEAmAEAAAsAAAADAAAAAAAAAAAAAAAAAAAA"
        "gAcAADgEAAD8AQAAHgEAACcAAAAYAAAAAQAAAAAAAAD/AAAAAAAAACUAAAAMAAAAAQAAACUAAAAMAAAACAAAgCsAAAAYAAAA"
        "AgAAAAIAAAAoAAAAFgAAAFIAAABoAAAAAgAAAPD///8AAAAAAAAAAAAAAACQAQAAAAAAAAAAAABEAGUAagBhAFYAdQAgAFMA"
        "YQBuAHMAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAJQAAAAwAAAACAAAAGAAAAAwAAAAAAAAA"
        "EgAAAAwAAAABAAAAVAAAAFgAAAAAAAAAAAAAAP//////////AQAAAAAAAAAAAAAAKgAAAAAAAAAAAAAAAAAAAP8AAAAAAAAA"
        "AAAAAP//////////UAAAAEgAaQAKAAAACgAAAA4AAAAUAAAAAAAAABAAAAAUAAAA");
}

} // namespace metafile_fixture
