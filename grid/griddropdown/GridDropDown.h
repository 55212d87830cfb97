#pragma once
#include "dropdowns/MultiColumnDropDown.h"

// The grid drop-down: rows found by their lookup column (without regard to
// letter case unless CaseSensitive); with UseItems the rows are the items.
class TCustomDarAzidDropDown : public VOdeMultiColumnDropDown {
    Q_OBJECT
public:
    explicit TCustomDarAzidDropDown(QWidget *Owner = nullptr);
    bool UseItems() const { return FUseItems; }
    void Set_UseItems(bool Value) { FUseItems = Value; }
    bool CaseSensitive() const { return FCaseSensitive; }
    void Set_CaseSensitive(bool Value) { FCaseSensitive = Value; }
    // The row whose lookup column matches Text; false (Row -1) when none.
    bool Lookup(const QString &Text, int &Row) const;
    // The popup's inner grid; none until the popup exists (none yet here).
    QWidget *GetGrid() const { return nullptr; }

private:
    bool FUseItems = false;
    bool FCaseSensitive = false;
};
