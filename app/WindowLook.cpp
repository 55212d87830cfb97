#include "app/WindowLook.h"
#include "controls/WindowLook.h"
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
#include <QStyle>

void Apply_Window_Look(QWidget *Window, int Client_Width, int Client_Height)
{
    Window_Look::Apply_Background_And_Font(Window);
    Window->setFixedSize(Client_Width, Client_Height);
    Window_Look::Centre_On_Screen(Window);
}

QLabel *Make_Label(QWidget *Parent, const char *Object_Name, int Left, int Top, const QString &Text)
{
    QLabel *L = Make_Unsized_Label(Parent, Object_Name, Left, Top, Text);
    L->adjustSize();
    return L;
}

QLabel *Make_Unsized_Label(QWidget *Parent, const char *Object_Name, int Left, int Top, const QString &Text)
{
    auto *L = new QLabel(Text, Parent);
    L->setObjectName(QLatin1String(Object_Name));
    L->move(Left, Top);
    return L;
}

QFrame *Make_Title_Panel(QWidget *Window, int Width, QLabel **L_SW_Code, QLabel **L_SW_Desc)
{
    // The main window's dialogs size their title labels to the text and rule
    // the panel off from the page below.
    const Window_Look::TTitle_Layout Layout{.Height = Title_Panel_Height, .Code_Top = 6, .Desc_Top = 42, .Rule = true};
    return Window_Look::Make_Title_Panel(Window, Width, Layout, *L_SW_Code, *L_SW_Desc);
}

QFrame *Make_Button_Panel(QWidget *Window, int Width, int Client_Height)
{
    return Window_Look::Make_Button_Panel(Window, Client_Height - Button_Panel_Height, Width, Button_Panel_Height,
                                          true);
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
    const QRgb Key = qRgb(255, 0, 255);
    const QRgb Face = qRgb(0xF8, 0xF7, 0xED); // the face colour of every configurator button
    const auto Blend = [](int Icon, int Under, double A) { return qRound(Icon * A + Under * (1 - A)); };
    QImage Strip(36, 18, QImage::Format_RGB32);
    Strip.fill(Key);
    for (int Frame = 0; Frame < 2; ++Frame) {
        const QImage Src = Pictures[Frame].toImage().convertToFormat(QImage::Format_ARGB32);
        // Whole scan lines: the windows make these strips while they are created.
        for (int Y = 0; Y < Src.height() && Y < 16; ++Y) {
            const auto *In = reinterpret_cast<const QRgb *>(Src.constScanLine(Y));
            auto *Out = reinterpret_cast<QRgb *>(Strip.scanLine(1 + Y)) + Frame * 18 + 1;
            for (int X = 0; X < Src.width() && X < 16; ++X) {
                const QRgb C = In[X];
                if (qAlpha(C) == 0)
                    continue;
                const double A = qAlpha(C) / 255.0;
                Out[X] = qRgb(Blend(qRed(C), qRed(Face), A), Blend(qGreen(C), qGreen(Face), A),
                              Blend(qBlue(C), qBlue(Face), A));
            }
        }
    }
    // The frame's bottom-left pixel names the transparent colour: keep it magenta.
    Strip.setPixel(0, 17, Key);
    Strip.setPixel(18, 17, Key);
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
