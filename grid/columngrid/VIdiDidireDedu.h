#pragma once
#include "grid/stringgrid/RIraRevadiVizo.h"
#include "grid/columngrid/GridColumnCollection.h"
#include <functional>
#include <memory>

using TColumnPopupEvent = std::function<void(QObject *Sender, int ACol, int ARow, QMenu *PopupMenu)>;
using TAfterColumnMoved = std::function<void(QObject *Sender, int FromIndex, int ToIndex)>;

// The column grid: the string grid configured per column. Its collection
// `Columns` holds one item per real column (hidden ones included) with the
// column's header, width, looks, editor kind, combo items and check texts.
// It changes no drawing or editing code: it answers the string grid's
// per-cell hooks from the column's item first and then, for most hooks, lets
// the string grid's own hook (and so the user event) refine the answer.
class VIdiDidireDedu : public RIraRevadiVizo {
    Q_OBJECT
public:
    explicit VIdiDidireDedu(QWidget *Parent = nullptr);
    ~VIdiDidireDedu() override;

    // ===== columns (VIdiDidireDedu.cpp) ===============================================
    TGridColumnCollection &Columns() { return *FColumnCollection; }
    const TGridColumnCollection &Columns() const { return *FColumnCollection; }
    void Set_Columns(const TGridColumnCollection &Value) { FColumnCollection->Assign(Value); }
    // Shown columns (hidden ones excluded); writing resynchronises the items.
    int ColCount() const { return RIraRevadiVizo::ColCount(); }
    void Set_ColCount(int Value);
    // The first item whose Name is AValue (case-sensitive); nullptr when none.
    TGridColumnItem *GetColumnByName(const QString &AValue) const;
    // Items follow the real columns: one item per column, hidden ones included.
    void SyncColumnItems();
    // Item headers into ColumnHeaders (a header taken from row 0 when empty).
    void RefreshColumnHeaders();
    bool ColMoving() const { return FColMoving; }
    bool AutoFilterDisplay() const { return FAutoFilterDisplay; }
    void Set_AutoFilterDisplay(bool Value) { FAutoFilterDisplay = Value; }
    // The item kept for a grouped column (not part of the collection).
    TGridColumnItem &SaveCol() { return *FSaveCol; }
    int GetVersionNr() override;
    QString GetVersionString() override;

    // ===== life cycle and platform overrides ==========================================
    void Loaded() override;
    void ChangeScale(int M, int D) override;
    void Notification(QObject *AComponent, TOperation Operation) override;
    void ColumnMoved(int FromIndex, int ToIndex) override;
    bool Column_Moves_Observed() const override { return true; }   // the items travel with their column
    void ColWidthsChanged() override;
    void SizeChanged(int OldColCount, int OldRowCount) override;
    // The string grid's insertion and removal, with a new item (one with
    // creation defaults) for each inserted column and the removed columns' items gone.
    void InsertCols(int ColIndex, int CCount) override;
    void RemoveCols(int ColIndex, int CCount) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    // Grouping keeps the grouped column's item aside and puts it back after.
    void Group(int Colindex) override;
    void UnGroup() override;
    // A column offers its item's Filter entries (names before "=") and no
    // other; picking one applies the entry's condition.
    bool BuildFilterList(int ACol) override;
    void FilterSelect(int ItemIndex) override;
    int GetEditLimit() override;
    QString GetEditMask(int ACol, int ARow) override;
    void ColumnHeadersChanged() override;
    void RecalcFooter() override;

    // ===== per-cell hooks answered from the column items (VIdiDidireDedu_Hooks.cpp) ====
    void GetCellDefaults(int ACol, int ARow, TFont &AFont, TBrush &ABrush, TColor &ColorTo, TColor &MirrorColor,
                         TColor &MirrorColorTo, TAlignment &HAlign, TVAlignment &VAlign, bool &WordWrap,
                         TCellGradientDirection &GradientDirection) override;
    QString GetFormattedCell(int ACol, int ARow) override;
    QString GetFloatFormat(int ACol, int ARow) override;
    bool UpdateColumnSize(int ACol, int &AWidth) override;
    void UpdateAutoColumnSize(int ACol, int &AWidth) override;
    void GetCellColor(int ACol, int ARow, TGridDrawState AState, TBrush &ABrush, TFont &AFont) override;
    void GetCellPrintColor(int ACol, int ARow, TGridDrawState AState, TBrush &ABrush, TFont &AFont) override;
    void GetCellBorder(int ACol, int ARow, TPen &APen, TCellBorders &Borders) override;
    void GetCellPrintBorder(int ACol, int ARow, TPen &APen, TCellBorders &Borders) override;
    void GetCellAlignment(int ACol, int ARow, TAlignment &HAlign, TVAlignment &VAlign) override;
    void GetColFormat(int ACol, TSortStyle &AStyle, QString &Prefix, QString &Suffix) override;
    void GetCellEditorType(int ACol, int ARow, TEditorType &AEditor) override;
    void IsFixedCell(int ACol, int ARow, bool &IsFixed) override;
    // Editing permission: any non-fixed cell of a column that is neither
    // ReadOnly nor Fixed, whatever the caller started from; then OnCanEditCell.
    void GetCellEditable(int ACol, int ARow, bool &CanEdit) override;
    void IsPasswordCell(int ACol, int ARow, bool &IsPassword) override;
    bool HasComboBox(int ACol, int ARow) override;
    QString GetCheckTrue(int ACol, int ARow) override;
    QString GetCheckFalse(int ACol, int ARow) override;
    // The data check boxes of edDataCheckBox columns.
    bool Is_Check_Control_Cell(int ARealCol, int ARow) override;
    bool Flip_Check_Control(int ARealCol, int ARow) override;
    // A data cell of such a column paints as a check box: its type is a data
    // check box and its graphic the grid's shared virtual check box.
    TCellType GetCellType(int ACol, int ARow) override;
    TCellGraphic *GetCellGraphic(int ACol, int ARow) override;

    // ===== cell classes the hooks test (real column) ==================================
    // Data cell: below the item count, not in the fixed columns, rows, right
    // columns or footers. Column cell: the same, header rows included.
    // Non-fixed cell: below the item count, not in the fixed columns or rows.
    bool Is_Data_Cell(int ACol, int ARow) const;
    bool Is_Column_Cell(int ACol, int ARow) const;
    bool Is_Non_Fixed_Cell(int ACol, int ARow) const;
    // The item of a real column, nullptr beyond the items.
    TGridColumnItem *Item_Of(int ARealCol) const;

    // ===== events =====================================================================
    TColumnPopupEvent OnColumnPopup;
    TAfterColumnMoved OnAfterColumnMoved;
    TFloatFormatEvent OnGetFloatFormat;

protected:
    // Creates the grid's column collection (a descendant may give its own).
    virtual std::unique_ptr<TGridColumnCollection> CreateColumns();

private:
    void Column_Popup(TMouseButton Button, int X, int Y);
    std::unique_ptr<TGridColumnCollection> FColumnCollection;
    std::unique_ptr<TGridColumnItem> FSaveCol;
    bool FColMoving = false;
    bool FAutoFilterDisplay = false;
    bool FSyncing = false;
    // The real column that grouping takes out or puts back (-1: none), so the
    // synchronisation removes or inserts that item instead of the last one.
    int FSyncAt = -1;
    bool Is_Data_Check_Cell(int ARealCol, int ARow);
    TCellGraphic FCellGraphic;   // answered for the data check-box columns' cells
};
