#pragma once
#include "grid/base/ComboEdit.h"
#include "grid/base/DateTimePickerEdit.h"
#include "grid/base/EditBtn.h"
#include "grid/model/GridTypes.h"
#include "grid/base/SpinEdit.h"
#include "platform/Keys.h"
#include <QAbstractItemView>
#include <QCheckBox>
#include <QPushButton>

class RIraRevadiVizo;

// The child controls through which the string grid edits its special (not
// text) cells. Each knows its grid and turns keys, focus loss and clicks into
// the grid's editing calls: write the value into the current cell and
// validate it, leave the editor, move on, or cancel. A refused value keeps
// the control open with the value validation left (NewCellText).
//
// Every control's owner must be a RIraRevadiVizo (std::bad_cast otherwise).

// Posted to the grid by an editor that leaves with Tab without goTabs: the
// grid then handles the key itself (wParam the key, lParam 1 with Shift).
int Grid_Key_Down_Message();
// Returns the grid an editor control is made for.
RIraRevadiVizo *Editor_Grid_Of(QWidget *Owner);

// The character filter of the numeric and float editor kinds (shared by the
// text editor and the edit-with-button editors). Text, caret and selection
// are the editor's; Ctrl says whether Ctrl is held. Returns the character to
// type (null: dropped); Beep says the refusal is to be heard.
QChar Filter_Number_Char(TEditorType Kind, QChar Key, const QString &Text, int Caret, const QString &Selected,
                         bool Ctrl, bool &Beep);

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

// Spin kinds: integer, float, time and date.
class TGridSpin : public ROruSpinEdit {
    Q_OBJECT
public:
    explicit TGridSpin(QWidget *Owner);
    void ReCreate() {}
    void KeyDown(TKey &Key, TShiftState Shift) override;
    void KeyPress(QChar &Key) override;
    void DoExit() override;
    void UpClick(QObject *Sender) override;
    void DownClick(QObject *Sender) override;
    // Every change of the text: OnEditChange, and the cell follows live.
    void Change();

protected:
    bool event(QEvent *E) override;

private:
    RIraRevadiVizo *FGrid;
};

// Combo kinds: csDropDown (edComboEdit) and csDropDownList (edComboList).
class TGridCombo : public ROruComboBox {
    Q_OBJECT
public:
    explicit TGridCombo(QWidget *Owner);
    bool WorkMode = true;
    std::function<void(QObject *Sender)> OnReturnKey;
    void KeyDown(TKey &Key, TShiftState Shift);
    void KeyPress(QChar &Key);
    void KeyUp(TKey &Key, TShiftState Shift);
    // Completes the typed text from the items, then the grid's lookup items.
    void DoChange();
    bool List_Open() const { return Dropped_Down() || view()->isVisible(); }
    // The list opens and closes: the grid's drop-down and close-up hooks.
    void showPopup() override;
    void hidePopup() override;

protected:
    bool event(QEvent *E) override;
    void keyPressEvent(QKeyEvent *E) override;
    void keyReleaseEvent(QKeyEvent *E) override;
    void focusOutEvent(QFocusEvent *E) override;
    void wheelEvent(QWheelEvent *E) override;

private:
    void Fire_Combo_Change();
    void Text_Edited(const QString &Text);
    RIraRevadiVizo *FGrid;
};

// Edit-with-button kinds: plain, numeric, float and masked.
class TGridEditBtn : public ROruEditBtn {
    Q_OBJECT
public:
    explicit TGridEditBtn(QWidget *Owner);
    bool WorkMode = true;
    bool StopEditAfterClick = false;
    void ReCreate() {}
    void KeyDown(TKey &Key, TShiftState Shift) override;
    void KeyUp(TKey &Key, TShiftState Shift) override;
    void KeyPress(QChar &Key) override;
    void WMChar(QChar &Key, bool Keypad) override;
    void DoExit() override;
    // Pastes text as the clipboard handlers allow (a trailing CR LF dropped).
    void Paste_Text(QString S);
    void Change();

protected:
    bool event(QEvent *E) override;
    void mouseDoubleClickEvent(QMouseEvent *E) override;

private:
    void Button_Click();
    RIraRevadiVizo *FGrid;
    int FSelKeyDown = 0;
};

// Unit kinds: a value followed by a unit.
class TGridUnitEditBtn : public ROruUnitEditBtn {
    Q_OBJECT
public:
    explicit TGridUnitEditBtn(QWidget *Owner);
    void ReCreate() {}
    void KeyDown(TKey &Key, TShiftState Shift) override;
    void WMChar(QChar &Key, bool Keypad) override;
    void DoExit() override;

protected:
    bool event(QEvent *E) override;

private:
    RIraRevadiVizo *FGrid;
};

// edCheckBox: shows the cell text as caption; nothing is written back.
class TGridCheckBox : public QCheckBox {
    Q_OBJECT
public:
    explicit TGridCheckBox(QWidget *Owner);
    void ReCreate() {}

protected:
    void keyPressEvent(QKeyEvent *E) override;
    void focusOutEvent(QFocusEvent *E) override;

private:
    RIraRevadiVizo *FGrid;
};

// edButton: the cell text as caption; a click passes it through EllipsClick.
class TGridButton : public QPushButton {
    Q_OBJECT
public:
    explicit TGridButton(QWidget *Owner);
    void ReCreate() {}
    void Press();

protected:
    void keyPressEvent(QKeyEvent *E) override;
    void keyReleaseEvent(QKeyEvent *E) override;
    void mouseReleaseEvent(QMouseEvent *E) override;
    void focusOutEvent(QFocusEvent *E) override;

private:
    RIraRevadiVizo *FGrid;
};

// Date kinds (edDateEdit, edDateEditUpDown) and edTimeEdit.
class TGridDatePicker : public ROruDateTimePicker {
    Q_OBJECT
public:
    explicit TGridDatePicker(QWidget *Owner);
    bool Weeknumbers = false;
    bool ShowToday = true;
    bool ShowTodayCircle = true;
    bool Checked = true;
    // The range of dates offered (inclusive; 0: no bound on that side).
    TDateTime MinDate = 0;
    TDateTime MaxDate = 0;
    // A value within the range (bounds inclusive).
    TDateTime Clamped(TDateTime Value) const;
    void ReCreate() {}
    void KeyDown(TKey &Key, TShiftState Shift);
    // The value as text in the locale's short date or long time format.
    virtual QString Text() const;
    void Set_Text(const QString &Value);
    TDateTime Value() const;
    void Set_Value(TDateTime Value);
    // Opens the calendar (as F4 and Alt+Down do); nothing without one.
    void Open_Calendar();

protected:
    bool event(QEvent *E) override;
    void keyPressEvent(QKeyEvent *E) override;
    void focusOutEvent(QFocusEvent *E) override;

private:
    RIraRevadiVizo *FGrid;
};

// edDateTimeEdit: date and time in one picker; its text is the short date,
// one blank and the short time.
class TGridDateTimePicker : public TGridDatePicker {
    Q_OBJECT
public:
    explicit TGridDateTimePicker(QWidget *Owner);
    QString Text() const override;
};
