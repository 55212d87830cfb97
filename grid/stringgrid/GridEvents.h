#pragma once
// The string grid's events, in one struct the grid inherits publicly: callers
// set them by their names on the grid (Grid.OnClickCell = ...). Every handler
// gets the grid as Sender first; each keeps its own parameter order, and an
// empty handler means the grid does what it does by default.
#include "grid/base/GridOptions.h"
#include "grid/model/GridTypes.h"
#include "grid/stringgrid/GridEnums.h"
#include "grid/stringgrid/GridScrollSettings.h"
#include "platform/DateTime.h"
#include "platform/Object.h"
#include "toolkit/Canvas.h"
#include "toolkit/StringGrid.h"
#include <QStringList>
#include <functional>
#include <vector>

struct RIraRevadiVizo_Events {
    // --- painting and cell looks
    std::function<void(QObject *Sender, int ACol, int ARow, QString &ATitle, QString &AText, int &AIcon)> OnCellBalloon;
    std::function<void(QObject *Sender, int ARow, int ACol, TColor &Color, TColor &ColorTo, TColor &MirrorColor,
                       TColor &MirrorColorTo, TCellGradientDirection &GD)> OnGetCellGradient;
    std::function<void(QObject *Sender, int ARow, int ACol, TPen &LeftPen, TPen &TopPen, TPen &RightPen,
                       TPen &BottomPen)> OnGetCellBorderProp;
    std::function<void(QObject *Sender, TCanvas &Canvas, int ACol, int ARow, TGridDrawState AState, TRect ARect,
                       bool Printing)> OnCustomCellBkgDraw;
    std::function<void(QObject *Sender, TCanvas &Canvas, int ACol, int ARow, TGridDrawState AState, TRect ARect,
                       bool Printing)> OnCustomCellDraw;
    // The size a cell needs (on paper: 0.1 mm), which the handler may change.
    std::function<void(QObject *Sender, TCanvas &Canvas, int ACol, int ARow, TPoint &ASize, bool Printing)>
        OnCustomCellSize;
    std::function<void(QObject *Sender, int ACol, int ARow, bool &IsFloat, QString &FloatFormat)> OnGetFloatFormat;
    TNotifyEvent OnPainted;

    // --- editing
    std::function<void(QObject *Sender, int ACol, int ARow, QString &Value, bool &Valid)> OnCellValidate;
    TNotifyEvent OnEditingDone;
    std::function<void(QObject *Sender, int ACol, int ARow)> OnEditCellDone;
    std::function<void(QObject *Sender, int ACol, int ARow, const QString &Value)> OnEditChange;
    std::function<void(QObject *Sender, int ACol, int ARow, int AItemIndex, const QString &ASelection, TObject *AObject)>
        OnComboObjectChange;
    std::function<void(QObject *Sender, int ACol, int ARow, QString &S)> OnEllipsClick;
    std::function<void(QObject *Sender, int ACol, int ARow, const QString &NewUnit)> OnUnitChanged;
    std::function<void(QObject *Sender, int ACol, int ARow, int AValue, bool UpDown)> OnSpinClick;
    std::function<void(QObject *Sender, int ACol, int ARow, double AValue, bool UpDown)> OnFloatSpinClick;
    std::function<void(QObject *Sender, int ACol, int ARow, TDateTime AValue, bool UpDown)> OnDateSpinClick;
    std::function<void(QObject *Sender, int ACol, int ARow, TDateTime AValue, bool UpDown)> OnTimeSpinClick;
    std::function<void(QObject *Sender, int OldRow, int NewRow, bool &Allow)> OnRowChanging;
    std::function<void(QObject *Sender, int OldCol, int NewCol, bool &Allow)> OnColChanging;
    std::function<void(QObject *Sender, int ACol, int ARow, QString &Value, bool &Allow)> OnClipboardBeforePasteCell;
    std::function<void(QObject *Sender, int ACol, int ARow, const QString &Value)> OnClipboardAfterPasteCell;
    std::function<void(QObject *Sender, int ARow)> OnEndRowSize;
    std::function<void(QObject *Sender, const QString &Value, TDateTime &ADate)> OnCustomStrToDate;

    // --- scrolling
    TScrollHintEvent OnScrollHint;
    std::function<void(QObject *Sender, int TopRow, int LeftCol, TDragScrollDirection &Dir, bool &CanScroll)> OnDragScroll;

    // --- rows deleted by the keyboard
    TAutoDeleteRowEvent OnAutoDeleteRow;

