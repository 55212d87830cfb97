#pragma once
#include "platform/Colors.h"
#include "platform/Font.h"
#include "platform/PaintStyles.h"
#include "platform/Rect.h"
#include <QImage>
#include <QRegion>
#include <QString>
#include <QVector>
#include <memory>
#include <vector>

class QPainter;

// A drawing surface with the pen, brush and font state the grid painters
// set before each primitive, over QPainter. Geometry follows the classic
// device-context rules, so that the painters land on the pixels they aim at:
// - rectangles are TRect (Right/Bottom exclusive);
// - FillRect fills the rectangle with the brush, no outline;
// - Rectangle outlines with the pen inside the rectangle and fills the inside
//   with the brush (nothing when bsClear); with psClear it fills the rectangle
//   less one pixel at the right and bottom;
// - LineTo draws from the pen position up to, not including, the end point;
//   a pen of width w on a horizontal (vertical) line covers the rows (columns)
//   y - w/2 .. y - w/2 + w - 1;
// - TextOut puts the text cell's top-left at (X, Y), filled with the brush
//   colour first unless the brush is bsClear;
// - font sizes are points at 96 pixels per inch whatever the device.

struct TPen {
    TColor Color = clBlack;
    int Width = 1;
    TPenStyle Style = psSolid;
    friend bool operator==(const TPen &, const TPen &) = default;
};

struct TBrush {
    TColor Color = clWhite;
    TBrushStyle Style = bsSolid;
    friend bool operator==(const TBrush &, const TBrush &) = default;
};

// DrawText format flags (the classic values).
enum : unsigned {
    DT_TOP = 0x0, DT_LEFT = 0x0, DT_CENTER = 0x1, DT_RIGHT = 0x2, DT_VCENTER = 0x4, DT_BOTTOM = 0x8,
    DT_WORDBREAK = 0x10, DT_SINGLELINE = 0x20, DT_EXPANDTABS = 0x40, DT_NOCLIP = 0x100,
    DT_CALCRECT = 0x400, DT_NOPREFIX = 0x800, DT_END_ELLIPSIS = 0x8000,
};

class TCanvas {
public:
    TPen Pen;
    TBrush Brush;
    TFont Font;

    virtual ~TCanvas() = default;

    // Pen position used by MoveTo/LineTo and advanced by TextOut.
    TPoint PenPos() const { return FPenPos; }
    void MoveTo(int X, int Y) { FPenPos = {X, Y}; }
    virtual void LineTo(int X, int Y) = 0;

    virtual void FillRect(const TRect &R) = 0;
    // One-pixel frame in the brush colour.
    virtual void FrameRect(const TRect &R) = 0;
    virtual void Rectangle(const TRect &R) = 0;
    void Rectangle(int X1, int Y1, int X2, int Y2) { Rectangle(TRect(X1, Y1, X2, Y2)); }
    virtual void RoundRect(const TRect &R, int EllipseW, int EllipseH) = 0;
    virtual void Ellipse(const TRect &R) = 0;
    // Filled with the brush, outlined with the pen, closed.
    virtual void Polygon(const QVector<TPoint> &Points) = 0;
    // Open outline with the pen (each segment as LineTo).
    virtual void Polyline(const QVector<TPoint> &Points) = 0;
    virtual void SetPixel(int X, int Y, TColor Color) = 0;

    virtual void TextOut(int X, int Y, const QString &Text) = 0;
    // Text at (X, Y) clipped to R; R is filled with the brush first unless bsClear.
    virtual void TextRect(const TRect &R, int X, int Y, const QString &Text) = 0;
    // Formatted text in R (DT_* flags). With DT_CALCRECT nothing is drawn and R
    // is set to the extent the text needs. Returns the text height.
    virtual int DrawText(TRect &R, const QString &Text, unsigned Format) = 0;
    virtual int TextWidth(const QString &Text) const;
    virtual int TextHeight(const QString &Text) const;

    // Image at its own size with the top-left at (X, Y); alpha is honoured.
    virtual void Draw(int X, int Y, const QImage &Image) = 0;
    virtual void StretchDraw(const TRect &R, const QImage &Image) = 0;

    // Restricts all drawing to R until Clear_Clip (replaces an earlier clip).
    virtual void Set_Clip_Rect(const TRect &R) = 0;
    virtual void Clear_Clip() = 0;
    bool Has_Clip() const { return FHasClip; }
    TRect Clip_Rect() const { return FClip; }
    // The Qt painter beneath, for parts that Qt's style draws (themed button
    // faces); nullptr for a canvas without one. Pen, brush and font of this
    // canvas are not applied to it.
    virtual QPainter *Qt_Painter() { return nullptr; }

protected:
    TPoint FPenPos;
    bool FHasClip = false;
    TRect FClip;
};

// The canvas over a QPainter (a widget's paint event, an image, a printer).
// The painter must outlive the canvas; antialiasing is switched off.
class TPainterCanvas : public TCanvas {
public:
    explicit TPainterCanvas(QPainter &Painter);
    QPainter &Painter() { return FPainter; }
    QPainter *Qt_Painter() override { return &FPainter; }

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
    int DrawText(TRect &R, const QString &Text, unsigned Format) override;
    void Draw(int X, int Y, const QImage &Image) override;
    void StretchDraw(const TRect &R, const QImage &Image) override;
    void Set_Clip_Rect(const TRect &R) override;
    void Clear_Clip() override;

private:
    void Apply_Pen();
    void Apply_Brush();
    void Apply_Font();
    QPainter &FPainter;
    bool FBaseClipped = false;   // the painter's own clip (a paint event's region) stays in force
    QRegion FBaseClip;
};

// One recorded canvas call with the state it was made in.
struct TCanvasOp {
    enum TKind { LineTo, FillRect, FrameRect, Rectangle, RoundRect, Ellipse, Polygon, Polyline, SetPixel,
                 TextOut, TextRect, DrawText, Draw, StretchDraw, SetClip, ClearClip };
    TKind Kind;
    TRect Rect;               // the rectangle; for LineTo (from.X, from.Y, to.X, to.Y)
    QVector<TPoint> Points;
    QString Text;
    unsigned Format = 0;      // DrawText flags; SetPixel colour
    TPen Pen;
    TBrush Brush;
    TFont Font;
    bool Clipped = false;
    TRect Clip;
};

// A canvas for tests: records every call, and also paints it into an image of
// the given size (white at the start) so that pixels can be checked.
class TRecordingCanvas : public TCanvas {
public:
    explicit TRecordingCanvas(int Width = 1, int Height = 1);
    ~TRecordingCanvas() override;

    const std::vector<TCanvasOp> &Ops() const { return FOps; }
    void Clear_Ops() { FOps.clear(); }
    // The picture so far (the painter is flushed first).
    QImage Image();
    // Number of recorded calls of one kind.
    int Count(TCanvasOp::TKind Kind) const;

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
    int DrawText(TRect &R, const QString &Text, unsigned Format) override;
    void Draw(int X, int Y, const QImage &Image) override;
    void StretchDraw(const TRect &R, const QImage &Image) override;
    void Set_Clip_Rect(const TRect &R) override;
    void Clear_Clip() override;
    // The painter of the image (what is drawn through it is not recorded).
    QPainter *Qt_Painter() override;

private:
    TCanvasOp &Record(TCanvasOp::TKind Kind);
    TPainterCanvas &Inner();  // with this canvas's state copied in
    struct TImpl;
    std::unique_ptr<TImpl> FImpl;
    std::vector<TCanvasOp> FOps;
};
