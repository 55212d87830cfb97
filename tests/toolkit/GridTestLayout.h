#pragma once
#include "toolkit/StringGrid.h"

// Lays a grid out so that exactly 1 fixed + 4 columns of 50 pixels and
// 1 fixed + 10 rows of 20 pixels are visible out of 10 x 100 (no frame, no
// scroll bars, no grid lines), and shows it.
inline void Lay_Out_Test_Grid(TStringGrid &Grid)
{
    Grid.setFrameShape(QFrame::NoFrame);
    Grid.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Grid.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Grid.Set_GridLineWidth(0);
    Grid.Set_DefaultRowHeight(20);
    Grid.Set_DefaultColWidth(50);
    Grid.Set_ColCount(10);
    Grid.Set_RowCount(100);
    Grid.resize(250, 220);
    Grid.show();
}
