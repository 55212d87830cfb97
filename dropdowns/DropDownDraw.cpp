#include "dropdowns/DropDownDraw.h"
#include "grid/base/DrawRoutines.h"
#include "grid/base/MarkupRender.h"
#include "toolkit/ImageList.h"
#include <QPainter>
#include <QWidget>
#include <algorithm>

namespace {
// nearest(Num / Den) with halves to even, exactly (Den > 0).
long long Round_Ratio(long long Num, long long Den)
{
    long long Q = Num / Den;
    long long Rest = Num % Den;
    if (Rest < 0) {
        Q -= 1;
        Rest += Den;
    }
    if (2 * Rest > Den || (2 * Rest == Den && (Q & 1) != 0))
        ++Q;
    return Q;
}

int Channel(TColor C, int Shift) { return (C >> Shift) & 0xFF; }
int Byte_Range(long long V) { return static_cast<int>(std::clamp<long long>(V, 0, 255)); }

template <class F> TColor Per_Channel(F Fn)
{
    return RGB_Color(Fn(0), Fn(8), Fn(16));
}
} // namespace

void DrawGradientBands(TCanvas &Canvas, TColor FromColor, TColor ToColor, bool LeftToRight, const TRect &R,
                       int Steps)
{
    if (R.Is_Empty())
        return;
    Steps = std::max(Steps, 1);
    const TColor From = Color_To_RGB(FromColor);
    const TColor To = Color_To_RGB(ToColor);
    const long long Extent = LeftToRight ? R.Width() - 1 : R.Height() - 1;
    const int Start_Edge = LeftToRight ? R.Left : R.Top;
    const int Length = static_cast<int>(Round_Ratio(Extent, Steps)) + 1;
    Canvas.Pen.Style = psSolid;
    Canvas.Pen.Width = 1;
    Canvas.Brush.Style = bsSolid;
    for (int N = 0; N < Steps; ++N) {
        const TColor C = Per_Channel([&](int Shift) {
            const int A = Channel(From, Shift);
            return static_cast<int>(A + Round_Ratio(static_cast<long long>(N) * (Channel(To, Shift) - A), Steps));
        });
        const int Start = Start_Edge + static_cast<int>(Round_Ratio(N * Extent, Steps));
        Canvas.Pen.Color = C;
        Canvas.Brush.Color = C;
        Canvas.Rectangle(LeftToRight ? TRect(Start, R.Top, Start + Length, R.Bottom)
                                     : TRect(R.Left, Start, R.Right, Start + Length));
    }
}

TColor DropDown_Draw::BlendColor(TColor Color1, TColor Color2, int Percent)
{
    if (Percent >= 100)
        return Color1;
    if (Percent <= 0)
        return Color2;
    const TColor A = Color_To_RGB(Color1);
    const TColor B = Color_To_RGB(Color2);
    return Per_Channel([&](int Shift) {
        return static_cast<int>(
            Round_Ratio(static_cast<long long>(Percent) * Channel(A, Shift) + (100LL - Percent) * Channel(B, Shift),
                        100));
    });
}

TColor AdjustColorChannels(TColor Color, int DeltaRed, int DeltaGreen, int DeltaBlue)
{
    const TColor C = Color_To_RGB(Color);
    auto Adjust = [](int V, int Delta) {
        if (V == 0)
            return Byte_Range(Delta);
        return Byte_Range(Round_Ratio(static_cast<long long>(V) * std::min(100LL, 100LL + Delta), 100));
    };
    return RGB_Color(Adjust(Channel(C, 0), DeltaRed), Adjust(Channel(C, 8), DeltaGreen),
                     Adjust(Channel(C, 16), DeltaBlue));
}

void DrawBackground(TCanvas &Canvas, const TRect &R, TColor Color, TColor ColorTo, TGradientDirection Direction,
                    int BorderWidth, TColor BorderColor)
{
    if (ColorTo != clNone) {
        DrawGradientBands(Canvas, Color, ColorTo, Direction == gdHorizontal, R, 80);
    } else if (Color != clNone) {
        Canvas.Brush.Style = bsSolid;
        Canvas.Brush.Color = Color;
        Canvas.FillRect(R);
    }
    if (BorderColor != clNone && BorderWidth > 0) {
        Canvas.Pen.Style = psSolid;
        Canvas.Pen.Color = BorderColor;
        Canvas.Pen.Width = BorderWidth;
        Canvas.Brush.Style = bsClear;
        Canvas.Rectangle(R);
    }
}

void DrawImageText(TCanvas &Canvas, const TRect &R, const QString &Text, int ImageIndex, const TImageList *Images)
{
    TRect T = R;
    const bool Picture = ImageIndex >= 0 && Images;
    if (Picture) {
        Images->Draw(Canvas, R.Left + 4, R.Top + (R.Height() - Images->Height()) / 2, ImageIndex);
        T.Left = R.Left + Images->Width() + 8;
    }
    if (Text.isEmpty())
        return;
    Canvas.DrawText(T, Text, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | (Picture ? DT_LEFT : DT_CENTER));
}

void DrawBitmapOnColor(TCanvas &Canvas, const QImage &Bitmap, TColor BackColor, const TRect &R)
{
    if (Bitmap.isNull())
        return;
    Canvas.StretchDraw(R, ReplaceCornerColor(Bitmap, BackColor));
}

QSize GetTextSize(TCanvas &Canvas, const QString &Text)
{
    if (Text.isEmpty())
        return QSize(0, 0);
    TRect M(0, 0, 1000, 500);
    Canvas.DrawText(M, Text, DT_CALCRECT | DT_SINGLELINE | DT_LEFT);
    return QSize(M.Width(), M.Height());
}

void FitText(TCanvas &Canvas, const QString &Text, int MaxWidth, QString &Fitted, bool WithEllipsis)
{
    Fitted = Text;
    if (GetTextSize(Canvas, Text).width() <= MaxWidth)
        return;
    // Cut whole characters: a surrogate pair goes as one.
    qsizetype Keep = Text.size();
    while (Keep > 0) {
        --Keep;
        if (Keep > 0 && Text[Keep].isLowSurrogate() && Text[Keep - 1].isHighSurrogate())
            --Keep;
        const QString Candidate = WithEllipsis ? Text.left(Keep) + QStringLiteral("...") : Text.left(Keep);
        if (GetTextSize(Canvas, Candidate).width() < MaxWidth) {
            Fitted = Candidate;
            return;
        }
    }
}

QSize DrawMarkupText(TCanvas &Canvas, const QString &Text, const TRect &R, const TPictureContainer *Pictures,
                     bool Draw, const TImageList *Images)
{
    if (Text.isEmpty())
        return QSize(0, 0);
    THTMLRenderParams P;
    P.Images = Images;
    P.PictureContainer = Pictures;
    P.CheckHeight = !Draw;
    P.URLColor = 0x808080;
    P.HoverColor = clNone;
    P.HoverFontColor = clNone;
    P.ShadowColor = 0xFF0000;
    THTMLRenderResult Result;
    RenderHTML(Canvas, Text, R, P, Result);
    return QSize(Result.XSize, Result.YSize);
}

void TWinCtrl::PaintCtrls(QPainter &Painter, QWidget *Parent, QWidget *First)
{
    if (!Parent)
        return;
    bool Reached = First == nullptr;
    for (QObject *Child : Parent->children()) {
        auto *W = qobject_cast<QWidget *>(Child);
        if (!W || W->isWindow())
            continue;
        Reached = Reached || W == First;
        if (!Reached || W->isHidden())
            continue;
        W->render(&Painter, W->pos(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    }
}