    // --- cells, selection, rows and columns
    TGridHintEvent OnGridHint;
    TGridHintEvent OnGridWideHint;
    TGridColorEvent OnGetCellColor;
    TGridColorEvent OnGetCellPrintColor;
    TGridBorderEvent OnGetCellBorder;
    TGridBorderEvent OnGetCellPrintBorder;
    TGridAlignEvent OnGetAlignment;
    TGridFormatEvent OnGetFormat;
    TGetEditorTypeEvent OnGetEditorType;
    std::function<void(QObject *Sender, int ACol, int ARow, bool &HasComboBox)> OnHasComboBox;
    std::function<void(QObject *Sender, int ACol, int ARow, bool &HasSpinEdit)> OnHasSpinEdit;
    std::function<void(QObject *Sender, int ARow, int ACol, bool &IsFixed)> OnIsFixedCell;
    TCanEditCellEvent OnCanEditCell;
    std::function<void(QObject *Sender, int ARow, int ACol, bool &IsPassword)> OnIsPasswordCell;
    std::function<void(QObject *Sender, int ACol, int ARow, bool &WordWrap)> OnGetWordWrap;
    std::function<void(QObject *Sender, int ACol, int ARow, QString &Value)> OnGetCheckTrue;
    std::function<void(QObject *Sender, int ACol, int ARow, QString &Value)> OnGetCheckFalse;
    std::function<void(QObject *Sender, const QString &Value, int ACol, int ARow, TSearchAction Action)> OnSearchFooterAction;
    TButtonClickEvent OnButtonClick;
    TExpandClickEvent OnExpandClick;
    // Space on a radio group (the new item's index) and on a radio button cell.
    std::function<void(QObject *Sender, int ACol, int ARow, int AIdx)> OnRadioClick;
    std::function<void(QObject *Sender, int ACol, int ARow)> OnRadioButtonClick;
    std::function<void(QObject *Sender, int ARow, int ACol)> OnComboCloseUp;
    std::function<void(QObject *Sender, int ARow, int ACol)> OnComboDropDown;
    std::function<void(QObject *Sender, int ACol, int ARow, int X, int Y, Qt::CursorShape &ACursor)> OnGetCellCursor;
    std::function<void(QObject *Sender, int ALeft, int ATop, int ARight, int ABottom)> OnSelectionChanged;
    std::function<void(QObject *Sender, const TGridRect &R)> OnCellsChanged;
    std::function<void(QObject *Sender, int ACol, int ARow, TGridFixedCellEditor &AEditor, QStringList &Values)> OnFixedEdit;
    TNotifyEvent OnFilterDone;
    TClickSortEvent OnClickSort;
    TCheckBoxClickEvent OnCheckBoxClick;
    TCheckBoxClickEvent OnCheckBoxChange;
    // A press is about to set a rating cell to NewRate (which may be changed).
    std::function<void(QObject *Sender, int ACol, int ARow, double &NewRate, bool &Allow)> OnRatingChange;
    std::function<void(QObject *Sender, int ACol, int ARow, QObject *AEditLink)> OnGetEditorProp;
    // Right after OnGetEditorProp, with the row first: the one the grid's own
    // descendants use, so that a form's OnGetEditorProp stays free.
    std::function<void(QObject *Sender, int ARow, int ACol)> OnGetEditorPropInt;
    TUpdateColumnSizeEvent OnUpdateColumnSize;
    TCanAddRowEvent OnCanAddRow;
    TCanInsertRowEvent OnCanInsertRow;
    std::function<void(QObject *Sender, int ACol, bool &Allow)> OnCanShowFixedDropDown;
    std::function<void(QObject *Sender, int ARow)> OnStartBlockFocus;
    std::function<void(QObject *Sender, int ARow)> OnEndBlockFocus;
    std::function<void(QObject *Sender, int ACol, int ARow)> OnScrollCell;
    std::function<void(QObject *Sender, int ACol, int ARow, QString &Value)> OnGetEditMask;
    std::function<void(QObject *Sender, int OldRow, int NewRow)> OnRowUpdate;
    std::function<void(QObject *Sender, int ARow, bool AState, bool &Allow)> OnRowDisjunctSelect;
    std::function<void(QObject *Sender, int ARow)> OnRowDisjunctSelected;
    std::function<void(QObject *Sender, int OldRow, int OldCol, int &NewRow, int &NewCol, bool &Allow)> OnAutoAdvance;
    std::function<void(QObject *Sender, int OldRow, int OldCol, int NewRow, int NewCol, bool &Allow)> OnCellChanging;
    TAutoAddRowEvent OnAutoAddRow;
    TAutoInsertColEvent OnAutoInsertCol;
    std::function<void(QObject *Sender, int ACol, int ARow, QString &Value)> OnSaveCell;
    std::function<void(QObject *Sender, int ACol, int ARow, QString &Value)> OnLoadCell;
    TNotifyEvent OnResize;

