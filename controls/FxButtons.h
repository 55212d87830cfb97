#pragma once
#include "platform/Alignment.h"
#include "platform/Colors.h"
#include "platform/ModalResult.h"
#include <QFont>
#include <QImage>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QTimer>
#include <cstdint>
#include <functional>

class QPainter;

// The push button's enumerations, its face renderer and the fade that lets
// the hot-track colour die away. The widget itself is in FxButton.h.
//
// Coordinates are pixels inside the button, (0, 0) top left; rectangles given
// as (left, top, right, bottom) exclude their right and bottom edge, and a
// line from A to B draws A but not B. Integer division truncates toward zero.

enum TFxColorStyle {
    lcsCustom, lcsGold, lcsGlide, lcsBlue, lcsRed, lcsUltraFlat1, lcsUltraFlat2, lcsUltraFlatXP, lcsAqua,
    lcsDefault, lcsQuicken
};
enum TFxButtonKind { bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll };
enum TFxButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum TFxButtonStyle { bsNormal, bsEncarta, bsModern, bsOld, bsShape, bsQuicken };

// Magenta: the key colour of the shaped styles; pixels left in it are not drawn.
constexpr TColor clFxTransparent = 0xFF00FF;

// Everything the renderer needs, captured from the button's state at paint
// time. The button builds one per paint (and for its size hint); tests build
// them directly.
struct TFxButtonLook {
    int Width = 100;
    int Height = 23;
    TAlignment Alignment = taCenter;
    QString Caption;
    TFxButtonLayout Layout = blGlyphLeft;
    QFont Font;
    TColor Font_Color = clWindowText;
    TColor ShadowColor = clGray;
    TColor LightColor = clWhite;
    TColor HotTrackColor = clNone;
    TColor ColorWhenDown = clNone;
    TColor Color = clBtnFace;
    TFxButtonStyle Style = bsNormal;
    bool Has_Popup_Menu = false;
    bool WordWrap = false;
    bool Flat = false;
    bool Enabled = true;
    bool Hot = false;       // pointer over the button or focused
    bool Pressed = false;   // the pressed flag
    bool Focused = false;   // has the input focus (paint procedure only)
    QImage Glyph;
    int NumGlyphs = 0;
    int HotTrackStep = 0;   // 0 = plain Color .. 8 = full HotTrackColor
};

// Text measurement used by the layout, so that tests can give exact widths.
class IFxTextMeasure
{
public:
    virtual ~IFxTextMeasure() = default;
    // Width of the text on one line; accelerator marks count as typed.
    virtual int Text_Width(const QFont &Font, const QString &Text) const = 0;
    // Size of the text broken at words inside Width (accelerator marks hidden).
    virtual QSize Text_Extent(const QFont &Font, const QString &Text, int Width) const = 0;
};

// Measures with the font's real metrics.
class TFxFontMeasure : public IFxTextMeasure
{
public:
    int Text_Width(const QFont &Font, const QString &Text) const override;
    QSize Text_Extent(const QFont &Font, const QString &Text, int Width) const override;
};

// Where the renderer puts things, derived from a look without drawing.
struct TFxFaceLayout {
    bool Pressed = false;         // pressed as drawn (never while disabled)
    int Offset = 0;               // press offset s: text and glyph move right and down by it
    TColor Face = clBtnFace;      // face colour F, resolved to RGB
    QFont Font;                   // font as drawn (bold while a bsEncarta button is pressed)
    TColor Text_Color = clBlack;  // resolved; gray while disabled, except bsShape
    QString Caption;              // the caption after fitting
    int Limit = 0;                // width limit L of the text
    QRect Text;                   // text rectangle: (text left, text top), L wide, th high
    QSize Text_Size;              // measured tw x th of the fitted caption
    int Text_Flags = 0;           // Qt alignment and wrap flags for the caption
    int Frame_Width = 0;          // fw: glyph width div NumGlyphs (0 without frames)
    int Frame_Height = 0;         // gh: glyph height
    int Frame_Index = 0;          // 0 normal, 1 disabled, 2 pressed, 3 hot
    QPoint Glyph_Pos;             // top-left of the glyph frame
};

TFxFaceLayout Fx_Face_Layout(const TFxButtonLook &Look, const IFxTextMeasure &Measure);
TFxFaceLayout Fx_Face_Layout(const TFxButtonLook &Look);

// Paint procedure: renders the whole button (face, bsOld focus frame, focus
// rectangle) into a fresh image and draws it at (0, 0).
void Paint_FxButton(QPainter &Canvas, const TFxButtonLook &Look);
// The same image the paint procedure draws; pixels of the shaped styles that
// stay magenta are fully transparent.
QImage Render_FxButton(const TFxButtonLook &Look);
// The preferred size: at least 100 x 23, more when caption and glyph need it.
QSize Fx_Button_Size_Hint(const TFxButtonLook &Look);

// Renders one face, Look.Width x Look.Height, at (0, 0).
void DrawFxButtonFace(QPainter &Canvas, const TFxButtonLook &Look);
// Vertical gradient in 32 bands from From (top) to To (bottom); band 31 has exactly To.
void DrawFxGradient(QPainter &Canvas, TColor From, TColor To, int Left, int Top, int Right, int Bottom);
// Face colour Step/8 of the way from Color to HotTrackColor (RGB, channels truncated).
TColor GetHotTrackBlendColor(TColor Color, TColor HotTrackColor, int Step);
// Draws the frame at Offset of the strip; its bottom-left pixel's colour is transparent.
// An offset beyond the strip shows frame 0; a zero width or height shows nothing.
void DrawGlyphFrame(QPainter &Canvas, int X, int Y, int Offset, int Height, int Width, const QImage &Glyph);

// The button's bitmap resources, drawn by the program itself: the ten stock
// glyph strips ("FXOK" .. "FXALL", two 18-pixel frames, normal and disabled)
// and the popup arrow "FXARROW". A null image for any other name.
QImage Fx_Bitmap_Resource(const QString &Name);

// The slow fade's clock: while running, calls its event once per whole
// 30 ms of the platform clock, on the UI thread. It stands in for a worker
// thread that sleeps and hands each tick to the UI thread: the same ticks,
// without a second thread near the widget.
class TFxButtonThread : public QObject
{
    Q_OBJECT
public:
    static constexpr std::uint32_t Interval_Ms = 30;

    explicit TFxButtonThread(std::function<void()> Event, QObject *Parent = nullptr);
    // Created suspended.
    bool Suspended() const { return FSuspended; }
    // Starts counting from now; the first tick comes 30 ms later. No effect while running.
    void Resume();
    void Suspend();
    // Runs every tick that is due by the clock (the timer calls it; tests call
    // it after advancing a driven clock). A tick may suspend the thread.
    void Poll();
    // One tick: calls the event (the button's HotTrackTick).
    void DoEvent();

private:
    void Schedule();
    std::function<void()> FEvent;
    QTimer FTimer;
    bool FSuspended = true;
    std::uint32_t FLast_Tick = 0;
};
