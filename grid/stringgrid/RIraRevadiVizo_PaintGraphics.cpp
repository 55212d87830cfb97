// The graphics of cells, painted by kind from a table: each kind has its own
// painter that gets the cell, the room it was given and the graphic's place.
#include "grid/stringgrid/GridCellPainter.h"
#include "grid/base/DrawRoutines.h"
#include "grid/model/TextRoutines.h"
#include "platform/ThemedParts.h"
#include <QPainter>
#include <QStyle>
#include <QStyleOptionProgressBar>
#include <array>
#include <cmath>

namespace {
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

// The cell text read as a number (0 when it is none).
double Number_Of(const QString &Text, bool &Ok) { return NormalizeNumberText(Text).toDouble(&Ok); }

// The percentage of V in the graphic's range CellErrFrom .. CellErrLen.
int Range_Percent(const TCellGraphic &Gr, double V)
{
    const int Range = Gr.CellErrLen - Gr.CellErrFrom;
    return Range > 0 ? RIraRevadiVizo::ClampPercent(Round_Even((V - Gr.CellErrFrom) * 100.0 / Range)) : 0;
}
} // namespace

struct TCellPainter::TGraphicKinds {
    static void Bitmap(TGraphicPaint &P)
    {
        const auto *B = dynamic_cast<const TCellBitmap *>(Real_Object(P.Graphic.CellBitmap));
        if (!B)
            return;
        const QImage Img = P.Graphic.CellTransparent ? Transparent_Bitmap(B->Image) : B->Image;
        if (P.Graphic.CellType == ctPicture && P.Graphic.CellAngle != noStretch)
            P.Canvas.StretchDraw(P.G, Img);
        else
            P.Canvas.Draw(P.G.Left, P.G.Top, Img);
    }

    static void Icon(TGraphicPaint &P)
    {
        if (const auto *I = dynamic_cast<const TCellIcon *>(Real_Object(P.Graphic.CellIcon)); I && !I->Icon.isNull())
            P.Canvas.Draw(P.G.Left, P.G.Top, I->Icon.pixmap(I->Size).toImage());
    }

    static void File_Picture(TGraphicPaint &P)
    {
        if (const auto *F = dynamic_cast<const TCellFilePicture *>(Real_Object(P.Graphic.CellBitmap)))
            F->Picture.DrawPicture(P.Canvas, P.G);
    }

    static void Interface(TGraphicPaint &P)
    {
        TCellDrawInterface *I = P.Graphic.Interface();
        if (!I)
            return;
        // a part the interface leaves 0 takes the whole cell that way
        TRect D = P.G;
        if (P.Layout.Width <= 0) {
            D.Left = P.R.Left;
            D.Right = P.R.Right;
        }
        if (P.Layout.Height <= 0) {
            D.Top = P.R.Top;
            D.Bottom = P.R.Bottom;
        }
        I->Draw(P.Canvas, D, P.ACol, P.ARow, P.State.Contains(gdSelected));
    }

    static void Image_List(TGraphicPaint &P)
    {
        if (const TImageList *IL = P.Grid.GetGridImages())
            IL->Draw(P.Canvas, P.G.Left, P.G.Top, P.Graphic.CellIndex);
    }

    // The image whose index is the cell's number plus the graphic's offset.
    static void Data_Image(TGraphicPaint &P)
    {
        const TImageList *IL = P.Grid.GetGridImages();
        if (!IL)
            return;
        bool Ok = false;
        const int I = P.Text.trimmed().toInt(&Ok) + P.Graphic.CellIndex;
        if (Ok && I >= 0 && I < IL->Count())
            IL->Draw(P.Canvas, P.G.Left, P.G.Top, I);
    }

    // Several images side by side (CellBoolean) or one under the other.
    static void Images(TGraphicPaint &P)
    {
        const TImageList *IL = P.Grid.GetGridImages();
        const auto *L = dynamic_cast<const TCellIntList *>(Real_Object(P.Graphic.CellBitmap));
        if (!IL || !L)
            return;
        int X = P.G.Left, Y = P.G.Top;
        for (int I = 0; I < L->Count(); ++I) {
            IL->Draw(P.Canvas, X, Y, L->GetInteger(I));
            if (P.Graphic.CellBoolean)
                X += IL->Width();
            else
                Y += IL->Height();
        }
    }

    static void Check_Box(TGraphicPaint &P)
    {
        // (CellAngle 1 marks an attached balloon here, which leaves the box as it is)
        P.Grid.DrawCheckBox(P.Canvas, P.G, P.Graphic.CellBoolean, P.CanEdit, false, P.Grid.FControlLook.ControlStyle,
                            false, cbUnchecked);
    }

