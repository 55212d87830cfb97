#include "dropdowns/DropDownEdit.h"
#include "dropdowns/DropDownStyles.h"
#include "grid/model/LabelPlacement.h"
#include <QApplication>
#include <QWidget>
#include <gtest/gtest.h>

// The selection presets set their colour pair; scCustom keeps the colours as set.
TEST(DropDownStyles, SelectionPresets)
{
    struct TCase {
        const char *Name;
        TSelectionColorStyle Style;
        TColor Color, ColorTo;
        TColor Frame0, Frame5;
    };
    const TCase Cases[] = {
        {"Office2007", scOffice2007, 0xD7FFFD, 0x58D4FC, 0xC3D9DF, 0x58D4FC},
        {"WindowsVista", scWindowsVista, 0xFDF8F1, 0xFCEFD5, 0xFCEDCB, clNone},
        {"Windows7", scWindows7, 0xFCEBDC, 0xFCDBC1, 0xE0C5AE, clNone},
        {"CustomKeepsColours", scCustom, clFuchsia, clLime, clNone, clNone},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        VOdeCustomDropDown D;
        D.Set_SelectionColor(clFuchsia);
        D.Set_SelectionColorTo(clLime);
        D.Set_SelectionColorStyle(C.Style);
        EXPECT_EQ(D.SelectionColorStyle(), C.Style);
        EXPECT_EQ(D.SelectionColor(), C.Color);
        EXPECT_EQ(D.SelectionColorTo(), C.ColorTo);
        EXPECT_EQ(Selection_Frame_Colors(C.Style)[0], C.Frame0);
        EXPECT_EQ(Selection_Frame_Colors(C.Style)[5], C.Frame5);
    }
}

// Each style's colours: popup, header and footer, buttons; tsCustom sets nothing.
TEST(DropDownStyles, ComponentStylePresets)
{
    // the default style, in full
    const auto Luna = DropDown_Style_Colors(tsOffice2007Luna);
    ASSERT_TRUE(Luna);
    EXPECT_EQ(Luna->DropDownColor, 0xF3E5DA);
    EXPECT_EQ(Luna->DropDownColorTo, 0xF0DED0);
    EXPECT_EQ(Luna->DropDownBorderColor, std::optional<TColor>(clNone));
    EXPECT_EQ(Luna->Header, (TBarStyleColors{0xFFEFE3, 0xFFD2AF, 0x723708, 0xFFD2AF}));
    EXPECT_EQ(Luna->Footer, Luna->Header);
    const TButtonStyleColors B{0xFFEFE3, 0xFFDDC4, clNone,   0xEBFDFF, 0xACECFF, 0x99CEDB, 0xAAD9FF,
                               0x6EBBFF, 0x42AEFE, 0xF2F2F2, 0xB6B6B6, 0x76AFF1, 0x4190F3, 0x45667B};
    EXPECT_EQ(Luna->Button, B);
    EXPECT_FALSE(DropDown_Style_Colors(tsCustom));
    EXPECT_FALSE(Item_Appearance_Style_Colors(tsCustom));

    // every other style sets a popup colour and bars; the office styles
    // share the hot, down, disabled and latched faces
    const TQelStyle Office[] = {tsOffice2003Blue,     tsOffice2003Silver, tsOffice2003Olive, tsOffice2007Luna,
                                tsOffice2007Obsidian, tsWhidbey,          tsOffice2007Silver};
    for (TQelStyle S : Office) {
        SCOPED_TRACE(int(S));
        const auto C = DropDown_Style_Colors(S);
        ASSERT_TRUE(C);
        EXPECT_EQ(C->Button.ColorHot, B.ColorHot);
        EXPECT_EQ(C->Button.BorderColorDown, B.BorderColorDown);
        EXPECT_EQ(C->Button.ColorDisabledTo, B.ColorDisabledTo);
        EXPECT_EQ(C->Button.BorderColorChecked, B.BorderColorChecked);
        const auto I = Item_Appearance_Style_Colors(S);
        ASSERT_TRUE(I);
        EXPECT_EQ(I->ColorMirrorHot, 0x59DAFF);
        EXPECT_EQ(I->BorderColor, 0x42AEFE);
        EXPECT_EQ(I->BorderColorHot, clNone);
        EXPECT_EQ(I->ColorSelectedText, 0x000000);
        // the office 2007 styles frame their items, the older ones do not
        const bool Is2007 = S == tsOffice2007Luna || S == tsOffice2007Obsidian || S == tsOffice2007Silver;
        EXPECT_EQ(I->EdgeColor, Is2007 ? TColor(0xC3D9DF) : clNone);
        EXPECT_EQ(I->BorderColorTop, Is2007 ? TColor(0xF4FEFF) : clNone);
    }
    for (int S = tsOffice2003Blue; S <= tsOffice2010Black; ++S) {
        if (S == tsCustom)
            continue;
        SCOPED_TRACE(S);
        const auto C = DropDown_Style_Colors(TQelStyle(S));
        ASSERT_TRUE(C);
        EXPECT_NE(C->DropDownColor, clNone);
        EXPECT_NE(C->Header.Color, clNone);
        EXPECT_NE(C->Header.FontColor, clNone);
        // the gradient styles paint no popup border
        if (C->DropDownColorTo != clNone && C->DropDownBorderColor) {
            EXPECT_EQ(*C->DropDownBorderColor, clNone);
        }
    }
    // the office 2010 styles set the footer apart
    const auto O10 = DropDown_Style_Colors(tsOffice2010Blue);
    EXPECT_NE(O10->Footer, O10->Header);
}

