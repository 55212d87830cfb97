#include "grid/base/DrawRoutines.h"
#include "toolkit/ImageList.h"
#include "platform/LayeredWindow.h"
#include "platform/ThemedParts.h"
#include <QPainter>
#include <QRegularExpression>
#include <cmath>

namespace {
// Nearest integer, ties to even.
int Round_Even(double V) { return static_cast<int>(std::nearbyint(V)); }

void Solid(TCanvas &C, TColor Color)
{
    C.Pen.Style = psSolid;
    C.Pen.Width = 1;
    C.Pen.Color = Color;
    C.Brush.Style = bsSolid;
    C.Brush.Color = Color;
}

void Line(TCanvas &C, int X1, int Y1, int X2, int Y2)
{
    C.MoveTo(X1, Y1);
    C.LineTo(X2, Y2);
}

void Pixel(TCanvas &C, int X, int Y, TColor Color)
{
    if (Color != clNone)
        C.SetPixel(X, Y, Color);
}
} // namespace

void DrawGradient(TCanvas &Canvas, TColor FromColor, TColor ToColor, int Steps, TRect R, bool Horizontal)
{
    if (R.Height() == 0)
        return;
    if (R.Top > R.Bottom)
        std::swap(R.Top, R.Bottom);
    if (FromColor == clNone || ToColor == clNone) {
        const TColor C = FromColor == clNone ? ToColor : FromColor;
        Solid(Canvas, C);
        Canvas.Rectangle(R);
        return;
    }
    const TColor C1 = Color_To_RGB(FromColor);
    const TColor C2 = Color_To_RGB(ToColor);
    const int Size = (Horizontal ? R.Width() : R.Height()) - 1;
    Steps = std::max(1, std::min(Steps, Size));
    const double DR = double(Get_R_Value(C2) - Get_R_Value(C1)) / Steps;
    const double DG = double(Get_G_Value(C2) - Get_G_Value(C1)) / Steps;
    const double DB = double(Get_B_Value(C2) - Get_B_Value(C1)) / Steps;
    const int Band = static_cast<int>(double(Size) / Steps + 1);
    for (int I = 0; I <= Steps; ++I) {
        const TColor C = RGB_Color(Get_R_Value(C1) + Round_Even(I * DR), Get_G_Value(C1) + Round_Even(I * DG),
                                   Get_B_Value(C1) + Round_Even(I * DB));
        const int Start = static_cast<int>(double(I) * Size / Steps);
        TRect B = Horizontal ? TRect(R.Left + Start, R.Top, R.Left + Start + Band, R.Bottom)
                             : TRect(R.Left, R.Top + Start, R.Right, R.Top + Start + Band);
        B = B.Intersect(R);
        if (B.Is_Empty())
            continue;
        Solid(Canvas, C);
        Canvas.Rectangle(B);
    }
}

void FillGradientMirror(TCanvas &Canvas, const TRect &R, TColor From, TColor To, TColor MirrorFrom, TColor MirrorTo,
                        bool Vertical, TColor BorderColor, bool SideBordersOnly, bool Fill)
{
    if (Fill && From != clNone) {
        if (MirrorFrom == clNone) {
            if (To == clNone) {
                Solid(Canvas, From);
                Canvas.Rectangle(TRect(R.Left, R.Top, R.Right, R.Bottom + 1));
            } else {
                DrawGradient(Canvas, From, To, 128, R, !Vertical);
            }
        } else if (Vertical) {
            const int Mid = R.Top + R.Height() / 2;
            DrawGradient(Canvas, From, To, 128, TRect(R.Left, R.Top, R.Right, Mid), false);
            DrawGradient(Canvas, MirrorFrom, MirrorTo, 128, TRect(R.Left, Mid, R.Right, R.Bottom), false);
        } else {
            const int Mid = R.Left + R.Width() / 2;
            DrawGradient(Canvas, From, To, 128, TRect(R.Left, R.Top, Mid, R.Bottom), true);
            DrawGradient(Canvas, MirrorFrom, MirrorTo, 128, TRect(Mid, R.Top, R.Right, R.Bottom), true);
        }
    }
    if (BorderColor != clNone) {
        Canvas.Pen.Style = psSolid;
        Canvas.Pen.Width = 1;
        Canvas.Pen.Color = BorderColor;
        if (SideBordersOnly) {
            Line(Canvas, R.Left, R.Top, R.Left, R.Bottom);
            Line(Canvas, R.Right - 1, R.Top, R.Right - 1, R.Bottom);
        } else {
            Canvas.Brush.Style = bsClear;
            Canvas.Rectangle(R);
            Canvas.Brush.Style = bsSolid;
        }
    }
}

