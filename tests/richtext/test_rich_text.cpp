#include "platform/RichText.h"
#include <QColor>
#include <QFont>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

// The document's text with its paragraphs joined by '\n', every other
// character as stored (line separators and no-break spaces kept).
QString Doc_Text(const QTextDocument &Doc)
{
    QStringList Blocks;
    for (QTextBlock B = Doc.begin(); B.isValid(); B = B.next())
        Blocks << B.text();
    return Blocks.join(u'\n');
}

QTextCharFormat Format_At(const QTextDocument &Doc, int Index)
{
    QTextCursor C(const_cast<QTextDocument *>(&Doc));
    C.setPosition(Index + 1);   // the format of a position is that of the character before it
    return C.charFormat();
}

// What a character looks like, in one comparable line: weight, slant,
// underline, size, colour, vertical alignment, offset and font family.
QString Look(const QTextDocument &Doc, const QTextCharFormat &F)
{
    const double Points = F.hasProperty(QTextFormat::FontPointSize) ? F.fontPointSize()
                                                                    : Doc.defaultFont().pointSizeF();
    const QString Family = F.hasProperty(QTextFormat::FontFamilies)
                               ? F.property(QTextFormat::FontFamilies).toStringList().value(0)
                               : Doc.defaultFont().family();
    const bool Colored = F.hasProperty(QTextFormat::ForegroundBrush) && F.foreground().style() != Qt::NoBrush;
    return QStringLiteral("%1%2%3 %4pt %5 v%6 o%7 %8")
        .arg(F.fontWeight() >= QFont::DemiBold ? "b" : "-")
        .arg(F.fontItalic() ? "i" : "-")
        .arg(F.fontUnderline() ? "u" : "-")
        .arg(Points)
        .arg(Colored ? F.foreground().color().name() : QStringLiteral("auto"))
        .arg(int(F.verticalAlignment()))
        .arg(F.property(Rtf_Offset_Property).toInt())
        .arg(Family);
}

QStringList Looks(const QTextDocument &Doc)
{
    QStringList L;
    for (QTextBlock B = Doc.begin(); B.isValid(); B = B.next())
        for (auto It = B.begin(); !It.atEnd(); ++It)
            for (qsizetype K = 0; K < It.fragment().length(); ++K)
                L << Look(Doc, It.fragment().charFormat());
    return L;
}

// One probe of a character's format: "b", "i", "u", "^" (superscript),
// "_" (subscript) for what is on; Points 0 and Color nullptr leave size and
// colour unchecked, Color "" asks for the automatic colour.
struct TProbe {
    int Index;
    const char *Flags;
    double Points = 0;
    const char *Color = nullptr;
    int Offset = 0;
};

void Check_Probe(const QTextDocument &Doc, const TProbe &P)
{
    SCOPED_TRACE(testing::Message() << "character " << P.Index);
    const QTextCharFormat F = Format_At(Doc, P.Index);
    const QString Flags = QString::fromLatin1(P.Flags);
    EXPECT_EQ(F.fontWeight() >= QFont::DemiBold, Flags.contains(u'b'));
    EXPECT_EQ(F.fontItalic(), Flags.contains(u'i'));
    EXPECT_EQ(F.fontUnderline(), Flags.contains(u'u'));
    const auto V = F.verticalAlignment();
    EXPECT_EQ(V == QTextCharFormat::AlignSuperScript, Flags.contains(u'^'));
    EXPECT_EQ(V == QTextCharFormat::AlignSubScript, Flags.contains(u'_'));
    EXPECT_EQ(F.property(Rtf_Offset_Property).toInt(), P.Offset);
    if (P.Points > 0) {
        EXPECT_DOUBLE_EQ(F.fontPointSize(), P.Points);
    }
    if (P.Color) {
        const bool Colored = F.hasProperty(QTextFormat::ForegroundBrush);
        if (*P.Color == 0)
            EXPECT_FALSE(Colored);
        else
            EXPECT_EQ(Colored ? F.foreground().color().name() : QString(), QString::fromLatin1(P.Color));
    }
}

