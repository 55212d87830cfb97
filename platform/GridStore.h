#pragma once
#include "platform/Object.h"
#include <QString>
#include <stdexcept>
#include <vector>

// The platform string grid's bookkeeping, kept apart from the widget so that it
// can be tested and measured without a window.

// Misuse of the platform grid (a fixed count not below the count, an index out
// of range).
class EGridError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct TGridCell {
    QString Text;
    TObject *Object = nullptr;   // not owned
    friend bool operator==(const TGridCell &, const TGridCell &) = default;
};
// One row's texts and objects (the platform's Rows[r]).
using TGridRowData = std::vector<TGridCell>;

// Text and object per cell. Storage grows on write and never shrinks with the
// grid's counts: cells beyond a reduced ColCount/RowCount keep their text and
// object and reappear when the grid grows again. Reading never allocates.
class TGridCellStore {
public:
    // Largest indexes a cell may have (writes beyond raise EGridError).
    static constexpr int Max_Cols = 1 << 16;
    static constexpr int Max_Rows = 1 << 24;

    QString Cell(int C, int R) const;
    void Set_Cell(int C, int R, const QString &Text);
    TObject *Object(int C, int R) const;
    void Set_Object(int C, int R, TObject *Object);

    // The first Count cells of a row; missing cells are empty.
    TGridRowData Row(int R, int Count) const;
    // Replaces the first Data.size() cells of a row.
    void Set_Row(int R, const TGridRowData &Data);

    // Row From takes position To; the rows between shift by one (texts and
    // objects together). Columns likewise, in every stored row.
    void Move_Row(int From, int To);
    void Move_Col(int From, int To);
    // Empties every cell (objects are not freed).
    void Clear();
    int Stored_Rows() const { return static_cast<int>(FRows.size()); }
    // Cells stored in row R (0 for a row never written).
    int Stored_Cols(int R) const
    {
        return R >= 0 && R < Stored_Rows() ? static_cast<int>(FRows[static_cast<size_t>(R)].size()) : 0;
    }

private:
    TGridCell *Ensure(int C, int R);
    const TGridCell *Find(int C, int R) const;
    std::vector<TGridRowData> FRows;
};

// One axis of the grid (columns or rows): count, fixed count, sizes.
class TGridAxis {
public:
    TGridAxis(int Count, int Fixed, int DefaultSize);

    int Count() const { return FCount; }
    // Values below 1 become 1; the fixed count drops below the new count.
    void Set_Count(int Value);
    int Fixed() const { return FFixed; }
    // Refuses (EGridError with Message) a value not below the count or below 0.
    void Set_Fixed(int Value, const char *Message);

    int Default_Size() const { return FDefaultSize; }
    // Sets the default and gives every cell of the axis that size.
    void Set_Default_Size(int Value);
    int Size(int Index) const;
    // Returns false when nothing changed (or the index is outside the count).
    bool Set_Size(int Index, int Value);
    // Sum of the sizes of [From, To), each plus LineWidth.
    long long Extent(int From, int To, int LineWidth) const;
    // Every size and the default times M / D, rounded to the nearest pixel
    // (a change of screen density).
    void Scale(int M, int D);
    void Move(int From, int To);

private:
    int FCount;
    int FFixed;
    int FDefaultSize;
    std::vector<int> FSizes;
};
