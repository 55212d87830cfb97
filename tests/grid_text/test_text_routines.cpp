#include "grid/model/TextRoutines.h"
#include "platform/Locale.h"
#include <gtest/gtest.h>

namespace {
const QString CRLF = QStringLiteral("\r\n");

// "," thousands, "." decimal, "/" dates in month-day-year order.
TFormatSettings Us_Settings()
{
    TFormatSettings F;
    F.ThousandSeparator = u',';
    F.DecimalSeparator = u'.';
    F.DateSeparator = u'/';
    F.ShortDateFormat = QStringLiteral("M/d/yyyy");
    F.TimeSeparator = u':';
    return F;
}

TFormatSettings German_Settings()
{
    TFormatSettings F;
    F.ThousandSeparator = u'.';
    F.DecimalSeparator = u',';
    F.DateSeparator = u'.';
    F.ShortDateFormat = QStringLiteral("dd.MM.yyyy");
    F.TimeSeparator = u':';
    return F;
}

TDateTime Dt(int Y, int M, int D, int H = 0, int N = 0, int S = 0)
{
    return Encode_Date(Y, M, D) + Encode_Time(H, N, S, 0);
}
} // namespace

TEST(CellTextKind, Table)
{
    struct TCase { const char *Name; QString Text; bool Markup; int Kind; };
    const TCase Cases[] = {
        {"Empty", "", true, ctPlain},
        {"Formula", "=A1", true, ctFormula},
        {"RichText", "{\\rtf1", true, ctRichText},
        {"Markup", "<b>bold</b>", true, ctMarkup},
        {"MarkupOff", "<b>bold</b>", false, ctPlain},
        {"LowerBrAlone", "<br>", true, ctPlain},
        {"UpperBr", "<BR>", true, ctMarkup},
        {"ControlTag", "<CONTROL TYPE=\"EDIT\">", true, ctMarkup},
        {"PlainText", "hello", true, ctPlain},
        {"WideEscapedEquals", EncodeWideText("="), true, ctWideEscaped},
        {"WideEscapedFormula", EncodeWideText("=1"), true, ctFormula},
        {"WideEscapedText", EncodeWideText("ab"), true, ctWideEscaped},
        {"OneChar", "x", true, ctPlain},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(ClassifyCellText(C.Text, C.Markup), C.Kind);
    }
}

TEST(NumberTextKind, Table)
{
    TFormatSettingsGuard G(Us_Settings());
    struct TCase { const char *Name; const char *Text; int Kind; };
    const TCase Cases[] = {
        {"Integer", "123", ntInteger},
        {"MinusAlone", "-", ntInteger},
        {"NegativeInteger", "-42", ntInteger},
        {"Thousands", "1,234.5", ntDecimal},
        {"ThousandsTooClose", "1,23,456", ntNotNumber},
        {"Exponent", "1.5e-3", ntExponent},
        {"NegativeExponent", "-1.5e-3", ntExponent},
        {"ExponentFirst", "e5", ntNotNumber},
        {"ExponentLast", "5e", ntNotNumber},
        {"TwoExponents", "1e5e2", ntNotNumber},
        {"TwoDecimalPoints", "1.2.3", ntNotNumber},
        {"Empty", "", ntNotNumber},
        {"LeadingBlank", " 5", ntNotNumber},
        {"InnerMinus", "5-3", ntNotNumber},
        {"ThreeMinus", "-1e-5-", ntNotNumber},
        {"ThousandsInExponent", "1,000e5", ntNotNumber},
        {"Letters", "abc", ntNotNumber},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(ClassifyNumberText(QString::fromUtf8(C.Text)), C.Kind);
    }
}

