// The push button as a widget: properties, kinds and presets, mouse and
// keyboard, Default/Cancel keys, modal result, popup menu and the slow fade.
#include "TestSupport.h"
#include "controls/FxButton.h"
#include "platform/Clock.h"
#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Counts the paints, so that a test can tell whether a setter asked for one.
class TCountingButton : public TFxButton
{
public:
    using TFxButton::TFxButton;
    int Paints = 0;

protected:
    void paintEvent(QPaintEvent *E) override
    {
        ++Paints;
        TFxButton::paintEvent(E);
    }
};

// A shown window with one button on it.
struct TWindowFixture : ::testing::Test {
    QWidget Window;
    TCountingButton *Button = nullptr;
    void SetUp() override
    {
        Window.resize(300, 100);
        Button = new TCountingButton(&Window);
        Button->move(10, 10);
        Window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Window));
        QApplication::processEvents();
    }
    int Paints_After(const std::function<void()> &Change)
    {
        QApplication::processEvents();
        Button->Paints = 0;
        Change();
        QApplication::processEvents();
        return Button->Paints;
    }
    void Enter()
    {
        QEnterEvent E(QPointF(5, 5), QPointF(15, 15), QPointF(15, 15));
        QApplication::sendEvent(Button, &E);
    }
    void Leave()
    {
        QEvent E(QEvent::Leave);
        QApplication::sendEvent(Button, &E);
    }
};

} // namespace

TEST(FxButtonProperties, Defaults)
{
    TFxButton B;
    EXPECT_EQ(B.size(), QSize(100, 23));
    EXPECT_EQ(B.Caption(), "");
    EXPECT_EQ(B.Alignment(), taCenter);
    EXPECT_EQ(B.Layout(), blGlyphLeft);
    EXPECT_EQ(B.Style(), bsNormal);
    EXPECT_EQ(B.Color(), clBtnFace);
    EXPECT_EQ(B.LightColor(), clWhite);
    EXPECT_EQ(B.ShadowColor(), clGray);
    EXPECT_EQ(B.ColorWhenDown(), clNone);
    EXPECT_EQ(B.HotTrackColor(), clNone);
    EXPECT_EQ(B.ColorStyle(), lcsCustom);
    EXPECT_EQ(B.Kind(), bkCustom);
    EXPECT_EQ(B.ModalResult(), 0);
    EXPECT_EQ(B.NumGlyphs(), 0);
    EXPECT_FALSE(B.Flat());
    EXPECT_FALSE(B.WordWrap());
    EXPECT_FALSE(B.Default());
    EXPECT_FALSE(B.Cancel());
    EXPECT_FALSE(B.SlowDecease());
    EXPECT_EQ(B.focusPolicy(), Qt::StrongFocus);
    // the fade clock exists from the start, paused
    ASSERT_NE(B.Fade_Thread(), nullptr);
    EXPECT_TRUE(B.Fade_Thread()->Suspended());
}

// Setters ask for a paint only when the value changes.
TEST_F(TWindowFixture, SettersReturnEarlyWhenUnchanged)
{
    struct TCase {
        const char *Name;
        std::function<void(TFxButton &)> Same, Other;
    };
    const TCase Cases[] = {
        {"Caption", [](TFxButton &B) { B.Set_Caption(B.Caption()); }, [](TFxButton &B) { B.Set_Caption("X"); }},
        {"Color", [](TFxButton &B) { B.Set_Color(B.Color()); }, [](TFxButton &B) { B.Set_Color(clRed); }},
        {"LightColor", [](TFxButton &B) { B.Set_LightColor(B.LightColor()); }, [](TFxButton &B) { B.Set_LightColor(clRed); }},
        {"ShadowColor", [](TFxButton &B) { B.Set_ShadowColor(B.ShadowColor()); }, [](TFxButton &B) { B.Set_ShadowColor(clRed); }},
        {"Style", [](TFxButton &B) { B.Set_Style(B.Style()); }, [](TFxButton &B) { B.Set_Style(bsModern); }},
        {"Flat", [](TFxButton &B) { B.Set_Flat(B.Flat()); }, [](TFxButton &B) { B.Set_Flat(!B.Flat()); }},
        {"Alignment", [](TFxButton &B) { B.Set_Alignment(B.Alignment()); }, [](TFxButton &B) { B.Set_Alignment(taLeftJustify); }},
        {"Layout", [](TFxButton &B) { B.Set_Layout(B.Layout()); }, [](TFxButton &B) { B.Set_Layout(blGlyphTop); }},
        {"WordWrap", [](TFxButton &B) { B.Set_WordWrap(B.WordWrap()); }, [](TFxButton &B) { B.Set_WordWrap(true); }},
        {"NumGlyphs", [](TFxButton &B) { B.Set_NumGlyphs(B.NumGlyphs()); }, [](TFxButton &B) { B.Set_NumGlyphs(3); }},
        // a preset paints every time; lcsCustom never
        {"ColorStyle", [](TFxButton &B) { B.Set_ColorStyle(lcsCustom); }, [](TFxButton &B) { B.Set_ColorStyle(lcsGold); }},
    };
    for (const TCase &Case : Cases) {
        SCOPED_TRACE(Case.Name);
        EXPECT_EQ(Paints_After([&] { Case.Same(*Button); }), 0);
        EXPECT_GE(Paints_After([&] { Case.Other(*Button); }), 1);
        EXPECT_EQ(Paints_After([&] { Case.Same(*Button); }), 0);
    }
    // these only store; they show with the next state change
    EXPECT_EQ(Paints_After([&] { Button->Set_HotTrackColor(clYellow); }), 0);
    EXPECT_EQ(Paints_After([&] { Button->Set_ColorWhenDown(clYellow); }), 0);
    EXPECT_EQ(Paints_After([&] { Button->Set_ModalResult(3); }), 0);
    EXPECT_EQ(Button->HotTrackColor(), clYellow);
}

