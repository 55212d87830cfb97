// Scrolling and sizing: proportional thumbs, scroll hints, live scrolling
// while a thumb is dragged, scrolling a cell into view, scrolling while
// something is dragged near the edges, stretching a column to the client
// width and the reactions to width and height changes.
#include "grid/base/GridAuxWindows.h"
#include "grid/stringgrid/GridPanels.h"
#include "grid/stringgrid/RIraRevadiVizo.h"
#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <QScrollBar>
#include <QTimer>
#include <cmath>
#include <stdexcept>

namespace {
// Positions a proportional bar runs over: 0..Prop_Last.
constexpr int Prop_Last = 127;

// A * B / C rounded to the nearest integer (halves away from zero).
int Mul_Div(int A, int B, int C)
{
    if (C == 0)
        return -1;
    return static_cast<int>(std::llround(static_cast<double>(A) * B / C));
}

int Bar_Index(Qt::Orientation Bar) { return Bar == Qt::Vertical ? 1 : 0; }
} // namespace

// --- bars -------------------------------------------------------------------------------------

void RIraRevadiVizo::Set_ScrollProportional(bool Value)
{
    FScrollProportional = Value;
    if (Value) {
        UpdateVertScrollProportional();
        UpdateHorzScrollProportional();
        return;
    }
    if (FIsFlat && FScrollType == ssNormal)
        DoneFlatScrollBars();
    // The bars go back to row and column offsets.
    Update_Scroll_Bars();
}

void RIraRevadiVizo::Set_ScrollBarAlways(TScrollBarAlways Value)
{
    FScrollBarAlways = Value;
    UpdateScrollBarVisibility(true);
}

void RIraRevadiVizo::UpdateHorzScrollProportional()
{
    if (FLoading || !FScrollProportional || FScrollLock)
        return;
    // The platform writes the bars and then asks this grid (ScrollBarsUpdated).
    Update_Scroll_Bars();
}

void RIraRevadiVizo::UpdateVertScrollProportional() { UpdateHorzScrollProportional(); }

void RIraRevadiVizo::ScrollBarsUpdated()
{
    FPropBar[0] = FPropBar[1] = false;
    FHideHorzBar = false;
    if (!FLoading && FScrollProportional && !FScrollLock) {
        Vert_Proportional();
        Horz_Proportional();
    }
    Apply_Bar_Policies();
    Update_Metro_Scroll_Bars();
    // The view moved or the cells changed size: controls follow their cells,
    // and a focus frame its cell.
    CellControlsUpdate(false);
    if (Focus_Window_Grid() == this)
        MoveFocusWindow();
}

// --- scroll bar kinds ---------------------------------------------------------------------------------

void RIraRevadiVizo::Set_ScrollType(TScrollType Value)
{
    if (Value != FScrollType) {
        FScrollType = Value;
        // Flat bars need a service this platform does not have: standard bars stay.
        if (Value == ssFlat || Value == ssEncarta)
            InitFlatScrollBars();
        else
            DoneFlatScrollBars();
        if (HandleAllocated()) {
            if (Value == ssMetro) {
                CreateMetroScrollBars();
                Set_ScrollBars(ssNone);
            } else if (FVScrlCtrl) {
                Free_Metro_Scroll_Bars();
                Set_ScrollBars(ssBoth);
            }
        }
    }
    Invalidate();
}

void RIraRevadiVizo::CreateWnd()
{
    TBaseGrid::CreateWnd();
    FGridTimer.Start();
    if (FScrollType == ssMetro) {
        CreateMetroScrollBars();
        Set_ScrollBars(ssNone);
    }
    Place_Panels();
    Update_Wheel_Lines();
    // Stored widths come back when the window is made (and again once loaded).
    if (FColumnSize->Save())
        LoadColSizes();
}

