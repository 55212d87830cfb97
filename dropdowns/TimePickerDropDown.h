#pragma once
#include "dropdowns/DropDownEdit.h"

// A time of day ("hh:mm" or "hh:mm:ss"): Down adds one to and Up takes one
// from the hour, minute or second under the caret, wrapping around.
class VOdeTimePickerDropDown : public VOdeCustomDropDown {
    Q_OBJECT
public:
    explicit VOdeTimePickerDropDown(QWidget *Owner = nullptr);
    void KeyDown(TKey &Key, TShiftState Shift) override;
    // The arrows, page keys, Home, End and Enter stay in the popup's content
    // unless Alt is held.
    void ControlKeyDown(TKey &Key, TShiftState Shift) override;
    void ControlKeyUp(TKey &Key, TShiftState Shift) override;
};