TColor BlendColorAt(TColor Color1, TColor Color2, int From, int To, int Position)
{
    if (Color2 == clNone || To == From)
        return Color1;
    const TColor A = Color_To_RGB(Color1);
    const TColor B = Color_To_RGB(Color2);
    auto Ch = [&](int CA, int CB) { return CA + Round_Even(double(CB - CA) / (To - From) * Position); };
    return RGB_Color(Ch(Get_R_Value(A), Get_R_Value(B)), Ch(Get_G_Value(A), Get_G_Value(B)),
                     Ch(Get_B_Value(A), Get_B_Value(B)));
}

TColor HalveColor(TColor Color)
{
    const TColor C = Color_To_RGB(Color);
    return RGB_Color(Get_R_Value(C) / 2, Get_G_Value(C) / 2, Get_B_Value(C) / 2);
}

TColor ScaleColorPercent(TColor Color, int Percent)
{
    const TColor C = Color_To_RGB(Color);
    auto Ch = [Percent](int V) { return std::clamp(V + Round_Even(V * Percent / 100.0), 0, 255); };
    return RGB_Color(Ch(Get_R_Value(C)), Ch(Get_G_Value(C)), Ch(Get_B_Value(C)));
}

void DrawSegmentFrame(TCanvas &Canvas, TColor From, TColor To, TColor MirrorFrom, TColor MirrorTo,
                      TColor InnerTopColor, TColor InnerBottomColor, TColor OuterColor, TColor CornerColor,
                      TColor CornerBackColor, const TRect &Rect, int Kind)
{
    const int L = Rect.Left;
    const int T = Rect.Top;
    const int R = Rect.Right - 1;
    const int B = Rect.Bottom - 2;
    const bool Known = Kind >= 0 && Kind <= 3;
    const int LI = Kind == 2 || Kind == 3 ? 0 : 2;
    const int RI = Kind == 1 || Kind == 3 ? 0 : 2;
    const bool LeftEnd = Kind == 0 || Kind == 1;
    const bool RightEnd = Kind == 0 || Kind == 2;
    const int Mid = (T + B) / 2;
    Canvas.Pen.Style = psSolid;
    Canvas.Pen.Width = 1;
    if (!Known) {
        if (OuterColor != clNone) {
            Canvas.Pen.Color = OuterColor;
            Line(Canvas, L + LI, T, R - RI, T);
            Line(Canvas, L + LI, B, R - RI, B);
        }
        return;
    }
    if (InnerTopColor != clNone) {
        Canvas.Pen.Color = InnerTopColor;
        Line(Canvas, L + LI, T + 1, R - RI, T + 1);
        if (LeftEnd)
            Line(Canvas, L + 1, T + 1, L + 1, Mid);
        if (RightEnd)
            Line(Canvas, R - 2, T + 1, R - 2, Mid);
    }
    if (InnerBottomColor != clNone) {
        Canvas.Pen.Color = InnerBottomColor;
        Line(Canvas, L + LI, B - 1, R - RI, B - 1);
        if (LeftEnd)
            Line(Canvas, L + 1, Mid, L + 1, B - 1);
        if (RightEnd)
            Line(Canvas, R - 2, Mid, R - 2, B - 1);
    }
    if (OuterColor != clNone) {
        Canvas.Pen.Color = OuterColor;
        Line(Canvas, L + LI, T, R - RI, T);
        Line(Canvas, L + LI, B, R - RI, B);
        if (RightEnd)
            Line(Canvas, R - 1, T + 2, R - 1, B - 1);
        if (LeftEnd)
            Line(Canvas, L, T + 2, L, B - 1);
    }
    if (LeftEnd) {
        for (const TPoint P : {TPoint(L + 1, T), TPoint(L + 1, T + 1), TPoint(L, T + 1), TPoint(L + 1, B),
                               TPoint(L + 1, B - 1), TPoint(L, B - 1)})
            Pixel(Canvas, P.X, P.Y, CornerColor);
        Pixel(Canvas, L, T, CornerBackColor);
        Pixel(Canvas, L, B, CornerBackColor);
    }
    if (RightEnd) {
        for (const TPoint P : {TPoint(R - 2, T), TPoint(R - 2, T + 1), TPoint(R - 1, T + 1), TPoint(R - 2, B),
                               TPoint(R - 2, B - 1), TPoint(R - 1, B - 1)})
            Pixel(Canvas, P.X, P.Y, CornerColor);
        Pixel(Canvas, R - 1, T, CornerBackColor);
        Pixel(Canvas, R - 1, B, CornerBackColor);
    }
    const TRect Inner(L + LI, T + 2, R - RI, B - 1);
    if (Inner.Is_Empty() || From == clNone)
        return;
    if (To == clNone) {
        Solid(Canvas, From);
        Canvas.Rectangle(Inner);
    } else if (MirrorFrom == clNone) {
        DrawGradient(Canvas, From, To, 16, Inner, false);
    } else {
        const int M = Inner.Top + Inner.Height() / 2;
        DrawGradient(Canvas, From, To, 16, TRect(Inner.Left, Inner.Top, Inner.Right, M), false);
        DrawGradient(Canvas, MirrorFrom, MirrorTo, 16, TRect(Inner.Left, M, Inner.Right, Inner.Bottom), false);
    }
}

