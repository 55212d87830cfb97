// The popups' header and footer bars and their push buttons: geometry as
// pure functions, the button's faces and events, the bars built by the
// popup window, the size grip and two pictures in different colour sets.
#include "TestSupport.h"
#include "dropdowns/BarButton.h"
#include "dropdowns/BarLayout.h"
#include "dropdowns/DropDownBars.h"
#include "dropdowns/DropDownEdit.h"
#include "dropdowns/DropDownForm.h"
#include "toolkit/Canvas.h"
#include <QApplication>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {
std::vector<QSize> Three_Buttons() { return {{30, 17}, {40, 17}, {50, 17}}; }
}

// Buttons stand in collection order from the aligned edge, touching; the
// caption ends 2 pixels left of the last one.
TEST(DropDownBarLayout, ButtonOrderForEachAlignment)
{
    const TRect Client(0, 0, 200, 22);
    struct TCase { const char *Name; bool Footer; bool Grip; TButtonAlignment Align; std::vector<int> Lefts; int Caption_Right; };
    const TCase Cases[] = {
        // right: the first button is the rightmost (198 - 30 = 168, 168 - 40, 128 - 50)
        {"HeaderRight", false, false, baRight, {168, 128, 78}, 76},
        {"HeaderLeft", false, false, baLeft, {2, 32, 72}, 70},
        // the grip takes 12 more pixels on the right
        {"FooterRightWithGrip", true, true, baRight, {156, 116, 66}, 64},
        {"FooterRightNoGrip", true, false, baRight, {168, 128, 78}, 76},
        {"FooterLeftWithGrip", true, true, baLeft, {2, 32, 72}, 70},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        const TRect Area = Bar_Button_Area(Client, C.Footer, C.Grip);
        const std::vector<TRect> R = Arrange_Bar_Buttons(Area, C.Align, Three_Buttons());
        ASSERT_EQ(R.size(), 3u);
        for (int I = 0; I < 3; ++I) {
            EXPECT_EQ(R[I].Left, C.Lefts[I]) << I;
            EXPECT_EQ(R[I].Top, 2) << I;
            EXPECT_EQ(R[I].Width(), Three_Buttons()[I].width());
        }
        EXPECT_EQ(Bar_Caption_Area(Area, R).Right, C.Caption_Right);
    }
    EXPECT_EQ(Bar_Caption_Area(Bar_Button_Area(Client, false, false), {}), TRect(-1, -1, -1, -1));
}

// The button area is the client less 2 (3 at the header's bottom); a button
// item's own width and height win, but never taller than the area.
TEST(DropDownBarLayout, ButtonAreaAndSizes)
{
    const TRect Client(0, 0, 120, 22);
    EXPECT_EQ(Bar_Button_Area(Client, false, false), TRect(2, 2, 118, 19));
    EXPECT_EQ(Bar_Button_Area(Client, true, false), TRect(2, 2, 118, 20));
    EXPECT_EQ(Bar_Button_Area(Client, true, true), TRect(2, 2, 106, 20));
    struct TCase { const char *Name; QSize Own; int W, H, Area; QSize Want; };
    const TCase Cases[] = {
        {"OwnSize", {30, 17}, 0, 0, 17, {30, 17}},
        {"ItemWidth", {30, 17}, 55, 0, 17, {55, 17}},
        {"HeaderCutsHeight40", {30, 17}, 0, 40, 17, {30, 17}},
        {"FooterCutsHeight40", {30, 17}, 0, 40, 18, {30, 18}},
        {"ItemHeightBelowArea", {30, 17}, 0, 12, 17, {30, 12}},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(Bar_Button_Size(C.Own, C.W, C.H, C.Area), C.Want);
    }
    // caption and image: the larger of the two, not their sum
    EXPECT_EQ(Bar_Button_Auto_Size({60, 13}, {16, 16}), QSize(68, 20));
    EXPECT_EQ(Bar_Button_Auto_Size({10, 13}, {16, 16}), QSize(24, 20));
    EXPECT_EQ(Bar_Button_Auto_Size({10, 13}, {}), QSize(18, 17));
}

