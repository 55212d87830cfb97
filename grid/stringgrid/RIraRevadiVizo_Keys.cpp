// The string grid's keyboard front end: which keys move the current cell and
// how, which act on check boxes, and how a typed character starts editing.
// Keys arrive in the platform's three phases: KeyDown with the virtual-key
// code (a key set to 0 has no character phase), then KeyPress per character,
// then KeyUp.
#include "grid/stringgrid/RIraRevadiVizo.h"
#include "grid/model/TextRoutines.h"
#include "platform/Locale.h"
#include "grid/stringgrid/GridPanels.h"
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QScopeGuard>

namespace {
bool Holds_Control_Tag(const QString &Text, bool Markup)
{
    return ClassifyCellText(Text, Markup) == ctMarkup && Text.toUpper().contains(QStringLiteral("<CONTROL"));
}
} // namespace

// The editor is opened and closed through these two, so that the editing flow
// the grid grows later takes over in one place.
void RIraRevadiVizo::Show_Editor_For_Key(QChar Ch)
{
    if (Ch.isNull())
        ShowInplaceEdit();
    else
        ShowEditorChar(Ch);
}

void RIraRevadiVizo::Hide_Editor_For_Key()
{
    HideInplaceEdit();
    HideEditor();
}

// Reports a copy of the key to OnKeyDown (its changes are not used) and swallows it.
bool RIraRevadiVizo::Key_Swallowed(TKey &Key, TShiftState Shift)
{
    if (OnKeyDown) {
        TKey Copy = Key;
        OnKeyDown(this, Copy, Shift);
    }
    Key = 0;
    return true;
}

bool RIraRevadiVizo::CanSelectCell(int ACol, int ARow)
{
    bool Can = Options().Contains(goEditing) ? IsEditable(DisplToRealCol(ACol), ARow) : !IsFixed(ACol, ARow);
    if (OnSelectCell)
        OnSelectCell(this, ACol, ARow, Can);
    return Can;
}

int RIraRevadiVizo::FirstSelectableCol(int ARow)
{
    for (int C = 0; C < ColCount(); ++C)
        if (CanSelectCell(C, ARow))
            return C;
    return -1;
}

int RIraRevadiVizo::LastSelectableCol(int ARow)
{
    for (int C = ColCount() - 1; C >= 0; --C)
        if (CanSelectCell(C, ARow))
            return C;
    return -1;
}

void RIraRevadiVizo::AutoAppendRow()
{
    bool Allow = true;
    if (OnCanAddRow)
        OnCanAddRow(this, Allow);
    if (!Allow)
        return;
    const bool Footer = FFloatingFooter.Visible;
    // A shown floating footer stays the last row: its texts move down with it.
    QStringList Saved;
    if (Footer)
        for (int C = 0; C < TotalColCount(); ++C)
            Saved.append(Cells(C, RowCount() - 1));
    GrowRowCount();
    const int R = Footer ? RowCount() - 2 : RowCount() - 1;
    for (int C = 0; C < TotalColCount(); ++C) {
        Set_Cells(C, R, QString());
        Set_Objects(C, R, nullptr);
    }
    if (Footer)
        for (int C = 0; C < Saved.size(); ++C)
            Set_Cells(C, RowCount() - 1, Saved[C]);
    if (Footer || FFixedFooters > 0)
        Set_Row(Row() + 1);
    if (Footer)
        CalcFooter(-1);
    if (OnAutoAddRow)
        OnAutoAddRow(this, RowCount() - FFixedFooters - 1);
}

