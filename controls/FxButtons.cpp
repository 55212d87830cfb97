#include "controls/FxButtons.h"
#include <QFontMetrics>
#include <QPainter>
#include <QPointer>
#include <algorithm>
#include "platform/Clock.h"

// ---------------------------------------------------------------------------
// Measurement

int TFxFontMeasure::Text_Width(const QFont &Font, const QString &Text) const
{
    return QFontMetrics(Font).horizontalAdvance(Text);
}

QSize TFxFontMeasure::Text_Extent(const QFont &Font, const QString &Text, int Width) const
{
    if (Text.isEmpty())
        return QSize(0, 0);
    const QRect R = QFontMetrics(Font).boundingRect(QRect(0, 0, std::max(Width, 1), 1 << 20),
                                                    Qt::TextWordWrap | Qt::TextShowMnemonic, Text);
    return R.size();
}

// ---------------------------------------------------------------------------
// Layout

namespace {

int Alignment_Flags(TAlignment A)
{
    switch (A) {
    case taLeftJustify: return Qt::AlignLeft;
    case taRightJustify: return Qt::AlignRight;
    case taCenter: break;
    }
    return Qt::AlignHCenter;
}

bool Is_Keyed_Style(TFxButtonStyle S) { return S == bsModern || S == bsShape || S == bsQuicken; }

// Drops the last character (a whole surrogate pair) of a caption.
void Chop_Last(QString &Text)
{
    Text.chop(1);
    if (!Text.isEmpty() && Text.back().isHighSurrogate())
        Text.chop(1);
}

} // namespace

TFxFaceLayout Fx_Face_Layout(const TFxButtonLook &Look, const IFxTextMeasure &Measure)
{
    TFxFaceLayout R;
    const int W = Look.Width;
    const int H = Look.Height;

    R.Pressed = Look.Enabled && Look.Pressed;
    R.Offset = (R.Pressed && Look.Style != bsEncarta) ? 1 : 0;
    const int s = R.Offset;

    TColor F = Look.Color;
    if (Look.Enabled && Look.HotTrackColor != clNone)
        F = GetHotTrackBlendColor(Look.Color, Look.HotTrackColor, Look.HotTrackStep);
    if (R.Pressed && Look.ColorWhenDown != clNone)
        F = Look.ColorWhenDown;
    R.Face = Color_To_RGB(F);

    R.Font = Look.Font;
    if (Look.Style == bsEncarta && R.Pressed)
        R.Font.setBold(true);

    // Glyph frame: equal frames side by side; no frames, no glyph.
    const int fw = (Look.NumGlyphs > 0 && !Look.Glyph.isNull()) ? Look.Glyph.width() / Look.NumGlyphs : 0;
    const int gh = Look.Glyph.isNull() ? 0 : Look.Glyph.height();
    R.Frame_Width = fw;
    R.Frame_Height = gh;
    if (!Look.Enabled)
        R.Frame_Index = 1;
    else {
        R.Frame_Index = 0;
        if (Look.Hot && Look.NumGlyphs >= 4)
            R.Frame_Index = 3;
        if (R.Pressed && Look.NumGlyphs >= 3)
            R.Frame_Index = 2;
    }

    R.Text_Flags = Qt::TextWordWrap | Qt::TextShowMnemonic | Qt::AlignTop | Alignment_Flags(Look.Alignment);

    // Without word wrap the caption is cut from its end until it fits on one line.
    auto Fit = [&](int L) {
        R.Limit = L;
        QString C = Look.Caption;
        if (!Look.WordWrap)
            while (!C.isEmpty() && Measure.Text_Width(R.Font, C) > L)
                Chop_Last(C);
        R.Caption = C;
        R.Text_Size = C.isEmpty() ? QSize(0, 0) : Measure.Text_Extent(R.Font, C, L);
    };

    R.Text_Color = Look.Enabled ? Color_To_RGB(Look.Font_Color) : clGray;

    if (Look.Style == bsShape) {
        Fit(std::max(0, W - 8));
        const int th = R.Text_Size.height();
        R.Glyph_Pos = QPoint((W - fw) / 2, (H - gh) / 2);
        const int Top = (H - th) / 2 + s;
        R.Text = QRect(s, Top, W - s, H - Top);
        R.Text_Flags = Qt::TextWordWrap | Qt::TextShowMnemonic | Qt::AlignTop | Qt::AlignHCenter;
        R.Text_Color = Color_To_RGB(Look.Font_Color);
        return R;
    }

    int Text_Left = s + 4;
    int Text_Top = 0;
    int Glyph_Left = 0;
    int Glyph_Top = 0;
    if (Look.Layout == blGlyphLeft || Look.Layout == blGlyphRight) {
        int L = W - 8;
        if (fw > 0)
            L -= fw + 4;
        Fit(std::max(0, L));
        const int tw = R.Text_Size.width();
        const int th = R.Text_Size.height();
        Text_Top = (H - th) / 2 + s;
        Glyph_Top = (H - gh) / 2 + s;
        const int T4 = R.Caption.isEmpty() ? 0 : tw + 4;
        if (Look.Layout == blGlyphLeft) {
            if (fw > 0)
                Text_Left += fw + 4;
            Glyph_Left = s + 4;
            if (!Look.WordWrap) {
                if (Look.Alignment == taRightJustify)
                    Glyph_Left = W - 4 - fw - T4 + s;
                else if (Look.Alignment == taCenter)
                    Glyph_Left = (W - fw) / 2 + s - T4 / 2;
            }
        } else {
            Glyph_Left = Text_Left + T4;
            if (!Look.WordWrap) {
                if (Look.Alignment == taRightJustify)
                    Glyph_Left = W - 4 - fw + s;
                else if (Look.Alignment == taCenter)
                    Glyph_Left = (W - fw) / 2 + s + T4 / 2;
            }
        }
    } else {
        Fit(std::max(0, W - 8));
        const int th = R.Text_Size.height();
        const int Total = th + (gh > 0 ? gh + 4 : 0);
        if (Look.Layout == blGlyphTop) {
            Glyph_Top = (H - Total) / 2 + s;
            Text_Top = (H - Total) / 2 + gh + s;
        } else {
            Text_Top = (H - Total) / 2 + s;
            Glyph_Top = (H - Total) / 2 + th + s;
        }
        switch (Look.Alignment) {
        case taLeftJustify: Glyph_Left = s + 4; break;
        case taRightJustify: Glyph_Left = W - fw - 4 + s; break;
        case taCenter: Glyph_Left = (W - fw) / 2 + s; break;
        }
    }
    R.Text = QRect(Text_Left, Text_Top, R.Limit, R.Text_Size.height());
    R.Glyph_Pos = QPoint(Glyph_Left, Glyph_Top);
    return R;
}

