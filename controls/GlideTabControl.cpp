#include "controls/GlideTabControl.h"
#include "controls/GlideTabsLookAndFeel.h"
#include "controls/GlideTabsOptions.h"
#include "controls/GlideTabsUtils.h"
#include "platform/Clock.h"
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

bool Contains(const TGlideRect &R, int X, int Y) { return X >= R.Left && X < R.Right && Y >= R.Top && Y < R.Bottom; }

TGlideRect Centred_On(const TGlideRect &R, int Cx)
{
    const int W = R.Width();
    return {Cx - W / 2, R.Top, Cx - W / 2 + W, R.Bottom};
}

} // namespace

TGlideTabControl::TGlideTabControl(IGlideTabs *GlideTabs, IGlideTab *GlideTab)
    : TBaseGlideTabsControl(GlideTabs), FGlideTab(GlideTab),
      FGlideTabControlPropertyItems(std::make_unique<TGlideTabControlPropertyItems>())
{
    FControlType = itTab;
    FScrollableControl = true;
}

void TGlideTabControl::Invalidate()
{
    TBaseGlideTabsControl::Invalidate();
    FPenInvalidated = true;
    FBrushInvalidated = true;
}

void TGlideTabControl::SetDrawState(TDrawState Value, std::uint32_t AnimationTimeMS, TGlideTabsEaseType EaseType,
                                    bool ForceUpdate)
{
    if (!ForceUpdate && Value == FDrawState)
        return;
    const TGlideTabsLookAndFeelTab &L = FGlideTabs->GetLookAndFeel().Tabs();
    FTabProperties = Value == dsActive ? &L.Active() : Value == dsHot ? &L.Hot() : &L.NotActive();
    const TGlideTabsLookAndFeelFont &Font = FTabProperties->Font();
    FGlideTabControlPropertyItems->SetProperties(&FTabProperties->Style(), &Font,
                                                 Font.UseDefaultFont() ? &L.DefaultFont() : nullptr, AnimationTimeMS,
                                                 EaseType);
    Invalidate();
    TBaseGlideTabsControl::SetDrawState(Value, AnimationTimeMS, EaseType, true);
}

bool TGlideTabControl::AnimateStyle()
{
    if (!FGlideTabControlPropertyItems->TransformColors(false))
        return false;
    Invalidate();
    return true;
}

void TGlideTabControl::EndStyleAnimation()
{
    FGlideTabControlPropertyItems->EndAnimation();
    AnimateStyle();
    // The look jumped to its stop values: rebuild brush and pen from them.
    Invalidate();
}

void TGlideTabControl::SetCloseButtonState(TDrawState Value)
{
    if (Value == FCloseButtonState)
        return;
    FCloseButtonState = Value;
    FGlideTabs->DoOnChange(FGlideTab ? FGlideTab->GetTab() : nullptr, tcControlState);
}

const TAABrush *TGlideTabControl::GetTabBrush()
{
    if (!FTabBrush || FBrushInvalidated) {
        const TGlideTabControlProperties &C = FGlideTabControlPropertyItems->CurrentTabProperties();
        // Always start colour at the top, also for tabs flipped to the bottom edge.
        FTabBrush = std::make_unique<TAABrush>(
            TAABrush::Linear(QPointF(0, FControlRect.Top), ToArgb(C.StartColor, C.StartAlpha),
                             QPointF(0, FControlRect.Bottom), ToArgb(C.StopColor, C.StopAlpha)));
        FBrushInvalidated = false;
    }
    return FTabBrush.get();
}

const TAAPen *TGlideTabControl::GetTabPen()
{
    if (!FTabPen || FPenInvalidated) {
        const TGlideTabControlProperties &C = FGlideTabControlPropertyItems->CurrentTabProperties();
        FTabPen = std::make_unique<TAAPen>(TAAPen{ToArgb(C.OutlineColor, C.OutlineAlpha), C.OutlineSize});
        FPenInvalidated = false;
    }
    return FTabPen.get();
}