struct TReadCase {
    const char *Name;
    QByteArray Rtf;
    QString Text;
    std::vector<TProbe> Probes;
};

} // namespace

// Reading: text and character formats of well-formed RTF.
TEST(RtfRead, TextAndFormats)
{
    const TReadCase Cases[] = {
        {"PlainText", "{\\rtf1 Hello}", "Hello", {{0, ""}}},
        // a group's formatting ends with the group
        {"BoldGroup", "{\\rtf1 a{\\b b}c}", "abc", {{0, ""}, {1, "b"}, {2, ""}}},
        {"ToggleWithZero", "{\\rtf1\\b a\\b0 b\\i c\\i0 d}", "abcd", {{0, "b"}, {1, ""}, {2, "i"}, {3, ""}}},
        {"UnderlineOffWays", "{\\rtf1\\ul a\\ulnone b\\ul c\\ul0 d}", "abcd",
         {{0, "u"}, {1, ""}, {2, "u"}, {3, ""}}},
        // the blank after a control word is its delimiter; a second blank is text
        {"DelimiterBlank", "{\\rtf1\\b  x}", " x", {{0, "b"}}},
        {"FontSizeHalfPoints", "{\\rtf1\\fs40 B\\fs17 s}", "Bs", {{0, "", 20}, {1, "", 8.5}}},
        {"ColourTable",
         "{\\rtf1{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}\\cf1 r\\cf2 b\\cf0 a\\cf9 x}",
         "rbax", {{0, "", 0, "#ff0000"}, {1, "", 0, "#0000ff"}, {2, "", 0, ""}, {3, "", 0, ""}}},
        {"SuperAndSub", "{\\rtf1 x\\super 2\\nosupersub y\\sub i\\nosupersub z}", "x2yiz",
         {{0, ""}, {1, "^"}, {2, ""}, {3, "_"}, {4, ""}}},
        // \up and \dn are half points; the offset is kept in twips
        {"OffsetsUpDown", "{\\rtf1 a\\up4 b\\dn4 c\\up0 d}", "abcd",
         {{0, ""}, {1, "^", 0, nullptr, 40}, {2, "_", 0, nullptr, -40}, {3, ""}}},
        {"PlainResets", "{\\rtf1\\b\\i\\ul\\super a\\plain b}", "ab", {{0, "biu^"}, {1, ""}}},
        {"Paragraphs", "{\\rtf1 one\\par two\\par\\par four}", "one\ntwo\n\nfour", {}},
        {"TabAndLine", "{\\rtf1 a\\tab b\\line c}", QString::fromUtf16(u"a\tb\u2028c"), {}},
        {"RawLineEndsIgnored", "{\\rtf1 a\r\nb\rc\nd}", "abcd", {}},
        // a blank after \'hh is text, not a delimiter
        {"HexWindows1252", "{\\rtf1 caf\\'e9 \\'80\\'9F}", QString::fromUtf16(u"caf\u00E9 \u20AC\u0178"), {}},
        {"RawHighBytesAreWindows1252", "{\\rtf1 \xE4\x80}", QString::fromUtf16(u"\u00E4\u20AC"), {}},
        {"UnicodeWithFallback", "{\\rtf1 \\u8364? \\u-3913?x}", QString::fromUtf16(u"\u20AC \uF0B7x"), {}},
        {"UnicodeFallbackCountUc2", "{\\rtf1\\uc2 \\u252\\'fc\\'fcX}", QString::fromUtf16(u"\u00FCX"), {}},
        {"UnicodeNoFallbackUc0", "{\\rtf1\\uc0 \\u252 X}", QString::fromUtf16(u"\u00FCX"), {}},
        // a control word counts as one fallback character; a group end stops the skipping
        {"FallbackIsControlWord", "{\\rtf1 \\u252\\par X}", QString::fromUtf16(u"\u00FCX"), {}},
        {"FallbackEndsWithGroup", "{\\rtf1{\\uc3\\u252 a}b}", QString::fromUtf16(u"\u00FCb"), {}},
        {"SurrogatePair", "{\\rtf1 \\u-10179?\\u-8704?}", QString::fromUtf16(u"\U0001F600"), {}},
        {"EscapedCharacters", "{\\rtf1 \\\\\\{\\}}", "\\{}", {}},
        {"SymbolsAndQuotes", "{\\rtf1 a\\~b\\_c\\endash\\emdash\\bullet\\lquote\\rquote\\ldblquote\\rdblquote\\-d}",
         QString::fromUtf16(u"a\u00A0b\u2011c\u2013\u2014\u2022\u2018\u2019\u201C\u201Dd"), {}},
        // non-text destinations and everything marked \* are skipped
        {"StarDestinationSkipped", "{\\rtf1 a{\\*\\generator Riched20 10.0;}b{\\*\\unknownword {x}y}c}", "abc", {}},
        {"PictureSkipped", "{\\rtf1 a{\\pict\\wmetafile8\\picw10 0102ff{\\*\\blipuid 00}}b}", "ab", {}},
        {"InfoAndStylesSkipped", "{\\rtf1{\\stylesheet{\\s0 Normal;}}{\\info{\\author me}}a}", "a", {}},
        {"FieldShowsResult", "{\\rtf1{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt link}}}", "link", {}},
        {"UnknownWordIgnored", "{\\rtf1 a\\foo12 b\\qc\\li720 c}", "abc", {}},
        // \bin data is stepped over, braces in it included
        {"BinarySkipped", "{\\rtf1 a{\\pict\\bin4 {}}\\}b}", "ab", {}},
        {"TextAfterOuterGroupIgnored", "{\\rtf1 a}junk{\\b more}", "a", {}},
        {"LeadingBlanksAllowed", " \r\n{\\rtf1 a}", "a", {}},
    };
    for (const TReadCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        QTextDocument Doc;
        const TRtfReadResult R = Rtf_To_Document(C.Rtf, Doc);
        EXPECT_TRUE(R.Ok) << R.Error.toStdString();
        EXPECT_EQ(Doc_Text(Doc), C.Text);
        for (const TProbe &P : C.Probes)
            Check_Probe(Doc, P);
    }
}

