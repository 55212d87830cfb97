#pragma once
#include "grid/model/CellGraphic.h"
#include "grid/stringgrid/GridSettings.h"
#include <QString>
#include <vector>

// The rows as the node walks see them, by display row. A node is column 0's
// node graphic: CellBoolean is set while it is contracted, CellIndex is its
// span (its own row included; 0: up to the next node).
class IGridNodeRows {
public:
    virtual ~IGridNodeRows() = default;
    virtual int Row_Count() const = 0;
    virtual int Fixed_Rows() const = 0;
    virtual TCellGraphic *Node_At(int Row) const = 0;
    // The nesting level column 0's properties carry; -1 when the row has none.
    virtual int Row_Level(int Row) const = 0;
};

// What the node glyph's hit test needs of the grid and its node settings.
struct TNodeGlyphPlace {
    int Level = 0;
    int Indent = 0;
    TNodeType Type = cnFlat;
    int GlyphWidth = 0;   // width of the expand glyph picture (both states side by side); 0: none
    bool RightToLeft = false;
    int Width = 0;        // the grid's width
    int ScrollWidth = 0;  // the vertical bar's width while it shows, else 0
};

// Column a grid is grouped by, and what it had before grouping took it out
// of view, so ungrouping puts it back as it was.
struct TGroupedColumn {
    int Column = -1;   // real column; -1: not grouped
    int Width = 0;
    QString Caption;   // its header cell
    QString Footer;    // its footer cell
};

// Row nodes and grouping: how many nodes the grid holds, the grouped
// column, and the walks over the node tree that need no window.
class TGridNodes {
public:
    int Count() const { return FCount; }
    void Set_Count(int N) { FCount = N; }   // after a load that brought node rows
    // True for the first node (column 0 is repainted then).
    bool Added() { return FCount++ == 0; }
    void Removed()
    {
        if (FCount > 0)
            --FCount;
    }
    TGroupedColumn &Grouped() { return FGrouped; }
    const TGroupedColumn &Grouped() const { return FGrouped; }

    // The level of a node row; -1 for a row that is no node.
    static int Node_Level(const IGridNodeRows &Rows, int Row);
    // The display row after a node's span: its own rows, or up to the next node.
    static int Node_End(const IGridNodeRows &Rows, int Row, const TCellGraphic &Node);
    // The node a row belongs to, counting contracted nodes' hidden rows out;
    // a node row without an outer node answers itself, other rows -1.
    int Parent_Row(const IGridNodeRows &Rows, int Row) const;
    // How the tree line at a row ends: 0 a node row, 1 the last row of its
    // span, 2 a row followed by rows at least as deep.
    static int Span_Type(const IGridNodeRows &Rows, int Row, int FixedFooters);
    // Contracting every node: each node whose span holds rows is marked
    // contracted (the others expanded); answers the rows to hide, ascending.
    static std::vector<int> Contract_All_Rows(const IGridNodeRows &Rows);
    // The x of a click is on the node's glyph.
    static bool In_Glyph(const TNodeGlyphPlace &P, int X);

private:
    int FCount = 0;
    TGroupedColumn FGrouped;
};
