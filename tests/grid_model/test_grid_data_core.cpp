// The grid's Qt-Core data rules: filter row test, column calculations, the
// find walk and its cell test, and hidden rows kept by the reason they were
// hidden.
#include "grid/model/GridCalc.h"
#include "grid/model/GridFilter.h"
#include "grid/model/GridFind.h"
#include "grid/model/GridModel.h"
#include <gtest/gtest.h>
#include <vector>

// --- filter ---------------------------------------------------------------------------------------

namespace {
TFilterData Item(const char *Cond, TFilterOperation Op, TFilterMethod M = fmExpression, bool Case = true)
{
    TFilterData D;
    D.Condition = QString::fromUtf8(Cond);
    D.Operation = Op;
    D.Method = M;
    D.CaseSensitive = Case;
    return D;
}
} // namespace

TEST(GridFilter, ItemVerdicts)
{
    struct TCase { const char *Name; TFilterData Item; const char *Text; bool Want; };
    TFilterData Pre = Item("12", foNONE);
    Pre.Prefix = QStringLiteral("$");
    Pre.Suffix = QStringLiteral(" EUR");
    TFilterData RowItem = Item("york", foNONE);
    RowItem.Data = fcRow;
    const TCase Cases[] = {
        // an empty condition matches every row
        {"EmptyCondition", Item("", foNONE), "anything", true},
        // a literal comparison counts letter case; an expression without case does not
        {"LiteralKeepsCase", Item("abc", foNONE, fmLiteral), "ABC", false},
        {"LiteralEqual", Item("abc", foNONE, fmLiteral), "abc", true},
        {"ExpressionNoCase", Item("abc", foNONE, fmExpression, false), "ABC", true},
        {"ExpressionCase", Item("abc", foNONE, fmExpression, true), "ABC", false},
        // the text is trimmed, then prefix and suffix are cut
        {"PrefixSuffixCut", Pre, "  $12 EUR ", true},
        // the row form looks for the condition anywhere, any case
        {"RowContains", RowItem, "x\nNew York\n", true},
        {"Wildcard", Item("N*k", foNONE), "New York", true},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(Filter_Item_Matches(C.Item, QString::fromUtf8(C.Text)), C.Want);
    }
}

TEST(GridFilter, CombinedVerdicts)
{
    struct TCase { const char *Name; std::vector<TFilterData> Items; bool Want; };
    // Texts tested: column 0 holds "a", column 1 holds "b".
    auto On = [](TFilterData D, short Col) { D.Column = Col; return D; };
    const TCase Cases[] = {
        // foOR on the first item always passes: the result starts true
        {"FirstOrPassesAll", {On(Item("zzz", foOR), 0)}, true},
        {"NoneThenAndFails", {On(Item("a", foNONE), 0), On(Item("x", foAND), 1)}, false},
        {"NoneThenOrPasses", {On(Item("x", foNONE), 0), On(Item("b", foOR), 1)}, true},
        {"XorOfTwoTrue", {On(Item("a", foNONE), 0), On(Item("b", foXOR), 1)}, false},
        // foSHORT ends the test at its first false verdict
        {"ShortStops", {On(Item("x", foSHORT), 0), On(Item("b", foOR), 1)}, false},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        TFilter F;
        for (const TFilterData &D : C.Items)
            F.Add() = D;
        EXPECT_EQ(Filter_Row_Matches(F, [](const TFilterData &D) { return D.Column == 0 ? QStringLiteral("a") : QStringLiteral("b"); }),
                  C.Want);
    }
}

TEST(GridFilter, CollectionAndEntries)
{
    TFilter F;
    EXPECT_EQ(F.Add().Operation, foNONE);
    EXPECT_EQ(F.Add().Operation, foAND);
    F.Items(1).Column = 3;
    EXPECT_EQ(&F.GetColFilter(3), &F.Items(1));
    F.GetColFilter(4).Condition = QStringLiteral("x");
    EXPECT_EQ(F.Count(), 3);
    F.RemoveColumnFilter(3);
    EXPECT_EQ(F.Count(), 2);
    EXPECT_FALSE(F.HasColFilter(3));

    // a blank survives as a quoted condition; the visible name is the text
    EXPECT_EQ(Filter_Entry_For(QStringLiteral("New York")), QStringLiteral("New York=\"New York\""));
    QString Name, Cond;
    Split_Filter_Entry(QStringLiteral("New York=\"New York\""), QStringLiteral("(All)"), Name, Cond);
    EXPECT_EQ(Name, QStringLiteral("New York"));
    EXPECT_EQ(Cond, QStringLiteral("\"New York\""));
    Split_Filter_Entry(QStringLiteral("(All)"), QStringLiteral("(All)"), Name, Cond);
    EXPECT_TRUE(Cond.isEmpty());

    const TFilterData N = Narrow_Down_Item(QStringLiteral("w Y"), 2);
    EXPECT_EQ(N.Condition, QStringLiteral("\"*w Y*\""));
    EXPECT_TRUE(Filter_Item_Matches(N, QStringLiteral("New York")));
    EXPECT_FALSE(Filter_Item_Matches(N, QStringLiteral("NewYork")));
    EXPECT_EQ(Narrow_Down_Item(QStringLiteral("ab"), -1).Data, fcRow);
}