// The font table names the fonts; \deff names the document's default font.
TEST(RtfRead, FontTable)
{
    QTextDocument Doc;
    const QByteArray Rtf = "{\\rtf1\\ansi\\deff1{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}"
                           "{\\f1\\fnil{\\*\\panose 0000}Tahoma;}\\f2\\froman Times New Roman;"
                           "{\\f3\\fnil Caf\\u233?\\'e9;}}"
                           "a\\f0 b\\f2 c\\f7 d\\f e\\f3 f}";
    ASSERT_TRUE(Rtf_To_Document(Rtf, Doc).Ok);
    EXPECT_EQ(Doc.defaultFont().family(), "Tahoma");
    // characters by number belong to the name, their fallback does not
    const QString Cafe = QString::fromUtf16(u"Caf\u00E9\u00E9");
    const QString Expected[] = {"Tahoma", "Arial", "Times New Roman", "", "Tahoma", Cafe};
    for (int K = 0; K < 6; ++K) {
        SCOPED_TRACE(K);
        const QTextCharFormat F = Format_At(Doc, K);
        // an unknown font number leaves the character in the default font
        if (Expected[K].isEmpty())
            EXPECT_FALSE(F.hasProperty(QTextFormat::FontFamilies));
        else
            EXPECT_EQ(F.property(QTextFormat::FontFamilies).toStringList(), QStringList{Expected[K]});
    }
}

