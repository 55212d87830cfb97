// The drop-down edit's value rules without a widget: formatting per edit
// type, number values, typed input, caret keys and paste. The locale is the
// built-in one: "." decimal and "," thousand separator.
#include "dropdowns/DropDownValue.h"
#include "platform/Locale.h"
#include <gtest/gtest.h>

namespace {
TDropDownValue Make(TDropDownEditType Type, int Precision, const char *Text, int SelStart = -1, int SelLength = 0)
{
    TDropDownValue V;
    V.S.EditType = Type;
    V.S.Precision = Precision;
    V.E.Text = QString::fromUtf8(Text);
    V.E.SelStart = SelStart < 0 ? int(V.E.Text.size()) : SelStart;
    V.E.SelLength = SelLength;
    return V;
}

// A typed character the way the edit runs it: the rules, the edit's own
// insertion of a passed character, then what follows it.
void Type(TDropDownValue &V, QChar Ch)
{
    bool Whole = false;
    if (V.Filter_Char(Ch, false, false, Whole) != crPass)
        return;
    const int Caret = V.E.SelStart;
    V.Insert_Char(Ch);
    if (Ch != QChar(8))
        V.After_Pass(Ch, Caret);
}
} // namespace

// The formatting setter, per edit type: empty numbers show 0, float and money
// get their decimals, hex is upper-cased, everything else is shown as given.
TEST(DropDownValue, FormattingPerEditType)
{
    TFormatSettingsGuard Locale;
    struct TCase { const char *Name; TDropDownEditType Type; int Precision; const char *Value; const char *Shown; };
    const TCase Cases[] = {
        {"StringEmpty", etString, 0, "", ""},
        {"StringAsGiven", etString, 2, "12.5", "12.5"},
        {"NumericEmptyIsZero", etNumeric, 0, "", "0"},
        {"NumericAsGiven", etNumeric, 0, "-17", "-17"},
        {"FloatDecimals", etFloat, 2, "12.5", "12.50"},
        {"FloatNoNumberIsZero", etFloat, 2, "abc", "0.00"},
        {"FloatPrecision0AsTyped", etFloat, 0, "12.5", "12.5"},
        {"FloatErrorKept", etFloat, 2, "Error", "Error"},
        {"UppercaseNotRecased", etUppercase, 0, "ab", "ab"},
        {"MixedCaseNotRecased", etMixedCase, 0, "ab cd", "ab cd"},
        {"LowerCaseNotRecased", etLowerCase, 0, "AB", "AB"},
        {"Password", etPassword, 0, "secret", "secret"},
        {"MoneyGrouped", etMoney, 2, "1234567.891", "1,234,567.89"},
        {"MoneyEmptyIsZero", etMoney, 2, "", "0.00"},
        {"MoneyRoundsUpThroughNines", etMoney, 2, "999.995", "1,000.00"},
        // every digit survives: no floating-point round trip
        {"MoneyKeepsEighteenDigits", etMoney, 2, "123456789012345678.125", "123,456,789,012,345,678.13"},
        {"MoneyNegative", etMoney, 2, "-1234.5", "-1,234.50"},
        {"Range", etRange, 0, "1-3,7;9", "1-3,7;9"},
        {"HexUpperCased", etHex, 0, "ff", "FF"},
        {"HexEmptyIsZero", etHex, 0, "", "0"},
        {"AlphaNumeric", etAlphaNumeric, 0, "a1", "a1"},
        {"ValidChars", etValidChars, 0, "xy", "xy"},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        TDropDownValue V = Make(C.Type, C.Precision, "");
        V.S.Prefix = QStringLiteral("$");
        V.S.Suffix = QStringLiteral(" kg");
        V.SetText(QString::fromUtf8(C.Value));
        EXPECT_EQ(V.E.Text, QStringLiteral("$") + QString::fromUtf8(C.Shown) + QStringLiteral(" kg"));
        EXPECT_EQ(V.GetText(), QString::fromUtf8(C.Shown));
        EXPECT_FALSE(V.Modified);
    }
}