    // --- keyboard, clicks, clipboard and sizing
    TClickCellEvent OnClickCell;
    TDblClickCellEvent OnDblClickCell;
    TCanEditCellEvent OnCanClickCell;
    std::function<void(QObject *Sender, int ACol, int ARow, int AItemIndex, const QString &ASelection)> OnComboChange;
    std::function<void(QObject *Sender, bool &Allow)> OnClipboardCut;
    std::function<void(QObject *Sender, bool &Allow)> OnClipboardCopy;
    std::function<void(QObject *Sender, bool &Allow)> OnClipboardPaste;
    TCanDeleteRowEvent OnCanDeleteRow;
    TColumnSizeEvent OnColumnSize;
    TRowSizeEvent OnRowSize;
    TEndColumnSizeEvent OnEndColumnSize;

    // --- grouping, filtering and the search footer
    std::function<void(QObject *Sender, int ACol, int FromRow, int ToRow, double &Res)> OnGroupCalc;
    std::function<void(QObject *Sender, int ACol, int ARow, QString &Value)> OnFooterCalc;
    std::function<void(QObject *Sender, int ARow, bool &AcceptRow)> OnCustomFilter;
    std::function<void(QObject *Sender, short Progress)> OnFilterProgress;
    std::function<void(QObject *Sender, short Progress)> OnFileProgress;
    std::function<void(QObject *Sender, int Column, QStringList &Filter)> OnGetColumnFilter;
    std::function<void(QObject *Sender, int Column, int ItemIndex, const QString &FriendlyName, QString &FilterCondition)> OnFilterSelect;
    std::function<void(QObject *Sender, int Column, int ItemIndex, const QString &FriendlyName, QString &FilterCondition,
                       const std::vector<bool> &CheckList)> OnFilterCheck;
    std::function<void(QObject *Sender, const QString &Value, bool &DefaultSearch)> OnSearchEditChange;
    TNotifyEvent OnSearchFooterClose;

    // --- wide-text cells, date pickers, drop-down and rich-text editors
    std::function<void(QObject *Sender, int ACol, int ARow, QString &Value, bool &Valid)> OnCellValidateWide;
    // The date pickers' calendar opened or closed (row first), and the
    // date-and-time picker's value changed.
    std::function<void(QObject *Sender, int ARow, int ACol)> OnDatePickerDropDown;
    std::function<void(QObject *Sender, int ARow, int ACol)> OnDatePickerCloseUp;
    std::function<void(QObject *Sender, int ACol, int ARow, TDateTime ADateTime)> OnDateTimeChange;
    // A button of an open drop-down's header or footer bar was clicked (the current cell).
    std::function<void(QObject *Sender, int ACol, int ARow, int ButtonIndex)> OnDropDownHeaderButtonClick;
    std::function<void(QObject *Sender, int ACol, int ARow, int ButtonIndex)> OnDropDownFooterButtonClick;
    // A colour or picture was chosen in an open picker.
    std::function<void(QObject *Sender, int ACol, int ARow, TColor Color, const QString &Value)> OnColorSelect;
    std::function<void(QObject *Sender, int ACol, int ARow, int ItemIndex)> OnImageSelect;
    // The picker's value is about to be written: the handler may change it.
    std::function<void(QObject *Sender, int ACol, int ARow, TColor &Color, QString &Value)> OnColorSelected;
    std::function<void(QObject *Sender, int ACol, int ARow, int &Index)> OnImageSelected;
    TNotifyEvent OnRichEditSelectionChange;

    // --- sorting and column calculations
    TCustomCompareEvent OnCustomCompare;
    TRawCompareEvent OnRawCompare;
    std::function<void(QObject *Sender, int OldRow, int NewRow)> OnRowChanged;
    std::function<void(QObject *Sender, int ACol, int FromRow, int ToRow, double &Res)> OnColumnCalc;

    // --- printing (fired by the print target, grid/print): page range, pages,
    // page numbers, cancelling, column widths, row heights and fit to page.
    // Sizes are in 0.1 mm; Canvas is the print canvas (y grows upward).
    std::function<void(QObject *Sender, int NrOfPages, int &FromPage, int &ToPage)> OnPrintStart;
    std::function<void(QObject *Sender, TCanvas &Canvas, int PageNr, int PageXSize, int PageYSize)> OnPrintPage;
    std::function<void(QObject *Sender, TCanvas &Canvas, int LastRow, int LastRowOffset, int LastPage, int PageXSize,
                       int PageYSize)> OnPrintPageDone;
    std::function<void(QObject *Sender, int PageNr, bool &Cancel)> OnPrintCancel;
    std::function<void(QObject *Sender, int ARow, bool &NewPage)> OnPrintNewPage;
    std::function<void(QObject *Sender, int PageNum, int PageColNum, QString &PageNumString)> OnPrintGetPageNum;
    std::function<void(QObject *Sender, int ACol, int &Width)> OnPrintSetColumnWidth;
    std::function<void(QObject *Sender, int ARow, int &Height)> OnPrintSetRowHeight;
    std::function<void(QObject *Sender, double &ScaleFactor, bool &Allow)> OnFitToPage;
};
