#include "grid/model/GridModel.h"
#include <algorithm>
#include <iterator>
#include <set>

namespace {
constexpr std::uintptr_t Int_Bit = 1;
constexpr std::uintptr_t Owned_Bit = 2;

bool Slot_Owned(std::uintptr_t S) { return (S & Int_Bit) == 0 && (S & Owned_Bit) != 0; }
TObject *Slot_Object(std::uintptr_t S)
{
    return reinterpret_cast<TObject *>((S & Int_Bit) ? S : (S & ~Owned_Bit));
}

void Check_Index(int C, int R)
{
    if (C < 0 || R < 0 || C >= TGridModel::Max_Cols || R >= TGridModel::Max_Rows)
        throw EGridError("Grid index out of range");
}

template <typename V>
void Rotate_To(V &Items, int From, int To)
{
    if (From < To)
        std::rotate(Items.begin() + From, Items.begin() + From + 1, Items.begin() + To + 1);
    else if (From > To)
        std::rotate(Items.begin() + To, Items.begin() + From, Items.begin() + From + 1);
}

TCellRange Unite(const TCellRange &A, const TCellRange &B)
{
    if (A.Empty())
        return B;
    if (B.Empty())
        return A;
    return {std::min(A.Left, B.Left), std::min(A.Top, B.Top), std::max(A.Right, B.Right), std::max(A.Bottom, B.Bottom)};
}
} // namespace

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
    // (A copy: a listener may remove itself.)
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
    const TModelCell *Old = Find(C, R);
    if (!Old) {
        Check_Index(C, R);
        if (Text.isEmpty())
            return;
    }
    Ensure(C, R)->Text.Assign(Text);
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

// --- rows and columns ----------------------------------------------------------------------

void TGridModel::Move_Row(int From, int To)
{
    if (From == To || From < 0 || To < 0)
        return;
    const int First = std::min(From, To);
    const int Last = std::max(From, To);
    Check_Index(0, Last);
    Begin_Update();
    // Blocks that the move would cut: the moved row's own, and those reaching
    // over either end of the shifted range.
    Split_Rows_Touching(From, From);
    Split_Rows_Crossing(First);
    Split_Rows_Crossing(Last + 1);
    if (Last >= static_cast<int>(FRows.size()))
        FRows.resize(static_cast<size_t>(Last) + 1);
    Rotate_To(FRows, From, To);
    Renumber_Rows(First, Last);
    Notify_Structure();
    End_Update();
}

void TGridModel::Move_Col(int From, int To)
{
    if (From == To || From < 0 || To < 0)
        return;
    const int First = std::min(From, To);
    const int Last = std::max(From, To);
    Check_Index(Last, 0);
    Begin_Update();
    Split_Cols_Touching(From, From);
    Split_Cols_Crossing(First);
    Split_Cols_Crossing(Last + 1);
    for (std::vector<TModelCell> &Row : FRows) {
        if (static_cast<int>(Row.size()) <= First)
            continue;
        if (static_cast<int>(Row.size()) <= Last)
            Row.resize(static_cast<size_t>(Last) + 1);
        Rotate_To(Row, From, To);
    }
    Renumber_Cols(First, Last);
    Notify_Structure();
    End_Update();
}

void TGridModel::Permute_Cols(const std::vector<int> &Source)
{
    const int N = static_cast<int>(Source.size());
    int First = 0;
    while (First < N && Source[static_cast<size_t>(First)] == First)
        ++First;
    if (First == N)
        return;
    int Last = N - 1;
    while (Source[static_cast<size_t>(Last)] == Last)
        --Last;
    Check_Index(Last, 0);
    Begin_Update();
    Split_Cols_Touching(First, Last);
    Split_Cols_Crossing(First);
    Split_Cols_Crossing(Last + 1);
    std::vector<TModelCell> Old;
    for (std::vector<TModelCell> &Row : FRows) {
        if (static_cast<int>(Row.size()) <= First)
            continue;
        if (static_cast<int>(Row.size()) <= Last)
            Row.resize(static_cast<size_t>(Last) + 1);
        Old.assign(std::make_move_iterator(Row.begin() + First), std::make_move_iterator(Row.begin() + Last + 1));
        for (int I = First; I <= Last; ++I)
            Row[static_cast<size_t>(I)] = std::move(Old[static_cast<size_t>(Source[static_cast<size_t>(I)] - First)]);
    }
    Renumber_Cols(First, Last);
    Notify_Structure();
    End_Update();
}

