// The string grid's whole-table operations on its model: sorting, row and
// column insertion and removal, swaps and calculations.
#include "grid/stringgrid/GridDataOps.h"
#include "grid/model/GridCalc.h"
#include "grid/model/GridSort.h"
#include "grid/model/TextRoutines.h"
#include "toolkit/RichEdit.h"
#include "grid/stringgrid/GridCellViews.h"
#include "grid/stringgrid/RIraRevadiVizo.h"
#include <QSet>
#include <algorithm>
#include <memory>
#include <numeric>
#include <stdexcept>

namespace {

int Sign(int V) { return V < 0 ? -1 : (V > 0 ? 1 : 0); }

// Keeps what a bulk operation parks for its duration and puts it back on
// every path: the update count, the footers, the top row (with
// KeepScrollOnSort) and column 0's texts and objects (with NormalCellsOnly).
class TParked {
public:
    TParked(RIraRevadiVizo &G, bool KeepCol0, int From, int To)
        : FGrid(G), FTopRow(G.TopRow()), FFooter(G.FloatingFooter().Visible), FFixedFooters(G.FixedFooters())
    {
        G.BeginUpdate();
        if (KeepCol0)
            for (int R = From; R <= To; ++R) {
                TGridModel &M = G.Model();
                const bool Owned = M.Is_Owned(0, R);
                TObject *O = M.Release_Object(0, R);
                FCol0.push_back({R, M.Cell(0, R), O, Owned});
            }
    }
    ~TParked()
    {
        TGridModel &M = FGrid.Model();
        for (const TCol0 &C : FCol0) {
            M.Set_Cell(0, C.Row, C.Text);
            if (C.Owned)
                M.Adopt_Object(0, C.Row, C.Object);
            else
                M.Set_Object(0, C.Row, C.Object);
        }
        if (FGrid.Navigation().KeepScrollOnSort() && FTopRow < FGrid.RowCount())
            FGrid.Set_TopRow(FTopRow);
        FGrid.FloatingFooter().Visible = FFooter;
        if (FGrid.FixedFooters() != FFixedFooters)
            FGrid.Set_FixedFooters(FFixedFooters);
        FGrid.EndUpdate();
    }
    TParked(const TParked &) = delete;
    TParked &operator=(const TParked &) = delete;

private:
    struct TCol0 {
        int Row;
        QString Text;
        TObject *Object;
        bool Owned;
    };
    RIraRevadiVizo &FGrid;
    int FTopRow;
    bool FFooter;
    int FFixedFooters;
    std::vector<TCol0> FCol0;
};

template <typename V> void Permute_Vector(V &Items, int From, const std::vector<int> &Order)
{
    if (From + static_cast<int>(Order.size()) > static_cast<int>(Items.size()))
        return;
    V Old(Items.begin() + From, Items.begin() + From + static_cast<long>(Order.size()));
    for (size_t I = 0; I < Order.size(); ++I)
        Items[static_cast<size_t>(From) + I] = Old[static_cast<size_t>(Order[I] - From)];
}

} // namespace

RIraRevadiVizo &TGridDataOps::Grid() { return static_cast<RIraRevadiVizo &>(*this); }
const RIraRevadiVizo &TGridDataOps::Grid() const { return static_cast<const RIraRevadiVizo &>(*this); }

int TGridDataOps::Data_First() const { return Grid().FixedRows(); }

int TGridDataOps::Data_Last() const
{
    // A shown floating footer keeps the last row, whether or not it is counted as a fixed footer.
    const RIraRevadiVizo &G = Grid();
    const int Footers = std::max(G.FFixedFooters, G.FFloatingFooter.Visible ? 1 : 0);
    return G.RowCount() - Footers - 1;
}

// ---- sorting ------------------------------------------------------------------------------------

void TGridDataOps::Sort(int Column, TSortDirection Direction)
{
    Grid().FSortSettings.Column = Column;
    Grid().FSortSettings.Direction = Direction;
    QSort();
}

