// The string grid's data features: row nodes, grouping with group and footer
// calculations, filtering and narrowing, find and replace, highlight and mark.
#include "grid/model/TextRoutines.h"
#include "grid/stringgrid/GridPanels.h"
#include "grid/stringgrid/RIraRevadiVizo.h"
#include <QLineEdit>
#include <gtest/gtest.h>
#include <memory>

namespace {
// A grid with one fixed row and column; Data[r] fills column 1.. of row r + 1.
std::unique_ptr<RIraRevadiVizo> Make_Grid(const std::vector<QStringList> &Data, int Cols = 3)
{
    auto G = std::make_unique<RIraRevadiVizo>();
    G->Set_ColCount(Cols);
    G->Set_RowCount(static_cast<int>(Data.size()) + 1);
    for (int R = 0; R < static_cast<int>(Data.size()); ++R)
        for (int C = 0; C < Data[static_cast<size_t>(R)].size(); ++C)
            G->Set_Cells(C + 1, R + 1, Data[static_cast<size_t>(R)][C]);
    return G;
}

// Column C of every display row, "#" for a node row, "=" for a summary row.
QStringList Column(RIraRevadiVizo &G, int C)
{
    QStringList L;
    for (int R = G.FixedRows(); R < G.RowCount(); ++R)
        L << (G.IsNode(R) ? QStringLiteral("#") : G.IsSummary(R) ? QStringLiteral("=") : QString()) + G.Cells(C, R);
    return L;
}

void Expect_Consistent(RIraRevadiVizo &G) { EXPECT_EQ(G.Model().Check_Consistency(), QString()); }
} // namespace

// --- row nodes ----------------------------------------------------------------------------------------

TEST(StringGridNodes, AddContractExpand)
{
    std::vector<QStringList> Rows;
    for (int I = 1; I <= 6; ++I)
        Rows.push_back({QStringLiteral("r%1").arg(I)});
    auto G = Make_Grid(Rows);
    G->AddNode(1, 3);
    EXPECT_TRUE(G->IsNode(1));
    EXPECT_FALSE(G->GetNodeState(1));
    EXPECT_EQ(G->GetNodeSpan(1), 3);
    EXPECT_EQ(G->GetNodeLevel(1), 1);
    // row 2 is no node, though its properties carry the level
    EXPECT_EQ(G->GetNodeLevel(2), -1);
    EXPECT_EQ(G->GetCellProperties(0, 2)->NodeLevel(), 1);
    EXPECT_EQ(G->GetCellProperties(0, 3)->NodeLevel(), 1);
    EXPECT_EQ(G->Find_Cell_Props(0, 4), nullptr);
    EXPECT_EQ(G->NumNodes(), 1);

    G->ContractNode(1);
    EXPECT_TRUE(G->GetNodeState(1));
    EXPECT_EQ(G->NumHiddenRows(), 2);
    EXPECT_EQ(G->RowCount(), 5);
    EXPECT_EQ(G->Cells(1, 2), QStringLiteral("r4"));
    G->ContractNode(1);   // already contracted: nothing
    EXPECT_EQ(G->NumHiddenRows(), 2);
    G->ExpandNode(1);
    EXPECT_EQ(G->RowCount(), 7);
    EXPECT_EQ(Column(*G, 1), (QStringList{"#r1", "r2", "r3", "r4", "r5", "r6"}));
    Expect_Consistent(*G);

    // getters on a row without a node
    EXPECT_FALSE(G->GetNodeState(4));
    EXPECT_EQ(G->GetNodeSpan(4), -1);
    EXPECT_EQ(G->GetSubNodeCount(4), 0);
    G->RemoveNode(1);
    EXPECT_FALSE(G->IsNode(1));
    EXPECT_EQ(G->GetCellProperties(0, 2)->NodeLevel(), 0);
    EXPECT_EQ(G->NumNodes(), 0);
}

TEST(StringGridNodes, SpanZeroNestedAndExpandOne)
{
    auto G = Make_Grid(std::vector<QStringList>(8, QStringList{QStringLiteral("x")}));
    // a node of span 0 covers the rows up to the next node row
    G->AddNode(1, 0);
    G->AddNode(4, 2);
    G->ContractNode(1);
    EXPECT_EQ(G->NumHiddenRows(), 2);
    G->ExpandNode(1);
    EXPECT_EQ(G->NumHiddenRows(), 0);
    G->RemoveAllNodes();
    EXPECT_EQ(G->NumNodes(), 0);

    // nodes at 1 (span 5) and 2 (span 2): contract 2, contract 1, expand 1
    G->AddNode(1, 5);
    G->AddNode(2, 2);
    EXPECT_EQ(G->GetNodeLevel(2), 2);
    EXPECT_EQ(G->GetParentRow(3), 2);
    EXPECT_EQ(G->GetParentRow(2), 1);
    EXPECT_EQ(G->GetParentRow(1), 1);   // a top-level node row answers itself
    EXPECT_EQ(G->GetParentRow(7), -1);  // a plain row outside every node
    G->ContractNode(2);
    EXPECT_EQ(G->GetParentRow(3), 1);   // row 3 is now what was row 4
    G->ContractNode(1);
    EXPECT_EQ(G->NumHiddenRows(), 4);
    G->ExpandNode(1);
    EXPECT_EQ(G->NumHiddenRows(), 0);
    EXPECT_FALSE(G->GetNodeState(2));
    Expect_Consistent(*G);

    // with ExpandOne, expanding one node contracts every other expanded node
    G->RemoveAllNodes();
    G->AddNode(1, 3);
    G->AddNode(4, 3);
    G->ContractNode(4);
    G->CellNode().Set_ExpandOne(true);
    G->ExpandNode(4);
    EXPECT_TRUE(G->GetNodeState(1));
    EXPECT_FALSE(G->GetNodeState(G->DisplRowIndex(4)));
}

