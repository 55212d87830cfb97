#pragma once
#include "grid/model/GridLists.h"
#include <QString>
#include <vector>

// A list of pointers with checked access, in which a bar keeps its button
// controls (not owned). Reading or writing at or beyond the end says which
// access went wrong; a negative index is the general list index error.
template <class T> class TDbgList {
public:
    int Count() const { return static_cast<int>(FItems.size()); }
    void Add(T *Item) { FItems.push_back(Item); }
    void Clear() { FItems.clear(); }
    T *GetItemsEx(int Index) const
    {
        Check(Index, "Index out of bounds in list read access");
        return FItems[Index];
    }
    void SetItemsEx(int Index, T *Value)
    {
        Check(Index, "Index out of bounds in list write access");
        FItems[Index] = Value;
    }
    // Clears the list and appends every entry of ListA in order (a list
    // assigned to itself stays as it is).
    void AssignList(const TDbgList &ListA)
    {
        if (&ListA != this)
            FItems = ListA.FItems;
    }
    typename std::vector<T *>::const_iterator begin() const { return FItems.begin(); }
    typename std::vector<T *>::const_iterator end() const { return FItems.end(); }

private:
    void Check(int Index, const char *Beyond_End) const
    {
        if (Index < 0)
            throw EListError(QStringLiteral("List index out of bounds (%1)").arg(Index).toStdString());
        if (Index >= Count())
            throw EListError(Beyond_End);
    }
    std::vector<T *> FItems;
};
