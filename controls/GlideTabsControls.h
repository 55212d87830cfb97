#pragma once
#include "controls/GlideTabsClasses.h"
#include "controls/GlideTabsTypes.h"
#include "toolkit/AADraw.h"
#include "platform/Colors.h"
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

class TGlideTabsLookAndFeelStyle;
class TGlideTabsLookAndFeelButtonItems;
class TGlideTabsLookAndFeelDisabledButton;
class TGlideTabsLookAndFeelBaseFont;

// The drawn parts of the tab strip. The strip uses no child windows: every
// visible part knows its rectangle, moves with an eased animation, fades
// between styles, builds its outline polygons, draws itself onto the strip's
// anti-aliased canvas and answers hit tests. Time is the 32-bit millisecond
// tick of platform/Clock.h with unsigned arithmetic.

// Colours, alphas, outline and font of one look, as a style transition steps them.
struct TGlideTabControlProperties
{
    TColor FontColor = 0;
    int FontAlpha = 0;
    QString FontName;
    int FontSize = 0;
    TTextRenderingHint TextRendoringMode = TTextRenderingHint::TextRenderingHintSystemDefault;
    TColor StartColor = 0;
    TColor StopColor = 0;
    TColor OutlineColor = 0;
    float OutlineSize = 0;
    int OutlineAlpha = 0;
    int StartAlpha = 0;
    int StopAlpha = 0;
};

// A timed, eased transition from the current look to a style's look.
class TGlideTabControlPropertyItems
{
public:
    // New stop values from the style and font (the default font when given, else the
    // style font, else the base font's own defaults); the transition starts from the
    // current values, so an interrupted one continues from where it was. ttNone jumps.
    void SetProperties(const TGlideTabsLookAndFeelStyle *Style, const TGlideTabsLookAndFeelBaseFont *StyleFont,
                       const TGlideTabsLookAndFeelBaseFont *DefaultFont, std::uint32_t DurationMs,
                       TGlideTabsEaseType EaseType);
    // One step towards the stop values; true when the current values changed.
    bool TransformColors(bool ForceUpdate);
    // Ends the transition at its stop values.
    void EndAnimation();

    const TGlideTabControlProperties &StartTabProperties() const { return FStartTabProperties; }
    const TGlideTabControlProperties &StopTabProperties() const { return FStopTabProperties; }
    const TGlideTabControlProperties &CurrentTabProperties() const { return FCurrentTabProperties; }
    void SetStartTabProperties(const TGlideTabControlProperties &V) { FStartTabProperties = V; }
    void SetStopTabProperties(const TGlideTabControlProperties &V) { FStopTabProperties = V; }
    void SetCurrentTabProperties(const TGlideTabControlProperties &V) { FCurrentTabProperties = V; }
    std::uint32_t StartTickCount() const { return FStartTickCount; }
    std::uint32_t EndTickCount() const { return FEndTickCount; }
    std::uint32_t CurrentTickCount() const { return FCurrentTickCount; }

private:
    std::uint32_t FStartTickCount = 0;
    std::uint32_t FEndTickCount = 0; // the duration in ms
    std::uint32_t FCurrentTickCount = 0;
    TGlideTabControlProperties FStartTabProperties, FStopTabProperties, FCurrentTabProperties;
    TGlideTabsEaseType FEaseType = ttNone;
};

// The polygons of controls drawn above a tab, which the tab leaves out.
using TClipPolygons = std::vector<IGlideTabPolygons>;

// Base of every drawn part.
class TBaseGlideTabsControl
{
public:
    explicit TBaseGlideTabsControl(IGlideTabs *GlideTabs);
    virtual ~TBaseGlideTabsControl() = default;
    TBaseGlideTabsControl(const TBaseGlideTabsControl &) = delete;
    TBaseGlideTabsControl &operator=(const TBaseGlideTabsControl &) = delete;

    // Current rectangle in strip coordinates (unscrolled, left to right).
    TGlideRect ControlRect() const { return FControlRect; }
    TGlideRect BiDiControlRect() const { return GetBiDiControlRect(); }
    TGlideRect StartRect() const { return FStartRect; }
    TGlideRect EndRect() const { return FEndRect; }
    TDrawState DrawState() const { return FDrawState; }
    TGlideTabItemType ControlType() const { return FControlType; }
    bool ScrollableControl() const { return FScrollableControl; }
    void SetScrollableControl(bool Value) { FScrollableControl = Value; }
    bool OverrideBidi() const { return FOverrideBidi; }
    void SetOverrideBidi(bool Value) { FOverrideBidi = Value; }
    bool PositionInitialised() const { return FPositionInitialised; }
    IGlideTabs *GlideTabs() const { return FGlideTabs; }

    virtual void DoChanged();
    virtual void EndStyleAnimation() {}
    // Drops cached drawing objects so the next paint rebuilds them.
    virtual void Invalidate() {}
    virtual void DrawTo(TAACanvas &TargetCanvas, int MouseX, int MouseY, const TClipPolygons &ClipPolygons) = 0;
    // The strip's handler may supply the polygons; those without brush or pen get the defaults.
    virtual IGlideTabPolygons InternalGetPolygons(TGlideTabItemType ItemType, const TAABrush *DefaultBrush,
                                                  const TAAPen *DefaultPen);
    virtual IGlideTabPolygons GetPolygons() = 0;
    // Advance the animations; true while something changed.
    virtual bool AnimateMovement();
    virtual bool AnimateStyle() { return false; }
    virtual TGlideRect ControlRectScrolled() const;
    virtual bool ContainsPoint(QPoint Point);
    virtual TPolygon NewPolygon(const TGlideRect &Rect, const TPolygon &Points, TTabOrientation Orientation) const;
    virtual void SetDrawState(TDrawState Value, std::uint32_t AnimationTimeMS, TGlideTabsEaseType EaseType,
                              bool ForceUpdate);
    virtual void SetPosition(const TGlideRect &Rect, std::uint32_t AnimationTime, TGlideTabsEaseType EaseType);
    virtual void SetHeight(int Value, std::uint32_t AnimationTime, TGlideTabsEaseType EaseType);
    virtual void SetWidth(int Value, std::uint32_t AnimationTime, TGlideTabsEaseType EaseType);
    virtual void SetLeft(int Value, std::uint32_t AnimationTime, TGlideTabsEaseType EaseType);
    virtual void SetTop(int Value, std::uint32_t AnimationTime, TGlideTabsEaseType EaseType);