TEST(StringGridNodes, ContractAllAndGlyph)
{
    auto G = Make_Grid(std::vector<QStringList>(8, QStringList{QStringLiteral("x")}));
    G->AddNode(1, 3);
    G->AddNode(4, 4);
    G->ContractAll();
    EXPECT_EQ(G->RowCount(), 4);   // fixed row, two node rows, the plain last row
    EXPECT_TRUE(G->GetNodeState(1) && G->GetNodeState(2));
    // contracted nodes are not a filter level: removing filters leaves them
    EXPECT_EQ(G->FilterLevel(), 0);
    EXPECT_FALSE(G->RemoveLastFilter());
    EXPECT_EQ(G->RowCount(), 4);
    G->ExpandAll();
    EXPECT_EQ(G->RowCount(), 9);
    Expect_Consistent(*G);

    G->MouseActions().Set_PreciseNodeClick(false);
    EXPECT_TRUE(G->IsInNodeGlyph(1, 500));
    G->MouseActions().Set_PreciseNodeClick(true);
    // cnXP: left margin 4, half width 4, indent 12 at level 1
    EXPECT_TRUE(G->IsInNodeGlyph(1, 8));
    EXPECT_FALSE(G->IsInNodeGlyph(1, 4));
    EXPECT_FALSE(G->IsInNodeGlyph(1, 16));
}

TEST(StringGridNodes, ChildRows)
{
    auto G = Make_Grid({{"h"}, {"a"}, {"b"}, {"after"}});
    G->AddNode(1, 3);
    G->InsertChildRow(2, 1);   // below row 2, inside the node
    EXPECT_EQ(G->GetNodeSpan(1), 4);
    EXPECT_EQ(G->GetCellProperties(0, 3)->NodeLevel(), 1);
    G->Set_Cells(1, 3, QStringLiteral("new"));
    EXPECT_EQ(Column(*G, 1), (QStringList{"#h", "a", "new", "b", "after"}));
    G->RemoveChildRow(3);
    EXPECT_EQ(G->GetNodeSpan(1), 3);
    EXPECT_EQ(Column(*G, 1), (QStringList{"#h", "a", "b", "after"}));
    // a normal row inserted above a contracted node keeps its rows hidden and in place
    G->ContractNode(1);
    G->InsertNormalRow(1);
    EXPECT_TRUE(G->GetNodeState(2));
    G->ExpandNode(G->RealRowIndex(2));
    EXPECT_EQ(Column(*G, 1), (QStringList{"", "#h", "a", "b", "after"}));
    Expect_Consistent(*G);
}

// --- grouping ----------------------------------------------------------------------------------------------

TEST(StringGridGroup, Layouts)
{
    struct TCase { const char *Name; bool Summary; int Column; QStringList Want; };
    const TCase Cases[] = {
        // sorted runs get a header node each, spanning header and data rows
        {"Plain", false, 2, {"#A", "1", "3", "#B", "0", "2"}},
        // summary rows come after each group, outside the node
        {"Summary", true, 2, {"#A", "1", "3", "=", "#B", "0", "2", "="}},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        auto G = Make_Grid({{"0", "B"}, {"1", "A"}, {"2", "B"}, {"3", "A"}});
        G->Set_Cells(2, 0, QStringLiteral("Letter"));
        G->Grouping().Summary = C.Summary;
        G->Group(C.Column);
        EXPECT_EQ(G->GroupColumn(), C.Column);
        EXPECT_EQ(G->ColCount(), 2);
        EXPECT_EQ(Column(*G, 1), C.Want);
        EXPECT_EQ(G->GetNodeSpan(1), 3);
        Expect_Consistent(*G);
        G->UnGroup();
        EXPECT_EQ(G->GroupColumn(), -1);
        EXPECT_EQ(G->ColCount(), 3);
        EXPECT_EQ(G->Cells(2, 0), QStringLiteral("Letter"));
        EXPECT_EQ(Column(*G, 1), (QStringList{"1", "3", "0", "2"}));
        EXPECT_EQ(Column(*G, 2), (QStringList{"A", "A", "B", "B"}));
        EXPECT_EQ(G->NumNodes(), 0);
        Expect_Consistent(*G);
    }
}

