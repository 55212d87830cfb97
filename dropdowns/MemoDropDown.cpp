#include "dropdowns/MemoDropDown.h"
#include <QPlainTextEdit>
#include <QTextEdit>

VOdeMemoDropDown::VOdeMemoDropDown(QWidget *Owner) : VOdeCustomDropDown(Owner) {}

void VOdeMemoDropDown::Set_MemoText(const QStringList &Lines)
{
    FMemoText = Lines;
    FFromMemo = true;
    SetTextDirect(Lines.join(QStringLiteral(" ")));
    FFromMemo = false;
}

void VOdeMemoDropDown::Change()
{
    if (!FFromMemo)
        FMemoText = QStringList{text()};
    VOdeCustomDropDown::Change();
}

namespace {
bool Memo_Hands_On(TKey Key, TShiftState Shift)
{
    return Shift.Contains(ssAlt) || Key == VK_ESCAPE || Key == VK_F4;
}
} // namespace

void VOdeMemoDropDown::ControlKeyDown(TKey &Key, TShiftState Shift)
{
    if (Key == 'A' && Shift.Contains(ssCtrl) && !Shift.Contains(ssAlt)) {
        if (auto *P = qobject_cast<QPlainTextEdit *>(Control())) {
            P->selectAll();
            Key = 0;
        } else if (auto *T = qobject_cast<QTextEdit *>(Control())) {
            T->selectAll();
            Key = 0;
        }
        return;
    }
    if (Memo_Hands_On(Key, Shift))
        VOdeCustomDropDown::ControlKeyDown(Key, Shift);
}

void VOdeMemoDropDown::ControlKeyUp(TKey &Key, TShiftState Shift)
{
    if (Memo_Hands_On(Key, Shift))
        VOdeCustomDropDown::ControlKeyUp(Key, Shift);
}

void VOdeMemoDropDown::ControlKeyPress(QChar &Key)
{
    if (Control_Key_Modifiers().testFlag(Qt::AltModifier) || Key == QChar(27))
        VOdeCustomDropDown::ControlKeyPress(Key);
}