// Digits of every script count as number characters, so such texts
// classify and normalise like ASCII digits.
TEST(NumberTextKind, NumberCharactersOfEveryScript)
{
    struct TCase { const char *Name; char16_t Ch; bool Number; };
    const TCase Cases[] = {
        {"AsciiDigit", u'7', true},       {"Letter", u'a', false},          {"Blank", u' ', false},
        {"ArabicIndic", u'\u0663', true}, {"Devanagari", u'\u0967', true}, {"FullWidth", u'\uFF15', true},
        {"VulgarHalf", u'\u00BD', true},  {"RomanNumeral", u'\u2163', true}, {"Superscript", u'\u00B2', true},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(IsNumberChar(QChar(C.Ch)), C.Number);
    }
    EXPECT_EQ(ClassifyNumberText(QString::fromUtf16(u"\u0661\u0662\u0663")), ntInteger);
    EXPECT_EQ(NormalizeNumberText(QString::fromUtf16(u"(\u0661,\u0662\u0663\u0664.5)")),
              QString::fromUtf16(u"-\u0661\u0662\u0663\u0664.5"));
}

TEST(NumberTextKind, FollowsLocaleSeparators)
{
    TFormatSettingsGuard G(German_Settings());
    EXPECT_EQ(ClassifyNumberText("1.234,5"), ntDecimal);
    EXPECT_EQ(ClassifyNumberText("1,2,3"), ntNotNumber);
}

TEST(NormalizeNumber, Table)
{
    TFormatSettingsGuard G(Us_Settings());
    struct TCase { const char *Name; const char *Text; const char *Expected; };
    const TCase Cases[] = {
        {"Empty", "", ""},
        {"BracketsNegative", "(1,234.50)", "-1234.50"},
        // a currency prefix goes, an "E" in it included
        {"CurrencyPrefix", "EUR 12.5", "12.5"},
        {"DollarPrefix", "$1,000", "1000"},
        {"BlankAndBrackets", " (5)", "-5"},
        {"TrailingMinusKept", "5-", "5-"},
        {"LeadingMinus", "-7", "-7"},
        {"UnitSuffixEndsCopy", "12.5 kg", "12.5"},
        {"Exponent", "1.5e-3", "1.5e-3"},
        {"BracketedMinus", "(-5)", "-5"},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(NormalizeNumberText(QString::fromUtf8(C.Text)), QString::fromUtf8(C.Expected));
    }
}

TEST(NormalizeNumber, GermanSeparators)
{
    TFormatSettingsGuard G(German_Settings());
    EXPECT_EQ(NormalizeNumberText("1.234,5"), "1234.5");
}

TEST(LooksLikeDate, Table)
{
    TFormatSettingsGuard G(Us_Settings());
    EXPECT_TRUE(LooksLikeDate("1/2/2020"));
    EXPECT_FALSE(LooksLikeDate("/1/2"));
    EXPECT_FALSE(LooksLikeDate("1//2"));
    EXPECT_FALSE(LooksLikeDate("1/2"));
}

TEST(DayFirstMonthFirst, Table)
{
    struct TCase { const char *Name; const char *Text; bool Dmy; TDateTime Expected; };
    const TCase Cases[] = {
        {"DmyTwoDigitNineties", "31.12.99", true, Dt(1999, 12, 31)},
        {"DmyTwoDigitWindow", "1/2/25", true, Dt(2025, 2, 1)},
        {"DmyTwoDigit26", "1/2/26", true, Dt(1926, 2, 1)},
        // a four-digit year is kept as typed
        {"DmyFourDigitYearKept", "1.2.2021", true, Dt(2021, 2, 1)},
        {"DmySlashBeforeDot", "3/4.5/2000", true, 0},
        {"MdyDash", "12-31-2020", false, Dt(2020, 12, 31)},
        {"MdySlash", "2/1/2021", false, Dt(2021, 2, 1)},
        {"NoSecondSeparator", "12-31", true, 0},
        {"NotNumbers", "a.b.c", true, 0},
        {"NoSeparator", "20200101", true, 0},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        const QString T = QString::fromUtf8(C.Text);
        EXPECT_DOUBLE_EQ(C.Dmy ? ParseDateDMY(T) : ParseDateMDY(T), C.Expected);
    }
}

TEST(DayFirstMonthFirst, ImpossibleDateRaises)
{
    EXPECT_THROW(ParseDateDMY("31/02/20"), EConvertError);
    EXPECT_THROW(ParseDateMDY("13/1/2020"), EConvertError);
}

