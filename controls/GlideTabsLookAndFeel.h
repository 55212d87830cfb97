#pragma once
#include "controls/GlideTabsPersistent.h"
#include "toolkit/AADraw.h"
#include "platform/Colors.h"
#include <cstdint>
#include <memory>

// Colours, transparencies, outlines, pens and fonts the tab strip draws with:
// a tree rooted in TGlideTabsLookAndFeel. A style keeps a gradient brush and an
// outline pen ready, a pen object keeps a pen; both are rebuilt after Invalidate.

// A filled and outlined area.
class TGlideTabsLookAndFeelStyle : public TGlideTabsPersistent
{
    GT_CLASS(TGlideTabsLookAndFeelStyle)
public:
    using TGlideTabsPersistent::TGlideTabsPersistent;
    GT_PROPERTY(TColor, StartColor, 0xFFFFFF, Invalidate(); DoChanged())
    GT_PROPERTY(TColor, StopColor, 0xFFFFFF, Invalidate(); DoChanged())
    GT_PROPERTY(std::uint8_t, StartAlpha, 255, Invalidate(); DoChanged())
    GT_PROPERTY(std::uint8_t, StopAlpha, 255, Invalidate(); DoChanged())
    GT_PROPERTY(TColor, OutlineColor, 0x808080, Invalidate(); DoChanged())
    GT_PROPERTY(float, OutlineSize, 1.0f, Invalidate(); DoChanged())
    GT_PROPERTY(std::uint8_t, OutlineAlpha, 255, Invalidate(); DoChanged())
public:
    void Invalidate() override;
    // Vertical gradient, start colour at ClientRect's top. Built for the first
    // rectangle asked and reused for every later one until Invalidate.
    const TAABrush &GetBrush(const TGlideRect &ClientRect);
    const TAAPen &GetPen();
    void Set_All(TColor Start, TColor Stop, int SA, int SpA, TColor Outline, float Size, int OA);
protected:
    void Publish(TPublisher &P) override;
private:
    std::unique_ptr<TAABrush> FBrush;
    std::unique_ptr<TAAPen> FPen;
    bool FPenInvalidated = false;
};

class TGlideTabsLookAndFeelPen : public TGlideTabsPersistent
{
    GT_CLASS(TGlideTabsLookAndFeelPen)
public:
    using TGlideTabsPersistent::TGlideTabsPersistent;
    GT_PROPERTY(TColor, Color, 0x000000, Invalidate(); DoChanged())
    GT_PROPERTY(float, Thickness, 1.0f, Invalidate(); DoChanged())
public:
    int Alpha() const { return FAlpha; }
    // Opacity 0..255; values outside are clamped so that 256 stays opaque.
    void SetAlpha(int Value);
    // Drops the cached pen at once.
    void Invalidate() override;
    const TAAPen &GetPen();
    void Set_All(TColor AColor, float AThickness, int AAlpha);
protected:
    void Publish(TPublisher &P) override;
private:
    int FAlpha = 255;
    std::unique_ptr<TAAPen> FPen;
};

class TGlideTabsLookAndFeelBaseFont : public TGlideTabsPersistent
{
    GT_CLASS(TGlideTabsLookAndFeelBaseFont)
public:
    using TGlideTabsPersistent::TGlideTabsPersistent;
    GT_PROPERTY(QString, Name, QStringLiteral("Segoe UI"), DoChanged())
    GT_REPORTED(TColor, Color, 0x000000)
    GT_REPORTED(int, Size, 9)
    GT_REPORTED(std::uint8_t, Alpha, 255)
    GT_REPORTED(TTextRenderingHint, TextRendoringMode, TTextRenderingHint::TextRenderingHintClearTypeGridFit)
protected:
    void Publish(TPublisher &P) override;
};

