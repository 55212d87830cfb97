#include "protocols/Editor_Look.h"
#include "controls/WindowLook.h"
#include "controls/FxButtons.h"
#include "workspace/Workspace.h"
#include <algorithm>
#include <QFrame>
#include <QLabel>
#include <QResizeEvent>
#include <QWidget>

namespace Editor_Look {

namespace {
enum class TPlace { plTop, plBottom, plMiddle };

// Keeps a part at the full width of its window: a panel at the top or the
// bottom, or the middle part filling the room between the two panels.
class TPanel_Follower : public QObject
{
public:
    TPanel_Follower(QWidget *Window, QWidget *Part, TPlace Place) : QObject(Part), FPart(Part), FPlace(Place)
    {
        Window->installEventFilter(this);
        Follow(Window->size());
    }
    bool eventFilter(QObject *Watched, QEvent *Event) override
    {
        if (Event->type() == QEvent::Resize)
            Follow(static_cast<QResizeEvent *>(Event)->size());
        return QObject::eventFilter(Watched, Event);
    }

private:
    void Follow(QSize S)
    {
        switch (FPlace) {
        case TPlace::plTop: FPart->setGeometry(0, 0, S.width(), FPart->height()); break;
        case TPlace::plBottom: FPart->setGeometry(0, S.height() - FPart->height(), S.width(), FPart->height()); break;
        case TPlace::plMiddle:
            FPart->setGeometry(0, Title_Height, S.width(), std::max(0, S.height() - Title_Height - Button_Panel_Height));
            break;
        }
    }

    QWidget *FPart;
    TPlace FPlace;
};
} // namespace

void Apply(QWidget *Window, int Width, int Height)
{
    Window->resize(Width, Height);
    Window_Look::Apply_Background_And_Font(Window);
    Centre_On_Screen(Window);
}

void Centre_On_Screen(QWidget *Window)
{
    Window_Look::Centre_On_Screen(Window);
}

void Fill_Middle(QWidget *Window, QWidget *Middle)
{
    new TPanel_Follower(Window, Middle, TPlace::plMiddle);
}

QFrame *Make_Title(QWidget *Window, QLabel *&L_SW_Code, QLabel *&L_SW_Desc)
{
    const Window_Look::TTitle_Layout Layout{
        .Height = Title_Height, .Code_Top = 4, .Code_Height = 36, .Desc_Top = 44, .Desc_Height = 18};
    auto *P = Window_Look::Make_Title_Panel(Window, Window->width(), Layout, L_SW_Code, L_SW_Desc);
    L_SW_Code->setText(SW_Code);
    new TPanel_Follower(Window, P, TPlace::plTop);
    return P;
}

QFrame *Make_Button_Panel(QWidget *Window)
{
    auto *P = Window_Look::Make_Button_Panel(Window, Window->height() - Button_Panel_Height, Window->width(),
                                             Button_Panel_Height, false);
    new TPanel_Follower(Window, P, TPlace::plBottom);
    return P;
}

TAppButton *Make_Button(QWidget *Parent, const char *Name, int Left, int Top, int Width, int Height,
                        const char *Glyph)
{
    TAppButtonLook Look;
    if (Glyph)
        Look.Glyph = Fx_Bitmap_Resource(QLatin1String(Glyph));
    return Make_App_Button(Parent, Name, Left, Top, Width, Height, Look);
}

} // namespace Editor_Look
