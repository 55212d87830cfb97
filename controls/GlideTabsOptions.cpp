#include "controls/GlideTabsOptions.h"

#define PUB(Name) P.Value(#Name, this, &std::remove_pointer_t<decltype(this)>::Name, &std::remove_pointer_t<decltype(this)>::Set##Name)
#define OBJ(Name) P.Object(#Name, F##Name.get())

void TGlideTabsOffsets::Publish(TPublisher &P)
{
    PUB(Vertical);
    PUB(Horizontal);
}

TGlideTabsControlPosition::TGlideTabsControlPosition(TGlideTabsPersistent *AOwner)
    : TGlideTabsPersistent(AOwner), FOffsets(std::make_unique<TGlideTabsOffsets>(this))
{
}

void TGlideTabsControlPosition::Init(int Vertical, int Horizontal, int AHeight, int AWidth)
{
    FOffsets->Init(Vertical, Horizontal);
    FHeight = AHeight;
    FWidth = AWidth;
}

void TGlideTabsControlPosition::Publish(TPublisher &P)
{
    OBJ(Offsets);
    PUB(Height);
    PUB(Width);
}

void TGlideTabsControlPropertiesEx::Publish(TPublisher &P)
{
    TGlideTabsControlPosition::Publish(P);
    PUB(Visible);
}

TGlideTabsCloseButtonProperties::TGlideTabsCloseButtonProperties(TGlideTabsPersistent *AOwner)
    : TGlideTabsControlPosition(AOwner)
{
    Init(6, 0, 13, 13);
}

void TGlideTabsCloseButtonProperties::Publish(TPublisher &P)
{
    TGlideTabsControlPosition::Publish(P);
    PUB(AutoHide);
    PUB(Visibility);
    PUB(AutoHideWidth);
    PUB(CrossRadialOffset);
}

TGlideTabsAddButtonProperties::TGlideTabsAddButtonProperties(TGlideTabsPersistent *AOwner)
    : TGlideTabsControlPosition(AOwner)
{
    Init(9, 0, 14, 25);
}

void TGlideTabsAddButtonProperties::Publish(TPublisher &P)
{
    TGlideTabsControlPosition::Publish(P);
    PUB(ShowPlusSign);
    PUB(Visibility);
    PUB(HorizontalOffsetFloating);
}

void TGlideTabModifiedDisplayOptions::Publish(TPublisher &P)
{
    PUB(Style);
    PUB(VerticalOffset);
    PUB(Height);
    PUB(Width);
    PUB(AnimationPeriodMS);
    PUB(EaseType);
    PUB(AnimationUpdateMS);
}

void TGlideTabsOptions::SetMaxWidth(int Value)
{
    FMaxWidth = Value < FMinWidth ? FMinWidth : Value;
    DoChanged();
}

void TGlideTabsOptions::Publish(TPublisher &P)
{
    PUB(SeeThroughTabs);
    PUB(TabOverlap);
    PUB(ContentOffsetLeft);
    PUB(ContentOffsetRight);
    PUB(OffsetLeft);
    PUB(OffsetTop);
    PUB(OffsetRight);
    PUB(OffsetBottom);
    PUB(MinWidth);
    PUB(MaxWidth);
    PUB(TabWidthFromContent);
    PUB(PinnedWidth);
    PUB(ImageOffsetLeft);
    PUB(TextTrimType);
    PUB(Orientation);
    PUB(BaseLineTabRegionOnly);
    PUB(WordWrap);
    PUB(TextAlignmentHorizontal);
    PUB(TextAlignmentVertical);
    PUB(ShowImages);
    PUB(ShowPinnedTabText);
}

void TGlideTabsContainerOptions::Publish(TPublisher &P)
{
    PUB(TransparentBackground);
    PUB(OverlayButtons);
    PUB(PaddingLeft);
    PUB(PaddingRight);
}

TGlideTabsSpinnerOptions::TGlideTabsSpinnerOptions(TGlideTabsPersistent *AOwner)
    : TGlideTabsPersistent(AOwner), FPosition(std::make_unique<TGlideTabsControlPosition>(this))
{
}

void TGlideTabsSpinnerOptions::Init(bool Reverse, int Step, int Size, std::uint16_t Sweep)
{
    FReverseDirection = Reverse;
    FRenderedAnimationStep = Step;
    FPosition->Init(0, 0, Size, Size);
    FSweepAngle = Sweep;
}

