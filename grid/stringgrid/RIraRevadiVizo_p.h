#pragma once
// The string grid's own state: every field the grid keeps, in one struct the
// grid inherits (protected), so its sources name the fields directly and the
// class declaration stays a list of what the grid offers. Include
// RIraRevadiVizo.h, not this file.
#include "grid/base/BaseGrid.h"
#include "grid/base/DateTimePickerEdit.h"
#include "grid/base/DrawRoutines.h"
#include "grid/base/CellControls.h"
#include "grid/base/GridOptions.h"
#include "grid/model/CellGraphic.h"
#include "grid/model/CellLayout.h"
#include "grid/model/DarAzidError.h"
#include "grid/model/GridFilter.h"
#include "grid/model/GridFind.h"
#include "grid/model/GridGrouping.h"
#include "grid/stringgrid/GridEnums.h"
#include "grid/stringgrid/GridLooks.h"
#include "grid/stringgrid/GridBottomPanels.h"
#include "grid/stringgrid/GridFilterSession.h"
#include "grid/stringgrid/GridFindSession.h"
#include "grid/stringgrid/GridMarks.h"
#include "grid/stringgrid/GridNodes.h"
#include "grid/stringgrid/GridPaintExtras.h"
#include "grid/stringgrid/GridSearchFooter.h"
#include "grid/stringgrid/GridControlLook.h"
#include "dropdowns/DropDownAppearance.h"
#include "grid/model/GridRowFlags.h"
#include "grid/model/GridSaveOptions.h"
#include "grid/model/GridSettingsObjects.h"
#include "grid/stringgrid/GridScrollSettings.h"
#include "grid/base/CellControls.h"
#include "grid/stringgrid/GridSettings.h"
#include "grid/stringgrid/EditLink.h"
#include "platform/DateTime.h"
#include "toolkit/ImageList.h"
#include <QPointer>
#include <QStringList>
#include <array>
#include <functional>
#include <map>
#include <tuple>
#include <memory>
#include <vector>

class QLabel;
class QTimer;
class QIODevice;
class TScrollControl;
class TArrowWindow;
class TGridFocusWindow;
class TFooterPanel;
class TSearchPanel;

// The plain properties: type, name, default. The grid writes a getter Name()
// and a setter Set_Name() for each; the first list repaints on a change.
#define BC_STRINGGRID_REPAINTING_PROPS(X) \
    X(int, MinRowHeight, 0) \
    X(int, MaxRowHeight, 0) \
    X(int, MinColWidth, 0) \
    X(int, MaxColWidth, 0) \
    X(TColor, ScrollColor, clNone) \
    X(int, ScrollWidth, 17) \
    X(bool, IntegralHeight, false) \
    X(TColor, HintColor, clInfoBk) \
    X(TColor, SelectionColor, 0xEACAB6) \
    X(TColor, SelectionColorTo, clNone) \
    X(TColor, SelectionMirrorColor, clNone) \
    X(TColor, SelectionMirrorColorTo, clNone) \
    X(TColor, SelectionTextColor, 0) \
    X(TColor, SelectionRectangleColor, 0) \
    X(TColor, ActiveCellColor, 0x808080) \
    X(TColor, ActiveCellColorTo, clNone) \
    X(bool, ActiveCellShow, false) \
    X(TColor, DisabledFontColor, 0xC0C0C0) \
    X(TColor, URLColor, 0xFF0000) \
    X(TColor, QelGradientFrom, 0xFFFFFF) \
    X(TColor, QelGradientTo, 0xF0F0F0) \
    X(TColor, QelGradientMirrorFrom, clNone) \
    X(TColor, QelGradientMirrorTo, clNone) \
    X(TColor, BorderColor, 0xB99D7F) \
    X(bool, HideFocusRect, false) \
    X(bool, FixedAsButtons, false) \
    X(THoverFixedCells, HoverFixedCells, hfNone) \
    X(bool, UseDisabledFont, true) \
    X(TPoint, XYOffset, (TPoint{2, 2})) \
    X(TAlignment, DefaultAlignment, taLeftJustify) \
    X(bool, EnableHTML, true) \
    X(bool, ShowDesignHelper, true)

