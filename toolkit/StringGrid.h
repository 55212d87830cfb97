#pragma once
#include "platform/BiDiMode.h"
#include "toolkit/Canvas.h"
#include "grid/model/GridModel.h"
#include "grid/model/GridStore.h"
#include "platform/Keys.h"
#include "platform/Set.h"
#include <QAbstractScrollArea>
#include <QEvent>
#include <QPlainTextEdit>
#include "platform/Alignment.h"
#include "toolkit/EditMask.h"
#include <functional>
#include <memory>

// The platform string grid the grid family is built on: a scroll area that
// keeps one text and one object per cell, fixed rows and columns, a current
// cell with a selection, whole-cell scrolling, an in-place editor, and the
// virtual hooks the grid classes override. Key input arrives in three phases
// (KeyDown with virtual-key code and shift state, then KeyPress per typed
// character unless KeyDown cleared the key, then KeyUp).

enum TGridOption {
    goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goDrawFocusSelected,
    goRowSizing, goColSizing, goRowMoving, goColMoving, goEditing, goTabs, goRowSelect,
    goAlwaysShowEditor, goThumbTracking,
};
using TGridOptions = TSet<TGridOption>;

enum TGridDrawStateItem { gdSelected, gdFocused, gdFixed, gdHotTrack, gdPressed };
using TGridDrawState = TSet<TGridDrawStateItem>;

enum TGridState { gsNormal, gsSelecting, gsRowSizing, gsColSizing, gsRowMoving, gsColMoving };

// Which scroll bars the grid may show.
enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
// The grid's outer border: none, or a single sunken frame.
enum TGridBorderStyle { bsNone, bsSingle };

// Scroll message codes (the bar's request): a line or a page up/left or
// down/right, the thumb dragged (track) or dropped (position), the ends, and
// the end of a scroll gesture. Left and right share the up and down values.
enum TScrollCode {
    SB_LINEUP = 0, SB_LINEDOWN = 1, SB_PAGEUP = 2, SB_PAGEDOWN = 3, SB_THUMBPOSITION = 4, SB_THUMBTRACK = 5,
    SB_TOP = 6, SB_BOTTOM = 7, SB_ENDSCROLL = 8,
};
// A scroll message: its code, the thumb position for the thumb codes (rows or
// columns from the first scrollable one) and the result a handler may set
// (non-zero: handled, the bar keeps the grid's position).
struct TWMScroll {
    int ScrollCode = SB_ENDSCROLL;
    int Pos = 0;
    std::intptr_t Result = 0;
};

// What a window wants of the keyboard (the answer to a dialog-code request).
enum : int { DLGC_WANTARROWS = 1, DLGC_WANTTAB = 2, DLGC_WANTALLKEYS = 4, DLGC_WANTCHARS = 128 };

// The phase of a drag passing over the grid.
enum TGridDragState { dsGridDragEnter, dsGridDragLeave, dsGridDragMove };

// A block of cells, bounds inclusive (Left..Right columns, Top..Bottom rows).
struct TGridRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    friend bool operator==(const TGridRect &, const TGridRect &) = default;
    bool Contains(int C, int R) const { return C >= Left && C <= Right && R >= Top && R <= Bottom; }
};

// Where the fixed and visible cells lie along one axis (client pixels).
struct TGridAxisDrawInfo {
    int EffectiveLineWidth = 0;
    int FixedBoundary = 0;        // end of the fixed cells
    int GridBoundary = 0;         // end of the last visible cell (at most the client extent)
    int GridExtent = 0;           // client extent
    int LastFullVisibleCell = 0;
    int FullVisBoundary = 0;
    int FixedCellCount = 0;
    int FirstGridCell = 0;        // LeftCol or TopRow
    int GridCellCount = 0;        // ColCount or RowCount
};
struct TGridDrawInfo {
    TGridAxisDrawInfo Horz;
    TGridAxisDrawInfo Vert;
};

class TStringGrid;

