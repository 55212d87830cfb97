// CSV: the written form of a field, the reading (RFC 4180 plus the grid's own
// codings), the delimiter guess, and round trips under every quoting option.
#include "FormatTestSupport.h"
#include "grid/exchange/GridCsv.h"
#include "platform/CodePage.h"
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
TCsvOptions Opts(const char *Which)
{
    TCsvOptions O;
    const QString W = QString::fromLatin1(Which);
    O.AlwaysQuotes = W.contains(QStringLiteral("always"));
    O.QuoteEmptyCells = !W.contains(QStringLiteral("noempty"));
    O.JavaCSV = W.contains(QStringLiteral("java"));
    O.OemConvert = W.contains(QStringLiteral("oem"));
    if (W.contains(QStringLiteral("semicolon")))
        O.Delimiter = u';';
    if (W.contains(QStringLiteral("tab")))
        O.Delimiter = u'\t';
    return O;
}
} // namespace

TEST(GridCsv, WorkedExampleIsWrittenByteForByteAndReadBack)
{
    TGridModel M;
    M.Set_Cell(0, 0, QStringLiteral("a"));
    M.Set_Cell(1, 0, QStringLiteral("b"));
    M.Set_Cell(0, 1, QStringLiteral("c"));
    M.Set_Cell(1, 1, QStringLiteral("x\r\ny"));
    const QString Text = Write_Csv(Model_Hooks(M), {0, 0, 1, 1}, TCsvOptions());
    EXPECT_EQ(Encode_Text(Text, teAnsi), Golden("csv_worked_example.csv"));

    TParsedRows All, NoHeader;
    ASSERT_TRUE(Parse_Csv_Bytes(Golden("csv_worked_example.csv"), TCsvOptions(), 0, All).Ok());
    EXPECT_EQ(Rows_Of(All), (std::vector<QStringList>{{"a", "b"}, {"c", "x\r\ny"}}));
    TCsvOptions Skip;
    Skip.LoadFirstRow = false;
    ASSERT_TRUE(Parse_Csv_Bytes(Golden("csv_worked_example.csv"), Skip, 0, NoHeader).Ok());
    EXPECT_EQ(Rows_Of(NoHeader), (std::vector<QStringList>{{"c", "x\r\ny"}}));
}

// How one field is written under each option.
TEST(GridCsv, FieldIsWrittenAsTheOptionsSay)
{
    struct TCase {
        const char *Name, *Options, *Text, *Field;
    };
    const TCase Cases[] = {
        {"Plain", "", "abc", "abc"},
        {"QuoteIsDoubledAndQuoted", "", "he said \"hi\"", "\"he said \"\"hi\"\"\""},
        {"EmptyAsTwoQuotes", "", "", "\"\""},
        {"EmptyBare", "noempty", "", ""},
        {"EmptyJava", "java", "", "^"},
        {"DelimiterQuoted", "", "a,b", "\"a,b\""},
        {"OtherDelimiterBare", "semicolon", "a,b", "a,b"},
        {"MultiLineAsVT", "", "x\r\ny", "\"x\x0By\""},
        {"LoneLFLikeCRLF", "", "x\ny", "\"x\x0By\""},
        {"LoneCRLikeCRLF", "", "x\ry", "\"x\x0By\""},
        {"AlwaysQuotesMultiLineRawLF", "always", "x\r\ny", "\"x\ny\""},
        {"AlwaysQuotesPlain", "always", "abc", "\"abc\""},
        {"JavaMultiLine", "java", "x\r\ny", "x~y"},
        {"JavaDelimiterQuoted", "java", "a,b", "\"a,b\""},
        {"LeadingBlankQuoted", "", " a", "\" a\""},
        {"QuoteAndDelimiter", "", "a,\"b\"", "\"a,\"\"b\"\"\""},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        const TCsvOptions O = Opts(C.Options);
        EXPECT_EQ(Csv_Field(QString::fromUtf8(C.Text), O, O.Delimiter.isNull() ? QChar(u',') : O.Delimiter),
                  QString::fromUtf8(C.Field));
    }
}

