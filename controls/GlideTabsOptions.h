#pragma once
#include "controls/GlideTabsPersistent.h"
#include <cstdint>
#include <memory>

// The tab strip's behaviour and geometry: a tree of small objects rooted in
// TOptions. Each class's member initialisers are its constructor values;
// SetDefaultOptions writes the values every new strip starts with. "Reported"
// writes send tcPropertyUpdated to the strip above; the others take effect
// the next time the strip reads them.

class TGlideTabsOffsets : public TGlideTabsPersistent
{
    GT_CLASS(TGlideTabsOffsets)
public:
    using TGlideTabsPersistent::TGlideTabsPersistent;
    GT_REPORTED(int, Vertical, 0)
    GT_REPORTED(int, Horizontal, 0)
    void Init(int V, int H) { FVertical = V; FHorizontal = H; }
protected:
    void Publish(TPublisher &P) override;
};

// Position and size of a drawn part.
class TGlideTabsControlPosition : public TGlideTabsPersistent
{
    GT_CLASS(TGlideTabsControlPosition)
public:
    explicit TGlideTabsControlPosition(TGlideTabsPersistent *AOwner);
    GT_OBJECT(TGlideTabsOffsets, Offsets, false)
    GT_REPORTED(int, Height, 0)
    GT_REPORTED(int, Width, 0)
    // Sets the constructor values without reporting.
    void Init(int Vertical, int Horizontal, int AHeight, int AWidth);
protected:
    void Publish(TPublisher &P) override;
};

class TGlideTabsControlPropertiesEx : public TGlideTabsControlPosition
{
    GT_CLASS(TGlideTabsControlPropertiesEx)
public:
    using TGlideTabsControlPosition::TGlideTabsControlPosition;
    GT_REPORTED(bool, Visible, true)
protected:
    void Publish(TPublisher &P) override;
};

class TGlideTabsCloseButtonProperties : public TGlideTabsControlPosition
{
    GT_CLASS(TGlideTabsCloseButtonProperties)
public:
    explicit TGlideTabsCloseButtonProperties(TGlideTabsPersistent *AOwner);
    GT_REPORTED(bool, AutoHide, true)
    GT_REPORTED(TCloseButtonVisiblity, Visibility, bvAll)
    GT_REPORTED(int, AutoHideWidth, 20)
    GT_REPORTED(int, CrossRadialOffset, 4)
protected:
    void Publish(TPublisher &P) override;
};

class TGlideTabsAddButtonProperties : public TGlideTabsControlPosition
{
    GT_CLASS(TGlideTabsAddButtonProperties)
public:
    explicit TGlideTabsAddButtonProperties(TGlideTabsPersistent *AOwner);
    GT_REPORTED(bool, ShowPlusSign, true)
    GT_REPORTED(TAddButtonVisibility, Visibility, avRightFloating)
    GT_REPORTED(int, HorizontalOffsetFloating, 0)
protected:
    void Publish(TPublisher &P) override;
};

class TGlideTabModifiedDisplayOptions : public TGlideTabsPersistent
{
    GT_CLASS(TGlideTabModifiedDisplayOptions)
public:
    using TGlideTabsPersistent::TGlideTabsPersistent;
    GT_REPORTED(TGlideTabModifiedStyle, Style, msRightToLeft)
    GT_REPORTED(int, VerticalOffset, -6)
    GT_REPORTED(int, Height, 30)
    GT_REPORTED(int, Width, 100)
    GT_REPORTED(int, AnimationPeriodMS, 4000)
    GT_REPORTED(TGlideTabsEaseType, EaseType, ttEaseInOutQuad)
    GT_REPORTED(int, AnimationUpdateMS, 50)
protected:
    void Publish(TPublisher &P) override;
};

class TGlideTabsOptions : public TGlideTabsPersistent
{
    GT_CLASS(TGlideTabsOptions)
public:
    using TGlideTabsPersistent::TGlideTabsPersistent;
    GT_REPORTED(bool, SeeThroughTabs, false)
    GT_REPORTED(int, TabOverlap, 15)
    GT_REPORTED(int, ContentOffsetLeft, 18)
    GT_REPORTED(int, ContentOffsetRight, 16)
    GT_REPORTED(int, OffsetLeft, 0)
    GT_REPORTED(int, OffsetTop, 0)
    GT_REPORTED(int, OffsetRight, 0)
    GT_REPORTED(int, OffsetBottom, 0)
    GT_REPORTED(int, MinWidth, 20)
public:
    int MaxWidth() const { return FMaxWidth; }
    // Never stores less than the current MinWidth.
    void SetMaxWidth(int Value);
    GT_REPORTED(bool, TabWidthFromContent, false)
    GT_REPORTED(int, PinnedWidth, 39)
    GT_REPORTED(int, ImageOffsetLeft, 13)
    GT_REPORTED(TTextTrimType, TextTrimType, tttFade)
    GT_REPORTED(TTabOrientation, Orientation, toTop)
    GT_REPORTED(bool, BaseLineTabRegionOnly, false)
    GT_REPORTED(bool, WordWrap, false)
    GT_REPORTED(TAlignment, TextAlignmentHorizontal, taLeftJustify)
    GT_REPORTED(TVerticalAlignment, TextAlignmentVertical, taVerticalCenter)
    GT_REPORTED(bool, ShowImages, true)
    GT_REPORTED(bool, ShowPinnedTabText, false)
public:
    // The anti-aliasing mode the strip sets on its canvas (high quality); not published.
    int CanvasSmoothingMode() const { return FCanvasSmoothingMode; }
protected:
    void Publish(TPublisher &P) override;
private:
    int FMaxWidth = 200;
    int FCanvasSmoothingMode = 2;
};

