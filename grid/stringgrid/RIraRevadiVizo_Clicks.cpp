// Cell clicks: a press flips a check box the cell may be edited at (and then
// fires OnCheckBoxClick, not OnClickCell); any other press selects as the
// platform does and fires OnClickCell. A double click auto-sizes a column at a
// header border or fires OnDblClickCell. Header clicks never sort here.
#include "grid/stringgrid/RIraRevadiVizo.h"
#include <QPointer>
#include <cstdlib>

namespace {
// Within this many pixels of a header cell's left or right edge a press
// belongs to the border (sizing), not to the cell.
constexpr int Border_Grip = 3;
// Width of the spin buttons drawn at a spin cell's right edge.
constexpr int Spin_Strip = 18;
// A rating rises half a point per this many pixels from the cell's left edge.
constexpr int Rating_Half_Point = 9;
} // namespace

void RIraRevadiVizo::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    FPressPoint = TPoint(X, Y);
    FSpinUpClick = FSpinDnClick = false;
    int C = -1, R = -1;
    MouseToCell(X, Y, C, R);
    // The second press of a double click is the double click's own.
    if (Button != mbLeft || Shift.Contains(ssDouble) || C < 0 || R < 0) {
        TBaseGrid::MouseDown(Button, Shift, X, Y);
        return;
    }
    QPointer<RIraRevadiVizo> Self(this);
    if (OnCanClickCell) {
        bool Allow = true;
        OnCanClickCell(this, R, C, Allow);
        if (!Self || !Allow)
            return;
    }
    const int RC = DisplToRealCol(C);
    const TRect CR = CellRect(C, R);
    // The spin editor that this press opens steps once toward the half hit.
    if (ControlLook().SpinButtonsAlwaysVisible && HasSpinEdit(RC, R) && X >= CR.Right - Spin_Strip) {
        FSpinUpClick = Y < (CR.Top + CR.Bottom) / 2;
        FSpinDnClick = !FSpinUpClick;
        FSpinCell = TPoint(C, R);
    }
    if (HasRating(RC, R) && IsEditable(RC, R)) {
        HideInplaceEdit();
        double NewRate = ((X - CR.Left) / Rating_Half_Point) / 2.0;
        if (Self && RatingChange(RC, R, NewRate) && Self) {
            SetFloats(RC, R, NewRate);
            RepaintCell(C, R);
        }
        return;
    }
    bool Q = Options().Contains(goEditing) || FMouseActions.RangeSelectAndEdit();
    QueryCanEdit(RC, R, Q);
    if ((Q || ControlLook().CheckAlwaysActive) && Is_Check_Control_Cell(RC, R)) {
        Hide_Editor_For_Key();
        setFocus();
        const bool State = Flip_Check_Control(RC, R);
        if (!FNavigation.AlwaysEdit() && C >= FixedCols() && R >= FixedRows())
            FocusCell(C, R);
        if (!Self)
            return;
        DoCheckBoxClick(C, R, State);
        if (!Self)
            return;
        RepaintCell(C, R);
        if (OnMouseDown)
            OnMouseDown(this, Button, Shift, X, Y);
        if (Self)
            Click();
        return;
    }
    TBaseGrid::MouseDown(Button, Shift, X, Y);
    if (!Self || !OnClickCell)
        return;
    if (R < FixedRows() && Options().Contains(goColSizing)) {
        if (std::abs(X - CR.Left) <= Border_Grip || std::abs(X - CR.Right) <= Border_Grip)
            return;
    }
    OnClickCell(this, R, C);
}

void RIraRevadiVizo::DblClick()
{
    int C = -1, R = -1;
    MouseToCell(FPressPoint.X, FPressPoint.Y, C, R);
    QPointer<RIraRevadiVizo> Self(this);
    if (C < 0 || R < 0) {
        TBaseGrid::DblClick();
        return;
    }
    // A double click on a header border fits the column left of it, or the column itself.
    if (R < FixedRows() && Options().Contains(goColSizing) && FMouseActions.AutoSizeColOnDblClick()) {
        const TRect CR = CellRect(C, R);
        int Sized = -1;
        if (std::abs(FPressPoint.X - CR.Left) <= Border_Grip && C - 1 >= FixedCols())
            Sized = C - 1;
        else if (std::abs(FPressPoint.X - CR.Right) <= Border_Grip && C >= FixedCols())
            Sized = C;
        if (Sized >= 0) {
            FDblClk = true;
            bool Allow = true;
            if (OnColumnSize)
                OnColumnSize(this, Sized, Allow);
            if (!Self)
                return;
            if (Allow) {
                AutoSizeCol(Sized, 0);
                if (OnEndColumnSize)
                    OnEndColumnSize(this, Sized);
            }
            FForceSel = false;
            if (Self)
                TBaseGrid::DblClick();
            return;
        }
    }
    const int RC = DisplToRealCol(C);
    TBaseGrid::DblClick();
    if (!Self || Is_Check_Control_Cell(RC, R))
        return;
    if (OnDblClickCell)
        OnDblClickCell(this, R, C);
    if (!Self)
        return;
    if (FMouseActions.EditOnDblClickOnly()) {
        const bool Old = FMouseActions.RangeSelectAndEdit();
        FMouseActions.Set_RangeSelectAndEdit(true);
        const bool Can = IsEditable(RC, R);
        FMouseActions.Set_RangeSelectAndEdit(Old);
        if (Can) {
            Set_Options(Options() + goEditing);
            Show_Editor_For_Key(QChar());
        }
    }
    FForceSel = false;
}