// Reading: RFC 4180 quoting, the grid's codings, and what malformed input gives.
TEST(GridCsv, RecordsAreReadAsRfc4180AndTheGridsCodings)
{
    struct TCase {
        const char *Name, *Options, *Text;
        std::vector<QStringList> Rows;
    };
    const TCase Cases[] = {
        {"QuotedSeparator", "", "\"a,b\",c\r\n1,2\r\n", {{"a,b", "c"}, {"1", "2"}}},
        {"DoubledQuote", "semicolon", "\"a\"\"b\";c", {{"a\"b", "c"}}},
        {"QuotedCRLFBreak", "", "\"x\r\ny\",z\r\n", {{"x\r\ny", "z"}}},
        {"QuotedLFBreakIsCRLF", "", "\"x\ny\",z\n1,2", {{"x\r\ny", "z"}, {"1", "2"}}},
        {"VTIsLineBreak", "", "\"x\x0By\",z", {{"x\r\ny", "z"}}},
        {"JavaTildeAndCaret", "java", "x~y,^,z", {{"x\r\ny", "", "z"}}},
        {"UnclosedQuoteIsEmptyAndNextLineGoesOn", "", "a,\"bc\r\nd,e", {{"a", ""}, {"d", "e"}}},
        {"TextAfterClosingQuoteDropped", "", "\"ab\"cd,e", {{"ab", "e"}}},
        {"BlanksBeforeFieldDropped", "", "a,  \"b\",  c", {{"a", "b", "c"}}},
        {"TrailingEmptyNotStored", "", "a,b,\r\n", {{"a", "b"}}},
        {"TrailingQuotedEmptyStored", "", "a,\"\"", {{"a", ""}}},
        {"EmptyLineIsEmptyRow", "", "a\r\n\r\nb", {{"a"}, {}, {"b"}}},
        {"NoDelimiterWholeLine", "", "abc\r\ndef", {{"abc"}, {"def"}}},
        {"LoneCRsEndLines", "tab", "a\tb\rc\td", {{"a", "b"}, {"c", "d"}}},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        TParsedRows P;
        ASSERT_TRUE(Parse_Csv(QString::fromUtf8(C.Text), Opts(C.Options), 0, P).Ok());
        EXPECT_EQ(Rows_Of(P), C.Rows);
    }
}

TEST(GridCsv, HeaderSkipAndRowLimitCountRecords)
{
    TCsvOptions O;
    O.LoadFirstRow = false;
    TParsedRows P;
    // The header is one record over two lines.
    ASSERT_TRUE(Parse_Csv(QStringLiteral("\"h\r\n1\",h2\r\na,b\r\nc,d\r\ne,f"), O, 2, P).Ok());
    EXPECT_EQ(Rows_Of(P), (std::vector<QStringList>{{"a", "b"}, {"c", "d"}}));
}

// The common separators win when they occur consistently; the rare ones
// only when no common one occurs.
TEST(GridCsv, DelimiterGuessPrefersTheCommonSeparators)
{
    struct TCase {
        const char *Name, *Line1, *Line2;
        QChar Expected;
    };
    const TCase Cases[] = {
        {"SemicolonFirstPass", "a;b;c", "1;2;3", u';'},
        {"EqualCountsBeatUnequal", "a,b;c,d", "1,2;3", u';'},
        {"SingleLineThirdPass", "a|b|c", "", u'|'},
        {"RunOfTwoCountsInPlainPass", "a,,b", "c,,d", u','},
        {"DateWithCommaSplitsOnComma", "2024-01-05,5", "", u','},
        {"TabBeatsDash", "2024-01-05\t5", "2024-01-06\t6", u'\t'},
        {"RareOnlyWithoutCommon", "a-b-c", "d-e-f", u'-'},
        {"QuotedSemicolonsDoNotCount", "\"a;b\",c", "\"d;e\",f", u','},
        {"NoCandidate", "abc", "def", QChar()},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(Guess_Csv_Delimiter(QString::fromUtf8(C.Line1), QString::fromUtf8(C.Line2)), C.Expected);
    }
    TParsedRows P;
    QChar Used;
    ASSERT_TRUE(Parse_Csv(QString::fromLatin1(Golden("csv_guess_multiline.csv")), TCsvOptions(), 0, P, &Used).Ok());
    EXPECT_EQ(Used, u';');
    EXPECT_EQ(Rows_Of(P), (std::vector<QStringList>{{"a", "b;c", "say \"hi\""}, {"x\r\ny", "2024-01-05"}}));
}

