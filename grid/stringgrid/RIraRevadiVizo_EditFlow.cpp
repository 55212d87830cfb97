// The editing flow: whether and which editor opens on the current cell, how a
// special editor control is set up over the cell and read back into it, and
// how an edit ends (the edit-done message after the key or click that ended it).
#include "grid/stringgrid/GridEditorControls.h"
#include "grid/stringgrid/RIraRevadiVizo.h"
#include "grid/stringgrid/VOdeInplaceEdit.h"
#include "platform/Locale.h"
#include "platform/TextToInt.h"
#include <QAbstractItemView>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScopeGuard>

namespace {
bool Is_Text_Kind(TEditorType E)
{
    switch (E) {
    case edNormal: case edNumeric: case edPositiveNumeric: case edFloat: case edCapital: case edMixedCase:
    case edPassword: case edLowerCase: case edUpperCase: case edValidChars: case edPositiveFloat:
        return true;
    default:
        return false;
    }
}

} // namespace

// --- the editor controls -------------------------------------------------------------------------------------

TGridSpin *RIraRevadiVizo::SpinEdit()
{
    if (!FEditSpin)
        FEditSpin = new TGridSpin(this);
    return FEditSpin;
}

TGridCombo *RIraRevadiVizo::Combobox()
{
    if (!FEditCombo)
        FEditCombo = new TGridCombo(this);
    return FEditCombo;
}

TGridEditBtn *RIraRevadiVizo::BtnEdit()
{
    if (!FEditBtn) {
        FEditBtn = new TGridEditBtn(this);
        FEditBtn->Set_ButtonCaption(QStringLiteral("..."));
    }
    return FEditBtn;
}

TGridUnitEditBtn *RIraRevadiVizo::BtnUnitEdit()
{
    if (!FUnitEditBtn) {
        FUnitEditBtn = new TGridUnitEditBtn(this);
        FUnitEditBtn->Set_ButtonCaption(QStringLiteral("..."));
    }
    return FUnitEditBtn;
}

TGridCheckBox *RIraRevadiVizo::EditCheck()
{
    if (!FEditCheck)
        FEditCheck = new TGridCheckBox(this);
    return FEditCheck;
}

TGridButton *RIraRevadiVizo::Btn()
{
    if (!FGridButton)
        FGridButton = new TGridButton(this);
    return FGridButton;
}

TGridDatePicker *RIraRevadiVizo::DateTimePicker()
{
    if (!FEditDate) {
        FEditDate = new TGridDatePicker(this);
        Watch_Date_Picker(FEditDate);
    }
    return FEditDate;
}

TGridDateTimePicker *RIraRevadiVizo::DateAndTimePicker()
{
    if (!FEditDateTime) {
        FEditDateTime = new TGridDateTimePicker(this);
        Watch_Date_Picker(FEditDateTime);
    }
    return FEditDateTime;
}

VOdeInplaceEdit *RIraRevadiVizo::GetNormalEdit() const { return qobject_cast<VOdeInplaceEdit *>(InplaceEditor()); }

TInplaceEdit *RIraRevadiVizo::CreateEditor() { return new VOdeInplaceEdit(this); }

// The editor's text is right-aligned exactly for a right-justified cell.
void RIraRevadiVizo::Align_Text_Editor(int ACol, int ARow)
{
    VOdeInplaceEdit *E = GetNormalEdit();
    if (!E)
        return;
    TAlignment HA = DefaultAlignment();
    TVAlignment VA = FVAlignment;
    const TPoint B = BaseCell(RealColIndex(ACol), ARow);
    if (const TCellProperties *P = Find_Cell_Props(B.X, B.Y))
        HA = P->Alignment();
    GetCellAlignment(B.X, B.Y, HA, VA);
    E->Set_VAlign(HA == taRightJustify);
}

void RIraRevadiVizo::Editor_Text_Edited(const QString &Text)
{
    if (!FEditMode || FNoEditChange)
        return;
    if (OnEditChange)
        OnEditChange(this, Col(), Row(), Text);
    if (FShowEditProcess)
        Write_Edit_Value(Col(), Row(), Text);
}

// --- opening -------------------------------------------------------------------------------------------------

