#include "controls/GlideTabsControls.h"
#include "controls/GlideTabsLookAndFeel.h"
#include "controls/GlideTabsOptions.h"
#include "controls/GlideTabsUtils.h"
#include "platform/Clock.h"
#include <algorithm>
#include <cmath>

std::uint32_t Animation_Start_Tick()
{
    const std::uint32_t Now = Tick_Count();
    return Now == 0 ? 1 : Now;
}

// ---- style transition ----

void TGlideTabControlPropertyItems::SetProperties(const TGlideTabsLookAndFeelStyle *Style,
                                                  const TGlideTabsLookAndFeelBaseFont *StyleFont,
                                                  const TGlideTabsLookAndFeelBaseFont *DefaultFont,
                                                  std::uint32_t DurationMs, TGlideTabsEaseType EaseType)
{
    FEaseType = EaseType;
    std::unique_ptr<TGlideTabsLookAndFeelBaseFont> Temporary_Font;
    const TGlideTabsLookAndFeelBaseFont *Font = DefaultFont ? DefaultFont : StyleFont;
    if (!Font) {
        Temporary_Font = std::make_unique<TGlideTabsLookAndFeelBaseFont>(static_cast<TGlideTabsPersistent *>(nullptr));
        Font = Temporary_Font.get();
    }
    std::unique_ptr<TGlideTabsLookAndFeelStyle> Temporary_Style;
    if (!Style) {
        Temporary_Style = std::make_unique<TGlideTabsLookAndFeelStyle>(static_cast<TGlideTabsPersistent *>(nullptr));
        Style = Temporary_Style.get();
    }
    TGlideTabControlProperties &S = FStopTabProperties;
    S.FontColor = Font->Color();
    S.FontAlpha = Font->Alpha();
    S.FontName = Font->Name();
    S.FontSize = Font->Size();
    S.TextRendoringMode = Font->TextRendoringMode();
    S.StartColor = Style->StartColor();
    S.StopColor = Style->StopColor();
    S.OutlineColor = Style->OutlineColor();
    S.OutlineSize = Style->OutlineSize();
    S.OutlineAlpha = Style->OutlineAlpha();
    S.StartAlpha = Style->StartAlpha();
    S.StopAlpha = Style->StopAlpha();

    FStartTabProperties = FCurrentTabProperties;
    FStartTickCount = Animation_Start_Tick();
    FCurrentTickCount = 0;
    // A transition of no length jumps, whatever its curve (it could never step otherwise).
    if (EaseType == ttNone || DurationMs == 0) {
        FEndTickCount = 0;
        TransformColors(true);
    } else {
        FEndTickCount = DurationMs;
    }
}

bool TGlideTabControlPropertyItems::TransformColors(bool ForceUpdate)
{
    int P = 100;
    if (!ForceUpdate) {
        if (FStartTickCount == 0 || FCurrentTickCount >= FEndTickCount)
            return false;
        FCurrentTickCount = std::min(Tick_Count() - FStartTickCount, FEndTickCount);
        P = static_cast<int>(std::nearbyint(EaseValue(FCurrentTickCount, 0, 100, FEndTickCount, FEaseType)));
    }
    const TGlideTabControlProperties &A = FStartTabProperties;
    const TGlideTabControlProperties &B = FStopTabProperties;
    TGlideTabControlProperties &C = FCurrentTabProperties;
    StepColorAlpha(A.FontColor, A.FontAlpha, B.FontColor, B.FontAlpha, P, C.FontColor, C.FontAlpha);
    StepColorAlpha(A.StartColor, A.StartAlpha, B.StartColor, B.StartAlpha, P, C.StartColor, C.StartAlpha);
    StepColorAlpha(A.StopColor, A.StopAlpha, B.StopColor, B.StopAlpha, P, C.StopColor, C.StopAlpha);
    StepColorAlpha(A.OutlineColor, A.OutlineAlpha, B.OutlineColor, B.OutlineAlpha, P, C.OutlineColor, C.OutlineAlpha);
    C.FontSize = StepInteger(A.FontSize, B.FontSize, P);
    C.OutlineSize = StepSingle(A.OutlineSize, B.OutlineSize, P);
    // Name and rendering are not stepped; drawing takes them from the stop values.
    C.FontName = B.FontName;
    C.TextRendoringMode = B.TextRendoringMode;
    return true;
}

