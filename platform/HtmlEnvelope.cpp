#include "platform/HtmlEnvelope.h"
#include <QList>

namespace {
// The header's lines: "Name:number" pairs up to the first markup.
struct THeader
{
    bool Has_Version = false;
    qint64 Start_Html = -2, End_Html = -2, Start_Fragment = -2, End_Fragment = -2;   // -2: not given
    qint64 End = 0;                                                                    // first byte after the header
};

bool Read_Number(const QByteArray &Value, qint64 &Out)
{
    bool Ok = false;
    const qint64 V = Value.trimmed().toLongLong(&Ok, 10);
    if (Ok)
        Out = V;
    return Ok;
}

THeader Read_Header(const QByteArray &Text)
{
    THeader H;
    qint64 Pos = 0;
    while (Pos < Text.size() && Text.at(Pos) != '<') {
        qint64 Eol = Text.indexOf('\n', Pos);
        const qint64 Line_End = Eol < 0 ? Text.size() : Eol;
        QByteArray Line = Text.mid(Pos, Line_End - Pos);
        if (Line.endsWith('\r'))
            Line.chop(1);
        const qint64 Colon = Line.indexOf(':');
        if (Colon <= 0)
            break;
        const QByteArray Name = Line.left(Colon);
        const QByteArray Value = Line.mid(Colon + 1);
        qint64 *Slot = nullptr;
        if (Name == "Version")
            H.Has_Version = true;
        else if (Name == "StartHTML")
            Slot = &H.Start_Html;
        else if (Name == "EndHTML")
            Slot = &H.End_Html;
        else if (Name == "StartFragment")
            Slot = &H.Start_Fragment;
        else if (Name == "EndFragment")
            Slot = &H.End_Fragment;
        if (Slot && !Read_Number(Value, *Slot))
            break;
        Pos = Eol < 0 ? Text.size() : Eol + 1;
    }
    H.End = Pos;
    return H;
}

bool Span_Ok(qint64 Start, qint64 End, qint64 Header_End, qint64 Size)
{
    return Start >= Header_End && Start <= End && End <= Size;
}
} // namespace

THtmlEnvelope Parse_Html_Envelope(const QByteArray &Text)
{
    THtmlEnvelope R;
    const THeader H = Read_Header(Text);
    if (!H.Has_Version || H.Start_Html == -2 || H.End_Html == -2 || H.Start_Fragment == -2 || H.End_Fragment == -2)
        return R;
    const qint64 Size = Text.size();
    if (!Span_Ok(H.Start_Fragment, H.End_Fragment, H.End, Size))
        return R;
    const bool No_Document = H.Start_Html == -1 && H.End_Html == -1;
    if (!No_Document) {
        // The fragment lies inside the document.
        if (!Span_Ok(H.Start_Html, H.End_Html, H.End, Size) || H.Start_Fragment < H.Start_Html
            || H.End_Fragment > H.End_Html)
            return R;
        R.Document = Text.mid(H.Start_Html, H.End_Html - H.Start_Html);
    }
    R.Fragment = Text.mid(H.Start_Fragment, H.End_Fragment - H.Start_Fragment);
    R.Valid = true;
    return R;
}

QByteArray Html_Without_Envelope(const QByteArray &Text)
{
    const THtmlEnvelope E = Parse_Html_Envelope(Text);
    if (!E.Valid)
        return Text;
    return E.Document.isEmpty() ? E.Fragment : E.Document;
}
