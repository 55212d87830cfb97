// The drop-down edit as a widget: Esc in a closed edit, the press on a
// selection, the height the font needs, copying settings from another
// drop-down, the version and the stored settings.
#include "TestSupport.h"
#include "dropdowns/DropDownEdit.h"
#include "dropdowns/TrackBarDropDown.h"
#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {
// The window around the edit, noting the keys that reach it.
class TKeyLogWindow : public QWidget {
public:
    int Escapes = 0;

protected:
    void keyPressEvent(QKeyEvent *E) override
    {
        if (E->key() == Qt::Key_Escape)
            ++Escapes;
    }
};

class TDropDownEditFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        Window = std::make_unique<TKeyLogWindow>();
        Window->resize(320, 120);
        D = new VOdeCustomDropDown(Window.get());
        D->setGeometry(10, 10, 200, 24);
        D->OnChange = [this](QObject *) { ++Changes; };
        Window->show();
        D->setFocus();
        QApplication::processEvents();
    }
    void TearDown() override { Window.reset(); }
    // The x of the caret place K at the edit's middle height.
    int X_Of(int K) const
    {
        for (int X = 0; X < D->width(); ++X)
            if (D->cursorPositionAt(QPoint(X, D->height() / 2)) == K)
                return X;
        return -1;
    }
    std::unique_ptr<TKeyLogWindow> Window;
    VOdeCustomDropDown *D = nullptr;
    int Changes = 0;
};
} // namespace

// Esc with the undo switch selects the value and clears the modified marks;
// in a closed edit it goes on to the window (once), an Esc that closes the
// popup does not; without the undo switch Esc changes nothing here.
TEST_F(TDropDownEditFixture, EscapeUndo)
{
    struct TCase { const char *Name; bool CanUndo; bool DefaultHandling; bool Selected; bool Modified; int Escapes; };
    const TCase Cases[] = {
        {"UndoSelectsAndHandsOn", true, true, true, false, 1},
        {"UndoWithoutDefaultHandling", true, false, true, false, 1},
        {"NoUndo", false, true, false, true, 0},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        D->Set_CanUndo(C.CanUndo);
        D->Set_DefaultHandling(C.DefaultHandling);
        D->Set_Prefix(QStringLiteral("$"));
        D->Set_Text(QStringLiteral("12"));
        D->setCursorPosition(3);
        QTest::keyClick(D, Qt::Key_7);
        ASSERT_EQ(D->text(), QStringLiteral("$127"));
        ASSERT_TRUE(D->Modified());
        Window->Escapes = 0;
        QTest::keyClick(D, Qt::Key_Escape);
        QApplication::processEvents();
        EXPECT_EQ(D->selectedText(), C.Selected ? QStringLiteral("127") : QString());
        EXPECT_EQ(D->Modified(), C.Modified);
        EXPECT_EQ(D->isModified(), C.Modified);
        EXPECT_EQ(Window->Escapes, C.Escapes);
    }
    // the window's query: Esc is claimed only while the popup is open
    D->Set_CanUndo(true);
    D->Set_DefaultHandling(true);
    EXPECT_FALSE(D->WantSpecialKey(Qt::Key_Escape));
    EXPECT_FALSE(D->WantSpecialKey(Qt::Key_Return));
    D->ShowDropDown();
    ASSERT_TRUE(D->DroppedDown());
    EXPECT_TRUE(D->WantSpecialKey(Qt::Key_Escape));
    // Esc closing the popup stays with the edit
    Window->Escapes = 0;
    TKey K = VK_ESCAPE;
    D->KeyDown(K, TShiftState());
    EXPECT_FALSE(D->DroppedDown());
    QApplication::processEvents();
    EXPECT_EQ(Window->Escapes, 0);
}

// An Esc over the selected value changes no text, so the next change of the
// text is announced as usual.
TEST_F(TDropDownEditFixture, ChangeAfterEscapeIsAnnounced)
{
    D->Set_Text(QStringLiteral("abc"));
    QTest::keyClick(D, Qt::Key_Escape);
    ASSERT_EQ(D->selectedText(), QStringLiteral("abc"));
    D->setCursorPosition(3);
    Changes = 0;
    QTest::keyClick(D, Qt::Key_D);
    EXPECT_EQ(D->text(), QStringLiteral("abcd"));
    EXPECT_EQ(Changes, 1);
}

