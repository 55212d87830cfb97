// The selection on top of the platform's rectangle: disjunct row and column
// flags, modified and disabled rows, programmatic selection, repainting of
// rows, columns and ranges, and the move to the next cell after an edit.
#include "grid/stringgrid/RIraRevadiVizo.h"
#include <algorithm>
#include <set>

namespace {
const char *const Bad_Row = "Invalid row accessed";
const char *const Bad_Col = "Invalid column accessed";
}

// --- disjunct flags ---------------------------------------------------------------------------

bool RIraRevadiVizo::GetRowSelect(int ARow)
{
    if (!FMouseActions.RowSelectPersistent() && (ARow < 0 || ARow >= RowCount() + NumHiddenRows()))
        throw EDarAzidError(QStringLiteral("Invalid row %1 accessed").arg(ARow).toStdString());
    if (FMouseActions.DisjunctRowSelect()) {
        FFlags.RowSelect.Extend(ARow + 1);
        return FFlags.RowSelect.Get(ARow, Bad_Row);
    }
    const TGridRect S = Selection();
    return ARow >= std::min(S.Top, S.Bottom) && ARow <= std::max(S.Top, S.Bottom);
}

void RIraRevadiVizo::SetRowSelect(int ARow, bool Value)
{
    if (ARow < 0 || (ARow >= RowCount() + NumHiddenRows() && RowCount() > FixedRows()))
        throw EDarAzidError(Bad_Row);
    bool Allow = true;
    if ((ARow >= FFlags.RowSelect.Length() || FFlags.RowSelect.Get(ARow, Bad_Row) != Value) && OnRowDisjunctSelect)
        OnRowDisjunctSelect(this, ARow, Value, Allow);
    if (!Allow)
        return;
    const bool Was = FFlags.RowSelect.Set(ARow, Value, Bad_Row);
    if (Value) {
        if (!Was)
            RepaintRow(ARow);
        if (ARow >= FixedRows())
            FFlags.Add_Selected(ARow);
    } else {
        if (Was)
            RepaintRow(ARow);
        FFlags.Remove_Selected(ARow);
    }
    if (OnRowDisjunctSelected)
        OnRowDisjunctSelected(this, ARow);
}

bool RIraRevadiVizo::GetColSelect(int ACol)
{
    if (ACol < 0 || ACol >= ColCount())
        throw EDarAzidError(Bad_Col);
    return FFlags.ColSelect.Get(ACol, Bad_Col);
}

void RIraRevadiVizo::SetColSelect(int ACol, bool Value)
{
    if (ACol < 0 || ACol >= ColCount())
        throw EDarAzidError(Bad_Col);
    if (FFlags.ColSelect.Set(ACol, Value, Bad_Col) != Value)
        RepaintCol(ACol);
}

void RIraRevadiVizo::SelectRows(int RowIndex, int RCount)
{
    if (RowIndex + RCount > RowCount())
        RCount = RowCount() - RowIndex;
    if (RCount <= 0)
        return;
    if (!FMouseActions.DisjunctRowSelect()) {
        Set_Selection({FixedCols(), RowIndex, ColCount() - 1, RowIndex + RCount - 1});
    } else {
        for (int R = RowIndex; R < RowIndex + RCount; ++R) {
            const int Index = FMouseActions.RowSelectPersistent() ? RealRowIndex(R) : R;
            if (Index < RowCount())
                SetRowSelect(Index, true);
        }
    }
    // Column 0 shows the selected rows' indicator.
    if (!RowIndicator().isNull())
        RepaintCol(0);
    FSelChange = false;
}

void RIraRevadiVizo::UnSelectRows(int RowIndex, int RCount)
{
    if (FMouseActions.DisjunctRowSelect()) {
        if (RowIndex + RCount > RowCount())
            RCount = RowCount() - RowIndex;
        for (int R = RowIndex; R < RowIndex + RCount; ++R) {
            const int Index = FMouseActions.RowSelectPersistent() ? RealRowIndex(R) : R;
            if (Index >= 0 && Index < RowCount())
                SetRowSelect(Index, false);
        }
    }
    FSelChange = false;
}