// At least the created size; larger when caption and glyph need it.
TEST(FxButtonProperties, SizeHint)
{
    TFxButton B;
    EXPECT_EQ(B.sizeHint(), QSize(100, 23));
    B.Set_Caption("A caption far too long for a hundred pixels to hold it");
    const QSize Long = B.sizeHint();
    EXPECT_GT(Long.width(), 100);
    EXPECT_EQ(Long.height(), 23);
    // the text fits the hinted width beside the glyph, even pressed in bold
    B.Set_Style(bsEncarta);
    B.Set_Kind(bkOK);
    B.Set_Caption("A caption far too long for a hundred pixels to hold it");
    B.resize(B.sizeHint());
    TFxButtonLook L = B.Make_Look();
    L.Pressed = true;
    EXPECT_EQ(Fx_Face_Layout(L).Caption, B.Caption());
    // glyph above the caption: taller
    B.Set_Layout(blGlyphTop);
    EXPECT_GT(B.sizeHint().height(), 23 + 10);
}

TEST(FxButtonProperties, ColorPresets)
{
    struct TCase {
        TFxColorStyle Preset;
        TColor Color, Light, Shadow, WhenDown, Hot, Font;
        bool Flat;
        TFxButtonStyle Style;
    };
    const TCase Cases[] = {
        {lcsGold, 0x00C0C0, 0x00FFFF, 0x008080, clNone, 0x00DFDF, 0x000000, false, bsModern},
        {lcsGlide, 0xC0C0C0, 0xFFFFFF, 0x808080, clNone, clNone, 0x000000, false, bsModern},
        {lcsBlue, 0xFF8000, 0xFFFF00, 0xFF0000, clNone, clNone, 0x000000, false, bsModern},
        {lcsRed, 0x0000FF, 0xC0C0FF, 0x0000C0, clNone, clNone, 0x000000, false, bsModern},
        {lcsUltraFlat1, clBtnFace, 0xB59284, 0xB59284, 0xB59284, 0xDED3D6, 0x000000, true, bsNormal},
        {lcsUltraFlat2, clBtnFace, 0x000000, 0x000000, 0x24DABC, 0x8CF6E4, 0x000000, true, bsNormal},
        {lcsUltraFlatXP, 0xD1D8DB, 0xB59284, 0xB59285, 0xB59285, 0xD2BDB6, 0x000000, true, bsNormal},
        {lcsAqua, 0xECCE94, 0xFCE6D4, 0x000000, clNone, clNone, 0x000000, false, bsModern},
        {lcsDefault, clBtnFace, 0xFFFFFF, 0x808080, clNone, clNone, 0x000000, false, bsNormal},
        {lcsQuicken, 0x603000, 0xC0C0C0, 0xC0C0C0, 0xAD6529, 0xCEAE9C, 0xFFFFFF, false, bsQuicken},
    };
    for (const TCase &Case : Cases) {
        SCOPED_TRACE(static_cast<int>(Case.Preset));
        TFxButton B;
        B.Set_Flat(!Case.Flat);
        B.Set_ColorStyle(Case.Preset);
        EXPECT_EQ(B.Color(), Case.Color);
        EXPECT_EQ(B.LightColor(), Case.Light);
        EXPECT_EQ(B.ShadowColor(), Case.Shadow);
        EXPECT_EQ(B.ColorWhenDown(), Case.WhenDown);
        EXPECT_EQ(B.HotTrackColor(), Case.Hot);
        EXPECT_EQ(B.FontColor(), Case.Font);
        EXPECT_EQ(B.Flat(), Case.Flat);
        EXPECT_EQ(B.Style(), Case.Style);
        // a preset is applied once: the property reads back lcsCustom
        EXPECT_EQ(B.ColorStyle(), lcsCustom);
    }
    // lcsCustom changes nothing
    TFxButton B;
    B.Set_Color(clRed);
    B.Set_ColorStyle(lcsCustom);
    EXPECT_EQ(B.Color(), clRed);
}

