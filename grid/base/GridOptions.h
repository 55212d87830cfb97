#pragma once
#include "grid/model/GridTypes.h"
#include "toolkit/Canvas.h"
#include "toolkit/StringGrid.h"
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <functional>

class TBaseGrid;

// Enumerations of the grid family (value order is ordinal order).
enum TCellBorder { cbTop, cbLeft, cbRight, cbBottom };
using TCellBorders = TSet<TCellBorder>;
enum TArrowDirection { arrUp, arrDown, arrLeft, arrRight };
enum TSearchDirection { sdTopBottom, sdLeftRight };
enum THomeEndAction { heFirstLastColumn, heFirstLastRow, heFirstLastCell };
enum TAdvanceDirection { adLeftRight, adTopBottom, adLeftRightInRow, adTopBottomInCol };
enum TInsertPosition { pInsertBefore, pInsertAfter };
enum TGridFixedCellEdit { fceNone, fceDblClick, fceLeftClick, fceRightClick };
enum TGridFixedCellEditor { fceEdit, fceComboEdit, fceComboList };
enum TWheelAction { waMoveSelection, waScroll };
enum VOdeGridButtonStyle { tasButton, tasCheck };
enum TClipboardPasteAction { paReplace, paInsert };
enum TCursorAdvance { caDefault, caSnake, caLoop };

// Event types of the grid family (Sender first). Several cell events pass the
// row before the column; each type keeps its own order.
using TNotifyEvent = std::function<void(QObject *Sender)>;
using TIsDesigningEvent = std::function<void(QObject *Sender, bool &IsDesigning)>;
using TGetDisplTextEvent = std::function<void(QObject *Sender, int ACol, int ARow, QString &Value)>;
using TFloatFormatEvent = std::function<void(QObject *Sender, int ACol, int ARow, bool &IsFloat, QString &FloatFormat)>;
using TOnResizeEvent = std::function<void(QObject *Sender)>;
using TColumnSizeEvent = std::function<void(QObject *Sender, int ACol, bool &Allow)>;
using TColumnSizingEvent = std::function<void(QObject *Sender, int ACol, int ColumnSize)>;
using TRowSizingEvent = std::function<void(QObject *Sender, int ARow, int RowSize)>;
using TRowSizeEvent = std::function<void(QObject *Sender, int ARow, bool &Allow)>;
using TEndColumnSizeEvent = std::function<void(QObject *Sender, int ACol)>;
using TUpdateColumnSizeEvent = std::function<void(QObject *Sender, int ACol, int &AWidth)>;
using TEndRowSizeEvent = std::function<void(QObject *Sender, int ARow)>;
using TClickCellEvent = std::function<void(QObject *Sender, int ARow, int ACol)>;
using TDblClickCellEvent = std::function<void(QObject *Sender, int ARow, int ACol)>;
using TCanEditCellEvent = std::function<void(QObject *Sender, int ARow, int ACol, bool &CanEdit)>;
using TScrollHintEvent = std::function<void(QObject *Sender, int ARow, QString &hintstr)>;
using TButtonClickEvent = std::function<void(QObject *Sender, int ACol, int ARow)>;
using TExpandClickEvent = std::function<void(QObject *Sender, int ACol, int ARow, bool Expanded)>;
using TCheckBoxClickEvent = std::function<void(QObject *Sender, int ACol, int ARow, bool State)>;
using TGetEditorTypeEvent = std::function<void(QObject *Sender, int ACol, int ARow, TEditorType &AEditor)>;
using TCustomCellDrawEvent = std::function<void(QObject *Sender, TCanvas &Canvas, int ACol, int ARow,
                                                TGridDrawState AState, TRect ARect, bool Printing)>;
