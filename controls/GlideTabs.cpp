#include "controls/GlideTabs.h"
#include "controls/GlideTabsUtils.h"
#include "platform/Clock.h"
#include <QTimer>
#include <algorithm>

// Construction, the change notifications of the model, scrolling, the hit
// test, the public operations and the event dispatchers.

namespace {
const QString No_Caption_Text = QStringLiteral("<No Caption>");
}

TCustomGlideTabs::TCustomGlideTabs(QWidget *Parent) : QWidget(Parent)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    FLookAndFeel = std::make_unique<TGlideTabsLookAndFeel>(this);
    FOptions = std::make_unique<TOptions>(this);
    FTabs = std::make_unique<TGlideTabsList>(this);
    FAddButtonControl = std::make_unique<TAddButtonControl>(this);
    FScrollButtonLeftControl = std::make_unique<TScrollButtonLeftControl>(this);
    FScrollButtonRightControl = std::make_unique<TScrollButtonRightControl>(this);

    // The three intervals are the option objects' constructor values: the
    // strip defaults are applied only afterwards.
    FAnimateTimer = new TThreadTimer(this);
    FAnimateTimer->SetInterval(FOptions->Animation().AnimationTimerInterval());
    FAnimateTimer->SetEnabled(true);
    FAnimateTimer->OnTimer = [this](TThreadTimer *) { AnimateTimerTick(); };
    FCancelTabSmartResizeTimer = new QTimer(this);
    FCancelTabSmartResizeTimer->setInterval(FOptions->Behaviour().TabSmartDeleteResizeCancelDelay());
    connect(FCancelTabSmartResizeTimer, &QTimer::timeout, this, [this] { Cancel_Smart_Resize_Tick(); });
    FScrollTimer = new QTimer(this);
    FScrollTimer->setInterval(FOptions->Scrolling().ScrollRepeatDelay());
    connect(FScrollTimer, &QTimer::timeout, this, [this] { FireScrollTimer(); });

    resize(300, 30);
    FScrollOffset = 0;
    // Due times are compared across the wrap of the tick count, so they start
    // at the present rather than at 0 (which may lie "in the future").
    FNextModifiedGlowAnimateTickCount = Tick_Count();
    FNextSpinnerAnimateTickCount = FNextModifiedGlowAnimateTickCount;
    SetDefaultOptions(*FOptions);
    SetDefaultLookAndFeel(*FLookAndFeel);
    for (int I = 0; I < FTabs->Count(); ++I)
        if (TGlideTabControl *C = GetTabControl(I))
            SetControlDrawState(C, C->DrawState(), true);
    FControlConstructed = true;

    // What the window's creation does: a Qt widget has no separate handle phase.
    for (TBaseGlideTabsControl *B : std::initializer_list<TBaseGlideTabsControl *>{
             FAddButtonControl.get(), FScrollButtonLeftControl.get(), FScrollButtonRightControl.get()})
        B->SetDrawState(dsNotActive, 0, ttNone, true);
    SetControlDrawStates(true);
    AddState(stsControlPositionsInvalidated);
    AddState(stsFirstPaint);
    Redraw();
}

TCustomGlideTabs::~TCustomGlideTabs()
{
    FComponentState |= csDestroying;
    for (int Slot = 0; Slot < 4; ++Slot)
        Set_Image_List(Slot, nullptr, false);
    FAnimateTimer->SetEnabled(false);
    FAnimateTimer->OnTimer = nullptr;
    FScrollTimer->stop();
    FCancelTabSmartResizeTimer->stop();
    FDragTabControl = nullptr;
    FForeignDragControl.reset();
    FTabs.reset();
    FScrollButtonLeftControl.reset();
    FScrollButtonRightControl.reset();
    FAddButtonControl.reset();
    FTabPopupMenu.reset();
    FOptions.reset();
    FLookAndFeel.reset();
    FActiveDragTabObject = nullptr;
    FDragTabObject.reset();
}

