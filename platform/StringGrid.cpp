#include "platform/StringGrid.h"
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

namespace {
QChar Char_Of_Key(const QKeyEvent *Event, TKey Key, TShiftState Shift)
{
    // Control characters the platform delivered as characters even where the
    // window system gives no text.
    switch (Key) {
    case VK_RETURN: return QChar(13);
    case VK_BACK: return QChar(8);
    case VK_TAB: return QChar(9);
    case VK_ESCAPE: return QChar(27);
    default: break;
    }
    if (Shift.Contains(ssCtrl) && !Shift.Contains(ssAlt) && Key >= 'A' && Key <= 'Z')
        return QChar(Key - 'A' + 1);
    const QString Text = Event->text();
    return Text.size() == 1 ? Text[0] : QChar();
}
} // namespace

// --- in-place editor ------------------------------------------------------------

TInplaceEdit::TInplaceEdit(TStringGrid *Grid) : QLineEdit(Grid->viewport()), FGrid(Grid)
{
    setFrame(false);
    hide();
    connect(this, &QLineEdit::textChanged, this, [this](const QString &Text) {
        if (!FLoading)
            Change();
        (void)Text;
    });
}

bool TInplaceEdit::event(QEvent *Event)
{
    // Tab belongs to the grid when it takes tabs, not to focus traversal.
    if (Event->type() == QEvent::KeyPress) {
        auto *Key = static_cast<QKeyEvent *>(Event);
        if ((Key->key() == Qt::Key_Tab || Key->key() == Qt::Key_Backtab) && FGrid->Options().Contains(goTabs)) {
            keyPressEvent(Key);
            return true;
        }
    }
    if (Event->type() == QEvent::FocusIn && !FGrid->FFocusInside) {
        FGrid->FFocusInside = true;
        FGrid->DoEnter();
    }
    if (Event->type() == QEvent::FocusOut) {
        QWidget *Next = QApplication::focusWidget();
        if (Next != FGrid && Next != FGrid->viewport() && FGrid->FFocusInside) {
            FGrid->FFocusInside = false;
            FGrid->DoExit();
        }
    }
    return QLineEdit::event(Event);
}

bool TInplaceEdit::Hands_To_Grid(TKey Key, TShiftState Shift) const
{
    const bool Ctrl = Shift.Contains(ssCtrl);
    const bool AtStart = cursorPosition() == 0 && !hasSelectedText();
    const bool AtEnd = cursorPosition() == text().size() && !hasSelectedText();
    switch (Key) {
    case VK_UP: case VK_DOWN: case VK_PRIOR: case VK_NEXT: case VK_ESCAPE: case VK_RETURN: return true;
    case VK_LEFT: case VK_HOME: return Ctrl || AtStart;
    case VK_RIGHT: case VK_END: return Ctrl || AtEnd;
    case VK_TAB: return !Shift.Contains(ssAlt);
    default: return false;
    }
}

void TInplaceEdit::KeyDown(TKey &Key, TShiftState Shift)
{
    if (Hands_To_Grid(Key, Shift)) {
        FGrid->KeyDown(Key, Shift);
        FHandedToGrid = true;
        return;
    }
    // Keys the editor keeps still reach the grid's key-down event.
    if (FGrid->OnKeyDown)
        FGrid->OnKeyDown(FGrid, Key, Shift);
}

void TInplaceEdit::KeyPress(QChar &Key)
{
    QPointer<TInplaceEdit> Self(this);
    FGrid->KeyPress(Key);
    if (!Self)
        return;
    // Tab, Escape and Enter are never typed into the text.
    if (Key == QChar(9) || Key == QChar(27) || Key == QChar(13))
        Key = QChar();
}

void TInplaceEdit::KeyUp(TKey &Key, TShiftState Shift) { FGrid->KeyUp(Key, Shift); }

void TInplaceEdit::Change() { FGrid->Editor_Text_Changed(Edit_Text()); }

void TInplaceEdit::UpdateContents()
{
    FLoading = true;
    FGrid->FEditOriginal = FGrid->GetEditText(FGrid->Col(), FGrid->Row());
    Apply_Edit_Mask(FGrid->GetEditMask(FGrid->Col(), FGrid->Row()));
    const int Limit = FGrid->GetEditLimit();
    setMaxLength(Limit > 0 ? Limit : 32767);
    setText(FGrid->FEditOriginal);
    selectAll();
    FLoading = false;
}

