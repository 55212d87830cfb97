#include "controls/WindowLook.h"
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPalette>
#include <QScreen>
#include <QWidget>

namespace Window_Look {

namespace {

// Grey type, as the product code and subtitle are drawn on every window.
const QString Grey_Text = QStringLiteral("color: gray");

// A title label: a fixed box, or placed and sized to its (empty) text in the
// window's font before taking its own, as the sized-to-text labels always were
// (the caller sizes them again once the text is in).
QLabel *Make_Title_Label(QWidget *Panel, const char *Name, int Left, int Top, int Width, int Height,
                         const QFont &Font)
{
    auto *L = new QLabel(Panel);
    L->setObjectName(QLatin1String(Name));
    if (Height > 0) {
        L->setGeometry(Left, Top, Width, Height);
    } else {
        L->move(Left, Top);
        L->adjustSize();
    }
    L->setFont(Font);
    L->setStyleSheet(Grey_Text);
    return L;
}

} // namespace

QColor Background()
{
    return QColor(248, 247, 237);
}

QColor Rule_Colour()
{
    return QColor(200, 200, 190);
}

QFont Verdana(int Points, bool Bold)
{
    return QFont(QStringLiteral("Verdana"), Points, Bold ? QFont::Bold : -1);
}

void Apply_Background_And_Font(QWidget *Window)
{
    QPalette Pal = Window->palette();
    Pal.setColor(QPalette::Window, Background());
    Window->setPalette(Pal);
    Window->setAutoFillBackground(true);
    Window->setFont(Verdana(8));
}

void Apply_Fixed_Dialog_Border(QWidget *Window)
{
    Window->setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                           | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
}

void Centre_On_Screen(QWidget *Window)
{
    if (const QScreen *S = QGuiApplication::primaryScreen())
        Window->move(S->availableGeometry().center() - QPoint(Window->width() / 2, Window->height() / 2));
}

QFrame *Make_Rule(QWidget *Parent, int Left, int Top, int Width, const char *Name)
{
    auto *Rule = new QFrame(Parent);
    if (Name)
        Rule->setObjectName(QLatin1String(Name));
    Rule->setGeometry(Left, Top, Width, 1);
    const QColor C = Rule_Colour();
    Rule->setStyleSheet(QStringLiteral("background-color: rgb(%1,%2,%3);").arg(C.red()).arg(C.green()).arg(C.blue()));
    return Rule;
}

QFrame *Make_Title_Panel(QWidget *Window, int Width, const TTitle_Layout &Layout, QLabel *&L_SW_Code,
                         QLabel *&L_SW_Desc)
{
    auto *P = new QFrame(Window);
    P->setObjectName(QStringLiteral("P_Title"));
    P->setGeometry(0, 0, Width, Layout.Height);
    P->setFrameShape(QFrame::NoFrame);
    const int Label_Width = Layout.Label_Width > 0 ? Layout.Label_Width : Width - 2 * Layout.Left;
    L_SW_Code = Make_Title_Label(P, "L_SW_Code", Layout.Left, Layout.Code_Top, Label_Width, Layout.Code_Height,
                                 Verdana(20, true));
    L_SW_Desc = Make_Title_Label(P, "L_SW_Desc", Layout.Left, Layout.Desc_Top, Label_Width, Layout.Desc_Height,
                                 Verdana(8, true));
    if (Layout.Rule)
        Make_Rule(P, 0, Layout.Height - 1, Width, Layout.Rule_Name);
    return P;
}

QFrame *Make_Button_Panel(QWidget *Window, int Top, int Width, int Height, bool Rule)
{
    auto *P = new QFrame(Window);
    P->setObjectName(QStringLiteral("P_Button"));
    P->setGeometry(0, Top, Width, Height);
    if (Rule)
        Make_Rule(P, 0, 0, Width);
    return P;
}

} // namespace Window_Look
