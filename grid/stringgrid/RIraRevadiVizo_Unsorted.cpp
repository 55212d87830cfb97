// Addressing cells as they stood before rows were sorted or columns moved:
// the sort cross-reference says, for every row, the row it came from; the
// column order says which column each position held before the first move.
#include "grid/stringgrid/RIraRevadiVizo.h"
#include <algorithm>

int RIraRevadiVizo::SortedRowIndex(int ARow) const
{
    const int N = static_cast<int>(FSortRowXRef.size());
    const int R = ARow >= 0 && ARow < N ? FSortRowXRef[static_cast<size_t>(ARow)] : ARow;
    return R < 0 ? R : RealRowIndex(R);
}

int RIraRevadiVizo::UnSortedRowIndex(int ARow) const
{
    if (FSortRowXRef.empty())
        return ARow;
    return static_cast<int>(std::find(FSortRowXRef.begin(), FSortRowXRef.end(), ARow) - FSortRowXRef.begin());
}

int RIraRevadiVizo::Unsorted_Row(int ARow) const
{
    return ARow <= static_cast<int>(FSortRowXRef.size()) ? UnSortedRowIndex(ARow) : ARow;
}

QString RIraRevadiVizo::GetUnSortedCell(int ACol, int ARow) { return Cells(ACol, Unsorted_Row(ARow)); }

void RIraRevadiVizo::SetUnSortedCell(int ACol, int ARow, const QString &Value)
{
    Set_Cells(ACol, Unsorted_Row(ARow), Value);
}

int RIraRevadiVizo::ColumnPosition(int ACol) const
{
    if (FColumnOrder.empty())
        return ACol;
    const int Last = std::min(static_cast<int>(FColumnOrder.size()), ColCount() + NumHiddenColumns());
    const auto End = FColumnOrder.begin() + std::max(Last, 0);
    const auto It = std::find(FColumnOrder.begin(), End, ACol);
    int P = It == End ? ACol : static_cast<int>(It - FColumnOrder.begin());
    if (GroupColumn() != -1 && ACol >= GroupColumn())
        --P;
    return P;
}

int RIraRevadiVizo::Original_Col(int ACol) const
{
    const int P = ColumnPosition(ACol);
    return P == -1 ? ACol : P;
}

QString RIraRevadiVizo::GetOriginalCells(int ACol, int ARow) { return Cells(Original_Col(ACol), ARow); }

void RIraRevadiVizo::SetOriginalCells(int ACol, int ARow, const QString &Value)
{
    Set_Cells(Original_Col(ACol), ARow, Value);
}
