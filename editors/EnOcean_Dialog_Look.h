#pragma once
#include <QString>
class QFrame;
class QLabel;
class QWidget;
class TFxButton;

// The look the EnOcean dialogs share with the configurator's other windows:
// background RGB 248, 247, 237, Verdana 8, a fixed border with only the
// close box, a grey title panel and a bottom panel for OK and Cancel.
namespace EnOcean_Dialog_Look {

constexpr int Title_Height = 69;
constexpr int Button_Panel_Height = 40;

void Apply_Window_Look(QWidget *Window);
// P_Title across the top: L_SW_Code (SW_Code in large grey type) and the
// bold grey subtitle L_SW_Desc.
QFrame *Make_Title_Panel(QWidget *Window, int Width, QLabel *&L_SW_Code, QLabel *&L_SW_Desc);
// P_Button with OK (check mark) and Cancel (cross) centred in it, also when
// the panel is resized; the caller places the panel and wires the buttons.
QFrame *Make_Button_Panel(QWidget *Window, int Width, TFxButton *&Btn_OK, TFxButton *&Btn_Cancel);
QLabel *Make_Label(QWidget *Parent, const char *Name, int Left, int Top, int Width);

template <class T>
T *Make(QWidget *Parent, const char *Name, int Left, int Top, int Width, int Height)
{
    auto *C = new T(Parent);
    C->setObjectName(QLatin1String(Name));
    C->setGeometry(Left, Top, Width, Height);
    return C;
}

} // namespace EnOcean_Dialog_Look
