// The string grid's scrolling: scroll bars and their messages, scrolling while
// a selection is dragged past an edge, and sizing columns and rows through a
// sizing line.
#include "toolkit/StringGrid.h"
#include <QPainter>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>

namespace {
// How often the view moves on while a drag-selection stays outside the cells.
constexpr int Drag_Scroll_Interval_Ms = 60;
} // namespace

void TStringGrid::Connect_Scroll_Bars()
{
    for (Qt::Orientation O : {Qt::Vertical, Qt::Horizontal}) {
        QScrollBar *Bar = O == Qt::Vertical ? verticalScrollBar() : horizontalScrollBar();
        Bar->setTracking(FOptions.Contains(goThumbTracking));
        connect(Bar, &QAbstractSlider::actionTriggered, this, [this, O](int Action) { Bar_Action(O, Action); });
        connect(Bar, &QAbstractSlider::sliderMoved, this, [this, O, Bar](int Pos) {
            // With tracking the bar's value follows the thumb next: the message
            // has decided where the grid goes, so that change is not taken.
            FBarDriven = Bar->hasTracking();
            Scroll_Message(O, SB_THUMBTRACK, Pos);
            if (Bar->value() == Pos)
                FBarDriven = false;
        });
        connect(Bar, &QAbstractSlider::sliderReleased, this, [this, O, Bar] {
            // A thumb dropped where the value already is gets no further action.
            if (Bar->sliderPosition() == Bar->value()) {
                Scroll_Message(O, SB_THUMBPOSITION, Bar->sliderPosition());
                Scroll_Message(O, SB_ENDSCROLL);
            }
        });
    }
    FDragScrollTimer = new QTimer(this);
    FDragScrollTimer->setInterval(Drag_Scroll_Interval_Ms);
    connect(FDragScrollTimer, &QTimer::timeout, this, [this] {
        if (!Drag_Scroll_Step())
            FDragScrollTimer->stop();
    });
}

void TStringGrid::Bar_Action(Qt::Orientation O, int Action)
{
    QScrollBar *Bar = O == Qt::Vertical ? verticalScrollBar() : horizontalScrollBar();
    int Code = -1;
    switch (Action) {
    case QAbstractSlider::SliderSingleStepSub: Code = SB_LINEUP; break;
    case QAbstractSlider::SliderSingleStepAdd: Code = SB_LINEDOWN; break;
    case QAbstractSlider::SliderPageStepSub: Code = SB_PAGEUP; break;
    case QAbstractSlider::SliderPageStepAdd: Code = SB_PAGEDOWN; break;
    case QAbstractSlider::SliderToMinimum: Code = SB_TOP; break;
    case QAbstractSlider::SliderToMaximum: Code = SB_BOTTOM; break;
    case QAbstractSlider::SliderMove:
        if (Bar->isSliderDown())
            return;   // the drag itself: sliderMoved sent the thumb track
        Code = SB_THUMBPOSITION;
        break;
    default: return;
    }
    FBarDriven = true;
    Scroll_Message(O, Code, Bar->sliderPosition());
    Scroll_Message(O, SB_ENDSCROLL);
    // The grid's position is what the messages made of it.
    const int Offset = Bar_Position(O);
    Bar->setSliderPosition(Offset);
    if (Bar->value() == Offset)
        FBarDriven = false;
}

std::intptr_t TStringGrid::Scroll_Message(Qt::Orientation Bar, int Code, int Pos)
{
    TWMScroll Message;
    Message.ScrollCode = Code;
    Message.Pos = Pos;
    if (Bar == Qt::Vertical)
        WMVScroll(Message);
    else
        WMHScroll(Message);
    return Message.Result;
}

void TStringGrid::WMVScroll(TWMScroll &M)
{
    const int Page = std::max(1, VisibleRowCount());
    switch (M.ScrollCode) {
    case SB_LINEUP: Set_TopRow(TopRow() - 1); break;
    case SB_LINEDOWN: Set_TopRow(TopRow() + 1); break;
    case SB_PAGEUP: Set_TopRow(TopRow() - Page); break;
    case SB_PAGEDOWN: Set_TopRow(TopRow() + Page); break;
    case SB_TOP: Set_TopRow(FixedRows()); break;
    case SB_BOTTOM: Set_TopRow(Max_TopRow()); break;
    case SB_THUMBTRACK:
        if (FOptions.Contains(goThumbTracking))
            Set_TopRow(FixedRows() + Bar_Offset(Qt::Vertical, M.Pos));
        break;
    case SB_THUMBPOSITION: Set_TopRow(FixedRows() + Bar_Offset(Qt::Vertical, M.Pos)); break;
    default: break;
    }
}

