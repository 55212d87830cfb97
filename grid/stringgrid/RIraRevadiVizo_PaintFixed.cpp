// Fixed cells: their face (hover, pressed, active, sorted), their raised
// edges in the classic, XP and soft looks, and the sort mark.
#include "grid/stringgrid/GridCellPainter.h"
#include "grid/base/DrawRoutines.h"
#include <algorithm>

// The sort mark shows in the sort row of a sorted column (or one of the
// sort keys), beside fixed columns only when the settings ask for it.
bool TCellPainter::Sort_Mark_Shown(RIraRevadiVizo &G, int ACol, int RCol, int ARow)
{
    const TSortSettings &S = G.SortSettings();
    return G.IsSortRow(RCol, ARow) && G.FixedRows() > 0
           && (RCol == S.Column || std::find(S.IndexColumns.begin(), S.IndexColumns.end(), RCol) != S.IndexColumns.end())
           && (ACol >= G.FixedCols() || S.FixedCols);
}

void RIraRevadiVizo::Paint_Fixed_Face(TCanvas &Canvas, int RCol, int ARow, TRect &R, TColor Brush, TColor ColorTo,
                                      TColor MirrorColor, TColor MirrorColorTo)
{
    if (FLook != glQel && FLook != glXP && FLook != glVista && FLook != glWin7 && FLook != glOffice2007)
        return;
    const int DCol = DisplColIndex(RCol);
    // hover and pressed faces of the fixed cell under the pointer
    const THoverFixedCells HF = HoverFixedCells();
    const bool Takes_Hover = HF == hfAll || (HF == hfFixedRows && ARow < FixedRows())
                             || (HF == hfFixedColumns && DCol < FixedCols());
    if (Takes_Hover && FHoverFixed == TPoint(DCol, ARow)) {
        const TFixedGradientColors &F = FFixedGradient;
        TRect H = R;
        H.Bottom += 1;
        auto Hover = [&](const TRect &A) {
            FillGradientMirror(Canvas, A, F.HoverFrom, F.HoverTo, F.HoverMirrorFrom, F.HoverMirrorTo, true,
                               F.HoverBorder, false, true);
        };
        auto Down = [&](const TRect &A) {
            FillGradientMirror(Canvas, A, F.DownFrom, F.DownTo, F.DownMirrorFrom, F.DownMirrorTo, true, F.DownBorder,
                               false, true);
        };
        // a header drop-down button of 16 pixels at the right, where the grid offers one
        const bool DropButton = FControlLook.FixedDropDownButton && CanShowFixedDropDown(RCol);
        if (!FHoverFixedDown) {
            Hover(H);
        } else if (DropButton) {
            Down(TRect(H.Left, H.Top, H.Right - 16, H.Bottom));
            Hover(TRect(H.Right - 16, H.Top, H.Right, H.Bottom));
        } else {
            Down(H);
        }
        if (DropButton) {
            const int X = H.Right - 16;
            Canvas.Pen.Width = 1;
            Canvas.Pen.Color = FHoverFixedDown ? F.DownBorder : F.HoverBorder;
            Canvas.MoveTo(X, H.Top);
            Canvas.LineTo(X, H.Bottom);
            Canvas.Pen.Color = clBlack;
            Canvas.Brush.Color = clBlack;
            const int CX = H.Right - 8, CY = H.Top + 8;
            Canvas.Polygon({TPoint(CX - 3, CY - 2), TPoint(CX + 3, CY - 2), TPoint(CX, CY + 1)});
            R.Right -= 16;
        }
        return;
    }
    const bool HeadsRow = FixedCols() > 0 && DCol == FixedCols() - 1 && ARow == Row();
    const bool HeadsCol = FixedRows() > 0 && ARow == FixedRows() - 1 && DCol == Col();
    if (ActiveCellShow() && (HeadsRow || HeadsCol)) {
        FillGradientMirror(Canvas, R, ActiveCellColor(), ActiveCellColorTo(), clNone, clNone, true, clNone, false, true);
    } else if (FSortSettings.Column != -1 && FSortSettings.HeaderColor() != clNone && RCol == FSortSettings.Column
               && ARow == FixedRows() - 1 && (DCol >= FixedCols() || FSortSettings.FixedCols)) {
        FillGradientMirror(Canvas, R, FSortSettings.HeaderColor(), FSortSettings.HeaderColorTo(),
                           FSortSettings.HeaderMirrorColor(), FSortSettings.HeaderMirrorColorTo(), true, clNone, false,
                           true);
    } else if (!Flat()) {
        FillGradientMirror(Canvas, R, Brush, ColorTo, MirrorColor, MirrorColorTo, true,
                           FLook == glVista ? clWhite : clNone, FLook == glVista, true);
    }
}

