#pragma once
#include "controls/GlideTabsTypes.h"
#include "toolkit/AADraw.h"
#include "platform/Colors.h"
#include <QImage>
#include <cstdint>

// Stateless helpers shared by the tab strip's classes: easing, rectangle and
// polygon geometry, percent stepping of numbers and colours, ARGB colours.

// Penner easing: t elapsed, b start, c change, d duration. ttNone answers 0.
// A duration of 0 or less answers the end value b + c (the curve is over).
// An ease type outside the enumeration throws EGlideTabsError("Invalid Ease Type").
double EaseValue(double t, double b, double c, double d, TGlideTabsEaseType EaseType);
// Each edge eased from Start to End and rounded half to even.
TGlideRect EaseRect(const TGlideRect &Start, const TGlideRect &End, std::uint32_t CurrentTicks,
                    std::uint32_t Duration, TGlideTabsEaseType EaseType);

TGlideRect MirrorRectInRect(const TGlideRect &Container, const TGlideRect &R);
TPolygon MirrorPolygonInRect(const TGlideRect &R, const TPolygon &Polygon);
// Outline points (relative to the rectangle's top-left) placed into it; toBottom flips y to height - y.
TPolygon PlacePolygonPoints(const TGlideRect &R, const TPolygon &Points, TTabOrientation Orientation);
// Even-odd crossing test: points on the left or top edge of an axis-aligned box are inside,
// on its right or bottom edge outside. An empty polygon contains nothing.
bool PolygonContainsPoint(const TPolygon &Polygon, int X, int Y);
TGlideRect ShrinkRect(const TGlideRect &R, int N);

int StepInteger(int Start, int Stop, int Percent);
float StepSingle(float Start, float Stop, int Percent);
// Each of the three colour bytes stepped with StepInteger; the top byte of the result is 0.
// System colours are resolved to RGB first; clNone takes the other end's RGB (it has none of
// its own), and stays clNone when both ends are clNone.
TColor StepColor(TColor Start, TColor Stop, int Percent);
// Colour and alpha stepped together: clNone counts as the other end's RGB at alpha 0,
// so a fade to "no colour" fades out instead of passing through black.
void StepColorAlpha(TColor StartColor, int StartAlpha, TColor StopColor, int StopAlpha, int Percent,
                    TColor &Color, int &Alpha);

// Colour joined with an alpha as 0xAARRGGBB; system colours are looked up, clNone is
// fully transparent, alpha outside 0..255 is clamped.
TArgb ToArgb(TColor Color, int Alpha);

void ClipToPolygon(TAACanvas &Canvas, const TPolygon &Polygon, TAACombineMode Mode);
// The picture at Index (with its transparency); a null image when there is none.
QImage GetImageListPicture(const TAAImageList *List, int Index);

// Drag image pieces.
// Scaled copy (width and height rounded), 24 bits per pixel; the source is converted to 24 bits too.
void ScaleBitmapBy(QImage &Source, QImage &Target, double Factor);
// 32-bit image with alpha, opaque where the source had none.
void ConvertToArgbBitmap(QImage &Bitmap);
// Pixels of the key colour (0x00RRGGBB order: blue bits 0-7) get the alpha, channels premultiplied.
void SetKeyColorAlpha(QImage &Bitmap, std::uint32_t KeyColor, int Alpha);

inline int RectWidth(const TGlideRect &R) { return R.Width(); }
inline int RectHeight(const TGlideRect &R) { return R.Height(); }
inline QRectF ToRectF(const TGlideRect &R) { return QRectF(R.Left, R.Top, R.Width(), R.Height()); }
