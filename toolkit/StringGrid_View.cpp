// The grid's geometry (cell rectangles, visible counts), its current cell,
// selection and scrolling.
#include "toolkit/StringGrid.h"
#include <QApplication>
#include <QHash>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>

// --- geometry ------------------------------------------------------------------

int TStringGrid::Col_Left(int ACol) const
{
    const int LW = FGridLineWidth;
    if (ACol < 0 || ACol >= ColCount())
        return -1;
    if (ACol < FixedCols())
        return static_cast<int>(FCols.Extent(0, ACol, LW));
    if (ACol < LeftCol())
        return -1;
    const int Width = Client_Width();
    long long X = FCols.Extent(0, FixedCols(), LW);
    for (int C = LeftCol(); C < ACol; ++C) {
        X += ColWidths(C) + LW;
        if (X >= Width)
            return -1;
    }
    return X < Width ? static_cast<int>(X) : -1;
}

int TStringGrid::Row_Top(int ARow) const
{
    const int LW = FGridLineWidth;
    if (ARow < 0 || ARow >= RowCount())
        return -1;
    if (ARow < FixedRows())
        return static_cast<int>(FRows.Extent(0, ARow, LW));
    if (ARow < TopRow())
        return -1;
    const int Height = Client_Height();
    long long Y = FRows.Extent(0, FixedRows(), LW);
    for (int R = TopRow(); R < ARow; ++R) {
        Y += RowHeights(R) + LW;
        if (Y >= Height)
            return -1;
    }
    return Y < Height ? static_cast<int>(Y) : -1;
}

TRect TStringGrid::CellRect(int ACol, int ARow) const
{
    const int L = Col_Left(ACol);
    const int T = Row_Top(ARow);
    if (L < 0 || T < 0)
        return TRect();
    return Mirror_Rect(TRect(L, T, L + ColWidths(ACol), T + RowHeights(ARow)));
}

void TStringGrid::MouseToCell(int X, int Y, int &ACol, int &ARow) const
{
    const TGridRect R = MouseCoord(X, Y);
    ACol = R.Left;
    ARow = R.Top;
}

TGridRect TStringGrid::MouseCoord(int X, int Y) const
{
    const int LW = FGridLineWidth;
    auto Find = [LW](const TGridAxis &Axis, int First, int Pos, int Extent) {
        if (Pos < 0 || Pos >= Extent)
            return -1;
        long long P = 0;
        for (int I = 0; I < Axis.Fixed(); ++I) {
            P += Axis.Size(I) + LW;
            if (Pos < P)
                return I;
        }
        for (int I = First; I < Axis.Count() && P < Extent; ++I) {
            P += Axis.Size(I) + LW;
            if (Pos < P)
                return I;
        }
        return -1;
    };
    if (UseRightToLeftAlignment())
        X = Client_Width() - 1 - X;
    const int C = Find(FCols, LeftCol(), X, Client_Width());
    const int R = Find(FRows, TopRow(), Y, Client_Height());
    return TGridRect{C, R, C, R};
}

int TStringGrid::VisibleColCount() const
{
    const int LW = FGridLineWidth;
    const long long Width = Client_Width();
    long long X = FCols.Extent(0, FixedCols(), LW);
    int Count = 0;
    for (int C = LeftCol(); C < ColCount(); ++C) {
        X += ColWidths(C);
        if (X > Width)
            break;
        X += LW;
        ++Count;
    }
    return std::max(1, Count);
}

int TStringGrid::VisibleRowCount() const
{
    const int LW = FGridLineWidth;
    const long long Height = Client_Height();
    long long Y = FRows.Extent(0, FixedRows(), LW);
    int Count = 0;
    for (int R = TopRow(); R < RowCount(); ++R) {
        Y += RowHeights(R);
        if (Y > Height)
            break;
        Y += LW;
        ++Count;
    }
    return std::max(1, Count);
}

int TStringGrid::Max_TopRow() const
{
    const int LW = FGridLineWidth;
    const long long Room = Client_Height() - FRows.Extent(0, FixedRows(), LW);
    long long Used = 0;
    int Top = RowCount() - 1;
    for (int R = RowCount() - 1; R >= FixedRows(); --R) {
        Used += RowHeights(R) + (R == RowCount() - 1 ? 0 : LW);
        if (Used > Room)
            break;
        Top = R;
    }
    return std::max(FixedRows(), Top);
}

int TStringGrid::Max_LeftCol() const
{
    const int LW = FGridLineWidth;
    const long long Room = Client_Width() - FCols.Extent(0, FixedCols(), LW);
    long long Used = 0;
    int Left = ColCount() - 1;
    for (int C = ColCount() - 1; C >= FixedCols(); --C) {
        Used += ColWidths(C) + (C == ColCount() - 1 ? 0 : LW);
        if (Used > Room)
            break;
        Left = C;
    }
    return std::max(FixedCols(), Left);
}

