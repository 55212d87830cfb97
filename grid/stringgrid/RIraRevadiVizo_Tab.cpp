// The Tab step: one move to the next (or previous) cell that keyboard
// navigation may land on, wrapping into the next row, appending a row at the
// end when the navigation settings ask for it, and handing the Tab to the
// window at the end when they say so. The editors call it for Tab too.
#include "grid/stringgrid/RIraRevadiVizo.h"
#include <QPointer>
#include <QScopeGuard>

int RIraRevadiVizo::VisibleFixedRightCols()
{
    if (NumHiddenColumns() == 0)
        return FixedRightCols();
    int N = 0;
    for (int I = 0, C = TotalColCount() - 1; I < FixedRightCols() && C >= 0; ++I, --C)
        N += IsHiddenColumn(C) ? 0 : 1;
    return N;
}

void RIraRevadiVizo::SimulateCellClick(int ACol, int ARow)
{
    const TRect R = CellRect(ACol, ARow);
    if (R.Right <= R.Left || R.Bottom <= R.Top)
        return;
    QPointer<RIraRevadiVizo> Self(this);
    auto Down = std::move(OnMouseDown);
    auto Up = std::move(OnMouseUp);
    OnMouseDown = nullptr;
    OnMouseUp = nullptr;
    const bool OldForce = FForceSel;
    FForceSel = true;
    const auto Restore = qScopeGuard([&] {
        if (!Self)
            return;
        FForceSel = OldForce;
        OnMouseDown = std::move(Down);
        OnMouseUp = std::move(Up);
    });
    TBaseGrid::MouseDown(mbLeft, TShiftState(), R.Left + 2, R.Top + 2);
    if (Self)
        TBaseGrid::MouseUp(mbLeft, TShiftState(), R.Left + 2, R.Top + 2);
}

// The Tab leaves the grid: the window moves the focus on once this key's
// handling has finished.
bool RIraRevadiVizo::Tab_Hand_Over()
{
    if (!parentWidget() || !FNavigation.TabToNextAtEnd())
        return true;
    QPointer<RIraRevadiVizo> Self(this);
    QMetaObject::invokeMethod(
        this,
        [Self] {
            if (Self)
                Self->QAbstractScrollArea::focusNextPrevChild(true);
        },
        Qt::QueuedConnection);
    return false;
}

