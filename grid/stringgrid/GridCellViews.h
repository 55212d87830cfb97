#pragma once
#include <QStringView>

class RIraRevadiVizo;

// Cell texts for passes over many cells (filtering, finding) read as views
// of the cell store, so a pass does not build a string for every cell. Room
// holds at least 16 units; a view lives until the cell or Room changes.

// GetGridCell(C, R), the stored text.
QStringView Grid_Cell_View(const RIraRevadiVizo &G, int C, int R, char16_t *Room);
// GetCellEx(C, R) when nothing can change the stored text on its way out
// (no display-text hooks, no links shown in the text, no group count in the
// cell): true with View set. False when the caller must ask GetCellEx.
bool Cell_Ex_View(RIraRevadiVizo &G, int C, int R, char16_t *Room, QStringView &View);