void TStringGrid::CalcDrawInfo(TGridDrawInfo &Info) const
{
    auto Fill = [this](TGridAxisDrawInfo &A, const TGridAxis &Axis, int First, int Extent, int Visible) {
        A.EffectiveLineWidth = FGridLineWidth;
        A.FixedCellCount = Axis.Fixed();
        A.FirstGridCell = First;
        A.GridCellCount = Axis.Count();
        A.GridExtent = Extent;
        A.FixedBoundary = static_cast<int>(Axis.Extent(0, Axis.Fixed(), FGridLineWidth));
        A.LastFullVisibleCell = std::min(Axis.Count() - 1, First + Visible - 1);
        A.FullVisBoundary = A.FixedBoundary + static_cast<int>(Axis.Extent(First, A.LastFullVisibleCell + 1, FGridLineWidth));
        long long End = A.FixedBoundary;
        for (int I = First; I < Axis.Count() && End < Extent; ++I)
            End += Axis.Size(I) + FGridLineWidth;
        A.GridBoundary = static_cast<int>(std::min<long long>(End, Extent));
    };
    Fill(Info.Horz, FCols, LeftCol(), Client_Width(), VisibleColCount());
    Fill(Info.Vert, FRows, TopRow(), Client_Height(), VisibleRowCount());
}

// --- current cell and scrolling ------------------------------------------------------

TGridRect TStringGrid::Selection() const
{
    TGridRect R{std::min(FAnchor.X, FCurrent.X), std::min(FAnchor.Y, FCurrent.Y), std::max(FAnchor.X, FCurrent.X),
                std::max(FAnchor.Y, FCurrent.Y)};
    if (FOptions.Contains(goRowSelect)) {
        R.Left = FixedCols();
        R.Right = ColCount() - 1;
    }
    return R;
}

void TStringGrid::Set_Selection(const TGridRect &Value)
{
    const TGridRect Old = Selection();
    auto ClampC = [this](int C) { return std::clamp(C, FixedCols(), ColCount() - 1); };
    auto ClampR = [this](int R) { return std::clamp(R, FixedRows(), RowCount() - 1); };
    FAnchor = {ClampC(Value.Left), ClampR(Value.Top)};
    FCurrent = {ClampC(Value.Right), ClampR(Value.Bottom)};
    Invalidate_Selection_Change(Old);
}

bool TStringGrid::SelectCell(int ACol, int ARow)
{
    bool CanSelect = true;
    if (OnSelectCell)
        OnSelectCell(this, ACol, ARow, CanSelect);
    return CanSelect;
}

void TStringGrid::Move_Current(int ACol, int ARow, bool MoveAnchor, bool AskSelect)
{
    ACol = std::clamp(ACol, FixedCols(), ColCount() - 1);
    ARow = std::clamp(ARow, FixedRows(), RowCount() - 1);
    const bool Moves = ACol != FCurrent.X || ARow != FCurrent.Y;
    if (!Moves && (!MoveAnchor || FAnchor == FCurrent))
        return;
    if (FMovingCurrent)
        return;   // a move from inside a SelectCell handler is ignored (it would recurse)
    if (Moves && AskSelect) {
        FMovingCurrent = true;
        const bool Allowed = SelectCell(ACol, ARow);
        FMovingCurrent = false;
        if (!Allowed)
            return;
    }
    if (Moves)
        HideEditor();
    const TGridRect Old = Selection();
    FCurrent = {ACol, ARow};
    if (MoveAnchor || !FOptions.Contains(goRangeSelect))
        FAnchor = FCurrent;
    Scroll_Into_View(ACol, ARow);
    Invalidate_Selection_Change(Old);
    if (Moves && FOptions.Contains(goAlwaysShowEditor) && FOptions.Contains(goEditing))
        ShowEditor();
}

void TStringGrid::Place_Current(int ACol, int ARow, bool MoveAnchor)
{
    Move_Current(ACol, ARow, MoveAnchor, false);
}

void TStringGrid::Focus_Cell(int ACol, int ARow, bool MoveAnchor)
{
    Move_Current(ACol, ARow, MoveAnchor, true);
    Click();
}

void TStringGrid::Set_Col(int Value) { Focus_Cell(Value, Row(), true); }
void TStringGrid::Set_Row(int Value) { Focus_Cell(Col(), Value, true); }

void TStringGrid::Clamp_Current()
{
    // Count changes move the current cell without asking: it must stay valid.
    auto ClampC = [this](int C) { return std::clamp(C, FixedCols(), ColCount() - 1); };
    auto ClampR = [this](int R) { return std::clamp(R, FixedRows(), RowCount() - 1); };
    const TPoint Old = FCurrent;
    FCurrent = {ClampC(FCurrent.X), ClampR(FCurrent.Y)};
    FAnchor = {ClampC(FAnchor.X), ClampR(FAnchor.Y)};
    if (Old != FCurrent)
        HideEditor();
    const TPoint OldTop = FTopLeft;
    FTopLeft = {std::clamp(FTopLeft.X, FixedCols(), Max_LeftCol()), std::clamp(FTopLeft.Y, FixedRows(), Max_TopRow())};
    if (OldTop != FTopLeft)
        TopLeftChanged();
}

