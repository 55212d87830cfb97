#include "RecordingStrip.h"
#include "TestSupport.h"
#include <QDir>
#include <QPainter>
#include <gtest/gtest.h>
#include <cmath>

namespace {

// A strip with the defaults, a driven clock and tabs with their drawn controls.
class GlideTabsControls : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Clock.Ticks = 1000;
        Strip = Default_Strip();
    }
    TGlideTabControl &Control_For(const QString &Caption, const TGlideRect &Rect, TDrawState State)
    {
        TGlideTab *T = Strip->Tab(Caption);
        if (!T) {
            T = Strip->Tabs.Add();
            T->SetCaption(Caption);
        }
        auto *C = new TGlideTabControl(Strip.get(), T);
        T->SetTabControl(C);
        C->SetPosition(Rect, 0, ttNone);
        C->SetDrawState(State, 0, ttNone, true);
        return *C;
    }
    TDrivenClock Clock;
    TClockGuard Guard{&Clock};
    std::unique_ptr<TRecordingStrip> Strip;
};

// ---- movement ----

TEST_F(GlideTabsControls, FirstPositionPlacesAtOnce)
{
    TAddButtonControl B(Strip.get());
    B.SetPosition({10, 0, 40, 20}, 100, ttLinearTween);
    EXPECT_EQ(B.ControlRect(), TGlideRect(10, 0, 40, 20));
    EXPECT_FALSE(B.AnimateMovement());
}

TEST_F(GlideTabsControls, MovementEasesAndRestartsOnlyForANewTarget)
{
    TAddButtonControl B(Strip.get());
    B.SetPosition({0, 0, 100, 20}, 0, ttNone);
    B.SetPosition({100, 0, 200, 20}, 100, ttLinearTween);
    Clock.Advance(50);
    EXPECT_TRUE(B.AnimateMovement());
    EXPECT_EQ(B.ControlRect(), TGlideRect(50, 0, 150, 20));
    // The same target again leaves the running movement alone.
    B.SetPosition({100, 0, 200, 20}, 100, ttLinearTween);
    EXPECT_EQ(B.StartRect(), TGlideRect(0, 0, 100, 20));
    Clock.Advance(25);
    EXPECT_TRUE(B.AnimateMovement());
    EXPECT_EQ(B.ControlRect(), TGlideRect(75, 0, 175, 20));
    // A new target restarts from the rectangle reached so far.
    B.SetPosition({0, 0, 100, 20}, 100, ttLinearTween);
    EXPECT_EQ(B.StartRect(), TGlideRect(75, 0, 175, 20));
    Clock.Advance(40);
    EXPECT_TRUE(B.AnimateMovement());
    EXPECT_EQ(B.ControlRect(), TGlideRect(45, 0, 145, 20));
    Clock.Advance(500);
    EXPECT_TRUE(B.AnimateMovement());
    EXPECT_EQ(B.ControlRect(), TGlideRect(0, 0, 100, 20));
    EXPECT_FALSE(B.AnimateMovement());
}

// Exponential ease-out stops 1/1024 short of its end; a long move still lands on its target.
TEST_F(GlideTabsControls, MovementLandsExactlyOnItsTarget)
{
    TAddButtonControl B(Strip.get());
    B.SetPosition({0, 0, 40, 20}, 0, ttNone);
    B.SetPosition({2000, 0, 2040, 20}, 500, ttEaseOutExpo);
    Clock.Advance(600);
    EXPECT_TRUE(B.AnimateMovement());
    EXPECT_EQ(B.ControlRect(), TGlideRect(2000, 0, 2040, 20));
}

// A zero-length movement or transition with a curve would never take its step: it jumps.
TEST_F(GlideTabsControls, ZeroDurationJumps)
{
    TAddButtonControl B(Strip.get());
    B.SetPosition({0, 0, 40, 20}, 0, ttNone);
    B.SetPosition({100, 0, 140, 20}, 0, ttLinearTween);
    EXPECT_EQ(B.ControlRect(), TGlideRect(100, 0, 140, 20));
    B.SetDrawState(dsHot, 0, ttLinearTween, false);
    EXPECT_EQ(B.ButtonItems().CurrentTabProperties().StartColor,
              Strip->LookAndFeel.AddButton().Button().Hot().StartColor());
}

TEST_F(GlideTabsControls, EdgeSettersKeepTheOtherEdges)
{
    TAddButtonControl B(Strip.get());
    B.SetPosition({10, 5, 40, 25}, 0, ttNone);
    B.SetLeft(20, 0, ttNone);
    EXPECT_EQ(B.ControlRect(), TGlideRect(20, 5, 50, 25));
    B.SetTop(0, 0, ttNone);
    EXPECT_EQ(B.ControlRect(), TGlideRect(20, 0, 50, 20));
    B.SetWidth(5, 0, ttNone);
    EXPECT_EQ(B.ControlRect(), TGlideRect(20, 0, 25, 20));
    B.SetHeight(7, 0, ttNone);
    EXPECT_EQ(B.ControlRect(), TGlideRect(20, 0, 25, 7));
}

// ---- style transitions ----

