#include "grid/base/GridButtons.h"
#include "platform/SystemInfo.h"
#include <QApplication>
#include <QMenu>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct TLayoutCase {
    const char *Name;
    QRect Client;
    QSize Glyph, Text;
    TButtonLayout Layout;
    int Margin, Spacing, Offset;
    bool Rtl;
    QPoint WantGlyph, WantText;
};

const TLayoutCase Layout_Cases[] = {
    {"LeftCentredByMargin", {0, 0, 100, 20}, {16, 16}, {30, 14}, blGlyphLeft, -1, 4, 0, false, {25, 2}, {45, 3}},
    {"SpreadEvenly", {0, 0, 100, 20}, {16, 16}, {30, 14}, blGlyphLeft, -1, -1, 0, false, {18, 2}, {52, 3}},
    {"SpacingSpread", {0, 0, 100, 20}, {16, 16}, {30, 14}, blGlyphLeft, 4, -1, 0, false, {4, 2}, {45, 3}},
    {"Right", {0, 0, 100, 20}, {16, 16}, {30, 14}, blGlyphRight, 2, 4, 0, false, {82, 2}, {48, 3}},
    {"RightToLeftSwapsLeft", {0, 0, 100, 20}, {16, 16}, {30, 14}, blGlyphLeft, 2, 4, 0, true, {82, 2}, {48, 3}},
    {"Top", {0, 0, 40, 50}, {16, 16}, {30, 14}, blGlyphTop, 3, 2, 0, false, {12, 3}, {5, 21}},
    {"Bottom", {0, 0, 40, 50}, {16, 16}, {30, 14}, blGlyphBottom, 3, 2, 0, false, {12, 31}, {5, 15}},
    {"NoCaptionNoSpacing", {0, 0, 100, 20}, {16, 16}, {0, 0}, blGlyphLeft, -1, 4, 0, false, {42, 2}, {58, 10}},
    {"MovesByClientAndOffset", {1, 1, 98, 18}, {16, 16}, {30, 14}, blGlyphLeft, 0, 4, 1, false, {2, 3}, {22, 4}},
};

TEST(GridButton, GlyphAndCaptionLayout)
{
    for (const TLayoutCase &C : Layout_Cases) {
        SCOPED_TRACE(C.Name);
        const TButtonContentLayout L = Calc_Button_Layout(C.Client, C.Glyph, C.Text, C.Layout, C.Margin, C.Spacing, C.Offset, C.Rtl);
        EXPECT_EQ(L.GlyphPos, C.WantGlyph);
        EXPECT_EQ(L.TextRect.topLeft(), C.WantText);
    }
}

TEST(GridButton, GradientBands)
{
    QImage I(4, 32, QImage::Format_RGB32);
    QPainter P(&I);
    Draw_Button_Gradient(P, QRect(0, 0, 4, 32), RGB_Color(0, 0, 0), RGB_Color(160, 0, 0), clNone);
    P.end();
    for (int Band = 0; Band < 16; ++Band)
        EXPECT_EQ(qRed(I.pixel(1, Band * 2)), Band * 10) << Band;
}

TEST(GridButton, DefaultsLooksAndMargins)
{
    VOdeGridButton B;
    EXPECT_EQ(B.size(), QSize(22, 23));
    EXPECT_EQ(B.Color(), clBtnFace);
    EXPECT_EQ(B.ColorHot(), 0xCAC7C7);
    EXPECT_EQ(B.Spacing(), 4);
    EXPECT_EQ(B.Margin(), -1);
    EXPECT_TRUE(B.Flat());
    B.Set_Margin(-2);   // ignored
    EXPECT_EQ(B.Margin(), -1);
    B.Set_Look(2);
    EXPECT_EQ(B.Color(), 0xFDEADA);
    EXPECT_EQ(B.ColorCheckedTo(), 0x55ADFF);
    B.Set_Look(4);
    EXPECT_EQ(B.Color(), 0xECE2E1);
    EXPECT_EQ(B.ColorHot(), 0xCCF4FF);   // as look 2
    B.Set_Look(0);
    EXPECT_TRUE(B.Rounded());
    B.Set_Look(7);   // changes nothing
    EXPECT_EQ(B.Look(), 0);
    EXPECT_EQ(B.Color(), 0xEDF1F1);
}

