#include "platform/Metafile.h"
#include <QXmlStreamReader>
#include <QtGlobal>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <vector>

extern "C" {
#include <emf2svg.h>
#include <libwmf/api.h>
#include <libwmf/svg.h>
}

namespace {

// Records per metafile; a chain that runs longer is refused.
constexpr int Max_Records = 1000000;

// Little-endian reads over one byte range; a read outside it gives 0 (the
// checks test lengths first, this only keeps a slip from reading past the data).
class TReader {
public:
    TReader(const QByteArray &D) : P(reinterpret_cast<const unsigned char *>(D.constData())), N(D.size()) {}
    qsizetype Size() const { return N; }
    bool Has(qint64 At, qint64 Len) const { return At >= 0 && Len >= 0 && At <= N && Len <= N - At; }
    unsigned Get_U8(qint64 At) const { return Has(At, 1) ? P[At] : 0; }
    unsigned Get_U16(qint64 At) const { return Has(At, 2) ? P[At] | (P[At + 1] << 8) : 0; }
    int Get_I16(qint64 At) const { return static_cast<std::int16_t>(Get_U16(At)); }
    quint32 Get_U32(qint64 At) const { return Get_U16(At) | (static_cast<quint32>(Get_U16(At + 2)) << 16); }
    qint32 Get_I32(qint64 At) const { return static_cast<qint32>(Get_U32(At)); }
    const unsigned char *P;
    qsizetype N;
};

// Refusal with its reason.
struct TRefuse {
    QString Why;
};

[[noreturn]] void Refuse(const QString &Why) { throw TRefuse{Why}; }

void Need(bool Ok, const char *Why)
{
    if (!Ok)
        Refuse(QString::fromLatin1(Why));
}

void Set_Frame(TMetafileInfo &Info, double Width_Himetric, double Height_Himetric)
{
    Need(Width_Himetric > 0 && Height_Himetric > 0, "The metafile's frame is empty");
    // Whole pixels at 96 per inch, rounded as the frame is converted for drawing.
    const double Px_W = std::max(1.0, std::round(Width_Himetric * 96.0 / 2540.0));
    const double Px_H = std::max(1.0, std::round(Height_Himetric * 96.0 / 2540.0));
    Need(Px_W <= Metafile_Max_Side && Px_H <= Metafile_Max_Side && Px_W * Px_H <= double(Metafile_Max_Area),
         "The metafile's frame is too large");
    Info.Width_Himetric = static_cast<int>(std::lround(Width_Himetric));
    Info.Height_Himetric = static_cast<int>(std::lround(Height_Himetric));
    Info.Width_Px = static_cast<int>(Px_W);
    Info.Height_Px = static_cast<int>(Px_H);
}

// A device-independent bitmap: header (and colour table) in Bmi_Len bytes at
// Bmi, its pixels in Bits_Len bytes. Only uncompressed bitmaps (and bit
// fields) are accepted; the pixels must cover every row.
void Check_Dib(const TReader &R, qint64 Bmi, qint64 Bmi_Len, qint64 Bits_Len)
{
    Need(Bmi_Len >= 40 && R.Has(Bmi, Bmi_Len), "A bitmap header runs past its record");
    const quint32 Header = R.Get_U32(Bmi);
    Need(Header >= 40 && Header <= 124 && Header <= Bmi_Len, "A bitmap header has a wrong size");
    const qint64 W = R.Get_I32(Bmi + 4);
    const qint64 H = std::llabs(static_cast<qint64>(R.Get_I32(Bmi + 8)));
    const unsigned Planes = R.Get_U16(Bmi + 12);
    const unsigned Bits = R.Get_U16(Bmi + 14);
    const quint32 Compression = R.Get_U32(Bmi + 16);
    const quint32 Used = R.Get_U32(Bmi + 32);
    Need(W >= 1 && H >= 1 && W <= Metafile_Max_Side && H <= Metafile_Max_Side && W * H <= Metafile_Max_Area,
         "A bitmap has an absurd size");
    Need(Planes == 1, "A bitmap has a wrong plane count");
    Need(Bits == 1 || Bits == 4 || Bits == 8 || Bits == 16 || Bits == 24 || Bits == 32, "A bitmap has a wrong colour depth");
    Need(Compression == 0 || (Compression == 3 && (Bits == 16 || Bits == 32)), "A bitmap is compressed");
    Need(Used <= 256, "A bitmap has too many colours");
    const qint64 Table = Used ? Used : (Bits <= 8 ? (1 << Bits) : 0);
    const qint64 Masks = (Compression == 3 && Header == 40) ? 12 : 0;
    Need(Header + Masks + Table * 4 <= Bmi_Len, "A bitmap's colour table runs past its record");
    const qint64 Stride = (W * Bits + 31) / 32 * 4;
    Need(Stride * H <= Bits_Len, "A bitmap's pixels run past its record");
}

// ---- WMF -------------------------------------------------------------------

struct TWmfWindow {
    bool Has_Org = false, Has_Ext = false;
    int Org_X = 0, Org_Y = 0, Ext_X = 0, Ext_Y = 0;
};

struct TWmfCheck {
    const TReader &R;
    TMetafileInfo &Info;
    TWmfWindow Window;
    std::vector<bool> Slots;
    int Bbox_L = 0, Bbox_T = 0, Bbox_R = 0, Bbox_B = 0, Inch = 0;

