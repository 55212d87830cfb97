#pragma once
// The grid drop-down as the string grid edits cells with it: the drop-down
// wrapped with the grid's editor contract (DropDownWrappers.h). The string
// grid makes it through the maker Register_Grid_DropDown() registers and
// knows it only as an IGridDropDownEditor.
#include "grid/griddropdown/GridDropDown.h"
#include "grid/stringgrid/DropDownWrappers.h"

class TGridDarAzidDropDown : public TGridDropDownWrapper<TCustomDarAzidDropDown, TGridDropDownKind::DarAzid> {
public:
    using TGridDropDownWrapper::TGridDropDownWrapper;
    // The popup's inner grid as a string grid; none until the popup exists.
    // (The grid this editor edits for is Owner_Grid().)
    RIraRevadiVizo *Grid() const { return qobject_cast<RIraRevadiVizo *>(GetGrid()); }
    RIraRevadiVizo *Owner_Grid() const { return TGridDropDownWrapper::Grid(); }
    // The text can be typed; the inner grid keeps its header row.
    void Begin_Cell_Edit() override;
    // With UseItems the row whose lookup column holds the cell's text is
    // selected: the first row for an empty text, none when no row holds it.
    void Cell_Props_Loaded(const QString &CellText) override;
};

// Lets every string grid make its grid drop-down (edDarAzidDropDown); the
// program calls it once at start-up, and so do the tests of that kind.
void Register_Grid_DropDown();

// The grid's own grid drop-down, made on first use; null while no maker is
// registered.
inline TGridDarAzidDropDown *RIraRevadiVizo::DarAzidDropDown()
{
    return dynamic_cast<TGridDarAzidDropDown *>(Grid_DropDown_Editor());
}
