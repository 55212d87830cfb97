// The grid's own character step, after the keyboard front end: Escape puts
// the cell back, Enter on a cell control moves on, and in a grid without
// editing typed letters jump to the row whose lookup column starts with them.
#include "grid/stringgrid/RIraRevadiVizo.h"

void RIraRevadiVizo::Fire_Key_Press(QChar &Key)
{
    if (OnKeyPress)
        OnKeyPress(this, Key);
}

void RIraRevadiVizo::Grid_Key_Press(QChar &Key)
{
    const char16_t U = Key.unicode();
    if (U == 27 && Options().Contains(goEditing) && EditorMode()) {
        ApplyCellCache();
        Fire_Key_Press(Key);
        return;
    }
    if (U == 13 && !FNavigation.AdvanceOnEnter() && !IsEditable(GetRealCol(), Row())) {
        Fire_Key_Press(Key);
        Key = QChar();
        return;
    }
    if (U == 13 && HasCellControl(GetRealCol(), Row())) {
        NavigateAfterEdit(Col(), Row(), false, false, true, false, EditMode());
        if (!FNavigation.AdvanceAutoEdit()) {
            Fire_Key_Press(Key);
            Key = QChar();
            return;
        }
        if (HasCellControl(GetRealCol(), Row())) {
            Fire_Key_Press(Key);
            if (FNavigation.AdvanceOnEnter())
                ShowInplaceEdit();
            return;
        }
    }
    if (!Options().Contains(goEditing) && FNavigation.AutoGotoWhenSorted())
        Lookup_Row(Key);
    TBaseGrid::KeyPress(Key);
}

void RIraRevadiVizo::Lookup_Row(QChar Key)
{
    if (FNavigation.AutoGotoIncremental()) {
        if (Key == QChar(8))
            FSearchInc.chop(1);
        else
            FSearchInc += Key;
        // The grid timer drops the text after a pause (RIraRevadiVizo.cpp).
        FGridTimer.Reset_Search_Tics();
    } else {
        FSearchInc = Key;
    }
    const int R = FSearchInc.isEmpty() ? -1 : Search(FSearchInc.toUpper());
    if (R == -1)
        FSearchInc.clear();
    else
        Set_Row(R);
}