    void Create_Object()
    {
        for (size_t I = 0; I < Slots.size(); ++I)
            if (!Slots[I]) {
                Slots[I] = true;
                return;
            }
        Refuse(QStringLiteral("The metafile creates more objects than it declares"));
    }

    void Use_Object(unsigned Index, bool Delete)
    {
        Need(Index < Slots.size() && Slots[Index], "The metafile uses an object it has not created");
        if (Delete)
            Slots[Index] = false;
    }

    // Parameters of one record: NP 16-bit words from P.
    void Record(unsigned Function, qint64 P, qint64 NP)
    {
        auto Min = [&](qint64 Words) { Need(NP >= Words, "A metafile record is too short"); };
        auto Word = [&](qint64 I) { return R.Get_U16(P + 2 * I); };
        switch (Function) {
        case 0x001E: // SAVEDC
        case 0x0035: // REALIZEPALETTE
            return;
        case 0x0102: case 0x0103: case 0x0104: case 0x0105: case 0x0106: case 0x0107: case 0x0108:
        case 0x012E: case 0x0127: case 0x0149:
            Min(1); // BKMODE, MAPMODE, ROP2, RELABS, POLYFILLMODE, STRETCHBLTMODE, TEXTCHAREXTRA, TEXTALIGN, RESTOREDC, LAYOUT
            return;
        case 0x0201: case 0x0209: case 0x020A: case 0x020D: case 0x020E: case 0x020F: case 0x0211:
        case 0x0213: case 0x0214: case 0x0220: case 0x0231:
            Min(2); // colours, justification, viewport, offsets, LINETO, MOVETO, OFFSETCLIPRGN, MAPPERFLAGS
            return;
        case 0x020B: // SETWINDOWORG y, x
            Min(2);
            if (!Window.Has_Org) {
                Window.Has_Org = true;
                Window.Org_Y = R.Get_I16(P);
                Window.Org_X = R.Get_I16(P + 2);
            }
            return;
        case 0x020C: // SETWINDOWEXT y, x
            Min(2);
            if (!Window.Has_Ext) {
                Window.Has_Ext = true;
                Window.Ext_Y = R.Get_I16(P);
                Window.Ext_X = R.Get_I16(P + 2);
            }
            return;
        case 0x041F: Min(4); return; // SETPIXEL
        case 0x0410: case 0x0412: case 0x0415: case 0x0416: case 0x0418: case 0x041B:
            Min(4); // SCALE*EXT, EXCLUDE/INTERSECTCLIPRECT, ELLIPSE, RECTANGLE
            return;
        case 0x0419: case 0x0548: Min(5); return; // FLOODFILL, EXTFLOODFILL
        case 0x061C: case 0x061D: Min(6); return;  // ROUNDRECT, PATBLT
        case 0x0817: case 0x081A: case 0x0830: Min(8); return; // ARC, PIE, CHORD
        case 0x012D: // SELECTOBJECT
            Min(1);
            Use_Object(Word(0), false);
            return;
        case 0x01F0: // DELETEOBJECT
            Min(1);
            Use_Object(Word(0), true);
            return;
        case 0x0234: // SELECTPALETTE
            Min(1);
            Use_Object(Word(0), false);
            return;
        case 0x02FA: Min(5); Create_Object(); return; // CREATEPENINDIRECT
        case 0x02FC: Min(4); Create_Object(); return; // CREATEBRUSHINDIRECT
        case 0x02FB: { // CREATEFONTINDIRECT: 18 bytes, then a face name ending inside the record
            Min(9);
            const qint64 Face = P + 18, End = P + 2 * NP;
            Need(Face < End && std::memchr(R.P + Face, 0, End - Face) != nullptr, "A font name is not terminated");
            Create_Object();
            return;
        }
        case 0x00F7: { // CREATEPALETTE: start, count, 4 bytes per entry
            Min(2);
            Need(Word(1) >= 1 && 2 + 2 * qint64(Word(1)) <= NP, "A palette runs past its record");
            Create_Object();
            return;
        }
        case 0x0142: // DIBCREATEPATTERNBRUSH: style, usage, bitmap
            Min(2);
            Check_Dib(R, P + 4, 2 * NP - 4, 2 * NP - 4 - Dib_Header_Length(P + 4, 2 * NP - 4));
            Create_Object();
            return;
        case 0x0324: case 0x0325: { // POLYGON, POLYLINE: count, points
            Min(1);
            Need(Word(0) >= 1 && 1 + 2 * qint64(Word(0)) <= NP, "A polygon runs past its record");
            return;
        }
        case 0x0538: { // POLYPOLYGON: polygons, their counts, all points
            Min(1);
            const qint64 Polys = Word(0);
            Need(Polys >= 1 && 1 + Polys <= NP, "A polygon list runs past its record");
            qint64 Points = 0;
            for (qint64 I = 0; I < Polys; ++I)
                Points += Word(1 + I);
            Need(1 + Polys + 2 * Points <= NP, "A polygon list runs past its record");
            return;
        }
        case 0x0521: { // TEXTOUT: length, string (padded), y, x
            Min(1);
            Need(1 + (qint64(Word(0)) + 1) / 2 + 2 <= NP, "A text runs past its record");
            return;
        }
        case 0x0A32: { // EXTTEXTOUT: y, x, count, options, [rectangle], string, [widths]
            Min(4);
            const qint64 Count = Word(2);
            const unsigned Options = Word(3);
            const qint64 Rect = (Options & 0x0006) ? 4 : 0;
            Need(4 + Rect + (Count + 1) / 2 <= NP, "A text runs past its record");
            return;
        }
        case 0x0626: { // ESCAPE: function, byte count, data
            Min(2);
            Need(2 + (qint64(Word(1)) + 1) / 2 <= NP, "An escape runs past its record");
            return;
        }
        case 0x0940: Bitmap_Record(P, NP, 8); return;  // DIBBITBLT
        case 0x0B41: Bitmap_Record(P, NP, 10); return; // DIBSTRETCHBLT
        case 0x0F43: Bitmap_Record(P, NP, 11); return; // STRETCHDIB
        case 0x0D33: Bitmap_Record(P, NP, 9); return;  // SETDIBTODEV
        default:
            Refuse(QStringLiteral("The metafile holds a record of an unknown kind (0x%1)").arg(Function, 4, 16, QLatin1Char('0')));
        }
    }