// A style reaches the edit's popup and bars; tsCustom leaves them; a new edit
// holds the default style and selection preset.
TEST(DropDownStyles, ComponentStyleOnEdit)
{
    VOdeCustomDropDown D;
    EXPECT_EQ(D.ComponentStyle(), tsOffice2007Luna);
    EXPECT_EQ(D.DropDownColor(), 0xF3E5DA);
    // the constructor's border colours, not the stream defaults
    EXPECT_EQ(D.DropDownBorderColor(), clNone);
    EXPECT_EQ(D.DropDownHeader().BorderColor(), 0xFFD2AF);
    EXPECT_EQ(D.DropDownHeader().Font().Color, 0x723708);
    EXPECT_EQ(D.SelectionColor(), 0xD7FFFD);
    EXPECT_EQ(D.Store_Properties(), QStringLiteral("SelectionColorStyle = 1\nQelStyle = 4\nVersion = '1.2.3.4'\n"));

    D.SetComponentStyle(tsTerminal);
    const auto T = DropDown_Style_Colors(tsTerminal);
    EXPECT_EQ(D.DropDownColor(), T->DropDownColor);
    EXPECT_EQ(D.DropDownBorderColor(), *T->DropDownBorderColor);
    EXPECT_EQ(D.DropDownFooter().Color(), T->Footer.Color);
    D.SetComponentStyle(tsCustom);
    EXPECT_EQ(D.ComponentStyle(), tsCustom);
    EXPECT_EQ(D.DropDownColor(), T->DropDownColor);

    // tones colour the drop-down button and the border
    TColorTones Tones;
    Tones.Background = {0x101010, 0x202020, clNone};
    Tones.Hover.BrushColor = 0x303030;
    Tones.Selected.BrushColor = 0x404040;
    D.SetColorTones(Tones);
    EXPECT_EQ(D.Button()->ButtonColor, 0x101010);
    EXPECT_EQ(D.Button()->ButtonColorHot, 0x303030);
    EXPECT_EQ(D.Button()->ButtonColorDown, 0x404040);
    EXPECT_EQ(D.Button()->ButtonBorderColor, 0x202020);
    EXPECT_EQ(D.BorderColor(), 0x202020);
}