TEST_F(GlideTabsControls, StyleTransitionStepsAndReachesTheStopValues)
{
    TGlideTabControl &C = Control_For("A", {0, 4, 150, 34}, dsNotActive);
    const TGlideTabsLookAndFeelTab &L = Strip->LookAndFeel.Tabs();
    EXPECT_EQ(C.PropertyItems().CurrentTabProperties().StartAlpha, 210);
    C.SetDrawState(dsHot, 300, ttLinearTween, false);
    EXPECT_FALSE(C.AnimateStyle() && false);
    Clock.Advance(150);
    EXPECT_TRUE(C.AnimateStyle());
    const TGlideTabControlProperties &Half = C.PropertyItems().CurrentTabProperties();
    EXPECT_EQ(Half.StartAlpha, 232);  // 210 -> 255 at 50 %
    EXPECT_EQ(Half.OutlineAlpha, 225); // 215 -> 235
    EXPECT_EQ(Half.StartColor, StepColor(L.NotActive().Style().StartColor(), L.Hot().Style().StartColor(), 50));
    Clock.Advance(150);
    EXPECT_TRUE(C.AnimateStyle());
    EXPECT_EQ(C.PropertyItems().CurrentTabProperties().StartColor, L.Hot().Style().StartColor());
    EXPECT_EQ(C.PropertyItems().CurrentTabProperties().FontColor, L.Hot().Font().Color());
    EXPECT_FALSE(C.AnimateStyle());
}

TEST_F(GlideTabsControls, StyleTransitionRestartsFromWhereItWas)
{
    TGlideTabControl &C = Control_For("A", {0, 4, 150, 34}, dsNotActive);
    C.SetDrawState(dsHot, 300, ttLinearTween, false);
    Clock.Advance(150);
    C.AnimateStyle();
    const int Reached = C.PropertyItems().CurrentTabProperties().StartAlpha;
    C.SetDrawState(dsNotActive, 300, ttLinearTween, false);
    EXPECT_EQ(C.PropertyItems().StartTabProperties().StartAlpha, Reached);
    Clock.Advance(300);
    C.AnimateStyle();
    EXPECT_EQ(C.PropertyItems().CurrentTabProperties().StartAlpha, 210);
}

TEST_F(GlideTabsControls, StyleWithoutEaseJumpsAtOnce)
{
    TGlideTabControl &C = Control_For("A", {0, 4, 150, 34}, dsNotActive);
    C.SetDrawState(dsActive, 300, ttNone, false);
    EXPECT_EQ(C.PropertyItems().CurrentTabProperties().StartColor, Strip->LookAndFeel.Tabs().Active().Style().StartColor());
    // The active state draws its text with the default font (UseDefaultFont).
    EXPECT_EQ(C.PropertyItems().CurrentTabProperties().FontColor, Strip->LookAndFeel.Tabs().DefaultFont().Color());
    EXPECT_FALSE(C.AnimateStyle());
}

// Placing a control without animation ends its style transition at the target look.
TEST_F(GlideTabsControls, EndingAStyleAnimationAppliesTheStopValues)
{
    TGlideTabControl &C = Control_For("A", {0, 4, 150, 34}, dsNotActive);
    C.SetDrawState(dsHot, 300, ttLinearTween, false);
    Clock.Advance(90);
    C.AnimateStyle();
    C.SetPosition({10, 4, 160, 34}, 0, ttNone);
    EXPECT_EQ(C.PropertyItems().CurrentTabProperties().StartAlpha, 255);
    EXPECT_EQ(C.PropertyItems().CurrentTabProperties().StartColor, Strip->LookAndFeel.Tabs().Hot().Style().StartColor());
    Clock.Advance(300);
    EXPECT_FALSE(C.AnimateStyle());
}

struct TButtonStyleCase
{
    const char *Name;
    bool Scroll;
    TDrawState State;
    const char *Button_Style; // path under the look and feel
};
const TButtonStyleCase Button_Style_Cases[] = {
    {"AddNormal", false, dsNotActive, "AddButton.Button.Normal"},
    {"AddHot", false, dsHot, "AddButton.Button.Hot"},
    {"AddDown", false, dsDown, "AddButton.Button.Down"},
    {"AddHasNoDisabledLook", false, dsDisabled, "AddButton.Button.Normal"},
    {"ScrollDisabled", true, dsDisabled, "ScrollButtons.Button.Disabled"},
    {"ScrollActive", true, dsActive, "ScrollButtons.Button.Normal"},
    {"ScrollDown", true, dsDown, "ScrollButtons.Button.Down"},
};

TEST_F(GlideTabsControls, ButtonsSelectTheirStyles)
{
    for (const TButtonStyleCase &C : Button_Style_Cases) {
        SCOPED_TRACE(C.Name);
        std::unique_ptr<TBaseGlideButtonControl> B;
        if (C.Scroll)
            B = std::make_unique<TScrollButtonLeftControl>(Strip.get());
        else
            B = std::make_unique<TAddButtonControl>(Strip.get());
        B->SetDrawState(C.State, 300, ttLinearTween, true);
        Clock.Advance(300);
        B->AnimateStyle();
        const QString Path = C.Button_Style;
        EXPECT_EQ(QString::number(B->ButtonItems().CurrentTabProperties().StartAlpha),
                  Strip->LookAndFeel.Get_Property_Text(Path + ".StartAlpha"));
        EXPECT_EQ(QString::number(B->ButtonItems().CurrentTabProperties().StopColor),
                  Strip->LookAndFeel.Get_Property_Text(Path + ".StopColor"));
    }
}

