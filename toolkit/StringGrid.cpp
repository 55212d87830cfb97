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

// --- registered messages -------------------------------------------------------

int Register_Window_Message(const QString &Name)
{
    static QHash<QString, int> Messages;
    auto It = Messages.find(Name);
    if (It != Messages.end())
        return *It;
    const int Message = QEvent::registerEventType();
    Messages.insert(Name, Message);
    return Message;
}

int Grid_Edit_Done_Message()
{
    static const int Message = Register_Window_Message(QStringLiteral("GridEditDone"));
    return Message;
}

// --- construction ----------------------------------------------------------------

// The canvas used outside painting (measuring text; drawing there is lost).
struct TStringGrid::TScratchCanvas {
    QImage Image{1, 1, QImage::Format_RGB32};
    QPainter Painter{&Image};
    TPainterCanvas Canvas{Painter};
};

TStringGrid::TStringGrid(QWidget *Parent) : QAbstractScrollArea(Parent)
{
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setMouseTracking(true);
    setFrameShape(QFrame::StyledPanel);
    FScratch = std::make_unique<TScratchCanvas>();
    FModelLink.Grid = this;
    FStore.Set_Owner(this);
    FStore.Set_Row_Width_Hint(ColCount());
    FStore.Add_Listener(&FModelLink);
    viewport()->setAcceptDrops(true);
    Connect_Scroll_Bars();
    Update_Scroll_Bars();
}

TStringGrid::~TStringGrid() { FStore.Remove_Listener(&FModelLink); }

void TStringGrid::TModelLink::Model_Cells_Changed(const TCellRange &Range)
{
    // A few cells are invalidated one by one (a merged cell answers its whole
    // area through CellRect); a larger change repaints the view.
    const long long Cells = static_cast<long long>(Range.Right - Range.Left + 1) * (Range.Bottom - Range.Top + 1);
    if (Cells > 64) {
        Grid->InvalidateGrid();
        return;
    }
    for (int R = Range.Top; R <= Range.Bottom; ++R)
        for (int C = Range.Left; C <= Range.Right; ++C)
            Grid->InvalidateCell(C, R);
}

void TStringGrid::TModelLink::Model_Structure_Changed() { Grid->InvalidateGrid(); }

TCanvas &TStringGrid::Canvas()
{
    if (FCanvas)
        return *FCanvas;
    return FScratch->Canvas;
}

// --- cells -------------------------------------------------------------------------

void TStringGrid::Set_Cells(int ACol, int ARow, const QString &Value)
{
    FStore.Set_Cell(ACol, ARow, Value);
    if (FEditorMode && ACol == Col() && ARow == Row() && FInplaceEdit && !FInplaceEdit->FLoading)
        Update_Editor_Text();
}

void TStringGrid::Set_Objects(int ACol, int ARow, TObject *Value) { FStore.Set_Object(ACol, ARow, Value); }

void TStringGrid::Set_Rows(int ARow, const TGridRowData &Value)
{
    FStore.Set_Row(ARow, Value);
    InvalidateRow(ARow);
}

// --- dimensions ----------------------------------------------------------------------

void TStringGrid::Set_ColCount(int Value)
{
    const int OldCols = ColCount();
    const int OldRows = RowCount();
    if (std::max(1, Value) == OldCols)
        return;
    FCols.Set_Count(Value);
    FStore.Set_Row_Width_Hint(ColCount());
    Clamp_Current();
    SizeChanged(OldCols, OldRows);
    Update_Scroll_Bars();
    InvalidateGrid();
}

void TStringGrid::Set_RowCount(int Value)
{
    const int OldCols = ColCount();
    const int OldRows = RowCount();
    if (std::max(1, Value) == OldRows)
        return;
    FRows.Set_Count(Value);
    Clamp_Current();
    SizeChanged(OldCols, OldRows);
    Update_Scroll_Bars();
    InvalidateGrid();
}

