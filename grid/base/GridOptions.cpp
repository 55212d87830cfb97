#include "grid/base/GridOptions.h"
#include "grid/base/BaseGrid.h"

// --- TNavigation --------------------------------------------------------------------

void TNavigation::Set_AdvanceDirection(TAdvanceDirection Value)
{
    if (Value == FAdvanceDirection)
        return;
    FAdvanceDirection = Value;
    if (OnChange)
        OnChange(Sender);
}

void TNavigation::Set_AdvanceInsert(bool Value)
{
    if (Value == FAdvanceInsert)
        return;
    FAdvanceInsert = Value;
    if (OnChange)
        OnChange(Sender);
}

void TNavigation::Set_AdvanceAuto(bool Value)
{
    FAdvanceAuto = Value;
    if (Value)
        FAdvanceOnEnter = true;
}

void TNavigation::Assign(const TNavigation &Source)
{
    const bool Keep = FKeepScrollOnSort;
#define BC_COPY(Type, Name, Default) F##Name = Source.F##Name;
    BC_NAVIGATION_PLAIN(BC_COPY)
    BC_NAVIGATION_SPECIAL(BC_COPY)
#undef BC_COPY
    FKeepScrollOnSort = Keep;
}

// --- TMouseActions ------------------------------------------------------------------

bool TMouseActions::Designing()
{
    bool D = false;
    if (OnIsDesigning)
        OnIsDesigning(Sender, D);
    return D;
}

void TMouseActions::Set_HotmailRowSelect(bool Value)
{
    FHotmailRowSelect = Value;
    if (Value) {
        FDisjunctRowSelect = true;
        FCheckAllCheck = true;
    }
    if (OnInvalidate)
        OnInvalidate(Sender);
}

void TMouseActions::Set_EditOnDblClickOnly(bool Value)
{
    FEditOnDblClickOnly = Value;
    if (Value && OnDisableEdit)
        OnDisableEdit(Sender);
}

void TMouseActions::Set_DisjunctRowSelect(bool Value)
{
    FDisjunctRowSelect = Value;
    if (Value && Designing()) {
        FDisjunctColSelect = false;
        FDisjunctCellSelect = false;
    }
}

void TMouseActions::Set_DisjunctColSelect(bool Value)
{
    FDisjunctColSelect = Value;
    if (Value && Designing()) {
        FDisjunctRowSelect = false;
        FDisjunctCellSelect = false;
    }
}

void TMouseActions::Set_DisjunctCellSelect(bool Value)
{
    FDisjunctCellSelect = Value;
    if (Value && Designing()) {
        FDisjunctRowSelect = false;
        FDisjunctColSelect = false;
    }
}

void TMouseActions::Set_WheelAction(TWheelAction Value)
{
    if (Value == FWheelAction)
        return;
    FWheelAction = Value;
    if (OnChange)
        OnChange(Sender);
}

void TMouseActions::Assign(const TMouseActions &Source)
{
    const bool Hotmail = FHotmailRowSelect, SizeRow = FSizeFixedRow, DblOnly = FEditOnDblClickOnly;
#define BC_COPY(Type, Name, Default) F##Name = Source.F##Name;
    BC_MOUSE_PLAIN(BC_COPY)
    BC_MOUSE_SPECIAL(BC_COPY)
#undef BC_COPY
    FHotmailRowSelect = Hotmail;
    FSizeFixedRow = SizeRow;
    FEditOnDblClickOnly = DblOnly;
}

// --- TSyncGrid ----------------------------------------------------------------------

TBaseGrid *TSyncGrid::Grid() const { return static_cast<TBaseGrid *>(FGrid.data()); }

void TSyncGrid::Set_Grid(TBaseGrid *Value)
{
    if (Value && Value == FOwner)
        return;
    FGrid = Value;
}

void TSyncGrid::Assign(const TSyncGrid &Source)
{
    Set_Grid(Source.Grid());
    FScrollHorizontal = Source.FScrollHorizontal;
    FScrollVertical = Source.FScrollVertical;
    FSelectionRow = Source.FSelectionRow;
    FSelectionColumn = Source.FSelectionColumn;
    FMoveRow = Source.FMoveRow;
    FMoveColumn = Source.FMoveColumn;
}

// --- TBands ------------------------------------------------------------------------

void TBands::Changed()
{
    if (OnChange)
        OnChange(Sender);
}

void TBands::Set_Active(bool Value)
{
    if (Value == FActive)
        return;
    FActive = Value;
    Changed();
}

void TBands::Set_PrimaryColor(TColor Value)
{
    if (Value == FPrimaryColor)
        return;
    FPrimaryColor = Value;
    if (FActive)
        Changed();
}

void TBands::Set_SecondaryColor(TColor Value)
{
    if (Value == FSecondaryColor)
        return;
    FSecondaryColor = Value;
    if (FActive)
        Changed();
}

void TBands::Set_PrimaryLength(int Value)
{
    if (Value == FPrimaryLength)
        return;
    FPrimaryLength = Value;
    FTotalLength = FPrimaryLength + FSecondaryLength;
    if (FActive)
        Changed();
}

void TBands::Set_SecondaryLength(int Value)
{
    if (Value == FSecondaryLength)
        return;
    FSecondaryLength = Value;
    FTotalLength = FPrimaryLength + FSecondaryLength;
    if (FActive)
        Changed();
}

bool TBands::Is_Primary_Row(int ARow, int FixedRows) const
{
    // Lengths of 0 or below would leave no band (and divide by zero).
    if (FTotalLength <= 0)
        return true;
    int M = (ARow - FixedRows) % FTotalLength;
    if (M < 0)
        M += FTotalLength;
    return M < FPrimaryLength;
}

void TBands::Assign(const TBands &Source)
{
    FActive = Source.FActive;
    FPrimaryColor = Source.FPrimaryColor;
    FSecondaryColor = Source.FSecondaryColor;
    FPrimaryLength = Source.FPrimaryLength;
    FSecondaryLength = Source.FSecondaryLength;
    FPrint = Source.FPrint;
    FTotalLength = FPrimaryLength + FSecondaryLength;
}
