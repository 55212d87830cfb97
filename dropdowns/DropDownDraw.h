#pragma once
#include "dropdowns/DropDownAppearance.h"
#include "toolkit/Canvas.h"
#include "platform/Colors.h"
#include <QImage>
#include <QSize>
#include <QString>

class QPainter;
class QWidget;
class TImageList;
class TPictureContainer;

// Painting steps, colour arithmetic and text fitting shared by the drop-down
// editors, their popup, bars, item selector and bar buttons (the string grid
// and its search footer use the band gradient too). Colours are 0x00BBGGRR;
// system colours are resolved first; clNone is never painted. Rounding is to
// the nearest integer with halves to even, computed exactly.

// Steps bands (0 or less counts as 1) from FromColor towards ToColor; the last
// band is one step short of ToColor. LeftToRight: vertical strips over the
// rectangle less its right column; otherwise horizontal strips over it less
// its bottom row. With d = that extent / Steps, band n starts at
// nearest(n * d), is nearest(d) + 1 pixels long (neighbours overlap by one)
// and has, per channel, From + nearest(n * (To - From) / Steps); it is drawn
// as a rectangle with pen and brush in its colour.
void DrawGradientBands(TCanvas &Canvas, TColor FromColor, TColor ToColor, bool LeftToRight, const TRect &R,
                       int Steps);

// Percent of Color1 mixed with the rest of Color2, per channel:
// nearest(p * c1 + (1 - p) * c2). 100 or more gives Color1, 0 or less Color2.
// Its own symbol: the grid's cell blend of the same name treats clNone
// differently, and both end up in one program.
inline namespace DropDown_Draw {
TColor BlendColor(TColor Color1, TColor Color2, int Percent);
}

// Per channel: a channel above 0 is scaled by min(100, 100 + delta) percent
// (darkened, never brightened); a channel of 0 becomes the delta, within 0..255.
TColor AdjustColorChannels(TColor Color, int DeltaRed, int DeltaGreen, int DeltaBlue);

// A face: 80 gradient bands from Color to ColorTo when ColorTo is set
// (gdHorizontal runs left to right), else a plain fill in Color when set;
// then, with BorderColor set and BorderWidth > 0, an unfilled rectangle with a
// pen of that width.
void DrawBackground(TCanvas &Canvas, const TRect &R, TColor Color, TColor ColorTo, TGradientDirection Direction,
                    int BorderWidth, TColor BorderColor);

// Picture ImageIndex of Images (when both are given) at R.Left + 4,
// vertically centred, and the text to its right from R.Left + image width
// + 8; the text is one line, vertically centred, cut with an ellipsis when
// too long, and centred horizontally only when there is no picture. Drawn
// in the canvas font without filling.
void DrawImageText(TCanvas &Canvas, const TRect &R, const QString &Text, int ImageIndex, const TImageList *Images);

// The bitmap with every pixel of its top-left pixel's colour replaced by
// BackColor, copied into R (stretched to R's size).
void DrawBitmapOnColor(TCanvas &Canvas, const QImage &Bitmap, TColor BackColor, const TRect &R);

// The single-line extent of the text in the canvas font (measured in a
// 1000 x 500 rectangle); 0 x 0 for an empty text.
QSize GetTextSize(TCanvas &Canvas, const QString &Text);

// The text itself when it is at most MaxWidth wide; otherwise the longest
// start of it (whole characters, followed by "..." WithEllipsis) that is
// narrower than MaxWidth, or the whole text when none is.
void FitText(TCanvas &Canvas, const QString &Text, int MaxWidth, QString &Fitted, bool WithEllipsis);

// The markup drawn (Draw) or only measured into R with the canvas font, the
// picture container and image list; answers the size it takes (0 x 0 for an
// empty text). Links are grey, shadows blue, hovering has no colours.
QSize DrawMarkupText(TCanvas &Canvas, const QString &Text, const TRect &R, const TPictureContainer *Pictures,
                     bool Draw, const TImageList *Images);

// Paints the visible child widgets of Parent, from First on in stacking
// order (bottom first; nullptr: all of them), onto Painter, whose origin is
// Parent's top-left. A control that paints its parent's look under itself
// uses it for the parent's other controls.
struct TWinCtrl {
    static void PaintCtrls(QPainter &Painter, QWidget *Parent, QWidget *First);
};
