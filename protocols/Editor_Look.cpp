#include "protocols/Editor_Look.h"
#include "controls/FxButtons.h"
#include "workspace/Workspace.h"
#include <QFont>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <QFrame>
#include <QLabel>
#include <QPalette>
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
    QPalette Pal = Window->palette();
    Pal.setColor(QPalette::Window, QColor(248, 247, 237));
    Window->setPalette(Pal);
    Window->setAutoFillBackground(true);
    Window->setFont(QFont(QStringLiteral("Verdana"), 8));
    Centre_On_Screen(Window);
}

void Centre_On_Screen(QWidget *Window)
{
    if (const QScreen *S = QGuiApplication::primaryScreen())
        Window->move(S->availableGeometry().center() - QPoint(Window->width() / 2, Window->height() / 2));
}

void Fill_Middle(QWidget *Window, QWidget *Middle)
{
    new TPanel_Follower(Window, Middle, TPlace::plMiddle);
}

QFrame *Make_Title(QWidget *Window, QLabel *&L_SW_Code, QLabel *&L_SW_Desc)
{
    auto *P = new QFrame(Window);
    P->setObjectName(QStringLiteral("P_Title"));
    P->setGeometry(0, 0, Window->width(), Title_Height);
    L_SW_Code = new QLabel(P);
    L_SW_Code->setObjectName(QStringLiteral("L_SW_Code"));
    L_SW_Code->setGeometry(16, 4, Window->width() - 32, 36);
    L_SW_Code->setFont(QFont(QStringLiteral("Verdana"), 20, QFont::Bold));
    L_SW_Code->setStyleSheet(QStringLiteral("color: gray"));
    L_SW_Code->setText(SW_Code);
    L_SW_Desc = new QLabel(P);
    L_SW_Desc->setObjectName(QStringLiteral("L_SW_Desc"));
    L_SW_Desc->setGeometry(16, 44, Window->width() - 32, 18);
    L_SW_Desc->setFont(QFont(QStringLiteral("Verdana"), 8, QFont::Bold));
    L_SW_Desc->setStyleSheet(QStringLiteral("color: gray"));
    new TPanel_Follower(Window, P, TPlace::plTop);
    return P;
}

QFrame *Make_Button_Panel(QWidget *Window)
{
    auto *P = new QFrame(Window);
    P->setObjectName(QStringLiteral("P_Button"));
    P->setGeometry(0, Window->height() - Button_Panel_Height, Window->width(), Button_Panel_Height);
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
