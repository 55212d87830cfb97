#pragma once
#include "toolkit/StringGrid.h"

// The string grid's enums, its two listener interfaces, the editor classes
// it names before they are defined, and the macros that write its plain
// properties. Kept apart so that code which only needs a kind or a
// listener does not pull in the whole grid.

enum TGridLook { glStandard, glSoft, glClassic, glQel, glXP, glListView, glVista, glWin7, glOffice2007, glCustom };
enum THoverFixedCells { hfNone, hfAll, hfFixedRows, hfFixedColumns };
enum TScrollType { ssNormal, ssFlat, ssEncarta, ssMetro };
enum TScrollBarAlways { saNone, saVert, saHorz, saBoth };
enum TFilterDropDownColumns { fdNormal, fdAll };
enum THintShowLargeTextPos { hpCell, hpMouse };
enum TInvalidEntryIcon { ieNone, ieInfo, ieWarning, ieError };
enum TSearchAction { saFindFirst, saFindPrevious, saFindNext };
enum TGridExportState { esExportStart, esExportNewRow, esExportDone, esExportSelRow, esExportFail, esExportNextRow };
enum TGridImportState { isImportStart, isImportNewRow, isImportDone, isImportSelRow };

class RIraRevadiVizo;
class RIraRevadiVizoCheck;
class TGridSpin;
class TGridCombo;
class TGridEditBtn;
class TGridUnitEditBtn;
class TGridCheckBox;
class TGridButton;
class TGridDatePicker;
class TGridDateTimePicker;
class TEditLink;
class VOdeInplaceEdit;
class TRichEdit;
class VOdeRichEdit;
class TGridTrackbarDropDown;
class TGridMemoDropDown;
class TGridCalculatorDropDown;
class TGridTimepickerDropDown;
class TGridDetailPickerDropDown;
class TGridGridDropDown;
class TGridColorDropDown;
class TGridImageDropDown;
class TGridDarAzidDropDown;
class VOdeCustomDropDown;
// The one selection listener a grid may have: told of every new current cell.
class IRIraRevadiVizoSelect {
public:
    virtual ~IRIraRevadiVizoSelect() = default;
    virtual void CellSelected(int ACol, int ARow) = 0;
};

// Told of every changed cell rectangle, after OnCellsChanged.
class TGridChangeNotifier {
public:
    virtual ~TGridChangeNotifier() = default;
    virtual void NotifyCellsChanged(const TGridRect &ARect) {}
};

// Getter Name() and setter Set_Name() that store and repaint when the value
// changes; the field F##Name is the grid state's (BC_GRID_STATE_FIELD).
#define BC_GRID_PROP(Type, Name, Default) \
public: \
    Type Name() const { return F##Name; } \
    void Set_##Name(Type Value) \
    { \
        if (F##Name == Value) \
            return; \
        F##Name = Value; \
        Invalidate(); \
    }
// Getter and plain setter (no repaint).
#define BC_GRID_FIELD(Type, Name, Default) \
public: \
    Type Name() const { return F##Name; } \
    void Set_##Name(Type Value) { F##Name = Value; }
// A published option kept in the grid's save options (defaults there).
#define BC_GRID_SAVE_OPTION(Type, Name) \
public: \
    Type Name() const { return FSaveOptions.Name; } \
    void Set_##Name(Type Value) { FSaveOptions.Name = Value; }
// The field behind either.
#define BC_GRID_STATE_FIELD(Type, Name, Default) Type F##Name = Default;
