// The string grid's removal by selection and check state, clearing, trimming
// and colouring of cell ranges, merging along rows, joining columns and
// finding a cell by its text.
#include "grid/stringgrid/GridDataOps.h"
#include "grid/stringgrid/RIraRevadiVizo.h"
#include <algorithm>

namespace {

// Delphi's Trim: blanks and control characters go at both ends.
QString Trim_Blanks(const QString &S)
{
    qsizetype A = 0, B = S.size();
    while (A < B && S[A].unicode() <= 0x20)
        ++A;
    while (B > A && S[B - 1].unicode() <= 0x20)
        --B;
    return S.mid(A, B - A);
}

// Brackets a bulk change with one update frame, also when it raises.
class TUpdateFrame {
public:
    explicit TUpdateFrame(RIraRevadiVizo &G) : FGrid(G) { G.BeginUpdate(); }
    ~TUpdateFrame() { FGrid.EndUpdate(); }
    TUpdateFrame(const TUpdateFrame &) = delete;
    TUpdateFrame &operator=(const TUpdateFrame &) = delete;

private:
    RIraRevadiVizo &FGrid;
};

} // namespace

// ---- removal ------------------------------------------------------------------------------------

void TGridDataOps::RemoveRowsEx(int RowIndex, int RCount)
{
    RIraRevadiVizo &G = Grid();
    if (RowIndex < 0 || RowIndex >= G.RowCount() || RCount <= 0)
        return;
    const int Count = std::min(RCount, G.RowCount() - RowIndex);
    const int OldRow = G.Row();
    const int OldTop = G.TopRow();
    {
        TUpdateFrame Frame(G);
        // Only the row data moves: every position keeps its height.
        const std::vector<int> Heights = G.All_Row_Heights();
        G.Remove_Grid_Rows(RowIndex, Count);
        std::vector<int> Kept(Heights.begin(), Heights.begin() + std::min<size_t>(Heights.size(), static_cast<size_t>(G.RowCount())));
        G.Apply_Row_Heights(Kept);
        if (OldRow < G.RowCount()) {
            G.Set_Row(OldRow);
            G.Set_TopRow(std::min(OldTop, G.RowCount() - 1));
        } else if (G.RowCount() > G.FixedRows()) {
            G.Set_Row(G.FixedRows());
            G.Set_TopRow(G.FixedRows());
        }
    }
    G.Invalidate();
    G.CellsChanged(TGridRect{0, RowIndex, G.ColCount() - 1, RowIndex + RCount});
}

void TGridDataOps::DeleteRows(int RowIndex, int RCount)
{
    RIraRevadiVizo &G = Grid();
    if (RowIndex < 0 || RowIndex >= G.RowCount() || RCount <= 0)
        return;
    const int Count = std::min(RCount, G.RowCount() - RowIndex);
    // Controls standing in the removed rows go with them.
    TControlList &Controls = G.ControlList();
    for (int I = Controls.Count() - 1; I >= 0; --I) {
        TControlItem &C = Controls.GetControl(I);
        if (C.Y >= RowIndex && C.Y < RowIndex + Count) {
            if (C.Control)
                C.Control->hide();
            Controls.RemoveControl(I);
        }
    }
    RemoveRows(RowIndex, Count);
    if (G.TopRow() >= G.RowCount() - 1 && G.RowCount() > G.FixedRows())
        G.Set_TopRow(std::max(G.FixedRows(), G.RowCount() - 1));
}

void TGridDataOps::RemoveCheckedRows(int CheckBoxColumn, bool RemoveChecked)
{
    RIraRevadiVizo &G = Grid();
    TUpdateFrame Frame(G);
    // Only data rows: a footer row has no check box and must not go as "unchecked".
    for (int R = Data_Last(); R >= Data_First(); --R)
        if (G.IsChecked(CheckBoxColumn, R) == RemoveChecked)
            RemoveRows(R, 1);
}

bool TGridDataOps::Row_Selected(int ARow)
{
    RIraRevadiVizo &G = Grid();
    return G.GetRowSelect(G.MouseActions().RowSelectPersistent() ? G.RealRowIndex(ARow) : ARow);
}

std::vector<int> TGridDataOps::Data_Rows_Selected(bool Selected)
{
    // Collected before anything moves: removing or hiding a row shifts the
    // selection (its marks and rectangle) under the rows still to go.
    std::vector<int> Rows;
    for (int R = Data_First(); R <= Data_Last(); ++R)
        if (Row_Selected(R) == Selected)
            Rows.push_back(R);
    return Rows;
}

