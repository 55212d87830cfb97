#include "dropdowns/DropDownAppearance.h"

// ---- bar buttons -----------------------------------------------------------

int TBarButton::Index() const { return FCollection ? FCollection->IndexOf(this) : -1; }

void TBarButton::Changed()
{
    if (FCollection)
        FCollection->Changed();
}

void TBarButton::Set_Caption(const QString &Value)
{
    if (Value == FCaption)
        return;
    FCaption = Value;
    Changed();
}

void TBarButton::Set_Enabled(bool Value)
{
    if (Value == FEnabled)
        return;
    FEnabled = Value;
    Changed();
}

void TBarButton::Set_Width(int Value)
{
    if (Value == FWidth)
        return;
    FWidth = Value;
    Changed();
}

void TBarButton::Assign_Common(const TBarButton &Source)
{
    Set_Caption(Source.FCaption);
    Set_ImageIndex(Source.FImageIndex);
    Set_Enabled(Source.FEnabled);
    Set_Width(Source.FWidth);
    Set_Height(Source.FHeight);
}

void TFooterButton::Assign(const TFooterButton &Source)
{
    Assign_Common(Source);
    Set_ModalResult(Source.FModalResult);
}

// ---- appearances -----------------------------------------------------------

void TBarAppearance::Set_Visible(bool Value)
{
    if (Value == FVisible)
        return;
    FVisible = Value;
    Changed();
}

void TBarAppearance::Changed()
{
    if (OnChange)
        OnChange(this);
}

void TBarAppearance::Listen_To(TBarButtonCollection &Buttons)
{
    Buttons.OnChange = [this](TObject *) {
        if (OnButtonsChanged)
            OnButtonsChanged(this);
    };
}

void TBarAppearance::Assign_Look(const TBarAppearance &Source)
{
    FColorTo = Source.FColorTo;
    FColor = Source.FColor;
    FBorderColor = Source.FBorderColor;
    FCaption = Source.FCaption;
    FFont = Source.FFont;
    FImageIndex = Source.FImageIndex;
    FBorderWidth = Source.FBorderWidth;
    FGradientDirection = Source.FGradientDirection;
    FHeight = Source.FHeight;
    Set_Visible(Source.FVisible);
    FButtonAlignment = Source.FButtonAlignment;
}

void TBarAppearance::Assign_Colors(const TBarAppearance &Source)
{
    FColorTo = Source.FColorTo;
    FColor = Source.FColor;
    FBorderColor = Source.FBorderColor;
    FFont = Source.FFont;
    FGradientDirection = Source.FGradientDirection;
}

THeaderAppearance::THeaderAppearance(QObject *Owner) : TBarAppearance(Owner), FButtons(Owner)
{
    TFont F = Font();
    F.Name = QStringLiteral("Tahoma");
    Set_Font(F);
    Listen_To(FButtons);
}

void THeaderAppearance::Assign(const THeaderAppearance &Source)
{
    if (&Source == this)
        return;
    Assign_Look(Source);
    FButtons.Assign(Source.FButtons);
}

// The footer keeps the platform's default font.
TFooterAppearance::TFooterAppearance(QObject *Owner) : TBarAppearance(Owner), FButtons(Owner)
{
    Listen_To(FButtons);
}

void TFooterAppearance::Assign(const TFooterAppearance &Source)
{
    if (&Source == this)
        return;
    FSizeGrip = Source.FSizeGrip;
    Assign_Look(Source);
    FButtons.Assign(Source.FButtons);
}

// ---- bar push buttons ------------------------------------------------------

VOdeButtonAppearance::VOdeButtonAppearance()
{
    FFont.Name = QStringLiteral("Tahoma");
}

void VOdeButtonAppearance::Set(TColor &Field, TColor Value)
{
    if (Field == Value)
        return;
    Field = Value;
    if (OnChange)
        OnChange(this);
}

void VOdeButtonAppearance::Set_Gradient(TGradientDirection V)
{
    if (FGradient == V)
        return;
    FGradient = V;
    if (OnChange)
        OnChange(this);
}

void VOdeButtonAppearance::Assign(const VOdeButtonAppearance &Source)
{
    if (&Source == this)
        return;
    Set_Color(Source.FColor);
    Set_ColorTo(Source.FColorTo);
    Set_ColorHot(Source.FColorHot);
    Set_ColorHotTo(Source.FColorHotTo);
    Set_ColorDown(Source.FColorDown);
    Set_ColorDownTo(Source.FColorDownTo);
    Set_ColorChecked(Source.FColorChecked);
    Set_ColorCheckedTo(Source.FColorCheckedTo);
    Set_ColorDisabled(Source.FColorDisabled);
    Set_ColorDisabledTo(Source.FColorDisabledTo);
    Set_BorderColor(Source.FBorderColor);
    Set_BorderColorHot(Source.FBorderColorHot);
    Set_BorderColorDown(Source.FBorderColorDown);
    Set_BorderColorChecked(Source.FBorderColorChecked);
    Set_BorderColorDisabled(Source.FBorderColorDisabled);
    Set_Gradient(Source.FGradient);
}
