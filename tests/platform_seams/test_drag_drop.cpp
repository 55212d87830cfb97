#include "platform/DragDrop.h"
#include <QApplication>
#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

namespace {
// Answers Answer to every question and writes down what it was told.
class TRecordingHandler : public IDropHandler
{
public:
    int Answer = deCopy;
    QStringList Calls;
    QPoint Last_Pos;
    int Last_Offered = -1, Last_Proposed = -1;
    QString Dropped_Text;
    QByteArray Dropped_Cells;
    QList<QUrl> Dropped_Urls;

    int Drag_Enter(const TDropEvent &E) override { return Note(QStringLiteral("enter"), E); }
    int Drag_Over(const TDropEvent &E) override { return Note(QStringLiteral("over"), E); }
    void Drag_Leave() override { Calls << QStringLiteral("leave"); }
    int Drop(const TDropEvent &E) override
    {
        Dropped_Text = E.Has_Text() ? E.Text() : QString();
        Dropped_Cells = E.Data(Mime_Grid_Cells());
        Dropped_Urls = E.Urls();
        return Note(QStringLiteral("drop"), E);
    }

private:
    int Note(const QString &Call, const TDropEvent &E)
    {
        Calls << Call;
        Last_Pos = E.Pos();
        Last_Offered = E.Offered();
        Last_Proposed = E.Proposed();
        return Answer;
    }
};

TClipData Text_And_Cells()
{
    TClipData D;
    D.Set_Text(QStringLiteral("a\tb"));
    D.Set_Grid_Cells(QByteArray::fromHex("00ff01"));
    D.Set(Mime_Uri_List(), "file:///tmp/data.csv\r\n");
    return D;
}
} // namespace

// Drags started through the fake are recorded whole and answered from the
// queue, never with an effect the source did not allow.
TEST(FakeDragDrop, StartedDragsAreRecordedAndAnswered)
{
    TFakeDragDrop Fake;
    TDragDropGuard Guard(&Fake);
    QWidget Source;
    Fake.Effects = {deMove, deMove};
    TDragRequest R;
    R.Data = Text_And_Cells();
    R.Allowed = deCopy | deMove;
    EXPECT_EQ(Drag_Drop().Start_Drag(&Source, R), deMove);
    R.Allowed = deCopy;
    EXPECT_EQ(Drag_Drop().Start_Drag(&Source, R), deNone);   // a move the source did not allow
    EXPECT_EQ(Drag_Drop().Start_Drag(&Source, R), deNone);   // queue empty: Default_Effect
    ASSERT_EQ(Fake.Started.size(), 3);
    EXPECT_EQ(Fake.Started[0].Source, &Source);
    EXPECT_EQ(Fake.Started[0].Request.Data.Get(Mime_Grid_Cells()), QByteArray::fromHex("00ff01"));
    EXPECT_EQ(Fake.Started[0].Request.Data.Formats(),
              QStringList({Mime_Text(), Mime_Grid_Cells(), Mime_Uri_List()}));
}

// A delivered drop reaches the registered handler in the order a real drag
// takes; a refusal over the target ends with a leave and no drop.
TEST(FakeDragDrop, DeliveredDrops)
{
    TFakeDragDrop Fake;
    QWidget Target, Other;
    TRecordingHandler H;
    Fake.Register_Target(&Target, &H);
    EXPECT_EQ(Fake.Handler(&Target), &H);

    EXPECT_EQ(Fake.Deliver_Drop(&Target, Text_And_Cells(), QPoint(7, 9)), deCopy);
    EXPECT_EQ(H.Calls, QStringList({"enter", "over", "drop"}));
    EXPECT_EQ(H.Last_Pos, QPoint(7, 9));
    EXPECT_EQ(H.Dropped_Text, QStringLiteral("a\tb"));
    EXPECT_EQ(H.Dropped_Cells, QByteArray::fromHex("00ff01"));
    EXPECT_EQ(H.Dropped_Urls, QList<QUrl>({QUrl(QStringLiteral("file:///tmp/data.csv"))}));

    H.Calls.clear();
    H.Answer = deNone;
    EXPECT_EQ(Fake.Deliver_Drop(&Target, Text_And_Cells(), QPoint(1, 1)), deNone);
    EXPECT_EQ(H.Calls, QStringList({"enter", "over", "leave"}));

    H.Calls.clear();
    H.Answer = deMove;
    EXPECT_EQ(Fake.Hover(&Target, Text_And_Cells(), QPoint(1, 1)), deMove);
    EXPECT_EQ(H.Calls, QStringList({"enter", "over", "leave"}));

    EXPECT_EQ(Fake.Deliver_Drop(&Other, Text_And_Cells(), QPoint(1, 1)), deNone);
    Fake.Revoke_Target(&Target);
    H.Calls.clear();
    EXPECT_EQ(Fake.Deliver_Drop(&Target, Text_And_Cells(), QPoint(1, 1)), deNone);
    EXPECT_TRUE(H.Calls.isEmpty());
}

