#include "grid/base/EditBtn.h"
#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

struct TUnitCase {
    const char *Name;
    const char *Value;
    const char *WantText;
    const char *WantUnit;
};

// A value ending in one of the units splits into number and unit; the unit's
// first occurrence must be the one at the end; otherwise nothing changes.
const TUnitCase Unit_Cases[] = {
    {"NumberAndUnit", "12.5mm", "12.5", "mm"},
    {"FirstMatchingUnitWins", "3m", "3", "m"},
    {"LongerUnitListedFirst", "40kHz", "40", "kHz"},
    {"UnitLettersEarlierDoNotMatch", "m5m", "7", "V"},
    {"NoUnitLeavesValue", "12", "7", "V"},
    {"OnlyTheUnit", "Hz", "", "Hz"},
    {"UnknownUnit", "5 ft", "7", "V"},
};

TEST(EditBtn, TextAndUnitParsing)
{
    for (const TUnitCase &C : Unit_Cases) {
        SCOPED_TRACE(C.Name);
        ROruUnitEditBtn E;
        E.Set_Units({"mm", "m", "kHz", "Hz", "V", ""});
        E.setText("7");
        E.Set_UnitID("V");
        E.Set_TextAndUnit(C.Value);
        EXPECT_EQ(E.text(), C.WantText);
        EXPECT_EQ(E.UnitID(), C.WantUnit);
        EXPECT_EQ(E.TextAndUnit(), QString(C.WantText) + C.WantUnit);
    }
}

TEST(EditBtn, DefaultsAndLayout)
{
    ROruEditBtn E;
    EXPECT_EQ(E.text(), "0");
    EXPECT_TRUE(E.EditorEnabled());
    EXPECT_FALSE(E.RightAlign());
    EXPECT_EQ(E.Button()->width(), 18);
    ROruUnitEditBtn U;
    EXPECT_TRUE(U.RightAlign());
    EXPECT_EQ(U.UnitSpace(), 20);
    U.resize(120, 24);
    // the edit rectangle leaves the unit area and the button free
    EXPECT_EQ(U.Edit_Rect().right(), 120 - 18 - 5 - 20 - 3);
    EXPECT_EQ(U.Unit_Rect().right() + 1, U.Button_Rect().left() - 3);
    U.Set_UnitSpace(30);
    EXPECT_EQ(U.Unit_Rect().width(), 30);
}

TEST(EditBtn, ChoosingAUnit)
{
    ROruUnitEditBtn E;
    E.Set_Units({"mm", "cm"});
    QStringList Changes;
    E.OnUnitChanged = [&](QObject *, const QString &U) { Changes << U; };
    E.Choose_Unit(2);
    E.Choose_Unit(2);   // unchanged: no event
    E.Choose_Unit(0);   // outside: nothing
    E.Choose_Unit(3);
    EXPECT_EQ(E.UnitID(), "cm");
    EXPECT_EQ(Changes, QStringList({"cm"}));
}

class EditBtnWidget : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form.resize(220, 90);
        auto *L = new QVBoxLayout(&Form);
        Edit = new ROruUnitEditBtn;
        Other = new QLineEdit;
        L->addWidget(Edit);
        L->addWidget(Other);
        Form.show();
        QApplication::setActiveWindow(&Form);
        Edit->setFocus();
        Edit->OnClickBtn = [this](QObject *S) {
            EXPECT_EQ(S, Edit);
            ++Clicks;
        };
    }
    QWidget Form;
    ROruUnitEditBtn *Edit = nullptr;
    QLineEdit *Other = nullptr;
    int Clicks = 0;
};

TEST_F(EditBtnWidget, F4PressesTheButtonUnlessCtrlOrAlt)
{
    QTest::keyClick(Edit, Qt::Key_F4);
    QTest::keyClick(Edit, Qt::Key_F4, Qt::AltModifier);
    QTest::keyClick(Edit, Qt::Key_F4, Qt::ControlModifier);
    QTest::keyClick(Edit, Qt::Key_F5);
    EXPECT_EQ(Clicks, 1);
}

TEST_F(EditBtnWidget, ButtonClickFiresAndFocusesTheEdit)
{
    Other->setFocus();
    VOdeSpeedButton *B = Edit->Button()->Button();
    QTest::mouseClick(B, Qt::LeftButton, {}, QPoint(4, 4));
    EXPECT_EQ(Clicks, 1);
    EXPECT_TRUE(Edit->hasFocus());
    QTest::mouseClick(B, Qt::RightButton, {}, QPoint(4, 4));
    EXPECT_EQ(Clicks, 1);
}

TEST_F(EditBtnWidget, EditorDisabledIgnoresTypingButNotTheButton)
{
    Edit->Set_EditorEnabled(false);
    Edit->setText("12");
    Edit->end(false);
    QTest::keyClicks(Edit, "34");
    QTest::keyClick(Edit, Qt::Key_Backspace);
    Edit->home(false);
    QTest::keyClick(Edit, Qt::Key_Delete);   // deleting is typing too
    EXPECT_EQ(Edit->text(), "12");
    EXPECT_FALSE(Edit->Can_Cut_Paste());
    QTest::keyClick(Edit, Qt::Key_F4);
    EXPECT_EQ(Clicks, 1);
    Edit->Set_EditorEnabled(true);
    Edit->end(false);
    QTest::keyClicks(Edit, "3");
    EXPECT_EQ(Edit->text(), "123");
}

