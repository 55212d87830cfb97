// The drop-down edit base as a widget: popup placement and size, the order
// of its events, what a cancelled close restores, the reopening delay, typed
// input and paste through the edit, and the drop-down button's faces.
#include "TestSupport.h"
#include "dropdowns/ColorPickerDropDown.h"
#include "dropdowns/MemoDropDown.h"
#include "dropdowns/MultiColumnDropDown.h"
#include "dropdowns/TimePickerDropDown.h"
#include <QPlainTextEdit>
#include <algorithm>
#include <functional>
#include "dropdowns/DropDownEdit.h"
#include "platform/Clipboard.h"
#include "platform/Clock.h"
#include "platform/Locale.h"
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

// The popup opens below or above its edit on the edit's own screen and stays
// inside that screen's available area on both axes.
TEST(DropDownPopup, PlacementIsAPureFunctionOfScreenEditAndContent)
{
    const QRect Hd(0, 0, 1920, 1080);
    struct TCase { const char *Name; QRect Edit; QSize Size; TDropPosition Pos; QRect Area; QRect Expected; };
    const TCase Cases[] = {
        {"AutoBelow", {100, 100, 200, 21}, {200, 300}, dpAuto, Hd, {100, 120, 200, 300}},
        {"AutoAboveWithoutRoomBelow", {100, 900, 200, 21}, {200, 300}, dpAuto, Hd, {100, 600, 200, 300}},
        {"UpAbove", {100, 500, 200, 21}, {200, 100}, dpUp, Hd, {100, 400, 200, 100}},
        // below as asked, but moved up so that it stays on the screen
        {"DownKeptOnScreen", {100, 900, 200, 21}, {200, 300}, dpDown, Hd, {100, 780, 200, 300}},
        {"UpKeptOnScreen", {100, 50, 200, 21}, {200, 300}, dpUp, Hd, {100, 0, 200, 300}},
        {"RightEdgeMovesLeft", {1800, 100, 200, 21}, {400, 100}, dpAuto, Hd, {1520, 120, 400, 100}},
        {"LeftOfAreaMovesRight", {-50, 100, 200, 21}, {200, 100}, dpAuto, Hd, {0, 120, 200, 100}},
        {"SecondScreen", {3000, 1000, 150, 21}, {300, 200}, dpAuto, {1920, 0, 1280, 1024}, {2900, 800, 300, 200}},
        {"WorkAreaBelowAPanel", {10, 30, 100, 21}, {100, 100}, dpUp, {0, 40, 1920, 1040}, {10, 40, 100, 100}},
        {"LargerThanScreen", {0, 0, 100, 21}, {3000, 2000}, dpAuto, Hd, Hd},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(Place_Popup(C.Edit, C.Size, C.Pos, C.Area), C.Expected);
    }
    struct TSize { const char *Name; TPopupSizeInput In; QSize Expected; };
    TPopupSizeInput Bare;
    Bare.EditWidth = 200;
    TPopupSizeInput Content = Bare;
    Content.Content = QSize(150, 100);
    Content.HeaderHeight = 20;
    Content.FooterHeight = 22;
    TPopupSizeInput Fixed = Content;
    Fixed.DropDownWidth = 300;
    Fixed.DropDownHeight = 200;
    TPopupSizeInput User = Fixed;
    User.UserWidth = 350;
    User.UserHeight = 220;
    TPopupSizeInput Tiny = Bare;
    Tiny.DropDownWidth = 10;
    const TSize Sizes[] = {
        {"NothingGivesEditWidthAndMinimumHeight", Bare, {200, 50}},
        {"ContentBarsAndBorders", Content, {150, 144}},
        {"FixedSize", Fixed, {300, 200}},
        {"UserSizeWins", User, {350, 220}},
        {"NeverBelowMinimum", Tiny, {80, 50}},
    };
    for (const TSize &S : Sizes) {
        SCOPED_TRACE(S.Name);
        EXPECT_EQ(Compute_Popup_Size(S.In), S.Expected);
    }
}