// An arrow whose neighbour cell is fixed (fixed columns and rows, cells made
// fixed by OnIsFixedCell or a column's setting) jumps over the run of fixed
// cells to the first cell that is not; without one the cell stays. The key is
// then reported and consumed.
bool RIraRevadiVizo::Skip_Fixed_Cells(TKey &Key, TShiftState Shift)
{
    const TKey Step = Mirrored_Arrow(Key);
    int DC = 0, DR = 0;
    switch (Step) {
    case VK_LEFT: DC = -1; break;
    case VK_RIGHT: DC = 1; break;
    case VK_UP: DR = -1; break;
    case VK_DOWN: DR = 1; break;
    default: return false;
    }
    if (Shift.Contains(ssCtrl))
        return false;
    const int LoCol = FixedCols(), HiCol = ColCount() - FFixedRightCols;   // columns LoCol..HiCol-1
    const int LoRow = FixedRows(), HiRow = RowCount() - FFixedFooters;
    int C = Col() + DC, R = Row() + DR;
    if (C < LoCol || C >= HiCol || R < LoRow || R >= HiRow || !IsFixed(C, R))
        return false;
    if (DR != 0 && Options().Contains(goRowSelect)) {
        FocusCell(Col(), R);
    } else {
        while (C >= LoCol && C < HiCol && R >= LoRow && R < HiRow && IsFixed(C, R)) {
            C += DC;
            R += DR;
        }
        if (C >= LoCol && C < HiCol && R >= LoRow && R < HiRow)
            FocusCell(C, R);
    }
    Key_Swallowed(Key, Shift);
    return true;
}

// Enter or Space on a cell with a control: a check box flips, a radio group
// steps to its next item, a radio button takes its column's choice, a button
// is pressed (each when the cell may be edited, or the control look says the
// control is always active). False when the cell holds no control.
bool RIraRevadiVizo::Cell_Control_Key(TKey Key, int RC)
{
    const int R = Row();
    if (!(HasCellControl(RC, R) || Is_Check_Control_Cell(RC, R)))
        return false;
    bool Allow = Options().Contains(goEditing) || FMouseActions.RangeSelectAndEdit();
    QueryCanEdit(RC, R, Allow);
    QPointer<RIraRevadiVizo> Self(this);
    const bool Space = Key == VK_SPACE;
    // Tested in the order check box, radio group, radio button, button.
    if (Space && Is_Check_Control_Cell(RC, R) && !HasRadioButton(RC, R)) {
        if (Allow || ControlLook().CheckAlwaysActive) {
            const bool State = Flip_Check_Control(RC, R);
            if (ShowModified().Enabled)
                SetRowModified(R, true);
            DoCheckBoxClick(RC, R, State);
        }
    } else if (Space && IsRadio(RC, R)) {
        if (Allow || ControlLook().RadioAlwaysActive) {
            AdvanceRadio(RC, R, true);
            int Idx = -1;
            GetRadioIdx(RC, R, Idx);
            if (OnRadioClick)
                OnRadioClick(this, RC, R, Idx);
        }
    } else if (Space && HasRadioButton(RC, R)) {
        if (Allow || ControlLook().RadioAlwaysActive) {
            SetRadioButtonColumnIndex(RC, R);
            if (OnRadioButtonClick)
                OnRadioButtonClick(this, RC, R);
        }
    } else if (Allow && HasButton(RC, R)) {
        DoButtonClick(RC, R);
    }
    if (Self)
        RepaintCell(Col(), Row());
    return true;
}

