#pragma once
#include "dropdowns/DropDownEdit.h"
#include <QStringList>

// A multi-line text edited in the popup; the edit shows it on one line.
class VOdeMemoDropDown : public VOdeCustomDropDown {
    Q_OBJECT
public:
    explicit VOdeMemoDropDown(QWidget *Owner = nullptr);
    QStringList &MemoText() { return FMemoText; }
    // Replaces the lines (the edit shows them joined).
    void Set_MemoText(const QStringList &Lines);
    // Copies the edit text into the memo text unless the change came from it.
    void Change() override;
    // The memo keeps its keys (Enter makes new lines): only keys with Alt
    // held, Esc and F4 reach the edit. Ctrl+A selects all of the memo.
    void ControlKeyDown(TKey &Key, TShiftState Shift) override;
    void ControlKeyUp(TKey &Key, TShiftState Shift) override;
    void ControlKeyPress(QChar &Key) override;

private:
    QStringList FMemoText;
    bool FFromMemo = false;
};