// --- button faces --------------------------------------------------------------------

namespace {
const TColorTone &Tone_Of(const TColorTones &Tones, int State)
{
    switch (State) {
    case 1: return Tones.Hover;
    case 2: return Tones.Selected;
    case 3: return Tones.Disabled;
    default: return Tones.Background;
    }
}

// A raised (or, when down, sunken) classic 3-D face; flat draws one frame line.
void Classic_Face(TCanvas &C, const TRect &R, int State, bool Flat)
{
    Solid(C, clBtnFace);
    C.FillRect(R);
    if (R.Width() < 2 || R.Height() < 2)
        return;
    const bool Down = State == 2;
    if (Flat) {
        C.Brush.Color = Down ? clBtnShadow : (State == 1 ? clBtnShadow : clBtnFace);
        C.FrameRect(R);
        return;
    }
    const TColor Light = Down ? cl3DDkShadow : clBtnHighlight;
    const TColor Dark = Down ? clBtnHighlight : cl3DDkShadow;
    C.Pen.Color = Light;
    Line(C, R.Left, R.Bottom - 1, R.Left, R.Top);
    Line(C, R.Left, R.Top, R.Right, R.Top);
    C.Pen.Color = Dark;
    Line(C, R.Right - 1, R.Top, R.Right - 1, R.Bottom);
    Line(C, R.Left, R.Bottom - 1, R.Right - 1, R.Bottom - 1);
    if (!Down && R.Width() > 3 && R.Height() > 3) {
        C.Pen.Color = clBtnShadow;
        Line(C, R.Right - 2, R.Top + 1, R.Right - 2, R.Bottom - 1);
        Line(C, R.Left + 1, R.Bottom - 2, R.Right - 2, R.Bottom - 2);
    }
}

void Arrow(TCanvas &C, QVector<TPoint> Points, TColor Color)
{
    Solid(C, Color);
    C.Polygon(Points);
}
} // namespace

namespace {
// The themed look draws through Qt's style when the system reports an active
// theme and the canvas has a painter; otherwise it falls back to the classic look.
bool Draw_Themed(TCanvas &Canvas, const QWidget *Window, TThemePart Part, TThemeState State, const TRect &R)
{
    QPainter *P = Canvas.Qt_Painter();
    if (!P || !Themes_Available() || R.Is_Empty())
        return false;
    P->save();
    Draw_Theme_Part(*P, Window, Part, State, R.To_QRect());
    P->restore();
    return true;
}

TThemeState Theme_State(int State)
{
    switch (State) {
    case 1: return tsHot;
    case 2: return tsPressed;
    case 3: return tsDisabled;
    default: return tsNormal;
    }
}
} // namespace

void DrawButtonFace(TCanvas &Canvas, const QWidget *Window, const TRect &R, int Look, int State,
                    const TColorTones &Tones)
{
    if (Look == 0 && Draw_Themed(Canvas, Window, tpPushButton, Theme_State(State), R))
        return;
    switch (Look) {
    case 0: case 1: Classic_Face(Canvas, R, State, false); break;
    case 2: Classic_Face(Canvas, R, State, true); break;
    case 3: {
        const TColorTone &T = Tone_Of(Tones, State);
        Canvas.Brush.Style = bsSolid;
        Canvas.Brush.Color = T.BrushColor;
        Canvas.Pen.Style = psSolid;
        Canvas.Pen.Width = 1;
        Canvas.Pen.Color = T.BorderColor;
        Canvas.Rectangle(R);
        break;
    }
    default: break;
    }
}

