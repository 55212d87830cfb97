#include "controls/GlideTabs.h"
#include "controls/GlideTabsUtils.h"
#include "controls/GlideTabsWidgetUtils.h"
#include "platform/Clock.h"
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

// Redraw batching, the paint pass, hot states, style and movement of the
// drawn parts, and the animation tick.

namespace {

// Due when Now has passed Next; holds across the 32-bit wrap of the tick count.
bool Tick_Due(std::uint32_t Now, std::uint32_t Next) { return static_cast<std::int32_t>(Now - Next) > 0; }

} // namespace

// ---- redraw batching ----

void TCustomGlideTabs::Redraw()
{
    if (FUpdateCount > 0) {
        ++FPausedUpdateCount;
        AddState(stsPendingUpdates);
        return;
    }
    RemoveState(stsPendingUpdates);
    Paint_Now();
}

void TCustomGlideTabs::Paint_Now()
{
    ++FRepaintCount;
    // A request that arrives while the strip paints (a part reporting a
    // change from inside the pass) is queued instead of nesting a paint.
    if (FPainting)
        update();
    else
        repaint();
}

void TCustomGlideTabs::BeginUpdate()
{
    if (FUpdateCount == 0)
        FPausedUpdateCount = 0;
    ++FUpdateCount;
}

void TCustomGlideTabs::EndUpdate()
{
    if (FUpdateCount <= 0)
        return;
    --FUpdateCount;
    if (FUpdateCount == 0 && FPausedUpdateCount > 0) {
        FPausedUpdateCount = 0;
        Redraw();
    }
}

void TCustomGlideTabs::InvalidateAllControls()
{
    if (!Ready_To_Draw() || FInvalidatingControls)
        return;
    FInvalidatingControls = true;
    struct TGuard
    {
        bool &Flag;
        ~TGuard() { Flag = false; }
    } Guard{FInvalidatingControls};
    for (int I = 0; I < FTabs->Count(); ++I)
        if (TGlideTabControl *C = GetTabControl(I))
            SetControlDrawState(C, C->DrawState(), true);
    FLookAndFeel->Invalidate();
    FAddButtonControl->Invalidate();
    FScrollButtonLeftControl->Invalidate();
    FScrollButtonRightControl->Invalidate();
    if (!HasState(stsDeletingUnPinnedTabs))
        AddState(stsControlPositionsInvalidated);
    Redraw();
}

// ---- style and movement of one part ----

void TCustomGlideTabs::SetControlDrawState(TBaseGlideTabsControl *Control, TDrawState NewState, bool ForceUpdate)
{
    if (!Control)
        return;
    const TDrawState Old = Control->DrawState();
    if (Old == NewState && !ForceUpdate)
        return;
    const bool Designing = FComponentState & csDesigning;
    const TGlideTabsAnimationOptions &A = FOptions->Animation();
    TGlideTabsEaseType Ease = A.DefaultStyleEaseType();
    std::uint32_t Duration = A.DefaultStyleAnimationTimeMS();
    // Tabs fade only between the hot look and the inactive one; buttons fade on every change.
    const bool Hot_Fade = (Old == dsHot && NewState != dsActive) || (NewState == dsHot && Old != dsActive);
    if (Designing || (Control->ControlType() == itTab && !Hot_Fade))
        Ease = ttNone;
    if (Old != NewState && !Designing)
        DoOnAnimateStyle(Control, NewState, Duration, Ease);
    Control->SetDrawState(NewState, Duration, Ease, ForceUpdate);
}

void TCustomGlideTabs::SetControlPosition(TBaseGlideTabsControl *Control, const TGlideRect &Rect, bool Animate)
{
    if (!Control)
        return;
    const bool Designing = FComponentState & csDesigning;
    TGlideTabsEaseType Ease = ttNone;
    std::uint32_t Time = 0;
    if (Animate && !Designing) {
        Ease = FMovementEaseType;
        Time = FMovementAnimationTime;
    }
    if (!Designing)
        DoOnAnimateMovement(Control, Time, Ease);
    Control->SetPosition(Rect, Time, Ease);
}

void TCustomGlideTabs::SetControlLeft(TBaseGlideTabsControl *Control, int Left, bool Animate)
{
    const TGlideRect R = Control->ControlRect();
    SetControlPosition(Control, {Left, R.Top, Left + R.Width(), R.Bottom}, Animate);
}

void TCustomGlideTabs::SetMovementAnimation(const TGlideTabsMovementAnimationTypes *Entry)
{
    if (!Entry) {
        FMovementEaseType = ttNone;
        FMovementAnimationTime = 0;
        return;
    }
    const TGlideTabsAnimationOptions &A = FOptions->Animation();
    FMovementEaseType = A.GetMovementAnimationEaseType(*Entry);
    FMovementAnimationTime = A.GetMovementAnimationTime(*Entry);
}