// Home and End by Navigation.HomeEndKey; true when the key was handled here
// (reported, and consumed).
bool RIraRevadiVizo::Home_End_Key(TKey &Key, TShiftState Shift, int Row0, int L0, bool KH)
{
    const bool Home = Key == VK_HOME;
    const bool Ctrl = Shift.Contains(ssCtrl);
    const THomeEndAction HE = FNavigation.HomeEndKey();
    const bool RowSel = Options().Contains(goRowSelect);
    const bool OneRow = FFixedRowAlways && RowCount() == 1;
    const bool FooterShown = FFloatingFooter.Visible;
    // The horizontal position kept while row selection pages.
    auto Keep_Horizontal = [&] {
        if (KH) {
            StartUpdate();
            Set_LeftCol(L0);
            ResetUpdate();
        }
    };
    if (HE == heFirstLastCell && !Ctrl) {
        if (Home)
            FocusCell(FixedCols(), FixedRows());
        else
            FocusCell(ColCount() - 1, RowCount() - 1);
        FocusBaseCell();
    } else if (HE == heFirstLastRow && !Ctrl) {
        if (OneRow)
            return false;
        int To = FixedRows();
        if (!Home)
            To = FooterShown && RowCount() > 2 ? RowCount() - 2 : RowCount() - FFixedFooters - 1;
        if (!Home && FFixedFooters > 0 && !FooterShown)
            Set_TopRow(std::max(FixedRows(), RowCount() - VisibleRowCount()));
        if (Shift.Contains(ssShift)) {
            // The rows from the one the key started on, across all columns.
            Set_Selection(TGridRect{0, std::min(Row0, To), ColCount() - 1, std::max(Row0, To)});
            if (FMouseActions.DisjunctRowSelect())
                SelectionToRowSelect(false);
        } else {
            FocusCell(Col(), To);
            FocusBaseCell();
            if (FMouseActions.DisjunctRowSelect()) {
                ClearRowSelect();
                SelectionToRowSelect(false);
            }
        }
        if (!Home && FooterShown)
            Set_TopRow(std::max(FixedRows(), RowCount() - VisibleRowCount()));
        Keep_Horizontal();
    } else if (HE == heFirstLastColumn && Ctrl && Home) {
        FocusCell(std::max(FixedCols(), FirstSelectableCol(FixedRows())), FixedRows());
        FocusBaseCell();
        Set_LeftCol(FirstNavigableCol());
    } else if (HE == heFirstLastColumn && !Ctrl && !RowSel) {
        if (OneRow)
            return false;
        if (Shift.Contains(ssShift)) {
            const TPoint A = Anchor();
            const int To = Home ? FixedCols() : ColCount() - FFixedRightCols - 1;
            Set_Selection(TGridRect{std::min(A.X, To), Row(), std::max(A.X, To), Row()});
            InvalidateRow(Row());
        } else {
            const int C = Home ? FirstSelectableCol(Row()) : ColCount() - 1;
            FocusCell(std::max(FixedCols(), C), Row());
            FocusBaseCell();
            Set_LeftCol(Home ? FirstNavigableCol() : std::max(FixedCols(), ColCount() - VisibleColCount()));
        }
    } else
        return false;
    if (OnKeyDown) {
        TKey Copy = Key;
        OnKeyDown(this, Copy, Shift);
    }
    Key = 0;
    return true;
}