    // Length of a bitmap header with its colour table, for records that keep
    // the pixels right after it; 0 when the header is unreadable.
    qint64 Dib_Header_Length(qint64 At, qint64 Len) const
    {
        if (Len < 40 || !R.Has(At, 40))
            return 0;
        const quint32 Header = R.Get_U32(At);
        const unsigned Bits = R.Get_U16(At + 14);
        const quint32 Used = R.Get_U32(At + 32);
        const quint32 Compression = R.Get_U32(At + 16);
        const qint64 Table = Used ? std::min<quint32>(Used, 257) : (Bits <= 8 ? (1 << Bits) : 0);
        const qint64 Masks = (Compression == 3 && Header == 40) ? 12 : 0;
        return std::min<qint64>(Len, qint64(Header) + Masks + Table * 4);
    }

    // A blit with a bitmap after Fixed parameter words; without one (a pattern
    // blit) it is only the fixed words and a reserved word.
    void Bitmap_Record(qint64 P, qint64 NP, qint64 Fixed)
    {
        Need(NP >= Fixed, "A metafile record is too short");
        if (NP <= Fixed + 1)
            return;
        const qint64 At = P + 2 * Fixed, Len = 2 * (NP - Fixed);
        const qint64 Head = Dib_Header_Length(At, Len);
        Check_Dib(R, At, Head, Len - Head);
    }