void TStringGrid::WMHScroll(TWMScroll &M)
{
    const int Page = std::max(1, VisibleColCount());
    switch (M.ScrollCode) {
    case SB_LINEUP: Set_LeftCol(LeftCol() - 1); break;
    case SB_LINEDOWN: Set_LeftCol(LeftCol() + 1); break;
    case SB_PAGEUP: Set_LeftCol(LeftCol() - Page); break;
    case SB_PAGEDOWN: Set_LeftCol(LeftCol() + Page); break;
    case SB_TOP: Set_LeftCol(FixedCols()); break;
    case SB_BOTTOM: Set_LeftCol(Max_LeftCol()); break;
    case SB_THUMBTRACK:
        if (FOptions.Contains(goThumbTracking))
            Set_LeftCol(FixedCols() + Bar_Offset(Qt::Horizontal, M.Pos));
        break;
    case SB_THUMBPOSITION: Set_LeftCol(FixedCols() + Bar_Offset(Qt::Horizontal, M.Pos)); break;
    default: break;
    }
}

void TStringGrid::Set_ScrollBars(TScrollStyle Value)
{
    if (Value == FScrollBars)
        return;
    FScrollBars = Value;
    const bool V = Value == ssVertical || Value == ssBoth;
    const bool H = Value == ssHorizontal || Value == ssBoth;
    setVerticalScrollBarPolicy(V ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(H ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    Update_Scroll_Bars();
}

// --- scrolling while a selection is dragged --------------------------------------------

bool TStringGrid::Drag_Scroll_Step()
{
    if (FGridState != gsSelecting)
        return false;
    TGridDrawInfo Info;
    CalcDrawInfo(Info);
    const int X = UseRightToLeftAlignment() ? Client_Width() - 1 - FDragPoint.X : FDragPoint.X;
    const int Y = FDragPoint.Y;
    int DR = 0, DC = 0;
    if (Y >= Client_Height())
        DR = 1;
    else if (Y < Info.Vert.FixedBoundary && TopRow() > FixedRows())
        DR = -1;
    if (X >= Client_Width())
        DC = 1;
    else if (X < Info.Horz.FixedBoundary && LeftCol() > FixedCols())
        DC = -1;
    if (DR == 0 && DC == 0)
        return false;
    const TPoint Old = FTopLeft;
    if (DR)
        Set_TopRow(TopRow() + DR);
    if (DC)
        Set_LeftCol(LeftCol() + DC);
    // The selection follows to the cell at the edge the pointer passed.
    int C = Col(), R = Row();
    if (DR > 0)
        R = std::min(RowCount() - 1, TopRow() + VisibleRowCount() - 1);
    else if (DR < 0)
        R = TopRow();
    if (DC > 0)
        C = std::min(ColCount() - 1, LeftCol() + VisibleColCount() - 1);
    else if (DC < 0)
        C = LeftCol();
    if (C != Col() || R != Row())
        Move_Current(C, R, !FOptions.Contains(goRangeSelect), true);
    return Old != FTopLeft;
}

// --- sizing line -----------------------------------------------------------------------------

void TStringGrid::DrawColSizingLine(int OldX, int NewX)
{
    const int H = Client_Height();
    if (OldX >= 0)
        viewport()->update(Mirror_Rect(TRect(OldX - 1, 0, OldX + 2, H)).To_QRect());
    if (NewX >= 0)
        viewport()->update(Mirror_Rect(TRect(NewX - 1, 0, NewX + 2, H)).To_QRect());
}

void TStringGrid::DrawRowSizingLine(int OldY, int NewY)
{
    const int W = Client_Width();
    if (OldY >= 0)
        viewport()->update(QRect(0, OldY - 1, W, 3));
    if (NewY >= 0)
        viewport()->update(QRect(0, NewY - 1, W, 3));
}

void TStringGrid::Paint_Sizing_Line()
{
    if (FGridState != gsColSizing && FGridState != gsRowSizing)
        return;
    TCanvas &C = Canvas();
    C.Brush.Style = bsSolid;
    C.Brush.Color = clBlack;
    if (FGridState == gsColSizing)
        C.FillRect(Mirror_Rect(TRect(FSizingPos, 0, FSizingPos + 1, Client_Height())));
    else
        C.FillRect(TRect(0, FSizingPos, Client_Width(), FSizingPos + 1));
}
