#include "dropdowns/MultiColumnDropDown.h"

VOdeMultiColumnDropDown::VOdeMultiColumnDropDown(QWidget *Owner) : VOdeCustomDropDown(Owner) {}

int VOdeMultiColumnDropDown::GetItemIndex(const QString &Text) const
{
    for (int I = 0; I < int(FItems.size()); ++I)
        if (FLookupColumn >= 0 && FLookupColumn < FItems[I].size() && FItems[I][FLookupColumn] == Text)
            return I;
    return -1;
}

void VOdeMultiColumnDropDown::SetItemIndex(int Value)
{
    if (Value >= int(FItems.size()))
        return;
    FItemIndex = Value;
    const bool Has = Value >= 0 && FLookupColumn >= 0 && FLookupColumn < FItems[Value].size();
    SetTextDirect(Has ? FItems[Value][FLookupColumn] : QString());
}

void VOdeMultiColumnDropDown::ControlKeyDown(TKey &Key, TShiftState Shift)
{
    if (Shift.Contains(ssAlt) || !List_Key(Key))
        VOdeCustomDropDown::ControlKeyDown(Key, Shift);
}

void VOdeMultiColumnDropDown::ControlKeyUp(TKey &Key, TShiftState Shift)
{
    if (Shift.Contains(ssAlt) || !List_Key(Key))
        VOdeCustomDropDown::ControlKeyUp(Key, Shift);
}