void DrawComboButton(TCanvas &Canvas, const QWidget *Window, const TRect &R, int Look, int State,
                     const TColorTones &Tones)
{
    TRect B(R.Right - 17 - 2, R.Top + 1, R.Right - 2, R.Bottom - 1);
    const TColor Text = State == 3 ? clGrayText : clBtnText;
    // The drop-down button knows only enabled and disabled (no hot or pressed face).
    if (Look == 0 && Draw_Themed(Canvas, Window, tpComboDropDown, State == 3 ? tsDisabled : tsNormal, B))
        return;
    switch (Look) {
    case 0: case 1: case 2: {
        Classic_Face(Canvas, B, 0, Look == 2);
        const int CX = B.Left + B.Width() / 2;
        const int CY = B.Top + B.Height() / 2;
        Arrow(Canvas, {TPoint(CX - 3, CY - 1), TPoint(CX + 3, CY - 1), TPoint(CX, CY + 2)}, Text);
        break;
    }
    case 3: {
        B.Left += 3;
        const TColorTone &T = Tone_Of(Tones, State);
        Solid(Canvas, T.BrushColor);
        Canvas.Rectangle(B);
        Canvas.Pen.Color = Tones.Background.BorderColor;
        Line(Canvas, B.Left + 1, B.Top, B.Left + 1, B.Bottom);
        Arrow(Canvas, {TPoint(B.Left + 5, B.Top + 8), TPoint(B.Left + 11, B.Top + 8), TPoint(B.Left + 8, B.Top + 11)},
              Tones.Background.TextColor);
        break;
    }
    default: break;
    }
}

void DrawSpinButtons(TCanvas &Canvas, const QWidget *Window, const TRect &R, int Look, int State,
                     const TColorTones &Tones)
{
    const TRect B(R.Right - 15 - 1, R.Top - 1, R.Right - 1, R.Bottom - 1);
    const int Mid = B.Top + B.Height() / 2;
    const TRect Up(B.Left, B.Top, B.Right, Mid);
    const TRect Dn(B.Left, Mid + 1, B.Right, B.Bottom);
    if (Look == 0 && Themes_Available() && Canvas.Qt_Painter()) {
        // Themed halves meet at the middle.
        const TThemeState S = State == 3 ? tsDisabled : tsNormal;
        Draw_Themed(Canvas, Window, tpSpinUp, S, Up);
        Draw_Themed(Canvas, Window, tpSpinDown, S, TRect(B.Left, Mid, B.Right, B.Bottom));
        return;
    }
    switch (Look) {
    case 0: case 1: case 2: {
        const TColor Text = State == 3 ? clGrayText : clBtnText;
        for (const TRect &H : {Up, Dn})
            Classic_Face(Canvas, H, 0, Look == 2);
        const int CX = B.Left + B.Width() / 2;
        Arrow(Canvas, {TPoint(CX - 2, Up.Top + Up.Height() / 2 + 1), TPoint(CX + 2, Up.Top + Up.Height() / 2 + 1),
                       TPoint(CX, Up.Top + Up.Height() / 2 - 1)}, Text);
        Arrow(Canvas, {TPoint(CX - 2, Dn.Top + Dn.Height() / 2 - 1), TPoint(CX + 2, Dn.Top + Dn.Height() / 2 - 1),
                       TPoint(CX, Dn.Top + Dn.Height() / 2 + 1)}, Text);
        break;
    }
    case 3: {
        const TColorTone &T = Tone_Of(Tones, State);
        for (const TRect &H : {Up, Dn}) {
            Solid(Canvas, T.BrushColor);
            Canvas.Rectangle(H);
        }
        Arrow(Canvas, {TPoint(Up.Left + 5, Up.Top + 5), TPoint(Up.Left + 9, Up.Top + 5), TPoint(Up.Left + 7, Up.Top + 3)},
              clBlack);
        Arrow(Canvas, {TPoint(Dn.Left + 5, Dn.Top + 1), TPoint(Dn.Left + 9, Dn.Top + 1), TPoint(Dn.Left + 7, Dn.Top + 3)},
              clBlack);
        break;
    }
    default: break;
    }
}

void DrawDropArrow(TCanvas &Canvas, int X, int Y, TColor Color)
{
    Arrow(Canvas, {TPoint(X - 3, Y), TPoint(X + 3, Y), TPoint(X, Y + 3)}, Color);
}

void FillRectColor(TCanvas &Canvas, const TRect &R, TColor Color)
{
    Canvas.Brush.Style = bsSolid;
    Canvas.Brush.Color = Color;
    Canvas.FillRect(R);
}

// --- progress -------------------------------------------------------------------------

