#include "grid/model/MarkupText.h"
#include <gtest/gtest.h>

TEST(Entities, Table)
{
    struct TCase { const char *Name; QString Got; QString Expected; };
    const TCase Cases[] = {
        {"DecodeSigns", DecodeHTMLEntities("&lt;b&gt;", false), "<b>"},
        {"DecodeOneLevel", DecodeHTMLEntities("&amp;lt;", false), "&lt;"},
        {"DecodeQuoteOneLevel", DecodeHTMLEntities("&amp;quot;", false), "&quot;"},
        {"DecodeTableOneLevel", DecodeHTMLEntities("&amp;eacute;", true), "&eacute;"},
        {"DecodeUnknownEntityKept", DecodeHTMLEntities("&nbsp;&x", true), "&nbsp;&x"},
        {"DecodeQuote", DecodeHTMLEntities("&quot;x&quot;", false), "\"x\""},
        {"DecodeTable", DecodeHTMLEntities("&Eacute;t&eacute;", true), QString::fromUtf8("Été")},
        {"DecodeWithoutTable", DecodeHTMLEntities("&Eacute;t&eacute;", false), "&Eacute;t&eacute;"},
        {"DecodeTableExactCase", DecodeHTMLEntities("&EACUTE;", true), "&EACUTE;"},
        {"EncodeSigns", EncodeHTMLEntities("a&b<c", false), "a&amp;b&lt;c"},
        {"EncodeQuote", EncodeHTMLEntities("\"", false), "&quot;"},
        {"EncodeTable", EncodeHTMLEntities(QString::fromUtf8("é€"), true), "&eacute;&euro;"},
        {"EncodeNoTable", EncodeHTMLEntities(QString::fromUtf8("é"), false), QString::fromUtf8("é")},
        // a literal "*amp;" is text, not an ampersand
        {"EncodeStarAmpKept", EncodeHTMLEntities("a *amp; b", false), "a *amp; b"},
        {"Nbsp", SpacesToNbsp("a b"), "a&nbsp;b"},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(C.Got, C.Expected);
    }
}

TEST(Entities, RoundTripKeepsEveryText)
{
    const QString Texts[] = {"a *amp; b", "<b>&amp;</b>", QString::fromUtf8("Ça € «x»"), "&lt;", "\"q\"",
                             "&eacute;", "&quot;", "&amp;copy;", "x&euro"};
    for (const QString &T : Texts) {
        SCOPED_TRACE(T.toStdString());
        EXPECT_EQ(DecodeHTMLEntities(EncodeHTMLEntities(T, true), true), T);
        EXPECT_EQ(DecodeHTMLEntities(EncodeHTMLEntities(T, false), false), T);
    }
}

TEST(StripTags, Table)
{
    struct TCase { const char *Name; const char *Markup; QString Expected; };
    const TCase Cases[] = {
        {"BreaksAndTags", "a<BR>b<b>c</b>", "a\r\nbc"},
        {"LowerBreakAndRule", "a<br>b<hr>c", "a\r\nb\r\nc"},
        {"NoClosingSign", "x<y", "x<y"},
        {"StrayClosingSign", "a>b<c>d", "a>bd"},
        {"EntitiesStay", "a&amp;b", "a&amp;b"},
        {"Empty", "", ""},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(StripHTMLTags(C.Markup), C.Expected);
    }
}