TEST(LocaleDateTime, Table)
{
    TFormatSettingsGuard G(German_Settings());
    struct TCase { const char *Name; const char *Text; bool Ok; TDateTime Expected; };
    const TCase Cases[] = {
        {"DateAndTime", "24.12.2021 18:30", true, Dt(2021, 12, 24, 18, 30)},
        {"WithSeconds", "24.12.2021 18:30:15", true, Dt(2021, 12, 24, 18, 30, 15)},
        {"DateOnly", "24.12.2021", true, Dt(2021, 12, 24)},
        {"HourOnly", "24.12.2021 18", false, 0},
        {"DayTooLarge", "32.12.2021", false, 0},
        {"MonthTooLarge", "1.13.2021", false, 0},
        {"ThirtyFirstFebruary", "31.02.2021", false, 0},
        {"HourOutOfRange", "24.12.2021 24:00", false, 0},
        {"NotANumber", "aa.12.2021", false, 0},
        {"OneSeparator", "24.12", false, 0},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        TDateTime V = -1;
        EXPECT_EQ(ParseLocaleDateTime(QString::fromUtf8(C.Text), V), C.Ok);
        if (C.Ok) {
            EXPECT_NEAR(V, C.Expected, 1e-9);
        }
    }
}

TEST(LocaleDateTime, TimeWithoutSeparatorStillStoresTheDate)
{
    TFormatSettingsGuard G(German_Settings());
    TDateTime V = -1;
    EXPECT_FALSE(ParseLocaleDateTime("24.12.2021 18", V));
    EXPECT_DOUBLE_EQ(V, Dt(2021, 12, 24));
}

TEST(LocaleDateTime, MonthFirstOrder)
{
    TFormatSettingsGuard G(Us_Settings());
    TDateTime V = 0;
    ASSERT_TRUE(ParseLocaleDateTime("12/24/2021", V));
    EXPECT_DOUBLE_EQ(V, Dt(2021, 12, 24));
}

TEST(DateSeries, Table)
{
    struct TCase { const char *Name; short Y, M, D; TDateTime From; double Step; TDateTime Expected; };
    const TCase Cases[] = {
        {"Days", 0, 0, 3, Dt(2021, 1, 30), 0, Dt(2021, 2, 2)},
        {"Years", 2, 0, 0, Dt(2021, 3, 15), 0, Dt(2023, 3, 15)},
        {"MonthsWrapIntoNextYear", 0, 2, 0, Dt(2021, 12, 15), 0, Dt(2022, 2, 15)},
        {"MonthsBackToDecember", 0, -1, 0, Dt(2021, 1, 15), 0, Dt(2020, 12, 15)},
        // month steps normalise fully and clamp the day instead of raising
        {"MonthsBeyondOneYear", 0, 25, 0, Dt(2021, 1, 15), 0, Dt(2023, 2, 15)},
        {"MonthsMinusThirteen", 0, -13, 0, Dt(2021, 1, 15), 0, Dt(2019, 12, 15)},
        {"MonthEndClamped", 0, 1, 0, Dt(2021, 1, 31), 0, Dt(2021, 2, 28)},
        {"LeapDayYearStepClamped", 1, 0, 0, Dt(2020, 2, 29), 0, Dt(2021, 2, 28)},
        {"TimeOfDayKept", 0, 1, 0, Dt(2021, 1, 15, 12), 0, Dt(2021, 2, 15, 12)},
        {"MixedUsesStep", 1, 1, 0, Dt(2021, 1, 1), 1.5, Dt(2021, 1, 1) + 1.5},
        {"NothingUsesStep", 0, 0, 0, Dt(2021, 1, 1), 7, Dt(2021, 1, 8)},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_NEAR(IncDateBy(C.Y, C.M, C.D, C.From, C.Step), C.Expected, 1e-9);
    }
}

TEST(DateSeries, StepsBeyondTheCalendarRaise)
{
    EXPECT_THROW(IncDateBy(0, 1, 0, 1e300, 0), EConvertError);
    EXPECT_THROW(IncDateBy(1, 0, 0, Dt(9999, 6, 1), 0), EConvertError);
}

