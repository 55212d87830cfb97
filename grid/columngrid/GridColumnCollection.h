#pragma once
#include "grid/model/GridLists.h"
#include "grid/base/GridOptions.h"
#include "grid/model/GridTypes.h"
#include "platform/Font.h"
#include "platform/Object.h"
#include "toolkit/Canvas.h"
#include <QMenu>
#include <QPointer>
#include <QStringList>
#include <memory>
#include <vector>

class VIdiDidireDedu;
class TGridColumnCollection;

// Which clicks open a column's pop-up menu.
enum TColumnPopupType {
    cpFixedCellsRClick, cpFixedCellsLClick, cpNormalCellsRClick, cpNormalCellsLClick, cpAllCellsRClick,
    cpAllCellsLClick,
};

// Everything one column of a column grid needs: header, width, looks, the
// in-place editor kind with its combo items and check texts, limits and
// flags. Item i belongs to the column whose real index (hidden columns
// counted) is i. An item made without a collection (the grid's saved item
// of a grouped column) keeps the platform's default fonts and colour 0 and
// reaches no grid.
class TGridColumnItem : public TObject {
public:
    explicit TGridColumnItem(TGridColumnCollection *Collection = nullptr);
    ~TGridColumnItem() override;
    const char *ClassName() const override { return "TGridColumnItem"; }

    // Copies the settings of another column item as plain fields (no grid
    // refresh); anything else is ignored. Popup type and the two print
    // "custom" flags stay as they are.
    virtual void Assign(const TObject *Source);
    // As Assign, but colour and font come from the grid, and combo items,
    // drop-down count, header font, header, name and tag stay.
    void AssignVisuals(const TObject *Source);
    // "Col <i>: <Name>" when named, else "Column <i>".
    virtual QString GetDisplayName() const;

    TGridColumnCollection *Collection() const { return FCollection; }
    // Position in the collection (-1 outside one).
    int Index() const;
    VIdiDidireDedu *Grid() const;