void TGridDataOps::SortByColumn(int Col)
{
    if (Grid().RowCount() <= 1)
        return;
    Grid().FSortSettings.Column = Col;
    QSort();
}

void TGridDataOps::InitSortXRef()
{
    std::vector<int> &X = Grid().FSortRowXRef;
    X.resize(static_cast<size_t>(Grid().RowCount()));
    std::iota(X.begin(), X.end(), 0);
}

namespace {

TSortKeyColumn Make_Sort_Column(RIraRevadiVizo &G, int C, bool Descending)
{
    const TSortSettings &S = G.SortSettings();
    TSortStyle Style = S.AutoFormat ? ssAutomatic : (S.IgnoreCase ? ssAlphaNoCase : ssAlphabetic);
    QString Prefix, Suffix;
    G.GetColFormat(C, Style, Prefix, Suffix);
    TSortKeyColumn K;
    K.Descending = Descending;
    K.Rule = {Style, Prefix, Suffix};
    const bool Virtual = S.SortOnVirtualCells;
    RIraRevadiVizo *P = &G;
    K.Text = [P, C, Virtual, Style](int R) {
        if (Style == ssHTML)
            return P->GetStrippedCell(C, R);
        return Virtual ? P->GetCellEx(C, R) : P->GetGridCell(C, R);
    };
    if (Style != ssHTML)
        K.View = [P, C, Virtual](int R, char16_t *Room, QStringView &View) {
            if (Virtual)
                return Cell_Ex_View(*P, C, R, Room, View);
            View = Grid_Cell_View(*P, C, R, Room);
            return true;
        };
    K.Prefetch = [P, C](int R) { P->Model().Prefetch_Cell(C, R); };
    auto Check_State = [P, C](int R) {
        bool State = false;
        P->GetCheckBoxState(C, R, State);
        return State ? 1.0 : 0.0;
    };
    if (Style == ssAutomatic) {
        // A column of check boxes sorts by their states; only cells that hold
        // an object can be one (and a grid without cell properties has none).
        for (int R = G.FixedRows(); G.HasAnyCellProps() && R < G.RowCount(); ++R)
            if (G.Model().Object(C, R) && CheckBoxKinds.Contains(G.GetCellType(C, R))) {
                K.Number = Check_State;
                break;
            }
    } else if (Style == ssCheckBox) {
        K.Number = Check_State;
    } else if (Style == ssCustom) {
        const auto Text = K.Text;
        K.Compare = [P, Text](int A, int B) {
            int Res = 0;
            if (P->OnCustomCompare)
                P->OnCustomCompare(P, Text(A), Text(B), Res);
            return Sign(Res);
        };
    } else if (Style == ssRaw) {
        K.Compare = [P, C](int A, int B) {
            int Res = 0;
            if (P->OnRawCompare)
                P->OnRawCompare(P, C, A, B, Res);
            return Sign(Res);
        };
    }
    return K;
}

} // namespace

int TGridDataOps::CompareCells(int ACol, int ARow1, int ARow2, TSortDirection Direction)
{
    TSortRequest Q;
    Q.From = std::min(ARow1, ARow2);
    Q.To = Q.From;
    const TSortKeyColumn K = Make_Sort_Column(Grid(), ACol, Direction == sdDescending);
    const TSortSettings &S = Grid().FSortSettings;
    if (K.Compare) {
        const int R = K.Compare(ARow1, ARow2);
        return K.Descending ? -R : R;
    }
    auto Key = [&](int R) {
        return K.Number ? Make_Number_Key(K.Number(R), K.Text(R).isEmpty()) : Make_Sort_Key(K.Text(R), K.Rule, {S.IgnoreCase, S.IgnoreBlanks, S.BlankPos});
    };
    const TSortKey A = Key(ARow1), B = Key(ARow2);
    if (S.IgnoreBlanks && A.Blank != B.Blank)
        return (A.Blank ? -1 : 1) * (S.BlankPos == blFirst ? 1 : -1);
    const int R = Compare_Sort_Keys(A, B);
    return K.Descending ? -R : R;
}

