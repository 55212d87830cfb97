#pragma once
#include "platform/Colors.h"
#include <QImage>
#include <QPolygon>
#include <QWidget>

// A borderless, top-most marker window (it takes no input and no grab) whose
// window is shaped by a polygon (winding fill)
// and filled with one colour: the drop-position arrows of the grid.
class TPolygonPopup : public QWidget {
    Q_OBJECT
public:
    explicit TPolygonPopup(QWidget *Owner = nullptr);
    QPolygon Shape() const { return FShape; }
    // Sets the window region; the window is sized to the polygon's extent.
    void Set_Shape(const QPolygon &Points);
    TColor Color() const { return FColor; }
    void Set_Color(TColor C);

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QPolygon FShape;
    TColor FColor = clBtnFace;
};

// A frameless, top-most, non-activating, click-through window that shows a
// premultiplied ARGB image with per-pixel alpha and one constant opacity
// (0..255): the focus frame around an edited cell.
class TTranslucentOverlay : public QWidget {
    Q_OBJECT
public:
    explicit TTranslucentOverlay(QWidget *Owner = nullptr);
    // Sizes the window to the image.
    void Set_Image(const QImage &Image, int Opacity);
    const QImage &Image() const { return FImage; }
    int Opacity() const { return FOpacity; }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QImage FImage;
    int FOpacity = 255;
};
