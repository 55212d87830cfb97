// Hidden columns and rows. A hidden column keeps its cells where they are
// (only the visible count and the widths change); a hidden row leaves the grid
// and waits in the model with its cells, objects and height.
#include "grid/stringgrid/RIraRevadiVizo.h"
#include <algorithm>

// --- columns ------------------------------------------------------------------------------------

void RIraRevadiVizo::HideColumns(int FromCol, int ToCol)
{
    HideEditor();
    for (int C = std::max(0, FromCol); C <= ToCol; ++C) {
        if (IsHiddenColumn(C) || C >= TotalColCount() || ColCount() <= 1)
            continue;
        const int D = DisplColIndex(C);
        Model().Hide_Col(C, ColWidths(D));
        for (int I = D; I < ColCount() - 1; ++I)
            Set_ColWidths(I, ColWidths(I + 1));
        if (Col() == ColCount() - 1 && Col() > TBaseGrid::FixedCols())
            TBaseGrid::Set_Col(Col() - 1);
        Set_ColCount(ColCount() - 1);
    }
    Rebuild_Cell_Controls_If_Used();
    Invalidate();
}

void RIraRevadiVizo::Hide_Columns_Where(const std::vector<bool> &Visible)
{
    const int N = std::min(static_cast<int>(Visible.size()), ColCount());
    if (std::find(Visible.begin(), Visible.begin() + N, false) == Visible.begin() + N)
        return;
    HideEditor();
    // Hidden from the right, each column would keep the width it has now and
    // the widths of the columns still shown would close up.
    std::vector<int> Shown;
    Shown.reserve(static_cast<size_t>(ColCount()));
    Model().Begin_Update();
    for (int C = 0; C < ColCount(); ++C) {
        if (C < N && !Visible[static_cast<size_t>(C)] && Model().Hide_Col(C, ColWidths(C)))
            continue;
        Shown.push_back(ColWidths(C));
    }
    Model().End_Update();
    const int Col0 = Col();
    Set_ColCount(static_cast<int>(Shown.size()));
    if (Col0 >= ColCount() && ColCount() - 1 >= TBaseGrid::FixedCols())
        TBaseGrid::Set_Col(ColCount() - 1);
    Set_ColWidths_All(Shown);
    Rebuild_Cell_Controls_If_Used();
    Invalidate();
}

void RIraRevadiVizo::UnHideColumns(int FromCol, int ToCol)
{
    HideEditor();
    for (int C = std::max(0, FromCol); C <= ToCol; ++C) {
        if (!IsHiddenColumn(C))
            continue;
        const int Width = Model().Hidden_Col_Width(C);
        Model().Unhide_Col(C);
        Set_ColCount(ColCount() + 1);
        const int D = DisplColIndex(C);
        for (int I = ColCount() - 1; I > D; --I)
            Set_ColWidths(I, ColWidths(I - 1));
        Set_ColWidths(D, Width);
    }
    Rebuild_Cell_Controls_If_Used();
    Invalidate();
}

bool RIraRevadiVizo::IsIgnoredColumn(int ACol) const
{
    return std::find(FIgnoreColumns.begin(), FIgnoreColumns.end(), ACol) != FIgnoreColumns.end();
}

// --- rows -------------------------------------------------------------------------------------------

std::vector<int> RIraRevadiVizo::All_Row_Heights() const
{
    std::vector<int> H(static_cast<size_t>(RowCount()));
    for (int R = 0; R < RowCount(); ++R)
        H[static_cast<size_t>(R)] = RowHeights(R);
    return H;
}

void RIraRevadiVizo::Apply_Row_Heights(const std::vector<int> &Heights, int From)
{
    // One pass with the change notices held back: a million rows must not
    // run the size bookkeeping a million times. Rows that keep their height
    // are not written (most rows have the default one).
    FBulkHeights = true;
    for (int I = 0; I < static_cast<int>(Heights.size()) && From + I < RowCount(); ++I)
        if (RowHeights(From + I) != Heights[static_cast<size_t>(I)])
            Set_RowHeights(From + I, Heights[static_cast<size_t>(I)]);
    FBulkHeights = false;
    RowHeightsChanged();
    // Rows left or came back: the controls over cells are collected anew.
    Rebuild_Cell_Controls_If_Used();
}