void RIraRevadiVizo::DrawSortIndicator(TCanvas &Canvas, int ACol, int X, int Y)
{
    const auto &SS = FSortSettings;
    const auto It = std::find(SS.IndexColumns.begin(), SS.IndexColumns.end(), ACol);
    if (UseRightToLeftAlignment())
        X = Client_Width() - X;
    const TPen SavedPen = Canvas.Pen;
    auto Triangle = [&](bool Up) {
        Canvas.Pen.Color = clWhite;
        if (Up) {
            Canvas.MoveTo(X - 4, Y + 3);
            Canvas.LineTo(X + 4, Y + 3);
            Canvas.LineTo(X, Y - 4);
            Canvas.Pen.Color = 0x808080;
            Canvas.LineTo(X - 4, Y + 3);
        } else {
            Canvas.MoveTo(X, Y + 3);
            Canvas.LineTo(X + 4, Y - 4);
            Canvas.Pen.Color = 0x808080;
            Canvas.LineTo(X - 4, Y - 4);
            Canvas.LineTo(X, Y + 3);
        }
    };
    if (SS.IndexShow && It != SS.IndexColumns.end()) {
        const int K = static_cast<int>(It - SS.IndexColumns.begin());
        const bool Up = K < static_cast<int>(SS.IndexDirections.size()) ? SS.IndexDirections[K] == sdAscending : true;
        const QImage &Glyph = Up ? SS.IndexUpGlyph : SS.IndexDownGlyph;
        if (!Glyph.isNull())
            Canvas.Draw(X - Glyph.width() / 2, Y - Glyph.height() / 2, Glyph);
        else
            Triangle(Up);
        const TFont SavedFont = Canvas.Font;
        Canvas.Font.Size = 6;
        Canvas.Font.Color = clBlack;
        Canvas.Brush.Color = SS.IndexColor;
        Canvas.TextOut(X + 6, Y - 5, QString::number(K + 1));
        Canvas.Font = SavedFont;
    } else if (!SS.UpGlyph.isNull() && !SS.DownGlyph.isNull()) {
        const QImage &Glyph = SS.Direction == sdDescending ? SS.DownGlyph : SS.UpGlyph;
        Canvas.Draw(X - Glyph.width() / 2, Y - Glyph.height() / 2, Glyph);
    } else {
        Triangle(SS.Direction == sdAscending);
    }
    Canvas.Pen = SavedPen;
}

// The raised edges of a fixed cell in the classic, XP and soft looks.
void TCellPainter::Paint_Fixed_Edges(RIraRevadiVizo &G, TCanvas &Canvas, const TRect &R)
{
    const TGridOptions O = G.Options();
    Canvas.Pen.Width = 1;
    if (G.FLook == glClassic) {
        // a raised inner edge at left and top, a raised edge at right and bottom
        const TRect E(R.Left + 1, R.Top + 1, R.Right, R.Bottom + 1);
        Canvas.Pen.Color = clBtnHighlight;
        Canvas.MoveTo(E.Left, E.Bottom - 2);
        Canvas.LineTo(E.Left, E.Top);
        Canvas.LineTo(E.Right - 1, E.Top);
        Canvas.Pen.Color = clBtnShadow;
        Canvas.MoveTo(E.Right - 2, E.Top + 1);
        Canvas.LineTo(E.Right - 2, E.Bottom - 2);
        Canvas.LineTo(E.Left, E.Bottom - 2);
        Canvas.Pen.Color = clBlack;
        Canvas.MoveTo(E.Right - 1, E.Top);
        Canvas.LineTo(E.Right - 1, E.Bottom);
        Canvas.MoveTo(E.Left, E.Bottom - 1);
        Canvas.LineTo(E.Right, E.Bottom - 1);
    } else if ((G.FLook == glQel || G.FLook == glXP) && O.Contains(goFixedHorzLine)) {
        Canvas.Pen.Color = HalveColor(G.FixedColor());
        Canvas.MoveTo(R.Left, R.Bottom);
        Canvas.LineTo(R.Right, R.Bottom);
        Canvas.Pen.Color = clWhite;
        Canvas.MoveTo(R.Left + 1, R.Top + 1);
        Canvas.LineTo(R.Right - 1, R.Top + 1);
        Canvas.MoveTo(R.Left + 1, R.Top + 1);
        Canvas.LineTo(R.Left + 1, R.Bottom);
    } else if (G.FLook == glSoft) {
        // (a grid that is not flat is always 3-D here)
        const TRect E(R.Left, R.Top, R.Right + 1, R.Bottom + 1);
        if (O.Contains(goFixedHorzLine)) {
            Canvas.Pen.Color = clBtnShadow;
            Canvas.MoveTo(E.Left, E.Bottom - 1);
            Canvas.LineTo(E.Right, E.Bottom - 1);
            Canvas.Pen.Color = clWhite;
            Canvas.MoveTo(E.Left + 1, E.Bottom - 2);
            Canvas.LineTo(E.Left + 1, E.Top + 1);
            Canvas.LineTo(E.Right - 1, E.Top + 1);
        }
        if (O.Contains(goFixedVertLine)) {
            Canvas.Pen.Color = clBtnShadow;
            Canvas.MoveTo(E.Right - 2, E.Top);
            Canvas.LineTo(E.Right - 2, E.Bottom);
            Canvas.Pen.Color = clWhite;
            Canvas.MoveTo(E.Right - 1, E.Top);
            Canvas.LineTo(E.Right - 1, E.Bottom);
        }
    }
}

// Fixed right columns get the outside lines of the soft look.
void TCellPainter::Paint_Fixed_Right_Lines(RIraRevadiVizo &G, TCanvas &Canvas, const TRect &R)
{
    Canvas.Pen.Width = 1;
    Canvas.Pen.Color = G.Flat() ? 0x808080 : clBlack;
    Canvas.MoveTo(R.Left - 1, R.Top);
    Canvas.LineTo(R.Left - 1, R.Bottom);
    Canvas.MoveTo(R.Right, R.Top);
    Canvas.LineTo(R.Right, R.Bottom);
}