// Hostile and broken input: the reader stops or steps over, never crashes,
// never hangs, never allocates by a number it was given.
TEST(RtfRead, HostileInput)
{
    struct TCase {
        const char *Name;
        QByteArray Rtf;
        bool Ok;
        QString Text;
        qsizetype Position = -1;     // -1: not checked
    };
    const QByteArray Deep_Ok = "{\\rtf1" + QByteArray(Rtf_Max_Group_Depth - 1, '{') + "x"
                               + QByteArray(Rtf_Max_Group_Depth - 1, '}') + "}";
    const QByteArray Too_Deep = "{\\rtf1 a" + QByteArray(Rtf_Max_Group_Depth, '{') + "x"
                                + QByteArray(Rtf_Max_Group_Depth, '}') + "}";
    const TCase Cases[] = {
        {"Empty", "", false, "", 0},
        {"NotRtf", "Hello {\\b world}", false, "", 0},
        {"DepthAtLimit", Deep_Ok, true, "x"},
        // the group one beyond the limit is the fault; the text before it is kept
        {"DepthBeyondLimit", Too_Deep, false, "a", 8 + Rtf_Max_Group_Depth - 1},
        {"HugeNesting", "{\\rtf1 a" + QByteArray(1000000, '{'), false, "a"},
        {"ManySiblingGroups", "{\\rtf1 " + QByteArray("{}").repeated(200000) + "a}", true, "a"},
        {"Truncated", "{\\rtf1 abc{\\b de", false, "abcde", 16},
        {"TruncatedAfterBackslash", "{\\rtf1 abc\\", false, "abc", 10},
        {"TruncatedHex", "{\\rtf1 abc\\'4", false, "abc4"},
        {"BadHexDropped", "{\\rtf1 a\\'zzb\\'4g}", true, "azzb4g"},
        {"UnbalancedClose", "{\\rtf1 a}}}b", true, "a"},
        {"HugeNumbers", "{\\rtf1\\cf99999999999999999999 a\\f-99999999999999 b\\uc99999999999 \\u65 cd}e}", true, "abA"},
        {"HugeBinLength", "{\\rtf1 a\\bin99999999999 bcd}", false, "a"},
        {"NegativeBinLength", "{\\rtf1 a\\bin-5 b}", true, "ab"},
        {"NulAndControlBytes", QByteArray("{\\rtf1 a\0b\x01\x1F" "c}", 14), true, "abc"},
        {"HugeUnicode", "{\\rtf1 \\u99999999? \\u-99999?x}", true, " x"},
        {"VeryLongControlWord", "{\\rtf1 a\\" + QByteArray(100000, 'q') + "12 b}", true, "ab"},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        QTextDocument Doc;
        const TRtfReadResult R = Rtf_To_Document(C.Rtf, Doc);
        EXPECT_EQ(R.Ok, C.Ok) << R.Error.toStdString();
        EXPECT_EQ(R.Error.isEmpty(), C.Ok);
        EXPECT_EQ(Doc_Text(Doc), C.Text);
        if (C.Position >= 0) {
            EXPECT_EQ(R.Position, C.Position);
        }
    }
}

// Sizes are clamped: a huge \fs gives the largest size, a zero size the default.
TEST(RtfRead, SizesAndColoursClamped)
{
    QTextDocument Doc;
    ASSERT_TRUE(Rtf_To_Document("{\\rtf1{\\colortbl;\\red999\\green-5\\blue300;}"
                                "\\fs999999999 a\\fs0 b\\up99999 c\\cf1 d}", Doc).Ok);
    EXPECT_DOUBLE_EQ(Format_At(Doc, 0).fontPointSize(), Rtf_Max_Half_Points / 2.0);
    EXPECT_FALSE(Format_At(Doc, 1).hasProperty(QTextFormat::FontPointSize));
    EXPECT_EQ(Format_At(Doc, 2).property(Rtf_Offset_Property).toInt(), Rtf_Max_Half_Points * 10);
    // components clamp to 0..255
    EXPECT_EQ(Format_At(Doc, 3).foreground().color().name(), "#ff00ff");
}

// Writing: the exact bytes of a small document, so that the cell format stays put.
TEST(RtfWrite, ExactOutput)
{
    QTextDocument Doc;
    QFont Font("Tahoma");
    Font.setPointSize(8);
    Doc.setDefaultFont(Font);
    QTextCursor C(&Doc);
    C.insertText("a ");
    QTextCharFormat B;
    B.setFontWeight(QFont::Bold);
    B.setForeground(QColor(255, 0, 0));
    C.insertText("b{\\}", B);
    C.insertBlock();
    QTextCharFormat Sup;
    Sup.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    C.insertText(QString::fromUtf16(u"\u00E9\u20AC\u4E2D\t2"), Sup);
    EXPECT_EQ(Document_To_Rtf(Doc),
              QByteArray("{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl{\\f0\\fnil Tahoma;}}"
                         "{\\colortbl ;\\red255\\green0\\blue0;}"
                         "\\pard\\f0\\fs16 a \\cf1\\b b\\{\\\\\\}\\par\\cf0\\b0\\super\\'e9\\'80\\u20013?\\tab 2}"));
    QTextDocument Empty;
    Empty.setDefaultFont(Font);
    EXPECT_EQ(Document_To_Rtf(Empty),
              QByteArray("{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl{\\f0\\fnil Tahoma;}}\\pard}"));
}