void TGlideTabsSpinnerOptions::Publish(TPublisher &P)
{
    PUB(ReverseDirection);
    PUB(RenderedAnimationStep);
    OBJ(Position);
    PUB(SweepAngle);
}

TGlideTabsSpinnersOptions::TGlideTabsSpinnersOptions(TGlideTabsPersistent *AOwner)
    : TGlideTabsPersistent(AOwner), FUpload(std::make_unique<TGlideTabsSpinnerOptions>(this)),
      FDownload(std::make_unique<TGlideTabsSpinnerOptions>(this))
{
    FUpload->Init(true, 2, 16, 135);
    FDownload->Init(false, 5, 16, 135);
}

void TGlideTabsSpinnersOptions::Publish(TPublisher &P)
{
    OBJ(Upload);
    OBJ(Download);
    PUB(AnimationUpdateMS);
    PUB(HideImagesWhenSpinnerVisible);
}

TGlideTabsDisplayOptions::TGlideTabsDisplayOptions(TGlideTabsPersistent *AOwner)
    : TGlideTabsPersistent(AOwner), FCloseButton(std::make_unique<TGlideTabsCloseButtonProperties>(this)),
      FAddButton(std::make_unique<TGlideTabsAddButtonProperties>(this)),
      FScrollButtonLeft(std::make_unique<TGlideTabsControlPosition>(this)),
      FScrollButtonRight(std::make_unique<TGlideTabsControlPosition>(this)),
      FTabModifiedGlow(std::make_unique<TGlideTabModifiedDisplayOptions>(this)),
      FTabs(std::make_unique<TGlideTabsOptions>(this)),
      FTabContainer(std::make_unique<TGlideTabsContainerOptions>(this)),
      FTabMouseGlow(std::make_unique<TGlideTabsControlPropertiesEx>(this)),
      FTabSpinners(std::make_unique<TGlideTabsSpinnersOptions>(this))
{
    FScrollButtonLeft->Init(10, 0, 15, 15);
    FScrollButtonRight->Init(10, 0, 15, 15);
    FTabMouseGlow->Init(0, 0, 70, 70);
}

void TGlideTabsDisplayOptions::Publish(TPublisher &P)
{
    OBJ(CloseButton);
    OBJ(AddButton);
    OBJ(ScrollButtonLeft);
    OBJ(ScrollButtonRight);
    OBJ(TabModifiedGlow);
    OBJ(Tabs);
    OBJ(TabContainer);
    OBJ(TabMouseGlow);
    OBJ(TabSpinners);
}

void TGlideTabsDragOptions::Publish(TPublisher &P)
{
    PUB(DragType);
    PUB(DragOutsideImageAlpha);
    PUB(DragOutsideDistancePixels);
    PUB(DragStartPixels);
    PUB(DragControlImageResizeFactor);
    PUB(DragCursor);
    PUB(DragDisplay);
    PUB(DragFormBorderWidth);
    PUB(DragFormBorderColor);
    PUB(ContrainDraggedTabWithinContainer);
}

void TGlideTabsMovementAnimationTypes::Init(bool DefaultEase, bool DefaultTime, TGlideTabsEaseType Ease,
                                            std::uint32_t Time)
{
    FUseDefaultEaseType = DefaultEase;
    FUseDefaultAnimationTime = DefaultTime;
    FEaseType = Ease;
    FAnimationTimeMS = Time;
}

void TGlideTabsMovementAnimationTypes::Publish(TPublisher &P)
{
    PUB(UseDefaultEaseType);
    PUB(UseDefaultAnimationTime);
    PUB(EaseType);
    PUB(AnimationTimeMS);
}

TGlideTabsMovementAnimations::TGlideTabsMovementAnimations(TGlideTabsPersistent *AOwner)
    : TGlideTabsPersistent(AOwner), FTabAdd(std::make_unique<TGlideTabsMovementAnimationTypes>(this)),
      FTabDelete(std::make_unique<TGlideTabsMovementAnimationTypes>(this)),
      FTabMove(std::make_unique<TGlideTabsMovementAnimationTypes>(this))
{
    FTabMove->Init(false, false, ttEaseOutExpo, 500);
}

void TGlideTabsMovementAnimations::Publish(TPublisher &P)
{
    OBJ(TabAdd);
    OBJ(TabDelete);
    OBJ(TabMove);
}

