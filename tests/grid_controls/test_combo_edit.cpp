#include "grid/base/ComboEdit.h"
#include "platform/SystemInfo.h"
#include <QAbstractItemView>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct TLabelCase {
    const char *Name;
    TLabelPosition Pos;
    QSize Label;
    QPoint Want;
};

// Combo at (100, 50), 80 x 21; caption width 30; margin 4.
const TLabelCase Label_Cases[] = {
    {"LeftTop", lpLeftTop, {32, 15}, {66, 50}},
    {"LeftCenter", lpLeftCenter, {32, 15}, {66, 53}},
    // a label taller than the combo: negative offset, truncated toward zero
    {"LeftCenterTallLabel", lpLeftCenter, {32, 30}, {66, 46}},
    {"LeftBottom", lpLeftBottom, {32, 15}, {66, 56}},
    {"TopLeft", lpTopLeft, {32, 15}, {100, 31}},
    {"BottomLeft", lpBottomLeft, {32, 15}, {100, 75}},
    {"LeftTopLeft", lpLeftTopLeft, {32, 15}, {96, 50}},
    {"LeftCenterLeft", lpLeftCenterLeft, {32, 15}, {96, 53}},
    {"LeftBottomLeft", lpLeftBottomLeft, {32, 15}, {96, 56}},
    {"TopCenter", lpTopCenter, {33, 15}, {123, 31}},
    {"BottomCenter", lpBottomCenter, {33, 15}, {123, 75}},
    {"RightTop", lpRightTop, {32, 15}, {184, 50}},
    {"RightCenter", lpRightCenter, {32, 15}, {184, 53}},
    {"RightBottom", lpRighBottom, {32, 15}, {184, 56}},
};

TEST(ComboEdit, LabelPlacement)
{
    for (const TLabelCase &C : Label_Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(Combo_Label_Pos(C.Pos, QRect(100, 50, 80, 21), C.Label, 30, 4), C.Want);
    }
}

TEST(ComboEdit, LabelFollowsTheCombo)
{
    QWidget Form;
    Form.resize(300, 200);
    auto *C = new ROruComboBox(&Form);
    C->SetBounds(100, 50, 80, 21);
    C->Set_LabelCaption("Unit");
    ASSERT_NE(C->ComboLabel(), nullptr);
    EXPECT_EQ(C->ComboLabel()->parentWidget(), &Form);
    EXPECT_EQ(C->ComboLabel()->y(), 50);
    EXPECT_EQ(C->ComboLabel()->x() + C->ComboLabel()->fontMetrics().boundingRect(QRect(0, 0, 1000, 255), Qt::TextHideMnemonic, "Unit").width() + 4, 100);
    C->SetBounds(120, 80, 80, 21);
    EXPECT_EQ(C->ComboLabel()->y(), 80);
    C->Set_LabelPosition(lpTopLeft);
    EXPECT_EQ(C->ComboLabel()->x(), 120);
    C->Set_Enabled(false);   // the label follows unless it is always enabled
    EXPECT_FALSE(C->ComboLabel()->isEnabled());
    C->Set_Enabled(true);
    C->Set_LabelAlwaysEnabled(true);
    C->Set_Enabled(false);
    EXPECT_TRUE(C->ComboLabel()->isEnabled());
    C->Set_Visible(false);
    EXPECT_TRUE(C->ComboLabel()->isHidden());
}

TEST(ComboEdit, ButtonWidthRangeAndDefaults)
{
    ROruComboBox C;
    EXPECT_EQ(C.ButtonWidth(), System_Info().VScroll_Width + 2);
    C.Set_ButtonWidth(13);
    EXPECT_EQ(C.ButtonWidth(), 19);
    C.Set_ButtonWidth(32);
    EXPECT_EQ(C.ButtonWidth(), 32);
    C.Set_ButtonWidth(33);
    EXPECT_EQ(C.ButtonWidth(), 32);
    EXPECT_TRUE(C.DisabledBorder());
    EXPECT_EQ(C.LabelMargin(), 4);
    EXPECT_EQ(C.LabelCaption(), "");
    EXPECT_EQ(C.maxVisibleItems(), 8);
    C.addItems({"a", "b", "c"});
    C.SelectItem("c");
    EXPECT_EQ(C.currentIndex(), 2);
    C.SelectItem("x");
    EXPECT_EQ(C.currentIndex(), 2);
}