bool RIraRevadiVizo::CanEditShow()
{
    if (FValidating)
        return false;
    // A special editor is open: the platform's text editor stays hidden.
    if (FEditMode && FSpecialEditor)
        return false;
    bool Result = TBaseGrid::CanEditShow();
    const TPoint Base = BaseCell(RealColIndex(Col()), Row());
    if (Result && !FEditMode && HasCellControl(Base.X, Base.Y))
        return false;
    if (Result && !FEditMode) {
        FNoEditChange = true;
        FCellCache = CurrentCell();
        if (!FEditing)
            SaveOldCellText(RealColIndex(Col()), Row());
        FEditControl = DefaultEditor();
        GetCellEditorType(Base.X, Base.Y, FEditControl);
        if (FEditControl == edNone) {
            FNoEditChange = false;
            return false;
        }
        FEditMode = true;
        if (Is_Text_Kind(FEditControl)) {
            FShowEditProcess = true;
        } else {
            SetupInplaceEditor(DisplColIndex(Base.X), Base.Y);
            FEntered = true;
            if (FFocusHelper.Enabled())
                ShowFocusWindow(CellRect(Col(), Row()));
            Result = false;
        }
    }
    if (Result) {
        FEntered = true;
        FEditing = true;
        if (FFocusHelper.Enabled())
            ShowFocusWindow(CellRect(Col(), Row()));
    }
    return Result;
}

void RIraRevadiVizo::Show_Editor_Control(QWidget *W, int L, int T, int Wd, int H)
{
    W->setGeometry(L, T, Wd, H);
    W->setEnabled(true);
    W->show();
    W->raise();
    W->setFocus();
}

void RIraRevadiVizo::Post_Start_Char(QWidget *W)
{
    if (FStartEditChar.isNull())
        return;
    const QChar C = FStartEditChar;
    FStartEditChar = QChar();
    // The character typed on the grid becomes the editor's first one.
    QWidget *Target = W;
    if (auto *Combo = qobject_cast<QComboBox *>(W); Combo && Combo->lineEdit())
        Target = Combo->lineEdit();
    if (auto *Line = qobject_cast<QLineEdit *>(Target)) {
        Line->setText(C == QChar(8) ? QString() : QString(C));
        Line->setCursorPosition(Line->text().size());
    }
}

// Opening an editor control over a cell, one kind of control each: the
// grid's editor controls and edit state, at the cell's place and text.
struct TEditorSetup {
    RIraRevadiVizo &G;
    int ACol, ARow, RealCol;
    int Left, Top, W, H;
    QString Text;

    void Props_Hook() { G.GetEditorProp(RealCol, ARow, nullptr); }
    void Spin();
    void Combo();
    void Button_Edit();
    void Date();
    void DropDown();
};

void RIraRevadiVizo::SetupInplaceEditor(int ACol, int ARow)
{
    FEditing = FSpecialEditor = FEditActive = true;
    const TRect R = CellRect(ACol, ARow);
    TEditorSetup At{*this, ACol, ARow, RealColIndex(ACol), R.Left + (UseRightToLeftAlignment() ? 1 : 0), R.Top,
                    R.Right - R.Left - 1, R.Bottom - R.Top - 1, GetEditText(ACol, ARow)};
    FEditCtrl = nullptr;
    if (FEditControl != edCustom)
        FLastValidation = true;
    switch (FEditControl) {
    case edSpinEdit: case edFloatSpinEdit: case edTimeSpinEdit: case edDateSpinEdit:
        At.Spin();
        break;
    case edComboEdit: case edComboList:
        At.Combo();
        break;
    case edEditBtn: case edNumericEditBtn: case edFloatEditBtn: case edMaskEditBtn:
    case edUnitEditBtn: case edNumericUnitEditBtn: case edFloatUnitEditBtn:
        At.Button_Edit();
        break;
    case edCheckBox: {
        TGridCheckBox *E = EditCheck();
        FEditMode = true;
        E->setText(At.Text);
        E->setChecked(false);
        Show_Editor_Control(E, At.Left, At.Top, At.W, At.H);
        break;
    }
    case edButton: {
        TGridButton *E = Btn();
        FEditMode = true;
        E->setText(At.Text);
        // The button covers the cell's lines too.
        Show_Editor_Control(E, At.Left - 1, At.Top - 1, At.W + 2, At.H + 2);
        FEditCtrl = E;
        break;
    }
    case edDateEdit: case edDateEditUpDown: case edTimeEdit: case edDateTimeEdit:
        At.Date();
        break;
    case edRichEdit:
        Setup_Rich_Editor(ACol, ARow, At.Left, At.Top, At.W, At.H);
        break;
    case edCustom:
        Setup_Link_Editor(ACol, ARow, TRect{At.Left, At.Top, R.Right, R.Bottom});
        break;
    case edTrackbarDropDown: case edMemoDropDown: case edCalculatorDropDown: case edTimePickerDropDown:
    case edDetailDropDown: case edGridDropDown: case edDarAzidDropDown: case edColorPickerDropDown:
    case edImagePickerDropDown:
        At.DropDown();
        break;
    default:
        // No control (a data check box, or a kind this grid shows no editor
        // for); the edit flags stay set.
        break;
    }
    FStartEditChar = QChar();
    FNoEditChange = false;
}