TEST(OneLineForms, Table)
{
    struct TCase { const char *Name; QString Got; QString Expected; };
    const QString AB = "a" + CRLF + "b";
    const TCase Cases[] = {
        {"QuoteMultiLine", QuoteMultiLineField(AB), QString("\"a") + QChar(11) + "b\""},
        {"VTBack", VTToCRLF(QString("a") + QChar(11) + "b"), AB},
        {"TildeOfCaret", TildeToLineBreaks("^"), ""},
        {"TildeToBreak", TildeToLineBreaks("a~b"), AB},
        {"BreakToTilde", LineBreaksToTilde(AB), "a~b"},
        {"EncodeControl", EncodeLineBreaks(AB + QChar(0)), QString("a") + QChar(9) + QChar(8) + "b" + QChar(1)},
        {"EncodeWithoutCR", EncodeLineBreaks("a\tb"), "a\tb"},
        {"DecodeControl", DecodeLineBreaks(QString("a") + QChar(9) + QChar(8) + "b" + QChar(1), true), AB + QChar(0)},
        {"DecodeFirstLineOnly", DecodeLineBreaks(QString("a") + QChar(9) + QChar(8) + "b", false), "a"},
        {"DecodeWithout8Unchanged", DecodeLineBreaks("a\tb", true), "a\tb"},
        {"DecodeWithout8FirstLine", DecodeLineBreaks(AB, false), "a"},
        {"Escape", EscapeNewlines(AB), "a\\nb"},
        {"Unescape", UnescapeNewlines("a\\nb"), "a\rb"},
        {"ToBR", LineBreaksToBR(AB), "a<br>\nb"},
        {"ToBRWithoutCR", LineBreaksToBR("a\nb"), "a\nb"},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(C.Got, C.Expected);
    }
}

TEST(WideText, EncodesHighThenLowByte)
{
    EXPECT_EQ(EncodeWideText("="), QString("|\\") + QChar(0) + "=");
    const QString Wide = QString::fromUtf8("Ω€a");
    const QString Enc = EncodeWideText(Wide);
    EXPECT_EQ(Enc[2], QChar(0x03));
    EXPECT_EQ(Enc[3], QChar(0xA9));
    EXPECT_EQ(DecodeWideText(Enc), Wide);
    // an odd last character is ignored; other texts pass unchanged
    EXPECT_EQ(DecodeWideText(Enc + "x"), Wide);
    EXPECT_EQ(DecodeWideText("plain"), "plain");
}

TEST(SearchAndCut, Routines)
{
    int P = 99;
    EXPECT_EQ(PosVar("lo", "hello", P), 4);
    EXPECT_EQ(P, 4);
    EXPECT_EQ(PosVar("x", "hello", P), 0);
    EXPECT_EQ(P, 0);
    P = 77;
    EXPECT_EQ(CharPosVar(u'z', "hello", P), 0);
    EXPECT_EQ(P, 77);
    EXPECT_EQ(FirstCharPos(u'l', "hello"), 3);
    EXPECT_EQ(FirstCharPos(u'l', ""), 0);
    EXPECT_EQ(PosInUpperCase("LL", "hello"), 3);

    QString T = "a;b;c", F;
    EXPECT_TRUE(CutFirstField(T, ";", F));
    EXPECT_EQ(F, "a");
    EXPECT_EQ(T, "b;c");
    T = "abc";
    EXPECT_FALSE(CutFirstField(T, ";", F));
    EXPECT_EQ(F, "");
    EXPECT_EQ(T, "abc");

    QString L;
    T = "one" + CRLF + "two";
    CutFirstLine(T, true, L);
    EXPECT_EQ(L, "one");
    EXPECT_EQ(T, "two");
    T = "one" + CRLF + "two";
    CutFirstLine(T, false, L);
    EXPECT_EQ(T, "");
    T = "single";
    CutFirstLine(T, true, L);
    EXPECT_EQ(L, "single");
    EXPECT_EQ(T, "");

    EXPECT_EQ(CountLines("a" + CRLF + "b", true), 2);
    EXPECT_EQ(CountLines("a" + CRLF + "b", false), 1);
    EXPECT_EQ(CountChar(u'a', "banana"), 3);
    EXPECT_EQ(ConcatStrings({"a", "b", "c"}), "abc");
}