IGlideTabPolygons TGlideTabControl::GetPolygons()
{
    IGlideTabPolygons Result = InternalGetPolygons(itTab, GetTabBrush(), GetTabPen());
    if (Result)
        return Result;
    Result = New_Polygons();
    const int W = FControlRect.Width();
    const int H = FControlRect.Height();
    const TPolygon Points{{0, H},      {4, H - 3},      {12, 3},         {13, 2},         {14, 1},     {16, 0},
                          {W - 16, 0}, {W - 14, 1},     {W - 13, 2},     {W - 12, 3},     {W - 4, H - 3}, {W, H}};
    // Symmetric, so it needs no right-to-left mirroring of its own.
    Result->AddPolygon(NewPolygon(GetBiDiControlRect(), Points, Orientation()), GetTabBrush(), GetTabPen());
    return Result;
}

TGlideRect TGlideTabControl::GetCloseButonRect() const
{
    const TGlideTabsOptions &T = FGlideTabs->GetOptions().Display().Tabs();
    const TGlideTabsCloseButtonProperties &C = FGlideTabs->GetOptions().Display().CloseButton();
    const int Left = FControlRect.Right - T.ContentOffsetRight() - C.Width() - C.Offsets().Horizontal();
    const int Top = FControlRect.Top + C.Offsets().Vertical();
    return {Left, Top, Left + C.Width(), Top + C.Height()};
}

TGlideRect TGlideTabControl::GetCloseButtonCrossRect() const
{
    return ShrinkRect(GetCloseButonRect(), FGlideTabs->GetOptions().Display().CloseButton().CrossRadialOffset());
}

bool TGlideTabControl::CloseButtonVisible() const
{
    const TGlideTabsOptions &T = FGlideTabs->GetOptions().Display().Tabs();
    const TGlideTabsCloseButtonProperties &C = FGlideTabs->GetOptions().Display().CloseButton();
    if (C.AutoHide() && !FGlideTab->Active()
        && FControlRect.Width() - T.ContentOffsetRight() - T.ContentOffsetLeft() <= C.AutoHideWidth())
        return false;
    if (FGlideTab->HideCloseButton())
        return false;
    switch (C.Visibility()) {
    case bvNever: return false;
    case bvAll: return !FGlideTab->Pinned();
    case bvActive: return !FGlideTab->Pinned() && FDrawState == dsActive;
    }
    return false;
}

bool TGlideTabControl::ImageVisible(const TAAImageList *List, int Index) const
{
    return FGlideTabs->GetOptions().Display().Tabs().ShowImages() && List && Index >= 0 && Index < List->Count();
}

