#pragma once
#include "dropdowns/DropDownEdit.h"

// A number worked out in place: "+", "-", "*" and "/" take the number typed so
// far and wait for the next one; "=" (and CalcResult) completes.
class VOdeCalculatorDropdown : public VOdeCustomDropDown {
    Q_OBJECT
public:
    explicit VOdeCalculatorDropdown(QWidget *Owner = nullptr);
    // The operators before the typed-input rules of the number.
    void WMChar(QChar &Key, bool Keypad) override;
    // Completes the pending operation and shows the result.
    void CalcResult();

private:
    double FOperand = 0;
    QChar FOperation;
    bool FNewNumber = true;
};