void TGridDataOps::RemoveSelectedRows()
{
    RIraRevadiVizo &G = Grid();
    TUpdateFrame Frame(G);
    if (G.MouseActions().DisjunctRowSelect()) {
        const std::vector<int> Rows = Data_Rows_Selected(true);
        for (auto It = Rows.rbegin(); It != Rows.rend(); ++It)
            DeleteRows(*It, 1);
        G.ClearRowSelect();
        return;
    }
    const TGridRect S = G.Selection();
    const int Top = std::max(std::min(S.Top, S.Bottom), Data_First());
    const int Bottom = std::min(std::max(S.Top, S.Bottom), Data_Last());
    if (Bottom >= Top)
        DeleteRows(Top, Bottom - Top + 1);
}

void TGridDataOps::RemoveUnSelectedRows()
{
    RIraRevadiVizo &G = Grid();
    TUpdateFrame Frame(G);
    const std::vector<int> Rows = Data_Rows_Selected(false);
    for (auto It = Rows.rbegin(); It != Rows.rend(); ++It)
        DeleteRows(*It, 1);
    if (G.MouseActions().RowSelectPersistent())
        G.SelectRows(Data_First(), Data_Last() - Data_First() + 1);
    else
        G.ClearRowSelect();
}

void TGridDataOps::Hide_Selected(bool Selected)
{
    RIraRevadiVizo &G = Grid();
    TUpdateFrame Frame(G);
    const std::vector<int> Rows = Data_Rows_Selected(Selected);
    for (auto It = Rows.rbegin(); It != Rows.rend(); ++It) {
        const int Real = G.RealRowIndex(*It);
        G.HideRows(Real, Real);
    }
}

void TGridDataOps::HideSelectedRows() { Hide_Selected(true); }
void TGridDataOps::HideUnSelectedRows() { Hide_Selected(false); }

void TGridDataOps::RemoveSelectedCols()
{
    RIraRevadiVizo &G = Grid();
    TUpdateFrame Frame(G);
    if (G.MouseActions().DisjunctColSelect()) {
        for (int C = G.ColCount() - 1; C >= G.FixedCols(); --C)
            if (G.GetColSelect(C)) {
                G.Model().Row_Flags().ColSelect.Remove(C, 1);
                RemoveCols(G.RealColIndex(C), 1);
            }
        return;
    }
    const TGridRect S = G.Selection();
    // Right to left, so the display columns still to go keep their places.
    for (int C = std::max(S.Left, S.Right); C >= std::min(S.Left, S.Right); --C)
        RemoveCols(G.RealColIndex(C), 1);
}

void TGridDataOps::RemoveUnSelectedCols()
{
    RIraRevadiVizo &G = Grid();
    TUpdateFrame Frame(G);
    if (G.MouseActions().DisjunctColSelect()) {
        for (int C = G.ColCount() - 1; C >= G.FixedCols(); --C)
            if (!G.GetColSelect(C)) {
                G.Model().Row_Flags().ColSelect.Remove(C, 1);
                RemoveCols(G.RealColIndex(C), 1);
            }
    } else {
        const TGridRect S = G.Selection();
        const int Left = std::min(S.Left, S.Right), Right = std::max(S.Left, S.Right);
        for (int C = G.ColCount() - 1; C > Right; --C)
            RemoveCols(G.RealColIndex(C), 1);
        for (int C = Left - 1; C >= G.FixedCols(); --C)
            RemoveCols(G.RealColIndex(C), 1);
    }
    G.ClearColSelect();
}

// ---- clearing, trimming, colouring --------------------------------------------------------------

