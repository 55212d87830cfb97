// The string grid's mouse: pressing, dragging, releasing, double clicks and the wheel.
#include "toolkit/StringGrid.h"
#include <QMouseEvent>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>

// --- mouse ----------------------------------------------------------------------------

void TStringGrid::CalcSizingState(int X, int Y, TGridState &State, int &Index, int &SizingPos, int &SizingOfs,
                                  TGridDrawInfo &FixedInfo)
{
    State = gsNormal;
    Index = -1;
    CalcDrawInfo(FixedInfo);
    const int LW = FGridLineWidth;
    const int Grip = 3;
    if (UseRightToLeftAlignment())
        X = Client_Width() - 1 - X;
    if (FOptions.Contains(goColSizing) && Y >= 0 && Y < FixedInfo.Vert.FixedBoundary) {
        for (int C = 0; C < ColCount(); ++C) {
            const int L = Col_Left(C);
            if (L < 0)
                continue;
            const int Edge = L + ColWidths(C) + LW / 2;
            if (std::abs(X - Edge) <= Grip) {
                State = gsColSizing;
                Index = C;
                SizingPos = Edge;
                SizingOfs = X - Edge;
                return;
            }
        }
    }
    if (FOptions.Contains(goRowSizing) && X >= 0 && X < FixedInfo.Horz.FixedBoundary) {
        for (int R = 0; R < RowCount(); ++R) {
            const int T = Row_Top(R);
            if (T < 0) {
                if (R >= TopRow())
                    break;
                continue;
            }
            const int Edge = T + RowHeights(R) + LW / 2;
            if (std::abs(Y - Edge) <= Grip) {
                State = gsRowSizing;
                Index = R;
                SizingPos = Edge;
                SizingOfs = Y - Edge;
                return;
            }
        }
    }
}

void TStringGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    QPointer<TStringGrid> Self(this);
    if (!hasFocus() && !(FInplaceEdit && FInplaceEdit->hasFocus()))
        setFocus();
    if (Button == mbLeft) {
        TGridState State;
        int Index = -1;
        TGridDrawInfo Info;
        CalcSizingState(X, Y, State, Index, FSizingPos, FSizingOfs, Info);
        if (State != gsNormal) {
            FGridState = State;
            FSizingIndex = Index;
            // The sizing line shows where the border will go; the size
            // changes on release.
            if (State == gsColSizing)
                DrawColSizingLine(-1, FSizingPos);
            else
                DrawRowSizingLine(-1, FSizingPos);
        } else {
            int C = -1, R = -1;
            MouseToCell(X, Y, C, R);
            if (C >= 0 && R >= 0) {
                if (R < FixedRows() && C >= FixedCols() && FOptions.Contains(goColMoving)) {
                    FGridState = gsColMoving;
                    FMoveFrom = C;
                } else if (C < FixedCols() && R >= FixedRows() && FOptions.Contains(goRowMoving)) {
                    FGridState = gsRowMoving;
                    FMoveFrom = R;
                } else if (C >= FixedCols() && R >= FixedRows()) {
                    if (C == Col() && R == Row() && FOptions.Contains(goEditing)
                        && (Shift.Contains(ssDouble) || !Shift.Contains(ssShift)) && !FEditorMode
                        && Shift.Contains(ssDouble)) {
                        ShowEditor();
                    } else {
                        FGridState = gsSelecting;
                        Move_Current(C, R, !(Shift.Contains(ssShift) && FOptions.Contains(goRangeSelect)), true);
                    }
                }
            }
        }
    }
    if (Self && OnMouseDown)
        OnMouseDown(this, Button, Shift, X, Y);
}

void TStringGrid::MouseMove(TShiftState Shift, int X, int Y)
{
    switch (FGridState) {
    case gsSelecting: {
        // Past an edge of the cells the view moves on, at once and then on a
        // timer while the pointer stays outside.
        FDragPoint = TPoint(X, Y);
        if (Drag_Scroll_Step()) {
            if (!FDragScrollTimer->isActive())
                FDragScrollTimer->start();
            break;
        }
        FDragScrollTimer->stop();
        int C = -1, R = -1;
        MouseToCell(X, Y, C, R);
        if (C >= FixedCols() && R >= FixedRows())
            Move_Current(C, R, !FOptions.Contains(goRangeSelect), true);
        break;
    }
    case gsColSizing: {
        const int L = Col_Left(FSizingIndex);
        const int LX = UseRightToLeftAlignment() ? Client_Width() - 1 - X : X;
        const int Old = FSizingPos;
        if (L >= 0)
            FSizingPos = std::max(L + FGridLineWidth / 2, LX - FSizingOfs);
        if (Old != FSizingPos)
            DrawColSizingLine(Old, FSizingPos);
        break;
    }
    case gsRowSizing: {
        const int T = Row_Top(FSizingIndex);
        const int Old = FSizingPos;
        if (T >= 0)
            FSizingPos = std::max(T + FGridLineWidth / 2, Y - FSizingOfs);
        if (Old != FSizingPos)
            DrawRowSizingLine(Old, FSizingPos);
        break;
    }
    default: break;
    }
    if (OnMouseMove)
        OnMouseMove(this, Shift, X, Y);
}

void TStringGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    QPointer<TStringGrid> Self(this);
    const TGridState State = FGridState;
    FGridState = gsNormal;
    FDragScrollTimer->stop();
    if (State == gsColSizing || State == gsRowSizing) {
        // The size the line was dropped at, as the hook leaves it.
        const bool IsCol = State == gsColSizing;
        const int Start = IsCol ? Col_Left(FSizingIndex) : Row_Top(FSizingIndex);
        const int P = IsCol ? (UseRightToLeftAlignment() ? Client_Width() - 1 - X : X) : Y;
        const int Line = Start >= 0 ? std::max(Start + FGridLineWidth / 2, P - FSizingOfs) : FSizingPos;
        if (IsCol)
            DrawColSizingLine(FSizingPos, -1);
        else
            DrawRowSizingLine(FSizingPos, -1);
        FSizingPos = Line;
        if (Start >= 0) {
            int Size = std::max(0, Line - Start - FGridLineWidth / 2);
            if (IsCol ? UpdateColumnSize(FSizingIndex, Size) : UpdateRowSize(FSizingIndex, Size)) {
                if (IsCol)
                    Set_ColWidths(FSizingIndex, Size);
                else
                    Set_RowHeights(FSizingIndex, Size);
            }
        }
        if (Self)
            FSizingIndex = -1;
    }
    int C = -1, R = -1;
    MouseToCell(X, Y, C, R);
    if (State == gsColMoving && C >= FixedCols() && C != FMoveFrom)
        MoveColumn(FMoveFrom, C);
    else if (State == gsRowMoving && R >= FixedRows() && R != FMoveFrom)
        MoveRow(FMoveFrom, R);
    else if (State == gsSelecting)
        Click();
    if (Self && OnMouseUp)
        OnMouseUp(this, Button, Shift, X, Y);
}

void TStringGrid::Click()
{
    if (OnClick)
        OnClick(this);
}

void TStringGrid::DblClick()
{
    if (OnDblClick)
        OnDblClick(this);
}

namespace {
TMouseButton Button_Of(Qt::MouseButton B)
{
    return B == Qt::RightButton ? mbRight : B == Qt::MiddleButton ? mbMiddle : mbLeft;
}
} // namespace

void TStringGrid::mousePressEvent(QMouseEvent *Event)
{
    const QPoint P = Event->position().toPoint();
    MouseDown(Button_Of(Event->button()), Shift_State_From_Qt(Event->modifiers(), Event->buttons()), P.x(), P.y());
}

void TStringGrid::mouseMoveEvent(QMouseEvent *Event)
{
    const QPoint P = Event->position().toPoint();
    MouseMove(Shift_State_From_Qt(Event->modifiers(), Event->buttons()), P.x(), P.y());
}

void TStringGrid::mouseReleaseEvent(QMouseEvent *Event)
{
    const QPoint P = Event->position().toPoint();
    MouseUp(Button_Of(Event->button()), Shift_State_From_Qt(Event->modifiers(), Event->buttons()), P.x(), P.y());
}

void TStringGrid::mouseDoubleClickEvent(QMouseEvent *Event)
{
    const QPoint P = Event->position().toPoint();
    QPointer<TStringGrid> Self(this);
    MouseDown(Button_Of(Event->button()), Shift_State_From_Qt(Event->modifiers(), Event->buttons()) + ssDouble, P.x(),
              P.y());
    if (Self)
        DblClick();
}

bool TStringGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos)
{
    bool Handled = false;
    if (OnMouseWheelDown)
        OnMouseWheelDown(this, Shift, MousePos, Handled);
    if (!Handled) {
        if (Row() < RowCount() - 1)
            Set_Row(Row() + 1);
        Handled = true;
    }
    return Handled;
}

bool TStringGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos)
{
    bool Handled = false;
    if (OnMouseWheelUp)
        OnMouseWheelUp(this, Shift, MousePos, Handled);
    if (!Handled) {
        if (Row() > FixedRows())
            Set_Row(Row() - 1);
        Handled = true;
    }
    return Handled;
}

void TStringGrid::wheelEvent(QWheelEvent *Event)
{
    const int Steps = Event->angleDelta().y() / 120;
    const TShiftState Shift = Shift_State_From_Qt(Event->modifiers(), Event->buttons());
    const QPoint P = Event->position().toPoint();
    QPointer<TStringGrid> Self(this);
    for (int I = 0; I < std::abs(Steps) && Self; ++I) {
        if (Steps < 0)
            DoMouseWheelDown(Shift, TPoint(P.x(), P.y()));
        else
            DoMouseWheelUp(Shift, TPoint(P.x(), P.y()));
    }
    Event->accept();
}