TGlideTabsAnimationOptions::TGlideTabsAnimationOptions(TGlideTabsPersistent *AOwner)
    : TGlideTabsPersistent(AOwner), FMovementAnimations(std::make_unique<TGlideTabsMovementAnimations>(this))
{
}

TGlideTabsEaseType
TGlideTabsAnimationOptions::GetMovementAnimationEaseType(const TGlideTabsMovementAnimationTypes &AnimationTypes) const
{
    return AnimationTypes.UseDefaultEaseType() ? FDefaultMovementEaseType : AnimationTypes.EaseType();
}

std::uint32_t
TGlideTabsAnimationOptions::GetMovementAnimationTime(const TGlideTabsMovementAnimationTypes &AnimationTypes) const
{
    return AnimationTypes.UseDefaultAnimationTime() ? FDefaultMovementAnimationTimeMS : AnimationTypes.AnimationTimeMS();
}

void TGlideTabsAnimationOptions::Publish(TPublisher &P)
{
    PUB(DefaultMovementAnimationTimeMS);
    PUB(DefaultStyleAnimationTimeMS);
    PUB(AnimationTimerInterval);
    PUB(MinimumTabAnimationWidth);
    PUB(DefaultMovementEaseType);
    PUB(DefaultStyleEaseType);
    OBJ(MovementAnimations);
}

void TGlideTabsBehaviourOptions::Publish(TPublisher &P)
{
    PUB(BackgroundDblClickMaximiseRestoreForm);
    PUB(BackgroundDragMovesForm);
    PUB(TabSmartDeleteResizing);
    PUB(TabSmartDeleteResizeCancelDelay);
    PUB(UseBuiltInPopupMenu);
    PUB(TabRightClickSelect);
    PUB(ActivateNewTab);
    PUB(DebugMode);
    PUB(IgnoreDoubleClicksWhileAnimatingMovement);
}

void TGlideTabsScrollOptions::Publish(TPublisher &P)
{
    PUB(Enabled);
    PUB(ScrollButtons);
    PUB(ScrollStep);
    PUB(ScrollRepeatDelay);
    PUB(AutoHideButtons);
    PUB(DragScroll);
    PUB(DragScrollOffset);
    PUB(MouseWheelScroll);
}

TOptions::TOptions(IGlideTabs *AStrip)
    : TGlideTabsPersistent(AStrip), FDisplay(std::make_unique<TGlideTabsDisplayOptions>(this)),
      FDragDrop(std::make_unique<TGlideTabsDragOptions>(this)),
      FAnimation(std::make_unique<TGlideTabsAnimationOptions>(this)),
      FBehaviour(std::make_unique<TGlideTabsBehaviourOptions>(this)),
      FScrolling(std::make_unique<TGlideTabsScrollOptions>(this))
{
}

void TOptions::Publish(TPublisher &P)
{
    OBJ(Display);
    OBJ(DragDrop);
    OBJ(Animation);
    OBJ(Behaviour);
    OBJ(Scrolling);
}