void TGridModel::Insert_Rows(int At, int Count)
{
    if (Count <= 0 || At < 0)
        return;
    Check_Index(0, At + Count - 1);
    Begin_Update();
    Split_Rows_Crossing(At);
    if (At < Stored_Rows()) {
        if (Stored_Rows() + Count > Max_Rows)
            throw EGridError("Grid index out of range");
        FRows.insert(FRows.begin() + At, static_cast<size_t>(Count), std::vector<TModelCell>());
        Renumber_Rows(At + Count, Stored_Rows() - 1);
    }
    Notify_Structure();
    End_Update();
}

void TGridModel::Insert_Cols(int At, int Count)
{
    if (Count <= 0 || At < 0)
        return;
    Check_Index(At + Count - 1, 0);
    Begin_Update();
    Split_Cols_Crossing(At);
    for (std::vector<TModelCell> &Row : FRows)
        if (At < static_cast<int>(Row.size())) {
            if (static_cast<int>(Row.size()) + Count > Max_Cols)
                throw EGridError("Grid index out of range");
            Row.insert(Row.begin() + At, static_cast<size_t>(Count), TModelCell());
        }
    Renumber_Cols(At + Count, Max_Cols - 1);
    Notify_Structure();
    End_Update();
}

void TGridModel::Delete_Rows(int At, int Count)
{
    if (Count <= 0 || At < 0 || At >= Stored_Rows())
        return;
    Begin_Update();
    Split_Rows_Touching(At, At + Count - 1);
    const int End = std::min(At + Count, Stored_Rows());
    for (int R = At; R < End; ++R)
        for (TModelCell &Cell : FRows[static_cast<size_t>(R)])
            Free_Slot(Cell);
    FRows.erase(FRows.begin() + At, FRows.begin() + End);
    Renumber_Rows(At, Stored_Rows() - 1);
    Notify_Structure();
    End_Update();
}

void TGridModel::Delete_Cols(int At, int Count)
{
    if (Count <= 0 || At < 0)
        return;
    Begin_Update();
    Split_Cols_Touching(At, At + Count - 1);
    for (std::vector<TModelCell> &Row : FRows) {
        if (At >= static_cast<int>(Row.size()))
            continue;
        const int End = std::min(At + Count, static_cast<int>(Row.size()));
        for (int C = At; C < End; ++C)
            Free_Slot(Row[static_cast<size_t>(C)]);
        Row.erase(Row.begin() + At, Row.begin() + End);
    }
    Renumber_Cols(At, Max_Cols - 1);
    Notify_Structure();
    End_Update();
}

void TGridModel::Permute_Rows(int From, const std::vector<int> &Order)
{
    const int N = static_cast<int>(Order.size());
    if (N == 0 || From < 0)
        return;
    std::vector<char> Seen(static_cast<size_t>(N), 0);
    for (int Old : Order) {
        if (Old < From || Old >= From + N || Seen[static_cast<size_t>(Old - From)])
            throw EGridError("Row order is not a permutation of its range");
        Seen[static_cast<size_t>(Old - From)] = 1;
    }
    Check_Index(0, From + N - 1);
    Begin_Update();
    // Blocks over several rows cannot follow rows that part company; a block
    // within one row travels with it whole.
    if (FOwnedCount > 0)
        for (int R = From; R < std::min(From + N, Stored_Rows()); ++R)
            for (int C = 0; C < Stored_Cols(R); ++C) {
                const TCellRange B = Block_Of(C, R);
                if (B.Bottom > B.Top)
                    Split(C, R);
            }
    if (From + N > Stored_Rows())
        FRows.resize(static_cast<size_t>(From + N));
    std::vector<std::vector<TModelCell>> Moved(static_cast<size_t>(N));
    for (int I = 0; I < N; ++I)
        Moved[static_cast<size_t>(I)] = std::move(FRows[static_cast<size_t>(Order[static_cast<size_t>(I)])]);
    for (int I = 0; I < N; ++I)
        FRows[static_cast<size_t>(From + I)] = std::move(Moved[static_cast<size_t>(I)]);
    Renumber_Rows(From, From + N - 1);
    Notify_Structure();
    End_Update();
}