void TGridDataOps::Apply_Row_Order(int From, const std::vector<int> &Order, bool Follow)
{
    RIraRevadiVizo &G = Grid();
    const int N = static_cast<int>(Order.size());
    bool Identity = true;
    for (int I = 0; I < N && Identity; ++I)
        Identity = Order[static_cast<size_t>(I)] == From + I;
    if (Identity)
        return;
    G.Model().Permute_Rows(From, Order);
    std::vector<int> H = G.All_Row_Heights();
    bool Differ = false;
    for (int I = 0; I < N && !Differ && From + I < static_cast<int>(H.size()); ++I)
        Differ = H[static_cast<size_t>(From + I)] != H[static_cast<size_t>(Order[static_cast<size_t>(I)])];
    if (Differ) {
        Permute_Vector(H, From, Order);
        G.Apply_Row_Heights(H);
    } else if (G.ControlList().Count() > 0) {
        G.CellControlsUpdate(true);   // the controls over cells follow their rows
    }
    // The selection marks count display rows; modified and disabled marks
    // count real rows, which differ from display rows while rows are hidden.
    TGridRowFlags &F = G.Model().Row_Flags();
    F.RowSelect.Permute(From, Order);
    F.SelectedCells.Permute_Rows(From, Order);
    if (G.NumHiddenRows() == 0) {
        F.Modified.Permute(From, Order);
        F.Disabled.Permute(From, Order);
    } else {
        for (TGridFlagList *L : {&F.Modified, &F.Disabled}) {
            std::vector<bool> Old(static_cast<size_t>(N));
            for (int I = 0; I < N; ++I)
                Old[static_cast<size_t>(I)] = L->Get(G.RealRowIndex(From + I), "Invalid row");
            for (int I = 0; I < N; ++I) {
                const bool V = Old[static_cast<size_t>(Order[static_cast<size_t>(I)] - From)];
                if (V || L->Get(G.RealRowIndex(From + I), "Invalid row"))
                    L->Set(G.RealRowIndex(From + I), V, "Invalid row");
            }
        }
    }
    if (static_cast<int>(G.FSortRowXRef.size()) >= From + N)
        Permute_Vector(G.FSortRowXRef, From, Order);
    if (Follow && G.Row() >= From && G.Row() < From + N) {
        const auto It = std::find(Order.begin(), Order.end(), G.Row());
        G.Set_Row(From + static_cast<int>(It - Order.begin()));
    }
    G.Invalidate();
}

void TGridDataOps::Sort_Range(int From, int To, bool Indexed)
{
    RIraRevadiVizo &G = Grid();
    const TSortSettings &S = G.FSortSettings;
    if (To <= From)
        return;
    TSortRequest Q;
    Q.From = From;
    Q.To = To;
    Q.Full = S.Full;
    Q.Options = {S.IgnoreCase, S.IgnoreBlanks, S.BlankPos};
    if (Indexed) {
        for (size_t I = 0; I < S.IndexColumns.size(); ++I)
            Q.Columns.push_back(Make_Sort_Column(
                G, S.IndexColumns[I], I < S.IndexDirections.size() && S.IndexDirections[I] == sdDescending));
    } else {
        const bool Desc = S.Direction == sdDescending;
        Q.Columns.push_back(Make_Sort_Column(G, S.Column, Desc));
        // Ties go to the columns on the right (hidden ones included), made
        // only when the sort meets a tie.
        if (S.Full)
            for (int C = S.Column + 1; C < G.TotalColCount(); ++C)
                Q.Columns.push_back(Make_Sort_Column(G, C, Desc));
    }
    if (S.SingleColumn && !Indexed) {
        // Only the sort column's cells move.
        const std::vector<int> Order = Sort_Row_Order(Q);
        std::vector<QString> Texts;
        for (int R : Order)
            Texts.push_back(G.GetCellEx(S.Column, R));
        for (int I = 0; I < static_cast<int>(Texts.size()); ++I)
            G.SetCellEx(S.Column, From + I, Texts[static_cast<size_t>(I)]);
        return;
    }
    Apply_Row_Order(From, Sort_Row_Order(Q), G.FNavigation.MoveRowOnSort());
}

