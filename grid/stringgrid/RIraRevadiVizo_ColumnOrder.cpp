// Moving columns and rows: the column order (which column each display
// position held before any move) is empty until the first move and kept in
// step by every move after, so the column-states text and the stored
// positions describe the arrangement the user sees; widths, heights and the
// controls over cells go with their column or row.
#include "grid/stringgrid/RIraRevadiVizo.h"
#include <algorithm>

namespace {
// The size at From goes to To; the sizes between shift by one toward From.
template <typename TGet, typename TSetter>
void Move_Size(int From, int To, TGet Get, TSetter Set)
{
    if (From == To)
        return;
    const int Step = From < To ? 1 : -1;
    const int Moved = Get(From);
    for (int I = From; I != To; I += Step)
        Set(I, Get(I + Step));
    Set(To, Moved);
}
} // namespace

void RIraRevadiVizo::SetColumnOrder()
{
    FColumnOrder.resize(static_cast<size_t>(ColCount()));
    for (int I = 0; I < ColCount(); ++I)
        FColumnOrder[static_cast<size_t>(I)] = I;
}

void RIraRevadiVizo::ColumnMoved(int FromIndex, int ToIndex)
{
    // Every move passes here, the platform's own (a dragged column) too.
    if (FColumnOrder.empty())
        SetColumnOrder();
    const int RFrom = RealColIndex(FromIndex);
    const int RTo = RealColIndex(ToIndex);
    const int N = static_cast<int>(FColumnOrder.size());
    if (RFrom >= 0 && RTo >= 0 && RFrom < N && RTo < N && RFrom != RTo) {
        const int Entry = FColumnOrder[static_cast<size_t>(RFrom)];
        FColumnOrder.erase(FColumnOrder.begin() + RFrom);
        FColumnOrder.insert(FColumnOrder.begin() + RTo, Entry);
    }
    if (FEnhRowColMove)   // the width travels with its column
        Move_Size(FromIndex, ToIndex, [this](int I) { return ColWidths(I); },
                  [this](int I, int W) { Set_ColWidths(I, W); });
    TBaseGrid::ColumnMoved(FromIndex, ToIndex);
    FFlags.SelectedCells.Col_Moved(FromIndex, ToIndex);
    Move_Cell_Controls(true, FromIndex, ToIndex);
    CellControlsUpdate(false);
}

void RIraRevadiVizo::RowMoved(int FromIndex, int ToIndex)
{
    if (FEnhRowColMove)   // the height travels with its row
        Move_Size(FromIndex, ToIndex, [this](int I) { return RowHeights(I); },
                  [this](int I, int H) { Set_RowHeights(I, H); });
    TBaseGrid::RowMoved(FromIndex, ToIndex);
    FFlags.SelectedCells.Row_Moved(FromIndex, ToIndex);
    Move_Cell_Controls(false, FromIndex, ToIndex);
    CellControlsUpdate(false);
}

bool RIraRevadiVizo::Apply_Column_Order(const std::vector<int> &Order)
{
    const int N = ColCount();
    if (static_cast<int>(Order.size()) != N)
        return false;
    std::vector<char> Seen(static_cast<size_t>(N), 0);
    for (int V : Order)
        if (V < 0 || V >= N || Seen[static_cast<size_t>(V)]++)
            return false;
    // From the arrangement shown now (the list says what stands where) to the
    // one asked for.
    if (static_cast<int>(FColumnOrder.size()) != N)
        SetColumnOrder();
    if (Column_Moves_Observed()) {
        // One move per column, each keeping the list in step.
        for (int I = 0; I < N; ++I) {
            const auto It = std::find(FColumnOrder.begin() + I, FColumnOrder.end(), Order[static_cast<size_t>(I)]);
            const int J = static_cast<int>(It - FColumnOrder.begin());
            if (J != I)
                MoveColumn(J, I);
        }
        FColumnOrder = Order;
        return true;
    }
    // Nobody follows single moves: the whole arrangement in one pass, the
    // same result as the moves at a cost linear in the columns.
    std::vector<int> Now(static_cast<size_t>(N));
    for (int I = 0; I < N; ++I)
        Now[static_cast<size_t>(FColumnOrder[static_cast<size_t>(I)])] = I;
    std::vector<int> Source(static_cast<size_t>(N));
    std::vector<int> Target(static_cast<size_t>(N));
    bool Moves = false;
    for (int I = 0; I < N; ++I) {
        const int S = Now[static_cast<size_t>(Order[static_cast<size_t>(I)])];
        Source[static_cast<size_t>(I)] = S;
        Target[static_cast<size_t>(S)] = I;
        Moves |= S != I;
    }
    if (Moves) {
        TBaseGrid::Permute_Columns(Source);
        if (FEnhRowColMove) {   // the widths travel with their columns
            std::vector<int> Widths(static_cast<size_t>(N));
            for (int I = 0; I < N; ++I)
                Widths[static_cast<size_t>(I)] = ColWidths(Source[static_cast<size_t>(I)]);
            Set_ColWidths_All(Widths);
        }
        for (int I = 0; I < FControlList.Count(); ++I) {
            int &X = FControlList.GetControl(I).X;
            if (X >= 0 && X < N)
                X = Target[static_cast<size_t>(X)];
        }
        CellControlsUpdate(false);
    }
    FColumnOrder = Order;
    return true;
}