bool TCustomGlideTabs::Ready_To_Draw() const
{
    return FControlConstructed && !(FComponentState & (csLoading | csDestroying));
}

void TCustomGlideTabs::BeginLoading() { FComponentState |= csLoading; }

void TCustomGlideTabs::EndLoading()
{
    if (!(FComponentState & csLoading))
        return;
    FComponentState &= ~unsigned(csLoading);
    InvalidateAllControls();
}

void TCustomGlideTabs::UpdateTimerIntervals()
{
    if (!Ready_To_Draw())
        return;
    FAnimateTimer->SetInterval(FOptions->Animation().AnimationTimerInterval());
    FCancelTabSmartResizeTimer->setInterval(FOptions->Behaviour().TabSmartDeleteResizeCancelDelay());
    FScrollTimer->setInterval(FOptions->Scrolling().ScrollRepeatDelay());
}

// ---- counting ----

int TCustomGlideTabs::GetLastPinnedIndex()
{
    int P = -1;
    while (P + 1 < FTabs->Count() && FTabs->GetItem(P + 1)->Pinned())
        ++P;
    return P;
}

int TCustomGlideTabs::Visible_Pinned_Count(bool Include_Marked) const
{
    int N = 0;
    for (int I = 0; I < FTabs->Count() && FTabs->GetItem(I)->Pinned(); ++I) {
        const TGlideTab *T = FTabs->GetItem(I);
        if (T->Visible() && (Include_Marked || !T->MarkedForDeletion()))
            ++N;
    }
    return N;
}

int TCustomGlideTabs::Visible_Unpinned_Count(bool Include_Marked) const
{
    int First = 0;
    while (First < FTabs->Count() && FTabs->GetItem(First)->Pinned())
        ++First;
    int N = 0;
    for (int I = First; I < FTabs->Count(); ++I) {
        const TGlideTab *T = FTabs->GetItem(I);
        if (T->Visible() && (Include_Marked || !T->MarkedForDeletion()))
            ++N;
    }
    return N;
}

int TCustomGlideTabs::Last_Visible_Index(bool Include_Marked) const
{
    for (int I = FTabs->Count() - 1; I >= 0; --I) {
        const TGlideTab *T = FTabs->GetItem(I);
        if (T->Visible() && (Include_Marked || !T->MarkedForDeletion()))
            return I;
    }
    return -1;
}

int TCustomGlideTabs::Previous_Visible_Index(int Index) const
{
    for (int I = std::min(Index, FTabs->Count() - 1); I >= 0; --I)
        if (FTabs->GetItem(I)->Visible())
            return I;
    return -1;
}

bool TCustomGlideTabs::Tabs_Overflow() const { return width() < FScrollWidth - FTabEndSpace; }

bool TCustomGlideTabs::ScrollButtonsVisible() const
{
    const TGlideTabsScrollOptions &S = FOptions->Scrolling();
    return S.Enabled() && (Tabs_Overflow() || !S.AutoHideButtons());
}

TTabDisplayState TCustomGlideTabs::GetTabDisplayState() const
{
    if (Tabs_Overflow())
        return tdScrolling;
    if (Last_Visible_Index(false) < 0)
        return tdNormal;
    // The last visible tab may be one on its way out: it still fills its place.
    const TGlideTabControl *C = FTabs->GetItem(Last_Visible_Index(true))->TabControl();
    if (C && C->EndRect().Right >= FTabContainerRect.Right)
        return tdCompressed;
    return tdNormal;
}

// ---- scrolling ----

int TCustomGlideTabs::MaxScrollOffset() const
{
    int M = FScrollWidth - FTabContainerRect.Width();
    if (FTabs->Count() > 1 && FScrollWidth > 0)
        M += FOptions->Display().Tabs().TabOverlap();
    return std::max(0, M);
}