// The effect the platform proposes for the keys held, as Qt chooses it.
TEST(FakeDragDrop, ProposedEffect)
{
    struct TCase { const char *Name; int Offered; Qt::KeyboardModifiers Keys; int Proposed; };
    const TCase Cases[] = {
        {"NoKeysCopy", deCopy | deMove, Qt::NoModifier, deCopy},
        {"CtrlCopies", deCopy | deMove, Qt::ControlModifier, deCopy},
        {"ShiftMoves", deCopy | deMove, Qt::ShiftModifier, deMove},
        {"BothLink", deCopy | deMove | deLink, Qt::ControlModifier | Qt::ShiftModifier, deLink},
        // an effect the source does not allow falls back to the first it does
        {"MoveOnly", deMove, Qt::ControlModifier, deMove},
        {"LinkNotOffered", deCopy | deMove, Qt::ControlModifier | Qt::ShiftModifier, deCopy},
    };
    TFakeDragDrop Fake;
    QWidget Target;
    TRecordingHandler H;
    Fake.Register_Target(&Target, &H);
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Fake.Deliver_Drop(&Target, Text_And_Cells(), QPoint(), C.Offered, C.Keys);
        EXPECT_EQ(H.Last_Proposed, C.Proposed);
        EXPECT_EQ(H.Last_Offered, C.Offered);
    }
}

// Qt's drag events on a registered widget reach the handler; its answers
// decide whether the events are taken and with which action.
class TQtDropTarget : public ::testing::Test
{
protected:
    QWidget Target;
    TRecordingHandler H;
    std::unique_ptr<QMimeData> Data{new QMimeData};

    void SetUp() override
    {
        Data->setText(QStringLiteral("dropped"));
        Data->setData(Mime_Grid_Cells(), QByteArray::fromHex("0102"));
        Target.resize(200, 100);
        Drag_Drop().Register_Target(&Target, &H);
    }

    // Sends one event of the kind and tells whether the target took it.
    bool Send(QEvent::Type Kind, QPoint Pos, Qt::DropActions Offered = Qt::CopyAction | Qt::MoveAction,
              Qt::KeyboardModifiers Keys = Qt::NoModifier, Qt::DropAction *Action = nullptr)
    {
        if (Kind == QEvent::DragLeave) {
            QDragLeaveEvent E;
            QApplication::sendEvent(&Target, &E);
            return E.isAccepted();
        }
        std::unique_ptr<QDropEvent> E;
        if (Kind == QEvent::DragEnter)
            E.reset(new QDragEnterEvent(Pos, Offered, Data.get(), Qt::NoButton, Keys));
        else if (Kind == QEvent::DragMove)
            E.reset(new QDragMoveEvent(Pos, Offered, Data.get(), Qt::NoButton, Keys));
        else
            E.reset(new QDropEvent(QPointF(Pos), Offered, Data.get(), Qt::NoButton, Keys));
        E->ignore();
        QApplication::sendEvent(&Target, E.get());
        if (Action)
            *Action = E->dropAction();
        return E->isAccepted();
    }
};