void RIraRevadiVizo::SelectCols(int ColIndex, int CCount)
{
    if (!FMouseActions.DisjunctColSelect()) {
        Set_Selection({ColIndex, FixedRows(), ColIndex + CCount - 1, RowCount() - 1});
        return;
    }
    for (int C = ColIndex; C < ColIndex + CCount; ++C)
        if (C >= 0 && C < ColCount())
            SetColSelect(C, true);
}

void RIraRevadiVizo::UnSelectCols(int ColIndex, int CCount)
{
    if (!FMouseActions.DisjunctColSelect())
        return;
    for (int C = ColIndex; C < ColIndex + CCount; ++C)
        if (C >= 0 && C < ColCount())
            SetColSelect(C, false);
}

void RIraRevadiVizo::SelectRange(int FromCol, int ToCol, int FromRow, int ToRow)
{
    Set_Row(ToRow);
    Set_Col(ToCol);
    Set_Selection({FromCol, FromRow, ToCol, ToRow});
}

void RIraRevadiVizo::ClearRowSelect()
{
    for (int R = 0; R < FFlags.RowSelect.Length(); ++R)
        if (FFlags.RowSelect.Get(R, Bad_Row))
            RepaintRow(R);
    FFlags.RowSelect.Clear_All();
    FFlags.SelectedRows.clear();
}

void RIraRevadiVizo::ClearColSelect()
{
    for (int C = 0; C < FFlags.ColSelect.Length(); ++C)
        if (FFlags.ColSelect.Get(C, Bad_Col))
            RepaintCol(C);
    FFlags.ColSelect.Clear_All();
}

int RIraRevadiVizo::RowSelectCount()
{
    if (FMouseActions.DisjunctRowSelect())
        return FFlags.RowSelect.Count_Set(RowCount() + NumHiddenRows());
    const TGridRect S = Selection();
    return std::abs(S.Bottom - S.Top) + 1;
}

int RIraRevadiVizo::ColSelectCount()
{
    if (FMouseActions.DisjunctColSelect())
        return FFlags.ColSelect.Count_Set();
    const TGridRect S = Selection();
    return S.Right - S.Left + 1;
}

void RIraRevadiVizo::SelectionToRowSelect(bool AllRows)
{
    TGridRect S = Selection();
    if (S.Bottom >= RowCount() - FFixedFooters)
        S.Bottom = RowCount() - FFixedFooters - 1;
    for (int R = FixedRows(); R < RowCount(); ++R) {
        const bool Inside = R >= S.Top && R <= S.Bottom;
        if (Inside || AllRows)
            SetRowSelect(FMouseActions.RowSelectPersistent() ? RealRowIndex(R) : R, Inside);
    }
    if (NumHiddenRows() > 0)
        Invalidate();
}

void RIraRevadiVizo::SelectionToColSelect(bool AllCols)
{
    const TGridRect S = Selection();
    for (int C = FixedCols(); C < ColCount(); ++C) {
        const bool Inside = C >= S.Left && C <= S.Right;
        if (Inside || AllCols)
            SetColSelect(C, Inside);
    }
}

// --- current cell and the rectangle -------------------------------------------------------------------

void RIraRevadiVizo::FocusCell(int ACol, int ARow) { Set_Selection({ACol, ARow, ACol, ARow}); }

void RIraRevadiVizo::GotoCell(int ACol, int ARow)
{
    Set_Row(ARow);
    Set_Col(ACol);
}

TGridRect RIraRevadiVizo::Selection() const
{
    if (FSelHidden)
        return {ColCount(), RowCount(), ColCount(), RowCount()};
    return TBaseGrid::Selection();
}

void RIraRevadiVizo::Set_Selection(const TGridRect &Value)
{
    TBaseGrid::Set_Selection(Value);
    if (FActiveCellShow)
        Invalidate();
    if (ActiveRowShow())
        RepaintRow(Value.Bottom);
}