// Which modal results close the popup, and which of those cancel it.
TEST(DropDownBarLayout, ModalResultsClosingThePopup)
{
    struct TCase { int Result; bool Closes; bool Cancelled; };
    const TCase Cases[] = {{0, false, false}, {1, true, false}, {2, true, true}, {3, true, true},
                           {4, false, false}, {5, true, true}, {6, true, false}, {7, true, true},
                           {8, false, false}, {11, false, false}, {12, true, false}, {13, true, true},
                           {14, true, false}, {15, false, false}};
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Result);
        bool Cancelled = !C.Cancelled;
        EXPECT_EQ(Modal_Result_Closes(C.Result, Cancelled), C.Closes);
        EXPECT_EQ(Cancelled, C.Cancelled);
    }
}

// The grip: three dots on the bottom row, two above, one at the top right;
// the shadow pass one pixel left and up.
TEST(DropDownBarLayout, SizeGripDots)
{
    const TRect G = Size_Grip_Rect(TRect(0, 0, 100, 22), 1);
    EXPECT_EQ(G, TRect(83, 1, 98, 22));
    const std::vector<TRect> Light = Size_Grip_Dots(G, false), Dark = Size_Grip_Dots(G, true);
    ASSERT_EQ(Light.size(), 6u);
    EXPECT_EQ(Light[0], TRect(88, 18, 90, 20));
    EXPECT_EQ(Light[4], TRect(96, 10, 98, 12));
    for (size_t I = 0; I < Light.size(); ++I)
        EXPECT_EQ(Dark[I], Light[I].Offset(-1, -1));
    EXPECT_TRUE(In_Size_Grip_Zone(89, 8, 100, 22));
    EXPECT_FALSE(In_Size_Grip_Zone(88, 8, 100, 22));
    EXPECT_FALSE(In_Size_Grip_Zone(95, 7, 100, 22));
}

// The checked colours start as the hot ones darkened; every colour setter
// reports a change once; Assign copies colours and gradient, not the font.
TEST(DropDownBarButton, AppearanceDefaultsAndChanges)
{
    VOdeButtonAppearance A;
    EXPECT_EQ(A.ColorChecked(), TColor(0xF5D8CA));
    EXPECT_EQ(A.ColorCheckedTo(), TColor(0xF9BDA0));
    EXPECT_EQ(A.BorderColor(), clNone);
    EXPECT_EQ(A.Font().Name, QStringLiteral("Tahoma"));
    int Changes = 0;
    A.OnChange = [&](TObject *) { ++Changes; };
    A.Set_ColorHot(0x123456);
    A.Set_ColorHot(0x123456);
    A.Set_BorderColorChecked(clRed);
    A.Set_Gradient(gdHorizontal);
    EXPECT_EQ(Changes, 3);
    VOdeButtonAppearance B;
    TFont F = B.Font();
    F.Name = QStringLiteral("Arial");
    B.Set_Font(F);
    B.Assign(A);
    EXPECT_EQ(B.ColorHot(), TColor(0x123456));
    EXPECT_EQ(B.BorderColorChecked(), clRed);
    EXPECT_EQ(B.Gradient(), gdHorizontal);
    EXPECT_EQ(B.Font().Name, QStringLiteral("Arial"));
}