// ---- polygons ----

TEST_F(GlideTabsControls, TabOutlineAndItsFlipForBottomTabs)
{
    TGlideTabControl &C = Control_For("A", {10, 4, 110, 34}, dsActive);
    const TPolygon Top = C.GetPolygons()->GetPolygons(0).Polygon();
    ASSERT_EQ(Top.size(), 12u);
    EXPECT_EQ(Top[0], QPoint(10, 34));
    EXPECT_EQ(Top[2], QPoint(22, 7));
    EXPECT_EQ(Top[5], QPoint(26, 4));
    EXPECT_EQ(Top[6], QPoint(94, 4));
    EXPECT_EQ(Top[11], QPoint(110, 34));
    Strip->Options.Display().Tabs().SetOrientation(toBottom);
    const TPolygon Bottom = C.GetPolygons()->GetPolygons(0).Polygon();
    EXPECT_EQ(Bottom[0], QPoint(10, 4));
    EXPECT_EQ(Bottom[5], QPoint(26, 34));
    // Scrolling moves a tab's outline.
    Strip->Scroll_Offset = 5;
    EXPECT_EQ(C.GetPolygons()->GetPolygons(0).Polygon()[0], QPoint(5, 4));
}

TEST_F(GlideTabsControls, AddButtonOutlineAndPlusSign)
{
    TAddButtonControl B(Strip.get());
    B.SetPosition({100, 10, 131, 24}, 0, ttNone);
    const int H = 14, W = 31;
    const TPolygon Expected{{100 + 7, 10 + H}, {100 + 4, 10 + H - 2}, {100, 12}, {101, 10},
                            {100 + W - 7, 10}, {100 + W - 4, 12},     {131, 22}, {131, 24}};
    EXPECT_EQ(B.GetPolygons()->PolygonCount(), 1); // the strip defaults hide the plus sign
    EXPECT_EQ(B.GetPolygons()->GetPolygons(0).Polygon(), Expected);
    Strip->Options.Display().AddButton().SetShowPlusSign(true);
    IGlideTabPolygons P = B.GetPolygons();
    ASSERT_EQ(P->PolygonCount(), 2);
    // a = 31 div 2 - 4 = 11, b = 14 div 2 - 4 = 3.
    EXPECT_EQ(P->GetPolygons(1).Polygon()[0], QPoint(111, 16));
    Strip->Options.Display().Tabs().SetOrientation(toBottom);
    const TPolygon Flipped = B.GetPolygons()->GetPolygons(0).Polygon();
    for (size_t I = 0; I < Expected.size(); ++I)
        EXPECT_EQ(Flipped[I], QPoint(Expected[I].x(), 10 + (H - (Expected[I].y() - 10))));
}

TEST_F(GlideTabsControls, ScrollButtonArrowsAndTheirMirror)
{
    TScrollButtonLeftControl L(Strip.get());
    L.SetPosition({0, 10, 15, 25}, 0, ttNone);
    L.SetDrawState(dsActive, 0, ttNone, true);
    EXPECT_EQ(L.GetPolygons()->GetPolygons(1).Polygon()[0], QPoint(3, 17));
    TScrollButtonRightControl R(Strip.get());
    R.SetPosition({0, 10, 15, 25}, 0, ttNone);
    R.SetDrawState(dsActive, 0, ttNone, true);
    EXPECT_EQ(R.GetPolygons()->GetPolygons(1).Polygon()[0], QPoint(12, 17));
    // Right to left, the left button's arrow points right (mirrored within the client area).
    Strip->BiDi = bdRightToLeft;
    const TPolygon Mirrored = L.GetPolygons()->GetPolygons(1).Polygon();
    EXPECT_EQ(Mirrored[0], QPoint(Strip->Client_Width - 3, 17));
}

TEST_F(GlideTabsControls, HandlerPolygonsGetTheDefaultBrushAndPen)
{
    TAAPen Own_Pen{0xFF00FF00, 3};
    Strip->Polygon_Handler = [&] {
        IGlideTabPolygons P = New_Polygons();
        P->AddPolygon({{0, 0}, {5, 0}, {5, 5}}, nullptr, nullptr).AddPolygon({{1, 1}}, nullptr, &Own_Pen);
        return P;
    };
    TGlideTabControl &C = Control_For("A", {0, 4, 100, 34}, dsActive);
    IGlideTabPolygons P = C.GetPolygons();
    ASSERT_EQ(P->PolygonCount(), 2);
    EXPECT_NE(P->GetPolygons(0).Brush(), nullptr);
    EXPECT_NE(P->GetPolygons(0).Pen(), nullptr);
    EXPECT_EQ(P->GetPolygons(1).Pen(), &Own_Pen);
}

// ---- content layout ----

