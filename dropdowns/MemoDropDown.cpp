#include "dropdowns/MemoDropDown.h"

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