void TEditorSetup::Spin()
{
    TGridSpin *S = G.SpinEdit();
    G.FEditMode = true;
    S->Set_ExcelStyleDecimalSeparator(G.FExcelStyleDecimalSeparator);
    Props_Hook();
    S->Begin_Loading();
    if (G.FEditControl == edSpinEdit) {
        S->Set_SpinType(sptNormal);
        S->Set_Value(Leading_Int(Text));
    } else if (G.FEditControl == edFloatSpinEdit) {
        S->Set_SpinType(sptFloat);
        S->Set_FloatValue(Leading_Float(Text));
    } else if (G.FEditControl == edTimeSpinEdit) {
        S->Set_SpinType(sptTime);
    } else {
        S->Set_SpinType(sptDate);
        TDateTime D = Date_Time_Now();
        if (!Text.isEmpty() && !Try_Str_To_Date(Text, D))
            D = Date_Time_Now();
        S->Set_DateValue(D);
    }
    S->End_Loading();
    // The time goes in once loading is over: the end of loading rewrites
    // the text from the time value it holds, which is not this cell's.
    if (G.FEditControl == edTimeSpinEdit)
        S->Set_Text(Text);
    G.Show_Editor_Control(S, Left, Top, W, H);
    G.FEditCtrl = S;
    G.Post_Start_Char(S);
    // One step for a press on this cell's spin buttons, taken once; a press
    // on another cell's buttons never steps the editor opening here.
    const bool Pressed_Here = G.FSpinCell == TPoint(ACol, ARow);
    if (Pressed_Here && G.FSpinUpClick)
        S->IncValue(false);
    else if (Pressed_Here && G.FSpinDnClick)
        S->DecValue(false);
    G.FSpinUpClick = G.FSpinDnClick = false;
}

void TEditorSetup::Combo()
{
    TGridCombo *C = G.Combobox();
    G.FEditMode = true;
    C->setMaxVisibleItems(G.FControlLook.DropDownCount);
    Props_Hook();
    const bool List = G.FEditControl == edComboList;
    C->Set_Style(List ? csDropDownList : csDropDown);
    C->setEditable(!List);
    // The combo completes typed text itself (DoChange), not Qt's completer.
    if (!List)
        C->setCompleter(nullptr);
    C->blockSignals(true);
    if (List) {
        // A value that is no item stays as it is until the user picks
        // one: opening selects nothing and fires no change.
        int I = C->findText(G.GetCellEx(RealCol, ARow), Qt::MatchFixedString | Qt::MatchCaseSensitive);
        if (I < 0 && G.FComboIdx != -1)
            I = G.FComboIdx;
        C->setCurrentIndex(I);
        if (I < 0)
            C->setPlaceholderText(Text);
    } else {
        C->setEditText(Text);
        if (G.FComboIdx != -1 && C->currentIndex() < 0)
            C->setCurrentIndex(G.FComboIdx);
        C->setEditText(Text);
        if (C->lineEdit() && G.FMaxComboLength > 0)
            C->lineEdit()->setMaxLength(G.FMaxComboLength);
    }
    C->blockSignals(false);
    C->Set_Flat(G.Look() != glStandard && G.Look() != glClassic && G.Look() != glCustom);
    C->Set_Etched(C->Flat());
    G.Show_Editor_Control(C, Left, Top, W, H);
    G.FEditCtrl = C;
    // The list as wide as its widest item, or as wide as the combo's DropWidth.
    C->view()->setMinimumWidth(0);
    if (G.FNavigation.AutoComboDropSize())
        C->SizeDropDownWidth();
    else if (C->DropWidth() > 0)
        C->Set_DropWidth(C->DropWidth());
    if (G.FMouseActions.DirectComboDrop() || G.FControlLook.DropDownAlwaysVisible)
        C->showPopup();
    G.Post_Start_Char(C);
}

