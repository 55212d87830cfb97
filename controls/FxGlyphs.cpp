#include "controls/FxButtons.h"
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <functional>

// The button's stock pictures, drawn here at first use in the 16 classic
// colours without anti-aliasing, so that every pixel is either the frame's
// background (its bottom-left colour, shown transparent) or picture.

namespace {

const QColor Background(128, 128, 0);   // olive: used by no picture
const QColor Black(0, 0, 0), Maroon(128, 0, 0), Green(0, 128, 0), Navy(0, 0, 128), Gray(128, 128, 128),
    Red(255, 0, 0), Lime(0, 255, 0), Yellow(255, 255, 0), Blue(0, 0, 255), White(255, 255, 255);

using TPicture = std::function<void(QPainter &)>;

QPen Pen(const QColor &C, int Width = 1)
{
    return QPen(C, Width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
}

void Check_Mark(QPainter &P, int Dx, int Dy)
{
    P.setPen(Pen(Green, 3));
    P.drawPolyline(QPolygon({QPoint(3 + Dx, 9 + Dy), QPoint(7 + Dx, 13 + Dy), QPoint(14 + Dx, 4 + Dy)}));
    P.setPen(Pen(Lime, 1));
    P.drawPolyline(QPolygon({QPoint(3 + Dx, 9 + Dy), QPoint(7 + Dx, 13 + Dy), QPoint(14 + Dx, 4 + Dy)}));
}

void Disc(QPainter &P, const QColor &Fill, const QColor &Edge)
{
    P.setPen(Pen(Edge));
    P.setBrush(Fill);
    P.drawEllipse(QRect(1, 1, 15, 15));
    P.setBrush(Qt::NoBrush);
}

const QHash<QString, TPicture> &Pictures()
{
    static const QHash<QString, TPicture> Table = {
        {"FXOK", [](QPainter &P) { Check_Mark(P, 0, 0); }},
        {"FXCANCEL",
         [](QPainter &P) {
             P.setPen(Pen(Maroon, 3));
             P.drawLine(4, 4, 13, 13);
             P.drawLine(13, 4, 4, 13);
             P.setPen(Pen(Red, 1));
             P.drawLine(4, 4, 13, 13);
             P.drawLine(13, 4, 4, 13);
         }},
        {"FXHELP",
         [](QPainter &P) {
             Disc(P, Blue, Navy);
             P.setPen(Pen(White, 2));
             P.drawPolyline(QPolygon({QPoint(6, 6), QPoint(7, 5), QPoint(10, 5), QPoint(11, 6), QPoint(11, 8),
                                      QPoint(9, 10), QPoint(9, 11)}));
             P.fillRect(QRect(8, 13, 2, 2), White);
         }},
        {"FXYES",
         [](QPainter &P) {
             Disc(P, Green, Black);
             P.setPen(Pen(White, 2));
             P.drawPolyline(QPolygon({QPoint(5, 9), QPoint(8, 12), QPoint(12, 5)}));
         }},
        {"FXNO",
         [](QPainter &P) {
             // A prohibition ring.
             P.setPen(Pen(Red, 3));
             P.drawEllipse(QRect(2, 2, 13, 13));
             P.drawLine(5, 5, 12, 12);
         }},
        {"FXCLOSE",
         [](QPainter &P) {
             // An open door in its frame.
             P.setPen(Pen(Black));
             P.drawRect(QRect(4, 1, 10, 15));
             P.fillRect(QRect(5, 2, 9, 14), Black);
             P.setBrush(Maroon);
             P.drawPolygon(QPolygon({QPoint(4, 1), QPoint(9, 3), QPoint(9, 17), QPoint(4, 16)}));
             P.setBrush(Qt::NoBrush);
             P.fillRect(QRect(7, 9, 2, 2), Yellow);
         }},
        {"FXABORT",
         [](QPainter &P) {
             // A stop sign.
             P.setPen(Pen(Maroon));
             P.setBrush(Red);
             P.drawPolygon(QPolygon({QPoint(5, 1), QPoint(12, 1), QPoint(16, 5), QPoint(16, 12), QPoint(12, 16),
                                     QPoint(5, 16), QPoint(1, 12), QPoint(1, 5)}));
             P.setBrush(Qt::NoBrush);
             P.fillRect(QRect(4, 7, 10, 4), White);
         }},
        {"FXRETRY",
         [](QPainter &P) {
             // A circular arrow.
             P.setPen(Pen(Blue, 2));
             P.drawArc(QRect(3, 3, 11, 11), 100 * 16, 280 * 16);
             P.setPen(Pen(Navy));
             P.setBrush(Blue);
             P.drawPolygon(QPolygon({QPoint(8, 0), QPoint(12, 3), QPoint(8, 6)}));
             P.setBrush(Qt::NoBrush);
         }},
        {"FXIGNORE",
         [](QPainter &P) {
             // An arrow leaping over a block.
             P.fillRect(QRect(7, 10, 4, 7), Gray);
             P.setPen(Pen(Black));
             P.drawRect(QRect(7, 10, 3, 6));
             P.setPen(Pen(Blue, 2));
             P.drawArc(QRect(2, 4, 13, 14), 20 * 16, 160 * 16);
             P.setPen(Pen(Navy));
             P.setBrush(Blue);
             P.drawPolygon(QPolygon({QPoint(12, 10), QPoint(17, 10), QPoint(15, 15)}));
             P.setBrush(Qt::NoBrush);
         }},
        {"FXALL",
         [](QPainter &P) {
             Check_Mark(P, -1, -3);
             Check_Mark(P, 2, 3);
         }},
    };
    return Table;
}

// Two frames: the picture, then its disabled form: the picture's darker
// pixels as a gray silhouette with a white shadow one pixel down and right;
// its light pixels (white symbols on discs) become holes, so the symbol stays
// readable.
QImage Two_Frame_Strip(const TPicture &Picture, int Height)
{
    QImage Normal(18, Height, QImage::Format_RGB32);
    Normal.fill(Background);
    {
        QPainter P(&Normal);
        P.setRenderHint(QPainter::Antialiasing, false);
        Picture(P);
    }
    QImage Strip(36, Height, QImage::Format_RGB32);
    Strip.fill(Background);
    const QRgb Key = Background.rgb();
    auto Ink = [&](int X, int Y) {
        const QRgb P = Normal.pixel(X, Y);
        return P != Key && qGray(P) < 200;
    };
    for (int Y = 0; Y < Height; ++Y)
        for (int X = 0; X < 18; ++X) {
            Strip.setPixel(X, Y, Normal.pixel(X, Y));
            if (Ink(X, Y) && X + 1 < 18 && Y + 1 < Height)
                Strip.setPixel(18 + X + 1, Y + 1, White.rgb());
        }
    for (int Y = 0; Y < Height; ++Y)
        for (int X = 0; X < 18; ++X)
            if (Ink(X, Y))
                Strip.setPixel(18 + X, Y, Gray.rgb());
    // The bottom-left pixel of each frame names the transparent colour.
    Strip.setPixel(0, Height - 1, Key);
    Strip.setPixel(18, Height - 1, Key);
    return Strip;
}

QImage Popup_Arrow()
{
    QImage A(5, 3, QImage::Format_RGB32);
    A.fill(White);
    for (int Row = 0; Row < 3; ++Row)
        for (int X = Row; X < 5 - Row; ++X)
            A.setPixel(X, Row, Black.rgb());
    return A;
}

} // namespace

QImage Fx_Bitmap_Resource(const QString &Name)
{
    static QHash<QString, QImage> Cache;
    const auto Found = Cache.constFind(Name);
    if (Found != Cache.constEnd())
        return *Found;
    QImage Img;
    if (Name == QLatin1String("FXARROW"))
        Img = Popup_Arrow();
    else {
        const auto Picture = Pictures().constFind(Name);
        if (Picture == Pictures().constEnd())
            return QImage();
        Img = Two_Frame_Strip(*Picture, Name == QLatin1String("FXALL") ? 19 : 18);
    }
    Cache.insert(Name, Img);
    return Img;
}
