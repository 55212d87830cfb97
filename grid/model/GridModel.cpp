#include "grid/model/GridModel.h"
#include "grid/model/GridModel_p.h"
#include <algorithm>
#include <iterator>
#include <set>

using namespace Grid_Model_Detail;

void TModelCellProps::Notify_Changed()
{
    if (FModel)
        FModel->Cell_Changed(FOwnerCol, FOwnerRow);
}

TGridModel::~TGridModel()
{
    FListeners.clear();
    Clear();
    for (THiddenRow &H : FHiddenRows)
        for (TModelCell &Cell : H.Cells)
            Free_Slot(Cell);
}

// --- listeners ------------------------------------------------------------------------

void TGridModel::Add_Listener(IGridModelListener *Listener)
{
    if (Listener && std::find(FListeners.begin(), FListeners.end(), Listener) == FListeners.end())
        FListeners.push_back(Listener);
}

void TGridModel::Remove_Listener(IGridModelListener *Listener)
{
    FListeners.erase(std::remove(FListeners.begin(), FListeners.end(), Listener), FListeners.end());
}

void TGridModel::End_Update()
{
    if (FUpdateDepth == 0 || --FUpdateDepth > 0)
        return;
    const bool Structure = FPendingStructure;
    const TCellRange Range = FPending;
    FPendingStructure = false;
    FPending = TCellRange();
    if (Structure)
        Notify_Structure();
    else if (!Range.Empty())
        Notify_Range(Range);
}

void TGridModel::Notify_Range(const TCellRange &Range)
{
    if (FListeners.empty())
        return;
    if (FUpdateDepth > 0) {
        FPending = Unite(FPending, Range);
        return;
    }
    // A single listener (the grid) is told directly: a copy per written cell
    // would cost an allocation. Else a copy, since a listener may remove itself.
    if (FListeners.size() == 1) {
        FListeners.front()->Model_Cells_Changed(Range);
        return;
    }
    const std::vector<IGridModelListener *> Listeners = FListeners;
    for (IGridModelListener *L : Listeners)
        L->Model_Cells_Changed(Range);
}

void TGridModel::Notify_Structure()
{
    if (FListeners.empty())
        return;
    if (FUpdateDepth > 0) {
        FPendingStructure = true;
        return;
    }
    const std::vector<IGridModelListener *> Listeners = FListeners;
    for (IGridModelListener *L : Listeners)
        L->Model_Structure_Changed();
}

// --- storage ----------------------------------------------------------------------------

const TModelCell *TGridModel::Find(int C, int R) const
{
    if (R < 0 || C < 0 || R >= static_cast<int>(FRows.size()))
        return nullptr;
    const std::vector<TModelCell> &Row = FRows[static_cast<size_t>(R)];
    return C < static_cast<int>(Row.size()) ? &Row[static_cast<size_t>(C)] : nullptr;
}

TModelCell *TGridModel::Ensure(int C, int R)
{
    Check_Index(C, R);
    if (R >= static_cast<int>(FRows.size()))
        FRows.resize(static_cast<size_t>(R) + 1);
    std::vector<TModelCell> &Row = FRows[static_cast<size_t>(R)];
    if (C >= static_cast<int>(Row.size())) {
        // The first write sizes the row to the grid's width at once.
        const size_t Want = static_cast<size_t>(std::max(C + 1, Row.empty() ? FRowWidthHint : 0));
        Row.resize(Want);
    }
    return &Row[static_cast<size_t>(C)];
}

void TGridModel::Free_Slot(TModelCell &Cell)
{
    if (Slot_Owned(Cell.Slot)) {
        delete Slot_Object(Cell.Slot);
        --FOwnedCount;
    }
    Cell.Slot = 0;
}

QString TGridModel::Cell(int C, int R) const
{
    const TModelCell *Cell = Find(C, R);
    return Cell ? Cell->Text.To_String() : QString();
}