TEST_F(GlideTabsControls, ContentLayoutPlacesImageTextAndCloseButton)
{
    TAAImageList Images(16, 16);
    Images.Add(QImage(16, 16, QImage::Format_ARGB32));
    Strip->Images = &Images;
    TGlideTabControl &C = Control_For("A", {0, 4, 150, 34}, dsActive);
    Strip->Tab("A")->SetActive(true);
    Strip->Tab("A")->SetImageIndex(0);
    const TTabContentLayout L = C.LayoutTabContent();
    // Close button: right 150 - 16 - 14 - 2 = 118, top 4 + 6.
    EXPECT_TRUE(L.CloseButtonVisible);
    EXPECT_EQ(L.CloseButtonRect, TGlideRect(118, 10, 132, 24));
    EXPECT_EQ(L.CloseButtonCrossRect, TGlideRect(122, 14, 128, 20));
    EXPECT_TRUE(L.ImageShown);
    EXPECT_EQ(L.ImageRect, TGlideRect(18, 11, 34, 27));
    EXPECT_TRUE(L.TextShown);
    EXPECT_EQ(L.TextRect, TGlideRect(35, 4, 117, 34));
}

TEST_F(GlideTabsControls, ContentLayoutWithoutRoomShowsNoImage)
{
    TAAImageList Images(16, 16);
    Images.Add(QImage(16, 16, QImage::Format_ARGB32));
    Strip->Images = &Images;
    Strip->Options.Display().CloseButton().SetVisibility(bvNever);
    TGlideTabControl &C = Control_For("A", {0, 4, 45, 34}, dsNotActive);
    Strip->Tab("A")->SetImageIndex(0);
    Strip->Tab("A")->SetSpinnerState(tssRenderedUpload);
    // 18 + 16 > 45 - 16: no room for a picture or a busy indicator.
    const TTabContentLayout L = C.LayoutTabContent();
    EXPECT_FALSE(L.ImageShown);
    EXPECT_FALSE(L.SpinnerShown);
    EXPECT_FALSE(L.CloseButtonVisible);
    // Without room the content start stays put and the caption gets what is left: 18 to 45 - 16.
    EXPECT_TRUE(L.TextShown);
    EXPECT_EQ(L.TextRect, TGlideRect(18, 4, 29, 34));
    C.SetPosition({0, 4, 38, 34}, 0, ttNone);
    EXPECT_FALSE(C.LayoutTabContent().TextShown); // 22 - 18 < 5
}

TEST_F(GlideTabsControls, PinnedTabCentresItsImageOrItsCloseButton)
{
    TAAImageList Images(16, 16);
    Images.Add(QImage(16, 16, QImage::Format_ARGB32));
    Strip->Images = &Images;
    TGlideTabControl &C = Control_For("P", {0, 4, 60, 34}, dsActive);
    Strip->Tab("P")->SetPinned(true);
    Strip->Tab("P")->SetImageIndex(0);
    TTabContentLayout L = C.LayoutTabContent();
    EXPECT_FALSE(L.TextShown);
    EXPECT_EQ(L.ImageRect, TGlideRect(22, 11, 38, 27));
    EXPECT_FALSE(L.CloseButtonVisible); // bvAll never shows on pinned tabs

    // Nothing but a visible close button: it moves to the middle.
    Strip->Tab("P")->SetPinned(false);
    Strip->Tab("P")->SetImageIndex(-1);
    Strip->Options.Display().Tabs().SetContentOffsetLeft(40);
    C.SetPosition({0, 4, 70, 34}, 0, ttNone);
    L = C.LayoutTabContent();
    EXPECT_TRUE(L.CloseButtonVisible);
    EXPECT_FALSE(L.TextShown);
    EXPECT_EQ(L.CloseButtonRect, TGlideRect(28, 10, 42, 24));
    // The hit area follows the drawn button.
    EXPECT_EQ(C.GetHitTestArea(35, 15), htCloseButton);
}

struct TCloseCase
{
    const char *Name;
    TCloseButtonVisiblity Visibility;
    bool Active, Pinned, Hide;
    int Width;
    bool Visible;
};
const TCloseCase Close_Cases[] = {
    {"AllOnInactive", bvAll, false, false, false, 150, true},
    {"AllNotOnPinned", bvAll, true, true, false, 150, false},
    {"Never", bvNever, true, false, false, 150, false},
    {"ActiveOnActive", bvActive, true, false, false, 150, true},
    {"ActiveNotOnInactive", bvActive, false, false, false, 150, false},
    {"NarrowInactiveHides", bvAll, false, false, false, 54, false}, // 54 - 16 - 18 = 20 <= 20
    {"NarrowActiveKeeps", bvAll, true, false, false, 54, true},
    {"TabHidesIt", bvAll, true, false, true, 150, false},
};

TEST_F(GlideTabsControls, CloseButtonVisibility)
{
    for (const TCloseCase &K : Close_Cases) {
        SCOPED_TRACE(K.Name);
        auto S = Default_Strip();
        S->Make_Tabs("A");
        TGlideTab *T = S->Tab("A");
        T->SetActive(K.Active);
        T->SetPinned(K.Pinned);
        if (!K.Active)
            T->SetActive(false);
        T->SetHideCloseButton(K.Hide);
        S->Options.Display().CloseButton().SetVisibility(K.Visibility);
        TGlideTabControl C(S.get(), T);
        C.SetPosition({0, 4, K.Width, 34}, 0, ttNone);
        C.SetDrawState(K.Active ? dsActive : dsNotActive, 0, ttNone, true);
        EXPECT_EQ(C.CloseButtonVisible(), K.Visible);
    }
}

