#include "platform/PopupShapes.h"
#include <QPainter>
#include <QRegion>

TPolygonPopup::TPolygonPopup(QWidget *Owner)
    // A tool-tip kind of window: top-level, frameless and on top, but unlike
    // a Qt popup it takes no mouse or keyboard grab, so showing an arrow
    // while a column is dragged leaves the drag with the grid.
    : QWidget(Owner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus
                         | Qt::WindowTransparentForInput)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
}

void TPolygonPopup::Set_Shape(const QPolygon &Points)
{
    FShape = Points;
    const QRect B = Points.boundingRect();
    resize(B.right() + 1, B.bottom() + 1);
    setMask(QRegion(Points, Qt::WindingFill));
}

void TPolygonPopup::Set_Color(TColor C)
{
    if (C == FColor)
        return;
    FColor = C;
    update();
}

void TPolygonPopup::paintEvent(QPaintEvent *)
{
    QPainter P(this);
    P.fillRect(rect(), To_QColor(FColor));
}

TTranslucentOverlay::TTranslucentOverlay(QWidget *Owner)
    : QWidget(Owner, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowTransparentForInput
                         | Qt::WindowDoesNotAcceptFocus)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void TTranslucentOverlay::Set_Image(const QImage &Image, int Opacity)
{
    FImage = Image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    FOpacity = std::clamp(Opacity, 0, 255);
    resize(FImage.size());
    update();
}

void TTranslucentOverlay::paintEvent(QPaintEvent *)
{
    QPainter P(this);
    P.setCompositionMode(QPainter::CompositionMode_Source);
    P.fillRect(rect(), Qt::transparent);
    P.setCompositionMode(QPainter::CompositionMode_SourceOver);
    P.setOpacity(FOpacity / 255.0);
    P.drawImage(0, 0, FImage);
}
