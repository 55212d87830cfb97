#pragma once
#include "platform/Rect.h"
#include <cstdint>
#include <vector>

// The cells picked one by one (a selection that is not one rectangle). Each
// entry packs a display cell as row * 65536 + column, the form peers and
// descendants read back; the order is the order of picking and a cell is
// listed once. Rows and columns outside 0..65535 cannot be packed and are
// never listed. The list follows its rows and columns when they are
// inserted, removed, moved or sorted; cells of removed rows or columns leave.
class TGridCellList {
public:
    static constexpr int Max_Index = 65535;
    static bool Fits(int ACol, int ARow) { return ACol >= 0 && ARow >= 0 && ACol <= Max_Index && ARow <= Max_Index; }
    // Rows from 32768 on give negative keys, as a 32-bit peer reads them too.
    static int Pack(int ACol, int ARow)
    {
        return static_cast<int>((static_cast<std::uint32_t>(ARow) << 16) | static_cast<std::uint32_t>(ACol));
    }
    static TPoint Unpack(int Key)
    {
        const auto U = static_cast<std::uint32_t>(Key);
        return {static_cast<int>(U & 0xFFFFu), static_cast<int>(U >> 16)};
    }

    int Count() const { return static_cast<int>(FKeys.size()); }
    bool Empty() const { return FKeys.empty(); }
    const std::vector<int> &Keys() const { return FKeys; }
    bool Contains(int ACol, int ARow) const;
    // False when the cell was listed already or cannot be packed.
    bool Add(int ACol, int ARow);
    // False when the cell was not listed.
    bool Remove(int ACol, int ARow);
    void Clear() { FKeys.clear(); }
    // Entry Index unpacked (X column, Y row); EDarAzidError beyond the list.
    TPoint At(int Index) const;
    // Every cell of the rectangle (corners in either order), column by column.
    void Assign_Rect(int Left, int Top, int Right, int Bottom);

    // Rows and columns came, went or moved (display indexes).
    void Rows_Inserted(int At, int Count) { Shift(true, At, Count); }
    void Rows_Removed(int At, int Count) { Drop(true, At, Count); }
    void Cols_Inserted(int At, int Count) { Shift(false, At, Count); }
    void Cols_Removed(int At, int Count) { Drop(false, At, Count); }
    void Row_Moved(int From, int To) { Move(true, From, To); }
    void Col_Moved(int From, int To) { Move(false, From, To); }
    // Rows were reordered: row From + I now holds what row Order[I] held.
    void Permute_Rows(int From, const std::vector<int> &Order);
    // Every entry packable and listed once.
    bool Check_Consistency() const;

private:
    void Shift(bool Rows, int At, int Count);
    void Drop(bool Rows, int At, int Count);
    void Move(bool Rows, int From, int To);
    // Rewrites the entries through Map (old index -> new, -1 drops the cell).
    template <typename TMap> void Remap(bool Rows, TMap Map);

    std::vector<int> FKeys;
};