void RIraRevadiVizo::RowHeightsChanged()
{
    if (!FBulkHeights) {
        TBaseGrid::RowHeightsChanged();
        Row_Heights_Changed_Ex();
    }
}

void RIraRevadiVizo::HideRows(int FromRow, int ToRow)
{
    if (FromRow < 0 || ToRow < FromRow)
        return;
    HideEditor();
    std::vector<int> Heights = All_Row_Heights();
    const int D0 = DisplRowIndex(FromRow);
    const int N = Model().Hide_Rows(FromRow, ToRow, [&](int D) {
        return D < static_cast<int>(Heights.size()) ? Heights[static_cast<size_t>(D)] : DefaultRowHeight();
    }, hrExplicit, TotalRowCount());
    if (N == 0)
        return;
    const int End = std::min(static_cast<int>(Heights.size()), D0 + N);
    if (D0 < End)
        Heights.erase(Heights.begin() + D0, Heights.begin() + End);
    Set_Row_Count_In_Place(RowCount() - N);
    Apply_Row_Heights(Heights);
    Invalidate();
}

void RIraRevadiVizo::HideRowList(const std::vector<int> &RowList)
{
    std::vector<int> List;
    List.reserve(RowList.size());
    for (int R : RowList)
        if (R >= 0 && R < RowCount() && (List.empty() || R > List.back()))
            List.push_back(R);
    if (List.empty()) {
        ++FFilterLevel;
        return;
    }
    HideEditor();
    const std::vector<int> Heights = All_Row_Heights();
    Model().Hide_Row_List(List, FFilterLevel, [&](int D) { return Heights[static_cast<size_t>(D)]; });
    ++FFilterLevel;
    std::vector<int> Kept;
    Kept.reserve(Heights.size() - List.size());
    size_t Next = 0;
    for (int R = 0; R < static_cast<int>(Heights.size()); ++R) {
        if (Next < List.size() && List[Next] == R) {
            ++Next;
            continue;
        }
        Kept.push_back(Heights[static_cast<size_t>(R)]);
    }
    Set_Row_Count_In_Place(RowCount() - static_cast<int>(List.size()));
    Apply_Row_Heights(Kept);
    Invalidate();
}

void RIraRevadiVizo::UnHideRowList()
{
    if (FFilterLevel <= 0)
        return;
    HideEditor();
    if (Row() >= RowCount())
        FocusCell(TBaseGrid::FixedCols(), TBaseGrid::FixedRows());
    std::vector<int> Old = All_Row_Heights();
    std::vector<std::pair<int, int>> Back;
    const int N = Model().Unhide_Level(FFilterLevel - 1, [&](int D, int H) { Back.emplace_back(D, H); });
    if (N == 0)
        return;
    std::vector<int> Heights;
    Heights.reserve(Old.size() + Back.size());
    size_t Src = 0, B = 0;
    const size_t Total = Old.size() + Back.size();
    for (size_t D = 0; D < Total; ++D) {
        if (B < Back.size() && static_cast<size_t>(Back[B].first) == D)
            Heights.push_back(Back[B++].second);
        else if (Src < Old.size())
            Heights.push_back(Old[Src++]);
    }
    Set_Row_Count_In_Place(RowCount() + N);
    Apply_Row_Heights(Heights);
    Invalidate();
}

void RIraRevadiVizo::UnHideRows(int FromRow, int ToRow)
{
    if (!IsHiddenRow(FromRow))
        return;
    HideEditor();
    std::vector<int> Heights = All_Row_Heights();
    const int N = Model().Unhide_Rows(FromRow, ToRow, [&](int D, int H) {
        if (D > static_cast<int>(Heights.size()))
            Heights.resize(static_cast<size_t>(D), DefaultRowHeight());
        Heights.insert(Heights.begin() + D, H);
    });
    Set_Row_Count_In_Place(RowCount() + N);
    Apply_Row_Heights(Heights);
    Invalidate();
}

