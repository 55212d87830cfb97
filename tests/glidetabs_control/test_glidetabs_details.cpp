#include "StripTestSupport.h"
#include "platform/WindowPointer.h"
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <map>
#include <set>

// Widths from content and pinned captions, double clicks while tabs move,
// hints, the scroll-button repeat, handlers that adjust animations, and the
// floating drag image's size and offset for each display kind.

namespace {

class GlideTabsDetails : public ::testing::Test
{
protected:
    TDrivenClock Clock;
    TClockGuard Guard{&Clock};
    QWidget Window;

    void SetUp() override { Clock.Ticks = 1000; }
    void TearDown() override { Set_Pointer_Pos_Override(nullptr); }

    // "P^" makes a pinned tab; the strip neither scrolls nor shows an add button.
    std::unique_ptr<TCountingStrip> Make(int Width, const QStringList &Tabs)
    {
        auto S = std::make_unique<TCountingStrip>(&Window);
        S->resize(Width, 30);
        S->Options().Scrolling().SetEnabled(false);
        S->Options().Display().AddButton().SetVisibility(avNone);
        for (const QString &Name : Tabs) {
            TGlideTab *T = S->Tabs().Add();
            T->SetCaption(QString(Name).remove('^'));
            if (Name.endsWith('^'))
                T->SetPinned(true);
        }
        return S;
    }
};

struct TWidthCase
{
    const char *Name;
    QStringList Tabs;
    bool Show_Pinned_Text, From_Content;
    int Min_Width, Max_Width;
    std::map<QString, int> Handler; // width the OnSetTabWidth handler answers per caption
    int Adjusted, End_Space;        // -1: not checked
    std::vector<int> Lefts, Rights; // target rectangle of every tab, in list order
    std::set<QString> Offered;      // captions whose width was offered to the handler
    int Offered_Width;              // what the handler was offered (clamped content width)
    int Scroll_Width;
};

const TWidthCase Width_Cases[] = {
    // with pinned captions every shown tab shares the container; the remainder goes to the unpinned tabs only
    {"PinnedTextSharesTheWidth", {"P^", "Q^", "A", "B"}, true, false, 25, 200, {}, 121, 1, {0, 121, 242, 364},
     {136, 257, 378, 500}, {}, 0, 485},
    // without pinned captions the pinned tabs keep PinnedWidth and the rest is divided among the others
    {"PinnedTabsKeepPinnedWidth", {"P^", "A", "B"}, false, false, 25, 300, {}, 223, 0, {0, 39, 262},
     {54, 277, 500}, {}, 0, 485},
    // widths from content are clamped first and then used as the handler leaves them, even beyond MaxWidth
    {"ContentWidthThroughHandler", {"A", "Wide", "C"}, false, true, 90, 90, {{"Wide", 250}}, -1, 0, {0, 90, 340},
     {105, 355, 445}, {"A", "Wide", "C"}, 90, 430},
    // pinned tabs without captions keep PinnedWidth and are not measured
    {"ContentWidthLeavesPinnedTabs", {"P^", "A"}, false, true, 90, 90, {}, -1, 0, {0, 39}, {54, 144}, {"A"}, 90, 129},
};

TEST_F(GlideTabsDetails, WidthsFromPinnedTextAndContent)
{
    for (const TWidthCase &C : Width_Cases) {
        SCOPED_TRACE(C.Name);
        auto S = Make(500, C.Tabs);
        TOptions &O = S->Options();
        O.Display().Tabs().SetShowPinnedTabText(C.Show_Pinned_Text);
        O.Display().Tabs().SetTabWidthFromContent(C.From_Content);
        O.Display().Tabs().SetMinWidth(C.Min_Width);
        O.Display().Tabs().SetMaxWidth(C.Max_Width);
        std::set<QString> Offered;
        std::set<int> Offered_Widths;
        S->OnSetTabWidth = [&](QObject *, TGlideTabControl *Control, int &Width) {
            const QString Caption = Control->GlideTab()->Caption();
            Offered.insert(Caption);
            Offered_Widths.insert(Width);
            const auto It = C.Handler.find(Caption);
            if (It != C.Handler.end())
                Width = It->second;
        };
        Settle(*S, Clock);
        if (C.Adjusted >= 0) {
            EXPECT_EQ(S->AdjustedTabWidth(), C.Adjusted);
            EXPECT_EQ(S->TabEndSpace(), C.End_Space);
        }
        ASSERT_EQ(S->Tabs().Count(), static_cast<int>(C.Lefts.size()));
        for (int I = 0; I < S->Tabs().Count(); ++I) {
            EXPECT_EQ(End_Rect(*S, I).Left, C.Lefts[static_cast<size_t>(I)]) << "tab " << I;
            EXPECT_EQ(End_Rect(*S, I).Right, C.Rights[static_cast<size_t>(I)]) << "tab " << I;
        }
        EXPECT_EQ(Offered, C.Offered);
        if (!C.Offered.empty()) {
            EXPECT_EQ(Offered_Widths, std::set<int>({C.Offered_Width}));
        }
        EXPECT_EQ(S->ScrollWidth(), C.Scroll_Width);
    }
}

// Closing the last tab of a scrolled strip with its close button: the scroll
// offset shrinks by the closed width less the overlap and the container ends
// where the closed tab ended, so the others do not grow under the mouse.
TEST_F(GlideTabsDetails, ClosingTheEndTabKeepsTheContainerAtItsEdge)
{
    auto S = Make(300, {"A", "B", "C", "D", "E"});
    S->Options().Scrolling().SetEnabled(true);
    S->Options().Display().Tabs().SetMinWidth(100);
    Settle(*S, Clock);
    Settle(*S, Clock);
    ASSERT_EQ(S->GetTabDisplayState(), tdScrolling);
    ASSERT_EQ(S->TabContainerRect().Right, 266);
    S->SetScrollOffset(S->MaxScrollOffset());
    ASSERT_EQ(S->ScrollOffset(), 249);
    Settle(*S, Clock);
    const TGlideRect Closed = End_Rect(*S, 4);
    ASSERT_EQ(Closed, TGlideRect(400, 4, 515, 30));
    const TGlideRect CB = S->GetTabControl(4)->GetCloseButonRect();
    const QPoint P((CB.Left + CB.Right) / 2 - S->ScrollOffset(), (CB.Top + CB.Bottom) / 2);
    S->MouseMove(P.x(), P.y());
    ASSERT_EQ(S->HitTest(P).HitTestArea, htCloseButton);
    S->MouseDown(Qt::LeftButton, P.x(), P.y());
    S->MouseUp(Qt::LeftButton, P.x(), P.y());
    ASSERT_TRUE(S->HasState(stsDeletingUnPinnedTabs));
    ASSERT_TRUE(S->HasState(stsEndTabDeleted));
    S->CalculateButtonRects();
    // 249 + 15 - 115
    EXPECT_EQ(S->ScrollOffset(), 149);
    EXPECT_EQ(S->TabContainerRect().Right, 515 + 149 - 249);
    // the offset went down, so the rule has done its work
    EXPECT_FALSE(S->HasState(stsEndTabDeleted));
    S->CalculateTabRects();
    EXPECT_EQ(S->AdjustedTabWidth(), 100);
    EXPECT_EQ(End_Rect(*S, 3), TGlideRect(300, 4, 415, 30));
}

struct TDblClickCase
{
    const char *Name;
    bool Ignore_While_Moving;
    bool Moving;
    bool Fires;
};
const TDblClickCase Dbl_Click_Cases[] = {
    // a double click while tabs move is dropped by default
    {"DroppedWhileMoving", true, true, false},
    {"FiresWhenStill", true, false, true},
    // with the option off it fires also while tabs move
    {"FiresWhileMovingWhenAllowed", false, true, true},
};

TEST_F(GlideTabsDetails, DoubleClickWhileTabsMove)
{
    for (const TDblClickCase &C : Dbl_Click_Cases) {
        SCOPED_TRACE(C.Name);
        auto S = Make(400, {"A", "B"});
        S->Options().Behaviour().SetIgnoreDoubleClicksWhileAnimatingMovement(C.Ignore_While_Moving);
        Settle(*S, Clock);
        QStringList Clicked;
        S->OnTabDblClick = [&](QObject *, TGlideTab *T) { Clicked << T->Caption(); };
        if (C.Moving)
            S->AddState(stsAnimatingMovement);
        const QPoint P = Tab_Point(*S, 1);
        S->DblClick(P.x(), P.y());
        EXPECT_EQ(Clicked, C.Fires ? QStringList({"B"}) : QStringList());
    }
}

// The hint names the tab under the pointer; the handler may change text and timeout.
TEST_F(GlideTabsDetails, HintHandlerAdjustsTextAndTimeout)
{
    auto S = Make(600, {"A", ""});
    Settle(*S, Clock);
    QList<int> Seen;
    S->OnShowHint = [&](QObject *, THitTestResult H, QString &Text, int &Timeout) {
        Seen << H.TabIndex;
        if (H.TabIndex == 0) {
            Text = "Page " + Text;
            Timeout = 1500;
        }
    };
    int Timeout = 0;
    TGlideRect R;
    EXPECT_EQ(S->HintText(Tab_Point(*S, 0), &Timeout, &R), "Page A");
    EXPECT_EQ(Timeout, 1500);
    EXPECT_EQ(R, S->GetTabControl(0)->ControlRect());
    EXPECT_EQ(S->HintText(Tab_Point(*S, 1), &Timeout), "<No Caption>");
    EXPECT_EQ(Timeout, 5000);
    // over the empty background there is no text: the request goes to the platform
    EXPECT_EQ(S->HintText(QPoint(590, 20), &Timeout, &R), "");
    EXPECT_EQ(R, TGlideRect(0, 0, 600, 30));
    EXPECT_EQ(Seen, QList<int>({0, 1, -1}));
}

// Holding a scroll button repeats its step until the button is released.
TEST_F(GlideTabsDetails, ScrollButtonRepeatsUntilReleased)
{
    auto S = Make(300, {"A", "B", "C", "D", "E"});
    S->Options().Scrolling().SetEnabled(true);
    S->Options().Display().Tabs().SetMinWidth(100);
    Settle(*S, Clock);
    Settle(*S, Clock);
    ASSERT_EQ(S->GetTabDisplayState(), tdScrolling);
    const TGlideRect B = S->ScrollButtonRightControl()->ControlRect();
    const QPoint P((B.Left + B.Right) / 2, (B.Top + B.Bottom) / 2);
    S->MouseMove(P.x(), P.y());
    S->MouseDown(Qt::LeftButton, P.x(), P.y());
    EXPECT_EQ(S->ScrollOffset(), 20);
    ASSERT_TRUE(S->ScrollTimer()->isActive());
    QMetaObject::invokeMethod(S->ScrollTimer(), "timeout");
    QMetaObject::invokeMethod(S->ScrollTimer(), "timeout");
    EXPECT_EQ(S->ScrollOffset(), 60);
    S->MouseUp(Qt::LeftButton, P.x(), P.y());
    EXPECT_FALSE(S->ScrollTimer()->isActive());
    EXPECT_EQ(S->ScrollOffset(), 60);
    // the left button steps back; at offset 0 it rests disabled
    const TGlideRect L = S->ScrollButtonLeftControl()->ControlRect();
    const QPoint Q((L.Left + L.Right) / 2, (L.Top + L.Bottom) / 2);
    for (int I = 0; I < 3; ++I) {
        S->MouseMove(Q.x(), Q.y() + (I % 2));
        S->MouseDown(Qt::LeftButton, Q.x(), Q.y() + (I % 2));
        S->MouseUp(Qt::LeftButton, Q.x(), Q.y() + (I % 2));
    }
    EXPECT_EQ(S->ScrollOffset(), 0);
    S->MouseLeave();
    EXPECT_EQ(S->ScrollButtonLeftControl()->DrawState(), dsDisabled);
}

// A handler that takes the ease type away makes a hover change and a movement jump at once.
TEST_F(GlideTabsDetails, AnimationHandlersAdjustStyleAndMovement)
{
    struct TCase
    {
        const char *Name;
        bool Handlers;
        bool Style_Fades, Moves;
    };
    const TCase Cases[] = {{"DefaultsAnimate", false, true, true}, {"HandlersJump", true, false, false}};
    // Shown, so that no delayed resize (whose layout jumps) comes between.
    Window.resize(700, 100);
    Window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Window));
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        auto S = Make(600, {"A", "B"});
        S->show();
        QCoreApplication::processEvents();
        Settle(*S, Clock);
        QList<TDrawState> Styles;
        if (C.Handlers) {
            S->OnAnimateStyle = [&](QObject *, TBaseGlideTabsControl *, TDrawState State, std::uint32_t &,
                                    TGlideTabsEaseType &Ease) {
                Styles << State;
                Ease = ttNone;
            };
            S->OnAnimateMovement = [](QObject *, TBaseGlideTabsControl *, std::uint32_t &Time,
                                      TGlideTabsEaseType &Ease) {
                Time = 0;
                Ease = ttNone;
            };
        }
        // hovering the inactive tab (the last added one is active) fades it unless the handler says otherwise
        ASSERT_EQ(S->ActiveTabIndex(), 1);
        const QPoint P = Tab_Point(*S, 0);
        S->MouseMove(P.x(), P.y());
        ASSERT_EQ(S->GetTabControl(0)->DrawState(), dsHot);
        Clock.Advance(10);
        EXPECT_EQ(S->GetTabControl(0)->AnimateStyle(), C.Style_Fades);
        if (C.Handlers) {
            EXPECT_TRUE(Styles.contains(dsHot));
        }
        // a new tab (whose growing in selects the add movement) moves the second tab toward its narrower place
        S->Tabs().Add()->SetCaption("C");
        S->DrawCanvas();
        ASSERT_EQ(End_Rect(*S, 1).Left, 195);
        Clock.Advance(10);
        EXPECT_EQ(S->GetTabControl(1)->AnimateMovement(), C.Moves);
        if (!C.Moves) {
            EXPECT_EQ(S->GetTabControl(1)->ControlRect(), End_Rect(*S, 1));
        }
    }
}