    void Run()
    {
        const TReader &D = R;
        Need(D.Size() >= 22 + 18, "The metafile is too short");
        Bbox_L = D.Get_I16(6);
        Bbox_T = D.Get_I16(8);
        Bbox_R = D.Get_I16(10);
        Bbox_B = D.Get_I16(12);
        Inch = static_cast<int>(D.Get_U16(14));
        Need(Inch > 0, "The metafile has no unit size");
        const int W = std::abs(Bbox_R - Bbox_L), H = std::abs(Bbox_B - Bbox_T);
        Set_Frame(Info, W * 2540.0 / Inch, H * 2540.0 / Inch);
        const qint64 Head = 22;
        Need((D.Get_U16(Head) == 1 || D.Get_U16(Head) == 2) && D.Get_U16(Head + 2) == 9
                 && (D.Get_U16(Head + 4) == 0x0100 || D.Get_U16(Head + 4) == 0x0300),
             "The metafile header is not valid");
        Slots.assign(D.Get_U16(Head + 10), false);
        const quint32 Max_Record = D.Get_U32(Head + 12);
        // The converter sizes its record buffer by the header's largest record.
        Need(Max_Record >= 3 && qint64(Max_Record) * 2 <= D.Size(), "The metafile header is not valid");
        qint64 At = Head + 18;
        for (;;) {
            Need(D.Has(At, 6), "The metafile ends without its last record");
            Need(++Info.Records <= Max_Records, "The metafile has too many records");
            const quint32 Words = D.Get_U32(At);
            const unsigned Function = D.Get_U16(At + 4);
            Need(Words >= 3, "A metafile record has a wrong size");
            Need(D.Has(At, 2 * qint64(Words)), "A metafile record runs past the data");
            Need(Words <= Max_Record, "A metafile record is larger than the header allows");
            if (Function == 0x0000)
                return;
            Record(Function, At + 6, Words - 3);
            At += 2 * qint64(Words);
        }
    }
};

// libwmf writes SVG through a string callback.
int Wmf_Put(char *Text, void *Context)
{
    static_cast<QByteArray *>(Context)->append(Text);
    return 0;
}

int Wmf_Reset(void *Context)
{
    static_cast<QByteArray *>(Context)->clear();
    return 0;
}

bool Wmf_To_Svg(const QByteArray &Data, const TWmfCheck &Check, QByteArray &Svg, QString &Error)
{
    wmfAPI *Api = nullptr;
    wmfAPI_Options Options{};
    Options.function = wmf_svg_function;
    const unsigned long Flags = WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL | WMF_OPT_NO_ERROR | WMF_OPT_NO_DEBUG;
    if (wmf_api_create(&Api, Flags, &Options) != wmf_E_None) {
        if (Api)
            wmf_api_destroy(Api);
        Error = QStringLiteral("The metafile converter could not start");
        return false;
    }
    QByteArray Copy = Data; // the library's reader wants a writable buffer
    QByteArray Out;
    wmfStream Stream{&Out, Wmf_Put, Wmf_Reset};
    wmf_error_t E = wmf_mem_open(Api, reinterpret_cast<unsigned char *>(Copy.data()), static_cast<long>(Copy.size()));
    wmfD_Rect Scan{};
    if (E == wmf_E_None)
        E = wmf_scan(Api, 0, &Scan);
    if (E == wmf_E_None) {
        // The frame in the library's device units (points: logical units x
        // 72 / units per inch). The metafile's own window, when it sets one,
        // is what the frame shows; else the placeable bounding box.
        const double K = 72.0 / Check.Inch;
        double L = Check.Bbox_L, T = Check.Bbox_T, R = Check.Bbox_R, B = Check.Bbox_B;
        if (Check.Window.Has_Ext && Check.Window.Ext_X != 0 && Check.Window.Ext_Y != 0) {
            L = Check.Window.Has_Org ? Check.Window.Org_X : 0;
            T = Check.Window.Has_Org ? Check.Window.Org_Y : 0;
            R = L + Check.Window.Ext_X;
            B = T + Check.Window.Ext_Y;
        }
        wmf_svg_t *Device = WMF_SVG_GetData(Api);
        Device->out = &Stream;
        Device->Description = nullptr;
        Device->bbox.TL.x = static_cast<float>(std::min(L, R) * K);
        Device->bbox.TL.y = static_cast<float>(std::min(T, B) * K);
        Device->bbox.BR.x = static_cast<float>(std::max(L, R) * K);
        Device->bbox.BR.y = static_cast<float>(std::max(T, B) * K);
        Device->width = static_cast<unsigned>(Check.Info.Width_Px);
        Device->height = static_cast<unsigned>(Check.Info.Height_Px);
        Device->flags |= WMF_SVG_INLINE_IMAGES;
        wmfD_Rect Frame = Device->bbox;
        E = wmf_play(Api, 0, &Frame);
        Device->out = nullptr;
    }
    wmf_mem_close(Api);
    wmf_api_destroy(Api);
    if (E != wmf_E_None || !Out.contains("<svg")) {
        Error = QStringLiteral("The metafile could not be converted");
        return false;
    }
    Svg = Out;
    return true;
}

// ---- EMF -------------------------------------------------------------------

struct TEmfCheck {
    const TReader &R;
    TMetafileInfo &Info;
    std::vector<bool> Slots;

