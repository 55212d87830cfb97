#include "grid/print/PrintCanvas.h"
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {
constexpr double Units_Per_Inch = 254.0;

Qt::PenStyle Pen_Style(TPenStyle S)
{
    switch (S) {
    case psDash: return Qt::DashLine;
    case psDot: return Qt::DotLine;
    case psDashDot: return Qt::DashDotLine;
    case psDashDotDot: return Qt::DashDotDotLine;
    case psClear: return Qt::NoPen;
    default: return Qt::SolidLine;
    }
}

Qt::BrushStyle Brush_Style(TBrushStyle S)
{
    switch (S) {
    case bsClear: return Qt::NoBrush;
    case bsHorizontal: return Qt::HorPattern;
    case bsVertical: return Qt::VerPattern;
    case bsFDiagonal: return Qt::FDiagPattern;
    case bsBDiagonal: return Qt::BDiagPattern;
    case bsCross: return Qt::CrossPattern;
    case bsDiagCross: return Qt::DiagCrossPattern;
    default: return Qt::SolidPattern;
    }
}
} // namespace

TPrintCanvas::TPrintCanvas(QPainter &Painter, double Dpi_X, double Dpi_Y, QPointF Origin)
    : FPainter(&Painter), FDpi_X(Dpi_X), FDpi_Y(Dpi_Y), FOrigin(Origin)
{
    FPainter->setRenderHint(QPainter::Antialiasing, false);
    FPainter->setRenderHint(QPainter::SmoothPixmapTransform, true);
    FBaseClipped = FPainter->hasClipping();
    if (FBaseClipped)
        FBaseClip = FPainter->clipRegion();
}

QPointF TPrintCanvas::Map(double X, double Y) const
{
    return QPointF(FOrigin.x() + X * FDpi_X / Units_Per_Inch, FOrigin.y() - Y * FDpi_Y / Units_Per_Inch);
}

QRectF TPrintCanvas::Map(const TRect &R) const
{
    return QRectF(Map(R.Left, R.Top), Map(R.Right, R.Bottom)).normalized();
}

TRect TPrintCanvas::To_Device(const TRect &R) const
{
    const QRectF D = Map(R);
    return TRect(qRound(D.left()), qRound(D.top()), qRound(D.right()), qRound(D.bottom()));
}

TRect TPrintCanvas::From_Device(const TRect &R) const
{
    auto X = [this](double V) { return qRound((V - FOrigin.x()) * Units_Per_Inch / FDpi_X); };
    auto Y = [this](double V) { return qRound((FOrigin.y() - V) * Units_Per_Inch / FDpi_Y); };
    return TRect(X(R.Left), Y(R.Top), X(R.Right), Y(R.Bottom));
}

QFont TPrintCanvas::Device_Font() const
{
    QFont F = Font.To_QFont();
    const double Em = Font_Height != 0 ? std::abs(Font_Height) : Font.Size * Units_Per_Inch / 72.0;
    F.setPixelSize(std::max(1, qRound(Em * FDpi_Y / Units_Per_Inch)));
    // A positive height is the cell height: the em is what is left without
    // the leading, which the metrics below account for well enough.
    return F;
}

double TPrintCanvas::Pen_Width() const { return std::max(1.0, Pen.Width * FDpi_X / Units_Per_Inch); }

void TPrintCanvas::Apply_Pen()
{
    if (Pen.Style == psClear) {
        FPainter->setPen(Qt::NoPen);
        return;
    }
    FPainter->setPen(QPen(To_QColor(Pen.Color), Pen_Width(), Pen_Style(Pen.Style), Qt::SquareCap, Qt::MiterJoin));
}

void TPrintCanvas::Apply_Brush()
{
    if (Brush.Style == bsClear)
        FPainter->setBrush(Qt::NoBrush);
    else
        FPainter->setBrush(QBrush(To_QColor(Brush.Color), Brush_Style(Brush.Style)));
}

void TPrintCanvas::LineTo(int X, int Y)
{
    const TPoint From = FPenPos;
    FPenPos = {X, Y};
    if (Pen.Style == psClear)
        return;
    Apply_Pen();
    FPainter->drawLine(Map(From.X, From.Y), Map(X, Y));
}

