#pragma once
#include "grid/stringgrid/GridCallerNames.h"
#include "grid/stringgrid/GridEditState.h"
#include "grid/stringgrid/GridDataOps.h"
#include "grid/stringgrid/GridEvents.h"
#include "grid/stringgrid/GridFormats.h"
#include "grid/stringgrid/GridMouseState.h"
#include "grid/stringgrid/RIraRevadiVizo_p.h"

// The system's string grid: every table of the configurator's windows is one.
// On top of the base grid it keeps hidden rows and columns (in the grid's
// model, so file formats reach them without a window), typed cell access,
// the disjunct selection and row flags, update batching, and the per-cell
// hooks through which painting, editing and the column grid ask what to do.
//
// Two index spaces: a real column counts hidden columns (cell access takes
// real columns: a hidden column keeps its cells); a display index is what
// the platform grid shows (Col, Row, TopRow, the selection). Hidden rows
// leave the grid, so the row of cell access is the row's present position.

// The start of rotated text in Rect for the text's extents (cos/sin of the
// angle times height and width): the quadrant's rule moves Left and Top.
void RotatedTextRect(TRect &Rect, int HAlign, int VAlign, int Angle, int HC, int WS, int HS, int WC);

class RIraRevadiVizo : public TBaseGrid,
                       public RIraRevadiVizo_Events,
                       public RIraRevadiVizo_EditState,
                       public RIraRevadiVizo_MouseState,
                       public RIraRevadiVizo_CallerNames<RIraRevadiVizo>,
                       public TGridDataOps,
                       public TGridFileMethods,
                       protected RIraRevadiVizo_State {
    Q_OBJECT
    friend class TGridDataOps;   // sorting, row and column operations, calculations (GridDataOps.h)
public:
    TDragDropSettings &DragDropSettings() { return FDragDropSettings; }
    TBalloonSettings &Balloon() { return FBalloon; }
    explicit RIraRevadiVizo(QWidget *Parent = nullptr);
    ~RIraRevadiVizo() override;
    // The toolkit grid has an edit-mask event of its own; the grid's, with
    // any sender, is the one callers set.
    using RIraRevadiVizo_Events::OnGetEditMask;

    // ===== life cycle (RIraRevadiVizo.cpp) ===========================================
    // Copies settings, dimensions, widths, heights and then every cell
    // (texts, real columns, hidden ones included) from another string grid;
    // any other source is ignored.
    virtual void Assign(QObject *Source);
    virtual void AssignCells(QObject *Source);
    // Repaints the grid, except once right after an edit that asked to skip it.
    void Invalidate();
    // Window resizes the grid follows (each grid watches its window itself).
    int PrevSizeX() const { return FPrevSizeX; }
    int PrevSizeY() const { return FPrevSizeY; }
    // Called after the grid's window changed size (the window is watched by
    // an event filter of this grid, never by replacing a window handler).
    virtual void FormResize(int OldWidth, int OldHeight);
    void Loaded() override;
    bool IsLoaded() const { return FLoaded; }
    QString GetEditMask(int ACol, int ARow) override;

    // ===== dimensions (RIraRevadiVizo_Dimensions.cpp) ================================
    int RowCount() const { return TBaseGrid::RowCount(); }
    // With a visible floating footer the footer row moves to the new last row.
    void Set_RowCount(int Value);
    int ColCount() const { return TBaseGrid::ColCount(); }
    void Set_ColCount(int Value);
    // Reads 1 while the platform holds none and the ...Always option is on.
    int FixedRows() const;
    void Set_FixedRows(int Value);
    int FixedCols() const;
    void Set_FixedCols(int Value);
    bool FixedRowAlways() const { return FFixedRowAlways; }
    void Set_FixedRowAlways(bool Value) { FFixedRowAlways = Value; }
    bool FixedColAlways() const { return FFixedColAlways; }
    void Set_FixedColAlways(bool Value) { FFixedColAlways = Value; }
    int FixedFooters() const { return FFixedFooters; }
    void Set_FixedFooters(int Value);
    int FixedRightCols() const { return FFixedRightCols; }
    void Set_FixedRightCols(int Value);
    void Set_DefaultRowHeight(int Value);
    int FixedColWidth() const { return ColWidths(0); }
    void Set_FixedColWidth(int Value);
    int FixedRowHeight() const { return FFixedRowHeight; }
    void Set_FixedRowHeight(int Value);
    bool WordWrap() const { return FWordWrapEx; }
    void Set_WordWrap(bool Value);
    int MaxRowCount() const { return FMaxRowCount; }
    int MaxColCount() const { return FMaxColCount; }
    int FixedRowsMin() const { return FFixedRowsMin; }
    int FixedColsMin() const { return FFixedColsMin; }
    // The scratch font GetCellFont hands out (valid until the next call).
    TFont GetCellFont(int ACol, int ARow);

    // ===== per-cell hooks: the grid's answer, then the event (RIraRevadiVizo_Hooks.cpp)
    virtual void GridHint(int ACol, int ARow, QString &Hint, QString &WideHint);
    virtual void GetCellColor(int ACol, int ARow, TGridDrawState AState, TBrush &ABrush, TFont &AFont);
    virtual void GetCellPrintColor(int ACol, int ARow, TGridDrawState AState, TBrush &ABrush, TFont &AFont);
    virtual void GetCellBorder(int ACol, int ARow, TPen &APen, TCellBorders &Borders);
    virtual void GetCellPrintBorder(int ACol, int ARow, TPen &APen, TCellBorders &Borders);
    virtual void GetCellAlignment(int ACol, int ARow, TAlignment &HAlign, TVAlignment &VAlign);
    virtual void GetColFormat(int ACol, TSortStyle &AStyle, QString &Prefix, QString &Suffix);
    virtual void GetEventEditorType(int ACol, int ARow, TEditorType &AEditor);
    virtual void GetCellEditorType(int ACol, int ARow, TEditorType &AEditor);
    virtual bool HasNoEditor(int ACol, int ARow);
    virtual bool HasComboBox(int ACol, int ARow);
    virtual bool HasSpinEdit(int ACol, int ARow);
    virtual void IsFixedCell(int ACol, int ARow, bool &IsFixed);
    virtual void CanEditCell(int ACol, int ARow, bool &CanEdit);
    virtual void GetCellEditable(int ACol, int ARow, bool &CanEdit);
    virtual void IsPasswordCell(int ACol, int ARow, bool &IsPassword);
    virtual void GetCellWordWrap(int ACol, int ARow, bool &WordWrap);
    virtual QString GetCheckTrue(int ACol, int ARow);
    virtual QString GetCheckFalse(int ACol, int ARow);
    virtual void SearchFooterAction(const QString &Value, int ACol, int ARow, TSearchAction Action);
    virtual void ButtonClick(int ACol, int ARow);
    virtual void ExpandClick(int ACol, int ARow, bool Expanded);
    virtual void ComboCloseUp(int ARow, int ACol);
    virtual void ComboDropDown(int ARow, int ACol);
    virtual void GetCellCursor(int ACol, int ARow, int X, int Y);
    virtual QString GetFloatFormat(int ACol, int ARow) { return FFloatFormat; }
    virtual void SelectionChanged(int ALeft, int ATop, int ARight, int ABottom);
    virtual void CellsChanged(const TGridRect &R);
    virtual void FixedCellEditor(int ACol, int ARow, TGridFixedCellEditor &AEditor, QStringList &Values);
    virtual void FilterDone();
    virtual void ClickSort(int ACol);
    virtual void CheckBoxClick(int ACol, int ARow, bool State);
    virtual void GetEditorProp(int ACol, int ARow, QObject *AEditLink);
    // Fires OnUpdateColumnSize, which may change the width about to be set.
    bool UpdateColumnSize(int ACol, int &AWidth) override;
    virtual void UpdateAutoColumnSize(int ACol, int &AWidth);
    virtual bool CanAddRow();
    virtual bool CanInsertRow(int ARow);
    virtual bool CanShowFixedDropDown(int ACol);
    virtual void StartBlockFocus(int ARow);
    virtual void EndBlockFocus(int ARow);
    virtual void ScrollCell(int ACol, int ARow);
    virtual void CheckBoxChange(int ACol, int ARow, bool State);
    virtual bool RatingChange(int ACol, int ARow, double &NewRate);
    // Hooks that do nothing here; later behaviour and descendants fill them.
    virtual void F2KeyPressed() {}
    virtual void AdjustKeySelection() {}
    virtual void EditCaretMoved(const QString &Text, TPoint CaretPos, int SelStart) {}
    virtual void ColumnHeadersChanged() {}
    virtual void BeforePaste() {}
    virtual void AfterPaste() {}
    virtual void ScrollHook() {}
    virtual void EditFormulaMode(bool FormulaMode) {}
    virtual void MouseActionsChange() {}
    virtual void NavigationChange() {}
    virtual void EditKeyDown(TKey &Key, TShiftState Shift) {}
    virtual void ExportNotification(TGridExportState AState, int ARow) {}
    virtual void ImportNotification(TGridImportState AState, int ARow) {}
    virtual void GetFormulaResult(int ACol, int ARow, QString &Value);
    virtual void GotoFirstRow() { Set_Row(FixedRows()); }
    virtual void DisableEditing();
    virtual bool ValidateCell(const QString &NewValue);
    virtual void AppendRow() { Set_RowCount(RowCount() + 1); }
    // The override of the base grid's defaults for new cell properties: the
    // grid's looks, but no frozen colour where the grid computes it from state.
    void GetCellDefaults(int ACol, int ARow, TFont &AFont, TBrush &ABrush, TColor &ColorTo, TColor &MirrorColor,
                         TColor &MirrorColorTo, TAlignment &HAlign, TVAlignment &VAlign, bool &WordWrap,
                         TCellGradientDirection &GradientDirection) override;
    bool IsFixed(int ACol, int ARow) override;

    // ===== hidden rows and columns (RIraRevadiVizo_Hidden.cpp) =======================
    void HideColumn(int ColIndex) { HideColumns(ColIndex, ColIndex); }
    void HideColumns(int FromCol, int ToCol);
    void UnHideColumn(int ColIndex) { UnHideColumns(ColIndex, ColIndex); }
    void UnHideColumns(int FromCol, int ToCol);
    void UnHideColumnsAll() { UnHideColumns(0, ColCount() + NumHiddenColumns()); }
    bool IsHiddenColumn(int ColIndex) const { return Model().Is_Hidden_Col(ColIndex); }
    int NumHiddenColumns() const { return Model().Hidden_Col_Count(); }
    int TotalColCount() const override { return ColCount() + NumHiddenColumns(); }
    int RealColIndex(int ACol) const { return Model().Displ_To_Real_Col(ACol); }
    int DisplColIndex(int ACol) override { return Model().Real_To_Displ_Col(ACol); }
    int GetRealCol() const { return RealColIndex(Col()); }
    bool IsIgnoredColumn(int ACol) const;
    std::vector<int> &IgnoreColumns() { return FIgnoreColumns; }

    void HideRow(int RowIndex) { HideRows(RowIndex, RowIndex); }
    void HideRows(int FromRow, int ToRow);
    // For a range none of whose rows is hidden: nothing when FromRow already is.
    void HideRowsEx(int FromRow, int ToRow);
    // Hides the display rows of the list (ascending) in one pass at the next
    // filter level; UnHideRowList shows the rows of the last level again.
    void HideRowList(const std::vector<int> &RowList);
    void UnHideRowList();
    void UnHideRow(int RowIndex) { UnHideRows(RowIndex, RowIndex); }
    void UnHideRows(int FromRow, int ToRow);
    void UnHideRowsAll();
    bool IsHiddenRow(int RowIndex) const { return Model().Is_Hidden_Row(RowIndex); }
    int NumHiddenRows() const { return Model().Hidden_Row_Count(); }
    int TotalRowCount() const { return RowCount() + NumHiddenRows(); }
    int RealRowIndex(int ARow) const { return Model().Displ_To_Real_Row(ARow); }
    int DisplRowIndex(int ARow) const { return Model().Real_To_Displ_Row(ARow); }
    int GetRealRow() const { return RealRowIndex(Row()); }
    int FilterLevel() const { return FFilterLevel; }
    void Set_FilterLevel(int Value) { FFilterLevel = Value; }
    // Row and top row through the string grid's rules.
    void Set_Row(int Value);
    void Set_Col(int Value);
    void Set_TopRow(int Value);
    // Used cells and the range that saving covers (display indexes).
    virtual TRect GetUsedCells();
    int GetSaveStartCol() const;
    int GetSaveStartRow() const;
    int GetSaveEndCol() const;
    int GetSaveEndRow() const;
    int GetSaveColCount() const;
    int GetSaveRowCount() const;

    // ===== typed access and fills (RIraRevadiVizo_Typed.cpp) =========================
    // Display rows; the "All" forms take real rows (hidden rows included).
    int GetInts(int ACol, int ARow);
    void SetInts(int ACol, int ARow, int Value);
    int GetAllInts(int ACol, int ARow);
    void SetAllInts(int ACol, int ARow, int Value);
    double GetFloats(int ACol, int ARow);
    void SetFloats(int ACol, int ARow, double Value);
    double GetAllFloats(int ACol, int ARow);
    void SetAllFloats(int ACol, int ARow, double Value);
    TDateTime GetDates(int ACol, int ARow);
    void SetDates(int ACol, int ARow, TDateTime Value);
    TDateTime GetTimes(int ACol, int ARow);
    void SetTimes(int ACol, int ARow, TDateTime Value);
    QString GetCtrlVal(int ACol, int ARow, const QString &ID);
    void SetCtrlVal(int ACol, int ARow, const QString &ID, const QString &Value);
    // A cell by real row: a hidden row's text comes from where it waits.
    QString GetCellsEx(int ACol, int ARealRow);
    // The saved texts and objects of a hidden row by its real index; none
    // (nullopt) when that row is not hidden.
    std::optional<TGridRowData> HiddenRowStrings(int ARealRow) const { return Model().Hidden_Row_Data(ARealRow); }
    void SetCellsEx(int ACol, int ARealRow, const QString &Value);
    QString GetStrippedCell(int ACol, int ARow);
    // Cells as they stood before rows were sorted or columns moved
    // (RIraRevadiVizo_Unsorted.cpp). The sort cross-reference holds, for every
    // row, the row it came from; it stays empty until rows are sorted.
    std::vector<int> &SortRowXRef() { return FSortRowXRef; }
    int SortedRowIndex(int ARow) const;
    int UnSortedRowIndex(int ARow) const;
    QString GetUnSortedCell(int ACol, int ARow);
    void SetUnSortedCell(int ACol, int ARow, const QString &Value);
    // Where the column that stood at ACol before any move stands now.
    int ColumnPosition(int ACol) const;
    QString GetOriginalCells(int ACol, int ARow);
    void SetOriginalCells(int ACol, int ARow, const QString &Value);
    // The kind of the editor in use.
    TEditorType CurrentEditor() const { return FEditControl; }
    void TextFill(bool DoFixed, const QString &Txt);
    void FormatFill(bool DoFixed, const QString &Fmt);
    void RandomFill(bool DoFixed, int Rnd);
    void LinearFill(bool DoFixed);
    // Recalculates every footer cell.
    virtual void RecalcFooter();
    // Columns whose equal adjacent texts are merged, the first as the main
    // one (the others merge only inside its runs); setting the list splits
    // every column and merges the listed ones again.
    const std::vector<int> &MergedColumns() const { return FMergedColumns; }
    void Set_MergedColumns(const std::vector<int> &Value);
    void MergeColumnCells(int ColIndex, bool MainMerge);
    void SplitColumnCells(int ColIndex);
    void SplitMergedColumns();
    void RemergeColumns();
    const QStringList &ColumnHeaders() const { return FColumnHeaders; }
    void Set_ColumnHeaders(const QStringList &Value);
    void ClearColumnHeaders();
    void ShowColumnHeaders();
    const QStringList &RowHeaders() const { return FRowHeaders; }
    void Set_RowHeaders(const QStringList &Value);
    void ClearRowHeaders();
    void ShowRowHeaders();
    const QStringList &LookupItems() const { return FLookupItems; }
    void Set_LookupItems(const QStringList &Value) { FLookupItems = Value; }
    const TFont &FixedFont() const { return FFixedFont; }
    void Set_FixedFont(const TFont &Value);
    int GetPrintColWidth(int ACol) const;
    int GetPrintColOffset(int ACol) const;
    void Set_PrintColLayout(int ACol, int Width, int Offset);
    bool Print_Col_In_Range(int ACol) const;
    // The version packed one byte per part, major in the highest byte (6.2.1.3).
    virtual int GetVersionNr() { return 0x06020103; }
    QString Version();
    // Version() with the release month: "6.2.1.3 Sep, 2012".
    virtual QString GetVersionString() { return Version() + QStringLiteral(" Sep, 2012"); }

    // ===== selection (RIraRevadiVizo_Selection.cpp) ==================================
    bool GetRowSelect(int ARow);
    void SetRowSelect(int ARow, bool Value);
    bool GetColSelect(int ACol);
    void SetColSelect(int ACol, bool Value);
    void SelectRows(int RowIndex, int RCount);
    void UnSelectRows(int RowIndex, int RCount);
    void SelectCols(int ColIndex, int CCount);
    void UnSelectCols(int ColIndex, int CCount);
    void SelectRange(int FromCol, int ToCol, int FromRow, int ToRow);
    void ClearRowSelect();
    void ClearColSelect();
    int RowSelectCount();
    int ColSelectCount();
    void FocusCell(int ACol, int ARow);
    void GotoCell(int ACol, int ARow);
    TGridRect Selection() const;
    void Set_Selection(const TGridRect &Value);
    void HideSelection();
    void UnHideSelection();
    bool SelHidden() const { return FSelHidden; }
    void SwapCells(TPoint FromCell, TPoint ToCell);
    void MoveCurrentCell(int ACol, int ARow);
    bool GetRowModified(int ARow) const;
    void SetRowModified(int ARow, bool Value);
    int ModifiedRowCount() const { return FFlags.Modified.Count_Set(); }
    bool GetRowEnabled(int ARow) const;
    void SetRowEnabled(int ARow, bool Value);
    void RegisterSelListener(IRIraRevadiVizoSelect *AListener) { FISelect = AListener; }
    void UnRegisterSelListener(IRIraRevadiVizoSelect *) { FISelect = nullptr; }
    IRIraRevadiVizoSelect *SelListener() const { return FISelect; }
    void RegisterNotifier(TGridChangeNotifier *ANotifier);
    void UnRegisterNotifier(TGridChangeNotifier *ANotifier);
    void RepaintRow(int ARow);
    void RepaintCol(int ACol);
    void RepaintRect(const TRect &R);
    void SelectionToRowSelect(bool AllRows);
    void SelectionToColSelect(bool AllCols);
    // Moves on after an edit by the Navigation rules. Skipping read-only
    // cells walks iteratively and visits each cell at most once.
    void NavigateAfterEdit(int ACol, int ARow, bool Force, bool AutoEdit, bool Forward, bool Recursing, bool Edit);
    // The first column the cursor may take (FixedCols, or 1 for node rows).
    virtual int FirstNavigableCol() { return FixedCols() == 0 && HasNodes() ? 1 : FixedCols(); }
    // The fixed right columns that are shown (hidden ones do not count).
    virtual int VisibleFixedRightCols();
    // Adds a row at the end for AdvanceInsert (the row insertion of the grid).
    virtual void AddRow() { Set_RowCount(RowCount() + 1); }
    bool SelectCell(int ACol, int ARow) override;
    // Runs the cell-selection check for the current cell again.
    void UpdateEditMode() { SelectCell(Col(), Row()); }
    // The grid's own character step, after the keyboard front end (RIraRevadiVizo_Lookup.cpp):
    // Escape in an editor puts the cell back; Enter on a cell that may not be
    // edited is swallowed; Enter on a cell control moves on; without editing
    // and with Navigation.AutoGotoWhenSorted typed letters find a row.
    void Grid_Key_Press(QChar &Key);
    // The text typed so far for the row lookup.
    QString SearchInc() const { return FSearchInc; }
    const TGridRowFlags &RowFlags() const { return FFlags; }
    const std::vector<int> &SelectedRows() const { return FFlags.SelectedRows; }
    int AECol() const { return FAECol; }
    int AERow() const { return FAERow; }

    // ===== focus, update batching, saved text (RIraRevadiVizo_Focus.cpp) =============
    // Nested batches: the count always moves; painting is off while it is above
    // 0 and resumes (with one repaint) when it returns to 0.
    void BeginUpdate();
    void EndUpdate();
    void StartUpdate() { ++FUpdateCount; }
    void ResetUpdate() { FUpdateCount = 0; }
    int UpdateCount() const { return FUpdateCount; }
    // The text a cell is saved as, and a loaded text into a cell (real column).
    virtual void GetSaveCellText(int ACol, int ARow, QString &Value);
    virtual void SetLoadedCellText(int ACol, int ARow, const QString &Value);
    virtual QString GetFormattedCell(int ACol, int ARow);
    bool ShowSelection() const { return FShowSelection; }
    void Set_ShowSelection(bool Value);
    TVAlignment VAlignment() const { return FVAlignment; }
    void Set_VAlignment(TVAlignment Value);
    bool SpreadSheet() const { return FSpreadSheet; }
    void Set_SpreadSheet(bool Value);
    int MaxEditLength() const { return FMaxEditLength; }
    void Set_MaxEditLength(int Value);
    bool Flat() const { return FFlat; }
    void Set_Flat(bool Value);
    // Switching it on (outside loading) sizes every column to its texts at once.
    bool AutoSize() const { return FAutoSize; }
    void Set_AutoSize(bool Value);

    // ===== the names the interaction and exchange code calls (the plain
    //       hand-overs in GridCallerNames.h) =========================================
    // The loop form: Cache (owned by the caller, empty at first) is filled
    // with the hidden rows' indexes on the first call and searched after.
    bool IsHiddenRow(int RowIndex, std::vector<int> &Cache) const;
    // Editing switched on (goEditing, RangeSelectAndEdit or the grid's own
    // override), the cell's rights allow it and the cell is not fixed.
    bool IsEditable(int ARealCol, int ARow);
    bool IsCellEditable(int ACol, int ARow);
    virtual void F2KeyHook() { F2KeyPressed(); }
    virtual void SelectAllHook(const TGridRect &) {}
    // The cell under a screen point; -1 for an axis outside the cells.
    void ScreenToCell(QPoint Pt, int &ACol, int &ARow) const;
    // Repaints the header cells of the old and the new current cell.
    void RepaintActiveHeaders(int OldCol, int OldRow, int NewRow, int NewCol);
    // Remembers a cell and its text as they were before editing.
    virtual void SaveOldCellValue(int ACol, int ARow);
    // Focus arrives and leaves: the old cell is remembered, a changed
    // rectangle becomes the disjunct row selection.
    void DoEnter() override;
    void DoExit() override;
    void Click() override;

    // ===== settings objects ===========================================================
    TNavigation &Navigation() { return FNavigation; }
    TMouseActions &MouseActions() { return FMouseActions; }
    TCellNode &CellNode() { return *FCellNode; }
    TSizeWhileTyping &SizeWhileTyping() { return FSizeWhileTyping; }
    TColumnSize &ColumnSize() { return *FColumnSize; }
    THTMLSettings &HTMLSettings() { return FHTMLSettings; }
    TPrintSettings &PrintSettings() { return FPrintSettings; }
    TGridSaveOptions &SaveOptions() { return FSaveOptions; }
    const TGridSaveOptions &SaveOptions() const { return FSaveOptions; }
    friend class TGridFormats;
    TSyncGrid &SyncGrid() { return FSyncGrid; }
    TBands &Bands() { return FBands; }
    TFocusHelper &FocusHelper() { return FFocusHelper; }
    const TFont &ActiveCellFont() const { return FActiveCellFont; }
    void Set_ActiveCellFont(const TFont &Value) { FActiveCellFont = Value; Invalidate(); }

    // ===== cell graphics, check boxes, layout, looks and painting =====================
    // (RIraRevadiVizo_Graphics.cpp, _CheckBoxes.cpp, _Layout.cpp, _Looks.cpp, _Paint.cpp)
    // Graphic objects: ACol is a real column; repaints go to its display column.
    virtual TCellType GetCellType(int ACol, int ARow);
    virtual TCellGraphic *GetCellGraphic(int ACol, int ARow);
    virtual TPoint GetCellGraphicSize(int ACol, int ARow);
    TCellGraphic *CreateCellGraphic(int ACol, int ARow);
    bool RemoveCellGraphic(int ACol, int ARow);
    bool RemoveCellGraphicOfType(int ACol, int ARow, TCellType Kind);
    bool CellTypeInSet(int ACol, int ARow, TCellTypes Kinds);
    bool IsDataGraphicCell(int ACol, int ARow);
    int GetCellImageData(int ACol, int ARow);
    void AddBitmap(int ACol, int ARow, TCellBitmap *ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val);
    TCellBitmap *CreateBitmap(int ACol, int ARow, bool Transparent, TCellHAlign hal, TCellVAlign val);
    TCellBitmap *GetBitmap(int ACol, int ARow);
    bool HasBitmap(int ACol, int ARow) { return GetBitmap(ACol, ARow) != nullptr; }
    bool RemoveBitmap(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctBitmap); }
    void AddPicture(int ACol, int ARow, TCellBitmap *APicture, bool Transparent, TStretchMode StretchMode,
                    int Padding, TCellHAlign hal, TCellVAlign val);
    TCellBitmap *CreatePicture(int ACol, int ARow, bool Transparent, TStretchMode StretchMode, int Padding,
                               TCellHAlign hal, TCellVAlign val);
    TCellBitmap *GetPicture(int ACol, int ARow);
    bool HasPicture(int ACol, int ARow) { return GetPicture(ACol, ARow) != nullptr; }
    bool RemovePicture(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctPicture); }
    // Icons, file pictures and cells that draw themselves
    // (RIraRevadiVizo_GraphicKinds.cpp). Add... leaves the object the
    // caller's; Create... makes one the graphic owns.
    void AddIcon(int ACol, int ARow, TCellIcon *AIcon, TCellHAlign hal, TCellVAlign val);
    TCellIcon *CreateIcon(int ACol, int ARow, TCellHAlign hal, TCellVAlign val);
    TCellIcon *GetIcon(int ACol, int ARow);
    bool RemoveIcon(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctIcon); }
    void AddFilePicture(int ACol, int ARow, TCellFilePicture *AFilePicture, bool Transparent,
                        TStretchMode StretchMode, int Padding, TCellHAlign hal, TCellVAlign val);
    TCellFilePicture *CreateFilePicture(int ACol, int ARow, bool Transparent, TStretchMode StretchMode, int Padding,
                                        TCellHAlign hal, TCellVAlign val);
    TCellFilePicture *GetFilePicture(int ACol, int ARow);
    bool RemoveFilePicture(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctFilePicture); }
    void AddInterfacedCell(int ACol, int ARow, TCellDrawInterface *AObject);
    TCellDrawInterface *GetInterfacedCell(int ACol, int ARow);
    bool RemoveInterfacedCell(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctInterface); }
    // The extent a graphic takes when the column grid draws it or it is
    // printed (the measuring extent is CalcCellGraphicSize).
    virtual TPoint CalcCellGraphicDrawSize(int ACol, int ARow, const TRect &CellRect);
    // Image-list kinds (nothing is added without GridImages).
    TImageList *GridImages() const { return FGridImages; }
    void Set_GridImages(TImageList *Value);
    virtual TImageList *GetGridImages() { return FGridImages; }
    void AddImageIdx(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val);
    bool GetImageIdx(int ACol, int ARow, int &idx);
    void SetImageIdx(int ACol, int ARow, int Idx);
    bool RemoveImageIdx(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctImageList); }
    void AddDataImage(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val);
    bool HasDataImage(int ACol, int ARow) { return CellTypeInSet(ACol, ARow, {ctDataImage}); }
    void RemoveDataImage(int ACol, int ARow);
    void AddMultiImage(int ACol, int ARow, int Dir, TCellHAlign hal, TCellVAlign val);
    TIntList *GetCellImages(int ACol, int ARow);
    bool RemoveMultiImage(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctImages); }
    void AddProgress(int ACol, int ARow, TColor FGColor, TColor BKColor);
    void AddProgressEx(int ACol, int ARow, TColor FGColor, TColor FGTextColor, TColor BKColor, TColor BKTextColor);
    void AddProgressFormatted(int ACol, int ARow, TColor FGColor, TColor FGTextColor, TColor BKColor,
                              TColor BKTextColor, const QString &Fmt, int Min, int Max);
    bool HasProgress(int ACol, int ARow) { return CellTypeInSet(ACol, ARow, {ctProgress}); }
    bool RemoveProgress(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctProgress); }
    void AddDarAzidProgress(int ACol, int ARow, int Min, int Max);
    bool RemoveDarAzidProgress(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctXPProgress); }
    void AddProgressPie(int ACol, int ARow, TColor Color, int Value);
    void SetProgressPie(int ACol, int ARow, int Value);
    bool RemoveProgressPie(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctProgressPie); }
    void AddRangeIndicator(int ACol, int ARow, int Range, TColor NegColor, TColor PosColor, bool ShowValue);
    bool RemoveRangeIndicator(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctRangeIndicator); }
    void AddComment(int ACol, int ARow, const QString &Comment);
    void AddColorComment(int ACol, int ARow, const QString &Comment, TColor Color);
    QString GetComment(int ACol, int ARow);
    void SetComment(int ACol, int ARow, const QString &Value);
    bool IsComment(int ACol, int ARow, QString &Comment);
    bool RemoveComment(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctComment); }
    void RemoveAllComments();
    void AddShape(int ACol, int ARow, TCellShape Shape, TColor FillColor, TColor LineColor, TCellHAlign hal,
                  TCellVAlign val);
    void SetShapeColor(int ACol, int ARow, TColor FillColor);
    TColor GetShapeColor(int ACol, int ARow);
    bool RemoveShape(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctShape); }
    void AddRating(int ACol, int ARow, int Scale, TColor FillColor, TColor EmptyColor);
    bool HasRating(int ACol, int ARow) { return CellTypeInSet(ACol, ARow, {ctRating}); }
    bool RemoveRating(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctRating); }
    void AddButton(int ACol, int ARow, int bw, int bh, const QString &Caption, TCellHAlign hal, TCellVAlign val);
    void AddBitButton(int ACol, int ARow, int bw, int bh, const QString &Caption, TCellBitmap *Glyph,
                      TCellHAlign hal, TCellVAlign val);
    TCellBitmap *CreateBitButton(int ACol, int ARow, int bw, int bh, const QString &Caption, TCellHAlign hal,
                                 TCellVAlign val);
    // Display column; only a button or bit button answers (true).
    bool SetButtonText(int ACol, int ARow, const QString &Caption);
    QString GetButtonText(int ACol, int ARow);
    bool PushButton(int ACol, int ARow, bool Push);
    bool HasButton(int ACol, int ARow) { return CellTypeInSet(ACol, ARow, {ctButton, ctBitButton}); }
    bool RemoveButton(int ACol, int ARow);
    bool RemoveBitButton(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctBitButton); }
    void RemoveAllButtons();
    TRect GetCellButtonRect(int ACol, int ARow);
    void AddScrollBar(int ACol, int ARow, bool AutoRange);
    bool HasScrollBar(int ACol, int ARow) { return CellTypeInSet(ACol, ARow, {ctScrollbar}); }
    bool HasAutoRangeScrollBar(int ACol, int ARow);
    void SetScrollPosition(int ACol, int ARow, int Pos);
    int GetScrollPosition(int ACol, int ARow);
    void SetScrollProp(int ACol, int ARow, TScrollProp Prop);
    TScrollProp GetScrollProp(int ACol, int ARow);
    bool RemoveScrollBar(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctScrollbar); }
    void AddMarker(int ACol, int ARow, int ErrPos, int ErrLen);
    void GetMarker(int ACol, int ARow, int &ErrPos, int &ErrLen);
    void RemoveMarker(int ACol, int ARow);
    void RemoveAllMarkers();
    void AddRotated(int ACol, int ARow, int AAngle, const QString &s);
    void SetRotated(int ACol, int ARow, int AAngle);
    bool IsRotated(int ACol, int ARow, int &aAngle);
    bool RemoveRotated(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctRotated); }
    void AddBalloon(int ACol, int ARow, const QString &Title, const QString &Text, TBalloonIcon Icon);
    bool IsBalloon(int ACol, int ARow, QString &Title, QString &Text, TBalloonIcon &Icon);
    bool HasBalloon(int ACol, int ARow) { return CellTypeInSet(ACol, ARow, {ctBalloon}); }
    void RemoveBalloon(int ACol, int ARow);
    // What the balloon tip of (real ACol, ARow) shows: the cell's text as plain
    // text (or the cell's own balloon), then OnCellBalloon may change it.
    void GetBalloonTip(int ACol, int ARow, QString &Title, QString &Text, int &Icon);
    void AddRadio(int ACol, int ARow, int DirRadio, int IdxRadio, const QStringList &sl);
    QStringList *CreateRadio(int ACol, int ARow, int DirRadio, int IdxRadio);
    bool GetRadioIdx(int ACol, int ARow, int &IdxRadio);
    // Only a radio group takes the index (true); other kinds are left alone.
    bool SetRadioIdx(int ACol, int ARow, int IdxRadio);
    QStringList GetRadioStrings(int ACol, int ARow);
    bool IsRadio(int ACol, int ARow) { return CellTypeInSet(ACol, ARow, {ctRadio}); }
    bool RemoveRadio(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctRadio); }
    void AdvanceRadio(int ACol, int ARow, bool FromUser);
    void AddExpand(int ACol, int ARow, int ExpandedHeight);
    bool HasExpand(int ACol, int ARow) { return CellTypeInSet(ACol, ARow, {ctExpand}); }
    bool ToggleExpand(int ACol, int ARow);
    bool GetExpandState(int ACol, int ARow);
    int GetExpandHeight(int ACol, int ARow, bool Expanded);
    bool RemoveExpand(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctExpand); }
    TRect GetExpandRect(int ACol, int ARow);
    // The grid's shared row check box (column 0 under HotmailRowSelect).
    TCellGraphic &RowCheckBoxGraphic() { return FRowCheckBox; }

    // Check boxes and radio buttons. AddCheckBox and AddRadioButton raise
    // Exception("Invalid cell") outside the grid (hidden rows and columns count).
    void AddCheckBox(int ACol, int ARow, bool State, bool Data);
    void AddCheckBox(int ACol, int ARow, TCheckBoxState State);
    void RemoveCheckBox(int ACol, int ARow);
    void AddCheckBoxColumn(int ACol, bool DefaultState = false, bool DataCheckBox = false);
    void AddTriStateCheckBoxColumn(int ACol, TCheckBoxState State);
    void RemoveCheckBoxColumn(int ACol);
    void AddRadioButton(int ACol, int ARow, bool State = false);
    void RemoveRadioButton(int ACol, int ARow);
    void AddRadioButtonColumn(int ACol);
    void RemoveRadioButtonColumn(int ACol);
    bool HasCheckBox(int ACol, int ARow) { return CellTypeInSet(ACol, ARow, CheckBoxKinds); }
    bool HasDataCheckBox(int ACol, int ARow) { return CellTypeInSet(ACol, ARow, DataCheckBoxKinds); }
    bool HasRadioButton(int ACol, int ARow) { return CellTypeInSet(ACol, ARow, {ctRadioButton}); }
    bool IsRadioButtonChecked(int ACol, int ARow);
    bool IsInCheckBox(int ACol, int ARow, int XPos, int YPos);
    static TCheckBoxState BoolToCheckBoxState(bool bChecked) { return bChecked ? cbChecked : cbUnchecked; }
    bool GetCheckBoxState(int ACol, int ARow, TCheckBoxState &State);
    bool GetCheckBoxState(int ACol, int ARow, bool &State);
    bool IsChecked(int ACol, int ARow);
    bool SetCheckBoxState(int ACol, int ARow, bool State);
    bool SetCheckBoxState(int ACol, int ARow, TCheckBoxState State);
    bool SetCheckBoxStateNotify(int ACol, int ARow, bool Value);
    void CheckAll(int ACol);
    void UnCheckAll(int ACol);
    bool ToggleCheckBox(int ACol, int ARow) { return ToggleCheck(ACol, ARow, false); }
    virtual bool ToggleCheck(int ACol, int ARow, bool FromUser);
    void Undo_Write(int c, int r, const QString &Value) override;
    virtual bool ToggleRadioButton(int ACol, int ARow, bool FromUser);
    bool SetRadioButtonState(int ACol, int ARow, bool State);
    void SetRadioButtonColumnIndex(int ACol, int Index);
    int GetRadioButtonColumnIndex(int ACol);
    // Checking a node row's box checks its children; a child's box sets the
    // node's tri-state box (checked, unchecked or grayed when they differ).
    bool AutoCheckGroup() const { return FAutoCheckGroup; }
    void Set_AutoCheckGroup(bool Value) { FAutoCheckGroup = Value; }

    // Layout and measuring.
    TCellGraphic *GetCellGraphicLayout(int ACol, int ARow, int &Width, int &Height, bool &DrawText,
                                       TCellHAlign &HAlign, TCellVAlign &VAlign);
    TGraphicMetrics Graphic_Metrics(int ACol, int ARow);
    void CalcCellAlignment(int ACol, int ARow, TAlignment &HA, TVAlignment &VA);
    bool IsSortRow(int ACol, int ARow);
    int GetNodeIndent(int ARow) override;
    void GetFontProperties(int ACol, int RCol, int ARow, TGridDrawState &AState, TFont &AFont, TBrush &ABrush,
                           bool Remap);
    // Size the text of (real ACol, ARow) needs; VS: the height when it wraps
    // in the cell's width; SB: keep 17 pixels for a scroll bar.
    TPoint GetCellTextSize(int ACol, int ARow, bool VS, bool SB);
    TPoint CalcCellTextSize(int ACol, int DisplayCol, int ARow, bool VS, bool SB);
    virtual TPoint CalcCellGraphicSize(int ACol, int ARow, int Reserve);
    bool AutoNumAlign() const { return FAutoNumAlign; }
    void Set_AutoNumAlign(bool Value);
    bool EnhTextSize() const { return FEnhTextSize; }
    void Set_EnhTextSize(bool Value);
    bool URLShow() const { return FURLShow; }
    void Set_URLShow(bool Value);
    bool URLFull() const { return FURLFull; }
    void Set_URLFull(bool Value);
    bool NoImageAndText() const { return FNoImageAndText; }
    void Set_NoImageAndText(bool Value);
    bool URLShowInText() const { return FURLShowInText; }
    void Set_URLShowInText(bool Value);
    // The display text: the base hook, then a web or mail address in the
    // text made a link (with URLShowInText).
    void GetDisplText(int ACol, int ARow, QString &Value) override;

    // Looks, styles and colour tones.
    TGridLook Look() const { return FLook; }
    void Set_Look(TGridLook Value);
    virtual void SetStyle(VOdeGridStyle AStyle);
    void SetComponentStyle(TQelStyle AStyle);
    void SetColorTones(const TColorTones &ATones);
    void SetTheme(TXPColorScheme Scheme);
    void ThemeAdapt();
    void AdaptToVisualStyle();
    bool UseVisualStyle() const { return FVisualStyle; }
    TQelStyle ComponentStyle() const { return FComponentStyle; }
    const TColorTones &ColorTones() const { return FColorTones; }
    TControlLook &ControlLook() { return FControlLook; }
    TSortSettings &SortSettings() { return FSortSettings; }
    const TBackGround &BackGround() const { return FBackGround; }
    const TFixedGradientColors &FixedGradient() const { return FFixedGradient; }
    TFixedGradientColors &FixedGradientEffective() { return FFixedGradient; }
    int SelectionColorMixerFactor() const { return FSelectionColorMixerFactor; }
    void Set_SelectionColorMixerFactor(int Value);   // kept within 0..100
    bool SelectionColorMixer() const { return FSelectionColorMixer; }
    void Set_SelectionColorMixer(bool Value);
    bool SelectionRectangle() const { return FSelectionRectangle; }
    void Set_SelectionRectangle(bool Value);
    bool SelectionResizer() const { return FSelectionResizer; }
    void Set_SelectionResizer(bool Value);
    TColor ShowModifiedColor() const { return FShowModified.Color(); }
    void Set_ShowModifiedColor(TColor Value);
    TColor SearchFooterColor() const { return FSearchFooterColor; }
    TColor SearchFooterColorTo() const { return FSearchFooterColorTo; }
    bool Ctl3D() const { return FCtl3D; }
    // The colours of the markup's highlight; a change is handed to the markup renderer.
    TColor HighlightColor() const { return FHighlightColor; }
    void Set_HighlightColor(TColor Value);
    TColor HighlightTextColor() const { return FHighlightTextColor; }
    void Set_HighlightTextColor(TColor Value);
    // Follows the office suite's colour theme (ThemeAdapt) while on.
    bool AutoThemeAdapt() const { return FAutoThemeAdapt; }
    void Set_AutoThemeAdapt(bool Value);
    // The fixed cell under the pointer (-1, -1 for none) and whether a button
    // is held on it, as the mouse code reports them; such a cell shows the
    // hover or pressed face where HoverFixedCells allows it.
    void Set_Hovered_Fixed_Cell(int ACol, int ARow, bool Down);
    TPoint Hovered_Fixed_Cell() const { return FHoverFixed; }
    // The cell (display column, row) whose button is under the pointer and
    // drawn hot; (-1, -1) for none. Follows mouse moves and the pointer leaving.
    TPoint Hot_Button_Cell() const { return FHotButton; }
    // "Standard", "Soft", ... and "glStandard", ...; glCustom leaves Name as it is.
    static void LookToString(TGridLook Look, QString &Name);
    static void LookToIdent(TGridLook Look, QString &Name);

    // Painting.
    void Paint() override;
    void GetVisualProperties(int ACol, int ARow, TGridDrawState &AState, bool Print, bool Select, bool Remap,
                             TBrush &ABrush, TColor &AColorTo, TColor &AMirrorColor, TColor &AMirrorColorTo,
                             TFont &AFont, TAlignment &HA, TVAlignment &VA, bool &WW,
                             TCellGradientDirection &GD) override;
    void PaintCellContent(TCanvas &Canvas, int ACol, int ARow, const TRect &R, TGridDrawState State) override;
    // Draws the graphic of (real ACol, ARow) in R; returns the rectangle left for what follows.
    TRect DrawCellGraphic(TCanvas &Canvas, int ACol, int ARow, TRect R, TCellGraphic *Graphic, TGridDrawState State,
                          int TextWidth);
    void DrawCheckBox(TCanvas &Canvas, TRect ARect, bool Checked, bool Enabled, bool Grayed, TControlStyle Style,
                      bool IsTriState, TCheckBoxState TriState);
    void DrawRadioGroup(TCanvas &Canvas, TRect ARect, int Count, int ItemIndex, bool Horizontal, bool Disabled,
                        const QStringList &Items, bool Selected, int ACol, int ARow, TControlStyle Style, int Scale,
                        bool Upward);
    void DrawSortIndicator(TCanvas &Canvas, int ACol, int X, int Y);
    void DrawCellBorders(TCanvas &Canvas, int ACol, int ARow, const TRect &R);
    // The window border in BorderColor for the soft and gradient looks (not
    // while an update batch is open, not for a flat grid).
    void PaintBorder(QPainter &Painter, const TRect &Bounds) override;
    // A rich-text cell (real ACol) drawn into ARect; printed without the selection's colours.
    void PaintRichTextCell(int ACol, int ARow, TCanvas &Canvas, const TRect &ARect, bool Printing = false);
    // Rich text keeps its own colours when selected.
    bool SelectionRTFKeep() const { return FSelectionRTFKeep; }
    void Set_SelectionRTFKeep(bool Value) { FSelectionRTFKeep = Value; }
    static int ClampPercent(int Value) { return Value < 0 ? 0 : Value > 100 ? 100 : Value; }
    // The colours an unselected cell had in the last GetVisualProperties.
    TColor UnselectedBrushColor() const { return FUnselBrush; }
    TColor UnselectedFontColor() const { return FUnselFont; }

    // The filter row's drop-down glyphs, the row indicator drawn in the fixed
    // column of the current row, the sizing lines, and the upkeep of cell
    // scroll bars with automatic range (RIraRevadiVizo_PaintExtras.cpp).
    TFilterDropDown &FilterDropDown() { return FPaintExtras.FilterDropDown; }
    const QImage &RowIndicator() const { return FPaintExtras.RowIndicator; }
    void Set_RowIndicator(const QImage &Value);
    // A dotted line that inverts what it crosses: drawing it at the same place
    // again takes it away. Columns: top to the larger of the control height and
    // the last row's bottom; rows: left to the larger of the width and the last
    // column's right.
    void DrawColSizingLine(int X);
    void DrawRowSizingLine(int Y);
    void DrawColSizingLine(int OldX, int NewX) override;
    void DrawRowSizingLine(int OldY, int NewY) override;
    bool ColSizingLineShown(int X) const;
    bool RowSizingLineShown(int Y) const;
    void CellTextChanged(int ACol, int ARow) override;

