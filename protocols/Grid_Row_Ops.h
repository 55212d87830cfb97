#pragma once
#include <QChar>
#include <QString>
#include <QStringList>
class QWidget;

// The row operations of the table editors. Their grids keep a fixed row
// count while shown, so deleting, inserting, copying and pasting move cell
// texts instead of adding or removing grid rows. Row 0 is the header row,
// column 0 the row number; the data columns run from 1 to the last stored
// column, hidden ones included.

// The grid as the row operations see it. An adapter per grid class (and one
// over a plain table for the cores and tests) keeps the decisions apart from
// the control.
class IRow_Grid
{
public:
    virtual ~IRow_Grid() = default;
    virtual int Row_Count() const = 0;
    // Shown columns (the fixed one included) and shown plus hidden columns.
    virtual int Shown_Col_Count() const = 0;
    virtual int Stored_Col_Count() const = 0;
    // Cells by real column (hidden columns keep their index).
    virtual QString Cell(int ACol, int ARow) const = 0;
    virtual void Set_Cell(int ACol, int ARow, const QString &Text) = 0;
    // A check-box column never makes a row "in use" (its cell always holds "Y" or "N").
    virtual bool Is_Check_Column(int ACol) const = 0;
    // The current cell (display indexes) and moving it.
    virtual int Col() const = 0;
    virtual int Row() const = 0;
    virtual void Move_To(int ACol, int ARow) = 0;
    // Fits the column to its widest text, no extra margin.
    virtual void Auto_Size_Col(int ACol) = 0;
    // Gather the repaints of many cell writes.
    virtual void Begin_Update() {}
    virtual void End_Update() {}
};

// The cells of the last copied row, one text per data column in column
// order. One clipboard serves every grid for the whole run; each editor
// records whether a copy came from one of its grids.
extern QStringList Row_Clipboard;

// A header double click auto-sizes the clicked column when the user's option
// asks for it; any other double click does nothing here.
void Grid_Auto_Size_Col(IRow_Grid &Grid, int ARow, int ACol);
// With the Enter-jump option on, Enter moves to the next cell (wrapping to
// the next row, and from the last row to row 1) and is swallowed.
void Grid_Enter_Next_Cell(IRow_Grid &Grid, QChar &Key);
// The rows below ARow move up; the last row becomes empty.
void Grid_Delete_Row(int ARow, IRow_Grid &Grid);
// The rows from ARow on move down and ARow becomes empty. The last row's
// content drops out of the table: when it is in use the user is asked first
// and only Yes inserts. True when the row was inserted.
bool Grid_Insert_Row(int ARow, IRow_Grid &Grid, QWidget *Parent = nullptr);
// The data columns of ARow into Row_Clipboard.
void Grid_Copy_Row(IRow_Grid &Grid, int ARow);
// Row_Clipboard into ARow. Refused (text 1702) without a copy from this grid,
// (1701) when the copy has another shape; a row in use is overwritten only
// after Yes (1700). True when the row was written.
bool Grid_Paste_Row(IRow_Grid &Grid, int ARow, bool Do_Copy, QWidget *Parent = nullptr);

// Some data column other than a check-box column holds a non-blank text.
bool Row_In_Use(const IRow_Grid &Grid, int ARow);
