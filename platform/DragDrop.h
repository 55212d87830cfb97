#pragma once
#include "platform/Clipboard.h"
#include <QList>
#include <QPixmap>
#include <QPoint>
#include <QStringList>
#include <QUrl>
#include <functional>
class QMimeData;
class QWidget;

// Drag and drop between windows and programs, behind one narrow service so
// that tests start drags and deliver drops without a pointer. Data travels
// as MIME formats (ExchangeFormats.h), the same as on the clipboard.

// Drop effects, as bits; the values are those of OLE and of Qt's drop actions.
enum TDropEffect : int { deNone = 0, deCopy = 1, deMove = 2, deLink = 4 };

struct TDragRequest
{
    TClipData Data;                 // the formats the drag offers
    int Allowed = deCopy;           // TDropEffect bits the source allows
    int Default = deCopy;           // the effect without keys held
    QPixmap Picture;                // shown under the pointer (none: the platform's)
    QPoint Hot_Spot;                // the pointer's place in Picture
    // The effect the target under the pointer would take now, each time it
    // changes (deNone: no drop there).
    std::function<void(int Effect)> Effect_Changed;
};

// What a target is told about a drag over it.
class TDropEvent
{
public:
    TDropEvent(const QMimeData &Data, QPoint Pos, QPoint Global_Pos, int Offered, int Proposed,
               Qt::KeyboardModifiers Keys);
    QPoint Pos() const { return FPos; }                // in the target widget
    QPoint Global_Pos() const { return FGlobal; }
    int Offered() const { return FOffered; }           // TDropEffect bits the source allows
    int Proposed() const { return FProposed; }         // the platform's choice for the keys held
    Qt::KeyboardModifiers Keys() const { return FKeys; }
    // The data: readable during the whole drag, fetched when asked for.
    QStringList Formats() const;
    bool Has_Format(const QString &Mime) const;
    QByteArray Data(const QString &Mime) const;
    bool Has_Text() const;
    QString Text() const;
    // Files and web addresses (text/uri-list).
    QList<QUrl> Urls() const;

private:
    const QMimeData &FData;
    QPoint FPos, FGlobal;
    int FOffered, FProposed;
    Qt::KeyboardModifiers FKeys;
};

class IDropHandler
{
public:
    virtual ~IDropHandler() = default;
    // Enter and Over answer the effect a drop here would take (deNone: none
    // here, the pointer says so); Drop answers the effect taken, which the
    // source learns as the drag's result.
    virtual int Drag_Enter(const TDropEvent &Event) = 0;
    virtual int Drag_Over(const TDropEvent &Event) = 0;
    virtual void Drag_Leave() = 0;
    virtual int Drop(const TDropEvent &Event) = 0;
};

class IDragDrop
{
public:
    virtual ~IDragDrop() = default;
    // Runs a drag from Source until it ends: the effect the target took, or
    // deNone for a drag cancelled or dropped where nothing takes it.
    virtual int Start_Drag(QWidget *Source, const TDragRequest &Request) = 0;
    // Target takes drops through Handler (not owned) until revoked or destroyed.
    virtual void Register_Target(QWidget *Target, IDropHandler *Handler) = 0;
    virtual void Revoke_Target(QWidget *Target) = 0;
};

IDragDrop &Drag_Drop();
// Installs a service (not owned); nullptr restores the window system's.
void Set_Drag_Drop(IDragDrop *Service);

// Records the drags started (answering each from a queue, then with
// Default_Effect) and the targets registered; a test delivers drops to them.
// Install with TDragDropGuard.
class TFakeDragDrop : public IDragDrop
{
public:
    struct TStarted
    {
        QWidget *Source;
        TDragRequest Request;
    };
    QList<TStarted> Started;
    QList<int> Effects;
    int Default_Effect = deNone;

    int Start_Drag(QWidget *Source, const TDragRequest &Request) override;
    void Register_Target(QWidget *Target, IDropHandler *Handler) override;
    void Revoke_Target(QWidget *Target) override;
    // The handler registered for Target, or null.
    IDropHandler *Handler(QWidget *Target) const;

    // A drag that enters Target at Pos, moves there and is dropped: Enter,
    // Over and, when Over allowed an effect, Drop (else Leave). Answers the
    // effect of the drop (deNone when there was no drop or no target).
    int Deliver_Drop(QWidget *Target, const TClipData &Data, QPoint Pos, int Offered = deCopy | deMove,
                     Qt::KeyboardModifiers Keys = Qt::NoModifier);
    // A drag that enters Target at Pos, moves there and leaves: the effect Over answered.
    int Hover(QWidget *Target, const TClipData &Data, QPoint Pos, int Offered = deCopy | deMove,
              Qt::KeyboardModifiers Keys = Qt::NoModifier);

private:
    QList<QPair<QWidget *, IDropHandler *>> FTargets;
};

class TDragDropGuard
{
public:
    explicit TDragDropGuard(IDragDrop *Service) { Set_Drag_Drop(Service); }
    ~TDragDropGuard() { Set_Drag_Drop(nullptr); }
    TDragDropGuard(const TDragDropGuard &) = delete;
    TDragDropGuard &operator=(const TDragDropGuard &) = delete;
};
