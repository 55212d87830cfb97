#include "controls/GlideTabsLookAndFeel.h"
#include "controls/GlideTabsUtils.h"
#include <algorithm>

#define PUB(Name) P.Value(#Name, this, &std::remove_pointer_t<decltype(this)>::Name, &std::remove_pointer_t<decltype(this)>::Set##Name)
#define OBJ(Name) P.Object(#Name, F##Name.get())

// ---- style ----

void TGlideTabsLookAndFeelStyle::Invalidate()
{
    TGlideTabsPersistent::Invalidate();
    FPenInvalidated = true;
}

const TAABrush &TGlideTabsLookAndFeelStyle::GetBrush(const TGlideRect &ClientRect)
{
    if (Invalidated()) {
        FBrush.reset();
        Clear_Invalidated();
    }
    if (!FBrush)
        FBrush = std::make_unique<TAABrush>(TAABrush::Linear(QPointF(0, ClientRect.Top), ToArgb(FStartColor, FStartAlpha),
                                                             QPointF(0, ClientRect.Bottom), ToArgb(FStopColor, FStopAlpha)));
    return *FBrush;
}

const TAAPen &TGlideTabsLookAndFeelStyle::GetPen()
{
    if (FPenInvalidated) {
        FPen.reset();
        FPenInvalidated = false;
    }
    if (!FPen)
        FPen = std::make_unique<TAAPen>(TAAPen{ToArgb(FOutlineColor, FOutlineAlpha), FOutlineSize});
    return *FPen;
}

void TGlideTabsLookAndFeelStyle::Set_All(TColor Start, TColor Stop, int SA, int SpA, TColor Outline, float Size, int OA)
{
    SetStartColor(Start);
    SetStopColor(Stop);
    SetStartAlpha(static_cast<std::uint8_t>(SA));
    SetStopAlpha(static_cast<std::uint8_t>(SpA));
    SetOutlineColor(Outline);
    SetOutlineSize(Size);
    SetOutlineAlpha(static_cast<std::uint8_t>(OA));
}

void TGlideTabsLookAndFeelStyle::Publish(TPublisher &P)
{
    PUB(StartColor);
    PUB(StopColor);
    PUB(StartAlpha);
    PUB(StopAlpha);
    PUB(OutlineColor);
    PUB(OutlineSize);
    PUB(OutlineAlpha);
}

// ---- pen ----

void TGlideTabsLookAndFeelPen::SetAlpha(int Value)
{
    FAlpha = std::clamp(Value, 0, 255);
    Invalidate();
    DoChanged();
}

void TGlideTabsLookAndFeelPen::Invalidate()
{
    TGlideTabsPersistent::Invalidate();
    FPen.reset();
}

const TAAPen &TGlideTabsLookAndFeelPen::GetPen()
{
    if (Invalidated()) {
        FPen.reset();
        Clear_Invalidated();
    }
    if (!FPen)
        FPen = std::make_unique<TAAPen>(TAAPen{ToArgb(FColor, FAlpha & 0xFF), FThickness});
    return *FPen;
}

void TGlideTabsLookAndFeelPen::Set_All(TColor AColor, float AThickness, int AAlpha)
{
    SetColor(AColor);
    SetThickness(AThickness);
    SetAlpha(AAlpha);
}

void TGlideTabsLookAndFeelPen::Publish(TPublisher &P)
{
    PUB(Color);
    PUB(Thickness);
    PUB(Alpha);
}

// ---- fonts, glow ----

void TGlideTabsLookAndFeelBaseFont::Publish(TPublisher &P)
{
    PUB(Name);
    PUB(Color);
    PUB(Size);
    PUB(Alpha);
    PUB(TextRendoringMode);
}

void TGlideTabsLookAndFeelFont::Publish(TPublisher &P)
{
    TGlideTabsLookAndFeelBaseFont::Publish(P);
    PUB(UseDefaultFont);
}

TGlideTabsLookAndFeelStyleProperties::TGlideTabsLookAndFeelStyleProperties(TGlideTabsPersistent *AOwner)
    : TGlideTabsPersistent(AOwner), FFont(std::make_unique<TGlideTabsLookAndFeelFont>(this)),
      // The style belongs to the tab look (this object's owner), as the font belongs to this object.
      FStyle(std::make_unique<TGlideTabsLookAndFeelStyle>(AOwner))
{
}

void TGlideTabsLookAndFeelStyleProperties::Publish(TPublisher &P)
{
    OBJ(Font);
    OBJ(Style);
}

