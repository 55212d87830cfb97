// Sort comparisons, row orders and range calculations of the data model.
#include "grid/model/DarAzidError.h"
#include "grid/model/GridCalc.h"
#include "grid/model/GridModel.h"
#include "grid/model/GridRowFlags.h"
#include "grid/model/GridSort.h"
#include "platform/Locale.h"
#include "TestText.h"
#include <gtest/gtest.h>

namespace {

QStringList Sorted(const QStringList &Texts, const TSortColumnRule &Rule, bool Descending = false,
                   TSortCompareOptions Options = {})
{
    TSortRequest Q;
    Q.From = 0;
    Q.To = static_cast<int>(Texts.size()) - 1;
    Q.Options = Options;
    TSortKeyColumn C;
    C.Descending = Descending;
    C.Rule = Rule;
    C.Text = [&](int R) { return Texts[R]; };
    Q.Columns.push_back(C);
    QStringList Out;
    for (int R : Sort_Row_Order(Q))
        Out << Texts[R];
    return Out;
}

} // namespace

// Each sort style orders a column's texts; texts that do not convert in a
// number or date style follow the values and tie among themselves.
TEST(GridSort, StylesOrderTexts)
{
    struct TCase {
        const char *Name;
        TSortColumnRule Rule;
        bool Descending;
        QStringList In;
        QStringList Want;
    };
    const TCase Cases[] = {
        {"AutomaticNumbers", {ssAutomatic, {}, {}}, false, L({"10", "9", "100", "-1"}), L({"-1", "9", "10", "100"})},
        {"AutomaticNumbersBeforeText", {ssAutomatic, {}, {}}, false, L({"b", "10", "a", "9"}), L({"9", "10", "a", "b"})},
        {"AutomaticDates", {ssAutomatic, {}, {}}, false, L({"12/31/2020", "1/2/2021", "3/4/2019"}),
         L({"3/4/2019", "12/31/2020", "1/2/2021"})},
        {"AutomaticTimes", {ssAutomatic, {}, {}}, false, L({"10:30", "9:15", "23:00"}), L({"9:15", "10:30", "23:00"})},
        {"AlphabeticOrdinal", {ssAlphabetic, {}, {}}, false, L({"b", "B", "a", "10", "9"}), L({"10", "9", "B", "a", "b"})},
        {"AlphaNoCase", {ssAlphaNoCase, {}, {}}, false, L({"b", "A", "c"}), L({"A", "b", "c"})},
        {"NumericPrefixSuffix", {ssNumeric, "$", " kg"}, false, L({"$12 kg", "$3 kg", "$100 kg"}),
         L({"$3 kg", "$12 kg", "$100 kg"})},
        {"NumericFailedAfterNumbers", {ssNumeric, {}, {}}, false, L({"abc", "5", "2"}), L({"2", "5", "abc"})},
        {"NumericEmptyAfterNumbers", {ssNumeric, {}, {}}, false, L({"", "5", "2"}), L({"2", "5", ""})},
        {"NumericFailedFirstDescending", {ssNumeric, {}, {}}, true, L({"5", "abc", "2"}), L({"abc", "5", "2"})},
        {"Financial", {ssFinancial, {}, {}}, false, L({"1,200.5", "950", "12,000"}), L({"950", "1,200.5", "12,000"})},
        {"DateUnconvertibleLast", {ssDate, {}, {}}, false, L({"x", "2/1/2020", "1/1/2020"}), L({"1/1/2020", "2/1/2020", "x"})},
        {"ShortDateEU", {ssShortDateEU, {}, {}}, false, L({"02/01/2020", "01/02/2020"}), L({"02/01/2020", "01/02/2020"})},
        {"ShortDateUS", {ssShortDateUS, {}, {}}, false, L({"02/01/2020", "01/02/2020"}), L({"01/02/2020", "02/01/2020"})},
        {"Time", {ssTime, {}, {}}, true, L({"1:00", "13:00", "2:30"}), L({"13:00", "2:30", "1:00"})},
        {"AlphaNumericMixed", {ssAlphaNumeric, {}, {}}, false, L({"x", "10", "9"}), L({"9", "10", "x"})},
        {"AnsiNoCase", {ssAnsiAlphaNoCase, {}, {}}, false, L({"b", "A", "a2"}), L({"A", "a2", "b"})},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(Sorted(C.In, C.Rule, C.Descending), C.Want);
    }
}

