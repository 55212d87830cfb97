// The grid model's rows and columns: moving, inserting, deleting, permuting and sorting them.
#include "grid/model/GridModel.h"
#include "grid/model/GridModel_p.h"
#include <algorithm>
#include <iterator>
#include <set>

using namespace Grid_Model_Detail;

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