// Without hidden rows the headers and summaries go in all at once; with a
// hidden row they go in one by one. Both give the same shown grid: texts,
// nodes and their spans, summaries, colours, heights and row marks each
// stay with their rows. (The second grid's extra row, hidden after the
// data, never shows.)
TEST(StringGridGroup, AllAtOnceAsRowByRow)
{
    struct TCase { const char *Name; bool Summary, MergeHeader, MergeSummary, Footer; TColor Header; };
    const TCase Cases[] = {
        {"Plain", false, false, false, false, clNone},
        {"Summary", true, false, false, false, clNone},
        {"Merged", true, true, true, false, clNone},
        {"ColouredWithFooter", true, false, false, true, clYellow},
    };
    const char *const Keys[] = {"B", "A", "C", "B", "A", "A", "D", "C", "B", "A"};
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        std::unique_ptr<RIraRevadiVizo> Grids[2];
        for (int K = 0; K < 2; ++K) {
            std::vector<QStringList> Data;
            for (int I = 0; I < 10; ++I)
                Data.push_back({QString::number(I), QString::fromLatin1(Keys[I])});
            if (K == 1)
                Data.push_back({"hidden", "Z"});
            if (C.Footer)
                Data.push_back({"total", ""});
            auto &G = Grids[K] = Make_Grid(Data);
            if (C.Footer)
                G->Set_FixedFooters(1);
            G->Grouping().Summary = C.Summary;
            G->Grouping().MergeHeader = C.MergeHeader;
            G->Grouping().MergeSummary = C.MergeSummary;
            G->Grouping().HeaderColor = C.Header;
            G->Set_RowHeights(3, 40);
            G->Set_RowHeights(7, 33);
            G->SetRowModified(5, true);
            G->SetRowSelect(2, true);
            G->SetRowSelect(9, true);
            if (K == 1)
                G->HideRow(11);
            G->Group(2);
            Expect_Consistent(*G);
        }
        RIraRevadiVizo &A = *Grids[0], &B = *Grids[1];
        ASSERT_EQ(A.RowCount(), B.RowCount());
        EXPECT_EQ(A.NumNodes(), 4);
        for (int R = 0; R < A.RowCount(); ++R) {
            SCOPED_TRACE(R);
            EXPECT_EQ(A.IsNode(R), B.IsNode(R));
            EXPECT_EQ(A.IsSummary(R), B.IsSummary(R));
            EXPECT_EQ(A.GetNodeSpan(R), B.GetNodeSpan(R));
            EXPECT_EQ(A.RowHeights(R), B.RowHeights(R));
            EXPECT_EQ(A.GetRowModified(R), B.GetRowModified(R));
            EXPECT_EQ(A.GetRowSelect(R), B.GetRowSelect(R));
            for (int Col = 0; Col < A.ColCount(); ++Col) {
                EXPECT_EQ(A.Cells(Col, R), B.Cells(Col, R));
                EXPECT_EQ(A.IsBaseCell(Col, R), B.IsBaseCell(Col, R));
                const TCellProperties *PA = A.Find_Cell_Props(Col, R), *PB = B.Find_Cell_Props(Col, R);
                EXPECT_EQ(PA ? PA->BrushColor() : clNone, PB ? PB->BrushColor() : clNone);
                EXPECT_EQ(PA ? PA->NodeLevel() : -1, PB ? PB->NodeLevel() : -1);
            }
        }
        EXPECT_EQ(A.SelectedRows(), B.SelectedRows());
    }
}

TEST(StringGridGroup, ByColumnOneAndRefusals)
{
    auto G = Make_Grid({{"B", "0"}, {"A", "1"}});
    G->Group(1);
    // the header text was put in column 2 and stands in column 1 once column 1 is gone
    EXPECT_EQ(Column(*G, 1), (QStringList{"#A", "1", "#B", "0"}));
    G->UnGroup();
    EXPECT_EQ(Column(*G, 1), (QStringList{"A", "B"}));
    EXPECT_EQ(Column(*G, 2), (QStringList{"1", "0"}));

    // nodes live in column 0: grouping by it is refused, as by a fixed column
    auto H = Make_Grid({{"B"}, {"A"}});
    H->Set_FixedCols(0);
    H->Group(0);
    EXPECT_EQ(H->GroupColumn(), -1);
    H->Set_GroupColumn(0);
    EXPECT_EQ(H->GroupColumn(), -1);
    EXPECT_EQ(H->NumNodes(), 0);
    H->UnGroup();   // ungrouped: nothing
    EXPECT_EQ(H->ColCount(), 3);
}

TEST(StringGridGroup, Calculations)
{
    auto G = Make_Grid({{"A", "", "1"}, {"A", "", "n/a"}, {"A", "", "3"}, {"B", "", "10"}, {"B", "", "20"}}, 4);
    G->Group(1);
    // after the grouped column went, the numbers stand in column 2
    ASSERT_EQ(Column(*G, 1), (QStringList{"#A", "", "", "", "#B", "", ""}));
    ASSERT_EQ(Column(*G, 2), (QStringList{"#", "1", "n/a", "3", "#", "10", "20"}));
    struct TCase { const char *Name; void (RIraRevadiVizo::*Calc)(int); QString A, B; };
    const TCase Cases[] = {
        // a text cell is passed over, never raised on
        {"Sum", &RIraRevadiVizo::GroupSum, "4.00", "30.00"},
        {"Avg", &RIraRevadiVizo::GroupAvg, "2.00", "15.00"},
        {"Min", &RIraRevadiVizo::GroupMin, "1.00", "10.00"},
        {"Max", &RIraRevadiVizo::GroupMax, "3.00", "20.00"},
        {"StdDev", &RIraRevadiVizo::GroupStdDev, "1.00", "5.00"},
        // the count is the group's data rows, written into the header without Summary
        {"Count", &RIraRevadiVizo::GroupCount, "3", "2"},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        (G.get()->*C.Calc)(2);
        EXPECT_EQ(G->Cells(2, 1), C.A);
        EXPECT_EQ(G->Cells(2, 5), C.B);
    }
    // a contracted group gets nothing written
    G->Set_Cells(2, 5, QString());
    G->ContractNode(G->RealRowIndex(5));
    G->GroupSum(2);
    EXPECT_EQ(G->Cells(2, 5), QString());
}

// The floating footer's row holds the totals: the current cell never lands
// there, by setter or by key, and so it is never edited.
TEST(StringGridGroup, FloatingFooterRowIsNotSelectable)
{
    auto G = Make_Grid({{"1"}, {"2"}, {"3"}, {"total"}});
    G->Set_Options(G->Options() + goEditing);
    G->FloatingFooter().Visible = true;
    const int Last = G->RowCount() - 1;
    EXPECT_TRUE(G->IsFixed(1, Last));
    G->Set_Row(Last - 1);
    G->Set_Row(Last);
    EXPECT_EQ(G->Row(), Last - 1);
    G->FloatingFooter().Visible = false;
    EXPECT_FALSE(G->IsFixed(1, Last));
}