    void Create_Object(quint32 Index)
    {
        Need(Index >= 1 && Index < Slots.size(), "The metafile creates an object outside its table");
        Slots[Index] = true;
    }

    void Use_Object(quint32 Index, bool Delete)
    {
        if (Index & 0x80000000u) {
            Need((Index & 0x7FFFFFFFu) <= 0x13 && !Delete, "The metafile uses an unknown stock object");
            return;
        }
        Need(Index < Slots.size() && Slots[Index], "The metafile uses an object it has not created");
        if (Delete)
            Slots[Index] = false;
    }

    // A bitmap given by offset and size fields (relative to the record at At,
    // Size bytes long); no bitmap when its header size is 0.
    void Bitmap_Fields(qint64 At, qint64 Size, qint64 Field)
    {
        const qint64 Off_Bmi = R.Get_U32(At + Field), Cb_Bmi = R.Get_U32(At + Field + 4);
        const qint64 Off_Bits = R.Get_U32(At + Field + 8), Cb_Bits = R.Get_U32(At + Field + 12);
        if (Cb_Bmi == 0)
            return;
        Need(Off_Bmi + Cb_Bmi <= Size && Off_Bits + Cb_Bits <= Size, "A bitmap runs past its record");
        Check_Dib(R, At + Off_Bmi, Cb_Bmi, Cb_Bits);
    }

    // Region data (a 32-byte header and its rectangles) of Len bytes at Rgn.
    void Region(qint64 Rgn, qint64 Len, qint64 Record_End)
    {
        Need(Len >= 32 && Rgn + Len <= Record_End, "A region runs past its record");
        const qint64 Count = R.Get_U32(Rgn + 8);
        Need(R.Get_U32(Rgn) == 32 && 32 + 16 * Count <= Len, "A region's rectangles run past its record");
    }