// All fifteen label positions for an edit at (100, 50) of 80 x 21, a label of
// 30 x 13 whose caption measures 30, margin 4.
TEST(DropDownStyles, LabelPositions)
{
    struct TCase {
        const char *Name;
        TLabelPosition Pos;
        QPoint At;
    };
    const TCase Cases[] = {
        {"LeftTop", lpLeftTop, {66, 50}},           {"LeftCenter", lpLeftCenter, {66, 54}},
        {"LeftBottom", lpLeftBottom, {66, 58}},      {"TopLeft", lpTopLeft, {100, 33}},
        {"BottomLeft", lpBottomLeft, {100, 75}},     {"LeftTopLeft", lpLeftTopLeft, {96, 50}},
        {"LeftCenterLeft", lpLeftCenterLeft, {96, 54}}, {"LeftBottomLeft", lpLeftBottomLeft, {96, 58}},
        {"TopCenter", lpTopCenter, {125, 33}},       {"BottomCenter", lpBottomCenter, {125, 75}},
        {"RightTop", lpRightTop, {184, 50}},         {"RightCenter", lpRightCenter, {184, 54}},
        {"RighBottom", lpRighBottom, {184, 58}},     {"TopRight", lpTopRight, {150, 33}},
        {"BottomRight", lpBottomRight, {150, 75}},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(Place_Label(C.Pos, QRect(100, 50, 80, 21), QSize(30, 13), 30, 4), C.At);
    }
    // centring truncates toward zero: a label taller than the edit moves up by
    // half the difference, rounded toward zero
    EXPECT_EQ(Place_Label(lpLeftCenter, QRect(0, 10, 50, 10), QSize(5, 13), 5, 0), QPoint(-5, 9));
}

// The first caption places the label left of the edit at its top, with the
// margin of a new edit (0); position and margin changes move it; it follows
// the edit's visibility and enabled state.
TEST(DropDownStyles, LabelFollowsEdit)
{
    QWidget Window;
    Window.resize(400, 200);
    auto *D = new VOdeCustomDropDown(&Window);
    D->move(150, 40);
    Window.show();
    D->Set_LabelCaption(QStringLiteral("Name"));
    TDropDownLabel *L = D->EditLabel();
    ASSERT_TRUE(L);
    // the mnemonic mark takes no room
    const int Plain = L->Caption_Width();
    D->Set_LabelCaption(QStringLiteral("&Name"));
    EXPECT_EQ(L->Caption_Width(), Plain);
    EXPECT_EQ(L->parentWidget(), &Window);
    EXPECT_EQ(D->LabelMargin(), 0);
    EXPECT_EQ(L->geometry().topLeft(), QPoint(150 - L->width(), 40));
    D->Set_LabelMargin(4);
    D->Set_LabelPosition(lpBottomLeft);
    EXPECT_EQ(L->geometry().topLeft(), QPoint(150, 40 + D->height() + 4));
    D->move(160, 60);
    EXPECT_EQ(L->geometry().topLeft(), QPoint(160, 60 + D->height() + 4));
    EXPECT_TRUE(L->isVisible());
    D->hide();
    EXPECT_FALSE(L->isVisible());
    D->show();
    EXPECT_TRUE(L->isVisible());
    D->setEnabled(false);
    EXPECT_FALSE(L->isEnabled());
    D->Set_LabelAlwaysEnabled(true);
    EXPECT_TRUE(L->isEnabled());
    // a click on the label is reported by the edit
    int Clicks = 0;
    D->OnLabelClick = [&Clicks](QObject *) { ++Clicks; };
    L->OnClick();
    EXPECT_EQ(Clicks, 1);
    // the label goes with the edit
    QPointer<TDropDownLabel> Gone(L);
    delete D;
    EXPECT_FALSE(Gone);
}