namespace {

struct TRun {
    QString Text;
    QTextCharFormat Format;
    bool New_Paragraph = false;
};

QTextCharFormat Fmt(std::initializer_list<std::function<void(QTextCharFormat &)>> Steps)
{
    QTextCharFormat F;
    for (const auto &S : Steps)
        S(F);
    return F;
}

const auto Bold = [](QTextCharFormat &F) { F.setFontWeight(QFont::Bold); };
const auto Italic = [](QTextCharFormat &F) { F.setFontItalic(true); };
const auto Underline = [](QTextCharFormat &F) { F.setFontUnderline(true); };
const auto Red = [](QTextCharFormat &F) { F.setForeground(QColor(200, 10, 20)); };
const auto Blue = [](QTextCharFormat &F) { F.setForeground(QColor(0, 0, 255)); };
const auto Big = [](QTextCharFormat &F) { F.setFontPointSize(17.5); };
const auto Super = [](QTextCharFormat &F) { F.setVerticalAlignment(QTextCharFormat::AlignSuperScript); };
const auto Sub = [](QTextCharFormat &F) { F.setVerticalAlignment(QTextCharFormat::AlignSubScript); };
const auto Raised = [](QTextCharFormat &F) {
    F.setProperty(Rtf_Offset_Property, 40);
    F.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
};
const auto Lowered = [](QTextCharFormat &F) {
    F.setProperty(Rtf_Offset_Property, -40);
    F.setVerticalAlignment(QTextCharFormat::AlignSubScript);
};
const auto Arial = [](QTextCharFormat &F) { F.setFontFamilies({"Arial"}); };

} // namespace

// Document -> RTF -> document keeps text and looks; writing the read document
// gives the same bytes; the bytes are 7-bit ASCII on one line.
TEST(RtfRoundTrip, DocumentsSurvive)
{
    struct TCase {
        const char *Name;
        std::vector<TRun> Runs;
    };
    const TCase Cases[] = {
        {"Empty", {}},
        {"PlainWord", {{"Hello", {}}}},
        {"AllFormatsInTurn",
         {{"n ", {}}, {"b", Fmt({Bold})}, {"i", Fmt({Italic})}, {"u", Fmt({Underline})},
          {"r", Fmt({Red})}, {"B", Fmt({Big})}, {"2", Fmt({Super})}, {"x", Fmt({Sub})},
          {"up", Fmt({Raised})}, {"dn", Fmt({Lowered})}, {"a", Fmt({Arial})}, {" end", {}}}},
        {"Combined", {{"all", Fmt({Bold, Italic, Underline, Blue, Big, Super, Arial})}, {"none", {}}}},
        // each switch between these needs its own closing word
        {"VerticalSwitches",
         {{"a", Fmt({Raised})}, {"b", Fmt({Super})}, {"c", Fmt({Lowered})}, {"d", {}}, {"e", Fmt({Sub})},
          {"f", Fmt({Raised})}, {"g", {}}}},
        {"Paragraphs", {{"one", Fmt({Bold})}, {"", {}, true}, {"", {}, true}, {"four", Fmt({Red}), true}}},
        {"TrailingEmptyParagraph", {{"a", {}}, {"", {}, true}}},
        {"SpecialCharacters",
         {{QString::fromUtf16(u" lead\\{x}\ttab\u2028line  two blanks \u00A0nbsp"), {}}}},
        {"Windows1252AndBeyond",
         {{QString::fromUtf16(u"\u00E4\u00F6\u00FC\u00DF\u20AC\u2013\u0178\u0081 \u4E2D\u6587 \U0001F600 \uFFFC"),
           Fmt({Italic})}}},
        {"ControlCharacters", {{QString::fromUtf16(u"a\u000Bb\u001Fc"), {}}}},
        {"BlankAfterFormatChange", {{"x", Fmt({Bold})}, {" y", {}}, {"  z", Fmt({Sub})}}},
        {"DigitAfterSize", {{"A", Fmt({Big})}, {"12", {}}}},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        QTextDocument Original;
        QFont Font("Tahoma");
        Font.setPointSize(8);
        Original.setDefaultFont(Font);
        QTextCursor Cur(&Original);
        for (const TRun &R : C.Runs) {
            if (R.New_Paragraph)
                Cur.insertBlock();
            Cur.insertText(R.Text, R.Format);
        }
        const QByteArray First = Document_To_Rtf(Original);
        for (const char Byte : First)
            ASSERT_TRUE(Byte >= 0x20 && Byte < 0x7F) << "byte " << int(Byte) << " in " << First.constData();

        QTextDocument Read;
        const TRtfReadResult R = Rtf_To_Document(First, Read);
        ASSERT_TRUE(R.Ok) << R.Error.toStdString();
        EXPECT_EQ(Doc_Text(Read), Doc_Text(Original));
        EXPECT_EQ(Looks(Read), Looks(Original)) << First.constData();
        EXPECT_EQ(Document_To_Rtf(Read), First);
    }
}