// A button paints the face of the first state that applies.
TEST(DropDownBarButton, FaceColoursPerState)
{
    VOdeButtonAppearance A;
    A.Set_Color(0x00FF00);
    struct TCase { const char *Name; TBarButtonFace Face; TColor Fill; TColor Border; };
    const TCase Cases[] = {
        {"Normal", TBarButtonFace::Normal, 0x00FF00, clNone},
        {"Hot", TBarButtonFace::Hot, A.ColorHot(), A.BorderColorHot()},
        {"Pressed", TBarButtonFace::Pressed, A.ColorDown(), A.BorderColorDown()},
        {"Checked", TBarButtonFace::Checked, A.ColorChecked(), A.BorderColorChecked()},
        {"Disabled", TBarButtonFace::Disabled, A.ColorDisabled(), A.BorderColorDisabled()},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        QImage Img(30, 20, QImage::Format_RGB32);
        Img.fill(Qt::magenta);
        {
            QPainter P(&Img);
            TPainterCanvas Canvas(P);
            TBarButtonLook L;
            L.Face = C.Face;
            L.Size = QSize(30, 20);
            Paint_Bar_Button(Canvas, A, L);
        }
        EXPECT_EQ(Img.pixelColor(15, 10), To_QColor(C.Fill));
        EXPECT_EQ(Img.pixelColor(0, 0), C.Border == clNone ? To_QColor(C.Fill) : To_QColor(C.Border));
    }
}

class TBarButtonFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        Parent = std::make_unique<QWidget>();
        Parent->resize(200, 40);
        for (VOdeButton *&B : Buttons) {
            B = new VOdeButton(Parent.get());
            B->Set_Appearance(&Look);
            B->OnClick = [this](VOdeButton *S) { Clicks.push_back(S->Tag()); };
        }
        Buttons[0]->move(0, 0);
        Buttons[1]->move(40, 0);
        Buttons[1]->Set_Tag(1);
        Parent->show();
    }
    VOdeButtonAppearance Look;
    std::unique_ptr<QWidget> Parent;
    VOdeButton *Buttons[2] = {};
    std::vector<int> Clicks;
};

// A mouse click and Enter or Space on a focused button are a click; a
// disabled button and other keys give none.
TEST_F(TBarButtonFixture, ClicksByMouseAndKeys)
{
    struct TCase { const char *Name; std::function<void(VOdeButton *)> Act; bool Enabled; int Want; };
    const TCase Cases[] = {
        {"Mouse", [](VOdeButton *B) { QTest::mouseClick(B, Qt::LeftButton, {}, QPoint(5, 5)); }, true, 1},
        {"RightMouse", [](VOdeButton *B) { QTest::mouseClick(B, Qt::RightButton, {}, QPoint(5, 5)); }, true, 0},
        {"Enter", [](VOdeButton *B) { QTest::keyClick(B, Qt::Key_Return); }, true, 1},
        {"KeypadEnter", [](VOdeButton *B) { QTest::keyClick(B, Qt::Key_Enter, Qt::KeypadModifier); }, true, 1},
        {"Space", [](VOdeButton *B) { QTest::keyClick(B, Qt::Key_Space); }, true, 1},
        {"OtherKey", [](VOdeButton *B) { QTest::keyClick(B, Qt::Key_A); }, true, 0},
        {"DisabledMouse", [](VOdeButton *B) { QTest::mouseClick(B, Qt::LeftButton, {}, QPoint(5, 5)); }, false, 0},
        {"DisabledEnter", [](VOdeButton *B) { QTest::keyClick(B, Qt::Key_Return); }, false, 0},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Clicks.clear();
        Buttons[0]->setEnabled(C.Enabled);
        Buttons[0]->setFocus();
        C.Act(Buttons[0]);
        EXPECT_EQ(int(Clicks.size()), C.Want);
    }
}

