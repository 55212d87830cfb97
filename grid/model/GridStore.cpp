#include "grid/model/GridStore.h"
#include <algorithm>

namespace {
template <typename V>
void Rotate_To(V &Items, int From, int To)
{
    if (From < To)
        std::rotate(Items.begin() + From, Items.begin() + From + 1, Items.begin() + To + 1);
    else if (From > To)
        std::rotate(Items.begin() + To, Items.begin() + From, Items.begin() + From + 1);
}
} // namespace

// --- axis ------------------------------------------------------------------

TGridAxis::TGridAxis(int Count, int Fixed, int DefaultSize)
    : FCount(std::max(1, Count)), FFixed(std::clamp(Fixed, 0, std::max(1, Count) - 1)), FDefaultSize(DefaultSize),
      FSizes(static_cast<size_t>(FCount), DefaultSize)
{
}

void TGridAxis::Set_Count(int Value)
{
    Value = std::max(1, Value);
    FCount = Value;
    FSizes.resize(static_cast<size_t>(Value), FDefaultSize);
    if (FFixed >= Value)
        FFixed = Value - 1;
}

void TGridAxis::Set_Fixed(int Value, const char *Message)
{
    if (Value < 0 || Value >= FCount)
        throw EGridError(Message);
    FFixed = Value;
}

void TGridAxis::Set_Default_Size(int Value)
{
    FDefaultSize = Value;
    std::fill(FSizes.begin(), FSizes.end(), Value);
}

int TGridAxis::Size(int Index) const
{
    return Index >= 0 && Index < FCount ? FSizes[static_cast<size_t>(Index)] : FDefaultSize;
}

bool TGridAxis::Set_Size(int Index, int Value)
{
    if (Index < 0 || Index >= FCount || Value < 0 || FSizes[static_cast<size_t>(Index)] == Value)
        return false;
    FSizes[static_cast<size_t>(Index)] = Value;
    return true;
}

void TGridAxis::Scale(int M, int D)
{
    if (D <= 0 || M <= 0 || M == D)
        return;
    auto Mul_Div = [M, D](int V) { return static_cast<int>((static_cast<long long>(V) * M + D / 2) / D); };
    FDefaultSize = Mul_Div(FDefaultSize);
    for (int &S : FSizes)
        S = Mul_Div(S);
}

long long TGridAxis::Extent(int From, int To, int LineWidth) const
{
    long long Sum = 0;
    for (int I = std::max(0, From); I < To; ++I)
        Sum += Size(I) + LineWidth;
    return Sum;
}

void TGridAxis::Insert_Sizes(int At, int Count)
{
    if (At < 0 || At >= FCount || Count <= 0)
        return;
    Count = std::min(Count, FCount - At);
    FSizes.insert(FSizes.begin() + At, static_cast<size_t>(Count), FDefaultSize);
    FSizes.resize(static_cast<size_t>(FCount));
}

void TGridAxis::Remove_Sizes(int At, int Count)
{
    if (At < 0 || At >= FCount || Count <= 0)
        return;
    Count = std::min(Count, FCount - At);
    FSizes.erase(FSizes.begin() + At, FSizes.begin() + At + Count);
    FSizes.resize(static_cast<size_t>(FCount), FDefaultSize);
}

void TGridAxis::Move(int From, int To)
{
    if (From < 0 || To < 0 || From >= FCount || To >= FCount || From == To)
        return;
    Rotate_To(FSizes, From, To);
}
