#include "StripTestSupport.h"
#include "platform/WindowPointer.h"
#include "TestSupport.h"
#include <QTest>
#include <gtest/gtest.h>

namespace {

QStringList Captions(TCustomGlideTabs &S)
{
    QStringList L;
    for (int I = 0; I < S.Tabs().Count(); ++I)
        L << S.Tabs()[I]->Caption() + (S.Tabs()[I]->MarkedForDeletion() ? "~" : "");
    return L;
}

// Two strips in one window, A above B, with the pointer driven by the test.
class GlideTabsDrag : public ::testing::Test
{
protected:
    TDrivenClock Clock;
    TClockGuard Guard{&Clock};
    QWidget Window;
    std::unique_ptr<TCountingStrip> A, B;

    void SetUp() override
    {
        Clock.Ticks = 1000;
        Window.resize(600, 220);
        A = std::make_unique<TCountingStrip>(&Window);
        B = std::make_unique<TCountingStrip>(&Window);
        A->setObjectName("A");
        B->setObjectName("B");
        A->setGeometry(0, 0, 500, 30);
        B->setGeometry(0, 100, 500, 30);
        A->show();
        B->show();
        Window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Window));
        Add_Tabs(*A, {"A1", "A2"});
        Add_Tabs(*B, {"B1"});
        Settle(*A, Clock);
        Settle(*B, Clock);
    }
    void TearDown() override
    {
        Set_Pointer_Pos_Override(nullptr);
        A.reset();
        B.reset();
    }
    // Moves the pointer to a point of Over and tells the source strip A.
    void Move_To(QWidget *Over, QPoint P)
    {
        const QPoint G = Over->mapToGlobal(P);
        Set_Pointer_Pos_Override(&G);
        const QPoint L = A->mapFromGlobal(G);
        A->MouseMove(L.x(), L.y());
    }
    void Press_On_A(int Tab)
    {
        const QPoint P = Tab_Point(*A, Tab);
        const QPoint G = A->mapToGlobal(P);
        Set_Pointer_Pos_Override(&G);
        A->MouseMove(P.x(), P.y());
        A->MouseDown(Qt::LeftButton, P.x(), P.y());
        Move_To(A.get(), P + QPoint(5, 0));
    }
};

struct TDropCase
{
    const char *Name;
    int X;          // where on B the tab is let go
    int Drop_Index; // the place the gap opened
    QStringList B_After;
};
const TDropCase Drop_Cases[] = {
    // past the middle of B1: the gap opens after it
    {"AfterLastTab", 250, 1, {"B1", "A2"}},
    // over the front of B1: the gap opens before it
    {"BeforeFirstTab", 10, 0, {"A2", "B1"}},
};

// A tab dragged from A and dropped on B is copied into B at the gap and leaves A.
TEST_F(GlideTabsDrag, DropOnOtherStripMovesTab)
{
    for (const TDropCase &C : Drop_Cases) {
        SCOPED_TRACE(C.Name);
        TearDown();
        SetUp();
        const QImage B_Before = B->grab().toImage();
        QList<TGlideTab *> Dropped;
        A->OnTabDragDropped = [&](QObject *, IDragTabObject *, TGlideTab *New) { Dropped << New; };
        QStringList Ends;
        A->OnTabDragEnd = [&](QObject *S, int, int, bool Cancelled) {
            Ends << S->objectName() + (Cancelled ? " cancelled" : "");
        };
        B->OnTabDragEnd = A->OnTabDragEnd;
        Press_On_A(1);
        ASSERT_TRUE(A->HasState(stsDragging));
        EXPECT_EQ(A->DragTabObject()->DockControl(), static_cast<IGlideTabDockControl *>(A.get()));
        Move_To(B.get(), QPoint(C.X, 15));
        EXPECT_EQ(A->DragTabObject()->DockControl(), static_cast<IGlideTabDockControl *>(B.get()));
        EXPECT_EQ(A->DragTabObject()->DragOverType(), dotRemoteContainer);
        EXPECT_TRUE(B->IsDragging());
        EXPECT_FALSE(A->IsDragging());
        EXPECT_EQ(A->DragTabObject()->DropTabIndex(), C.Drop_Index);
        Settle(*B, Clock);
        // the gap opened in B shows in its picture
        const QImage Shot(Save_Screenshot(&Window, QString("glidetabs_drag_%1").arg(C.Name)));
        ASSERT_EQ(Shot.size(), Window.size());
        EXPECT_NE(Shot.copy(B->geometry()), B_Before);
        const QPoint L = A->mapFromGlobal(B->mapToGlobal(QPoint(C.X, 15)));
        A->MouseUp(Qt::LeftButton, L.x(), L.y());

        EXPECT_FALSE(A->HasState(stsDragging));
        EXPECT_EQ(A->DragTabObject(), nullptr);
        EXPECT_FALSE(B->IsDragging());
        EXPECT_EQ(Captions(*B), C.B_After);
        EXPECT_EQ(B->ActiveTabIndex(), C.Drop_Index);
        ASSERT_EQ(Dropped.size(), 1);
        EXPECT_EQ(Dropped[0], B->Tabs()[C.Drop_Index]);
        EXPECT_EQ(Ends, QStringList({"B", "A"}));
        Settle(*A, Clock);
        Settle(*B, Clock);
        EXPECT_EQ(Captions(*A), QStringList({"A1"}));
        EXPECT_EQ(A->ActiveTabIndex(), 0);
    }
}