void TGridModel::Set_Cell(int C, int R, const QString &Text)
{
    // The text is packed beside and moved in: the same single lookup as a
    // text read from a file.
    Set_Cell_Text(C, R, TCellText(Text));
}

void TGridModel::Set_Cell_Text(int C, int R, TCellText &&Text)
{
    // One lookup for a stored cell (the common case when filling).
    TModelCell *Cell = nullptr;
    if (R >= 0 && C >= 0 && static_cast<size_t>(R) < FRows.size()) {
        std::vector<TModelCell> &Row = FRows[static_cast<size_t>(R)];
        if (static_cast<size_t>(C) < Row.size())
            Cell = &Row[static_cast<size_t>(C)];
    }
    if (!Cell) {
        Check_Index(C, R);
        if (Text.Is_Empty())
            return;
        Cell = Ensure(C, R);
    }
    Cell->Text = std::move(Text);
    Notify_Range({C, R, C, R});
}

TObject *TGridModel::Object(int C, int R) const
{
    const TModelCell *Cell = Find(C, R);
    return Cell ? Slot_Object(Cell->Slot) : nullptr;
}

bool TGridModel::Is_Owned(int C, int R) const
{
    const TModelCell *Cell = Find(C, R);
    return Cell && Slot_Owned(Cell->Slot);
}

void TGridModel::Set_Object(int C, int R, TObject *Object)
{
    if (!Object && !Find(C, R)) {
        Check_Index(C, R);
        return;
    }
    TModelCell *Cell = Ensure(C, R);
    if (Slot_Owned(Cell->Slot))
        --FOwnedCount;   // handed back, not freed
    Cell->Slot = reinterpret_cast<std::uintptr_t>(Object);
    Notify_Range({C, R, C, R});
}

void TGridModel::Adopt_Object(int C, int R, TObject *Object)
{
    if (!Object && !Find(C, R)) {
        Check_Index(C, R);
        return;
    }
    TModelCell *Cell = Ensure(C, R);
    if (Slot_Object(Cell->Slot) != Object || !Slot_Owned(Cell->Slot)) {
        Free_Slot(*Cell);
        if (Object) {
            Cell->Slot = reinterpret_cast<std::uintptr_t>(Object) | Owned_Bit;
            ++FOwnedCount;
        }
    }
    if (auto *P = dynamic_cast<TModelCellProps *>(Object)) {
        P->Set_Model(this);
        P->Set_OwnerCol(C);
        P->Set_OwnerRow(R);
    }
    Notify_Range({C, R, C, R});
}

TObject *TGridModel::Release_Object(int C, int R)
{
    TModelCell *Cell = const_cast<TModelCell *>(Find(C, R));
    if (!Cell)
        return nullptr;
    TObject *O = Slot_Object(Cell->Slot);
    if (Slot_Owned(Cell->Slot))
        --FOwnedCount;
    Cell->Slot = 0;
    Notify_Range({C, R, C, R});
    return O;
}

TModelCellProps *TGridModel::Props(int C, int R) const
{
    const TModelCell *Cell = Find(C, R);
    if (!Cell || !Slot_Owned(Cell->Slot))
        return nullptr;
    return dynamic_cast<TModelCellProps *>(Slot_Object(Cell->Slot));
}

void TGridModel::Free_Owned(const TCellRange &Range, const std::function<void(TObject *)> &Before_Free)
{
    if (FOwnedCount == 0 || Range.Empty())
        return;
    const int Bottom = std::min(Range.Bottom, Stored_Rows() - 1);
    for (int R = std::max(0, Range.Top); R <= Bottom; ++R) {
        std::vector<TModelCell> &Row = FRows[static_cast<size_t>(R)];
        const int Right = std::min(Range.Right, static_cast<int>(Row.size()) - 1);
        for (int C = std::max(0, Range.Left); C <= Right; ++C) {
            TModelCell &Cell = Row[static_cast<size_t>(C)];
            if (!Slot_Owned(Cell.Slot))
                continue;
            if (Before_Free)
                Before_Free(Slot_Object(Cell.Slot));
            Free_Slot(Cell);
        }
    }
    Notify_Range(Range);
}

