// The string grid's counts with a floating footer, and the dimension
// settings that reach the footer panel and the text editor.
#include "TestSupport.h"
#include "grid/stringgrid/GridPanels.h"
#include "grid/stringgrid/RIraRevadiVizo.h"
#include "grid/stringgrid/VOdeInplaceEdit.h"
#include <QWidget>
#include <gtest/gtest.h>

namespace {
// An object the grid does not own, to follow where a row's slot goes.
class TTag : public TObject {
public:
    const char *ClassName() const override { return "TTag"; }
};
} // namespace

// The footer row is the last row: its cells and objects follow the count,
// and the rows it passes keep theirs.
TEST(StringGridDimensions, FloatingFooterRowFollowsTheCount)
{
    RIraRevadiVizo G;
    G.Set_ColCount(3);
    G.Set_RowCount(10);
    TTag Tag;
    for (int R = 1; R < 9; ++R)
        G.SetCellEx(1, R, QString("d%1").arg(R));
    G.SetCellEx(1, 9, "total");
    G.Set_Objects(2, 9, &Tag);
    G.FloatingFooter().Visible = true;
    struct TStep { const char *Name; int Rows; int FooterRow; const char *Was9; };
    const TStep Steps[] = {
        {"GrowByTwo", 12, 11, ""},
        {"ShrinkBack", 10, 9, "total"},
        {"ShrinkBelowTheData", 6, 5, "d8"},   // beyond the end, kept
        {"GrowAgainRestoresTheRowsPassed", 10, 9, "total"},
    };
    for (const TStep &S : Steps) {
        SCOPED_TRACE(S.Name);
        G.Set_RowCount(S.Rows);
        EXPECT_EQ(G.Cells(1, S.FooterRow), "total");
        EXPECT_EQ(G.Objects(2, S.FooterRow), &Tag);
        EXPECT_EQ(G.Cells(1, 9), S.Was9);
    }
    // every data row came back where it was
    for (int R = 1; R < 9; ++R)
        EXPECT_EQ(G.Cells(1, R), QString("d%1").arg(R));
    EXPECT_EQ(G.Model().Check_Consistency(), QString());
    // without a floating footer the rows stay where they are
    G.FloatingFooter().Visible = false;
    G.Set_RowCount(12);
    EXPECT_EQ(G.Cells(1, 9), "total");
    EXPECT_EQ(G.Cells(1, 11), "");
}

// Hiding and showing rows move the footer row themselves: it stays last once.
TEST(StringGridDimensions, FloatingFooterStaysLastWhileRowsHide)
{
    RIraRevadiVizo G;
    G.Set_ColCount(3);
    G.Set_RowCount(8);
    G.SetCellEx(1, 7, "total");
    G.FloatingFooter().Visible = true;
    G.HideRows(2, 4);
    EXPECT_EQ(G.Cells(1, G.RowCount() - 1), "total");
    G.UnHideRows(2, 4);
    EXPECT_EQ(G.RowCount(), 8);
    EXPECT_EQ(G.Cells(1, 7), "total");
}

// The default row height sizes the visible footer panel; word wrap and the
// edit length limit reach a text editor that already exists.
TEST(StringGridDimensions, SettingsReachFooterPanelAndEditor)
{
    QWidget W;
    W.resize(500, 400);
    auto *G = new RIraRevadiVizo(&W);
    W.show();
    G->Set_Footer_Panel(true, 22);
    G->Set_DefaultRowHeight(30);
    EXPECT_EQ(G->FooterPanel()->height(), 30);
    G->Set_Footer_Panel(false, 30);
    G->Set_DefaultRowHeight(24);
    EXPECT_FALSE(G->Floating_Footer_Visible());

    G->Set_Options(G->Options() + goEditing);
    G->FocusCell(1, 1);
    G->ShowInplaceEdit();
    VOdeInplaceEdit *E = G->GetNormalEdit();
    ASSERT_NE(E, nullptr);
    G->Set_MaxEditLength(5);
    EXPECT_EQ(E->maxLength(), 5);
    G->Set_WordWrap(false);
    EXPECT_FALSE(E->WordWrap());
    G->Set_WordWrap(true);
    EXPECT_TRUE(E->WordWrap());
}

// FixedColAlways keeps one normal column as FixedRowAlways keeps a row; a
// grid left with only the rows or columns asked fixed treats all of them as
// fixed cells, though the platform keeps one of them normal.
TEST(StringGridDimensions, FixedColAlwaysAndAllFixedCells)
{
    RIraRevadiVizo G;
    G.Set_FixedColAlways(true);
    struct TStep { const char *Name; int Cols; int FixedAsked; int WantFixedRead; int WantPlatformFixed; };
    const TStep Steps[] = {
        {"TwoFixedAskedOnTwoColumns", 2, 2, 1, 1},
        {"ShrinkToOneKeepsNoRealFixedColumn", 1, -1, 1, 0},
        {"GrowAgainRestoresTheMinimum", 4, -1, 2, 2},
    };
    for (const TStep &S : Steps) {
        SCOPED_TRACE(S.Name);
        G.Set_ColCount(S.Cols);
        if (S.FixedAsked >= 0)
            G.Set_FixedCols(S.FixedAsked);
        EXPECT_EQ(G.FixedCols(), S.WantFixedRead);
        EXPECT_EQ(G.TBaseGrid::FixedCols(), S.WantPlatformFixed);
    }
    EXPECT_EQ(G.FixedColsMin(), 2);

    G.Set_FixedRowAlways(true);
    G.Set_FixedRows(2);
    struct TCell { const char *Name; int Cols, Rows; int C, R; bool Want; };
    const TCell Cells[] = {
        {"NormalCell", 4, 10, 2, 3, false},
        {"OnlyTheFixedRowsLeft", 4, 2, 2, 1, true},
        {"OnlyTheFixedColumnsLeft", 2, 10, 1, 3, true},
        {"NormalAgain", 3, 3, 2, 2, false},
    };
    for (const TCell &C : Cells) {
        SCOPED_TRACE(C.Name);
        G.Set_ColCount(C.Cols);
        G.Set_RowCount(C.Rows);
        bool Fixed = false;
        G.IsFixedCell(C.C, C.R, Fixed);
        EXPECT_EQ(Fixed, C.Want);
    }
    G.Set_FixedColAlways(false);
    EXPECT_THROW(G.Set_FixedCols(G.ColCount()), EGridError);
}
