#pragma once
#include "grid/stringgrid/GridLooks.h"
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
    void SwapRows(int ARow1, int ARow2);
    void SwapColumns(int ACol1, int ACol2);
    // Removes each data row whose text in ACol came in a row above; DoCase
    // compares with regard to letter case.
    void RemoveDuplicates(int ACol, bool DoCase);

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
};