struct TDragFormCase
{
    const char *Name;
    TGlideTabDragDisplay Display;
    bool With_Control;
    TTabOrientation Orientation;
    bool Form; // a form is made
    int Width, Height;
    bool Scaled;      // offset scaled by the resize factor (0.5)
    int Extra_Offset_Y; // added for a control above the tab band
};
const TDragFormCase Drag_Form_Cases[] = {
    // the cursor alone needs no window
    {"CursorOnly", ddCursor, true, toTop, false, 0, 0, false, 0},
    // the tab alone: its own size, opaque and unscaled
    {"TabOnly", ddTab, true, toTop, true, 175, 26, false, 0},
    // the control: its size scaled by the factor
    {"ControlOnly", ddControl, true, toTop, true, 100, 50, true, 0},
    // tab band over the control, scaled
    {"TabAndControl", ddTabAndControl, true, toTop, true, 100, 63, true, 0},
    // bottom tabs: the control stands above the band, so the offset grows by the scaled control height
    {"TabAndControlBottom", ddTabAndControl, true, toBottom, true, 100, 63, true, 50},
    // without a control to picture the display falls back to the tab
    {"NoControlFallsBackToTab", ddTabAndControl, false, toTop, true, 175, 26, false, 0},
};

TEST_F(GlideTabsDetails, DragImageSizeAndOffset)
{
    Window.resize(700, 200);
    Window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Window));
    QWidget Page(&Window);
    Page.setGeometry(0, 50, 200, 100);
    for (const TDragFormCase &C : Drag_Form_Cases) {
        SCOPED_TRACE(C.Name);
        auto S = Make(600, {"A", "B"});
        S->show();
        S->Options().DragDrop().SetDragType(dtWithinContainer);
        S->Options().DragDrop().SetDragDisplay(C.Display);
        S->Options().Display().Tabs().SetOrientation(C.Orientation);
        S->Options().Display().Tabs().SetMaxWidth(160);
        S->OnNeedDragImageControl = [&](QObject *, TGlideTab *, QWidget *&Control) {
            if (C.With_Control)
                Control = &Page;
        };
        int Created = 0;
        S->OnAfterDragImageCreated = [&](QObject *) { ++Created; };
        Settle(*S, Clock);
        const QPoint P = Tab_Point(*S, 1);
        S->MouseMove(P.x(), P.y());
        S->MouseDown(Qt::LeftButton, P.x(), P.y());
        S->MouseMove(P.x() + 5, P.y());
        ASSERT_TRUE(S->HasState(stsDragging));
        const QPoint Grab = S->DragTabObject()->DragCursorOffset();
        const bool Was_Scrollable = S->GetTabControl(1)->ScrollableControl();
        std::unique_ptr<QWidget> Form(S->CreateDragForm(S->Tabs()[1]));
        EXPECT_EQ(Form != nullptr, C.Form);
        EXPECT_EQ(Created, C.Form ? 1 : 0);
        if (Form) {
            EXPECT_EQ(Form->size(), QSize(C.Width, C.Height));
            const QPoint Expected = C.Scaled ? QPoint(int(std::lround(Grab.x() * 0.5)),
                                                      int(std::lround(Grab.y() * 0.5)) + C.Extra_Offset_Y)
                                             : Grab;
            EXPECT_EQ(S->DragTabObject()->DragFormOffset(), Expected);
            // the tab control, drawn into the image, is back where it was and as it was
            EXPECT_EQ(S->GetTabControl(1)->ControlRect().Width(), 175);
            EXPECT_EQ(S->GetTabControl(1)->ScrollableControl(), Was_Scrollable);
        }
        S->EscapePressed();
        EXPECT_FALSE(S->HasState(stsDragging));
    }
}

