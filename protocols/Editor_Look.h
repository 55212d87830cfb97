#pragma once
#include "controls/AppButton.h"
class QFrame;
class QLabel;
class QWidget;

// The look the protocol table editors and the template dialog share: the
// configurators' background and font, the title panel with SW_Code and the
// title line, and the button row at the bottom.
namespace Editor_Look {

constexpr int Title_Height = 69;
constexpr int Button_Panel_Height = 40;

// Background RGB 248, 247, 237, Verdana 8, client size Width x Height,
// centred on the screen.
void Apply(QWidget *Window, int Width, int Height);
void Centre_On_Screen(QWidget *Window);
// Middle fills the room between P_Title and P_Button, now and after every
// resize of Window (a maximised editor shows more rows and columns).
void Fill_Middle(QWidget *Window, QWidget *Middle);
// P_Title across the top (SW_Code large and grey, the title line below it).
QFrame *Make_Title(QWidget *Window, QLabel *&L_SW_Code, QLabel *&L_SW_Desc);
// P_Button along the bottom.
QFrame *Make_Button_Panel(QWidget *Window);
// A push button in the configurators' look; Glyph names a stock glyph or is null.
TAppButton *Make_Button(QWidget *Parent, const char *Name, int Left, int Top, int Width, int Height,
                        const char *Glyph = nullptr);

} // namespace Editor_Look
