#include "dropdowns/TrackBarDropDown.h"
#include "platform/Locale.h"
#include <algorithm>
#include <cmath>

VOdeTrackBarDropDown::VOdeTrackBarDropDown(QWidget *Owner) : VOdeCustomDropDown(Owner)
{
    Set_EditType(etNumeric);
    SetEditorEnabled(false);
    Set_Text(QStringLiteral("0"));
}

void VOdeTrackBarDropDown::SetPosition(int Value)
{
    FPosition = std::clamp(Value, std::min(FMin, FMax), std::max(FMin, FMax));
    Set_Text(QString::number(FPosition));
}

void VOdeTrackBarDropDown::Change()
{
    VOdeCustomDropDown::Change();
    FPosition = static_cast<int>(std::trunc(Leading_Float(Text())));
}
