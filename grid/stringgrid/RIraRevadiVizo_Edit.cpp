// Editing rights, the cell-selection check that ties a move of the current
// cell to editing, the one validation path every edited value takes, and the
// items of the grid's combo editor.
#include "grid/stringgrid/GridEditorControls.h"
#include "grid/stringgrid/RIraRevadiVizo.h"
#include "grid/base/GridUndoRedo.h"
#include "grid/model/TextRoutines.h"
#include <QComboBox>
#include <QLineEdit>
#include <QScopeGuard>
#include <QToolTip>

// --- rights -------------------------------------------------------------------------------------------

bool RIraRevadiVizo::EditorHandlesTab() const
{
    // Either validation handler must see the value Tab leaves behind.
    return Options().Contains(goTabs) || static_cast<bool>(OnCellValidate) || static_cast<bool>(OnCellValidateWide);
}

void RIraRevadiVizo::CellChanging(int NewCol, int NewRow, bool &Allow)
{
    if (NewRow != Row() && OnRowChanging)
        OnRowChanging(this, Row(), NewRow, Allow);
    if (NewCol != Col() && OnColChanging)
        OnColChanging(this, Col(), NewCol, Allow);
    if ((NewCol != Col() || NewRow != Row()) && !FDisableChange && OnCellChanging)
        OnCellChanging(this, Row(), Col(), NewRow, NewCol, Allow);
}

// --- the cell-selection check -------------------------------------------------------------------------

bool RIraRevadiVizo::Select_Cell_Editing(int ACol, int ARow)
{
    if (FForceSel)
        return true;
    if (ACol < 0 || ARow < 0)
        return false;
    const int RealCol = RealColIndex(ACol);
    if (RealCol >= TotalColCount() || ARow >= RowCount())
        return TBaseGrid::SelectCell(ACol, ARow);
    FEditText = GetCellEx(RealCol, ARow);

    // A merged block is edited through its base cell: a member is refused
    // and the current cell goes to the base instead.
    if (IsMergedNonBaseCell(RealCol, ARow) && !Options().Contains(goRangeSelect)) {
        // The move runs once the refused one has been unwound: the platform
        // ignores moves asked for from inside its own selection check.
        const TPoint B = BaseCell(RealCol, ARow);
        const bool Edit = FMouseActions.DirectEdit();
        QMetaObject::invokeMethod(
            this,
            [this, B, Edit] {
                MoveCurrentCell(DisplColIndex(B.X), B.Y);
                RepaintCell(DisplColIndex(B.X), B.Y);
                if (Edit)
                    ShowInplaceEdit();
            },
            Qt::QueuedConnection);
        return false;
    }
    if (ACol == 0 && HasNodes() && !Options().Contains(goRowSelect))
        return false;
    if (FFlags.UseEnabledRows && FNavigation.SkipDisabledRows() && ARow < FFlags.Disabled.Length()
        && !GetRowEnabled(ARow))
        return false;

    const int OldCol = Col(), OldRow = Row();
    const bool TextEditorFocused = InplaceEditor() && InplaceEditor()->hasFocus();
    const bool Moves = ACol != OldCol || ARow != OldRow;

    // Editing rights follow the target cell.
    const bool EditingOn = Options().Contains(goEditing);
    if (HasCellControl(RealCol, ARow)) {
        bool CanEdit = true;
        GetCellEditable(RealCol, ARow, CanEdit);
        if (!FEditDisable)
            FEditDisable = !CanEdit && (EditingOn || FMouseActions.RangeSelectAndEdit());
        if (!EditingOn && !Options().Contains(goRowSelect) && CanEdit) {
            Set_EditChange();
            Set_Options(Options() + goEditing);
        }
    } else {
        bool CanEdit = EditingOn || FEditDisable;
        GetCellEditable(RealCol, ARow, CanEdit);
        if (FMouseActions.DirectEdit()) {
            TEditorType E = DefaultEditor();
            GetCellEditorType(RealCol, ARow, E);
            if (E == edNone)
                CanEdit = false;
        }
        if (FMouseActions.EditOnDblClickOnly())
            CanEdit = false;
        // Editing comes back on only where the grid's settings switch it on
        // (a grid without editing stays without it, whatever a cell allows).
        const bool Switchable = EditingOn || FEditDisable || FMouseActions.RangeSelectAndEdit();
        if (CanEdit && Switchable) {
            FEditDisable = false;
            if (!Options().Contains(goEditing)) {
                Set_EditChange();
                if (!FEditing)
                    SaveOldCellText(RealCol, ARow);
                TGridOptions O = Options();
                if (FMouseActions.RangeSelectAndEdit())
                    O -= goRowSelect;
                Set_Options(O + goEditing);
            }
        } else if (!CanEdit && Options().Contains(goEditing)) {
            FEditDisable = true;
            Set_EditChange();
            Set_Options(Options() - goEditing);
        }
    }

    bool Allow = true;
    QString Cache = FCellCache;
    bool Refused = false;
    if (FEditing && Moves) {
        // A value still pending (a special editor was committed, or the text
        // editor lost its cell to a click) is validated before the move.
        const QString Pending = FSpecialEditor || !TextEditorFocused || !InplaceEditor()
                                    ? CurrentCell()
                                    : InplaceEditor()->Edit_Text();
        // A cell that held wide text when the edit began is validated as such.
        const bool Valid = FOldCellText.startsWith(QStringLiteral("|\\")) ? ValidateCellWide(DecodeWideText(Pending))
                                                                         : ValidateCell(Pending);
        if (!Valid) {
            Allow = false;
            Refused = true;
        }
    }
    if (Allow) {
        CellChanging(ACol, ARow, Allow);
        if (IsFixed(ACol, ARow) || !Allow) {
            if (Allow)
                Allow = Options().Contains(goRowSelect)
                        || (FFixedRowAlways && RowCount() == TBaseGrid::FixedRows());
        } else {
            Allow = TBaseGrid::SelectCell(ACol, ARow);
        }
    }

    if (FISelect)
        FISelect->CellSelected(Col(), ARow);
    if (FActiveCellShow && Allow)
        RepaintActiveHeaders(OldCol, OldRow, ARow, ACol);
    if (ActiveRowShow() && Allow) {
        RepaintRow(ARow);
        RepaintRow(OldRow);
    }
    FCellCache = Refused ? Cache : (Allow ? GetCellEx(RealCol, ARow) : FCellCache);
    // Every way the current row changes (keys, mouse, setter) passes here.
    if (Allow && ARow != FOldRow && OnRowUpdate) {
        const int Old = FOldRow;
        FOldRow = ARow;
        OnRowUpdate(this, Old, ARow);
    }
    return Allow;
}