// Whoever reports changed cells gets the footer's totals recalculated.
TEST(StringGridGroup, CellsChangedRecalculatesTheFooter)
{
    auto G = Make_Grid({{"1"}, {"2"}, {"3"}, {""}});
    G->FloatingFooter().Visible = true;
    G->SetColumnCalc(1, acSUM);
    G->CalcFooter(-1);
    ASSERT_EQ(G->Cells(1, 4), QStringLiteral("6.00"));
    G->Set_Cells(1, 1, QStringLiteral("10"));
    G->CellsChanged({1, 1, 1, 1});
    EXPECT_EQ(G->Cells(1, 4), QStringLiteral("15.00"));
}

TEST(StringGridGroup, FloatingFooter)
{
    auto G = Make_Grid({{"1"}, {"x"}, {"5"}, {"total"}});
    G->FloatingFooter().Visible = true;
    G->SetColumnCalc(1, acSUM);
    G->CalcFooter(-1);
    EXPECT_EQ(G->Cells(1, 4), QStringLiteral("6.00"));
    // hidden rows count while CalculateHiddenRows is set
    G->HideRow(1);
    G->CalcFooter(1);
    EXPECT_EQ(G->Cells(1, 3), QStringLiteral("6.00"));
    G->FloatingFooter().CalculateHiddenRows = false;
    G->CalcFooter(1);
    EXPECT_EQ(G->Cells(1, 3), QStringLiteral("5.00"));
    G->SetColumnCalc(1, acCOUNT);
    G->CalcFooter(1);
    EXPECT_EQ(G->Cells(1, 3), QStringLiteral("2"));
    // a custom calculation without a handler empties the footer cell
    G->SetColumnCalc(1, acCUSTOM);
    G->CalcFooter(-1);
    EXPECT_EQ(G->Cells(1, 3), QString());
    G->OnFooterCalc = [](QObject *, int, int, QString &V) { V = QStringLiteral("c"); };
    G->CalcFooter(-1);
    EXPECT_EQ(G->Cells(1, 3), QStringLiteral("c"));

    // a group shortcut gives the footer row the same calculation for its column
    auto H = Make_Grid({{"A", "", "1"}, {"A", "", "2"}, {"B", "", "x"}, {"B", "", "4"}, {"", "", ""}}, 4);
    H->FloatingFooter().Visible = true;
    H->Set_FixedFooters(1);   // the last row is the footer, outside the groups
    H->Group(1);
    const int Footer = H->RowCount() - 1;
    H->GroupSum(2);
    EXPECT_EQ(H->Find_Cell_Props(2, Footer)->CalcType(), acSUM);
    H->CalcFooter(-1);
    // the footer sums the rows above it, the header rows' group sums included
    EXPECT_EQ(H->Cells(2, Footer), QStringLiteral("14.00"));
}

// --- filtering ------------------------------------------------------------------------------------------------

TEST(StringGridFilter, Combinations)
{
    struct TCase { const char *Name; std::vector<TFilterData> Items; QStringList Visible; };
    auto Cond = [](short Col, const char *C, TFilterOperation Op, TFilterMethod M = fmExpression, bool Case = true) {
        TFilterData D;
        D.Column = Col;
        D.Condition = QString::fromUtf8(C);
        D.Operation = Op;
        D.Method = M;
        D.CaseSensitive = Case;
        return D;
    };
    const TCase Cases[] = {
        {"OnlyOrPassesAll", {Cond(1, "zzz", foOR)}, {"abc", "ABC", "x"}},
        {"LiteralHidesOtherCase", {Cond(1, "abc", foNONE, fmLiteral)}, {"abc"}},
        {"ExpressionWithoutCase", {Cond(1, "abc", foNONE, fmExpression, false)}, {"abc", "ABC"}},
        {"AndOfTwoColumns", {Cond(1, "abc", foNONE), Cond(2, "2", foAND)}, {}},
        {"OrOfTwoColumns", {Cond(1, "x", foNONE), Cond(2, "1", foOR)}, {"abc", "x"}},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        auto G = Make_Grid({{"abc", "1"}, {"ABC", "2"}, {"x", "3"}});
        G->Set_FixedRowAlways(true);   // the header stays a header when no data row passes
        for (const TFilterData &D : C.Items)
            G->Filter().Add() = D;
        G->Set_FilterActive(true);
        QStringList Visible = Column(*G, 1);
        EXPECT_EQ(Visible, C.Visible);
        G->Set_FilterActive(false);
        EXPECT_EQ(Column(*G, 1), (QStringList{"abc", "ABC", "x"}));
        Expect_Consistent(*G);
    }
}

TEST(StringGridFilter, ActiveTwiceAndProgress)
{
    auto G = Make_Grid({{"a"}, {"b"}, {"a"}, {"b"}});
    G->Filter().Add().Condition = QStringLiteral("a");
    G->Filter().Items(0).Column = 1;
    std::vector<int> Progress;
    G->OnFilterProgress = [&](QObject *, short P) { Progress.push_back(P); };
    G->Set_FilterActive(true);
    G->Set_FilterActive(true);   // applied once
    EXPECT_EQ(G->FilterLevel(), 1);
    EXPECT_EQ(G->RowCount(), 3);
    ASSERT_FALSE(Progress.empty());
    EXPECT_EQ(Progress.back(), 100);
    G->Set_FilterActive(false);
    EXPECT_EQ(G->FilterLevel(), 0);
    EXPECT_EQ(G->RowCount(), 5);

    // the footer is recalculated whether or not the switch changed
    auto F = Make_Grid({{"a", "1"}, {"b", "2"}, {"a", "3"}, {"", ""}});
    F->Set_FixedFooters(1);
    F->FloatingFooter().Visible = true;
    F->FloatingFooter().CalculateHiddenRows = false;
    F->SetColumnCalc(2, acSUM);
    F->Filter().Add() = Narrow_Down_Item(QStringLiteral("a"), 1);
    F->Set_FilterActive(true);
    EXPECT_EQ(F->Cells(2, F->RowCount() - 1), QStringLiteral("4.00"));
    F->Set_Cells(2, 1, QStringLiteral("10"));
    F->Set_FilterActive(true);
    EXPECT_EQ(F->Cells(2, F->RowCount() - 1), QStringLiteral("13.00"));
}