void TGridDataOps::Sort_Data(bool Indexed)
{
    RIraRevadiVizo &G = Grid();
    TSortSettings &S = G.FSortSettings;
    if (Indexed && S.IndexColumns.empty())
        throw EDarAzidError("No indexes specified for indexed sort");
    if (!Indexed && (S.Column < 0 || S.Column >= G.TotalColCount()))
        return;
    if (static_cast<int>(G.FSortRowXRef.size()) != G.RowCount())
        InitSortXRef();
    if (!Indexed) {
        S.IndexColumns.clear();
        S.IndexDirections.clear();
    }
    const int OldRow = G.Row();
    {
        TParked Parked(G, S.NormalCellsOnly && G.FixedCols() > 0, Data_First(), Data_Last());
        Sort_Range(Data_First(), Data_Last(), Indexed);
    }
    if (!Indexed && !G.FNavigation.MoveRowOnSort() && G.OnRowChanged)
        G.OnRowChanged(&G, OldRow, G.Row());
}

void TGridDataOps::QSort() { Sort_Data(false); }
void TGridDataOps::QSortIndexed() { Sort_Data(true); }

void TGridDataOps::Sort_Groups(bool Indexed)
{
    RIraRevadiVizo &G = Grid();
    const TSortSettings &S = G.FSortSettings;
    if (Indexed ? S.IndexColumns.empty() : S.Column < 0)
        return;
    if (static_cast<int>(G.FSortRowXRef.size()) != G.RowCount())
        InitSortXRef();
    TParked Parked(G, S.NormalCellsOnly && G.FixedCols() > 0, Data_First(), Data_Last());
    int Level = -1;
    for (int R = Data_First(); R <= Data_Last(); ++R)
        if (G.IsNode(R))
            Level = std::max(Level, G.GetNodeLevel(R));
    for (int R = Data_First(); R <= Data_Last(); ++R)
        if (G.IsNode(R) && !G.GetNodeState(R) && G.GetNodeLevel(R) == Level && G.GetNodeSpan(R) > 2)
            Sort_Range(R + 1, std::min(R + G.GetNodeSpan(R) - 1, Data_Last()), Indexed);
}

void TGridDataOps::QSortGroup() { Sort_Groups(false); }
void TGridDataOps::QSortGroupIndexed() { Sort_Groups(true); }

void TGridDataOps::QUnSort()
{
    RIraRevadiVizo &G = Grid();
    // Rows inserted or removed since the last sort leave no order to go back to.
    if (G.FSortRowXRef.empty() || static_cast<int>(G.FSortRowXRef.size()) != G.RowCount())
        return;
    TParked Parked(G, G.FSortSettings.NormalCellsOnly && G.FixedCols() > 0, 0, G.RowCount() - 1);
    Apply_Row_Order(0, Unsort_Row_Order(G.FSortRowXRef), false);
}

QString TGridDataOps::SortSettingsToString() const { return Grid().FSortSettings.SaveToString(); }
void TGridDataOps::SortSettingsFromString(const QString &Value) { Grid().FSortSettings.LoadFromString(Value); }

// ---- rows and columns ---------------------------------------------------------------------------

void TGridDataOps::InsertRows(int RowIndex, int RCount, bool UpdateCellControls)
{
    RIraRevadiVizo &G = Grid();
    if (RCount <= 0 || RowIndex < 0)
        return;
    int At = std::min(RowIndex, G.RowCount());
    // A shown floating footer stays the last row.
    if (G.FFloatingFooter.Visible && At >= G.RowCount() && G.RowCount() > 0)
        At = G.RowCount() - 1;
    G.Insert_Grid_Rows(At, RCount);
    if (UpdateCellControls && G.ControlList().Count() > 0)
        G.CellControlsUpdate(true);
    G.Invalidate();
    G.CellsChanged(TGridRect{0, At, G.ColCount() - 1, At + RCount});
}