class TGlideTabsLookAndFeelFont : public TGlideTabsLookAndFeelBaseFont
{
    GT_CLASS(TGlideTabsLookAndFeelFont)
public:
    using TGlideTabsLookAndFeelBaseFont::TGlideTabsLookAndFeelBaseFont;
    // When true the state's text is drawn with every value of Tabs.DefaultFont.
    GT_REPORTED(bool, UseDefaultFont, true)
protected:
    void Publish(TPublisher &P) override;
};

// Font and style of one tab state.
class TGlideTabsLookAndFeelStyleProperties : public TGlideTabsPersistent
{
    GT_CLASS(TGlideTabsLookAndFeelStyleProperties)
public:
    explicit TGlideTabsLookAndFeelStyleProperties(TGlideTabsPersistent *AOwner);
    GT_OBJECT(TGlideTabsLookAndFeelFont, Font, true)
    GT_OBJECT(TGlideTabsLookAndFeelStyle, Style, true)
protected:
    void Publish(TPublisher &P) override;
};

class TGlideTabsLookAndFeelGlow : public TGlideTabsPersistent
{
    GT_CLASS(TGlideTabsLookAndFeelGlow)
public:
    using TGlideTabsPersistent::TGlideTabsPersistent;
    GT_REPORTED(TColor, CentreColor, 0xFFFFFF)
    GT_REPORTED(TColor, OutsideColor, 0xFFFFFF)
    GT_REPORTED(std::uint8_t, CentreAlpha, 180)
    GT_REPORTED(std::uint8_t, OutsideAlpha, 0)
protected:
    void Publish(TPublisher &P) override;
};

class TGlideTabsLookAndFeelSpinners : public TGlideTabsPersistent
{
    GT_CLASS(TGlideTabsLookAndFeelSpinners)
public:
    explicit TGlideTabsLookAndFeelSpinners(TGlideTabsPersistent *AOwner);
    GT_OBJECT(TGlideTabsLookAndFeelPen, Upload, true)
    GT_OBJECT(TGlideTabsLookAndFeelPen, Download, true)
protected:
    void Publish(TPublisher &P) override;
};

class TGlideTabsLookAndFeelTab : public TGlideTabsPersistent
{
    GT_CLASS(TGlideTabsLookAndFeelTab)
public:
    explicit TGlideTabsLookAndFeelTab(TGlideTabsPersistent *AOwner);
    GT_OBJECT(TGlideTabsLookAndFeelPen, BaseLine, true)
    GT_OBJECT(TGlideTabsLookAndFeelGlow, Modified, true)
    GT_OBJECT(TGlideTabsLookAndFeelBaseFont, DefaultFont, true)
    GT_OBJECT(TGlideTabsLookAndFeelGlow, MouseGlow, true)
    GT_OBJECT(TGlideTabsLookAndFeelSpinners, Spinners, false)
    GT_OBJECT(TGlideTabsLookAndFeelStyleProperties, Active, false)
    GT_OBJECT(TGlideTabsLookAndFeelStyleProperties, NotActive, false)
    GT_OBJECT(TGlideTabsLookAndFeelStyleProperties, Hot, false)
public:
    void Invalidate() override;
protected:
    void Publish(TPublisher &P) override;
};

class TGlideTabsLookAndFeelButtonItems : public TGlideTabsPersistent
{
    GT_CLASS(TGlideTabsLookAndFeelButtonItems)
public:
    explicit TGlideTabsLookAndFeelButtonItems(TGlideTabsPersistent *AOwner);
    GT_OBJECT(TGlideTabsLookAndFeelStyle, Normal, true)
    GT_OBJECT(TGlideTabsLookAndFeelStyle, Down, true)
    GT_OBJECT(TGlideTabsLookAndFeelStyle, Hot, true)
public:
    void Invalidate() override;
protected:
    void Publish(TPublisher &P) override;
};

