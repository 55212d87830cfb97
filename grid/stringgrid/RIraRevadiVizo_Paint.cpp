// The painting pipeline: the colours and fonts of each cell (visual
// properties), the content painter that runs after the base grid has laid
// down a cell's background and lines, and the painters of cell graphics,
// check boxes, radio groups and sort marks. Cells are painted by display
// column; everything a cell shows is read through its real column.
#include "grid/stringgrid/RIraRevadiVizo.h"
#include "grid/base/DrawRoutines.h"
#include "grid/base/MarkupRender.h"
#include "grid/model/TextRoutines.h"
#include "platform/ThemedParts.h"
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionProgressBar>
#include <QApplication>
#include <QPainter>
#include <QTextCursor>
#include <QTextDocument>
#include "platform/RichText.h"
#include <QRegularExpression>
#include <cmath>

namespace {
bool Is_Normal_Cell(RIraRevadiVizo &G, int ACol, int ARow)
{
    return ACol >= G.FixedCols() && ARow >= G.FixedRows();
}
int Round_Even(double V) { return static_cast<int>(std::nearbyint(V)); }

// The XP progress bar's settings from the grid's progress appearance; an
// uncomplete colour that is not set is the cell's brush.
TStyledProgress Styled_Progress(const TGridProgressAppearance &A, TColor Brush, const TFont &Font)
{
    TStyledProgress S;
    S.Level0Color = A.Level0Color();
    S.Level0ColorTo = A.Level0ColorTo();
    S.Level1Color = A.Level1Color();
    S.Level1ColorTo = A.Level1ColorTo();
    S.Level2Color = A.Level2Color();
    S.Level2ColorTo = A.Level2ColorTo();
    S.Level3Color = A.Level3Color();
    S.Level3ColorTo = A.Level3ColorTo();
    S.Level1Perc = A.Level1Perc();
    S.Level2Perc = A.Level2Perc();
    S.BorderColor = A.BorderColor();
    S.ShowBorder = A.ShowBorder();
    S.Stacked = A.Stacked();
    S.ShowPercentage = A.ShowPercentage();
    S.Font = Font;
    S.CompleteFontColor = A.CompleteFontColor();
    S.Steps = A.Steps();
    S.CompletionSmooth = A.CompletionSmooth();
    S.ShowGradient = A.ShowGradient();
    S.BackgroundColor = A.UnCompleteColor() == clNone ? Brush : A.UnCompleteColor();
    return S;
}

// The sort mark shows in the sort row of a sorted column (or one of the
// sort keys), beside fixed columns only when the settings ask for it.
bool Sort_Mark_Shown(RIraRevadiVizo &G, int ACol, int RCol, int ARow)
{
    const TSortSettings &S = G.SortSettings();
    return G.IsSortRow(RCol, ARow) && G.FixedRows() > 0
           && (RCol == S.Column || std::find(S.IndexColumns.begin(), S.IndexColumns.end(), RCol) != S.IndexColumns.end())
           && (ACol >= G.FixedCols() || S.FixedCols);
}

}

void RIraRevadiVizo::Paint()
{
    Canvas().Pen.Style = psSolid;
    Canvas().Brush.Style = bsSolid;
    TBaseGrid::Paint();
    if (EditorMode() && InplaceEditor() && InplaceEditor()->isVisible()) {
        TCanvas &C = Canvas();
        C.Pen.Color = GridLineWidth() >= 1 ? GridLineColor() : Color();
        if (!Options().Contains(goVertLine) && !Options().Contains(goHorzLine))
            C.Pen.Color = Color();
        C.Brush.Style = bsClear;
        C.Rectangle(CellRect(Col(), Row()));
        C.Brush.Style = bsSolid;
    }
    Canvas().Pen.Color = clBlack;
    PaintDesignHelper();
    if (OnPainted)
        OnPainted(this);
}

void RIraRevadiVizo::GetVisualProperties(int ACol, int ARow, TGridDrawState &AState, bool Print, bool Select,
                                         bool Remap, TBrush &ABrush, TColor &AColorTo, TColor &AMirrorColor,
                                         TColor &AMirrorColorTo, TFont &AFont, TAlignment &HA, TVAlignment &VA,
                                         bool &WW, TCellGradientDirection &GD)
{
    // 1. font by area (printing may have fonts of its own)
    const bool PrintFonts = Print && !PrintSettings().UseDisplayFont;
    if (Is_Normal_Cell(*this, ACol, ARow))
        AFont = PrintFonts ? PrintSettings().Font : Font();
    else
        AFont = PrintFonts ? PrintSettings().FixedFont : FixedFont();
    // 2. real column
    const int RCol = Remap ? RealColIndex(ACol) : ACol;
    int SelRow = ARow;
    if ((MouseActions().DisjunctRowSelect() && MouseActions().RowSelectPersistent()) || FFlags.UseEnabledRows)
        SelRow = RealRowIndex(ARow);
    // 3.
    ABrush.Color = clNone;
    AColorTo = AMirrorColor = AMirrorColorTo = clNone;
    // 4. the cell's own properties
    bool OwnColor = false;
    if (const TCellProperties *P = Find_Cell_Props(RCol, ARow)) {
        ABrush.Color = P->BrushColor();
        const TCellType K = GetCellType(RCol, ARow);
        OwnColor = (K == ctNone || K == ctRotated || K == ctEmpty) && P->BrushColor() != clNone;
        if (P->FontColor() != clNone)
            AFont.Color = P->FontColor();
        if (!P->FontStyle().Empty())
            AFont.Style = P->FontStyle();
        if (P->FontSize() != 0)
            AFont.Size = P->FontSize();
        if (!P->FontName().isEmpty())
            AFont.Name = P->FontName();
        WW = P->WordWrap();
        AColorTo = P->BrushColorTo();
        GD = P->GradientDirection();
    }
    if (AState.Contains(gdSelected))
        GD = GradientVertical;
    // 5. grid colour, bands, fixed areas
    const bool InFixedRight = FixedRightCols() > 0 && ACol >= ColCount() - FixedRightCols();
    const bool InFooter = FixedFooters() > 0 && ARow >= RowCount() - FixedFooters();
    if (ABrush.Color == clNone) {
        ABrush.Color = Color();
        if (FBands.Active() && (!Print || FBands.Print()) && ACol >= FixedCols()
            && ACol < ColCount() + NumHiddenColumns() - FixedRightCols() && ARow >= FixedRows()
            && ARow < RowCount() - FixedFooters()) {
            const int Total = FBands.PrimaryLength() + FBands.SecondaryLength();
            ABrush.Color = Total > 0 && (ARow - FixedRows()) % Total < FBands.PrimaryLength() ? FBands.PrimaryColor()
                                                                                           : FBands.SecondaryColor();
        }
        if (ACol < FixedCols() || ARow < FixedRows() || InFixedRight || InFooter)
            ABrush.Color = FixedColor();
    }
    // 6. fixed cells' face
    const bool Fixed = IsFixed(ACol, ARow) || ACol < FixedCols() || ARow < FixedRows();
    if (Fixed && !OwnColor) {
        if (!Print) {
            ABrush.Color = FixedColor();
            AFont = FixedFont();
            AState += gdFixed;
        }
        if (FLook >= glQel) {
            ABrush.Color = FFixedGradient.From;
            AColorTo = FFixedGradient.To;
            AMirrorColor = FFixedGradient.MirrorFrom;
            AMirrorColorTo = FFixedGradient.MirrorTo;
            if (ABrush.Color == clNone)
                ABrush.Color = FixedColor();
        }
    }
    // 7., 8. hooks
    if (Print)
        GetCellPrintColor(RCol, ARow, AState, ABrush, AFont);
    else
        GetCellColor(RCol, ARow, AState, ABrush, AFont);
    if (OnGetCellGradient) {
        TColor C = ABrush.Color;
        OnGetCellGradient(this, ARow, RCol, C, AColorTo, AMirrorColor, AMirrorColorTo, GD);
        ABrush.Color = C;
    }
    // 9.
    FUnselBrush = ABrush.Color;
    FUnselFont = AFont.Color;
    auto Selection_Colours = [&] {
        AColorTo = SelectionColorTo();
        AMirrorColor = SelectionMirrorColor();
        AMirrorColorTo = SelectionMirrorColorTo();
        if (SelectionTextColor() != clNone)
            AFont.Color = SelectionTextColor();
    };
    const bool Normal = Is_Normal_Cell(*this, ACol, ARow) && !AState.Contains(gdFixed);
    const bool Disjunct = MouseActions().DisjunctRowSelect() || MouseActions().DisjunctColSelect();
    // 10. disjunct row selection
    // (the mouse is down while it selects: the row under it follows the drag)
    const bool MouseDown = GridState() == gsSelecting;
    if (MouseActions().DisjunctRowSelect() && Normal && !Print && Select && FShowSelection) {
        const bool InList = GetRowSelect(SelRow);
        if (((MouseDown && ARow == Row()) || !InList) && (!MouseDown || InList || !AState.Contains(gdSelected))) {
            AState -= gdSelected;
        } else {
            AState = TGridDrawState{gdSelected};
            ABrush.Color = SelectionColor();
            Selection_Colours();
        }
    }
    // 11. disjunct column selection
    if (MouseActions().DisjunctColSelect() && Normal && !Print && Select && FShowSelection
        && ((GetColSelect(ACol) && !(MouseDown && ACol == Col()))
            || (MouseDown && !GetColSelect(ACol) && AState.Contains(gdSelected)))) {
        AState = TGridDrawState{gdSelected};
        ABrush.Color = SelectionColor();
        Selection_Colours();
    }
    // 12. range selection
    if (Select && !Print && FShowSelection && Normal && !Disjunct && AState.Contains(gdSelected)) {
        ABrush.Color = ABrush.Color == Color() ? SelectionColor()
                                               : MixSelectionColor(SelectionColor(), ABrush.Color,
                                                                   FSelectionColorMixer, FSelectionColorMixerFactor);
        Selection_Colours();
        AState += gdSelected;
    }
    // 14. disabled rows and grid
    if (UseDisabledFont()) {
        if ((FFlags.UseEnabledRows && ARow >= FixedRows() && !GetRowEnabled(RealRowIndex(ARow))) || !isEnabled())
            AFont.Color = DisabledFontColor();
    }
    // 15. rows selected apart from the current one look lighter
    if (AState.Contains(gdSelected) && MouseActions().DisjunctRowSelect() && ARow != Row()
        && SelectionColorTo() == clNone)
        ABrush.Color = ScaleColorPercent(ABrush.Color, 7);
    // 16.
    GetCellWordWrap(RCol, ARow, WW);
    CalcCellAlignment(RCol, ARow, HA, VA);
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
    } else if (FSortSettings.Column != -1 && FSortSettings.HeaderColor != clNone && RCol == FSortSettings.Column
               && ARow == FixedRows() - 1 && (DCol >= FixedCols() || FSortSettings.FixedCols)) {
        FillGradientMirror(Canvas, R, FSortSettings.HeaderColor, FSortSettings.HeaderColorTo,
                           FSortSettings.HeaderMirrorColor, FSortSettings.HeaderMirrorColorTo, true, clNone, false,
                           true);
    } else if (!Flat()) {
        FillGradientMirror(Canvas, R, Brush, ColorTo, MirrorColor, MirrorColorTo, true,
                           FLook == glVista ? clWhite : clNone, FLook == glVista, true);
    }
}

