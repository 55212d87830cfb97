#pragma once
#include "toolkit/Canvas.h"
#include <QPointF>
#include <QRectF>
#include <memory>

class QFont;

// A canvas in the print mapping: one unit is 0.1 mm, x grows to the right,
// y grows upward (the page's top edge at 0, lower lines negative). It draws
// through a painter in device dots without flipping the painter itself, so
// glyphs and pictures come out upright; only coordinates are mapped.
// Rectangles given in this mapping have Top above Bottom (Top > Bottom).
// The font's size comes from Font_Height when set (0.1 mm; negative: the
// character height, as the grid's font mapping gives it), else from
// Font.Size in points.
class TPrintCanvas : public TCanvas {
public:
    // Origin: where the logical point (0, 0) lies, in device dots.
    TPrintCanvas(QPainter &Painter, double Dpi_X, double Dpi_Y, QPointF Origin = QPointF());

    int Font_Height = 0;

    double Dpi_X() const { return FDpi_X; }
    QPointF Origin() const { return FOrigin; }
    double Dpi_Y() const { return FDpi_Y; }
    QPointF Map(double X, double Y) const;
    // A logical rectangle (either corner order) as a device rectangle.
    QRectF Map(const TRect &R) const;
    // Device dots to logical units and back, for parts drawn in dots.
    TRect To_Device(const TRect &R) const;
    TRect From_Device(const TRect &R) const;
    QFont Device_Font() const;
    QPainter *Qt_Painter() override { return FPainter; }
    // Draws on another painter of the same device from now on (a printer's
    // next page); the pen, brush and font stay.
    void Rebind(QPainter &Painter);

    void LineTo(int X, int Y) override;
    void FillRect(const TRect &R) override;
    void FrameRect(const TRect &R) override;
    void Rectangle(const TRect &R) override;
    using TCanvas::Rectangle;
    void RoundRect(const TRect &R, int EllipseW, int EllipseH) override;
    void Ellipse(const TRect &R) override;
    void Polygon(const QVector<TPoint> &Points) override;
    void Polyline(const QVector<TPoint> &Points) override;
    void SetPixel(int X, int Y, TColor Color) override;
    void TextOut(int X, int Y, const QString &Text) override;
    void TextRect(const TRect &R, int X, int Y, const QString &Text) override;
    // R in logical units; with DT_CALCRECT R becomes the extent the text
    // needs (Bottom below Top). Returns the text height in logical units.
    int DrawText(TRect &R, const QString &Text, unsigned Format) override;
    int TextWidth(const QString &Text) const override;
    int TextHeight(const QString &Text) const override;
    void Draw(int X, int Y, const QImage &Image) override;
    void StretchDraw(const TRect &R, const QImage &Image) override;
    void Set_Clip_Rect(const TRect &R) override;
    void Clear_Clip() override;

private:
    void Apply_Pen();
    void Apply_Brush();
    double Pen_Width() const;
    QPainter *FPainter;
    double FDpi_X, FDpi_Y;
    QPointF FOrigin;
    bool FBaseClipped = false;
    QRegion FBaseClip;
};

// The page in screen pixels (96 per inch, y growing downward from the page's
// top edge) on a print canvas's painter, for the grid's screen painters
// (markup, rich text, turned text, gradients): they draw as on the screen
// and the painter scales their pixels onto the paper, so fonts, pictures and
// turned glyphs keep their size and direction. The painter's transform is
// given back when this goes.
class TPrintScreenUnits {
public:
    static constexpr double Pixels_Per_Inch = 96.0;
    explicit TPrintScreenUnits(TPrintCanvas &Canvas);
    ~TPrintScreenUnits();
    TPrintScreenUnits(const TPrintScreenUnits &) = delete;
    TPrintScreenUnits &operator=(const TPrintScreenUnits &) = delete;

    TCanvas &Canvas() { return *FCanvas; }
    // A rectangle of the print mapping (either corner order) in page pixels.
    static TRect To_Pixels(const TRect &R);
    static int To_Pixels(int Units);
    static int To_Units(int Pixels);

private:
    QPainter &FPainter;
    std::unique_ptr<TPainterCanvas> FCanvas;
};
