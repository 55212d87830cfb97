#include "toolkit/AADraw.h"
#include <QBrush>
#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPen>
#include <QPolygon>
#include <QRadialGradient>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

namespace {

double Clamp01(double V)
{
    if (std::isnan(V))
        return 0.0;
    return std::clamp(V, 0.0, 1.0);
}

QColor To_Color(TArgb C) { return QColor(Argb_R(C), Argb_G(C), Argb_B(C), Argb_A(C)); }

TArgb Mix(TArgb A, TArgb B, double F)
{
    auto Lerp = [F](int X, int Y) { return static_cast<int>(std::lround(X + (Y - X) * F)); };
    return Make_Argb(Lerp(Argb_A(A), Argb_A(B)), Lerp(Argb_R(A), Argb_R(B)), Lerp(Argb_G(A), Argb_G(B)),
                     Lerp(Argb_B(A), Argb_B(B)));
}

QPolygon To_QPolygon(const std::vector<QPoint> &Points)
{
    QPolygon P;
    P.reserve(static_cast<qsizetype>(Points.size()));
    for (const QPoint &Pt : Points)
        P.append(Pt);
    return P;
}

QFont To_QFont(const TAAFont &Font, TTextRenderingHint Hint)
{
    QFont F(Font.Family);
    F.setPointSizeF(Font.Points > 0 ? Font.Points : 1.0);
    switch (Hint) {
    case TTextRenderingHint::TextRenderingHintSingleBitPerPixel:
    case TTextRenderingHint::TextRenderingHintSingleBitPerPixelGridFit:
        F.setStyleStrategy(QFont::NoAntialias);
        break;
    case TTextRenderingHint::TextRenderingHintSystemDefault:
        break;
    default:
        F.setStyleStrategy(QFont::PreferAntialias);
        break;
    }
    return F;
}

int Qt_Flags(const TAAStringFormat &Format)
{
    int Flags = 0;
    switch (Format.Horizontal) {
    case TAAStringAlignment::Near: Flags |= Format.Right_To_Left ? Qt::AlignRight : Qt::AlignLeft; break;
    case TAAStringAlignment::Center: Flags |= Qt::AlignHCenter; break;
    case TAAStringAlignment::Far: Flags |= Format.Right_To_Left ? Qt::AlignLeft : Qt::AlignRight; break;
    }
    switch (Format.Vertical) {
    case TAAStringAlignment::Near: Flags |= Qt::AlignTop; break;
    case TAAStringAlignment::Center: Flags |= Qt::AlignVCenter; break;
    case TAAStringAlignment::Far: Flags |= Qt::AlignBottom; break;
    }
    Flags |= Format.No_Wrap ? Qt::TextSingleLine : Qt::TextWordWrap;
    // Near and far are already resolved for the reading direction above.
    Flags |= Qt::AlignAbsolute;
    return Flags;
}

} // namespace

TAABrush TAABrush::Solid(TArgb Color)
{
    TAABrush B;
    B.FKind = TAABrushKind::Solid;
    B.FC1 = B.FC2 = Color;
    return B;
}

TAABrush TAABrush::Linear(QPointF P1, TArgb C1, QPointF P2, TArgb C2)
{
    TAABrush B;
    B.FKind = TAABrushKind::Linear;
    B.FP1 = P1;
    B.FP2 = P2;
    B.FC1 = C1;
    B.FC2 = C2;
    return B;
}

TAABrush TAABrush::Ellipse_Path(const QRectF &Box, QPointF Centre, TArgb CentreColor, TArgb SurroundColor)
{
    TAABrush B;
    B.FKind = TAABrushKind::Path;
    B.FBox = Box;
    B.FP1 = Centre;
    B.FC1 = CentreColor;
    B.FC2 = SurroundColor;
    return B;
}

void TAABrush::Set_Blend(const std::vector<double> &Factors, const std::vector<double> &Positions)
{
    const size_t N = std::min(Factors.size(), Positions.size());
    FFactors.clear();
    FPositions.clear();
    for (size_t I = 0; I < N; ++I) {
        FFactors.push_back(Clamp01(Factors[I]));
        FPositions.push_back(Clamp01(Positions[I]));
    }
}

TArgb TAABrush::Color_At(double Position) const
{
    const double T = Clamp01(Position);
    if (FKind == TAABrushKind::Solid)
        return FC1;
    if (FPositions.empty())
        return Mix(FC1, FC2, T);
    // Piecewise linear between the blend points; outside them the nearest factor holds.
    if (T <= FPositions.front())
        return Mix(FC1, FC2, FFactors.front());
    for (size_t I = 1; I < FPositions.size(); ++I) {
        if (T <= FPositions[I]) {
            const double Span = FPositions[I] - FPositions[I - 1];
            const double U = Span > 0 ? (T - FPositions[I - 1]) / Span : 1.0;
            return Mix(FC1, FC2, FFactors[I - 1] + (FFactors[I] - FFactors[I - 1]) * U);
        }
    }
    return Mix(FC1, FC2, FFactors.back());
}

