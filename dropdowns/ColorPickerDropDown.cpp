#include "dropdowns/ColorPickerDropDown.h"
#include "platform/Colors.h"
#include <QPainter>

VOdeColorPickerDropDown::VOdeColorPickerDropDown(QWidget *Owner) : VOdeCustomDropDown(Owner)
{
    // The swatch sits before the caption.
    setTextMargins(20, 0, 17, 0);
}

void VOdeColorPickerDropDown::AddDefaultColors()
{
    const TColorItem Defaults[] = {
        {clBlack, QStringLiteral("Black")},   {clMaroon, QStringLiteral("Maroon")},
        {clGreen, QStringLiteral("Green")},   {clOlive, QStringLiteral("Olive")},
        {clNavy, QStringLiteral("Navy")},     {clPurple, QStringLiteral("Purple")},
        {clTeal, QStringLiteral("Teal")},     {clGray, QStringLiteral("Gray")},
        {clSilver, QStringLiteral("Silver")}, {clRed, QStringLiteral("Red")},
        {clLime, QStringLiteral("Lime")},     {clYellow, QStringLiteral("Yellow")},
        {clBlue, QStringLiteral("Blue")},     {clFuchsia, QStringLiteral("Fuchsia")},
        {clAqua, QStringLiteral("Aqua")},     {clWhite, QStringLiteral("White")},
    };
    for (const TColorItem &C : Defaults)
        FItems.push_back(C);
}

void VOdeColorPickerDropDown::SetSelectedColor(TColor Value)
{
    if (Value == FSelectedColor)
        return;
    FSelectedColor = Value;
    FItemIndex = -1;
    for (int I = 0; I < int(FItems.size()); ++I)
        if (FItems[I].Color == Value) {
            FItemIndex = I;
            break;
        }
    SetTextDirect(GetSelectedColorText());
    update();
}

QString VOdeColorPickerDropDown::GetSelectedColorText() const
{
    return FItemIndex >= 0 && FItemIndex < int(FItems.size()) ? FItems[FItemIndex].Caption : QString();
}

void VOdeColorPickerDropDown::Restore_Popup_State(const QVariant &S)
{
    // The text was restored already; the colour follows without rewriting it.
    const QString Shown = text();
    SetSelectedColor(S.value<TColor>());
    SetTextDirect(Shown);
}

void VOdeColorPickerDropDown::paintEvent(QPaintEvent *E)
{
    VOdeCustomDropDown::paintEvent(E);
    if (FSelectedColor == clNone)
        return;
    QPainter P(this);
    const QRect Swatch(4, height() / 2 - 6, 12, 12);
    P.fillRect(Swatch, To_QColor(FSelectedColor));
    P.setPen(Qt::black);
    P.drawRect(Swatch.adjusted(0, 0, -1, -1));
}
