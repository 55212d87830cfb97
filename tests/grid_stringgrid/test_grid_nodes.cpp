// The node walks kept apart from the grid: spans, parents, tree-line ends,
// contracting every node and the glyph's hit test, over a fake column 0.
#include "grid/stringgrid/GridNodes.h"
#include <gtest/gtest.h>
#include <map>

namespace {

// Row 0 is fixed. A row is a node when it has a span; every row may carry
// a level (-1: no properties).
class TFakeNodes final : public IGridNodeRows {
public:
    struct TRow {
        int Span;   // -1: no node; 0: up to the next node
        int Level;
        bool Contracted = false;
    };
    explicit TFakeNodes(const std::vector<TRow> &Rows) : Count(static_cast<int>(Rows.size()))
    {
        for (int R = 0; R < Count; ++R) {
            Levels[R] = Rows[static_cast<size_t>(R)].Level;
            if (Rows[static_cast<size_t>(R)].Span < 0)
                continue;
            TCellGraphic &G = Nodes[R];
            G.CellType = ctNode;
            G.CellIndex = Rows[static_cast<size_t>(R)].Span;
            G.CellBoolean = Rows[static_cast<size_t>(R)].Contracted;
        }
    }
    int Count;
    mutable std::map<int, TCellGraphic> Nodes;
    std::map<int, int> Levels;
    int Row_Count() const override { return Count; }
    int Fixed_Rows() const override { return 1; }
    TCellGraphic *Node_At(int Row) const override
    {
        auto It = Nodes.find(Row);
        return It == Nodes.end() ? nullptr : &It->second;
    }
    int Row_Level(int Row) const override
    {
        auto It = Levels.find(Row);
        return It == Levels.end() ? -1 : It->second;
    }
};

// head | node A (span 4, level 1) | a1 | node B inside A (span 2, level 2) |
// b1 | node C (span 0: up to the end) | c1 | c2
const std::vector<TFakeNodes::TRow> Tree = {
    {-1, -1}, {4, 1}, {-1, 1}, {2, 2}, {-1, 2}, {0, 1}, {-1, 1}, {-1, 1},
};

// A node's span ends after its rows; a span of 0 runs up to the next node.
TEST(GridNodes, NodeEndAndLevel)
{
    struct TCase {
        const char *Name;
        int Row;
        int End;
        int Level;
    };
    const TCase Cases[] = {
        {"OuterNode", 1, 5, 1},
        {"InnerNode", 3, 5, 2},
        {"OpenSpanRunsToTheEnd", 5, 8, 1},
        {"PlainRowIsNoNode", 2, -1, -1},
    };
    TFakeNodes Rows(Tree);
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(TGridNodes::Node_Level(Rows, C.Row), C.Level);
        if (const TCellGraphic *G = Rows.Node_At(C.Row)) {
            EXPECT_EQ(TGridNodes::Node_End(Rows, C.Row, *G), C.End);
        }
    }
    // An open span stops at the next node.
    TFakeNodes Open({{-1, -1}, {0, 1}, {-1, 1}, {1, 1}});
    EXPECT_EQ(TGridNodes::Node_End(Open, 1, *Open.Node_At(1)), 3);
}

// A row's parent is the nearest node above it whose span holds it; a
// contracted node above shortens the spans by its hidden rows; without
// nodes there is no parent at all.
TEST(GridNodes, ParentRow)
{
    struct TCase {
        const char *Name;
        int Row;
        int Parent;
    };
    const TCase Cases[] = {
        {"RowInOuterNode", 2, 1},
        {"RowInInnerNode", 4, 3},
        {"InnerNodeInOuter", 3, 1},
        {"OuterNodeAnswersItself", 1, 1},
        // an open span (0) holds no row for its parent search
        {"RowInOpenSpan", 6, -1},
        {"FixedRowHasNone", 0, -1},
    };
    TFakeNodes Rows(Tree);
    TGridNodes Nodes;
    EXPECT_EQ(Nodes.Parent_Row(Rows, 2), -1);
    for (int I = 0; I < 3; ++I)
        Nodes.Added();
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(Nodes.Parent_Row(Rows, C.Row), C.Parent);
    }
    // Inner node 2 contracted (its 2 rows gone): node 1's span ends at row 3.
    TFakeNodes Shown({{-1, -1}, {5, 1}, {3, 2, true}, {-1, 1}, {-1, 1}});
    EXPECT_EQ(Nodes.Parent_Row(Shown, 3), 1);
    EXPECT_EQ(Nodes.Parent_Row(Shown, 4), -1);
}

