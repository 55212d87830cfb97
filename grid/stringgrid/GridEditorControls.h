#pragma once
// The child controls through which the string grid edits its special (not
// text) cells, one file pair each. Each knows its grid and turns keys, focus
// loss and clicks into the grid's editing calls: write the value into the
// current cell and validate it, leave the editor, move on, or cancel. A
// refused value keeps the control open with the value validation left
// (NewCellText). The rules they share (Tab, focus loss, the number filter)
// live in GridEditorRules.h.
//
// Every control's owner must be a RIraRevadiVizo (std::bad_cast otherwise).
#include "grid/stringgrid/GridEditorRules.h"
#include "grid/stringgrid/GridButtonEditor.h"
#include "grid/stringgrid/GridCheckBoxEditor.h"
#include "grid/stringgrid/GridComboEditor.h"
#include "grid/stringgrid/GridDatePickerEditor.h"
#include "grid/stringgrid/GridEditBtnEditor.h"
#include "grid/stringgrid/GridSpinEditor.h"
#include "grid/stringgrid/GridUnitEditor.h"

// What the editing flow needs of a drop-down editor wrapper: its value as
// text, in and out (the wrappers of DropDownWrappers.h provide it), and, for
// a kind the grid cannot name (the grid drop-down, built above the grid), the
// steps of filling it around the grid's OnGetEditorProp.
class IGridDropDownEditor {
public:
    virtual ~IGridDropDownEditor() = default;
    virtual QString Editor_Text() const = 0;
    virtual void Set_Editor_Text(const QString &Value) = 0;
    // Editing starts, before the application loads the editor's items.
    virtual void Begin_Cell_Edit() {}
    // The items are loaded; CellText is the cell's text (written into the
    // edit afterwards as it is).
    virtual void Cell_Props_Loaded(const QString &CellText) { (void)CellText; }
};