void SetDefaultOptions(TOptions &Options)
{
    TGlideTabsDisplayOptions &D = Options.Display();

    TGlideTabsCloseButtonProperties &Close = D.CloseButton();
    Close.Offsets().SetVertical(6);
    Close.Offsets().SetHorizontal(2);
    Close.SetHeight(14);
    Close.SetWidth(14);
    Close.SetAutoHide(true);
    Close.SetVisibility(bvAll);
    Close.SetAutoHideWidth(20);
    Close.SetCrossRadialOffset(4);

    TGlideTabsAddButtonProperties &Add = D.AddButton();
    Add.Offsets().SetVertical(10);
    Add.Offsets().SetHorizontal(2);
    Add.SetHeight(14);
    Add.SetWidth(31);
    Add.SetShowPlusSign(false);
    Add.SetVisibility(avRightFloating);
    Add.SetHorizontalOffsetFloating(-3);

    for (TGlideTabsControlPosition *S : {&D.ScrollButtonLeft(), &D.ScrollButtonRight()}) {
        S->Offsets().SetVertical(10);
        S->Offsets().SetHorizontal(1);
        S->SetHeight(15);
        S->SetWidth(15);
    }

    TGlideTabModifiedDisplayOptions &Glow = D.TabModifiedGlow();
    Glow.SetStyle(msRightToLeft);
    Glow.SetVerticalOffset(-6);
    Glow.SetHeight(30);
    Glow.SetWidth(100);
    Glow.SetAnimationPeriodMS(4000);
    Glow.SetEaseType(ttEaseInOutQuad);
    Glow.SetAnimationUpdateMS(50);

    TGlideTabsOptions &T = D.Tabs();
    T.SetSeeThroughTabs(false);
    T.SetTabOverlap(15);
    T.SetContentOffsetLeft(18);
    T.SetContentOffsetRight(16);
    T.SetOffsetLeft(0);
    T.SetOffsetTop(4);
    T.SetOffsetRight(0);
    T.SetOffsetBottom(0);
    T.SetMinWidth(25);
    T.SetMaxWidth(200);
    T.SetPinnedWidth(39);
    T.SetImageOffsetLeft(13);
    T.SetTextTrimType(tttFade);
    T.SetOrientation(toTop);
    T.SetBaseLineTabRegionOnly(false);
    T.SetWordWrap(false);
    T.SetTextAlignmentHorizontal(taLeftJustify);
    T.SetTextAlignmentVertical(taVerticalCenter);
    T.SetShowImages(true);

    TGlideTabsContainerOptions &C = D.TabContainer();
    C.SetTransparentBackground(true);
    C.SetOverlayButtons(true);
    C.SetPaddingLeft(0);
    C.SetPaddingRight(0);

    TGlideTabsControlPropertiesEx &Mouse = D.TabMouseGlow();
    Mouse.Offsets().SetVertical(0);
    Mouse.Offsets().SetHorizontal(0);
    Mouse.SetHeight(200);
    Mouse.SetWidth(200);
    Mouse.SetVisible(true);

    TGlideTabsDragOptions &Drag = Options.DragDrop();
    Drag.SetDragType(dtBetweenContainers);
    Drag.SetDragOutsideImageAlpha(220);
    Drag.SetDragOutsideDistancePixels(30);
    Drag.SetDragStartPixels(2);
    Drag.SetDragControlImageResizeFactor(0.5);
    Drag.SetDragCursor(0);
    Drag.SetDragDisplay(ddTabAndControl);
    Drag.SetDragFormBorderWidth(2);
    Drag.SetDragFormBorderColor(0x808080);

    TGlideTabsAnimationOptions &A = Options.Animation();
    A.SetDefaultMovementAnimationTimeMS(100);
    A.SetDefaultStyleAnimationTimeMS(300);
    A.SetAnimationTimerInterval(15);
    A.SetMinimumTabAnimationWidth(40);
    A.SetDefaultMovementEaseType(ttLinearTween);
    A.SetDefaultStyleEaseType(ttLinearTween);
    TGlideTabsMovementAnimations &M = A.MovementAnimations();
    for (TGlideTabsMovementAnimationTypes *K : {&M.TabAdd(), &M.TabDelete()}) {
        K->SetUseDefaultEaseType(true);
        K->SetUseDefaultAnimationTime(true);
        K->SetEaseType(ttEaseOutExpo);
        K->SetAnimationTimeMS(500);
    }
    M.TabMove().SetUseDefaultEaseType(false);
    M.TabMove().SetUseDefaultAnimationTime(false);
    M.TabMove().SetEaseType(ttEaseOutExpo);
    M.TabMove().SetAnimationTimeMS(500);

    TGlideTabsBehaviourOptions &B = Options.Behaviour();
    B.SetBackgroundDblClickMaximiseRestoreForm(true);
    B.SetBackgroundDragMovesForm(true);
    B.SetTabSmartDeleteResizing(true);
    B.SetTabSmartDeleteResizeCancelDelay(700);
    B.SetUseBuiltInPopupMenu(true);
    B.SetTabRightClickSelect(true);
    B.SetActivateNewTab(true);
    B.SetDebugMode(false);
    B.SetIgnoreDoubleClicksWhileAnimatingMovement(true);

    TGlideTabsScrollOptions &S = Options.Scrolling();
    S.SetEnabled(true);
    S.SetScrollButtons(csbRight);
    S.SetScrollStep(20);
    S.SetScrollRepeatDelay(20);
    S.SetAutoHideButtons(false);
    S.SetDragScroll(true);
    S.SetDragScrollOffset(50);
    S.SetMouseWheelScroll(true);
}