TFxFaceLayout Fx_Face_Layout(const TFxButtonLook &Look) { return Fx_Face_Layout(Look, TFxFontMeasure()); }

// ---------------------------------------------------------------------------
// Drawing routines

namespace {

QColor Q(TColor C) { return To_QColor(C); }

// Fills (Left, Top, Right, Bottom), right and bottom excluded.
void Fill(QPainter &P, int Left, int Top, int Right, int Bottom, TColor C)
{
    if (Right > Left && Bottom > Top)
        P.fillRect(QRect(Left, Top, Right - Left, Bottom - Top), Q(C));
}

int Sign(int V) { return (V > 0) - (V < 0); }

// Lines through the points with a one-pixel pen, each segment drawing its
// start but not its end (the segments are horizontal or vertical).
void Poly_Line(QPainter &P, TColor C, std::initializer_list<QPoint> Points)
{
    P.setPen(QPen(Q(C), 1));
    const QPoint *Prev = nullptr;
    for (const QPoint &Pt : Points) {
        if (Prev && *Prev != Pt) {
            const QPoint Last(Pt.x() - Sign(Pt.x() - Prev->x()), Pt.y() - Sign(Pt.y() - Prev->y()));
            P.drawLine(*Prev, Last);
        }
        Prev = &Pt;
    }
}

} // namespace

void DrawFxGradient(QPainter &Canvas, TColor From, TColor To, int Left, int Top, int Right, int Bottom)
{
    const TColor A = Color_To_RGB(From);
    const TColor B = Color_To_RGB(To);
    const int Span = Bottom - Top;
    const int Band_Height = Span / 31 + 1;
    const QPen Old_Pen = Canvas.pen();
    Canvas.setPen(Qt::NoPen);
    // Channel of band i: from + (to - from) * i / 31, truncated; computed
    // directly so that band 31 is exactly the to colour.
    auto Channel = [](int F, int T, int I) { return (F * 31 + (T - F) * I) / 31; };
    for (int I = 0; I <= 31; ++I) {
        const int Band_Top = Top + (I * Span) / 31;
        const TColor C = RGB_Color(Channel(Get_R_Value(A), Get_R_Value(B), I),
                                   Channel(Get_G_Value(A), Get_G_Value(B), I),
                                   Channel(Get_B_Value(A), Get_B_Value(B), I));
        Fill(Canvas, Left, Band_Top, Right, std::min(Band_Top + Band_Height, Bottom), C);
    }
    Canvas.setPen(Old_Pen);
}