void TGridDataOps::RemoveRows(int RowIndex, int RCount)
{
    RIraRevadiVizo &G = Grid();
    if (RowIndex > G.RowCount() || RCount <= 0 || RowIndex < 0)
        return;
    const int Count = std::min(RCount, G.RowCount() - RowIndex);
    if (Count > 0) {
        const int OldRow = G.Row();
        const int OldTop = G.TopRow();
        G.BeginUpdate();
        try {
            G.FreeCellProps(0, RowIndex, G.TotalColCount() - 1, RowIndex + Count - 1);
            G.Remove_Grid_Rows(RowIndex, Count);
        } catch (...) {
            G.EndUpdate();
            throw;
        }
        // The current row stays where it was while it is a data row; else the
        // last data row takes it, or the selection hides with no data row left.
        if (OldRow <= Data_Last() && OldRow >= Data_First()) {
            G.Set_Row(OldRow);
            if (OldTop < G.RowCount())
                G.Set_TopRow(OldTop);
        } else if (Data_Last() >= Data_First()) {
            G.Set_Row(Data_Last());
        } else {
            G.HideSelection();
        }
        G.EndUpdate();
        G.Invalidate();
    }
    G.CellsChanged(TGridRect{0, RowIndex, G.ColCount() - 1, RowIndex + RCount});
}

void TGridDataOps::InsertCols(int ColIndex, int CCount)
{
    RIraRevadiVizo &G = Grid();
    if (CCount <= 0 || ColIndex < 0)
        return;
    ColIndex = std::min(ColIndex, G.TotalColCount());
    TGridModel &M = G.Model();
    // Hidden columns at or after the insertion move on with their cells.
    std::vector<std::pair<int, int>> Moved;
    for (int C = G.TotalColCount() - 1; C >= ColIndex; --C)
        if (M.Is_Hidden_Col(C)) {
            Moved.push_back({C, M.Hidden_Col_Width(C)});
            M.Unhide_Col(C);
        }
    const int Displ = std::min(ColIndex < G.TotalColCount() ? M.Real_To_Displ_Col(ColIndex) : G.ColCount(), G.ColCount());
    std::vector<int> Widths(static_cast<size_t>(G.ColCount()));
    for (int I = 0; I < G.ColCount(); ++I)
        Widths[static_cast<size_t>(I)] = G.ColWidths(I);
    M.Insert_Cols(ColIndex, CCount);
    M.Row_Flags().SelectedCells.Cols_Inserted(Displ, CCount);
    for (const auto &[C, W] : Moved)
        M.Hide_Col(C + CCount, W);
    Widths.insert(Widths.begin() + Displ, static_cast<size_t>(CCount), G.DefaultColWidth());
    G.Set_ColCount(G.ColCount() + CCount);
    G.Set_ColWidths_All(Widths);
    // The controls over cells are listed by column: found again where their cells went.
    if (G.ControlList().Count() > 0)
        G.CellControlsUpdate(true);
    G.Invalidate();
}

void TGridDataOps::RemoveCols(int ColIndex, int CCount)
{
    RIraRevadiVizo &G = Grid();
    if (ColIndex < 0 || ColIndex >= G.TotalColCount())
        return;
    CCount = std::min(CCount, G.TotalColCount() - ColIndex);
    if (CCount <= 0)
        return;
    TGridModel &M = G.Model();
    // The widths of the visible columns that stay.
    std::vector<int> Widths;
    int Visible_Removed = 0;
    for (int C = 0; C < G.TotalColCount(); ++C) {
        if (M.Is_Hidden_Col(C))
            continue;
        if (C >= ColIndex && C < ColIndex + CCount)
            ++Visible_Removed;
        else
            Widths.push_back(G.ColWidths(M.Real_To_Displ_Col(C)));
    }
    if (Visible_Removed >= G.ColCount())
        return;   // a grid keeps one visible column
    G.FreeCellProps(ColIndex, 0, ColIndex + CCount - 1, G.RowCount() - 1);
    // the shown columns removed stand side by side on the screen
    for (int C = ColIndex; C < ColIndex + CCount; ++C)
        if (!M.Is_Hidden_Col(C)) {
            M.Row_Flags().SelectedCells.Cols_Removed(M.Real_To_Displ_Col(C), Visible_Removed);
            break;
        }
    std::vector<std::pair<int, int>> Moved;
    for (int C = G.TotalColCount() - 1; C >= ColIndex; --C)
        if (M.Is_Hidden_Col(C)) {
            if (C >= ColIndex + CCount)
                Moved.push_back({C, M.Hidden_Col_Width(C)});
            M.Unhide_Col(C);
        }
    M.Delete_Cols(ColIndex, CCount);
    for (const auto &[C, W] : Moved)
        M.Hide_Col(C - CCount, W);
    G.Set_ColCount(G.ColCount() - Visible_Removed);
    G.Set_ColWidths_All(Widths);
    if (G.ControlList().Count() > 0)
        G.CellControlsUpdate(true);
    if (G.FSortSettings.Column >= ColIndex + CCount)
        G.FSortSettings.Column -= CCount;
    else if (G.FSortSettings.Column >= ColIndex)
        G.FSortSettings.Column = -1;
    G.Invalidate();
    G.CellsChanged(TGridRect{ColIndex, 0, ColIndex + CCount, G.RowCount() - 1});
}

