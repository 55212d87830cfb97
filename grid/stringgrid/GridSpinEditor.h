#pragma once
#include "grid/stringgrid/GridEditorRules.h"
#include "grid/base/SpinEdit.h"

class RIraRevadiVizo;

// Spin kinds: integer, float, time and date.
class TGridSpin : public ROruSpinEdit {
    Q_OBJECT
public:
    explicit TGridSpin(QWidget *Owner);
    void ReCreate() {}
    void KeyDown(TKey &Key, TShiftState Shift) override;
    void KeyPress(QChar &Key) override;
    void DoExit() override;
    void UpClick(QObject *Sender) override;
    void DownClick(QObject *Sender) override;
    // Every change of the text: OnEditChange, and the cell follows live.
    void Change();

protected:
    bool event(QEvent *E) override;

private:
    RIraRevadiVizo *FGrid;
};
