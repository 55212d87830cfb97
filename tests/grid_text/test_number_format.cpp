#include "platform/DateTime.h"
#include "platform/Locale.h"
#include "platform/NumberFormat.h"
#include <gtest/gtest.h>

TEST(NumberFormat, FloatToStr)
{
    TFormatSettingsGuard G;
    struct TCase { const char *Name; double Value; const char *Text; };
    const TCase Cases[] = {
        {"Integer", 42, "42"}, {"Fraction", 1.25, "1.25"}, {"Negative", -0.5, "-0.5"},
        {"Large", 1e20, "1E20"}, {"Small", 0.00001, "1E-5"}, {"NotSoSmall", 0.0001, "0.0001"},
        {"FifteenDigits", 0.1 + 0.2, "0.3"},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(Float_To_Str(C.Value), C.Text);
    }
    Format_Settings().DecimalSeparator = u',';
    EXPECT_EQ(Float_To_Str(1.5), "1,5");
}

TEST(NumberFormat, Pictures)
{
    TFormatSettingsGuard G;
    struct TCase { const char *Name; const char *Format; double Value; const char *Text; };
    const TCase Cases[] = {
        {"TwoDecimals", "0.00", 3.14159, "3.14"},
        {"OptionalDecimals", "0.##", 2.5, "2.5"},
        {"OptionalAllGone", "0.##", 2, "2"},
        {"Thousands", "#,##0.00", 1234567.891, "1,234,567.89"},
        {"LeadingZeros", "000", 7, "007"},
        {"NoIntegerDigit", "#.00", 0.5, ".50"},
        {"NegativeSign", "0.0", -1.25, "-1.3"},
        {"NegativeRoundsToZero", "0", -0.2, "0"},
        {"Sections", "0.0;(0.0);zero", -2, "(2.0)"},
        {"ZeroSection", "0.0;(0.0);'zero'", 0, "zero"},
        {"LiteralAround", "'EUR' 0.00 'net'", 5, "EUR 5.00 net"},
        {"Scientific", "0.00E+00", 12345, "1.23E+04"},
        {"ScientificNegativeExp", "0.0E-0", 0.00125, "1.3E-3"},
        // rounding into one more integer digit moves the exponent
        {"ScientificCarry", "0.0E+00", 9.96, "1.0E+01"},
        {"ScientificCarryTwoDigits", "00E+0", 99.7, "10E+1"},
        // the mantissa keeps at most 18 integer digits, however many the format asks
        {"ScientificNineteenZeros", "0000000000000000000E+00", 1e19, "100000000000000000E+02"},
        {"ScientificThirtyZeros", "000000000000000000000000000000E+0", 1e19, "100000000000000000E+2"},
        {"Empty", "", 1.5, "1.5"},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(Format_Float(C.Format, C.Value), C.Text);
    }
    Format_Settings().DecimalSeparator = u',';
    Format_Settings().ThousandSeparator = u'.';
    EXPECT_EQ(Format_Float("#,##0.00", 1234.5), "1.234,50");
}

TEST(NumberFormat, Directives)
{
    TFormatSettingsGuard G;
    struct TCase { const char *Name; const char *Format; double Value; const char *Text; };
    const TCase Cases[] = {
        {"Fixed", "%.3f", 2.5, "2.500"},
        {"FixedDefault", "%f", 2.5, "2.50"},
        {"Width", "%8.2f", 2.5, "    2.50"},
        {"LeftJustified", "%-6.1f|", 2.5, "2.5   |"},
        {"Thousands", "%.1n", 12345.67, "12,345.7"},
        {"General", "%g", 0.25, "0.25"},
        {"Exponent", "%.3e", 1234.5, "1.23E+003"},
        {"IntegerOfWholeFloat", "%d units", 12, "12 units"},
        {"Hex", "%x", 255, "FF"},
        {"Percent", "%.0f%%", 50, "50%"},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(Format_Number(C.Format, C.Value), C.Text);
    }
    EXPECT_THROW(Format_Number("%d", 1.5), EConvertError);
    EXPECT_THROW(Format_Number("%d %d", 1), EConvertError);
    EXPECT_EQ(Format_Integer("%.4d", -12), "-0012");
    EXPECT_EQ(Format_Integer("%.2f", 3), "3.00");
}