TEST(StringGridFilter, NarrowDown)
{
    auto G = Make_Grid({{"apple"}, {"banana"}, {"cherry"}, {"apricot"}, {"New York"}});
    struct TStep { const char *Typed; int Column; QStringList Visible; };
    const TStep Steps[] = {
        {"a", 1, {"apple", "banana", "apricot"}},
        {"ap", 1, {"apple", "apricot"}},
        // one character less restores exactly the rows the longer text hid
        {"a", 1, {"apple", "banana", "apricot"}},
        {"", 1, {"apple", "banana", "cherry", "apricot", "New York"}},
        // a blank survives into the condition, fresh and narrowing alike
        {"w Y", 1, {"New York"}},
        {"", 1, {"apple", "banana", "cherry", "apricot", "New York"}},
        {"w", -1, {"New York"}},
        {"w ", -1, {"New York"}},
        {"", -1, {"apple", "banana", "cherry", "apricot", "New York"}},
    };
    for (const TStep &S : Steps) {
        SCOPED_TRACE(S.Typed);
        G->NarrowDown(QString::fromUtf8(S.Typed), S.Column);
        EXPECT_EQ(Column(*G, 1), S.Visible);
        Expect_Consistent(*G);
    }
    // an empty text keeps rows hidden by other means
    G->HideRow(3);
    G->NarrowDown(QStringLiteral("a"), 1);
    G->NarrowDown(QString(), 1);
    EXPECT_EQ(G->NumHiddenRows(), 1);
    EXPECT_TRUE(G->IsHiddenRow(3));
}

TEST(StringGridFilter, LevelsKeepNodeAndHandHiddenRows)
{
    auto G = Make_Grid({{"h"}, {"a1"}, {"b1"}, {"a2"}, {"b2"}, {"a3"}});
    G->AddNode(1, 3);
    G->ContractNode(1);      // rows a1, b1 hidden by the node
    G->HideRow(6);           // a3 hidden by hand
    G->Filter().Add() = Narrow_Down_Item(QStringLiteral("a"), 1);
    G->Set_FilterActive(true);
    EXPECT_EQ(Column(*G, 1), (QStringList{"#h", "a2"}));
    G->Set_FilterActive(false);
    EXPECT_EQ(Column(*G, 1), (QStringList{"#h", "a2", "b2"}));
    EXPECT_TRUE(G->GetNodeState(1));
    EXPECT_TRUE(G->IsHiddenRow(6));
    G->ExpandNode(1);
    EXPECT_EQ(Column(*G, 1), (QStringList{"#h", "a1", "b1", "a2", "b2"}));
    Expect_Consistent(*G);
}

TEST(StringGridFilter, GroupRowsStayWithNormalCellsOnly)
{
    auto G = Make_Grid({{"x", "A"}, {"y", "B"}});
    G->Grouping().Summary = true;
    G->Group(2);
    G->Filter().Add() = Narrow_Down_Item(QStringLiteral("x"), 1);
    G->Set_FilterActive(true);
    EXPECT_EQ(Column(*G, 1), (QStringList{"#A", "x", "=", "#B", "="}));
}

TEST(StringGridFilter, DropDown)
{
    auto G = Make_Grid({{"New York"}, {"Paris"}, {"Paris"}, {"Rome"}});
    G->Set_FilterDropDownAuto(true);
    ASSERT_TRUE(G->BuildFilterList(1));
    EXPECT_EQ(G->FilterList(), (QStringList{"(All)", "New York=\"New York\"", "Paris", "Rome"}));
    G->Set_FilterCol(1);
    G->FilterSelect(1);
    EXPECT_EQ(G->FilterCol(), -1);
    EXPECT_EQ(Column(*G, 1), (QStringList{"New York"}));
    G->Set_FilterCol(1);
    G->FilterSelect(0);   // "(All)" removes the column's conditions
    EXPECT_EQ(G->Filter().Count(), 0);
    EXPECT_EQ(Column(*G, 1), (QStringList{"New York", "Paris", "Paris", "Rome"}));
    // a check list filters by every checked value
    G->Set_FilterCol(1);
    G->FilterCheck({false, true, false, true});
    EXPECT_EQ(Column(*G, 1), (QStringList{"New York", "Rome"}));
    // an invalid column does nothing but reset it
    G->Set_FilterCol(9);
    G->FilterSelect(1);
    EXPECT_EQ(G->FilterCol(), -1);
}

// --- find and replace -------------------------------------------------------------------------------------