    void Record(quint32 Type, qint64 At, qint64 Size)
    {
        auto Min = [&](qint64 Bytes) { Need(Size >= Bytes, "A metafile record is too short"); };
        const qint64 End = At + Size;
        switch (Type) {
        case 33: case 52: case 59: case 60: case 61: case 65: case 66: case 68: case 28:
            return; // SAVEDC, REALIZEPALETTE, paths, SETMETARGN
        case 16: case 17: case 18: case 19: case 20: case 21: case 22: case 24: case 25: case 34:
        case 57: case 58: case 67: case 98: case 115:
            Min(12); // modes, colours, RESTOREDC, arc direction, miter limit, clip path, ICM, layout
            return;
        case 9: case 10: case 11: case 12: case 13: case 26: case 27: case 54: case 51: case 120:
            Min(16); // window/viewport, brush origin, OFFSETCLIPRGN, MOVETOEX, LINETO, RESIZEPALETTE, justification
            return;
        case 15: Min(20); return;                             // SETPIXELV
        case 29: case 30: case 31: case 32: case 42: case 43: case 53: case 62: case 63: case 64:
            Min(24); // clip rects, scaling, ELLIPSE, RECTANGLE, EXTFLOODFILL, path fills
            return;
        case 41: Min(28); return;                             // ANGLEARC
        case 35: case 44: Min(32); return;                    // SETWORLDTRANSFORM, ROUNDRECT
        case 36: Min(36); return;                             // MODIFYWORLDTRANSFORM
        case 45: case 46: case 47: case 55: Min(40); return;  // ARC, CHORD, PIE, ARCTO
        case 37: Min(12); Use_Object(R.Get_U32(At + 8), false); return; // SELECTOBJECT
        case 40: Min(12); Use_Object(R.Get_U32(At + 8), true); return;  // DELETEOBJECT
        case 48: Min(12); Use_Object(R.Get_U32(At + 8), false); return; // SELECTPALETTE
        case 38: Min(28); Create_Object(R.Get_U32(At + 8)); return;     // CREATEPEN
        case 39: Min(24); Create_Object(R.Get_U32(At + 8)); return;     // CREATEBRUSHINDIRECT
        case 82: { // EXTCREATEFONTINDIRECTW: the face name must end within its 32 characters
            Min(12 + 92);
            bool Ended = false;
            for (int I = 0; I < 32 && !Ended; ++I)
                Ended = R.Get_U16(At + 12 + 28 + 2 * I) == 0;
            Need(Ended, "A font name is not terminated");
            Create_Object(R.Get_U32(At + 8));
            return;
        }
        case 95: { // EXTCREATEPEN: bitmap fields, then the pen with its style entries
            Min(52);
            Need(48 + 4 * qint64(R.Get_U32(At + 44)) <= Size, "A pen's style runs past its record");
            Bitmap_Fields(At, Size, 12);
            Create_Object(R.Get_U32(At + 8));
            return;
        }
        case 93: case 94: // CREATEMONOBRUSH, CREATEDIBPATTERNBRUSHPT
            Min(32);
            Need(R.Get_U32(At + 20) > 0, "A pattern brush has no bitmap");
            Bitmap_Fields(At, Size, 16);
            Create_Object(R.Get_U32(At + 8));
            return;
        case 49: { // CREATEPALETTE: version, count, 4 bytes per entry
            Min(16);
            Need(16 + 4 * qint64(R.Get_U16(At + 14)) <= Size, "A palette runs past its record");
            Create_Object(R.Get_U32(At + 8));
            return;
        }
        case 2: case 3: case 4: case 5: case 6: // POLYBEZIER, POLYGON, POLYLINE, ...TO: bounds, count, points
            Min(28);
            Need(28 + 8 * qint64(R.Get_U32(At + 24)) <= Size, "A polygon runs past its record");
            return;
        case 85: case 86: case 87: case 88: case 89: // the same with 16-bit points
            Min(28);
            Need(28 + 4 * qint64(R.Get_U32(At + 24)) <= Size, "A polygon runs past its record");
            return;
        case 7: case 8: case 90: case 91: { // POLYPOLYLINE, POLYPOLYGON (and 16-bit): bounds, polygons, points, counts, points
            Min(32);
            const qint64 Polys = R.Get_U32(At + 24), Points = R.Get_U32(At + 28);
            const qint64 Point_Size = (Type >= 90) ? 4 : 8;
            Need(Polys <= Size && 32 + 4 * Polys + Point_Size * Points <= Size, "A polygon list runs past its record");
            qint64 Sum = 0;
            for (qint64 I = 0; I < Polys; ++I)
                Sum += R.Get_U32(At + 32 + 4 * I);
            Need(Sum == Points, "A polygon list's counts do not add up");
            return;
        }
        case 56: case 92: { // POLYDRAW (and 16-bit): bounds, count, points, one type byte each
            Min(28);
            const qint64 Count = R.Get_U32(At + 24);
            Need(28 + (Type == 56 ? 9 : 5) * Count <= Size, "A polygon runs past its record");
            return;
        }
        case 83: case 84: { // EXTTEXTOUTA/W: the text block from offset 36
            Min(76);
            const qint64 Chars = R.Get_U32(At + 44), Off_String = R.Get_U32(At + 48);
            const quint32 Options = R.Get_U32(At + 52);
            const qint64 Off_Dx = R.Get_U32(At + 72);
            Need(Chars <= Size && Off_String + Chars * (Type == 84 ? 2 : 1) <= Size, "A text runs past its record");
            Need(Off_Dx == 0 || Off_Dx + Chars * ((Options & 0x2000) ? 8 : 4) <= Size, "A text's spacing runs past its record");
            return;
        }
        case 70: // COMMENT: data size, data
            Min(12);
            Need(12 + qint64(R.Get_U32(At + 8)) <= Size, "A comment runs past its record");
            return;
        case 75: Min(16); if (R.Get_U32(At + 8)) Region(At + 16, R.Get_U32(At + 8), End); return; // EXTSELECTCLIPRGN
        case 71: Min(32); Use_Object(R.Get_U32(At + 28), false); Region(At + 32, R.Get_U32(At + 24), End); return; // FILLRGN
        case 72: Min(40); Use_Object(R.Get_U32(At + 28), false); Region(At + 40, R.Get_U32(At + 24), End); return; // FRAMERGN
        case 73: case 74: Min(28); Region(At + 28, R.Get_U32(At + 24), End); return; // INVERTRGN, PAINTRGN
        case 76: Min(100); Bitmap_Fields(At, Size, 84); return;  // BITBLT
        case 77: case 114: case 116: Min(108); Bitmap_Fields(At, Size, 84); return; // STRETCHBLT, ALPHABLEND, TRANSPARENTBLT
        case 80: Min(76); Bitmap_Fields(At, Size, 48); return;   // SETDIBITSTODEVICE
        case 81: Min(80); Bitmap_Fields(At, Size, 48); return;   // STRETCHDIBITS
        case 118: { // GRADIENTFILL: bounds, vertices, shapes, mode, vertices, shapes of vertex indexes
            Min(36);
            const qint64 Vertices = R.Get_U32(At + 24), Shapes = R.Get_U32(At + 28);
            const quint32 Mode = R.Get_U32(At + 32);
            Need(Mode <= 2, "A gradient has an unknown mode");
            const qint64 Per = Mode == 2 ? 3 : 2;
            Need(Vertices <= Size && Shapes <= Size && 36 + 16 * Vertices + 4 * Per * Shapes <= Size,
                 "A gradient runs past its record");
            for (qint64 I = 0; I < Per * Shapes; ++I)
                Need(R.Get_U32(At + 36 + 16 * Vertices + 4 * I) < Vertices, "A gradient names a vertex it does not have");
            return;
        }
        default:
            Refuse(QStringLiteral("The metafile holds a record of an unknown kind (%1)").arg(Type));
        }
    }

