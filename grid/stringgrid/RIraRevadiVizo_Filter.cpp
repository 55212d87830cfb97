// Row filtering: the conditions of Filter tested against every data row, the
// failing rows hidden as one filter level; narrowing as the user types; the
// drop-down of a fixed row with the column's distinct values. Filtered rows
// are recorded as hidden by their level, so removing a level shows exactly
// those rows and never rows hidden by nodes or by hand.
#include "grid/stringgrid/RIraRevadiVizo.h"
#include "grid/model/TextRoutines.h"
#include <cmath>

QString RIraRevadiVizo::Filter_Text(const TFilterData &Item, int ARow)
{
    if (Item.Data == fcRow) {
        QString Row;
        for (int C = 0; C < ColCount(); ++C)
            Row += GetCellEx(RealColIndex(C), ARow) + QLatin1Char('\n');
        return Row;
    }
    const int C = RealColIndex(Item.Column);
    switch (Item.Data) {
    case fcNormal: return GetGridCell(C, ARow);
    case fcStripHTML: return GetStrippedCell(C, ARow);
    case fcCalculated: {
        QString V;
        GetFormulaResult(C, ARow, V);
        return V;
    }
    default: return GetCellEx(C, ARow);
    }
}

bool RIraRevadiVizo::MatchFilterRow(int ARow)
{
    bool Accept = Filter_Row_Matches(FFilter, [&](const TFilterData &Item) { return Filter_Text(Item, ARow); });
    if (OnCustomFilter)
        OnCustomFilter(this, ARow, Accept);
    return Accept;
}

void RIraRevadiVizo::FilterRow(int ARow)
{
    if (!MatchFilterRow(ARow))
        HideRow(RealRowIndex(ARow));
}

void RIraRevadiVizo::ApplyFilter()
{
    FFilterFixedRows = FixedRows();
    const int First = FixedRows();
    const int Last = RowCount() - FFixedFooters - 1;
    const int DataRows = RowCount() - FixedRows() - FFixedFooters;
    std::vector<int> Failing;
    int Tested = 0;
    short Progress = 0;
    for (int R = First; R <= Last; ++R) {
        if (!(FFilterNormalCellsOnly && (IsNode(R) || IsSummary(R)))) {
            if (!MatchFilterRow(R))
                Failing.push_back(R);
        }
        ++Tested;
        if (DataRows > 0) {
            const short P = static_cast<short>(std::lround(100.0 * Tested / DataRows));
            if (OnFilterProgress && P != Progress)
                OnFilterProgress(this, P);
            Progress = P;
        }
    }
    HideRowList(Failing);
    if (OnFilterProgress && DataRows > 0)
        OnFilterProgress(this, Progress);
}

void RIraRevadiVizo::Set_FilterActive(bool Value)
{
    if (Value != FFilterActive) {
        FFilterActive = Value;
        if (Value) {
            if (Row() >= RowCount() || Col() >= ColCount())
                FocusCell(FixedCols(), FixedRows());
            BeginUpdate();
            ApplyFilter();
            EndUpdate();
            FSelHidden = false;
        } else {
            // The level's rows are back, so the level itself goes too: a later
            // filter starts a fresh level instead of stacking on an empty one.
            if (FFilterLevel > 0) {
                UnHideRowList();
                --FFilterLevel;
            }
            if (FFilterFixedRows < RowCount())
                Set_FixedRows(FFilterFixedRows);
            if (FSelHidden)
                UnHideSelection();
        }
        if (FixedRows() < RowCount())
            Set_TopRow(FixedRows());
    }
    CalcFooter(-1);
}

bool RIraRevadiVizo::RemoveLastFilter()
{
    if (FFilterLevel <= 0)
        return false;
    UnHideRowList();
    if (FFilterFixedRows < RowCount())
        Set_FixedRows(FFilterFixedRows);
    if (FSelHidden)
        UnHideSelection();
    CalcFooter(-1);
    --FFilterLevel;
    return FFilterLevel > 1;
}

void RIraRevadiVizo::RemoveAllFilters()
{
    if (FFilterLevel > 0) {
        while (FFilterLevel > 0)
            RemoveLastFilter();
    } else
        FFilter.Clear();
}