int TCustomGlideTabs::BidiScrollOffset() const { return Right_To_Left() ? -FScrollOffset : FScrollOffset; }

void TCustomGlideTabs::SetScrollOffset(int Value)
{
    if (!FOptions->Scrolling().Enabled() || Value == FScrollOffset)
        return;
    if (FTabs->Count() > 0)
        Value = std::min(Value, MaxScrollOffset());
    if (Value < 0)
        Value = 0;
    // A request that the limits bring back to the present offset changes
    // nothing, and must not restart the buttons' fades.
    if (Value == FScrollOffset)
        return;
    FScrollOffset = Value;
    AddState(stsControlPositionsInvalidated);
    SetControlDrawStates(true);
    Redraw();
    DoOnScroll();
}

void TCustomGlideTabs::ScrollTabs(TScrollDirection Direction, bool StartTimer)
{
    if (GetTabDisplayState() != tdScrolling)
        return;
    FScrollDirection = Direction;
    int Step = FOptions->Scrolling().ScrollStep();
    if (Right_To_Left())
        Step = -Step;
    if (Direction == mdsLeft)
        SetScrollOffset(FScrollOffset - Step);
    else if (Direction == mdsRight)
        SetScrollOffset(FScrollOffset + Step);
    if (StartTimer)
        FScrollTimer->start();
}

void TCustomGlideTabs::FireScrollTimer()
{
    // Only while a scroll repeat runs: a strip under a dragged tab scrolls
    // while the tab is at its edge, not for as long as the tab is over it.
    if (!FScrollTimer->isActive())
        return;
    if (GetTabDisplayState() == tdScrolling)
        ScrollTabs(FScrollDirection, true);
}

void TCustomGlideTabs::ScrollIntoView(TGlideTab *Tab)
{
    if (!Tab || !Tab->TabControl())
        return;
    const TGlideRect E = Tab->TabControl()->EndRect();
    if (E.Left < FScrollOffset)
        SetScrollOffset(E.Left);
    else if (E.Right > FTabContainerRect.Right + FScrollOffset)
        SetScrollOffset(E.Right + FOptions->Display().Tabs().TabOverlap() - FTabContainerRect.Width());
}

void TCustomGlideTabs::Scroll_Adjustment(bool Force)
{
    const int W = width();
    if (FOptions->Scrolling().Enabled() && FScrollOffset > 0 && (Force || FLastClientWidth < W)) {
        const int Last = Last_Visible_Index();
        const TGlideTabControl *C = Last >= 0 ? FTabs->GetItem(Last)->TabControl() : nullptr;
        if (C && C->ControlRect().Right < W + FScrollOffset)
            SetScrollOffset(MaxScrollOffset());
    }
    FLastClientWidth = W;
}

void TCustomGlideTabs::Clear_Smart_Resize_States()
{
    bool Changed = RemoveState(stsDeletingUnPinnedTabs);
    Changed = RemoveState(stsTabDeleted) || Changed;
    Changed = RemoveState(stsEndTabDeleted) || Changed;
    if (Changed)
        Redraw();
}

void TCustomGlideTabs::Cancel_Smart_Resize_Tick()
{
    FCancelTabSmartResizeTimer->stop();
    Clear_Smart_Resize_States();
    AddState(stsControlPositionsInvalidated);
    FLastClientWidth = -1;
    Scroll_Adjustment(false);
    Redraw();
}

// ---- geometry for the drawn parts ----

TGlideRect TCustomGlideTabs::ScrollRect(int ALeft, int ATop, int ARight, int ABottom)
{
    return {ALeft - FScrollOffset, ATop, ARight - FScrollOffset, ABottom};
}

TGlideRect TCustomGlideTabs::BidiScrollRect(const TGlideRect &ARect)
{
    const int O = BidiScrollOffset();
    return {ARect.Left - O, ARect.Top, ARect.Right - O, ARect.Bottom};
}