// Reading the value strips the prefix and the suffix only where they stand.
TEST(DropDownValue, ReadingStripsPrefixAndSuffixOnlyWherePresent)
{
    struct TCase { const char *Name; const char *Text; const char *Value; };
    const TCase Cases[] = {
        {"Both", "$5kg", "5"},
        {"NoSuffix", "$5xy", "5xy"},
        {"NoPrefix", "5kg", "5"},
        {"SuffixOnly", "kg", ""},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        TDropDownValue V;
        V.S.Prefix = QStringLiteral("$");
        V.S.Suffix = QStringLiteral("kg");
        V.SetTextDirect(QString::fromUtf8(C.Text));
        EXPECT_EQ(V.GetText(), QString::fromUtf8(C.Value));
    }
}

// Number values in and out, by edit type.
TEST(DropDownValue, NumberValues)
{
    TFormatSettingsGuard Locale;
    struct TCase {
        const char *Name; TDropDownEditType Type; int Precision; bool Thousands; double X; const char *Shown;
    };
    const TCase Cases[] = {
        {"FloatGeneral", etFloat, -1, true, 1.5, "1.5"},
        {"FloatFixed", etFloat, 3, true, 2.0, "2.000"},
        {"NumericGrouped", etNumeric, 0, true, 1234, "1,234"},
        {"MoneyGrouped", etMoney, 2, true, 1234567.891, "1,234,567.89"},
        {"MoneyWithoutSeparators", etMoney, 2, false, 1234567.891, "1234567.89"},
        {"HexDigits", etHex, 0, true, 255, "FF"},
        {"HexNegativeIsItsPattern", etHex, 0, true, -1, "FFFFFFFF"},
        {"HexOverflowSetsNothing", etHex, 0, true, 1e11, "7"},
        {"OtherTypesSetNothing", etRange, 0, true, 5, "7"},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        TDropDownValue V = Make(C.Type, C.Precision, "7");
        V.S.AutoThousandSeparator = C.Thousands;
        V.SetFloatValue(C.X);
        EXPECT_EQ(V.E.Text, QString::fromUtf8(C.Shown));
    }
    struct TRead { const char *Name; TDropDownEditType Type; const char *Text; double X; };
    const TRead Reads[] = {
        {"MoneyWithSeparatorsAndTrailingPoint", etMoney, "1,234.", 1234},
        {"MoneyMinusOnly", etMoney, "-", 0},
        {"FloatError", etFloat, "Error", 0},
        {"FloatNoNumber", etFloat, "1x", 0},
        {"Hex", etHex, "1F", 31},
        {"StringPointDecimal", etString, "2.5", 2.5},
        {"StringNoNumber", etString, "abc", 0},
    };
    for (const TRead &R : Reads) {
        SCOPED_TRACE(R.Name);
        EXPECT_DOUBLE_EQ(Make(R.Type, 2, R.Text).GetFloatValue(), R.X);
    }
}

// Changing the edit type or the precision.
TEST(DropDownValue, EditTypeAndPrecisionChanges)
{
    TFormatSettingsGuard Locale;
    struct TCase {
        const char *Name; TDropDownEditType From; int Precision; const char *Text; TDropDownEditType To; int NewPrecision;
        const char *Shown;
    };
    const TCase Cases[] = {
        {"NumericDropsText", etString, 0, "abc", etNumeric, 0, "0"},
        {"NumericKeepsInteger", etString, 0, "12", etNumeric, 0, "12"},
        {"FloatDropsText", etString, 2, "abc", etFloat, 2, "0.00"},
        // a hexadecimal value carries no sign, as typing refuses one
        {"HexDropsSignedValue", etString, 0, "-5", etHex, 0, "0"},
        {"HexKeepsHexDigits", etString, 0, "1a", etHex, 0, "1a"},
        // a text edit keeps its text whatever the precision
        {"PrecisionNeverReformatsText", etString, 0, "abc", etString, 2, "abc"},
        {"PrecisionReformatsFloat", etFloat, 4, "3.14159", etFloat, 2, "3.14"},
        {"PrecisionReformatsMoneyOnDigits", etMoney, 2, "12,345,678,901,234,567.00", etMoney, 3,
         "12,345,678,901,234,567.000"},
        {"PrecisionIgnoredByNumeric", etNumeric, 0, "12", etNumeric, 2, "12"},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        TDropDownValue V = Make(C.From, C.Precision, C.Text);
        V.SetEditType(C.To);
        V.SetPrecision(C.NewPrecision);
        EXPECT_EQ(V.E.Text, QString::fromUtf8(C.Shown));
    }
}