// A left press on the selection (or at either of its ends) keeps it, a
// move does not select, and the release puts the caret where it happens; a
// press elsewhere is the edit's own.
TEST_F(TDropDownEditFixture, PressOnTheSelection)
{
    struct TCase { const char *Name; int Press; int Release; const char *Selected; int Caret; };
    const TCase Cases[] = {
        {"Inside", 2, 8, "", 8},
        {"AtTheStart", 0, 3, "", 3},
        {"AtTheEnd", 5, 9, "", 9},
        // outside: the edit selects from the press to the release
        {"Outside", 7, 9, "or", 9},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        D->Set_Text(QStringLiteral("hello world"));
        D->setSelection(0, 5);
        const int Y = D->height() / 2;
        const int Xp = X_Of(C.Press), Xr = X_Of(C.Release);
        ASSERT_GE(Xp, 0);
        ASSERT_GE(Xr, 0);
        QTest::mousePress(D, Qt::LeftButton, Qt::NoModifier, QPoint(Xp, Y));
        if (C.Press <= 5) {
            EXPECT_EQ(D->selectedText(), QStringLiteral("hello"));
        }
        QMouseEvent Move(QEvent::MouseMove, QPointF(Xr, Y), D->mapToGlobal(QPointF(Xr, Y)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(D, &Move);
        if (C.Press <= 5) {
            EXPECT_EQ(D->selectedText(), QStringLiteral("hello"));
        }
        QTest::mouseRelease(D, Qt::LeftButton, Qt::NoModifier, QPoint(Xr, Y));
        EXPECT_EQ(D->selectedText(), QString::fromLatin1(C.Selected));
        EXPECT_EQ(D->cursorPosition(), C.Caret);
    }
}

// The edit is never lower than its font needs: h + min(h, s) / 4.
TEST_F(TDropDownEditFixture, MinimumHeightFollowsTheFont)
{
    const int H = QFontMetrics(D->font()).height();
    const int S = QFontMetrics(QApplication::font()).height();
    EXPECT_EQ(D->GetMinHeight(), H + std::min(H, S) / 4);
    D->setGeometry(10, 10, 200, 5);
    EXPECT_EQ(D->height(), D->GetMinHeight());
    // the button follows the height the edit got
    EXPECT_EQ(D->Button_Rect(), DropDown_Button_Rect(D->size(), D->Button()->BWidth(), true, false));
    QFont Big = D->font();
    Big.setPixelSize(40);
    D->setFont(Big);
    const int Bh = QFontMetrics(Big).height();
    EXPECT_EQ(D->GetMinHeight(), Bh + std::min(Bh, S) / 4);
    D->resize(200, 30);
    EXPECT_EQ(D->height(), D->GetMinHeight());
    D->resize(200, 90);
    EXPECT_EQ(D->height(), 90);
}

// Assign copies another drop-down's settings, not its value; the edit type
// comes without re-classifying the value; any other source is ignored.
TEST_F(TDropDownEditFixture, AssignCopiesSettings)
{
    VOdeCustomDropDown Source;
    Source.Set_DropDownColor(clYellow);
    Source.Set_DropDownColorTo(clRed);
    Source.Set_DropDownGradient(gdVertical);
    Source.Set_DropDownBorderColor(clBlue);
    Source.Set_DropDownBorderWidth(3);
    Source.Set_DropDownShadow(false);
    Source.Set_ForceShadow(true);
    Source.Set_DropDownWidth(222);
    Source.Set_DropDownHeight(111);
    Source.Set_DropDownSizeable(false);
    Source.Set_DropPosition(dpUp);
    Source.Set_Flat(true);
    Source.Set_DropDownButtonWidth(21);
    Source.Set_DropDownButtonHint(QStringLiteral("hint"));
    Source.Set_DropDownButtonCaption(QStringLiteral("..."));
    Source.Set_Etched(true);
    Source.Set_DropDownEnabled(true);
    Source.SetEditorEnabled(false);
    Source.Set_Prefix(QStringLiteral("<"));
    Source.Set_Suffix(QStringLiteral(">"));
    Source.Set_Precision(2);
    Source.Set_Signed(true);
    Source.Set_LengthLimit(4);
    Source.Set_ValidChars(QStringLiteral("ab"));
    Source.Set_ReturnIsTab(true);
    Source.Set_DefaultHandling(false);
    Source.Set_AutoThousandSeparator(false);
    Source.Set_ExcelStyleDecimalSeparator(true);
    Source.Set_SelectionColorStyle(scWindowsVista);
    Source.Set_SelectionColor(clGreen);
    Source.Set_SelectionColorTo(clLime);
    Source.DropDownHeader().Set_Caption(QStringLiteral("Head"));
    Source.Set_EditType(etPassword);
    Source.Set_Text(QStringLiteral("secret"));
    D->SetTextDirect(QStringLiteral("abc"));
    D->Assign(&Source);
    TDropDownProperties Want = Source.Properties();
    Want.Text = D->Properties().Text;
    EXPECT_TRUE(D->Properties() == Want);
    EXPECT_EQ(D->text(), QStringLiteral("abc"));
    EXPECT_EQ(D->EditType(), etPassword);
    EXPECT_EQ(D->echoMode(), QLineEdit::Password);
    EXPECT_FALSE(D->CanUndo());
    EXPECT_EQ(D->Prefix(), QStringLiteral("<"));
    EXPECT_EQ(D->Suffix(), QStringLiteral(">"));
    EXPECT_EQ(D->Precision(), 2);
    EXPECT_TRUE(D->Signed());
    EXPECT_EQ(D->LengthLimit(), 4);
    EXPECT_EQ(D->ValidChars(), QStringLiteral("ab"));
    EXPECT_TRUE(D->ReturnIsTab());
    EXPECT_FALSE(D->DefaultHandling());
    EXPECT_FALSE(D->AutoThousandSeparator());
    EXPECT_TRUE(D->ExcelStyleDecimalSeparator());
    EXPECT_TRUE(D->ForceShadow());
    EXPECT_TRUE(D->Etched());
    EXPECT_EQ(D->Button()->BWidth(), 21);
    EXPECT_EQ(D->DropDownHeader().Caption(), QStringLiteral("Head"));
    // a source of another kind leaves everything as it was
    const TDropDownProperties Before = D->Properties();
    QLineEdit Other;
    D->Assign(&Other);
    D->Assign(nullptr);
    EXPECT_TRUE(D->Properties() == Before);
}

// The version reads 1.2.3.4 and cannot be set; stored settings read back into
// another drop-down of the kind, the style numbers without their presets.
TEST_F(TDropDownEditFixture, VersionAndStoredSettings)
{
    EXPECT_EQ(D->Version(), QStringLiteral("1.2.3.4"));
    D->Set_Version(QStringLiteral("9.9.9.9"));
    EXPECT_EQ(D->Version(), QStringLiteral("1.2.3.4"));
    // a fresh track bar stores only what is always stored
    VOdeTrackBarDropDown Bar;
    EXPECT_EQ(Bar.Store_Properties(), QStringLiteral("SelectionColorStyle = 1\nQelStyle = %1\nVersion = '1.2.3.4'\n")
                                          .arg(int(Bar.ComponentStyle())));
    Bar.Set_DropDownWidth(150);
    Bar.Set_DropPosition(dpDown);
    Bar.SetEditorEnabled(true);
    Bar.Set_SelectionColorStyle(scCustom);
    Bar.Set_SelectionColor(clFuchsia);
    Bar.SetComponentStyle(tsOffice2010Black);
    Bar.SetPosition(7);
    VOdeTrackBarDropDown Again;
    const TDropDownPropertiesRead R = Again.Load_Properties(Bar.Store_Properties());
    EXPECT_TRUE(R.Ok());
    EXPECT_TRUE(Again.Properties() == Bar.Properties());
    EXPECT_EQ(Again.text(), QStringLiteral("7"));
    EXPECT_EQ(Again.SelectionColorStyle(), scCustom);
    EXPECT_EQ(Again.SelectionColor(), clFuchsia);
    EXPECT_EQ(Again.ComponentStyle(), tsOffice2010Black);
    // a new popup width read from the settings forgets a size the user left
    D->Popup_User_Sized(QSize(300, 200));
    D->Load_Properties(QStringLiteral("DropDownWidth = 90"));
    EXPECT_EQ(D->DropDownWidth(), 90);
    EXPECT_EQ(D->UserDropDownWidth(), -1);
}

namespace {
// A kind that takes the popup's keys and wheel turns itself.
class TKeyKind : public VOdeCustomDropDown {
public:
    using VOdeCustomDropDown::VOdeCustomDropDown;
    std::vector<int> Keys;
    int Down = 0, Up = 0;
    void PopupKeyDown(QKeyEvent *E) override
    {
        Keys.push_back(E->key());
        if (E->key() != Qt::Key_X)
            VOdeCustomDropDown::PopupKeyDown(E);
    }
    void WheelDown() override { ++Down; }
    void WheelUp() override { ++Up; }
};
} // namespace

// Keys reaching the open popup act on the edit unless the kind takes them;
// wheel turns on the popup reach the kind's wheel steps.
TEST(DropDownEditPopupKeys, PopupKeysAndWheelReachTheEdit)
{
    QWidget Window;
    auto *K = new TKeyKind(&Window);
    K->setGeometry(10, 10, 200, 24);
    Window.show();
    K->SetTextDirect(QString());
    K->ShowDropDown();
    ASSERT_TRUE(K->DroppedDown());
    QTest::keyClick(K->Popup(), Qt::Key_5);
    QTest::keyClick(K->Popup(), Qt::Key_X);
    EXPECT_EQ(K->text(), QStringLiteral("5"));
    EXPECT_EQ(K->Keys, (std::vector<int>{Qt::Key_5, Qt::Key_X}));
    struct TTurn { const char *Name; int Delta; int Down; int Up; };
    const TTurn Turns[] = {{"Down", -120, 1, 0}, {"Up", 120, 1, 1}, {"None", 0, 1, 1}};
    for (const TTurn &T : Turns) {
        SCOPED_TRACE(T.Name);
        QWheelEvent W(QPointF(5, 5), K->Popup()->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, T.Delta),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(K->Popup(), &W);
        EXPECT_EQ(K->Down, T.Down);
        EXPECT_EQ(K->Up, T.Up);
    }
    // Esc on the popup closes it with the value of the opening
    QTest::keyClick(K->Popup(), Qt::Key_Escape);
    EXPECT_FALSE(K->DroppedDown());
    EXPECT_EQ(K->text(), QString());
}

// The keys that work the popup, by editor state, popup state and key: what
// stays open, what a cancel gives back, what the edit swallows.
TEST_F(TDropDownEditFixture, PopupKeys)
{
    struct TCase {
        const char *Name; bool Editor; bool Open; TKey Key; TShiftState Shift; bool Open_After; const char *Text;
        bool Swallowed;
    };
    const TShiftState None, Alt{ssAlt}, Ctrl{ssCtrl};
    const TCase Cases[] = {
        {"EnterClosesKeeping", true, true, VK_RETURN, None, false, "new", false},
        {"EscClosesRestoring", true, true, VK_ESCAPE, None, false, "old", false},
        {"F4ClosesKeeping", true, true, VK_F4, None, false, "new", false},
        {"F4Opens", true, false, VK_F4, None, true, "new", false},
        {"AltDownOpens", true, false, VK_DOWN, Alt, true, "new", true},
        {"AltUpClosesKeeping", true, true, VK_UP, Alt, false, "new", true},
        {"CtrlEnterLeavesItOpen", true, true, VK_RETURN, Ctrl, true, "new", false},
        {"PickOnlyEnterCloses", false, true, VK_RETURN, None, false, "new", false},
        {"PickOnlyEscRestores", false, true, VK_ESCAPE, None, false, "old", false},
        {"PickOnlyF4Toggles", false, false, VK_F4, None, true, "new", true},
        {"PickOnlyArrowDoesNothing", false, true, VK_LEFT, None, true, "new", true},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        D->HideDropDown(false);
        D->SetEditorEnabled(C.Editor);
        D->SetTextDirect(QStringLiteral("old"));
        if (C.Open) {
            D->ShowDropDown();
            ASSERT_TRUE(D->DroppedDown());
        }
        D->SetTextDirect(QStringLiteral("new"));
        TKey K = C.Key;
        D->KeyDown(K, C.Shift);
        EXPECT_EQ(D->DroppedDown(), C.Open_After);
        EXPECT_EQ(D->text(), QString::fromLatin1(C.Text));
        EXPECT_EQ(K == 0, C.Swallowed);
    }
}
