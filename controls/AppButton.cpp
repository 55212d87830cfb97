#include "controls/AppButton.h"
#include "controls/FxButtons.h"

TAppButton *Make_App_Button(QWidget *Parent, const char *Object_Name, int Left, int Top, int Width, int Height,
                            const TAppButtonLook &Look)
{
    auto *B = new TAppButton(Parent);
    B->setObjectName(QLatin1String(Object_Name));
    B->setGeometry(Left, Top, Width, Height);
    B->Set_Color(static_cast<TColor>(0xEDF7F8));
    B->Set_LightColor(clGray);
    B->Set_HotTrackColor(Look.Hot_Track_Color);
    B->Set_ColorWhenDown(Look.Color_When_Down);
    B->Set_UseHotTrackFont(false);
    B->Set_Style(Look.Style == TAppButtonStyle::Encarta ? bsEncarta : bsNormal);
    B->Set_Alignment(Look.Alignment == TAppButtonAlign::Left ? taLeftJustify : taCenter);
    if (!Look.Glyph.isNull())
        B->Set_Glyph(Look.Glyph);
    return B;
}

void Make_OK_Cancel_Buttons(QWidget *Button_Panel, int Width, TAppButton *&Btn_OK, TAppButton *&Btn_Cancel)
{
    TAppButtonLook Ok_Look;
    Ok_Look.Glyph = Fx_Bitmap_Resource(QStringLiteral("FXOK"));
    Btn_OK = Make_App_Button(Button_Panel, "Btn_OK", Width - 2 * 100 - 16, 9, 96, 28, Ok_Look);
    TAppButtonLook Cancel_Look;
    Cancel_Look.Glyph = Fx_Bitmap_Resource(QStringLiteral("FXCANCEL"));
    Btn_Cancel = Make_App_Button(Button_Panel, "Btn_Cancel", Width - 100 - 8, 9, 96, 28, Cancel_Look);
}

void Set_Button_Caption(TAppButton *Button, const QString &Caption) { Button->Set_Caption(Caption); }
QString Button_Caption(const TAppButton *Button) { return Button->Caption(); }
void Click_Button(TAppButton *Button) { Button->Click(); }