void TGridDataOps::AddColumn() { InsertCols(Grid().ColCount(), 1); }

void TGridDataOps::SwapRows(int ARow1, int ARow2)
{
    RIraRevadiVizo &G = Grid();
    if (ARow1 == ARow2 || ARow1 < 0 || ARow2 < 0 || ARow1 >= G.RowCount() || ARow2 >= G.RowCount())
        return;
    const int A = std::min(ARow1, ARow2);
    const int B = std::max(ARow1, ARow2);
    std::vector<int> Order(static_cast<size_t>(B - A + 1));
    std::iota(Order.begin(), Order.end(), A);
    std::swap(Order.front(), Order.back());
    Apply_Row_Order(A, Order, false);
}

void TGridDataOps::SwapColumns(int ACol1, int ACol2)
{
    RIraRevadiVizo &G = Grid();
    if (ACol1 == ACol2 || ACol1 < 0 || ACol2 < 0 || ACol1 >= G.TotalColCount() || ACol2 >= G.TotalColCount())
        return;
    const int A = std::min(ACol1, ACol2);
    const int B = std::max(ACol1, ACol2);
    TGridModel &M = G.Model();
    M.Move_Col(A, B);
    M.Move_Col(B - 1, A);
    if (!M.Is_Hidden_Col(A) && !M.Is_Hidden_Col(B)) {
        const int DA = M.Real_To_Displ_Col(A), DB = M.Real_To_Displ_Col(B);
        const int WA = G.ColWidths(DA);
        G.Set_ColWidths(DA, G.ColWidths(DB));
        G.Set_ColWidths(DB, WA);
    }
    TSortSettings &S = G.FSortSettings;
    if (S.Column == A)
        S.Column = B;
    else if (S.Column == B)
        S.Column = A;
    if (G.ControlList().Count() > 0)
        G.CellControlsUpdate(true);
    G.Invalidate();
}

void TGridDataOps::RemoveDuplicates(int ACol, bool DoCase)
{
    RIraRevadiVizo &G = Grid();
    G.BeginUpdate();
    try {
        QSet<QString> Seen;
        int R = Data_First();
        while (R <= Data_Last()) {
            const QString T = DoCase ? G.Cells(ACol, R) : G.Cells(ACol, R).toUpper();
            if (Seen.contains(T)) {
                RemoveRows(R, 1);
            } else {
                Seen.insert(T);
                ++R;
            }
        }
    } catch (...) {
        G.EndUpdate();
        throw;
    }
    G.EndUpdate();
}

// ---- calculations -------------------------------------------------------------------------------