// Typed input: edit type x key x caret.
TEST(DropDownValue, TypedInput)
{
    TFormatSettingsGuard Locale;
    struct TCase {
        const char *Name; TDropDownEditType Type; int Precision; bool Signed; const char *Text; int SelStart;
        int SelLength; char16_t Ch; const char *After; int Caret;
    };
    const TCase Cases[] = {
        {"NumericUnsignedIgnoresMinus", etNumeric, 0, false, "12", 2, 0, u'-', "12", 2},
        {"NumericMinusNegates", etNumeric, 0, true, "12", 2, 0, u'-', "-12", 3},
        {"NumericMinusAgainRestores", etNumeric, 0, true, "-12", 3, 0, u'-', "12", 2},
        {"NumericWholeSelectedMinus", etNumeric, 0, true, "12", 0, 2, u'-', "-", 1},
        {"NumericLetterDropped", etNumeric, 0, false, "12", 2, 0, u'a', "12", 2},
        {"NumericDigit", etNumeric, 0, false, "12", 1, 0, u'5', "152", 2},
        {"FloatFractionFullAtEnd", etFloat, 2, false, "3.14", 4, 0, u'7', "3.14", 4},
        {"FloatDigitOverwritesInFullFraction", etFloat, 2, false, "3.14", 3, 0, u'9', "3.19", 4},
        {"FloatPointJumpsBehindPoint", etFloat, 2, false, "3.14", 0, 0, u'.', "3.14", 2},
        {"FloatPrecision0RefusesPoint", etFloat, 0, false, "3", 1, 0, u'.', "3", 1},
        {"FloatPointIntoEmpty", etFloat, 2, false, "", 0, 0, u'.', "0.", 2},
        {"FloatLetterDropped", etFloat, 2, false, "3", 1, 0, u'x', "3", 1},
        {"FloatSignedMinusToggles", etFloat, 2, true, "3.5", 1, 0, u'-', "-3.5", 2},
        {"MoneyPointThreeAfterSeparator", etMoney, 2, false, "1,234", 5, 0, u'.', "1,234.", 6},
        {"MoneyPointTooCloseToSeparator", etMoney, 2, false, "1,23", 4, 0, u'.', "1,23", 4},
        {"MoneyDigitRegroups", etMoney, 2, false, "1,234", 5, 0, u'5', "12,345", 6},
        {"MoneyLongValueKeepsEveryDigit", etMoney, 2, false, "12,345,678,901,234,567", 22, 0, u'8',
         "123,456,789,012,345,678", 23},
        {"MoneySecondPointJumps", etMoney, 2, false, "1.50", 0, 0, u'.', "1.50", 2},
        {"RangeSeparatorAfterDigit", etRange, 0, false, "1-3", 3, 0, u',', "1-3,", 4},
        {"RangeSecondSeparatorRefused", etRange, 0, false, "1-3,", 4, 0, u',', "1-3,", 4},
        {"RangeSeparatorAtStartRefused", etRange, 0, false, "1-3", 0, 0, u'-', "1-3", 0},
        {"RangeSeparatorBeforeSeparatorRefused", etRange, 0, false, "1-3", 1, 0, u';', "1-3", 1},
        {"RangeLetterDropped", etRange, 0, false, "1", 1, 0, u'x', "1", 1},
        {"HexLetter", etHex, 0, false, "F", 1, 0, u'a', "Fa", 2},
        {"HexRefusesMinus", etHex, 0, false, "FF", 0, 0, u'-', "FF", 0},
        {"HexRefusesOverflow", etHex, 0, false, "FFFFFFFF", 8, 0, u'A', "FFFFFFFF", 8},
        {"HexLeadingZerosDoNotCount", etHex, 0, false, "0FFFFFFF", 8, 0, u'A', "0FFFFFFFA", 9},
        {"HexNonDigitDropped", etHex, 0, false, "F", 1, 0, u'g', "F", 1},
        {"Uppercase", etUppercase, 0, false, "a", 1, 0, u'b', "aB", 2},
        {"LowerCase", etLowerCase, 0, false, "a", 1, 0, u'B', "ab", 2},
        {"MixedCaseRecasesWords", etMixedCase, 0, false, "hello ", 6, 0, u'w', "Hello W", 7},
        {"AlphaNumericRefusesDash", etAlphaNumeric, 0, false, "a", 1, 0, u'-', "a", 1},
        {"AlphaNumericLetter", etAlphaNumeric, 0, false, "a", 1, 0, u'Z', "aZ", 2},
        {"ValidCharsRefusesOther", etValidChars, 0, false, "a", 1, 0, u'c', "a", 1},
        {"ValidCharsAccepts", etValidChars, 0, false, "a", 1, 0, u'b', "ab", 2},
        {"PasswordAnything", etPassword, 0, false, "", 0, 0, u'%', "%", 1},
        {"StringOverSelection", etString, 0, false, "abc", 0, 3, u'x', "x", 1},
        {"BackspaceDeletes", etString, 0, false, "abc", 3, 0, QChar(8).unicode(), "ab", 2},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        TDropDownValue V = Make(C.Type, C.Precision, C.Text, C.SelStart, C.SelLength);
        V.S.Signed = C.Signed;
        V.S.ValidChars = QStringLiteral("ab");
        Type(V, QChar(C.Ch));
        EXPECT_EQ(V.E.Text, QString::fromUtf8(C.After));
        EXPECT_EQ(V.E.SelStart, C.Caret);
    }
}

