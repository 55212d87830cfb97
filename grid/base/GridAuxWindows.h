#pragma once
#include "grid/base/GridOptions.h"
#include "platform/PopupShapes.h"
#include <QImage>

// The 7-point arrow of each direction, in window pixels. arrLeft's tip
// points right and arrRight's tip points left (they mark the drop position
// from the side they stand on).
QPolygon Arrow_Polygon(TArrowDirection Dir);

// One of the four drop-position arrows shown while a column or row is dragged:
// a lime popup shaped by the arrow polygon of its direction.
class TArrowWindow : public TPolygonPopup {
    Q_OBJECT
public:
    TArrowWindow(QWidget *Owner, TArrowDirection Dir);
    TArrowDirection Dir() const { return FDir; }
    QPolygon Arrow() const { return Shape(); }

private:
    TArrowDirection FDir;
};

// The focus-frame window: top-most, non-activating, click-through, showing
// an alpha mask. Empty (0 x 0) at creation.
class TGridFocusWindow : public TTranslucentOverlay {
    Q_OBJECT
public:
    explicit TGridFocusWindow(QWidget *Owner);
    TColor Color() const { return FColor; }

private:
    TColor FColor = clRed;
};

// A 32-bit premultiplied image with a constant opacity, shown in the focus window.
class TGridAlphaMask {
public:
    QImage Image{0, 0, QImage::Format_ARGB32_Premultiplied};
    int Opacity = 255;
    // From another mask of the same size: opacity and pixels (the size is not
    // copied, the caller sizes the target first); a mask of another size
    // copies nothing. Any other image is copied plainly. Always 32 bits after.
    void Assign(const TGridAlphaMask &Source);
    void Assign(const QImage &Source);
    // Bitmap must be 24-bit (Format_RGB888); Mask a 24-bit grey image of the
    // same size whose red byte is the alpha. The result is premultiplied.
    // Color has no effect. Nothing happens for a Bitmap of another format.
    void MergeMask(const QImage &Mask, const QImage &Bitmap, TColor Color);
};

// Draws the focus mask: Bitmap becomes a 24-bit Width x Height black image
// with a white rounded rectangle (filled for PenWidth < 1, else outlined with
// that pen width), inset by PenWidth / 2 + 2, softened by a blur of Radius.
// The blur convolves only the 21-pixel bands along the edges (every inner row
// and column copies row and column 15) and is safe for small images.
void DrawFocusMask(QImage &Bitmap, int Width, int Height, int PenWidth, int CornerRadius, double Radius);
