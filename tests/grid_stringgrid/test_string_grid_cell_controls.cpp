// Controls placed over cells: collected from the cells' properties, laid
// over their cells while in view, and moved along with columns and rows.
#include "grid/stringgrid/RIraRevadiVizo.h"
#include <QCoreApplication>
#include <QWidget>
#include <gtest/gtest.h>

namespace {
struct TControlGrid {
    QWidget Window;
    RIraRevadiVizo *G = nullptr;
    QWidget *A = nullptr;   // in cell (2, 3)
    QWidget *B = nullptr;   // in cell (3, 5)
    TControlGrid()
    {
        Window.resize(420, 280);
        G = new RIraRevadiVizo(&Window);
        G->setGeometry(10, 10, 400, 250);
        G->Set_ColCount(8);
        G->Set_RowCount(40);
        A = new QWidget;
        B = new QWidget;
        G->GetCellProperties(2, 3)->Set_Control(A);
        G->GetCellProperties(3, 5)->Set_Control(B);
        Window.show();
        QCoreApplication::processEvents();
        G->CellControlsUpdate(true);
    }
};
} // namespace

TEST(StringGridCellControls, LaidOverTheirCellsWhileInView)
{
    TControlGrid T;
    RIraRevadiVizo &G = *T.G;
    ASSERT_EQ(G.ControlList().Count(), 2);
    EXPECT_EQ(G.GetCellControls(2, 3), T.A);
    EXPECT_EQ(G.GetCellControls(3, 5), T.B);
    EXPECT_EQ(G.GetCellControls(1, 1), nullptr);
    EXPECT_EQ(T.A->parentWidget(), G.viewport());
    EXPECT_TRUE(T.A->isVisible());
    EXPECT_EQ(T.A->geometry(), G.TObjStringGrid::CellRect(2, 3).To_QRect());

    // A wider column and a taller row: the controls follow their cells.
    G.Set_ColWidths(1, 100);
    G.Set_RowHeights(4, 40);
    EXPECT_EQ(T.A->geometry(), G.TObjStringGrid::CellRect(2, 3).To_QRect());
    EXPECT_EQ(T.B->geometry(), G.TObjStringGrid::CellRect(3, 5).To_QRect());

    // Scrolled out of view the control hides; back in view it shows again.
    G.Set_TopRow(10);
    EXPECT_FALSE(T.A->isVisible());
    G.Set_TopRow(1);
    EXPECT_TRUE(T.A->isVisible());
    EXPECT_EQ(T.A->geometry(), G.TObjStringGrid::CellRect(2, 3).To_QRect());
}

// Moves take controls, widths and heights along, whether the program moves
// (MoveColumn, MoveRow) or the platform grid does (a dragged column or row).
TEST(StringGridCellControls, MovedWithColumnsAndRows)
{
    struct TCase { const char *Name; bool Column; int From, To; TPoint WantA, WantB; bool Dragged; };
    const TCase Cases[] = {
        // moving left: the columns between move one to the right
        {"ColumnLeft", true, 3, 1, {3, 3}, {1, 5}, false},
        // moving right: the columns between move one to the left
        {"ColumnRight", true, 2, 4, {4, 3}, {2, 5}, false},
        {"RowDown", false, 3, 6, {2, 6}, {3, 4}, false},
        {"RowUp", false, 5, 2, {2, 4}, {3, 2}, false},
        {"ColumnDragged", true, 3, 1, {3, 3}, {1, 5}, true},
        {"RowDragged", false, 5, 2, {2, 4}, {3, 2}, true},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        TControlGrid T;
        RIraRevadiVizo &G = *T.G;
        if (C.Column)
            G.Set_ColWidths(C.From, 77);
        else
            G.Set_RowHeights(C.From, 33);
        if (C.Column && C.Dragged)
            G.TStringGrid::MoveColumn(C.From, C.To);
        else if (C.Column)
            G.MoveColumn(C.From, C.To);
        else if (C.Dragged)
            G.TStringGrid::MoveRow(C.From, C.To);
        else
            G.MoveRow(C.From, C.To);
        EXPECT_EQ(G.GetCellControls(C.WantA.X, C.WantA.Y), T.A);
        EXPECT_EQ(G.GetCellControls(C.WantB.X, C.WantB.Y), T.B);
        EXPECT_EQ(T.A->geometry(), G.TObjStringGrid::CellRect(C.WantA.X, C.WantA.Y).To_QRect());
        if (C.Column) {
            EXPECT_EQ(G.ColWidths(C.To), 77);
            EXPECT_EQ(G.ColumnOrder()[static_cast<size_t>(C.To)], C.From);
        } else {
            EXPECT_EQ(G.RowHeights(C.To), 33);
        }
    }
}

