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