// A press released outside the button is no click; the face follows the
// pointer while the press is tracked.
TEST_F(TBarButtonFixture, PressReleasedOutsideIsNoClick)
{
    VOdeButton *B = Buttons[0];
    QTest::mousePress(B, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(B->Make_Look().Face, TBarButtonFace::Pressed);
    QTest::mouseMove(B, QPoint(100, 5));
    QMouseEvent Move(QEvent::MouseMove, QPointF(100, 5), B->mapToGlobal(QPointF(100, 5)), Qt::NoButton,
                     Qt::LeftButton, {});
    QApplication::sendEvent(B, &Move);
    EXPECT_NE(B->Make_Look().Face, TBarButtonFace::Pressed);
    QTest::mouseRelease(B, Qt::LeftButton, {}, QPoint(100, 5));
    EXPECT_TRUE(Clicks.empty());
}

// Two buttons of one group: pressing the second raises the first; without
// AllowAllUp a down button stays down when clicked again.
TEST_F(TBarButtonFixture, ExclusiveGroup)
{
    for (VOdeButton *B : Buttons)
        B->Set_GroupIndex(1);
    QTest::mouseClick(Buttons[0], Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(Buttons[0]->Down());
    QTest::mouseClick(Buttons[1], Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(Buttons[1]->Down());
    EXPECT_FALSE(Buttons[0]->Down());
    QTest::mouseClick(Buttons[1], Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(Buttons[1]->Down());
    Buttons[1]->Set_AllowAllUp(true);
    QTest::mouseClick(Buttons[1], Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(Buttons[1]->Down());
    // outside a group a push button never stays down
    Buttons[0]->Set_GroupIndex(0);
    Buttons[0]->SetDown(true);
    EXPECT_FALSE(Buttons[0]->Down());
    EXPECT_EQ(Clicks, (std::vector<int>{0, 1, 1, 1}));
}

class TBarsFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        Window = std::make_unique<QWidget>();
        Window->resize(320, 200);
        D = new VOdeCustomDropDown(Window.get());
        D->setGeometry(10, 10, 200, 24);
        auto *Content = new QWidget;
        Content->resize(220, 90);
        D->SetControl(Content);
        D->DropDownHeader().Set_Caption(QStringLiteral("<b>Pick</b> one"));
        for (const char *C : {"One", "Two", "Three"})
            D->DropDownHeader().Buttons().Add().Set_Caption(QString::fromLatin1(C));
        for (int Result : {mrOk, mrCancel, 8}) {
            TFooterButton &B = D->DropDownFooter().Buttons().Add();
            B.Set_Caption(QStringLiteral("R%1").arg(Result));
            B.Set_ModalResult(Result);
        }
        D->OnDropDownHeaderButtonClick = [this](QObject *S, int I) { Log.push_back("H" + std::to_string(I) + (S == D ? "" : "?")); };
        D->OnDropDownFooterButtonClick = [this](QObject *, int I) {
            Log.push_back("F" + std::to_string(I) + (D->DroppedDown() ? " open" : " closed"));
        };
        D->OnDropUp = [this](QObject *, bool Cancelled) { Log.push_back(Cancelled ? "cancelled" : "taken"); };
        Window->show();
        D->setFocus();
    }
    void TearDown() override { Window.reset(); }
    VOdeHeader *Header() { return D->Popup()->Header(); }
    VOdeFooter *Footer() { return D->Popup()->Footer(); }
    VOdeButton *Button(TDropDownBar *Bar, int I) { return Bar->ButtonList().GetItemsEx(I); }
    std::unique_ptr<QWidget> Window;
    VOdeCustomDropDown *D = nullptr;
    std::vector<std::string> Log;
};

// The popup builds both bars from the drop-down's looks: buttons in
// collection order standing from the right, the footer's clear of the grip.
TEST_F(TBarsFixture, PopupBuildsBothBars)
{
    D->ShowDropDown();
    ASSERT_TRUE(D->DroppedDown());
    ASSERT_TRUE(Header() && Footer());
    ASSERT_EQ(Header()->ButtonList().Count(), 3);
    ASSERT_EQ(Footer()->ButtonList().Count(), 3);
    EXPECT_EQ(Header()->height(), 22);
    EXPECT_EQ(Button(Header(), 0)->Caption(), QStringLiteral("One"));
    EXPECT_EQ(Button(Header(), 0)->geometry().right() + 1, Header()->width() - 2);
    EXPECT_EQ(Button(Header(), 1)->geometry().right() + 1, Button(Header(), 0)->x());
    EXPECT_EQ(Button(Footer(), 0)->geometry().right() + 1, Footer()->width() - 14);
    EXPECT_EQ(Header()->GetCaptionArea().Right, Button(Header(), 2)->x() - 2);
    // footer buttons know the drop-down; header buttons do not close it
    EXPECT_EQ(Button(Footer(), 1)->DarAzidDropDown(), D);
    EXPECT_EQ(Button(Header(), 1)->DarAzidDropDown(), nullptr);
    // without a sizeable drop-down the footer's buttons use the full right edge
    D->HideDropDown();
    D->Set_DropDownSizeable(false);
    D->DropDownHeader().Set_ButtonAlignment(baLeft);
    D->ShowDropDown();
    EXPECT_EQ(Button(Footer(), 0)->geometry().right() + 1, Footer()->width() - 2);
    EXPECT_EQ(Button(Header(), 0)->x(), 2);
    EXPECT_EQ(Button(Header(), 1)->x(), Button(Header(), 0)->geometry().right() + 1);
}

// Header buttons report their index; footer buttons close the popup by their
// modal result before they report, Close (8) leaves it open; Enter on a
// focused footer button is a click too.
TEST_F(TBarsFixture, ButtonEvents)
{
    struct TCase { const char *Name; bool Footer; int Index; bool Key; std::vector<std::string> Want; };
    const TCase Cases[] = {
        {"HeaderFirst", false, 0, false, {"H0"}},
        {"HeaderThirdByKey", false, 2, true, {"H2"}},
        {"FooterOk", true, 0, false, {"taken", "F0 closed"}},
        {"FooterCancel", true, 1, false, {"cancelled", "F1 closed"}},
        {"FooterCloseStaysOpen", true, 2, false, {"F2 open"}},
        {"FooterOkByEnter", true, 0, true, {"taken", "F0 closed"}},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        D->ShowDropDown();
        ASSERT_TRUE(D->DroppedDown());
        Log.clear();
        VOdeButton *B = Button(C.Footer ? static_cast<TDropDownBar *>(Footer()) : Header(), C.Index);
        if (C.Key) {
            B->setFocus();
            QTest::keyClick(B, Qt::Key_Return);
        } else {
            QTest::mouseClick(B, Qt::LeftButton, {}, QPoint(3, 3));
        }
        EXPECT_EQ(Log, C.Want);
        D->HideDropDown();
    }
}

// A change of a header button while the popup is open shows at once, also
// when the change comes from that button's own click.
TEST_F(TBarsFixture, ButtonChangeRebuildsOpenBar)
{
    D->OnDropDownHeaderButtonClick = [this](QObject *, int I) {
        D->DropDownHeader().Buttons().Items(I).Set_Caption(QStringLiteral("Clicked"));
    };
    D->ShowDropDown();
    QTest::mouseClick(Button(Header(), 1), Qt::LeftButton, {}, QPoint(3, 3));
    ASSERT_EQ(Header()->ButtonList().Count(), 3);
    EXPECT_EQ(Button(Header(), 1)->Caption(), QStringLiteral("Clicked"));
    D->DropDownHeader().Set_Visible(false);
    EXPECT_FALSE(Header()->isVisible());
}

// Dragging the footer's grip corner sizes the popup; elsewhere it does not.
TEST_F(TBarsFixture, SizeGripResizesPopup)
{
    D->ShowDropDown();
    QApplication::processEvents();
    const QSize Before = D->Popup()->size();
    VOdeFooter *F = Footer();
    const QPoint Corner(F->width() - 5, F->height() - 5);
    QTest::mousePress(F, Qt::LeftButton, {}, Corner);
    QMouseEvent Move(QEvent::MouseMove, QPointF(Corner + QPoint(30, 20)), F->mapToGlobal(QPointF(Corner + QPoint(30, 20))),
                     Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(F, &Move);
    QTest::mouseRelease(F, Qt::LeftButton, {}, Corner + QPoint(30, 20));
    EXPECT_EQ(D->Popup()->size(), Before + QSize(30, 20));
    // the bars follow the new width
    EXPECT_EQ(Footer()->width(), D->Popup()->Client_Rect().width());
    const QSize After = D->Popup()->size();
    QTest::mousePress(F, Qt::LeftButton, {}, QPoint(20, 5));
    QMouseEvent Move2(QEvent::MouseMove, QPointF(60, 25), F->mapToGlobal(QPointF(60, 25)), Qt::NoButton,
                      Qt::LeftButton, {});
    QApplication::sendEvent(F, &Move2);
    QTest::mouseRelease(F, Qt::LeftButton, {}, QPoint(60, 25));
    EXPECT_EQ(D->Popup()->size(), After);
}

// The popup with both bars in two colour sets: the bars' faces, the line
// towards the content, the caption's text and the grip's dots.
TEST_F(TBarsFixture, PictureInTwoColourSets)
{
    struct TCase { const char *Name; TColor Color, ColorTo, Border, Button_Hot; TGradientDirection Dir; };
    const TCase Cases[] = {
        {"SilverGradient", clSilver, clWhite, clBlack, 0xF5F0E1, gdVertical},
        {"PlainBlue", 0xE0A060, clNone, 0x800000, 0x60C0F0, gdHorizontal},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        for (TBarAppearance *L : {static_cast<TBarAppearance *>(&D->DropDownHeader()),
                                  static_cast<TBarAppearance *>(&D->DropDownFooter())}) {
            L->Set_Color(C.Color);
            L->Set_ColorTo(C.ColorTo);
            L->Set_BorderColor(C.Border);
            L->Set_GradientDirection(C.Dir);
        }
        D->ButtonAppearance().Set_Color(C.Button_Hot);
        D->ShowDropDown();
        QApplication::processEvents();
        const QImage Shot(Save_Screenshot(D->Popup(), QStringLiteral("dropdown_bars_%1").arg(QLatin1String(C.Name))));
        ASSERT_FALSE(Shot.isNull());
        const QPoint H = Header()->mapTo(D->Popup(), QPoint(0, 0)), F = Footer()->mapTo(D->Popup(), QPoint(0, 0));
        // the header's face just inside its border: (near) the first colour at the top
        const QColor Top = Shot.pixelColor(H + QPoint(3, 2)), Want = To_QColor(C.Color);
        EXPECT_LE(std::abs(Top.red() - Want.red()) + std::abs(Top.green() - Want.green())
                      + std::abs(Top.blue() - Want.blue()), 24);
        // a plain face stays one colour across; a gradient brightens downwards
        const QColor Low = Shot.pixelColor(H + QPoint(3, 19));
        if (C.ColorTo == clNone)
            EXPECT_EQ(Low, To_QColor(C.Color));
        else
            EXPECT_GT(Low.lightness(), To_QColor(C.Color).lightness());
        // the header's line towards the content, the footer's line at its top
        EXPECT_EQ(Shot.pixelColor(H + QPoint(Header()->width() / 2, 21)), To_QColor(C.Border));
        EXPECT_EQ(Shot.pixelColor(F + QPoint(Footer()->width() / 2, 0)), To_QColor(C.Border));
        // the caption's text darkens some pixels left of the buttons
        const QRect Caption = Header()->GetCaptionArea().To_QRect().translated(H);
        int Dark = 0;
        for (int X = Caption.left(); X < Caption.left() + 40; ++X)
            for (int Y = Caption.top(); Y < Caption.bottom(); ++Y)
                Dark += Shot.pixelColor(X, Y).lightness() < 80;
        EXPECT_GT(Dark, 10);
        // a button face in the button look's colour
        const QRect B0 = Button(Header(), 0)->geometry().translated(H);
        EXPECT_EQ(Shot.pixelColor(B0.left() + 2, B0.center().y()), To_QColor(C.Button_Hot));
        // the grip's bottom-right dot: white over a shadow in the border colour
        const TRect G = Size_Grip_Rect(TRect::From_QRect(Footer()->rect()), 1);
        const TRect Dot = Size_Grip_Dots(G, false)[2];
        EXPECT_EQ(Shot.pixelColor(F + QPoint(Dot.Left + 1, Dot.Top + 1)), QColor(Qt::white));
        EXPECT_EQ(Shot.pixelColor(F + QPoint(Dot.Left - 1, Dot.Top - 1)), To_QColor(C.Border));
        D->HideDropDown();
    }
}