// A locale whose decimal separator is a comma reads "1,5" as 1.5 in a number sort.
TEST(GridSort, LocaleDecimalSeparator)
{
    TFormatSettingsGuard Guard;
    Format_Settings().DecimalSeparator = u',';
    Format_Settings().ThousandSeparator = u'.';
    EXPECT_EQ(Sorted(L({"2", "1,5", "1"}), {ssNumeric, {}, {}}), L({"1", "1,5", "2"}));
}

// With IgnoreBlanks, empty cells go to the chosen end in either direction.
TEST(GridSort, BlanksPlacedByPosition)
{
    struct TCase { const char *Name; TSortBlankPosition Pos; bool Descending; QStringList Want; };
    const TCase Cases[] = {
        {"FirstAscending", blFirst, false, L({"", "1", "2"})},
        {"FirstDescending", blFirst, true, L({"", "2", "1"})},
        {"LastAscending", blLast, false, L({"1", "2", ""})},
        {"LastDescending", blLast, true, L({"2", "1", ""})},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        TSortCompareOptions O;
        O.IgnoreBlanks = true;
        O.BlankPos = C.Pos;
        EXPECT_EQ(Sorted(L({"2", "", "1"}), {ssAlphabetic, {}, {}}, C.Descending, O), C.Want);
    }
}

// Ties go to the following columns when Full is on; custom compares decide alone.
TEST(GridSort, TiesAndCustomCompare)
{
    const QStringList A = L({"x", "x", "a"});
    const QStringList B = L({"2", "1", "3"});
    TSortRequest Q;
    Q.From = 10;
    Q.To = 12;
    TSortKeyColumn K1, K2;
    K1.Text = [&](int R) { return A[R - 10]; };
    K2.Text = [&](int R) { return B[R - 10]; };
    K2.Descending = true;
    Q.Columns = {K1, K2};
    EXPECT_EQ(Sort_Row_Order(Q), (std::vector<int>{12, 10, 11}));
    // a custom compare by text length, longest first
    const QStringList W = L({"aa", "a", "aaa"});
    TSortKeyColumn C;
    C.Descending = true;
    C.Compare = [&](int X, int Y) {
        const auto LX = W[X - 10].size(), LY = W[Y - 10].size();
        return LX < LY ? -1 : (LX > LY ? 1 : 0);
    };
    Q.Columns = {C};
    EXPECT_EQ(Sort_Row_Order(Q), (std::vector<int>{12, 10, 11}));
    EXPECT_EQ(Unsort_Row_Order({2, 0, 1}), (std::vector<int>{1, 2, 0}));
}