private:
    // The cell painter's helpers (GridCellPainter.h) read the grid's state.
    friend struct TCellPainter;
    void Paint_Sizing_Line() override;
    // The cell's scroll bar at the right of R (R.Right moves left); the
    // content then moves up by the position.
    void Paint_Cell_Scroll_Bar(TCanvas &Canvas, const TCellGraphic &Graphic, TRect &R);
    // Row indicator, filter glyph and list-view header face of a fixed cell.
    int Paint_Row_Indicator(TCanvas &Canvas, int RCol, int ARow, TRect &R);
    bool Shows_Filter_Glyph(int RCol, int ARow);
    void Paint_Filter_Glyph(TCanvas &Canvas, int RCol, const TRect &T);
    void Paint_ListView_Header(TCanvas &Canvas, int DCol, int ARow, TRect R);
    // node records read by group checking (column 0's ctNode graphic)
    bool Is_Node_Row(int ARow);
    int Node_Span(int ARow);
    int Parent_Node_Row(int ARow);
    TCellGraphic *Graphic_For_State(int ACol, int ARow, QString &Text);
    void Check_Add_Cell(int ACol, int ARow) const;
    void Repaint_Real(int ACol, int ARow);
    void Paint_Fixed_Face(TCanvas &Canvas, int RCol, int ARow, TRect &R, TColor Brush, TColor ColorTo,
                          TColor MirrorColor, TColor MirrorColorTo);
    TRect Draw_Cell_Text(TCanvas &Canvas, int ACol, int RCol, int ARow, TRect R, TGridDrawState State,
                         const TGraphicLayout &GL, TAlignment HA, TVAlignment VA, bool WW, int &TextWidth);
    void Draw_Node_Button(TCanvas &Canvas, int ARow, TRect R, TCellGraphic *Graphic);
    void Draw_Cell_Background(TCanvas &Canvas, int ACol, int RCol, int ARow, const TRect &T, bool Fixed,
                              bool DrawnSelected);
    void Track_Hot_Button(int X, int Y);
    void Register_Theme_Window();

