// Moving columns and rows: the column order (which column each display
// position held before any move) is empty until the first move and kept in
// step by every move after, so the column-states text and the stored
// positions describe the arrangement the user sees; widths, heights and the
// controls over cells go with their column or row.
#include "grid/core/RIraRevadiVizo.h"
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
    Move_Cell_Controls(true, FromIndex, ToIndex);
    CellControlsUpdate(false);
}

void RIraRevadiVizo::RowMoved(int FromIndex, int ToIndex)
{
    if (FEnhRowColMove)   // the height travels with its row
        Move_Size(FromIndex, ToIndex, [this](int I) { return RowHeights(I); },
                  [this](int I, int H) { Set_RowHeights(I, H); });
    TBaseGrid::RowMoved(FromIndex, ToIndex);
    Move_Cell_Controls(false, FromIndex, ToIndex);
    CellControlsUpdate(false);
}

bool RIraRevadiVizo::Apply_Column_Order(const std::vector<int> &Order)
{
    const int N = ColCount();
    if (static_cast<int>(Order.size()) != N)
        return false;
    std::vector<int> Sorted = Order;
    std::sort(Sorted.begin(), Sorted.end());
    for (int I = 0; I < N; ++I)
        if (Sorted[static_cast<size_t>(I)] != I)
            return false;
    // From the arrangement shown now (the list says what stands where) to the
    // one asked for; each move keeps the list in step.
    if (static_cast<int>(FColumnOrder.size()) != N)
        SetColumnOrder();
    for (int I = 0; I < N; ++I) {
        const auto It = std::find(FColumnOrder.begin() + I, FColumnOrder.end(), Order[static_cast<size_t>(I)]);
        const int J = static_cast<int>(It - FColumnOrder.begin());
        if (J != I)
            MoveColumn(J, I);
    }
    FColumnOrder = Order;
    return true;
}