QBrush TAABrush::To_QBrush() const
{
    switch (FKind) {
    case TAABrushKind::Solid:
        return QBrush(To_Color(FC1));
    case TAABrushKind::Linear: {
        QLinearGradient G(FP1, FP2);
        G.setSpread(QGradient::PadSpread);
        if (FPositions.empty()) {
            G.setColorAt(0.0, To_Color(FC1));
            G.setColorAt(1.0, To_Color(FC2));
        } else {
            for (size_t I = 0; I < FPositions.size(); ++I)
                G.setColorAt(FPositions[I], To_Color(Mix(FC1, FC2, FFactors[I])));
            if (FPositions.front() > 0)
                G.setColorAt(0.0, To_Color(Mix(FC1, FC2, FFactors.front())));
            if (FPositions.back() < 1)
                G.setColorAt(1.0, To_Color(Mix(FC1, FC2, FFactors.back())));
        }
        return QBrush(G);
    }
    case TAABrushKind::Path: {
        // The ellipse's own box is the gradient's frame, so the gradient
        // stretches with the ellipse like a path gradient does.
        const double W = FBox.width() > 0 ? FBox.width() : 1.0;
        const double H = FBox.height() > 0 ? FBox.height() : 1.0;
        const QPointF C((FP1.x() - FBox.left()) / W, (FP1.y() - FBox.top()) / H);
        QRadialGradient G(QPointF(0.5, 0.5), 0.5, C);
        G.setCoordinateMode(QGradient::ObjectBoundingMode);
        G.setColorAt(0.0, To_Color(FC1));
        G.setColorAt(1.0, To_Color(FC2));
        return QBrush(G);
    }
    }
    return QBrush();
}

TAAImageList &TAAImageList::operator=(const TAAImageList &Other)
{
    FWidth = Other.FWidth;
    FHeight = Other.FHeight;
    FImages = Other.FImages;
    return *this;
}

TAAImageList::~TAAImageList()
{
    // Taken out first: a handler may withdraw its own or another request.
    std::map<int, TFreeHandler> Handlers;
    Handlers.swap(FFree_Handlers);
    for (auto &[Key, Handler] : Handlers)
        if (Handler)
            Handler(this);
}

int TAAImageList::Free_Notification(TFreeHandler Handler) const
{
    const int Key = ++FNext_Key;
    FFree_Handlers[Key] = std::move(Handler);
    return Key;
}

void TAAImageList::Remove_Free_Notification(int Key) const { FFree_Handlers.erase(Key); }

QImage TAAImageList::Picture(int Index) const
{
    if (Index < 0 || Index >= Count())
        return QImage();
    return FImages[static_cast<size_t>(Index)];
}

TAACanvas::TAACanvas(QPainter &Painter) : FPainter(Painter) {}

void TAACanvas::Set_Smoothing_Mode(int Mode)
{
    FPainter.setRenderHint(QPainter::Antialiasing, Mode >= 2);
    FPainter.setRenderHint(QPainter::SmoothPixmapTransform, Mode >= 2);
}

void TAACanvas::Fill_Polygon(const std::vector<QPoint> &Points, const TAABrush &Brush)
{
    if (Points.empty())
        return;
    FPainter.save();
    FPainter.setPen(Qt::NoPen);
    FPainter.setBrush(Brush.To_QBrush());
    FPainter.drawPolygon(To_QPolygon(Points), Qt::OddEvenFill);
    FPainter.restore();
}

void TAACanvas::Draw_Polygon(const std::vector<QPoint> &Points, const TAAPen &Pen)
{
    if (Points.empty())
        return;
    FPainter.save();
    FPainter.setBrush(Qt::NoBrush);
    FPainter.setPen(QPen(To_Color(Pen.Color), Pen.Width));
    FPainter.drawPolygon(To_QPolygon(Points), Qt::OddEvenFill);
    FPainter.restore();
}

void TAACanvas::Fill_Rect(const QRectF &R, const TAABrush &Brush) { FPainter.fillRect(R, Brush.To_QBrush()); }

void TAACanvas::Draw_Rect(const QRectF &R, const TAAPen &Pen)
{
    FPainter.save();
    FPainter.setBrush(Qt::NoBrush);
    FPainter.setPen(QPen(To_Color(Pen.Color), Pen.Width));
    FPainter.drawRect(R);
    FPainter.restore();
}

void TAACanvas::Fill_Ellipse(const QRectF &Box, const TAABrush &Brush)
{
    FPainter.save();
    FPainter.setPen(Qt::NoPen);
    FPainter.setBrush(Brush.To_QBrush());
    FPainter.drawEllipse(Box);
    FPainter.restore();
}

void TAACanvas::Draw_Ellipse(const QRectF &Box, const TAAPen &Pen)
{
    FPainter.save();
    FPainter.setBrush(Qt::NoBrush);
    FPainter.setPen(QPen(To_Color(Pen.Color), Pen.Width));
    FPainter.drawEllipse(Box);
    FPainter.restore();
}