// The in-place text editor: a multi-line edit whose text keeps its line
// breaks (an untouched text exactly; an edited one in the style of its first
// break, CR LF for a text that had none). With an edit
// mask it is one masked line (Apply_Edit_Mask and Set_Mask), typed character
// by character through the mask's rules. Keys that move the cursor are handed
// to the grid: Up, Down, PgUp, PgDn and Escape always, Tab (with goTabs) and
// Enter unless the editor wants returns, Left/Right/Home/End when the caret is
// at that edge or Ctrl is held. Ctrl+Enter types a line feed (character 10),
// which becomes a line break when no mask is set.
class TInplaceEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TInplaceEdit(TStringGrid *Grid);
    TStringGrid *Grid() const { return FGrid; }
    // The mask the grid asked for (GetEditMask).
    QString EditMask;
    // Takes the mask the grid asked for. The plain editor only keeps it; an
    // editor that enforces masks (the base grid's) applies it with Set_Mask.
    virtual void Apply_Edit_Mask(const QString &Mask) { EditMask = Mask; }
    // The text as the grid stores it (a mask may leave its literals out).
    virtual QString Edit_Text() const { return text(); }

    // --- text and caret ------------------------------------------------------------
    // The text with its line breaks; with a mask, as a masked line edit gives
    // it (empty slots left out).
    QString text() const;
    // Replaces the whole text (line breaks CR LF, CR or LF; with a mask the
    // slots are filled from it). A change from the user's point of view: the
    // text-change hook runs unless the grid is filling the editor.
    void setText(const QString &Value);
    // What the editor shows: line breaks as one character each, a mask's
    // empty slots as its blank character. Caret positions count in it.
    QString displayText() const;
    int cursorPosition() const;
    void setCursorPosition(int Pos);
    bool hasSelectedText() const;
    // Longest text in characters (line breaks count one each); 0 or less: none.
    int maxLength() const { return FMaxLength; }
    void setMaxLength(int Value) { FMaxLength = Value; }
    bool Masked() const { return !FMask.Is_Empty(); }
    // Line of the caret (0 first) and the number of lines the text holds
    // (not wrapped lines): a descendant keeps Up and Down inside the text.
    int Caret_Line() const;
    int Line_Count() const;
    // The height in pixels the text needs at the editor's width (wrapped lines
    // counted): what a grid sizing its row while typing grows the row to.
    int Content_Height() const;

    // --- look ------------------------------------------------------------------------
    // Enter types a line break instead of going to the grid.
    bool WantReturns() const { return FWantReturns; }
    void Set_WantReturns(bool Value) { FWantReturns = Value; }
    // Long lines wrap at the editor's width (else the text scrolls sideways).
    bool WordWrap() const { return FWordWrap; }
    void Set_WordWrap(bool Value);
    // Horizontal alignment of the text (the cell's).
    TAlignment Alignment() const { return FAlignment; }
    void Set_Alignment(TAlignment Value);

    // The key phases of the editor (the grid's three phases, seen from the
    // editor). KeyDown hands the keys that move the cursor to the grid's
    // KeyDown (Up, Down, PgUp, PgDn, Escape always, Enter without Ctrl unless
    // WantReturns, Tab unless Alt is held, Left/Home and Right/End at that
    // edge of the text or with Ctrl); other keys stay in the editor and fire
    // the grid's OnKeyDown. Key set to 0 swallows the key (no character
    // phase). KeyPress runs the grid's KeyPress for every typed character
    // (Enter with WantReturns stays the editor's), then drops Tab, Escape and
    // Enter unless Enter is wanted; a null character is not typed. Enter and
    // line feed that survive become a line break where no mask is set. KeyUp
    // runs the grid's KeyUp (after the key has changed the text: where a grid
    // grows its row while typing).
    virtual void KeyDown(TKey &Key, TShiftState Shift);
    virtual void KeyPress(QChar &Key);
    virtual void KeyUp(TKey &Key, TShiftState Shift);
    // The text was changed by the user (not while UpdateContents fills it):
    // the grid's SetEditText receives Edit_Text().
    virtual void Change();
    // Fills the editor for the current cell: GetEditText, GetEditMask,
    // GetEditLimit; all text selected. No SetEditText while filling.
    virtual void UpdateContents();
    // Places the editor on the current cell's rectangle (client pixels) and shows it.
    virtual void BoundsChanged(const TRect &CellRect);