public:
    // ===== properties with their defaults =============================================
    // (listed with their types and defaults in RIraRevadiVizo_p.h)
    BC_STRINGGRID_REPAINTING_PROPS(BC_GRID_PROP)
    BC_STRINGGRID_PLAIN_PROPS(BC_GRID_FIELD)
    BC_STRINGGRID_SAVE_OPTIONS(BC_GRID_SAVE_OPTION)

    // ===== editing: rights, validation, editors and the flow (RIraRevadiVizo_Edit*.cpp)
    // Typed text goes through CanEditShow, which opens the text editor or sets
    // up a special editor control over the cell; the value passes ValidateCell
    // before it stays, and the end of an edit fires OnEditingDone at once and
    // OnEditCellDone from a posted message after the current key or click.
public:
    // (the state of the edit under way and the editing settings: GridEditState.h)

    // --- rights and the cell-selection check
    // The base cell holds a control the user toggles by click or Space
    // (check box, radio, button); such a cell never opens an editor.
    virtual bool HasCellControl(int ACol, int ARow);
    // Fires OnRowChanging, OnColChanging, then OnCellChanging (not while
    // changes are suppressed) for a move from the current cell.
    virtual void CellChanging(int NewCol, int NewRow, bool &Allow);
    // Tab is the editor's to handle: goTabs, or a validation handler is set.
    bool EditorHandlesTab() const;

    // --- the flow (public: keyboard, mouse and column code call them)
    // Opens the editor of the current cell (nothing on a control cell).
    void ShowInplaceEdit();
    // Closes the open editor and commits its value; nothing when none is open.
    void HideInplaceEdit();
    // OnEditingDone now; OnEditCellDone (ACol real column, ARow) once the
    // posted message arrives.
    void PostEditDone(int ACol, int ARow);
    // An editor control ends with a key: commit, replay Tab and arrows on the
    // grid, Enter advances as after an edit.
    void DoneInplaceEdit(TKey Key, TShiftState Shift);
    // One Tab step (RIraRevadiVizo_Tab.cpp): the next cell keyboard navigation
    // may land on, wrapping into the next row; false when the step was
    // handed to the parent window.
    bool TabToNextCell(bool Backward);
    // A left press and release at 2 pixels inside the cell's top-left corner,
    // through the platform grid's own handling, moving the current cell as a
    // click does (the user's mouse handlers are not called).
    void SimulateCellClick(int ACol, int ARow);
    void Select() { SelectCell(Col(), Row()); }
    void EditCell(int ACol, int ARow);
    void ShowCellEdit() { ShowInplaceEdit(); }
    void HideCellEdit() { HideInplaceEdit(); }
    // Puts the text of the cell before editing back into the current cell.
    void ApplyCellCache();
    // The current cell's base cell, raw.
    QString CurrentCell();
    void Set_CurrentCell(const QString &Value);
    // Writes the current (base) cell through the grid's edit-text write.
    void SetCurrentCellEx(const QString &Value);
    // The edit-button hook: OnEllipsClick may change the text.
    virtual QString EllipsClick(const QString &Value);
    virtual void SetupInplaceEditor(int ACol, int ARow);
    virtual void CommitInplaceEditor(int ACol, int ARow);
    bool CanEditShow() override;
    TInplaceEdit *CreateEditor() override;
    int GetEditLimit() override;
    void Registered_Message(int Message, std::intptr_t WParam, std::intptr_t LParam) override;
    // Sets the text editor's right alignment for a cell (GetEditText does so).
    void Align_Text_Editor(int ACol, int ARow);
    // Cell writes from the editor wait while a refused value is put back
    // into it (the cell keeps its text then).
    bool HoldCell() const { return FHoldCell; }
    // An editor control's text changed: OnEditChange, and once a text editor
    // has been shown, the cell follows the text while the editor is open.
    void Editor_Text_Edited(const QString &Text);
    // The text of a fixed-cell editor (Sender, GridTransEditors.h) changed:
    // OnEditChange with its cell (real column) and text.
    void FixedEditChange(QObject *Sender);
    // Remembers the edited cell (real column), its text and the modified flags.
    void SaveOldCellText(int ACol, int ARow) { SaveOldCellValue(ACol, ARow); }

    // --- combo items (one combo editor for the whole grid)
    void ClearComboString();
    void AddComboString(const QString &S);
    void AddComboStringObject(const QString &S, TObject *AObject);
    bool RemoveComboString(const QString &S);
    bool SetComboSelectionString(const QString &S);
    void SetComboSelection(int Idx) { FComboIdx = Idx; }
    int GetComboCount();
    int GetComboIndex(int ACol, int ARow);
    void SetComboIndex(int ACol, int ARow, int Value);

    // --- the editor controls (created on first use, children of the grid)
    TGridSpin *SpinEdit();
    TGridCombo *Combobox();
    TGridEditBtn *BtnEdit();
    TGridUnitEditBtn *BtnUnitEdit();
    TGridCheckBox *EditCheck();
    TGridButton *Btn();
    TGridDatePicker *DateTimePicker();
    VOdeInplaceEdit *GetNormalEdit() const;
    // The drop-down editor of a drop-down kind (a widget that is an
    // IGridDropDownEditor): the grid's own (TrackbarDropDown() and its
    // siblings) unless a descendant supplies another.
    virtual QWidget *DropDownEditor(TEditorType Kind);

