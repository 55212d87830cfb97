#pragma once
#include "dropdowns/DropDownEdit.h"
#include <vector>

struct TColorItem {
    TColor Color;
    QString Caption;
};

// A colour chosen from captioned colours; the edit shows the caption.
class VOdeColorPickerDropDown : public VOdeCustomDropDown {
    Q_OBJECT
public:
    explicit VOdeColorPickerDropDown(QWidget *Owner = nullptr);
    std::vector<TColorItem> &Items() { return FItems; }
    // Black, Maroon, Green, Olive, Navy, Purple, Teal, Gray, Silver, Red,
    // Lime, Yellow, Blue, Fuchsia, Aqua, White.
    void AddDefaultColors();
    TColor SelectedColor() const { return FSelectedColor; }
    // A new colour is stored, the first item of that colour selected.
    void SetSelectedColor(TColor Value);
    // The caption of the selected colour (empty when no item has it).
    QString GetSelectedColorText() const;
    TDropDownNotifyEvent OnSelect;

protected:
    void paintEvent(QPaintEvent *E) override;
    // A cancelled popup gives the colour of its opening back.
    QVariant Popup_State() const override { return QVariant::fromValue(FSelectedColor); }
    void Restore_Popup_State(const QVariant &S) override;

private:
    std::vector<TColorItem> FItems;
    TColor FSelectedColor = clNone;
    int FItemIndex = -1;
};