void RIraRevadiVizo::CreateMetroScrollBars()
{
    if (!FVScrlCtrl) {
        FVScrlCtrl = new TScrollControl(this, sdVertical);
        FVScrlCtrl->OnScroll = [this](int Pos) { Set_TopRow(FixedRows() + Pos); };
        FVScrlCtrl->show();
    }
    if (!FHScrlCtrl) {
        FHScrlCtrl = new TScrollControl(this, sdHorizontal);
        FHScrlCtrl->OnScroll = [this](int Pos) { TBaseGrid::Set_LeftCol(FixedCols() + Pos); };
        FHScrlCtrl->show();
    }
    Place_Panels();
    Update_Metro_Scroll_Bars();
}

void RIraRevadiVizo::Free_Metro_Scroll_Bars()
{
    delete FVScrlCtrl;
    delete FHScrlCtrl;
    FVScrlCtrl = nullptr;
    FHScrlCtrl = nullptr;
}

void RIraRevadiVizo::Update_Metro_Scroll_Bars()
{
    if (FVScrlCtrl)
        FVScrlCtrl->Set_Range(Max_TopRow() - FixedRows(), VisibleRowCount(), TopRow() - FixedRows());
    if (FHScrlCtrl)
        FHScrlCtrl->Set_Range(Max_LeftCol() - FixedCols(), VisibleColCount(), LeftCol() - FixedCols());
}

TArrowWindow *RIraRevadiVizo::Arrow(TArrowDirection Dir) const { return FArrows[Dir]; }

TColor RIraRevadiVizo::ArrowColor() const { return FArrows[arrUp]->Color(); }

void RIraRevadiVizo::Set_ArrowColor(TColor Value)
{
    for (TArrowWindow *A : FArrows)
        A->Set_Color(Value);
}

void RIraRevadiVizo::Vert_Proportional()
{
    if (VisibleRowCount() + FixedRows() >= RowCount())
        return;
    const int W = TBaseGrid::GridLineWidth();
    long long FixedH = W, TotalH = W, ScrolledH = W;
    for (int R = 0; R < RowCount(); ++R) {
        const int H = W + RowHeights(R);
        if (R < FixedRows()) {
            FixedH += H;
        } else {
            TotalH += H;
            if (R < TopRow())
                ScrolledH += H;
        }
    }
    const int Ctrl = height();
    if (TotalH == 0)
        return;
    const float Share = static_cast<float>(Ctrl - FixedH) / static_cast<float>(TotalH);
    if (Share >= 0.9999f)
        return;
    const int Max = static_cast<int>((Share + 127) / (1 - Share));
    const int Page = Max - 126;
    int Pos = Prop_Last;
    if (Ctrl < TotalH)
        Pos = static_cast<int>(static_cast<double>(ScrolledH) / static_cast<double>(TotalH - Ctrl) * 128);
    Pos = std::clamp(Pos, 0, Prop_Last);
    QScrollBar *Bar = verticalScrollBar();
    Bar->setRange(0, Prop_Last);
    Bar->setPageStep(std::max(1, Page));
    Bar->setValue(Pos);
    FPropBar[1] = true;
    FPropPos[1] = Pos;
}

void RIraRevadiVizo::Horz_Proportional()
{
    const int W = TBaseGrid::GridLineWidth();
    long long FixedW = W, TotalW = W, ScrolledW = W, AllW = 0;
    for (int C = 0; C < ColCount(); ++C) {
        const int Wd = W + ColWidths(C);
        AllW += ColWidths(C);
        if (C < FixedCols()) {
            FixedW += Wd;
        } else {
            TotalW += Wd;
            if (C < LeftCol())
                ScrolledW += Wd;
        }
    }
    const int Ctrl = width();
    QScrollBar *Bar = horizontalScrollBar();
    const float Share = static_cast<float>(Ctrl - FixedW) / static_cast<float>(TotalW);
    if (Share >= 0.9999f)
        return;
    if (FixedW + TotalW - Ctrl < 5)
        return;
    const int Max = static_cast<int>((Share + 127) / (1 - Share));
    const int Page = Max - 126;
    int Pos = Bar->value();
    if (Ctrl < TotalW)
        Pos = static_cast<int>(static_cast<double>(ScrolledW) / static_cast<double>(TotalW - Ctrl) * 128);
    Pos = std::clamp(Pos, 0, Prop_Last);
    Bar->setRange(0, Prop_Last);
    Bar->setPageStep(std::max(1, Page));
    Bar->setValue(Pos);
    FPropBar[0] = true;
    FPropPos[0] = Pos;
    if (FScrollBarAlways != saHorz && FScrollBarAlways != saBoth) {
        const bool HorzAllowed = ScrollBars() == ssHorizontal || ScrollBars() == ssBoth;
        FHideHorzBar = !(AllW >= Ctrl && HorzAllowed);
    }
}