// ---- hot states ----

void TCustomGlideTabs::SetControlDrawStates(bool ForceUpdate)
{
    if (FActiveDragTabObject)
        return;
    TGlideTabsUpdate Batch(*this);
    const THitTestResult H = HitTest(QPoint(FLastMouseX, FLastMouseY));
    if (!ForceUpdate && (HasState(stsPendingUpdates) || H == FLastHitTestResult))
        return;
    FLastHitTestResult = H;

    const bool Rtl = Right_To_Left();
    const int Max = MaxScrollOffset();
    TDrawState Left = ((!Rtl && FScrollOffset == 0) || (Rtl && FScrollOffset == Max)) ? dsDisabled : dsActive;
    TDrawState Right = ((!Rtl && FScrollOffset == Max) || (Rtl && FScrollOffset == 0)) ? dsDisabled : dsActive;
    TDrawState Add = dsNotActive;
    const TDrawState Pressed = HasState(stsMouseDown) ? dsDown : dsHot;
    const bool Button_Area =
        H.HitTestArea == htAddButton || H.HitTestArea == htScrollButtonLeft || H.HitTestArea == htScrollButtonRight;
    if (H.HitTestArea == htAddButton)
        Add = Pressed;
    else if (H.HitTestArea == htScrollButtonLeft && FScrollOffset > 0)
        Left = Pressed;
    else if (H.HitTestArea == htScrollButtonRight && FScrollOffset < Max)
        Right = Pressed;
    SetControlDrawState(FScrollButtonLeftControl.get(), Left, ForceUpdate);
    SetControlDrawState(FScrollButtonRightControl.get(), Right, ForceUpdate);
    SetControlDrawState(FAddButtonControl.get(), Add, ForceUpdate);
    if (Button_Area)
        return;
    for (int I = 0; I < FTabs->Count(); ++I) {
        TGlideTab *T = FTabs->GetItem(I);
        TGlideTabControl *C = T->TabControl();
        if (!C)
            continue;
        if (I == H.TabIndex && !HasState(stsDragging)) {
            if (!T->Active())
                SetControlDrawState(C, dsHot, ForceUpdate);
            if (H.HitTestArea == htCloseButton)
                C->SetCloseButtonState(Pressed);
            else
                C->SetCloseButtonState(T->Active() ? dsActive : dsNotActive);
        } else {
            if (!T->Active())
                SetControlDrawState(C, dsNotActive, ForceUpdate);
            C->SetCloseButtonState(dsNotActive);
        }
    }
}

// ---- the paint pass ----

bool TCustomGlideTabs::Tab_On_Screen(TGlideTabControl *Control) const
{
    const TGlideRect R = Control->ControlRect();
    return R.Right >= FScrollOffset && R.Left <= width() + FScrollOffset;
}

void TCustomGlideTabs::Clip_To_Tab_Region(TAACanvas &Canvas)
{
    const TGlideTabsOptions &T = FOptions->Display().Tabs();
    Canvas.Reset_Clip();
    const TGlideRect R = FOptions->Display().TabContainer().OverlayButtons()
                             ? BidiRect({T.OffsetLeft(), T.OffsetTop(), width() - T.OffsetRight(),
                                         height() - T.OffsetBottom()})
                             : BidiRect(FTabContainerRect);
    Canvas.Set_Clip_Rect(ToRectF(R), TAACombineMode::Replace);
}

