#include "grid/stringgrid/GridDropDownMaker.h"

namespace {
TGridDropDownMaker The_Maker = nullptr;
} // namespace

void Set_Grid_DropDown_Maker(TGridDropDownMaker Maker) { The_Maker = Maker; }

TGridDropDownMaker Grid_DropDown_Maker() { return The_Maker; }
