#pragma once
// What the grid model's source files share: the tagged object slots of the
// cells, the index check and small list routines. Not for use outside
// GridModel*.cpp.
#include "grid/model/GridModel.h"
#include <algorithm>

namespace Grid_Model_Detail {

// A cell's object slot holds a pointer, or an integer with the low bit set;
// an owned object's pointer carries the second bit.
constexpr std::uintptr_t Int_Bit = 1;
constexpr std::uintptr_t Owned_Bit = 2;

inline bool Slot_Owned(std::uintptr_t S) { return (S & Int_Bit) == 0 && (S & Owned_Bit) != 0; }
inline TObject *Slot_Object(std::uintptr_t S)
{
    return reinterpret_cast<TObject *>((S & Int_Bit) ? S : (S & ~Owned_Bit));
}

inline void Check_Index(int C, int R)
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

inline TCellRange Unite(const TCellRange &A, const TCellRange &B)
{
    if (A.Empty())
        return B;
    if (B.Empty())
        return A;
    return {std::min(A.Left, B.Left), std::min(A.Top, B.Top), std::max(A.Right, B.Right), std::max(A.Bottom, B.Bottom)};
}

} // namespace Grid_Model_Detail