void TGridModel::For_Each_Owned(const std::function<void(TObject *)> &Visit) const
{
    if (FOwnedCount == 0)
        return;
    for (const std::vector<TModelCell> &Row : FRows)
        for (const TModelCell &Cell : Row)
            if (Slot_Owned(Cell.Slot))
                Visit(Slot_Object(Cell.Slot));
    for (const THiddenRow &H : FHiddenRows)
        for (const TModelCell &Cell : H.Cells)
            if (Slot_Owned(Cell.Slot))
                Visit(Slot_Object(Cell.Slot));
}

TGridRowData TGridModel::Row(int R, int Count) const
{
    TGridRowData Data(static_cast<size_t>(std::max(0, Count)));
    for (int C = 0; C < Count; ++C)
        if (const TModelCell *Cell = Find(C, R)) {
            Data[static_cast<size_t>(C)].Text = Cell->Text.To_String();
            Data[static_cast<size_t>(C)].Object = Slot_Object(Cell->Slot);
        }
    return Data;
}

void TGridModel::Set_Row(int R, const TGridRowData &Data)
{
    Begin_Update();
    for (size_t C = 0; C < Data.size(); ++C) {
        Set_Cell(static_cast<int>(C), R, Data[C].Text);
        Set_Object(static_cast<int>(C), R, Data[C].Object);
    }
    End_Update();
}

void TGridModel::Clear()
{
    for (std::vector<TModelCell> &Row : FRows)
        for (TModelCell &Cell : Row)
            Free_Slot(Cell);
    FRows.clear();
    Notify_Structure();
}

// --- merged blocks ------------------------------------------------------------------------

TCellRange TGridModel::Block_Of(int C, int R) const
{
    const TModelCellProps *P = Props(C, R);
    if (!P || !P->Has_Spans())
        return {C, R, C, R};
    const TPoint B = P->GetBaseCell(C, R);
    const TModelCellProps *BP = Props(B.X, B.Y);
    if (!BP || !BP->IsBaseCell())
        return {C, R, C, R};
    return {B.X, B.Y, B.X + std::max(0, BP->CellSpanX()), B.Y + std::max(0, BP->CellSpanY())};
}

bool TGridModel::Split(int C, int R)
{
    TModelCellProps *P = Props(C, R);
    if (!P || !P->Has_Spans())
        return false;
    const TCellRange Block = Block_Of(C, R);
    const TPoint B{Block.Left, Block.Top};
    for (int J = Block.Top; J <= Block.Bottom; ++J)
        for (int I = Block.Left; I <= Block.Right; ++I) {
            TModelCellProps *Q = Props(I, J);
            if (!Q || !Q->Has_Spans() || (Q->GetBaseCell(I, J).X != B.X || Q->GetBaseCell(I, J).Y != B.Y))
                continue;
            Q->Set_IsBaseCell(true);
            Q->Set_CellSpanX(-1);
            Q->Set_CellSpanY(-1);
        }
    // A member whose base no longer records the block is reset alone.
    P->Set_IsBaseCell(true);
    P->Set_CellSpanX(-1);
    P->Set_CellSpanY(-1);
    Notify_Range(Unite(Block, {C, R, C, R}));
    return true;
}