TColor GetHotTrackBlendColor(TColor Color, TColor HotTrackColor, int Step)
{
    const TColor C = Color_To_RGB(Color);
    const TColor H = Color_To_RGB(HotTrackColor);
    const double K = Step / 8.0;
    auto Mix = [K](int A, int B) { return static_cast<int>(A * (1.0 - K) + B * K); };
    return RGB_Color(Mix(Get_R_Value(C), Get_R_Value(H)), Mix(Get_G_Value(C), Get_G_Value(H)),
                     Mix(Get_B_Value(C), Get_B_Value(H)));
}

void DrawGlyphFrame(QPainter &Canvas, int X, int Y, int Offset, int Height, int Width, const QImage &Glyph)
{
    if (Width <= 0 || Height <= 0 || Glyph.isNull())
        return;
    const QImage Src = Glyph.convertToFormat(QImage::Format_ARGB32);
    // A copy of the strip cut to one frame, then the strip drawn at -Offset:
    // where the strip reaches, the wanted frame replaces the copy; beyond it
    // the copy (frame 0) remains.
    QImage Frame = Src.copy(0, 0, Width, Height);
    for (int Y0 = 0; Y0 < Height && Y0 < Src.height(); ++Y0)
        for (int X0 = 0; X0 < Width; ++X0) {
            const int Sx = X0 + Offset;
            if (Sx >= 0 && Sx < Src.width())
                Frame.setPixel(X0, Y0, Src.pixel(Sx, Y0));
        }
    const QRgb Key = Frame.pixel(0, Height - 1);
    for (int Y0 = 0; Y0 < Height; ++Y0) {
        QRgb *Line = reinterpret_cast<QRgb *>(Frame.scanLine(Y0));
        for (int X0 = 0; X0 < Width; ++X0)
            if (Line[X0] == Key)
                Line[X0] = 0;
    }
    Canvas.drawImage(X, Y, Frame);
}

