#pragma once
#include <QObject>
#include <QPointer>
#include <QString>
#include "grid/base/BaseGrid.h"
#include <functional>
#include <deque>

class TBaseGrid;

// One recorded change of a cell text, or a sequence marker (Col and Row -1).
struct TUndoRedoItem {
    int Row = -1;
    int Col = -1;               // real column
    QString Value;              // the new text
    QString OrigValue;          // the text before the change
    bool SequenceStart = false;
    bool SequenceStop = false;
};

class VOdeGridUndoRedo;
// OrigValue: the text the cell holds now; NewValue: the text it is about to get.
using VOdeGridUndoRedoEvent = std::function<void(VOdeGridUndoRedo *Sender, TBaseGrid *Grid, int Col, int Row,
                                                 const QString &OrigValue, const QString &NewValue)>;

// The undo and redo history of one grid's cell texts. Items 0 .. Level - 1
// are applied, items from Level on are undone. A sequence [start, ..., stop]
// undoes and redoes as one step.
//
// Rules that keep the history sound (each tested):
// - a new change (or sequence) after an undo drops the undone items, so the
//   history is always one straight line;
// - Level stays within 0 .. the item count;
// - MaxLevel trims whole steps from the front: a sequence leaves with all of
//   its items, never with its start marker alone;
// - sequences do not nest: an inner StartSequence only deepens the open one,
//   and a StopSequence without an open sequence is ignored;
// - Reset empties the history and sets Level to 0.
class VOdeGridUndoRedo : public QObject {
    Q_OBJECT
public:
    explicit VOdeGridUndoRedo(QObject *Owner = nullptr);
    ~VOdeGridUndoRedo() override;

    const std::deque<TUndoRedoItem> &Items() const { return FItems; }
    TBaseGrid *Grid() const;
    // Links both ways (the grid's UndoRedo points here); nullptr unlinks.
    // A grid that is destroyed is forgotten.
    Q_INVOKABLE void Set_Grid(TBaseGrid *Value);
    int Level() const { return FLevel; }
    int MaxLevel() const { return FMaxLevel; }
    void Set_MaxLevel(int Value) { FMaxLevel = Value < 0 ? 0 : Value; }

    VOdeGridUndoRedoEvent OnUndo;
    VOdeGridUndoRedoEvent OnRedo;

    virtual void RegisterChange(int ACol, int ARow, const QString &OldValue, const QString &NewValue);
    virtual void StartSequence();
    virtual void StopSequence();
    void Undo();
    void Redo();
    bool CanUndo() const { return FLevel > 0; }
    bool CanRedo() const { return FLevel < static_cast<int>(FItems.size()); }
    void Reset();

    // True while a sequence is open (started and not stopped).
    bool In_Sequence() const { return FDepth > 0; }
    // Empty when the history is consistent, else what is wrong (tests).
    QString Check_Consistency() const;

private:
    void Drop_Undone();
    void Trim();
    void Apply(const TUndoRedoItem &Item, bool IsUndo);

    std::deque<TUndoRedoItem> FItems;
    QPointer<TBaseGrid> FGrid;
    int FLevel = 0;
    int FMaxLevel = 0;
    int FDepth = 0;
};
