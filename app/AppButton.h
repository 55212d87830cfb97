#pragma once
#include "platform/Colors.h"
#include <QImage>
#include <QPushButton>
#include <QString>

// The push button every window of the configurator places, behind one name
// so the windows do not depend on how it is drawn.
using TAppButton = QPushButton;

// The look the windows give their buttons.
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
void Set_Button_Caption(TAppButton *Button, const QString &Caption);
QString Button_Caption(const TAppButton *Button);
// Presses the button as a click of the user would (handlers run at once).
void Click_Button(TAppButton *Button);
