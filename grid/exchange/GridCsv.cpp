#include "grid/exchange/GridCsv.h"
#include "grid/model/TextRoutines.h"
#include "platform/CodePage.h"
#include <QFileInfo>
#include <cstring>
#include <type_traits>

TCsvOptions TCsvOptions::From(const TGridSaveOptions &Save)
{
    TCsvOptions O;
    O.Delimiter = Save.Delimiter;
    O.AlwaysQuotes = Save.AlwaysQuotes;
    O.QuoteEmptyCells = Save.QuoteEmptyCells;
    O.JavaCSV = Save.JavaCSV;
    O.OemConvert = Save.OemConvert;
    O.LoadFirstRow = Save.LoadFirstRow;
    return O;
}

QString Csv_Field(const QString &Text, const TCsvOptions &O, QChar Delim)
{
    // Any line break counts as one, and every break is written the same way,
    // so a text with a lone LF or CR survives as one field.
    QString S = Normalize_Line_Breaks(Text);
    if (S.contains(u'"'))
        S = DoubleQuoteChars(S);
    if (O.OemConvert)
        StringToOem(S);
    bool Quoted = false;
    const bool Has_Delim = S.contains(Delim);
    if (O.AlwaysQuotes || (!Has_Delim && S.contains(u'"'))) {
        S = u'"' + S + u'"';
        Quoted = true;
    }
    if (S.isEmpty()) {
        if (O.JavaCSV)
            S = QStringLiteral("^");
        else if (O.QuoteEmptyCells)
            S = QStringLiteral("\"\"");
        return S;
    }
    const bool Multi = S.contains(u'\r');
    if (Has_Delim || Multi) {
        if (O.JavaCSV) {
            S = LineBreaksToTilde(S);
            if (Has_Delim && !Quoted)
                S = u'"' + S + u'"';
        } else if (Quoted) {
            CRLFToLF(S);
        } else {
            S = QuoteMultiLineField(S);
        }
        return S;
    }
    // Leading blanks of an unquoted field are dropped on reading.
    if (!Quoted && S.startsWith(u' '))
        S = u'"' + S + u'"';
    return S;
}

QString Write_Csv(const TExchangeHooks &Hooks, const TCellRange &Range, const TCsvOptions &O)
{
    const QChar Delim = O.Delimiter.isNull() ? QChar(u',') : O.Delimiter;
    // Most fields are written as they are: one scan decides, and only the
    // others take the full coding (line breaks, quotes, code page).
    const bool May_Be_Plain = !O.AlwaysQuotes && !O.OemConvert;
    const auto Plain = [Delim](QStringView S) {
        if (S.isEmpty() || S.front() == u' ')
            return false;
        for (const QChar Ch : S)
            if (Ch == u'"' || Ch == Delim || Ch == u'\r' || Ch == u'\n')
                return false;
        return true;
    };
    QString Out;
    TProgressCounter Progress(Range.Top, Range.Bottom, Hooks.Progress);
    if (Hooks.Step)
        Hooks.Step(xsStart, Range.Top);
    for (int R = Range.Top; R <= Range.Bottom; ++R) {
        if (Hooks.Step)
            Hooks.Step(xsNextRow, R);
        for (int C = Range.Left; C <= Range.Right; ++C) {
            if (C > Range.Left)
                Out += Delim;
            const QString Text = Hooks.Save_Text ? Hooks.Save_Text(C, R) : QString();
            if (May_Be_Plain && Plain(Text))
                Out += Text;
            else
                Out += Csv_Field(Text, O, Delim);
        }
        Out += QStringLiteral("\r\n");
        Progress.At(R);
    }
    if (Hooks.Step)
        Hooks.Step(xsDone, -1);
    return Out;
}