int RIraRevadiVizo::Bar_Offset(Qt::Orientation Bar, int Pos) const
{
    if (!FPropBar[Bar_Index(Bar)])
        return Pos;
    const int Span = Bar == Qt::Vertical ? RowCount() - VisibleRowCount() - FixedRows()
                                         : ColCount() - VisibleColCount() - FixedCols();
    return std::max(0, Mul_Div(Pos, Span, Prop_Last));
}

int RIraRevadiVizo::Bar_Position(Qt::Orientation Bar) const
{
    if (FPropBar[Bar_Index(Bar)])
        return FPropPos[Bar_Index(Bar)];
    return TBaseGrid::Bar_Position(Bar);
}

int RIraRevadiVizo::Bar_Row_Or_Col(Qt::Orientation Bar, int Pos) const
{
    return (Bar == Qt::Vertical ? FixedRows() : FixedCols()) + Bar_Offset(Bar, Pos);
}

void RIraRevadiVizo::UpdateScrollBarVisibility(bool Force)
{
    if (FScrollBarAlways == saNone && !Force)
        return;
    // Bars shown as needed already hide when their direction fits; what is
    // left is showing a bar always and enabling it by whether it scrolls.
    Apply_Bar_Policies();
}

void RIraRevadiVizo::Apply_Bar_Policies()
{
    const bool RowsFit = VisibleRowCount() + FixedRows() >= RowCount();
    const bool ColsFit = VisibleColCount() + FixedCols() >= ColCount();
    const bool VAllowed = ScrollBars() == ssVertical || ScrollBars() == ssBoth;
    const bool HAllowed = ScrollBars() == ssHorizontal || ScrollBars() == ssBoth;
    const bool VAlways = FScrollBarAlways == saVert || FScrollBarAlways == saBoth;
    const bool HAlways = FScrollBarAlways == saHorz || FScrollBarAlways == saBoth;
    Qt::ScrollBarPolicy VP = !VAllowed ? Qt::ScrollBarAlwaysOff : VAlways ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded;
    Qt::ScrollBarPolicy HP = !HAllowed ? Qt::ScrollBarAlwaysOff : HAlways ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded;
    if (FHideHorzBar && !HAlways)
        HP = Qt::ScrollBarAlwaysOff;
    // A bar whose direction fits shows with both arrows disabled.
    if (FScrollBarAlways != saNone) {
        verticalScrollBar()->setEnabled(!RowsFit);
        horizontalScrollBar()->setEnabled(!ColsFit);
    } else {
        verticalScrollBar()->setEnabled(true);
        horizontalScrollBar()->setEnabled(true);
    }
    if (verticalScrollBarPolicy() != VP)
        setVerticalScrollBarPolicy(VP);
    if (horizontalScrollBarPolicy() != HP)
        setHorizontalScrollBarPolicy(HP);
}

// --- scroll messages ------------------------------------------------------------------------------

