// Check-box and radio-button cells: creation, state reads and writes, the
// toggles a click or key triggers (with the checking of node groups) and the
// hit test of the box.
#include "grid/stringgrid/RIraRevadiVizo.h"
#include "grid/base/GridUndoRedo.h"
#include <stdexcept>

namespace {
TCellGraphic *As_Graphic(TObject *O) { return dynamic_cast<TCellGraphic *>(Real_Object(O)); }

// The properties object of a cell of a hidden row (nullptr when none).
TCellProperties *Hidden_Props(const TGridModel &M, int RealRow, int ACol)
{
    for (const THiddenRow &H : M.Hidden_Rows()) {
        if (H.Index != RealRow)
            continue;
        if (ACol < 0 || ACol >= static_cast<int>(H.Cells.size()))
            return nullptr;
        const std::uintptr_t S = H.Cells[ACol].Slot;
        if (S == 0 || (S & 1u))
            return nullptr;
        return dynamic_cast<TCellProperties *>(reinterpret_cast<TObject *>(S & ~std::uintptr_t(3)));
    }
    return nullptr;
}
}

void RIraRevadiVizo::Check_Add_Cell(int ACol, int ARow) const
{
    if (ACol < 0 || ARow < 0 || ACol >= ColCount() + NumHiddenColumns() || ARow >= RowCount() + NumHiddenRows())
        throw std::runtime_error("Invalid cell");
}

void RIraRevadiVizo::AddCheckBox(int ACol, int ARow, bool State, bool Data)
{
    Check_Add_Cell(ACol, ARow);
    const TCellVAlign V = VAlignment() == vtaTop ? vaTop : VAlignment() == vtaCenter ? vaCenter : vaBottom;
    CreateCellGraphic(ACol, ARow)->SetCheckBox(State, Data, true, haBeforeText, V);
    if (Data) {
        const QString T = GetCellEx(ACol, ARow);
        if (T != CheckTrue() && T != CheckFalse())
            SetCellEx(ACol, ARow, State ? CheckTrue() : CheckFalse());
    }
    Repaint_Real(ACol, ARow);
}

void RIraRevadiVizo::AddCheckBox(int ACol, int ARow, TCheckBoxState State)
{
    Check_Add_Cell(ACol, ARow);
    const TCellVAlign V = VAlignment() == vtaTop ? vaTop : VAlignment() == vtaCenter ? vaCenter : vaBottom;
    CreateCellGraphic(ACol, ARow)->SetCheckBox(State, true, haBeforeText, V);
    Repaint_Real(ACol, ARow);
}

void RIraRevadiVizo::RemoveCheckBox(int ACol, int ARow)
{
    TCellGraphic *G = As_Graphic(GetGraphicObjectEx(ACol, ARow));
    if (!G || (G->CellType != ctCheckBox && G->CellType != ctDataCheckBox && G->CellType != ctTriStateCheckBox))
        return;
    if (G->CellAngle == 1) {
        G->Free_Bitmap_Object();
        G->CellAngle = 0;
    }
    RemoveCellGraphic(ACol, ARow);
}

void RIraRevadiVizo::AddCheckBoxColumn(int ACol, bool DefaultState, bool DataCheckBox)
{
    const int First = MouseActions().CheckAllCheck() ? 0 : FixedRows();
    for (int R = First; R < RowCount(); ++R) {
        if (GetCellType(0, R) == ctSummary)
            continue;
        if (Is_Node_Row(R))
            AddCheckBox(ACol, R, cbUnchecked);
        else
            AddCheckBox(ACol, R, DefaultState, DataCheckBox);
    }
}

void RIraRevadiVizo::AddTriStateCheckBoxColumn(int ACol, TCheckBoxState State)
{
    const int First = MouseActions().CheckAllCheck() ? 0 : FixedRows();
    for (int R = First; R < RowCount(); ++R)
        AddCheckBox(ACol, R, State);
}

void RIraRevadiVizo::RemoveCheckBoxColumn(int ACol)
{
    const int First = MouseActions().CheckAllCheck() ? 0 : FixedRows();
    for (int R = First; R < RowCount(); ++R)
        if (HasCheckBox(ACol, R))
            RemoveCheckBox(ACol, R);
}