void TStringGrid::Set_FixedCols(int Value)
{
    if (Value == FixedCols())
        return;
    FCols.Set_Fixed(Value, "Fixed column count must be less than column count");
    // A new fixed count puts the current cell and the
    // scroll position back at the first scrollable cell.
    HideEditor();
    FTopLeft.X = FixedCols();
    FCurrent.X = FixedCols();
    FAnchor = FCurrent;
    Update_Scroll_Bars();
    InvalidateGrid();
}

void TStringGrid::Set_FixedRows(int Value)
{
    if (Value == FixedRows())
        return;
    FRows.Set_Fixed(Value, "Fixed row count must be less than row count");
    HideEditor();
    FTopLeft.Y = FixedRows();
    FCurrent.Y = FixedRows();
    FAnchor = FCurrent;
    Update_Scroll_Bars();
    InvalidateGrid();
}

void TStringGrid::Set_DefaultColWidth(int Value)
{
    FCols.Set_Default_Size(Value);
    ColWidthsChanged();
}

void TStringGrid::Set_DefaultRowHeight(int Value)
{
    FRows.Set_Default_Size(Value);
    RowHeightsChanged();
}

void TStringGrid::Set_ColWidths(int Index, int Value)
{
    if (FCols.Set_Size(Index, Value))
        ColWidthsChanged();
}

void TStringGrid::Set_ColWidths_All(const std::vector<int> &Widths)
{
    bool Changed = false;
    for (int I = 0; I < static_cast<int>(Widths.size()) && I < ColCount(); ++I)
        Changed |= FCols.Set_Size(I, Widths[static_cast<size_t>(I)]);
    if (Changed)
        ColWidthsChanged();
}

void TStringGrid::Set_RowHeights(int Index, int Value)
{
    if (FRows.Set_Size(Index, Value))
        RowHeightsChanged();
}

void TStringGrid::Set_GridLineWidth(int Value)
{
    Value = std::max(0, Value);
    if (Value == FGridLineWidth)
        return;
    FGridLineWidth = Value;
    Clamp_Current();
    Update_Scroll_Bars();
    Place_Editor();
    InvalidateGrid();
}

void TStringGrid::Set_Options(TGridOptions Value)
{
    if (Value == FOptions)
        return;
    FOptions = Value;
    // Without thumb tracking the view moves when the thumb is dropped.
    verticalScrollBar()->setTracking(FOptions.Contains(goThumbTracking));
    horizontalScrollBar()->setTracking(FOptions.Contains(goThumbTracking));
    if (!FOptions.Contains(goEditing) || FOptions.Contains(goRowSelect))
        HideEditor();
    InvalidateGrid();
}

void TStringGrid::Set_DefaultDrawing(bool Value)
{
    if (Value == FDefaultDrawing)
        return;
    FDefaultDrawing = Value;
    InvalidateGrid();
}

void TStringGrid::Set_Color(TColor Value)
{
    if (Value == FColor)
        return;
    FColor = Value;
    CMColorChanged();
}

void TStringGrid::Set_FixedColor(TColor Value)
{
    if (Value == FFixedColor)
        return;
    FFixedColor = Value;
    InvalidateGrid();
}

void TStringGrid::Set_Font(const TFont &Value)
{
    if (Value == FFont)
        return;
    FFont = Value;
    CMFontChanged();
}

void TStringGrid::Set_BiDiMode(TBiDiMode Value)
{
    if (Value == FBiDiMode)
        return;
    FBiDiMode = Value;
    horizontalScrollBar()->setLayoutDirection(UseRightToLeftAlignment() ? Qt::RightToLeft : Qt::LeftToRight);
    Place_Editor();
    InvalidateGrid();
}

TRect TStringGrid::Mirror_Rect(const TRect &R) const
{
    if (!UseRightToLeftAlignment())
        return R;
    const int W = Client_Width();
    return TRect(W - R.Right, R.Top, W - R.Left, R.Bottom);
}

namespace {
int Mul_Div(int V, int M, int D)
{
    const long long P = static_cast<long long>(V) * M;
    return static_cast<int>(P >= 0 ? (P + D / 2) / D : (P - D / 2) / D);
}
} // namespace