class TGlideTabsContainerOptions : public TGlideTabsPersistent
{
    GT_CLASS(TGlideTabsContainerOptions)
public:
    using TGlideTabsPersistent::TGlideTabsPersistent;
    GT_REPORTED(bool, TransparentBackground, false)
    GT_REPORTED(bool, OverlayButtons, false)
    GT_REPORTED(int, PaddingLeft, 0)
    GT_REPORTED(int, PaddingRight, 0)
protected:
    void Publish(TPublisher &P) override;
};

class TGlideTabsSpinnerOptions : public TGlideTabsPersistent
{
    GT_CLASS(TGlideTabsSpinnerOptions)
public:
    explicit TGlideTabsSpinnerOptions(TGlideTabsPersistent *AOwner);
    GT_REPORTED(bool, ReverseDirection, false)
    GT_REPORTED(int, RenderedAnimationStep, 0)
    GT_OBJECT(TGlideTabsControlPosition, Position, false)
    GT_REPORTED(std::uint16_t, SweepAngle, 0)
    void Init(bool Reverse, int Step, int Size, std::uint16_t Sweep);
protected:
    void Publish(TPublisher &P) override;
};

class TGlideTabsSpinnersOptions : public TGlideTabsPersistent
{
    GT_CLASS(TGlideTabsSpinnersOptions)
public:
    explicit TGlideTabsSpinnersOptions(TGlideTabsPersistent *AOwner);
    GT_OBJECT(TGlideTabsSpinnerOptions, Upload, false)
    GT_OBJECT(TGlideTabsSpinnerOptions, Download, false)
    GT_SILENT(std::uint32_t, AnimationUpdateMS, 50)
    GT_REPORTED(bool, HideImagesWhenSpinnerVisible, true)
protected:
    void Publish(TPublisher &P) override;
};

class TGlideTabsDisplayOptions : public TGlideTabsPersistent
{
    GT_CLASS(TGlideTabsDisplayOptions)
public:
    explicit TGlideTabsDisplayOptions(TGlideTabsPersistent *AOwner);
    GT_OBJECT(TGlideTabsCloseButtonProperties, CloseButton, false)
    GT_OBJECT(TGlideTabsAddButtonProperties, AddButton, true)
    GT_OBJECT(TGlideTabsControlPosition, ScrollButtonLeft, false)
    GT_OBJECT(TGlideTabsControlPosition, ScrollButtonRight, false)
    GT_OBJECT(TGlideTabModifiedDisplayOptions, TabModifiedGlow, true)
    GT_OBJECT(TGlideTabsOptions, Tabs, true)
    GT_OBJECT(TGlideTabsContainerOptions, TabContainer, true)
    GT_OBJECT(TGlideTabsControlPropertiesEx, TabMouseGlow, true)
    GT_OBJECT(TGlideTabsSpinnersOptions, TabSpinners, false)
protected:
    void Publish(TPublisher &P) override;
};

class TGlideTabsDragOptions : public TGlideTabsPersistent
{
    GT_CLASS(TGlideTabsDragOptions)
public:
    using TGlideTabsPersistent::TGlideTabsPersistent;
    GT_SILENT(TGlideTabDragType, DragType, dtBetweenContainers)
    GT_SILENT(std::uint8_t, DragOutsideImageAlpha, 120)
    GT_SILENT(int, DragOutsideDistancePixels, 30)
    GT_SILENT(int, DragStartPixels, 2)
    GT_SILENT(double, DragControlImageResizeFactor, 0.5)
    GT_SILENT(std::int16_t, DragCursor, 0)
    GT_SILENT(TGlideTabDragDisplay, DragDisplay, ddTabAndControl)
    GT_SILENT(int, DragFormBorderWidth, 2)
    GT_SILENT(int, DragFormBorderColor, 0x808080)
    GT_SILENT(bool, ContrainDraggedTabWithinContainer, true)
protected:
    void Publish(TPublisher &P) override;
};