void RIraRevadiVizo::AddRadioButton(int ACol, int ARow, bool State)
{
    Check_Add_Cell(ACol, ARow);
    const TCellVAlign V = VAlignment() == vtaTop ? vaTop : VAlignment() == vtaCenter ? vaCenter : vaBottom;
    CreateCellGraphic(ACol, ARow)->SetRadioButton(State, true, haBeforeText, V);
    Repaint_Real(ACol, ARow);
}

void RIraRevadiVizo::RemoveRadioButton(int ACol, int ARow)
{
    RemoveCellGraphicOfType(ACol, ARow, ctRadioButton);
}

void RIraRevadiVizo::AddRadioButtonColumn(int ACol)
{
    for (int R = FixedRows(); R < RowCount(); ++R)
        AddRadioButton(ACol, R, false);
}

void RIraRevadiVizo::RemoveRadioButtonColumn(int ACol)
{
    for (int R = FixedRows(); R < RowCount(); ++R)
        if (HasRadioButton(ACol, R))
            RemoveRadioButton(ACol, R);
}

bool RIraRevadiVizo::IsRadioButtonChecked(int ACol, int ARow)
{
    const TPoint B = BaseCell(ACol, ARow);
    const TCellGraphic *G = As_Graphic(GetGraphicObjectEx(B.X, B.Y));
    return G && G->CellType == ctRadioButton && G->CellBoolean;
}

// --- state -------------------------------------------------------------------------------------

// The graphic that holds the state of (ACol, real row ARow) and the text a
// data check box reads.
TCellGraphic *RIraRevadiVizo::Graphic_For_State(int ACol, int ARow, QString &Text)
{
    if (NumHiddenRows() == 0) {
        Text = GetCellEx(ACol, ARow);
        return GetCellGraphic(ACol, ARow);
    }
    TCellProperties *P = IsHiddenRow(ARow) ? Hidden_Props(Model(), ARow, ACol)
                                           : Find_Cell_Props(ACol, DisplRowIndex(ARow));
    if (P) {
        Text = GetCellsEx(ACol, ARow);
        TCellGraphic *G = As_Graphic(P->GraphicObject());
        if (!G && ACol == 0 && MouseActions().HotmailRowSelect())
            return GetCellGraphic(ACol, DisplRowIndex(ARow));
        return G;
    }
    Text = ARow < RowCount() ? GetCellEx(ACol, ARow) : QString();
    return GetCellGraphic(ACol, ARow);
}

bool RIraRevadiVizo::GetCheckBoxState(int ACol, int ARow, TCheckBoxState &State)
{
    QString Text;
    const TCellGraphic *G = Graphic_For_State(ACol, ARow, Text);
    if (!G)
        return false;
    switch (G->CellType) {
    case ctCheckBox: State = BoolToCheckBoxState(G->CellBoolean); return true;
    case ctDataCheckBox: case ctVirtCheckBox:
        State = Text == GetCheckTrue(ACol, ARow) ? cbChecked : cbUnchecked;
        return true;
    case ctTriStateCheckBox: State = G->CellCheckBoxState; return true;
    case ctRowCheckBox:
        if (ACol != 0)
            return false;
        State = BoolToCheckBoxState(G->CellBoolean);
        return true;
    default: return false;
    }
}

bool RIraRevadiVizo::GetCheckBoxState(int ACol, int ARow, bool &State)
{
    QString Text;
    const TCellGraphic *G = Graphic_For_State(ACol, ARow, Text);
    if (!G)
        return false;
    switch (G->CellType) {
    case ctCheckBox: State = G->CellBoolean; return true;
    case ctDataCheckBox: case ctVirtCheckBox: State = Text == GetCheckTrue(ACol, ARow); return true;
    case ctRowCheckBox:
        if (ACol != 0)
            return false;
        State = G->CellBoolean;
        return true;
    case ctTriStateCheckBox:
        if (NumHiddenRows() == 0)
            return false;
        State = Text == GetCheckTrue(ACol, ARow);
        return true;
    default: return false;
    }
}

bool RIraRevadiVizo::IsChecked(int ACol, int ARow)
{
    bool State = false;
    return GetCheckBoxState(ACol, ARow, State) && State;
}

