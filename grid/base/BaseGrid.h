#pragma once
#include "grid/model/GridTypes.h"
#include "grid/model/CellPropValues.h"
#include "grid/model/GridModel.h"
#include "toolkit/MaskEdit.h"
#include "toolkit/StringGrid.h"
#include <QPointer>
#include <QWidget>
#include <functional>
#include <unordered_map>

class TBaseGrid;
class VOdeGridUndoRedo;

// The grid's per-cell properties: the model's property values (kept in the
// cell's object slot and owned by the model, freed with their cell, never by
// hand) and, on the window's side, a control laid over the cell. The control
// is not stored here but in the owner grid's map, keyed by these properties,
// so that it moves with its cell as the model moves the properties.
class TCellProperties : public TCellPropValues {
public:
    TCellProperties(TBaseGrid *Grid, int ACol, int ARow);
    ~TCellProperties() override;
    const char *ClassName() const override { return "TCellProperties"; }

    // The stored values and the control of another cell (see TCellPropValues).
    void Assign(const TCellProperties &Source);

    // The grid whose model holds these properties (nullptr for none).
    TBaseGrid *OwnerGrid() const;
    // The control over the cell; a grid-less properties object has none.
    QWidget *Control() const;
    void Set_Control(QWidget *V);
};

// The base grid's in-place editor: the platform editor that enforces the edit
// mask the grid asks for (GetEditMask), in the grid mask syntax
// ("<mask>;<save literals>;<blank>"). With save-literals 0 the grid receives
// the text without the mask's literal characters.
class TBaseInplaceEdit : public TInplaceEdit {
    Q_OBJECT
public:
    explicit TBaseInplaceEdit(TStringGrid *Grid) : TInplaceEdit(Grid) {}
    void Apply_Edit_Mask(const QString &Mask) override;
    QString Edit_Text() const override;
    // Fills the editor and aligns its text right when the cell (its merged
    // block's base cell) is right-justified, as the edit's right-aligned style.
    void UpdateContents() override;

private:
    TEditMaskInfo FMask;
};

// The platform string grid as the grid family names it.
class TObjStringGrid : public TStringGrid {
    Q_OBJECT
public:
    using TStringGrid::TStringGrid;
};

// The base grid: per-cell properties, merged cells, merge-aware cell access and
// its own cell painter (grid lines inside the cells, the platform's own lines
// switched off).
class TBaseGrid : public TObjStringGrid {
    Q_OBJECT
public:
    explicit TBaseGrid(QWidget *Parent = nullptr);
    ~TBaseGrid() override;

    // --- cell access (real columns) ------------------------------------------------
    // The cell text as shown: a merged cell's base text, after the display hooks
    // for rows below the normal row count.
    QString GetCellEx(int c, int r);
    // Writes the base cell of a merged block; notifies and repaints.
    void SetCellEx(int c, int r, const QString &Value);
    // The undo history writes a recorded value back through here, so that a
    // cell whose value is not its text (a check box) can take it its own way.
    virtual void Undo_Write(int c, int r, const QString &Value) { SetCellEx(c, r, Value); }
    QString GetGridCell(int c, int r) const { return Cells(c, r); }
    void SetGridCell(int c, int r, const QString &Value) { Set_Cells(c, r, Value); }
    TObject *GetGridObject(int c, int r) const { return Objects(c, r); }
    void SetGridObject(int c, int r, TObject *Value) { Set_Objects(c, r, Value); }
    // Created on first use. Raises EGridError ("Invalid cell") outside the grid.
    TCellProperties *GetCellProperties(int c, int r);
    // Frees the object in the slot (unless it is Value itself) and stores Value.
    // Raises EGridError ("Invalid cell") outside the grid.
    void SetCellProperties(int c, int r, TCellProperties *Value);
    bool HasCellProps(int c, int r) const;
    // The cell's properties without creating them (nullptr when none).
    TCellProperties *Find_Cell_Props(int c, int r) const;
    std::uintptr_t GetObjectEx(int c, int r) const;
    void SetObjectEx(int c, int r, std::uintptr_t Value);
    TObject *GetGraphicObjectEx(int c, int r) const;
    void SetGraphicObjectEx(int c, int r, TObject *Value);
    static TObject *GetPropsGraphic(const TCellProperties *Props) { return Props ? Props->GraphicObject() : nullptr; }
    void FreeCellProps(int FromCol, int FromRow, int ToCol, int ToRow);
    void FreeCellPropsAt(int c, int r);
    void FreeAllCellProps();
    void ResetColCells(int ACol);
    void ResetRowCells(int ARow);
    void ResetCell(int c, int r);

