// Cell accessors: per-cell looks kept in the cell properties, row colouring,
// raw texts by real row, widths of real columns, the current cell and zoom.
// Columns are real, rows are display rows unless a name says "Ex" (real rows).
#include "grid/stringgrid/RIraRevadiVizo.h"
#include "grid/model/TextRoutines.h"
#include <cmath>

// --- per-cell looks ---------------------------------------------------------------------------

TColor RIraRevadiVizo::GetColors(int ACol, int ARow) const
{
    const TCellProperties *P = Find_Cell_Props(ACol, ARow);
    return P ? P->BrushColor() : clNone;
}

void RIraRevadiVizo::SetColors(int ACol, int ARow, TColor Value)
{
    // The properties' own setter repaints the cell through the model's notice.
    if (FUpdateCount > 0) {
        Model().Begin_Update();
        GetCellProperties(ACol, ARow)->Set_BrushColor(Value);
        Model().End_Update();
        return;
    }
    GetCellProperties(ACol, ARow)->Set_BrushColor(Value);
}

TColor RIraRevadiVizo::GetColorsTo(int ACol, int ARow) const
{
    const TCellProperties *P = Find_Cell_Props(ACol, ARow);
    return P ? P->BrushColorTo() : clNone;
}

void RIraRevadiVizo::SetColorsTo(int ACol, int ARow, TColor Value)
{
    GetCellProperties(ACol, ARow)->Set_BrushColorTo(Value);
}

TCellGradientDirection RIraRevadiVizo::GetGradientDir(int ACol, int ARow) const
{
    const TCellProperties *P = Find_Cell_Props(ACol, ARow);
    return P ? P->GradientDirection() : GradientVertical;
}

void RIraRevadiVizo::SetGradientDir(int ACol, int ARow, TCellGradientDirection Value)
{
    GetCellProperties(ACol, ARow)->Set_GradientDirection(Value);
    RepaintCell(DisplColIndex(ACol), ARow);
}

TColor RIraRevadiVizo::GetFontColors(int ACol, int ARow) const
{
    const TCellProperties *P = Find_Cell_Props(ACol, ARow);
    return P ? P->FontColor() : clNone;
}

void RIraRevadiVizo::SetFontColors(int ACol, int ARow, TColor Value)
{
    GetCellProperties(ACol, ARow)->Set_FontColor(Value);
    RepaintCell(DisplColIndex(ACol), ARow);
}

TFontStyles RIraRevadiVizo::GetFontStyles(int ACol, int ARow) const
{
    const TCellProperties *P = Find_Cell_Props(ACol, ARow);
    return P ? P->FontStyle() : TFontStyles();
}

void RIraRevadiVizo::SetFontStyles(int ACol, int ARow, TFontStyles Value)
{
    GetCellProperties(ACol, ARow)->Set_FontStyle(Value);
    RepaintCell(DisplColIndex(ACol), ARow);
}

QString RIraRevadiVizo::GetFontNames(int ACol, int ARow) const
{
    const TCellProperties *P = Find_Cell_Props(ACol, ARow);
    return P ? P->FontName() : QString();
}

void RIraRevadiVizo::SetFontNames(int ACol, int ARow, const QString &Value)
{
    GetCellProperties(ACol, ARow)->Set_FontName(Value);
    RepaintCell(DisplColIndex(ACol), ARow);
}

int RIraRevadiVizo::GetFontSizes(int ACol, int ARow) const
{
    const TCellProperties *P = Find_Cell_Props(ACol, ARow);
    return P ? P->FontSize() : 0;
}

void RIraRevadiVizo::SetFontSizes(int ACol, int ARow, int Value)
{
    GetCellProperties(ACol, ARow)->Set_FontSize(Value);
    RepaintCell(DisplColIndex(ACol), ARow);
}

TAlignment RIraRevadiVizo::GetAlignments(int ACol, int ARow) const
{
    const TCellProperties *P = Find_Cell_Props(ACol, ARow);
    return P ? P->Alignment() : taLeftJustify;
}

void RIraRevadiVizo::SetAlignments(int ACol, int ARow, TAlignment Value)
{
    GetCellProperties(ACol, ARow)->Set_Alignment(Value);
    RepaintCell(DisplColIndex(ACol), ARow);
}

bool RIraRevadiVizo::GetReadOnly(int ACol, int ARow) const
{
    const TCellProperties *P = Find_Cell_Props(ACol, ARow);
    return P && P->ReadOnly();
}

void RIraRevadiVizo::SetReadOnly(int ACol, int ARow, bool Value)
{
    GetCellProperties(ACol, ARow)->Set_ReadOnly(Value);
    RepaintCell(DisplColIndex(ACol), ARow);
}

bool RIraRevadiVizo::GetWordWraps(int ACol, int ARow) { return GetCellProperties(ACol, ARow)->WordWrap(); }