namespace {
// A drop-down in a window with a stand-in content control (a plain green
// panel) and an event log.
class TDropDownFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        Window = std::make_unique<QWidget>();
        Window->resize(320, 200);
        D = new VOdeCustomDropDown(Window.get());
        D->setGeometry(10, 10, 200, 24);
        Content = new QWidget;
        Content->setAutoFillBackground(true);
        QPalette P = Content->palette();
        P.setColor(QPalette::Window, QColor(0, 160, 0));
        Content->setPalette(P);
        Content->resize(180, 90);
        D->SetControl(Content);
        D->OnBeforeDropDown = [this](QObject *) { Log.push_back("BeforeDropDown"); };
        D->OnDropDown = [this](QObject *, bool &Accept) {
            Log.push_back("DropDown");
            Accept = Accept_Drop;
        };
        D->OnBeforeDropUp = [this](QObject *) { Log.push_back("BeforeDropUp"); };
        D->OnDropUp = [this](QObject *, bool Cancelled) {
            Log.push_back(std::string("DropUp") + (Cancelled ? " cancelled" : "") + " " + D->text().toStdString());
        };
        D->OnChange = [this](QObject *) { ++Changes; };
        Window->show();
        D->setFocus();
    }
    // The window goes first: closing it closes an open popup, which still logs.
    void TearDown() override { Window.reset(); }
    void Key(TKey K)
    {
        D->KeyDown(K, TShiftState());
    }
    std::unique_ptr<QWidget> Window;
    VOdeCustomDropDown *D = nullptr;
    QWidget *Content = nullptr;
    std::vector<std::string> Log;
    bool Accept_Drop = true;
    int Changes = 0;
};
} // namespace

// Opening: OnBeforeDropDown, then OnDropDown (which may refuse); closing:
// OnBeforeDropUp, the popup hides, a cancel restores, then OnDropUp.
TEST_F(TDropDownFixture, EventOrderAndCancelRestore)
{
    D->SetTextDirect(QStringLiteral("old"));
    Accept_Drop = false;
    D->ShowDropDown();
    EXPECT_FALSE(D->DroppedDown());
    EXPECT_FALSE(D->Popup()->isVisible());
    EXPECT_EQ(Log, (std::vector<std::string>{"BeforeDropDown", "DropDown"}));
    Log.clear();
    Accept_Drop = true;
    // Enter closes keeping what was typed meanwhile
    D->ShowDropDown();
    EXPECT_TRUE(D->DroppedDown());
    D->SetTextDirect(QStringLiteral("new"));
    Key(VK_RETURN);
    EXPECT_FALSE(D->DroppedDown());
    EXPECT_EQ(Log, (std::vector<std::string>{"BeforeDropDown", "DropDown", "BeforeDropUp", "DropUp new"}));
    Log.clear();
    // Esc closes with the value of the opening, not the last formatted one
    D->ShowDropDown();
    D->SetTextDirect(QStringLiteral("typed"));
    Key(VK_ESCAPE);
    EXPECT_EQ(D->text(), QStringLiteral("new"));
    EXPECT_EQ(Log, (std::vector<std::string>{"BeforeDropDown", "DropDown", "BeforeDropUp", "DropUp cancelled new"}));
    // closing a closed popup raises nothing
    Log.clear();
    D->HideDropDown(true);
    Key(VK_ESCAPE);
    EXPECT_TRUE(Log.empty());
    // read-only and disabled edits never open
    D->setReadOnly(true);
    D->ShowDropDown();
    D->setReadOnly(false);
    D->setEnabled(false);
    D->ShowDropDown();
    EXPECT_TRUE(Log.empty());
}

// A cancelled popup gives back the kind's own state too (the colour picker's colour).
TEST(DropDownPopup, CancelRestoresTheKindsState)
{
    QWidget Window;
    auto *C = new VOdeColorPickerDropDown(&Window);
    C->AddDefaultColors();
    C->SetSelectedColor(clTeal);
    Window.show();
    C->ShowDropDown();
    ASSERT_TRUE(C->DroppedDown());
    C->SetSelectedColor(clRed);
    EXPECT_EQ(C->text(), QStringLiteral("Red"));
    C->HideDropDown(true);
    EXPECT_EQ(C->SelectedColor(), clTeal);
    EXPECT_EQ(C->text(), QStringLiteral("Teal"));
    EXPECT_EQ(C->GetSelectedColorText(), QStringLiteral("Teal"));
}