    // --- merged cells ----------------------------------------------------------------
    virtual void MergeCells(int c, int r, int spanx, int spany);
    virtual void SplitCells(int c, int r);
    bool IsBaseCell(int c, int r) const;
    bool ResolveBaseCell(int c, int r, int &bc, int &br) const;
    TPoint BaseCell(int c, int r) const;
    bool IsMergedCell(int c, int r) const;
    bool IsMergedNonBaseCell(int c, int r) const;
    bool IsXMergedCell(int c, int r) const;
    bool IsYMergedCell(int c, int r) const;
    TPoint CellSpan(int c, int r) const;
    TPoint CellExt(int c, int r) const;
    // The block holding the cell, bounds inclusive.
    TGridRect FullCell(int c, int r) const;
    int MinRowSpan(int ARow) const;
    int MaxRowSpan(int ARow) const;
    bool RowSpanIdentical(int ARow1, int ARow2) const;
    bool ColSpanIdentical(int ACol1, int ACol2) const;
    // Moves the current cell to the base of its block.
    void FocusBaseCell();
    int MergeCount() const { return FMergeCount; }

    // --- geometry ----------------------------------------------------------------------
    TRect CellRect(int c, int r) const override;
    TPoint CellSize(int c, int r) const;
    TRect GetUnclippedCellRect(int c, int r) const;
    void RepaintCell(int c, int r);
    int FixedColsWidth() const;
    int FixedRowsHeight() const;

    // --- painting --------------------------------------------------------------------
    void PaintCell(TCanvas &ACanvas, int ACol, int ARow, const TRect &ARect, TGridDrawState AState);
    void PaintCellExt(TCanvas &ACanvas, int ACol, int ARow, const TRect &ARect, TGridDrawState AState);
    void PaintCellBase(TCanvas &ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState, bool Full);
    int PaintPass() const { return FPaintID; }

    // --- properties ------------------------------------------------------------------
    bool DefaultDrawing() const { return FDefaultDrawing; }
    void Set_DefaultDrawing(bool Value);   // the platform's own drawing stays off
    int GridLineWidth() const { return FGridLineWidth; }
    void Set_GridLineWidth(int Value);     // the platform's own line width stays 0
    TColor GridLineColor() const { return FGridLineColor; }
    void Set_GridLineColor(TColor Value);
    TColor GridFixedLineColor() const { return FGridFixedLineColor; }
    void Set_GridFixedLineColor(TColor Value);
    bool ActiveRowShow() const { return FActiveRowShow; }
    void Set_ActiveRowShow(bool Value);
    TColor ActiveRowColor() const { return FActiveRowColor; }
    void Set_ActiveRowColor(TColor Value);
    TColor ActiveRowColorTo() const { return FActiveRowColorTo; }
    void Set_ActiveRowColorTo(TColor Value);
    TColor ActiveRowMirrorColor() const { return FActiveRowMirrorColor; }
    void Set_ActiveRowMirrorColor(TColor Value);
    TColor ActiveRowMirrorColorTo() const { return FActiveRowMirrorColorTo; }
    void Set_ActiveRowMirrorColorTo(TColor Value);
    TGridSelectionStyle SelectionStyle() const { return FSelectionStyle; }
    void Set_SelectionStyle(TGridSelectionStyle Value);
    bool HoverRow() const { return FHoverRow; }
    void Set_HoverRow(bool Value) { FHoverRow = Value; }
    TColor HoverRowColor() const { return FHoverRowColor; }
    void Set_HoverRowColor(TColor Value) { FHoverRowColor = Value; }
    TColor HoverRowColorTo() const { return FHoverRowColorTo; }
    void Set_HoverRowColorTo(TColor Value) { FHoverRowColorTo = Value; }
    THoverRowCells HoverRowCells() const { return FHoverRowCells; }
    void Set_HoverRowCells(THoverRowCells Value) { FHoverRowCells = Value; }
    int HoverRowIdx() const { return FHoverRowIdx; }
    void Set_HoverRowIdx(int Value) { FHoverRowIdx = Value; }
    bool WordWrap() const { return FWordWrap; }
    void Set_WordWrap(bool Value) { FWordWrap = Value; }
    bool ShowSel() const { return FShowSel; }
    void Set_ShowSel(bool Value) { FShowSel = Value; }
    bool HideLastRow() const { return FHideLastRow; }
    void Set_HideLastRow(bool Value) { FHideLastRow = Value; }
    int NormalRowCount() const { return FNormalRowCount; }
    void Set_NormalRowCount(int Value) { FNormalRowCount = Value; }
    bool HasAnyCellProps() const { return FHasCellProps; }
    void Set_HasAnyCellProps(bool Value) { FHasCellProps = Value; }
    VOdeGridUndoRedo *UndoRedo() const { return FUndoRedo; }
    // Stores the component and links it back to this grid (its Set_Grid, when
    // that is invokable through the meta-object); the grid forgets it when it
    // is destroyed (Notification).
    void Set_UndoRedo(VOdeGridUndoRedo *Value);
    bool Destroying() const { return FDestroying; }
    // The control laid over the cell whose properties are Props (see
    // TCellProperties); nullptr when none or when it was destroyed.
    QWidget *Cell_Control(const TCellPropValues *Props) const;
    void Set_Cell_Control(const TCellPropValues *Props, QWidget *Control);

    std::function<void(TBaseGrid *, int ACol, int ARow, QString &Value)> OnGetDisplText;
    std::function<void(TBaseGrid *, int ACol, int ARow, QString &Value)> OnGetDisplWideText;