TEST_F(GlideTabsControls, HitTestFindsCloseButtonTabAndBackground)
{
    TGlideTabControl &C = Control_For("A", {0, 4, 150, 34}, dsActive);
    Strip->Tab("A")->SetActive(true);
    EXPECT_EQ(C.GetHitTestArea(124, 16), htCloseButton);
    EXPECT_EQ(C.GetHitTestArea(60, 20), htTab);
    EXPECT_EQ(C.GetHitTestArea(1, 5), htBackground); // outside the slanted edge
    EXPECT_TRUE(C.ContainsPoint({60, 20}));
}

// ---- text ----

struct TFadeCase
{
    const char *Name;
    int Text_Width;
    TBiDiMode BiDi;
    bool From_Content;
    double Blend_Point;
    double F0, F1, F2;
    int Tab_Width = 150;
};
const TFadeCase Fade_Cases[] = {
    {"Wide", 120, bdLeftToRight, false, 0.85, 0, 0, 1},
    {"Sixty", 60, bdLeftToRight, false, 0.6, 0, 0, 1},
    {"SixtyRightToLeft", 60, bdRightToLeft, false, 0.4, 1, 0, 0},
    {"VeryNarrowClamped", 5, bdLeftToRight, false, 0.0, 0, 0, 1},
    {"WidthFromContentIsSolid", 60, bdLeftToRight, true, 0.6, 0, 0, 0},
    // a tab from content that has reached MaxWidth + TabOverlap is cut like any other: it fades
    {"WidthFromContentAtMaxWidthFades", 60, bdLeftToRight, true, 0.6, 0, 0, 1, 215},
};

TEST_F(GlideTabsControls, TextFade)
{
    for (const TFadeCase &K : Fade_Cases) {
        SCOPED_TRACE(K.Name);
        Strip->BiDi = K.BiDi;
        Strip->Options.Display().Tabs().SetTabWidthFromContent(K.From_Content);
        TGlideTabControl &C = Control_For(K.Name, {0, 4, K.Tab_Width, 34}, dsNotActive);
        const TTabTextLook Look = C.Text_Look({20, 4, 20 + K.Text_Width, 34});
        EXPECT_NEAR(Look.BlendPoint, K.Blend_Point, 1e-9);
        EXPECT_EQ(Look.Factors[0], K.F0);
        EXPECT_EQ(Look.Factors[1], K.F1);
        EXPECT_EQ(Look.Factors[2], K.F2);
        EXPECT_EQ(Argb_A(Look.Color2), 0);
        EXPECT_EQ(Look.Format.Right_To_Left, K.BiDi != bdLeftToRight);
    }
}

TEST_F(GlideTabsControls, TextFormatFollowsOptions)
{
    TGlideTabControl &C = Control_For("A", {0, 4, 150, 34}, dsNotActive);
    Strip->Options.Display().Tabs().SetTextTrimType(tttEllipsisWord);
    TTabTextLook Look = C.Text_Look({20, 4, 120, 34});
    EXPECT_EQ(Look.Format.Trimming, TAAStringTrimming::EllipsisWord);
    EXPECT_TRUE(Look.Format.No_Wrap);
    EXPECT_EQ(Look.Format.Vertical, TAAStringAlignment::Center);
    EXPECT_EQ(Look.Text, "A");
    Strip->BiDi = bdRightToLeftNoAlign;
    EXPECT_EQ(C.Text_Look({20, 4, 120, 34}).Format.Horizontal, TAAStringAlignment::Far);
    Strip->Options.Behaviour().SetDebugMode(true);
    Look = C.Text_Look({20, 4, 120, 34});
    EXPECT_EQ(Look.Text, "L: 0, T: 4, R: 150: B: 34 W: 150 H: 30");
    EXPECT_EQ(Look.Font.Points, 7);
}

// Horizontal caption alignment by reading direction: left and right swap only
// for the two modes that keep the layout left to right but read right to left.
TEST_F(GlideTabsControls, TextAlignmentFollowsReadingDirection)
{
    struct TCase
    {
        const char *Name;
        TBiDiMode BiDi;
        TAlignment Alignment;
        TAAStringAlignment Expected;
    };
    const TCase Cases[] = {
        {"LeftInLeftToRight", bdLeftToRight, taLeftJustify, TAAStringAlignment::Near},
        {"RightInLeftToRight", bdLeftToRight, taRightJustify, TAAStringAlignment::Far},
        {"LeftInRightToLeft", bdRightToLeft, taLeftJustify, TAAStringAlignment::Near},
        {"RightInRightToLeft", bdRightToLeft, taRightJustify, TAAStringAlignment::Far},
        {"LeftInNoAlign", bdRightToLeftNoAlign, taLeftJustify, TAAStringAlignment::Far},
        {"RightInNoAlign", bdRightToLeftNoAlign, taRightJustify, TAAStringAlignment::Near},
        {"LeftInReadingOnly", bdRightToLeftReadingOnly, taLeftJustify, TAAStringAlignment::Far},
        {"RightInReadingOnly", bdRightToLeftReadingOnly, taRightJustify, TAAStringAlignment::Near},
        {"CentreStaysCentre", bdRightToLeftReadingOnly, taCenter, TAAStringAlignment::Center},
    };
    TGlideTabControl &C = Control_For("A", {0, 4, 150, 34}, dsNotActive);
    for (const TCase &K : Cases) {
        SCOPED_TRACE(K.Name);
        Strip->BiDi = K.BiDi;
        Strip->Options.Display().Tabs().SetTextAlignmentHorizontal(K.Alignment);
        const TTabTextLook Look = C.Text_Look({20, 4, 120, 34});
        EXPECT_EQ(Look.Format.Horizontal, K.Expected);
        EXPECT_EQ(Look.Format.Right_To_Left, K.BiDi != bdLeftToRight);
    }
}