void TGridModel::Sort_Rows(int From, int To, const std::function<bool(int RowA, int RowB)> &Less)
{
    if (To <= From || From < 0)
        return;
    std::vector<int> Order(static_cast<size_t>(To - From + 1));
    for (int I = 0; I < static_cast<int>(Order.size()); ++I)
        Order[static_cast<size_t>(I)] = From + I;
    std::stable_sort(Order.begin(), Order.end(), Less);
    Permute_Rows(From, Order);
}

// --- hidden columns ---------------------------------------------------------------------------

namespace {
template <class TList> auto Hidden_Col_At(TList &List, int C)
{
    return std::lower_bound(List.begin(), List.end(), C, [](const auto &H, int V) { return H.Index < V; });
}
}

bool TGridModel::Is_Hidden_Col(int C) const
{
    auto It = Hidden_Col_At(FColHidden, C);
    return It != FColHidden.end() && It->Index == C;
}

int TGridModel::Hidden_Col_Width(int C) const
{
    auto It = Hidden_Col_At(FColHidden, C);
    return It != FColHidden.end() && It->Index == C ? It->Width : 0;
}

bool TGridModel::Set_Hidden_Col_Width(int C, int Width)
{
    auto It = Hidden_Col_At(FColHidden, C);
    if (It == FColHidden.end() || It->Index != C)
        return false;
    It->Width = Width;
    return true;
}

bool TGridModel::Hide_Col(int C, int Width)
{
    if (C < 0 || C >= Max_Hidable_Cols)
        return false;
    auto It = Hidden_Col_At(FColHidden, C);
    if (It != FColHidden.end() && It->Index == C)
        return false;
    FColHidden.insert(It, THiddenCol{C, Width});
    ++FHiddenCols;
    Notify_Structure();
    return true;
}

bool TGridModel::Unhide_Col(int C)
{
    auto It = Hidden_Col_At(FColHidden, C);
    if (It == FColHidden.end() || It->Index != C)
        return false;
    FColHidden.erase(It);
    --FHiddenCols;
    Notify_Structure();
    return true;
}

int TGridModel::Real_To_Displ_Col(int C) const
{
    if (FHiddenCols == 0 || C < 0)
        return C;
    return C - static_cast<int>(Hidden_Col_At(FColHidden, C) - FColHidden.begin());
}

int TGridModel::Displ_To_Real_Col(int D) const
{
    if (FHiddenCols == 0 || D < 0)
        return D;
    // Every hidden column at or before the candidate pushes it one further.
    int Real = D;
    for (const THiddenCol &H : FColHidden) {
        if (H.Index > Real)
            break;
        ++Real;
    }
    return Real < Max_Cols ? Real : 0;
}

// --- hidden rows --------------------------------------------------------------------------------

bool TGridModel::Is_Hidden_Row(int Real) const
{
    auto It = std::lower_bound(FHiddenRows.begin(), FHiddenRows.end(), Real,
                               [](const THiddenRow &H, int V) { return H.Index < V; });
    return It != FHiddenRows.end() && It->Index == Real;
}

QString TGridModel::Hidden_Cell(int Real, int C) const
{
    auto It = std::lower_bound(FHiddenRows.begin(), FHiddenRows.end(), Real,
                               [](const THiddenRow &H, int V) { return H.Index < V; });
    if (It == FHiddenRows.end() || It->Index != Real || C < 0 || C >= static_cast<int>(It->Cells.size()))
        return QString();
    return It->Cells[static_cast<size_t>(C)].Text.To_String();
}