void RIraRevadiVizo::PaintCellContent(TCanvas &Canvas, int ACol, int ARow, const TRect &ARect, TGridDrawState State)
{
    TRect R = ARect;
    FCtl3D = !Flat();
    const int RCol = RealColIndex(ACol);
    bool Fixed = IsFixed(ACol, ARow) || ACol < FixedCols() || ARow < FixedRows();
    if (ARow == HoverRowIdx() && HoverRow() && HoverRowCells().Contains(hcFixed))
        Fixed = false;

    // 2., 3. the filter row's glyph; a cell scroll bar takes the right of the cell
    TCellGraphic *Graphic = GetCellGraphic(RCol, ARow);
    FPaintExtras.FilterGlyph = Shows_Filter_Glyph(RCol, ARow);
    FPaintExtras.CellScrollPos = 0;
    if (Graphic && Graphic->CellType == ctScrollbar)
        Paint_Cell_Scroll_Bar(Canvas, *Graphic, R);

    // 4. colours, fonts, alignment; the graphic's layout
    TColor ColorTo = clNone, MirrorColor = clNone, MirrorColorTo = clNone;
    TAlignment HA = taLeftJustify;
    TVAlignment VA = vtaTop;
    bool WW = WordWrap();
    TCellGradientDirection GD = GradientVertical;
    GetVisualProperties(ACol, ARow, State, false, false, true, Canvas.Brush, ColorTo, MirrorColor, MirrorColorTo,
                        Canvas.Font, HA, VA, WW, GD);
    TGraphicLayout GL = Graphic_Layout(Graphic, Graphic_Metrics(RCol, ARow));
    if (Graphic && Graphic->CellType == ctNode && RCol == 0) {
        const TCellProperties *P = Find_Cell_Props(0, ARow);
        GL.Width = (P ? P->NodeLevel() : 0) * CellNode().NodeIndent() + 4;
    }
    // 5.
    if (State.Contains(gdSelected) && !State.Contains(gdFocused) && SelectionColor() == clNone)
        Canvas.Brush.Color = clHighlight;
    Canvas.Font.Size += ZoomFactor();
    const TColor SavedBrush = Canvas.Brush.Color, SavedFont = Canvas.Font.Color;

    // 7. fixed-cell face
    if (Fixed && !FVisualStyle)
        Paint_Fixed_Face(Canvas, RCol, ARow, R, Canvas.Brush.Color, ColorTo, MirrorColor, MirrorColorTo);
    Canvas.Brush.Color = SavedBrush;
    // 8. the row indicator in the fixed column of the current row
    const int IndicatorWidth = Paint_Row_Indicator(Canvas, RCol, ARow, R);
    // 9. the list view's header face
    if (Fixed && FLook == glListView && !Flat() && !FVisualStyle)
        Paint_ListView_Header(Canvas, ACol, ARow, R);
    Canvas.Brush.Color = SavedBrush;
    // 10. modified-row bar
    if (ACol == 0 && FShowModified && GetRowModified(RealRowIndex(ARow)))
        FillRectColor(Canvas, TRect(R.Right - 4, R.Top, R.Right, R.Bottom), FShowModifiedColor);
    // 11.
    if (OnCustomCellBkgDraw)
        OnCustomCellBkgDraw(this, Canvas, RCol, ARow, State, R, false);

    // 12. editor buttons shown in every cell that has them
    const int SavedRight = R.Right;
    if (!Fixed && (FControlLook.DropDownAlwaysVisible || FControlLook.SpinButtonsAlwaysVisible)) {
        const int Look = (Flat() && FColorTones.Background.BrushColor != clNone) ? 3
                         : FControlLook.FlatButton ? 2 : 0;
        bool CanEdit = true;
        CanEditCell(RCol, ARow, CanEdit);
        CanEdit = CanEdit && isEnabled();
        const int St = CanEdit ? 0 : 3;
        if (FControlLook.DropDownAlwaysVisible && HasComboBox(RCol, ARow)) {
            DrawComboButton(Canvas, this, TRect(R.Left - 2, R.Top - 1, R.Right + 1, R.Bottom), Look, St, FColorTones);
            R.Right -= 16;
        } else if (FControlLook.SpinButtonsAlwaysVisible && HasSpinEdit(RCol, ARow)) {
            DrawSpinButtons(Canvas, this, R, Look, St, FColorTones);
            R.Right -= 16;
        }
    }

    // 13. an interface that wants to lie under the text
    const bool InterfaceFirst = Graphic && Graphic->Interface() && Graphic->Interface()->DrawBeforeText();
    if (InterfaceFirst)
        DrawCellGraphic(Canvas, RCol, ARow, R.Inflate(1, 1), Graphic, State, 0);

    // 14. text
    int TW = 0;
    const bool Custom = (OnDrawCell || OnCustomCellDraw) && NoDefaultDraw();
    if (!Custom && !(Graphic && FNoImageAndText) && GL.DrawText)
        Draw_Cell_Text(Canvas, ACol, RCol, ARow, R, State, GL, HA, VA, WW, TW);
    R.Right = SavedRight;
    Canvas.Brush.Color = SavedBrush;
    Canvas.Font.Color = SavedFont;

    // 15. borders
    R = R.Inflate(1, 1);
    DrawCellBorders(Canvas, RCol, ARow, R);
    R.Left -= IndicatorWidth;

    // 16. fixed-cell edges
    if (Fixed && !Flat()) {
        const TGridOptions O = Options();
        Canvas.Pen.Width = 1;
        if (FLook == glClassic) {
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
        } else if ((FLook == glQel || FLook == glXP) && O.Contains(goFixedHorzLine)) {
            Canvas.Pen.Color = HalveColor(FixedColor());
            Canvas.MoveTo(R.Left, R.Bottom);
            Canvas.LineTo(R.Right, R.Bottom);
            Canvas.Pen.Color = clWhite;
            Canvas.MoveTo(R.Left + 1, R.Top + 1);
            Canvas.LineTo(R.Right - 1, R.Top + 1);
            Canvas.MoveTo(R.Left + 1, R.Top + 1);
            Canvas.LineTo(R.Left + 1, R.Bottom);
        } else if (FLook == glSoft) {
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

    // 17. fixed right columns get the outside lines of the soft look
    if (FixedRightCols() > 0 && ACol >= ColCount() - FixedRightCols() && FLook != glClassic && !FCtl3D) {
        Canvas.Pen.Width = 1;
        Canvas.Pen.Color = Flat() ? 0x808080 : clBlack;
        Canvas.MoveTo(R.Left - 1, R.Top);
        Canvas.LineTo(R.Left - 1, R.Bottom);
        Canvas.MoveTo(R.Right, R.Top);
        Canvas.LineTo(R.Right, R.Bottom);
    }

    // 18. tree lines of node rows (column 0 starts at the grid's left edge)
    if (RCol == 0 && ARow >= FixedRows() && CellNode().ShowTree() && HasNodes()) {
        auto Level_Of = [&](int Row) {
            const TCellProperties *P = Row < RowCount() ? Find_Cell_Props(0, Row) : nullptr;
            return P ? P->NodeLevel() : 0;
        };
        const int Level = Level_Of(ARow);
        const int Indent = CellNode().NodeIndent();
        const int Left = R.Left + GetNodeIndent(ARow);
        const int X = Left + Indent / 2 - Indent + 2;
        const int Mid = (R.Top + R.Bottom) / 2;
        Canvas.Pen.Color = CellNode().TreeColor();
        Canvas.Pen.Width = 1;
        // (the full line stops where the text starts, so it never strikes the text through)
        if (Level > 0) {
            Canvas.MoveTo(X, Mid);
            Canvas.LineTo(CellNode().ShowTreeFull() ? std::max(Left, X + 4) : X + 4, Mid);
        }
        // the row's span type: 0 a node row, 1 the last row of its branch, 2 a row with more below
        int SpanType = 1;
        if (Graphic && Graphic->CellType == ctNode)
            SpanType = 0;
        else if (ARow < RowCount() - FixedFooters() - 1 && Level_Of(ARow + 1) >= Level && Find_Cell_Props(0, ARow + 1))
            SpanType = 2;
        if (Level > 0 && SpanType != 0) {
            Canvas.MoveTo(X, R.Top);
            Canvas.LineTo(X, SpanType == 1 ? Mid : R.Bottom + 4);
        }
        if (Find_Cell_Props(0, ARow)) {
            const bool NextInNode = ARow + 1 < RowCount() && Level_Of(ARow + 1) > 0;
            for (int I = 1; I <= Level; ++I) {
                const int XI = X - Indent * I;
                Canvas.MoveTo(XI, R.Top);
                if (NextInNode) {
                    Canvas.LineTo(XI, R.Bottom + 4);
                } else {
                    Canvas.LineTo(XI, Mid);
                    if (I < Level)
                        Canvas.LineTo(X + Indent - Indent * I, Mid);
                }
            }
        }
        Canvas.Pen.Style = psSolid;
    }

    // 19. graphics
    if (Graphic && !InterfaceFirst) {
        TRect GR = R;
        if (Fixed)
            GR.Top += 1;
        R = DrawCellGraphic(Canvas, RCol, ARow, GR, Graphic, State, TW);
    }

    // 20.
    if (OnDrawCell)
        OnDrawCell(this, RCol, ARow, TRect(R.Left + 1, R.Top + 1, R.Right - GridLineWidth(), R.Bottom - GridLineWidth()),
                   State);
    if (OnCustomCellDraw)
        OnCustomCellDraw(this, Canvas, RCol, ARow, State, R, false);

    // 21. focus rectangle
    const TPoint B = BaseCell(ACol, ARow);
    QWidget *FW = window() ? window()->focusWidget() : nullptr;
    if (!HideFocusRect() && B.X == Col() && B.Y == Row() && (FW == this || FW == viewport())
        && !Options().Contains(goRowSelect) && !Fixed) {
        TRect F = R.Inflate(GridLineWidth() - 1, GridLineWidth() - 1);
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

TRect RIraRevadiVizo::Draw_Cell_Text(TCanvas &Canvas, int ACol, int RCol, int ARow, TRect R, TGridDrawState State,
                                     const TGraphicLayout &GL, TAlignment HA, TVAlignment VA, bool WW, int &TextWidth)
{
    const bool Fixed = IsFixed(ACol, ARow) || ACol < FixedCols() || ARow < FixedRows();
    // 1. selection colours
    TColor Link = URLColor();
    const int SelRow = MouseActions().DisjunctRowSelect() && MouseActions().RowSelectPersistent() ? RealRowIndex(ARow)
                                                                                                 : ARow;
    const bool RowListed = Options().Contains(goRowSelect) && GetRowSelect(SelRow) && ACol >= FixedCols()
                           && ACol < ColCount() - FixedRightCols();
    if ((State.Contains(gdSelected) || RowListed) && !Fixed) {
        if (FShowSelection) {
            if (SelectionColor() != clNone)
                Canvas.Brush.Color = SelectionColor();
            if (isEnabled() && SelectionTextColor() != clNone)
                Canvas.Font.Color = SelectionTextColor();
            Link = SelectionTextColor();
        } else if (!hasFocus() || HasCheckBox(RCol, ARow)) {
            Canvas.Brush.Color = FUnselBrush;
            Canvas.Font.Color = FUnselFont;
        }
    }
    // 2. the text and its kind
    QString S = GetFormattedCell(RCol, ARow);
    int Kind = ClassifyCellText(S, EnableHTML());
    if (Kind == ctFormula) {
        GetFormulaResult(RCol, ARow, S);
        Kind = ClassifyCellText(S, EnableHTML());
    }
    if (Kind == ctWideEscaped) {
        S = DecodeWideText(S);
        Kind = ctPlain;
    }
    bool Password = false;
    IsPasswordCell(RCol, ARow, Password);
    if (Password) {
        S = QString(S.size(), PasswordChar());
        Kind = ctPlain;
    }
    // 3. text rectangle
    const int NodeInd = (RCol == 0 && HasNodes() && !(GetCellType(0, ARow) == ctNode)) ? GetNodeIndent(ARow) : 0;
    TRect T = Cell_Text_Rect(R, Fixed, GridLineWidth(), XYOffset(), FXYOffsetTopLeftOnly, GL, NodeInd);
    const bool SortMark = Sort_Mark_Shown(*this, ACol, RCol, ARow);
    // 5. rows or columns left out of a disjunct selection show unselected
    if (!Fixed && GridState() != gsSelecting
        && ((MouseActions().DisjunctRowSelect() && !GetRowSelect(SelRow))
            || (MouseActions().DisjunctColSelect() && !GetColSelect(ACol)))) {
        Canvas.Brush.Color = Color();
        Canvas.Font.Color = Font().Color;
        // the zoom again only for a font the hook set anew (the one here is zoomed already)
        const int Zoomed = Canvas.Font.Size;
        GetCellColor(RCol, ARow, State, Canvas.Brush, Canvas.Font);
        if (Canvas.Font.Size != Zoomed)
            Canvas.Font.Size += ZoomFactor();
    }
    // 6., 7. a picture or gradient behind the cell
    if (!FBackGround.Bitmap.isNull() || FBackGround.Display == bdGradientHorz || FBackGround.Display == bdGradientVert) {
        const bool DrawnSelected = FShowSelection && State.Contains(gdSelected)
                                   && !(State.Contains(gdFocused) && !Options().Contains(goDrawFocusSelected));
        Draw_Cell_Background(Canvas, ACol, RCol, ARow, Cell_Text_Rect(R, Fixed, GridLineWidth(), {0, 0}, true, {}, 0),
                             Fixed, DrawnSelected);
    }

    // 8. the selection's outline and its resize handle
    if (FSelectionRectangle && !Fixed) {
        const TGridRect Sel = Selection();
        const int L = std::min(Sel.Left, Sel.Right), Ri = std::max(Sel.Left, Sel.Right);
        const int Tp = std::min(Sel.Top, Sel.Bottom), Bt = std::max(Sel.Top, Sel.Bottom);
        if (ACol >= L && ACol <= Ri && ARow >= Tp && ARow <= Bt) {
            const TRect Tx = Cell_Text_Rect(R, Fixed, GridLineWidth(), {0, 0}, true, {}, 0);
            const int GLW = GridLineWidth();
            Canvas.Pen.Color = SelectionRectangleColor();
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
            if (FSelectionResizer && ACol == Ri && ARow == Bt)
                FillRectColor(Canvas, TRect(Tx.Right - 4, Tx.Bottom - 4, R.Right + 1, R.Bottom + 1),
                              SelectionRectangleColor());
            Canvas.Pen.Width = 1;
        }
    }
    // 4. the filter row's glyph at the right of the text room
    const bool Glyph = FPaintExtras.FilterGlyph;
    if (Glyph)
        Paint_Filter_Glyph(Canvas, RCol, Cell_Text_Rect(R, Fixed, GridLineWidth(), {0, 0}, true, {}, 0));
    // 3. a scrolled cell shows its content moved up, within the cell
    const int ScrollPos = FPaintExtras.CellScrollPos;
    if (ScrollPos > 0) {
        Canvas.Set_Clip_Rect(R);
        T.Top -= ScrollPos;
    }
    Canvas.Brush.Style = bsClear;
    if (Kind == ctMarkup) {
        if (Glyph)
            T.Right -= 18;
        if (SortMark)
            T.Right -= 10;
        T.Left -= 1;
        THTMLRenderParams P;
        P.Images = GetGridImages();
        P.XPos = T.Left;
        P.YPos = T.Top;
        P.URLColor = Link;
        P.WordWrap = !FEnhTextSize;
        P.ShadowColor = 0x808080;
        P.HoverStyle = false;
        THTMLRenderResult Res;
        RenderHTML(Canvas, S, T, P, Res);
        TextWidth = Res.XSize + 2;
        if (SortMark)
            DrawSortIndicator(Canvas, RCol, T.Right + 2,
                              VA == vtaTop ? T.Top + 8 : VA == vtaCenter ? (T.Top + T.Bottom) / 2 : T.Bottom - 8);
    } else if (Kind == ctRichText) {
        if (!State.Contains(gdSelected) || State.Contains(gdFocused) || SelectionColor() != clNone)
            FillRectColor(Canvas, T, Canvas.Brush.Color);
        PaintRichTextCell(RCol, ARow, Canvas, R);
        Canvas.Brush.Style = bsSolid;
        Canvas.Font.Color = clBlack;
    } else if (Kind == ctPlain) {
        bool Underline = false;
        if (FURLShow && (S.contains(QStringLiteral("://")) || S.contains(QStringLiteral("mailto:")))) {
            if (!FURLFull)
                StripURLScheme(S);
            Underline = true;
            Canvas.Font.Color = Link;
            Canvas.Font.Style = Canvas.Font.Style + fsUnderline;
        }
        const bool Single = !(FMultilineCells || WW);
        if (Single && !FMultilineCells) {
            const int Br = S.indexOf(QRegularExpression(QStringLiteral("[\r\n]")));
            if (Br >= 0)
                S = S.left(Br);
        }
        unsigned F = DT_NOCLIP | DT_NOPREFIX;
        F |= HA == taRightJustify ? DT_RIGHT : HA == taCenter ? DT_CENTER : DT_LEFT;
        F |= VA == vtaCenter ? DT_VCENTER : VA == vtaBottom ? DT_BOTTOM : DT_TOP;
        if (Single) {
            F |= DT_SINGLELINE;
            if (FEnhTextSize)
                F |= DT_END_ELLIPSIS;
        } else {
            F |= DT_WORDBREAK;
            if (FEnhTextSize && !FMultilineCells)
                F |= DT_END_ELLIPSIS;
        }
        if (HA == taCenter && SortMark)
            T = T.Offset(10, 0);
        if (Glyph)
            T.Right -= 16;
        if (GL.Width > 0 || GL.Height > 0) {
            TRect M = T;
            Canvas.DrawText(M, S, F | DT_CALCRECT);
            TextWidth = M.Width() + 2;
            if (TextWidth > 2)
                TextWidth += 2;
        }
        if (!S.isEmpty())
            Canvas.DrawText(T, S, F);
        if (Underline)
            Canvas.Font.Style = Canvas.Font.Style - fsUnderline;
        // error marker under the marked characters
        if (const TCellGraphic *G = GetCellGraphic(RCol, ARow);
            G && (G->CellType == ctEmpty || G->CellType == ctValue) && G->CellErrLen > 0)
            DrawErrorWave(Canvas, S, T, Canvas.TextHeight(QStringLiteral("hg")), G->CellErrFrom, G->CellErrLen);
        if (SortMark) {
            if (Glyph)
                R.Right -= 16;
            const int Q = std::max(0, std::min(R.Width() - 16, Canvas.TextWidth(S)));
            const int GW = (GL.HAlign == haLeft || GL.HAlign == haBeforeText) ? GL.Width : 0;
            const int X = HA == taLeftJustify ? R.Left + Q + GW + 10 : HA == taRightJustify ? R.Right - Q - 10 : R.Left + 8;
            DrawSortIndicator(Canvas, RCol, X,
                              VA == vtaTop ? R.Top + 8 : VA == vtaCenter ? (R.Top + R.Bottom) / 2 : R.Bottom - 8);
        }
    }
    Canvas.Brush.Style = bsSolid;
    if (ScrollPos > 0)
        Canvas.Clear_Clip();
    return T;
}

void RIraRevadiVizo::Draw_Cell_Background(TCanvas &Canvas, int ACol, int RCol, int ARow, const TRect &T,
                                          bool Fixed, bool DrawnSelected)
{
    const TBackGround &BG = FBackGround;
    const bool Covered = Fixed ? (BG.Cells == bcFixed || BG.Cells == bcAll) : (BG.Cells == bcNormal || BG.Cells == bcAll);
    if (!Covered || DrawnSelected)
        return;
    const int GLW = GridLineWidth();
    const bool Gradient = BG.Display == bdGradientHorz || BG.Display == bdGradientVert;
    if (!BG.Bitmap.isNull() && !Gradient && GetColors(RCol, ARow) == clNone) {
        const TRect Target(T.Left - GLW + 1, T.Top - GLW + 1, T.Right, T.Bottom);
        const int BW = BG.Bitmap.width(), BH = BG.Bitmap.height();
        Canvas.Set_Clip_Rect(Target);
        if (BG.Display == bdTile) {
            // the picture continues from cell to cell: offset by the columns and rows before this one
            const int C0 = BG.Cells == bcNormal ? FixedCols() : 0, R0 = BG.Cells == bcNormal ? FixedRows() : 0;
            long long OX = 0, OY = 0;
            for (int C = C0; C < ACol; ++C)
                OX += ColWidths(C);
            for (int Rw = R0; Rw < ARow; ++Rw)
                OY += RowHeights(Rw);
            const int SX = static_cast<int>(OX % BW), SY = static_cast<int>(OY % BH);
            for (int Y = Target.Top - SY; Y < Target.Bottom; Y += BH)
                for (int X = Target.Left - SX; X < Target.Right; X += BW)
                    Canvas.Draw(X, Y, BG.Bitmap);
        } else {
            Canvas.Draw(BG.Left, BG.Top, BG.Bitmap);
        }
        Canvas.Clear_Clip();
        return;
    }
    if (!Gradient)
        return;
    const TCellType K = GetCellType(RCol, ARow);
    const bool ControlCell = K == ctCheckBox || K == ctDataCheckBox || K == ctRadio || K == ctButton
                             || K == ctRadioButton;
    if (GetColors(RCol, ARow) != clNone && !ControlCell)
        return;
    // each cell gets its slice of one gradient over the whole control
    const TRect G(T.Left - 1, T.Top - GLW, T.Right, T.Bottom + GLW - 1);
    const bool Horz = BG.Display == bdGradientHorz;
    const int Extent = Horz ? width() : height();
    const TColor From = BlendColorAt(BG.Color, BG.ColorTo, 0, Extent, Horz ? G.Left : G.Top);
    const TColor To = BlendColorAt(BG.Color, BG.ColorTo, 0, Extent, Horz ? G.Right : G.Bottom);
    Canvas.Brush.Color = To;
    Canvas.Pen.Color = To;
    DrawGradient(Canvas, From, To, 128, G, Horz);
}

void RIraRevadiVizo::PaintRichTextCell(int ACol, int ARow, TCanvas &Canvas, const TRect &ARect)
{
    QPainter *P = Canvas.Qt_Painter();
    if (!P)
        return;
    QTextDocument Doc;
    Doc.setDefaultFont(Canvas.Font.To_QFont());
    Rtf_To_Document(GetCellEx(ACol, ARow).toLatin1(), Doc);
    // a selected cell shows the whole text in the selection's text colour
    const TGridRect Sel = Selection();
    const int DCol = DisplColIndex(ACol);
    const bool Current = DCol == Col() && ARow == Row();
    const bool Selected = DCol >= std::min(Sel.Left, Sel.Right) && DCol <= std::max(Sel.Left, Sel.Right)
                          && ARow >= std::min(Sel.Top, Sel.Bottom) && ARow <= std::max(Sel.Top, Sel.Bottom)
                          && !(Current && hasFocus() && !Options().Contains(goDrawFocusSelected))
                          && !MouseActions().DisjunctRowSelect();
    if (Selected && !FSelectionRTFKeep && SelectionTextColor() != clNone) {
        QTextCursor C(&Doc);
        C.select(QTextCursor::Document);
        QTextCharFormat F;
        F.setForeground(To_QColor(SelectionTextColor()));
        C.mergeCharFormat(F);
    }
    Doc.setDocumentMargin(0);
    const TRect T(ARect.Left + XYOffset().X, ARect.Top + XYOffset().Y, ARect.Right - XYOffset().X, ARect.Bottom);
    Doc.setTextWidth(std::max(0, T.Width()));
    P->save();
    P->translate(T.Left, T.Top);
    Doc.drawContents(P, QRectF(0, 0, T.Width(), T.Height()));
    P->restore();
}

void RIraRevadiVizo::PaintBorder(QPainter &Painter, const TRect &Bounds)
{
    const bool Look = FLook == glSoft || (FLook >= glQel && FLook <= glOffice2007);
    if (UpdateCount() > 0 || !Look || BorderStyle() != bsSingle || BorderColor() == clNone || Flat())
        return;
    // The styled frame is one pixel wide here (the cells begin right inside
    // it), so the border takes that pixel whether or not the cells fit the grid.
    Painter.setBrush(Qt::NoBrush);
    Painter.setPen(To_QColor(BorderColor()));
    Painter.drawRect(Bounds.To_QRect().adjusted(0, 0, -1, -1));
}

void RIraRevadiVizo::DrawCellBorders(TCanvas &Canvas, int ACol, int ARow, const TRect &R)
{
    TPen Pen = Canvas.Pen;
    TCellBorders Borders;
    GetCellBorder(ACol, ARow, Pen, Borders);
    if (Borders.Empty())
        return;
    TPen L = Pen, T = Pen, Ri = Pen, B = Pen;
    if (OnGetCellBorderProp)
        OnGetCellBorderProp(this, ARow, ACol, L, T, Ri, B);
    const TPen Saved = Canvas.Pen;
    auto Half = [](const TPen &P) { return (P.Width + 1) / 2; };
    const int h = Options().Contains(goVertLine) ? Half(Pen) : 0;
    const int v = Options().Contains(goHorzLine) ? Half(Pen) : 0;
    if (Borders.Contains(cbLeft)) {
        Canvas.Pen = L;
        Canvas.MoveTo(std::max(0, R.Left + h), R.Top);
        Canvas.LineTo(std::max(0, R.Left + h), R.Bottom - v);
    }
    if (Borders.Contains(cbRight)) {
        Canvas.Pen = Ri;
        Canvas.MoveTo(R.Right - h - 1, R.Top);
        Canvas.LineTo(R.Right - h - 1, R.Bottom - v);
    }
    if (Borders.Contains(cbTop)) {
        Canvas.Pen = T;
        const int Y = GridLineWidth() == 0 ? R.Top + v + 1 : std::max(0, R.Top + v - GridLineWidth());
        Canvas.MoveTo(R.Left, Y);
        Canvas.LineTo(R.Right, Y);
    }
    if (Borders.Contains(cbBottom)) {
        Canvas.Pen = B;
        Canvas.MoveTo(R.Left - GridLineWidth() - 1, R.Bottom - v - 1);
        Canvas.LineTo(R.Right, R.Bottom - v - 1);
    }
    Canvas.Pen = Saved;
}

// --- graphics ------------------------------------------------------------------------------------

TRect RIraRevadiVizo::DrawCellGraphic(TCanvas &Canvas, int ACol, int ARow, TRect R, TCellGraphic *Graphic,
                                      TGridDrawState State, int TextWidth)
{
    if (!Graphic)
        return R;
    const int DCol = DisplColIndex(ACol);
    const bool Fixed = IsFixed(DCol, ARow) || DCol < FixedCols() || ARow < FixedRows();
    TAlignment HA;
    TVAlignment VA;
    CalcCellAlignment(ACol, ARow, HA, VA);
    const TGraphicLayout GL = Graphic_Layout(Graphic, Graphic_Metrics(ACol, ARow));
    const QString Text = GetCellEx(ACol, ARow);
    const TRect G = Cell_Graphic_Rect(R, Fixed, XYOffset(), Graphic->CellType, GL, HA, VA, VAlignment(), TextWidth,
                                      !Text.isEmpty() && GL.DrawText);
    bool CanEdit = true;
    CanEditCell(ACol, ARow, CanEdit);
    CanEdit = CanEdit && isEnabled();   // a disabled grid shows its controls disabled
    switch (Graphic->CellType) {
    case ctBitmap: case ctPicture:
        if (const auto *B = dynamic_cast<const TCellBitmap *>(Real_Object(Graphic->CellBitmap))) {
            const QImage Img = Graphic->CellTransparent ? Transparent_Bitmap(B->Image) : B->Image;
            if (Graphic->CellType == ctPicture && Graphic->CellAngle != noStretch)
                Canvas.StretchDraw(G, Img);
            else
                Canvas.Draw(G.Left, G.Top, Img);
        }
        break;
    case ctIcon:
        if (const auto *I = dynamic_cast<const TCellIcon *>(Real_Object(Graphic->CellIcon)); I && !I->Icon.isNull())
            Canvas.Draw(G.Left, G.Top, I->Icon.pixmap(I->Size).toImage());
        break;
    case ctFilePicture:
        if (const auto *P = dynamic_cast<const TCellFilePicture *>(Real_Object(Graphic->CellBitmap)))
            P->Picture.DrawPicture(Canvas, G);
        break;
    case ctInterface:
        if (TCellDrawInterface *I = Graphic->Interface()) {
            // a part the interface leaves 0 takes the whole cell that way
            TRect D = G;
            if (GL.Width <= 0) {
                D.Left = R.Left;
                D.Right = R.Right;
            }
            if (GL.Height <= 0) {
                D.Top = R.Top;
                D.Bottom = R.Bottom;
            }
            I->Draw(Canvas, D, ACol, ARow, State.Contains(gdSelected));
        }
        break;
    case ctImageList:
        if (const TImageList *IL = GetGridImages())
            IL->Draw(Canvas, G.Left, G.Top, Graphic->CellIndex);
        break;
    case ctDataImage:
        if (const TImageList *IL = GetGridImages()) {
            bool Ok = false;
            const int I = Text.trimmed().toInt(&Ok) + Graphic->CellIndex;
            if (Ok && I >= 0 && I < IL->Count())
                IL->Draw(Canvas, G.Left, G.Top, I);
        }
        break;
    case ctImages:
        if (const TImageList *IL = GetGridImages())
            if (const auto *L = dynamic_cast<const TCellIntList *>(Real_Object(Graphic->CellBitmap))) {
                int X = G.Left, Y = G.Top;
                for (int I = 0; I < L->Count(); ++I) {
                    IL->Draw(Canvas, X, Y, L->GetInteger(I));
                    if (Graphic->CellBoolean)
                        X += IL->Width();
                    else
                        Y += IL->Height();
                }
            }
        break;
    case ctCheckBox:
        // (CellAngle 1 marks an attached balloon here, which leaves the box as it is)
        DrawCheckBox(Canvas, G, Graphic->CellBoolean, CanEdit, false, FControlLook.ControlStyle, false, cbUnchecked);
        break;
    case ctRowCheckBox:
        // the header's box is grayed while some but not all rows are selected
        DrawCheckBox(Canvas, G, Graphic->CellBoolean, CanEdit, Graphic->CellAngle > 0, FControlLook.ControlStyle,
                     false, cbUnchecked);
        break;
    case ctDataCheckBox: case ctVirtCheckBox:
        DrawCheckBox(Canvas, G, Text == GetCheckTrue(ACol, ARow), CanEdit, false, FControlLook.ControlStyle, false,
                     cbUnchecked);
        break;
    case ctTriStateCheckBox:
        DrawCheckBox(Canvas, G, Graphic->CellCheckBoxState == cbChecked, CanEdit, false, FControlLook.ControlStyle,
                     true, Graphic->CellCheckBoxState);
        break;
    case ctRadioButton: {
        const QStringList One{QString()};
        TRect RR = G;
        RR.Left = G.Left + XYOffset().X - 2;
        DrawRadioGroup(Canvas, RR, 1, Graphic->CellBoolean ? 0 : -2, false, !CanEdit, One, false, ACol, ARow,
                       FControlLook.ControlStyle, 1, false);
        break;
    }
    case ctRadio: {
        const QStringList Items = Graphic->Strings() ? Graphic->Strings()->Items : QStringList();
        DrawRadioGroup(Canvas, R.Inflate(-XYOffset().X + 2, -1), static_cast<int>(Items.size()), Graphic->CellIndex,
                       Graphic->CellBoolean, !CanEdit, Items, State.Contains(gdSelected), ACol, ARow,
                       FControlLook.ControlStyle, 1, false);
        break;
    }
    case ctRotated: {
        // the turned text starts where its extents, placed by the cell's alignment, fit the cell
        TRect D = R;
        PlaceRotatedText(D, Graphic->CellAngle, Text, HA == taLeftJustify ? 0 : HA == taRightJustify ? 1 : 2,
                         VA == vtaTop ? 0 : VA == vtaCenter ? 1 : 2);
        TFont Saved = Canvas.Font;
        Canvas.Font.Orientation = Graphic->CellAngle * 10;
        Canvas.Brush.Style = bsClear;
        Canvas.TextOut(D.Left, D.Top, Text);
        Canvas.Font = Saved;
        Canvas.Brush.Style = bsSolid;
        if (Sort_Mark_Shown(*this, DCol, ACol, ARow))
            DrawSortIndicator(Canvas, ACol, R.Right - 10, R.Top + 8);
        break;
    }
    case ctNode:
        Draw_Node_Button(Canvas, ARow, R, Graphic);
        break;
    case ctProgress: {
        double V = 0;
        bool Ok = false;
        V = NormalizeNumberText(Text).toDouble(&Ok);
        if (!Ok)
            V = 0;
        const TRect PR = R.Inflate(-1, -1);
        QPainter *P = Canvas.Qt_Painter();
        if (FControlLook.ProgressXP && FControlLook.ControlStyle == csTheme && Themes_Available() && P) {
            // the platform's themed bar and chunk inside the margins
            const int Range = Graphic->CellErrLen - Graphic->CellErrFrom;
            QStyleOptionProgressBar O;
            O.initFrom(this);
            O.rect = PR.Inflate(-FControlLook.ProgressMarginX, -FControlLook.ProgressMarginY).To_QRect();
            O.minimum = 0;
            O.maximum = 100;
            O.progress = Range > 0 ? ClampPercent(Round_Even((V - Graphic->CellErrFrom) * 100.0 / Range)) : 0;
            O.textVisible = false;
            O.state |= QStyle::State_Horizontal;
            style()->drawControl(QStyle::CE_ProgressBar, &O, P, this);
            break;
        }
        DrawProgressBar(Canvas, PR, Graphic->CellColor, Graphic->CellBoolean ? Graphic->CellIndex : clWhite,
                        Graphic->CellColor2, Graphic->CellBoolean ? Graphic->CellAngle : clBlack, V,
                        FControlLook.ProgressMarginX, FControlLook.ProgressMarginY, Graphic->CellErrFrom,
                        Graphic->CellErrLen, Graphic->CellText, FControlLook.ProgressBorderColor, false);
        break;
    }
    case ctXPProgress: {
        bool Ok = false;
        const double V = NormalizeNumberText(Text).toDouble(&Ok);
        const int Range = Graphic->CellErrLen - Graphic->CellErrFrom;
        const int Pct = Range > 0 ? ClampPercent(Round_Even((V - Graphic->CellErrFrom) * 100.0 / Range)) : 0;
        DrawProgressBarStyled(Canvas, R.Inflate(-2, -2), Pct,
                              Styled_Progress(ProgressAppearance(), Canvas.Brush.Color, Canvas.Font));
        break;
    }
    case ctProgressPie:
        DrawProgressPie(Canvas, TRect(G.Left, G.Top, G.Left + 20, G.Top + 20), Graphic->CellColor,
                        ClampPercent(Graphic->CellAngle), false);
        break;
    case ctRangeIndicator: {
        bool Ok = false;
        const int V = Round_Even(NormalizeNumberText(Text).toDouble(&Ok));
        DrawCenteredBar(Canvas, R.Inflate(-2, -2), V, Graphic->CellIndex, Graphic->CellBoolean, Graphic->CellColor,
                        Graphic->CellColor2);
        break;
    }
    case ctComment: {
        if (FControlLook.CommentColor == clNone)
            break;
        const TRect C = CellRect(DCol, ARow);
        const int X = C.Right - 1, Y = C.Top;
        Canvas.Brush.Color = Graphic->CellIndex != clNone ? Graphic->CellIndex : FControlLook.CommentColor;
        Canvas.Pen.Color = Canvas.Brush.Color;
        Canvas.Polygon({TPoint(X - 6, Y + 1), TPoint(X - 1, Y + 1), TPoint(X - 1, Y + 6)});
        Canvas.Brush.Color = Color();
        break;
    }
    case ctButton: case ctBitButton: case ctExpand: {
        const TRect Cell = CellRect(DCol, ARow);
        TRect B = G;
        if (Graphic->CellType == ctExpand)
            B = TRect(Cell.Right - 15, Cell.Top + 1, Cell.Right - 2, Cell.Top + 14);
        Graphic->CellValue = ((B.Top - Cell.Top) << 16) + (B.Left - Cell.Left);
        // the look of the editor buttons; the state pressed, disabled or hot
        const int Look = (Flat() && FColorTones.Background.BrushColor != clNone) ? 3
                         : FControlLook.FlatButton ? 2 : 0;
        const bool Hot = FHotButton.X == DCol && FHotButton.Y == ARow;
        const int St = Graphic->CellBoolean && Graphic->CellType != ctExpand ? 2
                       : (!CanEdit && !FControlLook.NoDisabledButtonLook && Graphic->CellType != ctExpand) ? 3
                       : Hot ? 1 : 0;
        DrawButtonFace(Canvas, this, B, Look, St, FColorTones);
        if (Graphic->CellType == ctExpand) {
            Canvas.Pen.Color = clBlack;
            const bool Up = Graphic->CellVar.toBool();
            const int x = Cell.Right, y = Cell.Top;
            if (Up)
                Canvas.Polyline({TPoint(x - 10, y + 8), TPoint(x - 7, y + 5), TPoint(x - 3, y + 9)});
            else
                Canvas.Polyline({TPoint(x - 10, y + 5), TPoint(x - 7, y + 8), TPoint(x - 3, y + 4)});
        } else {
            TRect CR = B;
            if (const auto *Glyph = dynamic_cast<const TCellBitmap *>(Real_Object(Graphic->CellBitmap));
                Glyph && Graphic->CellType == ctBitButton) {
                const int GX = Graphic->CellText.isEmpty() ? B.Left + (B.Width() - Glyph->Image.width()) / 2 : B.Left + 3;
                Canvas.Draw(GX, B.Top + (B.Height() - Glyph->Image.height()) / 2, Glyph->Image);
                CR.Left = GX + Glyph->Image.width();
            }
            Canvas.Brush.Style = bsClear;
            Canvas.Font.Color = St == 3 ? clGrayText : clBtnText;
            if (Look == 3) {
                const TColorTone &T = St == 1 ? FColorTones.Hover : St == 2 ? FColorTones.Selected
                                      : St == 3 ? FColorTones.Disabled : FColorTones.Background;
                if (T.TextColor != clNone)
                    Canvas.Font.Color = T.TextColor;
            }
            Canvas.DrawText(CR, Graphic->CellText,
                            DT_CENTER | DT_NOPREFIX | (Graphic->CellText.contains(u'\r') ? DT_WORDBREAK
                                                                                       : DT_SINGLELINE | DT_VCENTER));
            Canvas.Brush.Style = bsSolid;
        }
        break;
    }
    case ctShape:
        DrawCellShape(Canvas, G.Left, G.Top, G.Width(), G.Height(), Graphic->CellAngle, Graphic->CellIndex,
                      Graphic->CellColor);
        break;
    case ctRating: {
        bool Ok = false;
        const double V = std::nearbyint(NormalizeNumberText(Text).toDouble(&Ok) * 2) / 2;
        for (int I = 1; I <= Graphic->CellAngle; ++I) {
            const int X = G.Left + 18 * (I - 1);
            DrawCellShape(Canvas, X, G.Top, 16, 16, csStar, I > V ? Graphic->CellColor : Graphic->CellIndex,
                          I > V ? Graphic->CellColor : Graphic->CellIndex);
            if (I > V && V > I - 1)
                DrawCellShape(Canvas, X, G.Top, 16, 16, csHalfStar, Graphic->CellIndex, Graphic->CellIndex);
        }
        break;
    }
    default:
        break;
    }
    return R;
}

void RIraRevadiVizo::Draw_Node_Button(TCanvas &Canvas, int ARow, TRect R, TCellGraphic *Graphic)
{
    const TCellNode &N = CellNode();
    const int Indent = N.NodeIndent();
    const int Cell_Left = R.Left;
    R.Left = Cell_Left + GetNodeIndent(ARow) - Indent;
    const bool Contracted = Graphic->CellBoolean;
    auto Level_Of = [&](int Row) {
        const TCellProperties *P = Row >= 0 && Row < RowCount() ? Find_Cell_Props(0, Row) : nullptr;
        return P ? P->NodeLevel() : 0;
    };
    const int Level = Level_Of(ARow);
    const int Mid = (R.Top + R.Bottom) / 2;
    if (N.ShowTree()) {
        // short connectors from the button to a deeper child below and to the row above
        const int X = R.Left + Indent / 2 + 2;
        Canvas.Pen.Color = N.TreeColor();
        Canvas.Pen.Width = 1;
        if (!Contracted && Level_Of(ARow + 1) > Level) {
            Canvas.MoveTo(X, Mid);
            Canvas.LineTo(X, R.Bottom + 4);
        }
        if (ARow > FixedRows() && Level_Of(ARow - 1) >= Level) {
            Canvas.MoveTo(X, R.Top + 6);
            Canvas.LineTo(X, R.Top);
        }
    }
    // the button's background: the cell's brush, or the grid's colour
    TColor Back = Canvas.Brush.Color;
    if (Back == clNone)
        Back = ARow < FixedRows() ? FixedColor() : Color();
    const int BX = Cell_Left + GetNodeIndent(ARow) - Indent / 2 - 4;
    switch (N.NodeType()) {
    case cnLeaf: {
        // a small arrow: right while contracted, down while open
        const int Y = R.Top + (R.Height() - 12) / 2;
        Canvas.Brush.Color = N.NodeColor();
        Canvas.Pen.Color = N.NodeColor();
        if (Contracted)
            Canvas.Polygon({TPoint(BX + 2, Y + 2), TPoint(BX + 7, Y + 6), TPoint(BX + 2, Y + 10)});
        else
            Canvas.Polygon({TPoint(BX, Y + 4), TPoint(BX + 8, Y + 4), TPoint(BX + 4, Y + 9)});
        break;
    }
    case cnGlyph:
        if (!N.ContractGlyph().isNull() && !N.ExpandGlyph().isNull()) {
            const QImage &G = Contracted ? N.ExpandGlyph() : N.ContractGlyph();
            Canvas.Draw(BX, R.Top + (R.Height() - G.height()) / 2, G);
            break;
        }
        [[fallthrough]];
    default: {
        // an 8x8 box 4 pixels in, vertically centred (the XP form 9x9 with a shaded face)
        const int S = N.NodeType() == cnXP ? 9 : 8;
        const int Y = R.Top + (R.Height() - S) / 2;
        const TRect B(BX, Y, BX + S + 1, Y + S + 1);
        if (N.NodeType() == cn3D) {
            FillRectColor(Canvas, B.Inflate(1, 1), N.Color());
        }
        if (N.NodeType() == cnXP)
            DrawGradient(Canvas, clWhite, N.Color(), 8, B, false);
        else
            FillRectColor(Canvas, B, N.NodeType() == cnFlat ? N.Color() : Back);
        if (N.NodeType() == cnFlat || N.NodeType() == cnXP || N.NodeType() == cnGlyph) {
            Canvas.Brush.Color = N.NodeType() == cnXP ? 0x9C7A5B : N.NodeColor();
            Canvas.FrameRect(B);
        } else {
            // raised while contracted, sunken while open
            Canvas.Pen.Color = Contracted ? clWhite : 0x808080;
            Canvas.MoveTo(B.Left, B.Bottom - 1);
            Canvas.LineTo(B.Left, B.Top);
            Canvas.LineTo(B.Right - 1, B.Top);
            Canvas.Pen.Color = Contracted ? 0x808080 : clWhite;
            Canvas.LineTo(B.Right - 1, B.Bottom - 1);
            Canvas.LineTo(B.Left, B.Bottom - 1);
        }
        Canvas.Pen.Color = N.NodeColor();
        const int CY = B.Top + B.Height() / 2, CX = B.Left + B.Width() / 2;
        Canvas.MoveTo(B.Left + 2, CY);
        Canvas.LineTo(B.Right - 2, CY);
        if (Contracted) {
            Canvas.MoveTo(CX, B.Top + 2);
            Canvas.LineTo(CX, B.Bottom - 2);
        }
        break;
    }
    }
}

namespace {
void Tick(TCanvas &C, const TRect &B, TColor Color)
{
    C.Pen.Color = Color;
    C.Pen.Width = 1;
    const int X = B.Left + B.Width() / 2 - 4, Y = B.Top + B.Height() / 2 - 1;
    for (int D = 0; D < 3; ++D) {
        C.MoveTo(X, Y + D);
        C.LineTo(X + 2, Y + 2 + D);
        C.LineTo(X + 7, Y - 3 + D);
    }
}
}

void RIraRevadiVizo::DrawCheckBox(TCanvas &Canvas, TRect ARect, bool Checked, bool Enabled, bool Grayed,
                                  TControlStyle Style, bool IsTriState, TCheckBoxState TriState)
{
    if (FControlLook.NoDisabledCheckRadioLook || FControlLook.CheckAlwaysActive)
        Enabled = true;
    if (IsTriState) {
        Checked = TriState == cbChecked;
        Grayed = TriState == cbGrayed;
    }
    const int S = FControlLook.CheckSize;
    // a CheckSize square centred in the rectangle (at least at its top-left)
    const int L = ARect.Left + std::max(0, (ARect.Width() - S) / 2);
    const int T = ARect.Top + std::max(0, (ARect.Height() - S) / 2);
    const TRect B(L, T, L + S, T + S);
    // the themed box where the platform has themes (and a painter to draw them)
    if (Style == csTheme) {
        if (QPainter *P = Canvas.Qt_Painter(); P && Themes_Available()) {
            Draw_Theme_Part(*P, this, tpCheckBox, Enabled ? tsNormal : tsDisabled, B.To_QRect(),
                            Grayed ? tcMixed : Checked ? tcChecked : tcUnchecked);
            return;
        }
        Style = csClassic;
    }
    const TPen SavedPen = Canvas.Pen;
    const TBrush SavedBrush = Canvas.Brush;
    switch (Style) {
    case csGlyph: {
        const QImage &Img = Checked ? FControlLook.CheckedGlyph : FControlLook.UnCheckedGlyph;
        if (!Img.isNull()) {
            Canvas.Draw(B.Left, B.Top, Img);
            break;
        }
        [[fallthrough]];
    }
    case csWinXP: case csQel: {
        // rounded box in the style's frame colour, a light face, the tick in green or blue
        const bool XP = Style != csQel;
        Canvas.Brush.Color = Enabled ? (XP ? 0xF4F4F4 : clWhite) : 0xE0E0E0;
        Canvas.Pen.Color = Enabled ? (XP ? 0x85501C : 0xB99D7F) : 0xB0B0B0;
        Canvas.RoundRect(B, 3, 3);
        if (Grayed)
            FillRectColor(Canvas, B.Inflate(-4, -4), Enabled ? 0x5EC173 : 0xC0C0C0);
        else if (Checked)
            Tick(Canvas, B, Enabled ? (XP ? 0x21A121 : 0x8B5A2B) : 0x909090);
        break;
    }
    case csCorvan: {
        FillRectColor(Canvas, B, Enabled ? clBtnFace : clBtnShadow);
        Canvas.Pen.Color = clBtnHighlight;
        Canvas.MoveTo(B.Left, B.Bottom - 1);
        Canvas.LineTo(B.Left, B.Top);
        Canvas.LineTo(B.Right - 1, B.Top);
        Canvas.Pen.Color = clBtnShadow;
        Canvas.LineTo(B.Right - 1, B.Bottom - 1);
        Canvas.LineTo(B.Left, B.Bottom - 1);
        // (grayed: the tick in grey)
        if (Checked || Grayed)
            Tick(Canvas, B, Enabled && !Grayed ? FControlLook.Color : 0x808080);
        break;
    }
    default: {
        // csClassic, csFlat and csTheme: the classic check frame
        Canvas.Brush.Color = Enabled && !Grayed ? clWindow : clBtnFace;
        Canvas.Pen.Color = clBtnShadow;
        Canvas.Rectangle(B);
        if (Style != csFlat) {
            Canvas.Pen.Color = cl3DDkShadow;
            Canvas.MoveTo(B.Left + 1, B.Bottom - 2);
            Canvas.LineTo(B.Left + 1, B.Top + 1);
            Canvas.LineTo(B.Right - 1, B.Top + 1);
        }
        if (Checked || Grayed)
            Tick(Canvas, B, Enabled && !Grayed ? clWindowText : clBtnShadow);
        break;
    }
    }
    Canvas.Pen = SavedPen;
    Canvas.Brush = SavedBrush;
}

void RIraRevadiVizo::DrawRadioGroup(TCanvas &Canvas, TRect ARect, int Count, int ItemIndex, bool Horizontal,
                                    bool Disabled, const QStringList &Items, bool Selected, int ACol, int ARow,
                                    TControlStyle Style, int Scale, bool Upward)
{
    if (FControlLook.NoDisabledCheckRadioLook || FControlLook.RadioAlwaysActive)
        Disabled = false;
    int Marked = ItemIndex + 1;
    if (ItemIndex == -1)
        Marked = static_cast<int>(Items.indexOf(GetCellEx(ACol, ARow))) + 1;
    const int RS = FControlLook.RadioSize * Scale;
    const int TH = Canvas.TextHeight(QStringLiteral("gh"));
    const TFont SavedFont = Canvas.Font;
    if (Selected && FShowSelection && SelectionTextColor() != clNone)
        Canvas.Font.Color = SelectionTextColor();
    int X = ARect.Left + 2;
    for (int I = 1; I <= Count; ++I) {
        int Y = Upward ? ARect.Bottom - TH * I - 2 : ARect.Top + TH * (I - 1) + 2;
        if (Horizontal)
            Y = ARect.Top + 2;
        const TRect M(X, Y + std::max(0, (TH - RS) / 2), X + RS, Y + std::max(0, (TH - RS) / 2) + RS);
        const bool On = I == Marked;
        QPainter *P = Canvas.Qt_Painter();
        if (Style == csTheme && P && Themes_Available()) {
            QStyleOptionButton O;
            O.initFrom(this);
            O.rect = M.To_QRect();
            O.state &= ~(QStyle::State_Enabled | QStyle::State_HasFocus | QStyle::State_MouseOver);
            O.state |= (Disabled ? QStyle::State_None : QStyle::State_Enabled)
                       | (On ? QStyle::State_On : QStyle::State_Off);
            style()->drawPrimitive(QStyle::PE_IndicatorRadioButton, &O, P, this);
        } else if (Style == csGlyph && !(On ? FControlLook.RadioOnGlyph : FControlLook.RadioOffGlyph).isNull()) {
            // a glyph of another size than the mark is centred on the mark's place
            const QImage &Img = On ? FControlLook.RadioOnGlyph : FControlLook.RadioOffGlyph;
            Canvas.Draw(M.Left + (RS - Img.width()) / 2, M.Top + (RS - Img.height()) / 2, Img);
        } else if (Style == csCorvan) {
            const int cx = (M.Left + M.Right) / 2, cy = (M.Top + M.Bottom) / 2, h = RS / 2;
            Canvas.Brush.Color = Disabled ? clBtnShadow : clBtnFace;
            Canvas.Pen.Color = clBtnShadow;
            Canvas.Polygon({TPoint(cx, cy - h), TPoint(cx + h, cy), TPoint(cx, cy + h), TPoint(cx - h, cy)});
            if (On) {
                Canvas.Brush.Color = Disabled ? 0x808080 : FControlLook.Color;
                Canvas.Polygon({TPoint(cx, cy - h + 3), TPoint(cx + h - 3, cy), TPoint(cx, cy + h - 3),
                                TPoint(cx - h + 3, cy)});
            }
        } else {
            const TRect E = Style == csFlat ? TRect(M.Left, M.Top, M.Right + 2, M.Bottom + 2) : M;
            Canvas.Brush.Color = Disabled ? clBtnFace : clWindow;
            Canvas.Pen.Color = Style == csWinXP ? 0x85501C : Style == csQel ? 0xB99D7F : clBtnShadow;
            Canvas.Ellipse(E);
            if (On) {
                Canvas.Brush.Color = Disabled ? clBtnShadow : (Style == csWinXP ? 0x21A121 : clWindowText);
                Canvas.Pen.Color = Canvas.Brush.Color;
                Canvas.Ellipse(E.Inflate(-(E.Width() / 3), -(E.Height() / 3)));
            }
        }
        const QString Item = Items.value(I - 1);
        Canvas.Brush.Style = bsClear;
        Canvas.TextOut(X + (FControlLook.RadioSize + 4) * Scale, Y, Item);
        Canvas.Brush.Style = bsSolid;
        if (Horizontal)
            X += (FControlLook.RadioSize + 4) * Scale + Canvas.TextWidth(Item) + 4;
    }
    Canvas.Font = SavedFont;
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