protected:
    // Switches the mask rules on (an empty mask: off). The text is kept as far
    // as the mask lets it.
    void Set_Mask(const TEditMaskInfo &Mask);
    void keyPressEvent(QKeyEvent *Event) override;
    void keyReleaseEvent(QKeyEvent *Event) override;
    bool event(QEvent *Event) override;
    void insertFromMimeData(const QMimeData *Source) override;
    bool canInsertFromMimeData(const QMimeData *Source) const override;

private:
    friend class TStringGrid;
    bool Hands_To_Grid(TKey Key, TShiftState Shift) const;
    // Types one character that passed the character phase.
    void Type_Char(QChar C);
    // Inserts text at the caret as typed or pasted (limit and mask applied).
    void Insert_Text(const QString &Text);
    // Masked editing: a key that changes text; true when handled here.
    bool Masked_Key(QKeyEvent *Event);
    void Show_Mask(int Caret);
    void Text_Changed();
    TStringGrid *FGrid;
    bool FLoading = false;   // text set by the grid, not typed
    bool FHandedToGrid = false;   // the current key went to the grid's KeyDown
    bool FWantReturns = false;
    bool FWordWrap = false;
    TAlignment FAlignment = taLeftJustify;
    int FMaxLength = 0;
    QString FBreak = QStringLiteral("\r\n");   // line break style of the text
    QString FLoaded;         // the text last set, and as shown
    QString FLoadedShown;
    QString FLastText;       // the text the last change hook saw
    TEditMaskBuffer FMask;
};

// A registered window message posted to a grid (wParam, lParam).
class TGridMessageEvent : public QEvent {
public:
    TGridMessageEvent(int Message, std::intptr_t AWParam, std::intptr_t ALParam)
        : QEvent(static_cast<QEvent::Type>(Message)), WParam(AWParam), LParam(ALParam) {}
    std::intptr_t WParam;
    std::intptr_t LParam;
};
// The message number for a name: the same name gives the same number for the
// whole run, so that grids and their helpers agree on private message numbers.
int Register_Window_Message(const QString &Name);
// "GridEditDone", posted when an edit has ended (wParam column, lParam row).
int Grid_Edit_Done_Message();
// "DTPShiftFocus", posted by a date picker editor to itself after a typed
// digit: it then decides whether the typed field is complete.
int Date_Picker_Shift_Focus_Message();

