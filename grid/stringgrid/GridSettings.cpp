#include "grid/stringgrid/GridSettings.h"
#include "grid/stringgrid/RIraRevadiVizo.h"

void TCellNode::Changed()
{
    if (FOwner)
        FOwner->Invalidate();
}

void TCellNode::Set_NodeType(TNodeType V)
{
    if (V == FNodeType)
        return;
    FNodeType = V;
    Changed();
}

void TCellNode::Set_ShowTree(bool V)
{
    if (V == FShowTree)
        return;
    FShowTree = V;
    Changed();
}

void TCellNode::Set_ShowTreeFull(bool V)
{
    if (V == FShowTreeFull)
        return;
    FShowTreeFull = V;
    Changed();
}

void TCellNode::Set_NodeIndent(int V)
{
    if (V == FNodeIndent)
        return;
    FNodeIndent = V;
    Changed();
}

void TCellNode::Set_TreeColor(TColor V)
{
    if (V == FTreeColor)
        return;
    FTreeColor = V;
    Changed();
}

void TCellNode::Assign(const TCellNode &Source)
{
    FColor = Source.FColor;
    FNodeType = Source.FNodeType;
    FNodeColor = Source.FNodeColor;
    FExpandGlyph = Source.FExpandGlyph.copy();
    FExpandOne = Source.FExpandOne;
    FContractGlyph = Source.FContractGlyph.copy();
    FShowTree = Source.FShowTree;
    FShowTreeFull = Source.FShowTreeFull;
    FNodeIndent = Source.FNodeIndent;
    FTreeColor = Source.FTreeColor;
    Changed();
}

void TColumnSize::Set_Stretch(bool V)
{
    FStretch = V;
    if (FOwner && FOwner->parentWidget() && OnStretch)
        OnStretch(FStretchColumn);
}

void TColumnSize::Assign(const TColumnSize &Source)
{
    FSave = Source.FSave;
    FKey = Source.FKey;
    FSection = Source.FSection;
    FStretch = Source.FStretch;
    FStretchColumn = Source.FStretchColumn;
    FSynchWithGrid = Source.FSynchWithGrid;
    FSynchNormalCellsOnly = Source.FSynchNormalCellsOnly;
    FLocation = Source.FLocation;
    FRows = Source.FRows;
}