void RIraRevadiVizo::Show_Scroll_Hint(const QString &Hint)
{
    if (!FScrollHintWnd) {
        FScrollHintWnd = new QLabel(this, Qt::ToolTip | Qt::FramelessWindowHint);
        FScrollHintWnd->setAttribute(Qt::WA_ShowWithoutActivating);
        FScrollHintWnd->setMargin(2);
    }
    FScrollHintWnd->setStyleSheet(QStringLiteral("QLabel { background: %1; border: 1px solid black; }")
                                      .arg(To_QColor(FHintColor).name()));
    FScrollHintWnd->setMaximumWidth(100);
    FScrollHintWnd->setText(Hint);
    FScrollHintWnd->adjustSize();
    FScrollHintWnd->move(QCursor::pos() + QPoint(10, 0));
    FScrollHintWnd->show();
    FScrollHintShow = true;
}

void RIraRevadiVizo::Hide_Scroll_Hint()
{
    if (FScrollHintWnd)
        FScrollHintWnd->hide();
    FScrollHintShow = false;
}

void RIraRevadiVizo::WMHScroll(TWMScroll &M)
{
    if (FScrollHints == shHorizontal || FScrollHints == shBoth) {
        if (M.ScrollCode == SB_ENDSCROLL) {
            Hide_Scroll_Hint();
        } else if (M.ScrollCode == SB_THUMBTRACK) {
            const int N = Bar_Row_Or_Col(Qt::Horizontal, M.Pos);
            QString Hint = QStringLiteral("Col : ") + QString::number(N);
            if (OnScrollHint)
                OnScrollHint(this, N, Hint);
            Show_Scroll_Hint(Hint);
        }
    }
    const int N = Bar_Row_Or_Col(Qt::Horizontal, M.Pos);
    if (M.ScrollCode == SB_THUMBTRACK && FScrollSynch)
        TBaseGrid::Set_LeftCol(N);
    // A grid without fixed columns closes the editor when the view passes the
    // current column.
    if (FixedCols() == 0 && N >= Col())
        HideInplaceEdit();
    const bool FixedPicture = !FBackGround.Bitmap.isNull() && FBackGround.Display == bdFixed;
    const TPoint OldTopLeft{LeftCol(), TopRow()};
    TBaseGrid::WMHScroll(M);
    if (FixedPicture && M.ScrollCode != SB_THUMBTRACK && OldTopLeft != TPoint{LeftCol(), TopRow()})
        Invalidate();
    if (M.ScrollCode == SB_ENDSCROLL && ((UseRightToLeftAlignment() && MergeCount() > 0) || ColCount() == 1))
        Invalidate();
    if (Is_Check_Control_Cell(RealColIndex(Col()), Row()))
        HideEditor();
    // The footer shows the columns in view.
    if (Floating_Footer_Visible())
        FooterPanel()->update();
}

void RIraRevadiVizo::WMVScroll(TWMScroll &M)
{
    if (FScrollHints == shVertical || FScrollHints == shBoth) {
        if (M.ScrollCode == SB_ENDSCROLL) {
            Hide_Scroll_Hint();
        } else if (M.ScrollCode == SB_THUMBTRACK) {
            const int R = Bar_Row_Or_Col(Qt::Vertical, M.Pos);
            QString Hint = QStringLiteral("Row : ") + QString::number(R);
            if (OnScrollHint)
                OnScrollHint(this, R, Hint);
            Show_Scroll_Hint(Hint);
        }
    }
    if (M.ScrollCode == SB_THUMBTRACK && FScrollSynch)
        TBaseGrid::Set_TopRow(Bar_Row_Or_Col(Qt::Vertical, M.Pos));
    const bool FixedPicture = !FBackGround.Bitmap.isNull() && FBackGround.Display == bdFixed;
    const TPoint OldTopLeft{LeftCol(), TopRow()};
    // The last row stays clear of the search footer: no further down.
    const bool Down = M.ScrollCode == SB_ENDSCROLL || M.ScrollCode == SB_LINEDOWN;
    if (Down && Search_Footer_Visible() && IsLastRowAboveSearchFooter()) {
        M.Result = 1;
        return;
    }
    TBaseGrid::WMVScroll(M);
    if (Search_Footer_Visible() && TopRow() == RowCount() - VisibleRowCount()) {
        if (M.ScrollCode == SB_LINEUP)
            Set_TopRow(TopRow() - 1);
        else if (Down)
            ScrollAboveSearchFooter();
    }
    if (FixedPicture && M.ScrollCode != SB_THUMBTRACK && OldTopLeft != TPoint{LeftCol(), TopRow()})
        Invalidate();
    if (Is_Check_Control_Cell(RealColIndex(Col()), Row()))
        HideEditor();
}