// The edit with a button, plain or with a unit.
void TEditorSetup::Button_Edit()
{
    const int MaxLength = G.FMaxEditLength > 0 ? G.FMaxEditLength : 32767;
    QWidget *Shown = nullptr;
    if (G.FEditControl == edUnitEditBtn || G.FEditControl == edNumericUnitEditBtn || G.FEditControl == edFloatUnitEditBtn) {
        TGridUnitEditBtn *E = G.BtnUnitEdit();
        G.FEditMode = true;
        E->setMaxLength(MaxLength);
        E->Set_UnitID(QString());
        // A text that ends in none of the units is all value.
        E->Set_Text(Text);
        Props_Hook();
        E->Set_TextAndUnit(Text);
        Shown = E;
    } else {
        TGridEditBtn *E = G.BtnEdit();
        G.FEditMode = true;
        E->Set_EditMask(G.FEditControl == edMaskEditBtn ? G.GetEditMask(ACol, ARow) : QString());
        E->Begin_Loading();
        E->Set_Text(Text);
        E->End_Loading();
        E->setMaxLength(MaxLength);
        Shown = E;
    }
    G.Show_Editor_Control(Shown, Left, Top, W, H);
    G.FEditCtrl = Shown;
    G.Post_Start_Char(Shown);
}

// The date or time picker, and the picker of date and time together.
void TEditorSetup::Date()
{
    G.FEditMode = true;
    TDateTime V = Date_Time_Now();
    if (G.FEditControl == edDateTimeEdit) {
        TGridDateTimePicker *P = G.DateAndTimePicker();
        if (Text.isEmpty() || !Try_Str_To_Date_Time(Text, V))
            V = Date_Time_Now();
        P->Set_Value(V);
        P->Checked = true;
        Props_Hook();
        G.Show_Editor_Control(P, Left, Top, W, std::max(H, P->sizeHint().height()));
        G.FEditCtrl = P;
        return;
    }
    TGridDatePicker *P = G.DateTimePicker();
    if (!Text.isEmpty()) {
        if (G.FEditControl == edTimeEdit) {
            if (!Try_Str_To_Date_Time(Text, V))
                V = Date_Time_Now();
        } else if (G.OnCustomStrToDate) {
            G.OnCustomStrToDate(&G, Text, V);
        } else if (!Try_Str_To_Date_Time(Text, V)) {
            V = Date_Time_Now();
        }
    }
    // Dates outside the offered range come in at its nearest bound.
    if (G.FEditControl != edTimeEdit)
        V = P->Clamped(V);
    P->Set_Kind(G.FEditControl == edTimeEdit ? dtkTime : dtkDate);
    P->setCalendarPopup(G.FEditControl == edDateEdit);
    P->Set_Value(V);
    P->Checked = true;
    Props_Hook();
    G.Show_Editor_Control(P, Left, Top, W, H);
    G.FEditCtrl = P;
    // The calendar opens at once, as F4 opens it.
    if (G.FMouseActions.DirectDateDrop() && G.FEditControl != edTimeEdit)
        P->Open_Calendar();
}

