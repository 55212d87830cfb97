#pragma once
#include "dropdowns/DropDownEdit.h"
#include <vector>

struct TImageItem {
    QString Caption;
    int ImageIndex = -1;
};

// A picture of an image list chosen from captioned items.
class VOdeImagePickerDropDown : public VOdeCustomDropDown {
    Q_OBJECT
public:
    explicit VOdeImagePickerDropDown(QWidget *Owner = nullptr);
    std::vector<TImageItem> &Items() { return FItems; }
    // One item per picture of Images (nothing without an image list).
    void AddImagesFromImageList();
    // The selected item's image index; -1 when nothing is selected.
    int GetImageIndex() const;
    // Selects the first item with that image index (none: nothing selected).
    void SetImageIndex(int Value);
    int ItemIndex() const { return FItemIndex; }
    void Set_ItemIndex(int Value);
    TDropDownNotifyEvent OnSelect;

protected:
    void paintEvent(QPaintEvent *E) override;
    // A cancelled popup gives the item of its opening back.
    QVariant Popup_State() const override { return FItemIndex; }
    void Restore_Popup_State(const QVariant &S) override { Set_ItemIndex(S.toInt()); }

private:
    std::vector<TImageItem> FItems;
    int FItemIndex = -1;
};
