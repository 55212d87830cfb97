// The painting pipeline: the content painter that runs after the base grid
// has laid down a cell's background and lines, in the order of its layers,
// and the cell borders. Cells are painted by display column; everything a
// cell shows is read through its real column. The layers themselves are
// painted by the files named in GridCellPainter.h.
#include "grid/stringgrid/GridCellPainter.h"
#include "grid/base/DrawRoutines.h"
#include <QPainter>

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

void RIraRevadiVizo::PaintCellContent(TCanvas &Canvas, int ACol, int ARow, const TRect &ARect, TGridDrawState State)
{
    TRect R = ARect;
    FCtl3D = !Flat();
    const int RCol = RealColIndex(ACol);
    bool Fixed = IsFixed(ACol, ARow) || ACol < FixedCols() || ARow < FixedRows();
    if (ARow == HoverRowIdx() && HoverRow() && HoverRowCells().Contains(hcFixed))
        Fixed = false;

    // the filter row's glyph; a cell scroll bar takes the right of the cell
    TCellGraphic *Graphic = GetCellGraphic(RCol, ARow);
    FPaintExtras.FilterGlyph = Shows_Filter_Glyph(RCol, ARow);
    FPaintExtras.CellScrollPos = 0;
    if (Graphic && Graphic->CellType == ctScrollbar)
        Paint_Cell_Scroll_Bar(Canvas, *Graphic, R);

    // colours, fonts, alignment; the graphic's layout (a node's room grows with its level)
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
    // a selected cell without a selection colour of its own takes the system's
    if (State.Contains(gdSelected) && !State.Contains(gdFocused) && SelectionColor() == clNone)
        Canvas.Brush.Color = clHighlight;
    Canvas.Font.Size += ZoomFactor();
    const TColor SavedBrush = Canvas.Brush.Color, SavedFont = Canvas.Font.Color;

    // what lies under the text: the fixed face, the row indicator, the list
    // view's header, the modified-row bar and the application's background
    if (Fixed && !FVisualStyle)
        Paint_Fixed_Face(Canvas, RCol, ARow, R, Canvas.Brush.Color, ColorTo, MirrorColor, MirrorColorTo);
    Canvas.Brush.Color = SavedBrush;
    const int IndicatorWidth = Paint_Row_Indicator(Canvas, RCol, ARow, R);
    if (Fixed && FLook == glListView && !Flat() && !FVisualStyle)
        Paint_ListView_Header(Canvas, ACol, ARow, R);
    Canvas.Brush.Color = SavedBrush;
    if (ACol == 0 && FShowModified.Enabled && GetRowModified(RealRowIndex(ARow)))
        FillRectColor(Canvas, TRect(R.Right - 4, R.Top, R.Right, R.Bottom), FShowModified.Color());
    if (OnCustomCellBkgDraw)
        OnCustomCellBkgDraw(this, Canvas, RCol, ARow, State, R, false);

    // editor buttons shown in every cell that has them take the right of the cell
    const int SavedRight = R.Right;
    if (!Fixed)
        TCellPainter::Paint_Editor_Buttons(*this, Canvas, RCol, ARow, R);

    // an interface that wants to lie under the text
    const bool InterfaceFirst = Graphic && Graphic->Interface() && Graphic->Interface()->DrawBeforeText();
    if (InterfaceFirst)
        DrawCellGraphic(Canvas, RCol, ARow, R.Inflate(1, 1), Graphic, State, 0);

    // the text, unless the application draws the cell itself
    int TW = 0;
    const bool Custom = (OnDrawCell || OnCustomCellDraw) && NoDefaultDraw();
    if (!Custom && !(Graphic && FNoImageAndText) && GL.DrawText)
        Draw_Cell_Text(Canvas, ACol, RCol, ARow, R, State, GL, HA, VA, WW, TW);
    R.Right = SavedRight;
    Canvas.Brush.Color = SavedBrush;
    Canvas.Font.Color = SavedFont;

    // the cell's own borders, then the edges of fixed cells over them
    R = R.Inflate(1, 1);
    DrawCellBorders(Canvas, RCol, ARow, R);
    R.Left -= IndicatorWidth;

    if (Fixed && !Flat())
        TCellPainter::Paint_Fixed_Edges(*this, Canvas, R);
    if (FixedRightCols() > 0 && ACol >= ColCount() - FixedRightCols() && FLook != glClassic && !FCtl3D)
        TCellPainter::Paint_Fixed_Right_Lines(*this, Canvas, R);
    // tree lines of node rows (column 0 starts at the grid's left edge)
    if (RCol == 0 && ARow >= FixedRows() && CellNode().ShowTree() && HasNodes())
        TCellPainter::Paint_Tree_Lines(*this, Canvas, ARow, R, Graphic);

    // the graphic over the text
    if (Graphic && !InterfaceFirst) {
        TRect GR = R;
        if (Fixed)
            GR.Top += 1;
        R = DrawCellGraphic(Canvas, RCol, ARow, GR, Graphic, State, TW);
    }

    // the application's own drawing comes last
    if (OnDrawCell)
        OnDrawCell(this, RCol, ARow, TRect(R.Left + 1, R.Top + 1, R.Right - GridLineWidth(), R.Bottom - GridLineWidth()),
                   State);
    if (OnCustomCellDraw)
        OnCustomCellDraw(this, Canvas, RCol, ARow, State, R, false);

    TCellPainter::Paint_Focus_Rect(*this, Canvas, ACol, ARow, R, Fixed);
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

void TCellPainter::Paint_Editor_Buttons(RIraRevadiVizo &G, TCanvas &Canvas, int RCol, int ARow, TRect &R)
{
    const TControlLook &L = G.FControlLook;
    if (!L.DropDownAlwaysVisible && !L.SpinButtonsAlwaysVisible)
        return;
    // the look of the editor buttons; a cell that cannot be edited shows them disabled
    const int Look = (G.Flat() && G.FColorTones.Background.BrushColor != clNone) ? 3 : L.FlatButton ? 2 : 0;
    bool CanEdit = true;
    G.CanEditCell(RCol, ARow, CanEdit);
    CanEdit = CanEdit && G.isEnabled();
    const int St = CanEdit ? 0 : 3;
    if (L.DropDownAlwaysVisible && G.HasComboBox(RCol, ARow)) {
        DrawComboButton(Canvas, &G, TRect(R.Left - 2, R.Top - 1, R.Right + 1, R.Bottom), Look, St, G.FColorTones);
        R.Right -= 16;
    } else if (L.SpinButtonsAlwaysVisible && G.HasSpinEdit(RCol, ARow)) {
        DrawSpinButtons(Canvas, &G, R, Look, St, G.FColorTones);
        R.Right -= 16;
    }
}