// Rows and columns inserted or removed before a control's cell take the
// control along with its cell, and it lies over that cell again.
TEST(StringGridCellControls, CarriedByInsertedAndRemovedRowsAndColumns)
{
    enum TOp { InsRows, RemRows, InsCols, RemCols };
    struct TCase { const char *Name; TOp Op; int At, Count; TPoint WantA, WantB; };
    const TCase Cases[] = {
        {"RowsInsertedAbove", InsRows, 2, 2, {2, 5}, {3, 7}},
        {"RowsInsertedBetween", InsRows, 4, 3, {2, 3}, {3, 8}},
        {"RowsRemovedAbove", RemRows, 1, 2, {2, 1}, {3, 3}},
        {"RowRemovedBetween", RemRows, 4, 1, {2, 3}, {3, 4}},
        {"ColumnsInsertedLeft", InsCols, 1, 2, {4, 3}, {5, 5}},
        {"ColumnInsertedBetween", InsCols, 3, 1, {2, 3}, {4, 5}},
        {"ColumnRemovedLeft", RemCols, 1, 1, {1, 3}, {2, 5}},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        TControlGrid T;
        RIraRevadiVizo &G = *T.G;
        switch (C.Op) {
        case InsRows: G.InsertRows(C.At, C.Count); break;
        case RemRows: G.RemoveRows(C.At, C.Count); break;
        case InsCols: G.InsertCols(C.At, C.Count); break;
        case RemCols: G.RemoveCols(C.At, C.Count); break;
        }
        EXPECT_EQ(G.GetCellControls(C.WantA.X, C.WantA.Y), T.A);
        EXPECT_EQ(G.GetCellControls(C.WantB.X, C.WantB.Y), T.B);
        EXPECT_EQ(G.GetCellControls(2, 3) == T.A, C.WantA == TPoint(2, 3));
        EXPECT_EQ(T.A->geometry(), G.TObjStringGrid::CellRect(C.WantA.X, C.WantA.Y).To_QRect());
        EXPECT_EQ(T.B->geometry(), G.TObjStringGrid::CellRect(C.WantB.X, C.WantB.Y).To_QRect());
        EXPECT_EQ(G.Model().Check_Consistency(G.RowCount()), QString());
    }
}

// Hidden rows and columns take their controls out of the grid; shown again,
// the controls come back over their cells.
TEST(StringGridCellControls, HiddenRowsAndColumns)
{
    TControlGrid T;
    RIraRevadiVizo &G = *T.G;
    G.HideRow(4);   // B's row 5 moves up to 4
    EXPECT_EQ(G.GetCellControls(3, 4), T.B);
    EXPECT_EQ(T.B->geometry(), G.TObjStringGrid::CellRect(3, 4).To_QRect());
    G.HideRow(3);   // A's row leaves the grid
    EXPECT_FALSE(T.A->isVisible());
    EXPECT_EQ(G.ControlList().Count(), 1);
    G.UnHideRowsAll();
    EXPECT_EQ(G.GetCellControls(2, 3), T.A);
    EXPECT_EQ(G.GetCellControls(3, 5), T.B);
    EXPECT_TRUE(T.A->isVisible());

    G.HideColumn(2);   // A's column hides, B's column 3 shows as column 2
    EXPECT_FALSE(T.A->isVisible());
    EXPECT_EQ(G.GetCellControls(2, 5), T.B);
    EXPECT_EQ(T.B->geometry(), G.TObjStringGrid::CellRect(2, 5).To_QRect());
    G.UnHideColumn(2);
    EXPECT_EQ(G.GetCellControls(2, 3), T.A);
    EXPECT_TRUE(T.A->isVisible());
}