void TEditorSetup::DropDown()
{
    QWidget *DW = G.DropDownEditor(G.FEditControl);
    auto *D = dynamic_cast<IGridDropDownEditor *>(DW);
    if (!D)
        return;
    G.FEditMode = true;
    if (G.Setup_DropDown(DW, ACol, ARow, Left, Top, W, H)) {
        G.FEditCtrl = DW;
        return;
    }
    Props_Hook();
    D->Set_Editor_Text(Text);
    G.Show_Editor_Control(DW, Left, Top, W, H);
    G.FEditCtrl = DW;
    G.Post_Start_Char(DW);
}

// --- reading back ---------------------------------------------------------------------------------------------

void RIraRevadiVizo::Put_Away(QWidget *W)
{
    if (!W)
        return;
    W->setEnabled(false);
    W->hide();
}

void RIraRevadiVizo::Write_Edit_Value(int ACol, int ARow, const QString &V)
{
    const TPoint B = BaseCell(RealColIndex(ACol), ARow);
    SetEditText(DisplColIndex(B.X), B.Y, V);
}

void RIraRevadiVizo::CommitInplaceEditor(int ACol, int ARow)
{
    if (Destroying())
        return;
    FSpecialEditor = false;
    FBlockKill = true;
    FStartEditChar = QChar();
    auto Done = qScopeGuard([this] {
        FBlockKill = false;
        FEditActive = false;
    });
    const int RealCol = RealColIndex(ACol);
    switch (FEditControl) {
    case edSpinEdit: case edFloatSpinEdit: case edTimeSpinEdit: case edDateSpinEdit: {
        FEditMode = false;
        TGridSpin *S = SpinEdit();
        if (S->AllowEmptyValue() && S->Text().trimmed().isEmpty())
            Write_Edit_Value(ACol, ARow, QString());
        else if (FEditControl == edSpinEdit)
            SetInts(RealCol, ARow, S->Value());
        else if (FEditControl == edFloatSpinEdit)
            SetFloats(RealCol, ARow, S->FloatValue());
        else if (FEditControl == edTimeSpinEdit)
            Write_Edit_Value(ACol, ARow, S->Text());
        else
            SetDates(RealCol, ARow, S->DateValue());
        Put_Away(S);
        break;
    }
    case edComboEdit: case edComboList:
        if (FEditMode) {
            FEditMode = false;
            TGridCombo *C = Combobox();
            // A list that still shows no chosen item leaves the cell as it was.
            if (!(FEditControl == edComboList && C->currentIndex() < 0))
                Write_Edit_Value(ACol, ARow, C->currentText());
            C->setPlaceholderText(QString());
            Put_Away(C);
        }
        break;
    case edEditBtn: case edNumericEditBtn: case edFloatEditBtn: case edMaskEditBtn:
        if (FEditMode) {
            FEditMode = false;
            Write_Edit_Value(ACol, ARow, BtnEdit()->Text());
            Put_Away(BtnEdit());
        }
        break;
    case edUnitEditBtn: case edNumericUnitEditBtn: case edFloatUnitEditBtn:
        Write_Edit_Value(ACol, ARow, BtnUnitEdit()->TextAndUnit());
        Put_Away(BtnUnitEdit());
        FEditMode = false;
        break;
    case edCheckBox:
        Put_Away(EditCheck());
        FEditMode = false;
        break;
    case edButton:
        Put_Away(Btn());
        FEditMode = false;
        break;
    case edDateEdit: case edDateEditUpDown: case edTimeEdit: {
        TGridDatePicker *P = DateTimePicker();
        const QString V = P->Checked ? P->Text() : QString();
        // An unchanged value is not written again: opening and leaving a
        // picker keeps the cell's own text.
        const bool Unchanged = !V.isEmpty() && [&] {
            TDateTime Old = 0;
            const QString OldText = CurrentCell();
            if (!Try_Str_To_Date_Time(OldText, Old))
                return false;
            return P->Kind() == dtkTime ? Time_To_Str(Old) == V : Date_To_Str(Old) == V;
        }();
        if (!Unchanged)
            Write_Edit_Value(ACol, ARow, V);
        FEditMode = false;
        Put_Away(P);
        break;
    }
    case edDateTimeEdit: {
        TGridDateTimePicker *P = DateAndTimePicker();
        Write_Edit_Value(ACol, ARow, P->Checked ? P->Text() : QString());
        FEditMode = false;
        Put_Away(P);
        break;
    }
    case edRichEdit:
        Commit_Rich_Editor(ACol, ARow);
        break;
    case edCustom:
        Commit_Link_Editor(ACol, ARow);
        break;
    case edTrackbarDropDown: case edMemoDropDown: case edCalculatorDropDown: case edTimePickerDropDown:
    case edDetailDropDown: case edGridDropDown: case edDarAzidDropDown: case edColorPickerDropDown:
    case edImagePickerDropDown:
        if (FEditMode) {
            FEditMode = false;
            QWidget *W = DropDownEditor(FEditControl);
            if (Commit_DropDown(W, ACol, ARow))
                break;
            if (auto *D = dynamic_cast<IGridDropDownEditor *>(W)) {
                Write_Edit_Value(ACol, ARow, D->Editor_Text());
                Put_Away(W);
            }
        }
        break;
    default:
        break;
    }
    if (FEditControl != edNormal && FEditActive)
        PostEditDone(RealCol, ARow);
}

