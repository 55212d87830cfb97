#include "controls/GlideTabsWidgetUtils.h"
#include <QPaintEvent>
#include <QPainter>
#include <QWidget>
#include <algorithm>

void CaptureControlImage(QWidget *Control, QImage &Bitmap, int X, int Y)
{
    if (!Control || Bitmap.isNull())
        return;
    const QImage Shot = Control->grab().toImage();
    QPainter P(&Bitmap);
    P.drawImage(QPoint(X, Y), Shot);
}

void PaintParentBackground(QWidget *Strip, QPainter &Canvas)
{
    QWidget *Parent = Strip ? Strip->parentWidget() : nullptr;
    if (!Parent)
        return;
    Canvas.save();
    Canvas.translate(-Strip->x(), -Strip->y());
    Canvas.setClipRect(Parent->rect(), Qt::IntersectClip);
    // Only the parent's own background and painting: its children (the strip
    // among them) would paint into the strip's own picture.
    Parent->render(&Canvas, QPoint(), QRegion(Parent->rect()), QWidget::DrawWindowBackground);
    Canvas.restore();
}

namespace {

class TLayeredImageForm : public QWidget
{
public:
    TLayeredImageForm(QWidget *Owner, const QImage &Bitmap, int Alpha)
        : QWidget(Owner, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), FImage(Bitmap),
          FOpacity(std::clamp(Alpha, 0, 255) / 255.0)
    {
        setAttribute(Qt::WA_TranslucentBackground);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFixedSize(Bitmap.size());
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter P(this);
        P.setCompositionMode(QPainter::CompositionMode_Source);
        P.fillRect(rect(), Qt::transparent);
        P.setCompositionMode(QPainter::CompositionMode_SourceOver);
        P.setOpacity(FOpacity);
        P.drawImage(QPoint(0, 0), FImage);
    }

private:
    QImage FImage;
    double FOpacity;
};

} // namespace

QWidget *CreateLayeredImageForm(QWidget *Owner, const QImage &Bitmap, int Alpha)
{
    QWidget *Form = new TLayeredImageForm(Owner ? Owner->window() : nullptr, Bitmap, Alpha);
    Form->hide();
    return Form;
}
