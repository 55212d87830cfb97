// The cells picked one by one: the list lives with the grid's row flags in
// the model, so it follows inserted, removed and sorted rows there; here
// are its published questions and the repaints of the cells it changes.
#include "grid/stringgrid/GridDataOps.h"
#include "grid/stringgrid/RIraRevadiVizo.h"
#include <algorithm>

bool TGridDataOps::GetSelectedCells(int ACol, int ARow)
{
    RIraRevadiVizo &G = Grid();
    if (G.MouseActions().DisjunctCellSelect())
        return G.Model().Row_Flags().SelectedCells.Contains(ACol, ARow);
    const TGridRect S = G.Selection();
    return ACol >= std::min(S.Left, S.Right) && ACol <= std::max(S.Left, S.Right) && ARow >= std::min(S.Top, S.Bottom)
           && ARow <= std::max(S.Top, S.Bottom);
}

void TGridDataOps::SetSelectedCells(int ACol, int ARow, bool Value)
{
    RIraRevadiVizo &G = Grid();
    TGridCellList &L = G.Model().Row_Flags().SelectedCells;
    if (Value ? L.Add(ACol, ARow) : L.Remove(ACol, ARow))
        G.RepaintCell(ACol, ARow);
}

TPoint TGridDataOps::GetSelectedCell(int Index) const { return Grid().RowFlags().SelectedCells.At(Index); }

int TGridDataOps::SelectedCellsCount()
{
    RIraRevadiVizo &G = Grid();
    TGridCellList &L = G.Model().Row_Flags().SelectedCells;
    if (!G.MouseActions().DisjunctCellSelect()) {
        // The list then describes the rectangle selection (its single cell
        // is the current cell), so callers can walk it either way.
        const TGridRect S = G.Selection();
        if (S.Left == S.Right && S.Top == S.Bottom) {
            L.Clear();
            L.Add(G.Col(), G.Row());
        } else {
            L.Assign_Rect(S.Left, S.Top, S.Right, S.Bottom);
        }
    }
    return L.Count();
}

void TGridDataOps::ClearSelectedCells()
{
    RIraRevadiVizo &G = Grid();
    G.Set_Selection(TGridRect{G.FixedCols(), G.FixedRows(), G.FixedCols(), G.FixedRows()});
    G.Model().Row_Flags().SelectedCells.Clear();
    G.Invalidate();
}
