#include "grid/griddropdown/GridDarAzidDropDown.h"
#include "grid/stringgrid/GridDropDownMaker.h"

void TGridDarAzidDropDown::Begin_Cell_Edit()
{
    SetEditorEnabled(true);
    if (RIraRevadiVizo *Inner = Grid())
        Inner->Set_FixedRowAlways(true);
}

void TGridDarAzidDropDown::Cell_Props_Loaded(const QString &CellText)
{
    BeginUpdate();
    EndUpdate();
    if (UseItems()) {
        int Found = 0;
        if (!CellText.isEmpty())
            Lookup(CellText, Found);
        SetItemIndex(Found);
    }
}

void Register_Grid_DropDown()
{
    Set_Grid_DropDown_Maker([](RIraRevadiVizo *Grid) -> VOdeCustomDropDown * {
        return new TGridDarAzidDropDown(Grid);
    });
}