namespace {
// A growing byte buffer written through a pointer: room is made once per
// piece, not checked per byte.
class TByteSink {
public:
    explicit TByteSink(const QByteArray &Head) : FBuf(Head), FLen(Head.size()) {}
    char *Room(qsizetype N)
    {
        if (FLen + N > FBuf.size())
            FBuf.resize(std::max<qsizetype>(FBuf.size() * 2, FLen + N + 4096));
        return FBuf.data() + FLen;
    }
    void Commit(qsizetype N) { FLen += N; }
    void Append(const QByteArray &B)
    {
        std::memcpy(Room(B.size()), B.constData(), static_cast<size_t>(B.size()));
        FLen += B.size();
    }
    QByteArray Take()
    {
        FBuf.resize(FLen);
        return std::move(FBuf);
    }

private:
    QByteArray FBuf;
    qsizetype FLen;
};

// A piece of text in the file's encoding, as Encode_Text would write it
// (character by character, so pieces join to the whole text's bytes).
QByteArray Encode_Piece(QStringView S, bool Utf8)
{
    if (Utf8)
        return S.toUtf8();
    for (const QChar Ch : S) {
        const char16_t U = Ch.unicode();
        if (U > 0xFF || (U >= 0x80 && U <= 0x9F))
            return To_Cp1252(S.toString());
    }
    return S.toLatin1();
}

// Writes a field that needs no quoting (not empty, no leading blank, no
// quote, delimiter or line break) and answers true; false, writing nothing,
// for any other. An ASCII field is copied unit by unit into the buffer.
bool Append_Plain(TByteSink &Out, QStringView V, char16_t Delim, bool Utf8)
{
    const qsizetype N = V.size();
    if (N == 0 || V.front() == u' ')
        return false;
    const char16_t *S = reinterpret_cast<const char16_t *>(V.data());
    char *P = Out.Room(N);
    for (qsizetype I = 0; I < N; ++I) {
        const char16_t U = S[I];
        if (U >= 0x80 || U == u'"' || U == Delim || U == u'\r' || U == u'\n') {
            for (qsizetype K = I; K < N; ++K)
                if (S[K] == u'"' || S[K] == Delim || S[K] == u'\r' || S[K] == u'\n')
                    return false;
            Out.Append(Encode_Piece(V, Utf8));
            return true;
        }
        P[I] = static_cast<char>(U);
    }
    Out.Commit(N);
    return true;
}
} // namespace

QByteArray Write_Csv_Bytes(const TExchangeHooks &Hooks, const TCellRange &Range, const TCsvOptions &O, bool Utf8,
                           const QByteArray &Head)
{
    const QChar Delim = O.Delimiter.isNull() ? QChar(u',') : O.Delimiter;
    const QByteArray Delim_Bytes = Encode_Piece(QStringView(&Delim, 1), Utf8);
    const bool May_Be_Plain = !O.AlwaysQuotes && !O.OemConvert;
    TByteSink Out(Head);
    TProgressCounter Progress(Range.Top, Range.Bottom, Hooks.Progress);
    if (Hooks.Step)
        Hooks.Step(xsStart, Range.Top);
    char16_t Room[TCellText::Max_Latin1 + 2];
    QString Hold;
    for (int R = Range.Top; R <= Range.Bottom; ++R) {
        if (Hooks.Step)
            Hooks.Step(xsNextRow, R);
        for (int C = Range.Left; C <= Range.Right; ++C) {
            if (C > Range.Left)
                Out.Append(Delim_Bytes);
            QStringView V;
            if (Hooks.Save_View) {
                V = Hooks.Save_View(C, R, Room, Hold);
            } else if (Hooks.Save_Text) {
                Hold = Hooks.Save_Text(C, R);
                V = Hold;
            }
            if (!May_Be_Plain || !Append_Plain(Out, V, Delim.unicode(), Utf8))
                Out.Append(Encode_Piece(Csv_Field(V.toString(), O, Delim), Utf8));
        }
        std::memcpy(Out.Room(2), "\r\n", 2);
        Out.Commit(2);
        Progress.At(R);
    }
    if (Hooks.Step)
        Hooks.Step(xsDone, -1);
    return Out.Take();
}

TExchangeResult Save_Csv_File(const QString &Path, const TExchangeHooks &Hooks, const TCellRange &Range,
                              const TCsvOptions &Options, bool Unicode, bool Append)
{
    QString Kept;
    if (Append && QFileInfo::exists(Path)) {
        QByteArray Old;
        const TExchangeResult R = Read_Exchange_File(Path, Old);
        if (!R.Ok())
            return R;
        for (const QString &Line : Split_Text_Lines(Decode_Text_Bytes(Old)))
            Kept += Line + QStringLiteral("\r\n");
    }
    const QByteArray Head = Encode_Text(Kept, Unicode ? teUtf8Bom : teAnsi);
    return Write_Exchange_File(Path, Write_Csv_Bytes(Hooks, Range, Options, Unicode, Head));
}

