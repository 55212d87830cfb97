#include "grid/exchange/GridCellFile.h"
#include "grid/model/TextRoutines.h"
#include "platform/TextToInt.h"
#include <QStringEncoder>
#include <climits>

QString Encode_Cell_Text(const QString &Text)
{
    if (!Has_Line_Break(Text))
        return Text;
    return EncodeLineBreaks(Normalize_Line_Breaks(Text));
}

QStringList Write_Cell_Lines(const TExchangeHooks &Hooks, const TCellFileLayout &L,
                             const std::function<int(int Col)> &Width)
{
    QStringList Lines;
    Lines.append(QString::number(L.Size_Cols) + u',' + QString::number(L.Size_Rows));
    for (int C = L.Width_From; C <= L.Width_To; ++C)
        Lines.append(QStringLiteral("cw ") + QString::number(C) + u',' + QString::number(Width ? Width(C) : 0));
    TProgressCounter Progress(L.Cells.Top, L.Cells.Bottom, Hooks.Progress);
    if (Hooks.Step)
        Hooks.Step(xsStart, L.Cells.Top);
    for (int R = L.Cells.Top; R <= L.Cells.Bottom; ++R) {
        if (Hooks.Step)
            Hooks.Step(xsNextRow, R);
        for (int C = L.Cells.Left; C <= L.Cells.Right; ++C) {
            const QString S = Hooks.Save_Text ? Hooks.Save_Text(C, R) : QString();
            if (S.isEmpty())
                continue;
            Lines.append(QString::number(C - L.Origin_Col) + u',' + QString::number(R - L.Origin_Row) + u','
                         + Encode_Cell_Text(S));
        }
        Progress.At(R);
    }
    if (Hooks.Step)
        Hooks.Step(xsDone, -1);
    return Lines;
}

QByteArray Cell_File_Bytes(const QStringList &Lines, bool Unicode)
{
    QString Text;
    for (const QString &L : Lines)
        Text += L + QStringLiteral("\r\n");
    return Encode_Text(Text, Unicode ? teUtf16Bom : teAnsi);
}

QByteArray Cell_Stream_Bytes(const QStringList &Lines)
{
    QStringEncoder Encoder(QStringConverter::Utf16LE);
    QByteArray Out;
    for (const QString &L : Lines) {
        Out += Encoder.encode(L);
        Out.append("\x0D\x00\x0A\x00", 4);
    }
    return Out;
}

namespace {
// Blanks skipped, then the digits up to the first other character; 0 for
// none. Saturates at INT_MAX, so a long run of digits cannot overflow.
int Lenient_Number(const QString &S)
{
    qsizetype I = 0;
    while (I < S.size() && S[I] == u' ')
        ++I;
    long long V = 0;
    for (; I < S.size() && S[I] >= u'0' && S[I] <= u'9'; ++I) {
        V = V * 10 + (S[I].unicode() - u'0');
        if (V > INT_MAX)
            V = INT_MAX;
    }
    return static_cast<int>(V);
}

TExchangeResult Too_Large(int Line, const char *What)
{
    return TExchangeResult::Failed(esOutOfRange, -1, Line, 0, QString::fromLatin1(What));
}
} // namespace

TExchangeResult Parse_Cell_File(const QString &Text, bool MultiLine, TCellFileDoc &Doc)
{
    Doc = {};
    const QStringList Lines = Split_Text_Lines(Text);
    if (Lines.isEmpty() || Lines[0].isEmpty())
        return {};
    {
        const QString &First = Lines[0];
        const qsizetype Comma = First.indexOf(u',');
        Doc.Has_Size = true;
        Doc.Cols = Lenient_Number(Comma < 0 ? First : First.left(Comma));
        Doc.Rows = Comma < 0 ? 0 : Lenient_Number(First.mid(Comma + 1));
        if (Doc.Cols > TGridModel::Max_Cols || Doc.Rows > TGridModel::Max_Rows)
            return Too_Large(0, "The size exceeds what a grid can hold");
    }
    for (qsizetype L = 1; L < Lines.size(); ++L) {
        QString Line = Lines[L];
        if (Line.startsWith(QStringLiteral("cw"))) {
            const QString Rest = Line.mid(3);
            const qsizetype Comma = Rest.indexOf(u',');
            const int Col = Lenient_Number(Comma < 0 ? Rest : Rest.left(Comma));
            const int W = Comma < 0 ? 0 : Lenient_Number(Rest.mid(Comma + 1));
            if (W > Max_Cell_File_Width)
                return Too_Large(int(L), "A column width exceeds 32767");
            Doc.Widths.emplace_back(Col, W);
            continue;
        }
        QString Field;
        int Col = 0, Row = 0;
        if (CutFirstField(Line, QStringLiteral(","), Field))
            Col = Lenient_Number(Field);
        if (CutFirstField(Line, QStringLiteral(","), Field))
            Row = Lenient_Number(Field);
        Doc.Cells.push_back({Col, Row, DecodeLineBreaks(Line, MultiLine)});
    }
    return {};
}