void TStringGrid::Scale_Control(int M, int D)
{
    if (M == D || M <= 0 || D <= 0)
        return;
    TFont F = FFont;
    F.Size = std::max(1, Mul_Div(F.Size, M, D));
    Set_Font(F);
    setGeometry(Mul_Div(x(), M, D), Mul_Div(y(), M, D), Mul_Div(width(), M, D), Mul_Div(height(), M, D));
}

void TStringGrid::ChangeScale(int M, int D)
{
    if (M == D || M <= 0 || D <= 0)
        return;
    Scale_Control(M, D);
    FCols.Scale(M, D);
    FRows.Scale(M, D);
    ColWidthsChanged();
    RowHeightsChanged();
}

void TStringGrid::Notification(QObject *, TOperation) {}

void TStringGrid::SizeChanged(int, int) {}

void TStringGrid::ColWidthsChanged()
{
    Clamp_Current();
    Update_Scroll_Bars();
    Place_Editor();
    InvalidateGrid();
}

void TStringGrid::RowHeightsChanged()
{
    Clamp_Current();
    Update_Scroll_Bars();
    Place_Editor();
    InvalidateGrid();
}

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

// --- repainting ---------------------------------------------------------------

void TStringGrid::InvalidateRect(const TRect &R)
{
    if (!R.Is_Empty())
        viewport()->update(R.To_QRect());
}

void TStringGrid::InvalidateCell(int ACol, int ARow) { InvalidateRect(CellRect(ACol, ARow)); }

void TStringGrid::InvalidateCol(int ACol)
{
    const int L = Col_Left(ACol);
    if (L >= 0)
        viewport()->update(Mirror_Rect(TRect(L, 0, L + ColWidths(ACol) + FGridLineWidth, Client_Height())).To_QRect());
}

void TStringGrid::InvalidateRow(int ARow)
{
    const int T = Row_Top(ARow);
    if (T >= 0)
        viewport()->update(QRect(0, T, Client_Width(), RowHeights(ARow) + FGridLineWidth));
}

void TStringGrid::InvalidateGrid() { viewport()->update(); }

void TStringGrid::Invalidate_Selection_Change(const TGridRect &Old)
{
    const TGridRect New = Selection();
    if (Old == New && Old.Left == Old.Right && Old.Top == Old.Bottom) {
        InvalidateCell(Old.Left, Old.Top);
        return;
    }
    auto Update = [this](const TGridRect &S) {
        if (S.Left == S.Right && S.Top == S.Bottom) {
            InvalidateCell(S.Left, S.Top);
            return;
        }
        for (int R = std::max(S.Top, TopRow()); R <= S.Bottom && R < TopRow() + VisibleRowCount() + 1; ++R)
            InvalidateRow(R);
    };
    Update(Old);
    Update(New);
}

// --- painting ---------------------------------------------------------------------

void TStringGrid::paintEvent(QPaintEvent *Event)
{
    // Only the cells that meet the region asked for are painted.
    FUpdateRegion = Event->region();
    struct TRegionReset {
        QRegion &R;
        ~TRegionReset() { R = QRegion(); }
    } Reset{FUpdateRegion};
    QPainter P(viewport());
    TPainterCanvas C(P);
    TPainterCanvas &Scratch = FScratch->Canvas;
    C.Pen = Scratch.Pen;
    C.Brush = Scratch.Brush;
    C.Font = Scratch.Font;
    FCanvas = &C;
    Paint();
    FCanvas = nullptr;
    Scratch.Pen = C.Pen;
    Scratch.Brush = C.Brush;
    Scratch.Font = C.Font;
}

void TStringGrid::Paint_On(TCanvas &ACanvas)
{
    TCanvas *Saved = FCanvas;
    FCanvas = &ACanvas;
    Paint();
    FCanvas = Saved;
}