void TGlideTabControlPropertyItems::EndAnimation()
{
    FCurrentTickCount = FEndTickCount;
    // An ended transition shows its target look, not the step it had reached.
    if (FStartTickCount != 0)
        TransformColors(true);
}

// ---- base control ----

TBaseGlideTabsControl::TBaseGlideTabsControl(IGlideTabs *GlideTabs) : FGlideTabs(GlideTabs) {}

void TBaseGlideTabsControl::DoChanged() { FGlideTabs->DoOnChange(nullptr, tcControlState); }

bool TBaseGlideTabsControl::Right_To_Left() const
{
    const TBiDiMode M = FGlideTabs->GetBiDiMode();
    return M == bdRightToLeft || M == bdRightToLeftNoAlign;
}

TTabOrientation TBaseGlideTabsControl::Orientation() const
{
    return FGlideTabs->GetOptions().Display().Tabs().Orientation();
}

TGlideRect TBaseGlideTabsControl::GetBiDiControlRect() const
{
    return FOverrideBidi ? FControlRect : FGlideTabs->BidiRect(FControlRect);
}

TGlideRect TBaseGlideTabsControl::ScrolledRect(const TGlideRect &Rect) const
{
    return FScrollableControl ? FGlideTabs->BidiScrollRect(Rect) : Rect;
}

TGlideRect TBaseGlideTabsControl::ControlRectScrolled() const { return FGlideTabs->BidiScrollRect(FControlRect); }

TGlideRect TBaseGlideTabsControl::MirroredRect(const TGlideRect &Rect) const
{
    return Right_To_Left() ? FGlideTabs->BidiRect(Rect) : Rect;
}

TPolygon TBaseGlideTabsControl::NewPolygon(const TGlideRect &Rect, const TPolygon &Points,
                                           TTabOrientation AOrientation) const
{
    return PlacePolygonPoints(ScrolledRect(Rect), Points, AOrientation);
}

TPolygon TBaseGlideTabsControl::BidiPolygon(const TPolygon &Polygon) const
{
    return Right_To_Left() ? MirrorPolygonInRect(GetBiDiControlRect(), Polygon) : Polygon;
}

IGlideTabPolygons TBaseGlideTabsControl::InternalGetPolygons(TGlideTabItemType ItemType, const TAABrush *DefaultBrush,
                                                             const TAAPen *DefaultPen)
{
    IGlideTabPolygons Polygons;
    FGlideTabs->DoOnGetControlPolygons(this, FControlRect, ItemType, Orientation(), Polygons);
    if (Polygons) {
        for (int I = 0; I < Polygons->PolygonCount(); ++I) {
            TGlideTabPolygon &P = Polygons->GetPolygons(I);
            if (!P.Brush())
                P.SetBrush(DefaultBrush);
            if (!P.Pen())
                P.SetPen(DefaultPen);
        }
    }
    return Polygons;
}

bool TBaseGlideTabsControl::ContainsPoint(QPoint Point)
{
    IGlideTabPolygons Polygons = GetPolygons();
    if (!Polygons)
        return false;
    for (int I = 0; I < Polygons->PolygonCount(); ++I)
        if (PolygonContainsPoint(Polygons->GetPolygons(I).Polygon(), Point.x(), Point.y()))
            return true;
    return false;
}

void TBaseGlideTabsControl::SetDrawState(TDrawState Value, std::uint32_t, TGlideTabsEaseType, bool ForceUpdate)
{
    if (ForceUpdate || Value != FDrawState) {
        FDrawState = Value;
        DoChanged();
    }
}