TEST_F(TQtDropTarget, EventsReachTheHandler)
{
    EXPECT_TRUE(Target.acceptDrops());
    Qt::DropAction A = Qt::IgnoreAction;
    H.Answer = deMove;
    EXPECT_TRUE(Send(QEvent::DragEnter, QPoint(5, 6), Qt::CopyAction | Qt::MoveAction, Qt::NoModifier, &A));
    EXPECT_EQ(A, Qt::MoveAction);
    EXPECT_TRUE(Send(QEvent::DragMove, QPoint(50, 60), Qt::CopyAction | Qt::MoveAction, Qt::NoModifier, &A));
    EXPECT_EQ(A, Qt::MoveAction);
    EXPECT_EQ(H.Last_Pos, QPoint(50, 60));
    EXPECT_EQ(H.Last_Offered, deCopy | deMove);
    EXPECT_TRUE(Send(QEvent::Drop, QPoint(51, 61), Qt::CopyAction | Qt::MoveAction, Qt::NoModifier, &A));
    EXPECT_EQ(A, Qt::MoveAction);
    EXPECT_EQ(H.Calls, QStringList({"enter", "over", "drop"}));
    EXPECT_EQ(H.Dropped_Text, QStringLiteral("dropped"));
    EXPECT_EQ(H.Dropped_Cells, QByteArray::fromHex("0102"));
}

TEST_F(TQtDropTarget, RefusalsAndEffectsTheSourceDoesNotAllow)
{
    // Entering is taken even when the handler refuses, so it hears the moves
    // and the leave (Qt delivers them only after a taken entry); a refused
    // move or drop is not taken.
    H.Answer = deNone;
    EXPECT_TRUE(Send(QEvent::DragEnter, QPoint(1, 1)));
    EXPECT_FALSE(Send(QEvent::DragMove, QPoint(2, 2)));
    EXPECT_TRUE(Send(QEvent::DragLeave, QPoint()));
    EXPECT_TRUE(Send(QEvent::DragEnter, QPoint(1, 1)));
    EXPECT_FALSE(Send(QEvent::Drop, QPoint(2, 2)));
    EXPECT_EQ(H.Calls, QStringList({"enter", "over", "leave", "enter", "drop"}));

    struct TCase { const char *Name; int Answer; Qt::DropActions Offered; bool Taken; Qt::DropAction Action; };
    const TCase Cases[] = {
        {"MoveNotOffered", deMove, Qt::CopyAction, false, Qt::IgnoreAction},
        {"SeveralAnswersTakeTheFirstOffered", deCopy | deMove, Qt::MoveAction, true, Qt::MoveAction},
        {"LinkOffered", deLink, Qt::CopyAction | Qt::LinkAction, true, Qt::LinkAction},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        H.Answer = C.Answer;
        Qt::DropAction A = Qt::IgnoreAction;
        Send(QEvent::DragEnter, QPoint(3, 3), C.Offered);
        EXPECT_EQ(Send(QEvent::DragMove, QPoint(3, 3), C.Offered, Qt::NoModifier, &A), C.Taken);
        if (C.Taken) {
            EXPECT_EQ(A, C.Action);
        }
        Send(QEvent::DragLeave, QPoint());
    }
}

TEST_F(TQtDropTarget, RevokedOrReplaced)
{
    TRecordingHandler Second;
    Drag_Drop().Register_Target(&Target, &Second);   // a second registration replaces the handler
    Send(QEvent::DragEnter, QPoint(1, 1));
    EXPECT_TRUE(H.Calls.isEmpty());
    EXPECT_EQ(Second.Calls, QStringList({"enter"}));

    Drag_Drop().Revoke_Target(&Target);
    EXPECT_FALSE(Target.acceptDrops());
    EXPECT_FALSE(Send(QEvent::DragEnter, QPoint(1, 1)));
    EXPECT_EQ(Second.Calls, QStringList({"enter"}));
    Drag_Drop().Revoke_Target(&Target);   // twice does nothing
}

// Without a window system that runs drags (headless), a drag through Qt ends
// at once with no effect, and the source's data and picture are let go.
TEST(QtDragDrop, DragWithoutATargetEndsWithNoEffect)
{
    QWidget Source;
    TDragRequest R;
    R.Data = Text_And_Cells();
    R.Allowed = deCopy | deMove;
    R.Default = deMove;
    R.Picture = QPixmap(8, 8);
    R.Effect_Changed = [](int) {};
    EXPECT_EQ(Drag_Drop().Start_Drag(&Source, R), deNone);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(Source.findChildren<QObject *>().isEmpty());
}