bool RIraRevadiVizo::SetCheckBoxState(int ACol, int ARow, bool State)
{
    QString Text;
    TCellGraphic *G = Graphic_For_State(ACol, ARow, Text);
    if (!G)
        return false;
    switch (G->CellType) {
    case ctCheckBox:
        G->CellBoolean = State;
        if (!IsHiddenRow(ARow))
            Repaint_Real(ACol, DisplRowIndex(ARow));
        return true;
    case ctDataCheckBox: case ctVirtCheckBox:
        SetCellsEx(ACol, ARow, State ? GetCheckTrue(ACol, ARow) : GetCheckFalse(ACol, ARow));
        return true;
    case ctRowCheckBox:
        if (ACol != 0)
            return false;
        SetRowSelect(ARow, State);
        return true;
    default:
        return false;
    }
}

bool RIraRevadiVizo::SetCheckBoxState(int ACol, int ARow, TCheckBoxState State)
{
    QString Text;
    TCellGraphic *G = Graphic_For_State(ACol, ARow, Text);
    if (!G || G->CellType != ctTriStateCheckBox)
        return false;
    G->CellCheckBoxState = State;
    if (!IsHiddenRow(ARow))
        Repaint_Real(ACol, DisplRowIndex(ARow));
    return true;
}

bool RIraRevadiVizo::SetCheckBoxStateNotify(int ACol, int ARow, bool Value)
{
    QString Ignored;
    TCellGraphic *G = Graphic_For_State(ACol, RealRowIndex(ARow), Ignored);
    if (!G)
        return false;
    switch (G->CellType) {
    case ctCheckBox: {
        const bool Changed = G->CellBoolean != Value;
        G->CellBoolean = Value;
        Repaint_Real(ACol, ARow);
        if (Changed)
            CheckBoxChange(ACol, ARow, Value);
        return true;
    }
    case ctDataCheckBox: case ctVirtCheckBox: {
        const bool Was = GetCellEx(ACol, ARow) == GetCheckTrue(ACol, ARow);
        SetCellEx(ACol, ARow, Value ? GetCheckTrue(ACol, ARow) : GetCheckFalse(ACol, ARow));
        if (Was != Value)
            CheckBoxChange(ACol, ARow, Value);
        return true;
    }
    case ctRowCheckBox:
        if (ACol != 0)
            return false;
        if (GetRowSelect(RealRowIndex(ARow)) != Value) {
            SetRowSelect(RealRowIndex(ARow), Value);
            CheckBoxChange(ACol, ARow, Value);
        }
        return true;
    default:
        return false;
    }
}

void RIraRevadiVizo::CheckAll(int ACol)
{
    for (int R = FixedRows(); R < RowCount(); ++R)
        SetCheckBoxStateNotify(ACol, R, true);
    if (NumHiddenColumns() > 0)
        RepaintCol(DisplColIndex(ACol));
}

void RIraRevadiVizo::UnCheckAll(int ACol)
{
    for (int R = FixedRows(); R < RowCount(); ++R)
        SetCheckBoxStateNotify(ACol, R, false);
}

// --- node records for group checking ----------------------------------------------------------------

bool RIraRevadiVizo::Is_Node_Row(int ARow) { return ARow >= 0 && GetCellType(0, ARow) == ctNode; }

int RIraRevadiVizo::Node_Span(int ARow)
{
    const TCellGraphic *G = Is_Node_Row(ARow) ? As_Graphic(GetGraphicObjectEx(0, ARow)) : nullptr;
    if (!G)
        return -1;
    if (G->CellIndex != 0)
        return G->CellIndex;
    // span 0: up to the next node row
    int R = ARow + 1;
    while (R < RowCount() && !Is_Node_Row(R))
        ++R;
    return R - ARow;
}

int RIraRevadiVizo::Parent_Node_Row(int ARow)
{
    auto Level = [&](int R) {
        const TCellProperties *P = Find_Cell_Props(0, R);
        return P ? P->NodeLevel() : 0;
    };
    int L = 65535, Fallback = -1;
    if (Is_Node_Row(ARow)) {
        L = Level(ARow);
        Fallback = ARow;
    }
    int Hidden = 0;
    for (int P = ARow; P >= FixedRows(); --P) {
        if (!Is_Node_Row(P) || Level(P) >= L)
            continue;
        const TCellGraphic *G = As_Graphic(GetGraphicObjectEx(0, P));
        const int Span = Node_Span(P);
        if (G && G->CellBoolean)
            Hidden += Span - 1;
        if (ARow < P + Span - Hidden)
            return P;
    }
    return Fallback;
}

