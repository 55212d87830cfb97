// The string grid's per-cell hooks answered from the column items. Each
// override checks the column against the item count first, so a grid whose
// items are for a moment fewer than its columns still paints and edits; most
// then let the string grid's hook (and with it the user's event) refine the
// answer. Column indexes are real unless a hook says otherwise.
#include "grid/model/TextRoutines.h"
#include "grid/stringgrid/GridEditorControls.h"
#include "grid/columngrid/VIdiDidireDedu.h"
#include "platform/NumberFormat.h"

bool VIdiDidireDedu::Is_Non_Fixed_Cell(int ACol, int ARow) const
{
    return FColumnCollection && ACol < FColumnCollection->Count() && ACol >= FixedCols() && ARow >= FixedRows();
}

bool VIdiDidireDedu::Is_Column_Cell(int ACol, int ARow) const
{
    return FColumnCollection && ACol >= 0 && ACol < FColumnCollection->Count() && ACol >= FixedCols()
           && ACol < ColCount() + NumHiddenColumns() - FixedRightCols() && ARow >= 0
           && ARow < RowCount() - FixedFooters();
}

bool VIdiDidireDedu::Is_Data_Cell(int ACol, int ARow) const
{
    return Is_Column_Cell(ACol, ARow) && ARow >= FixedRows();
}

void VIdiDidireDedu::GetCellDefaults(int ACol, int ARow, TFont &AFont, TBrush &ABrush, TColor &ColorTo,
                                     TColor &MirrorColor, TColor &MirrorColorTo, TAlignment &HAlign,
                                     TVAlignment &VAlign, bool &WordWrap, TCellGradientDirection &GradientDirection)
{
    const TGridColumnItem *Item = Item_Of(ACol);
    if (!Item) {
        RIraRevadiVizo::GetCellDefaults(ACol, ARow, AFont, ABrush, ColorTo, MirrorColor, MirrorColorTo, HAlign,
                                        VAlign, WordWrap, GradientDirection);
        return;
    }
    AFont = Item->Font();
    ABrush.Color = Item->Color();
    ColorTo = clNone;
    HAlign = ARow < FixedRows() ? Item->HeaderAlignment() : Item->Alignment();
    VAlign = VAlignment();
    WordWrap = this->WordWrap();
    GradientDirection = GradientVertical;
    // Colours the grid computes (fixed looks, bands) are never frozen into a cell.
    if (IsFixed(ACol, ARow) || (Item->ShowBands() && Bands().Active())) {
        ABrush.Color = clNone;
        ColorTo = clNone;
    }
}

QString VIdiDidireDedu::GetFormattedCell(int ACol, int ARow)
{
    const TGridColumnItem *Item = Item_Of(ACol);
    if (!Item)
        return RIraRevadiVizo::GetFormattedCell(ACol, ARow);
    QString Format = Item->FloatFormat();
    const QString Text = Cells(ACol, ARow);
    const int Kind = ClassifyNumberText(Text);
    bool IsFloat = Kind == ntInteger || Kind == ntDecimal;
    if (OnGetFloatFormat)
        OnGetFloatFormat(this, ACol, ARow, IsFloat, Format);
    if (!Format.isEmpty() && IsFloat)
        return Format_Number(Format, GetFloats(ACol, ARow));
    return Text;
}

QString VIdiDidireDedu::GetFloatFormat(int ACol, int ARow)
{
    if (const TGridColumnItem *Item = Item_Of(ACol); Item && !Item->FloatFormat().isEmpty())
        return Item->FloatFormat();
    return FloatFormat();
}

bool VIdiDidireDedu::UpdateColumnSize(int ACol, int &AWidth)
{
    if (const TGridColumnItem *Item = Item_Of(ACol)) {
        if (Item->MinSize() > 0 && AWidth < Item->MinSize())
            AWidth = Item->MinSize();
        if (Item->MaxSize() > 0 && AWidth > Item->MaxSize())
            AWidth = Item->MaxSize();
    }
    return RIraRevadiVizo::UpdateColumnSize(ACol, AWidth);
}

void VIdiDidireDedu::UpdateAutoColumnSize(int ACol, int &AWidth)
{
    if (const TGridColumnItem *Item = Item_Of(ACol)) {
        if (Item->AutoMinSize() > 0 && AWidth < Item->AutoMinSize())
            AWidth = Item->AutoMinSize();
        if (Item->AutoMaxSize() > 0 && AWidth > Item->AutoMaxSize())
            AWidth = Item->AutoMaxSize();
    }
    RIraRevadiVizo::UpdateAutoColumnSize(ACol, AWidth);
}