void RIraRevadiVizo::KeyDown(TKey &Key, TShiftState Shift)
{
    const int L0 = LeftCol();
    const int Col0 = Col(), Row0 = Row();
    const int RC = DisplToRealCol(Col());
    const bool IsDown = Key == VK_DOWN;
    FMoveSelection = Selection();
    const bool Ctrl = Shift.Contains(ssCtrl);
    const bool Editing = Options().Contains(goEditing);
    const bool Paging = Key == VK_PRIOR || Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN;
    // Row selection paging keeps the horizontal scroll position when asked to.
    const bool KH = Paging && Options().Contains(goRowSelect) && LeftCol() != FixedCols()
                    && FNavigation.KeepHorizScroll();

    // Scrolling only: the view moves, the current cell stays.
    if (FNavigation.MoveScrollOnly() && (Paging || Key == VK_END || Key == VK_HOME)) {
        const int V = VisibleRowCount();
        switch (Key) {
        case VK_PRIOR: Set_TopRow(V + FixedRows() < TopRow() ? TopRow() - V : FixedRows()); break;
        case VK_NEXT: if (TopRow() + V < RowCount()) Set_TopRow(TopRow() + V); break;
        case VK_END: Set_TopRow(RowCount() - V); break;
        case VK_HOME: Set_TopRow(FixedRows()); break;
        case VK_UP: if (TopRow() > FixedRows()) Set_TopRow(TopRow() - 1); break;
        case VK_DOWN: if (TopRow() + V < RowCount()) Set_TopRow(TopRow() + 1); break;
        default: break;
        }
        Key = 0;
        return;
    }

    const bool EnterOrF2 = Key == VK_RETURN || Key == VK_F2;
    // Editing only after a double click: Enter and F2 still open an editable cell.
    if (EnterOrF2 && !Editing && FMouseActions.EditOnDblClickOnly()) {
        const bool Old = FMouseActions.RangeSelectAndEdit();
        FMouseActions.Set_RangeSelectAndEdit(true);
        const bool Can = IsEditable(RC, Row());
        FMouseActions.Set_RangeSelectAndEdit(Old);
        if (Can)
            Set_Options(Options() + goEditing);
    }
    if (EnterOrF2 && FMouseActions.RangeSelectAndEdit() && !Options().Contains(goEditing)) {
        if (!IsEditable(RC, Row())) {
            Key_Swallowed(Key, Shift);
            return;
        }
        Set_Options(Options() + goEditing);
        // Enter's character phase opens the editor (Enter toggles it), so
        // only F2, which has none, opens it here.
        if (Key == VK_F2)
            Show_Editor_For_Key(QChar());
    }
    // Ctrl+F goes to the search footer's text.
    if (Ctrl && Key == 'F' && FSearchFooter.Visible() && FPanels.Search() && FPanels.Search()->Edit())
        FPanels.Search()->Edit()->setFocus();
    if (EnterOrF2) {
        if (Options().Contains(goEditing) && !IsEditable(RC, Row())) {
            Key_Swallowed(Key, Shift);
            return;
        }
        // Cells with control tags are worked with the mouse.
        if (Holds_Control_Tag(Cells(RC, Row()), EnableHTML())) {
            Key = 0;
            return;
        }
    }
    if (Key == VK_RETURN && !IsEditable(RC, Row())) {
        Key_Swallowed(Key, Shift);
        return;
    }

    if (Key == VK_SPACE || Key == VK_RETURN)
        Cell_Control_Key(Key, RC);

    if ((Key == VK_HOME || Key == VK_END) && Home_End_Key(Key, Shift, Row0, L0, KH))
        return;

    // Right and Left on a merged node cell open and close its node.
    if ((Key == VK_RIGHT || Key == VK_LEFT) && IsNode(Row()) && IsMergedCell(Col(), Row())) {
        if (Key == VK_RIGHT)
            ExpandNode(RealRowIndex(Row()));
        else
            ContractNode(RealRowIndex(Row()));
    }
    // Row selection scrolls sideways with the arrows (or Ctrl and the arrows).
    if ((Key == VK_LEFT || Key == VK_RIGHT) && Options().Contains(goRowSelect) && !IsNode(Row())
        && VisibleColCount() < ColCount()) {
        const bool LeftRight = FNavigation.LeftRightRowSelect();
        if (!LeftRight || Ctrl) {
            if (Key == VK_LEFT && LeftCol() > FixedCols())
                Set_LeftCol(LeftCol() - 1);
            else if (Key == VK_RIGHT && LeftCol() + VisibleColCount() < ColCount())
                Set_LeftCol(LeftCol() + 1);
        }
        if (!LeftRight) {
            if (OnKeyDown) {
                TKey Copy = Key;
                OnKeyDown(this, Copy, Shift);
            }
            Key = 0;
            return;
        }
    }

    // Tab with goTabs is the Tab step's alone.
    if (Key == VK_TAB && Options().Contains(goTabs) && !Shift.Contains(ssAlt)) {
        TabToNextCell(Shift.Contains(ssShift));
        if (!(Selection() == FMoveSelection)) {
            const TGridRect S = Selection();
            DoSelectionChanged(S.Left, S.Top, S.Right, S.Bottom);
        }
        return;
    }

    if (FNavigation.SkipFixedCells() && Skip_Fixed_Cells(Key, Shift))
        return;

    if (IsDown && IsLastDataRow() && FNavigation.AppendOnArrowDown())
        AutoAppendRow();

    if (FSelectionRectangle && !(Selection() == FMoveSelection)) {
        const TGridRect S = Selection();
        RepaintRect(TRect(S.Left, S.Top, S.Right, S.Bottom));
        FMoveSelection = S;
    }

    QPointer<RIraRevadiVizo> Self(this);
    if (KH)
        BeginUpdate();
    {
        const auto Restore = qScopeGuard([&] {
            if (Self && KH) {
                Set_LeftCol(L0);
                EndUpdate();
            }
        });
        TBaseGrid::KeyDown(Key, Shift);
    }
    if (!Self || Key == 0)
        return;
    After_Inherited_Key(Key, Shift, Col0, Row0);
}