// Whatever the grid writes, under any option, reads back cell for cell
// (line breaks as CR LF).
TEST(GridCsv, EveryOptionRoundTripsTrickyTexts)
{
    const QStringList Texts = {
        "plain", "a,b", "a;b", "he said \"hi\"", "\"", "\"\"", "x\r\ny", "x\ny", "x\ry", "", " lead",
        "x\r\n\"y\",z", "tab\there", "Grüße €", "Ελληνικά 日本語", "trail ", "a\r\n\r\nb",
    };
    const char *Options[] = {"", "always", "noempty", "java", "semicolon", "tab", "always semicolon", "oem"};
    for (const char *Which : Options) {
        for (const bool Unicode : {false, true}) {
            SCOPED_TRACE(std::string(Which) + (Unicode ? " unicode" : " ansi"));
            const TCsvOptions O = Opts(Which);
            TGridModel M;
            for (int I = 0; I < Texts.size(); ++I) {
                M.Set_Cell(I % 3, I / 3, Texts[I]);
                M.Set_Cell(3, I / 3, QStringLiteral("end"));
            }
            const int Rows = int(Texts.size() + 2) / 3;
            QTemporaryDir Dir;
            const QString Path = Dir.filePath(QStringLiteral("t.csv"));
            ASSERT_TRUE(Save_Csv_File(Path, Model_Hooks(M), {0, 0, 3, Rows - 1}, O, Unicode, false).Ok());
            TParsedRows P;
            ASSERT_TRUE(Read_Csv_File(Path, O, 0, P).Ok());
            ASSERT_EQ(P.Rows(), Rows);
            for (int R = 0; R < Rows; ++R)
                for (int C = 0; C < 4; ++C) {
                    QString Want = Normalize_Line_Breaks(M.Cell(C, R));
                    const bool Latin = Want == From_Cp1252(To_Cp1252(Want));
                    if ((!Unicode || O.OemConvert) && !Latin)
                        continue;   // characters the code page lacks become '?'
                    if (O.OemConvert && Want.contains(u'€'))
                        continue;   // the OEM code page lacks the euro sign
                    ASSERT_LT(C, P.Cols(R)) << R;
                    EXPECT_EQ(P.Text(R, C), Want) << "cell " << C << "," << R;
                }
        }
    }
}

TEST(GridCsv, EncodingIsTakenFromTheByteOrderMark)
{
    struct TCase {
        const char *Name;
        QByteArray Bytes;
        const char *Text;
    };
    const TCase Cases[] = {
        {"Utf8Bom", QByteArray("\xEF\xBB\xBF\xC3\xA9,\xE2\x82\xAC"), "é,€"},
        {"Utf16LE", QByteArray("\xFF\xFE\xE9\x00,\x00\xAC\x20", 8), "é,€"},
        {"Utf16BE", QByteArray("\xFE\xFF\x00\xE9\x00,\x20\xAC", 8), "é,€"},
        {"Windows1252", QByteArray("\xE9,\x80"), "é,€"},
        {"Utf8WithoutBomIs1252", QByteArray("\xC3\xA9"), "Ã©"},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(Decode_Text_Bytes(C.Bytes), QString::fromUtf8(C.Text));
    }
}