namespace {
// One %-conversion of a user format text, without the unbounded reads a C
// format function would make: %[-][width][.precision](d|u|f|g|e|n), %% for %.
QString Format_Value(const QString &Format, double Value, bool Integer)
{
    static const QRegularExpression Spec(QStringLiteral("%(-?)(\\d*)(?:\\.(\\d+))?([dufgenDUFGEN%])"));
    QString Out;
    int Pos = 0;
    bool Used = false;
    auto It = Spec.globalMatch(Format);
    while (It.hasNext()) {
        const QRegularExpressionMatch M = It.next();
        Out += Format.mid(Pos, M.capturedStart() - Pos);
        Pos = M.capturedEnd();
        const QChar Type = M.captured(4)[0].toLower();
        if (Type == u'%') {
            Out += u'%';
            continue;
        }
        if (Used)
            continue;
        Used = true;
        const int Width = std::min(64, M.captured(2).toInt());
        const int Prec = M.captured(3).isEmpty() ? -1 : std::min(30, M.captured(3).toInt());
        QString V;
        if (Type == u'd' || Type == u'u')
            V = QString::number(Integer ? static_cast<long long>(Value) : static_cast<long long>(std::nearbyint(Value)));
        else if (Type == u'f' || Type == u'n')
            V = QString::number(Value, 'f', Prec < 0 ? 2 : Prec);
        else if (Type == u'e')
            V = QString::number(Value, 'e', Prec < 0 ? 6 : Prec);
        else
            V = QString::number(Value, 'g', Prec < 0 ? 15 : Prec);
        Out += M.captured(1).isEmpty() ? V.rightJustified(Width, u' ') : V.leftJustified(Width, u' ');
    }
    Out += Format.mid(Pos);
    return Out;
}
} // namespace

void DrawProgressBar(TCanvas &Canvas, TRect R, TColor CompleteColor, TColor CompleteTextColor,
                     TColor IncompleteColor, TColor IncompleteTextColor, double Value, int MarginX, int MarginY,
                     double Minimum, double Maximum, const QString &FormatText, TColor BorderColor, bool Printing)
{
    const TColor OldBrush = Canvas.Brush.Color;
    Solid(Canvas, CompleteColor);
    Canvas.Font.Color = CompleteTextColor;
    QString Text;
    int Percent = 0;
    if (FormatText.isEmpty()) {
        Percent = Round_Even(Value);
        Text = QString::number(Percent) + u'%';
    } else {
        const bool Int = FormatText.contains(u'd') || FormatText.contains(u'u');
        Text = Int ? Format_Value(FormatText, Round_Even(Value), true) : Format_Value(FormatText, Value, false);
        if (Maximum == Minimum)
            Percent = Value >= Maximum ? 100 : 0;   // an empty range: no division by zero
        else
            Percent = Round_Even((Value - Minimum) * 100 / (Maximum - Minimum));
    }
    Percent = std::clamp(Percent, 0, 100);
    R = TRect(R.Left + MarginX, R.Top + MarginY, R.Right - MarginX, R.Bottom - MarginY);
    const int Split = R.Left + Round_Even(Percent * R.Width() / 100.0);
    const int TW = Canvas.TextWidth(Text);
    const int TH = Canvas.TextHeight(Text);
    const int X = R.Left + (R.Width() - TW) / 2;
    const int Y = Printing ? R.Top + (R.Height() + TH) / 2 : R.Top + (R.Height() - TH) / 2;
    const TRect Done(R.Left, R.Top, Split, R.Bottom);
    const TRect Rest(Split, R.Top, R.Right, R.Bottom);
    if (!Done.Is_Empty())
        Canvas.TextRect(Done, X, Y, Text);
    Solid(Canvas, IncompleteColor);
    Canvas.Font.Color = IncompleteTextColor;
    if (!Rest.Is_Empty())
        Canvas.TextRect(Rest, X, Y, Text);
    Canvas.Brush.Style = bsClear;
    R = R.Inflate(1, 1);
    if (BorderColor != clNone) {
        Canvas.Pen.Color = BorderColor;
        Canvas.Rectangle(R);
    }
    R = R.Inflate(1, 1);
    Canvas.Pen.Color = OldBrush;
    Canvas.Rectangle(R);
    Canvas.Brush.Style = bsSolid;
}

void DrawProgressPie(TCanvas &Canvas, const TRect &R, TColor FillColor, int Percent, bool Printing)
{
    Canvas.Pen.Style = psSolid;
    Canvas.Pen.Width = 1;
    Canvas.Pen.Color = clGray;
    Canvas.Ellipse(R);
    const int CX = R.Left + R.Width() / 2;
    const int CY = R.Top + R.Height() / 2;
    const double Theta = Percent / 100.0 * 2 * M_PI;
    const double RX = (R.Width() + 1) / 2.0;
    const double RY = (R.Height() + 1) / 2.0;
    if (Percent != 0) {
        // The sector between twelve o'clock and the hand, filled up to the grey border.
        QVector<TPoint> Sector{TPoint(CX, CY)};
        const int Steps = std::max(2, static_cast<int>(std::abs(Percent) * 0.72));
        for (int I = 0; I <= Steps; ++I) {
            const double A = Theta * I / Steps;
            Sector << TPoint(CX + Round_Even((RX - 1) * std::sin(A)), CY - Round_Even((RY - 1) * std::cos(A)));
        }
        Canvas.Brush.Style = bsSolid;
        Canvas.Brush.Color = FillColor;
        Canvas.Pen.Color = FillColor;
        Canvas.Polygon(Sector);
        Canvas.Pen.Color = clGray;
        Canvas.Brush.Style = bsClear;
        Canvas.Ellipse(R);
        Canvas.Brush.Style = bsSolid;
    }
    (void)Printing;   // the fill is drawn as a polygon, so the seed point's side does not matter
    Line(Canvas, CX, R.Top, CX, CY);
    Canvas.MoveTo(CX, CY);
    Canvas.LineTo(CX + Round_Even(RX * std::sin(Theta)), CY - Round_Even(RY * std::cos(Theta)));
}

