#include "app/WindowLook.h"
#include "platform/Colors.h"
#include "platform/StandardIcons.h"
#include <QApplication>
#include <QFrame>
#include <QHash>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QStyle>

void Apply_Window_Look(QWidget *Window, int Client_Width, int Client_Height)
{
    QPalette P = Window->palette();
    P.setColor(QPalette::Window, QColor(248, 247, 237));
    Window->setPalette(P);
    Window->setAutoFillBackground(true);
    QFont F(QStringLiteral("Verdana"));
    F.setPointSize(8);
    Window->setFont(F);
    Window->setFixedSize(Client_Width, Client_Height);
    if (QScreen *S = QGuiApplication::primaryScreen()) {
        const QRect A = S->availableGeometry();
        Window->move(A.center() - QPoint(Client_Width / 2, Client_Height / 2));
    }
}

QLabel *Make_Label(QWidget *Parent, const char *Object_Name, int Left, int Top, const QString &Text)
{
    auto *L = new QLabel(Text, Parent);
    L->setObjectName(QLatin1String(Object_Name));
    L->move(Left, Top);
    L->adjustSize();
    return L;
}

QFrame *Make_Title_Panel(QWidget *Window, int Width, QLabel **L_SW_Code, QLabel **L_SW_Desc)
{
    auto *P = new QFrame(Window);
    P->setObjectName(QStringLiteral("P_Title"));
    P->setGeometry(0, 0, Width, Title_Panel_Height);
    P->setFrameShape(QFrame::NoFrame);
    auto *Code = Make_Label(P, "L_SW_Code", 16, 6);
    QFont F = Window->font();
    F.setPointSize(20);
    F.setBold(true);
    Code->setFont(F);
    Code->setStyleSheet(QStringLiteral("color: rgb(128,128,128);"));
    auto *Desc = Make_Label(P, "L_SW_Desc", 16, 42);
    QFont D = Window->font();
    D.setBold(true);
    Desc->setFont(D);
    Desc->setStyleSheet(QStringLiteral("color: rgb(128,128,128);"));
    auto *Rule = new QFrame(P);
    Rule->setGeometry(0, Title_Panel_Height - 1, Width, 1);
    Rule->setStyleSheet(QStringLiteral("background-color: rgb(200,200,190);"));
    *L_SW_Code = Code;
    *L_SW_Desc = Desc;
    return P;
}

QFrame *Make_Button_Panel(QWidget *Window, int Width, int Client_Height)
{
    auto *P = new QFrame(Window);
    P->setObjectName(QStringLiteral("P_Button"));
    P->setGeometry(0, Client_Height - Button_Panel_Height, Width, Button_Panel_Height);
    auto *Rule = new QFrame(P);
    Rule->setGeometry(0, 0, Width, 1);
    Rule->setStyleSheet(QStringLiteral("background-color: rgb(200,200,190);"));
    return P;
}

void Set_Link_Text(QLabel *Label, const QString &Text, const QString &Url)
{
    if (Url.isEmpty()) {
        Label->setTextFormat(Qt::PlainText);
        Label->setText(Text);
    } else {
        Label->setTextFormat(Qt::RichText);
        Label->setText(QStringLiteral("<a href=\"%1\">%2</a>").arg(Url.toHtmlEscaped(), Text.toHtmlEscaped()));
    }
    Label->setOpenExternalLinks(false);
    Label->adjustSize();
}

namespace {

QImage Glyph_From_Pictures(const QPixmap Pictures[2])
{
    // The button draws a frame with its bottom-left colour as the only
    // transparent one, so a soft icon edge blended onto magenta would show as a
    // pink fringe. Each icon pixel is therefore either made opaque (blended onto
    // the button face colour) or, where the icon is fully transparent, left
    // exactly magenta.
    const QColor Key(255, 0, 255);
    const QColor Face(0xF8, 0xF7, 0xED); // the face colour of every configurator button
    QImage Strip(36, 18, QImage::Format_RGB32);
    Strip.fill(Key);
    for (int Frame = 0; Frame < 2; ++Frame) {
        const QImage Src = Pictures[Frame].toImage().convertToFormat(QImage::Format_ARGB32);
        for (int Y = 0; Y < Src.height() && Y < 16; ++Y)
            for (int X = 0; X < Src.width() && X < 16; ++X) {
                const QColor C = Src.pixelColor(X, Y);
                if (C.alpha() == 0)
                    continue;
                const double A = C.alphaF();
                Strip.setPixelColor(Frame * 18 + 1 + X, 1 + Y,
                                    QColor(qRound(C.red() * A + Face.red() * (1 - A)),
                                           qRound(C.green() * A + Face.green() * (1 - A)),
                                           qRound(C.blue() * A + Face.blue() * (1 - A))));
            }
    }
    // The frame's bottom-left pixel names the transparent colour: keep it magenta.
    Strip.setPixelColor(0, 17, Key);
    Strip.setPixelColor(18, 17, Key);
    return Strip;
}

} // namespace

QImage Standard_Glyph_From_Style(int Standard_Pixmap)
{
    const QIcon Icon = QApplication::style()->standardIcon(static_cast<QStyle::StandardPixmap>(Standard_Pixmap));
    const QPixmap Pictures[2] = {Icon.pixmap(16, 16, QIcon::Normal), Icon.pixmap(16, 16, QIcon::Disabled)};
    return Glyph_From_Pictures(Pictures);
}

QImage Standard_Glyph(int Standard_Pixmap)
{
    // Several buttons share a picture; each strip is made once per run.
    static QHash<int, QImage> Made;
    if (const auto It = Made.constFind(Standard_Pixmap); It != Made.cend())
        return *It;
    const QPixmap Pictures[2] = {Standard_Icon_Picture(Standard_Pixmap, QIcon::Normal),
                                 Standard_Icon_Picture(Standard_Pixmap, QIcon::Disabled)};
    const QImage Strip = Glyph_From_Pictures(Pictures);
    Made.insert(Standard_Pixmap, Strip);
    return Strip;
}
