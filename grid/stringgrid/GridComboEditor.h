#pragma once
#include "grid/stringgrid/GridEditorRules.h"
#include "grid/base/ComboEdit.h"
#include <QAbstractItemView>

class RIraRevadiVizo;

// Combo kinds: csDropDown (edComboEdit) and csDropDownList (edComboList).
class TGridCombo : public ROruComboBox {
    Q_OBJECT
public:
    explicit TGridCombo(QWidget *Owner);
    bool WorkMode = true;
    std::function<void(QObject *Sender)> OnReturnKey;
    void KeyDown(TKey &Key, TShiftState Shift);
    void KeyPress(QChar &Key);
    void KeyUp(TKey &Key, TShiftState Shift);
    // Completes the typed text from the items, then the grid's lookup items.
    void DoChange();
    bool List_Open() const { return Dropped_Down() || view()->isVisible(); }
    // Widens the open list to its widest item (text measured in the grid's
    // font), leaving room for a scroll bar when not every item fits.
    void SizeDropDownWidth();
    // The list opens and closes: the grid's drop-down and close-up hooks.
    void showPopup() override;
    void hidePopup() override;

protected:
    bool event(QEvent *E) override;
    void keyPressEvent(QKeyEvent *E) override;
    void keyReleaseEvent(QKeyEvent *E) override;
    void focusOutEvent(QFocusEvent *E) override;
    void wheelEvent(QWheelEvent *E) override;

private:
    void Fire_Combo_Change();
    void Text_Edited(const QString &Text);
    RIraRevadiVizo *FGrid;
};