void TStringGrid::Paint_Cells(int FromCol, int ToCol, int FromRow, int ToRow)
{
    const TGridRect Sel = Selection();
    QWidget *Focus = window()->focusWidget();
    const bool Focused = Focus == this || Focus == viewport() || (FInplaceEdit && Focus == FInplaceEdit);
    TCanvas &C = Canvas();
    for (int R = FromRow; R <= ToRow; ++R) {
        const int T = Row_Top(R);
        if (T < 0)
            break;
        for (int Cl = FromCol; Cl <= ToCol; ++Cl) {
            const int L = Col_Left(Cl);
            if (L < 0)
                break;
            const TRect Rect = Mirror_Rect(TRect(L, T, L + ColWidths(Cl), T + RowHeights(R)));
            if (!FUpdateRegion.isEmpty() && !FUpdateRegion.intersects(Rect.To_QRect()))
                continue;
            TGridDrawState State;
            const bool Fixed = Cl < FixedCols() || R < FixedRows();
            const bool Current = Cl == Col() && R == Row();
            if (Fixed) {
                State += gdFixed;
            } else {
                if ((FOptions.Contains(goDrawFocusSelected) || FOptions.Contains(goRowSelect) || !Current || !Focused)
                    && Sel.Contains(Cl, R))
                    State += gdSelected;
                if (Current && Focused)
                    State += gdFocused;
            }
            C.Font = FFont;
            C.Brush.Style = bsSolid;
            if (Fixed) {
                C.Brush.Color = FFixedColor;
            } else if (State.Contains(gdSelected) && FDefaultDrawing) {
                C.Brush.Color = clHighlight;
                C.Font.Color = clHighlightText;
            } else {
                C.Brush.Color = FColor;
            }
            if (FDefaultDrawing)
                C.FillRect(Rect);
            DrawCell(Cl, R, Rect, State);
            if (FDefaultDrawing && State.Contains(gdFocused) && !FOptions.Contains(goRowSelect)) {
                C.Pen.Color = clBlack;
                C.Pen.Style = psDot;
                C.Brush.Style = bsClear;
                C.Rectangle(Rect);
                C.Pen.Style = psSolid;
                C.Brush.Style = bsSolid;
            }
        }
    }
}

void TStringGrid::Paint()
{
    const int LastCol = std::min(ColCount() - 1, LeftCol() + VisibleColCount());
    const int LastRow = std::min(RowCount() - 1, TopRow() + VisibleRowCount());
    Paint_Cells(0, FixedCols() - 1, 0, FixedRows() - 1);
    Paint_Cells(LeftCol(), LastCol, 0, FixedRows() - 1);
    Paint_Cells(0, FixedCols() - 1, TopRow(), LastRow);
    Paint_Cells(LeftCol(), LastCol, TopRow(), LastRow);

    TGridDrawInfo Info;
    CalcDrawInfo(Info);
    TCanvas &C = Canvas();
    // The platform's own lines in the gaps between cells.
    const int LW = FGridLineWidth;
    if (LW > 0) {
        const TColor FixedLine = clBtnShadow;
        const TColor NormalLine = clSilver;
        C.Brush.Style = bsSolid;
        // Only the fixed and the visible lines (not every line before the view).
        auto Next_Col = [this](int Cl) { return Cl + 1 == FixedCols() ? std::max(Cl + 1, LeftCol()) : Cl + 1; };
        auto Next_Row = [this](int R) { return R + 1 == FixedRows() ? std::max(R + 1, TopRow()) : R + 1; };
        for (int Cl = FixedCols() > 0 ? 0 : LeftCol(); Cl <= LastCol; Cl = Next_Col(Cl)) {
            const int L = Col_Left(Cl);
            if (L < 0)
                continue;
            const int X = L + ColWidths(Cl);
            const bool FixedCol = Cl < FixedCols();
            if (FOptions.Contains(goFixedVertLine)) {
                C.Brush.Color = FixedLine;
                C.FillRect(Mirror_Rect(TRect(X, 0, X + LW, FixedCol ? Info.Vert.GridBoundary : Info.Vert.FixedBoundary)));
            }
            if (!FixedCol && FOptions.Contains(goVertLine)) {
                C.Brush.Color = NormalLine;
                C.FillRect(Mirror_Rect(TRect(X, Info.Vert.FixedBoundary, X + LW, Info.Vert.GridBoundary)));
            }
        }
        for (int R = FixedRows() > 0 ? 0 : TopRow(); R <= LastRow; R = Next_Row(R)) {
            const int T = Row_Top(R);
            if (T < 0)
                continue;
            const int Y = T + RowHeights(R);
            const bool FixedRow = R < FixedRows();
            if (FOptions.Contains(goFixedHorzLine)) {
                C.Brush.Color = FixedLine;
                C.FillRect(Mirror_Rect(TRect(0, Y, FixedRow ? Info.Horz.GridBoundary : Info.Horz.FixedBoundary, Y + LW)));
            }
            if (!FixedRow && FOptions.Contains(goHorzLine)) {
                C.Brush.Color = NormalLine;
                C.FillRect(Mirror_Rect(TRect(Info.Horz.FixedBoundary, Y, Info.Horz.GridBoundary, Y + LW)));
            }
        }
    }
    PaintEmptyArea();
    Paint_Sizing_Line();
}