void VIdiDidireDedu::GetCellColor(int ACol, int ARow, TGridDrawState AState, TBrush &ABrush, TFont &AFont)
{
    if (Is_Column_Cell(ACol, ARow)) {
        const TGridColumnItem *Item = Item_Of(ACol);
        if (Item->Fixed())
            ABrush.Color = FixedColor();
        else if (!(Item->ShowBands() && Bands().Active()) && ARow >= FixedRows())
            ABrush.Color = Item->Color();
        AFont = ARow < FixedRows() ? Item->HeaderFont() : Item->Font();
    }
    // The string grid's hook lays the cell's own colours over these, then the event.
    RIraRevadiVizo::GetCellColor(ACol, ARow, AState, ABrush, AFont);
}

void VIdiDidireDedu::GetCellPrintColor(int ACol, int ARow, TGridDrawState AState, TBrush &ABrush, TFont &AFont)
{
    if (const TGridColumnItem *Item = Item_Of(ACol)) {
        const bool FixedCell = ACol < FixedCols() || ARow < FixedRows() || ARow >= RowCount() - FixedFooters()
                               || ACol >= ColCount() - FixedRightCols();
        if (FixedCell)
            AFont = PrintSettings().FixedFont;
        else {
            if (Item->Fixed())
                ABrush.Color = FixedColor();
            else if (!(Item->ShowBands() && Bands().Active() && Bands().Print()))
                ABrush.Color = Item->PrintColor();
            const TCellProperties *P = Find_Cell_Props(ACol, ARow);
            if (P && P->BrushColor() != clNone)
                ABrush.Color = P->BrushColor();
            if (Item->PrintFontCustom()) {
                AFont = Item->PrintFont();
                if (P) {
                    if (P->FontColor() != clNone)
                        AFont.Color = P->FontColor();
                    if (!P->FontStyle().Empty())
                        AFont.Style = P->FontStyle();
                    if (P->FontSize() != 0)
                        AFont.Size = P->FontSize();
                    if (!P->FontName().isEmpty())
                        AFont.Name = P->FontName();
                }
            } else
                AFont = PrintSettings().Font;
        }
    }
    RIraRevadiVizo::GetCellPrintColor(ACol, ARow, AState, ABrush, AFont);
}

void VIdiDidireDedu::GetCellBorder(int ACol, int ARow, TPen &APen, TCellBorders &Borders)
{
    if (Is_Non_Fixed_Cell(ACol, ARow)) {
        const TGridColumnItem *Item = Item_Of(ACol);
        Borders = Item->Borders();
        APen = Item->BorderPen();
    }
    RIraRevadiVizo::GetCellBorder(ACol, ARow, APen, Borders);
}

void VIdiDidireDedu::GetCellPrintBorder(int ACol, int ARow, TPen &APen, TCellBorders &Borders)
{
    if (Is_Non_Fixed_Cell(ACol, ARow) && Item_Of(ACol)->PrintBorderCustom()) {
        const TGridColumnItem *Item = Item_Of(ACol);
        Borders = Item->PrintBorders();
        APen = Item->PrintBorderPen();
    }
    RIraRevadiVizo::GetCellPrintBorder(ACol, ARow, APen, Borders);
}

void VIdiDidireDedu::GetCellAlignment(int ACol, int ARow, TAlignment &HAlign, TVAlignment &VAlign)
{
    if (const TGridColumnItem *Item = Item_Of(ACol)) {
        HAlign = ARow < FixedRows() ? Item->HeaderAlignment() : Item->Alignment();
        if (const TCellProperties *P = Find_Cell_Props(ACol, ARow))
            HAlign = P->Alignment();
    }
    RIraRevadiVizo::GetCellAlignment(ACol, ARow, HAlign, VAlign);
}

void VIdiDidireDedu::GetColFormat(int ACol, TSortStyle &AStyle, QString &Prefix, QString &Suffix)
{
    if (const TGridColumnItem *Item = Item_Of(ACol)) {
        AStyle = Item->SortStyle();
        Prefix = Item->SortPrefix();
        Suffix = Item->SortSuffix();
    }
    RIraRevadiVizo::GetColFormat(ACol, AStyle, Prefix, Suffix);
}

void VIdiDidireDedu::GetCellEditorType(int ACol, int ARow, TEditorType &AEditor)
{
    if (const TGridColumnItem *Item = Item_Of(ACol)) {
        if (Is_Non_Fixed_Cell(ACol, ARow)) {
            AEditor = Item->Editor();
            // The grid's one combo and spin editor take the column's items
            // and limits before they open (never under an open editor).
            if (!EditMode()) {
                if (AEditor == edComboEdit || AEditor == edComboList) {
                    ClearComboString();
                    for (const QString &S : Item->ComboItems())
                        AddComboString(S);
                    Set_DropDownCount(Item->DropDownCount());
                    ControlLook().DropDownCount = Item->DropDownCount();
                } else if (AEditor == edCustom) {
                    Set_EditLink(qobject_cast<TEditLink *>(Item->EditLink()));
                } else if (AEditor == edSpinEdit) {
                    SpinEdit()->Set_MinValue(Item->SpinMin());
                    SpinEdit()->Set_MaxValue(Item->SpinMax());
                    SpinEdit()->Set_Increment(Item->SpinStep());
                }
            }
        }
        if (!Item->FloatFormat().isEmpty())
            Set_FloatFormat(Item->FloatFormat());
    }
    RIraRevadiVizo::GetCellEditorType(ACol, ARow, AEditor);
}

