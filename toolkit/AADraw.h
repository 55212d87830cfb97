#pragma once
#include <QImage>
#include <QPainterPath>
#include <QPoint>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <cstdint>
#include <functional>
#include <map>
#include <vector>

class QBrush;
class QPainter;

// A small anti-aliased vector drawing layer on top of QPainter: the brushes,
// pens, text formats and clip operations the animated tab strip draws with.
// Brushes and pens are plain values (colours in 0xAARRGGBB), so the objects
// that cache them need no GUI types; only TAACanvas touches QPainter.

// 32-bit colour with alpha: alpha in bits 24-31, red 16-23, green 8-15, blue 0-7.
using TArgb = std::uint32_t;

constexpr TArgb Make_Argb(int A, int R, int G, int B)
{
    return (static_cast<TArgb>(A & 0xFF) << 24) | (static_cast<TArgb>(R & 0xFF) << 16)
           | (static_cast<TArgb>(G & 0xFF) << 8) | static_cast<TArgb>(B & 0xFF);
}
constexpr int Argb_A(TArgb C) { return static_cast<int>((C >> 24) & 0xFF); }
constexpr int Argb_R(TArgb C) { return static_cast<int>((C >> 16) & 0xFF); }
constexpr int Argb_G(TArgb C) { return static_cast<int>((C >> 8) & 0xFF); }
constexpr int Argb_B(TArgb C) { return static_cast<int>(C & 0xFF); }

enum class TAABrushKind { Solid, Linear, Path };

// A fill: a solid colour, a linear gradient between two points, or a path
// (radial) gradient over an ellipse from a centre colour to a surround colour.
class TAABrush
{
public:
    static TAABrush Solid(TArgb Color);
    static TAABrush Linear(QPointF P1, TArgb C1, QPointF P2, TArgb C2);
    static TAABrush Ellipse_Path(const QRectF &Box, QPointF Centre, TArgb CentreColor, TArgb SurroundColor);

    // Shapes the gradient: at each position (0..1 along the gradient) the colour
    // is C1 blended towards C2 by the factor (0 = C1, 1 = C2). Positions and
    // factors are clamped to 0..1 so a computed blend point never leaves the band.
    void Set_Blend(const std::vector<double> &Factors, const std::vector<double> &Positions);

    TAABrushKind Kind() const { return FKind; }
    TArgb Color1() const { return FC1; }
    TArgb Color2() const { return FC2; }
    QPointF Point1() const { return FP1; }
    QPointF Point2() const { return FP2; }
    QRectF Box() const { return FBox; }
    const std::vector<double> &Blend_Factors() const { return FFactors; }
    const std::vector<double> &Blend_Positions() const { return FPositions; }
    // The colour at a position 0..1 along a linear gradient (blend applied).
    TArgb Color_At(double Position) const;

    QBrush To_QBrush() const;

private:
    TAABrushKind FKind = TAABrushKind::Solid;
    QPointF FP1, FP2;
    TArgb FC1 = 0, FC2 = 0;
    QRectF FBox;
    std::vector<double> FFactors, FPositions;
};

// An outline: colour and a real width in pixels.
struct TAAPen
{
    TArgb Color = 0xFF000000;
    double Width = 1.0;
};

// Text rendering quality, in the order the stored descriptions number them.
enum class TTextRenderingHint {
    TextRenderingHintSystemDefault,
    TextRenderingHintSingleBitPerPixelGridFit,
    TextRenderingHintSingleBitPerPixel,
    TextRenderingHintAntiAliasGridFit,
    TextRenderingHintAntiAlias,
    TextRenderingHintClearTypeGridFit
};

enum class TAAStringAlignment { Near, Center, Far };
enum class TAAStringTrimming { None, Character, Word, EllipsisCharacter, EllipsisWord, EllipsisPath };

struct TAAStringFormat
{
    TAAStringAlignment Horizontal = TAAStringAlignment::Near;
    TAAStringAlignment Vertical = TAAStringAlignment::Near;
    TAAStringTrimming Trimming = TAAStringTrimming::None;
    bool No_Wrap = false;
    bool Right_To_Left = false;
};

