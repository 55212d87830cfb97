#pragma once
#include "dropdowns/DropDownEdit.h"
#include <vector>

// An item with a caption and notes.
struct TDetailItem {
    QString Caption;
    QString Notes;
    int ImageIndex = -1;
};
class TDetailItems {
public:
    std::vector<TDetailItem> Items;
    int Count() const { return int(Items.size()); }
    void Add(const QString &Caption, const QString &Notes = QString()) { Items.push_back({Caption, Notes, -1}); }
    // The first item whose caption equals Caption; -1 when none.
    int IndexOf(const QString &Caption) const;
};

// A list of captioned items.
class VOdeDetailDropDown : public VOdeCustomDropDown {
    Q_OBJECT
public:
    explicit VOdeDetailDropDown(QWidget *Owner = nullptr);
    TDetailItems &Items() { return FItems; }
    int ItemIndex() const { return FItemIndex; }
    // A different index inside the list selects that item and shows its caption.
    void SetItemIndex(int Value);
    TDropDownNotifyEvent OnSelect;
    // Enter selects the item whose caption equals the text.
    void KeyDown(TKey &Key, TShiftState Shift) override;

protected:
    // A cancelled popup gives the item of its opening back (the text is restored by the base).
    QVariant Popup_State() const override { return FItemIndex; }
    void Restore_Popup_State(const QVariant &S) override { FItemIndex = S.toInt(); }

private:
    TDetailItems FItems;
    int FItemIndex = -1;
};