void VIdiDidireDedu::IsFixedCell(int ACol, int ARow, bool &IsFixed)
{
    const int RC = RealColIndex(ACol);
    if (Is_Non_Fixed_Cell(RC, ARow) && Item_Of(RC)->Fixed())
        IsFixed = true;
    RIraRevadiVizo::IsFixedCell(ACol, ARow, IsFixed);
}

void VIdiDidireDedu::GetCellEditable(int ACol, int ARow, bool &CanEdit)
{
    // The starting value is not used: the column decides.
    CanEdit = false;
    if (!IsLoading() && Is_Non_Fixed_Cell(ACol, ARow)) {
        const TGridColumnItem *Item = Item_Of(ACol);
        CanEdit = !Item->ReadOnly() && !Item->Fixed();
    }
    const TPoint B = BaseCell(ACol, ARow);
    if (const TCellProperties *P = Find_Cell_Props(ACol, ARow); P && CanEdit)
        CanEdit = !P->ReadOnly();
    if (OnCanEditCell)
        OnCanEditCell(this, B.Y, B.X, CanEdit);
}

void VIdiDidireDedu::IsPasswordCell(int ACol, int ARow, bool &IsPassword)
{
    if (const TGridColumnItem *Item = Item_Of(ACol))
        IsPassword = Item->Password();
    RIraRevadiVizo::IsPasswordCell(ACol, ARow, IsPassword);
}

bool VIdiDidireDedu::HasComboBox(int ACol, int ARow)
{
    bool Has = false;
    if (Is_Non_Fixed_Cell(ACol, ARow)) {
        const TEditorType E = Item_Of(ACol)->Editor();
        Has = E == edComboEdit || E == edComboList;
    }
    if (OnHasComboBox)
        OnHasComboBox(this, ACol, ARow, Has);
    return Has;
}

QString VIdiDidireDedu::GetCheckTrue(int ACol, int ARow)
{
    QString Value = RIraRevadiVizo::GetCheckTrue(ACol, ARow);
    if (Is_Data_Cell(ACol, ARow))
        Value = Item_Of(ACol)->CheckTrue();
    return Value;
}

QString VIdiDidireDedu::GetCheckFalse(int ACol, int ARow)
{
    QString Value = RIraRevadiVizo::GetCheckFalse(ACol, ARow);
    if (Is_Data_Cell(ACol, ARow))
        Value = Item_Of(ACol)->CheckFalse();
    return Value;
}

bool VIdiDidireDedu::Is_Check_Control_Cell(int ARealCol, int ARow)
{
    if (Destroying())
        return false;
    if (RIraRevadiVizo::Is_Check_Control_Cell(ARealCol, ARow))
        return true;
    return Is_Data_Cell(ARealCol, ARow) && Item_Of(ARealCol)->Editor() == edDataCheckBox;
}

bool VIdiDidireDedu::Flip_Check_Control(int ARealCol, int ARow)
{
    if (!(Is_Data_Cell(ARealCol, ARow) && Item_Of(ARealCol)->Editor() == edDataCheckBox))
        return RIraRevadiVizo::Flip_Check_Control(ARealCol, ARow);
    // Checked exactly when the text is the column's true text; anything else
    // (empty, "N", other) becomes checked.
    const bool Checked = Cells(ARealCol, ARow) == GetCheckTrue(ARealCol, ARow);
    const QString New = Checked ? GetCheckFalse(ARealCol, ARow) : GetCheckTrue(ARealCol, ARow);
    SetCellEx(ARealCol, ARow, New);
    return !Checked;
}

bool VIdiDidireDedu::Is_Data_Check_Cell(int ARealCol, int ARow)
{
    return !Destroying() && Is_Data_Cell(ARealCol, ARow) && Item_Of(ARealCol)->Editor() == edDataCheckBox;
}

TCellType VIdiDidireDedu::GetCellType(int ACol, int ARow)
{
    const TCellType Type = RIraRevadiVizo::GetCellType(ACol, ARow);
    if (Type == ctEmpty && Is_Data_Check_Cell(ACol, ARow))
        return ctDataCheckBox;
    return Type;
}

TCellGraphic *VIdiDidireDedu::GetCellGraphic(int ACol, int ARow)
{
    TCellGraphic *Graphic = RIraRevadiVizo::GetCellGraphic(ACol, ARow);
    if (Graphic || !Is_Data_Check_Cell(ACol, ARow))
        return Graphic;
    FCellGraphic.CellType = ctVirtCheckBox;
    FCellGraphic.CellTransparent = ControlLook().ControlStyle == csFlat;
    return &FCellGraphic;
}
