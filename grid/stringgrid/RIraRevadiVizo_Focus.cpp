// Update batching, the text a cell is saved as and loaded from, and the small
// settings whose setters only store and repaint.
#include "grid/stringgrid/RIraRevadiVizo.h"
#include "grid/model/SavedCellText.h"
#include "toolkit/RichEdit.h"
#include "grid/model/TextRoutines.h"
#include "platform/NumberFormat.h"
#include <QShowEvent>
#include <cmath>

// --- update batching ---------------------------------------------------------------------------------

void RIraRevadiVizo::BeginUpdate()
{
    // The count moves whether the grid is shown or not, so a batch opened
    // before the grid is shown is closed by its own EndUpdate.
    ++FUpdateCount;
    setUpdatesEnabled(false);
}

void RIraRevadiVizo::EndUpdate()
{
    if (FUpdateCount > 0)
        --FUpdateCount;
    if (FUpdateCount > 0 || Destroying())
        return;
    FSelChange = false;
    setUpdatesEnabled(true);
    Invalidate();
}

void RIraRevadiVizo::showEvent(QShowEvent *Event)
{
    Watch_Window();
    // Painting resumes once the batch is closed and the grid is shown.
    if (FUpdateCount == 0 && !updatesEnabled())
        setUpdatesEnabled(true);
    TBaseGrid::showEvent(Event);
}

void RIraRevadiVizo::paintEvent(QPaintEvent *Event)
{
    // A batch opened with StartUpdate leaves Qt's updates on; the grid
    // still shows nothing half-changed until the batch is closed.
    if (FUpdateCount > 0)
        return;
    TBaseGrid::paintEvent(Event);
}

// --- saved and loaded texts ---------------------------------------------------------------------------

QString RIraRevadiVizo::GetFormattedCell(int ACol, int ARow)
{
    QString S = GetCellEx(ACol, ARow);
    if (!OnGetFloatFormat)
        return S;
    const int Kind = ClassifyNumberText(S);
    if (Kind != ntInteger && Kind != ntDecimal && Kind != ntExponent)
        return S;
    bool IsFloat = true;
    QString Fmt = FloatFormat();
    OnGetFloatFormat(this, ACol, ARow, IsFloat, Fmt);
    if (!IsFloat || Fmt.isEmpty())
        return S;
    // A format that does not suit the value leaves the text as it is.
    try {
        bool Ok = false;
        const double V = NormalizeNumberText(S.trimmed()).toDouble(&Ok);
        if (!Ok)
            return S;
        if (Fmt.contains(u'd'))
            return Format_Integer(Fmt, static_cast<long long>(std::nearbyint(V)));
        return Format_Number(Fmt, V);
    } catch (const std::exception &) {
        return S;
    }
}

void RIraRevadiVizo::GetSaveCellText(int ACol, int ARow, QString &Value)
{
    Value = FSaveOptions.SaveVirtCells ? GetFormattedCell(ACol, ARow) : Cells(ACol, ARow);
    // A check box without text is saved as its state's text.
    if (Value.isEmpty()) {
        const TCellType Kind = GetCellType(ACol, ARow);
        if (Kind == ctCheckBox || Kind == ctTriStateCheckBox) {
            TCheckBoxState State = cbUnchecked;
            GetCheckBoxState(ACol, RealRowIndex(ARow), State);   // the state is asked by real row
            Value = State == cbChecked ? GetCheckTrue(ACol, ARow) : GetCheckFalse(ACol, ARow);
        }
    }
    if (!FSaveOptions.SaveWithRTF && ClassifyCellText(Value, true) == ctRichText) {
        // Rich text not kept as such is saved as the text it shows.
        if (!FSaveRichEdit) {
            FSaveRichEdit = new TRichEdit(this);
            FSaveRichEdit->hide();
        }
        CellToRich(ACol, ARow, *FSaveRichEdit);
        Value = FSaveRichEdit->Text();
    } else {
        Value = Saved_Cell_Text(Value, FSaveOptions.SaveWithHTML, FSaveOptions.SaveWithRTF);
    }
    if (OnSaveCell)
        OnSaveCell(this, ACol, ARow, Value);
}

