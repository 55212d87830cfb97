#include "protocols/Editor_Look.h"
#include "controls/FxButtons.h"
#include "workspace/Workspace.h"
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QPalette>
#include <QResizeEvent>
#include <QWidget>

namespace Editor_Look {

namespace {
// Keeps a panel at the full width of its window (and at the bottom when asked).
class TPanel_Follower : public QObject
{
public:
    TPanel_Follower(QWidget *Window, QFrame *Panel, bool Bottom) : QObject(Panel), FPanel(Panel), FBottom(Bottom)
    {
        Window->installEventFilter(this);
    }
    bool eventFilter(QObject *Watched, QEvent *Event) override
    {
        if (Event->type() == QEvent::Resize) {
            const QSize S = static_cast<QResizeEvent *>(Event)->size();
            FPanel->setGeometry(0, FBottom ? S.height() - FPanel->height() : 0, S.width(), FPanel->height());
        }
        return QObject::eventFilter(Watched, Event);
    }

private:
    QFrame *FPanel;
    bool FBottom;
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
}

QFrame *Make_Title(QWidget *Window, QLabel *&L_SW_Code, QLabel *&L_SW_Desc)
{
    auto *P = new QFrame(Window);
    P->setObjectName(QStringLiteral("P_Title"));
    P->setGeometry(0, 0, Window->width(), Title_Height);
    L_SW_Code = new QLabel(P);
    L_SW_Code->setObjectName(QStringLiteral("L_SW_Code"));
    L_SW_Code->setGeometry(16, 4, 600, 36);
    L_SW_Code->setFont(QFont(QStringLiteral("Verdana"), 20, QFont::Bold));
    L_SW_Code->setStyleSheet(QStringLiteral("color: gray"));
    L_SW_Code->setText(SW_Code);
    L_SW_Desc = new QLabel(P);
    L_SW_Desc->setObjectName(QStringLiteral("L_SW_Desc"));
    L_SW_Desc->setGeometry(16, 44, 600, 18);
    L_SW_Desc->setFont(QFont(QStringLiteral("Verdana"), 8, QFont::Bold));
    L_SW_Desc->setStyleSheet(QStringLiteral("color: gray"));
    new TPanel_Follower(Window, P, false);
    return P;
}

QFrame *Make_Button_Panel(QWidget *Window)
{
    auto *P = new QFrame(Window);
    P->setObjectName(QStringLiteral("P_Button"));
    P->setGeometry(0, Window->height() - Button_Panel_Height, Window->width(), Button_Panel_Height);
    new TPanel_Follower(Window, P, true);
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