TEST(UnpairedQuotes, Table)
{
    struct TCase { const char *Name; const char *Text; int Pos; int Count; };
    const TCase Cases[] = {
        {"None", "abc", 0, 0},
        {"OpenAtStart", "\"abc", 1, 1},
        {"ClosedField", "\"abc\"", 1, 2},
        // an even run at the end is a closed (empty) field, not an open quote
        {"EmptyQuotedAtEnd", "1,\"\"", 0, 0},
        {"OddRunAtEnd", "1,\"", 3, 1},
        {"DoubledInside", "\"a\"\"b\"", 1, 2},
        {"TripleRunAtEnd", "x\"\"\"", 4, 1},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        int P = -1;
        EXPECT_EQ(FindUnpairedChar(u'"', C.Text, P), C.Pos);
        EXPECT_EQ(P, C.Pos);
        EXPECT_EQ(CountUnpairedChars(u'"', C.Text), C.Count);
    }
}

TEST(Limits, ClampAndRect)
{
    EXPECT_EQ(ClampToLimits(5, 10, 10), 5);
    EXPECT_EQ(ClampToLimits(5, 10, 20), 10);
    EXPECT_EQ(ClampToLimits(25, 10, 20), 20);
    EXPECT_EQ(ClampToLimits(25, 0, 20), 20);
    EXPECT_EQ(ClampToLimits(-5, 0, 20), -5);
    EXPECT_EQ(ClampToLimits(99, 10, 0), 99);
    struct { int Left, Top, Right, Bottom; } R{1, 2, 3, 4};
    EXPECT_TRUE(GridRectContains(R, 1, 2));
    EXPECT_TRUE(GridRectContains(R, 3, 4));
    EXPECT_FALSE(GridRectContains(R, 4, 4));
    EXPECT_EQ(IntMax(3, 4), 4);
    EXPECT_EQ(IntMin(3, 4), 3);
}

TEST(RowColRef, Table)
{
    struct TCase { const char *Name; const char *Text; int Ok; int X; int Y; };
    const TCase Cases[] = {
        {"LowerCase", "r12c3", 1, 3, 12},
        {"UpperCase", "R1C1", 1, 1, 1},
        {"NoColumn", "R12", 0, -1, -1},
        {"BadRow", "RxC3", 0, -1, -1},
        {"TooShort", "R1C", 0, -1, -1},
        {"EmptyColumn", "R12C", 0, -1, -1},
        {"NotR", "C1R1", 0, -1, -1},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        QPoint P(-1, -1);
        EXPECT_EQ(ParseRowColRef(C.Text, P), C.Ok);
        EXPECT_EQ(P, QPoint(C.X, C.Y));
    }
}

TEST(Quoting, Routines)
{
    EXPECT_EQ(DoubleQuoteChars("a\"b"), "a\"\"b");
    EXPECT_EQ(UndoubleChar(u'"', "a\"\"b"), "a\"b");
    EXPECT_EQ(UndoubleChar(u'a', "aaa"), "aa");
    EXPECT_EQ(UndoubleChar(u'"', "plain"), "plain");
    QString P = "secret";
    FillWithChar(P, u'*');
    EXPECT_EQ(P, "******");
    EXPECT_EQ(StripCR("a\r\nb\r"), "a\nb");
    EXPECT_EQ(CRToLF("a\rb"), "a\nb");
    QString T = "a\r\nb\rc";
    CRLFToLF(T);
    EXPECT_EQ(T, "a\nb\rc");
}

