// Row and column counts, fixed areas and default sizes.
#include "grid/stringgrid/RIraRevadiVizo.h"
#include "grid/stringgrid/VOdeInplaceEdit.h"

void RIraRevadiVizo::Set_RowCount(int Value)
{
    const int Old = RowCount();
    Set_Row_Count_In_Place(Value);
    // The floating footer shows the last row: its cells and objects follow
    // the count to the new last row. The rows they pass keep their cells
    // (a shrinking grid keeps them beyond its end, as every shrink does).
    if (FFloatingFooter.Visible && Old > 0 && RowCount() > 0 && Old != RowCount()) {
        Model().Move_Row(Old - 1, RowCount() - 1);
        CalcFooter(-1);
    }
}

void RIraRevadiVizo::Set_Row_Count_In_Place(int Value)
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
    // Whether a horizontal bar is needed may have changed: the whole rows
    // of an integral height are measured again.
    if (FIntegralHeight)
        SetBounds(x(), y(), width(), height());
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
    // The floating footer is one row high.
    if (Floating_Footer_Visible())
        Set_Footer_Panel(true, Value);
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
    if (VOdeInplaceEdit *E = GetNormalEdit())
        E->Set_WordWrap(Value);
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

void RIraRevadiVizo::Set_MaxEditLength(int Value)
{
    FMaxEditLength = Value;
    if (VOdeInplaceEdit *E = GetNormalEdit())
        E->setMaxLength(Value > 0 ? Value : 0);
}
