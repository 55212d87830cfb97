#include "dropdowns/CalculatorDropDown.h"
#include "dropdowns/DropDownText.h"
#include "platform/Locale.h"

VOdeCalculatorDropdown::VOdeCalculatorDropdown(QWidget *Owner) : VOdeCustomDropDown(Owner)
{
    Set_EditType(etFloat);
    Set_Precision(2);
}

void VOdeCalculatorDropdown::WMChar(QChar &Key, bool Keypad)
{
    const QChar C = Key;
    if (C == u'+' || C == u'*' || C == u'/' || (C == u'-' && !text().isEmpty() && cursorPosition() > 0)) {
        CalcResult();
        FOperand = Leading_Float(Text());
        FOperation = C;
        SetTextDirect(QString());
        FNewNumber = false;
        Key = QChar();
        return;
    }
    if (C == u'=') {
        CalcResult();
        Key = QChar();
        return;
    }
    // After a result (and at the start) the first digit begins a new number.
    if (FNewNumber && (C.isDigit() || C == Format_Settings().DecimalSeparator)) {
        SetTextDirect(QString());
        FNewNumber = false;
    }
    VOdeCustomDropDown::WMChar(Key, Keypad);
}

void VOdeCalculatorDropdown::CalcResult()
{
    if (FOperation.isNull())
        return;
    const double B = Leading_Float(Text());
    double R = FOperand;
    switch (FOperation.unicode()) {
    case u'+': R += B; break;
    case u'-': R -= B; break;
    case u'*': R *= B; break;
    case u'/': R = B == 0 ? 0 : R / B; break;
    default: break;
    }
    FOperation = QChar();
    FNewNumber = true;
    Set_Text(DropDown_Float_Text(R, 0));
}
