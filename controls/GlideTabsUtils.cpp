#include "controls/GlideTabsUtils.h"
#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Plain colour bytes of a value: system colours looked up.
TColor Resolve(TColor C) { return C == clNone ? clNone : Color_To_RGB(C); }

int Byte_Of(TColor C, int Shift) { return (static_cast<std::uint32_t>(C) >> Shift) & 0xFF; }

} // namespace

double EaseValue(double t, double b, double c, double d, TGlideTabsEaseType EaseType)
{
    if (EaseType < ttNone || EaseType > ttEaseInOutCirc)
        throw EGlideTabsError("Invalid Ease Type");
    if (EaseType == ttNone)
        return 0;
    // A finished (or zero-length) animation sits at its end value.
    if (d <= 0)
        return b + c;
    const double Pi = std::numbers::pi;
    const double s = t / d;
    const double u = t / d - 1;
    const double v = t / (d / 2);
    switch (EaseType) {
    case ttNone: return 0;
    case ttLinearTween: return c * t / d + b;
    case ttEaseInQuad: return c * s * s + b;
    case ttEaseOutQuad: return -c * s * (s - 2) + b;
    case ttEaseInOutQuad: {
        if (v < 1)
            return c / 2 * v * v + b;
        const double w = v - 1;
        return -c / 2 * (w * (w - 2) - 1) + b;
    }
    case ttEaseInCubic: return c * s * s * s + b;
    case ttEaseOutCubic: return c * (u * u * u + 1) + b;
    case ttEaseInOutCubic: {
        if (v < 1)
            return c / 2 * v * v * v + b;
        const double w = v - 2;
        return c / 2 * (w * w * w + 2) + b;
    }
    case ttEaseInQuart: return c * s * s * s * s + b;
    case ttEaseOutQuart: return -c * (u * u * u * u - 1) + b;
    case ttEaseInOutQuart: {
        if (v < 1)
            return c / 2 * v * v * v * v + b;
        const double w = v - 2;
        return -c / 2 * (w * w * w * w - 2) + b;
    }
    case ttEaseInQuint: return c * s * s * s * s * s + b;
    case ttEaseOutQuint: return c * (u * u * u * u * u + 1) + b;
    case ttEaseInOutQuint: {
        if (v < 1)
            return c / 2 * v * v * v * v * v + b;
        const double w = v - 2;
        return c / 2 * (w * w * w * w * w + 2) + b;
    }
    case ttEaseInSine: return -c * std::cos(s * Pi / 2) + c + b;
    case ttEaseOutSine: return c * std::sin(s * Pi / 2) + b;
    case ttEaseInOutSine: return -c / 2 * (std::cos(Pi * s) - 1) + b;
    case ttEaseInExpo: return c * std::pow(2.0, 10 * (s - 1)) + b;
    case ttEaseOutExpo: return c * (1 - std::pow(2.0, -10 * s)) + b;
    case ttEaseInOutExpo:
        if (v < 1)
            return c / 2 * std::pow(2.0, 10 * (v - 1)) + b;
        return c / 2 * (2 - std::pow(2.0, -10 * (v - 1))) + b;
    case ttEaseInCirc: return -c * (std::sqrt(std::max(0.0, 1 - s * s)) - 1) + b;
    case ttEaseOutCirc: return c * std::sqrt(std::max(0.0, 1 - u * u)) + b;
    case ttEaseInOutCirc: {
        if (v < 1)
            return -c / 2 * (std::sqrt(std::max(0.0, 1 - v * v)) - 1) + b;
        const double w = v - 2;
        return c / 2 * (std::sqrt(std::max(0.0, 1 - w * w)) + 1) + b;
    }
    }
    throw EGlideTabsError("Invalid Ease Type");
}

TGlideRect EaseRect(const TGlideRect &Start, const TGlideRect &End, std::uint32_t CurrentTicks,
                    std::uint32_t Duration, TGlideTabsEaseType EaseType)
{
    auto Edge = [&](int S, int E) {
        return static_cast<int>(std::nearbyint(EaseValue(CurrentTicks, S, static_cast<double>(E) - S, Duration, EaseType)));
    };
    return {Edge(Start.Left, End.Left), Edge(Start.Top, End.Top), Edge(Start.Right, End.Right),
            Edge(Start.Bottom, End.Bottom)};
}

TGlideRect MirrorRectInRect(const TGlideRect &C, const TGlideRect &R)
{
    return {C.Left + C.Right - R.Right, R.Top, C.Left + C.Right - R.Left, R.Bottom};
}

TPolygon MirrorPolygonInRect(const TGlideRect &R, const TPolygon &Polygon)
{
    TPolygon Out;
    Out.reserve(Polygon.size());
    for (const QPoint &P : Polygon)
        Out.emplace_back(R.Left + R.Right - P.x(), P.y());
    return Out;
}

TPolygon PlacePolygonPoints(const TGlideRect &R, const TPolygon &Points, TTabOrientation Orientation)
{
    TPolygon Out;
    Out.reserve(Points.size());
    for (const QPoint &P : Points) {
        if (Orientation == toBottom)
            Out.emplace_back(P.x() + R.Left, R.Height() - P.y() + R.Top);
        else
            Out.emplace_back(P.x() + R.Left, P.y() + R.Top);
    }
    return Out;
}

