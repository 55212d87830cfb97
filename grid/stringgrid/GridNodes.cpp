#include "grid/stringgrid/GridNodes.h"
#include <algorithm>

int TGridNodes::Node_Level(const IGridNodeRows &Rows, int Row)
{
    if (!Rows.Node_At(Row))
        return -1;
    return std::max(0, Rows.Row_Level(Row));
}

int TGridNodes::Node_End(const IGridNodeRows &Rows, int Row, const TCellGraphic &Node)
{
    if (Node.CellIndex != 0)
        return Row + Node.CellIndex;
    for (int R = Row + 1; R < Rows.Row_Count(); ++R)
        if (Rows.Node_At(R))
            return R;
    return Rows.Row_Count();
}

int TGridNodes::Parent_Row(const IGridNodeRows &Rows, int Row) const
{
    if (FCount == 0)
        return -1;
    int L = 65535;
    int Fallback = -1;
    if (Rows.Node_At(Row)) {
        L = Node_Level(Rows, Row);
        Fallback = Row;
    }
    // Rows a contracted node hides are not counted in the spans above.
    int Hidden = 0;
    for (int P = Row; P >= Rows.Fixed_Rows(); --P) {
        const TCellGraphic *G = Rows.Node_At(P);
        if (!G)
            continue;
        if (P < Row && G->CellBoolean)
            Hidden += G->CellIndex - 1;
        if (Node_Level(Rows, P) < L && Row < P + G->CellIndex - Hidden)
            return P;
    }
    return Fallback;
}

int TGridNodes::Span_Type(const IGridNodeRows &Rows, int Row, int FixedFooters)
{
    if (Rows.Node_At(Row))
        return 0;
    if (Row >= Rows.Row_Count() - FixedFooters - 1)
        return 1;
    const int Level = std::max(0, Rows.Row_Level(Row));
    const int Next = Rows.Row_Level(Row + 1);
    return Next >= 0 && Next >= Level ? 2 : 1;
}

std::vector<int> TGridNodes::Contract_All_Rows(const IGridNodeRows &Rows)
{
    std::vector<int> List;
    for (int R = Rows.Fixed_Rows(); R < Rows.Row_Count();) {
        TCellGraphic *G = Rows.Node_At(R);
        if (!G) {
            ++R;
            continue;
        }
        const int End = std::min(Node_End(Rows, R, *G), Rows.Row_Count());
        for (int C = R + 1; C < End; ++C)
            List.push_back(C);
        G->CellBoolean = End > R + 1;
        R = std::max(End, R + 1);
    }
    return List;
}

bool TGridNodes::In_Glyph(const TNodeGlyphPlace &P, int X)
{
    // The glyph's width and its margin from the indent, by node look.
    int W = 4, M = 4;
    switch (P.Type) {
    case cnFlat: W = 4; M = 4; break;
    case cn3D: W = 6; M = 0; break;
    case cnGlyph:
        W = P.GlyphWidth / 2;
        M = P.GlyphWidth > 0 ? 2 : 0;
        break;
    case cnLeaf: W = 8; M = 2; break;
    case cnXP: W = 4; M = 4; break;
    }
    if (!P.RightToLeft)
        return M + (P.Level - 1) * P.Indent < X && X < W + P.Level * P.Indent;
    return P.Width - P.Level * P.Indent - W - 2 <= X + P.ScrollWidth &&
           X + P.ScrollWidth < P.Width - (P.Level - 1) * P.Indent;
}
