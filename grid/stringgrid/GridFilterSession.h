#pragma once
#include "grid/model/GridFilter.h"
#include <QStringList>
#include <memory>
#include <vector>

// The filter settings the grid publishes as its own properties.
struct TFilterOptions {
    bool AutoUpdate = true;        // a choice in the drop-down filters at once
    bool NormalCellsOnly = true;   // node and summary rows are never hidden
    bool Incremental = false;      // the drop-down lists only the rows shown now
    bool AllColumns = false;       // fixed columns get a drop-down as well
    QString Clear;                 // the drop-down's first entry, which clears the column
};

// The grid as filtering sees it. Rows are display rows; the rows a filter
// pass hides form one level of hidden rows, so showing the last level gives
// back exactly those rows and never rows hidden by nodes or by hand.
class IGridFilterRows {
public:
    virtual ~IGridFilterRows() = default;
    virtual TFilterOptions Options() const = 0;
    virtual int Row_Count() const = 0;
    virtual int Fixed_Rows() const = 0;
    virtual void Set_Fixed_Rows(int Value) = 0;
    virtual int Fixed_Cols() const = 0;
    virtual int Fixed_Footers() const = 0;
    virtual int Total_Col_Count() const = 0;
    // Node and summary rows.
    virtual bool Is_Group_Row(int Row) = 0;
    // The row passes the filter (the custom filter event has its say).
    virtual bool Row_Matches(int Row) = 0;
    // Percent of the data rows tested; ignored without a listener.
    virtual void Progress(short Percent) = 0;
    // Whether anyone listens to the progress (else it is not worked out).
    virtual bool Wants_Progress() const { return true; }
    // Hides the rows (ascending) as the next level; an empty list still opens one.
    virtual void Hide_Level(const std::vector<int> &Rows) = 0;
    // Shows the rows of the last level again; the level count stays.
    virtual void Show_Last_Level() = 0;
    virtual int Level() const = 0;
    virtual void Set_Level(int Value) = 0;
    // The text a column's cell is listed by in the drop-down (trimmed).
    virtual QString Cell_Text(int Col, int Row) = 0;
    // The column's cells in hidden rows.
    virtual QStringList Hidden_Texts(int Col) = 0;
    // The grid's list builder, which a descendant may replace.
    virtual bool Build_List(int Col) = 0;
    // The events: they may change the list or the condition.
    virtual void Column_List_Event(int Col, QStringList &List) = 0;
    virtual void Select_Event(int Col, int Index, const QString &Name, QString &Condition) = 0;
    virtual void Check_Event(int Col, int Index, const QString &Name, QString &Condition,
                             const std::vector<bool> &Checked) = 0;
    virtual void Filter_Done() = 0;
    // A filtered grid keeps its fixed row even when no data row is left.
    virtual void Keep_Fixed_Row() = 0;
    // Moves the current cell onto the grid when it stands outside.
    virtual void Keep_Current_Cell() = 0;
    virtual void Set_Row(int Value) = 0;
    virtual void Set_Top_Row(int Value) = 0;
    // The selection hidden while no data row was left shows again.
    virtual void Restore_Selection() = 0;
    virtual void Forget_Hidden_Selection() = 0;
    virtual void Recalc_Footers() = 0;
    virtual void Begin_Update() = 0;
    virtual void End_Update() = 0;
    virtual void Take_Focus() = 0;
    virtual void Repaint() = 0;
};

// Row filtering: the conditions, whether they are applied, the levels the
// filtered rows were hidden at, the narrowing as the user types, and the
// drop-down of a fixed row that lists a column's distinct texts.
class TGridFilterSession {
public:
    TFilter &Filter() { return FFilter; }
    bool Active() const { return FActive; }
    // On: every data row failing the filter is hidden as one level. Off: that
    // level is shown and taken away, so a later filter starts a fresh one.
    void Set_Active(IGridFilterRows &Rows, bool Value);
    void Apply(IGridFilterRows &Rows);
    // Shows the last level; true while more than one level is left.
    bool Remove_Last(IGridFilterRows &Rows);
    // Shows every level; without a level the conditions are cleared.
    void Remove_All(IGridFilterRows &Rows);
    // A condition one character longer than the last narrows by one more
    // level, one character shorter takes the last level away, anything else
    // starts over.
    void Narrow_Down(IGridFilterRows &Rows, const QString &Condition, int Column);
    QString Last_Condition() const { return FLastCondition; }
    // The conditions read once for the pass Apply is making (nullptr outside
    // one): the row test uses it instead of reading them for every row.
    const TFilterPass *Pass() const { return FPass.get(); }
    // The conditions read for a row tested on its own (outside a pass): kept
    // while the items and formats stay as they were, so testing rows one by
    // one does not read the conditions for every row.
    const TFilterPass &Single_Pass();

    // The drop-down: sorted distinct texts of the column (hidden rows
    // included unless incremental), the clear entry first.
    bool Build_List(IGridFilterRows &Rows, int Col);
    // The entry chosen in the drop-down of column Col(): its condition
    // replaces the column's ("(All)" removes it). Col() is reset.
    void Select(IGridFilterRows &Rows, int ItemIndex);
    // The checked entries as conditions joined by "or".
    void Check(IGridFilterRows &Rows, const std::vector<bool> &Checked);
    QStringList &List() { return FList; }
    const QStringList &List() const { return FList; }
    int Col() const { return FCol; }
    void Set_Col(int Value) { FCol = Value; }
    int DropDownRow() const { return FDropDownRow; }
    // Only a fixed row takes the drop-down; false when Value is refused.
    bool Set_DropDownRow(int Value, int FixedRows);
    bool DropDownAuto() const { return FDropDownAuto; }
    void Set_DropDownAuto(bool Value) { FDropDownAuto = Value; }
    bool DropDownCheck() const { return FDropDownCheck; }
    void Set_DropDownCheck(bool Value) { FDropDownCheck = Value; }

private:
    TFilter FFilter;
    std::unique_ptr<TFilterPass> FPass;
    std::unique_ptr<TFilterPass> FSingle;
    bool FActive = false;
    int FFixedRowsBefore = 0;   // the fixed rows when the filter was applied
    QString FLastCondition;
    int FCol = -1;
    int FDropDownRow = 0;
    bool FDropDownAuto = false;
    bool FDropDownCheck = false;
    QStringList FList;
};
