// Merged columns (runs of equal texts merged down a column) and the footer
// recalculation after fills.
#include "TestSupport.h"
#include "grid/stringgrid/RIraRevadiVizo.h"
#include <gtest/gtest.h>
#include <memory>

namespace {
// Column texts from row 1 on (row 0 is the fixed header).
std::unique_ptr<RIraRevadiVizo> Make_Grid(const QStringList &Col1, const QStringList &Col2)
{
    auto G = std::make_unique<RIraRevadiVizo>();
    G->Set_ColCount(3);
    G->Set_RowCount(static_cast<int>(Col1.size()) + 1);
    for (int R = 0; R < Col1.size(); ++R) {
        G->SetCellEx(1, R + 1, Col1[R]);
        G->SetCellEx(2, R + 1, Col2.value(R));
    }
    return G;
}

// The vertical span (rows - 1) of every data row's cell in column C, "." for none.
QString Spans(RIraRevadiVizo &G, int C)
{
    QString S;
    for (int R = 1; R < G.RowCount(); ++R)
        S += G.IsBaseCell(C, R) && G.CellSpan(C, R).Y > 0 ? QString::number(G.CellSpan(C, R).Y)
             : G.IsMergedCell(C, R)                       ? QStringLiteral("|")
                                                          : QStringLiteral(".");
    return S;
}
} // namespace

// The main column merges every run of equal texts; a further column merges
// only inside the main column's runs.
TEST(StringGridMergedColumns, RunsMergeAndSplit)
{
    struct TCase { const char *Name; QStringList Col1, Col2; QString Want1, Want2; };
    const TCase Cases[] = {
        {"RunOfThree", {"A", "A", "A", "B"}, {"x", "y", "z", "w"}, "2||.", "...."},
        {"NoRun", {"A", "B"}, {"x", "x"}, "..", ".."},
        {"SecondInsideFirst", {"A", "A", "B", "B"}, {"x", "x", "x", "x"}, "1|1|", "1|1|"},
        {"SecondNotAcrossRuns", {"A", "A", "B"}, {"x", "y", "y"}, "1|.", "..."},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        auto G = Make_Grid(C.Col1, C.Col2);
        G->Set_MergedColumns({1, 2});
        EXPECT_EQ(Spans(*G, 1), C.Want1);
        EXPECT_EQ(Spans(*G, 2), C.Want2);
        EXPECT_EQ(G->Model().Check_Consistency(), QString());
        G->SplitMergedColumns();
        EXPECT_EQ(Spans(*G, 1), QString(C.Col1.size(), u'.'));
        EXPECT_EQ(Spans(*G, 2), QString(C.Col1.size(), u'.'));
        G->RemergeColumns();
        EXPECT_EQ(Spans(*G, 1), C.Want1);
    }
}

// Footer rows are never merged into a run.
TEST(StringGridMergedColumns, FootersStayOutOfRuns)
{
    auto G = Make_Grid({"A", "A", "A"}, {});
    G->Set_FixedFooters(1);
    G->Set_MergedColumns({1});
    EXPECT_EQ(Spans(*G, 1), "1|.");
}

// Every fill recalculates the footer cells.
TEST(StringGridMergedColumns, FillsRecalculateTheFooter)
{
    RIraRevadiVizo G;
    G.Set_ColCount(3);
    G.Set_RowCount(6);
    G.FloatingFooter().Visible = true;
    G.SetColumnCalc(1, acSUM);
    G.TextFill(false, "2");   // rows 1..5; the footer row 5 is then recalculated
    EXPECT_DOUBLE_EQ(G.GetFloats(1, 5), 8.0);
}