TTabContentLayout TGlideTabControl::LayoutTabContent() const
{
    const TGlideTabsDisplayOptions &D = FGlideTabs->GetOptions().Display();
    const TGlideRect CR = FControlRect;
    const int Cx = CR.Left + CR.Width() / 2;
    const int Cy = CR.Top + CR.Height() / 2;
    TTabContentLayout L;
    L.CloseButtonRect = GetCloseButonRect();
    L.CloseButtonCrossRect = GetCloseButtonCrossRect();
    L.CloseButtonVisible = CloseButtonVisible();

    const int Right = L.CloseButtonVisible ? L.CloseButtonRect.Left - 1 : CR.Right - D.Tabs().ContentOffsetRight();
    int Left = CR.Left + D.Tabs().ContentOffsetLeft();

    const TAAImageList *Images = FGlideTabs->GetImages();
    const TAAImageList *Overlay = FGlideTabs->GetImagesOverlay();
    L.ImageShown = ImageVisible(Images, FGlideTab->ImageIndex());
    L.OverlayShown = ImageVisible(Overlay, FGlideTab->ImageIndexOverlay());
    const TGlideTabSpinnerState Spinner = FGlideTab->SpinnerState();
    L.SpinnerShown = Spinner != tssNone && !(FGlideTabs->GetComponentState() & csDesigning);

    int Iw = 0, Ih = 0;
    if (L.SpinnerShown) {
        const TGlideTabsControlPosition &P =
            Spinner == tssRenderedUpload ? D.TabSpinners().Upload().Position() : D.TabSpinners().Download().Position();
        Iw = P.Width();
        Ih = P.Height();
    }
    const bool Image_Hidden_By_Spinner = L.SpinnerShown && D.TabSpinners().HideImagesWhenSpinnerVisible();
    if ((L.ImageShown && !Image_Hidden_By_Spinner) || L.OverlayShown) {
        // An overlay without a picture list of its own size counts the missing list as 0 x 0.
        if (Images) {
            Iw = std::max(Iw, Images->Width());
            Ih = std::max(Ih, Images->Height());
        }
    }
    if (L.OverlayShown) {
        Iw = std::max(Iw, Overlay->Width());
        Ih = std::max(Ih, Overlay->Height());
    }

    const bool Pinned_Without_Text = FGlideTab->Pinned() && !D.Tabs().ShowPinnedTabText();
    if (Left + Iw > Right) {
        L.ImageShown = L.OverlayShown = L.SpinnerShown = false;
    } else if (Pinned_Without_Text) {
        L.ImageRect = {Cx - Iw / 2, Cy - Ih / 2, Cx - Iw / 2 + Iw, Cy - Ih / 2 + Ih};
    } else {
        L.ImageRect = {Left, Cy - Ih / 2, Left + Iw, Cy - Ih / 2 + Ih};
        const bool Any = L.ImageShown || L.OverlayShown || L.SpinnerShown;
        Left += Any ? Iw + 1 : 1;
    }

    L.TextShown = !Pinned_Without_Text && Right - Left >= 5;
    L.TextRect = {Left, CR.Top, Right, CR.Bottom};

    if (L.CloseButtonVisible && !L.TextShown && !L.ImageShown && !L.OverlayShown && !L.SpinnerShown) {
        L.CloseButtonRect = Centred_On(L.CloseButtonRect, Cx);
        L.CloseButtonCrossRect = Centred_On(L.CloseButtonCrossRect, Cx);
    }
    for (TGlideRect *R : {&L.ImageRect, &L.TextRect, &L.CloseButtonRect, &L.CloseButtonCrossRect})
        *R = ScrolledRect(MirroredRect(*R));
    return L;
}

THitTestArea TGlideTabControl::GetHitTestArea(int X, int Y)
{
    // The hit area follows the close button where the layout drew it (centred on a narrow tab).
    const TTabContentLayout L = LayoutTabContent();
    if (L.CloseButtonVisible && Contains(L.CloseButtonRect, X, Y))
        return htCloseButton;
    if (IGlideTabPolygons P = GetPolygons()) {
        for (int I = 0; I < P->PolygonCount(); ++I)
            if (PolygonContainsPoint(P->GetPolygons(I).Polygon(), X, Y))
                return htTab;
    }
    return htBackground;
}

int TGlideTabControl::GetTabWidthByContent()
{
    const QString Caption = FGlideTab->Caption();
    if (Caption == FLastCaption && FLastCaptionLength >= 1)
        return FLastCaptionLength;
    ++FMeasureCount;
    const TGlideTabsOptions &T = FGlideTabs->GetOptions().Display().Tabs();
    const TGlideTabControlProperties &Stop = FGlideTabControlPropertyItems->StopTabProperties();
    const TGlideTabControlProperties &Cur = FGlideTabControlPropertyItems->CurrentTabProperties();
    const int H = std::max(1, FControlRect.Height());
    QImage Scratch(std::max(1, T.MaxWidth()), H, QImage::Format_ARGB32_Premultiplied);
    QPainter Painter(&Scratch);
    TAACanvas Canvas(Painter);
    TAAFont Font{Stop.FontName, static_cast<double>(Cur.FontSize)};
    TAAStringFormat Format;
    Format.No_Wrap = true;
    const double W = Canvas.Measure_Text(Caption, Font, QRectF(0, 0, 1000, H), Format, Stop.TextRendoringMode).width();
    Painter.end();

    const TTabContentLayout L = LayoutTabContent();
    const TGlideRect S = ScrolledRect(FControlRect);
    const int E = (L.ImageShown || L.OverlayShown || L.SpinnerShown) ? L.ImageRect.Right : S.Left + T.ContentOffsetLeft();
    const int Width = static_cast<int>(std::nearbyint(W)) + (E - S.Left) + (S.Right - L.CloseButtonRect.Left)
                      - T.TabOverlap();
    FLastCaption = Caption;
    FLastCaptionLength = Width;
    return Width;
}

