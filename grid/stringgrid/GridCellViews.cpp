#include "grid/stringgrid/GridCellViews.h"
#include "grid/stringgrid/RIraRevadiVizo.h"

QStringView Grid_Cell_View(const RIraRevadiVizo &G, int C, int R, char16_t *Room)
{
    return G.Model().Cell_View(C, R, Room);
}

bool Cell_Ex_View(RIraRevadiVizo &G, int C, int R, char16_t *Room, QStringView &View)
{
    // What GetCellEx does: a merged cell reads its block's base cell, and
    // only rows below NormalRowCount pass the display-text step.
    TPoint B(C, R);
    if (const TCellProperties *P = G.HasAnyCellProps() ? G.Find_Cell_Props(C, R) : nullptr)
        B = P->GetBaseCell(C, R);
    const bool Display_Step = B.Y < G.NormalRowCount();
    if (Display_Step && (G.OnGetDisplText || G.OnGetDisplWideText || G.URLShowInText() ||
                         (G.Grouping().ShowGroupCount && B.X == 1)))
        return false;
    View = G.Model().Cell_View(B.X, B.Y, Room);
    return true;
}