TEST_F(GlideTabsControls, ContentWidthIsMeasuredOncePerCaption)
{
    TGlideTabControl &C = Control_For("Caption", {0, 4, 150, 34}, dsNotActive);
    const int W1 = C.GetTabWidthByContent();
    EXPECT_GT(W1, 18);
    EXPECT_EQ(C.GetTabWidthByContent(), W1);
    EXPECT_EQ(C.Measure_Count(), 1);
    Strip->Tab("Caption")->SetCaption("A much longer caption");
    EXPECT_GT(C.GetTabWidthByContent(), W1);
    EXPECT_EQ(C.Measure_Count(), 2);
}

// The content width adds the caption to the fixed parts: left offset 18, close button
// area 16 + 14 + 2 from the right, less the overlap 15.
TEST_F(GlideTabsControls, ContentWidthAddsCaptionAndMargins)
{
    TGlideTabControl &C = Control_For("Caption", {0, 4, 150, 34}, dsNotActive);
    QImage Scratch(200, 30, QImage::Format_ARGB32_Premultiplied);
    QPainter P(&Scratch);
    TAACanvas Canvas(P);
    TAAStringFormat Format;
    Format.No_Wrap = true;
    const double W = Canvas.Measure_Text("Caption", TAAFont{"Segoe UI", 9}, QRectF(0, 0, 1000, 30), Format,
                                         TTextRenderingHint::TextRenderingHintClearTypeGridFit).width();
    EXPECT_EQ(C.GetTabWidthByContent(), static_cast<int>(std::nearbyint(W)) + 18 + 32 - 15);
}

TEST_F(GlideTabsControls, RightToLeftMirrorsTheContent)
{
    Strip->BiDi = bdRightToLeft;
    TGlideTabControl &C = Control_For("A", {0, 4, 150, 34}, dsActive);
    Strip->Tab("A")->SetActive(true);
    const TTabContentLayout L = C.LayoutTabContent();
    // Mirrored within the 400 pixel client area.
    EXPECT_EQ(L.CloseButtonRect, TGlideRect(400 - 132, 10, 400 - 118, 24));
    EXPECT_EQ(L.TextRect, TGlideRect(400 - 117, 4, 400 - 19, 34));
    EXPECT_EQ(C.GetHitTestArea(400 - 124, 16), htCloseButton);
    // The outline moves to the mirrored place; being symmetric it keeps its shape.
    EXPECT_EQ(C.GetPolygons()->GetPolygons(0).Polygon()[0], QPoint(250, 34));
}

TEST_F(GlideTabsControls, TabGradientKeepsItsStartColourAtTheTop)
{
    Strip->Options.Display().Tabs().SetOrientation(toBottom);
    TGlideTabControl &C = Control_For("A", {0, 4, 150, 34}, dsActive);
    const TAABrush *Brush = C.GetPolygons()->GetPolygons(0).Brush();
    ASSERT_NE(Brush, nullptr);
    EXPECT_EQ(Brush->Point1().y(), 4);
    EXPECT_EQ(Brush->Color1(), ToArgb(Strip->LookAndFeel.Tabs().Active().Style().StartColor(), 255));
}

TEST_F(GlideTabsControls, ButtonFadeRebuildsItsBrush)
{
    TAddButtonControl B(Strip.get());
    B.SetPosition({0, 10, 31, 24}, 0, ttNone);
    B.SetDrawState(dsNotActive, 0, ttNone, true);
    const TArgb Normal = B.GetButtonBrush()->Color1();
    EXPECT_EQ(B.GetButtonBrush()->Color1(), Normal); // cached while nothing changes
    B.SetDrawState(dsHot, 300, ttLinearTween, false);
    Clock.Advance(150);
    EXPECT_TRUE(B.AnimateStyle());
    const TArgb Half = B.GetButtonBrush()->Color1();
    EXPECT_NE(Half, Normal);
    Clock.Advance(150);
    EXPECT_TRUE(B.AnimateStyle());
    EXPECT_EQ(B.GetButtonBrush()->Color1(), ToArgb(Strip->LookAndFeel.AddButton().Button().Hot().StartColor(), 255));
    EXPECT_FALSE(B.AnimateStyle());
}