void RIraRevadiVizo::SetLoadedCellText(int ACol, int ARow, const QString &Value)
{
    QString Text = Value;
    if (OnLoadCell)
        OnLoadCell(this, ACol, ARow, Text);
    Model().Set_Cell(ACol, ARow, Text);
}

// --- small settings -----------------------------------------------------------------------------------------

void RIraRevadiVizo::Set_ShowSelection(bool Value)
{
    if (Value == FShowSelection)
        return;
    FShowSelection = Value;
    if (!FSelHidden)
        Set_ShowSel(Value);
    Invalidate();
}

void RIraRevadiVizo::Set_VAlignment(TVAlignment Value)
{
    FVAlignment = Value;
    if (FUpdateCount == 0)
        Invalidate();
}

void RIraRevadiVizo::Set_SpreadSheet(bool Value)
{
    FSpreadSheet = Value;
    if (!Value)
        return;
    Set_SelectionRectangle(true);
    Set_SelectionResizer(true);
    FNavigation.Set_AllowSmartClipboard(true);
    Set_Options(Options() + goRangeSelect + goEditing);
    FMouseActions.Set_RangeSelectAndEdit(true);
}

void RIraRevadiVizo::Set_AutoSize(bool Value)
{
    FAutoSize = Value;
    if (Value && !FLoading)
        AutoSizeColumns(false, 10);
}

void RIraRevadiVizo::Set_Flat(bool Value)
{
    FFlat = Value;
    if (!FLoading)
        Invalidate();
}

// --- editing rights and remembered cells ------------------------------------------------------------------

bool RIraRevadiVizo::IsEditable(int ARealCol, int ARow)
{
    if (!Options().Contains(goEditing) && !FMouseActions.RangeSelectAndEdit() && !FEditDisable)
        return false;
    bool Allow = true;
    QueryCanEdit(ARealCol, ARow, Allow);
    if (!Allow)
        return false;
    bool Fixed = false;
    IsFixedCell(DisplColIndex(ARealCol), ARow, Fixed);
    return !Fixed;
}

bool RIraRevadiVizo::IsCellEditable(int ACol, int ARow)
{
    const TPoint B = BaseCell(ACol, ARow);
    bool Allow = true;
    QueryCanEdit(B.X, B.Y, Allow);
    return Allow && !IsFixed(B.X, B.Y);
}

void RIraRevadiVizo::SaveOldCellValue(int ACol, int ARow)
{
    FOldCol = ACol;
    FOldEditRow = ARow;
    FOldCellText = Cells(ACol, ARow);
    FOldCellTextWide = DecodeWideText(FOldCellText);
    FOldModifiedValue = GetRowModified(ARow);
}

void RIraRevadiVizo::ScreenToCell(QPoint Pt, int &ACol, int &ARow) const
{
    const QPoint P = viewport()->mapFromGlobal(Pt);
    MouseToCell(P.x(), P.y(), ACol, ARow);
}

void RIraRevadiVizo::RepaintActiveHeaders(int OldCol, int OldRow, int NewRow, int NewCol)
{
    if (FixedCols() > 0) {
        RepaintCell(FixedCols() - 1, OldRow);
        RepaintCell(FixedCols() - 1, NewRow);
    }
    if (FixedRows() > 0) {
        RepaintCell(OldCol, FixedRows() - 1);
        RepaintCell(NewCol, FixedRows() - 1);
    }
}

// --- entering and leaving ---------------------------------------------------------------------------------------

void RIraRevadiVizo::DoEnter()
{
    if (FBlockFocus)
        return;
    TBaseGrid::DoEnter();
    FEntered = true;
    if (Options().Contains(goEditing) || FMouseActions.RangeSelectAndEdit())
        SelectCell(Col(), Row());
    SaveOldCellValue(RealColIndex(Col()), Row());
}

void RIraRevadiVizo::DoExit()
{
    if (FBlockKill)
        return;
    if (FSelChange && FMouseActions.DisjunctRowSelect())
        SelectionToRowSelect(false);
    FSelChange = false;
    TBaseGrid::DoExit();
}

void RIraRevadiVizo::Click()
{
    TBaseGrid::Click();
    FEntered = false;
    SaveOldCellValue(RealColIndex(Col()), Row());
}