void TStringGrid::PaintEmptyArea()
{
    // The area beyond the last cell.
    TGridDrawInfo Info;
    CalcDrawInfo(Info);
    TCanvas &C = Canvas();
    C.Brush.Style = bsSolid;
    C.Brush.Color = FColor;
    const int W = Client_Width();
    const int H = Client_Height();
    if (Info.Horz.GridBoundary < W)
        C.FillRect(Mirror_Rect(TRect(Info.Horz.GridBoundary, 0, W, H)));
    if (Info.Vert.GridBoundary < H)
        C.FillRect(Mirror_Rect(TRect(0, Info.Vert.GridBoundary, std::min(W, Info.Horz.GridBoundary), H)));
}

void TStringGrid::DrawCell(int ACol, int ARow, const TRect &ARect, TGridDrawState AState)
{
    if (FDefaultDrawing)
        Canvas().TextRect(ARect, ARect.Left + 2, ARect.Top + 2, Cells(ACol, ARow));
    if (OnDrawCell)
        OnDrawCell(this, ACol, ARow, ARect, AState);
}

// --- rows and columns ------------------------------------------------------------

namespace {
// Where an index ends up when the item From moves to To.
int Move_Adjust(int Index, int From, int To)
{
    if (Index == From)
        return To;
    if (From < To && Index > From && Index <= To)
        return Index - 1;
    if (From > To && Index >= To && Index < From)
        return Index + 1;
    return Index;
}
} // namespace

void TStringGrid::MoveColumn(int FromIndex, int ToIndex)
{
    if (FromIndex < 0 || ToIndex < 0 || FromIndex >= ColCount() || ToIndex >= ColCount())
        throw EGridError("Grid index out of range");
    if (FromIndex == ToIndex)
        return;
    HideEditor();
    FCurrent.X = std::clamp(Move_Adjust(FCurrent.X, FromIndex, ToIndex), FixedCols(), ColCount() - 1);
    FAnchor.X = std::clamp(Move_Adjust(FAnchor.X, FromIndex, ToIndex), FixedCols(), ColCount() - 1);
    ColumnMoved(FromIndex, ToIndex);
    InvalidateGrid();
}

void TStringGrid::Permute_Columns(const std::vector<int> &Source)
{
    const int N = ColCount();
    if (static_cast<int>(Source.size()) != N)
        throw EGridError("Grid index out of range");
    std::vector<int> Target(static_cast<size_t>(N), -1);
    for (int I = 0; I < N; ++I) {
        const int S = Source[static_cast<size_t>(I)];
        if (S < 0 || S >= N || Target[static_cast<size_t>(S)] != -1)
            throw EGridError("Grid index out of range");
        Target[static_cast<size_t>(S)] = I;
    }
    HideEditor();
    FCurrent.X = std::clamp(Target[static_cast<size_t>(FCurrent.X)], FixedCols(), N - 1);
    FAnchor.X = std::clamp(Target[static_cast<size_t>(FAnchor.X)], FixedCols(), N - 1);
    FStore.Permute_Cols(Source);
    InvalidateGrid();
}