    // --- properties (getter, then setter) ---------------------------------------------
    int AutoMinSize() const { return FAutoMinSize; }
    void Set_AutoMinSize(int V) { FAutoMinSize = V; }
    int AutoMaxSize() const { return FAutoMaxSize; }
    void Set_AutoMaxSize(int V) { FAutoMaxSize = V; }
    TAlignment Alignment() const { return FAlignment; }
    void Set_Alignment(TAlignment V);            // repaints the grid
    TCellBorders Borders() const { return FBorders; }
    void Set_Borders(TCellBorders V);            // update rule
    const TPen &BorderPen() const { return FBorderPen; }
    void Set_BorderPen(const TPen &V);           // update rule
    QString CheckFalse() const { return FCheckFalse; }
    void Set_CheckFalse(const QString &V) { FCheckFalse = V; }
    QString CheckTrue() const { return FCheckTrue; }
    void Set_CheckTrue(const QString &V) { FCheckTrue = V; }
    TColor Color() const { return FColor; }
    void Set_Color(TColor V);                    // update rule
    QMenu *ColumnPopup() const { return FColumnPopup; }
    void Set_ColumnPopup(QMenu *V) { FColumnPopup = V; }
    TColumnPopupType ColumnPopupType() const { return FColumnPopupType; }
    void Set_ColumnPopupType(TColumnPopupType V) { FColumnPopupType = V; }
    // The drop-down editors' items; the list may be changed in place (the
    // editor shows the list's content when it opens).
    QStringList &ComboItems() { return FComboItems; }
    const QStringList &ComboItems() const { return FComboItems; }
    void Set_ComboItems(const QStringList &V) { FComboItems = V; }
    int DropDownCount() const { return FDropDownCount; }
    void Set_DropDownCount(int V) { FDropDownCount = V; }
    int EditLength() const { return FEditLength; }
    void Set_EditLength(int V) { FEditLength = V; }
    // Custom editor link handed to the grid for this column (not owned).
    QObject *EditLink() const { return FEditLink; }
    void Set_EditLink(QObject *V) { FEditLink = V; }
    QString EditMask() const { return FEditMask; }
    void Set_EditMask(const QString &V) { FEditMask = V; }
    TEditorType Editor() const { return FEditorType; }
    // Repaints only when a data check box column comes or goes.
    void Set_Editor(TEditorType V);
    const QStringList &Filter() const { return FFilter; }
    void Set_Filter(const QStringList &V);       // repaints the grid
    bool FilterCaseSensitive() const { return FFilterCaseSensitive; }
    void Set_FilterCaseSensitive(bool V) { FFilterCaseSensitive = V; }
    bool Fixed() const { return FFixed; }
    void Set_Fixed(bool V);                      // update rule
    QString FloatFormat() const { return FFloatFormat; }
    void Set_FloatFormat(const QString &V);      // repaints the grid
    const TFont &Font() const { return FFont; }
    void Set_Font(const TFont &V);               // update rule
    QString Header() const { return FColumnHeader; }
    // Stores the title; with fixed rows (and no column move under way) it is
    // also written into row 0 of the column and the update rule runs; the
    // grid's header list is rebuilt from all items in every case.
    void Set_Header(const QString &V);
    TAlignment HeaderAlignment() const { return FHeaderAlignment; }
    void Set_HeaderAlignment(TAlignment V);      // repaints the grid
    const TFont &HeaderFont() const { return FHeaderFont; }
    void Set_HeaderFont(const TFont &V);         // repaints the grid
    int MinSize() const { return FMinSize; }
    void Set_MinSize(int V) { FMinSize = V; }
    int MaxSize() const { return FMaxSize; }
    void Set_MaxSize(int V) { FMaxSize = V; }
    QString Name() const { return FName; }
    void Set_Name(const QString &V) { FName = V; }
    bool Password() const { return FPassword; }
    void Set_Password(bool V);                   // update rule
    bool PrintBorderCustom() const { return FPrintBorderCustom; }
    void Set_PrintBorderCustom(bool V) { FPrintBorderCustom = V; }
    TCellBorders PrintBorders() const { return FPrintBorders; }
    void Set_PrintBorders(TCellBorders V) { FPrintBorders = V; }
    const TPen &PrintBorderPen() const { return FPrintBorderPen; }
    void Set_PrintBorderPen(const TPen &V) { FPrintBorderPen = V; }
    TColor PrintColor() const { return FPrintColor; }
    void Set_PrintColor(TColor V) { FPrintColor = V; }
    bool PrintFontCustom() const { return FPrintFontCustom; }
    void Set_PrintFontCustom(bool V) { FPrintFontCustom = V; }
    const TFont &PrintFont() const { return FPrintFont; }
    void Set_PrintFont(const TFont &V) { FPrintFont = V; }
    bool ReadOnly() const { return FReadOnly; }
    void Set_ReadOnly(bool V) { FReadOnly = V; }
    bool ShowBands() const { return FShowBands; }
    void Set_ShowBands(bool V);                  // update rule
    TSortStyle SortStyle() const { return FSortStyle; }
    void Set_SortStyle(TSortStyle V) { FSortStyle = V; }
    QString SortPrefix() const { return FSortPrefix; }
    void Set_SortPrefix(const QString &V) { FSortPrefix = V; }
    QString SortSuffix() const { return FSortSuffix; }
    void Set_SortSuffix(const QString &V) { FSortSuffix = V; }
    int SpinMax() const { return FSpinMax; }
    void Set_SpinMax(int V) { FSpinMax = V; }
    int SpinMin() const { return FSpinMin; }
    void Set_SpinMin(int V) { FSpinMin = V; }
    int SpinStep() const { return FSpinStep; }
    void Set_SpinStep(int V) { FSpinStep = V; }
    int Tag() const { return FTag; }
    void Set_Tag(int V) { FTag = V; }
    // The grid's width of the column (AllColWidths); 0 without a collection.
    int Width() const;
    void Set_Width(int V);
    // The last width known without asking the grid.
    int Width_Field() const { return FWidth; }
    void Set_Width_Field(int V) { FWidth = V; }
    int DefIdx() const { return FDefIdx; }
    void Set_DefIdx(int V) { FDefIdx = V; }

    // --- the column's cells by row (the grid's accessors, column = Index()) ----------
    QString GetRows(int ARow) const;
    void SetRows(int ARow, const QString &Value);
    int GetInts(int ARow) const;
    void SetInts(int ARow, int Value);
    double GetFloats(int ARow) const;
    void SetFloats(int ARow, double Value);
    TDateTime GetDates(int ARow) const;
    void SetDates(int ARow, TDateTime Value);
    TDateTime GetTimes(int ARow) const;
    void SetTimes(int ARow, TDateTime Value);

private:
    friend class TGridColumnCollection;
    friend class VIdiDidireDedu;
    void Changed();       // the collection's update rule
    void Repaint_Grid();
    void Copy_Fields(const TGridColumnItem &S, bool Visuals);