// --- toggles ----------------------------------------------------------------------------------------------

bool RIraRevadiVizo::ToggleCheck(int ACol, int ARow, bool FromUser)
{
    TCellGraphic *G = GetCellGraphic(ACol, ARow);
    if (!G)
        return false;
    const bool NodeRow = Is_Node_Row(ARow);
    int Span = 0, Parent = -1;
    bool Contracted = false;
    if (FAutoCheckGroup) {
        if (NodeRow) {
            Span = Node_Span(ARow);
            Contracted = As_Graphic(GetGraphicObjectEx(0, ARow))->CellBoolean;
        } else {
            Parent = Parent_Node_Row(ARow);
            Span = Parent >= 0 ? Node_Span(Parent) : 0;
        }
    }
    if (!CheckBoxKinds.Contains(G->CellType))
        return false;
    if (FromUser && !FControlLook.CheckAlwaysActive) {
        bool Can = true;
        CanEditCell(ACol, ARow, Can);
        if (!Can)
            return false;
    }
    // The state the user sees after the toggle (also what undo records).
    bool NewState = false;
    const TCheckBoxState OldTri = G->CellCheckBoxState;
    switch (G->CellType) {
    case ctCheckBox:
        G->CellBoolean = !G->CellBoolean;
        NewState = G->CellBoolean;
        break;
    case ctTriStateCheckBox:
        G->CellCheckBoxState = Next_Tri_State(G->CellCheckBoxState, NodeRow);
        NewState = G->CellCheckBoxState == cbChecked;
        break;
    case ctRowCheckBox:
        // the box is the row's selection
        NewState = !GetRowSelect(RealRowIndex(ARow));
        SetRowSelect(RealRowIndex(ARow), NewState);
        break;
    default:
        NewState = GetCellEx(ACol, ARow) != GetCheckTrue(ACol, ARow);
        SetCellEx(ACol, ARow, NewState ? GetCheckTrue(ACol, ARow) : GetCheckFalse(ACol, ARow));
        break;
    }
    Repaint_Real(ACol, ARow);
    FLastToggleState = NewState;
    CheckBoxChange(ACol, ARow, NewState);

    if (FAutoCheckGroup) {
        if (NodeRow) {
            for (int E = 1; E < Span; ++E) {
                const int Child = Contracted ? RealRowIndex(ARow) + E : RealRowIndex(ARow + E);
                SetCheckBoxState(ACol, Child, NewState);
            }
        } else if (Parent >= 0) {
            const int RealParent = RealRowIndex(Parent);
            bool First = false;
            GetCheckBoxState(ACol, RealParent + 1, First);
            bool Differ = false;
            for (int E = 1; E < Span; ++E) {
                bool S = false;
                GetCheckBoxState(ACol, RealParent + E, S);
                Differ = Differ || S != First;
            }
            SetCheckBoxState(ACol, RealParent, Differ ? cbGrayed : BoolToCheckBoxState(First));
        }
    }
    if (VOdeGridUndoRedo *U = UndoRedo()) {
        // A tri-state box records its states as texts: checked and unchecked
        // as the check texts, grayed as an empty text.
        auto State_Text = [&](TCheckBoxState S) {
            return S == cbChecked ? GetCheckTrue(ACol, ARow) : S == cbUnchecked ? GetCheckFalse(ACol, ARow) : QString();
        };
        if (G->CellType == ctTriStateCheckBox)
            U->RegisterChange(ACol, ARow, State_Text(OldTri), State_Text(G->CellCheckBoxState));
        else if (NewState)
            U->RegisterChange(ACol, ARow, GetCheckFalse(ACol, ARow), GetCheckTrue(ACol, ARow));
        else
            U->RegisterChange(ACol, ARow, GetCheckTrue(ACol, ARow), GetCheckFalse(ACol, ARow));
    }
    return true;
}