// The published save options: kept in the grid's TGridSaveOptions (defaults there).
#define BC_STRINGGRID_SAVE_OPTIONS(X) \
    X(bool, LoadFirstRow) \
    X(bool, ExcelClipboardFormat) \
    X(bool, SaveFixedCells) \
    X(bool, SaveFixedRows) \
    X(bool, SaveFixedCols) \
    X(bool, SaveHiddenCells) \
    X(bool, SaveVirtCells) \
    X(bool, SaveWithHTML) \
    X(bool, SaveWithRTF) \
    X(bool, QuoteEmptyCells) \
    X(bool, AlwaysQuotes) \
    X(bool, JavaCSV) \
    X(QChar, Delimiter) \
    X(QString, XMLEncoding) \

#define BC_STRINGGRID_PLAIN_PROPS(X) \
    X(bool, ShowNullDates, true) \
    X(bool, IntelliZoom, true) \
    X(TEditorType, DefaultEditor, edNormal) \
    X(bool, EnhRowColMove, true) \
    X(bool, EnableWheel, true) \
    X(bool, AutoFilterUpdate, true) \
    X(TFilterDropDownColumns, FilterDropDownColumns, fdNormal) \
    X(QString, FilterDropDownClear, QStringLiteral("(All)")) \
    X(bool, FilterIncremental, false) \
    X(THintShowLargeTextPos, HintShowLargeTextPos, hpCell) \
    X(bool, UseInternalHintClass, true) \
    X(TInvalidEntryIcon, InvalidEntryIcon, ieWarning) \
    X(QString, InvalidEntryTitle, QString()) \
    X(QString, InvalidEntryText, QString()) \
    X(bool, SizeGrowOnly, false) \
    X(int, ZoomFactor, 0) \
    X(bool, FindBusy, false) \
    X(int, PreviewPage, 1) \
    X(bool, PrinterDriverFix, false) \
    X(bool, ClearTextOnly, false) \
    X(bool, NoDefaultDraw, false) \
    X(QString, FloatFormat, QStringLiteral("%.2f")) \
    X(QChar, PasswordChar, QChar(u'*')) \
    X(QString, CheckTrue, QStringLiteral("Y")) \
    X(QString, CheckFalse, QStringLiteral("N")) \
    X(QString, EditMask, QString()) \
    X(bool, FitCellsInGrid, true) \
    X(bool, FilterNormalCellsOnly, true) \
    X(bool, EditDisable, false) \
    /* Stands for the sort settings' rule: grouping sorts by the column first. */ \
    X(bool, AutoSortForGrouping, true)

struct RIraRevadiVizo_State {
    // The grid hands itself over before its own body runs: the settings
    // objects only keep the pointer, the row flags live in its model.
    RIraRevadiVizo_State(RIraRevadiVizo *Grid, TBaseGrid *Base, TGridRowFlags &Flags, std::function<void()> Repaint)
        : FControlLook(&FFixedGradient, std::move(Repaint)), FFlags(Flags),
          FCellNode(std::make_unique<TCellNode>(Grid)), FColumnSize(std::make_unique<TColumnSize>(Grid)),
          FSyncGrid(Base)
    {
    }

    BC_STRINGGRID_REPAINTING_PROPS(BC_GRID_STATE_FIELD)
    BC_STRINGGRID_PLAIN_PROPS(BC_GRID_STATE_FIELD)

    // --- painting, looks and cell graphics
    TPaintExtras FPaintExtras;
    TCellGraphic FRowCheckBox;
    TImageListRef FGridImages;   // not owned; reads as none once the list is destroyed
    bool FAutoCheckGroup = false;
    bool FAutoNumAlign = false;
    bool FLastToggleState = false;
    bool FEnhTextSize = false;
    bool FURLShow = false;
    bool FURLFull = false;
    bool FNoImageAndText = false;
    bool FURLShowInText = false;
    TGridLook FLook = glXP;
    bool FVisualStyle = false;
    TQelStyle FComponentStyle = tsWindowsXP;
    TOfficeTheme FLastTheme = otUnknown;
    bool FThemeAdapted = false;
    TColorTones FColorTones;
    TFixedGradientColors FFixedGradient;
    TControlLook FControlLook;   // repaints the grid on a change
    TSortSettings FSortSettings;
    int FSelectionColorMixerFactor = 50;
    bool FSelectionColorMixer = false;
    bool FSelectionRectangle = false;
    bool FSelectionResizer = false;
    TColor FSearchFooterColor = clBtnFace;
    TColor FSearchFooterColorTo = clBtnFace;
    bool FCtl3D = true;
    TColor FHighlightColor = clHighlight;
    TColor FHighlightTextColor = clHighlightText;
    bool FAutoThemeAdapt = false;
    bool FSelectionRTFKeep = false;
    TPoint FHoverFixed{-1, -1};
    bool FHoverFixedDown = false;
    TPoint FHotButton{-1, -1};
    TColor FUnselBrush = clNone;
    TColor FUnselFont = clNone;