private:
    friend class VOdeInplaceEdit;
    bool Select_Cell_Editing(int ACol, int ARow);
    void Show_Invalid_Entry();
    void Put_Away(QWidget *W);
    void Show_Editor_Control(QWidget *W, int L, int T, int Wd, int H);
    void Post_Start_Char(QWidget *W);
    void Write_Edit_Value(int ACol, int ARow, const QString &V);

public:
    // ===== scrolling and sizing (RIraRevadiVizo_Scroll.cpp; plain settings and
    //       the state the mouse leaves in GridMouseState.h) ==========================
    // Bars: a thumb in proportion to the visible share of the grid runs over
    // 128 positions (0..127); without it a bar position is a row or column
    // offset. Hints show the row or column under a dragged thumb.
    bool ScrollProportional() const { return FScrollProportional; }
    void Set_ScrollProportional(bool Value);
    TScrollBarAlways ScrollBarAlways() const { return FScrollBarAlways; }
    void Set_ScrollBarAlways(TScrollBarAlways Value);
    // Shows, hides, enables and disables the bars by what fits (Force: also
    // hide bars that are not needed when ScrollBarAlways is saNone).
    void UpdateScrollBarVisibility(bool Force);
    void UpdateHorzScrollProportional();
    void UpdateVertScrollProportional();
    // Whether a bar holds proportional positions now.
    bool Bar_Is_Proportional(Qt::Orientation Bar) const { return FPropBar[Bar == Qt::Vertical ? 1 : 0]; }
    // The row (column) a bar position stands for.
    int Bar_Row_Or_Col(Qt::Orientation Bar, int Pos) const;
    void WMHScroll(TWMScroll &Message) override;
    void WMVScroll(TWMScroll &Message) override;
    bool ScrollHintShowing() const { return FScrollHintShow; }
    class QLabel *ScrollHintWindow() const { return FScrollHintWnd; }
    // Scrolls so that the cell is visible: a cell out of view becomes the
    // current cell and is centred.
    void ScrollInView(int ColIndex, int RowIndex);
    TDragScrollOptions &DragScrollOptions() { return FDragScrollOptions; }
    void Set_DragScrollOptions(const TDragScrollOptions &Value) { FDragScrollOptions.Assign(Value); }
    void DragOver(QObject *Source, int X, int Y, TGridDragState State, bool &Accept) override;
    // One tick of scrolling while a drag hovers in a margin.
    void DragScrollStep();
    class QTimer *DragScrollTimer() const { return FDragTmr; }
    TDragScrollDirection DragScrollDirection() const { return FDragScrollDirection; }
    // Stretches a column (-1: the last) to fill the client width while
    // ColumnSize.Stretch is on; std::runtime_error for an index beyond the columns.
    void StretchColumn(int Index);
    void StretchRightColumn() { StretchColumn(ColCount() - 1); }
    void SizeChanged(int OldColCount, int OldRowCount) override;
    void ColWidthsChanged() override;
    // Moves Count rows from FromIndex so that they stand at ToIndex (an index
    // past the block counts before the block is taken out).
    void MoveRows(int FromIndex, int ToIndex, int Count);
    // A client point on a column border near the header, or a row border
    // near the fixed column, where sizing may start.
    bool IsOnSizingBorder(int X, int Y);
    void UpdateXYOffset(int X, int Y) { FXYOffset = TPoint{X, Y}; }
    // Normal, flat and Encarta types keep the standard bars here; the metro
    // type replaces them with two thin scroll controls at the right and bottom.
    TScrollType ScrollType() const { return FScrollType; }
    void Set_ScrollType(TScrollType Value);
    void CreateMetroScrollBars();   // both controls, where missing
    class TScrollControl *VertScrollControl() const { return FVScrlCtrl; }
    class TScrollControl *HorzScrollControl() const { return FHScrlCtrl; }
    // The colour of the arrows that mark where a dragged column or row lands.
    TColor ArrowColor() const;
    void Set_ArrowColor(TColor Value);
    class TArrowWindow *Arrow(TArrowDirection Dir) const;
    void CreateWnd() override;

    // ===== mouse wheel lines per notch (RIraRevadiVizo_Wheel.cpp) ==========
    // Lines one wheel notch moves, taken from the system setting when the
    // window is created.
    int WheelScrollLines() const { return FWheelScrollLines; }
    // The lines per notch for a system setting: a page setting (negative or
    // beyond any sensible line count) means the visible rows, at least one.
    static int WheelLinesFor(int SystemSetting, int VisibleRows);
    void Update_Wheel_Lines();

    // ===== focus, cursor and control messages (RIraRevadiVizo_Messages.cpp) ==========
    Qt::CursorShape WMSetCursor(TPoint Pos) override;
    // The pointer is over (Size) or sizing (Sizing) a fixed column (row) border.
    void Set_Fixed_Border_State(bool SizeFixed, bool SizingFixed, bool SizeFixedR, bool SizingFixedR);
    virtual void CMCursorChanged();
    int WMGetDlgCode() override;
    // The hint of the cell under a client point; clearing CanShow suppresses it.
    virtual void CellHintShow(TPoint Pos, QString &HintStr, bool &CanShow);
    bool CMHintShow(TPoint Pos, QString &Hint) override;
    void CMEnabledChanged() override;
    void CMColorChanged() override;
    void Notification(QObject *AComponent, TOperation Operation) override;
    void ResetFixedCellHighlight();
    // The Insert and Delete keys' rows (real row index): one row inserted
    // before it; the row removed, or only cleared when it is the one data
    // row left (and FixedRowAlways is off), then OnAutoDeleteRow.
    virtual void InsertRowHook(int ARow);
    virtual void DeleteRowHook(int ARow);

    // ===== focus frame and empty-area background (RIraRevadiVizo_FocusFrame.cpp) =====
    // A glowing frame (a plain one where the platform has no translucent
    // windows) in a window of its own around a cell (client rectangle).
    void ShowFocusWindow(const TRect &R);
    void MoveFocusWindow();
    void HideFocusWindow();
    class TGridFocusWindow *FocusWindow() const { return FFocusWindow; }
    // The grid whose focus frame shows (nullptr when none).
    static RIraRevadiVizo *Focus_Window_Grid();
    static void SetLayeredMask(QWidget *Wnd, const class TGridAlphaMask &Mask);
    TBackGround &BackGround() { return FBackGround; }
    void Set_BackGround(const TBackGround &Value) { FBackGround.Assign(Value); Invalidate(); }
    void PaintEmptyArea() override;

    // ===== design-time configuration box (RIraRevadiVizo_DesignHelper.cpp) ============
    // The grid is being designed (never at run time unless a program says so):
    // the quick-configuration box and the header's column numbers show then.
    bool Designing() const { return FDesigning; }
    void Set_Designing(bool Value);
    bool ShowColNrs() const { return FShowColNrs; }
    // Draws the box (designing with ShowDesignHelper) at the end of painting.
    virtual void PaintDesignHelper();
    // The box line under a client point: 1 Allow edit, 2 Column numbers,
    // 3 Set look, 4 close; -1 for none.
    int DesignHelperHitTest(int X, int Y);
    virtual void DesignHelperClick(int X, int Y);
    // Whether the grid wants the mouse at a client point while designed (1)
    // or not (0); repaints the box when the line under the point changes.
    int CMDesignHitTest(int X, int Y);
    // The look menu's items in order (caption, identifier = look + 1) and
    // the menu itself (the identifier chosen, 0 for none).
    static std::vector<std::pair<QString, int>> Design_Look_Menu_Items();
    virtual int DesignLookMenu(QPoint Global);
    static QString Look_Display_Name(TGridLook Look);
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

    // ===== controls placed in cells (RIraRevadiVizo_CellControls.cpp) =================
    // The list of controls over cells (display column X, row Y). Rebuilding
    // collects the controls the cells' properties hold; every update lays each
    // control over its cell and shows it only while its cell is in view.
    TControlList &ControlList() { return FControlList; }
    void CellControlsUpdate(bool RebuildList);
    // Renumbers the controls' columns (rows) for a move From -> To.
    void Move_Cell_Controls(bool Columns, int FromIndex, int ToIndex);
    QWidget *GetCellControls(int ACol, int ARow);
    // Moving a column or row takes the controls of its cells along; the
    // first column move starts the column order (SetColumnOrder).
    void MoveColumn(int FromIndex, int ToIndex);
    void MoveRow(int FromIndex, int ToIndex);
    // The column order list: identity order, and kept in step by every move
    // (with EnhRowColMove the width, or a row's height, moves along; the
    // controls over cells move with their column or row) (RIraRevadiVizo_ColumnOrder.cpp).
    void SetColumnOrder();
    void ColumnMoved(int FromIndex, int ToIndex) override;
    void RowMoved(int FromIndex, int ToIndex) override;
    // Whether something follows column moves one by one (OnColumnMoved, or a
    // descendant that keeps its own per-column data in step in ColumnMoved).
    // Only then does a whole new arrangement run as single moves; otherwise
    // it is applied in one pass.
    virtual bool Column_Moves_Observed() const { return static_cast<bool>(OnColumnMoved); }

    // ===== bottom panels and integral height (RIraRevadiVizo_Panels.cpp) ==============
    // The floating footer's and the search footer's panels sit below the cells
    // (above the horizontal bar); the cells' area ends where they begin.
    class TFooterPanel *FooterPanel() const { return FPanels.Footer(); }
    class TSearchPanel *SearchPanel() const { return FPanels.Search(); }
    // The search footer's panel shows 32 pixels high, or hides (height 0).
    void Set_Search_Panel_Visible(bool Value);
    bool Search_Footer_Visible() const;
    int Search_Panel_Height() const;
    // The floating footer's panel shows Height pixels high, or hides.
    void Set_Footer_Panel(bool Visible, int Height);
    bool Floating_Footer_Visible() const;
    // Keeping the last row clear of the search footer.
    bool IsLastRowAboveSearchFooter();
    void ScrollAboveSearchFooter();
    // Alt + a character: the search footer's Find next, Find previous and
    // Highlight buttons answer their accelerators; true when one ran.
    bool CMDialogChar(QChar Key);
    // Sets the bounds; with IntegralHeight the height holds whole rows.
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);

