// Column widths that follow the grid's width: the widths recorded once the
// grid is loaded are the reference, so repeated resizes scale from them and
// never accumulate rounding.
#include "grid/stringgrid/GridDataOps.h"
#include "grid/stringgrid/RIraRevadiVizo.h"

void TGridDataOps::InitOrigColSizes()
{
    RIraRevadiVizo &G = Grid();
    FOrigColSizes.resize(static_cast<size_t>(G.ColCount()));
    for (int C = 0; C < G.ColCount(); ++C)
        FOrigColSizes[static_cast<size_t>(C)] = G.ColWidths(C);
    FOldSize = G.width();
}

void TGridDataOps::Synch_Col_Sizes(int NewWidth)
{
    RIraRevadiVizo &G = Grid();
    if (FOldSize <= 0 || !G.ColumnSize().SynchWithGrid())
        return;
    G.HideInplaceEdit();
    // a single border takes two pixels the columns never had
    const double X = (G.BorderStyle() == bsSingle ? NewWidth + 2 : NewWidth) / static_cast<double>(FOldSize);
    const bool Normal = G.ColumnSize().SynchNormalCellsOnly();
    const int First = Normal ? G.FixedCols() : 0;
    const int Last = Normal ? G.ColCount() - G.FixedRightCols() - 1 : G.ColCount() - 1;
    for (int C = First; C <= Last && C < static_cast<int>(FOrigColSizes.size()); ++C)
        G.Set_ColWidths(C, static_cast<int>(FOrigColSizes[static_cast<size_t>(C)] * X));
}