TEST(GridCsv, EmptyInputsAndLimits)
{
    struct TCase {
        const char *Name;
        QByteArray Bytes;
        TExchangeStatus Status;
        int Rows;
    };
    QByteArray Wide;
    for (int I = 0; I <= TGridModel::Max_Cols; ++I)
        Wide += ",";
    const TCase Cases[] = {
        {"NoByteChangesNothing", QByteArray(), esOk, 0},
        {"MarkAloneIsEmpty", QByteArray("\xEF\xBB\xBF"), esBadFormat, 0},
        {"TooManyFields", Wide + "x", esOutOfRange, 1},
        {"JustUnderTheLimit", Wide.left(TGridModel::Max_Cols - 1) + "x", esOk, 1},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        TParsedRows P;
        const TExchangeResult R = Parse_Csv_Bytes(C.Bytes, TCsvOptions(), 0, P);
        EXPECT_EQ(R.Status, C.Status);
        EXPECT_EQ(P.Rows(), C.Rows);
        if (C.Status == esBadFormat) {
            EXPECT_EQ(R.Message, QStringLiteral("File is empty"));
        }
    }
}

TEST(GridCsv, AppendKeepsTheLinesThereAndAFailedWriteKeepsTheFile)
{
    QTemporaryDir Dir;
    const QString Path = Dir.filePath(QStringLiteral("a.csv"));
    {
        QFile F(Path);
        ASSERT_TRUE(F.open(QIODevice::WriteOnly));
        F.write("old,1\nold,2");
    }
    TGridModel M;
    M.Set_Cell(0, 0, QStringLiteral("new"));
    ASSERT_TRUE(Save_Csv_File(Path, Model_Hooks(M), {0, 0, 0, 0}, TCsvOptions(), false, true).Ok());
    QFile F(Path);
    ASSERT_TRUE(F.open(QIODevice::ReadOnly));
    EXPECT_EQ(F.readAll(), QByteArray("old,1\r\nold,2\r\nnew\r\n"));

    const TExchangeResult R = Save_Csv_File(Dir.filePath(QStringLiteral("no/such/dir.csv")), Model_Hooks(M),
                                            {0, 0, 0, 0}, TCsvOptions(), false, false);
    EXPECT_EQ(R.Status, esCannotOpen);
}

// Progress runs from 0 to 100 over the rows written, each value once.
TEST(GridCsv, ProgressIsClampedAndToldOncePerValue)
{
    TGridModel M;
    TExchangeHooks H = Model_Hooks(M);
    std::vector<int> Told;
    H.Progress = [&Told](int P) { Told.push_back(P); };
    Write_Csv(H, {0, 10, 0, 14}, TCsvOptions());
    EXPECT_EQ(Told, (std::vector<int>{0, 25, 50, 75, 100}));
    Told.clear();
    Write_Csv(H, {0, 3, 0, 3}, TCsvOptions());
    EXPECT_EQ(Told, (std::vector<int>{100}));
}

// The file's bytes are built field by field: they must equal the whole text
// encoded, under every option, with the texts read as strings or as views.
TEST(GridCsv, FileBytesEqualTheEncodedText)
{
    const QStringList Texts = {
        "plain", "a,b", "a;b", "he said \"hi\"", "", " lead", "x\r\ny", "x\ny", "Grüße €", "Ελληνικά 日本語",
        QString(QChar(0x81)) + QChar(0x9F), "a very long plain text of many letters", "é,x", QString(QChar(0xD83D)), "😀", "a§b",
    };
    const char *Options[] = {"", "always", "noempty", "java", "semicolon", "tab", "oem"};
    TGridModel M;
    for (int I = 0; I < Texts.size(); ++I)
        M.Set_Cell(I % 4, I / 4, Texts[I]);
    const TCellRange Range{0, 0, 3, int(Texts.size() + 3) / 4 - 1};
    TExchangeHooks Views = Model_Hooks(M);
    Views.Save_View = [&M](int C, int R, char16_t *Room, QString &) { return M.Cell_View(C, R, Room); };
    for (const char *Which : Options)
        for (const QChar Delim : {QChar(), QChar(u'§')})
            for (const bool Utf8 : {false, true}) {
                SCOPED_TRACE(std::string(Which) + (Delim.isNull() ? "" : " section") + (Utf8 ? " utf8" : " ansi"));
                TCsvOptions O = Opts(Which);
                if (!Delim.isNull())
                    O.Delimiter = Delim;
                const QByteArray Want = Encode_Text(Write_Csv(Model_Hooks(M), Range, O), Utf8 ? teUtf8Bom : teAnsi);
                const QByteArray Head = Utf8 ? QByteArray("\xEF\xBB\xBF") : QByteArray("kept\r\n");
                EXPECT_EQ(Head + Write_Csv_Bytes(Model_Hooks(M), Range, O, Utf8), Utf8 ? Want : Head + Want);
                EXPECT_EQ(Write_Csv_Bytes(Views, Range, O, Utf8, Head), Utf8 ? Want : Head + Want);
            }
}

