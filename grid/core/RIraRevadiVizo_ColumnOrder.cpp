// The column order: which column each display position held before any move.
// The list is empty until the first move; from then on every move keeps it in
// step, so the column-states text and the stored positions describe the
// arrangement the user sees.
#include "grid/core/RIraRevadiVizo.h"
#include <algorithm>

void RIraRevadiVizo::SetColumnOrder()
{
    FColumnOrder.resize(static_cast<size_t>(ColCount()));
    for (int I = 0; I < ColCount(); ++I)
        FColumnOrder[static_cast<size_t>(I)] = I;
}

void RIraRevadiVizo::ColumnMoved(int FromIndex, int ToIndex)
{
    const int RFrom = RealColIndex(FromIndex);
    const int RTo = RealColIndex(ToIndex);
    const int N = static_cast<int>(FColumnOrder.size());
    if (RFrom >= 0 && RTo >= 0 && RFrom < N && RTo < N && RFrom != RTo) {
        const int Entry = FColumnOrder[static_cast<size_t>(RFrom)];
        FColumnOrder.erase(FColumnOrder.begin() + RFrom);
        FColumnOrder.insert(FColumnOrder.begin() + RTo, Entry);
    }
    if (FEnhRowColMove && FromIndex != ToIndex) {
        // The width travels with its column.
        const int Step = FromIndex < ToIndex ? 1 : -1;
        const int W = ColWidths(FromIndex);
        for (int I = FromIndex; I != ToIndex; I += Step)
            Set_ColWidths(I, ColWidths(I + Step));
        Set_ColWidths(ToIndex, W);
    }
    TBaseGrid::ColumnMoved(FromIndex, ToIndex);
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
