#pragma once
#include "grid/stringgrid/GridEditorRules.h"
#include "grid/base/EditBtn.h"

class RIraRevadiVizo;

// Unit kinds: a value followed by a unit.
class TGridUnitEditBtn : public ROruUnitEditBtn {
    Q_OBJECT
public:
    explicit TGridUnitEditBtn(QWidget *Owner);
    void ReCreate() {}
    void KeyDown(TKey &Key, TShiftState Shift) override;
    void WMChar(QChar &Key, bool Keypad) override;
    void DoExit() override;

protected:
    bool event(QEvent *E) override;

private:
    RIraRevadiVizo *FGrid;
};
