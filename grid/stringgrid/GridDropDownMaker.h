#pragma once
class QWidget;
class RIraRevadiVizo;
class VOdeCustomDropDown;

// The grid drop-down (edDarAzidDropDown) shows a string grid in its popup,
// so its target sits above the string grid, and the string grid cannot
// create it by name. That target registers a maker here at start-up
// (Register_Grid_DropDown() of grid/griddropdown/GridDarAzidDropDown.h);
// the grid calls it on first use. What the maker returns must also be an
// IGridDropDownEditor and be parented to the grid it is given.
using TGridDropDownMaker = VOdeCustomDropDown *(*)(RIraRevadiVizo *Grid);

// Replaces the maker for grids that have not made their grid drop-down yet
// (nullptr: none; the kind then opens no editor).
void Set_Grid_DropDown_Maker(TGridDropDownMaker Maker);
TGridDropDownMaker Grid_DropDown_Maker();