    void Run()
    {
        const TReader &D = R;
        Need(D.Size() >= 88, "The metafile is too short");
        const qint64 Header = D.Get_U32(4);
        Need(D.Get_U32(0) == 1 && Header >= 88 && Header % 4 == 0 && Header <= D.Size(), "The metafile header is not valid");
        Need(D.Get_U32(40) == 0x464D4520, "The metafile header is not valid");
        Need(D.Get_U32(48) <= quint32(D.Size()), "The metafile is shorter than its header says");
        const qint64 N_Desc = D.Get_U32(64), Off_Desc = D.Get_U32(68);
        Need(N_Desc == 0 || (Off_Desc >= 88 && Off_Desc + 2 * N_Desc <= Header), "The metafile's description runs past its header");
        if (Header >= 100 && D.Get_U32(88) != 0)
            Need(qint64(D.Get_U32(92)) + D.Get_U32(88) <= Header, "The metafile's pixel format runs past its header");
        Slots.assign(D.Get_U16(56), false);
        // Frame (0.01 mm, inclusive) and the reference device, which relates
        // it to the device units the records draw in.
        const qint64 FL = D.Get_I32(24), FT = D.Get_I32(28), FR = D.Get_I32(32), FB = D.Get_I32(36);
        Set_Frame(Info, double(FR - FL), double(FB - FT));
        const double Dev_W = D.Get_I32(72), Dev_H = D.Get_I32(76), Mm_W = D.Get_I32(80), Mm_H = D.Get_I32(84);
        Need(Dev_W > 0 && Dev_H > 0 && Mm_W > 0 && Mm_H > 0, "The metafile's reference device is not valid");
        const double Kx = Dev_W / (Mm_W * 100.0), Ky = Dev_H / (Mm_H * 100.0);
        // The converter shifts its drawing by the bounds' top-left corner.
        const double BL = D.Get_I32(8), BT = D.Get_I32(12);
        Info.Svg_View = QRectF(FL * Kx - BL, FT * Ky - BT, (FR - FL) * Kx, (FB - FT) * Ky);
        Need(Info.Svg_View.width() > 0 && Info.Svg_View.height() > 0, "The metafile's frame is empty");
        qint64 At = 0;
        for (;;) {
            Need(D.Has(At, 8), "The metafile ends without its last record");
            Need(++Info.Records <= Max_Records, "The metafile has too many records");
            const quint32 Type = D.Get_U32(At);
            const qint64 Size = D.Get_U32(At + 4);
            Need(Size >= 8 && Size % 4 == 0, "A metafile record has a wrong size");
            Need(D.Has(At, Size), "A metafile record runs past the data");
            if (At == 0) {
                Need(Type == 1, "The metafile header is not valid");
            } else if (Type == 14) { // EOF: palette entries, their offset, the size again
                Need(Size >= 20, "A metafile record is too short");
                return;
            } else {
                Need(Type != 1, "The metafile has a second header");
                Record(Type, At, Size);
            }
            At += Size;
        }
    }
};

bool Emf_To_Svg(const QByteArray &Data, QByteArray &Svg, QString &Error)
{
    generatorOptions Options{};
    char Name_Space[] = "";
    Options.nameSpace = Name_Space;
    Options.verbose = false;
    Options.emfplus = false;
    Options.svgDelimiter = true;
    QByteArray Copy = Data; // the converter takes a writable buffer
    char *Out = nullptr;
    size_t Out_Length = 0;
    const int Ok = emf2svg(Copy.data(), static_cast<size_t>(Copy.size()), &Out, &Out_Length, &Options);
    const QByteArray Result = Out ? QByteArray(Out, static_cast<qsizetype>(Out_Length)) : QByteArray();
    std::free(Out);
    if (!Ok || !Result.contains("<svg")) {
        Error = QStringLiteral("The metafile could not be converted");
        return false;
    }
    Svg = Result;
    return true;
}

// The libraries copy texts into the SVG unescaped (or inside CDATA that a
// text can close), so a metafile could add elements of its own, among them
// images read from local files. The SVG is therefore read back: it must be
// well-formed, declare no entities, carry no style sheets, and every
// reference must stay inside the document or be an inlined PNG or JPEG (by
// its bytes, as Qt SVG decides the format from the bytes, not the type).
bool Svg_Is_Self_Contained(const QByteArray &Svg, QString &Error)
{
    auto Inlined_Picture = [](QStringView Value) {
        const qsizetype Comma = Value.indexOf(u',');
        if (!Value.startsWith(u"data:image/") || Comma < 0 || !Value.left(Comma).endsWith(u";base64"))
            return false;
        const QByteArray Bytes = QByteArray::fromBase64(Value.mid(Comma + 1).toLatin1());
        return Bytes.startsWith("\x89PNG\r\n\x1A\n") || Bytes.startsWith("\xFF\xD8\xFF");
    };
    QXmlStreamReader X(Svg);
    while (!X.atEnd()) {
        const QXmlStreamReader::TokenType T = X.readNext();
        if (T == QXmlStreamReader::DTD && !X.entityDeclarations().isEmpty()) {
            Error = QStringLiteral("The converted metafile declares entities");
            return false;
        }
        if (T == QXmlStreamReader::EntityReference) {
            Error = QStringLiteral("The converted metafile uses entities");
            return false;
        }
        if (T != QXmlStreamReader::StartElement)
            continue;
        if (X.name() == u"style" || X.name() == u"script" || X.name() == u"foreignObject") {
            Error = QStringLiteral("The converted metafile carries a style sheet or script");
            return false;
        }
        for (const QXmlStreamAttribute &A : X.attributes()) {
            const QStringView V = A.value().trimmed();
            if (A.name() == u"href" && !V.startsWith(u'#') && !Inlined_Picture(V)) {
                Error = QStringLiteral("The converted metafile refers to outside files");
                return false;
            }
            for (qsizetype At = V.indexOf(u"url("); At >= 0; At = V.indexOf(u"url(", At + 4)) {
                const QStringView Target = V.mid(At + 4).trimmed();
                if (!Target.startsWith(u'#') && !Target.startsWith(u"'#") && !Target.startsWith(u"\"#")) {
                    Error = QStringLiteral("The converted metafile refers to outside files");
                    return false;
                }
            }
        }
    }
    if (X.hasError()) {
        Error = QStringLiteral("The converted metafile is not a well-formed drawing");
        return false;
    }
    return true;
}

} // namespace

