// Wide-text cells: their text without the escape, and the validation of an
// edit of such a cell.
#include "grid/model/TextRoutines.h"
#include "grid/stringgrid/RIraRevadiVizo.h"

QString RIraRevadiVizo::GetWideCells(int ACol, int ARow) { return DecodeWideText(GetCellEx(ACol, ARow)); }

void RIraRevadiVizo::SetWideCells(int ACol, int ARow, const QString &Value)
{
    SetCellEx(ACol, ARow, EncodeWideText(Value));
}

bool RIraRevadiVizo::ValidateCellWide(const QString &NewValue)
{
    if (!FEditing || FValidating)
        return true;
    FEditing = false;
    FValidating = true;
    bool Valid = true;
    const int C = FOldCol; // real column of the edited cell
    const int R = FOldEditRow;
    FNewCellText = NewValue;
    if (C < 0 || R < 0 || C >= TotalColCount() || R >= RowCount()) {
        FValidating = false;
        return true;
    }
    const bool Changed = NewValue != FOldCellTextWide;
    if (Changed || FAlwaysValidate) {
        QString V = NewValue;
        RecalcFooter();
        if (OnCellValidateWide)
            OnCellValidateWide(this, C, R, V, Valid);
        // Only an accepted value marks the grid and its row modified.
        if (Valid && FOldCellTextWide != V) {
            FGridModified = true;
            FModified = true;
            if (FShowModified && FixedCols() > 0) {
                SetRowModified(RealRowIndex(R), true);
                RepaintCell(0, R);
            }
        }
        if (Valid && Changed)
            CellsChanged({C, R, C, R});
        FNewCellText = V;
        if (Valid) {
            SetWideCells(C, R, V);
        } else {
            // A refusal is reported like any other refused edit.
            FLastValidation = false;
            HideEditor();
            SetWideCells(C, R, V != NewValue ? V : FOldCellTextWide);
            MoveCurrentCell(DisplColIndex(C), R);
            FValidating = false;
            FEditing = true;
            ShowInplaceEdit();
        }
        FOldCellTextWide = GetWideCells(C, R);
    }
    SaveOldCellValue(RealColIndex(Col()), Row());
    FValidating = false;
    return Valid;
}