std::optional<TGridRowData> TGridModel::Hidden_Row_Data(int Real) const
{
    auto It = std::lower_bound(FHiddenRows.begin(), FHiddenRows.end(), Real,
                               [](const THiddenRow &H, int V) { return H.Index < V; });
    if (It == FHiddenRows.end() || It->Index != Real)
        return std::nullopt;
    TGridRowData Data(It->Cells.size());
    for (size_t C = 0; C < It->Cells.size(); ++C) {
        Data[C].Text = It->Cells[C].Text.To_String();
        Data[C].Object = Slot_Object(It->Cells[C].Slot);
    }
    return Data;
}

bool TGridModel::Set_Hidden_Cell(int Real, int C, const QString &Text)
{
    auto It = std::lower_bound(FHiddenRows.begin(), FHiddenRows.end(), Real,
                               [](const THiddenRow &H, int V) { return H.Index < V; });
    if (It == FHiddenRows.end() || It->Index != Real)
        return false;
    Check_Index(C, 0);
    if (C >= static_cast<int>(It->Cells.size()))
        It->Cells.resize(static_cast<size_t>(C) + 1);
    It->Cells[static_cast<size_t>(C)].Text.Assign(Text);
    return true;
}

int TGridModel::Real_To_Displ_Row(int Real) const
{
    auto It = std::lower_bound(FHiddenRows.begin(), FHiddenRows.end(), Real,
                               [](const THiddenRow &H, int V) { return H.Index < V; });
    return Real - static_cast<int>(It - FHiddenRows.begin());
}

int TGridModel::Displ_To_Real_Row(int Displ) const
{
    int Real = Displ;
    for (const THiddenRow &H : FHiddenRows) {
        if (H.Index > Real)
            break;
        ++Real;
    }
    return Real;
}

int TGridModel::Hide_Rows(int From, int To, const std::function<int(int DisplRow)> &Height, THideReason Reason)
{
    if (From < 0 || To < From)
        return 0;
    Check_Index(0, To);
    std::vector<int> Rows;
    for (int R = From; R <= To; ++R)
        if (!Is_Hidden_Row(R))
            Rows.push_back(R);
    if (Rows.empty())
        return 0;
    // The rows still shown in the range follow each other on screen.
    const int D0 = Real_To_Displ_Row(From);
    const int N = static_cast<int>(Rows.size());
    Begin_Update();
    // A block reaching over several rows cannot keep half of its rows; one
    // within a row leaves and comes back with it.
    if (FOwnedCount > 0)
        for (int R = std::max(0, D0 - 1); R <= std::min(D0 + N, Stored_Rows() - 1); ++R)
            for (int C = 0; C < Stored_Cols(R); ++C) {
                const TCellRange B = Block_Of(C, R);
                if (B.Bottom > B.Top && B.Bottom >= D0 && B.Top <= D0 + N - 1)
                    Split(C, R);
            }
    std::vector<THiddenRow> Items(static_cast<size_t>(N));
    for (int K = 0; K < N; ++K) {
        THiddenRow &H = Items[static_cast<size_t>(K)];
        H.Index = Rows[static_cast<size_t>(K)];
        H.Reason = Reason;
        H.Height = Height ? Height(D0 + K) : 0;
        if (D0 + K < Stored_Rows())
            H.Cells = std::move(FRows[static_cast<size_t>(D0 + K)]);
    }
    if (D0 < Stored_Rows())
        FRows.erase(FRows.begin() + D0, FRows.begin() + std::min(D0 + N, Stored_Rows()));
    auto At = std::lower_bound(FHiddenRows.begin(), FHiddenRows.end(), From,
                               [](const THiddenRow &H, int V) { return H.Index < V; });
    // Already hidden rows inside the range stay where they are; insert each new
    // item at its ordered place.
    for (THiddenRow &H : Items) {
        At = std::lower_bound(At, FHiddenRows.end(), H.Index,
                              [](const THiddenRow &X, int V) { return X.Index < V; });
        At = FHiddenRows.insert(At, std::move(H));
        ++At;
    }
    Renumber_Rows(D0, Stored_Rows() - 1);
    Notify_Structure();
    End_Update();
    return N;
}