TGlideRect TCustomGlideTabs::BidiRect(const TGlideRect &ARect)
{
    return Right_To_Left() ? MirrorRectInRect({0, 0, width(), height()}, ARect) : ARect;
}

// ---- hit test ----

THitTestResult TCustomGlideTabs::HitTest(QPoint Pt, bool IgnoreDisabledControls)
{
    THitTestResult R{-1, htBackground};
    if (!rect().contains(Pt))
        return {-1, htNowhere};
    // The add button only counts where it is shown.
    const TGlideRect AddRect = FAddButtonControl->ControlRect();
    if (FOptions->Display().AddButton().Visibility() != avNone && AddRect.Width() > 0 && AddRect.Height() > 0
        && FAddButtonControl->ContainsPoint(Pt))
        return {-1, htAddButton};
    if (ScrollButtonsVisible()) {
        if (!(IgnoreDisabledControls && FScrollButtonLeftControl->DrawState() == dsDisabled)
            && FScrollButtonLeftControl->ContainsPoint(Pt))
            return {-1, htScrollButtonLeft};
        if (!(IgnoreDisabledControls && FScrollButtonRightControl->DrawState() == dsDisabled)
            && FScrollButtonRightControl->ContainsPoint(Pt))
            return {-1, htScrollButtonRight};
    }
    if (!FOptions->Display().TabContainer().OverlayButtons()) {
        const TGlideRect C = BidiRect(FTabContainerRect);
        if (Pt.x() < C.Left || Pt.x() >= C.Right || Pt.y() < C.Top || Pt.y() >= C.Bottom)
            return R;
    }
    const int Active = ActiveTabIndex();
    if (Active >= 0) {
        TGlideTab *T = FTabs->GetItem(Active);
        if (T->Visible() && T->TabControl()) {
            const THitTestArea A = T->TabControl()->GetHitTestArea(Pt.x(), Pt.y());
            if (A != htBackground)
                return {Active, A};
        }
    }
    for (int I = 0; I < FTabs->Count(); ++I) {
        TGlideTab *T = FTabs->GetItem(I);
        if (I == Active || !T->Visible() || !T->TabControl())
            continue;
        const THitTestArea A = T->TabControl()->GetHitTestArea(Pt.x(), Pt.y());
        if (A != htBackground)
            return {I, A};
    }
    return R;
}

TGlideTab *TCustomGlideTabs::GetTabUnderMouse()
{
    const THitTestResult H = HitTest(QPoint(FLastMouseX, FLastMouseY));
    return H.TabIndex >= 0 && H.TabIndex < FTabs->Count() ? FTabs->GetItem(H.TabIndex) : nullptr;
}

// ---- public operations ----

int TCustomGlideTabs::ActiveTabIndex() const
{
    for (int I = 0; I < FTabs->Count(); ++I)
        if (FTabs->GetItem(I)->Active())
            return I;
    return -1;
}

void TCustomGlideTabs::SetActiveTabIndex(int Value)
{
    if (Value >= 0 && Value < FTabs->Count())
        FTabs->SetActiveTab(FTabs->GetItem(Value));
}

TGlideTab *TCustomGlideTabs::ActiveTab() const { return FTabs->ActiveTab(); }
TGlideTab *TCustomGlideTabs::GetActiveTab() { return FTabs->ActiveTab(); }

void TCustomGlideTabs::SetActiveTab(TGlideTab *Value)
{
    if (Value)
        FTabs->SetActiveTab(Value);
}

void TCustomGlideTabs::SetOptions(const TOptions &Value)
{
    FOptions->Assign(Value);
    DoOnChange(nullptr, tcPropertyUpdated);
}

void TCustomGlideTabs::SetLookAndFeel(const TGlideTabsLookAndFeel &Value)
{
    FLookAndFeel->Assign(Value);
    FLookAndFeel->Invalidate();
    DoOnChange(nullptr, tcPropertyUpdated);
}

