#pragma once
#include <QImage>

class QPainter;
class QWidget;

// The window-level helpers of the tab strip: its see-through background and
// the pieces of the floating drag image.

// Copies the control's client area, as shown on screen, into Bitmap at (X, Y).
void CaptureControlImage(QWidget *Control, QImage &Bitmap, int X, int Y);

// Paints what lies behind the strip (its parent's background and the parent
// itself, not the parent's other children) into the painter, in the strip's
// coordinates. Nothing happens for a strip without a parent. The painter's
// state is the same afterwards.
void PaintParentBackground(QWidget *Strip, QPainter &Canvas);

// A frameless, see-through window owned by the strip's window, sized to the
// bitmap and showing it blended with its per-pixel alpha and the constant
// alpha (0..255). Returned hidden; the caller shows and moves it.
QWidget *CreateLayeredImageForm(QWidget *Owner, const QImage &Bitmap, int Alpha);
