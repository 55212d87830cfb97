// The filter session kept apart from the grid: levels of hidden rows, the
// narrowing as the user types, the drop-down's list and the choices made in
// it, over a fake grid of one text column.
#include "grid/stringgrid/GridFilterSession.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <cmath>
#include <map>

namespace {

// Display rows hold one text each; row 0 is the fixed header. Hidden rows
// wait by level with the display row they had, as the grid keeps them.
class TFakeRows final : public IGridFilterRows {
public:
    TFakeRows(TGridFilterSession &S, QStringList Rows) : Session(S), Texts(std::move(Rows)) {}
    TGridFilterSession &Session;
    QStringList Texts;
    std::map<int, std::vector<std::pair<int, QString>>> Levels;
    int FilterLevel = 0;
    int FixedRows = 1;
    TFilterOptions Opt{true, true, false, false, QStringLiteral("(All)")};
    std::vector<short> Progressed;
    QStringList Log;
    int Builds = 0;
    QString SelectOverride;   // the condition the select event sets (when not empty)

    QStringList Visible() const { return Texts.mid(FixedRows); }

    TFilterOptions Options() const override { return Opt; }
    int Row_Count() const override { return static_cast<int>(Texts.size()); }
    int Fixed_Rows() const override { return FixedRows; }
    void Set_Fixed_Rows(int Value) override { FixedRows = Value; }
    int Fixed_Cols() const override { return 1; }
    int Fixed_Footers() const override { return 0; }
    int Total_Col_Count() const override { return 2; }
    // "group" rows are node rows.
    bool Is_Group_Row(int Row) override { return Texts[Row].startsWith(QStringLiteral("group")); }
    bool Row_Matches(int Row) override
    {
        return Filter_Row_Matches(Session.Filter(), [&](const TFilterData &) { return Texts[Row]; });
    }
    void Progress(short Percent) override { Progressed.push_back(Percent); }
    void Hide_Level(const std::vector<int> &Rows) override
    {
        auto &L = Levels[FilterLevel++];
        for (auto It = Rows.rbegin(); It != Rows.rend(); ++It) {
            L.insert(L.begin(), {*It, Texts[*It]});
            Texts.removeAt(*It);
        }
    }
    void Show_Last_Level() override
    {
        for (const auto &[At, Text] : Levels[FilterLevel - 1])
            Texts.insert(At, Text);
        Levels.erase(FilterLevel - 1);
    }
    int Level() const override { return FilterLevel; }
    void Set_Level(int Value) override { FilterLevel = Value; }
    QString Cell_Text(int, int Row) override { return Texts[Row].trimmed(); }
    QStringList Hidden_Texts(int) override
    {
        QStringList T;
        for (const auto &L : Levels)
            for (const auto &E : L.second)
                T.append(E.second);
        return T;
    }
    bool Build_List(int Col) override
    {
        ++Builds;
        return Session.Build_List(*this, Col);
    }
    void Column_List_Event(int, QStringList &) override {}
    void Select_Event(int, int, const QString &Name, QString &Condition) override
    {
        Log << QStringLiteral("select ") + Name;
        if (!SelectOverride.isEmpty())
            Condition = SelectOverride;
    }
    void Check_Event(int, int, const QString &Name, QString &, const std::vector<bool> &) override
    {
        Log << QStringLiteral("check ") + Name;
    }
    void Filter_Done() override { Log << QStringLiteral("done"); }
    void Keep_Fixed_Row() override {}
    void Keep_Current_Cell() override {}
    void Set_Row(int Value) override { Log << QStringLiteral("row %1").arg(Value); }
    void Set_Top_Row(int) override {}
    void Restore_Selection() override {}
    void Forget_Hidden_Selection() override {}
    void Recalc_Footers() override {}
    void Begin_Update() override {}
    void End_Update() override {}
    void Take_Focus() override {}
    void Repaint() override {}
};

const QStringList Words = {"head", "ab", "abc", "abd", "xyz"};

// Typing narrows one level per character and widens one level per
// character taken back; any other change starts over from every row.
TEST(GridFilterSession, NarrowDownKeepsOneLevelPerCharacter)
{
    struct TStep {
        const char *Name;
        const char *Typed;
        QStringList Visible;
        int Level;
    };
    const TStep Steps[] = {
        {"FirstCharacter", "a", {"ab", "abc", "abd"}, 1},
        {"SecondCharacter", "ab", {"ab", "abc", "abd"}, 2},
        {"ThirdCharacter", "abc", {"abc"}, 3},
        {"TakenBack", "ab", {"ab", "abc", "abd"}, 2},
        {"Replaced", "x", {"xyz"}, 1},
        {"Cleared", "", {"ab", "abc", "abd", "xyz"}, 0},
        {"AfterClear", "d", {"abd"}, 1},
    };
    TGridFilterSession S;
    TFakeRows Rows(S, Words);
    for (const TStep &Step : Steps) {
        SCOPED_TRACE(Step.Name);
        S.Narrow_Down(Rows, QString::fromUtf8(Step.Typed), 1);
        EXPECT_EQ(Rows.Visible(), Step.Visible);
        EXPECT_EQ(Rows.Level(), Step.Level);
        EXPECT_EQ(S.Last_Condition(), QString::fromUtf8(Step.Typed));
    }
}

// Switching on hides the failing rows as one level, once; switching off
// gives exactly those rows back and takes the level away. Node rows stay
// unless every row is tested; progress is reported after every row.
TEST(GridFilterSession, ActiveHidesOneLevel)
{
    struct TCase {
        const char *Name;
        bool NormalOnly;
        QStringList Visible;
        std::vector<short> Progress;
    };
    const TCase Cases[] = {
        {"NodeRowsStay", true, {"abc", "group x"}, {25, 50, 75, 100, 100}},
        {"EveryRowTested", false, {"abc"}, {25, 50, 75, 100, 100}},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        TGridFilterSession S;
        TFakeRows Rows(S, {"head", "ab", "abc", "group x", "xyz"});
        Rows.Opt.NormalCellsOnly = C.NormalOnly;
        S.Filter().Add().Condition = QStringLiteral("abc");
        S.Set_Active(Rows, true);
        S.Set_Active(Rows, true);
        EXPECT_EQ(Rows.Visible(), C.Visible);
        EXPECT_EQ(Rows.Level(), 1);
        EXPECT_EQ(Rows.Progressed, C.Progress);
        S.Set_Active(Rows, false);
        EXPECT_EQ(Rows.Visible(), (QStringList{"ab", "abc", "group x", "xyz"}));
        EXPECT_EQ(Rows.Level(), 0);
        EXPECT_FALSE(S.Remove_Last(Rows));
    }
}

// Progress comes after every row, also while the percentage stands still,
// and once more with the last value; node rows passed over count as done.
TEST(GridFilterSession, ProgressAfterEveryRow)
{
    TGridFilterSession S;
    QStringList Texts{"head"};
    for (int I = 0; I < 250; ++I)
        Texts << (I == 7 ? QStringLiteral("group") : QStringLiteral("row %1").arg(I));
    TFakeRows Rows(S, Texts);
    S.Filter().Add().Condition = QStringLiteral("*1*");
    S.Set_Active(Rows, true);
    std::vector<short> Want;
    for (int Done = 1; Done <= 250; ++Done)
        Want.push_back(static_cast<short>(std::lround(100.0 * Done / 250)));
    Want.push_back(100);
    EXPECT_EQ(Rows.Progressed, Want);
    // the rows holding a 1 stay, and the node row, which is never tested
    const auto Kept = std::count_if(Texts.begin() + 1, Texts.end(),
                                    [](const QString &T) { return T.contains(u'1') || T == QLatin1String("group"); });
    EXPECT_EQ(Rows.Visible().size(), Kept);
}

// The drop-down lists the column's distinct texts sorted, a text with a
// blank as a quoted condition, the clear entry first; hidden rows count
// unless the list is incremental; fixed columns only when all columns may.
TEST(GridFilterSession, DropDownList)
{
    struct TCase {
        const char *Name;
        bool Auto;
        int Col;
        bool AllColumns;
        bool Incremental;
        const char *Clear;
        QStringList List;
    };
    const QString NY = QStringLiteral("New York=\"New York\"");
    const TCase Cases[] = {
        {"SortedDistinct", true, 1, false, false, "(All)", {"(All)", NY, "Paris", "Rome"}},
        {"NoClearEntry", true, 1, false, false, "", {NY, "Paris", "Rome"}},
        {"IncrementalLeavesHiddenOut", true, 1, false, true, "(All)", {"(All)", "Paris", "Rome"}},
        {"OffListsNothing", false, 1, false, false, "(All)", {}},
        {"FixedColumnRefused", true, 0, false, false, "(All)", {}},
        {"FixedColumnWithAll", true, 0, true, false, "(All)", {"(All)", NY, "Paris", "Rome"}},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        TGridFilterSession S;
        TFakeRows Rows(S, {"head", "Rome", " Paris ", "Rome", "New York"});
        // New York waits in a hidden level.
        Rows.Hide_Level({4});
        Rows.Opt.AllColumns = C.AllColumns;
        Rows.Opt.Incremental = C.Incremental;
        Rows.Opt.Clear = QString::fromUtf8(C.Clear);
        S.Set_DropDownAuto(C.Auto);
        EXPECT_EQ(S.Build_List(Rows, C.Col), !C.List.isEmpty());
        EXPECT_EQ(S.List(), C.List);
    }
}

// A choice in the drop-down sets the column's condition (the clear entry
// removes it) and filters at once; a check list joins its entries by "or".
// A column outside the grid is ignored; the column is taken either way.
TEST(GridFilterSession, DropDownChoices)
{
    struct TCase {
        const char *Name;
        int Col;
        int Index;                // Select; -1: Check with Checked
        std::vector<bool> Checked;
        QStringList Conditions;   // the filter afterwards
        QStringList Visible;
        QStringList Log;
    };
    const TCase Cases[] = {
        {"SelectEntry", 1, 2, {}, {"Rome"}, {"Rome", "Rome"}, {"select Rome", "row 1", "done"}},
        {"SelectClear", 1, 0, {}, {}, {"Rome", "Paris", "Rome"}, {"select (All)", "row 1", "done"}},
        {"SelectOutsideGrid", 5, 1, {}, {"old"}, {"Rome", "Paris", "Rome"}, {}},
        {"SelectPastList", 1, 9, {}, {"old"}, {"Rome", "Paris", "Rome"}, {}},
        {"CheckTwo", 1, -1, {false, true, true}, {"Paris", "Rome"}, {"Rome", "Paris", "Rome"},
         {"check Paris", "check Rome"}},
        {"CheckOne", 1, -1, {false, true}, {"Paris"}, {"Paris"}, {"check Paris"}},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        TGridFilterSession S;
        TFakeRows Rows(S, {"head", "Rome", "Paris", "Rome"});
        S.Set_DropDownAuto(true);
        S.Filter().Add().Condition = QStringLiteral("old");
        S.Filter().Items(0).Column = 1;
        S.Set_Col(C.Col);
        if (C.Index >= 0) {
            S.Select(Rows, C.Index);
            EXPECT_EQ(S.Col(), -1);
        } else
            S.Check(Rows, C.Checked);
        QStringList Conditions;
        for (const TFilterData &D : S.Filter())
            Conditions << D.Condition;
        EXPECT_EQ(Conditions, C.Conditions);
        for (int I = 1; I < S.Filter().Count(); ++I)
            EXPECT_EQ(S.Filter().Items(I).Operation, foOR);
        EXPECT_EQ(Rows.Visible(), C.Visible);
        EXPECT_EQ(Rows.Log, C.Log);
    }
}

// The drop-down row is one of the fixed rows.
TEST(GridFilterSession, DropDownRowIsFixed)
{
    TGridFilterSession S;
    EXPECT_TRUE(S.Set_DropDownRow(1, 2));
    EXPECT_FALSE(S.Set_DropDownRow(2, 2));
    EXPECT_FALSE(S.Set_DropDownRow(-1, 2));
    EXPECT_EQ(S.DropDownRow(), 1);
}

} // namespace