// Escape over the other strip cancels: nothing is copied and nothing is lost.
TEST_F(GlideTabsDrag, EscapeCancelsWithoutLoss)
{
    Press_On_A(1);
    Move_To(B.get(), QPoint(250, 15));
    A->EscapePressed();
    EXPECT_FALSE(A->HasState(stsDragging));
    Settle(*A, Clock);
    EXPECT_EQ(Captions(*A), QStringList({"A1", "A2"}));
    EXPECT_EQ(Captions(*B), QStringList({"B1"}));
}

// Dropped outside every strip the tab is deleted, unless the drop handler keeps it;
// the drag image shows while the tab is outside.
TEST_F(GlideTabsDrag, DropOutsideDeletesUnlessKept)
{
    Press_On_A(1);
    Move_To(&Window, QPoint(300, 200));
    EXPECT_EQ(A->DragTabObject()->DockControl(), nullptr);
    QWidget *Form = qobject_cast<QWidget *>(A->DragTabObject()->DragForm());
    ASSERT_NE(Form, nullptr);
    EXPECT_TRUE(Form->isVisible());
    // back over a strip the picture hides (it does not hide the strip from the probe) ...
    Move_To(B.get(), QPoint(250, 15));
    EXPECT_EQ(A->DragTabObject()->DockControl(), static_cast<IGlideTabDockControl *>(B.get()));
    EXPECT_FALSE(Form->isVisible());
    // ... and out again it shows
    Move_To(&Window, QPoint(300, 200));
    EXPECT_EQ(A->DragTabObject()->DockControl(), nullptr);
    EXPECT_FALSE(B->IsDragging());
    EXPECT_TRUE(Form->isVisible());
    A->MouseUp(Qt::LeftButton, 300, 200);
    EXPECT_EQ(Captions(*A), QStringList({"A1", "A2~"}));
    EXPECT_EQ(Captions(*B), QStringList({"B1"}));

    A->OnTabDragDrop = [](QObject *, int, int, IDragTabObject *, bool, TTabDropOptions &Options) {
        Options &= ~TTabDropOptions(tdDeleteDraggedTab);
    };
    Settle(*A, Clock);
    Press_On_A(0);
    Move_To(&Window, QPoint(300, 200));
    A->MouseUp(Qt::LeftButton, 300, 200);
    EXPECT_EQ(Captions(*A), QStringList({"A1"}));
}

// Within its strip a tab dragged past the others moves to the end.
TEST_F(GlideTabsDrag, DragWithinStripReorders)
{
    A->Tabs().Add()->SetCaption("A3");
    A->Options().DragDrop().SetDragType(dtWithinContainer);
    Settle(*A, Clock);
    Press_On_A(0);
    ASSERT_TRUE(A->HasState(stsDragging));
    Move_To(A.get(), QPoint(420, 15));
    EXPECT_EQ(A->DragTabObject()->DropTabIndex(), 2);
    A->MouseUp(Qt::LeftButton, 420, 15);
    EXPECT_TRUE(A->HasState(stsCompletingDrag) || !A->HasState(stsDragging));
    EXPECT_EQ(Captions(*A), QStringList({"A2", "A3", "A1"}));
    EXPECT_EQ(A->ActiveTabIndex(), 2);
}

// A one-pixel move does not start a drag when DragStartPixels is 2; a two-pixel move does.
TEST_F(GlideTabsDrag, DragStartThreshold)
{
    const QPoint P = Tab_Point(*A, 0);
    A->MouseMove(P.x(), P.y());
    A->MouseDown(Qt::LeftButton, P.x(), P.y());
    A->MouseMove(P.x() + 1, P.y());
    EXPECT_FALSE(A->HasState(stsDragging));
    A->MouseMove(P.x() + 2, P.y());
    EXPECT_TRUE(A->HasState(stsDragging));
    A->EscapePressed();
    EXPECT_FALSE(A->HasState(stsDragging));
    EXPECT_EQ(Captions(*A), QStringList({"A1", "A2"}));
}

// The configurator's strips have dragging off: pressing and moving never starts a drag.
TEST_F(GlideTabsDrag, NoDragWhenOff)
{
    A->Options().DragDrop().SetDragType(dtNone);
    Press_On_A(0);
    Move_To(A.get(), QPoint(400, 15));
    EXPECT_FALSE(A->HasState(stsDragging));
    EXPECT_EQ(A->DragTabObject(), nullptr);
}

} // namespace

namespace {

// In right-to-left layout the grab offset is measured from the tab's mirrored left edge.
TEST_F(GlideTabsDrag, RightToLeftGrabOffset)
{
    A->Options().DragDrop().SetDragType(dtWithinContainer);
    A->SetBiDiMode(bdRightToLeft);
    Settle(*A, Clock);
    const TGlideRect R = A->BidiRect(A->GetTabControl(0)->ControlRect());
    const QPoint P((R.Left + R.Right) / 2, 20);
    ASSERT_EQ(A->HitTest(P).TabIndex, 0);
    A->MouseMove(P.x(), P.y());
    A->MouseDown(Qt::LeftButton, P.x(), P.y());
    A->MouseMove(P.x() - 5, P.y());
    ASSERT_TRUE(A->HasState(stsDragging));
    EXPECT_EQ(A->DragTabObject()->DragCursorOffset(), QPoint(P.x() - R.Left, P.y() - R.Top));
    A->EscapePressed();
    EXPECT_EQ(Captions(*A), QStringList({"A1", "A2"}));
}

} // namespace