// A handler may supply the drag window itself; nothing is built then.
TEST_F(GlideTabsDetails, DragFormFromHandler)
{
    auto S = Make(600, {"A", "B"});
    S->Options().DragDrop().SetDragType(dtWithinContainer);
    QWidget *Own = new QWidget(S.get());
    bool Asked_For_Control = false;
    S->OnCreateDragForm = [&](QObject *, TGlideTab *, QWidget *&Form) { Form = Own; };
    S->OnNeedDragImageControl = [&](QObject *, TGlideTab *, QWidget *&) { Asked_For_Control = true; };
    Settle(*S, Clock);
    const QPoint P = Tab_Point(*S, 0);
    S->MouseMove(P.x(), P.y());
    S->MouseDown(Qt::LeftButton, P.x(), P.y());
    S->MouseMove(P.x() + 5, P.y());
    ASSERT_TRUE(S->HasState(stsDragging));
    EXPECT_EQ(S->CreateDragForm(S->Tabs()[0]), Own);
    EXPECT_FALSE(Asked_For_Control);
    S->EscapePressed();
}

} // namespace


namespace {

// A strip that never scrolled starts at offset 0: its tabs are drawn and hit
// where they are laid out. An empty strip has nothing to scroll.
TEST_F(GlideTabsDetails, ScrollOffsetStartsAtZeroWithScrollingOff)
{
    auto Empty = Make(400, {});
    Settle(*Empty, Clock);
    EXPECT_EQ(Empty->ScrollOffset(), 0);
    EXPECT_EQ(Empty->ScrollWidth(), 0);
    EXPECT_EQ(Empty->MaxScrollOffset(), 0);
    EXPECT_EQ(Empty->GetTabDisplayState(), tdNormal);

    auto S = Make(400, {"A", "B"});
    Settle(*S, Clock);
    EXPECT_EQ(S->ScrollOffset(), 0);
    const TGlideRect R = End_Rect(*S, 0);
    EXPECT_EQ(S->GetTabControl(0)->ControlRectScrolled(), R);
    // the first tab's bottom-left corner belongs to it, not to the background
    EXPECT_EQ(S->HitTest(QPoint(R.Left + 2, R.Bottom - 1)).TabIndex, 0);
}

// Overlapping inactive tabs: each is clipped out where its left neighbour lies,
// so a see-through fill is laid down once; with SeeThroughTabs both fills show.
TEST_F(GlideTabsDetails, SeeThroughTabsDrawOverlapsTwice)
{
    QColor Overlap[2];
    for (int See_Through = 0; See_Through < 2; ++See_Through) {
        SCOPED_TRACE(See_Through);
        auto S = Make(700, {"A", "B", "C"});
        S->Options().Display().TabContainer().SetTransparentBackground(false);
        S->LookAndFeel().TabsContainer().Set_All(0xFFFFFF, 0xFFFFFF, 255, 255, 0xFFFFFF, 1, 255);
        S->Options().Display().Tabs().SetSeeThroughTabs(See_Through == 1);
        Settle(*S, Clock);
        ASSERT_EQ(S->ActiveTabIndex(), 2);
        ASSERT_EQ(End_Rect(*S, 0), TGlideRect(0, 4, 215, 30));
        ASSERT_EQ(End_Rect(*S, 1), TGlideRect(200, 4, 415, 30));
        S->DrawCanvas();
        // inside both slanted edges, away from the outlines
        Overlap[See_Through] = S->CanvasBitmap().pixelColor(207, 28);
        // a single tab's fill shows over the white container
        EXPECT_NE(S->CanvasBitmap().pixelColor(100, 20), QColor(Qt::white));
    }
    EXPECT_NE(Overlap[0], Overlap[1]);
    // two semi-transparent layers cover more of the white behind them than one
    EXPECT_LT(Overlap[1].lightness(), Overlap[0].lightness());
}

} // namespace