// Typing next to a prefix and suffix, the length limit and the silent change.
TEST(DropDownValue, TypedInputLimits)
{
    TFormatSettingsGuard Locale;
    // Backspace at the value's start keeps the prefix
    TDropDownValue V = Make(etString, 0, "$5", 1);
    V.S.Prefix = QStringLiteral("$");
    Type(V, QChar(8));
    EXPECT_EQ(V.E.Text, QStringLiteral("$5"));
    // the integer part holds LengthLimit digits: more are refused, decimals not
    V = Make(etFloat, 2, "123.5", 3);
    V.S.LengthLimit = 3;
    Type(V, u'4');
    EXPECT_EQ(V.E.Text, QStringLiteral("123.5"));
    V.E.SelStart = 5;
    Type(V, u'6');
    EXPECT_EQ(V.E.Text, QStringLiteral("123.56"));
    // typing over the whole value announces its change as silent
    V = Make(etString, 0, "abc", 0, 3);
    bool Whole = false;
    QChar X(u'x');
    V.Filter_Char(X, false, false, Whole);
    EXPECT_TRUE(Whole);
    EXPECT_TRUE(V.BlockChange);
    // the keypad's decimal key types the locale's separator when asked
    Format_Settings().DecimalSeparator = u',';
    Format_Settings().ThousandSeparator = u'.';
    V = Make(etFloat, 2, "3", 1);
    V.S.ExcelStyleDecimalSeparator = true;
    QChar Point(u'.');
    EXPECT_EQ(V.Filter_Char(Point, false, true, Whole), crPass);
    EXPECT_EQ(Point, QChar(u','));
}

// Caret keys are held inside the value between prefix and suffix.
TEST(DropDownValue, CaretKeysAroundPrefixAndSuffix)
{
    struct TCase {
        const char *Name; TKey Key; bool Shift; int SelStart; int SelLength; bool Swallowed; int NewStart; int NewLength;
    };
    // "$12kg": the value runs from 1 to 3
    const TCase Cases[] = {
        {"HomeGoesToValueStart", VK_HOME, false, 3, 0, true, 1, 0},
        {"ShiftHomeSelectsValue", VK_HOME, true, 3, 0, true, 1, 2},
        {"EndGoesToValueEnd", VK_END, false, 1, 0, true, 3, 0},
        {"ShiftEndExtends", VK_END, true, 2, 0, true, 2, 1},
        {"RightStopsAtValueEnd", VK_RIGHT, false, 3, 0, true, 3, 0},
        {"RightInsideValue", VK_RIGHT, false, 2, 0, false, 2, 0},
        {"LeftStopsAtValueStart", VK_LEFT, false, 1, 0, true, 1, 0},
        {"DeleteAtValueEndDoesNothing", VK_DELETE, false, 3, 0, true, 3, 0},
        {"BackspaceAtValueStartDoesNothing", VK_BACK, false, 1, 0, true, 1, 0},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        TDropDownValue V = Make(etString, 0, "$12kg", C.SelStart, C.SelLength);
        V.S.Prefix = QStringLiteral("$");
        V.S.Suffix = QStringLiteral("kg");
        EXPECT_EQ(V.Key_Down(C.Key, C.Shift ? TShiftState{ssShift} : TShiftState()), C.Swallowed);
        EXPECT_EQ(V.E.SelStart, C.NewStart);
        EXPECT_EQ(V.E.SelLength, C.NewLength);
    }
    // a release inside the prefix selects the value; beyond the suffix's start it goes to the value's end
    TDropDownValue V = Make(etString, 0, "$12kg", 0);
    V.S.Prefix = QStringLiteral("$");
    V.S.Suffix = QStringLiteral("kg");
    V.Mouse_Released();
    EXPECT_EQ(V.E.SelStart, 1);
    EXPECT_EQ(V.E.SelLength, 2);
    V.E = {QStringLiteral("$12kg"), 4, 0};
    V.Mouse_Released();
    EXPECT_EQ(V.E.SelStart, 3);
    // Delete in a money value regroups it
    V = Make(etMoney, 2, "12,345", 0);
    EXPECT_FALSE(V.Key_Down(VK_DELETE, TShiftState()));
    V.Edit_Key(VK_DELETE, TShiftState());
    V.After_Key_Down(VK_DELETE);
    EXPECT_EQ(V.E.Text, QStringLiteral("2,345"));
}