void TInplaceEdit::BoundsChanged(const TRect &R)
{
    setGeometry(R.To_QRect());
    show();
}

void TInplaceEdit::keyPressEvent(QKeyEvent *Event)
{
    TKey Key = Virtual_Key_From_Qt(Event->key(), Event->modifiers());
    TShiftState Shift = Shift_State_From_Qt(Event->modifiers());
    if (Event->key() == Qt::Key_Backtab)
        Shift += ssShift;
    const QChar Ch = Char_Of_Key(Event, Key, Shift);
    QPointer<TInplaceEdit> Self(this);
    QPointer<TStringGrid> Grid(FGrid);
    FHandedToGrid = false;
    if (Key != 0) {
        KeyDown(Key, Shift);
        if (!Self || !Grid)
            return;
        if (Key == 0) {
            Event->accept();   // swallowed: no character phase
            return;
        }
    }
    const bool Handed = FHandedToGrid;
    if (!Ch.isNull()) {
        QChar C = Ch;
        KeyPress(C);
        if (!Self || !Grid)
            return;
        if (C.isNull() || Handed) {
            Event->accept();
            return;
        }
        if (C != Ch) {
            // The character phase replaced the character: type that one instead.
            QKeyEvent Changed(Event->type(), 0, Event->modifiers(), QString(C));
            QLineEdit::keyPressEvent(&Changed);
            return;
        }
    }
    if (Handed) {
        Event->accept();
        return;
    }
    QLineEdit::keyPressEvent(Event);
}