    TPolygon BidiPolygon(const TPolygon &Polygon) const;
    TGlideRect GetBiDiControlRect() const;
    TGlideRect ScrolledRect(const TGlideRect &Rect) const;
    TGlideRect MirroredRect(const TGlideRect &Rect) const;

protected:
    bool Right_To_Left() const;
    TTabOrientation Orientation() const;

    TGlideRect FControlRect;
    IGlideTabs *FGlideTabs;
    TDrawState FDrawState = dsUnknown;
    TGlideRect FStartRect;
    std::uint32_t FStartTicks = 0;
    std::uint32_t FCurrentTickCount = 0;
    TGlideRect FEndRect;
    bool FPositionInitialised = false;
    bool FScrollableControl = false;
    bool FOverrideBidi = false;
    TGlideTabsEaseType FEaseType = ttNone;
    std::uint32_t FAnimationTime = 0;
    TGlideTabItemType FControlType = itTab;
};

// The tick count at which an animation starts. 0 means "no animation", so a start
// that falls exactly on tick 0 is taken as tick 1 rather than lost.
std::uint32_t Animation_Start_Tick();

// Base of the add and scroll buttons: a button area and a symbol, each with its own style transition.
class TBaseGlideButtonControl : public TBaseGlideTabsControl
{
public:
    explicit TBaseGlideButtonControl(IGlideTabs *GlideTabs);

    void Invalidate() override;
    bool AnimateStyle() override;
    void SetDrawState(TDrawState Value, std::uint32_t AnimationTimeMS, TGlideTabsEaseType EaseType,
                      bool ForceUpdate) override;
    virtual const TAABrush *GetButtonBrush();
    virtual const TAAPen *GetButtonPen();
    virtual const TAABrush *GetSymbolBrush();
    virtual const TAAPen *GetSymbolPen();
    virtual void SelectStyles() = 0;

    const TGlideTabControlPropertyItems &ButtonItems() const { return *FButtonControlPropertyItems; }
    const TGlideTabControlPropertyItems &SymbolItems() const { return *FSymbolControlPropertyItems; }
    const TGlideTabsLookAndFeelStyle *ButtonStyle() const { return FButtonStyle; }
    const TGlideTabsLookAndFeelStyle *SymbolStyle() const { return FSymbolStyle; }

protected:
    void Draw_Item(TAACanvas &TargetCanvas, TGlideTabItemType ItemType);
    // Points the button and symbol styles at the looks of the draw state;
    // with the disabled looks, dsDisabled takes them.
    void Select_State_Styles(const TGlideTabsLookAndFeelButtonItems &Button,
                             const TGlideTabsLookAndFeelButtonItems &Symbol);
    void Select_State_Styles(const TGlideTabsLookAndFeelDisabledButton &Button,
                             const TGlideTabsLookAndFeelDisabledButton &Symbol);

    std::unique_ptr<TAABrush> FButtonBrush;
    std::unique_ptr<TAAPen> FButtonPen;
    std::unique_ptr<TAABrush> FSymbolBrush;
    std::unique_ptr<TAAPen> FSymbolPen;
    std::unique_ptr<TGlideTabControlPropertyItems> FButtonControlPropertyItems;
    std::unique_ptr<TGlideTabControlPropertyItems> FSymbolControlPropertyItems;
    const TGlideTabsLookAndFeelStyle *FButtonStyle = nullptr;
    const TGlideTabsLookAndFeelStyle *FSymbolStyle = nullptr;
};

class TAddButtonControl : public TBaseGlideButtonControl
{
public:
    explicit TAddButtonControl(IGlideTabs *GlideTabs);
    void DrawTo(TAACanvas &TargetCanvas, int MouseX, int MouseY, const TClipPolygons &ClipPolygons) override;
    IGlideTabPolygons GetPolygons() override;
    void SelectStyles() override;
};

class TScrollButtonControl : public TBaseGlideButtonControl
{
public:
    using TBaseGlideButtonControl::TBaseGlideButtonControl;
    void DrawTo(TAACanvas &TargetCanvas, int MouseX, int MouseY, const TClipPolygons &ClipPolygons) override;
    void SelectStyles() override;

protected:
    IGlideTabPolygons Scroll_Polygons(bool Left);
};

class TScrollButtonLeftControl : public TScrollButtonControl
{
public:
    explicit TScrollButtonLeftControl(IGlideTabs *GlideTabs);
    IGlideTabPolygons GetPolygons() override { return Scroll_Polygons(true); }
};

class TScrollButtonRightControl : public TScrollButtonControl
{
public:
    explicit TScrollButtonRightControl(IGlideTabs *GlideTabs);
    IGlideTabPolygons GetPolygons() override { return Scroll_Polygons(false); }
};
