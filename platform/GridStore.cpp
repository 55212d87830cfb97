#include "platform/GridStore.h"
#include <algorithm>

namespace {
void Check_Index(int C, int R)
{
    if (C < 0 || R < 0 || C >= TGridCellStore::Max_Cols || R >= TGridCellStore::Max_Rows)
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
} // namespace

const TGridCell *TGridCellStore::Find(int C, int R) const
{
    if (R < 0 || C < 0 || R >= static_cast<int>(FRows.size()))
        return nullptr;
    const TGridRowData &Row = FRows[static_cast<size_t>(R)];
    return C < static_cast<int>(Row.size()) ? &Row[static_cast<size_t>(C)] : nullptr;
}

TGridCell *TGridCellStore::Ensure(int C, int R)
{
    Check_Index(C, R);
    if (R >= static_cast<int>(FRows.size()))
        FRows.resize(static_cast<size_t>(R) + 1);
    TGridRowData &Row = FRows[static_cast<size_t>(R)];
    if (C >= static_cast<int>(Row.size()))
        Row.resize(static_cast<size_t>(C) + 1);
    return &Row[static_cast<size_t>(C)];
}

QString TGridCellStore::Cell(int C, int R) const
{
    const TGridCell *Cell = Find(C, R);
    return Cell ? Cell->Text : QString();
}

void TGridCellStore::Set_Cell(int C, int R, const QString &Text)
{
    if (Text.isEmpty() && !Find(C, R)) {
        Check_Index(C, R);
        return;
    }
    Ensure(C, R)->Text = Text;
}

TObject *TGridCellStore::Object(int C, int R) const
{
    const TGridCell *Cell = Find(C, R);
    return Cell ? Cell->Object : nullptr;
}

void TGridCellStore::Set_Object(int C, int R, TObject *Object)
{
    if (!Object && !Find(C, R)) {
        Check_Index(C, R);
        return;
    }
    Ensure(C, R)->Object = Object;
}

TGridRowData TGridCellStore::Row(int R, int Count) const
{
    TGridRowData Data(static_cast<size_t>(std::max(0, Count)));
    for (int C = 0; C < Count; ++C)
        if (const TGridCell *Cell = Find(C, R))
            Data[static_cast<size_t>(C)] = *Cell;
    return Data;
}

void TGridCellStore::Set_Row(int R, const TGridRowData &Data)
{
    for (size_t C = 0; C < Data.size(); ++C) {
        Set_Cell(static_cast<int>(C), R, Data[C].Text);
        Set_Object(static_cast<int>(C), R, Data[C].Object);
    }
}

void TGridCellStore::Move_Row(int From, int To)
{
    if (From == To || From < 0 || To < 0)
        return;
    const int Last = std::max(From, To);
    Check_Index(0, Last);
    if (Last >= static_cast<int>(FRows.size()))
        FRows.resize(static_cast<size_t>(Last) + 1);
    Rotate_To(FRows, From, To);
}

void TGridCellStore::Move_Col(int From, int To)
{
    if (From == To || From < 0 || To < 0)
        return;
    const int Last = std::max(From, To);
    Check_Index(Last, 0);
    for (TGridRowData &Row : FRows) {
        if (static_cast<int>(Row.size()) <= std::min(From, To))
            continue;
        if (static_cast<int>(Row.size()) <= Last)
            Row.resize(static_cast<size_t>(Last) + 1);
        Rotate_To(Row, From, To);
    }
}

void TGridCellStore::Clear() { FRows.clear(); }

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

void TGridAxis::Move(int From, int To)
{
    if (From < 0 || To < 0 || From >= FCount || To >= FCount || From == To)
        return;
    Rotate_To(FSizes, From, To);
}