bool TGlideTabControl::AnimateModified()
{
    const TGlideTabModifiedDisplayOptions &G = FGlideTabs->GetOptions().Display().TabModifiedGlow();
    // A zero period has no sweep to show.
    if (!FGlideTab->Modified() || G.Style() == msNone || G.AnimationPeriodMS() <= 0) {
        FModifiedStartTicks = 0;
        return false;
    }
    const std::uint32_t Now = Tick_Count();
    const std::uint32_t Period = static_cast<std::uint32_t>(G.AnimationPeriodMS());
    if (FModifiedStartTicks == 0 || Now - FModifiedStartTicks > Period) {
        if (Now - FModifiedStartTicks > Period)
            FModifiedMovingLeft = !FModifiedMovingLeft;
        FModifiedStartTicks = Now == 0 ? 1 : Now;
    }
    const TGlideRect S = ScrolledRect(FControlRect);
    const double Elapsed = static_cast<double>(Now - FModifiedStartTicks);
    const int X = static_cast<int>(
        std::nearbyint(EaseValue(Elapsed, 0, S.Right - S.Left + G.Width(), Period, G.EaseType())));
    if (G.Style() == msRightToLeft || (G.Style() == msKnightRider && FModifiedMovingLeft))
        FModifiedPosition = S.Right - X;
    else
        FModifiedPosition = S.Left - G.Width() + X;
    return true;
}

const TAAImageList *TGlideTabControl::Spinner_List() const
{
    switch (FGlideTab->SpinnerState()) {
    case tssImageUpload: return FGlideTabs->GetImagesSpinnerUpload();
    case tssImageDownload: return FGlideTabs->GetImagesSpinnerDownload();
    default: return nullptr;
    }
}

bool TGlideTabControl::AnimateSpinner()
{
    const TGlideTabSpinnerState State = FGlideTab->SpinnerState();
    const TAAImageList *List = Spinner_List();
    if (!List && State != tssRenderedUpload && State != tssRenderedDownload)
        return false;
    const TGlideTabsSpinnersOptions &O = FGlideTabs->GetOptions().Display().TabSpinners();
    switch (State) {
    case tssRenderedUpload:
    case tssRenderedDownload: {
        const TGlideTabsSpinnerOptions &S = State == tssRenderedUpload ? O.Upload() : O.Download();
        if (S.ReverseDirection()) {
            FSpinnerRenderedDegrees -= S.RenderedAnimationStep();
            if (FSpinnerRenderedDegrees < 0)
                FSpinnerRenderedDegrees += 360;
        } else {
            FSpinnerRenderedDegrees += S.RenderedAnimationStep();
            if (FSpinnerRenderedDegrees > 360)
                FSpinnerRenderedDegrees -= 360;
        }
        break;
    }
    case tssImageUpload:
        if (--FSpinnerImageIndex < 0)
            FSpinnerImageIndex = List->Count() - 1;
        break;
    case tssImageDownload:
        if (++FSpinnerImageIndex >= List->Count())
            FSpinnerImageIndex = 0;
        break;
    case tssNone:
        return false;
    }
    return true;
}

void TGlideTabControl::DrawGlow(TAACanvas &Canvas, const TGlideRect &Rect, TColor CentreColor, TColor OutsideColor,
                                int CentreAlpha, int OutsideAlpha)
{
    const QPointF Centre(Rect.Left + Rect.Width() / 2, Rect.Top + Rect.Height() / 2);
    Canvas.Fill_Ellipse(ToRectF(Rect), TAABrush::Ellipse_Path(ToRectF(Rect), Centre, ToArgb(CentreColor, CentreAlpha),
                                                               ToArgb(OutsideColor, OutsideAlpha)));
}

void TGlideTabControl::DrawTabImage(TAACanvas &Canvas, const TAAImageList *List, int Index, const TGlideRect &Rect,
                                    TGlideTabItemType ItemType)
{
    const int Tab_Index = FGlideTab->Index();
    bool Handled = false;
    FGlideTabs->DoOnBeforeDrawItem(Canvas, Rect, ItemType, Tab_Index, Handled);
    if (!Handled)
        Canvas.Draw_Image(GetImageListPicture(List, Index), Rect.Left, Rect.Top);
    FGlideTabs->DoOnAfterDrawItem(Canvas, Rect, ItemType, Tab_Index);
}