class TStringGrid : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit TStringGrid(QWidget *Parent = nullptr);
    ~TStringGrid() override;

    // --- cells --------------------------------------------------------------
    QString Cells(int ACol, int ARow) const { return FStore.Cell(ACol, ARow); }
    void Set_Cells(int ACol, int ARow, const QString &Value);
    TObject *Objects(int ACol, int ARow) const { return FStore.Object(ACol, ARow); }
    void Set_Objects(int ACol, int ARow, TObject *Value);
    // A row's texts and objects (ColCount cells).
    TGridRowData Rows(int ARow) const { return FStore.Row(ARow, ColCount()); }
    void Set_Rows(int ARow, const TGridRowData &Value);
    // The grid's data. The grid paints from it and repaints on its change
    // notices, so code that writes the model directly is shown as well.
    TGridModel &Model() { return FStore; }
    const TGridModel &Model() const { return FStore; }
    TGridCellStore &Store() { return FStore; }
    const TGridCellStore &Store() const { return FStore; }

    // --- dimensions -----------------------------------------------------------
    int ColCount() const { return FCols.Count(); }
    void Set_ColCount(int Value);
    int RowCount() const { return FRows.Count(); }
    void Set_RowCount(int Value);
    int FixedCols() const { return FCols.Fixed(); }
    void Set_FixedCols(int Value);   // EGridError when not below ColCount
    int FixedRows() const { return FRows.Fixed(); }
    void Set_FixedRows(int Value);   // EGridError when not below RowCount
    int DefaultColWidth() const { return FCols.Default_Size(); }
    void Set_DefaultColWidth(int Value);   // resets every column width
    int DefaultRowHeight() const { return FRows.Default_Size(); }
    void Set_DefaultRowHeight(int Value);  // resets every row height
    int ColWidths(int Index) const { return FCols.Size(Index); }
    void Set_ColWidths(int Index, int Value);
    // Column I gets Widths[I] (columns beyond the list keep theirs), with one
    // change notice for all of them.
    void Set_ColWidths_All(const std::vector<int> &Widths);
    int RowHeights(int Index) const { return FRows.Size(Index); }
    void Set_RowHeights(int Index, int Value);
    // A block of rows inserted or removed at At: the heights from At on move
    // on (the new rows get the default) or back, without a change notice;
    // the row count is left to the caller.
    void Insert_Row_Heights(int At, int Count) { FRows.Insert_Sizes(At, Count); }
    void Remove_Row_Heights(int At, int Count) { FRows.Remove_Sizes(At, Count); }
    // Width of the platform's own lines between cells.
    int GridLineWidth() const { return FGridLineWidth; }
    void Set_GridLineWidth(int Value);
    TGridOptions Options() const { return FOptions; }
    void Set_Options(TGridOptions Value);
    bool DefaultDrawing() const { return FDefaultDrawing; }
    void Set_DefaultDrawing(bool Value);
    TColor Color() const { return FColor; }
    void Set_Color(TColor Value);
    TColor FixedColor() const { return FFixedColor; }
    void Set_FixedColor(TColor Value);
    // The grid font used by the default drawing and handed to painters.
    const TFont &Font() const { return FFont; }
    void Set_Font(const TFont &Value);
    // Reading order. In right-to-left mode the columns run from the right edge
    // leftwards: cell rectangles, painting and mouse positions are mirrored
    // (the cells themselves are still painted left to right inside their
    // mirrored rectangles, so texts read normally).
    TBiDiMode BiDiMode() const { return FBiDiMode; }
    void Set_BiDiMode(TBiDiMode Value);
    // (Only on a right-to-left platform, see
    // Platform_Right_To_Left, does bdRightToLeft mirror the grid.)
    virtual bool UseRightToLeftAlignment() const { return FBiDiMode == bdRightToLeft && Platform_Right_To_Left(); }
    // A rectangle in left-to-right client coordinates as it lies on screen
    // (mirrored in right-to-left mode; unchanged otherwise). Its own inverse.
    TRect Mirror_Rect(const TRect &R) const;
    // VK_LEFT and VK_RIGHT swapped in right-to-left mode (other keys unchanged):
    // the column step an arrow key means.
    TKey Mirrored_Arrow(TKey Key) const;

    // --- current cell, selection, scrolling ---------------------------------------
    int Col() const { return FCurrent.X; }
    void Set_Col(int Value);
    int Row() const { return FCurrent.Y; }
    void Set_Row(int Value);
    // Moves the current cell (asks SelectCell; clamped into the scrollable cells).
    // MoveAnchor false extends the selection from its anchor.
    void Focus_Cell(int ACol, int ARow, bool MoveAnchor = true);
    int TopRow() const { return FTopLeft.Y; }
    void Set_TopRow(int Value);
    int LeftCol() const { return FTopLeft.X; }
    void Set_LeftCol(int Value);
    // Fully visible scrollable rows/columns from TopRow/LeftCol (at least 1).
    int VisibleRowCount() const;
    int VisibleColCount() const;
    TGridRect Selection() const;
    void Set_Selection(const TGridRect &Value);
    TPoint Anchor() const { return FAnchor; }
    TGridState GridState() const { return FGridState; }
    // The column or row being sized (-1 when none) and the column or row a
    // move started from (-1 when none).
    int SizingIndex() const { return FSizingIndex; }
    int MoveOrigin() const { return FMoveFrom; }
    // The client position of the sizing line while a column or row is sized.
    int SizingPos() const { return FSizingPos; }

    // --- scroll bars and border ---------------------------------------------------------
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void Set_ScrollBars(TScrollStyle Value);
    TGridBorderStyle BorderStyle() const { return FBorderStyle; }
    void Set_BorderStyle(TGridBorderStyle Value);
    // Delivers a scroll message for a bar to WMVScroll or WMHScroll (what the
    // bars do when the user works them; public so that tests can send them).
    // Returns the message's result.
    std::intptr_t Scroll_Message(Qt::Orientation Bar, int Code, int Pos = 0);
    // One step of scrolling while a selection is dragged past an edge of the
    // cells (a timer repeats it while the pointer stays outside); false when
    // the pointer is inside and nothing scrolled.
    bool Drag_Scroll_Step();

    // --- geometry ------------------------------------------------------------------
    // Client rectangle of a visible cell (not clipped at the right or bottom
    // edge); empty for a cell out of view.
    // (Virtual: a grid with merged cells answers the whole merged area, and the
    // platform invalidates and places its editor through it.)
    virtual TRect CellRect(int ACol, int ARow) const;
    // The cell under a client point; -1 for an axis outside the cells.
    void MouseToCell(int X, int Y, int &ACol, int &ARow) const;
    TGridRect MouseCoord(int X, int Y) const;
    void CalcDrawInfo(TGridDrawInfo &Info) const;
    TCanvas &Canvas();   // the paint canvas while painting, else a measuring canvas
    // Runs one paint pass (Paint) onto another canvas: printing, tests.
    void Paint_On(TCanvas &ACanvas);
    bool Painting() const { return FCanvas != nullptr; }

    // --- rows and columns ----------------------------------------------------------
    void DeleteRow(int ARow);
    void DeleteColumn(int ACol);
    void MoveColumn(int FromIndex, int ToIndex);
    void MoveRow(int FromIndex, int ToIndex);
    // Rearranges all columns in one pass: position I takes the column now at
    // Source[I] (a permutation of 0 .. ColCount - 1). The cells, the current
    // cell and the anchor go along; the widths stay; no move hook runs.
    void Permute_Columns(const std::vector<int> &Source);

    // --- repainting ---------------------------------------------------------------
    void InvalidateCell(int ACol, int ARow);
    void InvalidateCol(int ACol);
    void InvalidateRow(int ARow);
    void InvalidateGrid();
    void InvalidateRect(const TRect &R);

    // --- in-place editor ---------------------------------------------------------------
    void ShowEditor();
    void ShowEditorChar(QChar Ch);
    void HideEditor();
    bool EditorMode() const { return FEditorMode; }
    void Set_EditorMode(bool Value);
    TInplaceEdit *InplaceEditor() const { return FInplaceEdit; }

    // Posts a registered message to this grid (delivered later on the UI thread).
    void Post_Message(int Message, std::intptr_t WParam, std::intptr_t LParam);

    // --- events (fired by the base hooks) ---------------------------------------------
    std::function<void(TStringGrid *, int ACol, int ARow, const TRect &, TGridDrawState)> OnDrawCell;
    std::function<void(TStringGrid *, int ACol, int ARow, bool &CanSelect)> OnSelectCell;
    std::function<void(TStringGrid *)> OnTopLeftChanged;
    std::function<void(TStringGrid *, int FromIndex, int ToIndex)> OnColumnMoved;
    std::function<void(TStringGrid *, int FromIndex, int ToIndex)> OnRowMoved;
    std::function<void(TStringGrid *, int ACol, int ARow, QString &Value)> OnGetEditText;
    std::function<void(TStringGrid *, int ACol, int ARow, const QString &Value)> OnSetEditText;
    std::function<void(TStringGrid *, int ACol, int ARow, QString &Value)> OnGetEditMask;
    std::function<void(TStringGrid *, TKey &Key, TShiftState Shift)> OnKeyDown;
    std::function<void(TStringGrid *, QChar &Key)> OnKeyPress;
    std::function<void(TStringGrid *, TKey &Key, TShiftState Shift)> OnKeyUp;
    std::function<void(TStringGrid *, TMouseButton, TShiftState, int X, int Y)> OnMouseDown;
    std::function<void(TStringGrid *, TShiftState, int X, int Y)> OnMouseMove;
    std::function<void(TStringGrid *, TMouseButton, TShiftState, int X, int Y)> OnMouseUp;
    std::function<void(TStringGrid *, TShiftState, TPoint MousePos, bool &Handled)> OnMouseWheelDown;
    std::function<void(TStringGrid *, TShiftState, TPoint MousePos, bool &Handled)> OnMouseWheelUp;
    std::function<void(TStringGrid *)> OnClick;
    std::function<void(TStringGrid *)> OnDblClick;
    std::function<void(TStringGrid *)> OnEnter;
    std::function<void(TStringGrid *)> OnExit;

    // --- virtual hooks (public so that owners and tests can drive them) -----------
    // Called once after a window has set the grid's stored properties.
    virtual void Loaded() {}
    // A new screen density (M / D): the font, the widget's geometry and the
    // grid's default sizes, column widths and row heights are rescaled.
    virtual void ChangeScale(int M, int D);
    // A component this grid refers to is being inserted or removed; the
    // default does nothing (grids that keep a reference forget it on removal).
    enum TOperation { opInsert, opRemove };
    virtual void Notification(QObject *AComponent, TOperation Operation);
    // Paints every visible cell through DrawCell (fixed cells first), then the
    // platform lines and the area beyond the last cell.
    virtual void Paint();
    // Paints one cell; the default draws the text when DefaultDrawing, then
    // fires OnDrawCell.
    virtual void DrawCell(int ACol, int ARow, const TRect &ARect, TGridDrawState AState);
    // Asked before every change of the current cell; false vetoes it.
    virtual bool SelectCell(int ACol, int ARow);
    virtual void KeyDown(TKey &Key, TShiftState Shift);
    virtual void KeyPress(QChar &Key);
    virtual void KeyUp(TKey &Key, TShiftState Shift);
    virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseMove(TShiftState Shift, int X, int Y);
    virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void Click();
    virtual void DblClick();
    virtual bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos);
    virtual bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos);
    virtual void TopLeftChanged();
    virtual void SizeChanged(int OldColCount, int OldRowCount);
    virtual void ColWidthsChanged();
    virtual void RowHeightsChanged();
    // Called by MoveColumn/MoveRow; the default moves the cells (texts and
    // objects) and fires the event. Widths and heights stay where they are.
    virtual void ColumnMoved(int FromIndex, int ToIndex);
    virtual void RowMoved(int FromIndex, int ToIndex);
    virtual void CalcSizingState(int X, int Y, TGridState &State, int &Index, int &SizingPos, int &SizingOfs,
                                 TGridDrawInfo &FixedInfo);
    virtual bool CanEditShow();
    virtual QString GetEditText(int ACol, int ARow);
    // Called on every change of the editor's text and when the editor closes.
    virtual void SetEditText(int ACol, int ARow, const QString &Value);
    virtual QString GetEditMask(int ACol, int ARow);
    virtual int GetEditLimit();
    virtual TInplaceEdit *CreateEditor();
    // A registered message arrived (Post_Message); the default does nothing.
    virtual void Registered_Message(int Message, std::intptr_t WParam, std::intptr_t LParam);
    virtual void DoEnter();
    virtual void DoExit();

    // --- messages and notices ------------------------------------------------------------
    // Scroll messages of the vertical and the horizontal bar. The default moves
    // TopRow (LeftCol) by a line or a page, to the ends, or to the thumb: on
    // SB_THUMBPOSITION always, on SB_THUMBTRACK only with goThumbTracking.
    virtual void WMVScroll(TWMScroll &Message);
    virtual void WMHScroll(TWMScroll &Message);
    // Property-change notices; the defaults repaint the grid.
    virtual void CMColorChanged();
    virtual void CMFontChanged();
    virtual void CMEnabledChanged();
    // The window-creation step: runs once, before the grid is first shown.
    virtual void CreateWnd() {}
    bool HandleAllocated() const { return FWindowCreated; }
    // Paints the outer border after the frame (client coordinates of the
    // whole control); the default paints nothing more.
    virtual void PaintBorder(QPainter &Painter, const TRect &Bounds) {}
    // A hint is asked for at a client point of the cells: the default shows
    // the text left in Hint (nothing when empty); false suppresses the hint.
    virtual bool CMHintShow(TPoint Pos, QString &Hint) { return true; }
    // The pointer moved over the cells: the cursor for that point (the
    // default: the sizing cursors over a sizable line, else the arrow).
    virtual Qt::CursorShape WMSetCursor(TPoint Pos);
    // What the grid wants of the keyboard: arrows and characters, and Tab
    // with goTabs. Tab stays in the grid when DLGC_WANTTAB is answered.
    virtual int WMGetDlgCode();
    // A drag passes over the cells (Source: the drag's source object, or
    // nullptr from outside the program). Accept says whether a drop is taken
    // there; the default fires OnDragOver.
    virtual void DragOver(QObject *Source, int X, int Y, TGridDragState State, bool &Accept);
    std::function<void(TStringGrid *, QObject *Source, int X, int Y, TGridDragState State, bool &Accept)> OnDragOver;
    // Sizing: the line drawn while a column or row is sized (the defaults
    // repaint the line's old and new place), and the hook asked before the
    // size changes on release (may change the size; false keeps the old one).
    virtual void DrawColSizingLine(int OldX, int NewX);
    virtual void DrawRowSizingLine(int OldY, int NewY);
    virtual bool UpdateColumnSize(int ACol, int &AWidth) { return true; }
    virtual bool UpdateRowSize(int ARow, int &AHeight) { return true; }

    // --- scroll bar positions and the empty area (hooks for descendants) -----------
    // Called whenever the bars have been set to the grid's position, while the
    // bars are being synchronised (a descendant may rewrite their range, page
    // and value then without moving the grid).
    virtual void ScrollBarsUpdated() {}
    // The row (column) offset from the first scrollable one that a bar
    // position stands for, and the bar position of the grid's present offset.
    // By default bar positions are offsets.
    virtual int Bar_Offset(Qt::Orientation Bar, int Pos) const { return Pos; }
    virtual int Bar_Position(Qt::Orientation Bar) const;
    // Paints the client area right of the last column and below the last row;
    // the default fills it with Color.
    virtual void PaintEmptyArea();