void TBaseGlideTabsControl::SetPosition(const TGlideRect &Rect, std::uint32_t AnimationTime,
                                        TGlideTabsEaseType EaseType)
{
    FEaseType = EaseType;
    FAnimationTime = AnimationTime;
    // A movement of no length is a jump: it could never take a step.
    if (FPositionInitialised && EaseType != ttNone && AnimationTime > 0) {
        // The same target again leaves a running movement undisturbed.
        if (Rect == FEndRect)
            return;
        FEndRect = Rect;
        FStartRect = FControlRect;
        FStartTicks = Animation_Start_Tick();
        FCurrentTickCount = 0;
    } else {
        FPositionInitialised = true;
        EndStyleAnimation();
        FControlRect = Rect;
        FStartRect = Rect;
        FEndRect = Rect;
        FStartTicks = AnimationTime;
        FCurrentTickCount = AnimationTime;
    }
}

bool TBaseGlideTabsControl::AnimateMovement()
{
    if (FStartTicks == 0 || FCurrentTickCount >= FAnimationTime)
        return false;
    FCurrentTickCount = std::min(Tick_Count() - FStartTicks, FAnimationTime);
    // The last step lands exactly on the target, whatever the curve's end value.
    FControlRect = FCurrentTickCount >= FAnimationTime
                       ? FEndRect
                       : EaseRect(FStartRect, FEndRect, FCurrentTickCount, FAnimationTime, FEaseType);
    return true;
}

void TBaseGlideTabsControl::SetLeft(int Value, std::uint32_t AnimationTime, TGlideTabsEaseType EaseType)
{
    SetPosition({Value, FControlRect.Top, Value + FControlRect.Width(), FControlRect.Bottom}, AnimationTime, EaseType);
}

void TBaseGlideTabsControl::SetTop(int Value, std::uint32_t AnimationTime, TGlideTabsEaseType EaseType)
{
    SetPosition({FControlRect.Left, Value, FControlRect.Right, Value + FControlRect.Height()}, AnimationTime, EaseType);
}

void TBaseGlideTabsControl::SetWidth(int Value, std::uint32_t AnimationTime, TGlideTabsEaseType EaseType)
{
    SetPosition({FControlRect.Left, FControlRect.Top, FControlRect.Left + Value, FControlRect.Bottom}, AnimationTime,
                EaseType);
}

void TBaseGlideTabsControl::SetHeight(int Value, std::uint32_t AnimationTime, TGlideTabsEaseType EaseType)
{
    SetPosition({FControlRect.Left, FControlRect.Top, FControlRect.Right, FControlRect.Top + Value}, AnimationTime,
                EaseType);
}

// ---- buttons ----

TBaseGlideButtonControl::TBaseGlideButtonControl(IGlideTabs *GlideTabs)
    : TBaseGlideTabsControl(GlideTabs), FButtonControlPropertyItems(std::make_unique<TGlideTabControlPropertyItems>()),
      FSymbolControlPropertyItems(std::make_unique<TGlideTabControlPropertyItems>())
{
}

void TBaseGlideButtonControl::Invalidate()
{
    FButtonBrush.reset();
    FButtonPen.reset();
    FSymbolBrush.reset();
    FSymbolPen.reset();
}

void TBaseGlideButtonControl::SetDrawState(TDrawState Value, std::uint32_t AnimationTimeMS,
                                           TGlideTabsEaseType EaseType, bool ForceUpdate)
{
    if (!ForceUpdate && Value == FDrawState)
        return;
    FDrawState = Value;
    SelectStyles();
    FButtonControlPropertyItems->SetProperties(FButtonStyle, nullptr, nullptr, AnimationTimeMS, EaseType);
    FSymbolControlPropertyItems->SetProperties(FSymbolStyle, nullptr, nullptr, AnimationTimeMS, EaseType);
    Invalidate();
    TBaseGlideTabsControl::SetDrawState(Value, AnimationTimeMS, EaseType, true);
}

bool TBaseGlideButtonControl::AnimateStyle()
{
    bool Changed = false;
    if (FButtonControlPropertyItems->TransformColors(false)) {
        Changed = true;
        FButtonBrush.reset();
        FButtonPen.reset();
        if (FSymbolControlPropertyItems->TransformColors(false)) {
            FSymbolBrush.reset();
            FSymbolPen.reset();
        }
    }
    if (Changed)
        Invalidate();
    return Changed;
}