using TAnchorClickEvent = std::function<void(QObject *Sender, int ARow, int ACol, const QString &Anchor, bool &AutoHandle)>;
using TAnchorHintEvent = std::function<void(QObject *Sender, int ARow, int ACol, QString &Anchor)>;
using TAnchorEvent = std::function<void(QObject *Sender, int ARow, int ACol, const QString &Anchor)>;
using TClickSortEvent = std::function<void(QObject *Sender, int ACol)>;
using TCanSortEvent = std::function<void(QObject *Sender, int ACol, bool &DoSort)>;
using TCustomCompareEvent = std::function<void(QObject *Sender, const QString &str1, const QString &str2, int &Res)>;
using TRawCompareEvent = std::function<void(QObject *Sender, int ACol, int Row1, int Row2, int &Res)>;
using TGridFormatEvent = std::function<void(QObject *Sender, int ACol, TSortStyle &AStyle, QString &aPrefix, QString &aSuffix)>;
using TGridColorEvent = std::function<void(QObject *Sender, int ARow, int ACol, TGridDrawState AState, TBrush &ABrush, TFont &AFont)>;
using TGridGradientEvent = std::function<void(QObject *Sender, int ARow, int ACol, TColor &Color, TColor &ColorTo,
                                              TColor &ColorMirror, TColor &ColorMirrorTo, TCellGradientDirection &GD)>;
using TGridBorderEvent = std::function<void(QObject *Sender, int ARow, int ACol, TPen &APen, TCellBorders &Borders)>;
using TGridBorderPropEvent = std::function<void(QObject *Sender, int ARow, int ACol, TPen &LeftPen, TPen &TopPen,
                                                TPen &RightPen, TPen &BottomPen)>;
using TGridAlignEvent = std::function<void(QObject *Sender, int ARow, int ACol, TAlignment &HAlign, TVAlignment &VAlign)>;
using TGridHintEvent = std::function<void(QObject *Sender, int ARow, int ACol, QString &hintstr)>;
using TEllipsClickEvent = std::function<void(QObject *Sender, int ACol, int ARow, QString &S)>;
using TGridBalloonEvent = std::function<void(QObject *Sender, int ACol, int ARow, QString &ATitle, QString &AText, int &AIcon)>;
using TCanInsertRowEvent = std::function<void(QObject *Sender, int ARow, bool &CanInsert)>;
using TAutoInsertRowEvent = std::function<void(QObject *Sender, int ARow)>;
using TCanAddRowEvent = std::function<void(QObject *Sender, bool &CanAdd)>;
using TAutoAddRowEvent = std::function<void(QObject *Sender, int ARow)>;
using TCanDeleteRowEvent = std::function<void(QObject *Sender, int ARow, bool &CanDelete)>;
using TAutoDeleteRowEvent = std::function<void(QObject *Sender, int ARow)>;
using TAutoInsertColEvent = std::function<void(QObject *Sender, int ACol)>;
using TSearchEditChangeEvent = std::function<void(QObject *Sender, const QString &Value, bool &DefaultSearch)>;
using TSpinClickEvent = std::function<void(QObject *Sender, int ACol, int ARow, int AValue, bool UpDown)>;
using TImageChangeEvent = std::function<void(QObject *Sender, int Acol, int Arow)>;

