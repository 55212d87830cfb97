// Auto-size: column widths and row heights from the cells' texts, columns
// stretched over the control's width, and the control sized to its cells.
// Column and row indexes are display indexes; cells are read at their real
// columns. Limits go through one clamp rule (ClampToLimits): a limit of 0 or
// less sets none, equal limits leave the value alone.
#include "grid/model/MarkupText.h"
#include "grid/model/TextRoutines.h"
#include "grid/stringgrid/RIraRevadiVizo.h"
#include "platform/SystemInfo.h"
#include <cmath>

namespace {
// Round to nearest, halves to even.
int Round_Even(double V) { return static_cast<int>(std::nearbyint(V)); }
} // namespace

TPoint RIraRevadiVizo::CalcCellTextSize(int ACol, int ARow, bool WithWrap, int WrapWidth)
{
    QString Text = GetFormattedCell(ACol, ARow);
    if (Text.isEmpty())
        return TPoint(0, 0);
    if (ClassifyCellText(Text, EnableHTML()) == ctMarkup)
        Text = StripHTMLTags(Text);
    TCanvas &Cv = Canvas();
    const TFont Saved = Cv.Font;
    TFont F = ACol < FixedCols() || ARow < FixedRows() ? FixedFont() : Font();
    TBrush B;
    GetCellColor(ACol, ARow, TGridDrawState(), B, F);
    Cv.Font = F;
    TPoint Size;
    if (WithWrap) {
        TRect R(0, 0, std::max(1, WrapWidth), 0);
        Cv.DrawText(R, Text, DT_CALCRECT | DT_NOPREFIX | DT_WORDBREAK);
        Size = TPoint(R.Right - R.Left, R.Bottom - R.Top);
    } else {
        // Line by line at the widths the painter draws them with.
        const QStringList Lines = QString(Text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
                                      .replace(QChar(13), QChar(10))
                                      .split(QChar(10));
        for (const QString &L : Lines)
            Size.X = std::max(Size.X, Cv.TextWidth(L));
        Size.Y = static_cast<int>(Lines.size()) * Cv.TextHeight(QStringLiteral("gh"));
    }
    Cv.Font = Saved;
    return Size;
}

void RIraRevadiVizo::AutoSizeColCore(int ACol, bool GrowOnly)
{
    const int RC = DisplToRealCol(ACol);
    int From = 0, To = RowCount() - 1;
    switch (ColumnSize().Rows()) {
    case arNormal: From = FixedRows(); To = RowCount() - FFixedFooters - 1; break;
    case arFixed: From = 0; To = FixedRows() - 1; break;
    default: break;
    }
    int M = 0;
    for (int R = From; R <= To; ++R) {
        if (IsXMergedCell(RC, R))
            continue;
        int W = GetCellGraphicSize(RC, R).X + CalcCellTextSize(RC, R, false, 0).X;
        // Room for a drop-down button that is always shown.
        if (ControlLook().DropDownAlwaysVisible && HasComboBox(RC, R))
            W += 16;
        // Room for the filter glyph of a column that offers a filter list.
        if (FFilters.DropDownAuto() && R == FFilters.DropDownRow() && BuildFilterList(ACol) && !FFilters.List().isEmpty())
            W += 12;
        // Room for the sort glyph in the sorted column's sort row.
        if (ACol == FSortSettings.Column && IsSortRow(ACol, R))
            W += 10;
        // A graphic as wide as the cell sets the width alone, less the room
        // the cell frame and text inset would add back.
        if (const TCellGraphic *G = GetCellGraphic(RC, R); G && G->CellHAlign == haFull)
            W = GetCellGraphicSize(RC, R).X - (2 * GridLineWidth() + 2 + XYOffset().X);
        M = std::max(M, W);
    }
    int W = M + TotalXOffset() + 2 * GridLineWidth() + 2;
    if (!GrowOnly || ColWidths(ACol) < W) {
        UpdateAutoColumnSize(ACol, W);
        Set_ColWidths(ACol, ClampToLimits(W, MinColWidth(), MaxColWidth()));
    }
}

void RIraRevadiVizo::AutoSizeCol(int ACol, int Padding)
{
    AutoSizeColCore(ACol, FSizeGrowOnly);
    if (Padding != 0)
        Set_ColWidths(ACol, ClampToLimits(ColWidths(ACol) + Padding, MinColWidth(), MaxColWidth()));
}

void RIraRevadiVizo::AutoSizeColumns(bool DoFixedCols, int Padding)
{
    const int From = DoFixedCols ? 0 : FixedCols();
    const int To = DoFixedCols ? ColCount() - 1 : ColCount() - FFixedRightCols - 1;
    for (int C = From; C <= To; ++C)
        AutoSizeCol(C, Padding);
}

void RIraRevadiVizo::AutoSizeRowCore(int ARow, bool GrowOnly, int Padding)
{
    int H = 0;
    for (int C = 0; C < ColCount(); ++C) {
        const int RC = DisplToRealCol(C);
        if (IsYMergedCell(RC, ARow) || IsIgnoredColumn(RC))
            continue;
        if (IsMergedNonBaseCell(RC, ARow))
            continue;
        const TCellGraphic *G = GetCellGraphic(RC, ARow);
        if (Is_Check_Control_Cell(RC, ARow)
            || (G && TCellTypes{ctCheckBox, ctDataCheckBox, ctVirtCheckBox, ctRadioButton}.Contains(G->CellType))) {
            H = std::max(H, DefaultRowHeight());
            continue;
        }
        const bool Wrap = WordWrap();
        int Th = CalcCellTextSize(RC, ARow, Wrap, ColWidths(C) - TotalXOffset()).Y;
        int Gh = CalcCellGraphicSize(RC, ARow, Padding).Y;
        if (G && G->CellVAlign == vaFull)
            Gh = Th == 0 ? DefaultRowHeight() : 0;
        if (G && (G->CellType == ctDataCheckBox || G->CellType == ctVirtCheckBox) && Gh > 0)
            Th = 0;
        H = std::max(H, Th + Gh);
    }
    int Height = TotalYOffset() + H + 2 * GridLineWidth() + (FXYOffsetTopLeftOnly ? 2 : 0);
    if (!GrowOnly || RowHeights(ARow) < Height)
        Set_RowHeights(ARow, ClampToLimits(Height, MinRowHeight(), MaxRowHeight()));
}

void RIraRevadiVizo::AutoSizeRow(int ARow, int Padding)
{
    AutoSizeRowCore(ARow, FSizeGrowOnly, Padding);
    if (Padding != 0)
        Set_RowHeights(ARow, ClampToLimits(RowHeights(ARow) + Padding, MinRowHeight(), MaxRowHeight()));
}

void RIraRevadiVizo::SetRowHeightForLines(int ARow, int Lines, int Extra)
{
    TFont F = FixedCols() < ColCount() && ARow >= FixedRows() ? Font() : FixedFont();
    TBrush B;
    GetCellColor(FixedCols(), ARow, TGridDrawState(), B, F);
    TCanvas &Cv = Canvas();
    const TFont Saved = Cv.Font;
    Cv.Font = F;
    const int H = Cv.TextHeight(QStringLiteral("gh"));
    Cv.Font = Saved;
    Set_RowHeights(ARow, ClampToLimits(Extra + Lines * (H + H / 8), MinRowHeight(), MaxRowHeight()));
}

void RIraRevadiVizo::AutoSizeRows(bool DoFixedRows, int Padding)
{
    if (RowCount() == 0)
        return;
    const int From = DoFixedRows ? 0 : FixedRows();
    ExportNotification(esExportStart, From);
    for (int R = From; R < RowCount(); ++R) {
        ExportNotification(esExportNextRow, R);
        if (WordWrap())
            AutoSizeRow(R, Padding);
        else
            SetRowHeightForLines(R, MaxLinesInRow(R), Padding);
    }
    ExportNotification(esExportDone, -1);
}

void RIraRevadiVizo::AutoSizeCells(bool DoFixedCells, int PaddingX, int PaddingY)
{
    BeginUpdate();
    const int C0 = DoFixedCells ? 0 : FixedCols();
    const int R0 = DoFixedCells ? 0 : FixedRows();
    for (int C = C0; C < ColCount(); ++C) {
        int A = FSizeGrowOnly ? ColWidths(C) : 0;
        const int RC = DisplToRealCol(C);
        for (int R = R0; R < RowCount(); ++R) {
            const int B = RowHeights(R);
            const TPoint T = CalcCellTextSize(RC, R, false, 0);
            const TPoint G = GetCellGraphicSize(RC, R);
            int W = T.X + G.X + PaddingX + XYOffset().X;
            int H = T.Y + G.Y + PaddingY + XYOffset().Y;
            if (!IsXMergedCell(RC, R) && W > A) {
                W = ClampToLimits(W, MinColWidth(), MaxColWidth());
                if (W > A) {
                    Set_ColWidths(C, W);
                    A = W;
                }
            }
            if (!IsYMergedCell(RC, R) && H > B) {
                H = ClampToLimits(H, MinRowHeight(), MaxRowHeight());
                if (H > B)
                    Set_RowHeights(R, H);
            }
        }
    }
    EndUpdate();
}

void RIraRevadiVizo::AutoFitColumns(bool DoFixedCells)
{
    const bool NeedBar = ScrollBarAlways() == saVert
                         || (ScrollBars() != ssNone && VisibleRowCount() + FixedRows() < RowCount());
    const int S = NeedBar ? System_Info().VScroll_Width : 0;
    const int F = BorderStyle() == bsSingle ? 4 : 0;
    int From = 0, To = ColCount() - 1, Room = width();
    if (!DoFixedCells) {
        From = FixedCols();
        To = ColCount() - FFixedRightCols - 1;
        for (int C = 0; C < FixedCols(); ++C)
            Room -= ColWidths(C);
        for (int C = To + 1; C < ColCount(); ++C)
            Room -= ColWidths(C);
    }
    int L = 0;
    if (Options().Contains(goVertLine))
        L = GridLineWidth() * (ColCount() - FixedCols() - FFixedRightCols);
    if (Options().Contains(goFixedVertLine) && DoFixedCells)
        L += FixedCols() + FFixedRightCols;
    if (ColCount() < 2) {
        // One column takes the width less the scroll bar's room and 5 pixels, nothing more.
        Set_ColWidths(0, width() - S - 5);
        return;
    }
    {
        int Sum = 0;
        for (int C = From; C <= To; ++C)
            Sum += ColWidths(C);
        if (Sum == Room - S - F || Sum <= 0)
            return;   // already filling the room; a range without width has nothing to stretch
        const double Factor = double(Room - S - F - L) / Sum;
        int Total = 0;
        for (int C = From; C <= To; ++C)
            Total += Round_Even(ColWidths(C) * Factor);
        for (int C = From; C <= To; ++C)
            Set_ColWidths(C, Round_Even(double(ColWidths(C)) * Total / Sum));
    }
    int Rest = Room - S - F;
    for (int C = From; C <= To; ++C)
        Rest -= ColWidths(C);
    const int N = To - From + 1;
    if (N > 1 && N < Rest) {
        for (int C = From; C <= To; ++C)
            Set_ColWidths(C, ColWidths(C) + Rest / N);
        Rest %= N;
    }
    int Widest = From;
    for (int C = From; C <= To; ++C)
        if (ColWidths(C) > ColWidths(Widest))
            Widest = C;
    if (Widest >= 0 && Widest < ColCount())
        Set_ColWidths(Widest, ColWidths(Widest) + Rest);
}

void RIraRevadiVizo::SizeToCols()
{
    int W = 0;
    for (int C = 0; C < ColCount(); ++C)
        W += ColWidths(C);
    resize(W + (width() - viewport()->width()), height());
}

void RIraRevadiVizo::SizeToRows()
{
    int H = 0;
    for (int R = 0; R < RowCount(); ++R)
        H += RowHeights(R);
    resize(width(), H + (height() - viewport()->height()));
}

void RIraRevadiVizo::SizeToCells()
{
    const TScrollStyle Bars = ScrollBars();
    Set_ScrollBars(ssNone);
    SizeToCols();
    SizeToRows();
    Set_ScrollBars(Bars);
}
