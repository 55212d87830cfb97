// The grid model's hidden columns and rows, and the mapping between real and displayed indices.
#include "grid/model/GridModel.h"
#include "grid/model/GridModel_p.h"
#include <algorithm>
#include <iterator>
#include <set>

using namespace Grid_Model_Detail;

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

int TGridModel::Hide_Rows(int From, int To, const std::function<int(int DisplRow)> &Height, THideReason Reason,
                          int RealRows)
{
    // Hiding a row that does not exist would take a display row from the
    // wrong place and bring back a phantom row when shown again.
    if (RealRows >= 0)
        To = std::min(To, RealRows - 1);
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
    // The listed rows join the hidden rows in place, merged from the back:
    // no temporary list of a million records. Old hidden row J sits before
    // display row Index - J, so a listed display row D has the real index
    // D + (old hidden rows sitting at or before D), and those come first.
    const size_t Old = FHiddenRows.size();
    FHiddenRows.resize(Old + DisplRows.size());
    std::ptrdiff_t J = static_cast<std::ptrdiff_t>(Old) - 1;
    size_t Out = FHiddenRows.size();
    for (size_t I = DisplRows.size(); I-- > 0;) {
        const int D = DisplRows[I];
        while (J >= 0 && FHiddenRows[static_cast<size_t>(J)].Index - static_cast<int>(J) > D) {
            FHiddenRows[--Out] = std::move(FHiddenRows[static_cast<size_t>(J)]);
            --J;
        }
        THiddenRow &H = FHiddenRows[--Out];
        H.Index = D + static_cast<int>(J + 1);
        H.Level = Level;
        H.Reason = Reason;
        H.Height = Height ? Height(D) : 0;
        if (D < Stored_Rows())
            H.Cells = std::move(FRows[static_cast<size_t>(D)]);
        else
            H.Cells.clear();
    }
    // Close up the remaining rows in one pass.
    size_t Next = 0, Kept = static_cast<size_t>(DisplRows.front());
    for (size_t R = Kept; R < FRows.size(); ++R) {
        if (Next < DisplRows.size() && static_cast<int>(R) == DisplRows[Next]) {
            ++Next;
            continue;
        }
        if (Kept != R)
            FRows[Kept] = std::move(FRows[R]);
        ++Kept;
    }
    if (Kept < FRows.size())
        FRows.resize(Kept);
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