namespace {

std::unique_ptr<TAABrush> Gradient(const TGlideRect &R, const TGlideTabControlProperties &C)
{
    return std::make_unique<TAABrush>(TAABrush::Linear(QPointF(0, R.Top), ToArgb(C.StartColor, C.StartAlpha),
                                                       QPointF(0, R.Bottom), ToArgb(C.StopColor, C.StopAlpha)));
}

std::unique_ptr<TAAPen> Outline(const TGlideTabControlProperties &C)
{
    return std::make_unique<TAAPen>(TAAPen{ToArgb(C.OutlineColor, C.OutlineAlpha), C.OutlineSize});
}

} // namespace

const TAABrush *TBaseGlideButtonControl::GetButtonBrush()
{
    if (!FButtonBrush)
        FButtonBrush = Gradient(FControlRect, FButtonControlPropertyItems->CurrentTabProperties());
    return FButtonBrush.get();
}

const TAAPen *TBaseGlideButtonControl::GetButtonPen()
{
    if (!FButtonPen)
        FButtonPen = Outline(FButtonControlPropertyItems->CurrentTabProperties());
    return FButtonPen.get();
}

const TAABrush *TBaseGlideButtonControl::GetSymbolBrush()
{
    if (!FSymbolBrush)
        FSymbolBrush = Gradient(FControlRect, FSymbolControlPropertyItems->CurrentTabProperties());
    return FSymbolBrush.get();
}

const TAAPen *TBaseGlideButtonControl::GetSymbolPen()
{
    if (!FSymbolPen)
        FSymbolPen = Outline(FSymbolControlPropertyItems->CurrentTabProperties());
    return FSymbolPen.get();
}

void TBaseGlideButtonControl::Draw_Item(TAACanvas &TargetCanvas, TGlideTabItemType ItemType)
{
    bool Handled = false;
    FGlideTabs->DoOnBeforeDrawItem(TargetCanvas, FControlRect, ItemType, -1, Handled);
    if (!Handled) {
        if (IGlideTabPolygons Polygons = GetPolygons())
            Polygons->DrawTo(TargetCanvas, dfBrushAndPen);
    }
    FGlideTabs->DoOnAfterDrawItem(TargetCanvas, FControlRect, ItemType, -1);
}

void TBaseGlideButtonControl::Select_State_Styles(const TGlideTabsLookAndFeelButtonItems &Button,
                                                  const TGlideTabsLookAndFeelButtonItems &Symbol)
{
    switch (FDrawState) {
    case dsDown:
        FButtonStyle = &Button.Down();
        FSymbolStyle = &Symbol.Down();
        break;
    case dsHot:
        FButtonStyle = &Button.Hot();
        FSymbolStyle = &Symbol.Hot();
        break;
    default:
        FButtonStyle = &Button.Normal();
        FSymbolStyle = &Symbol.Normal();
        break;
    }
}

void TBaseGlideButtonControl::Select_State_Styles(const TGlideTabsLookAndFeelDisabledButton &Button,
                                                  const TGlideTabsLookAndFeelDisabledButton &Symbol)
{
    if (FDrawState == dsDisabled) {
        FButtonStyle = &Button.Disabled();
        FSymbolStyle = &Symbol.Disabled();
        return;
    }
    Select_State_Styles(static_cast<const TGlideTabsLookAndFeelButtonItems &>(Button),
                        static_cast<const TGlideTabsLookAndFeelButtonItems &>(Symbol));
}

TAddButtonControl::TAddButtonControl(IGlideTabs *GlideTabs) : TBaseGlideButtonControl(GlideTabs)
{
    FControlType = itAddButton;
    const TGlideTabsLookAndFeelAddButton &L = GlideTabs->GetLookAndFeel().AddButton();
    FButtonStyle = &L.Button().Normal();
    FSymbolStyle = &L.PlusSign().Normal();
}

