#pragma once
#include "grid/model/GridFind.h"
#include "platform/Rect.h"
#include <QString>

// What a find range is taken from, in display indexes. The hidden counts
// widen the range only when the parameters include hidden columns or rows.
struct TFindGridShape {
    int ColCount = 0;
    int RowCount = 0;
    int FixedCols = 0;
    int FixedRows = 0;
    int FixedRightCols = 0;
    int FixedFooters = 0;
    int HiddenCols = 0;
    int HiddenRows = 0;
    TFindRange Selection;   // the selected cells, corners included
    int Col = 0;            // the current cell
    int Row = 0;
};

// The find under way: what was looked for last and where it was found, so
// FindNext goes on from there, and the column and row a preset search keeps
// to. The walk itself and the cell test are the model's (GridFind.h).
class TGridFindSession {
public:
    // Remembers the text and the parameters, whether or not a cell is found.
    void Start(const QString &Text, TFindParams Params)
    {
        FText = Text;
        FParams = Params;
    }
    QString Text() const { return FText; }
    TFindParams Params() const { return FParams; }
    TPoint SearchCell() const { return FSearchCell; }
    void Set_SearchCell(TPoint Value) { FSearchCell = Value; }
    // A new search from the first cell of the walk.
    void Restart() { FSearchCell = {-1, -1}; }
    int FindCol() const { return FFindCol; }
    void Set_FindCol(int Value) { FFindCol = Value; }
    int FindRow() const { return FFindRow; }
    void Set_FindRow(int Value) { FFindRow = Value; }

    // No scrollable column, or no row besides the fixed ones (hidden rows count).
    static bool Nothing_To_Search(const TFindGridShape &G);
    // The cells a find walks: the scrollable cells (fnIncludeFixed: all),
    // or the selection; widened by the hidden columns and rows when they are
    // included; then narrowed to the current or preset row and column.
    TFindRange Range(const TFindGridShape &G, TFindParams Params) const;

private:
    QString FText;
    TFindParams FParams;
    TPoint FSearchCell{-1, -1};
    int FFindCol = -1;
    int FFindRow = -1;
};