// --- scrolling a cell into view --------------------------------------------------------------------

void RIraRevadiVizo::ScrollInView(int ColIndex, int RowIndex)
{
    if (ColIndex >= ColCount() || RowIndex >= RowCount())
        return;
    int NewLeft = LeftCol();
    int NewTop = TopRow();
    if (ColIndex < LeftCol() || ColIndex >= LeftCol() + VisibleColCount()) {
        Set_Col(ColIndex);
        NewLeft = std::max(FixedCols(), ColIndex - VisibleColCount() / 2);
    }
    if (RowIndex < TopRow() || RowIndex >= TopRow() + VisibleRowCount()) {
        Set_Row(RowIndex);
        NewTop = std::max(FixedRows(), RowIndex - VisibleRowCount() / 2);
    }
    NewLeft = std::min(NewLeft, ColCount() - VisibleColCount() + 1);
    if (FixedCols() + VisibleColCount() < ColCount())
        TBaseGrid::Set_LeftCol(NewLeft);
    NewTop = std::min(NewTop, RowCount() - VisibleRowCount() + 1);
    if (FixedRows() + VisibleRowCount() >= RowCount())
        return;
    Set_TopRow(NewTop);
    if (!Search_Footer_Visible())
        return;
    // The cell's bottom above the search footer; stops once the top row
    // cannot grow any further.
    while (TopRow() < RowCount() - 1) {
        const TRect R = CellRect(0, RowIndex);
        if (R.Is_Empty() || R.Bottom <= Client_Height())
            break;
        const int Old = TopRow();
        TBaseGrid::Set_TopRow(Old + 1);
        if (TopRow() == Old)
            break;
    }
}

// --- scrolling while something is dragged ------------------------------------------------------------

void RIraRevadiVizo::Stop_Drag_Timer()
{
    if (!FDragTmr)
        return;
    FDragTmr->stop();
    FDragTmr->deleteLater();
    FDragTmr = nullptr;
}

void RIraRevadiVizo::DragOver(QObject *Source, int X, int Y, TGridDragState State, bool &Accept)
{
    if (FDragScrollOptions.Active) {
        const TDragScrollDirection Previous = FDragScrollDirection;
        FDragScrollDirection = {};
        if (State == dsGridDragLeave) {
            Stop_Drag_Timer();
        } else {
            const auto &Mg = FDragScrollOptions.Margins;
            if (Y < Mg.TopMargin)
                FDragScrollDirection += dsdUp;
            else if (Y > height() - Mg.BottomMargin)
                FDragScrollDirection += dsdDown;
            if (X < Mg.LeftMargin)
                FDragScrollDirection += dsdLeft;
            else if (X > width() - Mg.RightMargin)
                FDragScrollDirection += dsdRight;
            if (FDragScrollDirection.Empty()) {
                Stop_Drag_Timer();
            } else if (!FDragTmr) {
                FDragTmr = new QTimer(this);
                FDragTmr->setInterval(FDragScrollOptions.Delays.InitialDelay);
                connect(FDragTmr, &QTimer::timeout, this, [this] { DragScrollStep(); });
                FDragTmr->start();
            } else if (!Previous.Empty()) {
                FDragTmr->setInterval(FDragScrollOptions.Delays.InitialDelay);
            }
        }
    } else {
        Stop_Drag_Timer();
    }
    TBaseGrid::DragOver(Source, X, Y, State, Accept);
}

