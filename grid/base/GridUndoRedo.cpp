#include "grid/base/GridUndoRedo.h"
#include "grid/base/BaseGrid.h"

VOdeGridUndoRedo::VOdeGridUndoRedo(QObject *Owner) : QObject(Owner) {}

TBaseGrid *VOdeGridUndoRedo::Grid() const { return FGrid.data(); }

VOdeGridUndoRedo::~VOdeGridUndoRedo()
{
    // The grid must not keep pointing at a freed history.
    if (FGrid && FGrid->UndoRedo() == this)
        FGrid->Set_UndoRedo(nullptr);
}

void VOdeGridUndoRedo::Set_Grid(TBaseGrid *Value)
{
    if (FGrid == Value)
        return;
    if (FGrid && FGrid->UndoRedo() == this)
        FGrid->Set_UndoRedo(nullptr);
    FGrid = Value;
    if (Value)
        Value->Set_UndoRedo(this);
}

void VOdeGridUndoRedo::Drop_Undone()
{
    if (FLevel >= static_cast<int>(FItems.size()))
        return;
    FItems.erase(FItems.begin() + FLevel, FItems.end());
    // An open sequence whose start marker was undone and dropped is over.
    bool Open = false;
    for (const TUndoRedoItem &It : FItems)
        Open = It.SequenceStart ? true : It.SequenceStop ? false : Open;
    if (!Open)
        FDepth = 0;
}

void VOdeGridUndoRedo::Trim()
{
    if (FMaxLevel <= 0)
        return;
    while (!FItems.empty() && static_cast<int>(FItems.size()) >= FMaxLevel) {
        // The oldest step: one item, or a whole closed sequence.
        std::size_t N = 1;
        if (FItems[0].SequenceStart) {
            while (N < FItems.size() && !FItems[N].SequenceStop)
                ++N;
            if (N == FItems.size())
                return;   // the open sequence being recorded stays whole
            ++N;
        }
        FItems.erase(FItems.begin(), FItems.begin() + static_cast<std::ptrdiff_t>(N));
        FLevel = std::max(0, FLevel - static_cast<int>(N));
    }
}

void VOdeGridUndoRedo::RegisterChange(int ACol, int ARow, const QString &OldValue, const QString &NewValue)
{
    Drop_Undone();
    Trim();
    TUndoRedoItem I;
    I.Col = ACol;
    I.Row = ARow;
    I.Value = NewValue;
    I.OrigValue = OldValue;
    FItems.push_back(I);
    FLevel = static_cast<int>(FItems.size());
}

void VOdeGridUndoRedo::StartSequence()
{
    if (FDepth++ > 0)
        return;
    Drop_Undone();
    TUndoRedoItem I;
    I.SequenceStart = true;
    FItems.push_back(I);
    FLevel = static_cast<int>(FItems.size());
}

void VOdeGridUndoRedo::StopSequence()
{
    if (FDepth == 0 || --FDepth > 0)
        return;
    Drop_Undone();
    TUndoRedoItem I;
    I.SequenceStop = true;
    FItems.push_back(I);
    FLevel = static_cast<int>(FItems.size());
}

void VOdeGridUndoRedo::Apply(const TUndoRedoItem &Item, bool IsUndo)
{
    QPointer<TBaseGrid> G = FGrid;
    const QString &Target = IsUndo ? Item.OrigValue : Item.Value;
    const VOdeGridUndoRedoEvent &Ev = IsUndo ? OnUndo : OnRedo;
    if (Ev)
        Ev(this, G, Item.Col, Item.Row, G->GetCellEx(Item.Col, Item.Row), Target);
    if (!G)
        return;
    G->Undo_Write(Item.Col, Item.Row, Target);
    G->Set_Col(G->DisplColIndex(Item.Col));
    G->Set_Row(Item.Row);
}

void VOdeGridUndoRedo::Undo()
{
    if (!FGrid || FLevel <= 0 || FLevel > static_cast<int>(FItems.size()))
        return;
    const TUndoRedoItem Last = FItems[FLevel - 1];
    if (Last.SequenceStop) {
        --FLevel;
        while (FLevel > 0 && !FItems[FLevel - 1].SequenceStart) {
            const TUndoRedoItem It = FItems[FLevel - 1];
            Apply(It, true);
            --FLevel;
            if (!FGrid)
                return;
        }
        if (FLevel > 0)
            --FLevel;   // past the start marker
        FGrid->InvalidateGrid();
    } else if (Last.SequenceStart) {
        --FLevel;       // the start of a still open sequence holds nothing to undo
    } else {
        Apply(Last, true);
        if (FGrid)
            FGrid->RepaintCell(FGrid->Col(), Last.Row);
        --FLevel;
    }
}

void VOdeGridUndoRedo::Redo()
{
    const int Count = static_cast<int>(FItems.size());
    if (!FGrid || FLevel < 0 || FLevel >= Count)
        return;
    const TUndoRedoItem First = FItems[FLevel];
    ++FLevel;
    if (First.SequenceStart) {
        // Every item up to the stop marker (or to the end of an open sequence).
        while (FLevel < Count) {
            const TUndoRedoItem It = FItems[FLevel];
            ++FLevel;
            if (It.SequenceStop)
                break;
            Apply(It, false);
            if (!FGrid)
                return;
        }
        FGrid->InvalidateGrid();
    } else if (!First.SequenceStop) {
        Apply(First, false);
    }
}

void VOdeGridUndoRedo::Reset()
{
    FItems.clear();
    FLevel = 0;
    FDepth = 0;
}

QString VOdeGridUndoRedo::Check_Consistency() const
{
    if (FLevel < 0 || FLevel > static_cast<int>(FItems.size()))
        return QStringLiteral("level %1 outside 0..%2").arg(FLevel).arg(FItems.size());
    bool Open = false;
    for (std::size_t I = 0; I < FItems.size(); ++I) {
        const TUndoRedoItem &It = FItems[I];
        if (It.SequenceStart && It.SequenceStop)
            return QStringLiteral("item %1 is both start and stop").arg(I);
        if (It.SequenceStart) {
            if (Open)
                return QStringLiteral("nested start at %1").arg(I);
            Open = true;
        } else if (It.SequenceStop) {
            if (!Open)
                return QStringLiteral("stop without start at %1").arg(I);
            Open = false;
        } else if (It.Col < 0 || It.Row < 0) {
            return QStringLiteral("change item %1 without a cell").arg(I);
        }
    }
    if (Open != (FDepth > 0))
        return QStringLiteral("open sequence state differs from the items");
    return {};
}