void RIraRevadiVizo::NarrowDown(const QString &ACondition, int AColumn)
{
    FFixedRowAlways = true;
    auto Fresh = [&] {
        FFilter.Clear();
        FFilter.Add() = Narrow_Down_Item(ACondition, AColumn);
        ApplyFilter();
    };
    if (ACondition.size() == FLastFilter.size() + 1 && ACondition.startsWith(FLastFilter))
        Fresh();
    else if (!ACondition.isEmpty() && FLastFilter.size() == ACondition.size() + 1 && FLastFilter.startsWith(ACondition))
        RemoveLastFilter();
    else {
        RemoveAllFilters();
        if (!ACondition.isEmpty())
            Fresh();
    }
    // An empty condition leaves no filter level; rows hidden otherwise (by
    // nodes or by hand) stay hidden rather than being dropped.
    FLastFilter = ACondition;
}

bool RIraRevadiVizo::BuildFilterList(int ACol)
{
    FFilterList.clear();
    if (FFilterDropDownAuto && (ACol >= FixedCols() || FFilterDropDownColumns == fdAll)) {
        QStringList Sorted;
        auto Add = [&](const QString &Entry) {
            auto It = std::lower_bound(Sorted.begin(), Sorted.end(), Entry);
            if (It == Sorted.end() || *It != Entry)
                Sorted.insert(It, Entry);
        };
        for (int R = FixedRows(); R <= RowCount() - FFixedFooters - 1; ++R)
            Add(Filter_Entry_For(GetCellEx(ACol, R).trimmed()));
        if (!FFilterIncremental)
            for (const THiddenRow &H : Model().Hidden_Rows())
                Add(Filter_Entry_For(Model().Hidden_Cell(H.Index, ACol)));
        FFilterList = Sorted;
        if (!FFilterDropDownClear.isEmpty())
            FFilterList.prepend(FFilterDropDownClear);
    }
    if (OnGetColumnFilter)
        OnGetColumnFilter(this, ACol, FFilterList);
    return !FFilterList.isEmpty();
}

void RIraRevadiVizo::FilterSelect(int ItemIndex)
{
    setFocus();
    const int Col = FFilterCol;
    FFilterCol = -1;
    if (Col < 0 || Col >= TotalColCount())
        return;
    BuildFilterList(Col);
    if (ItemIndex < 0 || ItemIndex >= FFilterList.size())
        return;
    QString Name, Condition;
    Split_Filter_Entry(FFilterList[ItemIndex], FFilterDropDownClear, Name, Condition);
    if (FAutoFilterUpdate)
        Set_FilterActive(false);
    if (OnFilterSelect)
        OnFilterSelect(this, Col, ItemIndex, Name, Condition);
    if (!Condition.isEmpty())
        FFilter.GetColFilter(Col).Condition = Condition;
    else
        FFilter.RemoveColumnFilter(Col);
    if (FAutoFilterUpdate) {
        FFixedRowAlways = true;
        Set_FilterActive(true);
        if (RowCount() != FixedRows() && RowCount() != 1)
            Set_Row(FixedRows());
        FilterDone();
    }
}

void RIraRevadiVizo::FilterCheck(const std::vector<bool> &Checked)
{
    const int Col = FFilterCol;
    if (Col < 0 || Col >= TotalColCount())
        return;
    BuildFilterList(Col);
    if (FAutoFilterUpdate)
        Set_FilterActive(false);
    FFilter.Clear();
    for (int I = 0; I < FFilterList.size() && I < static_cast<int>(Checked.size()); ++I) {
        if (!Checked[static_cast<size_t>(I)])
            continue;
        QString Name, Condition;
        Split_Filter_Entry(FFilterList[I], FFilterDropDownClear, Name, Condition);
        if (OnFilterCheck)
            OnFilterCheck(this, Col, I, Name, Condition, Checked);
        TFilterData &D = FFilter.Add();
        D.Condition = Condition;
        D.Column = static_cast<short>(Col);
        D.Operation = FFilter.Count() == 1 ? foNONE : foOR;
    }
    Set_FilterActive(true);
    Invalidate();
}

void RIraRevadiVizo::Set_FilterDropDownRow(int Value)
{
    if (Value < 0 || Value >= FixedRows())
        return;
    FFilterDropDownRow = Value;
    Invalidate();
}

void RIraRevadiVizo::Set_FilterDropDownAuto(bool Value)
{
    FFilterDropDownAuto = Value;
    Invalidate();
}