// A tab drawn behind another leaves the other's outline untouched.
TEST_F(GlideTabsControls, ClipPolygonsKeepCoveredPartsFree)
{
    TGlideTabControl &C = Control_For("A", {0, 4, 150, 34}, dsActive);
    QImage Image(160, 40, QImage::Format_ARGB32_Premultiplied);
    Image.fill(Qt::black);
    QPainter P(&Image);
    TAACanvas Canvas(P);
    IGlideTabPolygons Above = New_Polygons();
    Above->AddPolygon({{0, 0}, {75, 0}, {75, 40}, {0, 40}}, nullptr, nullptr);
    C.DrawTo(Canvas, -1, -1, {Above});
    P.end();
    EXPECT_EQ(QColor(Image.pixel(60, 30)), QColor(Qt::black));
    EXPECT_NE(QColor(Image.pixel(90, 30)), QColor(Qt::black));
}

// ---- glow and busy indicator ----

TEST_F(GlideTabsControls, SpinnersStepAndWrap)
{
    TGlideTabControl &C = Control_For("A", {0, 4, 150, 34}, dsNotActive);
    TGlideTab *T = Strip->Tab("A");
    EXPECT_FALSE(C.AnimateSpinner());
    T->SetSpinnerState(tssRenderedDownload); // step 5 forwards
    C.SetSpinnerRenderedDegrees(360);
    EXPECT_TRUE(C.AnimateSpinner());
    EXPECT_EQ(C.SpinnerRenderedDegrees(), 5);
    Strip->Options.Display().TabSpinners().Download().SetReverseDirection(true);
    C.SetSpinnerRenderedDegrees(2);
    C.AnimateSpinner();
    EXPECT_EQ(C.SpinnerRenderedDegrees(), 357);

    TAAImageList Frames(8, 8);
    for (int I = 0; I < 3; ++I)
        Frames.Add(QImage(8, 8, QImage::Format_ARGB32));
    T->SetSpinnerState(tssImageUpload);
    EXPECT_FALSE(C.AnimateSpinner()); // no picture list
    Strip->Spinner_Upload = &Frames;
    Strip->Spinner_Download = &Frames;
    C.AnimateSpinner();
    EXPECT_EQ(C.SpinnerImageIndex(), 2); // backwards, wrapping below 0
    T->SetSpinnerState(tssImageDownload);
    C.AnimateSpinner();
    EXPECT_EQ(C.SpinnerImageIndex(), 0); // forwards, wrapping at the count
}

TEST_F(GlideTabsControls, ModifiedGlowSweepsAndKnightRiderTurns)
{
    TGlideTabControl &C = Control_For("A", {0, 4, 200, 34}, dsNotActive);
    TGlideTab *T = Strip->Tab("A");
    EXPECT_FALSE(C.AnimateModified());
    T->SetModified(true);
    TGlideTabModifiedDisplayOptions &G = Strip->Options.Display().TabModifiedGlow();
    G.SetEaseType(ttLinearTween);
    G.SetAnimationPeriodMS(1000);
    EXPECT_TRUE(C.AnimateModified());
    EXPECT_EQ(C.ModifiedPosition(), 200); // right to left: starts just right of the tab
    Clock.Advance(500);
    C.AnimateModified();
    EXPECT_EQ(C.ModifiedPosition(), 200 - 150);

    G.SetStyle(msKnightRider);
    const bool Direction = C.ModifiedMovingLeft();
    Clock.Advance(600); // the period is over: the sweep restarts the other way
    C.AnimateModified();
    EXPECT_NE(C.ModifiedMovingLeft(), Direction);
    G.SetAnimationPeriodMS(0);
    EXPECT_FALSE(C.AnimateModified());
}

// ---- drawing ----

TEST_F(GlideTabsControls, DrawingFiresBeforeAndAfterEventsInOrder)
{
    TGlideTabControl &C = Control_For("A", {0, 4, 150, 34}, dsActive);
    Strip->Tab("A")->SetActive(true);
    QImage Image(200, 40, QImage::Format_ARGB32_Premultiplied);
    Image.fill(Qt::white);
    QPainter P(&Image);
    TAACanvas Canvas(P);
    Strip->Draw_Events.clear();
    C.DrawTo(Canvas, -1, -1, {});
    const QStringList Expected{
        QString("before %1 0").arg(itTab),        QString("before %1 0").arg(itTabText),
        QString("after %1 0").arg(itTabText),     QString("before %1 0").arg(itTabOutline),
        QString("before %1 0").arg(itTabCloseButton), QString("after %1 0").arg(itTabCloseButton),
        QString("after %1 0").arg(itTab)};
    EXPECT_EQ(Strip->Draw_Events, Expected);
}