void TCustomGlideTabs::Set_Image_List(int Slot, const TAAImageList *Value, bool Redraw_After)
{
    const TAAImageList **Lists[4] = {&FImages, &FImagesOverlay, &FImagesSpinnerUpload, &FImagesSpinnerDownload};
    const TAAImageList *&List = *Lists[Slot];
    if (List && FImageListKeys[Slot])
        List->Remove_Free_Notification(FImageListKeys[Slot]);
    FImageListKeys[Slot] = 0;
    List = Value;
    if (Value) {
        // A list freed before the strip must not be drawn from afterwards.
        FImageListKeys[Slot] = Value->Free_Notification([this, Slot, Redraw_After](const TAAImageList *) {
            FImageListKeys[Slot] = 0;
            Set_Image_List(Slot, nullptr, Redraw_After);
        });
    }
    if (Redraw_After && !(FComponentState & csDestroying))
        Redraw();
}

void TCustomGlideTabs::SetImages(const TAAImageList *Value) { Set_Image_List(0, Value, true); }
void TCustomGlideTabs::SetImagesOverlay(const TAAImageList *Value) { Set_Image_List(1, Value, true); }
void TCustomGlideTabs::SetImagesSpinnerUpload(const TAAImageList *Value) { Set_Image_List(2, Value, false); }
void TCustomGlideTabs::SetImagesSpinnerDownload(const TAAImageList *Value) { Set_Image_List(3, Value, false); }

void TCustomGlideTabs::SetBiDiMode(TBiDiMode Value)
{
    if (Value == FBiDiMode)
        return;
    FBiDiMode = Value;
    AddState(stsControlPositionsInvalidated);
    Redraw();
}

TGlideTabControl *TCustomGlideTabs::GetTabControl(int Index) const
{
    if (Index < 0 || Index >= FTabs->Count())
        return nullptr;
    return FTabs->GetItem(Index)->TabControl();
}

QString TCustomGlideTabs::GetTabDescription(int Index) const
{
    if (Index < 0 || Index >= FTabs->Count())
        return QString();
    const QString C = FTabs->GetItem(Index)->Caption();
    return C.isEmpty() ? No_Caption_Text : C;
}

IGlideTabPolygons TCustomGlideTabs::GetPreviousTabPolygons(int Index)
{
    for (int I = Index - 1; I >= 0; --I) {
        TGlideTab *T = FTabs->GetItem(I);
        if (T->Visible() && T->TabControl())
            return T->TabControl()->GetPolygons();
    }
    return nullptr;
}

// ---- change notifications ----

void TCustomGlideTabs::Start_Grow_In(TGlideTab *Tab)
{
    const TGlideTabsAnimationOptions &A = FOptions->Animation();
    const TGlideTabsMovementAnimationTypes &Add = A.MovementAnimations().TabAdd();
    if (A.GetMovementAnimationEaseType(Add) == ttNone)
        return;
    const TGlideTabsOptions &T = FOptions->Display().Tabs();
    const int Before = Previous_Visible_Index(FTabs->Count() - 2);
    TGlideTabControl *Prev = Before >= 0 && FTabs->GetItem(Before) != Tab ? FTabs->GetItem(Before)->TabControl() : nullptr;
    const int Left = Prev ? Prev->ControlRect().Right - T.TabOverlap()
                          : T.OffsetLeft() + FOptions->Display().TabContainer().PaddingLeft();
    SetControlPosition(Tab->TabControl(),
                       {Left, T.OffsetTop(), Left + A.MinimumTabAnimationWidth(), height() - T.OffsetBottom()}, false);
    SetMovementAnimation(&Add);
}

