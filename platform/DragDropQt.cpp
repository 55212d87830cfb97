#include "platform/DragDrop.h"
#include "platform/ClipDataQt.h"
#include <QDrag>
#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QWidget>

namespace {
int Effect_Of(Qt::DropAction A) { return static_cast<int>(A) & (deCopy | deMove | deLink); }
int Effects_Of(Qt::DropActions A) { return static_cast<int>(A.toInt()) & (deCopy | deMove | deLink); }

// The one effect to report of an answer: the answer itself when it is a
// single allowed effect, else the first allowed of copy, move, link.
Qt::DropAction Action_Of(int Effect, int Offered)
{
    Effect &= Offered;
    for (int E : {deCopy, deMove, deLink})
        if (Effect == E)
            return static_cast<Qt::DropAction>(E);
    for (int E : {deCopy, deMove, deLink})
        if (Effect & E)
            return static_cast<Qt::DropAction>(E);
    return Qt::IgnoreAction;
}

// Turns a widget's drag events into the handler's calls. A child of the
// widget, so it goes with it.
class TDropFilter : public QObject
{
public:
    TDropFilter(QWidget *Target, IDropHandler *Handler) : QObject(Target), FHandler(Handler) {}
    IDropHandler *FHandler;

    bool eventFilter(QObject *, QEvent *E) override
    {
        switch (E->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto *D = static_cast<QDragMoveEvent *>(E);
            const TDropEvent Ev = Event_Of(*D);
            const int Effect = E->type() == QEvent::DragEnter ? FHandler->Drag_Enter(Ev) : FHandler->Drag_Over(Ev);
            const Qt::DropAction A = Action_Of(Effect, Ev.Offered());
            if (E->type() == QEvent::DragEnter) {
                // Entering is always taken, so that the handler hears the
                // moves and the leave; each move says whether a drop may land.
                D->setDropAction(A);
                D->accept();
            } else if (A == Qt::IgnoreAction) {
                D->ignore();
            } else {
                D->setDropAction(A);
                D->accept();
            }
            return true;
        }
        case QEvent::DragLeave:
            FHandler->Drag_Leave();
            E->accept();
            return true;
        case QEvent::Drop: {
            auto *D = static_cast<QDropEvent *>(E);
            const TDropEvent Ev = Event_Of(*D);
            const Qt::DropAction A = Action_Of(FHandler->Drop(Ev), Ev.Offered());
            if (A == Qt::IgnoreAction) {
                D->ignore();
            } else {
                D->setDropAction(A);
                D->accept();
            }
            return true;
        }
        default:
            return false;
        }
    }

private:
    TDropEvent Event_Of(const QDropEvent &D) const
    {
        auto *W = static_cast<QWidget *>(parent());
        const QPoint P = D.position().toPoint();
        return TDropEvent(*D.mimeData(), P, W->mapToGlobal(P), Effects_Of(D.possibleActions()),
                          Effect_Of(D.proposedAction()), D.modifiers());
    }
};

TDropFilter *Filter_Of(QWidget *Target)
{
    return Target->findChild<TDropFilter *>(QString(), Qt::FindDirectChildrenOnly);
}

// Drags through QDrag; targets through their widgets' drag events.
class TQtDragDrop : public IDragDrop
{
public:
    int Start_Drag(QWidget *Source, const TDragRequest &Request) override
    {
        // Qt deletes the drag when it ends (the parent frees one that never ran).
        auto *Drag = new QDrag(Source);
        Drag->setMimeData(To_Mime_Data(Request.Data));
        if (!Request.Picture.isNull()) {
            Drag->setPixmap(Request.Picture);
            Drag->setHotSpot(Request.Hot_Spot);
        }
        if (Request.Effect_Changed)
            QObject::connect(Drag, &QDrag::actionChanged, Drag,
                             [F = Request.Effect_Changed](Qt::DropAction A) { F(Effect_Of(A)); });
        const Qt::DropAction A = Drag->exec(static_cast<Qt::DropActions>(Request.Allowed & (deCopy | deMove | deLink)),
                                            static_cast<Qt::DropAction>(Request.Default));
        return Effect_Of(A) & Request.Allowed;
    }

    void Register_Target(QWidget *Target, IDropHandler *Handler) override
    {
        if (TDropFilter *F = Filter_Of(Target)) {
            F->FHandler = Handler;
            return;
        }
        auto *F = new TDropFilter(Target, Handler);
        Target->installEventFilter(F);
        Target->setAcceptDrops(true);
    }

    void Revoke_Target(QWidget *Target) override
    {
        if (TDropFilter *F = Filter_Of(Target)) {
            Target->removeEventFilter(F);
            delete F;
            Target->setAcceptDrops(false);
        }
    }
};
} // namespace

IDragDrop &Qt_Drag_Drop()
{
    static TQtDragDrop Service;
    return Service;
}
