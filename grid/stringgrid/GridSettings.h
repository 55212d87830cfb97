#pragma once
#include "grid/model/GridOutputSettings.h"
#include "toolkit/Canvas.h"
#include <QImage>
#include <QStringList>
#include <functional>
#include <vector>

class RIraRevadiVizo;

// The string grid's small option groups. Each belongs to one grid, is created
// and freed with it and copied (never shared) when a grid is assigned.

enum TNodeType { cnFlat, cn3D, cnGlyph, cnLeaf, cnXP };

// Looks of row nodes. Setters of what the nodes look like repaint the grid.
class TCellNode {
public:
    explicit TCellNode(RIraRevadiVizo *Owner = nullptr) : FOwner(Owner) {}
    TColor Color() const { return FColor; }
    void Set_Color(TColor V) { FColor = V; }
    TNodeType NodeType() const { return FNodeType; }
    void Set_NodeType(TNodeType V);
    TColor NodeColor() const { return FNodeColor; }
    void Set_NodeColor(TColor V) { FNodeColor = V; }
    const QImage &ExpandGlyph() const { return FExpandGlyph; }
    void Set_ExpandGlyph(const QImage &V) { FExpandGlyph = V.copy(); }
    const QImage &ContractGlyph() const { return FContractGlyph; }
    void Set_ContractGlyph(const QImage &V) { FContractGlyph = V.copy(); }
    bool ExpandOne() const { return FExpandOne; }
    void Set_ExpandOne(bool V) { FExpandOne = V; }
    bool ShowTree() const { return FShowTree; }
    void Set_ShowTree(bool V);
    bool ShowTreeFull() const { return FShowTreeFull; }
    void Set_ShowTreeFull(bool V);
    int NodeIndent() const { return FNodeIndent; }
    void Set_NodeIndent(int V);
    TColor TreeColor() const { return FTreeColor; }
    void Set_TreeColor(TColor V);
    void Assign(const TCellNode &Source);

private:
    void Changed();
    RIraRevadiVizo *FOwner;
    TColor FColor = 0xC0C0C0;
    TNodeType FNodeType = cnXP;
    TColor FNodeColor = clBlack;
    QImage FExpandGlyph;
    bool FExpandOne = false;
    QImage FContractGlyph;
    bool FShowTree = true;
    bool FShowTreeFull = true;
    int FNodeIndent = 12;
    TColor FTreeColor = 0x808080;
};

// Grow the row height (Height) or the column width (Width) while typing.
struct TSizeWhileTyping {
    bool Height = false;
    bool Width = false;
};

enum TColumnSizeLocation { clRegistry, clIniFile };
enum TAutoSizeRows { arAll, arNormal, arFixed };

// Where column sizes are kept and how a column stretches to the grid's width.
class TColumnSize {
public:
    explicit TColumnSize(RIraRevadiVizo *Owner = nullptr) : FOwner(Owner) {}
    bool Save() const { return FSave; }
    void Set_Save(bool V) { FSave = V; }
    QString Key() const { return FKey; }
    void Set_Key(const QString &V) { FKey = V; }
    QString Section() const { return FSection; }
    void Set_Section(const QString &V) { FSection = V; }
    bool Stretch() const { return FStretch; }
    // Stores; a grid on a window stretches its column at once (OnStretch).
    void Set_Stretch(bool V);
    int StretchColumn() const { return FStretchColumn; }
    void Set_StretchColumn(int V) { FStretchColumn = V; }
    bool SynchWithGrid() const { return FSynchWithGrid; }
    void Set_SynchWithGrid(bool V) { FSynchWithGrid = V; }
    bool SynchNormalCellsOnly() const { return FSynchNormalCellsOnly; }
    void Set_SynchNormalCellsOnly(bool V) { FSynchNormalCellsOnly = V; }
    TColumnSizeLocation Location() const { return FLocation; }
    void Set_Location(TColumnSizeLocation V) { FLocation = V; }
    TAutoSizeRows Rows() const { return FRows; }
    void Set_Rows(TAutoSizeRows V) { FRows = V; }
    void Assign(const TColumnSize &Source);
    // Run when Stretch is set on a grid with a parent (column stretching).
    std::function<void(int StretchColumn)> OnStretch;

private:
    RIraRevadiVizo *FOwner;
    bool FSave = false;
    QString FKey;
    QString FSection;
    bool FStretch = false;
    int FStretchColumn = -1;   // -1: the last column
    bool FSynchWithGrid = false;
    bool FSynchNormalCellsOnly = false;
    TColumnSizeLocation FLocation = clRegistry;
    TAutoSizeRows FRows = arAll;
};