void TGridDataOps::ClearRect(int ACol1, int ARow1, int ACol2, int ARow2)
{
    RIraRevadiVizo &G = Grid();
    const bool Map = G.SaveHiddenCells();
    auto Real = [&](int C) { return Map && C < G.ColCount() ? G.RealColIndex(C) : C; };
    ARow1 = std::max(ARow1, 0);
    ARow2 = std::min(ARow2, G.RowCount() - 1);
    ACol1 = std::max(ACol1, 0);
    ACol2 = std::min(ACol2, G.TotalColCount() - 1);
    if (ACol2 < ACol1 || ARow2 < ARow1)
        return;
    {
        TUpdateFrame Frame(G);
        for (int C = ACol1; C <= ACol2; ++C) {
            const int RC = Real(C);
            for (int R = ARow1; R <= ARow2; ++R) {
                if (!G.ClearTextOnly() && G.HasCellProps(RC, R)) {
                    G.RemoveCellGraphic(RC, R);
                    G.SetCellProperties(RC, R, nullptr);
                }
                if (!G.Cells(RC, R).isEmpty())
                    G.SetCellEx(RC, R, QString());
            }
        }
        // With ClearTextOnly the cells keep their properties, so the note stays.
        if (!G.ClearTextOnly() && ACol1 == 0 && ARow1 == 0 && ACol2 >= G.ColCount() - 1 && ARow2 >= G.RowCount() - 1)
            G.Set_HasAnyCellProps(false);
    }
    G.Invalidate();
    G.CellsChanged(TGridRect{Real(ACol1), ARow1, Real(ACol2), ARow2});
}

void TGridDataOps::ClearRows(int RowIndex, int RCount)
{
    RIraRevadiVizo &G = Grid();
    if (RCount > 0 && G.RowCount() > 0)
        ClearRect(0, RowIndex, G.TotalColCount() - 1, RowIndex + RCount - 1);
}

void TGridDataOps::ClearCols(int ColIndex, int CCount)
{
    RIraRevadiVizo &G = Grid();
    if (CCount > 0 && G.RowCount() > 0)
        ClearRect(ColIndex, 0, ColIndex + CCount - 1, G.RowCount() - 1);
}

void TGridDataOps::ClearNormalRows(int RowIndex, int RCount)
{
    RIraRevadiVizo &G = Grid();
    if (RCount > 0 && G.RowCount() > 0)
        ClearRect(G.FixedCols(), RowIndex, G.TotalColCount() - G.FixedRightCols() - 1, RowIndex + RCount - 1);
}

void TGridDataOps::ClearNormalCols(int ColIndex, int CCount)
{
    RIraRevadiVizo &G = Grid();
    if (CCount > 0 && G.RowCount() > 0)
        ClearRect(ColIndex, G.FixedRows(), ColIndex + CCount - 1, G.RowCount() - G.FixedFooters() - 1);
}

void TGridDataOps::ClearNormalCells()
{
    RIraRevadiVizo &G = Grid();
    if (G.RowCount() <= 0)
        return;
    if (G.FixedCols() == 0 && G.HasNodes())
        G.RemoveAllNodes();
    ClearRect(G.FixedCols(), G.FixedRows(), G.TotalColCount() - G.FixedRightCols() - 1,
              G.RowCount() - G.FixedFooters() - 1);
}

void TGridDataOps::Clear()
{
    RIraRevadiVizo &G = Grid();
    if (G.RowCount() <= 0)
        return;
    if (G.HasNodes())
        G.RemoveAllNodes();
    ClearRect(0, 0, G.TotalColCount() - 1, G.RowCount() - 1);
}

void TGridDataOps::ClearAll()
{
    Clear();
    RIraRevadiVizo &G = Grid();
    TGridModel &M = G.Model();
    for (int Real = 0; Real < G.TotalRowCount(); ++Real)
        if (M.Is_Hidden_Row(Real))
            for (int C = 0; C < G.TotalColCount(); ++C)
                M.Set_Hidden_Cell(Real, C, QString());
}

void TGridDataOps::ClearSelection()
{
    RIraRevadiVizo &G = Grid();
    TUpdateFrame Frame(G);
    if (G.MouseActions().DisjunctRowSelect()) {
        for (int R = Data_First(); R <= Data_Last(); ++R)
            if (Row_Selected(R))
                ClearRows(R, 1);
    } else if (G.MouseActions().DisjunctColSelect()) {
        for (int C = G.FixedCols(); C < G.ColCount(); ++C)
            if (G.GetColSelect(C))
                ClearCols(G.RealColIndex(C), 1);
    } else {
        const TGridRect S = G.Selection();
        ClearRect(S.Left, S.Top, S.Right, S.Bottom);
    }
}

void TGridDataOps::TrimRect(int ACol1, int ARow1, int ACol2, int ARow2)
{
    RIraRevadiVizo &G = Grid();
    const bool Map = G.SaveHiddenCells();
    TUpdateFrame Frame(G);
    for (int C = std::max(ACol1, 0); C <= std::min(ACol2, G.TotalColCount() - 1); ++C) {
        const int RC = Map && C < G.ColCount() ? G.RealColIndex(C) : C;
        for (int R = std::max(ARow1, 0); R <= std::min(ARow2, G.RowCount() - 1); ++R) {
            const QString T = G.GetCellEx(RC, R);
            const QString New = Trim_Blanks(T);
            if (New != T)
                G.SetCellEx(RC, R, New);
        }
    }
}