    // --- editing: the editor controls and the flow's own flags (the edit under
    // way and the published settings: GridEditState.h)
    bool FSpecialEditor = false;
    bool FEditActive = false;
    bool FShowEditProcess = false;
    bool FHoldCell = false;
    int FComboIdx = -1;
    QString FEditText;
    TGridSpin *FEditSpin = nullptr;
    TGridCombo *FEditCombo = nullptr;
    TGridEditBtn *FEditBtn = nullptr;
    TGridUnitEditBtn *FUnitEditBtn = nullptr;
    TGridCheckBox *FEditCheck = nullptr;
    TGridButton *FGridButton = nullptr;
    TGridDatePicker *FEditDate = nullptr;

    // --- scrolling, sizing, mouse state, focus frame, controls over cells and bottom panels
    bool FScrollProportional = false;
    TScrollBarAlways FScrollBarAlways = saNone;
    bool FPropBar[2] = {false, false};   // horizontal, vertical
    int FPropPos[2] = {0, 0};
    bool FHideHorzBar = false;           // the proportional horizontal bar is not needed
    QLabel *FScrollHintWnd = nullptr;
    bool FScrollHintShow = false;
    TDragScrollOptions FDragScrollOptions;
    QTimer *FDragTmr = nullptr;
    TDragScrollDirection FDragScrollDirection;
    bool FIsColChanging = false;
    bool FColchgFlg = false;
    TGridCursorId FCursorShown = gcNone;   // the grid cursor on the viewport now
    bool FSizeFixed = false, FSizingFixed = false, FSizeFixedR = false, FSizingFixedR = false;
    bool FNoMouseLeave = false;
    bool FFocusToEditor = false;
    TGridFocusWindow *FFocusWindow = nullptr;
    TBackGround FBackGround;
    TControlList FControlList;
    bool FCellControlsUsed = false;   // a rebuild has found controls over cells
    TScrollType FScrollType = ssNormal;
    TScrollControl *FVScrlCtrl = nullptr;
    TScrollControl *FHScrlCtrl = nullptr;
    TArrowWindow *FArrows[4] = {nullptr, nullptr, nullptr, nullptr};
    TGridBottomPanels FPanels;   // the floating footer's and the search footer's
    // dimensions
    bool FFixedRowAlways = false;
    bool FFixedColAlways = false;
    int FFixedRowsMin = 0;
    int FFixedColsMin = 0;
    int FFixedFooters = 0;
    int FFixedRightCols = 0;
    int FFixedRowHeight = 22;
    int FMaxRowCount = 0;
    int FMaxColCount = 0;
    bool FWordWrapEx = true;
    bool FLoaded = false;
    bool FLoading = false;
    // life cycle
    QPointer<QWidget> FWatchedWindow;
    int FPrevSizeX = 0;
    int FPrevSizeY = 0;
    // hidden rows
    int FFilterLevel = 0;
    bool FBulkHeights = false;   // row heights rewritten in one pass
    // selection and row flags (kept by the model, beside the rows)
    TGridRowFlags &FFlags;
    TGridRect FOldSelection;
    bool FSelHidden = false;
    bool FSelChange = false;
    int FAECol = -1;
    int FAERow = -1;
    bool FDisableChange = false;
    int FOldRow = -1;
    bool FOldModifiedValue = false;
    bool FEntered = false;
    IRIraRevadiVizoSelect *FISelect = nullptr;
    std::vector<TGridChangeNotifier *> FNotifierList;
    std::vector<int> FIgnoreColumns;
    // update batching and small settings
    int FUpdateCount = 0;
    bool FShowSelection = true;
    TVAlignment FVAlignment = vtaTop;
    bool FSpreadSheet = false;
    int FMaxEditLength = 0;
    int FWheelScrollLines = 3;
    bool FFlat = false;
    bool FAutoSize = false;
    TRichEdit *FSaveRichEdit = nullptr;   // turns rich text into plain text when saving
    // texts and headers
    QStringList FColumnHeaders;
    QStringList FRowHeaders;
    QStringList FLookupItems;
    TFont FFixedFont;
    TFont FActiveCellFont;
    TFont FScratchFont;
    std::vector<int> FMergedColumns;
    QString FSearchInc;
    // The last print's column widths and left edges (0.1 mm), by display column.
    std::vector<int> FPrintColWidth;
    std::vector<int> FPrintColOffset;
    // settings objects
    TNavigation FNavigation;
    TMouseActions FMouseActions;
    std::unique_ptr<TCellNode> FCellNode;
    TSizeWhileTyping FSizeWhileTyping;
    std::unique_ptr<TColumnSize> FColumnSize;
    THTMLSettings FHTMLSettings;
    TPrintSettings FPrintSettings;
    TGridSaveOptions FSaveOptions;
    TSyncGrid FSyncGrid;
    TBands FBands;
    TFocusHelper FFocusHelper;