void TGlideTabsLookAndFeelGlow::Publish(TPublisher &P)
{
    PUB(CentreColor);
    PUB(OutsideColor);
    PUB(CentreAlpha);
    PUB(OutsideAlpha);
}

TGlideTabsLookAndFeelSpinners::TGlideTabsLookAndFeelSpinners(TGlideTabsPersistent *AOwner)
    : TGlideTabsPersistent(AOwner), FUpload(std::make_unique<TGlideTabsLookAndFeelPen>(this)),
      FDownload(std::make_unique<TGlideTabsLookAndFeelPen>(this))
{
    TSilentChanges Silent;
    FUpload->Set_All(0xC2B3A7, 2.5f, 255);
    FDownload->Set_All(0xDB8B48, 2.5f, 255);
}

void TGlideTabsLookAndFeelSpinners::Publish(TPublisher &P)
{
    OBJ(Upload);
    OBJ(Download);
}

// ---- tab ----

TGlideTabsLookAndFeelTab::TGlideTabsLookAndFeelTab(TGlideTabsPersistent *AOwner)
    : TGlideTabsPersistent(AOwner), FBaseLine(std::make_unique<TGlideTabsLookAndFeelPen>(this)),
      FModified(std::make_unique<TGlideTabsLookAndFeelGlow>(this)),
      FDefaultFont(std::make_unique<TGlideTabsLookAndFeelBaseFont>(this)),
      FMouseGlow(std::make_unique<TGlideTabsLookAndFeelGlow>(this)),
      FSpinners(std::make_unique<TGlideTabsLookAndFeelSpinners>(this)),
      FActive(std::make_unique<TGlideTabsLookAndFeelStyleProperties>(this)),
      FNotActive(std::make_unique<TGlideTabsLookAndFeelStyleProperties>(this)),
      FHot(std::make_unique<TGlideTabsLookAndFeelStyleProperties>(this))
{
    TSilentChanges Silent;
    FBaseLine->Set_All(0x808080, 2.0f, 255);
}

void TGlideTabsLookAndFeelTab::Invalidate()
{
    TGlideTabsPersistent::Invalidate();
    FBaseLine->Invalidate();
}

void TGlideTabsLookAndFeelTab::Publish(TPublisher &P)
{
    OBJ(BaseLine);
    OBJ(Modified);
    OBJ(DefaultFont);
    OBJ(MouseGlow);
    OBJ(Spinners);
    OBJ(Active);
    OBJ(NotActive);
    OBJ(Hot);
}

// ---- buttons ----

TGlideTabsLookAndFeelButtonItems::TGlideTabsLookAndFeelButtonItems(TGlideTabsPersistent *AOwner)
    : TGlideTabsPersistent(AOwner), FNormal(std::make_unique<TGlideTabsLookAndFeelStyle>(this)),
      FDown(std::make_unique<TGlideTabsLookAndFeelStyle>(this)), FHot(std::make_unique<TGlideTabsLookAndFeelStyle>(this))
{
}

void TGlideTabsLookAndFeelButtonItems::Invalidate()
{
    TGlideTabsPersistent::Invalidate();
    FNormal->Invalidate();
    FDown->Invalidate();
    FHot->Invalidate();
}

void TGlideTabsLookAndFeelButtonItems::Publish(TPublisher &P)
{
    OBJ(Normal);
    OBJ(Down);
    OBJ(Hot);
}

TGlideTabsLookAndFeelDisabledButton::TGlideTabsLookAndFeelDisabledButton(TGlideTabsPersistent *AOwner)
    : TGlideTabsLookAndFeelButtonItems(AOwner), FDisabled(std::make_unique<TGlideTabsLookAndFeelStyle>(this))
{
}

void TGlideTabsLookAndFeelDisabledButton::Invalidate()
{
    TGlideTabsLookAndFeelButtonItems::Invalidate();
    FDisabled->Invalidate();
}

void TGlideTabsLookAndFeelDisabledButton::Publish(TPublisher &P)
{
    TGlideTabsLookAndFeelButtonItems::Publish(P);
    OBJ(Disabled);
}

TGlideTabsLookAndFeelPenItem::TGlideTabsLookAndFeelPenItem(TGlideTabsPersistent *AOwner)
    : TGlideTabsPersistent(AOwner), FNormal(std::make_unique<TGlideTabsLookAndFeelPen>(this)),
      FDown(std::make_unique<TGlideTabsLookAndFeelPen>(this)), FHot(std::make_unique<TGlideTabsLookAndFeelPen>(this))
{
}

