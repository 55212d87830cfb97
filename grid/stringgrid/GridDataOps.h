#pragma once
#include "grid/stringgrid/GridLooks.h"
#include "platform/Rect.h"
#include <QString>
#include <vector>

class RIraRevadiVizo;

// What the string grid does with its rows and columns as a whole: sorting
// (and back), inserting, removing and swapping rows and columns, and the
// column and row calculations. The grid inherits it, so these are the grid's
// own methods; the work is done on the grid's model (GridSort, GridCalc,
// TGridModel) and the grid only keeps its heights, widths, row flags, current
// cell and footers in step and repaints.
//
// Rows move with their cells, objects, heights and flags; hidden columns
// move with their rows. Blocks of merged cells that rows would cut are split
// first (the model's rule). Whatever a bulk operation changes for its
// duration (column 0 with NormalCellsOnly, the top row, the footers, the
// update count) is restored on every path, exceptions included.
class TGridDataOps {
public:
    virtual ~TGridDataOps() = default;

    // ---- sorting --------------------------------------------------------------------------
    void Sort(int Column, TSortDirection Direction);
    void SortByColumn(int Col);
    // The data rows on SortSettings.Column (nothing for -1); ties go to the
    // columns to the right with SortSettings.Full.
    virtual void QSort();
    // On the sort keys (SortSettings.IndexColumns and IndexDirections);
    // EDarAzidError "No indexes specified for indexed sort" without keys.
    virtual void QSortIndexed();
    // The children of every expanded node of the deepest level.
    virtual void QSortGroup();
    virtual void QSortGroupIndexed();
    // Every row back where it stood before the first sort.
    virtual void QUnSort();
    void InitSortXRef();
    // One comparison as the sort makes it (-1, 0, 1; real column).
    int CompareCells(int ACol, int ARow1, int ARow2, TSortDirection Direction);
    // The sort settings' string form ("u3", "d3", "i;u1;d2") and back; the
    // load sorts the grid.
    QString SortSettingsToString() const;
    void SortSettingsFromString(const QString &Value);

    // ---- rows and columns ------------------------------------------------------------------
    virtual void InsertRows(int RowIndex, int RCount, bool UpdateCellControls = true);
    virtual void RemoveRows(int RowIndex, int RCount);
    // Real columns; hidden columns keep their cells beside their neighbours.
    virtual void InsertCols(int ColIndex, int CCount);
    virtual void RemoveCols(int ColIndex, int CCount);
    void AddColumn();
    // Records the column widths and the grid's width as the reference the
    // columns scale from with ColumnSize.SynchWithGrid (GridDataOps_Sizes.cpp);
    // Loaded records them last.
    void InitOrigColSizes();
    const std::vector<int> &OrigColSizes() const { return FOrigColSizes; }
    int OldSize() const { return FOldSize; }
    // The grid became NewWidth wide: with SynchWithGrid each recorded column
    // takes its reference width times the growth (truncated).
    void Synch_Col_Sizes(int NewWidth);
    void SwapRows(int ARow1, int ARow2);
    void SwapColumns(int ACol1, int ACol2);
    // Removes each data row whose text in ACol came in a row above; DoCase
    // compares with regard to letter case.
    void RemoveDuplicates(int ACol, bool DoCase);
    // Moves the rows below up over the removed ones; heights stay with their positions.
    virtual void RemoveRowsEx(int RowIndex, int RCount);
    // Frees the rows' cell objects and removes them, footers and disjunct
    // selection parked for the duration; nothing from RowCount on.
    virtual void DeleteRows(int RowIndex, int RCount);
    // The data rows whose check box in the column is (not) checked.
    void RemoveCheckedRows(int CheckBoxColumn, bool RemoveChecked);
    // The (un)selected data rows: the disjunct row selection when on, else
    // the selection's rows.
    void RemoveSelectedRows();
    void RemoveUnSelectedRows();
    void HideSelectedRows();
    void HideUnSelectedRows();
    void RemoveSelectedCols();
    void RemoveUnSelectedCols();