// A file's bytes are parsed in place: every cell, the status and the row
// where it stopped must be what parsing the decoded text gives.
TEST(GridCsv, BytesReadAsTheDecodedText)
{
    struct TCase {
        const char *Name;
        QByteArray Bytes;
    };
    const TCase Cases[] = {
        {"Latin1High", QByteArray("\xE9t\xE9,\xFF\r\nx,\xA0y\r\n")},
        {"Cp1252Range", QByteArray("\x80,\x9F\x81,caf\xE9\r\n\x8A\x8A\x8A\x8A\x8A\x8A\x8A\x8A\x8A\x8A\x8A\x8A\x8A\x8A\x8A")},
        {"Utf8", QByteArray("\xEF\xBB\xBF\xC3\xA9t\xC3\xA9,\xE2\x82\xAC\r\n\xF0\x9F\x98\x80;x")},
        {"Utf8Broken", QByteArray("\xEF\xBB\xBF\xC3,\xE2\x82\r\n\"\xC3\",\xF0\x9F\r\n\xFF\xFE,a\xC3")},
        {"QuotedTexts", QByteArray("\"a\"\"b\",\"x\r\ny\",\"z\nw\"tail,\" lead\"\r\n\"a,b\",c")},
        {"LongQuotedTextInPlace", QByteArray("\"a field far longer than fourteen\",b")},
        {"VerticalTabAndTilde", QByteArray("x\x0By,a~b,^,\"q\x0B\"\r\n")},
        {"BlanksAndEmptyLast", QByteArray("  a, b,,\r\n,\r\n   \r\nc,")},
        {"NeverClosedQuote", QByteArray("a,\"open\r\nb,c\r\n")},
        {"LoneCrAndLf", QByteArray("a;b\rc;d\ne;f")},
        {"NoDelimiter", QByteArray("one\r\ntwo")},
        {"OnlyBlanks", QByteArray("   ")},
        {"Utf16StaysDecoded", QByteArray("\xFF\xFE" "a\0,\0b\0", 8)},
    };
    const char *Options[] = {"", "java", "oem", "semicolon", "tab", "header"};
    for (const TCase &C : Cases)
        for (const char *Which : Options)
            for (const QChar Delim : {QChar(), QChar(u'§')}) {
                SCOPED_TRACE(std::string(C.Name) + " " + Which + (Delim.isNull() ? "" : " section"));
                TCsvOptions O = Opts(Which);
                O.LoadFirstRow = !QByteArray(Which).contains("header");
                if (!Delim.isNull())
                    O.Delimiter = Delim;
                TParsedRows Want, Got;
                const TExchangeResult RW = Parse_Csv(Decode_Text_Bytes(C.Bytes), O, 0, Want);
                const TExchangeResult RG = Parse_Csv_Bytes(C.Bytes, O, 0, Got);
                EXPECT_EQ(RG, RW);
                EXPECT_EQ(Rows_Of(Got), Rows_Of(Want));
            }
}