// What keys do after the platform's handling: clipboard keys, the row insert
// and delete keys (which wait for the grid's row operations), select-all,
// the disjunct row and column selections, and the selection-changed notice.
void RIraRevadiVizo::After_Inherited_Key(TKey &Key, TShiftState Shift, int Col0, int Row0)
{
    const bool Ctrl = Shift.Contains(ssCtrl);
    const bool Disjunct_Persistent = FMouseActions.DisjunctRowSelect() && FMouseActions.RowSelectPersistent();
    const int RR = Disjunct_Persistent ? DisplToRealRow(Row()) : Row();
    QPointer<RIraRevadiVizo> Self(this);

    // Clipboard keys: the events decide; the exchange itself comes with the
    // clipboard formats (until then an allowed operation does nothing).
    if (FNavigation.AllowClipboardShortCuts()) {
        std::function<void(QObject *, bool &)> *Event = nullptr;
        if (Ctrl && Key == 'X')
            Event = &OnClipboardCut;
        else if (Ctrl && Key == 'V')
            Event = &OnClipboardPaste;
        else if (Ctrl && (Key == VK_INSERT || Key == 'C'))
            Event = &OnClipboardCopy;
        else if (Shift.Contains(ssShift) && Key == VK_INSERT)
            Event = &OnClipboardPaste;
        else if (Shift.Contains(ssShift) && Key == VK_DELETE)
            Event = &OnClipboardCut;
        if (Event) {
            bool Allow = true;
            if (*Event)
                (*Event)(this, Allow);
            return;
        }
    }
    // Ctrl+A selects every data cell.
    if (Ctrl && Key == 'A') {
        if (Options().Contains(goRowSelect) || Options().Contains(goRangeSelect)) {
            const TGridRect R{FirstNavigableCol(), FixedRows(), ColCount() - FFixedRightCols - 1,
                              RowCount() - FFixedFooters - 1};
            if (FMouseActions.DisjunctRowSelect())
                for (int I = R.Top; I <= R.Bottom; ++I)
                    SetRowSelect(I, true);
            SelectAllHook(R);
            Set_Selection(R);
            FocusCell(R.Right, R.Bottom);
            // A click at the corner cell settles the platform's anchor there.
            SimulateCellClick(R.Right, R.Bottom);
            if (!Self)
                return;
            FocusCell(R.Right, R.Bottom);
            Set_Selection(R);
        }
        return;
    }
    const bool Arrowish = Key >= VK_PRIOR && Key <= VK_DOWN;
    if (Arrowish && FMouseActions.DisjunctRowSelect()) {
        if (!Shift.Contains(ssShift) && !Ctrl)
            ClearRowSelect();
        if (Shift.Contains(ssShift))
            SelectionToRowSelect(true);
        else
            SetRowSelect(RR, true);
    }
    if (Arrowish && FMouseActions.DisjunctColSelect()) {
        if (!Shift.Contains(ssShift) && !Ctrl)
            ClearColSelect();
        if (Shift.Contains(ssShift))
            SelectionToColSelect(true);
        else
            SetColSelect(Col(), true);
    }
    if (Key == VK_SPACE && FMouseActions.DisjunctRowSelect())
        SetRowSelect(RR, !GetRowSelect(RR));
    if (Key == VK_SPACE && FMouseActions.DisjunctColSelect())
        SetColSelect(Col(), !GetColSelect(Col()));
    // A handler that turned the key into Tab at the last cell before the
    // fixed right columns: on to the first cell of the next row.
    if (Key == VK_TAB && Options().Contains(goTabs) && FFixedRightCols > 0
        && Col0 == TotalColCount() - FFixedRightCols - 1) {
        if (Row0 == RowCount() - FFixedFooters - 1)
            Set_Row(FixedRows());
        else if (Row() + 1 < RowCount())
            Set_Row(Row() + 1);
        Set_Col(FirstNavigableCol());
    }
    if (Key == VK_RETURN || Key == VK_F2) {
        SaveOldCellValue(Col(), Row());
        if (Key == VK_F2)
            F2KeyHook();
    }
    if (Self && !(Selection() == FMoveSelection)) {
        const TGridRect S = Selection();
        DoSelectionChanged(S.Left, S.Top, S.Right, S.Bottom);
        FMoveSelection = S;
    }
}

