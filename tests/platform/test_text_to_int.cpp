#include "platform/TextToInt.h"
#include <gtest/gtest.h>

struct TIntCase { const char *Name; const char *Text; bool Ok; int Value; };
const TIntCase Int_Cases[] = {
    {"Plain", "42", true, 42},
    {"LeadingBlanks", "   7", true, 7},
    {"TrailingBlankFails", "7 ", false, 0},
    {"Negative", "-15", true, -15},
    {"Plus", "+3", true, 3},
    {"DollarHex", "$1F", true, 31},
    {"XHex", "x10", true, 16},
    {"UpperXHex", "X10", true, 16},
    {"ZeroXHex", "0x80000", true, 0x80000},
    {"ZeroUpperXHex", "0XfF", true, 255},
    {"HexAllBitsIsMinusOne", "$FFFFFFFF", true, -1},
    {"Empty", "", false, 0},
    {"OnlySign", "-", false, 0},
    {"OnlyPrefix", "0x", false, 0},
    {"Letters", "12a", false, 0},
    {"Decimal", "1.5", false, 0},
    {"MaxInt", "2147483647", true, 2147483647},
    {"Overflow", "2147483648", false, 0},
    {"MinInt", "-2147483648", true, static_cast<int>(-2147483647 - 1)},
    {"HexOverflow", "$100000000", false, 0},
    {"LeadingZero", "007", true, 7},
};

TEST(TextToInt, Table)
{
    for (const auto &C : Int_Cases) {
        SCOPED_TRACE(C.Name);
        int V = 12345;
        EXPECT_EQ(Text_To_Int(QString::fromLatin1(C.Text), V), C.Ok);
        if (C.Ok) {
            EXPECT_EQ(V, C.Value);
        }
        EXPECT_EQ(Str_To_Int_Def(QString::fromLatin1(C.Text), -1), C.Ok ? C.Value : -1);
    }
}

struct TInt64Case { const char *Name; const char *Text; bool Ok; qint64 Value; };
const TInt64Case Int64_Cases[] = {
    {"Plain", "42", true, 42},
    {"Beyond32Bits", "4294967296", true, 4294967296LL},
    {"LeadingBlanksAndSign", "  -15", true, -15},
    {"TrailingBlankFails", "7 ", false, 0},
    {"DollarHex", "$1F", true, 31},
    {"ZeroXHex", "0x100000000", true, 0x100000000LL},
    {"HexAllBitsIsMinusOne", "$FFFFFFFFFFFFFFFF", true, -1},
    {"HexOverflow", "$10000000000000000", false, 0},
    {"MaxInt64", "9223372036854775807", true, 9223372036854775807LL},
    {"Overflow", "9223372036854775808", false, 0},
    {"MinInt64", "-9223372036854775808", true, static_cast<qint64>(-9223372036854775807LL - 1)},
    {"OnlyPrefix", "$", false, 0},
    {"Letters", "12a", false, 0},
};

TEST(TextToInt, Table64)
{
    for (const auto &C : Int64_Cases) {
        SCOPED_TRACE(C.Name);
        qint64 V = 12345;
        EXPECT_EQ(Text_To_Int64(QString::fromLatin1(C.Text), V), C.Ok);
        if (C.Ok) {
            EXPECT_EQ(V, C.Value);
        } else {
            EXPECT_EQ(V, 12345);
        }
    }
}