int TGridModel::Unhide_Rows(int From, int To, const std::function<void(int DisplRow, int Height)> &Restore)
{
    if (!Is_Hidden_Row(From))
        return 0;
    Begin_Update();
    int Shown = 0;
    int FirstDispl = -1;
    for (;;) {
        auto It = std::lower_bound(FHiddenRows.begin(), FHiddenRows.end(), From,
                                   [](const THiddenRow &H, int V) { return H.Index < V; });
        if (It == FHiddenRows.end() || It->Index > To)
            break;
        const int D = It->Index - static_cast<int>(It - FHiddenRows.begin());
        if (D > Stored_Rows())
            FRows.resize(static_cast<size_t>(D));
        FRows.insert(FRows.begin() + D, std::move(It->Cells));
        const int H = It->Height;
        FHiddenRows.erase(It);
        if (FirstDispl < 0)
            FirstDispl = D;
        ++Shown;
        if (Restore)
            Restore(D, H);
    }
    if (FirstDispl >= 0)
        Renumber_Rows(FirstDispl, Stored_Rows() - 1);
    Notify_Structure();
    End_Update();
    return Shown;
}

int TGridModel::Hide_Row_List(const std::vector<int> &DisplRows, int Level, const std::function<int(int DisplRow)> &Height,
                              THideReason Reason)
{
    if (DisplRows.empty())
        return 0;
    for (size_t I = 0; I < DisplRows.size(); ++I)
        if (DisplRows[I] < 0 || (I > 0 && DisplRows[I] <= DisplRows[I - 1]))
            throw EGridError("Row list must be ascending and not negative");
    Check_Index(0, DisplRows.back());
    Begin_Update();
    if (FOwnedCount > 0)
        for (int D : DisplRows)
            for (int C = 0; C < Stored_Cols(D); ++C) {
                const TCellRange B = Block_Of(C, D);
                if (B.Bottom > B.Top)
                    Split(C, D);
            }
    // Real index of each listed row: walk the hidden rows alongside.
    std::vector<THiddenRow> Items(DisplRows.size());
    size_t K = 0;
    for (size_t I = 0; I < DisplRows.size(); ++I) {
        int Real = DisplRows[I] + static_cast<int>(K);
        while (K < FHiddenRows.size() && FHiddenRows[K].Index <= Real) {
            ++K;
            ++Real;
        }
        THiddenRow &H = Items[I];
        H.Index = Real;
        H.Level = Level;
        H.Reason = Reason;
        H.Height = Height ? Height(DisplRows[I]) : 0;
        if (DisplRows[I] < Stored_Rows())
            H.Cells = std::move(FRows[static_cast<size_t>(DisplRows[I])]);
    }
    // Close up the remaining rows in one pass.
    size_t Next = 0, Out = static_cast<size_t>(DisplRows.front());
    for (size_t R = Out; R < FRows.size(); ++R) {
        if (Next < DisplRows.size() && static_cast<int>(R) == DisplRows[Next]) {
            ++Next;
            continue;
        }
        if (Out != R)
            FRows[Out] = std::move(FRows[R]);
        ++Out;
    }
    if (Out < FRows.size())
        FRows.resize(Out);
    std::vector<THiddenRow> Merged;
    Merged.reserve(FHiddenRows.size() + Items.size());
    std::merge(std::make_move_iterator(FHiddenRows.begin()), std::make_move_iterator(FHiddenRows.end()),
               std::make_move_iterator(Items.begin()), std::make_move_iterator(Items.end()), std::back_inserter(Merged),
               [](const THiddenRow &A, const THiddenRow &B) { return A.Index < B.Index; });
    FHiddenRows = std::move(Merged);
    Renumber_Rows(DisplRows.front(), Stored_Rows() - 1);
    Notify_Structure();
    End_Update();
    return static_cast<int>(DisplRows.size());
}