// The popup's size is remembered only after the user resized it; a new
// DropDownWidth or DropDownHeight forgets it.
TEST_F(TDropDownFixture, UserSizeRememberedOnlyAfterResize)
{
    D->ShowDropDown();
    const int Bars = (D->DropDownHeader().Visible() ? D->DropDownHeader().Height() : 0)
                     + (D->DropDownFooter().Visible() ? D->DropDownFooter().Height() : 0);
    EXPECT_EQ(D->Popup()->size(), QSize(180, 2 + Bars + 90));
    D->HideDropDown();
    EXPECT_EQ(D->UserDropDownWidth(), -1);
    D->ShowDropDown();
    D->Popup()->User_Resize(QSize(350, 220));
    D->HideDropDown();
    D->ShowDropDown();
    EXPECT_EQ(D->Popup()->size(), QSize(350, 220));
    D->HideDropDown();
    D->Set_DropDownWidth(250);
    EXPECT_EQ(D->UserDropDownWidth(), -1);
    EXPECT_EQ(D->UserDropDownHeight(), -1);
    D->ShowDropDown();
    EXPECT_EQ(D->Popup()->width(), 250);
    // the popup lies under the edit, overlapping its bottom pixel row
    const QPoint Edit = D->mapToGlobal(QPoint(0, 0));
    EXPECT_EQ(D->Popup()->geometry().topLeft(), QPoint(Edit.x(), Edit.y() + D->height() - 1));
}

// A click that closed the popup by deactivating it does not reopen it; a
// later one does. Deactivation cancels only when the popup says so.
TEST_F(TDropDownFixture, ReopenDelayAfterDeactivation)
{
    TDrivenClock Clock;
    Clock.Ticks = 10000;
    TClockGuard Guard(&Clock);
    D->SetTextDirect(QStringLiteral("a"));
    D->Button_Click();
    ASSERT_TRUE(D->DroppedDown());
    D->SetTextDirect(QStringLiteral("b"));
    D->Popup()->Deactivate(Clock.Ticks);
    EXPECT_FALSE(D->DroppedDown());
    EXPECT_EQ(D->text(), QStringLiteral("a"));
    Clock.Advance(250);
    D->Button_Click();
    EXPECT_FALSE(D->DroppedDown());
    Clock.Advance(1);
    D->Button_Click();
    EXPECT_TRUE(D->DroppedDown());
    D->Popup()->Set_CancelOnDeActivate(false);
    D->SetTextDirect(QStringLiteral("c"));
    D->Popup()->Deactivate(Clock.Ticks);
    EXPECT_EQ(D->text(), QStringLiteral("c"));
}