TEST(FxButtonProperties, Kinds)
{
    struct TCase {
        TFxButtonKind Kind;
        int Modal_Result;
        const char *Resource;
        const char *Caption;
    };
    const TCase Cases[] = {
        {bkOK, 1, "FXOK", "OK"},           {bkCancel, 2, "FXCANCEL", "Abbrechen"},
        {bkHelp, 0, "FXHELP", "Hilfe"},    {bkYes, 6, "FXYES", "Ja"},
        {bkNo, 7, "FXNO", "Nein"},         {bkClose, 0, "FXCLOSE", "Schließen"},
        {bkAbort, 3, "FXABORT", "Abbrechen"}, {bkRetry, 4, "FXRETRY", "Wiederholen"},
        {bkIgnore, 5, "FXIGNORE", "Ignorieren"}, {bkAll, 12, "FXALL", "Alle"},
    };
    for (const TCase &Case : Cases) {
        SCOPED_TRACE(Case.Resource);
        TFxButton B;
        B.Set_ModalResult(99);
        B.Set_Kind(Case.Kind);
        EXPECT_EQ(B.Kind(), Case.Kind);
        EXPECT_EQ(B.ModalResult(), Case.Modal_Result);
        EXPECT_EQ(B.Caption(), QString::fromUtf8(Case.Caption));
        EXPECT_EQ(B.Glyph(), Fx_Bitmap_Resource(Case.Resource));
        EXPECT_EQ(B.NumGlyphs(), 2);   // also for the 19-high FXALL strip
    }
    // ModalResult after a kind: the kind becomes bkCustom, glyph and caption stay
    TFxButton B;
    B.Set_Kind(bkYes);
    B.Set_ModalResult(1);
    EXPECT_EQ(B.Kind(), bkCustom);
    EXPECT_EQ(B.Caption(), "Ja");
    EXPECT_EQ(B.Glyph(), Fx_Bitmap_Resource("FXYES"));
    // bkCustom only stores the kind
    B.Set_Kind(bkNo);
    B.Set_Kind(bkCustom);
    EXPECT_EQ(B.Kind(), bkCustom);
    EXPECT_EQ(B.Caption(), "Nein");
    EXPECT_EQ(B.ModalResult(), 7);
}

// Assigning a glyph: NumGlyphs = width div height, Kind back to bkCustom.
TEST(FxButtonProperties, GlyphSetsNumGlyphs)
{
    struct TCase {
        const char *Name;
        QSize Size;
        int NumGlyphs;
    };
    const TCase Cases[] = {
        {"FourFrames", QSize(64, 16), 4},
        {"OneFrame", QSize(16, 16), 1},
        {"Narrower", QSize(10, 16), 0},
        {"NoPicture", QSize(), 0},
    };
    for (const TCase &Case : Cases) {
        SCOPED_TRACE(Case.Name);
        TFxButton B;
        B.Set_Kind(bkOK);
        QImage G;
        if (Case.Size.isValid()) {
            G = QImage(Case.Size, QImage::Format_RGB32);
            G.fill(Qt::red);
        }
        B.Set_Glyph(G);
        EXPECT_EQ(B.NumGlyphs(), Case.NumGlyphs);
        EXPECT_EQ(B.Kind(), bkCustom);
    }
}

// ---------------------------------------------------------------------------
// Mouse and keyboard

