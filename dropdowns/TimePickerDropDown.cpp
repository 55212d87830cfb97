#include "dropdowns/TimePickerDropDown.h"
#include <QStringList>
#include <algorithm>

VOdeTimePickerDropDown::VOdeTimePickerDropDown(QWidget *Owner) : VOdeCustomDropDown(Owner) { SetEditorEnabled(false); }

void VOdeTimePickerDropDown::KeyDown(TKey &Key, TShiftState Shift)
{
    if ((Key == VK_UP || Key == VK_DOWN) && !Shift.Contains(ssAlt)) {
        const QStringList Parts = text().split(u':');
        if (Parts.size() == 2 || Parts.size() == 3) {
            // The field under the caret: hours, minutes or seconds.
            const int Field = std::min(int(Parts.size()) - 1, cursorPosition() / 3);
            const int Limit = Field == 0 ? 24 : 60;
            int V = Parts[Field].trimmed().toInt();
            V = (V + (Key == VK_DOWN ? 1 : -1) + Limit) % Limit;
            QStringList N = Parts;
            N[Field] = QStringLiteral("%1").arg(V, 2, 10, QLatin1Char('0'));
            const int Caret = cursorPosition();
            SetTextDirect(N.join(u':'));
            setCursorPosition(Caret);
            Key = 0;
            return;
        }
    }
    VOdeCustomDropDown::KeyDown(Key, Shift);
}

void VOdeTimePickerDropDown::ControlKeyDown(TKey &Key, TShiftState Shift)
{
    if (Shift.Contains(ssAlt) || !List_Key(Key))
        VOdeCustomDropDown::ControlKeyDown(Key, Shift);
}

void VOdeTimePickerDropDown::ControlKeyUp(TKey &Key, TShiftState Shift)
{
    if (Shift.Contains(ssAlt) || !List_Key(Key))
        VOdeCustomDropDown::ControlKeyUp(Key, Shift);
}