// --- ending ---------------------------------------------------------------------------------------------------

void RIraRevadiVizo::ShowInplaceEdit()
{
    if (HasCellControl(BaseCell(RealColIndex(Col()), Row()).X, BaseCell(RealColIndex(Col()), Row()).Y))
        return;
    if (Row() < TopRow())
        Set_TopRow(Row());
    if (Col() < LeftCol())
        Set_LeftCol(Col());
    FEditText = GetCellEx(RealColIndex(Col()), Row());
    ShowEditor();
}

void RIraRevadiVizo::HideInplaceEdit()
{
    if (!FEditMode)
        return;
    HideEditor();
    CommitInplaceEditor(Col(), Row());
    FEditMode = false;
    SelectCell(Col(), Row());
}

void RIraRevadiVizo::PostEditDone(int ACol, int ARow)
{
    if (OnEditingDone)
        OnEditingDone(this);
    FEditMode = false;
    Post_Message(Grid_Edit_Done_Message(), ACol, ARow);
}

void RIraRevadiVizo::Registered_Message(int Message, std::intptr_t WParam, std::intptr_t LParam)
{
    if (Message == Grid_Edit_Done_Message()) {
        if (OnEditCellDone)
            OnEditCellDone(this, int(WParam), int(LParam));
        if (FMouseActions.EditOnDblClickOnly()) {
            HideInplaceEdit();
            FEditMode = false;
            Set_Options(Options() - goEditing);
        }
    } else if (Message == Grid_Key_Down_Message()) {
        // Tab without goTabs moves the focus on, as the window's Tab does.
        if (WParam == VK_TAB && !Options().Contains(goTabs)) {
            focusNextPrevChild(LParam == 0);
        } else {
            TKey Key = TKey(WParam);
            TShiftState Shift;
            if (LParam)
                Shift += ssShift;
            KeyDown(Key, Shift);
        }
    }
    TBaseGrid::Registered_Message(Message, WParam, LParam);
}

void RIraRevadiVizo::DoneInplaceEdit(TKey Key, TShiftState Shift)
{
    QPointer<RIraRevadiVizo> Self(this);
    FBlockFocus = true;
    FEditing = false;
    HideInplaceEdit();
    if (!Self)
        return;
    if (FNavigation.AppendOnArrowDown() && Key == VK_DOWN && IsLastDataRow())
        AutoAppendRow();
    if (Key == VK_TAB || (Key >= VK_LEFT && Key <= VK_DOWN)) {
        TKey K = Key;
        KeyDown(K, Shift);
        if (!Self)
            return;
    }
    const bool Always = FNavigation.AlwaysEdit();
    FNavigation.Set_AlwaysEdit(false);
    setFocus();
    if (Key == VK_RETURN && !FNoAutoAdvance)
        NavigateAfterEdit(Col(), Row(), false, true, true, false, true);
    FNavigation.Set_AlwaysEdit(Always);
    FBlockFocus = false;
}

void RIraRevadiVizo::EditCell(int ACol, int ARow)
{
    Set_Col(ACol);
    Set_Row(ARow);
    ShowInplaceEdit();
}