// --- calculations -------------------------------------------------------------------------------

TEST(GridCalc, TextCellsArePassedOver)
{
    struct TCase { const char *Name; int Method; QStringList Texts; double Want; };
    const QStringList Mixed{QStringLiteral("2"), QStringLiteral("n/a"), QStringLiteral(""), QStringLiteral("4")};
    const TCase Cases[] = {
        {"Sum", gcSum, Mixed, 6},
        // average, minimum and maximum over the cells that held a number
        {"Avg", gcAvg, Mixed, 3},
        {"MinWithTextFirst", gcMin, {QStringLiteral("x"), QStringLiteral("5"), QStringLiteral("3")}, 3},
        {"Max", gcMax, Mixed, 4},
        {"StdDevPopulation", gcStdDev, Mixed, 1},
        {"NoNumbers", gcAvg, {QStringLiteral("a"), QStringLiteral("b")}, 0},
        // distinct texts ignore letter case and count the empty text
        {"Distinct", gcDistinct, {QStringLiteral("a"), QStringLiteral("A"), QStringLiteral(""), QStringLiteral("b")}, 3},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        ASSERT_TRUE(Column_Calc(C.Method, C.Texts).has_value());
        EXPECT_DOUBLE_EQ(*Column_Calc(C.Method, C.Texts), C.Want);
    }
    EXPECT_FALSE(Column_Calc(gcCount, Mixed).has_value());
    EXPECT_FALSE(Cell_Number(QStringLiteral("abc")).has_value());
}

// --- find ----------------------------------------------------------------------------------------------

namespace {
std::vector<TPoint> Walk_All(TFindWalk W)
{
    std::vector<TPoint> Seen;
    TPoint At{-1, -1};
    for (int Guard = 0; Guard < 100; ++Guard) {
        At = Find_Walk(W, At, [](int, int) { return true; });
        if (At.X < 0)
            break;
        Seen.push_back(At);
    }
    return Seen;
}
} // namespace

TEST(GridFind, WalkOrderAndEnd)
{
    struct TCase { const char *Name; bool RowByRow, Backward; std::vector<TPoint> Want; };
    const TCase Cases[] = {
        // down a column first, then the next column
        {"ColumnByColumn", false, false, {{1, 1}, {1, 2}, {2, 1}, {2, 2}}},
        {"RowByRow", true, false, {{1, 1}, {2, 1}, {1, 2}, {2, 2}}},
        {"Backward", false, true, {{2, 2}, {2, 1}, {1, 2}, {1, 1}}},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        TFindWalk W;
        W.Range = {1, 1, 2, 2};
        W.RowByRow = C.RowByRow;
        W.Backward = C.Backward;
        EXPECT_EQ(Walk_All(W), C.Want);
    }
    // row by row, ignored columns are passed over
    TFindWalk W;
    W.Range = {1, 1, 2, 2};
    W.RowByRow = true;
    W.Ignored = [](int C) { return C == 2; };
    EXPECT_EQ(Walk_All(W), (std::vector<TPoint>{{1, 1}, {1, 2}}));
    // past the last cell the walk ends; it never wraps round
    W.Ignored = nullptr;
    EXPECT_EQ(Find_Walk(W, {2, 2}, [](int, int) { return true; }), (TPoint{-1, -1}));
    W.Range = {1, 1, 0, 0};
    EXPECT_EQ(Find_Walk(W, {-1, -1}, [](int, int) { return true; }), (TPoint{-1, -1}));
}

