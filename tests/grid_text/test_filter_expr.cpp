#include "grid/model/FilterExpr.h"
#include "platform/Locale.h"
#include <gtest/gtest.h>

namespace {
TFormatSettings Us_Settings()
{
    TFormatSettings F;
    F.ThousandSeparator = u',';
    F.DecimalSeparator = u'.';
    F.DateSeparator = u'/';
    F.ShortDateFormat = QStringLiteral("M/d/yyyy");
    return F;
}

struct TFilterCase {
    const char *Name;
    const char *Condition;
    const char *Value;
    bool CaseSensitive;
    bool Match;
};

void Run_Cases(const TFilterCase *Cases, size_t Count)
{
    for (size_t I = 0; I < Count; ++I) {
        const TFilterCase &C = Cases[I];
        SCOPED_TRACE(std::string(C.Name) + " [" + C.Condition + "] on [" + C.Value + "]");
        EXPECT_EQ(MatchFilterExpression(QString::fromUtf8(C.Condition), QString::fromUtf8(C.Value), C.CaseSensitive),
                  C.Match);
    }
}
} // namespace

TEST(FilterExpression, Comparisons)
{
    TFormatSettingsGuard G(Us_Settings());
    const TFilterCase Cases[] = {
        {"GreaterTrue", ">10", "11", false, true},
        {"GreaterEqualIsFalse", ">10", "10", false, false},
        {"GreaterFalse", ">10", "9", false, false},
        {"GreaterOrEqual", ">=10", "10", false, true},
        {"LessOrEqual", "<=10", "10", false, true},
        {"LessFalse", "<10", "10", false, false},
        // numbers compare as numbers, not as texts
        {"NumbersNotTexts", ">5", "30", false, true},
        {"TextByCode", ">5", "b", false, true},
        {"MixedTextByCode", ">5", "7x", false, true},
        {"Thousands", ">999", "1,000", false, true},
        {"Decimal", "<1.5", "1.25", false, true},
        {"Negative", "<0", "-3", false, true},
        {"BlanksIgnored", " > 10 ", "11", false, true},
        // a quoted operand runs to its closing quote, blanks and separators included
        {"QuotedOperandWithBlank", ">\"a b\"", "b", false, true},
        {"QuotedOperandWithBlankBelow", ">\"a b\"", "a a", false, false},
        {"QuotedOperandWithSeparator", "<=\"m|n\"", "m|n", false, true},
        {"TextsCaseSensitive", ">a", "B", true, false},
        {"TextsUpperCasedWithoutCase", ">a", "B", false, true},
    };
    Run_Cases(Cases, std::size(Cases));
}

TEST(FilterExpression, Combinations)
{
    TFormatSettingsGuard G(Us_Settings());
    const TFilterCase Cases[] = {
        {"AndInside", ">10&<20", "15", false, true},
        {"AndOutside", ">10&<20", "25", false, false},
        {"OrLow", ">10|<5", "3", false, true},
        {"OrMiddle", ">10|<5", "7", false, false},
        {"SemicolonIsOr", "a;b", "b", false, true},
        {"CaretIsOr", "a^b", "a", false, true},
        {"GroupLow", "(<5|>100)&!50", "3", false, true},
        {"GroupHigh", "(<5|>100)&!50", "150", false, true},
        {"GroupExcluded", "(<5|>100)&!50", "50", false, false},
        {"GroupAfterAnd", "!x&(a*|b*)", "bob", false, true},
        {"TwoGroups", "(a)|(b)", "b", false, true},
        {"LeftToRightNoPrecedence", "a|b&c", "a", false, false},
        {"QuotedSeparator", "\"a|b\"", "a|b", false, true},
        {"QuotedSeparatorNotOr", "\"a|b\"", "a", false, false},
        {"QuotedBlankKept", "\"a b\"", "a b", false, true},
    };
    Run_Cases(Cases, std::size(Cases));
}

TEST(FilterExpression, Patterns)
{
    TFormatSettingsGuard G(Us_Settings());
    const TFilterCase Cases[] = {
        {"PrefixAnyCase", "A*", "apple", false, true},
        {"PrefixCaseSensitive", "A*", "apple", true, false},
        {"StarMatchesAll", "*", "anything", false, true},
        {"StarMatchesEmpty", "*", "", false, true},
        {"QuestionOne", "?", "x", false, true},
        {"QuestionNotTwo", "?", "xy", false, false},
        {"QuestionNotEmpty", "?", "", false, false},
        {"EmptyMatchesEmpty", "", "", false, true},
        {"EmptyNotText", "", "x", false, false},
        {"NotContainsX", "!*x*", "box", false, false},
        {"NotContainsXTrue", "!*x*", "bag", false, true},
        {"EqualsPrefix", "=abc", "abc", false, true},
        {"EqualsPrefixOnlyExact", "=abc", "abcd", false, false},
        {"Plain", "abc", "abc", false, true},
        {"PlainNotLonger", "abc", "xabc", false, false},
        {"InnerStar", "a*c", "abbbc", false, true},
        {"InnerStarEndMismatch", "a*c", "abbbd", false, false},
        {"StarRuns", "a**b", "ab", false, true},
        {"BackOff", "*ab*ab", "aabxab", false, true},
    };
    Run_Cases(Cases, std::size(Cases));
}