TExchangeResult Read_Cell_File(const QString &Path, bool MultiLine, TCellFileDoc &Doc)
{
    QByteArray Bytes;
    const TExchangeResult R = Read_Exchange_File(Path, Bytes);
    if (!R.Ok())
        return R;
    return Parse_Cell_File(Decode_Text_Bytes(Bytes), MultiLine, Doc);
}

namespace {
// UTF-16 units up to a CR (not kept) or the end, then one more unit (the LF).
QString Read_Stream_Line(QIODevice &D)
{
    QString Line;
    char Unit[2];
    while (D.read(Unit, 2) == 2) {
        const char16_t U = char16_t(static_cast<unsigned char>(Unit[0]) | (static_cast<unsigned char>(Unit[1]) << 8));
        if (U == u'\r') {
            D.read(Unit, 2);
            break;
        }
        Line += QChar(U);
    }
    return Line;
}

bool Whole_Number(const QString &S, int &V) { return Text_To_Int(S, V); }
} // namespace

TExchangeResult Read_Cell_Stream(QIODevice &D, bool MultiLine, TCellFileDoc &Doc)
{
    Doc = {};
    const qint64 Start = D.pos();
    const auto Fail = [&D, Start](TExchangeStatus S, int Line, const char *What) {
        D.seek(Start);
        return TExchangeResult::Failed(S, -1, Line, 0, QString::fromLatin1(What));
    };
    if (D.atEnd())
        return {};
    int LineNo = 0;
    const QString First = Read_Stream_Line(D);
    if (!First.isEmpty()) {
        const qsizetype Comma = First.indexOf(u',');
        if (Comma < 0 || !Whole_Number(First.left(Comma), Doc.Cols) || !Whole_Number(First.mid(Comma + 1), Doc.Rows))
            return Fail(esBadValue, 0, "The size is not a pair of numbers");
        if (Doc.Cols < 0 || Doc.Rows < 0 || Doc.Cols > TGridModel::Max_Cols || Doc.Rows > TGridModel::Max_Rows)
            return Fail(esOutOfRange, 0, "The size exceeds what a grid can hold");
        Doc.Has_Size = true;
    }
    while (!D.atEnd()) {
        ++LineNo;
        const qint64 Here = D.pos();
        QString Line = Read_Stream_Line(D);
        if (Line.startsWith(QStringLiteral("cw"))) {
            const QString Rest = Line.mid(3);
            const qsizetype Comma = Rest.indexOf(u',');
            int Col = 0, W = 0;
            if (Comma < 0 || !Whole_Number(Rest.left(Comma), Col) || !Whole_Number(Rest.mid(Comma + 1), W))
                return Fail(esBadValue, LineNo, "A column width is not a pair of numbers");
            if (Col < 0 || W < 0 || W > Max_Cell_File_Width)
                return Fail(esOutOfRange, LineNo, "A column width lies outside 0..32767");
            Doc.Widths.emplace_back(Col, W);
            continue;
        }
        QString F1, F2;
        if (!CutFirstField(Line, QStringLiteral(","), F1) || F1.isEmpty() || !CutFirstField(Line, QStringLiteral(","), F2)
            || F2.isEmpty()) {
            D.seek(Here);
            break;
        }
        int Col = 0, Row = 0;
        if (!Whole_Number(F1, Col) || !Whole_Number(F2, Row))
            return Fail(esBadValue, LineNo, "A cell's column or row is not a number");
        Doc.Cells.push_back({Col, Row, DecodeLineBreaks(Line, MultiLine)});
    }
    return {};
}