// Typing through the edit: money regroups, Backspace over a whole selected
// value announces one change, typing over it none; paste goes through the
// program's clipboard.
TEST_F(TDropDownFixture, TypingAndPasteThroughTheEdit)
{
    TFormatSettingsGuard Locale;
    D->Set_EditType(etMoney);
    D->Set_Precision(2);
    D->SetTextDirect(QStringLiteral("1,234"));
    D->setCursorPosition(5);
    QTest::keyClick(D, Qt::Key_5);
    EXPECT_EQ(D->text(), QStringLiteral("12,345"));
    EXPECT_EQ(D->cursorPosition(), 6);
    D->Set_EditType(etString);
    D->SetTextDirect(QStringLiteral("abc"));
    D->selectAll();
    Changes = 0;
    QTest::keyClick(D, Qt::Key_Backspace);
    EXPECT_EQ(D->text(), QString());
    EXPECT_EQ(Changes, 1);
    D->SetTextDirect(QStringLiteral("abc"));
    D->selectAll();
    Changes = 0;
    QTest::keyClick(D, Qt::Key_X);
    EXPECT_EQ(D->text(), QStringLiteral("x"));
    EXPECT_EQ(Changes, 0);
    // paste: numbers only into a whole-number edit, the pasted part selected
    TFakeClipboard Board;
    TClipboardGuard Use(&Board);
    D->Set_EditType(etNumeric);
    D->SetTextDirect(QStringLiteral("345"));
    D->selectAll();
    Board.Put_Text(QStringLiteral("abc"));
    D->Paste_Value();
    EXPECT_EQ(D->text(), QStringLiteral("345"));
    Board.Put_Text(QStringLiteral("12"));
    QTest::keyClick(D, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(D->text(), QStringLiteral("12"));
    EXPECT_EQ(D->selectedText(), QStringLiteral("12"));
    // a refusing paste event keeps the text
    D->OnClipboardPaste = [](QObject *, const QString &, bool &Allow) { Allow = false; };
    Board.Put_Text(QStringLiteral("9"));
    D->Paste_Value();
    EXPECT_EQ(D->text(), QStringLiteral("12"));
}

// The pick-only field: typing does nothing, Enter and Esc close, F4 toggles,
// arrows do nothing; ReturnIsTab turns Enter into Tab without closing.
TEST_F(TDropDownFixture, PickOnlyAndReturnIsTab)
{
    D->SetEditorEnabled(false);
    D->SetTextDirect(QStringLiteral("v"));
    QTest::keyClick(D, Qt::Key_A);
    EXPECT_EQ(D->text(), QStringLiteral("v"));
    Key(VK_F4);
    EXPECT_TRUE(D->DroppedDown());
    TKey K = VK_LEFT;
    D->KeyDown(K, TShiftState());
    EXPECT_EQ(K, 0);
    Key(VK_F4);
    EXPECT_FALSE(D->DroppedDown());
    Key(VK_F4);
    Key(VK_RETURN);
    EXPECT_FALSE(D->DroppedDown());
    D->SetEditorEnabled(true);
    D->Set_ReturnIsTab(true);
    D->ShowDropDown();
    K = VK_RETURN;
    D->KeyDown(K, TShiftState());
    EXPECT_EQ(K, VK_TAB);
    EXPECT_TRUE(D->DroppedDown());
}

// The button container keeps its own width whatever bounds it gets.
TEST_F(TDropDownFixture, ButtonWidthAndPlace)
{
    EXPECT_EQ(D->DropDownButtonWidth(), 17);
    EXPECT_EQ(D->Button()->width(), 16);
    D->Button()->setGeometry(0, 0, 40, 20);
    EXPECT_EQ(D->Button()->width(), 16);
    D->Set_DropDownButtonWidth(20);
    EXPECT_EQ(D->Button()->width(), 20);
    EXPECT_EQ(D->Button_Rect(), DropDown_Button_Rect(D->size(), 20, true, false));
    EXPECT_EQ(DropDown_Button_Rect(QSize(200, 24), 16, true, false), QRect(182, 2, 16, 20));
    EXPECT_EQ(DropDown_Button_Rect(QSize(200, 24), 16, false, false), QRect(184, 1, 16, 22));
    // a read-only edit draws its arrow disabled
    EXPECT_TRUE(D->Button()->Button()->Make_Look().Enabled);
    D->setReadOnly(true);
    EXPECT_FALSE(D->Button()->Button()->Make_Look().Enabled);
}

// The button's faces: custom colours per state, the classic arrow, and a
// button set up never paints pressed.
TEST(DropDownButton, Faces)
{
    auto Paint = [](const TDropDownButtonLook &L) {
        QImage Img(L.Size, QImage::Format_RGB32);
        Img.fill(Qt::magenta);
        QWidget W;
        QPainter P(&Img);
        Paint_DropDown_Button(P, &W, L);
        return Img;
    };
    TDropDownButtonLook L;
    L.Size = QSize(16, 20);
    L.ButtonColor = clRed;
    L.ButtonColorHot = clYellow;
    L.ButtonColorDown = clLime;
    L.TextColor = clBlue;
    L.TextColorHot = clNavy;
    L.TextColorDown = clWhite;
    L.EditBorderColor = clGreen;
    struct TCase { const char *Name; bool Hot; bool Pressed; TColor Face; TColor Arrow; };
    const TCase Cases[] = {
        {"Normal", false, false, clRed, clBlue},
        {"Hot", true, false, clYellow, clNavy},
        {"Pressed", true, true, clLime, clWhite},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        L.Hot = C.Hot;
        L.Pressed = C.Pressed;
        const QImage Img = Paint(L);
        EXPECT_EQ(Img.pixelColor(12, 15), To_QColor(C.Face));
        EXPECT_EQ(Img.pixelColor(8, 8), To_QColor(C.Arrow));
        EXPECT_EQ(Img.pixelColor(0, 15), To_QColor(clGreen));
    }
    // classic: black arrow, white inner highlight
    TDropDownButtonLook Classic;
    Classic.Size = QSize(16, 20);
    const QImage Img = Paint(Classic);
    EXPECT_EQ(Img.pixelColor(8, 8), QColor(Qt::black));
    EXPECT_EQ(Img.pixelColor(1, 5), QColor(Qt::white));
    // themed: the style draws an arrow face
    Classic.Themed = true;
    EXPECT_GT(Distinct_Colours(Paint(Classic), QRect(0, 0, 16, 20)), 1);
}

// A generic drop-down with a stand-in content control, opened and grabbed.
TEST_F(TDropDownFixture, PopupPicture)
{
    D->Set_DropDownBorderColor(clBlue);
    D->Set_DropDownBorderWidth(2);
    D->DropDownHeader().Set_Visible(true);
    D->DropDownHeader().Set_Caption(QStringLiteral("Header"));
    D->SetTextDirect(QStringLiteral("value"));
    D->ShowDropDown();
    ASSERT_TRUE(D->DroppedDown());
    QApplication::processEvents();
    const QImage Shot(Save_Screenshot(D->Popup(), QStringLiteral("dropdown_popup")));
    ASSERT_FALSE(Shot.isNull());
    // the border, then the content inside it below the header
    EXPECT_EQ(Shot.pixelColor(0, 0), QColor(Qt::blue));
    EXPECT_EQ(Shot.pixelColor(Shot.width() - 1, Shot.height() - 1), QColor(Qt::blue));
    const QRect In = Content->geometry();
    EXPECT_EQ(In.left(), 2);
    EXPECT_EQ(In.top(), 2 + D->DropDownHeader().Height());
    EXPECT_EQ(Shot.pixelColor(In.center()), QColor(0, 160, 0));
    // the content ends at the footer bar (or at the border without one)
    const int Footer = D->DropDownFooter().Visible() ? D->DropDownFooter().Height() : 0;
    EXPECT_EQ(In.bottom(), Shot.height() - 2 - Footer - 1);
    EXPECT_EQ(In.right(), Shot.width() - 2 - 1);
    const QImage Edit(Save_Screenshot(Window.get(), QStringLiteral("dropdown_edit")));
    ASSERT_FALSE(Edit.isNull());
    // the arrow of the button inside the edit's right edge
    const QRect B = D->Button_Rect().translated(D->pos());
    EXPECT_GT(Distinct_Colours(Edit, B), 1);
}

namespace {
std::vector<std::string> Edit_Keys;
// A kind whose edit logs the key-downs and characters it gets.
template <class K> class TLogged : public K {
public:
    using K::K;
    void KeyDown(TKey &Key, TShiftState Shift) override
    {
        Edit_Keys.push_back("down " + std::to_string(Key));
        K::KeyDown(Key, Shift);
    }
    void WMChar(QChar &Key, bool Keypad) override
    {
        Edit_Keys.push_back("char " + QString(Key).toStdString());
        K::WMChar(Key, Keypad);
    }
};
// A content control that takes every key it gets (as a list takes its arrows).
class TKeyContent : public QPlainTextEdit {
public:
    int Keys = 0;
protected:
    void keyPressEvent(QKeyEvent *E) override
    {
        ++Keys;
        E->accept();
    }
};
} // namespace

// The content's keys reach the edit while the popup is open, except those a
// kind keeps in its content (memo: all but Alt-held keys, Esc and F4; the
// lists: arrows, page keys and Enter without Alt, and every character).
TEST(DropDownPopup, ContentKeysReachTheEditOrStayByKind)
{
    using TMake = std::function<VOdeCustomDropDown *(QWidget *)>;
    const TMake Base = [](QWidget *W) { return new TLogged<VOdeCustomDropDown>(W); };
    const TMake Memo = [](QWidget *W) { return new TLogged<VOdeMemoDropDown>(W); };
    const TMake Time = [](QWidget *W) { return new TLogged<VOdeTimePickerDropDown>(W); };
    const TMake Multi = [](QWidget *W) { return new TLogged<VOdeMultiColumnDropDown>(W); };
    struct TCase { const char *Name; TMake Make; Qt::Key Key; Qt::KeyboardModifiers Mods; const char *Text; bool Down; bool Char; bool Open; };
    const TCase Cases[] = {
        {"BaseLetter", Base, Qt::Key_X, Qt::NoModifier, "x", true, true, true},
        {"BaseEscCancels", Base, Qt::Key_Escape, Qt::NoModifier, "\x1b", true, true, false},
        {"MemoLetterStays", Memo, Qt::Key_X, Qt::NoModifier, "x", false, false, true},
        {"MemoEnterStays", Memo, Qt::Key_Return, Qt::NoModifier, "\r", false, false, true},
        {"MemoAltDownCloses", Memo, Qt::Key_Down, Qt::AltModifier, "", true, false, false},
        {"MemoEsc", Memo, Qt::Key_Escape, Qt::NoModifier, "\x1b", true, true, false},
        {"MemoF4", Memo, Qt::Key_F4, Qt::NoModifier, "", true, false, false},
        {"TimeDownStays", Time, Qt::Key_Down, Qt::NoModifier, "", false, false, true},
        {"TimeAltUpCloses", Time, Qt::Key_Up, Qt::AltModifier, "", true, false, false},
        {"TimeLetter", Time, Qt::Key_X, Qt::NoModifier, "x", true, true, true},
        {"ListEnterStays", Multi, Qt::Key_Return, Qt::NoModifier, "\r", false, false, true},
        {"ListPageDownStays", Multi, Qt::Key_PageDown, Qt::NoModifier, "", false, false, true},
        {"ListAltDownCloses", Multi, Qt::Key_Down, Qt::AltModifier, "", true, false, false},
        {"ListLetterKeyDownOnly", Multi, Qt::Key_X, Qt::NoModifier, "x", true, false, true},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        QWidget Window;
        VOdeCustomDropDown *D = C.Make(&Window);
        auto *Content = new TKeyContent;
        D->SetControl(Content);
        Window.show();
        D->ShowDropDown();
        ASSERT_TRUE(D->DroppedDown());
        Edit_Keys.clear();
        QKeyEvent Press(QEvent::KeyPress, C.Key, C.Mods, QString::fromLatin1(C.Text));
        QApplication::sendEvent(Content, &Press);
        const bool Down = std::any_of(Edit_Keys.begin(), Edit_Keys.end(), [](const std::string &S) { return S.rfind("down", 0) == 0; });
        const bool Char = std::any_of(Edit_Keys.begin(), Edit_Keys.end(), [](const std::string &S) { return S.rfind("char", 0) == 0; });
        EXPECT_EQ(Down, C.Down);
        EXPECT_EQ(Char, C.Char);
        EXPECT_EQ(D->DroppedDown(), C.Open);
        // the content always gets its key once, and the edit never twice
        EXPECT_EQ(Content->Keys, 1);
        EXPECT_LE(Edit_Keys.size(), 2u);
    }
    // Ctrl+A selects all of the memo and nothing reaches the edit
    QWidget Window;
    auto *M = new TLogged<VOdeMemoDropDown>(&Window);
    auto *Text = new QPlainTextEdit;
    Text->setPlainText(QStringLiteral("one\ntwo"));
    M->SetControl(Text);
    Window.show();
    M->ShowDropDown();
    Edit_Keys.clear();
    QKeyEvent CtrlA(QEvent::KeyPress, Qt::Key_A, Qt::ControlModifier, QStringLiteral("\x01"));
    QApplication::sendEvent(Text, &CtrlA);
    EXPECT_EQ(Text->textCursor().selectedText().size(), 7);
    EXPECT_TRUE(Edit_Keys.empty());
}

// The popup's destruction raises its step once; the button is shown and
// hands the focus to the edit; the text rectangle by frame and flatness.
TEST(DropDownPopup, DestroyedStepButtonAndEditRect)
{
    struct TCounted : VOdeCustomDropDown {
        int Destroyed = 0;
        void PopupDestroyed() override { ++Destroyed; }
    };
    QWidget Window;
    auto *D = new TCounted;
    D->setParent(&Window);
    delete D->Popup();
    EXPECT_EQ(D->Destroyed, 1);
    EXPECT_EQ(D->Popup(), nullptr);
    D->ShowDropDown();
    EXPECT_FALSE(D->DroppedDown());
    EXPECT_EQ(D->Button()->focusProxy(), D);
    EXPECT_FALSE(D->Button()->isHidden());
    struct TRect { const char *Name; bool Border; bool Flat; QRect Expected; };
    const TRect Rects[] = {
        // client 196 x 20 inside a 2-pixel frame, button 16: ends at 196 - 16 - 3
        {"Border", true, false, QRect(QPoint(1, 1), QPoint(176, 20))},
        {"BorderFlat", true, true, QRect(QPoint(1, 1), QPoint(178, 22))},
        {"NoBorder", false, false, QRect(QPoint(2, 3), QPoint(180, 24))},
        {"NoBorderFlat", false, true, QRect(QPoint(2, 3), QPoint(180, 24))},
    };
    for (const TRect &R : Rects) {
        SCOPED_TRACE(R.Name);
        EXPECT_EQ(DropDown_Edit_Rect(QSize(200, 24), 16, R.Border, R.Flat), R.Expected);
        D->setGeometry(0, 0, 200, 24);
        D->Set_Border(R.Border);
        D->Set_Flat(R.Flat);
        EXPECT_EQ(D->EditRect(), R.Expected);
    }
}