void TCustomGlideTabs::Start_Shrink_Out(TGlideTab *Tab)
{
    const TGlideTabsAnimationOptions &A = FOptions->Animation();
    const TGlideTabsMovementAnimationTypes &Del = A.MovementAnimations().TabDelete();
    SetMovementAnimation(&Del);
    const TGlideTabsEaseType Ease = A.GetMovementAnimationEaseType(Del);
    if (Ease == ttNone)
        return;
    if (GetTabDisplayState() == tdCompressed && Tab->Index() == FTabs->Count() - 1) {
        FTabs->DeleteTab(Tab->Index(), true);
        return;
    }
    AddState(stsAnimatingCloseTab);
    if (TGlideTabControl *C = Tab->TabControl())
        C->SetWidth(A.MinimumTabAnimationWidth(), A.GetMovementAnimationTime(Del), Ease);
}

void TCustomGlideTabs::DoOnChange(TGlideTab *ATab, TTabChangeType TabChangeType)
{
    if (FComponentState & csDestroying)
        return;
    if (Ready_To_Draw() && TabChangeType == tcPropertyUpdated) {
        UpdateTimerIntervals();
        SetControlDrawStates(true);
        InvalidateAllControls();
    }
    if (ATab) {
        if (!ATab->TabControl()) {
            ATab->SetTabControl(new TGlideTabControl(this, ATab));
            Start_Grow_In(ATab);
            if (OnChange)
                OnChange(this, ATab, TabChangeType);
            if (FOptions->Behaviour().ActivateNewTab()
                && (!FTabs->ActiveTab() || (Ready_To_Draw() && !HasState(stsAddingDroppedTab)))) {
                ATab->SetActive(true);
                AddState(stsAnimatingNewTab);
            }
            if (!ATab->Active())
                SetControlDrawState(ATab->TabControl(), dsNotActive, false);
        }
        switch (TabChangeType) {
        case tcAdded:
            Clear_Smart_Resize_States();
            AddState(stsControlPositionsInvalidated);
            break;
        case tcDeleting:
            RemoveState(stsEndTabDeleted);
            if (FOptions->Behaviour().TabSmartDeleteResizing())
                AddState(ATab->Index() == FTabs->Count() - 1 ? stsEndTabDeleted : stsTabDeleted);
            break;
        case tcDeleted:
            Start_Shrink_Out(ATab);
            // The last tab of a compressed strip goes at once: from here on it is gone.
            if (FTabs->IndexOf(ATab) < 0) {
                AddState(stsControlPositionsInvalidated);
                Redraw();
                if (OnChange)
                    OnChange(this, nullptr, TabChangeType);
                return;
            }
            break;
        case tcActivated:
            SetControlDrawState(ATab->TabControl(), dsActive, false);
            if (FOptions->Scrolling().Enabled())
                ScrollIntoView(ATab);
            DoOnActiveTabChanged(ATab);
            break;
        case tcDeactivated:
            if (ATab->TabControl())
                SetControlDrawState(ATab->TabControl(), dsNotActive, false);
            if (!FTabs->ActiveTab()) {
                const int From = ATab->Index();
                TGlideTab *Next = nullptr;
                for (int I = From + 1; I < FTabs->Count() && !Next; ++I)
                    if (FTabs->GetItem(I)->Visible() && !FTabs->GetItem(I)->MarkedForDeletion())
                        Next = FTabs->GetItem(I);
                for (int I = From - 1; I >= 0 && !Next; --I)
                    if (FTabs->GetItem(I)->Visible() && !FTabs->GetItem(I)->MarkedForDeletion())
                        Next = FTabs->GetItem(I);
                if (Next)
                    Next->SetActive(true);
            }
            break;
        case tcPinned:
        case tcVisibility:
        case tcMoved:
            AddState(stsControlPositionsInvalidated);
            break;
        case tcControlState:
            if (ATab->TabControl())
                ATab->TabControl()->Invalidate();
            break;
        case tcPropertyUpdated:
            break;
        }
        if (!FTabs->ActiveTab() && FOptions->Behaviour().ActivateNewTab()) {
            const int Last = Last_Visible_Index(false);
            if (Last >= 0)
                SetActiveTabIndex(Last);
        }
        Redraw();
    } else if (TabChangeType == tcDeleted) {
        // A tab removed at once leaves a gap the others must close.
        AddState(stsControlPositionsInvalidated);
        Redraw();
    }
    if (OnChange)
        OnChange(this, ATab, TabChangeType);
}

