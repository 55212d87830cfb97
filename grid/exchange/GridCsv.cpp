#include "grid/exchange/GridCsv.h"
#include "grid/model/TextRoutines.h"
#include <QFileInfo>

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

TExchangeResult Save_Csv_File(const QString &Path, const TExchangeHooks &Hooks, const TCellRange &Range,
                              const TCsvOptions &Options, bool Unicode, bool Append)
{
    QString Text;
    if (Append && QFileInfo::exists(Path)) {
        QByteArray Old;
        const TExchangeResult R = Read_Exchange_File(Path, Old);
        if (!R.Ok())
            return R;
        for (const QString &Line : Split_Text_Lines(Decode_Text_Bytes(Old)))
            Text += Line + QStringLiteral("\r\n");
    }
    Text += Write_Csv(Hooks, Range, Options);
    return Write_Exchange_File(Path, Encode_Text(Text, Unicode ? teUtf8Bom : teAnsi));
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

class TCsvParser {
public:
    TCsvParser(const QString &Text, const TCsvOptions &O, QChar Delim)
        : FText(Text), FData(Text.constData()), FN(Text.size()), FO(O), FDelim(Delim), FHasDelim(!Delim.isNull())
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
            while (P < FN && FData[P] == u' ')
                ++P;
            if (P < FN && !Is_Field_End(P))
                FPos = P;
            QString Field;
            bool Quoted = false;
            bool End_Of_Record;
            if (FPos < FN && FData[FPos] == u'"') {
                Quoted = true;
                if (!Quoted_Field(Field)) {
                    // Never closed: an empty field, and the record ends with
                    // the line the quote stands in.
                    Skip_Line();
                    Store(Out, QString(), Count, true);
                    return Count <= Max_Fields;
                }
                // Whatever follows the closing quote up to the field's end is dropped.
                while (FPos < FN && !Is_Field_End(FPos))
                    ++FPos;
            } else {
                const qsizetype Start = FPos;
                while (FPos < FN && !Is_Field_End(FPos))
                    ++FPos;
                Field = FText.mid(Start, FPos - Start);
            }
            End_Of_Record = FPos >= FN || FData[FPos] != FDelim || !FHasDelim;
            if (End_Of_Record) {
                // A last field that is empty and not quoted is not stored.
                if (Quoted || !Field.isEmpty())
                    Store(Out, Field, Count, Quoted);
                Skip_Line_End();
                return Count <= Max_Fields;
            }
            Store(Out, Field, Count, Quoted);
            ++FPos;   // the delimiter
            if (Count > Max_Fields)
                return false;
        }
    }
    void Skip_Line()
    {
        while (FPos < FN && FData[FPos] != u'\r' && FData[FPos] != u'\n')
            ++FPos;
        Skip_Line_End();
    }
    static constexpr int Max_Fields = TGridModel::Max_Cols;

private:
    bool Is_Field_End(qsizetype P) const
    {
        const QChar C = FData[P];
        return C == u'\r' || C == u'\n' || (FHasDelim && C == FDelim);
    }
    void Skip_Line_End()
    {
        if (FPos < FN && FData[FPos] == u'\r')
            ++FPos;
        if (FPos < FN && FData[FPos] == u'\n')
            ++FPos;
    }
    // FPos at the opening quote; on success FPos follows the closing one.
    bool Quoted_Field(QString &Field)
    {
        const qsizetype Open = FPos;
        qsizetype P = FPos + 1;
        Field.clear();
        qsizetype Run = P;
        while (P < FN) {
            const QChar C = FData[P];
            if (C == u'"') {
                Field.append(FData + Run, P - Run);
                if (P + 1 < FN && FData[P + 1] == u'"') {
                    Field += u'"';
                    P += 2;
                    Run = P;
                    continue;
                }
                FPos = P + 1;
                return true;
            }
            if (C == u'\r' || C == u'\n') {
                // A line break inside quotes is one CR LF, whatever the file used.
                Field.append(FData + Run, P - Run);
                Field += QStringLiteral("\r\n");
                if (C == u'\r' && P + 1 < FN && FData[P + 1] == u'\n')
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
    void Store(TParsedRows *Out, QString Field, int &Count, bool Quoted)
    {
        ++Count;
        if (!Out || Count > Max_Fields)
            return;
        (void)Quoted;
        if (FO.OemConvert)
            OemToString(Field);
        if (FO.JavaCSV)
            Field = TildeToLineBreaks(Field);
        else if (Field.contains(QChar(11)))
            Field = VTToCRLF(Field);
        Out->Add(Field);
    }

    const QString &FText;
    const QChar *FData;
    qsizetype FN;
    qsizetype FPos = 0;
    const TCsvOptions &FO;
    QChar FDelim;
    bool FHasDelim;
};
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
    TCsvParser P(Text, O, Delim);
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

TExchangeResult Parse_Csv_Bytes(const QByteArray &Bytes, const TCsvOptions &O, int MaxRows, TParsedRows &Out)
{
    if (Bytes.isEmpty())
        return {};
    return Parse_Csv(Decode_Text_Bytes(Bytes), O, MaxRows, Out);
}

TExchangeResult Read_Csv_File(const QString &Path, const TCsvOptions &O, int MaxRows, TParsedRows &Out)
{
    QByteArray Bytes;
    const TExchangeResult R = Read_Exchange_File(Path, Bytes);
    if (!R.Ok())
        return R;
    return Parse_Csv_Bytes(Bytes, O, MaxRows, Out);
}