void TAddButtonControl::SelectStyles()
{
    const TGlideTabsLookAndFeelAddButton &L = FGlideTabs->GetLookAndFeel().AddButton();
    Select_State_Styles(L.Button(), L.PlusSign());
}

IGlideTabPolygons TAddButtonControl::GetPolygons()
{
    IGlideTabPolygons Result = InternalGetPolygons(itAddButton, GetButtonBrush(), GetButtonPen());
    if (Result)
        return Result;
    Result = New_Polygons();
    const TGlideRect R = GetBiDiControlRect();
    const int W = FControlRect.Width();
    const int H = FControlRect.Height();
    const TTabOrientation O = Orientation();
    const TPolygon Outline_Points{{7, H}, {4, H - 2}, {0, 2}, {1, 0}, {W - 7, 0}, {W - 4, 2}, {W, H - 2}, {W, H}};
    Result->AddPolygon(BidiPolygon(NewPolygon(R, Outline_Points, O)), GetButtonBrush(), GetButtonPen());
    const TGlideTabsAddButtonProperties &Add = FGlideTabs->GetOptions().Display().AddButton();
    if (Add.ShowPlusSign()) {
        const int A = Add.Width() / 2 - 4;
        const int B = Add.Height() / 2 - 4;
        const TGlideRect Plus_Rect{R.Left + A, R.Top + B, R.Right - A, R.Bottom - B};
        const TPolygon Plus{{0, 3}, {3, 3}, {3, 0}, {6, 0}, {6, 3}, {9, 3}, {9, 6},
                            {6, 6}, {6, 9}, {3, 9}, {3, 6}, {0, 6}, {0, 3}};
        Result->AddPolygon(BidiPolygon(NewPolygon(Plus_Rect, Plus, O)), GetSymbolBrush(), GetSymbolPen());
    }
    return Result;
}

void TAddButtonControl::DrawTo(TAACanvas &TargetCanvas, int, int, const TClipPolygons &)
{
    Draw_Item(TargetCanvas, itAddButton);
}

void TScrollButtonControl::SelectStyles()
{
    const TGlideTabsLookAndFeelScrollButton &L = FGlideTabs->GetLookAndFeel().ScrollButtons();
    Select_State_Styles(L.Button(), L.Arrow());
}

void TScrollButtonControl::DrawTo(TAACanvas &TargetCanvas, int, int, const TClipPolygons &)
{
    Draw_Item(TargetCanvas, FControlType);
}

IGlideTabPolygons TScrollButtonControl::Scroll_Polygons(bool Left)
{
    IGlideTabPolygons Result =
        InternalGetPolygons(Left ? itScrollLeftButton : itScrollRightButton, GetButtonBrush(), GetButtonPen());
    if (Result)
        return Result;
    Result = New_Polygons();
    const TGlideRect R = GetBiDiControlRect();
    const int W = FControlRect.Width();
    const int H = FControlRect.Height();
    const TTabOrientation O = Orientation();
    Result->AddPolygon(BidiPolygon(NewPolygon(R, {{0, H}, {0, 0}, {W, 0}, {W, H}}, O)), GetButtonBrush(),
                       GetButtonPen());
    const TPolygon Arrow = Left ? TPolygon{{3, H / 2}, {W - 3, 2}, {W - 3, H - 2}, {3, H / 2}}
                                : TPolygon{{W - 3, H / 2}, {3, 2}, {3, H - 2}, {W - 3, H / 2}};
    Result->AddPolygon(BidiPolygon(NewPolygon(R, Arrow, O)), GetSymbolBrush(), GetSymbolPen());
    return Result;
}

TScrollButtonLeftControl::TScrollButtonLeftControl(IGlideTabs *GlideTabs) : TScrollButtonControl(GlideTabs)
{
    FControlType = itScrollLeftButton;
}

TScrollButtonRightControl::TScrollButtonRightControl(IGlideTabs *GlideTabs) : TScrollButtonControl(GlideTabs)
{
    FControlType = itScrollRightButton;
}