// Getter Name() and plain setter Set_Name() over a field FName.
#define BC_OPTION_GET(Type, Name, Default) \
public: \
    Type Name() const { return F##Name; } \
private: \
    Type F##Name = Default;
#define BC_OPTION(Type, Name, Default) \
    BC_OPTION_GET(Type, Name, Default) \
public: \
    void Set_##Name(Type Value) { F##Name = Value; }

// Keyboard movement, editing entry, row insertion and deletion, clipboard.
#define BC_NAVIGATION_PLAIN(X) \
    X(bool, AllowInsertRow, false) X(bool, AllowDeleteRow, false) X(bool, AdvanceOnEnter, false) \
    X(bool, AutoGotoWhenSorted, false) X(bool, AutoGotoIncremental, false) X(bool, AutoComboDropSize, false) \
    X(bool, AllowClipboardShortCuts, false) X(bool, AllowRTFClipboard, false) X(bool, AllowSmartClipboard, false) \
    X(bool, AllowClipboardAlways, false) X(bool, AllowClipboardColGrow, true) X(bool, AllowClipboardRowGrow, true) \
    X(TClipboardPasteAction, ClipboardPasteAction, paReplace) X(bool, CopyHTMLTagsToClipboard, true) \
    X(bool, AdvanceAutoEdit, true) X(bool, CursorWalkEditor, false) X(bool, CursorWalkAlwaysEdit, true) \
    X(bool, MoveRowOnSort, false) X(bool, KeepScrollOnSort, false) X(bool, ImproveMaskSel, false) \
    X(bool, AlwaysEdit, false) X(TInsertPosition, InsertPosition, pInsertBefore) X(bool, LineFeedOnEnter, false) \
    X(THomeEndAction, HomeEndKey, heFirstLastColumn) X(bool, KeepHorizScroll, false) \
    X(bool, AllowFmtClipboard, false) X(bool, TabToNextAtEnd, false) X(bool, EditSelectAll, true) \
    X(TAdvanceDirection, TabAdvanceDirection, adLeftRight) X(bool, SkipFixedCells, true) \
    X(bool, SkipDisabledRows, true) X(bool, AllowCtrlEnter, true) X(bool, AppendOnArrowDown, false) \
    X(bool, LeftRightRowSelect, true) X(bool, MoveScrollOnly, false) X(bool, ComboGetUpDown, true) \
    X(bool, AdvanceOnEnterLoop, true) X(TCursorAdvance, CursorAdvance, caDefault) \
    X(bool, AdvanceSkipReadOnlyCells, true) X(bool, CursorMoveRows, false)
#define BC_NAVIGATION_SPECIAL(X) \
    X(TAdvanceDirection, AdvanceDirection, adLeftRight) X(bool, AdvanceInsert, false) X(bool, AdvanceAuto, false)

class TNavigation {
    BC_NAVIGATION_PLAIN(BC_OPTION)
    BC_NAVIGATION_SPECIAL(BC_OPTION_GET)
public:
    // Each fires OnChange when the value changes.
    void Set_AdvanceDirection(TAdvanceDirection Value);
    void Set_AdvanceInsert(bool Value);
    // True also switches AdvanceOnEnter on (no event); False leaves it.
    void Set_AdvanceAuto(bool Value);
    // Every option but KeepScrollOnSort; events are not copied.
    void Assign(const TNavigation &Source);
    TNotifyEvent OnChange;
    QObject *Sender = nullptr;   // passed to the events (the owning grid)
};

// Selection modes, direct editing, fixed-cell editing, sizing, wheel.
#define BC_MOUSE_PLAIN(X) \
    X(bool, ColSelect, false) X(bool, RowSelect, false) X(bool, AllSelect, false) X(bool, DirectEdit, false) \
    X(bool, DirectComboDrop, false) X(bool, DirectComboClose, false) X(bool, DirectDateClose, false) \
    X(bool, DirectDateDrop, false) X(bool, AllColumnSize, false) X(bool, AllRowSize, false) \
    X(bool, CaretPositioning, false) X(bool, SizeFixedCol, false) X(bool, SizeFixedRow, false) \
    X(TGridFixedCellEdit, FixedRowsEdit, fceNone) X(TGridFixedCellEdit, FixedColsEdit, fceNone) \
    X(TGridFixedCellEditor, FixedRowsEditor, fceEdit) X(TGridFixedCellEditor, FixedColsEditor, fceEdit) \
    X(bool, RangeSelectAndEdit, false) X(bool, NoAutoRangeScroll, false) X(bool, PreciseCheckBoxCheck, false) \
    X(bool, PreciseNodeClick, true) X(bool, CheckAllCheck, false) X(bool, NodeAllExpandContract, false) \
    X(bool, MoveRowOnNodeClick, false) X(bool, RowSelectPersistent, false) X(bool, SelectOnRightClick, false) \
    X(bool, NoScrollOnPartialRow, false) X(int, WheelIncrement, 0) X(bool, AutoSizeColOnDblClick, true) \
    X(bool, DisjunctRowSelectNoCtrl, false)
#define BC_MOUSE_SPECIAL(X) \
    X(bool, DisjunctRowSelect, false) X(bool, DisjunctColSelect, false) X(bool, DisjunctCellSelect, false) \
    X(bool, HotmailRowSelect, false) X(TWheelAction, WheelAction, waMoveSelection) X(bool, EditOnDblClickOnly, false)

class TMouseActions {
    BC_MOUSE_PLAIN(BC_OPTION)
    BC_MOUSE_SPECIAL(BC_OPTION_GET)
public:
    // True also switches DisjunctRowSelect and CheckAllCheck on; fires OnInvalidate.
    void Set_HotmailRowSelect(bool Value);
    // True fires OnDisableEdit.
    void Set_EditOnDblClickOnly(bool Value);
    // A True value clears the other two disjunct modes only at design time.
    void Set_DisjunctRowSelect(bool Value);
    void Set_DisjunctColSelect(bool Value);
    void Set_DisjunctCellSelect(bool Value);
    // Writes DisjunctRowSelect without the rule above.
    void Set_DisjunctRowSelectDirect(bool Value) { FDisjunctRowSelect = Value; }
    void Set_WheelAction(TWheelAction Value);   // OnChange when it changes
    const QStringList &FixedComboValues() const { return FFixedComboValues; }
    void Set_FixedComboValues(const QStringList &Value) { FFixedComboValues = Value; }
    // Every option but HotmailRowSelect, SizeFixedRow, EditOnDblClickOnly and FixedComboValues.
    void Assign(const TMouseActions &Source);

    TNotifyEvent OnChange;
    TNotifyEvent OnInvalidate;
    TNotifyEvent OnDisableEdit;
    TIsDesigningEvent OnIsDesigning;
    QObject *Sender = nullptr;

private:
    bool Designing();
    QStringList FFixedComboValues;
};

// Coupling with a partner grid (scrolling, selection, moves follow it).
class TSyncGrid {
public:
    explicit TSyncGrid(TBaseGrid *Owner = nullptr) : FOwner(Owner) {}
    TBaseGrid *Grid() const;
    // The owner grid itself is ignored: a grid is never its own partner. A
    // destroyed partner is forgotten.
    void Set_Grid(TBaseGrid *Value);
    BC_OPTION(bool, ScrollHorizontal, false)
    BC_OPTION(bool, ScrollVertical, false)
    BC_OPTION(bool, SelectionRow, false)
    BC_OPTION(bool, SelectionColumn, false)
    BC_OPTION(bool, MoveRow, false)
    BC_OPTION(bool, MoveColumn, false)
public:
    void Assign(const TSyncGrid &Source);

private:
    TBaseGrid *FOwner;
    QPointer<QObject> FGrid;
};

// Alternating row colours: data row r is primary while
// (r - FixedRows) mod TotalLength < PrimaryLength.
class TBands {
public:
    bool Active() const { return FActive; }
    void Set_Active(bool Value);            // OnChange when it changes
    TColor PrimaryColor() const { return FPrimaryColor; }
    void Set_PrimaryColor(TColor Value);    // OnChange only while Active
    TColor SecondaryColor() const { return FSecondaryColor; }
    void Set_SecondaryColor(TColor Value);
    int PrimaryLength() const { return FPrimaryLength; }
    void Set_PrimaryLength(int Value);      // recomputes TotalLength; OnChange only while Active
    int SecondaryLength() const { return FSecondaryLength; }
    void Set_SecondaryLength(int Value);
    int TotalLength() const { return FTotalLength; }
    bool Print() const { return FPrint; }
    void Set_Print(bool Value) { FPrint = Value; }
    // Whether a data row is painted in the primary colour.
    bool Is_Primary_Row(int ARow, int FixedRows) const;
    void Assign(const TBands &Source);      // no event
    TNotifyEvent OnChange;
    QObject *Sender = nullptr;

private:
    void Changed();
    bool FActive = false;
    TColor FPrimaryColor = clInfoBk;
    int FPrimaryLength = 1;
    TColor FSecondaryColor = clWindow;
    int FSecondaryLength = 1;
    int FTotalLength = 2;
    bool FPrint = false;
};

class TFocusHelper {
public:
    BC_OPTION(bool, Enabled, false)
public:
    void Assign(const TFocusHelper &Source) { FEnabled = Source.FEnabled; }
};