    static void Row_Check_Box(TGraphicPaint &P)
    {
        // the header's box is grayed while some but not all rows are selected
        P.Grid.DrawCheckBox(P.Canvas, P.G, P.Graphic.CellBoolean, P.CanEdit, P.Graphic.CellAngle > 0,
                            P.Grid.FControlLook.ControlStyle, false, cbUnchecked);
    }

    // Checked while the cell's text is the grid's "true" text.
    static void Data_Check_Box(TGraphicPaint &P)
    {
        P.Grid.DrawCheckBox(P.Canvas, P.G, P.Text == P.Grid.GetCheckTrue(P.ACol, P.ARow), P.CanEdit, false,
                            P.Grid.FControlLook.ControlStyle, false, cbUnchecked);
    }

    static void Tri_State_Check_Box(TGraphicPaint &P)
    {
        P.Grid.DrawCheckBox(P.Canvas, P.G, P.Graphic.CellCheckBoxState == cbChecked, P.CanEdit, false,
                            P.Grid.FControlLook.ControlStyle, true, P.Graphic.CellCheckBoxState);
    }

    static void Radio_Button(TGraphicPaint &P)
    {
        const QStringList One{QString()};
        TRect RR = P.G;
        RR.Left = P.G.Left + P.Grid.XYOffset().X - 2;
        P.Grid.DrawRadioGroup(P.Canvas, RR, 1, P.Graphic.CellBoolean ? 0 : -2, false, !P.CanEdit, One, false, P.ACol,
                              P.ARow, P.Grid.FControlLook.ControlStyle, 1, false);
    }

    static void Radio_Group(TGraphicPaint &P)
    {
        const QStringList Items = P.Graphic.Strings() ? P.Graphic.Strings()->Items : QStringList();
        P.Grid.DrawRadioGroup(P.Canvas, P.R.Inflate(-P.Grid.XYOffset().X + 2, -1), static_cast<int>(Items.size()),
                              P.Graphic.CellIndex, P.Graphic.CellBoolean, !P.CanEdit, Items,
                              P.State.Contains(gdSelected), P.ACol, P.ARow, P.Grid.FControlLook.ControlStyle, 1, false);
    }

    static void Rotated_Text(TGraphicPaint &P)
    {
        // the turned text starts where its extents, placed by the cell's alignment, fit the cell
        TRect D = P.R;
        P.Grid.PlaceRotatedText(D, P.Graphic.CellAngle, P.Text, P.HA == taLeftJustify ? 0 : P.HA == taRightJustify ? 1 : 2,
                         P.VA == vtaTop ? 0 : P.VA == vtaCenter ? 1 : 2);
        TCanvas &C = P.Canvas;
        TFont Saved = C.Font;
        C.Font.Orientation = P.Graphic.CellAngle * 10;
        C.Brush.Style = bsClear;
        C.TextOut(D.Left, D.Top, P.Text);
        C.Font = Saved;
        C.Brush.Style = bsSolid;
        if (TCellPainter::Sort_Mark_Shown(P.Grid, P.DCol, P.ACol, P.ARow))
            P.Grid.DrawSortIndicator(C, P.ACol, P.R.Right - 10, P.R.Top + 8);
    }

    static void Node(TGraphicPaint &P) { P.Grid.Draw_Node_Button(P.Canvas, P.ARow, P.R, &P.Graphic); }

    static void Progress(TGraphicPaint &P)
    {
        bool Ok = false;
        double V = Number_Of(P.Text, Ok);
        if (!Ok)
            V = 0;
        const TRect PR = P.R.Inflate(-1, -1);
        const TControlLook &L = P.Grid.FControlLook;
        const TCellGraphic &Gr = P.Graphic;
        QPainter *QP = P.Canvas.Qt_Painter();
        if (L.ProgressXP && L.ControlStyle == csTheme && Themes_Available() && QP) {
            // the platform's themed bar and chunk inside the margins
            QStyleOptionProgressBar O;
            O.initFrom(&P.Grid);
            O.rect = PR.Inflate(-L.ProgressMarginX, -L.ProgressMarginY).To_QRect();
            O.minimum = 0;
            O.maximum = 100;
            O.progress = Range_Percent(Gr, V);
            O.textVisible = false;
            O.state |= QStyle::State_Horizontal;
            P.Grid.style()->drawControl(QStyle::CE_ProgressBar, &O, QP, &P.Grid);
            return;
        }
        DrawProgressBar(P.Canvas, PR, Gr.CellColor, Gr.CellBoolean ? Gr.CellIndex : clWhite, Gr.CellColor2,
                        Gr.CellBoolean ? Gr.CellAngle : clBlack, V, L.ProgressMarginX, L.ProgressMarginY,
                        Gr.CellErrFrom, Gr.CellErrLen, Gr.CellText, L.ProgressBorderColor, false);
    }