// RTF in the writer's own form reads and writes back byte for byte (the
// rich-text cell kept through the editor and back).
TEST(RtfRoundTrip, OwnFormStaysByteIdentical)
{
    const QByteArray Cases[] = {
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl{\\f0\\fnil Tahoma;}}\\pard}",
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl{\\f0\\fnil Tahoma;}}\\pard\\f0\\fs16 Hello}",
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl{\\f0\\fnil Tahoma;}{\\f1\\fnil Arial;}}"
        "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green128\\blue0;}"
        "\\pard\\f0\\fs20 H\\up4 2\\up0 O \\cf1\\b bold\\cf2\\b0\\i  green\\par\\f1\\fs28\\cf0\\i0\\ul big"
        "\\ulnone\\sub x\\nosupersub\\tab\\'e9\\u20013?\\line end}",
    };
    for (const QByteArray &Rtf : Cases) {
        SCOPED_TRACE(Rtf.constData());
        QTextDocument Doc;
        ASSERT_TRUE(Rtf_To_Document(Rtf, Doc).Ok);
        EXPECT_EQ(Document_To_Rtf(Doc), Rtf);
    }
}

// Font names lose what the font table cannot carry (';' ends an entry,
// control characters are no name); a nameless default font is written as
// Tahoma. Either way the written form reads back to itself.
TEST(RtfWrite, FontNamesFitTheTable)
{
    struct TCase { const char *Name; QString Family; QString Default_Family; QString Written; };
    const TCase Cases[] = {
        {"SemicolonAndTab", QString::fromUtf16(u" Odd;\tName "), "Tahoma", "OddName"},
        {"OnlyControls", "\t;", "Arial", "Arial"},
        {"NamelessDefault", "", "", "Tahoma"},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        QTextDocument Doc;
        QFont Font = Doc.defaultFont();
        Font.setFamilies({C.Default_Family});
        Doc.setDefaultFont(Font);
        QTextCharFormat F;
        if (!C.Family.isEmpty())
            F.setFontFamilies({C.Family});
        QTextCursor(&Doc).insertText("x", F);
        const QByteArray Rtf = Document_To_Rtf(Doc);
        EXPECT_TRUE(Rtf.contains("{\\fonttbl{\\f0\\fnil " + C.Written.toLatin1() + ";}}")) << Rtf.constData();
        QTextDocument Read;
        ASSERT_TRUE(Rtf_To_Document(Rtf, Read).Ok);
        EXPECT_EQ(Format_At(Read, 0).property(QTextFormat::FontFamilies).toStringList(), QStringList{C.Written});
        EXPECT_EQ(Document_To_Rtf(Read), Rtf);
    }
}
