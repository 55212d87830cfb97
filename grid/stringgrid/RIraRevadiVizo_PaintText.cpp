// A cell's text (plain, markup or rich text), and the picture or gradient
// behind the cells.
#include "grid/stringgrid/GridCellPainter.h"
#include "grid/base/DrawRoutines.h"
#include "grid/base/MarkupRender.h"
#include "grid/model/TextRoutines.h"
#include "platform/RichText.h"
#include <QPainter>
#include <QRegularExpression>
#include <QTextCursor>
#include <QTextDocument>

TRect RIraRevadiVizo::Draw_Cell_Text(TCanvas &Canvas, int ACol, int RCol, int ARow, TRect R, TGridDrawState State,
                                     const TGraphicLayout &GL, TAlignment HA, TVAlignment VA, bool WW, int &TextWidth)
{
    const bool Fixed = IsFixed(ACol, ARow) || ACol < FixedCols() || ARow < FixedRows();
    // a selected text takes the selection's colours
    TColor Link = URLColor();
    TCellPainter::Text_Selection_Colours(*this, Canvas, ACol, RCol, ARow, State, Fixed, Link);
    // the text as shown and its kind
    const TCellPainter::TCellText Shown = TCellPainter::Shown_Cell_Text(*this, RCol, ARow);
    QString S = Shown.Text;
    const int Kind = Shown.Kind;
    // the text's room: the cell less the graphic's part and the node indent
    const int NodeInd = (RCol == 0 && HasNodes() && !(GetCellType(0, ARow) == ctNode)) ? GetNodeIndent(ARow) : 0;
    TRect T = Cell_Text_Rect(R, Fixed, GridLineWidth(), XYOffset(), FXYOffsetTopLeftOnly, GL, NodeInd);
    const bool SortMark = TCellPainter::Sort_Mark_Shown(*this, ACol, RCol, ARow);
    TCellPainter::Unselected_In_Disjunct(*this, Canvas, ACol, RCol, ARow, State, Fixed);
    // a picture or gradient behind the cell
    if (!FBackGround.Bitmap.isNull() || FBackGround.Display == bdGradientHorz || FBackGround.Display == bdGradientVert) {
        const bool DrawnSelected = FShowSelection && State.Contains(gdSelected)
                                   && !(State.Contains(gdFocused) && !Options().Contains(goDrawFocusSelected));
        Draw_Cell_Background(Canvas, ACol, RCol, ARow, Cell_Text_Rect(R, Fixed, GridLineWidth(), {0, 0}, true, {}, 0),
                             Fixed, DrawnSelected);
    }

    // the selection's outline and its resize handle
    if (FSelectionRectangle && !Fixed)
        TCellPainter::Paint_Selection_Outline(*this, Canvas, ACol, ARow, R);
    // the filter row's glyph at the right of the text room
    const bool Glyph = FPaintExtras.FilterGlyph;
    if (Glyph)
        Paint_Filter_Glyph(Canvas, RCol, Cell_Text_Rect(R, Fixed, GridLineWidth(), {0, 0}, true, {}, 0));
    // a scrolled cell shows its content moved up, within the cell
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
        P.HoverStyle = FURLUnderlineOnHover;
        if (FHoverCell.X == ACol && FHoverCell.Y == ARow)
            P.HoverLink = FHoverlink;
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

void RIraRevadiVizo::PaintRichTextCell(int ACol, int ARow, TCanvas &Canvas, const TRect &ARect, bool Printing)
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
    const bool Selected = !Printing && DCol >= std::min(Sel.Left, Sel.Right) && DCol <= std::max(Sel.Left, Sel.Right)
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

// The text a cell shows: formatted, a formula's result, a wide text decoded,
// a password's characters masked.
TCellPainter::TCellText TCellPainter::Shown_Cell_Text(RIraRevadiVizo &G, int RCol, int ARow)
{
    QString S = G.GetFormattedCell(RCol, ARow);
    int Kind = ClassifyCellText(S, G.EnableHTML());
    if (Kind == ctFormula) {
        G.GetFormulaResult(RCol, ARow, S);
        Kind = ClassifyCellText(S, G.EnableHTML());
    }
    if (Kind == ctWideEscaped) {
        S = DecodeWideText(S);
        Kind = ctPlain;
    }
    bool Password = false;
    G.IsPasswordCell(RCol, ARow, Password);
    if (Password) {
        S = QString(S.size(), G.PasswordChar());
        Kind = ctPlain;
    }
    return {S, Kind};
}