void RIraRevadiVizo::SetWordWraps(int ACol, int ARow, bool Value)
{
    GetCellProperties(ACol, ARow)->Set_WordWrap(Value);
}

void RIraRevadiVizo::SetCellFont(int ACol, int ARow, const TFont &AFont)
{
    TCellProperties *P = GetCellProperties(ACol, ARow);
    P->Set_FontName(AFont.Name);
    P->Set_FontSize(AFont.Size);
    P->Set_FontStyle(AFont.Style);
    P->Set_FontColor(AFont.Color);
    if (FUpdateCount == 0)
        RepaintCell(DisplColIndex(ACol), ARow);
}

// --- row colouring ----------------------------------------------------------------------------

void RIraRevadiVizo::SetRowColor(int ARow, TColor AColor)
{
    for (int C = FixedCols(); C < AllColCount(); ++C) {
        if (AColor != clNone) {
            GetCellProperties(C, ARow)->Set_BrushColor(AColor);
            continue;
        }
        // Plain cells give their properties up; cells with a graphic keep them.
        TCellProperties *P = Find_Cell_Props(C, ARow);
        if (!P)
            continue;
        if (P->GraphicObject())
            P->Set_BrushColor(clNone);
        else
            FreeCellPropsAt(C, ARow);
    }
    InvalidateRow(ARow);
}

void RIraRevadiVizo::SetRowColorTo(int ARow, TColor AColor)
{
    for (int C = FixedCols(); C < AllColCount(); ++C) {
        if (AColor == clNone)
            FreeCellPropsAt(C, ARow);
        else
            GetCellProperties(C, ARow)->Set_BrushColorTo(AColor);
    }
    InvalidateRow(ARow);
}

void RIraRevadiVizo::SetRowFontColor(int ARow, TColor AColor)
{
    for (int C = FixedCols(); C < AllColCount(); ++C) {
        if (AColor != clNone) {
            GetCellProperties(C, ARow)->Set_FontColor(AColor);
            continue;
        }
        if (const TCellProperties *P = Find_Cell_Props(C, ARow); P && P->BrushColor() == clNone)
            FreeCellPropsAt(C, ARow);
    }
    InvalidateRow(ARow);
}

// --- texts and objects by real row ------------------------------------------------------------

QString RIraRevadiVizo::GetGridCellsEx(int ACol, int ARealRow)
{
    if (ACol < 0 || ARealRow < 0)
        return QString();
    if (IsHiddenRow(ARealRow))
        return Model().Hidden_Cell(ARealRow, ACol);
    return Cells(ACol, DisplRowIndex(ARealRow));
}

void RIraRevadiVizo::SetGridCellsEx(int ACol, int ARealRow, const QString &Value)
{
    // A hidden row's saved texts grow up to the column before the write.
    if (Model().Set_Hidden_Cell(ARealRow, ACol, Value))
        return;
    Set_Cells(ACol, DisplRowIndex(ARealRow), Value);
}

TObject *RIraRevadiVizo::GetGridObjectsEx(int ACol, int ARealRow)
{
    if (ACol < 0 || ARealRow < 0 || IsHiddenRow(ARealRow))
        return nullptr;
    return Objects(ACol, DisplRowIndex(ARealRow));
}

TObject *RIraRevadiVizo::GetObjectsEx(int ACol, int ARealRow)
{
    TObject *O = GetGridObjectsEx(ACol, ARealRow);
    if (auto *P = dynamic_cast<TCellProperties *>(Real_Object(O)))
        return reinterpret_cast<TObject *>(P->CellObject());
    return O;
}

void RIraRevadiVizo::SetObjectsEx(int ACol, int ARealRow, TObject *Value)
{
    if (ACol < 0 || ARealRow < 0 || IsHiddenRow(ARealRow))
        return;
    const int R = DisplRowIndex(ARealRow);
    if (auto *P = dynamic_cast<TCellProperties *>(Real_Object(Objects(ACol, R))))
        P->Set_CellObject(reinterpret_cast<std::uintptr_t>(Value));
    else
        Set_Objects(ACol, R, Value);
}

// --- controls over cells ----------------------------------------------------------------------

QWidget *RIraRevadiVizo::GetCellControls(int ACol, int ARow) const
{
    const TCellProperties *P = Find_Cell_Props(ACol, ARow);
    return P ? P->Control() : nullptr;
}

