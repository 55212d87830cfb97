// The column grid: its collection of column items kept in step with the
// grid's real columns, column moves, widths, the column pop-up menus and the
// editor limits taken from the items.
#include "grid/columngrid/VIdiDidireDedu.h"
#include <algorithm>
#include <QPointer>
#include <cmath>

namespace {
// a * b / c rounded to the nearest whole number, halves away from zero.
int Mul_Div(int A, int B, int C)
{
    if (C == 0)
        return -1;
    return static_cast<int>(std::lround(static_cast<double>(A) * B / C));
}

// Sets a flag for the life of a scope and puts the old value back.
class TFlagGuard {
public:
    TFlagGuard(TGridColumnCollection &C) : FC(C), FOld(C.NoRecursiveUpdate()) { C.Set_NoRecursiveUpdate(true); }
    ~TFlagGuard() { FC.Set_NoRecursiveUpdate(FOld); }

private:
    TGridColumnCollection &FC;
    bool FOld;
};
} // namespace

VIdiDidireDedu::VIdiDidireDedu(QWidget *Parent) : RIraRevadiVizo(Parent)
{
    FColumnCollection = CreateColumns();
    FSaveCol = std::make_unique<TGridColumnItem>(nullptr);
    SyncColumnItems();
}

VIdiDidireDedu::~VIdiDidireDedu()
{
    FColumnCollection.reset();
    FSaveCol.reset();
}

std::unique_ptr<TGridColumnCollection> VIdiDidireDedu::CreateColumns()
{
    return std::make_unique<TGridColumnCollection>(this);
}

void VIdiDidireDedu::Set_ColCount(int Value)
{
    RIraRevadiVizo::Set_ColCount(Value);
    SyncColumnItems();
}

void VIdiDidireDedu::SyncColumnItems()
{
    if (!FColumnCollection || FSyncing)
        return;
    FSyncing = true;
    {
        TFlagGuard Guard(*FColumnCollection);
        const int Want = ColCount() + NumHiddenColumns();
        // A column taken out or put back in the middle (grouping) takes its
        // own item along, so the items after it stay with their columns.
        if (FColumnCollection->Count() == Want + 1 && FSyncAt >= 0 && FSyncAt < FColumnCollection->Count())
            FColumnCollection->Remove_Silently(FSyncAt);
        if (FColumnCollection->Count() + 1 == Want && FSyncAt >= 0 && FSyncAt <= FColumnCollection->Count())
            FColumnCollection->Insert(FSyncAt);
        while (FColumnCollection->Count() < Want)
            FColumnCollection->Add();
        while (FColumnCollection->Count() > Want)
            FColumnCollection->Remove_Silently(FColumnCollection->Count() - 1);
    }
    FSyncing = false;
}

void VIdiDidireDedu::SizeChanged(int OldColCount, int OldRowCount)
{
    RIraRevadiVizo::SizeChanged(OldColCount, OldRowCount);
    SyncColumnItems();
}

void VIdiDidireDedu::InsertCols(int ColIndex, int CCount)
{
    if (CCount <= 0 || ColIndex < 0)
        return;
    const int At = std::min(ColIndex, FColumnCollection->Count());
    // The count changes through the string grid first; the items are put in
    // at the columns' place here, not appended by the size sync.
    FSyncing = true;
    try {
        RIraRevadiVizo::InsertCols(ColIndex, CCount);
    } catch (...) {
        FSyncing = false;
        throw;
    }
    FSyncing = false;
    FColumnCollection->Set_NoRecursiveUpdate(true);
    for (int I = 0; I < CCount; ++I)
        FColumnCollection->Insert(At);
    FColumnCollection->Set_NoRecursiveUpdate(false);
    SyncColumnItems();
    RefreshColumnHeaders();
}