    TGridColumnCollection *FCollection = nullptr;
    int FWidth = 50;
    TAlignment FAlignment = taLeftJustify;
    QString FColumnHeader;
    TSortStyle FSortStyle = ssAutomatic;
    QString FSortPrefix;
    QString FSortSuffix;
    QString FEditMask;
    int FEditLength = 0;
    QPointer<QObject> FEditLink;
    TFont FFont;
    TColor FColor = 0;
    TEditorType FEditorType = edNormal;
    bool FFixed = false;
    bool FReadOnly = false;
    QStringList FComboItems;
    int FDropDownCount = 8;
    int FSpinMin = 0;
    int FSpinMax = 0;
    int FSpinStep = 1;
    bool FPassword = false;
    TFont FPrintFont;
    TColor FPrintColor = 0xFFFFFF;
    TCellBorders FBorders;
    TPen FBorderPen{0xC0C0C0, 1, psSolid};
    TCellBorders FPrintBorders{cbTop, cbLeft, cbRight, cbBottom};
    TPen FPrintBorderPen{0, 1, psSolid};
    int FTag = 0;
    int FDefIdx = 0;
    QString FName;
    QString FCheckFalse = QStringLiteral("N");
    QString FCheckTrue = QStringLiteral("Y");
    bool FShowBands = false;
    QStringList FFilter;
    int FMaxSize = 0;
    int FMinSize = 0;
    int FAutoMinSize = 0;
    int FAutoMaxSize = 0;
    TColumnPopupType FColumnPopupType = cpFixedCellsRClick;
    QPointer<QMenu> FColumnPopup;
    bool FFilterCaseSensitive = false;
    QString FFloatFormat;
    TAlignment FHeaderAlignment = taLeftJustify;
    TFont FHeaderFont;
    bool FPrintBorderCustom = true;
    bool FPrintFontCustom = true;
};

// The column grid's items, one per real column. Outside a synchronisation,
// a column move or an update bracket, Count() = the grid's ColCount plus its
// hidden columns, and item i belongs to real column i.
class TGridColumnCollection {
public:
    explicit TGridColumnCollection(VIdiDidireDedu *Owner);
    virtual ~TGridColumnCollection();
    TGridColumnCollection(const TGridColumnCollection &) = delete;
    TGridColumnCollection &operator=(const TGridColumnCollection &) = delete;

    VIdiDidireDedu *GetOwner() const { return FOwner; }
    int Count() const { return static_cast<int>(FItems.size()); }
    // EListError ("List index out of bounds (i)") outside 0 .. Count - 1.
    TGridColumnItem *Items(int Index) const;
    TGridColumnItem *operator[](int Index) const { return Items(Index); }
    // Copies the source's item settings into this one's (SetItem).
    void SetItem(int Index, const TGridColumnItem *Value) { Items(Index)->Assign(Value); }

    // Appends an item; from the second item on it takes the visuals of the
    // item before it, so a column added at the end looks like the last one.
    TGridColumnItem *Add();
    // A new item with creation defaults at Index (0 .. Count).
    TGridColumnItem *Insert(int Index);
    // Frees item Index (the update rule runs afterwards).
    void Delete(int Index);
    void Clear();
    // Takes over the items of another collection (count and settings).
    void Assign(const TGridColumnCollection &Source);
    // Changes between the two calls gather; the update rule waits for the end.
    void BeginUpdate() { ++FUpdateCount; }
    void EndUpdate();
    int UpdateCount() const { return FUpdateCount; }
    // The update rule, run after an item changed (Item: the changed item,
    // nullptr for the whole collection).
    virtual void Update(TGridColumnItem *Item);

    bool NoRecursiveUpdate() const { return FNoRecursiveUpdate; }
    void Set_NoRecursiveUpdate(bool V) { FNoRecursiveUpdate = V; }
    // The first broken invariant of the items' bookkeeping, empty when sound.
    QString Check_Consistency() const;

private:
    friend class TGridColumnItem;
    friend class VIdiDidireDedu;
    // Frees an item without running the update rule.
    void Remove_Silently(int Index);
    VIdiDidireDedu *FOwner = nullptr;
    std::vector<std::unique_ptr<TGridColumnItem>> FItems;
    bool FNoRecursiveUpdate = false;
    int FUpdateCount = 0;
};