TEST_F(EditBtnWidget, UnitMenuOffersUnitsInOrder)
{
    Edit->Set_Units({"mm", "cm", "m"});
    QStringList Offered;
    QPoint MenuAt;
    QTimer::singleShot(0, [&] {
        auto *M = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!M) {
            // never leave a menu's event loop running
            for (QWidget *W : QApplication::topLevelWidgets())
                if (qobject_cast<QMenu *>(W))
                    W->close();
            ADD_FAILURE() << "no popup menu";
            return;
        }
        MenuAt = M->pos();
        for (QAction *A : M->actions())
            Offered << A->text();
        M->setActiveAction(M->actions().at(2));
        QTest::keyClick(M, Qt::Key_Return);
    });
    QString Changed;
    Edit->OnUnitChanged = [&](QObject *, const QString &U) { Changed = U; };
    QTest::keyClick(Edit, Qt::Key_F4);
    EXPECT_EQ(Clicks, 1);   // OnClickBtn first
    EXPECT_EQ(Offered, QStringList({"mm", "cm", "m"}));
    EXPECT_EQ(Edit->UnitID(), "m");
    EXPECT_EQ(Changed, "m");
    EXPECT_EQ(MenuAt, Edit->mapToGlobal(QPoint(Edit->width() - 15, Edit->height())));
}

TEST(EditBtn, SpeedButtonCaptionIsBlackInEveryScheme)
{
    struct TScheme { const char *Name; TColor Color; };
    for (const TScheme S : {TScheme{"Standard", clNone}, TScheme{"Dark", clNavy}, TScheme{"Red", clRed}}) {
        SCOPED_TRACE(S.Name);
        ROruEditButton Box(nullptr);
        Box.resize(30, 20);
        Box.ButtonColor = S.Color;
        Box.Set_ButtonCaption("W");
        QFont F = Box.font();
        F.setPixelSize(14);
        F.setBold(true);
        Box.Button()->setFont(F);
        const QImage Img = Box.Button()->grab().toImage();
        int Darkest = 255 * 3;
        for (int Y = 0; Y < Img.height(); ++Y)
            for (int X = 0; X < Img.width(); ++X) {
                const QColor C = Img.pixelColor(X, Y);
                if (C != To_QColor(S.Color == clNone ? clBtnFace : S.Color))
                    Darkest = std::min(Darkest, C.red() + C.green() + C.blue());
            }
        EXPECT_EQ(Darkest, 0);
    }
}
} // namespace

namespace {
TEST(EditBtn, FontLargerThanTheControlRaisesTheHeight)
{
    QWidget Form;
    ROruEditBtn E(&Form);
    E.setGeometry(0, 0, 120, 24);
    Form.show();   // resize events of hidden widgets wait for the show
    QFont F = E.font();
    F.setPixelSize(40);
    E.setFont(F);
    E.resize(120, 24);
    E.resize(120, 20);
    EXPECT_EQ(E.height(), E.Min_Height());
    EXPECT_GT(E.Min_Height(), 40);
    // the button part is placed for the raised height
    EXPECT_EQ(E.Button()->geometry(), E.Button_Rect());
    EXPECT_EQ(E.Button()->height(), E.height() - 4);
}
} // namespace

namespace {
// Glyphs are drawn transparent: the bottom-left pixel's colour lets the face
// show through; the other pixels are drawn as they are.
TEST(EditBtn, GlyphIsDrawnTransparent)
{
    QImage G(8, 8, QImage::Format_RGB32);
    G.fill(Qt::white);
    for (int Y = 2; Y < 6; ++Y)
        for (int X = 2; X < 6; ++X)
            G.setPixelColor(X, Y, Qt::red);
    ROruEditButton Box(nullptr);
    Box.resize(20, 20);
    Box.ButtonColor = clYellow;
    Box.Set_Glyph(G);
    EXPECT_EQ(Box.Glyph(), G);   // the glyph reads back as it was given
    const QImage Img = Box.Button()->grab().toImage();
    const QPoint At((20 - 8) >> 1, (20 - 8) >> 1);
    EXPECT_EQ(From_QColor(Img.pixelColor(At)), clYellow);
    EXPECT_EQ(From_QColor(Img.pixelColor(At + QPoint(3, 3))), clRed);
}
} // namespace

namespace {
// A flat button without colours: a raised edge while up, a sunken one while
// pressed, the middle in button face.
TEST(EditBtn, FlatButtonEdgeByState)
{
    struct TEdgeCase { const char *Name; bool Pressed; TColor TopLeft; TColor Inside; };
    const TEdgeCase Cases[] = {
        {"UpIsRaised", false, clBtnHighlight, clBtnFace},
        {"PressedIsSunken", true, clBtnShadow, clBtnFace},
    };
    for (const TEdgeCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        QWidget Form;
        auto *Box = new ROruEditButton(&Form);
        Box->setGeometry(0, 0, 20, 20);
        Box->Set_Flat(true);
        Form.show();
        if (C.Pressed)
            QTest::mousePress(Box->Button(), Qt::LeftButton, {}, QPoint(5, 5));
        const QImage Img = Box->Button()->grab().toImage();
        EXPECT_EQ(From_QColor(Img.pixelColor(0, 0)), Color_To_RGB(C.TopLeft));
        EXPECT_EQ(From_QColor(Img.pixelColor(1, 1)), Color_To_RGB(C.Inside));
        if (C.Pressed)
            QTest::mouseRelease(Box->Button(), Qt::LeftButton, {}, QPoint(5, 5));
    }
}
} // namespace