TEST(ProperCase, Table)
{
    struct TCase { const char *Name; const char *Text; const char *Expected; };
    const TCase Cases[] = {
        {"Separators", "o'neil-smith jr.", "O'Neil-Smith Jr."},
        {"McPrefix", "mcdonald", "McDonald"},
        {"McAfterBlank", "ronald mcdonald", "Ronald McDonald"},
        {"RomanThree", "henry iii", "Henry III"},
        {"RomanTwo", "henry ii", "Henry II"},
        {"LowersTheRest", "HELLO WORLD", "Hello World"},
        {"Empty", "", ""},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(ProperCase(QString::fromUtf8(C.Text)), QString::fromUtf8(C.Expected));
    }
}

TEST(OemText, RoundTripKeepsLength)
{
    // ü is 0x81 in code page 850, which the ANSI code page leaves undefined.
    QString T = QString::fromUtf8("Grüße Ø ═");
    const QString Original = T;
    StringToOem(T);
    EXPECT_EQ(T.size(), Original.size());
    EXPECT_EQ(T[2], QChar(0x81));
    OemToString(T);
    EXPECT_EQ(T, Original);
    QString Bad = QString::fromUtf8("a€b");
    StringToOem(Bad);
    EXPECT_EQ(Bad, "a?b");
}

TEST(Urls, ContainStripLinkify)
{
    EXPECT_TRUE(ContainsURL("see http://x"));
    EXPECT_TRUE(ContainsURL("mailto:a@b"));
    EXPECT_FALSE(ContainsURL("MAILTO:a@b"));
    QString U = "http://host/x";
    StripURLScheme(U);
    EXPECT_EQ(U, "host/x");
    U = "mailto:a@b";
    StripURLScheme(U);
    EXPECT_EQ(U, "a@b");
    U = "plain";
    StripURLScheme(U);
    EXPECT_EQ(U, "plain");

    QString R;
    EXPECT_FALSE(LinkifyURL("no link", "HTTP://", R));
    ASSERT_TRUE(LinkifyURL("a<b go http://x.org/p_1 now", "HTTP://", R));
    EXPECT_EQ(R, "a&lt;b go <a href=\"http://x.org/p_1\">http://x.org/p_1</a> now");
    ASSERT_TRUE(LinkifyURL("Www.a.b, www.c.d", "WWW.", R));
    EXPECT_EQ(R, "<a href=\"Www.a.b\">Www.a.b</a>, www.c.d");
}

TEST(Colors, HexRGB)
{
    EXPECT_EQ(ColorToHexRGB(RGB_Color(0x12, 0xAB, 0xFF)), "12ABFF");
    EXPECT_EQ(ColorToHexRGB(clRed), "FF0000");
}

TEST(ClipboardEnvelope, OffsetsCountUtf8Bytes)
{
    QString F = "12345678";
    MakeHTMLClipboardData(F);
    EXPECT_TRUE(F.startsWith("Version:1.0\r\nStartHTML:00000097\r\n"));
    const QByteArray B = F.toUtf8();
    auto Field = [&](const char *Name) {
        const qsizetype P = B.indexOf(Name) + qstrlen(Name);
        return B.mid(P, 8).toInt();
    };
    EXPECT_EQ(B.indexOf("<!DOCTYPE"), 97);
    EXPECT_EQ(B.mid(Field("StartFragment:"), 8), "12345678");
    EXPECT_EQ(Field("EndFragment:") - Field("StartFragment:"), 8);
    EXPECT_EQ(Field("EndHTML:"), B.size());
    EXPECT_TRUE(F.contains("charset=utf-8"));

    // non-ASCII text: offsets in bytes, so the fragment is cut exactly
    QString W = QString::fromUtf8("Grüße €");
    MakeHTMLClipboardData(W);
    const QByteArray WB = W.toUtf8();
    const qsizetype S = WB.indexOf("StartFragment:") + 14, E = WB.indexOf("EndFragment:") + 12;
    const int Start = WB.mid(S, 8).toInt(), End = WB.mid(E, 8).toInt();
    EXPECT_EQ(QString::fromUtf8(WB.mid(Start, End - Start)), QString::fromUtf8("Grüße €"));
    const qsizetype EH = WB.indexOf("EndHTML:") + 8;
    EXPECT_EQ(WB.mid(EH, 8).toInt(), WB.size());
}