    static void XP_Progress(TGraphicPaint &P)
    {
        bool Ok = false;
        const double V = Number_Of(P.Text, Ok);
        DrawProgressBarStyled(P.Canvas, P.R.Inflate(-2, -2), Range_Percent(P.Graphic, V),
                              Styled_Progress(P.Grid.ProgressAppearance(), P.Canvas.Brush.Color, P.Canvas.Font));
    }

    static void Progress_Pie(TGraphicPaint &P)
    {
        DrawProgressPie(P.Canvas, TRect(P.G.Left, P.G.Top, P.G.Left + 20, P.G.Top + 20), P.Graphic.CellColor,
                        RIraRevadiVizo::ClampPercent(P.Graphic.CellAngle), false);
    }

    static void Range_Indicator(TGraphicPaint &P)
    {
        bool Ok = false;
        const int V = Round_Even(Number_Of(P.Text, Ok));
        DrawCenteredBar(P.Canvas, P.R.Inflate(-2, -2), V, P.Graphic.CellIndex, P.Graphic.CellBoolean,
                        P.Graphic.CellColor, P.Graphic.CellColor2);
    }

    // A small triangle in the top right corner of the whole cell.
    static void Comment(TGraphicPaint &P)
    {
        const TControlLook &L = P.Grid.FControlLook;
        if (L.CommentColor == clNone)
            return;
        const TRect C = P.Grid.CellRect(P.DCol, P.ARow);
        const int X = C.Right - 1, Y = C.Top;
        TCanvas &Cv = P.Canvas;
        Cv.Brush.Color = P.Graphic.CellIndex != clNone ? P.Graphic.CellIndex : L.CommentColor;
        Cv.Pen.Color = Cv.Brush.Color;
        Cv.Polygon({TPoint(X - 6, Y + 1), TPoint(X - 1, Y + 1), TPoint(X - 1, Y + 6)});
        Cv.Brush.Color = P.Grid.Color();
    }

    // Buttons with a caption (and a glyph), and the expand button's arrow.
    static void Button(TGraphicPaint &P)
    {
        RIraRevadiVizo &Gd = P.Grid;
        TCellGraphic &Gr = P.Graphic;
        TCanvas &C = P.Canvas;
        const bool Expand = Gr.CellType == ctExpand;
        const TRect Cell = Gd.CellRect(P.DCol, P.ARow);
        const TRect B = Expand ? TRect(Cell.Right - 15, Cell.Top + 1, Cell.Right - 2, Cell.Top + 14) : P.G;
        // the clicks find the button by its offset in the cell
        Gr.CellValue = ((B.Top - Cell.Top) << 16) + (B.Left - Cell.Left);
        // the look of the editor buttons; the state pressed, disabled or hot
        const int Look = (Gd.Flat() && Gd.FColorTones.Background.BrushColor != clNone) ? 3
                         : Gd.FControlLook.FlatButton ? 2 : 0;
        const bool Hot = Gd.FHotButton.X == P.DCol && Gd.FHotButton.Y == P.ARow;
        const int St = Gr.CellBoolean && !Expand ? 2
                       : (!P.CanEdit && !Gd.FControlLook.NoDisabledButtonLook && !Expand) ? 3
                       : Hot ? 1 : 0;
        DrawButtonFace(C, &Gd, B, Look, St, Gd.FColorTones);
        if (Expand) {
            C.Pen.Color = clBlack;
            const int x = Cell.Right, y = Cell.Top;
            if (Gr.CellVar.toBool())
                C.Polyline({TPoint(x - 10, y + 8), TPoint(x - 7, y + 5), TPoint(x - 3, y + 9)});
            else
                C.Polyline({TPoint(x - 10, y + 5), TPoint(x - 7, y + 8), TPoint(x - 3, y + 4)});
            return;
        }
        TRect CR = B;
        if (const auto *Glyph = dynamic_cast<const TCellBitmap *>(Real_Object(Gr.CellBitmap));
            Glyph && Gr.CellType == ctBitButton) {
            const int GX = Gr.CellText.isEmpty() ? B.Left + (B.Width() - Glyph->Image.width()) / 2 : B.Left + 3;
            C.Draw(GX, B.Top + (B.Height() - Glyph->Image.height()) / 2, Glyph->Image);
            CR.Left = GX + Glyph->Image.width();
        }
        C.Brush.Style = bsClear;
        C.Font.Color = St == 3 ? clGrayText : clBtnText;
        if (Look == 3) {
            const TColorTones &Tones = Gd.FColorTones;
            const TColorTone &T = St == 1 ? Tones.Hover : St == 2 ? Tones.Selected
                                  : St == 3 ? Tones.Disabled : Tones.Background;
            if (T.TextColor != clNone)
                C.Font.Color = T.TextColor;
        }
        C.DrawText(CR, Gr.CellText,
                   DT_CENTER | DT_NOPREFIX | (Gr.CellText.contains(u'\r') ? DT_WORDBREAK : DT_SINGLELINE | DT_VCENTER));
        C.Brush.Style = bsSolid;
    }

