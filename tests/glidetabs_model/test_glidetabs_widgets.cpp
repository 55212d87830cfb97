#include "controls/GlideTabsWidgetUtils.h"
#include <QPainter>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

// Paints its left half blue and its right half green.
class TBackdrop : public QWidget
{
protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter P(this);
        P.fillRect(0, 0, width() / 2, height(), Qt::blue);
        P.fillRect(width() / 2, 0, width() - width() / 2, height(), Qt::green);
    }
};

class TSolid : public QWidget
{
public:
    explicit TSolid(QWidget *Parent, QColor C) : QWidget(Parent), FColor(C) {}

protected:
    void paintEvent(QPaintEvent *) override { QPainter(this).fillRect(rect(), FColor); }

private:
    QColor FColor;
};

TEST(GlideTabsWidgets, ParentBackgroundShowsWhatLiesBehindTheStrip)
{
    TBackdrop Parent;
    Parent.resize(200, 40);
    TSolid Strip(&Parent, Qt::red);
    Strip.setGeometry(90, 5, 20, 30);
    QImage Image(20, 30, QImage::Format_ARGB32_Premultiplied);
    Image.fill(Qt::white);
    QPainter P(&Image);
    P.setPen(Qt::black);
    PaintParentBackground(&Strip, P);
    EXPECT_EQ(P.pen().color(), QColor(Qt::black)); // painter state restored
    P.end();
    EXPECT_EQ(QColor(Image.pixel(0, 0)), QColor(Qt::blue));   // parent x 90
    EXPECT_EQ(QColor(Image.pixel(19, 29)), QColor(Qt::green)); // parent x 109
}

TEST(GlideTabsWidgets, NoParentNoBackground)
{
    TSolid Strip(nullptr, Qt::red);
    Strip.resize(10, 10);
    QImage Image(10, 10, QImage::Format_ARGB32_Premultiplied);
    Image.fill(Qt::white);
    QPainter P(&Image);
    PaintParentBackground(&Strip, P);
    P.end();
    EXPECT_EQ(QColor(Image.pixel(5, 5)), QColor(Qt::white));
}

TEST(GlideTabsWidgets, CaptureCopiesTheControlAtAnOffset)
{
    TSolid Control(nullptr, Qt::red);
    Control.resize(10, 10);
    QImage Bitmap(30, 30, QImage::Format_ARGB32_Premultiplied);
    Bitmap.fill(Qt::white);
    CaptureControlImage(&Control, Bitmap, 5, 5);
    EXPECT_EQ(QColor(Bitmap.pixel(4, 4)), QColor(Qt::white));
    EXPECT_EQ(QColor(Bitmap.pixel(5, 5)), QColor(Qt::red));
    EXPECT_EQ(QColor(Bitmap.pixel(14, 14)), QColor(Qt::red));
    EXPECT_EQ(QColor(Bitmap.pixel(15, 15)), QColor(Qt::white));
}

TEST(GlideTabsWidgets, LayeredFormIsHiddenSizedAndOwned)
{
    QWidget Window;
    TSolid Strip(&Window, Qt::red);
    QImage Bitmap(40, 20, QImage::Format_ARGB32_Premultiplied);
    Bitmap.fill(Qt::red);
    QWidget *Form = CreateLayeredImageForm(&Strip, Bitmap, 220);
    EXPECT_FALSE(Form->isVisible());
    EXPECT_EQ(Form->size(), QSize(40, 20));
    EXPECT_EQ(Form->parentWidget(), &Window);
    const QImage Shot = Form->grab().toImage();
    // The picture shows through at the constant alpha.
    const QColor Pixel = QColor::fromRgba(Shot.convertToFormat(QImage::Format_ARGB32).pixel(10, 10));
    EXPECT_NEAR(Pixel.alpha(), 220, 2);
    EXPECT_EQ(Pixel.green(), 0);
}

} // namespace