protected:
    void ScrollBarsUpdated() override;
    int Bar_Offset(Qt::Orientation Bar, int Pos) const override;
    int Bar_Position(Qt::Orientation Bar) const override;
    void focusInEvent(QFocusEvent *Event) override;
    void focusOutEvent(QFocusEvent *Event) override;

private:
    void Horz_Proportional();
    void Vert_Proportional();
    void Apply_Bar_Policies();
    void Show_Scroll_Hint(const QString &Hint);
    void Hide_Scroll_Hint();
    void Stop_Drag_Timer();
    void Row_Heights_Changed_Ex();
    bool Current_Visible() const;
    void Repaint_Merged_Current();
    void Create_Panels();
    // Hiding and showing rows and columns rebuild the list only on a grid
    // that has placed controls (a big grid without them is not scanned).
    void Rebuild_Cell_Controls_If_Used();
    void Free_Metro_Scroll_Bars();
    void Update_Metro_Scroll_Bars();
    void Place_Panels();

public:
    // ===== keyboard, cell clicks, cell accessors, editor text, auto-size and control look
    //       (RIraRevadiVizo_Keys.cpp, _Clicks.cpp, _Access.cpp, _EditText.cpp, _AutoSize.cpp)
    // Key-down: Enter on a cell that may not be edited is reported to OnKeyDown
    // and swallowed; Space flips a check box the cell may be edited at; Home and
    // End by Navigation.HomeEndKey; the rest goes to the cursor movement.
    void KeyDown(TKey &Key, TShiftState Shift) override;
    // Characters: with editing on, Backspace and every printable character fire
    // OnKeyPress and open the editor with it; without editing only OnKeyPress.
    void KeyPress(QChar &Key) override;
    // A press on a cell: a check box the cell may be edited at flips (OnCheckBoxClick),
    // any other press fires OnClickCell after the platform's selection.
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    // A double click: a header border auto-sizes its column (goColSizing with
    // AutoSizeColOnDblClick); otherwise OnDblClickCell for the cell under the mouse.
    void DblClick() override;
    // The check box of a cell that clicks and Space flip (none here; the
    // column grid's data check boxes and the cell graphics answer it).
    virtual bool Is_Check_Control_Cell(int ARealCol, int ARow);
    // Flips that check box and answers its new state.
    virtual bool Flip_Check_Control(int ARealCol, int ARow);
    bool CanSelectCell(int ACol, int ARow);
    int FirstSelectableCol(int ARow);
    int LastSelectableCol(int ARow);
    // The row before the footer rows, or before a shown floating footer's row.
    bool IsLastDataRow() const;
    // Appends an empty data row (OnCanAddRow may veto; OnAutoAddRow after).
    void AutoAppendRow();
    virtual void EditorKeyDownHook(TKey &Key, TShiftState Shift) {}
    virtual void GotoFirstDataRow() { Set_Row(FixedRows()); }

    // Cell properties by real column and display row (created on first write).
    TColor GetColors(int ACol, int ARow) const;
    void SetColors(int ACol, int ARow, TColor Value);
    TColor GetColorsTo(int ACol, int ARow) const;
    void SetColorsTo(int ACol, int ARow, TColor Value);
    TCellGradientDirection GetGradientDir(int ACol, int ARow) const;
    void SetGradientDir(int ACol, int ARow, TCellGradientDirection Value);
    TColor GetFontColors(int ACol, int ARow) const;
    void SetFontColors(int ACol, int ARow, TColor Value);
    TFontStyles GetFontStyles(int ACol, int ARow) const;
    void SetFontStyles(int ACol, int ARow, TFontStyles Value);
    QString GetFontNames(int ACol, int ARow) const;
    void SetFontNames(int ACol, int ARow, const QString &Value);
    int GetFontSizes(int ACol, int ARow) const;
    void SetFontSizes(int ACol, int ARow, int Value);
    TAlignment GetAlignments(int ACol, int ARow) const;
    void SetAlignments(int ACol, int ARow, TAlignment Value);
    bool GetReadOnly(int ACol, int ARow) const;
    void SetReadOnly(int ACol, int ARow, bool Value);
    // Creates the properties when missing (and answers their default).
    bool GetWordWraps(int ACol, int ARow);
    void SetWordWraps(int ACol, int ARow, bool Value);
    void SetCellFont(int ACol, int ARow, const TFont &AFont);
    void SetRowColor(int ARow, TColor AColor);
    void SetRowColorTo(int ARow, TColor AColor);
    void SetRowFontColor(int ARow, TColor AColor);
    // Raw texts and objects by real row (hidden rows from their saved cells).
    QString GetGridCellsEx(int ACol, int ARealRow);
    void SetGridCellsEx(int ACol, int ARealRow, const QString &Value);
    TObject *GetGridObjectsEx(int ACol, int ARealRow);
    // The object a cell carries: inside its properties when the slot holds them.
    TObject *GetObjectsEx(int ACol, int ARealRow);
    void SetObjectsEx(int ACol, int ARealRow, TObject *Value);
    QString GetWideCellsEx(int ACol, int ARealRow) { return GetCellsEx(ACol, ARealRow); }
    void SetWideCellsEx(int ACol, int ARealRow, const QString &Value) { SetCellsEx(ACol, ARealRow, Value); }
    // A control placed over a cell (the grid becomes its parent; not owned).
    QWidget *GetCellControls(int ACol, int ARow) const;
    void SetCellControls(int ACol, int ARow, QWidget *AControl);
    int NumCellControls() const { return FNumCellControls; }
    // Scales the fixed and active-cell fonts as well (M / D, rounded).
    void ChangeScale(int M, int D) override;
    // After the platform's answer, OnColumnSize and OnRowSize may refuse a sizing.
    void CalcSizingState(int X, int Y, TGridState &State, int &Index, int &SizingPos, int &SizingOfs,
                         TGridDrawInfo &FixedInfo) override;
    // Width of a real column: a hidden column's kept width, else its display width.
    int GetAllColWidths(int ARealCol) const;
    void SetAllColWidths(int ARealCol, int Value);
    int AllColCount() const { return TotalColCount(); }
    int AllRowCount() const { return TotalRowCount(); }
    int GetLinesInCell(int ACol, int ARow);
    virtual QString GetCurrentCell();
    virtual void SetCurrentCell(const QString &Value);
    virtual QString GetCurrentCellText();
    virtual void SetCurrentCellEditText(const QString &Value);
    // Every column and row gets X pixels more (ZoomFactor stays in -10..10).
    void Zoom(int X);
    // The editor's text: a markup cell without its tags (unless EditWithTags),
    // any other text exactly as stored; written back only when it changed.
    QString GetEditText(int ACol, int ARow) override;
    void SetEditText(int ACol, int ARow, const QString &Value) override;
    bool EditWithTags() const { return FEditWithTags; }
    void Set_EditWithTags(bool Value) { FEditWithTags = Value; }
    bool XYOffsetTopLeftOnly() const { return FXYOffsetTopLeftOnly; }
    void Set_XYOffsetTopLeftOnly(bool Value) { FXYOffsetTopLeftOnly = Value; Invalidate(); }
    bool MultilineCells() const { return FMultilineCells; }
    void Set_MultilineCells(bool Value) { FMultilineCells = Value; }
    int TotalXOffset() const { return FXYOffsetTopLeftOnly ? XYOffset().X : 2 * XYOffset().X; }
    int TotalYOffset() const { return FXYOffsetTopLeftOnly ? XYOffset().Y : 2 * XYOffset().Y; }
    int MaxColLineLength(int ACol);
    int MaxLinesInRow(int ARow);
    // Rich-text cells: the cell's RTF into a rich edit and back (one character per byte).
    void CellToRich(int ACol, int ARow, TRichEdit &RichEdit);
    void RichToCell(int ACol, int ARow, const TRichEdit &RichEdit);
    QString RichToString(const TRichEdit &RichEdit);
    // Moves Rect's top-left corner to where text rotated by Angle (degrees)
    // starts (HAlign 0 left, 1 right, 2 centre; VAlign 0 top, 1 centre, 2 bottom).
    void PlaceRotatedText(TRect &Rect, int Angle, const QString &Text, int HAlign, int VAlign);
    // Column widths and row heights from the cells' texts (display indexes).
    void AutoSizeCol(int ACol, int Padding);
    void AutoSizeColumns(bool DoFixedCols, int Padding);
    void AutoSizeRow(int ARow, int Padding);
    void AutoSizeRows(bool DoFixedRows, int Padding);
    void AutoSizeCells(bool DoFixedCells, int PaddingX, int PaddingY);
    void AutoFitColumns(bool DoFixedCells);
    void AutoSizeColCore(int ACol, bool GrowOnly);
    void AutoSizeRowCore(int ARow, bool GrowOnly, int Padding);
    void SetRowHeightForLines(int ARow, int Lines, int Extra);
    void SizeToCols();
    void SizeToRows();
    void SizeToCells();
    // Width and height of a cell's text as painted (real column, display row).
    TPoint CalcCellTextSize(int ACol, int ARow, bool WithWrap, int WrapWidth);
    // Looks of progress bars (made on first use).
    TGridProgressAppearance &ProgressAppearance();
    // The header texts as a list the column grid rebuilds without writing cells.
    QStringList &ColumnHeaderList() { return FColumnHeaders; }
    // The filter drop-down's entries as a list a descendant fills itself.
    QStringList &FilterListRef() { return FFilters.List(); }
    bool IsLoading() const { return FLoading; }

