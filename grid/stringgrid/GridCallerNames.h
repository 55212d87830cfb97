#pragma once
// The second names by which the column grid, the exchange formats and the
// interaction code call into the string grid: each hands straight over to
// the grid's own method (its virtual hooks included), so a descendant that
// overrides the hook is reached under either name. Grid is the string grid,
// which inherits this publicly.
#include <QString>

template <class Grid> class RIraRevadiVizo_CallerNames {
public:
    int RealToDisplCol(int ACol) { return Self().DisplColIndex(ACol); }
    int DisplToRealCol(int ACol) const { return Self().RealColIndex(ACol); }
    int RealToDisplRow(int ARow) const { return Self().DisplRowIndex(ARow); }
    int DisplToRealRow(int ARow) const { return Self().RealRowIndex(ARow); }
    void QueryCanEdit(int ACol, int ARow, bool &Allow) { Self().GetCellEditable(ACol, ARow, Allow); }
    void DoCanEditCell(int ACol, int ARow, bool &CanEdit) { Self().CanEditCell(ACol, ARow, CanEdit); }
    // Whether the cell shows its text masked: the password hook, asked from "no".
    bool QueryPasswordCell(int ACol, int ARow)
    {
        bool IsPassword = false;
        Self().IsPasswordCell(ACol, ARow, IsPassword);
        return IsPassword;
    }
    QString CellTextForSave(int ACol, int ARow)
    {
        QString V;
        Self().GetSaveCellText(ACol, ARow, V);
        return V;
    }
    void CellTextLoaded(int ACol, int ARow, const QString &Value) { Self().SetLoadedCellText(ACol, ARow, Value); }
    void DoSelectionChanged(int ALeft, int ATop, int ARight, int ABottom)
    {
        Self().SelectionChanged(ALeft, ATop, ARight, ABottom);
    }
    void DoCanAddRow(bool &Allow) { Allow = Self().CanAddRow(); }
    void DoCanInsertRow(int ARow, bool &Allow) { Allow = Self().CanInsertRow(ARow); }
    void GrowRowCount() { Self().AppendRow(); }
    void DoCheckBoxClick(int ACol, int ARow, bool State) { Self().CheckBoxClick(ACol, ARow, State); }
    void DoButtonClick(int ACol, int ARow) { Self().ButtonClick(ACol, ARow); }
    void DoExpandClick(int ACol, int ARow, bool Expanded) { Self().ExpandClick(ACol, ARow, Expanded); }
    void DoClickSort(int ACol) { Self().ClickSort(ACol); }
    void DoEndBlockFocus(int ARow) { Self().EndBlockFocus(ARow); }
    bool DoCanShowFixedDropDown(int ACol) { return Self().CanShowFixedDropDown(ACol); }
    int GetRowSelectCount() { return Self().RowSelectCount(); }
    void SetShowSelection(bool Value) { Self().Set_ShowSelection(Value); }

private:
    Grid &Self() { return static_cast<Grid &>(*this); }
    const Grid &Self() const { return static_cast<const Grid &>(*this); }
};
