#include "grid/stringgrid/GridFindSession.h"

bool TGridFindSession::Nothing_To_Search(const TFindGridShape &G)
{
    return G.ColCount == G.FixedCols || G.ColCount == 0 || G.RowCount + G.HiddenRows == G.FixedRows || G.RowCount == 0;
}

TFindRange TGridFindSession::Range(const TFindGridShape &G, TFindParams Params) const
{
    TFindRange R;
    if (Params.Contains(fnIncludeFixed))
        R = {0, 0, G.ColCount - 1, G.RowCount - 1};
    else
        R = {G.FixedCols, G.FixedRows, G.ColCount - G.FixedRightCols - 1, G.RowCount - G.FixedFooters - 1};
    if (Params.Contains(fnSelectedCells))
        R = G.Selection;
    if (Params.Contains(fnIncludeHiddenColumns))
        R.Right += G.HiddenCols;
    if (Params.Contains(fnIncludeHiddenRows))
        R.Bottom += G.HiddenRows;
    if (Params.Contains(fnFindInCurrentRow))
        R.Top = R.Bottom = G.Row;
    if (Params.Contains(fnFindInPresetRow))
        R.Top = R.Bottom = FFindRow;
    if (Params.Contains(fnFindInCurrentCol))
        R.Left = R.Right = G.Col;
    if (Params.Contains(fnFindInPresetCol))
        R.Left = R.Right = FFindCol;
    return R;
}
