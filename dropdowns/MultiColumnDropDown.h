#pragma once
#include "dropdowns/DropDownEdit.h"
#include <QStringList>
#include <vector>

// Rows of column texts; the LookupColumn's text is what the edit shows.
class VOdeMultiColumnDropDown : public VOdeCustomDropDown {
    Q_OBJECT
public:
    explicit VOdeMultiColumnDropDown(QWidget *Owner = nullptr);
    std::vector<QStringList> &Items() { return FItems; }
    int LookupColumn() const { return FLookupColumn; }
    void Set_LookupColumn(int Value) { FLookupColumn = Value; }
    int ItemIndex() const { return FItemIndex; }
    // The first row whose lookup text equals Text; -1 when none.
    int GetItemIndex(const QString &Text) const;
    // Selects row Value (below the count) and shows its lookup text (empty
    // without such a column or for a negative index).
    void SetItemIndex(int Value);
    void BeginUpdate() {}
    // The list keeps the arrows, page keys, Home, End and Enter unless Alt is
    // held, and every typed character.
    void ControlKeyDown(TKey &Key, TShiftState Shift) override;
    void ControlKeyUp(TKey &Key, TShiftState Shift) override;
    void ControlKeyPress(QChar &) override {}
    void EndUpdate() {}

private:
    std::vector<QStringList> FItems;
    int FLookupColumn = 0;
    int FItemIndex = -1;
};