void TGlideTabControl::DrawSpinner(TAACanvas &Canvas, const TGlideRect &ImageRect)
{
    bool Handled = false;
    FGlideTabs->DoOnBeforeDrawItem(Canvas, ImageRect, itTabImageSpinner, FGlideTab->Index(), Handled);
    if (Handled)
        return;
    const TGlideTabSpinnerState State = FGlideTab->SpinnerState();
    if (State == tssRenderedUpload || State == tssRenderedDownload) {
        const bool Up = State == tssRenderedUpload;
        TGlideTabsLookAndFeelPen &Pen = Up ? FGlideTabs->GetLookAndFeel().Tabs().Spinners().Upload()
                                           : FGlideTabs->GetLookAndFeel().Tabs().Spinners().Download();
        const TGlideTabsSpinnerOptions &S = Up ? FGlideTabs->GetOptions().Display().TabSpinners().Upload()
                                               : FGlideTabs->GetOptions().Display().TabSpinners().Download();
        const double H = Pen.Thickness() / 2.0;
        const QRectF Box(ImageRect.Left + S.Position().Offsets().Horizontal() + H,
                         ImageRect.Top + S.Position().Offsets().Vertical() + H, S.Position().Width() - 2 * H,
                         S.Position().Height() - 2 * H);
        Canvas.Draw_Arc(Box, FSpinnerRenderedDegrees, S.SweepAngle(),
                        TAAPen{ToArgb(Pen.Color(), Pen.Alpha()), Pen.Thickness()});
    } else if (const TAAImageList *List = Spinner_List()) {
        DrawTabImage(Canvas, List, FSpinnerImageIndex, ImageRect, itTabImageSpinner);
    }
}

TTabTextLook TGlideTabControl::Text_Look(const TGlideRect &TextRect) const
{
    const TOptions &O = FGlideTabs->GetOptions();
    const TGlideTabsOptions &T = O.Display().Tabs();
    const bool Debug = O.Behaviour().DebugMode();
    const TGlideTabControlProperties &Cur = FGlideTabControlPropertyItems->CurrentTabProperties();
    const TGlideTabControlProperties &Stop = FGlideTabControlPropertyItems->StopTabProperties();
    const TBiDiMode Bidi = FGlideTabs->GetBiDiMode();

    TTabTextLook Look;
    Look.Font = TAAFont{Stop.FontName, Debug ? 7.0 : static_cast<double>(Cur.FontSize)};
    Look.Color1 = ToArgb(Cur.FontColor, Cur.FontAlpha);
    Look.Color2 = ToArgb(Cur.FontColor, 0);
    const int W = TextRect.Width();
    // Narrow captions start fading earlier; the point stays within the text band.
    Look.BlendPoint = std::clamp(W > 80 ? 0.85 : 0.85 - (80.0 - W) / 80.0, 0.0, 1.0);

    if (T.TabWidthFromContent() && FControlRect.Width() < T.MaxWidth() + T.TabOverlap()) {
        Look.Format.Trimming = TAAStringTrimming::None;
    } else if (T.TextTrimType() == tttFade) {
        Look.Format.Trimming = TAAStringTrimming::None;
        if (Bidi == bdRightToLeft) {
            Look.Factors[0] = 1;
            Look.BlendPoint = 1 - Look.BlendPoint;
        } else {
            Look.Factors[2] = 1;
        }
    } else {
        Look.Format.Trimming = static_cast<TAAStringTrimming>(T.TextTrimType());
    }

    switch (T.TextAlignmentVertical()) {
    case taAlignTop: Look.Format.Vertical = TAAStringAlignment::Near; break;
    case taAlignBottom: Look.Format.Vertical = TAAStringAlignment::Far; break;
    case taVerticalCenter: Look.Format.Vertical = TAAStringAlignment::Center; break;
    }
    const bool Plain = Bidi == bdLeftToRight || Bidi == bdRightToLeft;
    switch (T.TextAlignmentHorizontal()) {
    case taLeftJustify: Look.Format.Horizontal = Plain ? TAAStringAlignment::Near : TAAStringAlignment::Far; break;
    case taRightJustify: Look.Format.Horizontal = Plain ? TAAStringAlignment::Far : TAAStringAlignment::Near; break;
    case taCenter: Look.Format.Horizontal = TAAStringAlignment::Center; break;
    }
    if (!Debug) {
        Look.Format.No_Wrap = !T.WordWrap();
        Look.Format.Right_To_Left = Bidi != bdLeftToRight;
    }
    const TGlideRect CR = FControlRect;
    Look.Text = Debug ? QString::asprintf("L: %d, T: %d, R: %d: B: %d W: %d H: %d", CR.Left, CR.Top, CR.Right, CR.Bottom,
                                          CR.Width(), CR.Height())
                      : FGlideTab->Caption();
    Look.Hint = Stop.TextRendoringMode;
    return Look;
}