void RIraRevadiVizo::DragScrollStep()
{
    if (!FDragScrollOptions.Active) {
        Stop_Drag_Timer();
        return;
    }
    if (FDragTmr)
        FDragTmr->setInterval(FDragScrollOptions.Delays.RepeatDelay);
    TDragScrollDirection Dir = FDragScrollDirection;
    if (OnDragScroll) {
        bool CanScroll = true;
        OnDragScroll(this, TopRow(), LeftCol(), Dir, CanScroll);
        if (!CanScroll)
            return;
    }
    if (Dir.Contains(dsdUp) && TopRow() > FixedRows())
        Set_TopRow(TopRow() - 1);
    if (Dir.Contains(dsdDown) && TopRow() + VisibleRowCount() < RowCount())
        Set_TopRow(TopRow() + 1);
    if (Dir.Contains(dsdLeft) && LeftCol() > FixedCols())
        TBaseGrid::Set_LeftCol(LeftCol() - 1);
    if (Dir.Contains(dsdRight) && VisibleColCount() + LeftCol() < ColCount())
        TBaseGrid::Set_LeftCol(LeftCol() + 1);
}

// --- stretching and the window's size --------------------------------------------------------------

void RIraRevadiVizo::StretchColumn(int Index)
{
    if (FLoading || Destroying() || QCoreApplication::closingDown())
        return;
    if (Index == -1)
        Index = ColCount() - 1;
    if (Index >= ColCount())
        throw std::runtime_error("Stretch column index out of range");
    if (ColCount() == 0 || !FColumnSize->Stretch() || FIsColChanging || Index < 0)
        return;
    FIsColChanging = true;
    FColchgFlg = false;
    const int ClientW = Client_Width();
    if (ColCount() == 1) {
        Set_ColWidths(Index, ClientW);
    } else {
        long long Sum = 0;
        for (int C = 0; C < ColCount(); ++C)
            if (C != Index)
                Sum += ColWidths(C);
        if (Sum < ClientW)
            Set_ColWidths(Index, static_cast<int>(ClientW - Sum - 1));
        else if (LeftCol() == FixedCols())
            Set_ColWidths(Index, DefaultColWidth());
    }
    FColchgFlg = true;
    FIsColChanging = false;
}

void RIraRevadiVizo::FormResize(int OldWidth, int OldHeight)
{
    if (Destroying() || !FWatchedWindow)
        return;
    if (FSizeWithForm) {
        const int NewW = width() + FWatchedWindow->width() - OldWidth;
        const int NewH = height() + FWatchedWindow->height() - OldHeight;
        if (NewW > 0 && NewH > 0)
            resize(NewW, NewH);
    }
    StretchColumn(FColumnSize->StretchColumn());
}

void RIraRevadiVizo::SizeChanged(int OldColCount, int OldRowCount)
{
    if (!parentWidget() || FLoading || QCoreApplication::closingDown())
        return;
    if (FColumnSize->Stretch())
        StretchColumn(FColumnSize->StretchColumn());
    TBaseGrid::SizeChanged(OldColCount, OldRowCount);
}

namespace {
// Scales a size by a factor, rounding halves to even.
int Scale_Size(int Size, double Factor) { return static_cast<int>(std::nearbyint(Size * Factor)); }
} // namespace