void TStringGrid::Set_TopRow(int Value)
{
    Value = std::clamp(Value, FixedRows(), Max_TopRow());
    if (Value == FTopLeft.Y)
        return;
    FTopLeft.Y = Value;
    Update_Scroll_Bars();
    InvalidateGrid();
    Place_Editor();
    TopLeftChanged();
}

void TStringGrid::Set_LeftCol(int Value)
{
    Value = std::clamp(Value, FixedCols(), Max_LeftCol());
    if (Value == FTopLeft.X)
        return;
    FTopLeft.X = Value;
    Update_Scroll_Bars();
    InvalidateGrid();
    Place_Editor();
    TopLeftChanged();
}

void TStringGrid::TopLeftChanged()
{
    if (OnTopLeftChanged)
        OnTopLeftChanged(this);
}

void TStringGrid::Scroll_Into_View(int ACol, int ARow)
{
    const int LW = FGridLineWidth;
    if (ARow >= FixedRows()) {
        if (ARow < TopRow()) {
            Set_TopRow(ARow);
        } else if (ARow >= TopRow() + VisibleRowCount()) {
            // The smallest top row that shows ARow fully.
            const long long Room = Client_Height() - FRows.Extent(0, FixedRows(), LW);
            long long Used = RowHeights(ARow);
            int Top = ARow;
            while (Top - 1 >= FixedRows() && Used + RowHeights(Top - 1) + LW <= Room) {
                --Top;
                Used += RowHeights(Top) + LW;
            }
            Set_TopRow(Top);
        }
    }
    if (ACol >= FixedCols() && !FOptions.Contains(goRowSelect)) {
        if (ACol < LeftCol()) {
            Set_LeftCol(ACol);
        } else if (ACol >= LeftCol() + VisibleColCount()) {
            const long long Room = Client_Width() - FCols.Extent(0, FixedCols(), LW);
            long long Used = ColWidths(ACol);
            int Left = ACol;
            while (Left - 1 >= FixedCols() && Used + ColWidths(Left - 1) + LW <= Room) {
                --Left;
                Used += ColWidths(Left) + LW;
            }
            Set_LeftCol(Left);
        }
    }
}

void TStringGrid::Update_Scroll_Bars()
{
    FSyncingBars = true;
    QScrollBar *V = verticalScrollBar();
    V->setRange(0, std::max(0, Max_TopRow() - FixedRows()));
    V->setPageStep(std::max(1, VisibleRowCount()));
    V->setSingleStep(1);
    V->setValue(TopRow() - FixedRows());
    QScrollBar *H = horizontalScrollBar();
    H->setRange(0, std::max(0, Max_LeftCol() - FixedCols()));
    H->setPageStep(std::max(1, VisibleColCount()));
    H->setSingleStep(1);
    H->setValue(LeftCol() - FixedCols());
    ScrollBarsUpdated();
    FSyncingBars = false;
}

int TStringGrid::Bar_Position(Qt::Orientation Bar) const
{
    return Bar == Qt::Vertical ? TopRow() - FixedRows() : LeftCol() - FixedCols();
}

void TStringGrid::scrollContentsBy(int, int)
{
    // Whole-cell scrolling: the bars' values are row and column offsets.
    if (FSyncingBars)
        return;
    if (FBarDriven) {
        // The user worked the bar: its messages have moved the grid already
        // (or refused to); the bar goes back to the grid's position.
        FBarDriven = false;
        Update_Scroll_Bars();
        return;
    }
    Set_TopRow(FixedRows() + Bar_Offset(Qt::Vertical, verticalScrollBar()->value()));
    Set_LeftCol(FixedCols() + Bar_Offset(Qt::Horizontal, horizontalScrollBar()->value()));
}

void TStringGrid::resizeEvent(QResizeEvent *Event)
{
    QAbstractScrollArea::resizeEvent(Event);
    const TPoint Old = FTopLeft;
    FTopLeft = {std::clamp(FTopLeft.X, FixedCols(), Max_LeftCol()), std::clamp(FTopLeft.Y, FixedRows(), Max_TopRow())};
    Update_Scroll_Bars();
    Place_Editor();
    if (Old != FTopLeft)
        TopLeftChanged();
}

int TStringGrid::Client_Width() const
{
    if (isVisible())
        return viewport()->width();
    int W = width() - 2 * frameWidth();
    if (verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn)
        W -= verticalScrollBar()->sizeHint().width();
    return std::max(0, W);
}

int TStringGrid::Client_Height() const
{
    if (isVisible())
        return viewport()->height();
    int H = height() - 2 * frameWidth();
    if (horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOn)
        H -= horizontalScrollBar()->sizeHint().height();
    return std::max(0, H);
}

QSize TStringGrid::sizeHint() const { return QSize(320, 200); }
