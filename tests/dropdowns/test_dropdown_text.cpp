#include "dropdowns/DropDownText.h"
#include "platform/Locale.h"
#include <gtest/gtest.h>
#include <climits>

namespace {
TFormatSettings German()
{
    TFormatSettings S;
    S.ThousandSeparator = u'.';
    S.DecimalSeparator = u',';
    return S;
}
} // namespace

struct TClassifyCase {
    const char *Name;
    const char *Text;
    int Result;
    bool German = false;
};
const TClassifyCase Classify_Cases[] = {
    {"Integer", "12", vtInteger},
    {"NegativeInteger", "-12", vtInteger},
    {"ThousandsAndDecimals", "1,234.5", vtDecimal},
    {"TwoThousandGroups", "1,234,567.25", vtDecimal},
    {"PlainDecimal", "12.5", vtDecimal},
    {"HexLetterUpper", "1A", vtHexadecimal},
    {"HexLettersLower", "-ff", vtHexadecimal},
    // more than one minus or decimal separator is no number at all
    {"TwoMinusSigns", "1-2-3", vtNoNumber},
    {"TwoDecimalSeparators", "1.2.3", vtNoNumber},
    {"TwoMinusInHex", "-A-B", vtNoNumber},
    {"Empty", "", vtNoNumber},
    // a thousand separator needs something before it and room after the one before
    {"LeadingThousandSeparator", ",123", vtNoNumber},
    {"ThousandSeparatorsTooClose", "1,2,345", vtNoNumber},
    {"OtherCharacter", "12 3", vtNoNumber},
    {"HexWithPointIsNothing", "1A.5", vtNoNumber},
    // the locale's separators decide, not fixed characters
    {"GermanDecimal", "1.234,5", vtDecimal, true},
    {"GermanLeadingThousand", ".123", vtNoNumber, true},
    {"GermanTwoDecimalCommas", "1,2,3", vtNoNumber, true},
};

TEST(DropDownText, ClassifyValueText)
{
    for (const TClassifyCase &Case : Classify_Cases) {
        SCOPED_TRACE(Case.Name);
        TFormatSettingsGuard Guard(Case.German ? German() : TFormatSettings());
        EXPECT_EQ(ClassifyValueText(QString::fromUtf8(Case.Text)), Case.Result);
    }
}

TEST(DropDownText, StripThousandSeparatorsFollowsLocale)
{
    {
        TFormatSettingsGuard Guard{TFormatSettings()};
        EXPECT_EQ(StripThousandSeparators("1,234,567.5"), "1234567.5");
        EXPECT_EQ(StripThousandSeparators(""), "");
    }
    TFormatSettingsGuard Guard(German());
    EXPECT_EQ(StripThousandSeparators("1.234.567,5"), "1234567,5");
}

TEST(DropDownText, RangeSeparators)
{
    for (QChar Ch : QStringLiteral(",-;"))
        EXPECT_TRUE(IsRangeSeparator(Ch)) << static_cast<int>(Ch.unicode());
    for (QChar Ch : QStringLiteral(". :0a"))
        EXPECT_FALSE(IsRangeSeparator(Ch)) << static_cast<int>(Ch.unicode());
}

struct THexCase {
    const char *Name;
    const char *Text;
    std::int32_t Value;
};
const THexCase Hex_Cases[] = {
    {"TwoDigits", "FF", 255},
    {"LowerCase", "ff", 255},
    {"NonDigitCountsZero", "1G", 16},
    {"MinusCountsZero", "-1", 1},
    {"Empty", "", 0},
    {"Largest", "7FFFFFFF", INT_MAX},
    {"AllBitsIsMinusOne", "FFFFFFFF", -1},
    // 32-bit arithmetic: a ninth digit moves out of the word
    {"NineDigitsWrap", "100000001", 1},
};

TEST(DropDownText, HexToInt)
{
    for (const THexCase &Case : Hex_Cases) {
        SCOPED_TRACE(Case.Name);
        EXPECT_EQ(HexToInt(Case.Text), Case.Value);
    }
}

TEST(DropDownText, HexDigitValue)
{
    const struct {
        char16_t Ch;
        int Value;
    } Cases[] = {{u'0', 0}, {u'9', 9}, {u'A', 10}, {u'F', 15}, {u'a', 10}, {u'f', 15},
                 {u'G', 0}, {u'g', 0}, {u'-', 0}, {u' ', 0}, {u'\u0661', 0}};
    for (const auto &Case : Cases)
        EXPECT_EQ(HexDigitValue(QChar(Case.Ch)), Case.Value) << static_cast<int>(Case.Ch);
}

TEST(DropDownText, CaseKey)
{
    EXPECT_EQ(CaseKey("Abc", true), "Abc");
    EXPECT_EQ(CaseKey("Abc", false), "ABC");
    EXPECT_EQ(CaseKey(QStringLiteral("äbc"), false), QStringLiteral("ÄBC"));
    EXPECT_EQ(CaseKey("", false), "");
}
