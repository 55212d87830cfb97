#pragma once
#include <QPoint>
#include <QRect>
#include <algorithm>

// Points and rectangles as the grid code computes with them: Right and Bottom
// are exclusive (a rectangle of width 10 at Left 0 has Right 10), so widths
// and heights add up without the off-by-one of QRect::right()/bottom().
struct TPoint {
    int X = 0;
    int Y = 0;
    constexpr TPoint() = default;
    constexpr TPoint(int AX, int AY) : X(AX), Y(AY) {}
    friend constexpr bool operator==(const TPoint &A, const TPoint &B) = default;
    QPoint To_QPoint() const { return QPoint(X, Y); }
};

struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    constexpr TRect() = default;
    constexpr TRect(int L, int T, int R, int B) : Left(L), Top(T), Right(R), Bottom(B) {}
    friend constexpr bool operator==(const TRect &A, const TRect &B) = default;

    constexpr int Width() const { return Right - Left; }
    constexpr int Height() const { return Bottom - Top; }
    // Empty when it covers no pixel (zero or negative width or height).
    constexpr bool Is_Empty() const { return Right <= Left || Bottom <= Top; }
    constexpr bool Contains(int X, int Y) const { return X >= Left && X < Right && Y >= Top && Y < Bottom; }
    constexpr TRect Offset(int DX, int DY) const { return {Left + DX, Top + DY, Right + DX, Bottom + DY}; }
    constexpr TRect Inflate(int DX, int DY) const { return {Left - DX, Top - DY, Right + DX, Bottom + DY}; }
    // Intersection; an empty rectangle (all zero) when the two do not meet.
    constexpr TRect Intersect(const TRect &O) const
    {
        TRect R{std::max(Left, O.Left), std::max(Top, O.Top), std::min(Right, O.Right), std::min(Bottom, O.Bottom)};
        return R.Is_Empty() ? TRect() : R;
    }
    // Smallest rectangle holding both (an empty operand counts too, as the grid's
    // merged-area union of two cell rectangles needs).
    constexpr TRect Union(const TRect &O) const
    {
        return {std::min(Left, O.Left), std::min(Top, O.Top), std::max(Right, O.Right), std::max(Bottom, O.Bottom)};
    }
    QRect To_QRect() const { return QRect(Left, Top, Width(), Height()); }
    static TRect From_QRect(const QRect &R) { return {R.left(), R.top(), R.left() + R.width(), R.top() + R.height()}; }
};