int TGridModel::Unhide_Level(int Level, const std::function<void(int DisplRow, int Height)> &Restore)
{
    return Unhide_Where([Level](const THiddenRow &H) { return H.Level == Level && H.Reason == hrFilter; }, Restore);
}

int TGridModel::Unhide_Where(const std::function<bool(const THiddenRow &)> &Which,
                             const std::function<void(int DisplRow, int Height)> &Restore)
{
    // Display position of a restored row: its real index less the rows that
    // stay hidden before it.
    std::vector<THiddenRow> Stay, Back;
    std::vector<int> Positions;
    for (THiddenRow &H : FHiddenRows) {
        if (Which(H)) {
            Positions.push_back(H.Index - static_cast<int>(Stay.size()));
            Back.push_back(std::move(H));
        } else
            Stay.push_back(std::move(H));
    }
    FHiddenRows = std::move(Stay);
    if (Back.empty())
        return 0;
    Begin_Update();
    const size_t Total = std::max<size_t>(FRows.size() + Back.size(), static_cast<size_t>(Positions.back()) + 1);
    std::vector<std::vector<TModelCell>> Rows(Total);
    size_t Src = 0, Item = 0;
    for (size_t D = 0; D < Total; ++D) {
        if (Item < Back.size() && static_cast<size_t>(Positions[Item]) == D) {
            Rows[D] = std::move(Back[Item].Cells);
            ++Item;
        } else if (Src < FRows.size())
            Rows[D] = std::move(FRows[Src++]);
    }
    while (!Rows.empty() && Rows.back().empty() && Rows.size() > FRows.size() + Back.size())
        Rows.pop_back();
    FRows = std::move(Rows);
    if (Restore)
        for (size_t I = 0; I < Back.size(); ++I)
            Restore(Positions[I], Back[I].Height);
    Renumber_Rows(Positions.front(), Stored_Rows() - 1);
    Notify_Structure();
    End_Update();
    return static_cast<int>(Back.size());
}

int TGridModel::Unhide_Rows_Hidden_For(int From, int To, THideReason Reason,
                                       const std::function<void(int DisplRow, int Height)> &Restore)
{
    // One pass however many rows come back (a node of many rows expands at once).
    return Unhide_Where([&](const THiddenRow &H) { return H.Index >= From && H.Index <= To && H.Reason == Reason; },
                        Restore);
}

void TGridModel::Insert_Display_Rows(int At, int Count)
{
    if (Count <= 0 || At < 0)
        return;
    const int Real = Displ_To_Real_Row(At);
    Insert_Rows(At, Count);
    for (THiddenRow &H : FHiddenRows)
        if (H.Index >= Real)
            H.Index += Count;
    FRowFlags.Rows_Inserted(At, Real, Count);
}

void TGridModel::Delete_Display_Rows(int At, int Count)
{
    if (Count <= 0 || At < 0)
        return;
    std::vector<int> Reals;
    for (int D = At; D < At + Count; ++D)
        Reals.push_back(Displ_To_Real_Row(D));
    Delete_Rows(At, Count);
    for (THiddenRow &H : FHiddenRows)
        H.Index -= static_cast<int>(std::lower_bound(Reals.begin(), Reals.end(), H.Index) - Reals.begin());
    FRowFlags.Rows_Removed(At, Count, Reals);
}

// --- invariants ------------------------------------------------------------------------------------

QString TGridModel::Check_Consistency() const
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
    const int Span = FHiddenRows.empty() ? 0 : FHiddenRows.back().Index + 2;
    for (int D = 0; D < Span; ++D) {
        const int Real = Displ_To_Real_Row(D);
        if (Is_Hidden_Row(Real) || Real_To_Displ_Row(Real) != D)
            return QStringLiteral("row mapping broken at display row %1").arg(D);
    }
    return QString();
}