    // --- virtual operations (base behaviour) ----------------------------------------------
    virtual bool IsFixed(int ACol, int ARow) { return false; }
    virtual int GetNodeIndent(int ARow) { return 0; }
    virtual bool HasNodes() { return false; }
    virtual void PaintCellContent(TCanvas &Canvas, int ACol, int ARow, const TRect &R, TGridDrawState State);
    virtual void LastRowChanged() {}
    virtual void GetDisplText(int ACol, int ARow, QString &Value);
    virtual void GetDisplWideText(int ACol, int ARow, QString &Value);
    virtual void GetCellDefaults(int ACol, int ARow, TFont &AFont, TBrush &ABrush, TColor &ColorTo,
                                 TColor &MirrorColor, TColor &MirrorColorTo, TAlignment &HAlign, TVAlignment &VAlign,
                                 bool &WordWrap, TCellGradientDirection &GradientDirection);
    virtual void CellTextChanged(int ACol, int ARow) {}
    virtual bool HasCustomBorders() { return false; }
    virtual bool GetUseVisualStyles() { return false; }
    virtual void GetVisualProperties(int ACol, int ARow, TGridDrawState &AState, bool Print, bool Select, bool Remap,
                                     TBrush &ABrush, TColor &AColorTo, TColor &AMirrorColor, TColor &AMirrorColorTo,
                                     TFont &AFont, TAlignment &HA, TVAlignment &VA, bool &WW,
                                     TCellGradientDirection &GD) {}
    virtual int DisplColIndex(int ACol) { return ACol; }
    virtual int TotalColCount() const { return ColCount(); }

    // --- platform overrides ------------------------------------------------------------------
    void Paint() override;
    void DrawCell(int ACol, int ARow, const TRect &ARect, TGridDrawState AState) override;
    bool SelectCell(int ACol, int ARow) override;
    void KeyDown(TKey &Key, TShiftState Shift) override;
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
    void TopLeftChanged() override;
    // Plain control rescaling only: column widths and row heights keep their
    // pixel sizes (the string grid sizes them itself).
    void ChangeScale(int M, int D) override;
    // Forgets the undo and redo component when it is removed.
    void Notification(QObject *AComponent, TOperation Operation) override;
    TInplaceEdit *CreateEditor() override;

private:
    bool In_Grid(int c, int r) const { return c >= 0 && r >= 0 && c < TotalColCount() && r < RowCount(); }
    // New properties with the defaults hook's values (not yet stored).
    TCellProperties *Make_Props(int c, int r, bool SetCalcType);
    TCellProperties *Create_Props(int c, int r, bool SetCalcType);
    TCellProperties *Merged_Props(int c, int r) const;   // props with a span other than -1

    // The steps of painting a cell's base (PaintCellBase).
    struct TCellFill {
        TColor ColorTo = clNone, MirrorColor = clNone, MirrorColorTo = clNone;
        TCellGradientDirection Direction = GradientVertical;
    };
    bool Paint_Under_Footer(TCanvas &Canvas, int ARow, const TRect &Rect);
    bool Claim_Merged_Paint(TCanvas &Canvas, int ACol, int ARow, const TRect &Rect, TGridDrawState State, bool Full);
    bool Clip_Under_Fixed(TCanvas &Canvas, int ACol, int ARow, const TRect &Rect, bool Full);
    void Apply_Row_Colours(TCanvas &Canvas, int ACol, int ARow, TGridDrawState State, bool Full, TCellFill &Fill);
    void Paint_Cell_Background(TCanvas &Canvas, int ACol, const TRect &Rect, TGridDrawState State,
                               const TCellFill &Fill);
    void Paint_Cell_Lines(TCanvas &Canvas, int ACol, const TRect &Rect, bool Fixed);

    bool FDefaultDrawing = false;
    int FGridLineWidth = 1;
    TColor FGridLineColor = 0xC0C0C0;
    TColor FGridFixedLineColor = 0x808080;
    int FPaintID = 1;
    bool FHideLastRow = false;
    int FNormalRowCount = 0;
    VOdeGridUndoRedo *FUndoRedo = nullptr;
    QObject *FUndoRedoObject = nullptr;   // the same component as a QObject
    QMetaObject::Connection FUndoRedoLink;
    bool FWordWrap = true;
    bool FActiveRowShow = false;
    TColor FActiveRowColor = clInfoBk;
    TColor FActiveRowColorTo = clNone;
    TColor FActiveRowMirrorColor = clNone;
    TColor FActiveRowMirrorColorTo = clNone;
    TGridSelectionStyle FSelectionStyle = ssDefault;
    int FHoverRowIdx = -1;
    bool FHoverRow = false;
    THoverRowCells FHoverRowCells{hcNormal, hcSelected};
    TColor FHoverRowColor = clInfoBk;
    TColor FHoverRowColorTo = clNone;
    bool FShowSel = true;
    bool FHasCellProps = false;
    int FMergeCount = 0;
    bool FDestroying = false;
    // Controls over cells, keyed by the cells' properties, which the model
    // moves with their cells; an entry goes with its properties.
    std::unordered_map<const TCellPropValues *, QPointer<QWidget>> FCellControls;
};