// One move; Again asks for one more move in the same direction (the cell
// reached is inside a merged area, or a forward search found no cell).
// False when the Tab was handed over.
bool RIraRevadiVizo::Tab_Move(bool Backward, bool &Again)
{
    Again = false;
    const TPoint S = CellSpan(DisplToRealCol(Col()), Row());
    const int LastDataRow = RowCount() - FFixedFooters - 1;
    const int RightEnd = ColCount() - VisibleFixedRightCols();   // first column past the navigable ones
    const bool LeftRight = FNavigation.TabAdvanceDirection() == adLeftRight;
    auto Force = [this] {
        const bool Old = FForceSel;
        FForceSel = true;
        return qScopeGuard([this, Old] { FForceSel = Old; });
    };

    if (Backward) {
        if (!LeftRight) {
            if (Row() > FixedRows())
                Set_Row(Row() - 1);
            else {
                const int C = Col() > FirstNavigableCol() ? Col() - 1 : RightEnd - 1;
                FocusCell(std::max(FixedCols(), C), LastDataRow);
            }
            return true;
        }
        if (Col() > FirstNavigableCol()) {
            for (int C = Col() - 1; C >= FirstNavigableCol(); --C)
                if (CanSelectCell(C, Row()) && IsBaseCell(DisplToRealCol(C), Row())) {
                    Set_Col(C);
                    return true;
                }
            const int R = Row() > FixedRows() ? Row() - 1 : LastDataRow;
            const int C = LastSelectableCol(R);
            if (C >= 0) {
                FocusCell(C, R);
                if (Row() <= FixedRows())
                    ScrollInView(C, R);
            }
            const TPoint B = BaseCell(DisplToRealCol(Col()), Row());
            if (B.X != DisplToRealCol(Col()) || B.Y != Row())
                FocusCell(DisplColIndex(B.X), B.Y);
            return true;
        }
        int C = RightEnd - 1;
        while (C >= FixedCols() && !CanSelectCell(C, Row()))
            --C;
        FocusCell(std::max(FixedCols(), C), Row() > FixedRows() ? Row() - 1 : LastDataRow);
        return true;
    }

    if (!LeftRight) {
        if (S.Y + Row() + 1 < RowCount() - FFixedFooters) {
            Set_Row(S.Y + Row() + 1);
            return true;
        }
        GotoFirstDataRow();
        if (Col() < RightEnd - 1) {
            Set_Col(Col() + 1);
            return true;
        }
        Set_Col(FirstNavigableCol());
        return Tab_Hand_Over();
    }

    if (S.X + Col() + 1 < RightEnd) {
        for (int N = S.X + Col() + 1; N <= RightEnd - 1; ++N)
            if (CanSelectCell(N, Row())) {
                Set_Col(N);
                Again = !IsBaseCell(DisplToRealCol(Col()), Row());
                return true;
            }
        const auto Forced = Force();
        if (Row() < LastDataRow) {
            const int NC = FirstSelectableCol(Row() + 1);
            bool Allow = true;
            QPointer<RIraRevadiVizo> Self(this);
            if (OnRowChanging)
                OnRowChanging(this, Row(), Row() + 1, Allow);
            if (Self && OnCellChanging)
                OnCellChanging(this, Row(), Col(), Row() + 1, NC, Allow);
            if (Self && OnColChanging)
                OnColChanging(this, Col(), NC, Allow);
            if (!Self)
                return false;
            if (Allow)
                FocusCell(NC < 0 ? FixedCols() : NC, Row() + 1);
            return true;
        }
        const int NC = FirstSelectableCol(FixedRows());
        if (NC >= 0)
            FocusCell(NC, FixedRows());
        return Tab_Hand_Over();
    }

    if (Row() < LastDataRow) {
        const auto Forced = Force();
        for (int C = FirstNavigableCol(); C < ColCount(); ++C)
            if (IsBaseCell(DisplToRealCol(C), Row() + 1) && CanSelectCell(C, Row() + 1)) {
                FocusCell(C, Row() + 1);
                return true;
            }
        for (int R = Row() + 2; R < RowCount(); ++R)
            if (const int C = FirstSelectableCol(R); C >= 0) {
                FocusCell(C, R);
                return true;
            }
        FocusCell(ColCount() - 1, RowCount() - 1);
        Again = true;
        return true;
    }

    // At the end of the last data row.
    if (FNavigation.TabToNextAtEnd() || !FNavigation.AdvanceInsert()) {
        GotoFirstDataRow();
    } else if (CanAddRow()) {
        if (FFloatingFooter.Visible) {
            Insert_Grid_Rows(RowCount() - 1, 1);
            Set_Row(RowCount() - 2);
        } else {
            Set_RowCount(RowCount() + 1);
            Set_Row(RowCount() - 1);
        }
        if (OnAutoAddRow)
            OnAutoAddRow(this, RowCount() - FFixedFooters - 1);
    } else {
        GotoFirstDataRow();
    }
    const int C = FirstSelectableCol(Row());
    if (C >= 0)
        Set_Col(C);
    return Tab_Hand_Over();
}

bool RIraRevadiVizo::TabToNextCell(bool Backward)
{
    QPointer<RIraRevadiVizo> Self(this);
    if (OnKeyDown) {
        TKey Key = VK_TAB;
        TShiftState Shift;
        if (Backward)
            Shift += ssShift;
        OnKeyDown(this, Key, Shift);
        if (!Self)
            return false;
        if (Key != VK_TAB)
            return true;
    }
    if (Col() == FLastTabCol && Row() == FLastTabRow)
        return true;
    const TPoint Start(Col(), Row());
    bool Result = true;
    // Moves go on past cells that may not be edited; they stop when nothing
    // moves or the walk comes round to where it started, so a grid without
    // an editable cell ends the step instead of circling for ever.
    const long long Limit = static_cast<long long>(ColCount()) * RowCount() + 2;
    for (long long Steps = 0;; ++Steps) {
        FLastTabCol = Col();
        FLastTabRow = Row();
        bool Again = false;
        Result = Tab_Move(Backward, Again);
        if (!Self)
            return false;
        if (!Result)
            break;
        const bool Skip = Again || (Options().Contains(goEditing) && !IsEditable(DisplToRealCol(Col()), Row()));
        const TPoint Now(Col(), Row());
        if (!Skip || Now == TPoint(FLastTabCol, FLastTabRow) || Now == Start || Steps >= Limit)
            break;
    }
    if (FNavigation.AdvanceAutoEdit() && Result) {
        const int RC = DisplToRealCol(Col());
        if (!HasCellControl(RC, Row()) && !Is_Check_Control_Cell(RC, Row()))
            SimulateCellClick(Col(), Row());
        if (!Self)
            return false;
    }
    FLastTabCol = FLastTabRow = -1;
    if (FNavigation.AlwaysEdit())
        setFocus();
    return Result;
}