void TGlideTabControl::DrawTabText(TAACanvas &Canvas, const TGlideRect &TextRect)
{
    const TTabTextLook Look = Text_Look(TextRect);
    TAABrush Brush = TAABrush::Linear(QPointF(TextRect.Left, 0), Look.Color1, QPointF(TextRect.Right, 0), Look.Color2);
    Brush.Set_Blend({Look.Factors[0], Look.Factors[1], Look.Factors[2]}, {0.0, Look.BlendPoint, 1.0});
    Canvas.Draw_Text(Look.Text, Look.Font, ToRectF(TextRect), Look.Format, Brush, Look.Hint);
}

void TGlideTabControl::DrawTo(TAACanvas &TargetCanvas, int MouseX, int MouseY, const TClipPolygons &ClipPolygons)
{
    if (!FTabProperties)
        return;
    const TOptions &O = FGlideTabs->GetOptions();
    TGlideTabsLookAndFeel &LF = FGlideTabs->GetLookAndFeel();
    const int Tab_Index = FGlideTab->Index();
    const TGlideRect CR = FControlRect;

    // Leave out the parts lying above this tab.
    for (const IGlideTabPolygons &List : ClipPolygons) {
        if (!List)
            continue;
        for (int I = 0; I < List->PolygonCount(); ++I)
            ClipToPolygon(TargetCanvas, List->GetPolygons(I).Polygon(), TAACombineMode::Exclude);
    }
    const TAAClipState Saved = TargetCanvas.Save_Clip();

    // Fill.
    IGlideTabPolygons Polygons = GetPolygons();
    const TTabContentLayout L = LayoutTabContent();
    bool Handled = false;
    FGlideTabs->DoOnBeforeDrawItem(TargetCanvas, CR, itTab, Tab_Index, Handled);
    if (!Handled && Polygons)
        Polygons->DrawTo(TargetCanvas, dfBrush);

    // Glows inside the outline.
    const bool Has_Outline = Polygons && Polygons->PolygonCount() > 0;
    if (Has_Outline)
        ClipToPolygon(TargetCanvas, Polygons->GetPolygons(0).Polygon(), TAACombineMode::Intersect);
    const TGlideTabModifiedDisplayOptions &G = O.Display().TabModifiedGlow();
    if (FGlideTab->Modified() && G.Style() != msNone) {
        Handled = false;
        FGlideTabs->DoOnBeforeDrawItem(TargetCanvas, CR, itTabModifiedGlow, Tab_Index, Handled);
        if (!Handled) {
            TGlideRect R;
            if (O.Display().Tabs().Orientation() == toBottom)
                R = {FModifiedPosition, CR.Bottom - G.VerticalOffset() - G.Height(), FModifiedPosition + G.Width(),
                     CR.Bottom - G.VerticalOffset()};
            else
                R = {FModifiedPosition, G.VerticalOffset(), FModifiedPosition + G.Width(), G.VerticalOffset() + G.Height()};
            const TGlideTabsLookAndFeelGlow &Glow = LF.Tabs().Modified();
            DrawGlow(TargetCanvas, MirroredRect(R), Glow.CentreColor(), Glow.OutsideColor(), Glow.CentreAlpha(),
                     Glow.OutsideAlpha());
        }
    }
    const TGlideTabsControlPropertiesEx &M = O.Display().TabMouseGlow();
    if (M.Visible() && !FGlideTabs->IsDragging() && Has_Outline
        && PolygonContainsPoint(Polygons->GetPolygons(0).Polygon(), MouseX, MouseY)) {
        Handled = false;
        FGlideTabs->DoOnBeforeDrawItem(TargetCanvas, CR, itTabMouseGlow, Tab_Index, Handled);
        if (!Handled) {
            const TGlideTabsLookAndFeelGlow &Glow = LF.Tabs().MouseGlow();
            DrawGlow(TargetCanvas,
                     {MouseX - M.Width() / 2, MouseY - M.Height() / 2, MouseX + M.Width() / 2, MouseY + M.Height() / 2},
                     Glow.CentreColor(), Glow.OutsideColor(), Glow.CentreAlpha(), Glow.OutsideAlpha());
        }
    }
    // Back to the clip the tab started with.
    TargetCanvas.Restore_Clip(Saved);

    // Caption.
    if (L.TextShown) {
        Handled = false;
        FGlideTabs->DoOnBeforeDrawItem(TargetCanvas, L.TextRect, itTabText, Tab_Index, Handled);
        if (!Handled)
            DrawTabText(TargetCanvas, L.TextRect);
        FGlideTabs->DoOnAfterDrawItem(TargetCanvas, L.TextRect, itTabText, Tab_Index);
    }

    // Outline.
    Handled = false;
    FGlideTabs->DoOnBeforeDrawItem(TargetCanvas, CR, itTabOutline, Tab_Index, Handled);
    if (!Handled && Polygons)
        Polygons->DrawTo(TargetCanvas, dfPen);

    // Close button.
    if (L.CloseButtonVisible) {
        Handled = false;
        FGlideTabs->DoOnBeforeDrawItem(TargetCanvas, L.CloseButtonRect, itTabCloseButton, Tab_Index, Handled);
        if (!Handled) {
            TGlideTabsLookAndFeelCloseButton &C = LF.CloseButton();
            TGlideTabsLookAndFeelStyle &Circle = FCloseButtonState == dsDown  ? C.Circle().Down()
                                                 : FCloseButtonState == dsHot ? C.Circle().Hot()
                                                                              : C.Circle().Normal();
            TGlideTabsLookAndFeelPen &Cross = FCloseButtonState == dsDown  ? C.Cross().Down()
                                              : FCloseButtonState == dsHot ? C.Cross().Hot()
                                                                           : C.Cross().Normal();
            const QRectF Box = ToRectF(L.CloseButtonRect);
            TargetCanvas.Fill_Ellipse(Box, Circle.GetBrush(L.CloseButtonRect));
            TargetCanvas.Draw_Ellipse(Box, Circle.GetPen());
            const TGlideRect X = L.CloseButtonCrossRect;
            TargetCanvas.Draw_Line(QPointF(X.Left, X.Top), QPointF(X.Right, X.Bottom), Cross.GetPen());
            TargetCanvas.Draw_Line(QPointF(X.Left, X.Bottom), QPointF(X.Right, X.Top), Cross.GetPen());
        }
        FGlideTabs->DoOnAfterDrawItem(TargetCanvas, L.CloseButtonRect, itTabCloseButton, Tab_Index);
    }

    // Pictures and busy indicator.
    const bool Hidden_By_Spinner = L.SpinnerShown && O.Display().TabSpinners().HideImagesWhenSpinnerVisible();
    if (!Hidden_By_Spinner) {
        if (L.ImageShown)
            DrawTabImage(TargetCanvas, FGlideTabs->GetImages(), FGlideTab->ImageIndex(), L.ImageRect, itTabImage);
        if (L.OverlayShown)
            DrawTabImage(TargetCanvas, FGlideTabs->GetImagesOverlay(), FGlideTab->ImageIndexOverlay(), L.ImageRect,
                         itTabImageOverlay);
    }
    if (L.SpinnerShown)
        DrawSpinner(TargetCanvas, L.ImageRect);

    // The owner draws last.
    FGlideTabs->DoOnAfterDrawItem(TargetCanvas, CR, itTab, Tab_Index);
}
