// The colours, fonts, alignment and word wrap of a cell as the painter and
// the printer use them.
#include "grid/stringgrid/GridCellPainter.h"
#include "grid/base/DrawRoutines.h"

namespace {
bool Is_Normal_Cell(RIraRevadiVizo &G, int ACol, int ARow)
{
    return ACol >= G.FixedCols() && ARow >= G.FixedRows();
}
}

void RIraRevadiVizo::GetVisualProperties(int ACol, int ARow, TGridDrawState &AState, bool Print, bool Select,
                                         bool Remap, TBrush &ABrush, TColor &AColorTo, TColor &AMirrorColor,
                                         TColor &AMirrorColorTo, TFont &AFont, TAlignment &HA, TVAlignment &VA,
                                         bool &WW, TCellGradientDirection &GD)
{
    // the font of the cell's area (printing may have fonts of its own)
    const bool PrintFonts = Print && !PrintSettings().UseDisplayFont;
    if (Is_Normal_Cell(*this, ACol, ARow))
        AFont = PrintFonts ? PrintSettings().Font : Font();
    else
        AFont = PrintFonts ? PrintSettings().FixedFont : FixedFont();
    // the real column; a persistent disjunct row selection (or enabled rows) marks real rows
    const int RCol = Remap ? RealColIndex(ACol) : ACol;
    int SelRow = ARow;
    if ((MouseActions().DisjunctRowSelect() && MouseActions().RowSelectPersistent()) || FFlags.UseEnabledRows)
        SelRow = RealRowIndex(ARow);
    // no colour of its own yet: the steps below fill in what the cell has
    ABrush.Color = clNone;
    AColorTo = AMirrorColor = AMirrorColorTo = clNone;
    // the cell's own properties
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
    // without a colour of its own: the grid colour, bands, fixed areas
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
    // fixed cells' face
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
    // the application's colour and gradient hooks
    if (Print)
        GetCellPrintColor(RCol, ARow, AState, ABrush, AFont);
    else
        GetCellColor(RCol, ARow, AState, ABrush, AFont);
    if (OnGetCellGradient) {
        TColor C = ABrush.Color;
        OnGetCellGradient(this, ARow, RCol, C, AColorTo, AMirrorColor, AMirrorColorTo, GD);
        ABrush.Color = C;
    }
    // the colours before selection, for text that shows unselected
    FUnselBrush = ABrush.Color;
    FUnselFont = AFont.Color;
    const TColor Unsel_ColorTo = AColorTo, Unsel_Mirror = AMirrorColor, Unsel_MirrorTo = AMirrorColorTo;
    auto Selection_Colours = [&] {
        AColorTo = SelectionColorTo();
        AMirrorColor = SelectionMirrorColor();
        AMirrorColorTo = SelectionMirrorColorTo();
        if (SelectionTextColor() != clNone)
            AFont.Color = SelectionTextColor();
    };
    const bool Normal = Is_Normal_Cell(*this, ACol, ARow) && !AState.Contains(gdFixed);
    const bool Disjunct = MouseActions().DisjunctRowSelect() || MouseActions().DisjunctColSelect();
    // disjunct row selection
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
    // disjunct column selection
    if (MouseActions().DisjunctColSelect() && Normal && !Print && Select && FShowSelection
        && ((GetColSelect(ACol) && !(MouseDown && ACol == Col()))
            || (MouseDown && !GetColSelect(ACol) && AState.Contains(gdSelected)))) {
        AState = TGridDrawState{gdSelected};
        ABrush.Color = SelectionColor();
        Selection_Colours();
    }
    // range selection
    if (Select && !Print && FShowSelection && Normal && !Disjunct && AState.Contains(gdSelected)) {
        ABrush.Color = ABrush.Color == Color() ? SelectionColor()
                                               : MixSelectionColor(SelectionColor(), ABrush.Color,
                                                                   FSelectionColorMixer, FSelectionColorMixerFactor);
        Selection_Colours();
        AState += gdSelected;
    }
    // cells picked one by one: the listed ones show selected, the current
    // cell only while it is listed
    if (MouseActions().DisjunctCellSelect() && FShowSelection) {
        if (FFlags.SelectedCells.Contains(ACol, ARow)) {
            AState += gdSelected;
            ABrush.Color = SelectionColor();
            Selection_Colours();
        } else if (ACol == Col() && ARow == Row()) {
            AState -= gdSelected;
            ABrush.Color = FUnselBrush;
            AFont.Color = FUnselFont;
            AColorTo = Unsel_ColorTo;
            AMirrorColor = Unsel_Mirror;
            AMirrorColorTo = Unsel_MirrorTo;
        }
    }
    // disabled rows and grid
    if (UseDisabledFont()) {
        if ((FFlags.UseEnabledRows && ARow >= FixedRows() && !GetRowEnabled(RealRowIndex(ARow))) || !isEnabled())
            AFont.Color = DisabledFontColor();
    }
    // rows selected apart from the current one look lighter
    if (AState.Contains(gdSelected) && MouseActions().DisjunctRowSelect() && ARow != Row()
        && SelectionColorTo() == clNone)
        ABrush.Color = ScaleColorPercent(ABrush.Color, 7);
    // word wrap and alignment by the hooks
    GetCellWordWrap(RCol, ARow, WW);
    CalcCellAlignment(RCol, ARow, HA, VA);
}
