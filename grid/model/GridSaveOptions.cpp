#include "grid/model/GridSaveOptions.h"

TCellRange Save_Range(const TGridSaveOptions &O, const TGridFrame &F)
{
    const bool AllCols = O.SaveFixedCells || O.SaveFixedCols;
    const bool AllRows = O.SaveFixedCells || O.SaveFixedRows;
    TCellRange R;
    R.Left = AllCols ? 0 : F.FixedCols;
    R.Top = AllRows ? 0 : F.FixedRows;
    R.Right = AllCols ? F.ColCount - 1 : F.ColCount - F.FixedRightCols - 1;
    R.Bottom = AllRows ? F.RowCount - 1 : F.RowCount - F.FixedFooters - 1;
    return R;
}
