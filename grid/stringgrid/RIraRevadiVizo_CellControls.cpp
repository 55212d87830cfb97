// Controls placed over cells: collected from the cells' properties, laid over
// their cells, hidden while their cell is out of view, and moved along with
// moved columns and rows.
#include "grid/stringgrid/RIraRevadiVizo.h"

namespace {
// Where an index ends up when the item From moves to To.
int Moved_Index(int Index, int From, int To)
{
    if (Index == From)
        return To;
    if (To < From && Index >= To && Index < From)
        return Index + 1;
    if (To > From && Index > From && Index <= To)
        return Index - 1;
    return Index;
}
} // namespace

void RIraRevadiVizo::CellControlsUpdate(bool RebuildList)
{
    if (RebuildList) {
        // Controls whose cells left the grid (hidden rows and columns) hide
        // with them; the others are found again where their cells are now.
        for (int I = 0; I < FControlList.Count(); ++I)
            if (QWidget *W = FControlList.GetControl(I).Control)
                W->hide();
        FControlList.Clear();
        if (HasAnyCellProps())
            for (int R = 0; R < RowCount(); ++R)
                for (int C = 0; C < TotalColCount(); ++C)
                    if (const TCellProperties *P = Find_Cell_Props(C, R); P && P->Control() && !IsHiddenColumn(C))
                        FControlList.AddControl(DisplColIndex(C), R, P->Control());
        if (FControlList.Count() > 0)
            FCellControlsUsed = true;
    }
    for (int I = 0; I < FControlList.Count(); ++I) {
        TControlItem &It = FControlList.GetControl(I);
        QWidget *W = It.Control;
        if (!W)
            continue;
        if (W->parentWidget() != viewport())
            W->setParent(viewport());
        // A control lies over the scrollable cells only while its cell is in view.
        const bool InView = It.X >= 0 && It.Y >= 0 && It.X < ColCount() && It.Y < RowCount()
                            && (It.X < FixedCols() || (It.X >= LeftCol() && It.X < LeftCol() + VisibleColCount()))
                            && (It.Y < FixedRows() || (It.Y >= TopRow() && It.Y < TopRow() + VisibleRowCount()));
        const TRect R = InView ? TObjStringGrid::CellRect(It.X, It.Y) : TRect();
        if (R.Is_Empty()) {
            W->hide();
            continue;
        }
        W->setGeometry(Mirror_Rect(R).To_QRect());
        W->show();
    }
}

QWidget *RIraRevadiVizo::GetCellControls(int ACol, int ARow)
{
    const int I = FControlList.ControlIndex(ACol, ARow);
    return I < 0 ? nullptr : FControlList.GetControl(I).Control.data();
}

void RIraRevadiVizo::MoveColumn(int FromIndex, int ToIndex)
{
    if (FColumnOrder.empty())
        SetColumnOrder();
    // The move itself (ColumnMoved) takes the controls along.
    TBaseGrid::MoveColumn(FromIndex, ToIndex);
    CellControlsUpdate(false);
}

void RIraRevadiVizo::MoveRow(int FromIndex, int ToIndex)
{
    TBaseGrid::MoveRow(FromIndex, ToIndex);
    CellControlsUpdate(false);
}

void RIraRevadiVizo::Move_Cell_Controls(bool Columns, int FromIndex, int ToIndex)
{
    for (int I = 0; I < FControlList.Count(); ++I) {
        TControlItem &It = FControlList.GetControl(I);
        int &Index = Columns ? It.X : It.Y;
        Index = Moved_Index(Index, FromIndex, ToIndex);
    }
}

void RIraRevadiVizo::Rebuild_Cell_Controls_If_Used()
{
    if (FCellControlsUsed)
        CellControlsUpdate(true);
}