void RIraRevadiVizo::KeyPress(QChar &Key)
{
    // The editor hands every typed character here: the platform's rules
    // (OnKeyPress, Enter closes the editor) apply.
    if (EditorMode()) {
        TBaseGrid::KeyPress(Key);
        return;
    }
    const int RC = DisplToRealCol(Col());
    if (Holds_Control_Tag(Cells(RC, Row()), EnableHTML())) {
        Key = QChar();
        return;
    }
    if (FMouseActions.EditOnDblClickOnly()) {
        bool Flag = Options().Contains(goEditing) || FMouseActions.RangeSelectAndEdit();
        QueryCanEdit(Col(), Row(), Flag);
        if (Flag)
            Set_Options(Options() + goEditing);
    }
    char16_t U = Key.unicode();
    // Ctrl+C, Ctrl+V and Ctrl+X were handled at key-down.
    if (FNavigation.AllowClipboardShortCuts() && (U == 3 || U == 22 || U == 24)) {
        Key = QChar();
        return;
    }
    // The keypad's decimal point types the locale's separator when asked to.
    if (U == u'.' && FKeypadKey && FExcelStyleDecimalSeparator) {
        Key = Format_Settings().DecimalSeparator;
        U = Key.unicode();
    }
    // Every printable character starts an edit, whatever its code.
    const bool Printable = U == 8 || (U >= 32 && Key.isPrint());
    const bool Control = Is_Check_Control_Cell(RC, Row());
    if (FMouseActions.RangeSelectAndEdit() && Printable && !Control && IsEditable(RC, Row())) {
        if (OnKeyPress) {
            QChar Copy = Key;
            OnKeyPress(this, Copy);
        }
        FStartEditChar = Key;
        Set_Options(Options() + goEditing);
        Show_Editor_For_Key(Key);
        Key = QChar();
        return;
    }
    if (Options().Contains(goEditing) && Printable) {
        if (OnKeyPress) {
            OnKeyPress(this, Key);
            if (Key.isNull())
                return;
        }
        FStartEditChar = Key;
        if (!Control)
            Show_Editor_For_Key(Key);
        Key = QChar();
        return;
    }
    Grid_Key_Press(Key);
}

void RIraRevadiVizo::keyPressEvent(QKeyEvent *Event)
{
    FKeypadKey = Event->modifiers().testFlag(Qt::KeypadModifier);
    const auto Reset = qScopeGuard([this] { FKeypadKey = false; });
    TBaseGrid::keyPressEvent(Event);
}

bool RIraRevadiVizo::IsLastDataRow() const
{
    return Row() + 1 == RowCount() - FFixedFooters || (RowCount() == Row() + 2 && FFloatingFooter.Visible);
}