protected:
    // Sets the grid state (an interaction the grid's descendants run
    // themselves) with the column or row being sized and the origin of a move.
    void Set_GridState(TGridState State, int SizingIndex = -1, int MoveOrigin = -1);
    bool event(QEvent *Event) override;
    bool viewportEvent(QEvent *Event) override;
    void changeEvent(QEvent *Event) override;
    void paintEvent(QPaintEvent *Event) override;
    void resizeEvent(QResizeEvent *Event) override;
    void keyPressEvent(QKeyEvent *Event) override;
    void keyReleaseEvent(QKeyEvent *Event) override;
    void mousePressEvent(QMouseEvent *Event) override;
    void mouseMoveEvent(QMouseEvent *Event) override;
    void mouseReleaseEvent(QMouseEvent *Event) override;
    void mouseDoubleClickEvent(QMouseEvent *Event) override;
    void wheelEvent(QWheelEvent *Event) override;
    void focusInEvent(QFocusEvent *Event) override;
    void focusOutEvent(QFocusEvent *Event) override;
    void scrollContentsBy(int DX, int DY) override;
    bool focusNextPrevChild(bool Next) override;
    QSize sizeHint() const override;

    // The plain control part of ChangeScale: font size and widget geometry.
    void Scale_Control(int M, int D);
    // Client pixel position of a visible column's (row's) left (top) edge in
    // left-to-right coordinates; -1 when the column (row) is out of view.
    int Col_Left(int ACol) const;
    int Row_Top(int ARow) const;
    // Size of the cell area: the viewport's, or before the grid is first shown
    // the size it will have (widget size less frame and fixed scroll bars).
    int Client_Width() const;
    int Client_Height() const;
    // Largest TopRow/LeftCol that still fills the view.
    int Max_TopRow() const;
    int Max_LeftCol() const;
    void Update_Scroll_Bars();
    void Place_Editor();
    // Brings the current cell into view.
    void Scroll_Into_View(int ACol, int ARow);
    void Invalidate_Selection_Change(const TGridRect &Old);
    // Moves the current cell without asking SelectCell and without Click
    // (clamped; scrolled into view). For grids that adjust the position
    // around the platform's own movement.
    void Place_Current(int ACol, int ARow, bool MoveAnchor);