void TGridDataOps::TrimColumn(int ACol) { TrimRect(ACol, 0, ACol, Grid().RowCount() - 1); }
void TGridDataOps::TrimRow(int ARow) { TrimRect(0, ARow, Grid().ColCount() - 1, ARow); }
void TGridDataOps::TrimAll() { TrimRect(0, 0, Grid().ColCount() - 1, Grid().RowCount() - 1); }

void TGridDataOps::ColorRect(int ACol1, int ARow1, int ACol2, int ARow2, TColor AColor)
{
    RIraRevadiVizo &G = Grid();
    TUpdateFrame Frame(G);
    for (int C = ACol1; C <= ACol2; ++C)
        for (int R = ARow1; R <= ARow2; ++R)
            G.SetColors(C, R, AColor);
}

// ---- merging along a row, joining columns -------------------------------------------------------

void TGridDataOps::MergeRowCells(int RowIndex, bool MainMerge)
{
    RIraRevadiVizo &G = Grid();
    if (RowIndex < 0 || RowIndex >= G.RowCount())
        return;
    const int First = G.FixedCols();
    const int Last = G.ColCount() - G.FixedRightCols() - 1;
    int RunStart = First;
    for (int C = First + 1; C <= Last + 1; ++C) {
        const int RC = C <= Last ? G.RealColIndex(C) : -1;
        const int Prev = G.RealColIndex(C - 1);
        const bool Continues = C <= Last && G.GetCellEx(RC, RowIndex) == G.GetCellEx(Prev, RowIndex)
                               && (MainMerge || G.ColSpanIdentical(RC, Prev));
        if (Continues)
            continue;
        if (C - RunStart >= 2)
            G.MergeCells(G.RealColIndex(RunStart), RowIndex, C - RunStart, 1);
        RunStart = C;
    }
}

void TGridDataOps::SplitRowCells(int RowIndex)
{
    RIraRevadiVizo &G = Grid();
    if (RowIndex < 0 || RowIndex >= G.RowCount())
        return;
    const int Last = G.ColCount() - G.FixedRightCols() - 1;
    for (int C = 0; C < Last; ++C) {
        const int RC = G.RealColIndex(C);
        if (!G.IsXMergedCell(RC, RowIndex))
            continue;
        const TPoint B = G.BaseCell(RC, RowIndex);
        const int Right = G.DisplColIndex(B.X) + std::max(0, G.CellSpan(B.X, B.Y).X);
        G.SplitCells(B.X, B.Y);
        C = std::max(C, Right);
    }
}

void TGridDataOps::SplitAllCells()
{
    RIraRevadiVizo &G = Grid();
    TUpdateFrame Frame(G);
    for (int R = 0; R < G.RowCount(); ++R)
        for (int C = 0; C < G.TotalColCount(); ++C)
            if (G.IsMergedCell(C, R) && G.IsBaseCell(C, R))
                G.SplitCells(C, R);
}

void TGridDataOps::MergeCols(int ColIndex1, int ColIndex2, const QString &Separator)
{
    RIraRevadiVizo &G = Grid();
    if (ColIndex1 == ColIndex2 || ColIndex1 < 0 || ColIndex2 < 0 || ColIndex1 >= G.TotalColCount()
        || ColIndex2 >= G.TotalColCount())
        return;
    {
        TUpdateFrame Frame(G);
        for (int R = G.FixedRows(); R < G.RowCount(); ++R)
            G.Set_Cells(ColIndex1, R, Trim_Blanks(G.Cells(ColIndex1, R) + Separator + G.Cells(ColIndex2, R)));
    }
    RemoveCols(ColIndex2, 1);
}

bool TGridDataOps::IsCell(const QString &SubStr, int &ACol, int &ARow)
{
    const RIraRevadiVizo &G = Grid();
    for (int R = 0; R < G.RowCount(); ++R)
        for (int C = 0; C < G.ColCount(); ++C)
            if (G.Cells(C, R) == SubStr) {
                ACol = C;
                ARow = R;
                return true;
            }
    return false;
}

bool TGridDataOps::IsWideCell(int ACol, int ARow) { return Grid().GetCellEx(ACol, ARow).startsWith(QLatin1String("|\\")); }