void TAACanvas::Draw_Arc(const QRectF &Box, double Start_Degrees, double Sweep_Degrees, const TAAPen &Pen)
{
    FPainter.save();
    FPainter.setBrush(Qt::NoBrush);
    FPainter.setPen(QPen(To_Color(Pen.Color), Pen.Width));
    // QPainter counts sixteenths of a degree, anticlockwise.
    FPainter.drawArc(Box, static_cast<int>(std::lround(-Start_Degrees * 16)),
                     static_cast<int>(std::lround(-Sweep_Degrees * 16)));
    FPainter.restore();
}

void TAACanvas::Draw_Line(QPointF From, QPointF To, const TAAPen &Pen)
{
    FPainter.save();
    FPainter.setPen(QPen(To_Color(Pen.Color), Pen.Width));
    FPainter.drawLine(From, To);
    FPainter.restore();
}

void TAACanvas::Draw_Image(const QImage &Image, int X, int Y)
{
    if (!Image.isNull())
        FPainter.drawImage(QPoint(X, Y), Image);
}

void TAACanvas::Draw_Text(const QString &Text, const TAAFont &Font, const QRectF &Layout,
                          const TAAStringFormat &Format, const TAABrush &Brush, TTextRenderingHint Hint)
{
    if (Layout.width() <= 0 || Layout.height() <= 0)
        return;
    const QFont F = To_QFont(Font, Hint);
    QString Shown = Text;
    const QFontMetricsF M(F, FPainter.device());
    switch (Format.Trimming) {
    case TAAStringTrimming::EllipsisCharacter:
    case TAAStringTrimming::EllipsisWord:
        Shown = M.elidedText(Text, Format.Right_To_Left ? Qt::ElideLeft : Qt::ElideRight, Layout.width());
        break;
    case TAAStringTrimming::EllipsisPath:
        Shown = M.elidedText(Text, Qt::ElideMiddle, Layout.width());
        break;
    default:
        break;
    }
    FPainter.save();
    FPainter.setFont(F);
    FPainter.setPen(QPen(Brush.To_QBrush(), 1.0));
    FPainter.setLayoutDirection(Format.Right_To_Left ? Qt::RightToLeft : Qt::LeftToRight);
    // Whatever runs past the layout box is cut off, as in the other trimming modes.
    FPainter.setClipRect(Layout, FPainter.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    FPainter.drawText(Layout, Qt_Flags(Format), Shown);
    FPainter.restore();
}

QSizeF TAACanvas::Measure_Text(const QString &Text, const TAAFont &Font, const QRectF &Layout,
                               const TAAStringFormat &Format, TTextRenderingHint Hint)
{
    const QFontMetricsF M(To_QFont(Font, Hint), FPainter.device());
    if (Format.No_Wrap)
        return QSizeF(M.horizontalAdvance(Text), M.height());
    return M.boundingRect(Layout, Qt_Flags(Format), Text).size();
}

void TAACanvas::Combine_Clip(const QPainterPath &Path, TAACombineMode Mode)
{
    QPainterPath Current;
    if (FPainter.hasClipping())
        Current = FPainter.clipPath();
    else if (FPainter.device())
        Current.addRect(QRectF(0, 0, FPainter.device()->width(), FPainter.device()->height()));
    switch (Mode) {
    case TAACombineMode::Replace: FPainter.setClipPath(Path, Qt::ReplaceClip); break;
    case TAACombineMode::Intersect:
        FPainter.setClipPath(Path, FPainter.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
        break;
    case TAACombineMode::Union: FPainter.setClipPath(Current.united(Path), Qt::ReplaceClip); break;
    case TAACombineMode::Xor:
        FPainter.setClipPath(Current.united(Path).subtracted(Current.intersected(Path)), Qt::ReplaceClip);
        break;
    case TAACombineMode::Exclude: FPainter.setClipPath(Current.subtracted(Path), Qt::ReplaceClip); break;
    case TAACombineMode::Complement: FPainter.setClipPath(Path.subtracted(Current), Qt::ReplaceClip); break;
    }
}

void TAACanvas::Set_Clip_Rect(const QRectF &R, TAACombineMode Mode)
{
    QPainterPath P;
    P.addRect(R);
    Combine_Clip(P, Mode);
}

void TAACanvas::Set_Clip_Polygon(const std::vector<QPoint> &Points, TAACombineMode Mode)
{
    QPainterPath P;
    P.setFillRule(Qt::OddEvenFill);
    P.addPolygon(QPolygonF(To_QPolygon(Points)));
    P.closeSubpath();
    Combine_Clip(P, Mode);
}

void TAACanvas::Reset_Clip() { FPainter.setClipping(false); }

TAAClipState TAACanvas::Save_Clip() const
{
    TAAClipState S;
    S.Has_Clip = FPainter.hasClipping();
    if (S.Has_Clip)
        S.Path = FPainter.clipPath();
    return S;
}

void TAACanvas::Restore_Clip(const TAAClipState &State)
{
    if (State.Has_Clip)
        FPainter.setClipPath(State.Path, Qt::ReplaceClip);
    else
        FPainter.setClipping(false);
}

bool TAACanvas::Has_Clip() const { return FPainter.hasClipping(); }
