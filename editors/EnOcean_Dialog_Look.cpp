#include "controls/AppButton.h"
#include "editors/EnOcean_Dialog_Look.h"
#include "controls/WindowLook.h"
#include "workspace/Workspace.h"
#include "controls/FxButton.h"
#include "controls/FxButtons.h"
#include <QFrame>
#include <QLabel>
#include <QPointer>

namespace EnOcean_Dialog_Look {

void Apply_Window_Look(QWidget *Window)
{
    Window_Look::Apply_Fixed_Dialog_Border(Window);
    Window_Look::Apply_Background_And_Font(Window);
}

QLabel *Make_Label(QWidget *Parent, const char *Name, int Left, int Top, int Width)
{
    return Make<QLabel>(Parent, Name, Left, Top, Width, 16);
}

QFrame *Make_Title_Panel(QWidget *Window, int Width, QLabel *&L_SW_Code, QLabel *&L_SW_Desc)
{
    const Window_Look::TTitle_Layout Layout{
        .Height = Title_Height, .Code_Top = 4, .Code_Height = 36, .Desc_Top = 44, .Desc_Height = 18};
    auto *P = Window_Look::Make_Title_Panel(Window, Width, Layout, L_SW_Code, L_SW_Desc);
    L_SW_Code->setText(SW_Code);
    return P;
}

namespace {

constexpr int Button_Width = 110;
constexpr int Button_Gap = 12; // between OK and Cancel

// The bottom panel keeps OK and Cancel centred at any width, so they stay
// under the middle of an editor that is maximised or widened.
class TButton_Panel : public QFrame
{
public:
    using QFrame::QFrame;
    QPointer<TFxButton> OK, Cancel;

protected:
    void resizeEvent(QResizeEvent *Event) override
    {
        QFrame::resizeEvent(Event);
        Centre_Buttons();
    }

public:
    void Centre_Buttons()
    {
        if (OK)
            OK->move(width() / 2 - Button_Width - Button_Gap / 2, OK->y());
        if (Cancel)
            Cancel->move(width() / 2 + Button_Gap / 2, Cancel->y());
    }
};

// The configurators' button look: the shared face and light colours, Encarta
// style, orange while pressed, yellow hot-track and a stock glyph.
TFxButton *Make_Button(QWidget *Parent, const char *Name, int Left, const char *Glyph)
{
    TAppButtonLook Look;
    Look.Glyph = Fx_Bitmap_Resource(QLatin1String(Glyph));
    return Make_App_Button(Parent, Name, Left, 6, Button_Width, 28, Look);
}
} // namespace

QFrame *Make_Button_Panel(QWidget *Window, int Width, TFxButton *&Btn_OK, TFxButton *&Btn_Cancel)
{
    auto *P = Make<TButton_Panel>(Window, "P_Button", 0, 0, Width, Button_Panel_Height);
    Btn_OK = Make_Button(P, "Btn_OK", 0, "FXOK");
    Btn_Cancel = Make_Button(P, "Btn_Cancel", 0, "FXCANCEL");
    P->OK = Btn_OK;
    P->Cancel = Btn_Cancel;
    P->Centre_Buttons();
    Btn_OK->Set_Default(true);
    Btn_Cancel->Set_Cancel(true);
    return P;
}

} // namespace EnOcean_Dialog_Look