void TCustomGlideTabs::DrawCanvas()
{
    if (!Ready_To_Draw())
        return;
    const std::uint32_t Started = Tick_Count();
    struct TLog_Timing
    {
        TCustomGlideTabs *S;
        std::uint32_t Started;
        ~TLog_Timing()
        {
            S->DoOnDebugLog(QStringLiteral("Canvas Draw: %d ms"), {static_cast<int>(Tick_Count() - Started)});
        }
    } Log{this, Started};

    if (HasState(stsControlPositionsInvalidated)
        || (HasState(stsAnimatingMovement) && GetTabDisplayState() == tdNormal)) {
        RemoveState(stsControlPositionsInvalidated);
        CalculateButtonRects();
        CalculateTabRects();
    }
    if (HasState(stsFirstPaint)) {
        RemoveState(stsFirstPaint);
        SetControlDrawStates(true);
    }

    const QSize Size(std::max(1, width()), std::max(1, height()));
    QImage Canvas_Image(Size, QImage::Format_ARGB32_Premultiplied);
    QImage Background_Image(Size, QImage::Format_ARGB32_Premultiplied);
    Canvas_Image.fill(parentWidget() ? Qt::transparent : palette().window().color());
    Background_Image.fill(Qt::transparent);
    {
        QPainter Canvas_Painter(&Canvas_Image);
        QPainter Background_Painter(&Background_Image);
        TAACanvas Canvas(Canvas_Painter);
        TAACanvas Background(Background_Painter);
        const int Smoothing = FOptions->Display().Tabs().CanvasSmoothingMode();
        Canvas.Set_Smoothing_Mode(Smoothing);
        Background.Set_Smoothing_Mode(Smoothing);
        const TGlideRect Client{0, 0, width(), height()};

        bool Canvas_Handled = false, Background_Handled = false;
        DoOnBeforeDrawItem(Canvas, Client, itTabContainer, -1, Canvas_Handled);
        DoOnBeforeDrawItem(Background, Client, itBackground, -1, Background_Handled);
        PaintParentBackground(this, Canvas_Painter);
        PaintParentBackground(this, Background_Painter);
        if (!FOptions->Display().TabContainer().TransparentBackground()) {
            TGlideTabsLookAndFeelStyle &Style = FLookAndFeel->TabsContainer();
            for (TAACanvas *Surface : {Canvas_Handled ? nullptr : &Canvas, Background_Handled ? nullptr : &Background}) {
                if (!Surface)
                    continue;
                Surface->Fill_Rect(ToRectF(Client), Style.GetBrush(Client));
                Surface->Draw_Rect(ToRectF(Client), Style.GetPen());
            }
        }
        DoOnAfterDrawItem(Background, Client, itBackground, -1);

        const int Active = ActiveTabIndex();
        TGlideTab *Active_Tab = Active >= 0 ? FTabs->GetItem(Active) : nullptr;
        const bool Home_Drag = FDragTabObject != nullptr;
        const bool See_Through = FOptions->Display().Tabs().SeeThroughTabs();
        for (int I = FTabs->Count() - 1; I >= 0; --I) {
            TGlideTab *T = FTabs->GetItem(I);
            TGlideTabControl *C = T->TabControl();
            if (!C || !T->Visible() || I == Active || !Tab_On_Screen(C))
                continue;
            Clip_To_Tab_Region(Canvas);
            TClipPolygons Clip;
            if (!See_Through) {
                for (int P = I - 1; P >= 0; --P) {
                    TGlideTab *Prev = FTabs->GetItem(P);
                    if (!Prev->Visible() || !Prev->TabControl())
                        continue;
                    if (!(P == Active && Home_Drag))
                        Clip.push_back(Prev->TabControl()->GetPolygons());
                    break;
                }
                if (Active_Tab && Active == I + 1 && !Home_Drag && Active_Tab->Visible() && Active_Tab->TabControl())
                    Clip.push_back(Active_Tab->TabControl()->GetPolygons());
            }
            C->DrawTo(Canvas, FLastMouseX, FLastMouseY, Clip);
        }

        if (FOptions->Display().Tabs().BaseLineTabRegionOnly())
            Clip_To_Tab_Region(Canvas);
        else
            Canvas.Reset_Clip();
        const TAAPen &Base = FLookAndFeel->Tabs().BaseLine().GetPen();
        if (FOptions->Display().Tabs().Orientation() == toTop)
            Canvas.Draw_Line(QPointF(0, FTabContainerRect.Bottom - 1), QPointF(width(), FTabContainerRect.Bottom - 1),
                             Base);
        else
            Canvas.Draw_Line(QPointF(0, FTabContainerRect.Top), QPointF(width(), FTabContainerRect.Top), Base);

        Clip_To_Tab_Region(Canvas);
        if (Active_Tab && Active_Tab->Visible() && Active_Tab->TabControl() && Tab_On_Screen(Active_Tab->TabControl())
            && (!Home_Drag || (FDragTabObject->DockControl() == this && FDragTabObject->SourceControl() == this)))
            Active_Tab->TabControl()->DrawTo(Canvas, FLastMouseX, FLastMouseY, {});

        Canvas.Reset_Clip();
        if (FDragTabControl)
            FDragTabControl->DrawTo(Canvas, FLastMouseX, FLastMouseY, {});

        const bool Hide_For_Dock = FActiveDragTabObject && FActiveDragTabObject->DockControl() == this
                                   && FActiveDragTabObject->HideAddButton();
        const bool Hide_For_Source = FDragTabObject && FDragTabObject->HideAddButton();
        if (FOptions->Display().AddButton().Visibility() != avNone && !Hide_For_Dock && !Hide_For_Source
            && width() >= FAddButtonControl->ControlRect().Width())
            FAddButtonControl->DrawTo(Canvas, FLastMouseX, FLastMouseY, {});
        if (FOptions->Scrolling().Enabled() && ScrollButtonsVisible()) {
            FScrollButtonLeftControl->DrawTo(Canvas, FLastMouseX, FLastMouseY, {});
            FScrollButtonRightControl->DrawTo(Canvas, FLastMouseX, FLastMouseY, {});
        }
        DoOnAfterDrawItem(Canvas, Client, itTabContainer, -1);
    }
    FCanvasBmp = std::move(Canvas_Image);
    FBackgroundBmp = std::move(Background_Image);
}

