// Row and column counts, fixed areas and default sizes.
#include "grid/core/RIraRevadiVizo.h"

void RIraRevadiVizo::Set_RowCount(int Value)
{
    if (TBaseGrid::RowCount() == TBaseGrid::FixedRows() && FFixedRowAlways && FSelHidden)
        UnHideSelection();
    TBaseGrid::Set_RowCount(Value);
    // The fixed rows asked for come back once there are enough rows.
    if (FFixedRowsMin < RowCount() && FFixedRowAlways && TBaseGrid::FixedRows() != FFixedRowsMin)
        TBaseGrid::Set_FixedRows(FFixedRowsMin);
    FMaxRowCount = std::max(FMaxRowCount, Value);
    Set_NormalRowCount(Value);
}

void RIraRevadiVizo::Set_ColCount(int Value)
{
    TBaseGrid::Set_ColCount(Value);
    if (FFixedColsMin < ColCount() && FFixedColAlways && TBaseGrid::FixedCols() != FFixedColsMin)
        TBaseGrid::Set_FixedCols(FFixedColsMin);
    FMaxColCount = std::max(FMaxColCount, Value);
    Model().Set_Row_Width_Hint(TotalColCount());
}

int RIraRevadiVizo::FixedRows() const
{
    const int F = TBaseGrid::FixedRows();
    return F == 0 && FFixedRowAlways ? 1 : F;
}

int RIraRevadiVizo::FixedCols() const
{
    const int F = TBaseGrid::FixedCols();
    return F == 0 && FFixedColAlways ? 1 : F;
}

void RIraRevadiVizo::Set_FixedRows(int Value)
{
    // With FixedRowAlways one normal row always stays; the value asked for is
    // remembered and applied when rows come.
    int V = Value;
    if (Value >= RowCount() && FFixedRowAlways)
        V = RowCount() - 1;
    TBaseGrid::Set_FixedRows(V);
    if (!FLoading)
        FFixedRowsMin = Value;
}

void RIraRevadiVizo::Set_FixedCols(int Value)
{
    int V = Value;
    if (Value >= ColCount() && FFixedColAlways)
        V = ColCount() - 1;
    TBaseGrid::Set_FixedCols(V);
    if (!FLoading)
        FFixedColsMin = Value;
}

void RIraRevadiVizo::Set_FixedFooters(int Value)
{
    FFixedFooters = Value;
    Invalidate();
}

void RIraRevadiVizo::Set_FixedRightCols(int Value)
{
    FFixedRightCols = Value;
    Invalidate();
}

void RIraRevadiVizo::Set_DefaultRowHeight(int Value)
{
    TBaseGrid::Set_DefaultRowHeight(Value);
}

void RIraRevadiVizo::Set_FixedColWidth(int Value)
{
    if (FLoading || Value == DefaultColWidth())
        return;
    for (int C = 0; C < TBaseGrid::FixedCols(); ++C)
        Set_ColWidths(C, Value);
}

void RIraRevadiVizo::Set_FixedRowHeight(int Value)
{
    FFixedRowHeight = Value;
    if (FLoading)
        return;
    if (Value == DefaultRowHeight()) {
        // The same height for every row: the default applies to all of them.
        TBaseGrid::Set_DefaultRowHeight(Value);
        return;
    }
    for (int R = 0; R < TBaseGrid::FixedRows(); ++R)
        Set_RowHeights(R, Value);
}

void RIraRevadiVizo::Set_WordWrap(bool Value)
{
    TBaseGrid::Set_WordWrap(Value);
    FWordWrapEx = Value;
    if (FUpdateCount == 0)
        Invalidate();
}

TFont RIraRevadiVizo::GetCellFont(int ACol, int ARow)
{
    const TCellProperties *P = Find_Cell_Props(ACol, ARow);
    if (!P)
        return Font();
    FScratchFont = Font();
    if (!P->FontName().isEmpty())
        FScratchFont.Name = P->FontName();
    FScratchFont.Size = P->FontSize();
    FScratchFont.Style = P->FontStyle();
    if (P->FontColor() != clNone)
        FScratchFont.Color = P->FontColor();
    return FScratchFont;
}