protected:
    // Notes whether the key comes from the numeric keypad (its decimal point
    // may type the locale's separator), then the platform's three phases.
    void keyPressEvent(QKeyEvent *Event) override;
    bool eventFilter(QObject *Watched, QEvent *Event) override;
    bool event(QEvent *Event) override;
    void resizeEvent(QResizeEvent *Event) override;
    void showEvent(QShowEvent *Event) override;
    // Paint requests inside an update batch are answered without painting.
    void paintEvent(QPaintEvent *Event) override;
    void RowHeightsChanged() override;

private:
    // The row count for operations that have moved the rows themselves
    // (hiding, showing, inserting, removing): the footer row is in place.
    void Set_Row_Count_In_Place(int Value);
    void Watch_Window();
    void Apply_Row_Heights(const std::vector<int> &Heights, int From = 0);   // rows From..
    std::vector<int> All_Row_Heights() const;
    bool Cell_Editable_At(int DisplCol, int ARow);

    // the typed row lookup
    void Fire_Key_Press(QChar &Key);
    void Lookup_Row(QChar Key);
    // ===== keyboard, cell clicks, cell accessors, editor text, auto-size and control look
    void Show_Editor_For_Key(QChar Ch);
    void Hide_Editor_For_Key();
    bool Key_Swallowed(TKey &Key, TShiftState Shift);
    bool Skip_Fixed_Cells(TKey &Key, TShiftState Shift);
    bool Cell_Control_Key(TKey Key, int RC);
    bool Home_End_Key(TKey &Key, TShiftState Shift, int Row0, int L0, bool KH);
    void After_Inherited_Key(TKey &Key, TShiftState Shift, int Col0, int Row0);
    bool Tab_Move(bool Backward, bool &Again);
    bool Tab_Hand_Over();
    // ===== row nodes, grouping and calculations, filtering, find and mark, layout ======
    // (RIraRevadiVizo_Nodes.cpp, _Group.cpp, _Filter.cpp, _Find.cpp, _Persist.cpp)