namespace {
const QChar Common_Delims[] = {u',', u';', u'\t', u'|'};
const QChar Rare_Delims[] = {u'#', u'@', u'*', u'-', u'+', u'&'};

template <size_t N>
QChar Guess_Among(const QChar (&Cands)[N], const QString &S1, const QString &S2)
{
    int Best = 0;
    QChar Found;
    for (const QChar C : Cands) {
        const int A = CountUnpairedChars(C, S1);
        if (A == CountUnpairedChars(C, S2) && A > Best) {
            Best = A;
            Found = C;
        }
    }
    if (!Found.isNull())
        return Found;
    for (const QChar C : Cands) {
        const int A = CountChar(C, S1);
        if (A == CountChar(C, S2) && A > Best) {
            Best = A;
            Found = C;
        }
    }
    if (!Found.isNull())
        return Found;
    for (const QChar C : Cands) {
        const int A = CountChar(C, S1), B = CountChar(C, S2);
        if (A > Best || B > Best) {
            Best = std::max(A, B);
            Found = C;
        }
    }
    return Found;
}

// The first line of Text and the second (empty when there is none).
void First_Two_Lines(const QString &Text, QString &S1, QString &S2)
{
    const auto Line_End = [&Text](qsizetype From) {
        qsizetype I = From;
        while (I < Text.size() && Text[I] != u'\r' && Text[I] != u'\n')
            ++I;
        return I;
    };
    const qsizetype E1 = Line_End(0);
    S1 = Text.left(E1);
    qsizetype B2 = E1;
    if (B2 < Text.size() && Text[B2] == u'\r')
        ++B2;
    if (B2 < Text.size() && Text[B2] == u'\n')
        ++B2;
    S2 = B2 < Text.size() ? Text.mid(B2, Line_End(B2) - B2) : QString();
}

// The units a parser walks: UTF-16 code units of a decoded text, or the
// bytes of a file whose delimiter, quotes and line breaks are single ASCII
// bytes (Windows-1252, Latin-1 and UTF-8 alike); a quoted field with doubled
// quotes or line breaks is gathered in Buf.
template <class U> struct TCsvUnits;
template <> struct TCsvUnits<char16_t> {
    using Buf = QString;
    static void Append(QString &B, const char16_t *P, qsizetype N) { B.append(reinterpret_cast<const QChar *>(P), N); }
    static const char16_t *Data(const QString &B) { return reinterpret_cast<const char16_t *>(B.constData()); }
};
template <> struct TCsvUnits<char> {
    using Buf = QByteArray;
    static void Append(QByteArray &B, const char *P, qsizetype N) { B.append(P, N); }
    static const char *Data(const QByteArray &B) { return B.constData(); }
};

// What reading does to every field's text once it is cut out.
QString Finish_Field(QString Field, const TCsvOptions &O)
{
    if (O.OemConvert)
        OemToString(Field);
    if (O.JavaCSV)
        Field = TildeToLineBreaks(Field);
    else if (Field.contains(QChar(11)))
        Field = VTToCRLF(Field);
    return Field;
}

// A field of a decoded text.
struct TWideFields {
    const TCsvOptions &O;
    void operator()(TParsedRows &Out, const char16_t *P, qsizetype N) const
    {
        Out.Add(Finish_Field(QString(reinterpret_cast<const QChar *>(P), N), O));
    }
};

// A field of a file's bytes, decoded as the whole file would be. A short
// field that reads byte for byte (Latin-1, or ASCII in UTF-8) and needs no
// further step is stored without building a string.
enum TByteText { btLatin1, btCp1252, btUtf8 };
struct TByteFields {
    const TCsvOptions &O;
    TByteText Kind;
    void operator()(TParsedRows &Out, const char *P, qsizetype N) const
    {
        if (Kind != btCp1252 && !O.OemConvert && !O.JavaCSV && N <= TCellText::Max_Latin1) {
            bool Direct = true;
            for (qsizetype I = 0; I < N && Direct; ++I) {
                const unsigned char B = static_cast<unsigned char>(P[I]);
                Direct = B != 11 && (Kind == btLatin1 || B < 0x80);
            }
            if (Direct) {
                TCellText T;
                T.Assign_Latin1(P, N);
                Out.Add(std::move(T));
                return;
            }
        }
        Out.Add(Finish_Field(Decode(P, N), O));
    }
    QString Decode(const char *P, qsizetype N) const
    {
        switch (Kind) {
        case btUtf8: return QString::fromUtf8(P, N);
        case btCp1252: return From_Cp1252(QByteArray(P, N));
        case btLatin1: break;
        }
        return QString::fromLatin1(P, N);
    }
};

template <class U, class TFields> class TCsvParser {
    using Units = TCsvUnits<U>;

public:
    TCsvParser(const U *Data, qsizetype N, QChar Delim, TFields Fields)
        : FData(Data), FN(N), FDelim(Delim.unicode()), FHasDelim(!Delim.isNull()), FFields(Fields)
    {
    }
    bool At_End() const { return FPos >= FN; }
    // One record; Fields gets its fields. False when the record has more
    // fields than the grid's columns.
    bool Record(TParsedRows *Out)
    {
        if (Out)
            Out->Begin_Row();
        int Count = 0;
        for (;;) {
            // Blanks before a field go, unless nothing else is left of it.
            qsizetype P = FPos;
            while (P < FN && FData[P] == ' ')
                ++P;
            if (P < FN && !Is_Field_End(P))
                FPos = P;
            const U *Field = FData + FPos;
            qsizetype Length = 0;
            bool Quoted = false;
            bool End_Of_Record;
            if (FPos < FN && FData[FPos] == '"') {
                Quoted = true;
                if (!Quoted_Field(Field, Length)) {
                    // Never closed: an empty field, and the record ends with
                    // the line the quote stands in.
                    Skip_Line();
                    Store(Out, FData, 0, Count);
                    return Count <= Max_Fields;
                }
                // Whatever follows the closing quote up to the field's end is dropped.
                while (FPos < FN && !Is_Field_End(FPos))
                    ++FPos;
            } else {
                while (FPos < FN && !Is_Field_End(FPos))
                    ++FPos;
                Length = FData + FPos - Field;
            }
            End_Of_Record = FPos >= FN || !FHasDelim || Unit(FPos) != FDelim;
            if (End_Of_Record) {
                // A last field that is empty and not quoted is not stored.
                if (Quoted || Length > 0)
                    Store(Out, Field, Length, Count);
                Skip_Line_End();
                return Count <= Max_Fields;
            }
            Store(Out, Field, Length, Count);
            ++FPos;   // the delimiter
            if (Count > Max_Fields)
                return false;
        }
    }
    void Skip_Line()
    {
        while (FPos < FN && FData[FPos] != '\r' && FData[FPos] != '\n')
            ++FPos;
        Skip_Line_End();
    }
    static constexpr int Max_Fields = TGridModel::Max_Cols;

private:
    char16_t Unit(qsizetype P) const { return static_cast<char16_t>(static_cast<std::make_unsigned_t<U>>(FData[P])); }
    bool Is_Field_End(qsizetype P) const
    {
        const char16_t C = Unit(P);
        return C == u'\r' || C == u'\n' || (FHasDelim && C == FDelim);
    }
    void Skip_Line_End()
    {
        if (FPos < FN && FData[FPos] == '\r')
            ++FPos;
        if (FPos < FN && FData[FPos] == '\n')
            ++FPos;
    }
    // FPos at the opening quote; on success FPos follows the closing one and
    // Field, Length hold the text: in place when it has no doubled quote and
    // no line break, else gathered in FBuf.
    bool Quoted_Field(const U *&Field, qsizetype &Length)
    {
        const qsizetype Open = FPos;
        qsizetype P = FPos + 1;
        bool Gathered = false;
        FBuf.clear();
        qsizetype Run = P;
        while (P < FN) {
            const U C = FData[P];
            if (C == '"') {
                const bool Doubled = P + 1 < FN && FData[P + 1] == '"';
                if (!Doubled && !Gathered) {
                    Field = FData + Run;
                    Length = P - Run;
                    FPos = P + 1;
                    return true;
                }
                Units::Append(FBuf, FData + Run, P - Run);
                Gathered = true;
                if (Doubled) {
                    Units::Append(FBuf, FData + P, 1);
                    P += 2;
                    Run = P;
                    continue;
                }
                Field = Units::Data(FBuf);
                Length = FBuf.size();
                FPos = P + 1;
                return true;
            }
            if (C == '\r' || C == '\n') {
                // A line break inside quotes is one CR LF, whatever the file used.
                static const U Crlf[2] = {U('\r'), U('\n')};
                Units::Append(FBuf, FData + Run, P - Run);
                Units::Append(FBuf, Crlf, 2);
                Gathered = true;
                if (C == '\r' && P + 1 < FN && FData[P + 1] == '\n')
                    ++P;
                ++P;
                Run = P;
                continue;
            }
            ++P;
        }
        FPos = Open;
        return false;
    }
    void Store(TParsedRows *Out, const U *Field, qsizetype Length, int &Count)
    {
        ++Count;
        if (!Out || Count > Max_Fields)
            return;
        FFields(*Out, Field, Length);
    }

    const U *FData;
    qsizetype FN;
    qsizetype FPos = 0;
    char16_t FDelim;
    bool FHasDelim;
    TFields FFields;
    typename Units::Buf FBuf;
};

// Parsing once the delimiter is known (null: none, every line one field).
template <class U, class TFields>
TExchangeResult Parse_Units(const U *Data, qsizetype N, const TCsvOptions &O, QChar Delim, int MaxRows,
                            TParsedRows &Out, TFields Fields)
{
    TCsvParser<U, TFields> P(Data, N, Delim, Fields);
    if (!O.LoadFirstRow && !P.At_End())
        P.Record(nullptr);
    while (!P.At_End() && (MaxRows <= 0 || Out.Rows() < MaxRows)) {
        if (Out.Rows() >= TGridModel::Max_Rows)
            return TExchangeResult::Failed(esOutOfRange, -1, Out.Rows(), 0,
                                           QStringLiteral("More rows than a grid can hold"));
        if (!P.Record(&Out))
            return TExchangeResult::Failed(esOutOfRange, TGridModel::Max_Cols, Out.Rows() - 1, 0,
                                           QStringLiteral("More columns than a grid can hold"));
    }
    return {};
}
} // namespace

