// The per-cell hooks: the grid computes its own answer, then the event (when
// assigned) has the last word. The column grid and later behaviour override them.
#include "grid/stringgrid/RIraRevadiVizo.h"
#include "grid/model/TextRoutines.h"
#include <QApplication>
#include <QCursor>

void RIraRevadiVizo::GridHint(int ACol, int ARow, QString &Hint, QString &WideHint)
{
    if (OnGridHint)
        OnGridHint(this, ARow, ACol, Hint);
    if (OnGridWideHint)
        OnGridWideHint(this, ARow, ACol, WideHint);
    if (!WideHint.isEmpty())
        Hint = EncodeWideText(WideHint);
}

void RIraRevadiVizo::GetCellColor(int ACol, int ARow, TGridDrawState AState, TBrush &ABrush, TFont &AFont)
{
    if (FActiveCellShow) {
        const int DC = DisplColIndex(ACol);
        const bool HeadsRow = DC + 1 == FixedCols() && FixedCols() > 0 && ARow == Row();
        const bool HeadsCol = DC == Col() && ARow + 1 == FixedRows() && FixedRows() > 0;
        if (HeadsRow || HeadsCol) {
            AFont = FActiveCellFont;
            ABrush.Color = FActiveCellColor;
        }
    }
    if (const TCellProperties *P = Find_Cell_Props(ACol, ARow)) {
        // Check boxes, pictures, nodes, progress bars and the other graphics
        // that paint over the cell keep the brush the painter chose; only
        // text-like kinds take the cell's own background.
        switch (GetCellType(ACol, ARow)) {
        case ctIcon:
        case ctNone:
        case ctImageList:
        case ctEmpty:
        case ctImages:
        case ctComment:
            if (P->BrushColor() != clNone)
                ABrush.Color = P->BrushColor();
            break;
        default:
            break;
        }
        if (P->FontColor() != clNone)
            AFont.Color = P->FontColor();
        if (!P->FontStyle().Empty())
            AFont.Style = P->FontStyle();
        if (P->FontSize() != 0)
            AFont.Size = P->FontSize();
        if (!P->FontName().isEmpty())
            AFont.Name = P->FontName();
    }
    if (OnGetCellColor)
        OnGetCellColor(this, ARow, ACol, AState, ABrush, AFont);
}

void RIraRevadiVizo::GetCellPrintColor(int ACol, int ARow, TGridDrawState AState, TBrush &ABrush, TFont &AFont)
{
    if (OnGetCellPrintColor)
        OnGetCellPrintColor(this, ARow, ACol, AState, ABrush, AFont);
}

void RIraRevadiVizo::GetCellBorder(int ACol, int ARow, TPen &APen, TCellBorders &Borders)
{
    // A group's header row is underlined and its summary row lined above,
    // from the first data column on (column 0 holds the node).
    if (ACol > 0) {
        if (FGrouping.HeaderUnderline && IsNode(ARow)) {
            Borders = TCellBorders{cbBottom};
            APen.Color = FGrouping.HeaderLineColor;
            APen.Width = FGrouping.HeaderLineWidth;
        } else if (FGrouping.SummaryLine && IsSummary(ARow)) {
            Borders = TCellBorders{cbTop};
            APen.Color = FGrouping.SummaryLineColor;
            APen.Width = FGrouping.SummaryLineWidth;
        }
    }
    if (OnGetCellBorder)
        OnGetCellBorder(this, ARow, ACol, APen, Borders);
}

void RIraRevadiVizo::GetCellPrintBorder(int ACol, int ARow, TPen &APen, TCellBorders &Borders)
{
    if (OnGetCellPrintBorder)
        OnGetCellPrintBorder(this, ARow, ACol, APen, Borders);
}

void RIraRevadiVizo::GetCellAlignment(int ACol, int ARow, TAlignment &HAlign, TVAlignment &VAlign)
{
    if (ACol == 0 && FMouseActions.HotmailRowSelect())
        HAlign = taCenter;
    if (OnGetAlignment)
        OnGetAlignment(this, ARow, ACol, HAlign, VAlign);
}

void RIraRevadiVizo::GetColFormat(int ACol, TSortStyle &AStyle, QString &Prefix, QString &Suffix)
{
    if (OnGetFormat)
        OnGetFormat(this, ACol, AStyle, Prefix, Suffix);
}

void RIraRevadiVizo::GetEventEditorType(int ACol, int ARow, TEditorType &AEditor)
{
    if (OnGetEditorType)
        OnGetEditorType(this, ACol, ARow, AEditor);
}

void RIraRevadiVizo::GetCellEditorType(int ACol, int ARow, TEditorType &AEditor)
{
    if (OnGetEditorType)
        OnGetEditorType(this, ACol, ARow, AEditor);
}

bool RIraRevadiVizo::HasNoEditor(int ACol, int ARow)
{
    if (!OnGetEditorType)
        return false;
    TEditorType E = edNormal;
    OnGetEditorType(this, ACol, ARow, E);
    return E == edNone;
}