void RIraRevadiVizo::Undo_Write(int c, int r, const QString &Value)
{
    // A plain or tri-state box keeps its state beside the text: undo and
    // redo give back the state, the text stays as it is.
    TCellGraphic *G = As_Graphic(GetGraphicObjectEx(c, r));
    if (!G || (G->CellType != ctCheckBox && G->CellType != ctTriStateCheckBox)) {
        TBaseGrid::Undo_Write(c, r, Value);
        return;
    }
    const bool Checked = Value == GetCheckTrue(c, r);
    if (G->CellType == ctCheckBox)
        G->CellBoolean = Checked;
    else
        G->CellCheckBoxState = Checked ? cbChecked : Value == GetCheckFalse(c, r) ? cbUnchecked : cbGrayed;
    Repaint_Real(c, r);
}

bool RIraRevadiVizo::ToggleRadioButton(int ACol, int ARow, bool FromUser)
{
    TCellGraphic *G = GetCellGraphic(ACol, ARow);
    if (!G || G->CellType != ctRadioButton)
        return false;
    if (FromUser && !FControlLook.CheckAlwaysActive) {
        bool Can = true;
        CanEditCell(ACol, ARow, Can);
        if (!Can)
            return false;
    }
    if (!G->CellBoolean) {
        G->CellBoolean = true;
        Repaint_Real(ACol, ARow);
        for (int R = 0; R < RowCount(); ++R) {
            if (R == ARow)
                continue;
            TCellGraphic *O = GetCellGraphic(ACol, R);
            if (O && O->CellType == ctRadioButton && O->CellBoolean) {
                O->CellBoolean = false;
                Repaint_Real(ACol, R);
            }
        }
    }
    return true;
}

bool RIraRevadiVizo::SetRadioButtonState(int ACol, int ARow, bool State)
{
    const TPoint B = BaseCell(ACol, ARow);
    TCellGraphic *G = As_Graphic(GetGraphicObjectEx(B.X, B.Y));
    if (!G || G->CellType != ctRadioButton)
        return false;
    if (G->CellBoolean != State) {
        G->CellBoolean = State;
        Repaint_Real(ACol, ARow);
    }
    return true;
}

void RIraRevadiVizo::SetRadioButtonColumnIndex(int ACol, int Index)
{
    for (int R = FixedRows(); R < RowCount(); ++R)
        SetRadioButtonState(ACol, R, R == Index);
}

int RIraRevadiVizo::GetRadioButtonColumnIndex(int ACol)
{
    for (int R = FixedRows(); R < RowCount(); ++R)
        if (IsRadioButtonChecked(ACol, R))
            return R;
    return -1;
}

bool RIraRevadiVizo::IsInCheckBox(int ACol, int ARow, int XPos, int YPos)
{
    const TCellGraphic *G = GetCellGraphic(ACol, ARow);
    if (!G || !(CheckBoxKinds.Contains(G->CellType) || G->CellType == ctRadioButton))
        return false;
    if (!MouseActions().PreciseCheckBoxCheck())
        return true;
    const TRect R = CellRect(DisplColIndex(ACol), ARow);
    const int S = FControlLook.CheckSize;
    int Top = 0;
    switch (G->CellVAlign) {
    case vaTop: Top = R.Top + 2; break;
    case vaBottom: Top = R.Bottom - S - 2; break;
    case vaCenter: Top = R.Top + (R.Height() - S) / 2; break;
    default: break;
    }
    TAlignment HA;
    TVAlignment VA;
    CalcCellAlignment(ACol, ARow, HA, VA);
    int Left = R.Left + 2;
    if (HA == taRightJustify) {
        Left = R.Right - S - 2;
        const QString T = GetCellEx(ACol, ARow);
        if (!T.isEmpty())
            Left -= Canvas().TextWidth(T);
    } else if (HA == taCenter) {
        Left = R.Left + (R.Width() - S) / 2;
    }
    return XPos >= Left && XPos < Left + S && YPos >= Top && YPos < Top + S;
}

// --- what clicks and Space flip ------------------------------------------------------------------------

bool RIraRevadiVizo::Is_Check_Control_Cell(int ARealCol, int ARow)
{
    return HasCheckBox(ARealCol, ARow) || HasRadioButton(ARealCol, ARow);
}

bool RIraRevadiVizo::Flip_Check_Control(int ARealCol, int ARow)
{
    if (HasRadioButton(ARealCol, ARow))
        return ToggleRadioButton(ARealCol, ARow, true) && IsRadioButtonChecked(ARealCol, ARow);
    FLastToggleState = false;
    return ToggleCheck(ARealCol, ARow, true) && FLastToggleState;
}