TEST(MatchMarking, Table)
{
    struct TCase { const char *Name; const char *Markup; const char *Search; bool Case; const char *Expected; };
    const TCase Cases[] = {
        {"TwoMatches", "ab x ab", "ab", true, "<hi>ab</hi> x <hi>ab</hi>"},
        {"AdjacentOnlyFirst", "abab", "ab", true, "<hi>ab</hi>ab"},
        {"AcrossTagOnlyFirst", "ab<b>ab</b>", "ab", true, "<hi>ab</hi><b>ab</b>"},
        {"InsideTag", "<b>xaby</b>", "ab", true, "<b>x<hi>ab</hi>y</b>"},
        {"CaseInsensitive", "Ab ab", "aB", false, "<hi>Ab</hi> <hi>ab</hi>"},
        {"CaseSensitiveMiss", "Ab", "ab", true, "Ab"},
        {"NoMatch", "abc", "x", true, "abc"},
        {"EmptySearch", "abc", "", true, "abc"},
        // a literal sign of a plain text is escaped and the match is marked
        {"LiteralSignEscaped", "1 < 2", "1", true, "<hi>1</hi> &#60; 2"},
        {"MatchAtEnd", "xab", "ab", true, "x<hi>ab</hi>"},
        // an entity is one shown character: never split, found as its sign
        {"NotInsideEntity", "a &amp; b", "a", false, "<hi>a</hi> &amp; b"},
        {"EntityAsSign", "x &amp; y", "&", true, "x <hi>&amp;</hi> y"},
        {"EntityNameNotFound", "1 &lt; 2", "lt", false, "1 &lt; 2"},
        {"SearchForSign", "1 < 2", "<", true, "1 <hi>&#60;</hi> 2"},
        // literal signs next to real tags: the tags stay
        {"TagsKeptBesideSign", "<b>a > b</b>", "a", true, "<hi><b>a</hi> &#62; b</b>"},
        {"OpenSignAfterTag", "<i>x</i> 1 < 2", "1", true, "<i>x</i> <hi>1</hi> &#60; 2"},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(MarkMatches(C.Markup, C.Search, "hi", C.Case), QString::fromUtf8(C.Expected));
    }
}

// Unmarking gives back exactly the text that was marked, the cell's own
// entities included.
TEST(MatchMarking, UnmarkRestoresExactly)
{
    const char *Texts[] = {"ab x ab", "<b>xaby</b>", "1 < 2", "a &lt; ab &gt; b", "x > ab", "ab<HI>own</HI>",
                           "<b>ab > c</b>", "<i>ab</i> 1 < 2", "ab <", "> ab"};
    for (const char *T : Texts) {
        SCOPED_TRACE(T);
        const QString M = MarkMatches(T, "ab", "e", false);
        const QString Back = UnmarkMatches(M, "E");
        if (QString(T).contains("<HI>"))
            EXPECT_EQ(UnmarkMatches(MarkMatches(T, "ab", "hi", false), "hi"), "abown");
        else
            EXPECT_EQ(Back, QString::fromUtf8(T));
    }
}

TEST(MatchMarking, VisiblePositions)
{
    EXPECT_EQ(VisibleToMarkupPos("<b>ab</b>", 1), 1);
    EXPECT_EQ(VisibleToMarkupPos("<b>ab</b>", 2), 5);
    EXPECT_EQ(VisibleToMarkupPos("<b>ab</b>", 3), 6);
    EXPECT_EQ(VisibleToMarkupPos("ab", 3), 3);
    EXPECT_EQ(VisibleToMarkupPos("ab", 4), 0);
    EXPECT_EQ(StripTagsForMatch("a<b>c</b>d"), "acd");
    EXPECT_EQ(StripTagsForMatch("a>b<i>c"), "a>b<i>c");
    EXPECT_EQ(FindFromPos("AB", "xabab", 3, false), 4);
    EXPECT_EQ(FindFromPos("AB", "xabab", 3, true), 0);
}

TEST(Helpers, Routines)
{
    QString T = "aXbxc";
    EXPECT_TRUE(ReplaceOnce(T, "x", "-"));
    EXPECT_EQ(T, "a-bxc");
    EXPECT_FALSE(ReplaceOnce(T, "z", "-"));
    EXPECT_EQ(IPos("B", "abc"), 2);
    EXPECT_EQ(IPos("z", "abc"), 0);
    int P = -1;
    EXPECT_EQ(VarPosUpper("BC", "abc", P), 2);
    EXPECT_EQ(P, 2);
    struct TCase { const char *Text; int Value; };
    const TCase Ints[] = {{"12px", 12}, {"  7", 7}, {"$1F", 31}, {"0x10", 16}, {"x0A", 10}, {"abc", 0}, {"", 0}, {"-5", 0}};
    for (const TCase &C : Ints) {
        SCOPED_TRACE(C.Text);
        EXPECT_EQ(TextToInt(C.Text), C.Value);
    }
    EXPECT_EQ(PasswordMask("abc"), "***");
}