void RIraRevadiVizo::SetCellControls(int ACol, int ARow, QWidget *AControl)
{
    // The list holds display places, as the list's rebuild makes them.
    const int DC = DisplColIndex(ACol);
    const int I = FControlList.ControlIndex(DC, ARow);
    if (!AControl) {
        if (I >= 0) {
            FControlList.RemoveControl(I);
            --FNumCellControls;
        }
        if (TCellProperties *P = Find_Cell_Props(ACol, ARow))
            P->Set_Control(nullptr);
        return;
    }
    if (I >= 0)
        FControlList.RemoveControl(I);
    else
        ++FNumCellControls;
    FControlList.AddControl(DC, ARow, AControl);
    GetCellProperties(ACol, ARow)->Set_Control(AControl);
    // One pixel over the cell's edges on every side, so it covers the lines.
    AControl->setParent(viewport());
    const TRect R = CellRect(DisplColIndex(ACol), ARow);
    AControl->setGeometry(R.Left - 1, R.Top - 1, R.Right - R.Left + 1, R.Bottom - R.Top + 1);
    AControl->setVisible(!R.Is_Empty());
}

// --- scaling and sizing -----------------------------------------------------------------------

void RIraRevadiVizo::ChangeScale(int M, int D)
{
    TBaseGrid::ChangeScale(M, D);
    if (M == D || D == 0)
        return;
    auto Scale = [&](int Size) { return static_cast<int>(std::lround(static_cast<double>(Size) * M / D)); };
    FFixedFont.Size = Scale(FFixedFont.Size);
    FActiveCellFont.Size = Scale(FActiveCellFont.Size);
}

void RIraRevadiVizo::CalcSizingState(int X, int Y, TGridState &State, int &Index, int &SizingPos, int &SizingOfs,
                                     TGridDrawInfo &FixedInfo)
{
    TBaseGrid::CalcSizingState(X, Y, State, Index, SizingPos, SizingOfs, FixedInfo);
    if (State == gsNormal)
        return;
    int C = -1, R = -1;
    MouseToCell(X - 6, Y, C, R);
    if (State == gsColSizing && R >= 0 && R < FixedRows() && C >= 0 && OnColumnSize) {
        bool Allow = true;
        OnColumnSize(this, C, Allow);
        if (!Allow)
            State = gsNormal;
        return;
    }
    MouseToCell(X, Y - 6, C, R);
    if (State == gsRowSizing && C >= 0 && C < FixedCols() && R >= 0 && OnRowSize) {
        bool Allow = true;
        OnRowSize(this, R, Allow);
        if (!Allow)
            State = gsNormal;
    }
}

// --- widths of real columns -------------------------------------------------------------------

int RIraRevadiVizo::GetAllColWidths(int ARealCol) const
{
    if (ARealCol < 0 || ARealCol >= TotalColCount())
        return 0;
    if (IsHiddenColumn(ARealCol))
        return Model().Hidden_Col_Width(ARealCol);
    return ColWidths(Model().Real_To_Displ_Col(ARealCol));
}

void RIraRevadiVizo::SetAllColWidths(int ARealCol, int Value)
{
    if (ARealCol < 0 || ARealCol >= TotalColCount())
        return;
    if (Model().Set_Hidden_Col_Width(ARealCol, Value))
        return;
    Set_ColWidths(Model().Real_To_Displ_Col(ARealCol), Value);
}

int RIraRevadiVizo::GetLinesInCell(int ACol, int ARow) { return CountLines(Cells(ACol, ARow), true); }

// --- the current cell -------------------------------------------------------------------------

QString RIraRevadiVizo::GetCurrentCell()
{
    const TPoint B = BaseCell(RealColIndex(Col()), Row());
    return Cells(B.X, B.Y);
}

void RIraRevadiVizo::SetCurrentCell(const QString &Value)
{
    const TPoint B = BaseCell(RealColIndex(Col()), Row());
    SetCellEx(B.X, B.Y, Value);
}

QString RIraRevadiVizo::GetCurrentCellText()
{
    const TPoint B = BaseCell(RealColIndex(Col()), Row());
    return GetCellEx(B.X, B.Y);
}

void RIraRevadiVizo::SetCurrentCellEditText(const QString &Value)
{
    const TPoint B = BaseCell(Col(), Row());
    SetEditText(B.X, B.Y, Value);
}

// --- zoom -------------------------------------------------------------------------------------

void RIraRevadiVizo::Zoom(int X)
{
    if (FZoomFactor + X < -10 || FZoomFactor + X > 10)
        return;
    FZoomFactor += X;
    BeginUpdate();
    for (int C = 0; C < ColCount(); ++C)
        if (ColWidths(C) > 0 && ColWidths(C) + X > 0)
            Set_ColWidths(C, ColWidths(C) + X);
    for (int R = 0; R < RowCount(); ++R)
        if (RowHeights(R) > 0 && RowHeights(R) + X > 0)
            Set_RowHeights(R, RowHeights(R) + X);
    EndUpdate();
}

// --- looks of controls in cells ---------------------------------------------------------------

TGridProgressAppearance &RIraRevadiVizo::ProgressAppearance()
{
    if (!FProgressAppearance) {
        FProgressAppearance = std::make_unique<TGridProgressAppearance>();
        FProgressAppearance->Sender = this;
        FProgressAppearance->OnChange = [this](QObject *) { Invalidate(); };
    }
    return *FProgressAppearance;
}
