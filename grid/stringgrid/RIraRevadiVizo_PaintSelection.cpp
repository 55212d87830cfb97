// Selection and focus as the painter shows them: the colours of selected
// text, the cells a disjunct selection leaves out, the selection's outline
// with its resize handle, and the focus rectangle.
#include "grid/stringgrid/GridCellPainter.h"
#include "grid/base/DrawRoutines.h"
#include <algorithm>

namespace {
// The row a disjunct row selection keeps its marks by: the real row while
// the marks stay with the rows through sorting.
int Selection_Row(RIraRevadiVizo &G, int ARow)
{
    return G.MouseActions().DisjunctRowSelect() && G.MouseActions().RowSelectPersistent() ? G.RealRowIndex(ARow) : ARow;
}
} // namespace

void TCellPainter::Text_Selection_Colours(RIraRevadiVizo &G, TCanvas &Canvas, int ACol, int RCol, int ARow,
                                          TGridDrawState State, bool Fixed, TColor &Link)
{
    const int SelRow = Selection_Row(G, ARow);
    const bool RowListed = G.Options().Contains(goRowSelect) && G.GetRowSelect(SelRow) && ACol >= G.FixedCols()
                           && ACol < G.ColCount() - G.FixedRightCols();
    if ((State.Contains(gdSelected) || RowListed) && !Fixed) {
        if (G.FShowSelection) {
            if (G.SelectionColor() != clNone)
                Canvas.Brush.Color = G.SelectionColor();
            if (G.isEnabled() && G.SelectionTextColor() != clNone)
                Canvas.Font.Color = G.SelectionTextColor();
            Link = G.SelectionTextColor();
        } else if (!G.hasFocus() || G.HasCheckBox(RCol, ARow)) {
            Canvas.Brush.Color = G.FUnselBrush;
            Canvas.Font.Color = G.FUnselFont;
        }
    }
}

void TCellPainter::Unselected_In_Disjunct(RIraRevadiVizo &G, TCanvas &Canvas, int ACol, int RCol, int ARow,
                                          TGridDrawState State, bool Fixed)
{
    const int SelRow = Selection_Row(G, ARow);
    if (!Fixed && G.GridState() != gsSelecting
        && ((G.MouseActions().DisjunctRowSelect() && !G.GetRowSelect(SelRow))
            || (G.MouseActions().DisjunctColSelect() && !G.GetColSelect(ACol)))) {
        Canvas.Brush.Color = G.Color();
        Canvas.Font.Color = G.Font().Color;
        // the zoom again only for a font the hook set anew (the one here is zoomed already)
        const int Zoomed = Canvas.Font.Size;
        G.GetCellColor(RCol, ARow, State, Canvas.Brush, Canvas.Font);
        if (Canvas.Font.Size != Zoomed)
            Canvas.Font.Size += G.ZoomFactor();
    }
}

void TCellPainter::Paint_Selection_Outline(RIraRevadiVizo &G, TCanvas &Canvas, int ACol, int ARow, const TRect &R)
{
    const bool Fixed = false;   // (only normal cells get the outline)
    if (G.FSelectionRectangle && !Fixed) {
        const TGridRect Sel = G.Selection();
        const int L = std::min(Sel.Left, Sel.Right), Ri = std::max(Sel.Left, Sel.Right);
        const int Tp = std::min(Sel.Top, Sel.Bottom), Bt = std::max(Sel.Top, Sel.Bottom);
        if (ACol >= L && ACol <= Ri && ARow >= Tp && ARow <= Bt) {
            const TRect Tx = Cell_Text_Rect(R, Fixed, G.GridLineWidth(), {0, 0}, true, {}, 0);
            const int GLW = G.GridLineWidth();
            Canvas.Pen.Color = G.SelectionRectangleColor();
            Canvas.Pen.Width = 2;
            if (ACol == L) {
                Canvas.MoveTo(Tx.Left - GLW + 1, Tx.Top - GLW);
                Canvas.LineTo(Tx.Left - GLW + 1, Tx.Bottom + 1);
            }
            if (ACol == Ri) {
                Canvas.MoveTo(Tx.Right - 1, Tx.Top - GLW);
                Canvas.LineTo(Tx.Right - 1, Tx.Bottom + 1);
            }
            if (ARow == Tp) {
                Canvas.MoveTo(Tx.Left - GLW, Tx.Top - GLW + 1);
                Canvas.LineTo(Tx.Right, Tx.Top - GLW + 1);
            }
            if (ARow == Bt) {
                Canvas.MoveTo(Tx.Left - GLW, Tx.Bottom);
                Canvas.LineTo(Tx.Right, Tx.Bottom);
            }
            if (G.FSelectionResizer && ACol == Ri && ARow == Bt)
                FillRectColor(Canvas, TRect(Tx.Right - 4, Tx.Bottom - 4, R.Right + 1, R.Bottom + 1),
                              G.SelectionRectangleColor());
            Canvas.Pen.Width = 1;
        }
    }
}

// A dotted rectangle round the current cell while the grid has the focus
// (not in row select, not on fixed cells).
void TCellPainter::Paint_Focus_Rect(RIraRevadiVizo &G, TCanvas &Canvas, int ACol, int ARow, const TRect &R, bool Fixed)
{
    const TPoint B = G.BaseCell(ACol, ARow);
    QWidget *FW = G.window() ? G.window()->focusWidget() : nullptr;
    if (!G.HideFocusRect() && B.X == G.Col() && B.Y == G.Row() && (FW == &G || FW == G.viewport())
        && !G.Options().Contains(goRowSelect) && !Fixed) {
        TRect F = R.Inflate(G.GridLineWidth() - 1, G.GridLineWidth() - 1);
        F.Right -= 1;
        F.Bottom -= 1;
        Canvas.Brush.Color = Canvas.Font.Color;
        Canvas.Pen.Style = psDot;
        Canvas.Pen.Color = clBlack;
        Canvas.Brush.Style = bsClear;
        Canvas.Rectangle(F);
        Canvas.Pen.Style = psSolid;
        Canvas.Brush.Style = bsSolid;
    }
}
