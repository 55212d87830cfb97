#include "platform/DragDrop.h"
#include "platform/ClipDataQt.h"
#include <QMimeData>
#include <memory>

IDragDrop &Qt_Drag_Drop();   // DragDropQt.cpp

namespace {
IDragDrop *Current = nullptr;

// The window system's choice for the keys held, as Qt makes it: Ctrl copies,
// Shift moves, both link; without keys the source's default; an effect the
// source does not allow falls back to copy, then move, then link.
int Proposed_Effect(int Offered, int Default, Qt::KeyboardModifiers Keys)
{
    int E = Default == deNone ? deCopy : Default;
    if (Keys.testFlag(Qt::ControlModifier) && Keys.testFlag(Qt::ShiftModifier))
        E = deLink;
    else if (Keys.testFlag(Qt::ControlModifier))
        E = deCopy;
    else if (Keys.testFlag(Qt::ShiftModifier))
        E = deMove;
    if (Offered & E)
        return E;
    for (int F : {deCopy, deMove, deLink})
        if (Offered & F)
            return F;
    return deNone;
}
} // namespace

IDragDrop &Drag_Drop() { return Current ? *Current : Qt_Drag_Drop(); }
void Set_Drag_Drop(IDragDrop *Service) { Current = Service; }

TDropEvent::TDropEvent(const QMimeData &Data, QPoint Pos, QPoint Global_Pos, int Offered, int Proposed,
                       Qt::KeyboardModifiers Keys)
    : FData(Data), FPos(Pos), FGlobal(Global_Pos), FOffered(Offered), FProposed(Proposed), FKeys(Keys)
{
}

QStringList TDropEvent::Formats() const { return FData.formats(); }
bool TDropEvent::Has_Format(const QString &Mime) const { return FData.hasFormat(Mime); }
QByteArray TDropEvent::Data(const QString &Mime) const { return FData.hasFormat(Mime) ? FData.data(Mime) : QByteArray(); }
bool TDropEvent::Has_Text() const { return FData.hasText(); }
QString TDropEvent::Text() const { return FData.text(); }
QList<QUrl> TDropEvent::Urls() const { return FData.urls(); }

int TFakeDragDrop::Start_Drag(QWidget *Source, const TDragRequest &Request)
{
    Started.append({Source, Request});
    const int E = Effects.isEmpty() ? Default_Effect : Effects.takeFirst();
    return E & Request.Allowed;
}

void TFakeDragDrop::Register_Target(QWidget *Target, IDropHandler *Handler)
{
    for (auto &T : FTargets)
        if (T.first == Target) {
            T.second = Handler;
            return;
        }
    FTargets.append({Target, Handler});
}

void TFakeDragDrop::Revoke_Target(QWidget *Target)
{
    for (qsizetype I = 0; I < FTargets.size(); ++I)
        if (FTargets.at(I).first == Target) {
            FTargets.removeAt(I);
            return;
        }
}

IDropHandler *TFakeDragDrop::Handler(QWidget *Target) const
{
    for (const auto &T : FTargets)
        if (T.first == Target)
            return T.second;
    return nullptr;
}

int TFakeDragDrop::Hover(QWidget *Target, const TClipData &Data, QPoint Pos, int Offered, Qt::KeyboardModifiers Keys)
{
    IDropHandler *H = Handler(Target);
    if (!H)
        return deNone;
    std::unique_ptr<QMimeData> M(To_Mime_Data(Data));
    const TDropEvent E(*M, Pos, Pos, Offered, Proposed_Effect(Offered, deCopy, Keys), Keys);
    H->Drag_Enter(E);
    const int Effect = H->Drag_Over(E) & Offered;
    H->Drag_Leave();
    return Effect;
}

int TFakeDragDrop::Deliver_Drop(QWidget *Target, const TClipData &Data, QPoint Pos, int Offered,
                                Qt::KeyboardModifiers Keys)
{
    IDropHandler *H = Handler(Target);
    if (!H)
        return deNone;
    std::unique_ptr<QMimeData> M(To_Mime_Data(Data));
    const TDropEvent E(*M, Pos, Pos, Offered, Proposed_Effect(Offered, deCopy, Keys), Keys);
    H->Drag_Enter(E);
    if ((H->Drag_Over(E) & Offered) == deNone) {
        H->Drag_Leave();
        return deNone;
    }
    return H->Drop(E) & Offered;
}