bool RIraRevadiVizo::HasComboBox(int ACol, int ARow)
{
    bool Has = false;
    if (OnHasComboBox) {
        OnHasComboBox(this, ACol, ARow, Has);
        return Has;
    }
    if (!FControlLook.DropDownAlwaysVisible)
        return false;
    TEditorType E = FDefaultEditor;
    GetCellEditorType(ACol, ARow, E);
    return E == edComboEdit || E == edComboList;
}

bool RIraRevadiVizo::HasSpinEdit(int ACol, int ARow)
{
    if (ACol < FixedCols() || ARow < FixedRows())
        return false;
    bool Has = false;
    if (OnHasSpinEdit) {
        OnHasSpinEdit(this, ACol, ARow, Has);
        return Has;
    }
    if (!FControlLook.SpinButtonsAlwaysVisible)
        return false;
    TEditorType E = FDefaultEditor;
    GetEventEditorType(ACol, ARow, E);
    return E == edSpinEdit || E == edFloatSpinEdit || E == edTimeSpinEdit || E == edDateSpinEdit;
}

void RIraRevadiVizo::IsFixedCell(int ACol, int ARow, bool &IsFixed)
{
    if (IsFixed)
        return;
    IsFixed = ACol < FixedCols() || ARow < FixedRows()
              || (FFixedRowAlways && RowCount() == FFixedRowsMin)
              || (FFixedColAlways && ColCount() == FFixedColsMin && ACol < FFixedColsMin);
    if (!IsFixed && OnIsFixedCell)
        OnIsFixedCell(this, ARow, ACol, IsFixed);
}

bool RIraRevadiVizo::IsFixed(int ACol, int ARow)
{
    bool Fixed = false;
    IsFixedCell(ACol, ARow, Fixed);
    if (!Fixed)
        Fixed = (FFixedRightCols > 0 && ACol >= ColCount() - FFixedRightCols)
                || (FFixedFooters > 0 && ARow >= RowCount() - FFixedFooters)
                // The floating footer's row holds the totals: neither selected nor edited.
                || (FFloatingFooter.Visible && FFloatingFooter.FooterStyle == fsFixedLastRow && ARow == RowCount() - 1);
    return Fixed;
}

void RIraRevadiVizo::CanEditCell(int ACol, int ARow, bool &CanEdit)
{
    if (OnCanEditCell)
        OnCanEditCell(this, ARow, ACol, CanEdit);
}

void RIraRevadiVizo::GetCellEditable(int ACol, int ARow, bool &CanEdit)
{
    const TPoint B = BaseCell(ACol, ARow);
    if (const TCellProperties *P = Find_Cell_Props(B.X, B.Y); P && CanEdit) {
        CanEdit = !P->ReadOnly();
        if (!Options().Contains(goEditing) && !FEditDisable && !FMouseActions.RangeSelectAndEdit())
            CanEdit = false;
    }
    if (B.X < ColCount() + NumHiddenColumns())
        CanEditCell(B.X, B.Y, CanEdit);
    else
        CanEdit = true;
}

void RIraRevadiVizo::IsPasswordCell(int ACol, int ARow, bool &IsPassword)
{
    if (OnIsPasswordCell)
        OnIsPasswordCell(this, ARow, ACol, IsPassword);
}

void RIraRevadiVizo::GetCellWordWrap(int ACol, int ARow, bool &WordWrap)
{
    if (OnGetWordWrap)
        OnGetWordWrap(this, ACol, ARow, WordWrap);
}

QString RIraRevadiVizo::GetCheckTrue(int ACol, int ARow)
{
    QString Value = FCheckTrue;
    if (OnGetCheckTrue)
        OnGetCheckTrue(this, ACol, ARow, Value);
    return Value;
}

QString RIraRevadiVizo::GetCheckFalse(int ACol, int ARow)
{
    QString Value = FCheckFalse;
    if (OnGetCheckFalse)
        OnGetCheckFalse(this, ACol, ARow, Value);
    return Value;
}

void RIraRevadiVizo::SearchFooterAction(const QString &Value, int ACol, int ARow, TSearchAction Action)
{
    if (OnSearchFooterAction)
        OnSearchFooterAction(this, Value, ACol, ARow, Action);
}

void RIraRevadiVizo::ButtonClick(int ACol, int ARow)
{
    if (OnButtonClick)
        OnButtonClick(this, ACol, ARow);
}

void RIraRevadiVizo::ExpandClick(int ACol, int ARow, bool Expanded)
{
    if (OnExpandClick)
        OnExpandClick(this, ACol, ARow, Expanded);
    Set_RowHeights(ARow, GetExpandHeight(ACol, ARow, Expanded));
}

void RIraRevadiVizo::ComboCloseUp(int ARow, int ACol)
{
    if (OnComboCloseUp)
        OnComboCloseUp(this, ARow, ACol);
}

void RIraRevadiVizo::ComboDropDown(int ARow, int ACol)
{
    if (OnComboDropDown)
        OnComboDropDown(this, ARow, ACol);
}

