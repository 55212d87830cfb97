// Repainting and painting the grid's cells.
#include "toolkit/StringGrid.h"
#include "toolkit/StringGrid_p.h"
#include <QApplication>
#include <QHash>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>

// --- repainting ---------------------------------------------------------------

void TStringGrid::InvalidateRect(const TRect &R)
{
    if (!R.Is_Empty())
        viewport()->update(R.To_QRect());
}

void TStringGrid::InvalidateCell(int ACol, int ARow) { InvalidateRect(CellRect(ACol, ARow)); }

void TStringGrid::InvalidateCol(int ACol)
{
    const int L = Col_Left(ACol);
    if (L >= 0)
        viewport()->update(Mirror_Rect(TRect(L, 0, L + ColWidths(ACol) + FGridLineWidth, Client_Height())).To_QRect());
}

void TStringGrid::InvalidateRow(int ARow)
{
    const int T = Row_Top(ARow);
    if (T >= 0)
        viewport()->update(QRect(0, T, Client_Width(), RowHeights(ARow) + FGridLineWidth));
}

void TStringGrid::InvalidateGrid() { viewport()->update(); }

void TStringGrid::Invalidate_Selection_Change(const TGridRect &Old)
{
    const TGridRect New = Selection();
    if (Old == New && Old.Left == Old.Right && Old.Top == Old.Bottom) {
        InvalidateCell(Old.Left, Old.Top);
        return;
    }
    auto Update = [this](const TGridRect &S) {
        if (S.Left == S.Right && S.Top == S.Bottom) {
            InvalidateCell(S.Left, S.Top);
            return;
        }
        for (int R = std::max(S.Top, TopRow()); R <= S.Bottom && R < TopRow() + VisibleRowCount() + 1; ++R)
            InvalidateRow(R);
    };
    Update(Old);
    Update(New);
}

// --- painting ---------------------------------------------------------------------

void TStringGrid::paintEvent(QPaintEvent *Event)
{
    // Only the cells that meet the region asked for are painted.
    FUpdateRegion = Event->region();
    struct TRegionReset {
        QRegion &R;
        ~TRegionReset() { R = QRegion(); }
    } Reset{FUpdateRegion};
    QPainter P(viewport());
    TPainterCanvas C(P);
    TPainterCanvas &Scratch = FScratch->Canvas;
    C.Pen = Scratch.Pen;
    C.Brush = Scratch.Brush;
    C.Font = Scratch.Font;
    FCanvas = &C;
    Paint();
    FCanvas = nullptr;
    Scratch.Pen = C.Pen;
    Scratch.Brush = C.Brush;
    Scratch.Font = C.Font;
}

void TStringGrid::Paint_On(TCanvas &ACanvas)
{
    TCanvas *Saved = FCanvas;
    FCanvas = &ACanvas;
    Paint();
    FCanvas = Saved;
}

void TStringGrid::Paint_Cells(int FromCol, int ToCol, int FromRow, int ToRow)
{
    const TGridRect Sel = Selection();
    QWidget *Focus = window()->focusWidget();
    const bool Focused = Focus == this || Focus == viewport() || (FInplaceEdit && Focus == FInplaceEdit);
    TCanvas &C = Canvas();
    for (int R = FromRow; R <= ToRow; ++R) {
        const int T = Row_Top(R);
        if (T < 0)
            break;
        for (int Cl = FromCol; Cl <= ToCol; ++Cl) {
            const int L = Col_Left(Cl);
            if (L < 0)
                break;
            const TRect Rect = Mirror_Rect(TRect(L, T, L + ColWidths(Cl), T + RowHeights(R)));
            if (!FUpdateRegion.isEmpty() && !FUpdateRegion.intersects(Rect.To_QRect()))
                continue;
            TGridDrawState State;
            const bool Fixed = Cl < FixedCols() || R < FixedRows();
            const bool Current = Cl == Col() && R == Row();
            if (Fixed) {
                State += gdFixed;
            } else {
                if ((FOptions.Contains(goDrawFocusSelected) || FOptions.Contains(goRowSelect) || !Current || !Focused)
                    && Sel.Contains(Cl, R))
                    State += gdSelected;
                if (Current && Focused)
                    State += gdFocused;
            }
            C.Font = FFont;
            C.Brush.Style = bsSolid;
            if (Fixed) {
                C.Brush.Color = FFixedColor;
            } else if (State.Contains(gdSelected) && FDefaultDrawing) {
                C.Brush.Color = clHighlight;
                C.Font.Color = clHighlightText;
            } else {
                C.Brush.Color = FColor;
            }
            if (FDefaultDrawing)
                C.FillRect(Rect);
            DrawCell(Cl, R, Rect, State);
            if (FDefaultDrawing && State.Contains(gdFocused) && !FOptions.Contains(goRowSelect)) {
                C.Pen.Color = clBlack;
                C.Pen.Style = psDot;
                C.Brush.Style = bsClear;
                C.Rectangle(Rect);
                C.Pen.Style = psSolid;
                C.Brush.Style = bsSolid;
            }
        }
    }
}