struct TAAFont
{
    QString Family = QStringLiteral("Segoe UI");
    double Points = 9;
};

// Clip combination modes.
enum class TAACombineMode { Replace, Intersect, Union, Xor, Exclude, Complement };

// The clip as it stood, to be put back later.
struct TAAClipState
{
    bool Has_Clip = false;
    QPainterPath Path;
};

// Pictures of one size, addressed by index (the tab strip's image lists).
class TAAImageList
{
public:
    TAAImageList(int Width, int Height) : FWidth(Width), FHeight(Height) {}
    // A copy has the pictures, not the users of the list it copies.
    TAAImageList(const TAAImageList &Other) : FWidth(Other.FWidth), FHeight(Other.FHeight), FImages(Other.FImages) {}
    TAAImageList &operator=(const TAAImageList &Other);
    // Tells every user that asked for it that the list is going.
    ~TAAImageList();
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    int Count() const { return static_cast<int>(FImages.size()); }
    void Add(const QImage &Image) { FImages.push_back(Image.convertToFormat(QImage::Format_ARGB32_Premultiplied)); }
    // The picture with its transparency; a null image outside 0..Count-1.
    QImage Picture(int Index) const;

    // A control that shows a list it does not own asks to hear of the list's
    // end, so it never draws from a freed list. The key withdraws the request.
    using TFreeHandler = std::function<void(const TAAImageList *)>;
    int Free_Notification(TFreeHandler Handler) const;
    void Remove_Free_Notification(int Key) const;

private:
    int FWidth, FHeight;
    std::vector<QImage> FImages;
    mutable std::map<int, TFreeHandler> FFree_Handlers;
    mutable int FNext_Key = 0;
};

// An anti-aliased drawing surface over a QPainter (not owned).
class TAACanvas
{
public:
    explicit TAACanvas(QPainter &Painter);
    QPainter &Painter() { return FPainter; }

    // 2 and above: high-quality anti-aliasing; below: none.
    void Set_Smoothing_Mode(int Mode);

    void Fill_Polygon(const std::vector<QPoint> &Points, const TAABrush &Brush);
    void Draw_Polygon(const std::vector<QPoint> &Points, const TAAPen &Pen);
    void Fill_Rect(const QRectF &R, const TAABrush &Brush);
    void Draw_Rect(const QRectF &R, const TAAPen &Pen);
    void Fill_Ellipse(const QRectF &Box, const TAABrush &Brush);
    void Draw_Ellipse(const QRectF &Box, const TAAPen &Pen);
    // Angles in degrees, clockwise from the positive x axis (y grows downwards).
    void Draw_Arc(const QRectF &Box, double Start_Degrees, double Sweep_Degrees, const TAAPen &Pen);
    void Draw_Line(QPointF From, QPointF To, const TAAPen &Pen);
    void Draw_Image(const QImage &Image, int X, int Y);

    void Draw_Text(const QString &Text, const TAAFont &Font, const QRectF &Layout, const TAAStringFormat &Format,
                   const TAABrush &Brush, TTextRenderingHint Hint);
    // Size the text takes in the layout box (width of the longest line without wrapping when No_Wrap).
    QSizeF Measure_Text(const QString &Text, const TAAFont &Font, const QRectF &Layout, const TAAStringFormat &Format,
                        TTextRenderingHint Hint);

    void Set_Clip_Rect(const QRectF &R, TAACombineMode Mode = TAACombineMode::Replace);
    // The polygon is filled even-odd.
    void Set_Clip_Polygon(const std::vector<QPoint> &Points, TAACombineMode Mode);
    void Reset_Clip();
    TAAClipState Save_Clip() const;
    void Restore_Clip(const TAAClipState &State);
    bool Has_Clip() const;

private:
    void Combine_Clip(const QPainterPath &Path, TAACombineMode Mode);
    QPainter &FPainter;
};