private:
    friend class TInplaceEdit;
    void Move_Current(int ACol, int ARow, bool MoveAnchor, bool AskSelect);
    void Clamp_Current();
    void Paint_Cells(int FromCol, int ToCol, int FromRow, int ToRow);
    void Update_Editor_Text();
    void Editor_Text_Changed(const QString &Text);

    TGridCellStore FStore;
    struct TModelLink : IGridModelListener {
        TStringGrid *Grid = nullptr;
        void Model_Cells_Changed(const TCellRange &Range) override;
        void Model_Structure_Changed() override;
    };
    TModelLink FModelLink;
    TScrollStyle FScrollBars = ssBoth;
    TGridBorderStyle FBorderStyle = bsSingle;
    bool FWindowCreated = false;
    bool FBarDriven = false;   // the bars' value changed by the user: the messages decide
    class QTimer *FDragScrollTimer = nullptr;
    TPoint FDragPoint;         // the pointer during a drag-selection
    void Connect_Scroll_Bars();
    void Bar_Action(Qt::Orientation Bar, int Action);
    virtual void Paint_Sizing_Line();   // a descendant may draw its own line
    QRegion FUpdateRegion;   // of the paint event under way; empty: paint everything
    TGridAxis FCols{5, 1, 64};
    TGridAxis FRows{5, 1, 24};
    int FGridLineWidth = 1;
    TGridOptions FOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect};
    bool FDefaultDrawing = true;
    TColor FColor = clWindow;
    TColor FFixedColor = clBtnFace;
    TFont FFont;
    TBiDiMode FBiDiMode = bdLeftToRight;
    TPoint FCurrent{1, 1};
    TPoint FAnchor{1, 1};
    TPoint FTopLeft{1, 1};
    TGridState FGridState = gsNormal;
    int FSizingIndex = -1;
    int FSizingPos = 0;
    int FSizingOfs = 0;
    int FMoveFrom = -1;
    bool FEditorMode = false;
    QString FEditOriginal;
    TInplaceEdit *FInplaceEdit = nullptr;
    TCanvas *FCanvas = nullptr;
    struct TScratchCanvas;
    std::unique_ptr<TScratchCanvas> FScratch;   // the canvas outside painting (measuring)
    bool FSyncingBars = false;
    bool FMovingCurrent = false;
    bool FFocusInside = false;   // the focus is on the grid or its editor
};
