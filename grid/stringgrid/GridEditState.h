#pragma once
// The string grid's edit under way and its editing settings: published
// getters and setters over plain fields, in a class the grid inherits
// publicly, so callers use the same names and the grid's sources name the
// fields directly. What an edit does lives in RIraRevadiVizo_Edit*.cpp.
#include "grid/base/DateTimePickerEdit.h"
#include "grid/model/GridSettingsObjects.h"
#include "grid/model/GridTypes.h"
#include "grid/stringgrid/GridEnums.h"
#include <QChar>
#include <bitset>
#include <QPointer>
#include <QString>
#include <QWidget>

class RIraRevadiVizo_EditState {
public:
    // --- state of the edit under way
    bool EditMode() const { return FEditMode; }
    // The next repaint after this edit is skipped (Invalidate clears it).
    void Set_EditChange() { FEditChange = true; }
    TEditorType EditControl() const { return FEditControl; }
    void Set_EditControl(TEditorType Value) { FEditControl = Value; }
    bool Editing() const { return FEditing; }
    bool Validating() const { return FValidating; }
    bool LastValidation() const { return FLastValidation; }
    bool NoAutoAdvance() const { return FNoAutoAdvance; }
    void Set_NoAutoAdvance(bool Value) { FNoAutoAdvance = Value; }
    // The value after the last validation (what a refused editor shows).
    QString NewCellText() const { return FNewCellText; }
    // The current cell's text when editing started (Escape restores it).
    QString CellCache() const { return FCellCache; }
    QChar StartEditChar() const { return FStartEditChar; }
    void Set_StartEditChar(QChar Value) { FStartEditChar = Value; }
    // The special editor control now shown (nullptr for the text editor).
    QWidget *EditCtrl() const { return FEditCtrl; }
    // The editor was opened by a left click (its caret goes under the pointer).
    bool LButFlg() const { return FLButFlg; }
    void Set_LButFlg(bool Value) { FLButFlg = Value; }
    // A value changed by an accepted edit; a refused edit leaves both as they were.
    bool Modified() const { return FModified; }
    void Set_Modified(bool Value) { FModified = Value; }
    bool GridModified() const { return FGridModified; }
    void Set_GridModified(bool Value) { FGridModified = Value; }

    // --- the cell an edit started at, and the focus moves it blocks
    int OldCol() const { return FOldCol; }
    int OldEditRow() const { return FOldEditRow; }
    QString OldCellText() const { return FOldCellText; }
    bool BlockFocus() const { return FBlockFocus; }
    void Set_BlockFocus(bool Value) { FBlockFocus = Value; }
    bool BlockKill() const { return FBlockKill; }
    void Set_BlockKill(bool Value) { FBlockKill = Value; }

    // --- editing settings
    bool AlwaysValidate() const { return FAlwaysValidate; }
    void Set_AlwaysValidate(bool Value) { FAlwaysValidate = Value; }
    RIraRevadiVizoCheck *CellChecker() const { return FCellChecker; }
    void Set_CellChecker(RIraRevadiVizoCheck *Value) { FCellChecker = Value; }
    // Rows changed by an edit are marked in column 0 in ShowModified's colour.
    TShowModified &ShowModified() { return FShowModified; }
    const TShowModified &ShowModified() const { return FShowModified; }
    void Set_ShowModified(bool Value) { FShowModified.Enabled = Value; }
    QString ValidChars() const { return FValidChars; }
    void Set_ValidChars(const QString &Value) { FValidChars = Value; }
    // The characters edValidChars accepts while ValidChars is empty (codes
    // 0..255 only: a wider character is never in the set).
    const std::bitset<256> &ValidCharSet() const { return FValidCharSet; }
    void Set_ValidCharSet(const std::bitset<256> &Value) { FValidCharSet = Value; }
    bool In_Valid_Char_Set(QChar C) const { return C.unicode() < 256 && FValidCharSet.test(C.unicode()); }
    bool Lookup() const { return FLookup; }
    void Set_Lookup(bool Value) { FLookup = Value; }
    bool LookupCaseSensitive() const { return FLookupCaseSensitive; }
    void Set_LookupCaseSensitive(bool Value) { FLookupCaseSensitive = Value; }
    bool LookupHistory() const { return FLookupHistory; }
    void Set_LookupHistory(bool Value) { FLookupHistory = Value; }
    bool ExcelStyleDecimalSeparator() const { return FExcelStyleDecimalSeparator; }
    void Set_ExcelStyleDecimalSeparator(bool Value) { FExcelStyleDecimalSeparator = Value; }
    int MaxComboLength() const { return FMaxComboLength; }
    void Set_MaxComboLength(int Value) { FMaxComboLength = Value; }
    int DropDownCount() const { return FDropDownCount; }
    void Set_DropDownCount(int Value) { FDropDownCount = Value; }
    // The message last shown at an editor for a refused value
    // (InvalidEntryTitle and InvalidEntryText, one line each).
    QString InvalidEntryShown() const { return FInvalidEntryShown; }

protected:
    bool FEditMode = false;
    bool FEditChange = false;
    TEditorType FEditControl = edNormal;
    bool FEditing = false;
    bool FValidating = false;
    bool FLastValidation = true;
    bool FNoAutoAdvance = false;
    QString FNewCellText;
    QString FCellCache;
    QChar FStartEditChar;
    QPointer<QWidget> FEditCtrl;
    bool FLButFlg = false;
    bool FModified = false;
    bool FGridModified = false;
    int FOldCol = -1;
    int FOldEditRow = -1;
    QString FOldCellText;
    bool FBlockFocus = false;
    bool FBlockKill = false;
    bool FAlwaysValidate = false;
    QPointer<RIraRevadiVizoCheck> FCellChecker;   // a deleted checker reads as none
    TShowModified FShowModified;
    QString FValidChars;
    std::bitset<256> FValidCharSet;
    bool FLookup = false;
    bool FLookupCaseSensitive = false;
    bool FLookupHistory = false;
    bool FExcelStyleDecimalSeparator = false;
    int FMaxComboLength = 0;
    int FDropDownCount = 8;
    QString FInvalidEntryShown;
};