class ComboWidget : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form.resize(300, 120);
        QPalette P = Form.palette();
        P.setColor(QPalette::Window, QColor(0x20, 0x40, 0x60));
        Form.setPalette(P);
        Combo = new ROruComboBox(&Form);
        Combo->SetBounds(100, 20, 120, 22);
        Combo->addItems({"one", "two", "three"});
        Other = new QLineEdit(&Form);
        Other->setGeometry(100, 60, 120, 22);
        Form.show();
        QApplication::setActiveWindow(&Form);
        Other->setFocus();
    }
    QWidget Form;
    ROruComboBox *Combo = nullptr;
    QLineEdit *Other = nullptr;
};

struct TBorderCase {
    const char *Name;
    bool Enabled, Flat, Focused, DisabledBorder;
    TColor BorderColor, FocusBorderColor;
    bool WantDraw, WantThreeD;
    TColor WantFrame;
};

const TBorderCase Border_Cases[] = {
    {"PlainDrawsNothing", true, false, false, true, clNone, clNone, false, false, clNone},
    {"BorderColorFrame", true, false, false, true, clRed, clNone, true, false, clRed},
    {"FocusBorderOnlyUnfocusedNothing", true, false, false, true, clNone, clBlue, false, false, clNone},
    {"FocusBorderOnlyFocusedFrame", true, false, true, true, clNone, clBlue, true, false, clBlue},
    {"FocusBorderWinsWhileFocused", true, false, true, true, clRed, clBlue, true, false, clBlue},
    {"FlatWithoutColoursIsThreeD", true, true, false, true, clNone, clNone, true, true, clNone},
    {"DisabledThemedWithoutDisabledBorder", false, false, false, false, clNone, clNone, true, false, 0xB99D7F},
    {"DisabledKeepsBorderWithDisabledBorder", false, false, false, true, clRed, clNone, true, false, clRed},
};

TEST_F(ComboWidget, BorderLook)
{
    for (const TBorderCase &C : Border_Cases) {
        SCOPED_TRACE(C.Name);
        Combo->Set_Flat(C.Flat);
        Combo->Set_DisabledBorder(C.DisabledBorder);
        Combo->Set_BorderColor(C.BorderColor);
        Combo->Set_FocusBorderColor(C.FocusBorderColor);
        Combo->Set_Enabled(C.Enabled);
        if (C.Focused)
            Combo->setFocus();
        else
            Other->setFocus();
        const TComboBorderLook L = Combo->Border_Look();
        EXPECT_EQ(L.Draw, C.WantDraw);
        EXPECT_EQ(L.ThreeD, C.WantThreeD);
        if (C.WantDraw && !C.WantThreeD) {
            EXPECT_EQ(L.Frame, C.WantFrame);
        }
        Combo->Set_Enabled(true);
    }
}

TEST_F(ComboWidget, FocusColoursAndBoldLabel)
{
    Combo->Set_Color(clWhite);
    Combo->Set_FocusColor(clYellow);
    Combo->Set_FocusLabel(true);
    Combo->Set_LabelCaption("Mode");
    Combo->setFocus();
    EXPECT_TRUE(Combo->Has_Focus());
    EXPECT_EQ(Combo->Color(), clYellow);
    EXPECT_TRUE(Combo->ComboLabel()->font().bold());
    Other->setFocus();
    EXPECT_FALSE(Combo->Has_Focus());
    EXPECT_EQ(Combo->Color(), clWhite);
    EXPECT_FALSE(Combo->ComboLabel()->font().bold());
}