void RIraRevadiVizo::HideSelection()
{
    // The platform keeps its current cell inside the grid; the parked state
    // shows no selected cell and reads as the cell just outside the grid.
    if (FSelHidden)
        return;
    FOldSelection = TBaseGrid::Selection();
    FSelHidden = true;
    Set_ShowSel(false);
    Invalidate();
}

void RIraRevadiVizo::UnHideSelection()
{
    FSelHidden = false;
    Set_ShowSel(FShowSelection);
    if (FOldSelection.Top < RowCount() && FOldSelection.Left < ColCount()) {
        TBaseGrid::Set_Selection(FOldSelection);
    } else {
        const int Top = FFixedRowAlways && TBaseGrid::FixedRows() == RowCount() ? 0 : TBaseGrid::FixedRows();
        const int Left = FFixedColAlways && TBaseGrid::FixedCols() == ColCount() ? 0 : TBaseGrid::FixedCols();
        TBaseGrid::Set_Selection({Left, Top, Left, Top});
    }
    Invalidate();
}

void RIraRevadiVizo::SwapCells(TPoint FromCell, TPoint ToCell)
{
    // Texts and object slots change places as they are, owned properties
    // included (the model keeps their positions right).
    TGridModel &M = Model();
    const QString T1 = M.Cell(FromCell.X, FromCell.Y);
    const QString T2 = M.Cell(ToCell.X, ToCell.Y);
    const bool Own1 = M.Is_Owned(FromCell.X, FromCell.Y);
    const bool Own2 = M.Is_Owned(ToCell.X, ToCell.Y);
    TObject *O1 = M.Release_Object(FromCell.X, FromCell.Y);
    TObject *O2 = M.Release_Object(ToCell.X, ToCell.Y);
    M.Set_Cell(FromCell.X, FromCell.Y, T2);
    M.Set_Cell(ToCell.X, ToCell.Y, T1);
    auto Put = [&M](TPoint P, TObject *O, bool Owned) {
        if (!O)
            return;
        if (!Owned) {
            M.Set_Object(P.X, P.Y, O);
            return;
        }
        if (auto *Props = dynamic_cast<TModelCellProps *>(O)) {
            Props->Set_OwnerCol(P.X);
            Props->Set_OwnerRow(P.Y);
        }
        M.Adopt_Object(P.X, P.Y, O);
    };
    Put(ToCell, O1, Own1);
    Put(FromCell, O2, Own2);
}

void RIraRevadiVizo::MoveCurrentCell(int ACol, int ARow) { Place_Current(ACol, ARow, true); }

bool RIraRevadiVizo::SelectCell(int ACol, int ARow) { return Select_Cell_Editing(ACol, ARow); }

// --- modified and enabled rows ---------------------------------------------------------------------------

bool RIraRevadiVizo::GetRowModified(int ARow) const { return FFlags.Modified.Get(ARow, Bad_Row); }

void RIraRevadiVizo::SetRowModified(int ARow, bool Value)
{
    FFlags.Modified.Set(ARow, Value, Bad_Row);
    RepaintCell(0, ARow);
}

bool RIraRevadiVizo::GetRowEnabled(int ARow) const { return !FFlags.Disabled.Get(ARow, Bad_Row); }

void RIraRevadiVizo::SetRowEnabled(int ARow, bool Value)
{
    if (ARow < 0)
        throw EDarAzidError(Bad_Row);
    if (ARow == Row())
        for (int R = FixedRows(); R < RowCount(); ++R)
            if (R != ARow && GetRowEnabled(R)) {
                TBaseGrid::Set_Row(R);
                break;
            }
    FFlags.UseEnabledRows = true;
    FFlags.Disabled.Set(ARow, !Value, Bad_Row);
    RepaintRow(ARow);
}

