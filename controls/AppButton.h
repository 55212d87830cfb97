#pragma once
#include "controls/FxButton.h"
#include "platform/Colors.h"
#include <QImage>
#include <QString>

// The push button every window of the configurator places, behind one name
// so the windows do not depend on how it is drawn.
using TAppButton = TFxButton;

// The look the windows give their buttons. Every button shares the face
// colour 0xEDF7F8, the light colour gray and no hot-track font; the rest
// varies per button.
enum class TAppButtonStyle { Normal, Encarta };
enum class TAppButtonAlign { Center, Left };

struct TAppButtonLook
{
    TAppButtonStyle Style = TAppButtonStyle::Encarta;
    TColor Hot_Track_Color = clYellow;
    TColor Color_When_Down = RGB_Color(255, 128, 0);
    TAppButtonAlign Alignment = TAppButtonAlign::Center;
    QImage Glyph;   // strip of square frames (normal, disabled); null for none
};

// Creates a button on Parent at (Left, Top) with the given size and look.
TAppButton *Make_App_Button(QWidget *Parent, const char *Object_Name, int Left, int Top, int Width, int Height,
                            const TAppButtonLook &Look = TAppButtonLook());
// The OK and Cancel buttons (check-mark and cross glyphs) at the right-hand
// end of a dialog's button panel of the given width; the dialog wires them.
void Make_OK_Cancel_Buttons(QWidget *Button_Panel, int Width, TAppButton *&Btn_OK, TAppButton *&Btn_Cancel);
void Set_Button_Caption(TAppButton *Button, const QString &Caption);
QString Button_Caption(const TAppButton *Button);
// Presses the button as a click of the user would (handlers run at once).
void Click_Button(TAppButton *Button);