// --- validation ---------------------------------------------------------------------------------------------

bool RIraRevadiVizo::ValidateCell(const QString &NewValue) { return Validate_Edit(NewValue, false); }

// One validation for plain and wide-text cells. A wide cell has no cell
// checker, no undo record and no balloon for a refused value; its text is
// compared and written without the wide escape.
bool RIraRevadiVizo::Validate_Edit(const QString &NewValue, bool Wide)
{
    if (!FEditing || FValidating)
        return true;
    FEditing = false;
    FValidating = true;
    bool Valid = true;
    const int C = FOldCol;       // real column of the edited cell
    const int R = FOldEditRow;
    FNewCellText = NewValue;
    // Whatever a handler does (or throws), the current cell becomes the
    // remembered one and validation ends.
    auto Done = qScopeGuard([this] {
        SaveOldCellValue(RealColIndex(Col()), Row());
        FValidating = false;
    });
    if (C < 0 || R < 0 || C >= TotalColCount() || R >= RowCount())
        return true;
    QString &Old = Wide ? FOldCellTextWide : FOldCellText;
    auto Write = [&](const QString &Text) {
        if (Wide)
            SetWideCells(C, R, Text);
        else
            Set_Cells(C, R, Text);
    };
    const bool Changed = NewValue != Old;
    if (Changed || FAlwaysValidate) {
        QString V = NewValue;
        {
            // A handler that moves the focus must not set off an advance.
            const bool Advance = FNavigation.AdvanceOnEnter();
            FNavigation.Set_AdvanceOnEnter(false);
            auto Restore = qScopeGuard([this, Advance] { FNavigation.Set_AdvanceOnEnter(Advance); });
            if (!Wide && FCellChecker && FCellChecker->AutoCorrect)
                V = FCellChecker->Correct(C, R, V);
            if (Wide) {
                if (OnCellValidateWide)
                    OnCellValidateWide(this, C, R, V, Valid);
            } else if (OnCellValidate) {
                OnCellValidate(this, C, R, V, Valid);
            }
        }
        // Only an accepted value marks the grid and its row modified.
        if (Valid && Old != V) {
            FGridModified = true;
            FModified = true;
            if (FixedCols() > 0) {
                SetRowModified(RealRowIndex(Row()), true);
                if (FShowModified.Enabled)
                    RepaintCell(0, Row());
            }
        }
        if (Valid)
            RecalcFooter();
        if (!Wide && FCellChecker && FCellChecker->AutoMarkError)
            V = FCellChecker->MarkError(C, R, V);
        // The history keeps the text before the edit as the one undo restores.
        if (!Wide && Valid && UndoRedo())
            UndoRedo()->RegisterChange(C, R, Old, V);
        if (Valid && Changed)
            CellsChanged({C, R, C, R});
        FNewCellText = V;
        if (Valid) {
            Write(V);
            if (!Wide && IsMergedNonBaseCell(C, R))
                SetCellEx(C, R, V);
        } else {
            FLastValidation = false;
            HideEditor();
            Write(V != NewValue ? V : Old);
            MoveCurrentCell(DisplColIndex(C), R);
            FValidating = false;
            FEditing = true;
            ShowInplaceEdit();
            if (!Wide)
                Show_Invalid_Entry();
        }
        Old = Wide ? GetWideCells(C, R) : Cells(C, R);
    }
    if (Valid && Focus_Window_Grid() == this)
        HideFocusWindow();
    return Valid;
}