// Renders tabs in their states for a person to look at.
TEST_F(GlideTabsControls, RenderTabStatesToPng)
{
    const int Row = 40;
    QImage Image(760, Row * 4, QImage::Format_ARGB32_Premultiplied);
    Image.fill(QColor(248, 247, 237));
    QPainter P(&Image);
    TAACanvas Canvas(P);
    Canvas.Set_Smoothing_Mode(Strip->Options.Display().Tabs().CanvasSmoothingMode());
    Strip->Options.Display().TabModifiedGlow().SetEaseType(ttLinearTween);
    Strip->Options.Display().TabModifiedGlow().SetAnimationPeriodMS(1000);

    struct TShown { const char *Caption; TDrawState State; TDrawState Close; bool Modified; };
    const TShown Shown[] = {
        {"Active tab", dsActive, dsNotActive, false},
        {"Inactive tab", dsNotActive, dsNotActive, false},
        {"Hot tab with a long caption that fades", dsHot, dsHot, false},
        {"Close pressed", dsNotActive, dsDown, false},
        {"Modified", dsNotActive, dsNotActive, true},
    };
    for (int Orientation = 0; Orientation < 2; ++Orientation) {
        Strip->Options.Display().Tabs().SetOrientation(Orientation == 0 ? toTop : toBottom);
        for (int I = 0; I < 5; ++I) {
            const QString Caption = QString("%1 %2").arg(Shown[I].Caption).arg(Orientation);
            const int Top = Orientation * Row * 2 + (I % 2) * Row + 4;
            const int Left = 5 + (I / 2) * 250;
            TGlideTabControl &C = Control_For(Caption, {Left, Top, Left + 200, Top + 30}, Shown[I].State);
            Strip->Tab(Caption)->SetModified(Shown[I].Modified);
            C.SetCloseButtonState(Shown[I].Close);
            if (Shown[I].Modified) {
                C.AnimateModified(); // the sweep starts
                Clock.Advance(300);
                C.AnimateModified();
            }
            const int Mouse_X = Shown[I].State == dsHot ? Left + 60 : -1;
            C.DrawTo(Canvas, Mouse_X, Top + 15, {});
        }
    }
    Strip->Options.Display().Tabs().SetOrientation(toTop);
    TGlideTabControl &Pinned = Control_For("Pinned", {510, Row + 4, 549, Row + 34}, dsActive);
    Strip->Tab("Pinned")->SetPinned(true);
    Pinned.DrawTo(Canvas, -1, -1, {});
    P.end();
    const QString Path = QDir(Test_Output_Dir()).filePath("glidetabs_tab_states.png");
    ASSERT_TRUE(Image.save(Path));
    // The active tab's fill is the active style's near-white, not the background.
    EXPECT_GT(QColor(Image.pixel(100, 20)).blue(), 245);
    // The modified glow (a third of its sweep, right to left) lightens the inactive tab under it.
    const int Glow_Centre = 705 - 90 + 50;
    EXPECT_GT(QColor(Image.pixel(Glow_Centre, 12)).lightness(), QColor(Image.pixel(530, 12)).lightness());
    Image.copy(500, 0, 260, Row * 4).scaled(780, Row * 12).save(QDir(Test_Output_Dir()).filePath("glidetabs_tab_states_zoom.png"));
}


// Each draw state picks its button and symbol looks; only the scroll buttons
// have disabled looks, the add button stays at its normal look then.
TEST_F(GlideTabsControls, DrawStatesPickTheirStyles)
{
    const auto &AddL = Strip->GetLookAndFeel().AddButton();
    const auto &ScrollL = Strip->GetLookAndFeel().ScrollButtons();
    struct TCase { const char *Name; TDrawState State; };
    const TCase Cases[] = {{"Down", dsDown}, {"Hot", dsHot}, {"Disabled", dsDisabled}, {"Normal", dsNotActive}};
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        TAddButtonControl A(Strip.get());
        TScrollButtonRightControl R(Strip.get());
        A.SetDrawState(C.State, 0, ttNone, true);
        R.SetDrawState(C.State, 0, ttNone, true);
        switch (C.State) {
        case dsDown:
            EXPECT_EQ(A.ButtonStyle(), &AddL.Button().Down());
            EXPECT_EQ(A.SymbolStyle(), &AddL.PlusSign().Down());
            EXPECT_EQ(R.ButtonStyle(), &ScrollL.Button().Down());
            EXPECT_EQ(R.SymbolStyle(), &ScrollL.Arrow().Down());
            break;
        case dsHot:
            EXPECT_EQ(A.ButtonStyle(), &AddL.Button().Hot());
            EXPECT_EQ(A.SymbolStyle(), &AddL.PlusSign().Hot());
            EXPECT_EQ(R.ButtonStyle(), &ScrollL.Button().Hot());
            EXPECT_EQ(R.SymbolStyle(), &ScrollL.Arrow().Hot());
            break;
        case dsDisabled:
            EXPECT_EQ(A.ButtonStyle(), &AddL.Button().Normal());
            EXPECT_EQ(A.SymbolStyle(), &AddL.PlusSign().Normal());
            EXPECT_EQ(R.ButtonStyle(), &ScrollL.Button().Disabled());
            EXPECT_EQ(R.SymbolStyle(), &ScrollL.Arrow().Disabled());
            break;
        default:
            EXPECT_EQ(A.ButtonStyle(), &AddL.Button().Normal());
            EXPECT_EQ(A.SymbolStyle(), &AddL.PlusSign().Normal());
            EXPECT_EQ(R.ButtonStyle(), &ScrollL.Button().Normal());
            EXPECT_EQ(R.SymbolStyle(), &ScrollL.Arrow().Normal());
            break;
        }
    }
}

} // namespace