bool Check_Metafile(const QByteArray &Data, TMetafileInfo &Info, QString &Error)
{
    Info = TMetafileInfo();
    Info.Kind = Metafile_Kind(Data);
    try {
        Need(Info.Kind != TMetafileKind::None, "The data is not a metafile");
        Need(Data.size() <= Metafile_Max_Bytes, "The metafile is too large");
        const TReader R(Data);
        if (Info.Kind == TMetafileKind::Wmf) {
            TWmfCheck C{R, Info, {}, {}};
            C.Run();
        } else {
            TEmfCheck C{R, Info, {}};
            C.Run();
        }
    } catch (const TRefuse &E) {
        Error = E.Why;
        return false;
    }
    return true;
}

bool Metafile_To_Svg(const QByteArray &Data, QByteArray &Svg, TMetafileInfo &Info, QString &Error)
{
    Svg.clear();
    if (!Check_Metafile(Data, Info, Error))
        return false;
    bool Ok = false;
    if (Info.Kind == TMetafileKind::Emf) {
        Ok = Emf_To_Svg(Data, Svg, Error);
    } else {
        // The check is repeated for the window and bounding box it gathers.
        const TReader R(Data);
        TMetafileInfo Again;
        TWmfCheck C{R, Again, {}, {}};
        try {
            C.Run();
            Ok = Wmf_To_Svg(Data, C, Svg, Error);
        } catch (const TRefuse &E) {
            Error = E.Why;
        }
    }
    if (Ok)
        Ok = Svg_Is_Self_Contained(Svg, Error);
    if (!Ok)
        Svg.clear();
    return Ok;
}