void VIdiDidireDedu::RemoveCols(int ColIndex, int CCount)
{
    const int Before = ColCount() + NumHiddenColumns();
    FSyncing = true;
    try {
        RIraRevadiVizo::RemoveCols(ColIndex, CCount);
    } catch (...) {
        FSyncing = false;
        throw;
    }
    FSyncing = false;
    const int Removed = Before - (ColCount() + NumHiddenColumns());
    for (int I = 0; I < Removed && ColIndex < FColumnCollection->Count(); ++I)
        FColumnCollection->Remove_Silently(ColIndex);
    SyncColumnItems();
    RefreshColumnHeaders();
    Invalidate();
}

void VIdiDidireDedu::RecalcFooter()
{
    RIraRevadiVizo::RecalcFooter();
    SyncColumnItems();
}

TGridColumnItem *VIdiDidireDedu::GetColumnByName(const QString &AValue) const
{
    for (int I = 0; I < FColumnCollection->Count(); ++I)
        if (FColumnCollection->Items(I)->Name() == AValue)
            return FColumnCollection->Items(I);
    return nullptr;
}

TGridColumnItem *VIdiDidireDedu::Item_Of(int ARealCol) const
{
    if (!FColumnCollection || ARealCol < 0 || ARealCol >= FColumnCollection->Count())
        return nullptr;
    return FColumnCollection->Items(ARealCol);
}

void VIdiDidireDedu::RefreshColumnHeaders()
{
    if (!FColumnCollection || FixedRows() <= 0)
        return;
    QStringList &Headers = ColumnHeaderList();
    Headers.clear();
    for (int I = 0; I < FColumnCollection->Count(); ++I) {
        TGridColumnItem *Item = FColumnCollection->Items(I);
        if (Item->Header().isEmpty() && !Cells(I, 0).isEmpty())
            Item->FColumnHeader = Cells(I, 0);
        Headers.append(Item->Header());
    }
}

void VIdiDidireDedu::ColumnHeadersChanged()
{
    if (!FColumnCollection)
        return;
    const QStringList &Headers = ColumnHeaders();
    for (int I = 0; I < FColumnCollection->Count() && I < Headers.size(); ++I)
        FColumnCollection->Items(I)->FColumnHeader = Headers[I];
}

void VIdiDidireDedu::Loaded()
{
    RIraRevadiVizo::Loaded();
    SyncColumnItems();
    // Each item's place as loaded is its default place.
    for (int I = 0; I < FColumnCollection->Count(); ++I)
        FColumnCollection->Items(I)->Set_DefIdx(I);
}

void VIdiDidireDedu::ChangeScale(int M, int D)
{
    RIraRevadiVizo::ChangeScale(M, D);
    if (M == D)
        return;
    for (int I = 0; I < ColCount() && I < FColumnCollection->Count(); ++I) {
        TGridColumnItem *Item = FColumnCollection->Items(I);
        Item->FFont.Size = Mul_Div(Item->FFont.Size, M, D);
        Item->FHeaderFont.Size = Mul_Div(Item->FHeaderFont.Size, M, D);
    }
    Invalidate();
}

void VIdiDidireDedu::Notification(QObject *AComponent, TOperation Operation)
{
    RIraRevadiVizo::Notification(AComponent, Operation);
    if (Operation != opRemove || !AComponent)
        return;
    for (int I = 0; I < FColumnCollection->Count(); ++I) {
        TGridColumnItem *Item = FColumnCollection->Items(I);
        if (Item->EditLink() == AComponent)
            Item->Set_EditLink(nullptr);
        if (Item->ColumnPopup() == AComponent)
            Item->Set_ColumnPopup(nullptr);
    }
}