QChar Guess_Csv_Delimiter(const QString &Line1, const QString &Line2)
{
    const QChar C = Guess_Among(Common_Delims, Line1, Line2);
    return C.isNull() ? Guess_Among(Rare_Delims, Line1, Line2) : C;
}

TExchangeResult Parse_Csv(const QString &Text, const TCsvOptions &O, int MaxRows, TParsedRows &Out, QChar *Used)
{
    if (Text.isEmpty())
        return TExchangeResult::Failed(esBadFormat, -1, -1, 0, QStringLiteral("File is empty"));
    QChar Delim = O.Delimiter;
    if (Delim.isNull()) {
        QString S1, S2;
        First_Two_Lines(Text, S1, S2);
        Delim = Guess_Csv_Delimiter(S1, S2);
    }
    if (Used)
        *Used = Delim;
    return Parse_Units(reinterpret_cast<const char16_t *>(Text.constData()), Text.size(), O, Delim, MaxRows, Out, TWideFields{O});
}

TExchangeResult Parse_Csv_Bytes(const QByteArray &Bytes, const TCsvOptions &O, int MaxRows, TParsedRows &Out)
{
    if (Bytes.isEmpty())
        return {};
    // The bytes are parsed in place (no decoded copy of the file, no string
    // per field) whenever every unit the parser looks for is one ASCII byte:
    // not for UTF-16, nor for a delimiter beyond ASCII.
    const bool Utf16 = Bytes.startsWith("\xFF\xFE") || Bytes.startsWith("\xFE\xFF");
    if (Utf16 || O.Delimiter.unicode() >= 0x80)
        return Parse_Csv(Decode_Text_Bytes(Bytes), O, MaxRows, Out);
    TByteText Kind = btLatin1;
    QByteArrayView Body(Bytes);
    if (Bytes.startsWith("\xEF\xBB\xBF")) {
        Kind = btUtf8;
        Body = Body.sliced(3);
    } else {
        for (const char B : Bytes)
            if (static_cast<unsigned char>(B) >= 0x80 && static_cast<unsigned char>(B) <= 0x9F) {
                Kind = btCp1252;
                break;
            }
    }
    if (Body.isEmpty())
        return TExchangeResult::Failed(esBadFormat, -1, -1, 0, QStringLiteral("File is empty"));
    const TByteFields Fields{O, Kind};
    QChar Delim = O.Delimiter;
    if (Delim.isNull()) {
        // The guess reads the first two lines only: decode just those.
        qsizetype End = 0;
        for (int Line = 0; Line < 2 && End < Body.size(); ++Line) {
            while (End < Body.size() && Body[End] != '\r' && Body[End] != '\n')
                ++End;
            if (End < Body.size() && Body[End] == '\r')
                ++End;
            if (Line == 0 && End < Body.size() && Body[End] == '\n')
                ++End;
        }
        QString S1, S2;
        First_Two_Lines(Fields.Decode(Body.data(), End), S1, S2);
        Delim = Guess_Csv_Delimiter(S1, S2);
    }
    return Parse_Units(Body.data(), Body.size(), O, Delim, MaxRows, Out, Fields);
}

TExchangeResult Read_Csv_File(const QString &Path, const TCsvOptions &O, int MaxRows, TParsedRows &Out)
{
    QByteArray Bytes;
    const TExchangeResult R = Read_Exchange_File(Path, Bytes);
    if (!R.Ok())
        return R;
    return Parse_Csv_Bytes(Bytes, O, MaxRows, Out);
}