void RIraRevadiVizo::ColWidthsChanged()
{
    if (FColchgFlg)
        StretchColumn(FColumnSize->StretchColumn());
    if (FScrollHintShow && !isVisible())
        Hide_Scroll_Hint();
    TBaseGrid::ColWidthsChanged();
    FColSizeFlg = true;
    if (FColSized && FMouseActions.AllColumnSize() && FColclickedsize > 0 && FColclicked >= 0) {
        FColSized = false;
        const double Factor = static_cast<double>(ColWidths(FColclicked)) / FColclickedsize;
        for (int C = FixedCols(); C < ColCount(); ++C)
            if (C != FColclicked)
                Set_ColWidths(C, Scale_Size(ColWidths(C), Factor));
        FColSized = true;
    }
    if (FColSized && FColclicked >= 0) {
        if (OnEndColumnSize)
            OnEndColumnSize(this, FColclicked);
        int W = ColWidths(FColclicked);
        UpdateColumnSize(FColclicked, W);
        if (W != ColWidths(FColclicked)) {
            FColSized = false;
            Set_ColWidths(FColclicked, W);
        }
    }
    if (FColSized) {
        FColclicked = -1;
        FRowclicked = -1;
    }
    // An open editor control follows its cell to where the widths put it.
    if (FEditMode && FEditCtrl && FEditCtrl->isVisible()) {
        const TRect R = CellRect(Col(), Row());
        if (!R.Is_Empty())
            FEditCtrl->setGeometry(R.Left + (UseRightToLeftAlignment() ? 1 : 0), R.Top, R.Right - R.Left - 1,
                                   FEditCtrl->height());
    }
    FColSized = false;
    if (Is_Check_Control_Cell(RealColIndex(Col()), Row()))
        HideEditor();
    if (Floating_Footer_Visible())
        FooterPanel()->update();
    CellControlsUpdate(false);
    if (FColumnSize->Stretch() && FScrollProportional)
        UpdateVertScrollProportional();
}

void RIraRevadiVizo::Row_Heights_Changed_Ex()
{
    if (FRowsized && FMouseActions.AllRowSize() && FRowclickedsize > 0 && FRowclicked >= 0) {
        FRowsized = false;
        const double Factor = static_cast<double>(RowHeights(FRowclicked)) / FRowclickedsize;
        for (int R = FixedRows(); R < RowCount(); ++R)
            if (R != FRowclicked)
                Set_RowHeights(R, Scale_Size(RowHeights(R), Factor));
        FRowsized = true;
    }
    if (FRowsized) {
        if (OnEndRowSize)
            OnEndRowSize(this, FRowclicked);
        FColclicked = -1;
        FRowclicked = -1;
    }
    FRowsized = false;
    if (Is_Check_Control_Cell(RealColIndex(Col()), Row()))
        HideEditor();
    CellControlsUpdate(false);
}

// --- moving rows and sizing borders -------------------------------------------------------------------

void RIraRevadiVizo::MoveRows(int FromIndex, int ToIndex, int Count)
{
    if (FromIndex == ToIndex || Count <= 0)
        return;
    if (FromIndex < 0 || FromIndex + Count > RowCount())
        return;
    if (FromIndex + Count < ToIndex)
        ToIndex -= Count;
    ToIndex = std::clamp(ToIndex, 0, RowCount() - Count);
    if (ToIndex == FromIndex)
        return;
    // Row by row: each move keeps the block's order and takes texts and objects along.
    if (ToIndex > FromIndex) {
        for (int I = 0; I < Count; ++I)
            MoveRow(FromIndex, ToIndex + Count - 1);
    } else {
        for (int I = 0; I < Count; ++I)
            MoveRow(FromIndex + I, ToIndex + I);
    }
}

bool RIraRevadiVizo::IsOnSizingBorder(int X, int Y)
{
    int C = -1, R = -1;
    MouseToCell(X, Y, C, R);
    if (C < 0 || R < 0)
        return false;
    const TRect Rc = CellRect(C, R);
    bool Result = false;
    if (R <= FixedRows() && Options().Contains(goColSizing))
        Result = std::abs(X - Rc.Left) < 4 || std::abs(Rc.Right - X) < 4;
    if (C <= FixedCols() && Options().Contains(goRowSizing))
        Result = std::abs(Y - Rc.Top) < 4 || std::abs(Rc.Bottom - Y) < 4;
    return Result;
}