void TGlideTabsLookAndFeelPenItem::Invalidate()
{
    TGlideTabsPersistent::Invalidate();
    FNormal->Invalidate();
    FDown->Invalidate();
    FHot->Invalidate();
}

void TGlideTabsLookAndFeelPenItem::Publish(TPublisher &P)
{
    OBJ(Normal);
    OBJ(Down);
    OBJ(Hot);
}

TGlideTabsLookAndFeelAddButton::TGlideTabsLookAndFeelAddButton(TGlideTabsPersistent *AOwner)
    : TGlideTabsPersistent(AOwner), FButton(std::make_unique<TGlideTabsLookAndFeelButtonItems>(this)),
      FPlusSign(std::make_unique<TGlideTabsLookAndFeelButtonItems>(this))
{
}

void TGlideTabsLookAndFeelAddButton::Publish(TPublisher &P)
{
    OBJ(Button);
    OBJ(PlusSign);
}

TGlideTabsLookAndFeelCloseButton::TGlideTabsLookAndFeelCloseButton(TGlideTabsPersistent *AOwner)
    : TGlideTabsPersistent(AOwner), FCross(std::make_unique<TGlideTabsLookAndFeelPenItem>(this)),
      FCircle(std::make_unique<TGlideTabsLookAndFeelButtonItems>(this))
{
    TSilentChanges Silent;
    FCross->Normal().SetColor(0xB8AFA9);
    FCross->Hot().SetColor(0xFFFFFF);
    FCross->Hot().SetAlpha(240);
    FCross->Down().SetColor(0x0000FF);
    FCircle->Normal().SetStartColor(0xFFFFFF);
    FCircle->Normal().SetStopColor(0xFFFFFF);
    FCircle->Normal().SetOutlineAlpha(0);
    for (TGlideTabsLookAndFeelStyle *S : {&FCircle->Hot(), &FCircle->Down()}) {
        S->SetStartColor(0x3535C1);
        S->SetStopColor(0x3535C1);
        S->SetOutlineAlpha(0);
    }
}

void TGlideTabsLookAndFeelCloseButton::Invalidate()
{
    TGlideTabsPersistent::Invalidate();
    FCross->Invalidate();
    FCircle->Invalidate();
}

void TGlideTabsLookAndFeelCloseButton::Publish(TPublisher &P)
{
    OBJ(Cross);
    OBJ(Circle);
}

TGlideTabsLookAndFeelScrollButton::TGlideTabsLookAndFeelScrollButton(TGlideTabsPersistent *AOwner)
    : TGlideTabsPersistent(AOwner), FButton(std::make_unique<TGlideTabsLookAndFeelDisabledButton>(this)),
      FArrow(std::make_unique<TGlideTabsLookAndFeelDisabledButton>(this))
{
}

void TGlideTabsLookAndFeelScrollButton::Publish(TPublisher &P)
{
    OBJ(Button);
    OBJ(Arrow);
}

// ---- root ----

TGlideTabsLookAndFeel::TGlideTabsLookAndFeel(IGlideTabs *AStrip) : TGlideTabsPersistent(AStrip)
{
    FTabs = std::make_unique<TGlideTabsLookAndFeelTab>(this);
    FTabsContainer = std::make_unique<TGlideTabsLookAndFeelStyle>(this);
    FCloseButton = std::make_unique<TGlideTabsLookAndFeelCloseButton>(this);
    FAddButton = std::make_unique<TGlideTabsLookAndFeelAddButton>(this);
    FScrollButtons = std::make_unique<TGlideTabsLookAndFeelScrollButton>(this);
    TSilentChanges Silent;
    FTabsContainer->SetOutlineSize(0);
}

void TGlideTabsLookAndFeel::Invalidate()
{
    TGlideTabsPersistent::Invalidate();
    FTabsContainer->Invalidate();
    FTabs->Invalidate();
    FCloseButton->Invalidate();
}

void TGlideTabsLookAndFeel::Publish(TPublisher &P)
{
    OBJ(TabsContainer);
    OBJ(Tabs);
    OBJ(CloseButton);
    OBJ(AddButton);
    OBJ(ScrollButtons);
}

namespace {

void Set_Font(TGlideTabsLookAndFeelBaseFont &F, TColor Color, int Alpha)
{
    F.SetName(QStringLiteral("Segoe UI"));
    F.SetColor(Color);
    F.SetSize(9);
    F.SetAlpha(static_cast<std::uint8_t>(Alpha));
    F.SetTextRendoringMode(TTextRenderingHint::TextRenderingHintClearTypeGridFit);
}

} // namespace

