#pragma once
#include "controls/GlideTabsControls.h"

class TGlideTabsLookAndFeelStyleProperties;

// Where the parts of a tab's content go (strip coordinates, scrolled and mirrored).
struct TTabContentLayout
{
    TGlideRect ImageRect;
    TGlideRect TextRect;
    TGlideRect CloseButtonRect;
    TGlideRect CloseButtonCrossRect;
    bool ImageShown = false;
    bool OverlayShown = false;
    bool SpinnerShown = false;
    bool TextShown = false;
    bool CloseButtonVisible = false;
};

// How a caption is painted: the text brush's fade and the string format.
struct TTabTextLook
{
    TAAFont Font;
    TArgb Color1 = 0; // full colour
    TArgb Color2 = 0; // the same colour, transparent
    double BlendPoint = 0.85;
    double Factors[3] = {0, 0, 0};
    TAAStringFormat Format;
    TTextRenderingHint Hint = TTextRenderingHint::TextRenderingHintSystemDefault;
    QString Text;
};

// The drawn part of one tab: outline, content layout, style transitions between
// active, inactive and hot, the modified glow, the busy indicator, hit tests.
class TGlideTabControl : public TBaseGlideTabsControl
{
public:
    TGlideTabControl(IGlideTabs *GlideTabs, IGlideTab *GlideTab);

    IGlideTab *GlideTab() const { return FGlideTab; }
    TDrawState CloseButtonState() const { return FCloseButtonState; }
    // Reports tcControlState for the tab when the value changes.
    virtual void SetCloseButtonState(TDrawState Value);

    void EndStyleAnimation() override;
    void Invalidate() override;
    void DrawTo(TAACanvas &TargetCanvas, int MouseX, int MouseY, const TClipPolygons &ClipPolygons) override;
    IGlideTabPolygons GetPolygons() override;
    bool AnimateStyle() override;
    void SetDrawState(TDrawState Value, std::uint32_t AnimationTimeMS, TGlideTabsEaseType EaseType,
                      bool ForceUpdate) override;
    virtual bool AnimateModified();
    virtual bool AnimateSpinner();

    THitTestArea GetHitTestArea(int X, int Y);
    TGlideRect GetCloseButonRect() const;
    TGlideRect GetCloseButtonCrossRect() const;
    // Width the content needs (caption measured once per caption text).
    int GetTabWidthByContent();

    bool CloseButtonVisible() const;
    TTabContentLayout LayoutTabContent() const;
    TTabTextLook Text_Look(const TGlideRect &TextRect) const;

    const TGlideTabControlPropertyItems &PropertyItems() const { return *FGlideTabControlPropertyItems; }
    const TGlideTabsLookAndFeelStyleProperties *TabProperties() const { return FTabProperties; }
    int ModifiedPosition() const { return FModifiedPosition; }
    bool ModifiedMovingLeft() const { return FModifiedMovingLeft; }
    int SpinnerImageIndex() const { return FSpinnerImageIndex; }
    int SpinnerRenderedDegrees() const { return FSpinnerRenderedDegrees; }
    void SetSpinnerRenderedDegrees(int Value) { FSpinnerRenderedDegrees = Value; }
    int Measure_Count() const { return FMeasureCount; }

private:
    bool ImageVisible(const TAAImageList *List, int Index) const;
    const TAABrush *GetTabBrush();
    const TAAPen *GetTabPen();
    void DrawGlow(TAACanvas &Canvas, const TGlideRect &Rect, TColor CentreColor, TColor OutsideColor, int CentreAlpha,
                  int OutsideAlpha);
    void DrawTabImage(TAACanvas &Canvas, const TAAImageList *List, int Index, const TGlideRect &Rect,
                      TGlideTabItemType ItemType);
    void DrawSpinner(TAACanvas &Canvas, const TGlideRect &ImageRect);
    void DrawTabText(TAACanvas &Canvas, const TGlideRect &TextRect);
    const TAAImageList *Spinner_List() const;

    IGlideTab *FGlideTab;
    TDrawState FCloseButtonState = dsUnknown;
    std::unique_ptr<TGlideTabControlPropertyItems> FGlideTabControlPropertyItems;
    const TGlideTabsLookAndFeelStyleProperties *FTabProperties = nullptr;
    std::unique_ptr<TAABrush> FTabBrush;
    std::unique_ptr<TAAPen> FTabPen;
    int FModifiedPosition = 0;
    bool FModifiedMovingLeft = false;
    bool FPenInvalidated = false;
    bool FBrushInvalidated = false;
    std::uint32_t FModifiedStartTicks = 0;
    QString FLastCaption;
    int FLastCaptionLength = 0;
    int FSpinnerImageIndex = 0;
    int FSpinnerRenderedDegrees = 0;
    int FMeasureCount = 0;
};
