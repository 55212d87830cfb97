#pragma once
#include "grid/model/GridCellList.h"
#include <cstdint>
#include <vector>

// One flag per row (or column) that grows on demand: reading beyond the end
// answers false without growing, writing extends the list with cleared
// entries. A negative index raises EDarAzidError with the given message, so
// a caller's bad index never reads outside the list.
class TGridFlagList {
public:
    bool Get(int Index, const char *Message) const;
    // Extends to Index + 1 entries and stores the flag; returns the old flag.
    bool Set(int Index, bool Value, const char *Message);
    void Extend(int Count);
    int Length() const { return static_cast<int>(FFlags.size()); }
    // Set flags among the first Limit entries (all entries for Limit < 0).
    // Kept as a running count, so asking about the whole list costs nothing
    // (a painter asks on every paint of a header).
    int Count_Set(int Limit = -1) const;
    void Clear_All() { FFlags.assign(FFlags.size(), 0); FSet = 0; }
    // Keeps the entries beside rows that are inserted or removed.
    void Insert(int Index, int Count);
    void Remove(int Index, int Count);
    // Rows were reordered: entry From + I takes the entry of old row Order[I].
    void Permute(int From, const std::vector<int> &Order);

private:
    std::vector<std::uint8_t> FFlags;
    int FSet = 0;   // entries set
};

// The per-row state of a string grid that file formats and the clipboard
// read without a window: the disjunct row and column selection, the rows
// selected in the order they were picked, the modified and the disabled rows.
struct TGridRowFlags {
    TGridFlagList RowSelect;    // by display row, or by real row when persistent
    TGridFlagList ColSelect;    // by display column
    TGridFlagList Modified;
    TGridFlagList Disabled;     // set = the row is disabled
    std::vector<int> SelectedRows;   // picked order, each once, no fixed rows
    TGridCellList SelectedCells;     // the disjunct cell selection, by display cell
    bool UseEnabledRows = false;     // some row was ever enabled or disabled

    void Add_Selected(int Row);
    void Remove_Selected(int Row);
    // Rows came or went: every flag stays beside its row. The modified and
    // disabled flags count real rows (hidden rows included), the selection
    // display rows. Reals: the removed rows' real indexes, ascending.
    void Rows_Inserted(int DisplAt, int RealAt, int Count);
    void Rows_Removed(int DisplAt, int Count, const std::vector<int> &Reals);
};