TEST(FilterExpression, DatesCompareAsDates)
{
    // "." is the date and the thousand separator: the texts also read as
    // numbers once the thousand separators are gone, but they are dates.
    TFormatSettings F;
    F.ThousandSeparator = u'.';
    F.DecimalSeparator = u',';
    F.DateSeparator = u'.';
    F.ShortDateFormat = QStringLiteral("dd.MM.yyyy");
    TFormatSettingsGuard G(F);
    const TFilterCase Cases[] = {
        {"EarlierDate", ">01.02.2021", "15.01.2021", false, false},
        {"LaterDate", ">01.02.2021", "15.03.2021", false, true},
        {"DecimalComma", ">1,5", "2,25", false, true},
    };
    Run_Cases(Cases, std::size(Cases));
}

// Conditions that once looped for ever or took exponential time finish and
// give a sensible answer.
TEST(FilterExpression, FormerHangsFinish)
{
    TFormatSettingsGuard G(Us_Settings());
    const TFilterCase Cases[] = {
        // an unmatched "(" takes the rest of the condition as its group
        {"UnmatchedParen", "(<5|>100", "3", false, true},
        {"UnmatchedParenNoMatch", "(<5|>100", "50", false, false},
        {"UnmatchedAfterAnd", "a*&(b", "ab", false, false},
        {"OnlyOpenParen", "(", "", false, true},
        {"NestedUnmatched", "((a", "a", false, true},
        {"ManyStarsNoMatch", "*a*a*a*a*a*a*a*a*a*a*a*a*a*a*b", "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", false, false},
        {"ManyStarsMatch", "*a*a*a*a*a*a*a*a*a*a*a*a*a*a*b", "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaab", false, true},
    };
    Run_Cases(Cases, std::size(Cases));
    // a very deep nest neither loops nor exhausts the stack
    const QString Deep = QString(100000, u'(') + "a";
    EXPECT_TRUE(MatchFilterExpression(Deep, "a", false) || !MatchFilterExpression(Deep, "a", false));
}

TEST(FilterHelpers, Routines)
{
    int P = 0;
    EXPECT_EQ(FindFirstUnquotedOf("|&", "\"a|b\"&c", P), QChar(u'&'));
    EXPECT_EQ(P, 6);
    EXPECT_EQ(FindFirstUnquotedOf("|", "\"a|b\"", P), QChar(0));
    EXPECT_EQ(P, -1);
    EXPECT_EQ(MatchingParenPos("(a(b)c)d"), 7);
    EXPECT_EQ(MatchingParenPos("(a"), 0);
    EXPECT_EQ(RemoveUnquotedBlanks("a b \"c d\" e"), "ab\"c d\"e");
    TFormatSettingsGuard G(Us_Settings());
    EXPECT_EQ(CanonicalNumberText("1,234.5"), "1234.5");
    EXPECT_TRUE(MatchFilterPiece("abc", "ABC", false));
    EXPECT_FALSE(MatchFilterPiece("abc", "ABC", true));
    EXPECT_TRUE(MatchFilterCondition("a?c", "abc"));
}

// A condition compiled once answers every value exactly as the condition
// read afresh does: operators, groups, quotes, wildcards, and letter case
// ignored the way upper-cased copies ignore it, including characters that
// upper-case to several (sharp s, ligatures), dotted and dotless i, and
// characters outside the basic plane.
TEST(FilterExpression, CompiledAnswersAsReadAfresh)
{
    TFormatSettingsGuard G(Us_Settings());
    const char *const Conditions[] = {
        "", "=", "*", "**", "?", "*?*", "abc", "=abc", "ABC", "a*", "*a", "*b*", "a*c", "*ab*ab", "a?c", "!*x*",
        "!abc", "\"a b\"", "\"a|b\"", "a|b&c", "a;b", "a^b", "(a)|(b)", "(a)b&c", "a(b)", "((a", "(", ")", "(<5|>100)&!50",
        "!x&(a*|b*)", ">10", ">=10", "<10", "<=10", ">10&<20", ">10|<5", ">5<10", "!>5", ">\"a b\"", "<=\"m|n\"",
        "\">5\"", "\"a&b\">3", "\"a^b\"<3", ">a", "<B", "> 10 ", "*STRASSE*", "*straße*", "*ß*", "*ﬁ*", "FI*", "*ı*",
        "*I*", "*i*", "*İ*", "*😀*", "😀?", "µ", "*Μ*", "*ÿ*", "*Ÿ*", "*1,000*", ">999", "<1.5", ">01/02/2021",
    };
    const char *const Values[] = {
        "", "a", "A", "abc", "ABC", "aBc", "xabc", "abbbc", "aabxab", "b", "bob", "x", "box", "a b", "a|b", "a&b",
        "straße", "STRASSE", "ﬁle", "FILE", "ı", "I", "i", "İ", "😀", "😀x", "x😀", "10", "11", "9", "5", "3", "50",
        "150", "1,000", "1.25", "-3", "01/02/2021", "03/04/2021", "µ", "Μ", "ÿ", "Ÿ", ">5", "m|n", " x ",
    };
    for (const char *Cond : Conditions)
        for (const bool Case : {false, true}) {
            const QString C = QString::fromUtf8(Cond);
            const TFilterExpr Compiled(C, Case);
            for (const char *Value : Values) {
                SCOPED_TRACE(std::string("[") + Cond + "] on [" + Value + "]" + (Case ? " case" : " any case"));
                const QString V = QString::fromUtf8(Value);
                EXPECT_EQ(Compiled.Matches(V), MatchFilterExpression(C, V, Case));
            }
        }
    // a very deep nest compiles within the group limit, as it is read afresh
    const QString Deep = QString(1000, u'(') + "a";
    EXPECT_EQ(TFilterExpr(Deep, false).Matches(u"a"), MatchFilterExpression(Deep, "a", false));
}