void DrawCenteredBar(TCanvas &Canvas, TRect R, int Value, int Maximum, bool ShowValue, TColor NegativeColor,
                     TColor PositiveColor)
{
    R = R.Inflate(-2, -2);
    if (Maximum <= 0 || R.Is_Empty())
        return;
    const int HW = R.Width() / 2;
    const int Centre = R.Left + HW;
    Value = std::clamp(Value, -Maximum, Maximum);
    const int Edge = Centre + Round_Even(double(HW) * Value / Maximum);
    if (Value < 0) {
        Solid(Canvas, NegativeColor);
        Canvas.Rectangle(TRect(Edge, R.Top, Centre, R.Bottom));
    } else if (Value > 0) {
        Solid(Canvas, PositiveColor);
        Canvas.Rectangle(TRect(Centre, R.Top, Edge, R.Bottom));
    }
    if (ShowValue) {
        // The value's text, centred on the bar.
        const QString Text = QString::number(Value);
        Canvas.Brush.Style = bsClear;
        Canvas.TextOut(R.Left + (R.Width() - Canvas.TextWidth(Text)) / 2,
                       R.Top + (R.Height() - Canvas.TextHeight(Text)) / 2, Text);
        Canvas.Brush.Style = bsSolid;
    }
}

void DrawProgressBarStyled(TCanvas &Canvas, const TRect &R, int Percent, const TStyledProgress &S)
{
    const TColor Outline = S.ShowBorder ? S.BorderColor : S.BackgroundColor;
    Canvas.Brush.Style = bsSolid;
    Canvas.Brush.Color = S.BackgroundColor;
    Canvas.Pen.Style = psSolid;
    Canvas.Pen.Width = 1;
    Canvas.Pen.Color = Outline;
    Canvas.Rectangle(R);
    const int Length = (S.Vertical ? R.Height() : R.Width()) - 2;
    // A piece from Start to End pixels along the bar, Inset pixels in from the sides.
    auto Piece = [&](int Start, int End, int Inset, TColor Color, TColor ColorTo) {
        if (End <= Start)
            return;
        TRect P = S.Vertical ? TRect(R.Left + Inset, R.Bottom - 1 - End, R.Right - Inset, R.Bottom - 1 - Start)
                             : TRect(R.Left + 1 + Start, R.Top + Inset, R.Left + 1 + End, R.Bottom - Inset);
        if (P.Is_Empty())
            return;
        if (S.ShowGradient && ColorTo != clNone) {
            if (S.Vertical) {
                const int M = P.Left + P.Width() / 2;
                DrawGradient(Canvas, ColorTo, Color, S.Steps, TRect(P.Left, P.Top, M, P.Bottom), true);
                DrawGradient(Canvas, Color, ColorTo, S.Steps, TRect(M, P.Top, P.Right, P.Bottom), true);
            } else {
                const int M = P.Top + P.Height() / 2;
                DrawGradient(Canvas, ColorTo, Color, S.Steps, TRect(P.Left, P.Top, P.Right, M), false);
                DrawGradient(Canvas, Color, ColorTo, S.Steps, TRect(P.Left, M, P.Right, P.Bottom), false);
            }
        } else {
            Solid(Canvas, Color);
            Canvas.FillRect(P);
        }
    };
    auto At = [Length](int Perc) { return Round_Even(double(Perc) * Length / 100); };
    if (Percent > 0) {
        if (S.Stacked) {
            Piece(0, At(std::min(Percent, S.Level1Perc)), 1, S.Level0Color, S.Level0ColorTo);
            if (Percent > S.Level1Perc)
                Piece(At(S.Level1Perc), At(std::min(Percent, S.Level2Perc)), 1, S.Level1Color, S.Level1ColorTo);
            if (Percent > S.Level2Perc)
                Piece(At(S.Level2Perc), Percent >= 100 ? Length : At(Percent), 1, S.Level3Color, S.Level3ColorTo);
        } else {
            TColor C = S.Level2Color, CT = S.Level2ColorTo;
            if (Percent < S.Level1Perc) {
                C = S.Level0Color;
                CT = S.Level0ColorTo;
            } else if (Percent < S.Level2Perc) {
                C = S.Level1Color;
                CT = S.Level1ColorTo;
            } else if (Percent > 99) {
                C = S.Level3Color;
                CT = S.Level3ColorTo;
            }
            if (S.CompletionSmooth) {
                Piece(0, At(Percent), 1, C, CT);
            } else {
                const int T = At(Percent);
                if (T > 9) {
                    for (int I = 0; I < T / 9; ++I)
                        Piece(2 + I * 9, 2 + I * 9 + 7, 2, C, CT);
                    if (T % 9 > 2)
                        Piece(2 + (T / 9) * 9, 2 + (T / 9) * 9 + T % 9 - 1, 2, C, CT);
                } else if (T > 1) {
                    Piece(2, 2 + T - 1, 2, C, CT);
                }
            }
        }
    }
    if (S.ShowPercentage) {
        const QString Text = QString::number(Percent) + u'%';
        Canvas.Font = S.Font;
        Canvas.Font.Color = S.CompleteFontColor;
        Canvas.Brush.Style = bsClear;
        const int TW = Canvas.TextWidth(Text);
        const int TH = Canvas.TextHeight(Text);
        if (S.Vertical) {
            Canvas.Font.Orientation = 900;
            Canvas.TextOut(R.Left + (R.Width() - TH) / 2, R.Top + (R.Height() + TW) / 2, Text);
        } else {
            Canvas.TextOut(R.Left + (R.Width() - TW) / 2, R.Top + (R.Height() - TH) / 2, Text);
        }
    }
    Canvas.Brush.Style = bsClear;
    Canvas.Pen.Color = Outline;
    Canvas.Rectangle(R);
    Canvas.Brush.Style = bsSolid;
}

