#pragma once
#include "dropdowns/DropDownEdit.h"

// A time of day ("hh:mm" or "hh:mm:ss"): Down adds one to and Up takes one
// from the hour, minute or second under the caret, wrapping around.
class VOdeTimePickerDropDown : public VOdeCustomDropDown {
    Q_OBJECT
public:
    explicit VOdeTimePickerDropDown(QWidget *Owner = nullptr);
    void KeyDown(TKey &Key, TShiftState Shift) override;
};