void TPrintCanvas::FillRect(const TRect &R)
{
    if (Brush.Style == bsClear)
        return;
    FPainter->fillRect(Map(R), QBrush(To_QColor(Brush.Color), Brush_Style(Brush.Style)));
}

void TPrintCanvas::FrameRect(const TRect &R)
{
    FPainter->setPen(QPen(To_QColor(Brush.Color), std::max(1.0, FDpi_X / Units_Per_Inch)));
    FPainter->setBrush(Qt::NoBrush);
    FPainter->drawRect(Map(R));
}

void TPrintCanvas::Rectangle(const TRect &R)
{
    Apply_Pen();
    Apply_Brush();
    FPainter->drawRect(Map(R));
}

void TPrintCanvas::RoundRect(const TRect &R, int EllipseW, int EllipseH)
{
    Apply_Pen();
    Apply_Brush();
    FPainter->drawRoundedRect(Map(R), EllipseW * FDpi_X / Units_Per_Inch / 2, EllipseH * FDpi_Y / Units_Per_Inch / 2);
}

void TPrintCanvas::Ellipse(const TRect &R)
{
    Apply_Pen();
    Apply_Brush();
    FPainter->drawEllipse(Map(R));
}

void TPrintCanvas::Polygon(const QVector<TPoint> &Points)
{
    QPolygonF P;
    for (const TPoint &T : Points)
        P << Map(T.X, T.Y);
    Apply_Pen();
    Apply_Brush();
    FPainter->drawPolygon(P);
}

void TPrintCanvas::Polyline(const QVector<TPoint> &Points)
{
    QPolygonF P;
    for (const TPoint &T : Points)
        P << Map(T.X, T.Y);
    Apply_Pen();
    FPainter->drawPolyline(P);
}

void TPrintCanvas::SetPixel(int X, int Y, TColor Color)
{
    const QPointF P = Map(X, Y);
    FPainter->fillRect(QRectF(P, QSizeF(std::max(1.0, FDpi_X / Units_Per_Inch), std::max(1.0, FDpi_Y / Units_Per_Inch))),
                      To_QColor(Color));
}

void TPrintCanvas::TextOut(int X, int Y, const QString &Text)
{
    const QFont F = Device_Font();
    const QFontMetricsF M(F, FPainter->device());
    const QPointF P = Map(X, Y);
    const QRectF Cell(P, QSizeF(M.horizontalAdvance(Text), M.height()));
    if (Brush.Style != bsClear)
        FPainter->fillRect(Cell, To_QColor(Brush.Color));
    FPainter->setFont(F);
    FPainter->setPen(To_QColor(Font.Color));
    FPainter->drawText(QPointF(P.x(), P.y() + M.ascent()), Text);
    FPenPos = {X + TextWidth(Text), Y};
}

void TPrintCanvas::TextRect(const TRect &R, int X, int Y, const QString &Text)
{
    FPainter->save();
    FPainter->setClipRect(Map(R), Qt::IntersectClip);
    if (Brush.Style != bsClear)
        FPainter->fillRect(Map(R), To_QColor(Brush.Color));
    const TBrushStyle Old = Brush.Style;
    Brush.Style = bsClear;
    TextOut(X, Y, Text);
    Brush.Style = Old;
    FPainter->restore();
}

