#pragma once
#include "grid/stringgrid/GridEditorRules.h"
#include "grid/base/EditBtn.h"

class RIraRevadiVizo;

// Edit-with-button kinds: plain, numeric, float and masked.
class TGridEditBtn : public ROruEditBtn {
    Q_OBJECT
public:
    explicit TGridEditBtn(QWidget *Owner);
    bool WorkMode = true;
    bool StopEditAfterClick = false;
    void ReCreate() {}
    void KeyDown(TKey &Key, TShiftState Shift) override;
    void KeyUp(TKey &Key, TShiftState Shift) override;
    void KeyPress(QChar &Key) override;
    void WMChar(QChar &Key, bool Keypad) override;
    void DoExit() override;
    // Pastes text as the clipboard handlers allow (a trailing CR LF dropped).
    void Paste_Text(QString S);
    void Change();

protected:
    bool event(QEvent *E) override;
    void mouseDoubleClickEvent(QMouseEvent *E) override;

private:
    void Button_Click();
    RIraRevadiVizo *FGrid;
    int FSelKeyDown = 0;
};
