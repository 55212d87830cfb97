// Merged columns: runs of equal texts down a column become one merged cell.
// MergedColumns names the columns kept merged; sorting splits them first
// and merges them again afterwards (SplitMergedColumns, RemergeColumns).
#include "grid/stringgrid/RIraRevadiVizo.h"

void RIraRevadiVizo::MergeColumnCells(int ColIndex, bool MainMerge)
{
    const int C = RealColIndex(ColIndex);
    const int First = FixedRows();
    const int Last = RowCount() - FFixedFooters - 1;
    if (ColIndex < 0 || ColIndex >= ColCount() || Last <= First)
        return;
    // A run grows while a row repeats the text above it (and, below the main
    // column, while both rows belong to the same merged rows there).
    int RunStart = First;
    for (int R = First + 1; R <= Last + 1; ++R) {
        const bool Continues = R <= Last && GetCellEx(C, R) == GetCellEx(C, R - 1)
                               && (MainMerge || RowSpanIdentical(R, R - 1));
        if (Continues)
            continue;
        if (R - RunStart >= 2)
            MergeCells(C, RunStart, 1, R - RunStart);
        RunStart = R;
    }
}

void RIraRevadiVizo::SplitColumnCells(int ColIndex)
{
    const int C = RealColIndex(ColIndex);
    if (ColIndex < 0 || ColIndex >= ColCount())
        return;
    const int Last = RowCount() - FFixedFooters - 1;
    for (int R = 0; R <= Last; ++R) {
        if (!IsYMergedCell(C, R))
            continue;
        const TPoint B = BaseCell(C, R);
        const int Bottom = B.Y + std::max(0, CellSpan(B.X, B.Y).Y);
        SplitCells(C, R);
        R = Bottom;
    }
}

void RIraRevadiVizo::SplitMergedColumns()
{
    for (int C = 0; C < ColCount(); ++C)
        SplitColumnCells(C);
}

void RIraRevadiVizo::RemergeColumns()
{
    bool Main = true;
    for (int C : FMergedColumns) {
        MergeColumnCells(C, Main);
        Main = false;
    }
}

void RIraRevadiVizo::Set_MergedColumns(const std::vector<int> &Value)
{
    FMergedColumns = Value;
    SplitMergedColumns();
    RemergeColumns();
}

void RIraRevadiVizo::RecalcFooter() { CalcFooter(-1); }