TEST(GridFind, CellTest)
{
    struct TCase { const char *Name; const char *Cell, *Search; TFindParams P; bool Want; };
    const TCase Cases[] = {
        {"ContainsNoCase", "xABy", "ab", {}, true},
        {"CaseCounts", "xABy", "ab", {fnMatchCase}, false},
        {"StartMatches", "abc", "ab", {fnMatchStart}, true},
        {"StartRefuses", "cab", "ab", {fnMatchStart}, false},
        {"FullOnlyEqual", "abc", "ab", {fnMatchFull}, false},
        {"FullEqual", "ab", "ab", {fnMatchFull}, true},
        // two double quotes find an empty cell
        {"EmptyCell", "", "\"\"", {}, true},
        {"NotEmptyCell", "x", "\"\"", {}, false},
        {"TagsIgnored", "<b>a</b>b", "ab", {fnIgnoreHTMLTags}, true},
        {"TagsKept", "<b>a</b>b", "ab", {}, false},
        {"Expression", "15", ">10", {fnMatchRegular}, true},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        const QString S = QString::fromUtf8(C.Search);
        EXPECT_EQ(Find_Text_Matches(QString::fromUtf8(C.Cell), Prepare_Search_Text(S, C.P), S, C.P), C.Want);
    }
    int N = 0;
    EXPECT_EQ(Replace_Text(QStringLiteral("AbA"), QStringLiteral("a"), QStringLiteral("b"), false, &N), QStringLiteral("bbb"));
    EXPECT_EQ(N, 2);
    EXPECT_EQ(Replace_Text(QStringLiteral("AbA"), QStringLiteral("a"), QStringLiteral("b"), true, &N), QStringLiteral("AbA"));
    EXPECT_EQ(N, 0);
}

// The test made ready once for a walk answers every cell as the general
// test does, under every parameter that changes the comparison; letter case
// is ignored as upper-cased copies ignore it (sharp s, ligatures, dotless i,
// characters outside the basic plane).
TEST(GridFind, PreparedTestAnswersAsTheGeneralOne)
{
    const char *const Searches[] = {"ab", "AB", "b", "", "\"\"", "straße", "STRASSE", "ss", "ﬁ", "FI", "ı", "i", "I",
                                    "😀", ">10", "a*", "<b>a"};
    const char *const Cells[] = {"", "ab", "xABy", "cab", "abc", "ABC", "straße", "STRASSE", "ﬁle", "FILE", "ı", "I",
                                 "i", "😀x", "15", "<b>a</b>b", "&amp;ab"};
    const TFindParams Params[] = {{}, {fnMatchCase}, {fnMatchStart}, {fnMatchFull}, {fnMatchCase, fnMatchFull},
                                  {fnMatchStart, fnMatchFull}, {fnIgnoreHTMLTags}, {fnMatchRegular},
                                  {fnMatchRegular, fnMatchCase}, {fnMatchRegular, fnIgnoreHTMLTags}};
    for (size_t I = 0; I < std::size(Params); ++I)
        for (const char *Search : Searches) {
            const TFindParams P = Params[I];
            const QString S = QString::fromUtf8(Search);
            const TFindMatcher M(S, P);
            for (const char *Cell : Cells) {
                SCOPED_TRACE(std::string("[") + Search + "] in [" + Cell + "], parameters #" + std::to_string(I));
                const QString C = QString::fromUtf8(Cell);
                EXPECT_EQ(M.Matches(C), Find_Text_Matches(C, Prepare_Search_Text(S, P), S, P));
            }
        }
}

// --- hidden rows by reason ---------------------------------------------------------------------------

TEST(GridModelHideReason, EachWayShowsOnlyItsOwnRows)
{
    TGridModel M;
    for (int R = 0; R < 10; ++R)
        M.Set_Cell(0, R, QString::number(R));
    M.Hide_Rows(1, 2, {});                         // by hand
    M.Hide_Rows(5, 5, {}, hrNode);                 // by a node
    M.Hide_Row_List({4, 5}, 0, {});                // a filter at level 0: display 4, 5 = real 7, 8
    ASSERT_EQ(M.Check_Consistency(), QString());
    EXPECT_EQ(M.Hidden_Row_Count(), 5);
    // removing the filter level shows the filtered rows only
    EXPECT_EQ(M.Unhide_Level(0), 2);
    EXPECT_EQ(M.Hidden_Row_Count(), 3);
    EXPECT_TRUE(M.Is_Hidden_Row(1));
    EXPECT_TRUE(M.Is_Hidden_Row(5));
    // expanding a node shows the node's rows only, even over a wider range
    EXPECT_EQ(M.Unhide_Rows_Hidden_For(0, 9, hrNode), 1);
    EXPECT_TRUE(M.Is_Hidden_Row(1));
    EXPECT_EQ(M.Check_Consistency(), QString());
    // rows inserted and deleted on screen keep hidden rows in their places
    M.Insert_Display_Rows(0, 1);                   // before the hidden rows 1, 2
    EXPECT_TRUE(M.Is_Hidden_Row(2) && M.Is_Hidden_Row(3));
    M.Delete_Display_Rows(0, 1);
    EXPECT_TRUE(M.Is_Hidden_Row(1) && M.Is_Hidden_Row(2));
    EXPECT_EQ(M.Check_Consistency(), QString());
    EXPECT_EQ(M.Unhide_Rows(1, 2), 2);
    for (int R = 0; R < 10; ++R)
        EXPECT_EQ(M.Cell(0, R), QString::number(R));
}
