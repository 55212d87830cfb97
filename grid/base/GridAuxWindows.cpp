#include "grid/base/GridAuxWindows.h"
#include <QPainter>
#include <cmath>
#include <cstring>
#include <stdexcept>

QPolygon Arrow_Polygon(TArrowDirection Dir)
{
    switch (Dir) {
    case arrUp: return QPolygon({{5, 0}, {10, 5}, {7, 5}, {7, 9}, {3, 9}, {3, 5}, {0, 5}});
    case arrDown: return QPolygon({{3, 0}, {7, 0}, {7, 4}, {9, 4}, {5, 8}, {1, 4}, {3, 4}});
    case arrLeft: return QPolygon({{0, 3}, {0, 7}, {4, 7}, {4, 10}, {8, 5}, {4, 0}, {4, 3}});
    case arrRight: return QPolygon({{0, 5}, {4, 10}, {4, 7}, {8, 7}, {8, 3}, {4, 3}, {4, 0}});
    }
    return {};
}

TArrowWindow::TArrowWindow(QWidget *Owner, TArrowDirection Dir) : TPolygonPopup(Owner), FDir(Dir)
{
    Set_Color(clLime);
    Set_Shape(Arrow_Polygon(Dir));
    hide();
}

TGridFocusWindow::TGridFocusWindow(QWidget *Owner) : TTranslucentOverlay(Owner)
{
    resize(0, 0);
    hide();
}