void RIraRevadiVizo::UnHideRowsAll()
{
    // Runs of consecutive hidden rows come back together.
    while (NumHiddenRows() > 0) {
        const std::vector<THiddenRow> &H = Model().Hidden_Rows();
        const int From = H.front().Index;
        int To = From;
        for (size_t I = 1; I < H.size() && H[I].Index == To + 1; ++I)
            ++To;
        UnHideRows(From, To);
    }
}

// --- current row and top row ----------------------------------------------------------------------

void RIraRevadiVizo::Set_Row(int Value)
{
    if (Col() < 0 || Col() >= ColCount())
        MoveCurrentCell(FixedCols(), Value);
    TBaseGrid::Set_Row(Value);
    if (Row() != FOldRow && OnRowUpdate) {
        OnRowUpdate(this, FOldRow, Row());
        FOldRow = Row();
    }
    if (FMouseActions.DisjunctRowSelect())
        SelectionToRowSelect(false);
    if (auto *G = qobject_cast<RIraRevadiVizo *>(FSyncGrid.Grid()); G && FSyncGrid.SelectionRow() && G->Row() != Row())
        G->Set_Row(Row());
}

void RIraRevadiVizo::Set_Col(int Value)
{
    TBaseGrid::Set_Col(Value);
    if (auto *G = qobject_cast<RIraRevadiVizo *>(FSyncGrid.Grid());
        G && FSyncGrid.SelectionColumn() && G->Col() != Col())
        G->Set_Col(Col());
}

void RIraRevadiVizo::Set_TopRow(int Value)
{
    if (Value >= FixedRows() && Value <= RowCount() - 1)
        TBaseGrid::Set_TopRow(Value);
}

// --- used cells and the save range -------------------------------------------------------------------

TRect RIraRevadiVizo::GetUsedCells()
{
    TRect R{0, 0, 0, 0};
    bool Any = false;
    for (int Row = 0; Row < RowCount(); ++Row)
        for (int C = 0; C < ColCount(); ++C) {
            if (GetCellEx(C, Row).isEmpty())
                continue;
            if (!Any) {
                R = {C, Row, C, Row};
                Any = true;
                continue;
            }
            R.Left = std::min(R.Left, C);
            R.Top = std::min(R.Top, Row);
            R.Right = std::max(R.Right, C);
            R.Bottom = std::max(R.Bottom, Row);
        }
    return R;
}

namespace {
TCellRange Save_Range_Of(const RIraRevadiVizo &G)
{
    return Save_Range(G.SaveOptions(), {G.ColCount(), G.RowCount(), G.FixedCols(), G.FixedRows(),
                                        G.FixedRightCols(), G.FixedFooters()});
}
} // namespace

int RIraRevadiVizo::GetSaveStartCol() const { return Save_Range_Of(*this).Left; }
int RIraRevadiVizo::GetSaveStartRow() const { return Save_Range_Of(*this).Top; }
int RIraRevadiVizo::GetSaveEndCol() const { return Save_Range_Of(*this).Right; }
int RIraRevadiVizo::GetSaveEndRow() const { return Save_Range_Of(*this).Bottom; }
int RIraRevadiVizo::GetSaveColCount() const
{
    const TCellRange R = Save_Range_Of(*this);
    return R.Right - R.Left + 1;
}
int RIraRevadiVizo::GetSaveRowCount() const
{
    const TCellRange R = Save_Range_Of(*this);
    return R.Bottom - R.Top + 1;
}

bool RIraRevadiVizo::IsHiddenRow(int RowIndex, std::vector<int> &Cache) const
{
    if (Cache.empty() && NumHiddenRows() > 0)
        for (const THiddenRow &H : Model().Hidden_Rows())
            Cache.push_back(H.Index);
    return std::binary_search(Cache.begin(), Cache.end(), RowIndex);
}

void RIraRevadiVizo::HideRowsEx(int FromRow, int ToRow)
{
    if (!IsHiddenRow(FromRow))
        HideRows(FromRow, ToRow);
}