TEST_F(TWindowFixture, PressDragOffAndReleaseClicks)
{
    QSignalSpy Clicks(Button, &TFxButton::clicked);
    QTest::mousePress(Button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(Button->Down());
    EXPECT_TRUE(Button->Make_Look().Pressed);
    QTest::mouseMove(Button, QPoint(250, 80));
    QTest::mouseRelease(Button, Qt::LeftButton, {}, QPoint(250, 80));
    EXPECT_EQ(Clicks.count(), 1);
    EXPECT_FALSE(Button->Down());
}

TEST_F(TWindowFixture, MouseButtons)
{
    QSignalSpy Clicks(Button, &TFxButton::clicked);
    // the right button does not press
    QTest::mouseClick(Button, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(Clicks.count(), 0);
    // a double click presses like a first click: press, release, double click, release are two clicks
    QTest::mouseClick(Button, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseDClick(Button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(Button->Down());
    QTest::mouseRelease(Button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(Clicks.count(), 2);
    // a disabled button neither presses nor clicks
    Button->setEnabled(false);
    QTest::mouseClick(Button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(Clicks.count(), 2);
    EXPECT_FALSE(Button->Down());
}

TEST_F(TWindowFixture, DisablingClearsPressed)
{
    QTest::mousePress(Button, Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_TRUE(Button->Down());
    Button->setEnabled(false);
    EXPECT_FALSE(Button->Down());
    QSignalSpy Clicks(Button, &TFxButton::clicked);
    QTest::mouseRelease(Button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(Clicks.count(), 0);
}

TEST_F(TWindowFixture, KeysPressAndClick)
{
    QSignalSpy Clicks(Button, &TFxButton::clicked);
    const int Keys[] = {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter};
    for (int Key : Keys) {
        SCOPED_TRACE(Key);
        QTest::keyPress(Button, static_cast<Qt::Key>(Key));
        EXPECT_TRUE(Button->Down());
        QTest::keyRelease(Button, static_cast<Qt::Key>(Key));
        EXPECT_FALSE(Button->Down());
    }
    EXPECT_EQ(Clicks.count(), 3);
    // other keys do nothing
    QTest::keyClick(Button, Qt::Key_A);
    EXPECT_EQ(Clicks.count(), 3);
}

// A key release clicks only after the same key was pressed on the button
// itself; losing the focus or being disabled in between forgets the press.
TEST_F(TWindowFixture, KeyReleaseClicksOnlyAfterOwnPress)
{
    auto Press = [](TFxButton *B, Qt::Key K) { QTest::keyPress(B, K); };
    auto Release = [](TFxButton *B, Qt::Key K) { QTest::keyRelease(B, K); };
    struct TCase
    {
        const char *Name;
        std::function<void(TFxButton *)> Steps;
        int Clicks;
        bool Down = false; // still pressed afterwards
    };
    const TCase Cases[] = {
        {"ReturnPressAndRelease", [&](TFxButton *B) { Press(B, Qt::Key_Return); Release(B, Qt::Key_Return); }, 1},
        {"SpacePressAndRelease", [&](TFxButton *B) { Press(B, Qt::Key_Space); Release(B, Qt::Key_Space); }, 1},
        {"ReleaseReturnAlone", [&](TFxButton *B) { Release(B, Qt::Key_Return); }, 0},
        {"ReleaseKeypadEnterAlone", [&](TFxButton *B) { Release(B, Qt::Key_Enter); }, 0},
        {"ReleaseSpaceAlone", [&](TFxButton *B) { Release(B, Qt::Key_Space); }, 0},
        {"SecondReleaseAfterClick",
         [&](TFxButton *B) { Press(B, Qt::Key_Return); Release(B, Qt::Key_Return); Release(B, Qt::Key_Return); }, 1},
        // Space is still held: the button stays pressed
        {"ReleaseOfAnotherKey", [&](TFxButton *B) { Press(B, Qt::Key_Space); Release(B, Qt::Key_Return); }, 0, true},
        {"AutoRepeatedPressesClickOnce",
         [&](TFxButton *B) {
             Press(B, Qt::Key_Space);
             QKeyEvent Repeat(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
             QApplication::sendEvent(B, &Repeat);
             Release(B, Qt::Key_Space);
         },
         1},
        {"FocusLostBetween",
         [&](TFxButton *B) {
             Press(B, Qt::Key_Return);
             QFocusEvent Out(QEvent::FocusOut, Qt::TabFocusReason);
             QApplication::sendEvent(B, &Out);
             Release(B, Qt::Key_Return);
         },
         0},
        {"DisabledBetween",
         [&](TFxButton *B) {
             Press(B, Qt::Key_Space);
             B->setEnabled(false);
             B->setEnabled(true);
             Release(B, Qt::Key_Space);
         },
         0},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        QSignalSpy Clicks(Button, &TFxButton::clicked);
        C.Steps(Button);
        EXPECT_EQ(Clicks.count(), C.Clicks);
        EXPECT_EQ(Button->Down(), C.Down);
        // a fresh press and release still clicks
        Press(Button, Qt::Key_Return);
        Release(Button, Qt::Key_Return);
        EXPECT_EQ(Clicks.count(), C.Clicks + 1);
    }
}

// A box opened by the button closes on the Enter press; the release that then
// reaches the button must not open the box again.
TEST_F(TWindowFixture, ReleaseOfKeyThatClosedItsBoxDoesNotReopenIt)
{
    int Opened = 0;
    QObject::connect(Button, &TFxButton::clicked, Button, [&] {
        ++Opened;
        QDialog Box(&Window);
        auto *Ok = new QPushButton(QStringLiteral("OK"), &Box);
        Ok->setDefault(true);
        QObject::connect(Ok, &QPushButton::clicked, &Box, &QDialog::accept);
        // the user's Enter: its press closes the box
        QTimer::singleShot(0, &Box, [&Box] { QTest::keyPress(&Box, Qt::Key_Return); });
        Box.exec();
    });
    QTest::keyPress(Button, Qt::Key_Return);
    QTest::keyRelease(Button, Qt::Key_Return);
    ASSERT_EQ(Opened, 1);
    // the release of the Enter that closed the box comes back to the button
    QTest::keyRelease(Button, Qt::Key_Return);
    EXPECT_EQ(Opened, 1);
}

TEST_F(TWindowFixture, HotTracking)
{
    QSignalSpy Entered(Button, &TFxButton::mouseEnter);
    QSignalSpy Left(Button, &TFxButton::mouseExit);
    Button->Set_HotTrackColor(clYellow);
    Enter();
    EXPECT_TRUE(Button->Cursor_On_Button());
    EXPECT_EQ(Button->HotTrackStep(), 8);
    EXPECT_TRUE(Button->Make_Look().Hot);
    EXPECT_EQ(Entered.count(), 1);
    Leave();
    EXPECT_FALSE(Button->Cursor_On_Button());
    EXPECT_EQ(Button->HotTrackStep(), 0);
    EXPECT_EQ(Left.count(), 1);
    // a disabled button does not become hot
    Button->setEnabled(false);
    Enter();
    EXPECT_FALSE(Button->Cursor_On_Button());
    EXPECT_EQ(Entered.count(), 1);
}

TEST_F(TWindowFixture, HotTrackFontWhileHot)
{
    QFont Hot_Font = Button->font();
    Hot_Font.setItalic(true);
    Button->Set_HotTrackFont(Hot_Font);
    Button->clearFocus();
    Enter();
    EXPECT_FALSE(Button->Make_Look().Font.italic());
    Button->Set_UseHotTrackFont(true);
    EXPECT_TRUE(Button->Make_Look().Font.italic());
    Leave();
    EXPECT_FALSE(Button->Make_Look().Font.italic());
}

// A handler may delete the button it was called from.
TEST_F(TWindowFixture, HandlerMayDeleteButton)
{
    QPointer<TFxButton> Guard(Button);
    QObject::connect(Button, &TFxButton::clicked, [&] { delete Button; });
    QTest::mousePress(Button, Qt::LeftButton, {}, QPoint(5, 5));
    QMouseEvent Release(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(15, 15), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(Guard.data(), &Release);
    EXPECT_TRUE(Guard.isNull());
    Button = nullptr;
}

// A hidden button ignores a click and does not come back looking pressed.
TEST_F(TWindowFixture, HiddenButtonDoesNotClick)
{
    QSignalSpy Clicks(Button, &TFxButton::clicked);
    Button->hide();
    Button->Click();
    EXPECT_EQ(Clicks.count(), 0);
    EXPECT_FALSE(Button->Down());
    Button->show();
    Button->Click();
    EXPECT_EQ(Clicks.count(), 1);
}

// ---------------------------------------------------------------------------
// Dialogs: modal result, Default and Cancel, accelerator, popup menu

namespace {

struct TDialogFixture : ::testing::Test {
    QDialog Dialog;
    QLineEdit *Edit = nullptr;
    TFxButton *Ok = nullptr;
    TFxButton *Cancel = nullptr;
    TFxButton *Other = nullptr;
    QRadioButton *Radio = nullptr;
    QCheckBox *Check = nullptr;
    void SetUp() override
    {
        Dialog.resize(400, 120);
        Edit = new QLineEdit(&Dialog);
        Edit->setGeometry(10, 10, 100, 20);
        Ok = new TFxButton(&Dialog);
        Ok->move(10, 40);
        Ok->Set_Caption("OK");
        Ok->Set_Default(true);
        Cancel = new TFxButton(&Dialog);
        Cancel->move(120, 40);
        Cancel->Set_Caption("Cancel");
        Cancel->Set_Cancel(true);
        Other = new TFxButton(&Dialog);
        Other->move(230, 40);
        Radio = new QRadioButton("r", &Dialog);
        Radio->move(10, 80);
        Check = new QCheckBox("c", &Dialog);
        Check->move(120, 80);
        Dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Dialog));
    }
};

} // namespace

TEST_F(TDialogFixture, DialogKeys)
{
    struct TCase {
        const char *Name;
        std::function<QWidget *(TDialogFixture &)> Focus;
        Qt::Key Key;
        Qt::KeyboardModifiers Modifiers;
        bool Ok_Enabled, Cancel_Enabled;
        int Ok_Clicks, Cancel_Clicks, Other_Clicks;
    };
    const TCase Cases[] = {
        // Enter in an edit clicks the Default button
        {"EnterInEdit", [](TDialogFixture &F) { return F.Edit; }, Qt::Key_Return, {}, true, true, 1, 0, 0},
        {"KeypadEnterInEdit", [](TDialogFixture &F) { return F.Edit; }, Qt::Key_Enter, Qt::KeypadModifier, true, true, 1, 0, 0},
        // a focused radio button or check box leaves Enter to the Default button
        {"EnterOnRadio", [](TDialogFixture &F) { return F.Radio; }, Qt::Key_Return, {}, true, true, 1, 0, 0},
        {"EnterOnCheckBox", [](TDialogFixture &F) { return F.Check; }, Qt::Key_Return, {}, true, true, 1, 0, 0},
        // a focused push button takes Enter itself
        {"EnterOnOtherButton", [](TDialogFixture &F) { return F.Other; }, Qt::Key_Return, {}, true, true, 0, 0, 1},
        // Esc clicks the Cancel button, not with Shift, Ctrl or Alt held
        {"Esc", [](TDialogFixture &F) { return F.Edit; }, Qt::Key_Escape, {}, true, true, 0, 1, 0},
        {"ShiftEsc", [](TDialogFixture &F) { return F.Edit; }, Qt::Key_Escape, Qt::ShiftModifier, true, true, 0, 0, 0},
        {"CtrlEsc", [](TDialogFixture &F) { return F.Edit; }, Qt::Key_Escape, Qt::ControlModifier, true, true, 0, 0, 0},
        // a disabled Default button still takes Enter, and does nothing with it
        {"EnterOnDisabledDefault", [](TDialogFixture &F) { return F.Edit; }, Qt::Key_Return, {}, false, true, 0, 0, 0},
    };
    for (const TCase &Case : Cases) {
        SCOPED_TRACE(Case.Name);
        Dialog.show();
        Ok->setEnabled(Case.Ok_Enabled);
        Cancel->setEnabled(Case.Cancel_Enabled);
        Case.Focus(*this)->setFocus();
        ASSERT_EQ(Dialog.focusWidget(), Case.Focus(*this));
        QSignalSpy Ok_Clicks(Ok, &TFxButton::clicked);
        QSignalSpy Cancel_Clicks(Cancel, &TFxButton::clicked);
        QSignalSpy Other_Clicks(Other, &TFxButton::clicked);
        QTest::keyClick(Case.Focus(*this), Case.Key, Case.Modifiers);
        EXPECT_EQ(Ok_Clicks.count(), Case.Ok_Clicks);
        EXPECT_EQ(Cancel_Clicks.count(), Case.Cancel_Clicks);
        EXPECT_EQ(Other_Clicks.count(), Case.Other_Clicks);
        EXPECT_FALSE(Ok->Down());
    }
}

// Enter on a disabled Default button is consumed; Esc on a disabled Cancel
// button is not (the dialog's own handling closes it).
TEST_F(TDialogFixture, DisabledDialogKeys)
{
    Ok->setEnabled(false);
    Cancel->setEnabled(false);
    EXPECT_TRUE(Ok->Dialog_Key(Qt::Key_Return, {}));
    EXPECT_FALSE(Cancel->Dialog_Key(Qt::Key_Escape, {}));
    Edit->setFocus();
    QTest::keyClick(Edit, Qt::Key_Escape);
    EXPECT_FALSE(Dialog.isVisible());
}

TEST_F(TDialogFixture, ModalResultEndsDialog)
{
    Ok->Set_Kind(bkYes);
    int Result_Seen_In_Handler = -1;
    QObject::connect(Ok, &TFxButton::clicked, [&] { Result_Seen_In_Handler = Dialog.isVisible() ? 0 : 1; });
    Ok->Click();
    EXPECT_EQ(Result_Seen_In_Handler, 0);   // the handler runs first
    EXPECT_FALSE(Dialog.isVisible());
    EXPECT_EQ(Dialog.result(), 6);
    // no modal result: the dialog stays
    Dialog.show();
    Other->Click();
    EXPECT_TRUE(Dialog.isVisible());
}

// A button that goes out of sight while the pointer is over it (its click
// closed the dialog) never hears the pointer leave: it must not come back hot.
TEST_F(TDialogFixture, ButtonHiddenWhileHotComesBackPlain)
{
    struct TCase
    {
        const char *Name;
        bool Slow_Decease;
        std::function<void(TDialogFixture &)> Go_Away;
        bool Dialog_Closes;   // else only Cancel goes out of sight
    };
    const TCase Cases[] = {
        {"ModalResultClosesDialog", false, [](TDialogFixture &F) { F.Cancel->Click(); }, true},
        {"HandlerClosesDialog", false, [](TDialogFixture &F) { F.Ok->Click(); }, true},
        // the fade would otherwise go on counting for a hidden button
        {"SlowFadeClosesDialog", true, [](TDialogFixture &F) { F.Cancel->Click(); }, true},
        // a button still in sight keeps its hot state
        {"OnlyTheButtonHides", false, [](TDialogFixture &F) { F.Cancel->hide(); }, false},
    };
    Cancel->Set_ModalResult(mrCancel);
    QObject::connect(Ok, &TFxButton::clicked, &Dialog, &QDialog::reject);
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Dialog.show();
        Cancel->show();
        Edit->setFocus();
        for (TFxButton *B : {Ok, Cancel}) {
            B->Set_Color(static_cast<TColor>(0xEDF7F8));
            B->Set_HotTrackColor(clYellow);
            B->Set_SlowDecease(C.Slow_Decease);
            QEnterEvent E(QPointF(5, 5), QPointF(15, 15), QPointF(15, 15));
            QApplication::sendEvent(B, &E);
            ASSERT_EQ(B->HotTrackStep(), 8);
        }
        C.Go_Away(*this);
        EXPECT_EQ(Dialog.isVisible(), !C.Dialog_Closes);
        Dialog.show();
        Cancel->show();
        for (TFxButton *B : {Ok, Cancel}) {
            SCOPED_TRACE(B->Caption().toStdString());
            const bool Went_Away = C.Dialog_Closes || B == Cancel;
            EXPECT_EQ(B->Cursor_On_Button(), !Went_Away);
            EXPECT_EQ(B->HotTrackStep(), Went_Away ? 0 : 8);
            const TFxButtonLook L = B->Make_Look();
            EXPECT_EQ(Fx_Face_Layout(L).Face, Went_Away ? static_cast<TColor>(0xEDF7F8) : clYellow);
            if (Went_Away && B->Fade_Thread()) {
                EXPECT_TRUE(B->Fade_Thread()->Suspended());
            }
        }
    }
}

TEST_F(TDialogFixture, PopupMenuOpensBelowAfterClick)
{
    QMenu Menu;
    Menu.addAction("One");
    Other->Set_PopupMenu(&Menu);
    EXPECT_TRUE(Other->Make_Look().Has_Popup_Menu);
    bool Menu_Open_In_Handler = true;
    QObject::connect(Other, &TFxButton::clicked, [&] { Menu_Open_In_Handler = Menu.isVisible(); });
    Other->Click();
    EXPECT_FALSE(Menu_Open_In_Handler);
    EXPECT_TRUE(Menu.isVisible());
    EXPECT_EQ(Menu.pos(), Other->mapToGlobal(QPoint(0, Other->height())));
    Menu.hide();
}

TEST_F(TDialogFixture, Accelerator)
{
    Dialog.activateWindow();
    if (!QTest::qWaitForWindowActive(&Dialog))
        GTEST_SKIP() << "the platform cannot activate windows";
    Other->Set_Caption("&Speichern");
    QSignalSpy Clicks(Other, &TFxButton::clicked);
    QTest::keyClick(&Dialog, Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(Clicks.count(), 1);
    // after the caption changes, the old letter is free
    Other->Set_Caption("&Laden");
    QTest::keyClick(&Dialog, Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(Clicks.count(), 1);
    QTest::keyClick(&Dialog, Qt::Key_L, Qt::AltModifier);
    EXPECT_EQ(Clicks.count(), 2);
    // a disabled button's accelerator does nothing
    Other->setEnabled(false);
    QTest::keyClick(&Dialog, Qt::Key_L, Qt::AltModifier);
    EXPECT_EQ(Clicks.count(), 2);
}

// ---------------------------------------------------------------------------
// Slow fade, driven by a clock the test moves

TEST_F(TWindowFixture, SlowFadeStepsEvery30Ms)
{
    TDrivenClock Clock;
    Clock.Ticks = 0xFFFFFFF0u;   // across the 32-bit wrap
    TClockGuard Guard(&Clock);
    Button->Set_HotTrackColor(clYellow);
    Button->Set_SlowDecease(true);
    TFxButtonThread *Thread = Button->Fade_Thread();
    ASSERT_NE(Thread, nullptr);

    Enter();
    Leave();
    EXPECT_FALSE(Thread->Suspended());
    EXPECT_EQ(Button->HotTrackStep(), 8);
    Clock.Advance(29);
    Thread->Poll();
    EXPECT_EQ(Button->HotTrackStep(), 8);
    Clock.Advance(1);
    Thread->Poll();
    EXPECT_EQ(Button->HotTrackStep(), 7);
    // the face follows the step
    const TFxButtonLook L = Button->Make_Look();
    EXPECT_EQ(Fx_Face_Layout(L).Face, GetHotTrackBlendColor(L.Color, clYellow, 7));
    // a late timer catches up: 90 ms are three steps
    Clock.Advance(90);
    Thread->Poll();
    EXPECT_EQ(Button->HotTrackStep(), 4);
    // re-entering sets 8, but the running fade keeps counting down
    Enter();
    EXPECT_EQ(Button->HotTrackStep(), 8);
    Clock.Advance(30);
    Thread->Poll();
    EXPECT_EQ(Button->HotTrackStep(), 7);
    // the tick that reaches 0 pauses the fade
    Clock.Advance(30 * 10);
    Thread->Poll();
    EXPECT_EQ(Button->HotTrackStep(), 0);
    EXPECT_TRUE(Thread->Suspended());
    Clock.Advance(1000);
    Thread->Poll();
    EXPECT_EQ(Button->HotTrackStep(), 0);
}

TEST_F(TWindowFixture, SlowDeceaseOffStopsFade)
{
    TDrivenClock Clock;
    TClockGuard Guard(&Clock);
    Button->Set_SlowDecease(true);
    Enter();
    Leave();
    ASSERT_FALSE(Button->Fade_Thread()->Suspended());
    Button->Set_SlowDecease(false);
    EXPECT_EQ(Button->Fade_Thread(), nullptr);
    EXPECT_EQ(Button->HotTrackStep(), 0);
    // without it, leaving drops the colour at once
    Enter();
    Leave();
    EXPECT_EQ(Button->HotTrackStep(), 0);
    Button->Set_SlowDecease(true);
    ASSERT_NE(Button->Fade_Thread(), nullptr);
    EXPECT_TRUE(Button->Fade_Thread()->Suspended());
}

// The fade clock works on its own from a timer (system clock, no timing asserted).
TEST(FxButtonFade, TimerReachesZero)
{
    TFxButtonThread *Seen = nullptr;
    int Ticks = 0;
    TFxButtonThread Thread([&] {
        if (++Ticks == 2)
            Seen->Suspend();
    });
    Seen = &Thread;
    Thread.Resume();
    EXPECT_TRUE(QTest::qWaitFor([&] { return Thread.Suspended(); }, 5000));
    EXPECT_EQ(Ticks, 2);
}

// ---------------------------------------------------------------------------
// Linked action

TEST_F(TWindowFixture, ActionLink)
{
    QAction Act("&Open");
    QPixmap Icon(16, 16);
    Icon.fill(Qt::blue);
    Act.setIcon(QIcon(Icon));
    Act.setToolTip("Opens it");
    Button->Set_Action(&Act);
    EXPECT_EQ(Button->Action(), &Act);
    EXPECT_EQ(Button->Caption(), "&Open");
    EXPECT_EQ(Button->toolTip(), "Opens it");
    // the icon becomes a one-frame glyph
    ASSERT_EQ(Button->Glyph().size(), QSize(16, 16));
    EXPECT_EQ(Button->NumGlyphs(), 1);
    EXPECT_EQ(Button->Glyph().pixel(3, 3), qRgb(0, 0, 255));
    // a click runs clicked() first, then the action
    QStringList Order;
    QObject::connect(Button, &TFxButton::clicked, [&] { Order << "clicked"; });
    QObject::connect(&Act, &QAction::triggered, [&] { Order << "action"; });
    Button->Click();
    EXPECT_EQ(Order, QStringList({"clicked", "action"}));
    // the button follows the action's state and text
    Act.setEnabled(false);
    EXPECT_FALSE(Button->isEnabled());
    Act.setEnabled(true);
    Act.setText("&Load");
    EXPECT_EQ(Button->Caption(), "&Load");
    // a glyph of its own is kept
    QImage Own(18, 18, QImage::Format_RGB32);
    Own.fill(Qt::red);
    Button->Set_Glyph(Own);
    Act.setText("Other");
    EXPECT_EQ(Button->Glyph(), Own);
    // unlinked, the action no longer drives the button
    Button->Set_Action(nullptr);
    Act.setText("Gone");
    EXPECT_EQ(Button->Caption(), "Other");
}

// The popup menu opens after the handler and after the dialog got its result.
TEST_F(TDialogFixture, PopupAfterModalResult)
{
    QMenu Menu;
    Menu.addAction("One");
    Ok->Set_ModalResult(mrOk);
    Ok->Set_PopupMenu(&Menu);
    Ok->Click();
    EXPECT_EQ(Dialog.result(), mrOk);
    EXPECT_TRUE(Menu.isVisible());
    Menu.hide();
}

// The right mouse button opens the popup menu where the pointer is; without one the parent gets it.
TEST_F(TWindowFixture, ContextMenu)
{
    QMenu Menu;
    Menu.addAction("One");
    Button->Set_PopupMenu(&Menu);
    QContextMenuEvent E(QContextMenuEvent::Mouse, QPoint(5, 5), Button->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(Button, &E);
    EXPECT_TRUE(E.isAccepted());
    EXPECT_TRUE(Menu.isVisible());
    Menu.hide();
    Button->Set_PopupMenu(nullptr);
    QContextMenuEvent E2(QContextMenuEvent::Mouse, QPoint(5, 5), Button->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(Button, &E2);
    EXPECT_FALSE(Menu.isVisible());
    // a deleted menu is forgotten
    auto *Gone = new QMenu;
    Button->Set_PopupMenu(Gone);
    delete Gone;
    EXPECT_EQ(Button->PopupMenu(), nullptr);
    Button->Click();
}

// Without a focused control in the window, Enter belongs to the Default button.
TEST(FxButtonDialogKeys, NoActiveControlTakesKey)
{
    QWidget Window;
    auto *B = new TFxButton(&Window);
    B->setFocusPolicy(Qt::NoFocus);
    B->Set_Default(true);
    QSignalSpy Clicks(B, &TFxButton::clicked);
    ASSERT_EQ(Window.focusWidget(), nullptr);
    EXPECT_TRUE(B->Dialog_Key(Qt::Key_Return, {}));
    EXPECT_EQ(Clicks.count(), 1);
    // a key that is neither Enter nor Esc is not a dialog key
    EXPECT_FALSE(B->Dialog_Key(Qt::Key_Tab, {}));
    // neither is Esc for a button that is not Cancel
    EXPECT_FALSE(B->Dialog_Key(Qt::Key_Escape, {}));
    // the window's Enter reaches it
    QKeyEvent Key(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(&Window, &Key);
    EXPECT_EQ(Clicks.count(), 2);
    // switching Default off stops watching the window
    B->Set_Default(false);
    QKeyEvent Key2(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(&Window, &Key2);
    EXPECT_EQ(Clicks.count(), 2);
}

// On the real clock the fade runs by itself to 0 and pauses; a button deleted
// in the middle of a fade leaves nothing behind that could tick.
TEST_F(TWindowFixture, FadeRunsOnTimerAndDiesWithButton)
{
    Button->Set_SlowDecease(true);
    Enter();
    Leave();
    EXPECT_TRUE(QTest::qWaitFor([&] { return Button->HotTrackStep() == 0; }, 5000));
    EXPECT_TRUE(Button->Fade_Thread()->Suspended());

    Enter();
    Leave();
    ASSERT_FALSE(Button->Fade_Thread()->Suspended());
    delete Button;
    Button = nullptr;
    QTest::qWait(100);
}