void TGridAlphaMask::Assign(const TGridAlphaMask &Source)
{
    if (Source.Image.size() == Image.size()) {
        Opacity = Source.Opacity;
        // Row by row, 4 bytes per pixel.
        const QImage S = Source.Image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        Image = Image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        for (int Y = 0; Y < Image.height(); ++Y)
            std::memcpy(Image.scanLine(Y), S.constScanLine(Y), static_cast<std::size_t>(Image.width()) * 4);
    }
    Image = Image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

void TGridAlphaMask::Assign(const QImage &Source)
{
    Image = Source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

void TGridAlphaMask::MergeMask(const QImage &Mask, const QImage &Bitmap, TColor)
{
    if (Bitmap.format() != QImage::Format_RGB888)
        return;
    const int W = Bitmap.width(), H = Bitmap.height();
    Image = QImage(W, H, QImage::Format_ARGB32_Premultiplied);
    const QImage M = Mask.convertToFormat(QImage::Format_RGB888);
    for (int Y = 0; Y < H; ++Y) {
        const uchar *Src = Bitmap.constScanLine(Y);
        const uchar *Msk = Y < M.height() ? M.constScanLine(Y) : nullptr;
        QRgb *Dst = reinterpret_cast<QRgb *>(Image.scanLine(Y));
        for (int X = 0; X < W; ++X) {
            const int A = (Msk && X < M.width()) ? Msk[X * 3] : 0;   // red byte
            auto Mul = [A](int C) { return static_cast<int>(std::lround(C * A / 255.0)); };
            Dst[X] = qRgba(Mul(Src[X * 3]), Mul(Src[X * 3 + 1]), Mul(Src[X * 3 + 2]), A);
        }
    }
}

namespace {
// The Gaussian kernel of the focus mask's blur: offsets -Size..Size.
struct TKernel {
    int Size = 10;
    double W[21] = {};
    double At(int K) const { return W[K + 10]; }
};

TKernel Make_Kernel(double Radius)
{
    TKernel K;
    double Sum = 0;
    for (int I = -10; I <= 10; ++I) {
        const double X = I / Radius;
        K.W[I + 10] = std::exp(-X * X / 2);
        Sum += K.W[I + 10];
    }
    for (double &V : K.W)
        V /= Sum;
    // Drop the outer weights whose total stays below one step of the data.
    double Cut = 0;
    while (K.Size > 1 && Cut < 1.0 / 510) {
        Cut += 2 * K.At(K.Size);
        --K.Size;
    }
    Sum = 0;
    for (int I = -K.Size; I <= K.Size; ++I)
        Sum += K.At(I);
    for (int I = -10; I <= 10; ++I)
        K.W[I + 10] = (I >= -K.Size && I <= K.Size) ? K.W[I + 10] / Sum : 0;
    return K;
}

// Convolves N pixels (3 bytes each) that lie Stride bytes apart.
void Convolve(uchar *First, int N, std::ptrdiff_t Stride, const TKernel &K, std::vector<uchar> &Buf)
{
    Buf.resize(static_cast<std::size_t>(N) * 3);
    for (int J = 0; J < N; ++J)
        for (int C = 0; C < 3; ++C) {
            double S = 0;
            for (int Kk = -K.Size; Kk <= K.Size; ++Kk) {
                const int P = std::clamp(J - Kk, 0, N - 1);
                S += K.At(Kk) * First[P * Stride + C];
            }
            Buf[static_cast<std::size_t>(J) * 3 + C] = static_cast<uchar>(std::clamp(S, 0.0, 255.0));
        }
    for (int J = 0; J < N; ++J)
        for (int C = 0; C < 3; ++C)
            First[J * Stride + C] = Buf[static_cast<std::size_t>(J) * 3 + C];
}

// Whether line I of N lies in an edge band (the first 21 or the last 20);
// every line of an image too small for an inner part is in a band, once.
bool In_Band(int I, int N) { return N <= 41 || I <= 20 || I >= N - 20; }

void Blur_Bitmap(QImage &Bitmap, double Radius)
{
    if (Bitmap.format() != QImage::Format_RGB888)
        throw std::runtime_error("Blur only works for 24-bit bitmaps");
    const int W = Bitmap.width(), H = Bitmap.height();
    if (W == 0 || H == 0)
        return;
    const TKernel K = Make_Kernel(Radius);
    std::vector<uchar> Buf;
    const std::ptrdiff_t Bpl = Bitmap.bytesPerLine();
    uchar *Bits = Bitmap.bits();
    for (int Y = 0; Y < H; ++Y)
        if (In_Band(Y, H))
            Convolve(Bits + Y * Bpl, W, 3, K, Buf);
    for (int Y = 0; Y < H; ++Y)
        if (!In_Band(Y, H))
            std::memcpy(Bits + Y * Bpl, Bits + 15 * Bpl, static_cast<std::size_t>(W) * 3);
    for (int X = 0; X < W; ++X)
        if (In_Band(X, W))
            Convolve(Bits + X * 3, H, Bpl, K, Buf);
    for (int Y = 0; Y < H; ++Y)
        for (int X = 0; X < W; ++X)
            if (!In_Band(X, W))
                std::memcpy(Bits + Y * Bpl + X * 3, Bits + Y * Bpl + 15 * 3, 3);
}
} // namespace

void DrawFocusMask(QImage &Bitmap, int Width, int Height, int PenWidth, int CornerRadius, double Radius)
{
    Bitmap = QImage(std::max(0, Width), std::max(0, Height), QImage::Format_RGB888);
    Bitmap.fill(Qt::black);
    if (Bitmap.isNull())
        return;
    {
        QPainter P(&Bitmap);
        const int Hw = PenWidth / 2;
        // The platform's rounded rectangle: right and bottom exclusive.
        const QRectF R(Hw + 2, Hw + 2, Width - 2 * (Hw + 2) - 1, Height - 2 * (Hw + 2) - 1);
        if (PenWidth < 1) {
            P.setPen(Qt::white);
            P.setBrush(Qt::white);
        } else {
            P.setPen(QPen(Qt::white, PenWidth));
            P.setBrush(Qt::black);
        }
        if (R.width() > 0 && R.height() > 0)
            P.drawRoundedRect(R, CornerRadius / 2.0, CornerRadius / 2.0);
    }
    if (Radius > 0)
        Blur_Bitmap(Bitmap, Radius);
}
