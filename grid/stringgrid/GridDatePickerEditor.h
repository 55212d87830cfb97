#pragma once
#include "grid/stringgrid/GridEditorRules.h"
#include "grid/base/DateTimePickerEdit.h"
#include "platform/DateTime.h"

class RIraRevadiVizo;

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

    // After a typed digit: moves to the next field when the typed field is
    // complete (all its digits, or a digit no further digit could follow)
    // and is not the last one.
    void Shift_Focus();

private:
    bool Field_Complete() const;
    RIraRevadiVizo *FGrid;
    int FSectionBeforeDigit = -1;   // the field the last digit was typed into
};

// edDateTimeEdit: date and time in one picker; its text is the short date,
// one blank and the short time.
class TGridDateTimePicker : public TGridDatePicker {
    Q_OBJECT
public:
    explicit TGridDateTimePicker(QWidget *Owner);
    QString Text() const override;
};
