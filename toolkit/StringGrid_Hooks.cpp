// The string grid's notices and the hooks it offers on Qt's events: property
// changes, the window-creation step, the border, hints, the cursor, the
// dialog code and drags passing over the cells.
#include "toolkit/StringGrid.h"
#include <QDragMoveEvent>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

void TStringGrid::Set_GridState(TGridState State, int SizingIndex, int MoveOrigin)
{
    FGridState = State;
    FSizingIndex = SizingIndex;
    FMoveFrom = MoveOrigin;
}

void TStringGrid::CMColorChanged() { InvalidateGrid(); }
void TStringGrid::CMFontChanged() { InvalidateGrid(); }
void TStringGrid::CMEnabledChanged() { InvalidateGrid(); }

void TStringGrid::changeEvent(QEvent *Event)
{
    QAbstractScrollArea::changeEvent(Event);
    if (Event->type() == QEvent::EnabledChange)
        CMEnabledChanged();
}

void TStringGrid::Set_BorderStyle(TGridBorderStyle Value)
{
    if (Value == FBorderStyle)
        return;
    FBorderStyle = Value;
    setFrameShape(Value == bsNone ? QFrame::NoFrame : QFrame::StyledPanel);
    Update_Scroll_Bars();
    update();
}

int TStringGrid::WMGetDlgCode()
{
    int Code = DLGC_WANTARROWS | DLGC_WANTCHARS;
    if (FOptions.Contains(goTabs))
        Code |= DLGC_WANTTAB;
    return Code;
}

Qt::CursorShape TStringGrid::WMSetCursor(TPoint Pos)
{
    TGridState State = gsNormal;
    int Index = -1, SizingPos = 0, SizingOfs = 0;
    TGridDrawInfo Info;
    if (FGridState == gsNormal)
        CalcSizingState(Pos.X, Pos.Y, State, Index, SizingPos, SizingOfs, Info);
    else
        State = FGridState;
    if (State == gsColSizing)
        return Qt::SplitHCursor;
    if (State == gsRowSizing)
        return Qt::SplitVCursor;
    return Qt::ArrowCursor;
}

void TStringGrid::DragOver(QObject *Source, int X, int Y, TGridDragState State, bool &Accept)
{
    if (OnDragOver)
        OnDragOver(this, Source, X, Y, State, Accept);
}

bool TStringGrid::viewportEvent(QEvent *Event)
{
    switch (Event->type()) {
    case QEvent::ToolTip: {
        auto *Help = static_cast<QHelpEvent *>(Event);
        QString Hint;
        const TPoint P(Help->pos().x(), Help->pos().y());
        if (CMHintShow(P, Hint) && !Hint.isEmpty())
            QToolTip::showText(Help->globalPos(), Hint, viewport());
        else
            QToolTip::hideText();
        return true;
    }
    case QEvent::MouseMove:
    case QEvent::HoverMove: {
        const QPoint P = static_cast<QSinglePointEvent *>(Event)->position().toPoint();
        const Qt::CursorShape Cursor_Shape = WMSetCursor(TPoint(P.x(), P.y()));
        if (viewport()->cursor().shape() != Cursor_Shape)
            viewport()->setCursor(Cursor_Shape);
        break;
    }
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *Drag = static_cast<QDragMoveEvent *>(Event);
        bool Accept = false;
        const QPoint P = Drag->position().toPoint();
        DragOver(Drag->source(), P.x(), P.y(), Event->type() == QEvent::DragEnter ? dsGridDragEnter : dsGridDragMove,
                 Accept);
        if (Accept)
            Drag->acceptProposedAction();
        else
            Drag->ignore();
        return true;
    }
    case QEvent::DragLeave: {
        bool Accept = false;
        DragOver(nullptr, -1, -1, dsGridDragLeave, Accept);
        return true;
    }
    default: break;
    }
    return QAbstractScrollArea::viewportEvent(Event);
}