// Texts read as views (numbers converted once into one array of values, ties
// compared in place) order rows exactly as texts read as strings: numbers
// with prefix and suffix, blanks placed either way, failed conversions after
// the numbers, ties broken by a second column of each simple form.
TEST(GridSort, ViewedTextsOrderAsStrings)
{
    struct TCase {
        const char *Name;
        TSortColumnRule Rule;
        bool Descending;
        TSortCompareOptions Options;
        QStringList First;
        QStringList Second;   // breaks ties (Full)
        TSortStyle Second_Style;
        std::vector<int> Want;
    };
    TSortCompareOptions Blanks_First, Blanks_Last, No_Case;
    Blanks_First.IgnoreBlanks = Blanks_Last.IgnoreBlanks = true;
    Blanks_Last.BlankPos = blLast;
    No_Case.IgnoreCase = true;
    const TCase Cases[] = {
        {"AutomaticNumbersThenTexts", {ssAutomatic, {}, {}}, false, {}, L({"b", "10", "", "9", "1e1", "-2.5"}),
         L({"", "", "", "", "", ""}), ssAutomatic, {5, 3, 1, 4, 2, 0}},
        {"AutomaticDescending", {ssAutomatic, {}, {}}, true, {}, L({"b", "10", "", "9", "3/4/2019"}),
         L({"", "", "", "", ""}), ssAutomatic, {0, 2, 4, 1, 3}},
        {"NumericPrefixSuffix", {ssNumeric, "$", " kg"}, false, {}, L({"$12 kg", "x", "$3 kg", "", "$100 kg", "$ 7 kg"}),
         L({"", "", "", "", "", ""}), ssAutomatic, {2, 5, 0, 4, 1, 3}},
        {"NumericFailedAfterNumbers", {ssNumeric, {}, {}}, false, {}, L({"abc", "5", "", "2", "5."}),
         L({"", "", "", "", ""}), ssAutomatic, {3, 1, 4, 0, 2}},
        {"BlanksFirstAscending", {ssNumeric, {}, {}}, false, Blanks_First, L({"2", "", "x", "1"}),
         L({"", "", "", ""}), ssAutomatic, {1, 3, 0, 2}},
        {"BlanksFirstDescending", {ssNumeric, {}, {}}, true, Blanks_First, L({"2", "", "x", "1"}),
         L({"", "", "", ""}), ssAutomatic, {1, 2, 0, 3}},
        {"BlanksLastAscending", {ssAutomatic, {}, {}}, false, Blanks_Last, L({"2", "", "x", "1"}),
         L({"", "", "", ""}), ssAutomatic, {3, 0, 2, 1}},
        {"BlanksLastDescending", {ssAutomatic, {}, {}}, true, Blanks_Last, L({"2", "", "x", "1"}),
         L({"", "", "", ""}), ssAutomatic, {2, 0, 3, 1}},
        {"TiesByNumbersAndTexts", {ssNumeric, {}, {}}, false, {}, L({"1", "1", "1", "1", "0"}),
         L({"b", "10", "a", "9", "z"}), ssAutomatic, {4, 3, 1, 2, 0}},
        {"TiesByTextsNoCase", {ssAutomatic, {}, {}}, false, No_Case, L({"1", "1", "1"}), L({"b", "A", "a2"}),
         ssAutomatic, {1, 2, 0}},
        {"TiesByDatesAndBlanks", {ssAutomatic, {}, {}}, false, {}, L({"1", "1", "1", "1"}),
         L({"12/31/2020", "", "1/2/2021", "x1"}), ssAutomatic, {0, 2, 1, 3}},
        {"TiesByAlphabetic", {ssAutomatic, {}, {}}, false, {}, L({"1", "1", "1"}), L({"b", "B", "10"}), ssAlphabetic,
         {2, 1, 0}},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        for (bool Viewed : {false, true}) {
            SCOPED_TRACE(Viewed ? "Viewed" : "Strings");
            TSortRequest Q;
            Q.From = 0;
            Q.To = static_cast<int>(C.First.size()) - 1;
            Q.Options = C.Options;
            for (const QStringList *Texts : {&C.First, &C.Second}) {
                TSortKeyColumn K;
                K.Descending = C.Descending;
                K.Rule = Texts == &C.First ? C.Rule : TSortColumnRule{C.Second_Style, {}, {}};
                K.Text = [Texts](int R) { return (*Texts)[R]; };
                if (Viewed) {
                    K.View = [Texts](int R, char16_t *, QStringView &V) {
                        V = (*Texts)[R];
                        return true;
                    };
                    K.Prefetch = [](int) {};
                }
                Q.Columns.push_back(K);
            }
            EXPECT_EQ(Sort_Row_Order(Q), C.Want);
        }
    }
}