// The border by order of precedence; whether one is painted at all.
TEST(DropDownStyles, BorderPrecedence)
{
    struct TCase {
        const char *Name;
        bool Enabled, DisabledBorder, Flat, Focused, Hot;
        TColor Border, Focus;
        bool Wanted;
        TBorderPlan Plan;
    };
    const TColor Parent = 0x123456;
    const TCase Cases[] = {
        // a disabled themed edit is framed in grey before any colour
        {"DisabledGrey", false, true, false, false, false, clRed, clBlue, true, {bkFrame, 0xC0C0C0}},
        // the border colour unless the focus colour takes over
        {"BorderColour", true, true, false, false, false, clRed, clBlue, true, {bkFrame, clRed}},
        {"BorderColourFocusedNoFocusColour", true, true, false, true, true, clRed, clNone, true, {bkFrame, clRed}},
        {"FocusColourWhenFocused", true, true, false, true, true, clRed, clBlue, true, {bkFrame, clBlue}},
        {"FocusColourUnfocusedNothing", true, true, false, false, false, clNone, clBlue, true, {bkNone, clNone}},
        // the flat look: hot or cold
        {"FlatHot", true, true, true, false, true, clNone, clNone, true, {bkFlatHot, clBtnFace}},
        {"FlatCold", true, true, true, false, false, clNone, clNone, true, {bkFlatCold, Parent}},
        // nothing for a raised edit without colours, or a disabled one without the grey frame
        {"PlainNotWanted", true, true, false, true, true, clNone, clNone, false, {bkFlatHot, clBtnFace}},
        {"DisabledNoGreyNotWanted", false, false, false, false, false, clNone, clNone, false, {bkFlatCold, Parent}},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        TBorderState S;
        S.Enabled = C.Enabled;
        S.DisabledBorder = C.DisabledBorder;
        S.Flat = C.Flat;
        S.Focused = C.Focused;
        S.Hot = C.Hot;
        S.BorderColor = C.Border;
        S.FocusBorderColor = C.Focus;
        S.ParentColor = Parent;
        EXPECT_EQ(Border_Wanted(S), C.Wanted);
        EXPECT_EQ(Control_Border_Plan(S), C.Plan);
        // at design time nothing is painted
        S.DesignTime = true;
        EXPECT_FALSE(Border_Wanted(S));
        EXPECT_EQ(Control_Border_Plan(S), TBorderPlan{});
    }
}

// The painted edit: a border colour frames it; a focused pick-only edit shows
// its value highlighted.
TEST(DropDownStyles, PaintedBorderAndEditArea)
{
    QWidget Window;
    Window.resize(300, 100);
    auto *D = new VOdeCustomDropDown(&Window);
    D->move(10, 10);
    D->Set_BorderColor(0x0000FF);
    Window.show();
    const QImage Framed = D->grab().toImage();
    ASSERT_FALSE(Framed.isNull());
    EXPECT_TRUE(Framed.save(QStringLiteral("dropdown_border.png")));
    EXPECT_EQ(Framed.pixelColor(0, D->height() / 2), QColor(255, 0, 0));
    EXPECT_EQ(Framed.pixelColor(D->width() / 2, 0), QColor(255, 0, 0));

    D->SetEditorEnabled(false);
    D->SetTextDirect(QStringLiteral("Value"));
    D->setFocus();
    QApplication::processEvents();
    if (!D->hasFocus())
        GTEST_SKIP() << "no focus in this session";
    const QImage Focused = D->grab().toImage();
    EXPECT_TRUE(Focused.save(QStringLiteral("dropdown_focus_area.png")));
    // the black frame's top edge at row 2
    EXPECT_EQ(Focused.pixelColor(10, 2), QColor(Qt::black));
    // inside the black frame the highlight colour
    int Highlight = 0;
    const QColor H = To_QColor(clHighlight);
    for (int X = 4; X < D->width() - D->DropDownButtonWidth() - 4; ++X)
        Highlight += Focused.pixelColor(X, 3) == H;
    EXPECT_GT(Highlight, 10);
}