void TCustomGlideTabs::paintEvent(QPaintEvent *)
{
    FPainting = true;
    struct TGuard
    {
        bool &Flag;
        ~TGuard() { Flag = false; }
    } Guard{FPainting};
    DrawCanvas();
    if (FCanvasBmp.isNull())
        return;
    QPainter P(this);
    P.setCompositionMode(QPainter::CompositionMode_Source);
    P.drawImage(QPoint(0, 0), FCanvasBmp);
}

void TCustomGlideTabs::resizeEvent(QResizeEvent *Event)
{
    QWidget::resizeEvent(Event);
    if (!FOptions)
        return;
    Scroll_Adjustment(false);
    AddState(stsResizing);
    SetControlDrawStates(true);
    InvalidateAllControls();
    Redraw();
}

void TCustomGlideTabs::moveEvent(QMoveEvent *Event)
{
    QWidget::moveEvent(Event);
    if (!(FComponentState & csLoading))
        Redraw();
}

// ---- the animation tick ----

void TCustomGlideTabs::AnimateTimerTick()
{
    if (FComponentState & csDestroying)
        return;
    RemoveState(stsAnimatingMovement);
    RemoveState(stsAnimatingStyle);
    const std::uint32_t Now = Tick_Count();
    const bool Glow_Due = Tick_Due(Now, FNextModifiedGlowAnimateTickCount);
    if (Glow_Due)
        FNextModifiedGlowAnimateTickCount = Now + FOptions->Display().TabModifiedGlow().AnimationUpdateMS();
    const bool Spinner_Due = Tick_Due(Now, FNextSpinnerAnimateTickCount);
    if (Spinner_Due)
        FNextSpinnerAnimateTickCount = Now + FOptions->Display().TabSpinners().AnimationUpdateMS();

    const TGlideTabsAnimationOptions &A = FOptions->Animation();
    for (int I = FTabs->Count() - 1; I >= 0; --I) {
        if (I >= FTabs->Count())
            continue;
        TGlideTab *T = FTabs->GetItem(I);
        TGlideTabControl *C = T->TabControl();
        if (!C)
            continue;
        if (Glow_Due && C->AnimateModified())
            AddState(stsAnimatingStyle);
        if (Spinner_Due && C->AnimateSpinner())
            AddState(stsAnimatingStyle);
        if (C->AnimateStyle())
            AddState(stsAnimatingStyle);
        const bool Is_Active = T->Active();
        if (C->AnimateMovement()) {
            AddState(stsAnimatingMovement);
            if (Is_Active && HasState(stsAnimatingNewTab))
                ScrollIntoView(T);
        } else if (Is_Active && HasState(stsAnimatingNewTab)) {
            RemoveState(stsAnimatingNewTab);
            Scroll_Adjustment(true);
            ScrollIntoView(T);
        }
        if (T->MarkedForDeletion()) {
            AddState(stsControlPositionsInvalidated);
            AddState(stsAnimatingMovement);
            if (C->ControlRect().Width() <= A.MinimumTabAnimationWidth()) {
                FTabs->DeleteTab(I, true);
                RemoveState(stsAnimatingCloseTab);
            }
        }
    }
    for (TBaseGlideTabsControl *B : std::initializer_list<TBaseGlideTabsControl *>{
             FAddButtonControl.get(), FScrollButtonLeftControl.get(), FScrollButtonRightControl.get()}) {
        if (B->AnimateMovement())
            AddState(stsAnimatingMovement);
        if (B->AnimateStyle())
            AddState(stsAnimatingStyle);
    }
    if (HasState(stsAnimatingMovement) || HasState(stsAnimatingStyle)) {
        if (HasState(stsDeletingUnPinnedTabs) && !HasState(stsDragging))
            SetControlDrawStates(false);
        Redraw();
    }
    if (FDragTabObject && FDragTabObject->DockControl() && FDragTabObject->DockControl() != FDragTabObject->SourceControl())
        FDragTabObject->DockControl()->FireScrollTimer();
}