void DrawFxButtonFace(QPainter &Canvas, const TFxButtonLook &Look)
{
    const int W = Look.Width;
    const int H = Look.Height;
    const TFxFaceLayout Lay = Fx_Face_Layout(Look);
    const TColor F = Lay.Face;
    const int s = Lay.Offset;
    const bool Pressed = Lay.Pressed;
    Canvas.setRenderHint(QPainter::Antialiasing, false);

    // Background.
    switch (Look.Style) {
    case bsShape: Fill(Canvas, -1, -1, W + 1, H + 1, clFxTransparent); break;
    case bsNormal:
    case bsEncarta:
    case bsOld: Fill(Canvas, -1, -1, W + 1, H + 1, F); break;
    case bsModern:
        DrawFxGradient(Canvas, Look.LightColor, F, 2, 2, W - 2, H / 4 + s);
        DrawFxGradient(Canvas, F, Look.LightColor, 2, H / 4 + s, W - 2, H - 1);
        break;
    case bsQuicken: break;
    }
    Canvas.setBrush(Qt::NoBrush);

    // Frame.
    switch (Look.Style) {
    case bsNormal:
    case bsEncarta:
    case bsOld: {
        if (Look.Flat && (!Look.Enabled || !(Look.Hot || Pressed)))
            break;
        const TColor Light = Look.LightColor;
        const TColor Shadow = Look.ShadowColor;
        if (Look.Style == bsOld) {
            if (Pressed)
                Poly_Line(Canvas, Shadow, {{1, H - 3}, {1, 1}, {W - 2, 1}});
            else
                Poly_Line(Canvas, Shadow, {{W - 2, 0}, {W - 2, H - 2}, {0, H - 2}});
            Poly_Line(Canvas, Pressed ? cl3DDkShadow : Light, {{0, H - 1}, {0, 0}, {W - 1, 0}});
            Poly_Line(Canvas, Pressed ? Light : cl3DDkShadow, {{W - 1, 0}, {W - 1, H - 1}, {-1, H - 1}});
        } else {
            Poly_Line(Canvas, Pressed ? Shadow : Light, {{0, H - 1}, {0, 0}, {W - 1, 0}});
            Poly_Line(Canvas, Pressed ? Light : Shadow, {{W - 1, 0}, {W - 1, H - 1}, {0, H - 1}});
        }
        break;
    }
    case bsModern:
        Canvas.setPen(QPen(Q(Pressed ? Look.ShadowColor : F), 1));
        if (W > 3 && H > 3)
            Canvas.drawRect(QRect(1, 1, W - 3, H - 3));
        Canvas.setPen(QPen(Q(Look.ShadowColor), 1));
        if (W > 1 && H > 1)
            Canvas.drawRoundedRect(QRect(0, 0, W - 1, H - 1), 3, 3);
        break;
    case bsQuicken:
        Canvas.setPen(Qt::NoPen);
        Canvas.setBrush(Q(F));
        Canvas.drawRoundedRect(QRectF(0, 1, W, H - 1), 2, 2);
        Canvas.setBrush(Qt::NoBrush);
        Poly_Line(Canvas, Look.ShadowColor, {{4, 0}, {W - 5, 0}});
        Poly_Line(Canvas, Look.ShadowColor, {{4, H - 1}, {W - 5, H - 1}});
        break;
    case bsShape: break;
    }

    // Caption and glyph.
    auto Draw_Caption = [&] {
        if (Lay.Caption.isEmpty() || Lay.Text.isEmpty())
            return;
        QFont Font = Lay.Font;
        // Over the key colour, smoothed edges would blend with magenta and
        // survive as a coloured fringe; the shaped style draws its text hard.
        if (Look.Style == bsShape)
            Font.setStyleStrategy(QFont::NoAntialias);
        Canvas.setFont(Font);
        Canvas.setPen(Q(Lay.Text_Color));
        Canvas.drawText(Lay.Text, Lay.Text_Flags, Lay.Caption);
    };
    auto Draw_Glyph = [&] {
        DrawGlyphFrame(Canvas, Lay.Glyph_Pos.x(), Lay.Glyph_Pos.y(), Lay.Frame_Index * Lay.Frame_Width,
                       Lay.Frame_Height, Lay.Frame_Width, Look.Glyph);
    };
    if (Look.Style == bsShape) {
        Draw_Glyph();
        Draw_Caption();
    } else {
        Draw_Caption();
        Draw_Glyph();
    }

    if (Look.Has_Popup_Menu) {
        const QImage Arrow = Fx_Bitmap_Resource(QStringLiteral("FXARROW"));
        DrawGlyphFrame(Canvas, W - 11, H / 2 - 1, 0, Arrow.height(), Arrow.width(), Arrow);
    }
}

// ---------------------------------------------------------------------------
// Paint procedure

namespace {

// The platform's dotted focus rectangle: every other pixel of the outline
// inverted, so it shows on any face colour.
void Draw_Focus_Rect(QImage &Img, int Left, int Top, int Right, int Bottom)
{
    auto Invert = [&](int X, int Y) {
        if (X < 0 || Y < 0 || X >= Img.width() || Y >= Img.height() || ((X + Y) & 1) != 0)
            return;
        const QRgb P = Img.pixel(X, Y);
        Img.setPixel(X, Y, qAlpha(P) == 0 ? qRgb(0, 0, 0) : (P ^ 0x00FFFFFFu) | 0xFF000000u);
    };
    if (Right <= Left || Bottom <= Top)
        return;
    for (int X = Left; X < Right; ++X) {
        Invert(X, Top);
        if (Bottom - 1 != Top)
            Invert(X, Bottom - 1);
    }
    for (int Y = Top + 1; Y < Bottom - 1; ++Y) {
        Invert(Left, Y);
        if (Right - 1 != Left)
            Invert(Right - 1, Y);
    }
}

} // namespace