TEST_F(ComboWidget, DisablingAFlatComboTakesParentColour)
{
    Combo->Set_Flat(true);
    Combo->Set_FlatParentColor(false);
    Combo->Set_Color(clAqua);
    Combo->Set_Enabled(false);
    EXPECT_EQ(Combo->Color(), RGB_Color(0x20, 0x40, 0x60));
    EXPECT_TRUE(Combo->ParentColor());
    Combo->Set_Enabled(true);
    EXPECT_EQ(Combo->Color(), clAqua);
    EXPECT_FALSE(Combo->ParentColor());
}

TEST_F(ComboWidget, DropDownAndDropUp)
{
    int Downs = 0, Ups = 0;
    Combo->OnDropDown = [&](QObject *) { ++Downs; };
    Combo->OnDropUp = [&](QObject *S) {
        EXPECT_EQ(S, Combo);
        ++Ups;
    };
    Combo->Set_Style(csDropDownList);
    Combo->setFocus();
    QTest::keyClick(Combo, Qt::Key_F4);
    EXPECT_EQ(Downs, 1);
    EXPECT_TRUE(Combo->Dropped_Down());
    EXPECT_TRUE(Combo->view()->isVisible());
    Combo->hidePopup();
    Combo->hidePopup();
    EXPECT_EQ(Ups, 1);
    EXPECT_FALSE(Combo->Dropped_Down());
}

TEST_F(ComboWidget, OwnPaintingChoice)
{
    EXPECT_FALSE(Combo->Uses_Own_Painting());
    Combo->Set_Flat(true);
    EXPECT_TRUE(Combo->Uses_Own_Painting());
    Combo->Set_IsVista(true);   // the platform draws it unless custom buttons are set
    EXPECT_FALSE(Combo->Uses_Own_Painting());
    Combo->ButtonColor = clGreen;
    EXPECT_TRUE(Combo->Uses_Own_Painting());
}
} // namespace

// The border rule the combo and the date/time picker share.
TEST(ComboEdit, OwnBorderLookTable)
{
    struct TCase {
        const char *Name;
        bool Themed_Disabled;
        TColor Border, Focus_Border;
        bool Has_Focus;
        bool Want_Draw, Want_ThreeD;
        TColor Want_Frame;
    };
    const TCase Cases[] = {
        {"ThemedDisabledFrame", true, clBlue, clRed, true, true, false, 0xB99D7F},
        {"BorderColour", false, clBlue, clNone, false, true, false, clBlue},
        {"FocusColourWinsWhileFocused", false, clBlue, clRed, true, true, false, clRed},
        {"BorderColourWhileNotFocused", false, clBlue, clRed, false, true, false, clBlue},
        {"FocusColourOnlyNotFocusedDrawsNothing", false, clNone, clRed, false, false, false, clNone},
        {"NoColourIsThreeD", false, clNone, clNone, false, true, true, clNone},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        const TComboBorderLook L = Own_Border_Look(true, C.Themed_Disabled, C.Border, C.Focus_Border, C.Has_Focus);
        EXPECT_TRUE(L.FocusLook);
        EXPECT_EQ(L.Draw, C.Want_Draw);
        EXPECT_EQ(L.ThreeD, C.Want_ThreeD);
        EXPECT_EQ(L.Frame, C.Want_Frame);
    }
    bool Hover = false;
    EXPECT_TRUE(Track_Button_Hover(Hover, 95, 100, 17));
    EXPECT_TRUE(Hover);
    EXPECT_FALSE(Track_Button_Hover(Hover, 90, 100, 17));
    EXPECT_TRUE(Track_Button_Hover(Hover, 83, 100, 17));   // the button's left edge is outside
    EXPECT_FALSE(Hover);
    EXPECT_EQ(Drop_Button_Rect(QSize(100, 21), 17), QRect(QPoint(86, 1), QPoint(98, 19)));
}
