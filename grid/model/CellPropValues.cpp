#include "grid/model/CellPropValues.h"

void TCellPropValues::Assign(const TCellPropValues &S)
{
    Set_IsBaseCell(S.IsBaseCell());
    Set_CellSpanX(S.CellSpanX());
    Set_CellSpanY(S.CellSpanY());
    Set_OwnerRow(S.OwnerRow());
    Set_OwnerCol(S.OwnerCol());
    FObject = S.FObject;
    FAlignment = S.FAlignment;
    FBorderColor = S.FBorderColor;
    FBorderWidth = S.FBorderWidth;
    FBrushColor = S.FBrushColor;
    FBrushStyle = S.FBrushStyle;
    FFontColor = S.FFontColor;
    FFontStyle = S.FFontStyle;
    FFontName = S.FFontName;
    FFontSize = S.FFontSize;
    FReadOnly = S.FReadOnly;
    FEditor = S.FEditor;
    FVAlignment = S.FVAlignment;
    FWordWrap = S.FWordWrap;
    FNodeLevel = S.FNodeLevel;
}

void TCellPropValues::Set_BrushColor(TColor V)
{
    FBrushColor = V;
    Notify_Changed();
}

void TCellPropValues::Set_BrushColorTo(TColor V)
{
    FBrushColorTo = V;
    Notify_Changed();
}

void TCellPropValues::Set_VAlignment(TVAlignment V)
{
    FVAlignment = V;
    Notify_Changed();
}

void TCellPropValues::Set_WordWrap(bool V)
{
    FWordWrap = V;
    Notify_Changed();
}

const TCellPropValues *Cell_Prop_Values(const TGridModel &Model, int C, int R)
{
    return dynamic_cast<const TCellPropValues *>(Model.Props(C, R));
}
