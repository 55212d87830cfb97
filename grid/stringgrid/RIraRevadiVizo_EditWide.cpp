// Wide-text cells: their text without the escape, and the validation of an
// edit of such a cell.
#include "grid/model/TextRoutines.h"
#include "grid/stringgrid/RIraRevadiVizo.h"

QString RIraRevadiVizo::GetWideCells(int ACol, int ARow) { return DecodeWideText(GetCellEx(ACol, ARow)); }

void RIraRevadiVizo::SetWideCells(int ACol, int ARow, const QString &Value)
{
    SetCellEx(ACol, ARow, EncodeWideText(Value));
}

bool RIraRevadiVizo::ValidateCellWide(const QString &NewValue) { return Validate_Edit(NewValue, true); }
