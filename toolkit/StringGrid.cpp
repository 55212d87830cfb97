#include "toolkit/StringGrid.h"
#include "toolkit/StringGrid_p.h"
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

int Date_Picker_Shift_Focus_Message()
{
    static const int Message = Register_Window_Message(QStringLiteral("DTPShiftFocus"));
    return Message;
}

// --- construction ----------------------------------------------------------------

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
    // Nothing to do while the view is hidden or holds its updates back
    // (QWidget::update drops the areas then): filling a million cells must
    // not work out a million cell rectangles.
    const QWidget *View = Grid->viewport();
    if (!View->isVisible() || !View->updatesEnabled())
        return;
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