// ---- dispatchers ----

void TCustomGlideTabs::DoOnActiveTabChanged(TGlideTab *ATab)
{
    if (OnActiveTabChanged)
        OnActiveTabChanged(this, ATab);
}

void TCustomGlideTabs::DoOnActiveTabChanging(TGlideTab *AOldTab, TGlideTab *ANewTab, bool &Allow)
{
    if (OnActiveTabChanging)
        OnActiveTabChanging(this, AOldTab, ANewTab, Allow);
}

void TCustomGlideTabs::DoOnButtonCloseTabClick(TGlideTab *ATab, bool &Close)
{
    if (OnButtonCloseTabClick)
        OnButtonCloseTabClick(this, ATab, Close);
}

void TCustomGlideTabs::DoOnButtonAddClick()
{
    bool Handled = false;
    if (OnButtonAddClick)
        OnButtonAddClick(this, Handled);
    if (!Handled)
        FTabs->Add();
}

void TCustomGlideTabs::DoOnNeedDragImageControl(TGlideTab *ATab, QWidget *&DragControl)
{
    if (OnNeedDragImageControl)
        OnNeedDragImageControl(this, ATab, DragControl);
}

void TCustomGlideTabs::DoOnCreateDragForm(TGlideTab *ATab, QWidget *&DragForm)
{
    if (OnCreateDragForm)
        OnCreateDragForm(this, ATab, DragForm);
}

void TCustomGlideTabs::DoOnBeginTabDrag(TGlideTab *ATab, bool &Allow)
{
    if (OnBeginTabDrag)
        OnBeginTabDrag(this, ATab, Allow);
}

void TCustomGlideTabs::DoOnStateChange(TGlideTabStates PreviousState, TGlideTabStates CurrentState)
{
    if (OnStateChange)
        OnStateChange(this, PreviousState, CurrentState);
}

void TCustomGlideTabs::DoOnMouseLeave()
{
    if (OnMouseLeave)
        OnMouseLeave(this);
}

void TCustomGlideTabs::DoOnShowHint(THitTestResult HitTestResult, QString &HintText, int &HintTimeout)
{
    if (OnShowHint)
        OnShowHint(this, HitTestResult, HintText, HintTimeout);
}

void TCustomGlideTabs::DoOnTabDblClick(TGlideTab *ATab)
{
    if (OnTabDblClick)
        OnTabDblClick(this, ATab);
}

void TCustomGlideTabs::DoOnTabDragStart(TGlideTab *ATab, bool &Allow)
{
    if (OnTabDragStart)
        OnTabDragStart(this, ATab, Allow);
}

void TCustomGlideTabs::DoOnTabDragOver(int X, int Y, TDragState State, IDragTabObject *DragTabObject, bool &Accept)
{
    if (OnTabDragOver)
        OnTabDragOver(this, X, Y, State, DragTabObject, Accept);
}

void TCustomGlideTabs::DoOnTabDragDrop(int X, int Y, IDragTabObject *DragTabObject, bool Cancelled,
                                       TTabDropOptions &TabDropOptions)
{
    if (OnTabDragDrop)
        OnTabDragDrop(this, X, Y, DragTabObject, Cancelled, TabDropOptions);
}

void TCustomGlideTabs::DoOnTabDragDropped(IDragTabObject *DragTabObject, TGlideTab *NewTab)
{
    if (OnTabDragDropped)
        OnTabDragDropped(this, DragTabObject, NewTab);
}

void TCustomGlideTabs::DoOnTabDragEnd(int MouseX, int MouseY, bool Cancelled)
{
    if (OnTabDragEnd)
        OnTabDragEnd(this, MouseX, MouseY, Cancelled);
}