// Paste by edit type; a refused paste still moves the caret as planned.
TEST(DropDownValue, Paste)
{
    TFormatSettingsGuard Locale;
    struct TCase {
        const char *Name; TDropDownEditType Type; int Precision; bool Signed; const char *Text; int SelStart;
        int SelLength; const char *Clip; bool Accepted; const char *After; int NewStart; int NewLength;
    };
    const TCase Cases[] = {
        {"NumericRefusesLetters", etNumeric, 0, false, "5", 0, 0, "abc", false, "5", 1, 0},
        {"NumericOverSelectionSelectsPasted", etNumeric, 0, false, "345", 0, 3, "12", true, "12", 0, 2},
        {"NumericUnsignedRefusesMinus", etNumeric, 0, false, "5", 0, 0, "-", false, "5", 1, 0},
        {"NumericSignedTakesMinus", etNumeric, 0, true, "5", 0, 0, "-", true, "-5", 1, 0},
        {"HexNeverButCaretMoves", etHex, 0, false, "AB", 0, 0, "12", false, "AB", 2, 0},
        {"RangeNever", etRange, 0, false, "1-3", 0, 1, "7", false, "1-3", 0, 1},
        {"FloatReformats", etFloat, 2, false, "1", 1, 0, "2.5", true, "12.50", 4, 0},
        {"FloatPrecision0RefusesPoint", etFloat, 0, false, "1", 1, 0, ".5", false, "1", 1, 0},
        {"MoneyKeepsEveryDigitAndSelects", etMoney, 2, false, "", 0, 0, "12345678901234567.891", true,
         "12,345,678,901,234,567.89", 0, 25},
        {"UppercaseRecasesAll", etUppercase, 0, false, "a", 1, 0, "bc", true, "ABC", 3, 0},
        {"AlphaNumericRefusesDash", etAlphaNumeric, 0, false, "a", 1, 0, "-", false, "a", 1, 0},
        {"StringTakesAnything", etString, 0, false, "ab", 1, 0, "-x-", true, "a-x-b", 4, 0},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        TDropDownValue V = Make(C.Type, C.Precision, C.Text, C.SelStart, C.SelLength);
        V.S.Signed = C.Signed;
        EXPECT_EQ(V.Paste(QString::fromUtf8(C.Clip)), C.Accepted);
        EXPECT_EQ(V.E.Text, QString::fromUtf8(C.After));
        EXPECT_EQ(V.E.SelStart, C.NewStart);
        EXPECT_EQ(V.E.SelLength, C.NewLength);
    }
    // nothing at all in a read-only edit; MaxLength refuses a paste that does not fit
    TDropDownValue V = Make(etString, 0, "ab", 0);
    V.ReadOnly = true;
    EXPECT_FALSE(V.Paste(QStringLiteral("x")));
    EXPECT_EQ(V.E.SelStart, 0);
    V = Make(etString, 0, "ab", 0);
    V.S.MaxLength = 3;
    EXPECT_FALSE(V.Paste(QStringLiteral("xy")));
    EXPECT_EQ(V.E.Text, QStringLiteral("ab"));
}
