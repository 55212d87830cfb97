#pragma once
// A column grid filling a test window, as the configurator's tables sit in
// theirs; the fixtures add their columns, events and texts.
#include "grid/columngrid/VIdiDidireDedu.h"
#include <QVBoxLayout>
#include <QWidget>

inline VIdiDidireDedu *Make_Column_Grid_Window(QWidget &Window, int Cols, int Rows)
{
    Window.resize(500, 300);
    auto *L = new QVBoxLayout(&Window);
    auto *Grid = new VIdiDidireDedu(&Window);
    L->addWidget(Grid);
    Grid->Set_ColCount(Cols);
    Grid->Set_RowCount(Rows);
    return Grid;
}
