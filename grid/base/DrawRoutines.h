#pragma once
#include "grid/model/GridTypes.h"
#include "toolkit/Canvas.h"
#include "platform/LayeredWindow.h"
#include <cstdint>
class QWidget;

// Stateless painting routines shared by every painter of the grid family.
// Each sets the canvas pen, brush and font it needs and leaves them changed.
// Colours are TColor; clNone means "no colour" throughout.

// Linear gradient in at most Steps bands (steps + 1 bands drawn, the last in
// ToColor); Horizontal changes the colour from left to right. Either colour
// clNone: a plain rectangle in the other.
void DrawGradient(TCanvas &Canvas, TColor FromColor, TColor ToColor, int Steps, TRect R, bool Horizontal);
// Cell background: plain, gradient (128 steps) or two-part mirrored gradient,
// then an optional border (all four sides, or the left and right only).
void FillGradientMirror(TCanvas &Canvas, const TRect &R, TColor From, TColor To, TColor MirrorFrom, TColor MirrorTo,
                        bool Vertical, TColor BorderColor, bool SideBordersOnly, bool Fill);
// Colour1 when Colour2 is clNone (or the range is empty); else each RGB
// channel moved linearly by Position over From..To.
TColor BlendColorAt(TColor Color1, TColor Color2, int From, int To, int Position);
TColor HalveColor(TColor Color);
// Each channel ch + round(ch * Percent / 100), kept within 0..255.
TColor ScaleColorPercent(TColor Color, int Percent);
// Rounded 3-D frame of one piece of a selection band. Kind: 0 whole, 1 left
// end, 2 right end, 3 middle; other values draw only the top and bottom edges.
void DrawSegmentFrame(TCanvas &Canvas, TColor From, TColor To, TColor MirrorFrom, TColor MirrorTo,
                      TColor InnerTopColor, TColor InnerBottomColor, TColor OuterColor, TColor CornerColor,
                      TColor CornerBackColor, const TRect &R, int Kind);

// Button faces. Look: 0 themed, 1 classic, 2 flat, 3 colour tones (others draw
// nothing). State: 0 normal, 1 hot, 2 down, 3 disabled. The themed look is
// drawn by Qt's style for Window (the control painted) when the system reports
// an active theme and the canvas has a Qt painter, else as the classic look.
// The combo and spin buttons sit at the right edge of R and know only enabled
// and disabled.
void DrawButtonFace(TCanvas &Canvas, const QWidget *Window, const TRect &R, int Look, int State,
                    const TColorTones &Tones);
void DrawComboButton(TCanvas &Canvas, const QWidget *Window, const TRect &R, int Look, int State,
                     const TColorTones &Tones);
void DrawSpinButtons(TCanvas &Canvas, const QWidget *Window, const TRect &R, int Look, int State,
                     const TColorTones &Tones);
void DrawDropArrow(TCanvas &Canvas, int X, int Y, TColor Color);
void FillRectColor(TCanvas &Canvas, const TRect &R, TColor Color);

// Progress bar with centred text; FormatText is a single %d/%u (rounded value)
// or %f/%g/%e/%n (value) format, empty for "<value>%". Equal Minimum and
// Maximum count as 100 percent once the value reaches them, else 0.
void DrawProgressBar(TCanvas &Canvas, TRect R, TColor CompleteColor, TColor CompleteTextColor,
                     TColor IncompleteColor, TColor IncompleteTextColor, double Value, int MarginX, int MarginY,
                     double Minimum, double Maximum, const QString &FormatText, TColor BorderColor, bool Printing);
void DrawProgressPie(TCanvas &Canvas, const TRect &R, TColor FillColor, int Percent, bool Printing);
void DrawCenteredBar(TCanvas &Canvas, TRect R, int Value, int Maximum, bool ShowValue, TColor NegativeColor,
                     TColor PositiveColor);

struct TStyledProgress {
    TColor Level0Color = clLime, Level0ColorTo = clNone;
    TColor Level1Color = clYellow, Level1ColorTo = clNone;
    TColor Level2Color = RGB_Color(255, 128, 0), Level2ColorTo = clNone;
    TColor Level3Color = clRed, Level3ColorTo = clNone;
    int Level1Perc = 70;
    int Level2Perc = 90;
    TColor BorderColor = clBlack;
    bool ShowBorder = false;
    bool Stacked = false;
    bool ShowPercentage = true;
    TFont Font;
    TColor CompleteFontColor = clBlue;
    int Steps = 11;
    bool CompletionSmooth = true;
    bool ShowGradient = true;
    TColor BackgroundColor = clWhite;
    bool Vertical = false;
};
void DrawProgressBarStyled(TCanvas &Canvas, const TRect &R, int Percent, const TStyledProgress &Settings);

enum TCellShape {
    csRectangle, csCircle, csTriangleLeft, csTriangleRight, csTriangleUp, csTriangleDown, csDiamond, csLineVert,
    csLineHorz, csRoundRect, csEllips, csSquare, csRoundSquare, csStar, csArrowUp, csArrowDown, csArrowLeft,
    csArrowRight, csHalfStar,
};
void DrawCellShape(TCanvas &Canvas, int Left, int Top, int Width, int Height, int Shape, TColor FillColor,
                   TColor LineColor);

// Red zig-zag under characters First .. First + Length - 1 (0-based) of Text
// drawn at the rectangle's top-left, measured with the canvas font. It runs
// from the first character's left edge (the text's end plus 4 when First is
// past the end) to the last character's left edge (plus 4 when the range
// reaches the end), VerticalOffset + 3 below the rectangle's top.
void DrawErrorWave(TCanvas &Canvas, const QString &Text, const TRect &R, int VerticalOffset, int First, int Length);
// A copy of the image in which every pixel of its top-left pixel's colour
// is BackgroundColor (32 bits with alpha).
QImage ReplaceCornerColor(const QImage &Bitmap, TColor BackgroundColor);
// The image at the rectangle's top-left at its own size, the colour of its
// top-left pixel replaced by BackgroundColor.
void DrawTransparentBitmap(TCanvas &Canvas, const QImage &Bitmap, TColor BackgroundColor, const TRect &R);
// A raw image resource of the program by name (nothing when missing).
void DrawBitmapResource(TCanvas &Canvas, TColor BackgroundColor, const TRect &R, const QString &Name);

// The platform's layered-window calls: the result of the call, and true where
// the platform has no such call (a window without layering is no failure).
bool DynUpdateLayeredWindow(QWidget *Window, void *TargetDevice, const TPoint *Position, const TPoint *Size,
                            void *SourceDevice, const TPoint *SourceOrigin, TColor ColorKey,
                            const TBlendFunction *Blend, unsigned Flags);
bool DynSetLayeredWindowAttributes(QWidget *Window, TColor ColorKey, std::uint8_t Alpha, unsigned Flags);