bool PolygonContainsPoint(const TPolygon &Polygon, int X, int Y)
{
    bool Inside = false;
    const size_t N = Polygon.size();
    if (N == 0)
        return false;
    size_t J = N - 1;
    for (size_t I = 0; I < N; J = I++) {
        const QPoint &Pi = Polygon[I];
        const QPoint &Pj = Polygon[J];
        const bool Spans = (Y >= Pi.y() && Y < Pj.y()) || (Y >= Pj.y() && Y < Pi.y());
        if (Spans) {
            const double Cross =
                static_cast<double>(Pj.x() - Pi.x()) * (Y - Pi.y()) / static_cast<double>(Pj.y() - Pi.y()) + Pi.x();
            if (X < Cross)
                Inside = !Inside;
        }
    }
    return Inside;
}

TGlideRect ShrinkRect(const TGlideRect &R, int N) { return {R.Left + N, R.Top + N, R.Right - N, R.Bottom - N}; }

int StepInteger(int Start, int Stop, int Percent)
{
    // Integer division truncates toward zero, as the fixed-point stepping expects.
    return Start + static_cast<int>((static_cast<long long>(Stop) - Start) * Percent / 100);
}

float StepSingle(float Start, float Stop, int Percent) { return Start + (Stop - Start) * Percent / 100.0f; }

TColor StepColor(TColor Start, TColor Stop, int Percent)
{
    TColor A = Resolve(Start);
    TColor B = Resolve(Stop);
    if (A == clNone && B == clNone)
        return clNone;
    if (A == clNone)
        A = B;
    if (B == clNone)
        B = A;
    const int R = StepInteger(Byte_Of(A, 0), Byte_Of(B, 0), Percent);
    const int G = StepInteger(Byte_Of(A, 8), Byte_Of(B, 8), Percent);
    const int Bl = StepInteger(Byte_Of(A, 16), Byte_Of(B, 16), Percent);
    return static_cast<TColor>((Bl & 0xFF) << 16 | (G & 0xFF) << 8 | (R & 0xFF));
}

void StepColorAlpha(TColor StartColor, int StartAlpha, TColor StopColor, int StopAlpha, int Percent, TColor &Color,
                    int &Alpha)
{
    if (StartColor == clNone && StopColor != clNone)
        StartAlpha = 0;
    if (StopColor == clNone && StartColor != clNone)
        StopAlpha = 0;
    Color = StepColor(StartColor, StopColor, Percent);
    Alpha = StepInteger(StartAlpha, StopAlpha, Percent);
}

TArgb ToArgb(TColor Color, int Alpha)
{
    if (Color == clNone)
        return 0;
    const TColor C = Color_To_RGB(Color);
    return Make_Argb(std::clamp(Alpha, 0, 255), Get_R_Value(C), Get_G_Value(C), Get_B_Value(C));
}

void ClipToPolygon(TAACanvas &Canvas, const TPolygon &Polygon, TAACombineMode Mode)
{
    Canvas.Set_Clip_Polygon(Polygon, Mode);
}

QImage GetImageListPicture(const TAAImageList *List, int Index)
{
    if (!List)
        return QImage();
    return List->Picture(Index);
}

void ScaleBitmapBy(QImage &Source, QImage &Target, double Factor)
{
    Source = Source.convertToFormat(QImage::Format_RGB888);
    const int W = static_cast<int>(std::lround(Source.width() * Factor));
    const int H = static_cast<int>(std::lround(Source.height() * Factor));
    if (W <= 0 || H <= 0) {
        Target = QImage();
        return;
    }
    Target = Source.scaled(W, H, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(QImage::Format_RGB888);
}

void ConvertToArgbBitmap(QImage &Bitmap)
{
    if (!Bitmap.hasAlphaChannel())
        Bitmap = Bitmap.convertToFormat(QImage::Format_RGB32);
    Bitmap = Bitmap.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

void SetKeyColorAlpha(QImage &Bitmap, std::uint32_t KeyColor, int Alpha)
{
    if (Bitmap.format() != QImage::Format_ARGB32_Premultiplied)
        ConvertToArgbBitmap(Bitmap);
    const int A = std::clamp(Alpha, 0, 255);
    const std::uint32_t Key = KeyColor & 0x00FFFFFF;
    for (int Y = 0; Y < Bitmap.height(); ++Y) {
        auto *Row = reinterpret_cast<std::uint32_t *>(Bitmap.scanLine(Y));
        for (int X = 0; X < Bitmap.width(); ++X) {
            const std::uint32_t P = Row[X];
            if ((P & 0x00FFFFFF) != Key)
                continue;
            const std::uint32_t R = ((P >> 16) & 0xFF) * A / 255;
            const std::uint32_t G = ((P >> 8) & 0xFF) * A / 255;
            const std::uint32_t B = (P & 0xFF) * A / 255;
            Row[X] = static_cast<std::uint32_t>(A) << 24 | R << 16 | G << 8 | B;
        }
    }
}
