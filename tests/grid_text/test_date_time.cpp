#include "platform/Clock.h"
#include "platform/DateTime.h"
#include "platform/Locale.h"
#include "platform/OemCodePage.h"
#include <gtest/gtest.h>
#include <cmath>
#include <limits>

TEST(DateTimeEncoding, EpochAndKnownDays)
{
    EXPECT_DOUBLE_EQ(Encode_Date(1899, 12, 30), 0.0);
    EXPECT_DOUBLE_EQ(Encode_Date(1900, 1, 1), 2.0);
    EXPECT_DOUBLE_EQ(Encode_Date(2000, 1, 1), 36526.0);
    EXPECT_DOUBLE_EQ(Encode_Time(12, 0, 0, 0), 0.5);
    int Y, M, D, H, N, S, Ms;
    Decode_Date(36526.75, Y, M, D);
    Decode_Time(36526.75, H, N, S, Ms);
    EXPECT_EQ(Y * 10000 + M * 100 + D, 20000101);
    EXPECT_EQ(H * 10000 + N * 100 + S, 180000);
    Decode_Date(-1.25, Y, M, D);
    EXPECT_EQ(Y * 10000 + M * 100 + D, 18991229);
}

TEST(DateTimeEncoding, RefusesInvalid)
{
    struct TCase { const char *Name; int Y, M, D; };
    const TCase Cases[] = {
        {"ThirtyFirstFebruary", 2021, 2, 31}, {"LeapDayCommonYear", 2021, 2, 29}, {"MonthZero", 2021, 0, 1},
        {"MonthThirteen", 2021, 13, 1}, {"DayZero", 2021, 1, 0}, {"YearZero", 0, 1, 1}, {"YearTooLarge", 10000, 1, 1},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_THROW(Encode_Date(C.Y, C.M, C.D), EConvertError);
        TDateTime V = 42;
        EXPECT_FALSE(Try_Encode_Date(C.Y, C.M, C.D, V));
        EXPECT_EQ(V, 42);
    }
    EXPECT_NO_THROW(Encode_Date(2020, 2, 29));
    EXPECT_THROW(Encode_Time(24, 0, 0, 0), EConvertError);
    EXPECT_THROW(Encode_Time(0, 60, 0, 0), EConvertError);
}

TEST(DateTimeFormat, Patterns)
{
    TFormatSettings F;
    F.DateSeparator = u'.';
    F.TimeSeparator = u':';
    F.ShortDateFormat = "dd.mm.yyyy";
    F.LongTimeFormat = "hh:nn:ss";
    TFormatSettingsGuard G(F);
    const TDateTime V = Encode_Date(2021, 3, 4) + Encode_Time(15, 7, 9, 45);
    struct TCase { const char *Name; const char *Pattern; const char *Expected; };
    const TCase Cases[] = {
        {"ShortDate", "dd/mm/yyyy", "04.03.2021"},
        {"Unpadded", "d/m/yy", "4.3.21"},
        {"Names", "ddd dddd mmm mmmm", "Thu Thursday Mar March"},
        {"MinutesAfterHour", "h:mm", "15:07"},
        {"TwelveHour", "h:nn am/pm", "3:07 pm"},
        {"Milliseconds", "ss.zzz", "09.045"},
        {"Literal", "'day' d", "day 4"},
        {"C", "c", "04.03.2021 15:07:09"},
        {"EmptyIsC", "", "04.03.2021 15:07:09"},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(Format_Date_Time(C.Pattern, V), QString::fromUtf8(C.Expected));
    }
    EXPECT_EQ(Date_Time_To_Str(Encode_Date(2021, 3, 4)), "04.03.2021");
}

TEST(DateTimeRead, LocaleOrder)
{
    TFormatSettings F;
    F.DateSeparator = u'.';
    F.ShortDateFormat = "dd.MM.yyyy";
    TFormatSettingsGuard G(F);
    TDrivenClock Clk;
    TClockGuard CG(&Clk);
    struct TCase { const char *Name; const char *Text; bool Ok; TDateTime Expected; };
    const TCase Cases[] = {
        {"Full", "24.12.2021", true, Encode_Date(2021, 12, 24)},
        {"TwoDigitYear", "24.12.21", true, Encode_Date(2021, 12, 24)},
        {"FourDigitSmallYearKept", "24.12.0021", true, Encode_Date(21, 12, 24)},
        {"NoYearIsThisYear", "24.12", true, Encode_Date(2026, 12, 24)},
        {"WithTime", "24.12.2021 18:30", true, Encode_Date(2021, 12, 24) + Encode_Time(18, 30, 0, 0)},
        {"PmMarker", "24.12.2021 6:30 PM", true, Encode_Date(2021, 12, 24) + Encode_Time(18, 30, 0, 0)},
        {"Invalid", "31.02.2021", false, 0},
        {"Garbage", "x", false, 0},
        {"TrailingText", "24.12.2021x", false, 0},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        TDateTime V = -7;
        EXPECT_EQ(Try_Str_To_Date_Time(C.Text, V), C.Ok);
        EXPECT_DOUBLE_EQ(V, C.Ok ? C.Expected : -7);
    }
    EXPECT_THROW(Str_To_Date("nope"), EConvertError);
}

TEST(OemCodePage, Table)
{
    EXPECT_EQ(To_Cp850(QString::fromUtf8("Çü╬") + QChar(0xA0)), QByteArray("\x80\x81\xCE\xFF", 4));
    EXPECT_EQ(From_Cp850(QByteArray("\x9C\xE1", 2)), QString::fromUtf8("£ß"));
    EXPECT_EQ(To_Cp850(QString::fromUtf8("€")), QByteArray("?"));
    QByteArray All;
    for (int B = 0; B < 256; ++B)
        All.append(static_cast<char>(B));
    EXPECT_EQ(To_Cp850(From_Cp850(All)), All);
}

TEST(DateTimeEncoding, ValuesThatAreNoDates)
{
    const double Bad[] = {std::nan(""), 1e300, -1e300, std::numeric_limits<double>::infinity()};
    for (double V : Bad) {
        int Y = -1, M = -1, D = -1;
        Decode_Date(V, Y, M, D);
        EXPECT_EQ(Y, 0);
        EXPECT_EQ(Format_Date_Time("dd.mm.yyyy", V), "");
    }
}