void TStringGrid::Paint()
{
    const int LastCol = std::min(ColCount() - 1, LeftCol() + VisibleColCount());
    const int LastRow = std::min(RowCount() - 1, TopRow() + VisibleRowCount());
    Paint_Cells(0, FixedCols() - 1, 0, FixedRows() - 1);
    Paint_Cells(LeftCol(), LastCol, 0, FixedRows() - 1);
    Paint_Cells(0, FixedCols() - 1, TopRow(), LastRow);
    Paint_Cells(LeftCol(), LastCol, TopRow(), LastRow);

    TGridDrawInfo Info;
    CalcDrawInfo(Info);
    TCanvas &C = Canvas();
    // The platform's own lines in the gaps between cells.
    const int LW = FGridLineWidth;
    if (LW > 0) {
        const TColor FixedLine = clBtnShadow;
        const TColor NormalLine = clSilver;
        C.Brush.Style = bsSolid;
        // Only the fixed and the visible lines (not every line before the view).
        auto Next_Col = [this](int Cl) { return Cl + 1 == FixedCols() ? std::max(Cl + 1, LeftCol()) : Cl + 1; };
        auto Next_Row = [this](int R) { return R + 1 == FixedRows() ? std::max(R + 1, TopRow()) : R + 1; };
        for (int Cl = FixedCols() > 0 ? 0 : LeftCol(); Cl <= LastCol; Cl = Next_Col(Cl)) {
            const int L = Col_Left(Cl);
            if (L < 0)
                continue;
            const int X = L + ColWidths(Cl);
            const bool FixedCol = Cl < FixedCols();
            if (FOptions.Contains(goFixedVertLine)) {
                C.Brush.Color = FixedLine;
                C.FillRect(Mirror_Rect(TRect(X, 0, X + LW, FixedCol ? Info.Vert.GridBoundary : Info.Vert.FixedBoundary)));
            }
            if (!FixedCol && FOptions.Contains(goVertLine)) {
                C.Brush.Color = NormalLine;
                C.FillRect(Mirror_Rect(TRect(X, Info.Vert.FixedBoundary, X + LW, Info.Vert.GridBoundary)));
            }
        }
        for (int R = FixedRows() > 0 ? 0 : TopRow(); R <= LastRow; R = Next_Row(R)) {
            const int T = Row_Top(R);
            if (T < 0)
                continue;
            const int Y = T + RowHeights(R);
            const bool FixedRow = R < FixedRows();
            if (FOptions.Contains(goFixedHorzLine)) {
                C.Brush.Color = FixedLine;
                C.FillRect(Mirror_Rect(TRect(0, Y, FixedRow ? Info.Horz.GridBoundary : Info.Horz.FixedBoundary, Y + LW)));
            }
            if (!FixedRow && FOptions.Contains(goHorzLine)) {
                C.Brush.Color = NormalLine;
                C.FillRect(Mirror_Rect(TRect(Info.Horz.FixedBoundary, Y, Info.Horz.GridBoundary, Y + LW)));
            }
        }
    }
    PaintEmptyArea();
    Paint_Sizing_Line();
}

void TStringGrid::PaintEmptyArea()
{
    // The area beyond the last cell.
    TGridDrawInfo Info;
    CalcDrawInfo(Info);
    TCanvas &C = Canvas();
    C.Brush.Style = bsSolid;
    C.Brush.Color = FColor;
    const int W = Client_Width();
    const int H = Client_Height();
    if (Info.Horz.GridBoundary < W)
        C.FillRect(Mirror_Rect(TRect(Info.Horz.GridBoundary, 0, W, H)));
    if (Info.Vert.GridBoundary < H)
        C.FillRect(Mirror_Rect(TRect(0, Info.Vert.GridBoundary, std::min(W, Info.Horz.GridBoundary), H)));
}

void TStringGrid::DrawCell(int ACol, int ARow, const TRect &ARect, TGridDrawState AState)
{
    if (FDefaultDrawing)
        Canvas().TextRect(ARect, ARect.Left + 2, ARect.Top + 2, Cells(ACol, ARow));
    if (OnDrawCell)
        OnDrawCell(this, ACol, ARow, ARect, AState);
}
