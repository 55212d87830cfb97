#include "grid/model/GridCellList.h"
#include "grid/model/DarAzidError.h"
#include <algorithm>
#include <unordered_set>

bool TGridCellList::Contains(int ACol, int ARow) const
{
    if (!Fits(ACol, ARow))
        return false;
    return std::find(FKeys.begin(), FKeys.end(), Pack(ACol, ARow)) != FKeys.end();
}

bool TGridCellList::Add(int ACol, int ARow)
{
    if (!Fits(ACol, ARow) || Contains(ACol, ARow))
        return false;
    FKeys.push_back(Pack(ACol, ARow));
    return true;
}

bool TGridCellList::Remove(int ACol, int ARow)
{
    if (!Fits(ACol, ARow))
        return false;
    const auto It = std::find(FKeys.begin(), FKeys.end(), Pack(ACol, ARow));
    if (It == FKeys.end())
        return false;
    FKeys.erase(It);
    return true;
}

TPoint TGridCellList::At(int Index) const
{
    if (Index < 0 || Index >= Count())
        throw EDarAzidError("Selected cell index out of range");
    return Unpack(FKeys[static_cast<size_t>(Index)]);
}

void TGridCellList::Assign_Rect(int Left, int Top, int Right, int Bottom)
{
    FKeys.clear();
    const int L = std::min(Left, Right), R = std::max(Left, Right);
    const int T = std::min(Top, Bottom), B = std::max(Top, Bottom);
    for (int C = L; C <= R; ++C)
        for (int Row = T; Row <= B; ++Row)
            Add(C, Row);
}

template <typename TMap> void TGridCellList::Remap(bool Rows, TMap Map)
{
    std::vector<int> Kept;
    Kept.reserve(FKeys.size());
    for (int Key : FKeys) {
        const TPoint P = Unpack(Key);
        const int New = Map(Rows ? P.Y : P.X);
        const int C = Rows ? P.X : New, R = Rows ? New : P.Y;
        if (New >= 0 && Fits(C, R))
            Kept.push_back(Pack(C, R));
    }
    FKeys = std::move(Kept);
}

void TGridCellList::Shift(bool Rows, int At, int Count)
{
    if (Count <= 0 || FKeys.empty())
        return;
    Remap(Rows, [&](int I) { return I >= At ? I + Count : I; });
}

void TGridCellList::Drop(bool Rows, int At, int Count)
{
    if (Count <= 0 || FKeys.empty())
        return;
    Remap(Rows, [&](int I) { return I < At ? I : I < At + Count ? -1 : I - Count; });
}

void TGridCellList::Move(bool Rows, int From, int To)
{
    if (From == To || FKeys.empty())
        return;
    Remap(Rows, [&](int I) {
        if (I == From)
            return To;
        if (From < To && I > From && I <= To)
            return I - 1;
        if (To < From && I >= To && I < From)
            return I + 1;
        return I;
    });
}

void TGridCellList::Permute_Rows(int From, const std::vector<int> &Order)
{
    if (FKeys.empty() || Order.empty())
        return;
    // old row -> new row for the rows reordered
    const int N = static_cast<int>(Order.size());
    std::vector<int> NewOf(static_cast<size_t>(N), -1);
    for (int I = 0; I < N; ++I) {
        const int Old = Order[static_cast<size_t>(I)] - From;
        if (Old >= 0 && Old < N)
            NewOf[static_cast<size_t>(Old)] = From + I;
    }
    Remap(true, [&](int I) {
        if (I < From || I >= From + N)
            return I;
        const int New = NewOf[static_cast<size_t>(I - From)];
        return New >= 0 ? New : I;
    });
}

bool TGridCellList::Check_Consistency() const
{
    std::unordered_set<int> Seen;
    for (int Key : FKeys) {
        const TPoint P = Unpack(Key);
        if (!Fits(P.X, P.Y) || Pack(P.X, P.Y) != Key || !Seen.insert(Key).second)
            return false;
    }
    return true;
}
