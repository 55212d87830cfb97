// Row filtering: the steps are the filter session's (GridFilterSession.h);
// here the grid answers what a step asks of it, and tests a row.
#include "grid/stringgrid/RIraRevadiVizo.h"
#include "grid/stringgrid/GridCellViews.h"

namespace {
// The text an item tests in display row ARow.
QString Filter_Text(RIraRevadiVizo &G, const TFilterData &Item, int ARow)
{
    if (Item.Data == fcRow) {
        QString Row;
        for (int C = 0; C < G.ColCount(); ++C)
            Row += G.GetCellEx(G.RealColIndex(C), ARow) + QLatin1Char('\n');
        return Row;
    }
    const int C = G.RealColIndex(Item.Column);
    switch (Item.Data) {
    case fcNormal: return G.GetGridCell(C, ARow);
    case fcStripHTML: return G.GetStrippedCell(C, ARow);
    case fcCalculated: {
        QString V;
        G.GetFormulaResult(C, ARow, V);
        return V;
    }
    default: return G.GetCellEx(C, ARow);
    }
}

// The same text as a view: read in place where the cell store holds it as
// it is tested, so a pass over a million rows builds no string per row.
QStringView Filter_View(RIraRevadiVizo &G, const TFilterData &Item, int ARow, TFilterText &Room)
{
    if (Item.Data == fcNormal)
        return Grid_Cell_View(G, G.RealColIndex(Item.Column), ARow, Room.Units);
    QStringView View;
    if (Item.Data == fcVirtual && Cell_Ex_View(G, G.RealColIndex(Item.Column), ARow, Room.Units, View))
        return View;
    Room.Text = Filter_Text(G, Item, ARow);
    return Room.Text;
}
} // namespace

// The grid's rows, levels and events as the filter session asks for them.
class TGridFilterRows final : public IGridFilterRows {
public:
    explicit TGridFilterRows(RIraRevadiVizo &Grid) : G(Grid) {}
    TFilterOptions Options() const override
    {
        return {G.FAutoFilterUpdate, G.FFilterNormalCellsOnly, G.FFilterIncremental,
                G.FFilterDropDownColumns == fdAll, G.FFilterDropDownClear};
    }
    int Row_Count() const override { return G.RowCount(); }
    int Fixed_Rows() const override { return G.FixedRows(); }
    void Set_Fixed_Rows(int Value) override { G.Set_FixedRows(Value); }
    int Fixed_Cols() const override { return G.FixedCols(); }
    int Fixed_Footers() const override { return G.FFixedFooters; }
    int Total_Col_Count() const override { return G.TotalColCount(); }
    bool Is_Group_Row(int Row) override { return G.IsNode(Row) || G.IsSummary(Row); }
    bool Row_Matches(int Row) override { return G.MatchFilterRow(Row); }
    void Progress(short Percent) override
    {
        if (G.OnFilterProgress)
            G.OnFilterProgress(&G, Percent);
    }
    bool Wants_Progress() const override { return static_cast<bool>(G.OnFilterProgress); }
    void Hide_Level(const std::vector<int> &Rows) override { G.HideRowList(Rows); }
    void Show_Last_Level() override { G.UnHideRowList(); }
    int Level() const override { return G.FFilterLevel; }
    void Set_Level(int Value) override { G.FFilterLevel = Value; }
    QString Cell_Text(int Col, int Row) override { return G.GetCellEx(Col, Row).trimmed(); }
    QStringList Hidden_Texts(int Col) override
    {
        QStringList Texts;
        for (const THiddenRow &H : G.Model().Hidden_Rows())
            Texts.append(G.Model().Hidden_Cell(H.Index, Col));
        return Texts;
    }
    bool Build_List(int Col) override { return G.BuildFilterList(Col); }
    void Column_List_Event(int Col, QStringList &List) override
    {
        if (G.OnGetColumnFilter)
            G.OnGetColumnFilter(&G, Col, List);
    }
    void Select_Event(int Col, int Index, const QString &Name, QString &Condition) override
    {
        if (G.OnFilterSelect)
            G.OnFilterSelect(&G, Col, Index, Name, Condition);
    }
    void Check_Event(int Col, int Index, const QString &Name, QString &Condition,
                     const std::vector<bool> &Checked) override
    {
        if (G.OnFilterCheck)
            G.OnFilterCheck(&G, Col, Index, Name, Condition, Checked);
    }
    void Filter_Done() override { G.FilterDone(); }
    void Keep_Fixed_Row() override { G.FFixedRowAlways = true; }
    void Keep_Current_Cell() override
    {
        if (G.Row() >= G.RowCount() || G.Col() >= G.ColCount())
            G.FocusCell(G.FixedCols(), G.FixedRows());
    }
    void Set_Row(int Value) override { G.Set_Row(Value); }
    void Set_Top_Row(int Value) override { G.Set_TopRow(Value); }
    void Restore_Selection() override
    {
        if (G.FSelHidden)
            G.UnHideSelection();
    }
    void Forget_Hidden_Selection() override { G.FSelHidden = false; }
    void Recalc_Footers() override { G.CalcFooter(-1); }
    void Begin_Update() override { G.BeginUpdate(); }
    void End_Update() override { G.EndUpdate(); }
    void Take_Focus() override { G.setFocus(); }
    void Repaint() override { G.Invalidate(); }

private:
    RIraRevadiVizo &G;
};

bool RIraRevadiVizo::MatchFilterRow(int ARow)
{
    const auto Read = [&](const TFilterData &Item, TFilterText &Room) { return Filter_View(*this, Item, ARow, Room); };
    bool Accept = (FFilters.Pass() ? *FFilters.Pass() : FFilters.Single_Pass()).Row_Matches(Read);
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
    TGridFilterRows Rows(*this);
    FFilters.Apply(Rows);
}

void RIraRevadiVizo::Set_FilterActive(bool Value)
{
    TGridFilterRows Rows(*this);
    FFilters.Set_Active(Rows, Value);
}

bool RIraRevadiVizo::RemoveLastFilter()
{
    TGridFilterRows Rows(*this);
    return FFilters.Remove_Last(Rows);
}

void RIraRevadiVizo::RemoveAllFilters()
{
    TGridFilterRows Rows(*this);
    FFilters.Remove_All(Rows);
}

void RIraRevadiVizo::NarrowDown(const QString &ACondition, int AColumn)
{
    TGridFilterRows Rows(*this);
    FFilters.Narrow_Down(Rows, ACondition, AColumn);
}

bool RIraRevadiVizo::BuildFilterList(int ACol)
{
    TGridFilterRows Rows(*this);
    return FFilters.Build_List(Rows, ACol);
}

void RIraRevadiVizo::FilterSelect(int ItemIndex)
{
    TGridFilterRows Rows(*this);
    FFilters.Select(Rows, ItemIndex);
}

void RIraRevadiVizo::FilterCheck(const std::vector<bool> &Checked)
{
    TGridFilterRows Rows(*this);
    FFilters.Check(Rows, Checked);
}

void RIraRevadiVizo::Set_FilterDropDownRow(int Value)
{
    if (FFilters.Set_DropDownRow(Value, FixedRows()))
        Invalidate();
}

void RIraRevadiVizo::Set_FilterDropDownAuto(bool Value)
{
    FFilters.Set_DropDownAuto(Value);
    Invalidate();
}