// Reordering rows keeps each flag with its row.
TEST(GridSort, FlagsFollowPermutedRows)
{
    TGridFlagList F;
    F.Set(1, true, "bad");
    F.Set(3, true, "bad");
    F.Permute(1, {3, 2, 1});
    EXPECT_TRUE(F.Get(1, "bad"));
    EXPECT_FALSE(F.Get(2, "bad"));
    EXPECT_TRUE(F.Get(3, "bad"));
    EXPECT_EQ(F.Count_Set(), 2);
}

// Column calculations: averages divide by every row of the range; empty
// ranges answer 0; extremes and deviations raise on a non-number where they
// must read it.
TEST(GridCalc, RangeCalculations)
{
    const QStringList T = L({"2", "4", "abc"});
    TRangeCells Cells;
    Cells.Number = [&](int I) {
        const QString S = T[I];
        if (S.isEmpty() || S == QLatin1String("-"))
            return 0.0;
        const auto V = Cell_Number(S);
        if (!V)
            throw EDarAzidError("Cell does not contain a float value");
        return *V;
    };
    EXPECT_DOUBLE_EQ(Range_Sum(0, 2, Cells), 6);
    EXPECT_DOUBLE_EQ(Range_Avg(0, 2, Cells), 2);
    EXPECT_DOUBLE_EQ(Range_Avg(2, 1, Cells), 0);
    EXPECT_DOUBLE_EQ(Range_StdDev(2, 1, Cells), 0);
    EXPECT_DOUBLE_EQ(Range_Min(0, 2, Cells), 2);
    EXPECT_DOUBLE_EQ(Range_Max(0, 2, Cells), 4);
    EXPECT_DOUBLE_EQ(Range_StdDev(0, 1, Cells), 1);
    EXPECT_THROW(Range_Min(2, 2, Cells), EDarAzidError);
    EXPECT_THROW(Range_StdDev(0, 2, Cells), EDarAzidError);
    // a row that does not count (a node row) is left out of the sum
    Cells.Counted = [](int I) { return I != 1; };
    EXPECT_DOUBLE_EQ(Range_Sum(0, 2, Cells), 2);
    EXPECT_DOUBLE_EQ(Range_Max(0, 2, Cells), 2);
}

// The sort settings' string form; a text without "u" descends; a column
// that does not read changes only the direction.
TEST(GridSort, SortSettingsStrings)
{
    struct TCase { const char *Name; const char *Text; bool Indexed, Descending, HasColumn; int Column; size_t Keys; const char *Back; };
    const TCase Cases[] = {
        {"Ascending", "u3", false, false, true, 3, 0, "u3"},
        {"Descending", "d3", false, true, true, 3, 0, "d3"},
        {"OtherLetter", "x5", false, true, true, 5, 0, "d5"},
        {"NoColumn", "ua", false, false, false, -1, 0, "u-1"},
        {"Indexed", "i;u1;d2", true, false, false, -1, 2, "i;u1;d2"},
        {"IndexedEmpty", "i;", true, false, false, -1, 0, "i;"},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        const TSortSettingsText S = Parse_Sort_Settings(QString::fromUtf8(C.Text));
        EXPECT_EQ(S.Indexed, C.Indexed);
        EXPECT_EQ(S.Descending, C.Descending);
        EXPECT_EQ(S.Has_Column, C.HasColumn);
        EXPECT_EQ(S.Column, C.Column);
        EXPECT_EQ(S.Keys.size(), C.Keys);
        EXPECT_EQ(Sort_Settings_To_String(S), QString::fromUtf8(C.Back));
    }
    for (const char *Bad : {"u", "", "i;q1", "i;u"})
        EXPECT_THROW(Parse_Sort_Settings(QString::fromUtf8(Bad)), std::runtime_error) << Bad;
}
