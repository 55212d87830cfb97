#include "grid/model/GridRowFlags.h"
#include "grid/model/DarAzidError.h"
#include <algorithm>

bool TGridFlagList::Get(int Index, const char *Message) const
{
    if (Index < 0)
        throw EDarAzidError(Message);
    return Index < Length() && FFlags[static_cast<size_t>(Index)] != 0;
}

bool TGridFlagList::Set(int Index, bool Value, const char *Message)
{
    if (Index < 0)
        throw EDarAzidError(Message);
    Extend(Index + 1);
    const bool Old = FFlags[static_cast<size_t>(Index)] != 0;
    FFlags[static_cast<size_t>(Index)] = Value ? 1 : 0;
    FSet += int(Value) - int(Old);
    return Old;
}

void TGridFlagList::Extend(int Count)
{
    if (Count > Length())
        FFlags.resize(static_cast<size_t>(Count), 0);
}

int TGridFlagList::Count_Set(int Limit) const
{
    if (Limit < 0 || static_cast<size_t>(Limit) >= FFlags.size())
        return FSet;
    const size_t N = static_cast<size_t>(Limit);
    return static_cast<int>(std::count(FFlags.begin(), FFlags.begin() + static_cast<std::ptrdiff_t>(N), 1));
}

void TGridFlagList::Insert(int Index, int Count)
{
    if (Index < 0 || Count <= 0 || Index >= Length())
        return;
    FFlags.insert(FFlags.begin() + Index, static_cast<size_t>(Count), 0);
}

void TGridFlagList::Remove(int Index, int Count)
{
    if (Index < 0 || Count <= 0 || Index >= Length())
        return;
    const int End = std::min(Length(), Index + Count);
    FSet -= static_cast<int>(std::count(FFlags.begin() + Index, FFlags.begin() + End, 1));
    FFlags.erase(FFlags.begin() + Index, FFlags.begin() + End);
}

void TGridFlagList::Permute(int From, const std::vector<int> &Order)
{
    if (From < 0 || From >= Length() || Order.empty())
        return;
    const int N = static_cast<int>(Order.size());
    Extend(From + N);
    std::vector<std::uint8_t> Old(FFlags.begin() + From, FFlags.begin() + From + N);
    for (int I = 0; I < N; ++I)
        FFlags[static_cast<size_t>(From + I)] = Old[static_cast<size_t>(Order[static_cast<size_t>(I)] - From)];
}

void TGridRowFlags::Add_Selected(int Row)
{
    if (std::find(SelectedRows.begin(), SelectedRows.end(), Row) == SelectedRows.end())
        SelectedRows.push_back(Row);
}

void TGridRowFlags::Remove_Selected(int Row)
{
    SelectedRows.erase(std::remove(SelectedRows.begin(), SelectedRows.end(), Row), SelectedRows.end());
}

void TGridRowFlags::Rows_Inserted(int DisplAt, int RealAt, int Count)
{
    if (Count <= 0)
        return;
    Modified.Insert(RealAt, Count);
    Disabled.Insert(RealAt, Count);
    RowSelect.Insert(DisplAt, Count);
    SelectedCells.Rows_Inserted(DisplAt, Count);
    for (int &R : SelectedRows)
        if (R >= DisplAt)
            R += Count;
}

void TGridRowFlags::Rows_Removed(int DisplAt, int Count, const std::vector<int> &Reals)
{
    if (Count <= 0)
        return;
    for (auto It = Reals.rbegin(); It != Reals.rend(); ++It) {
        Modified.Remove(*It, 1);
        Disabled.Remove(*It, 1);
    }
    RowSelect.Remove(DisplAt, Count);
    SelectedCells.Rows_Removed(DisplAt, Count);
    std::vector<int> Kept;
    Kept.reserve(SelectedRows.size());
    for (int R : SelectedRows)
        if (R < DisplAt)
            Kept.push_back(R);
        else if (R >= DisplAt + Count)
            Kept.push_back(R - Count);
    SelectedRows = std::move(Kept);
}
