#include "dropdowns/DetailDropDown.h"

int TDetailItems::IndexOf(const QString &Caption) const
{
    for (int I = 0; I < Count(); ++I)
        if (Items[I].Caption == Caption)
            return I;
    return -1;
}

VOdeDetailDropDown::VOdeDetailDropDown(QWidget *Owner) : VOdeCustomDropDown(Owner) {}

void VOdeDetailDropDown::SetItemIndex(int Value)
{
    if (Value == FItemIndex || Value < 0 || Value >= FItems.Count())
        return;
    FItemIndex = Value;
    SetTextDirect(FItems.Items[Value].Caption);
    selectAll();
    update();
    if (OnSelect)
        OnSelect(this);
}

void VOdeDetailDropDown::KeyDown(TKey &Key, TShiftState Shift)
{
    if (Key == VK_RETURN) {
        const int I = FItems.IndexOf(text());
        if (I >= 0)
            SetItemIndex(I);
    }
    VOdeCustomDropDown::KeyDown(Key, Shift);
}