void VIdiDidireDedu::ColumnMoved(int FromIndex, int ToIndex)
{
    TGridColumnCollection &Cols = *FColumnCollection;
    const bool OldNoRec = Cols.NoRecursiveUpdate();
    Cols.Set_NoRecursiveUpdate(true);
    const int T0 = TopRow();
    const int RFrom = RealColIndex(FromIndex);
    const int RTo = RealColIndex(ToIndex);
    QPointer<VIdiDidireDedu> Self(this);
    RIraRevadiVizo::ColumnMoved(FromIndex, ToIndex);
    if (!Self)
        return;
    Cols.BeginUpdate();
    FColMoving = true;
    if (RFrom >= 0 && RFrom < Cols.Count() && RTo >= 0 && RTo < Cols.Count()) {
        // The item travels by copy: popup type and the print "custom" flags
        // are not part of the copy and come back as a new item has them.
        TGridColumnItem *Copy = Cols.Add();
        Copy->Assign(Cols.Items(RFrom));
        Cols.Remove_Silently(RFrom);
        Cols.Insert(RTo)->Assign(Copy);
        Cols.Remove_Silently(Cols.Count() - 1);
    }
    Set_TopRow(T0);
    FColMoving = false;
    Cols.EndUpdate();
    Cols.Set_NoRecursiveUpdate(OldNoRec);
    if (OnAfterColumnMoved)
        OnAfterColumnMoved(this, RFrom, RTo);
}

void VIdiDidireDedu::ColWidthsChanged()
{
    RIraRevadiVizo::ColWidthsChanged();
    if (!FColumnCollection || IsLoading() || Destroying())
        return;
    for (int C = 0; C < ColCount(); ++C) {
        const int R = RealColIndex(C);
        if (R < FColumnCollection->Count())
            FColumnCollection->Items(R)->FWidth = ColWidths(C);
    }
}

void VIdiDidireDedu::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    QPointer<VIdiDidireDedu> Self(this);
    RIraRevadiVizo::MouseDown(Button, Shift, X, Y);
    if (Self && !Shift.Contains(ssDouble))
        Column_Popup(Button, X, Y);
}

void VIdiDidireDedu::Column_Popup(TMouseButton Button, int X, int Y)
{
    int C = -1, R = -1;
    MouseToCell(X, Y, C, R);
    if (!FColumnCollection || C < 0 || R < 0 || C >= FColumnCollection->Count())
        return;
    TGridColumnItem *Item = FColumnCollection->Items(C);
    QMenu *Menu = Item->ColumnPopup();
    if (!Menu || Button == mbMiddle)
        return;
    const TColumnPopupType T = Item->ColumnPopupType();
    const bool Left = Button == mbLeft;
    const TColumnPopupType Fixed = Left ? cpFixedCellsLClick : cpFixedCellsRClick;
    const TColumnPopupType Normal = Left ? cpNormalCellsLClick : cpNormalCellsRClick;
    const TColumnPopupType All = Left ? cpAllCellsLClick : cpAllCellsRClick;
    if (T != Fixed && T != Normal && T != All)
        return;
    const TRect CR = CellRect(C, R);
    const QPoint At = viewport()->mapToGlobal(QPoint(CR.Left, CR.Bottom));
    QPointer<VIdiDidireDedu> Self(this);
    // The event comes first, also when the row kind then shows no menu.
    if (OnColumnPopup)
        OnColumnPopup(this, C, R, Menu);
    if (!Self || !Item->ColumnPopup())
        return;
    const bool Header = R < FixedRows();
    if ((Header && (T == Fixed || T == All)) || (!Header && (T == Normal || T == All)))
        Item->ColumnPopup()->popup(At);
}

int VIdiDidireDedu::GetEditLimit()
{
    if (FColumnCollection && Col() < FColumnCollection->Count() && Col() >= FixedCols())
        if (TGridColumnItem *Item = Item_Of(RealColIndex(Col())))
            return Item->EditLength();
    return RIraRevadiVizo::GetEditLimit();
}

QString VIdiDidireDedu::GetEditMask(int ACol, int ARow)
{
    QString Mask;
    if (FColumnCollection && ACol < FColumnCollection->Count() && ACol >= FixedCols())
        if (TGridColumnItem *Item = Item_Of(RealColIndex(ACol)))
            Mask = Item->EditMask();
    const QString Own = RIraRevadiVizo::GetEditMask(ACol, ARow);
    return Own.isEmpty() ? Mask : Own;
}

int VIdiDidireDedu::GetVersionNr() { return (3 << 24) | (1 << 16) | (3 << 8) | 1; }

QString VIdiDidireDedu::GetVersionString() { return Version() + QStringLiteral(" Aug, 2012"); }