class TGlideTabsMovementAnimationTypes : public TGlideTabsPersistent
{
    GT_CLASS(TGlideTabsMovementAnimationTypes)
public:
    using TGlideTabsPersistent::TGlideTabsPersistent;
    GT_SILENT(bool, UseDefaultEaseType, true)
    GT_SILENT(bool, UseDefaultAnimationTime, true)
    GT_SILENT(TGlideTabsEaseType, EaseType, ttLinearTween)
    GT_SILENT(std::uint32_t, AnimationTimeMS, 200)
    void Init(bool DefaultEase, bool DefaultTime, TGlideTabsEaseType Ease, std::uint32_t Time);
protected:
    void Publish(TPublisher &P) override;
};

class TGlideTabsMovementAnimations : public TGlideTabsPersistent
{
    GT_CLASS(TGlideTabsMovementAnimations)
public:
    explicit TGlideTabsMovementAnimations(TGlideTabsPersistent *AOwner);
    GT_OBJECT(TGlideTabsMovementAnimationTypes, TabAdd, true)
    GT_OBJECT(TGlideTabsMovementAnimationTypes, TabDelete, true)
    GT_OBJECT(TGlideTabsMovementAnimationTypes, TabMove, true)
protected:
    void Publish(TPublisher &P) override;
};

class TGlideTabsAnimationOptions : public TGlideTabsPersistent
{
    GT_CLASS(TGlideTabsAnimationOptions)
public:
    explicit TGlideTabsAnimationOptions(TGlideTabsPersistent *AOwner);
    GT_SILENT(std::uint32_t, DefaultMovementAnimationTimeMS, 100)
    GT_SILENT(std::uint32_t, DefaultStyleAnimationTimeMS, 300)
    GT_SILENT(int, AnimationTimerInterval, 25)
    GT_SILENT(int, MinimumTabAnimationWidth, 40)
    GT_SILENT(TGlideTabsEaseType, DefaultMovementEaseType, ttLinearTween)
    GT_SILENT(TGlideTabsEaseType, DefaultStyleEaseType, ttLinearTween)
    GT_OBJECT(TGlideTabsMovementAnimations, MovementAnimations, false)
public:
    TGlideTabsEaseType GetMovementAnimationEaseType(const TGlideTabsMovementAnimationTypes &AnimationTypes) const;
    std::uint32_t GetMovementAnimationTime(const TGlideTabsMovementAnimationTypes &AnimationTypes) const;
protected:
    void Publish(TPublisher &P) override;
};

class TGlideTabsBehaviourOptions : public TGlideTabsPersistent
{
    GT_CLASS(TGlideTabsBehaviourOptions)
public:
    using TGlideTabsPersistent::TGlideTabsPersistent;
    GT_SILENT(bool, BackgroundDblClickMaximiseRestoreForm, false)
    GT_SILENT(bool, BackgroundDragMovesForm, false)
    GT_SILENT(bool, TabSmartDeleteResizing, true)
    GT_SILENT(int, TabSmartDeleteResizeCancelDelay, 700)
    GT_SILENT(bool, UseBuiltInPopupMenu, true)
    GT_SILENT(bool, TabRightClickSelect, true)
    GT_SILENT(bool, ActivateNewTab, true)
    GT_SILENT(bool, DebugMode, false)
    GT_SILENT(bool, IgnoreDoubleClicksWhileAnimatingMovement, true)
protected:
    void Publish(TPublisher &P) override;
};

class TGlideTabsScrollOptions : public TGlideTabsPersistent
{
    GT_CLASS(TGlideTabsScrollOptions)
public:
    using TGlideTabsPersistent::TGlideTabsPersistent;
    GT_REPORTED(bool, Enabled, false)
    GT_REPORTED(TGlideTabScrollButtons, ScrollButtons, csbRight)
    GT_REPORTED(int, ScrollStep, 20)
    GT_REPORTED(int, ScrollRepeatDelay, 20)
    GT_REPORTED(bool, AutoHideButtons, true)
    GT_REPORTED(bool, DragScroll, true)
    GT_REPORTED(int, DragScrollOffset, 50)
    GT_REPORTED(bool, MouseWheelScroll, true)
protected:
    void Publish(TPublisher &P) override;
};

// Root of the option tree (the strip's Options).
class TOptions : public TGlideTabsPersistent
{
    GT_CLASS(TOptions)
public:
    // AStrip may be null: a free-standing tree that accepts writes without notifying anyone.
    explicit TOptions(IGlideTabs *AStrip);
    GT_OBJECT(TGlideTabsDisplayOptions, Display, false)
    GT_OBJECT(TGlideTabsDragOptions, DragDrop, false)
    GT_OBJECT(TGlideTabsAnimationOptions, Animation, false)
    GT_OBJECT(TGlideTabsBehaviourOptions, Behaviour, false)
    GT_OBJECT(TGlideTabsScrollOptions, Scrolling, false)
protected:
    void Publish(TPublisher &P) override;
};

// The values every new strip starts with, written through the setters (reported
// writes notify the strip). TabWidthFromContent, ShowPinnedTabText,
// ContrainDraggedTabWithinContainer and the spinner options keep their constructor values.
void SetDefaultOptions(TOptions &Options);