TEST(GridButton, ThemeAdaptationPicksLookByScheme)
{
    struct TAdaptCase { const char *Name; const char *Scheme; int Want; };
    const TAdaptCase Cases[] = {{"Linux", "", 1}, {"Blue", "NormalColor", 2}, {"Olive", "HomeStead", 3}, {"Silver", "Metallic", 4}};
    for (const TAdaptCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        TSystemInfoGuard G;
        System_Info().Theme_Color_Name = C.Scheme;
        VOdeGridButton B;
        B.Set_AutoThemeAdapt(true);
        EXPECT_EQ(B.Look(), C.Want);
    }
}

TEST(GridButton, GlyphDerivesGreyDisabledGlyphAndShade)
{
    QImage G(4, 4, QImage::Format_RGB32);
    G.fill(qRgb(255, 0, 255));                 // transparent colour (bottom-left)
    G.setPixel(1, 1, qRgb(30, 60, 90));
    VOdeGridButton B;
    B.Set_Glyph(G);
    const QImage D = B.GlyphDisabled();
    ASSERT_FALSE(D.isNull());
    EXPECT_EQ(D.pixel(1, 1), qRgb(126, 126, 126));   // 60 div 2 + 96
    EXPECT_EQ(B.Shade_Glyph().pixel(1, 1), qRgb(128, 128, 128));
    EXPECT_EQ(B.Shade_Glyph().pixel(0, 0), qRgb(255, 0, 255));
    QImage Other(4, 4, QImage::Format_RGB32);
    Other.fill(Qt::red);
    B.Set_GlyphDisabled(Other);
    EXPECT_EQ(B.GlyphDisabled().pixel(0, 0), qRgb(255, 0, 0));
    B.Set_Glyph(G);   // an explicit disabled glyph stays
    EXPECT_EQ(B.GlyphDisabled().pixel(0, 0), qRgb(255, 0, 0));
}

class GridButtonWidget : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form.resize(200, 60);
        A = new VOdeGridButton(&Form);
        B = new VOdeGridButton(&Form);
        A->setGeometry(10, 10, 40, 23);
        B->setGeometry(60, 10, 40, 23);
        Form.show();
    }
    QWidget Form;
    VOdeGridButton *A = nullptr;
    VOdeGridButton *B = nullptr;
};