namespace {

// The picture lists are not the strip's: one freed first is cleared from the
// strip (the tab pictures with a repaint), and a strip freed first leaves the
// lists without a trace of it.
TEST_F(GlideTabsDetails, FreedImageListsAreCleared)
{
    auto S = Make(400, {"A", "B"});
    auto Pictures = std::make_unique<TAAImageList>(16, 16);
    QImage Red(16, 16, QImage::Format_ARGB32);
    Red.fill(Qt::red);
    Pictures->Add(Red);
    auto Spinner = std::make_unique<TAAImageList>(16, 16);
    S->SetImages(Pictures.get());
    S->SetImagesOverlay(Pictures.get());
    S->SetImagesSpinnerUpload(Spinner.get());
    S->SetImagesSpinnerDownload(Spinner.get());
    S->Tabs()[0]->SetImageIndex(0);
    Settle(*S, Clock);
    const int Repaints = S->Repaint_Count();
    Pictures.reset();
    EXPECT_EQ(S->Images(), nullptr);
    EXPECT_EQ(S->ImagesOverlay(), nullptr);
    EXPECT_EQ(S->Repaint_Count(), Repaints + 2);
    EXPECT_EQ(S->ImagesSpinnerUpload(), Spinner.get());
    S->DrawCanvas(); // draws without the freed pictures
    Spinner.reset();
    EXPECT_EQ(S->ImagesSpinnerUpload(), nullptr);
    EXPECT_EQ(S->ImagesSpinnerDownload(), nullptr);
    EXPECT_EQ(S->Repaint_Count(), Repaints + 2);

    // a list that outlives its strip, and one replaced by another
    auto Kept = std::make_unique<TAAImageList>(16, 16);
    auto Other = std::make_unique<TAAImageList>(16, 16);
    auto T = Make(400, {"C"});
    T->SetImages(Kept.get());
    T->SetImages(Other.get());
    Kept.reset();
    EXPECT_EQ(T->Images(), Other.get());
    T->SetImagesOverlay(Other.get());
    T.reset();
    Other.reset();
}

} // namespace