int TPrintCanvas::DrawText(TRect &R, const QString &Text, unsigned Format)
{
    const QFont F = Device_Font();
    const QFontMetricsF M(F, FPainter->device());
    const QRectF D = Map(R);
    int Flags = 0;
    Flags |= (Format & DT_CENTER) ? Qt::AlignHCenter : (Format & DT_RIGHT) ? Qt::AlignRight : Qt::AlignLeft;
    if (Format & DT_SINGLELINE)
        Flags |= (Format & DT_VCENTER) ? Qt::AlignVCenter : (Format & DT_BOTTOM) ? Qt::AlignBottom : Qt::AlignTop;
    else
        Flags |= Qt::AlignTop;
    if (Format & DT_WORDBREAK)
        Flags |= Qt::TextWordWrap;
    if (Format & DT_EXPANDTABS)
        Flags |= Qt::TextExpandTabs;
    if (Format & DT_SINGLELINE)
        Flags |= Qt::TextSingleLine;
    QString Shown = Text;
    if ((Format & DT_END_ELLIPSIS) && (Format & DT_SINGLELINE))
        Shown = M.elidedText(Text, Qt::ElideRight, D.width());
    if (Format & DT_CALCRECT) {
        const QRectF Need = M.boundingRect(QRectF(D.left(), D.top(), (Format & DT_WORDBREAK) ? D.width() : 1e7, 1e7),
                                           Flags, Shown);
        const int W = qRound(Need.width() * Units_Per_Inch / FDpi_X);
        const int H = qRound(Need.height() * Units_Per_Inch / FDpi_Y);
        const int Top = std::max(R.Top, R.Bottom);
        R = TRect(std::min(R.Left, R.Right), Top, std::min(R.Left, R.Right) + W, Top - H);
        return H;
    }
    FPainter->save();
    if (!(Format & DT_NOCLIP))
        FPainter->setClipRect(D, Qt::IntersectClip);
    FPainter->setFont(F);
    FPainter->setPen(To_QColor(Font.Color));
    QRectF Used;
    FPainter->drawText(D, Flags, Shown, &Used);
    FPainter->restore();
    return qRound(Used.height() * Units_Per_Inch / FDpi_Y);
}

int TPrintCanvas::TextWidth(const QString &Text) const
{
    const QFontMetricsF M(Device_Font(), FPainter->device());
    return qRound(M.horizontalAdvance(Text) * Units_Per_Inch / FDpi_X);
}

int TPrintCanvas::TextHeight(const QString &Text) const
{
    (void)Text;
    const QFontMetricsF M(Device_Font(), FPainter->device());
    return qRound(M.height() * Units_Per_Inch / FDpi_Y);
}

void TPrintCanvas::Draw(int X, int Y, const QImage &Image)
{
    // A picture keeps its size on paper as on a 96-dot screen.
    const QPointF P = Map(X, Y);
    FPainter->drawImage(QRectF(P, QSizeF(Image.width() * FDpi_X / 96.0, Image.height() * FDpi_Y / 96.0)), Image);
}

void TPrintCanvas::StretchDraw(const TRect &R, const QImage &Image) { FPainter->drawImage(Map(R), Image); }

void TPrintCanvas::Set_Clip_Rect(const TRect &R)
{
    FHasClip = true;
    FClip = R;
    FPainter->setClipRect(Map(R));
    if (FBaseClipped)
        FPainter->setClipRegion(FBaseClip, Qt::IntersectClip);
}

void TPrintCanvas::Clear_Clip()
{
    FHasClip = false;
    if (FBaseClipped)
        FPainter->setClipRegion(FBaseClip);
    else
        FPainter->setClipping(false);
}

void TPrintCanvas::Rebind(QPainter &Painter)
{
    FPainter = &Painter;
    FPainter->setRenderHint(QPainter::Antialiasing, false);
    FPainter->setRenderHint(QPainter::SmoothPixmapTransform, true);
    FBaseClipped = false;
    if (FHasClip)
        Set_Clip_Rect(FClip);
}

TPrintScreenUnits::TPrintScreenUnits(TPrintCanvas &Canvas) : FPainter(*Canvas.Qt_Painter())
{
    FPainter.save();
    FPainter.translate(Canvas.Origin());
    FPainter.scale(Canvas.Dpi_X() / Pixels_Per_Inch, Canvas.Dpi_Y() / Pixels_Per_Inch);
    FCanvas = std::make_unique<TPainterCanvas>(FPainter);
}

TPrintScreenUnits::~TPrintScreenUnits()
{
    FCanvas.reset();
    FPainter.restore();
}

int TPrintScreenUnits::To_Pixels(int Units) { return qRound(Units * Pixels_Per_Inch / Units_Per_Inch); }
int TPrintScreenUnits::To_Units(int Pixels) { return qRound(Pixels * Units_Per_Inch / Pixels_Per_Inch); }

TRect TPrintScreenUnits::To_Pixels(const TRect &R)
{
    return TRect(To_Pixels(std::min(R.Left, R.Right)), To_Pixels(-std::max(R.Top, R.Bottom)),
                 To_Pixels(std::max(R.Left, R.Right)), To_Pixels(-std::min(R.Top, R.Bottom)));
}