    // ---- clearing, trimming, colouring (display columns mapped to real ones with SaveHiddenCells)
    // Texts and, unless ClearTextOnly, cell objects.
    virtual void ClearRect(int ACol1, int ARow1, int ACol2, int ARow2);
    void ClearRows(int RowIndex, int RCount);
    void ClearCols(int ColIndex, int CCount);
    void ClearNormalRows(int RowIndex, int RCount);
    void ClearNormalCols(int ColIndex, int CCount);
    void ClearNormalCells();
    void Clear();
    // Clear, and the hidden rows' texts too.
    void ClearAll();
    void ClearSelection();
    // Leading and trailing blanks and control characters.
    virtual void TrimRect(int ACol1, int ARow1, int ACol2, int ARow2);
    void TrimColumn(int ACol);
    void TrimRow(int ARow);
    void TrimAll();
    void ColorRect(int ACol1, int ARow1, int ACol2, int ARow2, TColor AColor);
    // Runs of equal texts along a row are merged; MainMerge ignores the
    // merge structure of the neighbouring columns.
    void MergeRowCells(int RowIndex, bool MainMerge);
    void SplitRowCells(int RowIndex);
    void SplitAllCells();
    // Column 2's text joins column 1's (trimmed), then column 2 goes.
    void MergeCols(int ColIndex1, int ColIndex2, const QString &Separator);
    // The first stored text equal to SubStr, row by row.
    bool IsCell(const QString &SubStr, int &ACol, int &ARow);
    bool IsWideCell(int ACol, int ARow);

    // ---- calculations (-1, -1: the data rows) ---------------------------------------------
    double ColumnSum(int ACol, int FromRow, int ToRow);
    double ColumnAvg(int ACol, int FromRow, int ToRow);
    double ColumnMin(int ACol, int FromRow, int ToRow);
    double ColumnMax(int ACol, int FromRow, int ToRow);
    double ColumnStdDev(int ACol, int FromRow, int ToRow);
    double ColumnDistinct(int ACol, int FromRow, int ToRow);
    double RowSum(int ARow, int FromCol, int ToCol);
    double RowAvg(int ARow, int FromCol, int ToCol);
    double RowMin(int ARow, int FromCol, int ToCol);
    double RowMax(int ARow, int FromCol, int ToCol);
    // OnColumnCalc's result (0 without a handler).
    double ColumnCustomCalc(int ACol, int FromRow, int ToRow);
    // Numbers 1, 2, ... (plus AutoNumberOffset) down the data rows from
    // AutoNumberStart on; descending numbers from the last row up.
    void AutoNumberCol(int ACol);
    void AutoNumberRow(int ARow);
    int AutoNumberStart() const { return FAutoNumberStart; }
    void Set_AutoNumberStart(int Value) { FAutoNumberStart = Value; }
    int AutoNumberOffset() const { return FAutoNumberOffset; }
    void Set_AutoNumberOffset(int Value) { FAutoNumberOffset = Value; }
    TSortDirection AutoNumberDirection() const { return FAutoNumberDirection; }
    void Set_AutoNumberDirection(TSortDirection Value) { FAutoNumberDirection = Value; }

    // ---- selection questions ----------------------------------------------------------------
    void SelectCells(int FromCol, int FromRow, int ToCol, int ToRow);
    // False for fixed cells; the disjunct cell, row or column selection when on.
    bool IsSelected(int ACol, int ARow);
    // The cells picked one by one (MouseActions.DisjunctCellSelect), by
    // display column and row (GridDataOps_Cells.cpp). Reading answers the
    // list with DisjunctCellSelect, else whether the cell lies in the
    // selection; writing adds or removes the cell and repaints it.
    bool GetSelectedCells(int ACol, int ARow);
    void SetSelectedCells(int ACol, int ARow, bool Value);
    // Entry Index of the list (X column, Y row), in the order picked.
    TPoint GetSelectedCell(int Index) const;
    // Without DisjunctCellSelect the list is first rebuilt from the selection.
    int SelectedCellsCount();
    // Empties the list; the selection becomes the first normal cell.
    void ClearSelectedCells();
    // The selected cells, TAB between cells and CR LF between rows.
    QString SelectedText();

private:
    RIraRevadiVizo &Grid();
    const RIraRevadiVizo &Grid() const;
    int Data_First() const;
    int Data_Last() const;
    // Puts rows From.. into Order (new From + I takes old Order[I]) with
    // their heights, flags and unsort reference; the current row follows
    // its data when Follow.
    void Apply_Row_Order(int From, const std::vector<int> &Order, bool Follow);
    void Sort_Range(int From, int To, bool Indexed);
    void Sort_Data(bool Indexed);
    void Sort_Groups(bool Indexed);
    bool Row_Selected(int ARow);
    std::vector<int> Data_Rows_Selected(bool Selected);
    void Hide_Selected(bool Selected);
    // The column calculations' range: the data rows for -1, and real rows
    // (hidden ones included) when ToRow lies beyond the shown rows.
    void Calc_Range(int &FromRow, int &ToRow, bool &Real);

    std::vector<int> FOrigColSizes;
    int FOldSize = 0;   // the grid width FOrigColSizes belong to
    int FAutoNumberStart = 0;
    int FAutoNumberOffset = 0;
    TSortDirection FAutoNumberDirection = sdAscending;
};