TEST_F(GridButtonWidget, GroupButtonsAreExclusive)
{
    A->Set_GroupIndex(1);
    B->Set_GroupIndex(1);
    int Clicks = 0;
    B->OnClick = [&](QObject *) { ++Clicks; };
    QTest::mouseClick(A, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(A->Down());
    QTest::mouseClick(B, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(B->Down());
    EXPECT_FALSE(A->Down());
    EXPECT_EQ(Clicks, 1);
    // without AllowAllUp a Down button cannot be released
    B->Set_Down(false);
    EXPECT_TRUE(B->Down());
    QTest::mouseClick(B, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(B->Down());
    B->Set_AllowAllUp(true);   // tells the group
    EXPECT_TRUE(A->AllowAllUp());
    B->Set_Down(false);
    EXPECT_FALSE(B->Down());
    // a plain button without group cannot be Down
    VOdeGridButton C(&Form);
    C.Set_Down(true);
    EXPECT_FALSE(C.Down());
}

TEST_F(GridButtonWidget, CheckStyleTogglesAndPaintsChecked)
{
    A->Set_Style(tasCheck);
    A->Set_ColorChecked(clRed);
    int Clicks = 0;
    A->OnClick = [&](QObject *) { ++Clicks; };
    QTest::mouseClick(A, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(A->Down());
    QEvent Leave(QEvent::Leave);
    QApplication::sendEvent(A, &Leave);
    const QImage Img = A->grab().toImage();
    EXPECT_EQ(Img.pixelColor(20, 3), QColor(Qt::red));
    QTest::mouseClick(A, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(A->Down());
    EXPECT_EQ(Clicks, 2);
    // a release outside does not click
    QTest::mousePress(A, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(A, Qt::LeftButton, {}, QPoint(90, 5));
    EXPECT_EQ(Clicks, 2);
    EXPECT_FALSE(A->Down());
}

TEST_F(GridButtonWidget, DropDownPartOpensMenuWithoutClick)
{
    QMenu Menu;
    Menu.addAction("x");
    A->Set_DropDownButton(true);
    A->Set_DropDownMenu(&Menu);
    int Clicks = 0, Drops = 0;
    A->OnClick = [&](QObject *) { ++Clicks; };
    A->OnDropDown = [&](QObject *) { ++Drops; };
    QTest::mouseClick(A, Qt::LeftButton, {}, QPoint(A->width() - 5, 5));
    EXPECT_EQ(Drops, 1);
    EXPECT_EQ(Clicks, 0);
    EXPECT_TRUE(Menu.isVisible());
    EXPECT_EQ(Menu.pos(), A->mapToGlobal(QPoint(0, A->height())));
    Menu.close();
    QTest::mouseClick(A, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(Clicks, 1);
}

TEST_F(GridButtonWidget, DoubleClickOnlyWhileDown)
{
    int Dbl = 0;
    A->OnDblClick = [&](QObject *) { ++Dbl; };
    QTest::mouseDClick(A, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(Dbl, 0);
    A->Set_Style(tasCheck);
    A->Set_Down(true);
    QTest::mouseDClick(A, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(Dbl, 1);
}

// The caption's accelerator clicks the button only while it is enabled and
// visible on a showing parent.
TEST_F(GridButtonWidget, AcceleratorClicksOnlyAnEnabledVisibleButton)
{
    QApplication::setActiveWindow(&Form);
    A->Set_Caption("Find &next");
    int Clicks = 0;
    A->OnClick = [&](QObject *) { ++Clicks; };
    struct TAccelCase { const char *Name; bool Enabled, Visible; int Want; };
    const TAccelCase Cases[] = {
        {"EnabledVisible", true, true, 1},
        {"Disabled", false, true, 0},
        {"Hidden", true, false, 0},
    };
    for (const TAccelCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Clicks = 0;
        A->setEnabled(C.Enabled);
        A->setVisible(C.Visible);
        QTest::keyClick(&Form, Qt::Key_N, Qt::AltModifier);
        EXPECT_EQ(Clicks, C.Want);
    }
}

// --- check box ------------------------------------------------------------------------------

TEST(GridCheckBox, BoxPlacementAndThemeStates)
{
    VOdeCheckBox C;
    C.resize(98, 30);
    EXPECT_EQ(C.Caption(), "VOdeCheckBox");
    EXPECT_EQ(C.Box_Rect(), QRect(0, 4, 14, 14));
    C.Set_Alignment(taRightJustify);
    C.Set_ButtonVertAlign(tlCenter);
    EXPECT_EQ(C.Box_Rect(), QRect(98 - 15, 9, 14, 14));
    C.Set_ButtonVertAlign(tlBottom);
    EXPECT_EQ(C.Box_Rect().top(), 16);
    TSystemInfoGuard G;
    System_Info().Theme_Active = false;   // classic 13 x 13 box
    EXPECT_EQ(C.Box_Rect(), QRect(98 - 13, 13, 13, 13));
    // state numbers: unchecked 1, checked 5, grayed 9; +3 disabled
    EXPECT_EQ(C.Theme_State(), 1);
    C.Set_State(cbChecked);
    EXPECT_EQ(C.Theme_State(), 5);
    C.Set_State(cbGrayed);
    C.setEnabled(false);
    EXPECT_EQ(C.Theme_State(), 12);
}

class CheckBoxWidget : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form.resize(200, 60);
        Box = new VOdeCheckBox(&Form);
        Box->move(10, 10);
        Box->Set_Caption("&Match case");
        Box->OnClick = [this](QObject *) { ++Clicks; };
        Form.show();
        QApplication::setActiveWindow(&Form);
    }
    QWidget Form;
    VOdeCheckBox *Box = nullptr;
    int Clicks = 0;
};

TEST_F(CheckBoxWidget, MouseSpaceAndAcceleratorToggle)
{
    QTest::mouseClick(Box, Qt::LeftButton, {}, QPoint(5, 8));
    EXPECT_TRUE(Box->Checked());
    EXPECT_TRUE(Box->hasFocus());
    QTest::keyClick(Box, Qt::Key_Space);
    EXPECT_FALSE(Box->Checked());
    EXPECT_EQ(Clicks, 2);
    // released outside after a press: no toggle
    QTest::mousePress(Box, Qt::LeftButton, {}, QPoint(5, 8));
    EXPECT_TRUE(Box->Is_Down());
    QTest::mouseMove(Box, QPoint(150, 8));
    QTest::mouseRelease(Box, Qt::LeftButton, {}, QPoint(150, 8));
    EXPECT_FALSE(Box->Checked());
    EXPECT_FALSE(Box->Is_Down());
    EXPECT_EQ(Clicks, 2);
    QTest::keyClick(&Form, Qt::Key_M, Qt::AltModifier);
    EXPECT_TRUE(Box->Checked());
}

TEST_F(CheckBoxWidget, ReadOnlyKeepsStateButStillClicks)
{
    Box->Set_ReadOnly(true);
    QTest::mouseClick(Box, Qt::LeftButton, {}, QPoint(5, 8));
    QTest::keyClick(Box, Qt::Key_Space);
    QTest::keyClick(&Form, Qt::Key_M, Qt::AltModifier);
    EXPECT_FALSE(Box->Checked());
    EXPECT_EQ(Clicks, 2);
    Box->Set_Checked(true);   // the program may still set it
    EXPECT_TRUE(Box->Checked());
}

TEST_F(CheckBoxWidget, CachedTransparentBackgroundIsRenewedAfterMove)
{
    Box->Set_Transparent(true);
    Box->Set_TransparentChaching(true);
    Box->grab();
    EXPECT_TRUE(Box->Background_Cached());
    Box->SetBounds(30, 20, 98, 20);
    EXPECT_FALSE(Box->Background_Cached());
    Box->grab();
    EXPECT_TRUE(Box->Background_Cached());
}
} // namespace

namespace {
TEST(GridButton, ActionLinkPassesLinkedValues)
{
    QWidget Form;
    VOdeGridButton B(&Form);
    QAction A("Find");
    A.setCheckable(true);
    B.Set_Caption("Find");
    B.Set_Action(&A);
    // the caption follows while it equals the action's
    A.setText("Search");
    EXPECT_EQ(B.Caption(), "Search");
    B.Set_Caption("Own");
    A.setText("Again");
    EXPECT_EQ(B.Caption(), "Own");
    // the group index follows while both agree (0 = 0)
    A.setProperty("GroupIndex", 3);
    emit A.changed();
    EXPECT_EQ(B.GroupIndex(), 3);
    // checked follows with a group index and AllowAllUp
    A.setChecked(true);
    EXPECT_FALSE(B.Down());
    B.Set_AllowAllUp(true);
    A.setChecked(false);
    A.setChecked(true);
    EXPECT_TRUE(B.Down());
    // a sibling going down releases this one and unchecks its action
    VOdeGridButton C(&Form);
    C.Set_GroupIndex(3);
    C.Set_Down(true);
    EXPECT_FALSE(B.Down());
    EXPECT_FALSE(A.isChecked());
}
} // namespace
