#pragma once
#include <QStringView>
#include <functional>
#include <vector>

// The order grouping sorts rows into: by one key per row, numbers as
// numbers when both keys are numbers, other texts without letter case,
// equal keys in their first order.
//
// Key(I, Room) answers row I's key (I from 0 to Count - 1); Room holds 16
// units and the view need only live until the next call. The answer lists
// the row numbers (0 .. Count - 1) in their new order. Each distinct key is
// read as a number once; when all keys are numbers or none is, rows are
// placed by counting, in time linear in the rows (plus the distinct keys
// sorted). A column mixing numbers and texts is sorted row against row as
// before, since its order then depends on which rows meet.
std::vector<int> Group_Order(int Count, const std::function<QStringView(int Index, char16_t *Room)> &Key);