void SetDefaultLookAndFeel(TGlideTabsLookAndFeel &L)
{
    TGlideTabsLookAndFeelStyle &C = L.TabsContainer();
    C.SetStartColor(0xDE9262);
    C.SetStopColor(0xC97142);
    C.SetStartAlpha(255);
    C.SetStopAlpha(255);
    C.SetOutlineColor(0xDD9262);
    C.SetOutlineAlpha(0);

    TGlideTabsLookAndFeelTab &T = L.Tabs();
    T.Active().Style().Set_All(0xFFFFFF, 0xF8F9F8, 255, 255, 0x9B7C5E, 1.0f, 255);
    T.NotActive().Style().Set_All(0xE7D9CD, 0xE7D9CD, 210, 210, 0xCEB396, 1.0f, 215);
    T.Hot().Style().Set_All(0xEFE2D8, 0xEDE1D7, 255, 255, 0xBD9277, 1.0f, 235);
    Set_Font(T.DefaultFont(), 0x000000, 255);
    Set_Font(T.Active().Font(), 0x008080, 100);
    T.Active().Font().SetUseDefaultFont(true);
    Set_Font(T.NotActive().Font(), 0x463E55, 215);
    T.NotActive().Font().SetUseDefaultFont(false);
    Set_Font(T.Hot().Font(), 0x404040, 215);
    T.Hot().Font().SetUseDefaultFont(false);
    T.BaseLine().Set_All(0xA9886D, 1.0f, 255);
    for (TGlideTabsLookAndFeelGlow *G : {&T.Modified(), &T.MouseGlow()}) {
        G->SetCentreColor(0xFFFFFF);
        G->SetOutsideColor(0xFFFFFF);
        G->SetCentreAlpha(G == &T.Modified() ? 130 : 120);
        G->SetOutsideAlpha(0);
    }

    TGlideTabsLookAndFeelCloseButton &Close = L.CloseButton();
    Close.Circle().Normal().Set_All(clGradientActiveCaption, clNone, 0, 0, 0x808080, 1.0f, 0);
    Close.Circle().Down().Set_All(0x3535C1, 0x3535C1, 255, 255, 0x808080, 1.0f, 255);
    Close.Circle().Hot().Set_All(0x8F8FDB, 0x9597E4, 255, 255, 0x5C62C3, 1.0f, 255);
    Close.Cross().Normal().Set_All(0x655D57, 1.5f, 255);
    Close.Cross().Down().Set_All(0xEBEBF9, 2.0f, 220);
    Close.Cross().Hot().Set_All(0xFFFFFF, 2.0f, 220);

    TGlideTabsLookAndFeelAddButton &Add = L.AddButton();
    Add.Button().Normal().Set_All(0xDAD0C4, 0xDACFC3, 255, 255, 0xC7B6A5, 1.0f, 255);
    Add.Button().Down().Set_All(0xCCBCAD, 0xCCBCAC, 255, 255, 0xA5998C, 1.0f, 255);
    Add.Button().Hot().Set_All(0xECE1DA, 0xECE1DA, 255, 255, 0xE3C7AB, 1.0f, 255);
    for (TGlideTabsLookAndFeelStyle *S : {&Add.PlusSign().Normal(), &Add.PlusSign().Down(), &Add.PlusSign().Hot()})
        S->Set_All(0xFFFFFF, 0xFFFFFF, 255, 255, 0x808080, 1.0f, 255);

    TGlideTabsLookAndFeelScrollButton &Scroll = L.ScrollButtons();
    Scroll.Button().Normal().Set_All(0xE0D7CE, 0xD9CFC3, 255, 255, 0xAF9882, 1.0f, 255);
    Scroll.Button().Down().Set_All(0xCCBCAD, 0xCCBCAC, 255, 255, 0xA5998C, 1.0f, 255);
    Scroll.Button().Hot().Set_All(0xECE1DA, 0xECE1D9, 255, 255, 0xE3C7AC, 1.0f, 255);
    Scroll.Button().Disabled().Set_All(0xDACFC4, 0xD9CFC3, 150, 150, 0xA9937D, 1.0f, 100);
    for (TGlideTabsLookAndFeelStyle *S : {&Scroll.Arrow().Normal(), &Scroll.Arrow().Down(), &Scroll.Arrow().Hot()})
        S->Set_All(0xFFFFFF, 0xFFFFFF, 255, 255, 0x808080, 1.0f, 200);
    Scroll.Arrow().Disabled().Set_All(0xC0C0C0, 0xC0C0C0, 150, 150, 0x808080, 1.0f, 200);
}