void TCustomGlideTabs::DoOnScroll()
{
    if (OnScroll)
        OnScroll(this);
}

void TCustomGlideTabs::DoOnScrollWidthChanged()
{
    if (OnScrollWidthChanged)
        OnScrollWidthChanged(this);
}

void TCustomGlideTabs::DoOnAnimateStyle(TBaseGlideTabsControl *GlideTabsControl, TDrawState NewDrawState,
                                        std::uint32_t &AnimationTimeMS, TGlideTabsEaseType &EaseType)
{
    if (OnAnimateStyle)
        OnAnimateStyle(this, GlideTabsControl, NewDrawState, AnimationTimeMS, EaseType);
}

void TCustomGlideTabs::DoOnAnimateMovement(TBaseGlideTabsControl *GlideTabsControl, std::uint32_t &AnimationTimeMS,
                                           TGlideTabsEaseType &EaseType)
{
    if (OnAnimateMovement)
        OnAnimateMovement(this, GlideTabsControl, AnimationTimeMS, EaseType);
}

void TCustomGlideTabs::DoOnSetTabWidth(TGlideTabControl *ATabControl, int &TabWidth)
{
    if (OnSetTabWidth)
        OnSetTabWidth(this, ATabControl, TabWidth);
}

void TCustomGlideTabs::DoOnAfterDragImageCreated()
{
    if (OnAfterDragImageCreated)
        OnAfterDragImageCreated(this);
}

void TCustomGlideTabs::DoOnBeforeDrawItem(TAACanvas &TargetCanvas, const TGlideRect &ItemRect,
                                          TGlideTabItemType ItemType, int TabIndex, bool &Handled)
{
    Handled = false;
    if (OnBeforeDrawItem)
        OnBeforeDrawItem(this, TargetCanvas, ItemRect, ItemType, TabIndex, Handled);
}

void TCustomGlideTabs::DoOnAfterDrawItem(TAACanvas &TargetCanvas, const TGlideRect &ItemRect,
                                         TGlideTabItemType ItemType, int TabIndex)
{
    if (OnAfterDrawItem)
        OnAfterDrawItem(this, TargetCanvas, ItemRect, ItemType, TabIndex);
}

void TCustomGlideTabs::DoOnGetControlPolygons(TBaseGlideTabsControl *GlideTabsControl, const TGlideRect &ItemRect,
                                              TGlideTabItemType ItemType, TTabOrientation Orientation,
                                              IGlideTabPolygons &Polygons)
{
    if (OnGetControlPolygons)
        OnGetControlPolygons(this, GlideTabsControl, ItemRect, ItemType, Orientation, Polygons);
}

void TCustomGlideTabs::DoOnDebugLog(const QString &Text, const QVariantList &Args)
{
    if (!FOptions || !FOptions->Behaviour().DebugMode() || !OnDebugLog)
        return;
    // printf-style %s and %d, taken from Args in order.
    QString Out;
    int Next = 0;
    for (qsizetype I = 0; I < Text.size(); ++I) {
        if (Text[I] == '%' && I + 1 < Text.size() && (Text[I + 1] == 's' || Text[I + 1] == 'd')) {
            Out += Next < Args.size() ? Args[Next].toString() : QString();
            ++Next;
            ++I;
        } else {
            Out += Text[I];
        }
    }
    OnDebugLog(this, Out);
}

bool TCustomGlideTabs::AddState(TGlideTabState State)
{
    if (HasState(State))
        return false;
    const TGlideTabStates Before = FState;
    FState |= State_Bit(State);
    DoOnStateChange(Before, FState);
    return true;
}

bool TCustomGlideTabs::RemoveState(TGlideTabState State)
{
    if (!HasState(State))
        return false;
    const TGlideTabStates Before = FState;
    FState &= ~State_Bit(State);
    DoOnStateChange(Before, FState);
    return true;
}