// --- shapes, wave, bitmaps -------------------------------------------------------------

void DrawCellShape(TCanvas &Canvas, int X, int Y, int W, int H, int Shape, TColor FillColor, TColor LineColor)
{
    Canvas.Brush.Style = bsSolid;
    Canvas.Brush.Color = FillColor;
    Canvas.Pen.Style = psSolid;
    Canvas.Pen.Color = LineColor;
    if (Shape == csCircle || Shape == csSquare || Shape == csRoundSquare)
        W = H = std::min(W, H);
    const int HW = W / 2, HH = H / 2;
    const int W2 = W - W % 2, QW = W2 / 4;
    const int H2 = H - H % 2, QH = H2 / 4;
    auto Star = [&](int From, int To, bool AddTop) {
        QVector<TPoint> P;
        const int CX = X + HW, CY = Y + HH;
        for (int K = From; K <= To; ++K) {
            const double A = K * 36.0 * M_PI / 180.0;
            const double RX = K % 2 == 0 ? HW : HW / 3.0;
            const double RY = K % 2 == 0 ? HH : HH / 3.0;
            P << TPoint(CX + Round_Even(std::sin(A) * RX), CY - Round_Even(std::cos(A) * RY));
        }
        if (AddTop)
            P << TPoint(CX, CY - HH);
        return P;
    };
    switch (Shape) {
    case csRectangle: case csSquare: Canvas.Rectangle(TRect(X + 1, Y + 1, X + W - 1, Y + H - 1)); break;
    case csCircle: case csEllips: Canvas.Ellipse(TRect(X, Y, X + W, Y + H)); break;
    case csTriangleLeft: Canvas.Polygon({TPoint(X + W, Y), TPoint(X + W, Y + H), TPoint(X, Y + HH)}); break;
    case csTriangleRight: Canvas.Polygon({TPoint(X, Y), TPoint(X, Y + H), TPoint(X + W, Y + HH)}); break;
    case csTriangleUp: Canvas.Polygon({TPoint(X, Y + H), TPoint(X + W, Y + H), TPoint(X + HW, Y)}); break;
    case csTriangleDown: Canvas.Polygon({TPoint(X, Y), TPoint(X + W, Y), TPoint(X + HW, Y + H)}); break;
    case csDiamond:
        Canvas.Polygon({TPoint(X, Y + HH), TPoint(X + HW, Y), TPoint(X + 2 * HW, Y + HH), TPoint(X + HW, Y + 2 * HH)});
        break;
    case csLineVert: Canvas.Rectangle(TRect(X + HW, Y, X + HW + 1, Y + H)); break;
    case csLineHorz: Canvas.Rectangle(TRect(X, Y + HH, X + W, Y + HH + 1)); break;
    case csRoundRect: case csRoundSquare: Canvas.RoundRect(TRect(X, Y, X + W, Y + H), 10, 10); break;
    case csStar: Canvas.Polygon(Star(0, 9, false)); break;
    case csHalfStar: Canvas.Polygon(Star(5, 9, true)); break;
    case csArrowUp:
        Canvas.Polygon({TPoint(X, Y + HH), TPoint(X + W2 / 2, Y), TPoint(X + W2, Y + HH), TPoint(X + 3 * QW, Y + HH),
                        TPoint(X + 3 * QW, Y + H), TPoint(X + QW, Y + H), TPoint(X + QW, Y + HH)});
        break;
    case csArrowDown:
        Canvas.Polygon({TPoint(X, Y + HH), TPoint(X + W2 / 2, Y + H), TPoint(X + W2, Y + HH), TPoint(X + 3 * QW, Y + HH),
                        TPoint(X + 3 * QW, Y), TPoint(X + QW, Y), TPoint(X + QW, Y + HH)});
        break;
    case csArrowLeft:
        Canvas.Polygon({TPoint(X, Y + H2 / 2), TPoint(X + HW, Y), TPoint(X + HW, Y + QH), TPoint(X + W, Y + QH),
                        TPoint(X + W, Y + 3 * QH), TPoint(X + HW, Y + 3 * QH), TPoint(X + HW, Y + H2)});
        break;
    case csArrowRight:
        Canvas.Polygon({TPoint(X + W, Y + H2 / 2), TPoint(X + HW, Y), TPoint(X + HW, Y + QH), TPoint(X, Y + QH),
                        TPoint(X, Y + 3 * QH), TPoint(X + HW, Y + 3 * QH), TPoint(X + HW, Y + H2)});
        break;
    default: break;
    }
}