// The tree line ends at a row unless the next row is at least as deep; a
// node row and the row before the footers end it as well.
TEST(GridNodes, SpanType)
{
    struct TCase {
        const char *Name;
        int Row;
        int Footers;
        int Type;
    };
    const TCase Cases[] = {
        {"NodeRow", 1, 0, 0},
        {"NextIsDeeper", 2, 0, 2},
        {"NextIsShallower", 4, 0, 1},
        {"LastRow", 7, 0, 1},
        {"BeforeFooter", 6, 1, 1},
    };
    TFakeNodes Rows(Tree);
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(TGridNodes::Span_Type(Rows, C.Row, C.Footers), C.Type);
    }
    // A level above the next row's ends the line; so does a next row without properties.
    TFakeNodes Mixed({{-1, -1}, {-1, 2}, {-1, 1}, {-1, 0}, {-1, -1}, {-1, -1}});
    EXPECT_EQ(TGridNodes::Span_Type(Mixed, 1, 0), 1);
    EXPECT_EQ(TGridNodes::Span_Type(Mixed, 3, 0), 1);
}

// Contracting every node hides each node's rows (an inner node's rows with
// its outer one) and marks contracted only nodes whose span holds rows.
TEST(GridNodes, ContractAllRows)
{
    TFakeNodes Rows(Tree);
    EXPECT_EQ(TGridNodes::Contract_All_Rows(Rows), (std::vector<int>{2, 3, 4, 6, 7}));
    EXPECT_TRUE(Rows.Node_At(1)->CellBoolean);
    EXPECT_FALSE(Rows.Node_At(3)->CellBoolean);   // hidden inside node 1, left expanded
    EXPECT_TRUE(Rows.Node_At(5)->CellBoolean);
    TFakeNodes Lone({{-1, -1}, {1, 1, true}, {-1, 0}});
    EXPECT_TRUE(TGridNodes::Contract_All_Rows(Lone).empty());
    EXPECT_FALSE(Lone.Node_At(1)->CellBoolean);
}

// The glyph sits in the node's indent: its width and margin by node look,
// mirrored at the right edge (left of the bar) for right-to-left.
TEST(GridNodes, GlyphHit)
{
    struct TCase {
        const char *Name;
        TNodeType Type;
        int Glyph;
        bool Rtl;
        int Scroll;
        int X;
        bool Hit;
    };
    // level 2, indent 12, grid 200 wide
    const TCase Cases[] = {
        {"FlatInside", cnFlat, 0, false, 0, 20, true},
        {"FlatOnMargin", cnFlat, 0, false, 0, 16, false},
        {"FlatPastGlyph", cnFlat, 0, false, 0, 28, false},
        {"ThreeDNoMargin", cn3D, 0, false, 0, 13, true},
        {"LeafWide", cnLeaf, 0, false, 0, 31, true},
        {"GlyphHalfWidth", cnGlyph, 20, false, 0, 33, true},
        {"GlyphAbsent", cnGlyph, 0, false, 0, 13, true},
        {"GlyphAbsentPast", cnGlyph, 0, false, 0, 24, false},
        {"RtlInside", cnFlat, 0, true, 0, 180, true},
        {"RtlLeftOfGlyph", cnFlat, 0, true, 0, 169, false},
        {"RtlBarShifts", cnFlat, 0, true, 17, 163, true},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        TNodeGlyphPlace P;
        P.Level = 2;
        P.Indent = 12;
        P.Type = C.Type;
        P.GlyphWidth = C.Glyph;
        P.RightToLeft = C.Rtl;
        P.Width = 200;
        P.ScrollWidth = C.Scroll;
        EXPECT_EQ(TGridNodes::In_Glyph(P, C.X), C.Hit);
    }
}

// The count and the grouped column the grid keeps.
TEST(GridNodes, CountAndGroupedColumn)
{
    TGridNodes Nodes;
    EXPECT_TRUE(Nodes.Added());
    EXPECT_FALSE(Nodes.Added());
    Nodes.Removed();
    Nodes.Removed();
    Nodes.Removed();
    EXPECT_EQ(Nodes.Count(), 0);
    EXPECT_EQ(Nodes.Grouped().Column, -1);
}

} // namespace