TEST(StringGridFind, WalkAndNext)
{
    auto G = Make_Grid({{"ab", "x"}, {"cab", "ab"}});
    struct TCase { const char *Name; TFindParams P; std::vector<TPoint> Want; };
    const TCase Cases[] = {
        {"ColumnByColumn", {}, {{1, 1}, {1, 2}, {2, 2}}},
        {"RowByRow", {fnDirectionLeftRight}, {{1, 1}, {1, 2}, {2, 2}}},
        {"MatchStart", {fnMatchStart}, {{1, 1}, {2, 2}}},
        {"Backward", {fnBackward}, {{2, 2}, {1, 2}, {1, 1}}},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        std::vector<TPoint> Got;
        TPoint P = G->FindFirst(QStringLiteral("ab"), C.P);
        while (P.X >= 0) {
            Got.push_back(P);
            P = G->FindNext();
        }
        EXPECT_EQ(Got, C.Want);
        // after the last match the next search starts at the first cell again
        EXPECT_EQ(G->FindNext(), C.Want.front());
    }
    auto Fixed = std::make_unique<RIraRevadiVizo>();
    Fixed->Set_ColCount(1);
    Fixed->Set_FixedCols(0);
    Fixed->Set_ColCount(1);
    auto Only = Make_Grid({{"a"}});
    Only->Set_FixedCols(0);
    EXPECT_EQ(Make_Grid({}, 1)->FindFirst(QStringLiteral("a"), {}), (TPoint{-1, -1}));
    // two double quotes find the first empty cell
    auto E = Make_Grid({{"a", ""}});
    EXPECT_EQ(E->FindFirst(QStringLiteral("\"\""), {}), (TPoint{2, 1}));
    // fnAutoGoto makes the found cell current
    G->FindFirst(QStringLiteral("x"), {fnAutoGoto});
    EXPECT_EQ(G->Col(), 2);
    EXPECT_EQ(G->Row(), 1);
}

TEST(StringGridFind, ReplaceEnds)
{
    struct TCase { const char *Name; const char *From, *To; TFindParams P; int Count; QStringList Col1; };
    const TCase Cases[] = {
        // letter case ignored unless asked for
        {"NoCase", "a", "b", {}, 2, {"bbb", "xbx"}},
        {"MatchCase", "a", "b", {fnMatchCase}, 1, {"AbA", "xbx"}},
        // a replacement that still holds the text ends: each cell once
        {"GrowingText", "a", "aa", {fnMatchCase}, 1, {"AbA", "xaax"}},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        auto G = Make_Grid({{"AbA"}, {"xax"}});
        G->Set_ShowModified(true);
        EXPECT_EQ(G->Replace(QString::fromUtf8(C.From), QString::fromUtf8(C.To), C.P), C.Count);
        EXPECT_EQ(Column(*G, 1), C.Col1);
        // a changed row is marked modified
        EXPECT_TRUE(G->GetRowModified(2));
        EXPECT_EQ(G->GetRowModified(1), C.Count == 2);
    }
}

// --- highlight and mark -----------------------------------------------------------------------------------

TEST(StringGridMark, RoundTrips)
{
    const QStringList Texts{"abc", "<b>b</b>", "a&amp;b", "xyz", "<hi>own</hi>b"};
    auto Make = [&] {
        std::vector<QStringList> Rows;
        for (const QString &T : Texts)
            Rows.push_back({T});
        return Make_Grid(Rows);
    };
    struct TCase { const char *Name; std::function<void(RIraRevadiVizo &)> Mark, Unmark; };
    const TCase Cases[] = {
        {"HilightGrid", [](RIraRevadiVizo &G) { G.HilightInGrid(false, false, QStringLiteral("b")); },
         [](RIraRevadiVizo &G) { G.UnHilightInGrid(false); }},
        {"MarkColumn", [](RIraRevadiVizo &G) { G.MarkInCol(false, true, 1, QStringLiteral("b")); },
         [](RIraRevadiVizo &G) { G.UnMarkInCol(false, 1); }},
        // marking twice marks afresh from the cell's own text
        {"HilightTwice", [](RIraRevadiVizo &G) {
             G.HilightInGrid(false, false, QStringLiteral("b"));
             G.HilightInGrid(false, false, QStringLiteral("a"));
         }, [](RIraRevadiVizo &G) { G.UnHilightInGrid(true); }},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        auto G = Make();
        C.Mark(*G);
        EXPECT_NE(G->Cells(1, 1), Texts[0]);
        EXPECT_EQ(G->Cells(1, 4), Texts[3]);   // no match: untouched
        C.Unmark(*G);
        EXPECT_EQ(Column(*G, 1), Texts);
    }
    auto G = Make();
    G->HilightInCell(false, 1, 1, QStringLiteral("b"));
    EXPECT_EQ(G->Cells(1, 1), QStringLiteral("a<hi>b</hi>c"));
    // unmarking never changes a cell that was never marked (its own tags stay)
    G->UnHilightInGrid(true);
    G->UnMarkInGrid(true);
    EXPECT_EQ(Column(*G, 1), Texts);
    // header and footer rows stay out of a column without DoFixed
    G->Set_Cells(1, 0, QStringLiteral("b"));
    G->HilightInCol(false, false, 1, QStringLiteral("b"));
    EXPECT_EQ(G->Cells(1, 0), QStringLiteral("b"));
    // a merged block is marked once, through its base cell
    auto M = Make_Grid({{"b", "b"}});
    M->MergeCells(1, 1, 2, 1);
    M->HilightInRow(false, false, 1, QStringLiteral("b"));
    EXPECT_EQ(M->Cells(1, 1), QStringLiteral("<hi>b</hi>"));
    EXPECT_EQ(M->Cells(2, 1), QStringLiteral("b"));
}

// --- cell checking ---------------------------------------------------------------------------------------