public:
    // -- row nodes. AddNode, RemoveNode, ExpandNode, ContractNode and the
    // Insert/Remove forms take real rows; the others display rows.
    void AddNode(int ARow, int Span);
    void SetSummaryRow(int ARow);
    void RemoveNode(int ARow);
    void RemoveAllNodes();
    bool IsNode(int ARow) const;
    bool IsSummary(int ARow) const;
    bool GetNodeState(int ARow) const;
    void SetNodeState(int ARow, bool Value);
    int GetNodeLevel(int ARow) const;
    int GetNodeSpan(int ARow) const;
    void SetNodeSpan(int ARow, int Span);
    void UpdateNodeSpan(int ARow, int Delta);
    int GetSubNodeCount(int ARow) const;
    void UpdateSubNodeCount(int ARow, int Delta);
    void ExpandNode(int ARow);
    void ContractNode(int ARow);
    void ExpandAll();
    void ContractAll();
    int GetParentRow(int ARow) const;
    void InsertNormalRow(int ARow);
    void InsertChildRow(int ARow, int InsertAt);
    void RemoveNormalRow(int ARow);
    void RemoveChildRow(int ARow);
    bool IsInNodeGlyph(int ARow, int X);
    int GetNodeSpanType(int ARow);
    int NumNodes() const { return FNodes.Count(); }
    bool HasNodes() override { return FNodes.Count() > 0; }
    // The graphic in column 0 of a display row, whatever its kind (nullptr: none).
    TCellGraphic *RowGraphic(int ARow) const;

    // -- grouping and calculations. Group(0) is refused: nodes live in column 0.
    virtual void Group(int Colindex);
    virtual void UnGroup();
    virtual void SubGroup(int Colindex);
    virtual void SubUnGroup(int Colindex);
    int GroupColumn() const { return FNodes.Grouped().Column; }
    // -1 ungroups, a column above 0 groups; other values do nothing.
    void Set_GroupColumn(int Value);
    TGrouping &Grouping() { return FGrouping; }
    TFloatingFooter &FloatingFooter() { return FFloatingFooter; }