bool TGridModel::Merge(int C, int R, int SpanX, int SpanY, const TPropsFactory &Make, int *Blocks_Split)
{
    if (Blocks_Split)
        *Blocks_Split = 0;
    if (SpanX < 1 || SpanY < 1)
        return false;
    Check_Index(C + SpanX - 1, R + SpanY - 1);
    Begin_Update();
    for (int J = R; J < R + SpanY; ++J)
        for (int I = C; I < C + SpanX; ++I)
            if (Split(I, J) && Blocks_Split)
                ++*Blocks_Split;
    for (int J = R; J < R + SpanY; ++J)
        for (int I = C; I < C + SpanX; ++I) {
            TModelCellProps *P = Props(I, J);
            if (!P) {
                P = Make(I, J);
                Adopt_Object(I, J, P);
            }
            if (I == C && J == R) {
                P->Set_IsBaseCell(true);
                P->Set_CellSpanX(SpanX - 1);
                P->Set_CellSpanY(SpanY - 1);
            } else {
                P->Set_IsBaseCell(false);
                P->Set_CellSpanX(I - C);
                P->Set_CellSpanY(J - R);
            }
        }
    Notify_Range({C, R, C + SpanX - 1, R + SpanY - 1});
    End_Update();
    return true;
}

void TGridModel::Split_Rows_Crossing(int Edge)
{
    if (FOwnedCount == 0 || Edge <= 0 || Edge >= Stored_Rows())
        return;
    const int Cols = Stored_Cols(Edge);
    for (int C = 0; C < Cols; ++C) {
        const TCellRange B = Block_Of(C, Edge);
        if (B.Top < Edge && B.Bottom >= Edge)
            Split(C, Edge);
    }
}

void TGridModel::Split_Cols_Crossing(int Edge)
{
    if (FOwnedCount == 0 || Edge <= 0)
        return;
    for (int R = 0; R < Stored_Rows(); ++R) {
        if (Edge >= Stored_Cols(R))
            continue;
        const TCellRange B = Block_Of(Edge, R);
        if (B.Left < Edge && B.Right >= Edge)
            Split(Edge, R);
    }
}

void TGridModel::Split_Rows_Touching(int From, int To)
{
    if (FOwnedCount == 0)
        return;
    for (int R = std::max(0, From); R <= std::min(To, Stored_Rows() - 1); ++R)
        for (int C = 0; C < Stored_Cols(R); ++C)
            Split(C, R);
}

void TGridModel::Split_Cols_Touching(int From, int To)
{
    if (FOwnedCount == 0)
        return;
    for (int R = 0; R < Stored_Rows(); ++R)
        for (int C = std::max(0, From); C <= std::min(To, Stored_Cols(R) - 1); ++C)
            Split(C, R);
}

void TGridModel::Renumber_Rows(int From, int To)
{
    if (FOwnedCount == 0)
        return;
    for (int R = std::max(0, From); R <= std::min(To, Stored_Rows() - 1); ++R) {
        std::vector<TModelCell> &Row = FRows[static_cast<size_t>(R)];
        for (size_t C = 0; C < Row.size(); ++C)
            if (Slot_Owned(Row[C].Slot))
                if (auto *P = dynamic_cast<TModelCellProps *>(Slot_Object(Row[C].Slot))) {
                    P->Set_OwnerCol(static_cast<int>(C));
                    P->Set_OwnerRow(R);
                }
    }
}

void TGridModel::Renumber_Cols(int From, int To)
{
    if (FOwnedCount == 0)
        return;
    for (int R = 0; R < Stored_Rows(); ++R) {
        std::vector<TModelCell> &Row = FRows[static_cast<size_t>(R)];
        for (int C = std::max(0, From); C <= std::min(To, static_cast<int>(Row.size()) - 1); ++C)
            if (Slot_Owned(Row[static_cast<size_t>(C)].Slot))
                if (auto *P = dynamic_cast<TModelCellProps *>(Slot_Object(Row[static_cast<size_t>(C)].Slot))) {
                    P->Set_OwnerCol(C);
                    P->Set_OwnerRow(R);
                }
    }
}

// --- invariants ------------------------------------------------------------------------------------

