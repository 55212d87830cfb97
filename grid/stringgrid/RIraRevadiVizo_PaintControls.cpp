// The controls the painter draws in cells: node buttons and the tree lines
// of node rows, check boxes and radio groups in the grid's control styles.
#include "grid/stringgrid/GridCellPainter.h"
#include "grid/base/DrawRoutines.h"
#include "platform/ThemedParts.h"
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

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

// The tree lines of a node row: the connector to the row's text, the line
// down its branch, and the lines of the levels above it.
void TCellPainter::Paint_Tree_Lines(RIraRevadiVizo &G, TCanvas &Canvas, int ARow, const TRect &R,
                                    const TCellGraphic *Graphic)
{
    auto Level_Of = [&](int Row) {
        const TCellProperties *P = Row < G.RowCount() ? G.Find_Cell_Props(0, Row) : nullptr;
        return P ? P->NodeLevel() : 0;
    };
    const int Level = Level_Of(ARow);
    const int Indent = G.CellNode().NodeIndent();
    const int Left = R.Left + G.GetNodeIndent(ARow);
    const int X = Left + Indent / 2 - Indent + 2;
    const int Mid = (R.Top + R.Bottom) / 2;
    Canvas.Pen.Color = G.CellNode().TreeColor();
    Canvas.Pen.Width = 1;
    // (the full line stops where the text starts, so it never strikes the text through)
    if (Level > 0) {
        Canvas.MoveTo(X, Mid);
        Canvas.LineTo(G.CellNode().ShowTreeFull() ? std::max(Left, X + 4) : X + 4, Mid);
    }
    // the row's span type: 0 a node row, 1 the last row of its branch, 2 a row with more below
    int SpanType = 1;
    if (Graphic && Graphic->CellType == ctNode)
        SpanType = 0;
    else if (ARow < G.RowCount() - G.FixedFooters() - 1 && Level_Of(ARow + 1) >= Level && G.Find_Cell_Props(0, ARow + 1))
        SpanType = 2;
    if (Level > 0 && SpanType != 0) {
        Canvas.MoveTo(X, R.Top);
        Canvas.LineTo(X, SpanType == 1 ? Mid : R.Bottom + 4);
    }
    if (G.Find_Cell_Props(0, ARow)) {
        const bool NextInNode = ARow + 1 < G.RowCount() && Level_Of(ARow + 1) > 0;
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
