#include "grid/model/GridSettingsObjects.h"

void TDragDropSettings::Set_OleDropRTF(bool V)
{
    if (V == FOleDropRTF)
        return;
    if (OnDropRTF)
        OnDropRTF(V);
    FOleDropRTF = V;
}

void TDragDropSettings::Set_OleDropTarget(bool V)
{
    if (V == FOleDropTarget)
        return;
    FOleDropTarget = V;
    if (OnDropTarget)
        OnDropTarget(V);
}

void TDragDropSettings::Assign(const TDragDropSettings &S)
{
    FOleDropRTF = S.FOleDropRTF;
    FOleDropTarget = S.FOleDropTarget;
    OleAcceptText = S.OleAcceptText;
    OleAcceptFiles = S.OleAcceptFiles;
    OleAcceptURLs = S.OleAcceptURLs;
    OleEntireRows = S.OleEntireRows;
    OleDropSource = S.OleDropSource;
    OleRemoveRows = S.OleRemoveRows;
    OleInsertRows = S.OleInsertRows;
    OleAppendRows = S.OleAppendRows;
    OleCopyAlways = S.OleCopyAlways;
    OleColumnDragDrop = S.OleColumnDragDrop;
    OleColumnReorder = S.OleColumnReorder;
    OleColumnsOnly = S.OleColumnsOnly;
    ShowCells = S.ShowCells;
}

void TBalloonSettings::Set_Enable(bool V)
{
    if (V == FEnable)
        return;
    FEnable = V;
    if (OnEnableChange)
        OnEnableChange(this);
}

void TBalloonSettings::Assign(const TBalloonSettings &S)
{
    BackgroundColor = S.BackgroundColor;
    TextColor = S.TextColor;
    InitialDelay = S.InitialDelay;
    ReshowDelay = S.ReshowDelay;
    AutoHideDelay = S.AutoHideDelay;
    FEnable = S.FEnable;
}

void TShowModified::Set_Color(TColor V)
{
    if (V == FColor)
        return;
    FColor = V;
    if (OnChange)
        OnChange(this);
}

void TShowModified::Assign(const TShowModified &S)
{
    FColor = S.FColor;
    Enabled = S.Enabled;
}