void RIraRevadiVizo::Show_Invalid_Entry()
{
    if (InvalidEntryTitle().isEmpty() && InvalidEntryText().isEmpty())
        return;
    // The message points at the editor that holds the refused value.
    QWidget *At = FEditCtrl && FEditCtrl->isVisible() ? FEditCtrl.data() : InplaceEditor();
    if (auto *Combo = qobject_cast<QComboBox *>(At); Combo && Combo->lineEdit())
        At = Combo->lineEdit();
    if (!At)
        At = this;
    QString Tip = InvalidEntryTitle();
    if (!InvalidEntryText().isEmpty())
        Tip = Tip.isEmpty() ? InvalidEntryText() : Tip + QStringLiteral("\n") + InvalidEntryText();
    FInvalidEntryShown = Tip;
    QToolTip::showText(At->mapToGlobal(QPoint(At->width() / 2, At->height())), Tip, At);
}

// --- the current cell ------------------------------------------------------------------------------------

QString RIraRevadiVizo::CurrentCell()
{
    const TPoint B = BaseCell(RealColIndex(Col()), Row());
    return Cells(B.X, B.Y);
}

void RIraRevadiVizo::Set_CurrentCell(const QString &Value)
{
    const TPoint B = BaseCell(RealColIndex(Col()), Row());
    SetCellEx(B.X, B.Y, Value);
}

void RIraRevadiVizo::SetCurrentCellEx(const QString &Value)
{
    const TPoint B = BaseCell(RealColIndex(Col()), Row());
    SetEditText(DisplColIndex(B.X), B.Y, Value);
}

void RIraRevadiVizo::ApplyCellCache() { Set_CurrentCell(FCellCache); }

QString RIraRevadiVizo::EllipsClick(const QString &Value)
{
    QString S = Value;
    if (OnEllipsClick)
        OnEllipsClick(this, RealColIndex(Col()), Row(), S);
    return S;
}

int RIraRevadiVizo::GetEditLimit() { return FMaxEditLength; }

// --- combo items --------------------------------------------------------------------------------------------

void RIraRevadiVizo::ClearComboString() { Combobox()->clear(); }

void RIraRevadiVizo::AddComboString(const QString &S) { Combobox()->addItem(S); }

void RIraRevadiVizo::AddComboStringObject(const QString &S, TObject *AObject)
{
    Combobox()->addItem(S, QVariant::fromValue(reinterpret_cast<quintptr>(AObject)));
}

bool RIraRevadiVizo::RemoveComboString(const QString &S)
{
    const int I = Combobox()->findText(S, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    if (I < 0)
        return false;
    Combobox()->removeItem(I);
    return true;
}

bool RIraRevadiVizo::SetComboSelectionString(const QString &S)
{
    const int I = Combobox()->findText(S, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    if (I < 0)
        return false;
    FComboIdx = I;
    return true;
}

int RIraRevadiVizo::GetComboCount() { return Combobox()->count(); }

int RIraRevadiVizo::GetComboIndex(int ACol, int ARow)
{
    GetEditorProp(ACol, ARow, nullptr);
    return Combobox()->findText(Cells(ACol, ARow), Qt::MatchFixedString | Qt::MatchCaseSensitive);
}

void RIraRevadiVizo::SetComboIndex(int ACol, int ARow, int Value)
{
    GetEditorProp(ACol, ARow, nullptr);
    if (Value < 0 || Value >= Combobox()->count())
        throw EDarAzidError(QStringLiteral("List index out of bounds (%1)").arg(Value).toStdString());
    Set_Cells(ACol, ARow, Combobox()->itemText(Value));
}