    // --- keyboard, clicks and cell access
    TGridRect FMoveSelection;
    int FLastTabCol = -1;
    int FLastTabRow = -1;
    bool FKeypadKey = false;   // the key being handled came from the numeric keypad
    TPoint FPressPoint;
    // The press hit the upper or lower half of a cell's drawn spin buttons:
    // the spin editor opening for it takes one step that way.
    bool FSpinUpClick = false;
    bool FSpinDnClick = false;
    TPoint FSpinCell{-1, -1};   // the cell (display column, row) whose spin buttons were pressed
    int FNumCellControls = 0;
    std::unique_ptr<TGridProgressAppearance> FProgressAppearance;
    bool FForceSel = false;
    bool FDblClk = false;
    bool FEditWithTags = false;
    bool FXYOffsetTopLeftOnly = false;
    bool FMultilineCells = false;
    bool FNoEditChange = false;

    // --- row nodes and grouping
    TGridNodes FNodes;   // the node count and the grouped column
    TGrouping FGrouping;
    TFloatingFooter FFloatingFooter;

    // --- filtering: conditions, levels and the drop-down
    TGridFilterSession FFilters;

    // --- find and mark
    TGridFindSession FFind;   // what was looked for last, where it was found
    TGridMarks FMarks;   // cells marked by tag, and what they held before

    // --- column order, unsorted cells and layout persistence
    std::vector<int> FColumnOrder;
    std::vector<int> FSortRowXRef;
    TDragDropSettings FDragDropSettings;
    TBalloonSettings FBalloon;

    // --- search footer
    TSearchFooter FSearchFooter;
    TColor FSearchEditColor = clWindow;
    // Visual-properties values of settings this grid does not hold itself
    // (balloon, sort index, control look, search footer, background, URL
    // display): kept by key so that a file read and written again keeps them.
    std::map<QString, QString> FVisualValues;
    // design-time configuration box
    bool FDesigning = false;
    bool FShowColNrs = false;
    int FLastDesignChoice = -1;

    // --- wide-text cells, the date-and-time, drop-down and rich-text editors, the editor link
    QString FOldCellTextWide;
    TGridDateTimePicker *FEditDateTime = nullptr;
    TGridTrackbarDropDown *FEditTrackBar = nullptr;
    TGridMemoDropDown *FEditMemo = nullptr;
    TGridCalculatorDropDown *FEditCalculator = nullptr;
    TGridTimepickerDropDown *FEditTimePicker = nullptr;
    TGridDetailPickerDropDown *FEditDetailPicker = nullptr;
    TGridGridDropDown *FEditGridPicker = nullptr;
    TGridColorDropDown *FEditColorPicker = nullptr;
    TGridImageDropDown *FEditImagePicker = nullptr;
    VOdeCustomDropDown *FEditDarAzidPicker = nullptr;
    bool FDropDownCancelled = false;
    VOdeRichEdit *FInplaceRichEdit = nullptr;
    VOdeRichEdit *FRichEdit = nullptr;
    QPointer<TEditLink> FEditLink;
};