void TInplaceEdit::keyReleaseEvent(QKeyEvent *Event)
{
    TKey Key = Virtual_Key_From_Qt(Event->key(), Event->modifiers());
    QPointer<TInplaceEdit> Self(this);
    if (Key != 0)
        KeyUp(Key, Shift_State_From_Qt(Event->modifiers()));
    if (Self)
        QLineEdit::keyReleaseEvent(Event);
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
    // As the original platform: a new fixed count puts the current cell and the
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
    FSyncingBars = false;
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
    Set_TopRow(FixedRows() + verticalScrollBar()->value());
    Set_LeftCol(FixedCols() + horizontalScrollBar()->value());
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
    // The area beyond the last cell.
    C.Brush.Style = bsSolid;
    C.Brush.Color = FColor;
    const int W = Client_Width();
    const int H = Client_Height();
    if (Info.Horz.GridBoundary < W)
        C.FillRect(Mirror_Rect(TRect(Info.Horz.GridBoundary, 0, W, H)));
    if (Info.Vert.GridBoundary < H)
        C.FillRect(Mirror_Rect(TRect(0, Info.Vert.GridBoundary, std::min(W, Info.Horz.GridBoundary), H)));
    Paint_Sizing_Line();
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

// --- editor -------------------------------------------------------------------------

bool TStringGrid::CanEditShow()
{
    return FOptions.Contains(goEditing) && !FOptions.Contains(goRowSelect) && FEditorMode;
}

QString TStringGrid::GetEditText(int ACol, int ARow)
{
    QString Value = Cells(ACol, ARow);
    if (OnGetEditText)
        OnGetEditText(this, ACol, ARow, Value);
    return Value;
}

void TStringGrid::SetEditText(int ACol, int ARow, const QString &Value)
{
    if (Value != Cells(ACol, ARow)) {
        FStore.Set_Cell(ACol, ARow, Value);
        InvalidateCell(ACol, ARow);
    }
    if (OnSetEditText)
        OnSetEditText(this, ACol, ARow, Value);
}

QString TStringGrid::GetEditMask(int ACol, int ARow)
{
    QString Value;
    if (OnGetEditMask)
        OnGetEditMask(this, ACol, ARow, Value);
    return Value;
}

int TStringGrid::GetEditLimit() { return 0; }

TInplaceEdit *TStringGrid::CreateEditor() { return new TInplaceEdit(this); }

void TStringGrid::Update_Editor_Text()
{
    if (FInplaceEdit)
        FInplaceEdit->UpdateContents();
}

void TStringGrid::Editor_Text_Changed(const QString &Text)
{
    if (FEditorMode)
        SetEditText(Col(), Row(), Text);
}

void TStringGrid::Place_Editor()
{
    if (!FInplaceEdit || !FEditorMode)
        return;
    const TRect R = CellRect(Col(), Row());
    if (R.Is_Empty()) {
        FInplaceEdit->hide();
        return;
    }
    FInplaceEdit->BoundsChanged(R);
}

void TStringGrid::ShowEditor()
{
    if (FEditorMode && FInplaceEdit && FInplaceEdit->isVisible())
        return;
    FEditorMode = true;
    if (!CanEditShow()) {
        FEditorMode = false;
        return;
    }
    if (!FInplaceEdit)
        FInplaceEdit = CreateEditor();
    Scroll_Into_View(Col(), Row());
    Update_Editor_Text();
    Place_Editor();
    FInplaceEdit->setFont(FFont.To_QFont());
    FInplaceEdit->setFocus();
}

void TStringGrid::ShowEditorChar(QChar Ch)
{
    ShowEditor();
    if (!FEditorMode || !FInplaceEdit)
        return;
    // The typed character replaces the selected text, as in any edit.
    FInplaceEdit->setText(Ch == QChar(8) ? QString() : QString(Ch));
    FInplaceEdit->setCursorPosition(FInplaceEdit->text().size());
}

void TStringGrid::HideEditor()
{
    if (!FEditorMode)
        return;
    FEditorMode = false;
    if (FInplaceEdit && FInplaceEdit->isVisible()) {
        const bool HadFocus = FInplaceEdit->hasFocus();
        const QString Text = FInplaceEdit->Edit_Text();
        if (Text != Cells(Col(), Row()))
            SetEditText(Col(), Row(), Text);
        FInplaceEdit->hide();
        if (HadFocus)
            setFocus();
    }
    InvalidateCell(Col(), Row());
}

void TStringGrid::Set_EditorMode(bool Value)
{
    if (Value)
        ShowEditor();
    else
        HideEditor();
}

// --- keyboard --------------------------------------------------------------------------

bool TStringGrid::focusNextPrevChild(bool Next)
{
    if (WMGetDlgCode() & DLGC_WANTTAB)
        return false;
    return QAbstractScrollArea::focusNextPrevChild(Next);
}

void TStringGrid::keyPressEvent(QKeyEvent *Event)
{
    TKey Key = Virtual_Key_From_Qt(Event->key(), Event->modifiers());
    TShiftState Shift = Shift_State_From_Qt(Event->modifiers());
    if (Event->key() == Qt::Key_Backtab)
        Shift += ssShift;
    const QChar Ch = Char_Of_Key(Event, Key, Shift);
    QPointer<TStringGrid> Self(this);
    if (Key != 0)
        KeyDown(Key, Shift);
    if (!Self)
        return;
    if ((Key != 0 || Virtual_Key_From_Qt(Event->key(), Event->modifiers()) == 0) && !Ch.isNull()) {
        // One character phase per typed character.
        const QString Text = Event->text();
        if (Text.size() > 1 && Key == 0) {
            for (QChar C : Text) {
                KeyPress(C);
                if (!Self)
                    return;
            }
        } else {
            QChar C = Ch;
            KeyPress(C);
        }
    }
    Event->accept();
}

void TStringGrid::keyReleaseEvent(QKeyEvent *Event)
{
    TKey Key = Virtual_Key_From_Qt(Event->key(), Event->modifiers());
    if (Key != 0)
        KeyUp(Key, Shift_State_From_Qt(Event->modifiers()));
    Event->accept();
}

void TStringGrid::KeyDown(TKey &Key, TShiftState Shift)
{
    if (OnKeyDown) {
        OnKeyDown(this, Key, Shift);
        if (Key == 0)
            return;
    }
    TPoint NewCur = FCurrent;
    TPoint NewTop = FTopLeft;
    const bool RowSel = FOptions.Contains(goRowSelect);
    const int Page = VisibleRowCount();
    // Right to left, the arrow keys move the way they point on screen.
    const TKey Step = Mirrored_Arrow(Key);
    if (Shift.Contains(ssCtrl)) {
        switch (Step) {
        case VK_UP: --NewTop.Y; break;
        case VK_DOWN: ++NewTop.Y; break;
        case VK_LEFT: if (RowSel) --NewTop.X; else NewCur.X = FixedCols(); break;
        case VK_RIGHT: if (RowSel) ++NewTop.X; else NewCur.X = ColCount() - 1; break;
        case VK_PRIOR: NewCur.Y = TopRow(); break;
        case VK_NEXT: NewCur.Y = std::min(RowCount() - 1, TopRow() + Page - 1); break;
        case VK_HOME: NewCur = {FixedCols(), FixedRows()}; break;
        case VK_END: NewCur = {ColCount() - 1, RowCount() - 1}; break;
        default: break;
        }
    } else {
        switch (Step) {
        case VK_UP: --NewCur.Y; break;
        case VK_DOWN: ++NewCur.Y; break;
        case VK_LEFT: if (RowSel) --NewTop.X; else --NewCur.X; break;
        case VK_RIGHT: if (RowSel) ++NewTop.X; else ++NewCur.X; break;
        case VK_NEXT: NewCur.Y += Page; NewTop.Y += Page; break;
        case VK_PRIOR: NewCur.Y -= Page; NewTop.Y -= Page; break;
        case VK_HOME: if (RowSel) NewCur.Y = FixedRows(); else NewCur.X = FixedCols(); break;
        case VK_END: if (RowSel) NewCur.Y = RowCount() - 1; else NewCur.X = ColCount() - 1; break;
        case VK_TAB:
            if (!Shift.Contains(ssAlt) && FOptions.Contains(goTabs)) {
                if (Shift.Contains(ssShift)) {
                    if (--NewCur.X < FixedCols()) {
                        NewCur.X = ColCount() - 1;
                        if (--NewCur.Y < FixedRows())
                            NewCur.Y = RowCount() - 1;
                    }
                    Shift -= ssShift;
                } else if (++NewCur.X >= ColCount()) {
                    NewCur.X = FixedCols();
                    if (++NewCur.Y >= RowCount())
                        NewCur.Y = FixedRows();
                }
            }
            break;
        case VK_F2:
            if (FOptions.Contains(goEditing))
                Set_EditorMode(true);
            break;
        case VK_ESCAPE:
            // Leaves the editor with the text it opened with.
            if (FEditorMode && FInplaceEdit) {
                FInplaceEdit->setText(FEditOriginal);
                HideEditor();
            }
            break;
        default: break;
        }
    }
    NewTop.X = std::clamp(NewTop.X, FixedCols(), Max_LeftCol());
    NewTop.Y = std::clamp(NewTop.Y, FixedRows(), Max_TopRow());
    if (NewTop != FTopLeft) {
        Set_LeftCol(NewTop.X);
        Set_TopRow(NewTop.Y);
    }
    NewCur.X = std::clamp(NewCur.X, FixedCols(), ColCount() - 1);
    NewCur.Y = std::clamp(NewCur.Y, FixedRows(), RowCount() - 1);
    if (NewCur != FCurrent)
        Focus_Cell(NewCur.X, NewCur.Y, !(Shift.Contains(ssShift) && FOptions.Contains(goRangeSelect)));
}

TKey TStringGrid::Mirrored_Arrow(TKey Key) const
{
    if (!UseRightToLeftAlignment())
        return Key;
    return Key == VK_LEFT ? TKey(VK_RIGHT) : Key == VK_RIGHT ? TKey(VK_LEFT) : Key;
}

void TStringGrid::KeyPress(QChar &Key)
{
    if (OnKeyPress) {
        OnKeyPress(this, Key);
        if (Key.isNull())
            return;
    }
    if (Key == QChar(13) && !FOptions.Contains(goAlwaysShowEditor)) {
        if (FEditorMode)
            HideEditor();
        else
            ShowEditor();
        Key = QChar();
        return;
    }
    if (FOptions.Contains(goEditing) && !FEditorMode && (Key == QChar(8) || Key.unicode() >= 32)) {
        ShowEditorChar(Key);
        if (FEditorMode)
            Key = QChar();
    }
}

void TStringGrid::KeyUp(TKey &Key, TShiftState Shift)
{
    if (OnKeyUp)
        OnKeyUp(this, Key, Shift);
}

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