void RIraRevadiVizo::RegisterNotifier(TGridChangeNotifier *ANotifier)
{
    if (ANotifier && std::find(FNotifierList.begin(), FNotifierList.end(), ANotifier) == FNotifierList.end())
        FNotifierList.push_back(ANotifier);
}

void RIraRevadiVizo::UnRegisterNotifier(TGridChangeNotifier *ANotifier)
{
    FNotifierList.erase(std::remove(FNotifierList.begin(), FNotifierList.end(), ANotifier), FNotifierList.end());
}

// --- repainting ----------------------------------------------------------------------------------------------

void RIraRevadiVizo::RepaintRow(int ARow)
{
    const TRect A = CellRect(0, ARow);
    const TRect B = CellRect(std::min(LeftCol() + VisibleColCount(), ColCount() - 1), ARow);
    if (A.Right <= A.Left && B.Right <= B.Left)
        return;
    InvalidateRect({0, std::max(A.Top, B.Top), std::max(A.Right, B.Right), std::max(A.Bottom, B.Bottom)});
}

void RIraRevadiVizo::RepaintCol(int ACol)
{
    const TRect A = CellRect(ACol, TopRow());
    const TRect B = CellRect(ACol, std::min(TopRow() + VisibleRowCount(), RowCount() - 1));
    if (A.Right <= A.Left)
        return;
    InvalidateRect({A.Left, A.Top, A.Right, std::max(A.Bottom, B.Bottom)});
}

void RIraRevadiVizo::RepaintRect(const TRect &R)
{
    if (R.Left < 0 || R.Top < 0 || R.Right < 0 || R.Bottom < 0)
        return;
    const TRect A = CellRect(R.Left, R.Top);
    const TRect B = CellRect(std::min(VisibleColCount() + FixedCols(), R.Right), R.Bottom);
    if (A.Right <= A.Left || A.Bottom <= A.Top || B.Right <= B.Left || B.Bottom <= B.Top) {
        Invalidate();
        return;
    }
    InvalidateRect({std::min(A.Left, B.Left), std::min(A.Top, B.Top), std::max(A.Right, B.Right),
                    std::max(A.Bottom, B.Bottom)});
}

void RIraRevadiVizo::SelectionChanged(int ALeft, int ATop, int ARight, int ABottom)
{
    if (FLook == glVista || FLook == glWin7 || FLook == glOffice2007) {
        const TGridRect S = Selection();
        RepaintRect({S.Left, S.Top, S.Right, S.Bottom});
    }
    FSelChange = true;
    if (OnSelectionChanged)
        OnSelectionChanged(this, ALeft, ATop, ARight, ABottom);
}

// --- moving on after an edit --------------------------------------------------------------------------------------

bool RIraRevadiVizo::Cell_Editable_At(int DisplCol, int ARow)
{
    bool CanEdit = true;
    GetCellEditable(RealColIndex(DisplCol), ARow, CanEdit);
    return CanEdit;
}