void DrawErrorWave(TCanvas &Canvas, const QString &Text, const TRect &R, int VerticalOffset, int First, int Length)
{
    // Character positions are left edges on the single text line, whose top is
    // the rectangle's top.
    First = std::max(0, First);
    auto Left_Of = [&](int I) { return Canvas.TextWidth(Text.left(I)); };
    const int X0 = First >= Text.size() ? Canvas.TextWidth(Text) + 4 : Left_Of(First);
    const int Last = First + std::max(1, Length) - 1;
    // (A range that starts past the end still gets its short wave there.)
    const int X1 = std::max(X0, Text.isEmpty() ? X0 : Last >= Text.size() - 1 ? Left_Of(Text.size() - 1) + 4
                                                                                : Left_Of(Last));
    Canvas.Pen.Style = psSolid;
    Canvas.Pen.Color = clRed;
    Canvas.Pen.Width = 2;
    int X = R.Left + X0;
    const int Base = R.Top + VerticalOffset;
    bool Up = true;
    Canvas.MoveTo(X, Base + 3);
    while (X <= R.Left + X1) {
        X += 3;
        Canvas.LineTo(X, Up ? Base : Base + 3);
        Up = !Up;
    }
}

QImage ReplaceCornerColor(const QImage &Bitmap, TColor BackgroundColor)
{
    if (Bitmap.isNull())
        return QImage();
    QImage Img = Bitmap.convertToFormat(QImage::Format_ARGB32);
    const QRgb Key = Img.pixel(0, 0);
    const QRgb Back = To_QColor(BackgroundColor).rgba();
    for (int Y = 0; Y < Img.height(); ++Y) {
        QRgb *Line = reinterpret_cast<QRgb *>(Img.scanLine(Y));
        for (int X = 0; X < Img.width(); ++X)
            if (Line[X] == Key)
                Line[X] = Back;
    }
    return Img;
}

void DrawTransparentBitmap(TCanvas &Canvas, const QImage &Bitmap, TColor BackgroundColor, const TRect &R)
{
    if (Bitmap.isNull())
        return;
    Canvas.Draw(R.Left, R.Top, ReplaceCornerColor(Bitmap, BackgroundColor));
}

void DrawBitmapResource(TCanvas &Canvas, TColor BackgroundColor, const TRect &R, const QString &Name)
{
    DrawTransparentBitmap(Canvas, Resource_Image(Name), BackgroundColor, R);
}

// --- layered windows --------------------------------------------------------------------

// A platform without the calls counts as success: the caller's window simply
// stays opaque.
bool DynUpdateLayeredWindow(QWidget *Window, void *TargetDevice, const TPoint *Position, const TPoint *Size,
                            void *SourceDevice, const TPoint *SourceOrigin, TColor ColorKey,
                            const TBlendFunction *Blend, unsigned Flags)
{
    return Update_Layered_Window(Window, TargetDevice, Position, Size, SourceDevice, SourceOrigin, ColorKey, Blend,
                                 Flags)
           != lcFailed;
}

bool DynSetLayeredWindowAttributes(QWidget *Window, TColor ColorKey, std::uint8_t Alpha, unsigned Flags)
{
    return Set_Layered_Window_Attributes(Window, ColorKey, Alpha, Flags) != lcFailed;
}