namespace {

// Real: rows addressed by their real index, hidden rows included; a hidden
// row always counts, a shown one by its display row.
TRangeCells Column_Cells(RIraRevadiVizo &G, int ACol, bool Real)
{
    TRangeCells Cells;
    RIraRevadiVizo *P = &G;
    Cells.Counted = [P, ACol, Real](int R) {
        if (Real) {
            if (P->Model().Is_Hidden_Row(R))
                return true;
            R = P->DisplRowIndex(R);
        }
        return (P->GroupColumn() == -1 || (!P->IsNode(R) && !P->IsSummary(R))) && P->IsBaseCell(ACol, R);
    };
    if (Real)
        Cells.Number = [P, ACol](int R) { return P->GetAllFloats(ACol, R); };
    else
        Cells.Number = [P, ACol](int R) { return P->GetFloats(ACol, R); };
    return Cells;
}

TRangeCells Row_Cells(RIraRevadiVizo &G, int ARow)
{
    TRangeCells Cells;
    RIraRevadiVizo *P = &G;
    Cells.Counted = [P, ARow](int C) { return P->IsBaseCell(C, ARow); };
    Cells.Number = [P, ARow](int C) { return P->GetFloats(C, ARow); };
    return Cells;
}

} // namespace

void TGridDataOps::Calc_Range(int &FromRow, int &ToRow, bool &Real)
{
    const RIraRevadiVizo &G = Grid();
    if (FromRow == -1 || ToRow == -1) {
        FromRow = Data_First();
        ToRow = Data_Last();
    }
    // Any row past the last shown one (a visible floating footer included)
    // names a real row; reading it as a display row would leave the grid.
    Real = ToRow >= G.RowCount();
    if (Real)
        ToRow = std::min(ToRow, G.TotalRowCount() - 1);
}

double TGridDataOps::ColumnSum(int ACol, int FromRow, int ToRow)
{
    bool Real = false;
    Calc_Range(FromRow, ToRow, Real);
    return Range_Sum(FromRow, ToRow, Column_Cells(Grid(), ACol, Real));
}

double TGridDataOps::ColumnAvg(int ACol, int FromRow, int ToRow)
{
    bool Real = false;
    Calc_Range(FromRow, ToRow, Real);
    return Range_Avg(FromRow, ToRow, Column_Cells(Grid(), ACol, Real));
}

double TGridDataOps::ColumnMin(int ACol, int FromRow, int ToRow)
{
    bool Real = false;
    Calc_Range(FromRow, ToRow, Real);
    return Range_Min(FromRow, ToRow, Column_Cells(Grid(), ACol, Real));
}

double TGridDataOps::ColumnMax(int ACol, int FromRow, int ToRow)
{
    bool Real = false;
    Calc_Range(FromRow, ToRow, Real);
    return Range_Max(FromRow, ToRow, Column_Cells(Grid(), ACol, Real));
}

double TGridDataOps::ColumnStdDev(int ACol, int FromRow, int ToRow)
{
    bool Real = false;
    Calc_Range(FromRow, ToRow, Real);
    return Range_StdDev(FromRow, ToRow, Column_Cells(Grid(), ACol, Real));
}

double TGridDataOps::ColumnDistinct(int ACol, int FromRow, int ToRow)
{
    bool Real = false;
    Calc_Range(FromRow, ToRow, Real);
    QStringList Texts;
    for (int R = FromRow; R <= ToRow; ++R)
        Texts << (Real ? Grid().GetCellsEx(ACol, R) : Grid().GetCellEx(ACol, R));
    return Column_Distinct(Texts);
}

double TGridDataOps::ColumnCustomCalc(int ACol, int FromRow, int ToRow)
{
    double Res = 0;
    RIraRevadiVizo &G = Grid();
    if (G.OnColumnCalc)
        G.OnColumnCalc(&G, ACol, FromRow, ToRow, Res);
    return Res;
}

double TGridDataOps::RowSum(int ARow, int FromCol, int ToCol) { return Range_Sum(FromCol, ToCol, Row_Cells(Grid(), ARow)); }
double TGridDataOps::RowAvg(int ARow, int FromCol, int ToCol) { return Range_Avg(FromCol, ToCol, Row_Cells(Grid(), ARow)); }
double TGridDataOps::RowMin(int ARow, int FromCol, int ToCol) { return Range_Min(FromCol, ToCol, Row_Cells(Grid(), ARow)); }
double TGridDataOps::RowMax(int ARow, int FromCol, int ToCol) { return Range_Max(FromCol, ToCol, Row_Cells(Grid(), ARow)); }