namespace {

// Asked to ignore disabled parts, the hit test looks through a disabled scroll
// button to what lies under it; the strip itself always asks without.
TEST_F(GlideTabsDetails, HitTestCanIgnoreDisabledScrollButtons)
{
    auto S = Make(300, {"A", "B", "C", "D", "E"});
    S->Options().Scrolling().SetEnabled(true);
    S->Options().Display().Tabs().SetMinWidth(100);
    Settle(*S, Clock);
    Settle(*S, Clock);
    S->SetScrollOffset(0);
    S->MouseLeave();
    ASSERT_EQ(S->ScrollButtonLeftControl()->DrawState(), dsDisabled);
    const TGlideRect L = S->ScrollButtonLeftControl()->ControlRect();
    const QPoint P((L.Left + L.Right) / 2, (L.Top + L.Bottom) / 2);
    EXPECT_EQ(S->HitTest(P).HitTestArea, htScrollButtonLeft);
    EXPECT_NE(S->HitTest(P, true).HitTestArea, htScrollButtonLeft);
    // the enabled right button is found either way
    const TGlideRect R = S->ScrollButtonRightControl()->ControlRect();
    const QPoint Q((R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2);
    EXPECT_EQ(S->HitTest(Q, true).HitTestArea, htScrollButtonRight);
}

} // namespace