public:
    // Methods: 1 sum, 2 average, 3 minimum, 4 maximum, 5 count, 6 custom,
    // 7 distinct, 8 standard deviation.
    void GroupCalc(int Colindex, int Method);
    void GroupSum(int Colindex);
    void GroupAvg(int Colindex);
    void GroupMin(int Colindex);
    void GroupMax(int Colindex);
    void GroupCount(int Colindex);
    void GroupCustomCalc(int Colindex);
    void GroupDistinct(int Colindex);
    void GroupStdDev(int Colindex);
    // The footer row's calculation of a column (cell properties of the last row).
    void SetColumnCalc(int ACol, TColumnCalcType Calc);
    virtual void CalcFooter(int ACol);
    virtual void CalcFloatingFooter(int ACol);
    void UpdateFooter() { Invalidate(); }
    void LastRowChanged() override { UpdateFooter(); }

    // -- filtering (the steps in GridFilterSession.h)
    TFilter &Filter() { return FFilters.Filter(); }
    bool FilterActive() const { return FFilters.Active(); }
    void Set_FilterActive(bool Value);
    virtual bool MatchFilterRow(int ARow);
    void FilterRow(int ARow);
    void ApplyFilter();
    void NarrowDown(const QString &ACondition, int AColumn);
    bool RemoveLastFilter();
    void RemoveAllFilters();
    virtual bool BuildFilterList(int ACol);
    virtual void FilterSelect(int ItemIndex);
    // Checked holds the check marks of the drop-down's entries, in list order.
    virtual void FilterCheck(const std::vector<bool> &Checked);
    const QStringList &FilterList() const { return FFilters.List(); }
    int FilterDropDownRow() const { return FFilters.DropDownRow(); }
    void Set_FilterDropDownRow(int Value);
    bool FilterDropDownAuto() const { return FFilters.DropDownAuto(); }
    void Set_FilterDropDownAuto(bool Value);
    bool FilterDropDownCheck() const { return FFilters.DropDownCheck(); }
    void Set_FilterDropDownCheck(bool Value) { FFilters.Set_DropDownCheck(Value); }
    int FilterCol() const { return FFilters.Col(); }
    void Set_FilterCol(int Value) { FFilters.Set_Col(Value); }
    QString LastFilter() const { return FFilters.Last_Condition(); }

    // -- highlight and mark
    QString HilightText(bool DoCase, const QString &S, const QString &Text);
    QString UnHilightText(const QString &S);
    QString MarkText(bool DoCase, const QString &S, const QString &Text);
    QString UnMarkText(const QString &S);
    void HilightInCell(bool DoCase, int Col, int Row, const QString &HiText);
    void HilightInCol(bool DoFixed, bool DoCase, int Col, const QString &HiText);
    void HilightInRow(bool DoFixed, bool DoCase, int Row, const QString &HiText);
    void HilightInGrid(bool DoFixed, bool DoCase, const QString &HiText);
    void MarkInCell(bool DoCase, int Col, int Row, const QString &HiText);
    void MarkInCol(bool DoFixed, bool DoCase, int Col, const QString &HiText);
    void MarkInRow(bool DoFixed, bool DoCase, int Row, const QString &HiText);
    void MarkInGrid(bool DoFixed, bool DoCase, const QString &HiText);
    void UnHilightInCell(int Col, int Row);
    void UnHilightInCol(bool DoFixed, int Col);
    void UnHilightInRow(bool DoFixed, int Row);
    void UnHilightInGrid(bool DoFixed);
    void UnMarkInCell(int Col, int Row);
    void UnMarkInCol(bool DoFixed, int Col);
    void UnMarkInRow(bool DoFixed, int Row);
    void UnMarkInGrid(bool DoFixed);

    // -- cell checking with CellChecker: it corrects or marks cell texts (true: unchanged)
    bool CheckCell(int Col, int Row);
    bool CheckCells(int FromCol, int FromRow, int ToCol, int ToRow);
    bool CheckCol(bool DoFixed, int Col);
    bool CheckRow(bool DoFixed, int Row);
    bool CheckGrid(bool DoFixed);

    // -- find and replace
    TPoint Find(TPoint StartCell, const QString &S, TFindParams FindParams);
    TPoint FindFirst(const QString &S, TFindParams FindParams);
    // Find on the cells' wide texts (escaped wide text decoded); never scrolls.
    TPoint FindWide(TPoint StartCell, const QString &S, TFindParams FindParams);
    TPoint FindNext();
    int Replace(const QString &OrigStr, const QString &NewStr, TFindParams FindParams);
    TPoint SearchCell() const { return FFind.SearchCell(); }
    TFindParams FindParams() const { return FFind.Params(); }
    int FindCol() const { return FFind.FindCol(); }
    void Set_FindCol(int Value) { FFind.Set_FindCol(Value); }
    int FindRow() const { return FFind.FindRow(); }
    void Set_FindRow(int Value) { FFind.Set_FindRow(Value); }
    // The first row whose stripped text in the lookup column begins with S
    // (the cell upper-cased, S as given); -1 when none.
    int Search(const QString &S);
    TSearchFooter &SearchFooter() { return FSearchFooter; }
    // The search panel's actions; it hands over its edit text, Match case box
    // and Highlight button, and shows the edit in SearchEditColor afterwards.
    void SearchEditChange(const QString &Text, bool MatchCase, bool HighlightDown);
    void SearchFindNext(const QString &Text, bool MatchCase, bool HighlightDown);
    void SearchFindPrevious(const QString &Text, bool MatchCase, bool HighlightDown);
    void SearchHighlightClick(const QString &Text, bool MatchCase, bool HighlightDown);
    void SearchFooterClose();
    TColor SearchEditColor() const { return FSearchEditColor; }

    // -- layout persistence
    QString ColumnStatesToString();
    // Checks the whole text first; a malformed one changes nothing and
    // answers false.
    bool StringToColumnStates(const QString &Value);
    std::vector<int> &ColumnOrder() { return FColumnOrder; }
    // Widths and column order in the INI file or per-user store of ColumnSize.
    void SaveColSizes();
    void LoadColSizes();
    virtual void SaveColPositions();
    virtual void LoadColPositions();
    void SaveVisualProps(const QString &FileName);
    void LoadVisualProps(const QString &FileName);
    void SavePrintSettings(const QString &Key, const QString &Section);
    void LoadPrintSettings(const QString &Key, const QString &Section);
    // A value kept for the visual-properties file (see FVisualValues); empty when none.
    QString VisualValue(const QString &Key) const;

private:
    TCellGraphic *Node_At(int DisplRow) const;
    TCellProperties *Col0_Props(int DisplRow) const { return Find_Cell_Props(0, DisplRow); }
    void Expand_Node_Internal(int ARow);
    void Insert_Grid_Rows(int At, int Count);
    void Remove_Grid_Rows(int At, int Count);
    void Insert_Grid_Col(int At, int Width);
    void Remove_Grid_Col(int At);
    void Hide_Rows_For(int FromReal, int ToReal, THideReason Reason);
    void Hide_Row_List_For(const std::vector<int> &DisplRows, THideReason Reason);
    void Unhide_Rows_For(int FromReal, int ToReal, THideReason Reason);
    void Set_Row_Colors(int ARow, TColor Color, TColor ColorTo, TColor TextColor);
    void Group_Sort(int Colindex);
    void Mark_In_Range(const QString &HiText, const QString &Tag, bool DoCase, int FromCol, int FromRow, int ToCol, int ToRow);
    void Unmark_In_Range(const QString &Tag, int FromCol, int FromRow, int ToCol, int ToRow);
    TPoint Find_Cell(TPoint StartCell, const QString &S, TFindParams FindParams, bool Wide = false);
    TFindParams Footer_Params(bool MatchCase, bool HighlightDown) const;
    void Footer_Unhighlight();
    void Footer_Highlight(const QString &Text, bool MatchCase);
    bool Apply_Column_Order(const std::vector<int> &Order);
    // Hides the columns whose flag is false in one pass (every column shown
    // before; at least one flag true): the same widths remembered and the
    // same widths left as hiding them one by one from the right.
    void Hide_Columns_Where(const std::vector<bool> &Visible);
    QString Column_Store_Path() const;

    int Unsorted_Row(int ARow) const;
    int Original_Col(int ACol) const;
    friend struct TVisualEntryTable;
    friend class TGridFilterRows;
    friend class TGridNodeRows;

    // ---- wide-text cells: their text and the validation of an edit --------------------------------------
public:
    // The cell text (GetCellEx/SetCellEx) without and with the wide escape.
    QString GetWideCells(int ACol, int ARow);
    void SetWideCells(int ACol, int ARow, const QString &Value);
    // ValidateCell for a cell that holds wide text: no cell checker, no undo
    // record, no balloon; the event is OnCellValidateWide.
    virtual bool ValidateCellWide(const QString &NewValue);
    QString OldCellTextWide() const { return FOldCellTextWide; }
protected:
    bool Validate_Edit(const QString &NewValue, bool Wide);

    // ---- the date-and-time editor (edDateTimeEdit) -----------------------------------------------------------
public:
    TGridDateTimePicker *DateAndTimePicker();

private:
    // Routes a picker's change, calendar drop-down and close-up to the grid.
    void Watch_Date_Picker(TGridDatePicker *P);

    // ---- the drop-down editors (edTrackbarDropDown .. edImagePickerDropDown) -----------------------------
public:
    // Each is made on first use, parented to the grid, hidden and disabled,
    // and takes the grid's style and colour tones.
    TGridTrackbarDropDown *TrackbarDropDown();
    TGridMemoDropDown *MemoDropDown();
    TGridCalculatorDropDown *CalculatorDropDown();
    TGridTimepickerDropDown *TimePickerDropDown();
    TGridDetailPickerDropDown *DetailPickerDropDown();
    TGridGridDropDown *GridDropDown();
    TGridColorDropDown *ColorPickerDropDown();
    TGridImageDropDown *ImagePickerDropDown();
    // The grid drop-down holds a string grid, so it is built above this
    // target (grid/griddropdown/) and made through the maker registered in
    // GridDropDownMaker.h; it is null while none is registered. The typed
    // accessor is defined by grid/griddropdown/GridDarAzidDropDown.h.
    inline TGridDarAzidDropDown *DarAzidDropDown();
    VOdeCustomDropDown *Grid_DropDown_Editor();
    virtual void ColorSelect(int ACol, int ARow, TColor Color, const QString &Value);
    virtual void ImageSelect(int ACol, int ARow, int ItemIndex);
    // Escape in a drop-down editor: the edit that now ends writes nothing
    // (a colour or picture chosen meanwhile is dropped with it).
    void Cancel_DropDown_Value() { FDropDownCancelled = true; }

private:
    friend struct TEditorSetup;   // SetupInplaceEditor by kind of editor control
    // Fills and shows the grid's own drop-down editor W for the current kind;
    // false when W is not one of them.
    bool Setup_DropDown(QWidget *W, int ACol, int ARow, int Left, int Top, int Width, int Height);
    // Writes the value of the grid's own drop-down editor W; false when W is
    // not one of them.
    bool Commit_DropDown(QWidget *W, int ACol, int ARow);
    template <class T> T *Make_DropDown(T *&Slot);
    // The background an editor over display cell (ACol, ARow) takes: the
    // cell's brush colour as painted when not selected (and its font).
    TColor Editor_Color(int ACol, int ARow, TFont *AFont = nullptr);

    // ---- the rich-text editor (edRichEdit) ---------------------------------------------------------------------
public:
    // The in-place editor of rich-text cells, made on first use.
    VOdeRichEdit *InplaceRichEdit();
    // A second, never shown rich edit for converting and measuring rich text.
    VOdeRichEdit *RichEdit();

private:
    void Setup_Rich_Editor(int ACol, int ARow, int Left, int Top, int Width, int Height);
    void Commit_Rich_Editor(int ACol, int ARow);

    // ---- the custom editor link (edCustom) ------------------------------------------------------------------
public:
    // The program's own editor of edCustom cells (not owned; nothing opens without one).
    TEditLink *EditLink() const { return FEditLink; }
    void Set_EditLink(TEditLink *Value) { FEditLink = Value; }
    // Writes an editor's value into display cell (ACol, ARow): the edit text,
    // then the cell.
    virtual void AssignEditValue(int ACol, int ARow, const QString &Value) { Write_Edit_Value(ACol, ARow, Value); }

private:
    friend class TEditLink;
    void Setup_Link_Editor(int ACol, int ARow, const TRect &R);
    void Commit_Link_Editor(int ACol, int ARow);
};

