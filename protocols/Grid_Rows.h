#pragma once
#include "protocols/CellTable.h"
#include "protocols/Grid_Row_Ops.h"
#include <functional>

// IRow_Grid over a grid control: anything with the string grid's cell, count,
// hidden-column and current-cell calls. Which columns are check boxes and how
// a column is auto-sized depend on the grid class, so they are handed in.
template <class TGrid>
class TGrid_Rows : public IRow_Grid
{
public:
    explicit TGrid_Rows(TGrid &Grid, std::function<bool(int)> Is_Check = {}, std::function<void(int)> Auto_Size = {})
        : FGrid(Grid), FIs_Check(std::move(Is_Check)), FAuto_Size(std::move(Auto_Size))
    {
    }
    int Row_Count() const override { return FGrid.RowCount(); }
    int Shown_Col_Count() const override { return FGrid.ColCount(); }
    int Stored_Col_Count() const override { return FGrid.ColCount() + FGrid.NumHiddenColumns(); }
    QString Cell(int ACol, int ARow) const override { return FGrid.GetCellEx(ACol, ARow); }
    void Set_Cell(int ACol, int ARow, const QString &Text) override { FGrid.SetCellEx(ACol, ARow, Text); }
    bool Is_Check_Column(int ACol) const override { return FIs_Check && FIs_Check(ACol); }
    int Col() const override { return FGrid.Col(); }
    int Row() const override { return FGrid.Row(); }
    void Move_To(int ACol, int ARow) override
    {
        FGrid.Set_Col(ACol);
        FGrid.Set_Row(ARow);
    }
    void Auto_Size_Col(int ACol) override
    {
        if (FAuto_Size)
            FAuto_Size(ACol);
    }
    void Begin_Update() override { FGrid.BeginUpdate(); }
    void End_Update() override { FGrid.EndUpdate(); }

private:
    TGrid &FGrid;
    std::function<bool(int)> FIs_Check;
    std::function<void(int)> FAuto_Size;
};

// IRow_Grid over a plain table (no current cell, nothing to size): the row
// movements as the cores and tests use them.
class TTable_Rows : public IRow_Grid
{
public:
    explicit TTable_Rows(TCellTable &Table, std::function<bool(int)> Is_Check = {})
        : FTable(Table), FIs_Check(std::move(Is_Check))
    {
    }
    int Row_Count() const override { return FTable.Row_Count(); }
    int Shown_Col_Count() const override { return FTable.Col_Count(); }
    int Stored_Col_Count() const override { return FTable.Col_Count(); }
    QString Cell(int ACol, int ARow) const override { return FTable.Cell(ACol, ARow); }
    void Set_Cell(int ACol, int ARow, const QString &Text) override { FTable.Set_Cell(ACol, ARow, Text); }
    bool Is_Check_Column(int ACol) const override { return FIs_Check && FIs_Check(ACol); }
    int Col() const override { return FCol; }
    int Row() const override { return FRow; }
    void Move_To(int ACol, int ARow) override
    {
        FCol = ACol;
        FRow = ARow;
    }
    void Auto_Size_Col(int) override {}

private:
    TCellTable &FTable;
    std::function<bool(int)> FIs_Check;
    int FCol = 1;
    int FRow = 1;
};

// Every data row of the grid from the table (column 0 keeps the grid's row
// numbers): the stored columns of both, up to the narrower.
inline void Copy_Table_To_Grid(const TCellTable &Table, IRow_Grid &Grid)
{
    const int Rows = qMin(Table.Row_Count(), Grid.Row_Count());
    const int Cols = qMin(Table.Col_Count(), Grid.Stored_Col_Count());
    Grid.Begin_Update();
    for (int R = 1; R < Rows; ++R)
        for (int C = 1; C < Cols; ++C)
            Grid.Set_Cell(C, R, Table.Cell(C, R));
    Grid.End_Update();
}

inline void Copy_Grid_To_Table(const IRow_Grid &Grid, TCellTable &Table)
{
    Table.Clear();
    const int Rows = qMin(Table.Row_Count(), Grid.Row_Count());
    const int Cols = qMin(Table.Col_Count(), Grid.Stored_Col_Count());
    for (int R = 1; R < Rows; ++R)
        for (int C = 1; C < Cols; ++C)
            Table.Set_Cell(C, R, Grid.Cell(C, R));
}