QString TGridModel::Check_Consistency(int DisplRows) const
{
    auto At = [](const char *What, int C, int R) { return QStringLiteral("%1 at (%2, %3)").arg(QLatin1String(What)).arg(C).arg(R); };
    long long Owned = 0;
    std::set<std::pair<int, int>> Covered;   // members of blocks
    for (int R = 0; R < Stored_Rows(); ++R)
        for (int C = 0; C < Stored_Cols(R); ++C) {
            const std::uintptr_t S = FRows[static_cast<size_t>(R)][static_cast<size_t>(C)].Slot;
            if (!Slot_Owned(S))
                continue;
            ++Owned;
            if (!Slot_Object(S))
                return At("owned empty slot", C, R);
            const auto *P = dynamic_cast<const TModelCellProps *>(Slot_Object(S));
            if (!P)
                continue;
            if (P->Model() != this)
                return At("properties of another model", C, R);
            if (P->OwnerCol() != C || P->OwnerRow() != R)
                return At("properties record another position", C, R);
            if (!P->Has_Spans())
                continue;
            if (P->CellSpanX() < 0 || P->CellSpanY() < 0)
                return At("half-set spans", C, R);
            if (!P->IsBaseCell()) {
                const TPoint B = P->GetBaseCell(C, R);
                const TModelCellProps *BP = Props(B.X, B.Y);
                if (!BP || !BP->IsBaseCell() || !BP->Has_Spans() || B.X + BP->CellSpanX() < C
                    || B.Y + BP->CellSpanY() < R)
                    return At("member outside its base's block", C, R);
                continue;
            }
            for (int J = R; J <= R + P->CellSpanY(); ++J)
                for (int I = C; I <= C + P->CellSpanX(); ++I) {
                    if (!Covered.insert({I, J}).second)
                        return At("cell in two blocks", I, J);
                    if (I == C && J == R)
                        continue;
                    const TModelCellProps *M = Props(I, J);
                    if (!M || M->IsBaseCell() || M->CellSpanX() != I - C || M->CellSpanY() != J - R)
                        return At("block member disagrees with its base", I, J);
                }
        }
    for (const THiddenRow &H : FHiddenRows)
        for (const TModelCell &Cell : H.Cells)
            if (Slot_Owned(Cell.Slot))
                ++Owned;
    if (Owned != FOwnedCount)
        return QStringLiteral("owned object count %1, found %2").arg(FOwnedCount).arg(Owned);
    if (static_cast<int>(FColHidden.size()) != FHiddenCols)
        return QStringLiteral("hidden column count %1, found %2").arg(FHiddenCols).arg(FColHidden.size());
    for (size_t I = 1; I < FColHidden.size(); ++I)
        if (FColHidden[I - 1].Index >= FColHidden[I].Index)
            return QStringLiteral("hidden columns out of order at %1").arg(FColHidden[I].Index);
    const int ColSpan = FColHidden.empty() ? 0 : FColHidden.back().Index + 2 - FHiddenCols;
    for (int D = 0; D < ColSpan; ++D) {
        const int Real = Displ_To_Real_Col(D);
        if (Is_Hidden_Col(Real) || Real_To_Displ_Col(Real) != D)
            return QStringLiteral("column mapping broken at display column %1").arg(D);
    }
    for (size_t I = 1; I < FHiddenRows.size(); ++I)
        if (FHiddenRows[I - 1].Index >= FHiddenRows[I].Index)
            return QStringLiteral("hidden rows out of order at %1").arg(FHiddenRows[I].Index);
    if (DisplRows >= 0 && !FHiddenRows.empty() && FHiddenRows.back().Index >= DisplRows + Hidden_Row_Count())
        return QStringLiteral("hidden row %1 beyond the %2 real rows").arg(FHiddenRows.back().Index).arg(DisplRows + Hidden_Row_Count());
    const int Span = FHiddenRows.empty() ? 0 : FHiddenRows.back().Index + 2;
    for (int D = 0; D < Span; ++D) {
        const int Real = Displ_To_Real_Row(D);
        if (Is_Hidden_Row(Real) || Real_To_Displ_Row(Real) != D)
            return QStringLiteral("row mapping broken at display row %1").arg(D);
    }
    if (!FRowFlags.SelectedCells.Check_Consistency())
        return QStringLiteral("selected-cell list holds a cell twice or out of range");
    return QString();
}