    static void Shape(TGraphicPaint &P)
    {
        DrawCellShape(P.Canvas, P.G.Left, P.G.Top, P.G.Width(), P.G.Height(), P.Graphic.CellAngle,
                      P.Graphic.CellIndex, P.Graphic.CellColor);
    }

    // CellAngle stars, filled up to the cell's number in half steps.
    static void Rating(TGraphicPaint &P)
    {
        bool Ok = false;
        const double V = std::nearbyint(Number_Of(P.Text, Ok) * 2) / 2;
        const TCellGraphic &Gr = P.Graphic;
        for (int I = 1; I <= Gr.CellAngle; ++I) {
            const int X = P.G.Left + 18 * (I - 1);
            DrawCellShape(P.Canvas, X, P.G.Top, 16, 16, csStar, I > V ? Gr.CellColor : Gr.CellIndex,
                          I > V ? Gr.CellColor : Gr.CellIndex);
            if (I > V && V > I - 1)
                DrawCellShape(P.Canvas, X, P.G.Top, 16, 16, csHalfStar, Gr.CellIndex, Gr.CellIndex);
        }
    }
};

TCellPainter::TGraphicPainter TCellPainter::Graphic_Painter(TCellType Kind)
{
    using K = TGraphicKinds;
    struct TEntry {
        TCellType Kind;
        TGraphicPainter Painter;
    };
    // Kinds not listed (none, empty, value, summary, scroll bar, balloon)
    // draw nothing here: the text or the extras painter shows them.
    static constexpr TEntry Entries[] = {
        {ctBitmap, K::Bitmap},           {ctPicture, K::Bitmap},
        {ctIcon, K::Icon},               {ctFilePicture, K::File_Picture},
        {ctInterface, K::Interface},     {ctImageList, K::Image_List},
        {ctDataImage, K::Data_Image},    {ctImages, K::Images},
        {ctCheckBox, K::Check_Box},      {ctRowCheckBox, K::Row_Check_Box},
        {ctDataCheckBox, K::Data_Check_Box}, {ctVirtCheckBox, K::Data_Check_Box},
        {ctTriStateCheckBox, K::Tri_State_Check_Box},
        {ctRadioButton, K::Radio_Button}, {ctRadio, K::Radio_Group},
        {ctRotated, K::Rotated_Text},    {ctNode, K::Node},
        {ctProgress, K::Progress},       {ctXPProgress, K::XP_Progress},
        {ctProgressPie, K::Progress_Pie}, {ctRangeIndicator, K::Range_Indicator},
        {ctComment, K::Comment},
        {ctButton, K::Button},           {ctBitButton, K::Button},   {ctExpand, K::Button},
        {ctShape, K::Shape},             {ctRating, K::Rating},
    };
    static const auto Table = [] {
        std::array<TGraphicPainter, ctExpand + 1> T{};
        for (const TEntry &E : Entries)
            T[E.Kind] = E.Painter;
        return T;
    }();
    return Kind >= 0 && Kind < static_cast<int>(Table.size()) ? Table[Kind] : nullptr;
}

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
    // (the edit right is asked for every graphic, as the hooks may count on it)
    if (const TCellPainter::TGraphicPainter Painter = TCellPainter::Graphic_Painter(Graphic->CellType)) {
        TGraphicPaint P{Canvas, *this, *Graphic, ACol, ARow, DCol, R, G, State, GL, Text, HA, VA, CanEdit};
        Painter(P);
    }
    return R;
}