namespace {
const QString Controls = QStringLiteral(
    "Name <CONTROL TYPE=\"EDIT\" ID=\"e1\" VALUE=\"a&amp;b\" WIDTH=\"80\" HEIGHT=\"30\" MAXLEN=\"12\">"
    " <control type=\"check\" id=\"c1\" value=\"TRUE\" width=\"20\">"
    " <CONTROL TYPE=\"RADIO\" ID=\"r1\" VALUE=\"TRUE\" WIDTH=\"20\">"
    " <CONTROL TYPE=\"COMBO\" ID=\"cb\" VALUE=\"x\" WIDTH=\"60\" PROP=\"&lt;p&gt;\">"
    " <CONTROL TYPE=\"RADIO\" ID=\"r2\" VALUE=\"TRUE\" WIDTH=\"20\">");
}

TEST(ControlTags, Reading)
{
    EXPECT_TRUE(HasControlTag("x<control "));
    EXPECT_FALSE(HasControlTag("x<b>"));
    const TControlTag T = ParseControlTag(" type=\"edit\" ID=\"Id1\" VALUE=\"&Eacute;\" WIDTH=\"80\" PROP=\"p\"");
    EXPECT_EQ(T.Type, "EDIT");
    EXPECT_EQ(T.ID, "Id1");
    EXPECT_EQ(T.Value, QString::fromUtf8("É"));
    EXPECT_EQ(T.Width, "80");
    EXPECT_EQ(T.Height, "");
    EXPECT_EQ(T.Prop, "p");

    QString V;
    ASSERT_TRUE(GetControlValue(Controls, "e1", V));
    EXPECT_EQ(V, "a&b");
    EXPECT_FALSE(GetControlValue(Controls, "none", V));
    EXPECT_EQ(GetControlProp(Controls, "cb"), "<p>");
    EXPECT_EQ(GetControlProp(Controls, "none"), "");
    EXPECT_EQ(GetControlMaxLen(Controls, "e1"), 12);
    EXPECT_EQ(GetControlMaxLen(Controls, "cb"), 0);
}

TEST(ControlTags, NextEditControl)
{
    struct TCase { const char *Name; const char *ID; const char *Next; };
    const TCase Cases[] = {
        {"FromStart", "", "e1"},
        {"SkipsCheckAndRadio", "e1", "cb"},
        {"LastGivesEmpty", "cb", ""},
        {"UnknownGivesEmpty", "zz", ""},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(NextEditControlID(Controls, C.ID), C.Next);
    }
}

TEST(ControlTags, Writing)
{
    QString M = Controls;
    ASSERT_TRUE(SetControlValue(M, "e1", "x<y"));
    EXPECT_TRUE(M.startsWith("Name <CONTROL ID=\"e1\" VALUE=\"x&lt;y\" WIDTH=\"80\" TYPE=\"EDIT\" MAXLEN=\"12\"> <control"));
    EXPECT_FALSE(M.contains("HEIGHT"));
    QString V;
    ASSERT_TRUE(GetControlValue(M, "e1", V));
    EXPECT_EQ(V, "x<y");
    ASSERT_TRUE(SetControlValue(M, "cb", "y"));
    EXPECT_EQ(GetControlProp(M, "cb"), "<p>");
    // whatever is typed comes back as typed, entity names included
    const QString Typed[] = {"&eacute; & \"q\"", QString::fromUtf8("Été ©"), "&amp;", "a>b"};
    for (const QString &T : Typed) {
        SCOPED_TRACE(T.toStdString());
        ASSERT_TRUE(SetControlValue(M, "e1", T));
        ASSERT_TRUE(GetControlValue(M, "e1", V));
        EXPECT_EQ(V, T);
    }
    QString Unchanged = Controls;
    EXPECT_FALSE(SetControlValue(Unchanged, "none", "v"));
    EXPECT_EQ(Unchanged, Controls);

    const QString R = ResetRadioControls(Controls);
    ASSERT_TRUE(GetControlValue(R, "r1", V));
    EXPECT_EQ(V, "FALSE");
    ASSERT_TRUE(GetControlValue(R, "r2", V));
    EXPECT_EQ(V, "FALSE");
    ASSERT_TRUE(GetControlValue(R, "c1", V));
    EXPECT_EQ(V, "TRUE");
}
