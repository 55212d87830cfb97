// What the in-place editor starts with and writes back, and the layout
// helpers that size text (insets, longest line, lines in a row).
#include "grid/stringgrid/RIraRevadiVizo.h"
#include "grid/model/MarkupText.h"
#include "grid/model/TextRoutines.h"
#include "platform/CodePage.h"
#include "toolkit/RichEdit.h"
#include <QBuffer>
#include <cmath>

namespace {
// The text an editor shows for a stored text: only a markup text loses its
// tags ("topic/<id>/t" is no markup and opens as it is stored).
QString Edit_Form(const QString &Stored, bool WithTags, bool Markup)
{
    if (!WithTags && ClassifyCellText(Stored, Markup) == ctMarkup)
        return StripHTMLTags(Stored);
    return Stored;
}
} // namespace

QString RIraRevadiVizo::GetEditText(int ACol, int ARow)
{
    FNoEditChange = true;
    Align_Text_Editor(ACol, ARow);
    const TPoint B = BaseCell(DisplToRealCol(ACol), ARow);
    return Edit_Form(TBaseGrid::GetEditText(B.X, B.Y), FEditWithTags, EnableHTML());
}

void RIraRevadiVizo::SetEditText(int ACol, int ARow, const QString &Value)
{
    if (HoldCell())
        return;
    const TPoint B = BaseCell(DisplToRealCol(ACol), ARow);
    // Written only when it changes what the cell holds as the editor shows
    // it: a markup cell opened without its tags keeps its markup when the
    // editor closes untouched.
    if (Value == Edit_Form(Cells(B.X, B.Y), FEditWithTags, EnableHTML()))
        return;
    TBaseGrid::SetEditText(B.X, B.Y, Value);
}

int RIraRevadiVizo::MaxColLineLength(int ACol)
{
    int Longest = 0;
    for (int R = 0; R < RowCount(); ++R) {
        QString Text = CellTextForSave(ACol, R);
        while (!Text.isEmpty()) {
            int Cr = Text.indexOf(QChar(13));
            const QString Line = Cr < 0 ? Text : Text.left(Cr);
            Longest = std::max(Longest, static_cast<int>(Line.size()));
            if (Cr < 0 || !FMultilineCells)
                break;
            Text = Text.mid(Cr + 1);
            if (Text.startsWith(QChar(10)))
                Text.remove(0, 1);
        }
    }
    return Longest;
}

int RIraRevadiVizo::MaxLinesInRow(int ARow)
{
    if (ColCount() == 0 || !FMultilineCells)
        return 1;
    int Most = 1;
    for (int C = 0; C < ColCount(); ++C)
        Most = std::max(Most, CountLines(Cells(DisplToRealCol(C), ARow), true));
    return Most;
}

// --- rich-text cells --------------------------------------------------------------------------
// A rich-text cell holds the RTF bytes of a rich edit, one character per byte.

void RIraRevadiVizo::CellToRich(int ACol, int ARow, TRichEdit &RichEdit)
{
    const QString Text = Cells(ACol, ARow);
    if (Text.isEmpty()) {
        RichEdit.clear();
        return;
    }
    QByteArray Bytes;
    Bytes.reserve(Text.size());
    for (QChar C : Text)
        Bytes.append(static_cast<char>(C.unicode() & 0xFF));
    QBuffer Stream(&Bytes);
    Stream.open(QIODevice::ReadOnly);
    RichEdit.Lines().Load_From_Stream(Stream);
}

QString RIraRevadiVizo::RichToString(const TRichEdit &RichEdit)
{
    if (Destroying())
        return QString();
    QByteArray Bytes;
    QBuffer Stream(&Bytes);
    Stream.open(QIODevice::WriteOnly);
    // Saved "as UTF-16": the rich edit writes its RTF bytes whatever encoding is
    // asked for, so each byte is one character of the cell.
    RichEdit.Lines().Save_To_Stream(Stream, TStreamEncoding::Unicode);
    return From_Cp1252(Bytes);
}

void RIraRevadiVizo::RichToCell(int ACol, int ARow, const TRichEdit &RichEdit)
{
    SetCellEx(ACol, ARow, RichToString(RichEdit));
}

// --- rotated text -----------------------------------------------------------------------------

void RotatedTextRect(TRect &Rect, int HAlign, int VAlign, int Angle, int HC, int WS, int HS, int WC)
{
    const int Q = Angle <= 90 ? 1 : Angle <= 180 ? 2 : Angle <= 270 ? 3 : 4;
    const int L = Rect.Left, T = Rect.Top, R = Rect.Right, B = Rect.Bottom;
    // Integer halves truncate toward zero, as C++ division does.
    auto Half = [](int V) { return V / 2; };
    int NL = L, NT = T;
    switch (Q) {
    case 1:
        NL = HAlign == 0 ? L : HAlign == 1 ? R - WC - HS : L + Half(R - L - HS - WC);
        NT = VAlign == 0 ? T + WS : VAlign == 1 ? T + WS - Half(WS + HC - (B - T)) : B - HC;
        break;
    case 2:
        NL = HAlign == 0 ? L + WC : HAlign == 1 ? R - HS : R - Half(HS + (R - L) - WC);
        NT = VAlign == 0 ? T + HC + WS : VAlign == 1 ? T + HC + WS - Half(WS + HC - (B - T)) : B;
        break;
    case 3:
        NL = HAlign == 0 ? L + HS + WC : HAlign == 1 ? R : R - Half(R - L - HS - WC);
        NT = VAlign == 0 ? T + HC : VAlign == 1 ? T + HC - Half(WS + HC - (B - T)) : B - WS;
        break;
    default:
        NL = HAlign == 0 ? L + HS : HAlign == 1 ? R - WC : L + Half(HS + (R - L) - WC);
        NT = VAlign == 0 ? T : VAlign == 1 ? T - Half(WS + HC - (B - T)) : B - HC - WS;
        break;
    }
    Rect.Left = NL;
    Rect.Top = NT;
}

void RIraRevadiVizo::PlaceRotatedText(TRect &Rect, int Angle, const QString &Text, int HAlign, int VAlign)
{
    TCanvas &Cv = Canvas();
    const int W = Cv.TextWidth(Text);
    const int H = Cv.TextHeight(Text);
    Rect = TRect(Rect.Left + 2, Rect.Top + 2, Rect.Right - 2, Rect.Bottom - 2);
    const double X = Angle * M_PI / 180.0;
    const int HC = std::abs(static_cast<int>(std::trunc(std::cos(X) * H)));
    const int WS = std::abs(static_cast<int>(std::trunc(std::sin(X) * W)));
    const int HS = std::abs(static_cast<int>(std::trunc(std::sin(X) * H)));
    const int WC = std::abs(static_cast<int>(std::trunc(std::cos(X) * W)));
    RotatedTextRect(Rect, HAlign, VAlign, Angle, HC, WS, HS, WC);
}