// ---- auto-numbering and selection questions ----------------------------------------------------

void TGridDataOps::AutoNumberCol(int ACol)
{
    RIraRevadiVizo &G = Grid();
    if (G.RowCount() <= 0)
        return;
    const int Last = G.RowCount() - G.FixedFooters() - 1;
    G.BeginUpdate();
    for (int A = G.FixedRows() + FAutoNumberStart; A <= Last; ++A) {
        const int At = FAutoNumberDirection == sdAscending ? A : G.FixedRows() + Last - A;
        G.SetInts(ACol, At, A - G.FixedRows() + 1 + FAutoNumberOffset);
    }
    G.EndUpdate();
}

void TGridDataOps::AutoNumberRow(int ARow)
{
    RIraRevadiVizo &G = Grid();
    if (G.ColCount() <= 0)
        return;
    const int Last = G.ColCount() - G.FixedRightCols() - 1;
    G.BeginUpdate();
    for (int A = G.FixedCols() + FAutoNumberStart; A <= Last; ++A) {
        const int At = FAutoNumberDirection == sdAscending ? A : G.FixedCols() + Last - A;
        G.SetInts(At, ARow, A - G.FixedCols() + 1 + FAutoNumberOffset);
    }
    G.EndUpdate();
}

void TGridDataOps::SelectCells(int FromCol, int FromRow, int ToCol, int ToRow)
{
    Grid().Set_Selection(TGridRect{FromCol, FromRow, ToCol, ToRow});
}

bool TGridDataOps::IsSelected(int ACol, int ARow)
{
    RIraRevadiVizo &G = Grid();
    if (ARow < G.FixedRows() || ACol < G.FixedCols())
        return false;
    if (G.MouseActions().DisjunctCellSelect())
        return G.Model().Row_Flags().SelectedCells.Contains(ACol, ARow);
    if (G.MouseActions().DisjunctRowSelect())
        return Row_Selected(ARow);
    if (G.MouseActions().DisjunctColSelect())
        return G.GetColSelect(ACol);
    const TGridRect S = G.Selection();
    return ACol >= std::min(S.Left, S.Right) && ACol <= std::max(S.Left, S.Right) && ARow >= std::min(S.Top, S.Bottom)
           && ARow <= std::max(S.Top, S.Bottom);
}

QString TGridDataOps::SelectedText()
{
    RIraRevadiVizo &G = Grid();
    const TGridRect S = G.Selection();
    int Left = S.Left, Right = S.Right;
    if (G.Options().Contains(goRowSelect) && G.DragDropSettings().OleEntireRows) {
        Left = 0;
        Right = G.ColCount() - 1;
    }
    std::vector<int> Rows;
    if (G.MouseActions().DisjunctRowSelect()) {
        for (int R = G.FixedRows(); R < G.RowCount(); ++R)
            if (Row_Selected(R))
                Rows.push_back(R);
    } else {
        for (int R = S.Top; R <= S.Bottom; ++R)
            Rows.push_back(R);
    }
    QString Out;
    std::unique_ptr<TRichEdit> Rich;
    for (int R : Rows) {
        for (int C = Left; C <= Right; ++C) {
            const int RC = G.RealColIndex(C);
            QString T = G.GetCellEx(RC, R);
            if (T.contains(QLatin1String("{\\"))) {
                if (!Rich)
                    Rich = std::make_unique<TRichEdit>();
                G.CellToRich(RC, R, *Rich);
                T = Rich->Text();
            }
            if (G.ExcelClipboardFormat() && CountLines(T, G.MultilineCells()) > 1)
                T = QuoteMultiLineField(T);
            Out += T;
            if (C < Right)
                Out += u'\t';
        }
        // The selection's last row ends without a line break.
        if (R != S.Bottom)
            Out += QLatin1String("\r\n");
    }
    return Out;
}