namespace {
// Corrects "teh" and marks every "x".
class TTestChecker : public RIraRevadiVizoCheck {
public:
    QString Correct(int, int, const QString &S) override { return QString(S).replace(QStringLiteral("teh"), QStringLiteral("the")); }
    QString MarkError(int, int, const QString &S) override { return QString(S).replace(QStringLiteral("x"), QStringLiteral("<e>x</e>")); }
    void StartCheck() override { ++Starts; }
    void StopCheck() override { ++Stops; }
    int Starts = 0, Stops = 0;
};
} // namespace

TEST(StringGridCheck, CorrectAndMark)
{
    auto G = Make_Grid({{"teh cat", "ok"}, {"x", "fine"}});
    // without a checker everything passes and nothing changes
    EXPECT_TRUE(G->CheckGrid(false));
    EXPECT_EQ(G->Cells(1, 1), QStringLiteral("teh cat"));
    TTestChecker Checker;
    Checker.UseCorrect = true;
    Checker.UseMarkError = true;
    Checker.GotoCell = true;
    G->Set_CellChecker(&Checker);
    G->FocusCell(2, 2);
    EXPECT_FALSE(G->CheckGrid(false));
    EXPECT_EQ(Checker.Starts, 1);
    EXPECT_EQ(Checker.Stops, 1);
    EXPECT_EQ(G->Cells(1, 1), QStringLiteral("the cat"));
    EXPECT_EQ(G->Cells(1, 2), QStringLiteral("<e>x</e>"));
    // the current cell is back where it was
    EXPECT_EQ(G->Col(), 2);
    EXPECT_EQ(G->Row(), 2);
    // checking again strips the old marks first and marks afresh
    EXPECT_FALSE(G->CheckCell(1, 2));
    EXPECT_EQ(G->Cells(1, 2), QStringLiteral("<e>x</e>"));
    EXPECT_TRUE(G->CheckRow(false, 1));
    EXPECT_TRUE(G->CheckCol(false, 2));
}

// A checker deleted while the grid still names it is no longer called: the
// grid sees the deletion and checks as if it had none.
TEST(StringGridCheck, DeletedCheckerIsForgotten)
{
    auto G = Make_Grid({{"teh cat", "ok"}, {"x", "fine"}});
    auto Checker = std::make_unique<TTestChecker>();
    Checker->UseCorrect = true;
    Checker->AutoCorrect = true;
    G->Set_CellChecker(Checker.get());
    Checker.reset();
    EXPECT_EQ(G->CellChecker(), nullptr);
    EXPECT_TRUE(G->CheckGrid(false));
    EXPECT_EQ(G->Cells(1, 1), QStringLiteral("teh cat"));
    EXPECT_TRUE(G->ValidateCell(QStringLiteral("teh")));
}

// --- lookup and search footer ---------------------------------------------------------------------------

TEST(StringGridSearch, LookupAndFooter)
{
    auto G = Make_Grid({{"beta"}, {"Alpha"}, {"<b>alpine</b>"}, {"gamma"}});
    // the cell text is upper-cased, the searched text is taken as given
    EXPECT_EQ(G->Search(QStringLiteral("AL")), 2);
    EXPECT_EQ(G->Search(QStringLiteral("al")), -1);
    EXPECT_EQ(G->Search(QStringLiteral("ALPI")), 3);

    // the lookup column follows the sort settings
    {
        auto S = Make_Grid({{"a1", "b1", "c1"}, {"a2", "b2", "c2"}}, 4);
        struct TCase { const char *Name; bool Show, IndexShow; int Column; std::vector<int> Index; int Want; };
        const TCase Cases[] = {
            {"SortingNotShown", false, false, 3, {}, 1},
            {"SortColumn", true, false, 2, {}, 2},
            {"NoSortColumn", true, false, -1, {}, -1},
            {"FirstSortKey", true, true, 2, {3, 1}, 3},
            {"EmptySortKeys", true, true, 2, {}, 1},
        };
        const QStringList Prefix{"", "A", "B", "C"};
        for (const TCase &C : Cases) {
            SCOPED_TRACE(C.Name);
            S->SortSettings().Set_Show(C.Show);
            S->SortSettings().IndexShow = C.IndexShow;
            S->SortSettings().Column = C.Column;
            S->SortSettings().IndexColumns = C.Index;
            for (int Col = 1; Col <= 3; ++Col)
                EXPECT_EQ(S->Search(Prefix[Col] + QStringLiteral("2")), Col == C.Want ? 2 : -1);
        }
    }

    std::vector<TSearchAction> Actions;
    G->OnSearchFooterAction = [&](QObject *, const QString &, int, int, TSearchAction A) { Actions.push_back(A); };
    G->SearchEditChange(QStringLiteral("a"), false, false);
    EXPECT_EQ(G->SearchCell(), (TPoint{1, 1}));
    EXPECT_EQ(G->Row(), 1);
    EXPECT_EQ(G->SearchEditColor(), clWindow);
    G->SearchFindNext(QStringLiteral("a"), false, false);
    EXPECT_EQ(G->SearchCell(), (TPoint{1, 2}));
    G->SearchFindPrevious(QStringLiteral("a"), false, false);
    EXPECT_EQ(G->SearchCell(), (TPoint{1, 1}));
    G->SearchEditChange(QStringLiteral("zzz"), false, false);
    EXPECT_EQ(G->SearchEditColor(), clRed);
    EXPECT_EQ(Actions, (std::vector<TSearchAction>{saFindFirst, saFindNext, saFindPrevious, saFindFirst}));
    // Highlight down marks the matches; up takes the marks away again
    G->SearchHighlightClick(QStringLiteral("mm"), false, true);
    EXPECT_EQ(G->Cells(1, 4), QStringLiteral("ga<hi>mm</hi>a"));
    G->SearchHighlightClick(QStringLiteral("mm"), false, false);
    EXPECT_EQ(G->Cells(1, 4), QStringLiteral("gamma"));
    // a handler may refuse the default search
    G->OnSearchEditChange = [](QObject *, const QString &, bool &Default) { Default = false; };
    G->SearchEditChange(QStringLiteral("gamma"), false, false);
    EXPECT_EQ(G->SearchEditColor(), clRed);
    int Closed = 0;
    G->SearchFooter().Set_Visible(true);
    G->OnSearchFooterClose = [&](QObject *) { ++Closed; };
    G->SearchFooterClose();
    EXPECT_EQ(Closed, 1);
    EXPECT_FALSE(G->SearchFooter().Visible());

    TSearchFooter Design(true);
    EXPECT_EQ(Design.FindNextCaption(), QStringLiteral("Find &next"));
    EXPECT_EQ(Design.HintHighlight(), QStringLiteral("Highlight occurrences"));
    int Changes = 0;
    TSearchFooter F;
    F.OnChange = [&] { ++Changes; };
    F.Set_ShowClose(true);   // unchanged: no notice
    F.Set_Color(clWhite);    // colours always tell
    F.Assign(Design);
    EXPECT_EQ(Changes, 2);
    EXPECT_EQ(F.MatchCaseCaption(), QStringLiteral("Match case"));

    // the bar writes in the footer's font, which Assign copies
    TFont Big;
    Big.Name = QStringLiteral("Courier New");
    Big.Size = 14;
    Design.Set_Font(Big);
    F.Assign(Design);
    EXPECT_EQ(F.Font(), Big);
    G->SearchFooter().Assign(F);
    ASSERT_TRUE(G->SearchPanel());
    EXPECT_EQ(G->SearchPanel()->font().pointSizeF(), Big.To_QFont().pointSizeF());
    EXPECT_EQ(G->SearchPanel()->Edit()->font().family(), Big.To_QFont().family());
}