void TStringGrid::MoveRow(int FromIndex, int ToIndex)
{
    if (FromIndex < 0 || ToIndex < 0 || FromIndex >= RowCount() || ToIndex >= RowCount())
        throw EGridError("Grid index out of range");
    if (FromIndex == ToIndex)
        return;
    HideEditor();
    FCurrent.Y = std::clamp(Move_Adjust(FCurrent.Y, FromIndex, ToIndex), FixedRows(), RowCount() - 1);
    FAnchor.Y = std::clamp(Move_Adjust(FAnchor.Y, FromIndex, ToIndex), FixedRows(), RowCount() - 1);
    RowMoved(FromIndex, ToIndex);
    InvalidateGrid();
}

void TStringGrid::ColumnMoved(int FromIndex, int ToIndex)
{
    FStore.Move_Col(FromIndex, ToIndex);
    if (OnColumnMoved)
        OnColumnMoved(this, FromIndex, ToIndex);
}

void TStringGrid::RowMoved(int FromIndex, int ToIndex)
{
    FStore.Move_Row(FromIndex, ToIndex);
    if (OnRowMoved)
        OnRowMoved(this, FromIndex, ToIndex);
}

void TStringGrid::DeleteRow(int ARow)
{
    // The deleted row moves to the end and drops out of the count (its cells
    // stay stored beyond RowCount, as every cell beyond the count does).
    MoveRow(ARow, RowCount() - 1);
    Set_RowCount(RowCount() - 1);
}

void TStringGrid::DeleteColumn(int ACol)
{
    MoveColumn(ACol, ColCount() - 1);
    Set_ColCount(ColCount() - 1);
}

// --- focus and messages -------------------------------------------------------------

void TStringGrid::DoEnter()
{
    if (OnEnter)
        OnEnter(this);
}

void TStringGrid::DoExit()
{
    if (OnExit)
        OnExit(this);
}

void TStringGrid::focusInEvent(QFocusEvent *Event)
{
    QAbstractScrollArea::focusInEvent(Event);
    if (!FFocusInside) {
        FFocusInside = true;
        DoEnter();
    }
    InvalidateCell(Col(), Row());
}

void TStringGrid::focusOutEvent(QFocusEvent *Event)
{
    QAbstractScrollArea::focusOutEvent(Event);
    QWidget *Next = QApplication::focusWidget();
    if (FFocusInside && !(FInplaceEdit && Next == FInplaceEdit)) {
        FFocusInside = false;
        DoExit();
    }
    InvalidateGrid();
}

void TStringGrid::Post_Message(int Message, std::intptr_t WParam, std::intptr_t LParam)
{
    QCoreApplication::postEvent(this, new TGridMessageEvent(Message, WParam, LParam));
}

void TStringGrid::Registered_Message(int, std::intptr_t, std::intptr_t) {}

bool TStringGrid::event(QEvent *Event)
{
    if (Event->type() == QEvent::Show && !FWindowCreated) {
        // The window-creation step: once, before the grid is first shown.
        FWindowCreated = true;
        CreateWnd();
    }
    if (Event->type() == QEvent::Paint) {
        // The frame first, then whatever border the grid paints over it.
        const bool Result = QAbstractScrollArea::event(Event);
        QPainter P(this);
        PaintBorder(P, TRect(0, 0, width(), height()));
        return Result;
    }
    if (Event->type() >= QEvent::User && Event->type() <= QEvent::MaxUser) {
        if (auto *M = dynamic_cast<TGridMessageEvent *>(Event)) {
            Registered_Message(static_cast<int>(M->type()), M->WParam, M->LParam);
            return true;
        }
    }
    return QAbstractScrollArea::event(Event);
}