void RIraRevadiVizo::NavigateAfterEdit(int ACol, int ARow, bool Force, bool AutoEdit, bool Forward, bool Recursing,
                                       bool Edit)
{
    if (!FNavigation.AdvanceOnEnter() && !Force)
        return;
    if (FMouseActions.RangeSelectAndEdit() && !Options().Contains(goEditing))
        Set_Options(Options() + goEditing);
    if (!Recursing) {
        FAECol = ACol;
        FAERow = ARow;
    }
    const int StartCol = ACol, StartRow = ARow;
    FStartEditChar = QChar();
    // Skipping read-only cells continues from each new cell; a cell seen
    // twice means the walk came round without finding an editable one, and
    // it stops there instead of running on forever.
    std::set<std::pair<int, int>> Visited{{ACol, ARow}};
    bool CanEdit = false;
    for (;;) {
        const int FirstCol = FirstNavigableCol();
        const int LastDataRow = RowCount() - FFixedFooters - 1;
        const TPoint Span = CellSpan(ACol, ARow);
        const int SpanX = std::max(0, Span.X);
        const TAdvanceDirection Dir = FNavigation.AdvanceDirection();
        if (Forward && (Dir == adLeftRight || Dir == adLeftRightInRow)) {
            if (ACol + SpanX < ColCount() - VisibleFixedRightCols() - 1) {
                ACol = ACol + SpanX + 1;
            } else if (Dir == adLeftRight) {
                if (ARow != LastDataRow) {
                    ++ARow;
                    ACol = FirstCol;
                } else if (FNavigation.AdvanceInsert()) {
                    ACol = FirstCol;
                    if (CanAddRow()) {
                        AddRow();
                        ++ARow;
                        if (OnAutoAddRow)
                            OnAutoAddRow(this, RowCount() - FFixedFooters - 1);
                        bool Any = false;
                        for (int C = FixedCols(); C < ColCount() && !Any; ++C)
                            Any = Cell_Editable_At(C, ARow);
                        if (!Any)
                            return;
                    }
                } else if (FNavigation.AdvanceOnEnterLoop()) {
                    ARow = FixedRows();
                    ACol = FirstCol;
                }
            } else if (FNavigation.AdvanceOnEnterLoop()) {
                ACol = FirstCol;
            }
        } else if (Forward) {
            if (ARow != LastDataRow) {
                ++ARow;
            } else if (Dir == adTopBottomInCol) {
                ARow = FixedRows();
            } else {
                if (ACol + 1 != ColCount() - FFixedRightCols) {
                    ARow = FixedRows();
                    ++ACol;
                    if (ACol >= ColCount())
                        ACol = FirstCol;
                } else if (FNavigation.AdvanceInsert()) {
                    Set_ColCount(ColCount() + 1);
                    ACol = ACol + SpanX + 1;
                    ARow = FixedRows();
                    if (OnAutoInsertCol)
                        OnAutoInsertCol(this, ColCount() - FFixedRightCols - 1);
                } else {
                    ARow = FixedRows();
                    ACol = FirstCol;
                }
                Invalidate();
            }
        } else if (Dir == adLeftRight) {
            if (ACol > FirstCol) {
                --ACol;
            } else {
                ARow = ARow <= FixedRows() ? LastDataRow : ARow - 1;
                ACol = ColCount() - FFixedRightCols - 1;
            }
        } else if (Dir == adTopBottom) {
            if (ARow > FixedRows()) {
                --ARow;
            } else {
                ACol = ACol <= FirstCol ? ColCount() - FFixedRightCols - 1 : ACol - 1;
                ARow = LastDataRow;
            }
        }
        CanEdit = Cell_Editable_At(ACol, ARow);
        if (CanEdit || !FNavigation.AdvanceSkipReadOnlyCells())
            break;
        if (!Visited.insert({ACol, ARow}).second)
            break;   // came round (or stayed): no editable cell on the way
    }
    if (CanEdit) {
        bool Allow = true;
        if (OnAutoAdvance)
            OnAutoAdvance(this, FAERow, FAECol, ARow, ACol, Allow);
        if (Allow && OnCellChanging)
            OnCellChanging(this, FAERow, FAECol, ARow, ACol, Allow);
        FDisableChange = true;
        if (Allow) {
            Set_Col(ACol);
            Set_Row(ARow);
        } else {
            SelectCell(StartCol, StartRow);
        }
        FDisableChange = false;
    } else {
        Set_Col(ACol);
        Set_Row(ARow);
    }
    if (!Edit)
        return;
    // The editor opens in the new cell when asked; a cell control (check
    // box, radio, button) takes its input itself and opens no text editor.
    const int RealCol = RealColIndex(Col());
    const bool Control = HasCellControl(RealCol, Row());
    if ((AutoEdit && FNavigation.AdvanceAutoEdit()) || Control) {
        if (!IsEditable(RealCol, Row()))
            return;
        if (!Control)
            ShowEditor();
    }
    if (FMouseActions.DisjunctRowSelect()) {
        ClearRowSelect();
        SetRowSelect(Row(), true);
    }
}