// Hidden rows searched: the answer is a real row; going there opens the
// contracted node that holds it, never a node that does not.
TEST(StringGridFind, HiddenRowsAndNodes)
{
    auto G = Make_Grid({{"h"}, {"in node"}, {"x"}, {"k"}, {"by hand"}});
    G->AddNode(1, 3);
    G->ContractNode(1);
    G->HideRow(5);
    EXPECT_EQ(G->FindFirst(QStringLiteral("in node"), {}), (TPoint{-1, -1}));
    EXPECT_EQ(G->FindFirst(QStringLiteral("by hand"), {fnIncludeHiddenRows}), (TPoint{1, 5}));
    // a row hidden by hand opens no node and stays hidden
    G->FindFirst(QStringLiteral("by hand"), {fnIncludeHiddenRows, fnAutoGoto});
    EXPECT_TRUE(G->GetNodeState(1));
    EXPECT_TRUE(G->IsHiddenRow(5));
    // a row of a contracted node opens it and becomes current
    EXPECT_EQ(G->FindFirst(QStringLiteral("in node"), {fnIncludeHiddenRows, fnAutoGoto}), (TPoint{1, 2}));
    EXPECT_FALSE(G->GetNodeState(1));
    EXPECT_EQ(G->Row(), 2);
    EXPECT_EQ(G->Cells(1, G->Row()), QStringLiteral("in node"));
    EXPECT_TRUE(G->IsHiddenRow(5));
}

TEST(StringGridFind, WideTexts)
{
    auto G = Make_Grid({{"plain"}, {EncodeWideText(QStringLiteral("\u0416ar"))}});
    EXPECT_EQ(G->FindWide({-1, -1}, QStringLiteral("\u0416A"), {}), (TPoint{1, 2}));
    EXPECT_EQ(G->FindFirst(QStringLiteral("\u0416A"), {}), (TPoint{-1, -1}));
}

TEST(StringGridNodes, SubGroupsAndTreeLines)
{
    auto G = Make_Grid({{"A", "x", "1"}, {"A", "y", "2"}, {"A", "y", "3"}, {"B", "z", "4"}}, 4);
    G->Group(1);
    ASSERT_EQ(Column(*G, 1), (QStringList{"#A", "x", "y", "y", "#B", "z"}));
    // tree lines: 0 on a node row, 2 while the next row nests as deep, 1 at the end
    EXPECT_EQ(G->GetNodeSpanType(1), 0);
    EXPECT_EQ(G->GetNodeSpanType(2), 2);
    EXPECT_EQ(G->GetNodeSpanType(G->RowCount() - 1), 1);
    G->SubGroup(1);
    // each run of equal values under a group gets a sub-header node of its own
    EXPECT_EQ(Column(*G, 2), (QStringList{"#", "#x", "1", "#y", "2", "3", "#", "#z", "4"}));
    EXPECT_EQ(Column(*G, 1), (QStringList{"#A", "#", "", "#", "", "", "#B", "#", ""}));
    EXPECT_EQ(G->GetNodeLevel(2), 2);
    EXPECT_EQ(G->GetNodeSpan(1), 6);
    Expect_Consistent(*G);
    G->SubUnGroup(1);
    EXPECT_EQ(Column(*G, 1), (QStringList{"#A", "x", "y", "y", "#B", "z"}));
    EXPECT_EQ(Column(*G, 2), (QStringList{"#", "1", "2", "3", "#", "4"}));
    EXPECT_EQ(G->GetNodeSpan(1), 4);
    Expect_Consistent(*G);
    G->UnGroup();
    EXPECT_EQ(Column(*G, 1), (QStringList{"A", "A", "A", "B"}));
    EXPECT_EQ(Column(*G, 3), (QStringList{"1", "2", "3", "4"}));
}