QImage Render_FxButton(const TFxButtonLook &Look)
{
    const int W = Look.Width;
    const int H = Look.Height;
    if (W <= 0 || H <= 0)
        return QImage();
    const bool Keyed = Is_Keyed_Style(Look.Style);
    QImage Img(W, H, QImage::Format_ARGB32);
    Img.fill(Keyed ? QColor(255, 0, 255) : QColor(0, 0, 0, 0));
    {
        QPainter P(&Img);
        if (Look.Style == bsOld && Look.Focused) {
            // The focused old-style face sits one pixel in, inside a black frame.
            TFxButtonLook Inner = Look;
            Inner.Width = W - 2;
            Inner.Height = H - 2;
            if (Look.Pressed)
                Inner.LightColor = Look.ShadowColor;
            if (Inner.Width > 0 && Inner.Height > 0) {
                QImage Face(Inner.Width, Inner.Height, QImage::Format_ARGB32);
                Face.fill(QColor(0, 0, 0, 0));
                {
                    QPainter FP(&Face);
                    DrawFxButtonFace(FP, Inner);
                }
                P.drawImage(1, 1, Face);
            }
            P.setPen(QPen(Qt::black, 1));
            P.setBrush(Qt::NoBrush);
            P.drawRect(QRect(0, 0, W - 1, H - 1));
        } else
            DrawFxButtonFace(P, Look);
    }
    if (Keyed) {
        const QRgb Magenta = qRgb(255, 0, 255);
        for (int Y = 0; Y < H; ++Y) {
            QRgb *Line = reinterpret_cast<QRgb *>(Img.scanLine(Y));
            for (int X = 0; X < W; ++X)
                if (Line[X] == Magenta)
                    Line[X] = 0;
        }
    }
    if (Look.Focused && Look.Enabled && Look.Style != bsShape)
        Draw_Focus_Rect(Img, 4, 4, W - 4, H - 4);
    return Img;
}

void Paint_FxButton(QPainter &Canvas, const TFxButtonLook &Look)
{
    const QImage Img = Render_FxButton(Look);
    if (!Img.isNull())
        Canvas.drawImage(0, 0, Img);
}

QSize Fx_Button_Size_Hint(const TFxButtonLook &Look)
{
    // Measured with the bold font where pressing makes the caption bold, so
    // that pressing never cuts it.
    QFont Font = Look.Font;
    if (Look.Style == bsEncarta)
        Font.setBold(true);
    const TFxFontMeasure M;
    const int tw = M.Text_Width(Font, Look.Caption);
    const int th = Look.Caption.isEmpty() ? 0 : M.Text_Extent(Font, Look.Caption, tw + 1).height();
    const int fw = (Look.NumGlyphs > 0 && !Look.Glyph.isNull()) ? Look.Glyph.width() / Look.NumGlyphs : 0;
    const int gh = Look.Glyph.isNull() ? 0 : Look.Glyph.height();
    int W = 0;
    int H = 0;
    if (Look.Layout == blGlyphLeft || Look.Layout == blGlyphRight || Look.Style == bsShape) {
        W = tw + 8 + (fw > 0 ? fw + 4 : 0) + 4;
        H = std::max(th, gh) + 8;
    } else {
        W = std::max(tw, fw) + 8 + 4;
        H = th + (gh > 0 ? gh + 4 : 0) + 8;
    }
    if (Look.Has_Popup_Menu)
        W += 12;
    return QSize(std::max(100, W), std::max(23, H));
}

// ---------------------------------------------------------------------------
// Fade

TFxButtonThread::TFxButtonThread(std::function<void()> Event, QObject *Parent)
    : QObject(Parent), FEvent(std::move(Event))
{
    FTimer.setSingleShot(true);
    FTimer.setTimerType(Qt::PreciseTimer);
    connect(&FTimer, &QTimer::timeout, this, &TFxButtonThread::Poll);
}

void TFxButtonThread::Resume()
{
    if (!FSuspended)
        return;
    FSuspended = false;
    FLast_Tick = Tick_Count();
    Schedule();
}

void TFxButtonThread::Suspend()
{
    FSuspended = true;
    FTimer.stop();
}

void TFxButtonThread::Poll()
{
    QPointer<TFxButtonThread> Self(this);
    while (!FSuspended) {
        // Unsigned difference: correct across the 32-bit wrap of the tick.
        if (Tick_Count() - FLast_Tick < Interval_Ms)
            break;
        FLast_Tick += Interval_Ms;
        DoEvent();
        if (!Self)
            return;
    }
    if (!FSuspended)
        Schedule();
}

void TFxButtonThread::DoEvent()
{
    if (FEvent)
        FEvent();
}

void TFxButtonThread::Schedule()
{
    const std::uint32_t Elapsed = Tick_Count() - FLast_Tick;
    FTimer.start(Elapsed >= Interval_Ms ? 0 : static_cast<int>(Interval_Ms - Elapsed));
}