class TGlideTabsLookAndFeelDisabledButton : public TGlideTabsLookAndFeelButtonItems
{
    GT_CLASS(TGlideTabsLookAndFeelDisabledButton)
public:
    explicit TGlideTabsLookAndFeelDisabledButton(TGlideTabsPersistent *AOwner);
    GT_OBJECT(TGlideTabsLookAndFeelStyle, Disabled, true)
public:
    void Invalidate() override;
protected:
    void Publish(TPublisher &P) override;
};

class TGlideTabsLookAndFeelPenItem : public TGlideTabsPersistent
{
    GT_CLASS(TGlideTabsLookAndFeelPenItem)
public:
    explicit TGlideTabsLookAndFeelPenItem(TGlideTabsPersistent *AOwner);
    GT_OBJECT_EX(TGlideTabsLookAndFeelPen, Normal, Invalidate(); DoChanged())
    GT_OBJECT_EX(TGlideTabsLookAndFeelPen, Down, Invalidate(); DoChanged())
    GT_OBJECT_EX(TGlideTabsLookAndFeelPen, Hot, Invalidate(); DoChanged())
public:
    void Invalidate() override;
protected:
    void Publish(TPublisher &P) override;
};

class TGlideTabsLookAndFeelAddButton : public TGlideTabsPersistent
{
    GT_CLASS(TGlideTabsLookAndFeelAddButton)
public:
    explicit TGlideTabsLookAndFeelAddButton(TGlideTabsPersistent *AOwner);
    GT_OBJECT(TGlideTabsLookAndFeelButtonItems, Button, false)
    GT_OBJECT(TGlideTabsLookAndFeelButtonItems, PlusSign, false)
protected:
    void Publish(TPublisher &P) override;
};

class TGlideTabsLookAndFeelCloseButton : public TGlideTabsPersistent
{
    GT_CLASS(TGlideTabsLookAndFeelCloseButton)
public:
    explicit TGlideTabsLookAndFeelCloseButton(TGlideTabsPersistent *AOwner);
    GT_OBJECT_EX(TGlideTabsLookAndFeelPenItem, Cross, Invalidate(); DoChanged())
    GT_OBJECT_EX(TGlideTabsLookAndFeelButtonItems, Circle, Invalidate(); DoChanged())
public:
    void Invalidate() override;
protected:
    void Publish(TPublisher &P) override;
};

class TGlideTabsLookAndFeelScrollButton : public TGlideTabsPersistent
{
    GT_CLASS(TGlideTabsLookAndFeelScrollButton)
public:
    explicit TGlideTabsLookAndFeelScrollButton(TGlideTabsPersistent *AOwner);
    GT_OBJECT(TGlideTabsLookAndFeelDisabledButton, Button, true)
    GT_OBJECT(TGlideTabsLookAndFeelDisabledButton, Arrow, true)
protected:
    void Publish(TPublisher &P) override;
};

// Root (the strip's LookAndFeel).
class TGlideTabsLookAndFeel : public TGlideTabsPersistent
{
    GT_CLASS(TGlideTabsLookAndFeel)
public:
    // AStrip may be null: a free-standing tree that notifies nobody.
    explicit TGlideTabsLookAndFeel(IGlideTabs *AStrip);
    GT_OBJECT(TGlideTabsLookAndFeelStyle, TabsContainer, true)
    GT_OBJECT(TGlideTabsLookAndFeelTab, Tabs, true)
    GT_OBJECT(TGlideTabsLookAndFeelCloseButton, CloseButton, true)
    GT_OBJECT(TGlideTabsLookAndFeelAddButton, AddButton, true)
    GT_OBJECT(TGlideTabsLookAndFeelScrollButton, ScrollButtons, true)
public:
    // Reaches every cached brush and pen the strip itself draws with: the
    // container, the base line and the close button's circles and crosses.
    void Invalidate() override;
protected:
    void Publish(TPublisher &P) override;
};

// The look every new strip starts with, written through the setters.
// Tabs.Spinners and TabsContainer.OutlineSize keep their constructor values.
void SetDefaultLookAndFeel(TGlideTabsLookAndFeel &LookAndFeel);
