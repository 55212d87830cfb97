#pragma once
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

// The cells themselves live in the grid's data model (grid/model/GridModel.h).

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
    // Rows (columns) inserted or removed as one block: the sizes from At on
    // move on by Count (the new ones take the default) or back by Count (the
    // default fills the end). The count stays; the caller sets it.
    void Insert_Sizes(int At, int Count);
    void Remove_Sizes(int At, int Count);

private:
    int FCount;
    int FFixed;
    int FDefaultSize;
    std::vector<int> FSizes;
};