void RIraRevadiVizo::GetCellCursor(int ACol, int ARow, int X, int Y)
{
    if (!OnGetCellCursor)
        return;
    Qt::CursorShape Cursor_Shape = cursor().shape();
    OnGetCellCursor(this, ACol, ARow, X, Y, Cursor_Shape);
    viewport()->setCursor(Cursor_Shape);
}

void RIraRevadiVizo::CellsChanged(const TGridRect &R)
{
    if (OnCellsChanged)
        OnCellsChanged(this, R);
    for (TGridChangeNotifier *N : FNotifierList)
        N->NotifyCellsChanged(R);
    // Changed cells change the totals: every caller gets them recalculated.
    CalcFooter(-1);
}

void RIraRevadiVizo::FixedCellEditor(int ACol, int ARow, TGridFixedCellEditor &AEditor, QStringList &Values)
{
    if (OnFixedEdit)
        OnFixedEdit(this, ACol, ARow, AEditor, Values);
}

void RIraRevadiVizo::FilterDone()
{
    if (OnFilterDone)
        OnFilterDone(this);
}

void RIraRevadiVizo::ClickSort(int ACol)
{
    if (OnClickSort)
        OnClickSort(this, ACol);
}

void RIraRevadiVizo::CheckBoxClick(int ACol, int ARow, bool State)
{
    if (OnCheckBoxClick)
        OnCheckBoxClick(this, ACol, ARow, State);
}

bool RIraRevadiVizo::RatingChange(int ACol, int ARow, double &NewRate)
{
    bool Allow = true;
    if (OnRatingChange)
        OnRatingChange(this, ACol, ARow, NewRate, Allow);
    return Allow;
}

void RIraRevadiVizo::CheckBoxChange(int ACol, int ARow, bool State)
{
    if (OnCheckBoxChange)
        OnCheckBoxChange(this, ACol, ARow, State);
}

void RIraRevadiVizo::GetEditorProp(int ACol, int ARow, QObject *AEditLink)
{
    if (OnGetEditorProp)
        OnGetEditorProp(this, ACol, ARow, AEditLink);
    if (OnGetEditorPropInt)
        OnGetEditorPropInt(this, ARow, ACol);
}

bool RIraRevadiVizo::UpdateColumnSize(int ACol, int &AWidth)
{
    if (OnUpdateColumnSize)
        OnUpdateColumnSize(this, ACol, AWidth);
    return true;
}

void RIraRevadiVizo::UpdateAutoColumnSize(int ACol, int &AWidth)
{
    if (OnUpdateColumnSize)
        OnUpdateColumnSize(this, ACol, AWidth);
}

bool RIraRevadiVizo::CanAddRow()
{
    bool Allow = true;
    if (OnCanAddRow)
        OnCanAddRow(this, Allow);
    return Allow;
}

bool RIraRevadiVizo::CanInsertRow(int ARow)
{
    bool Allow = true;
    if (OnCanInsertRow)
        OnCanInsertRow(this, ARow, Allow);
    return Allow;
}

bool RIraRevadiVizo::CanShowFixedDropDown(int ACol)
{
    bool Allow = true;
    if (OnCanShowFixedDropDown)
        OnCanShowFixedDropDown(this, ACol, Allow);
    return Allow;
}

void RIraRevadiVizo::StartBlockFocus(int ARow)
{
    if (OnStartBlockFocus)
        OnStartBlockFocus(this, ARow);
}

void RIraRevadiVizo::EndBlockFocus(int ARow)
{
    if (OnEndBlockFocus)
        OnEndBlockFocus(this, ARow);
}

void RIraRevadiVizo::ScrollCell(int ACol, int ARow)
{
    if (OnScrollCell)
        OnScrollCell(this, ACol, ARow);
}

void RIraRevadiVizo::GetFormulaResult(int ACol, int ARow, QString &Value)
{
    Value = GetCellEx(ACol, ARow);
}

void RIraRevadiVizo::DisableEditing()
{
    Set_Options(Options() - goEditing);
}

void RIraRevadiVizo::GetCellDefaults(int ACol, int ARow, TFont &AFont, TBrush &ABrush, TColor &ColorTo,
                                     TColor &MirrorColor, TColor &MirrorColorTo, TAlignment &HAlign,
                                     TVAlignment &VAlign, bool &WordWrap, TCellGradientDirection &GradientDirection)
{
    TGridDrawState State;
    GetVisualProperties(ACol, ARow, State, false, false, false, ABrush, ColorTo, MirrorColor, MirrorColorTo, AFont,
                        HAlign, VAlign, WordWrap, GradientDirection);
    // A colour the grid computes from state (fixed looks, bands, a gradient
    // background, selection) is never frozen into new properties.
    const bool GradientBack = FBackGround.Display == bdGradientHorz || FBackGround.Display == bdGradientVert;
    if (IsFixed(ACol, ARow) || FBands.Active() || GradientBack || State.Contains(gdSelected)) {
        ABrush.Color = clNone;
        ColorTo = clNone;
    }
}
