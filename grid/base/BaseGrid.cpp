#include "grid/base/BaseGrid.h"
#include "grid/base/DrawRoutines.h"
#include "grid/base/GridUndoRedo.h"
#include "platform/Locale.h"
#include "grid/model/TextRoutines.h"
#include <QApplication>

// --- cell properties ------------------------------------------------------------

TCellProperties::TCellProperties(TBaseGrid *Grid, int ACol, int ARow)
    : TCellPropValues(Grid ? &Grid->Model() : nullptr, ACol, ARow, Grid ? Grid->WordWrap() : true)
{
}

TCellProperties::~TCellProperties()
{
    // Once the grid is gone (its model frees the last properties after it),
    // OwnerGrid() finds no grid and there is no map left to tidy.
    if (TBaseGrid *G = OwnerGrid())
        G->Set_Cell_Control(this, nullptr);
}

TBaseGrid *TCellProperties::OwnerGrid() const
{
    return Model() ? qobject_cast<TBaseGrid *>(Model()->Owner()) : nullptr;
}

void TCellProperties::Assign(const TCellProperties &S)
{
    TCellPropValues::Assign(S);
    Set_Control(S.Control());
}

QWidget *TCellProperties::Control() const
{
    const TBaseGrid *G = OwnerGrid();
    return G ? G->Cell_Control(this) : nullptr;
}

void TCellProperties::Set_Control(QWidget *V)
{
    if (TBaseGrid *G = OwnerGrid())
        G->Set_Cell_Control(this, V);
}

// --- in-place editor ------------------------------------------------------------------

void TBaseInplaceEdit::Apply_Edit_Mask(const QString &Mask)
{
    TInplaceEdit::Apply_Edit_Mask(Mask);
    const TFormatSettings &F = Format_Settings();
    FMask = Parse_Edit_Mask(Mask, F.DateSeparator, F.TimeSeparator);
    Set_Mask(FMask);
}

void TBaseInplaceEdit::UpdateContents()
{
    TInplaceEdit::UpdateContents();
    auto *G = static_cast<TBaseGrid *>(Grid());
    const TPoint B = G->BaseCell(G->Col(), G->Row());
    TAlignment HAlign = taLeftJustify;
    if (const TCellProperties *P = G->Find_Cell_Props(B.X, B.Y)) {
        HAlign = P->Alignment();
    } else {
        TFont Font;
        TBrush Brush;
        TColor ColorTo = clNone, MirrorColor = clNone, MirrorColorTo = clNone;
        TVAlignment VAlign = vtaTop;
        bool Wrap = false;
        TCellGradientDirection GD = GradientVertical;
        G->GetCellDefaults(B.X, B.Y, Font, Brush, ColorTo, MirrorColor, MirrorColorTo, HAlign, VAlign, Wrap, GD);
    }
    Set_Alignment(HAlign == taRightJustify ? taRightJustify : taLeftJustify);
}

QString TBaseInplaceEdit::Edit_Text() const
{
    return Masked_Edit_Text(FMask, text(), displayText());
}

// --- construction -------------------------------------------------------------------

TBaseGrid::TBaseGrid(QWidget *Parent) : TObjStringGrid(Parent)
{
    // The grid draws its lines inside the cells itself, so the platform leaves
    // no gaps and cell rectangles are plain sums of widths and heights.
    TStringGrid::Set_GridLineWidth(0);
    TStringGrid::Set_DefaultDrawing(false);
}

namespace {
// A graphic object of exactly the class TCellGraphic belongs to its cell's
// properties and goes with them; other graphics belong to their makers.
void Free_Cell_Graphic(TObject *O)
{
    auto *P = dynamic_cast<TCellProperties *>(O);
    if (!P)
        return;
    TObject *G = P->GraphicObject();
    if (G && std::string_view(G->ClassName()) == "TCellGraphic") {
        delete G;
        P->Set_GraphicObject(nullptr);
    }
}
} // namespace

QWidget *TBaseGrid::Cell_Control(const TCellPropValues *Props) const
{
    const auto It = FCellControls.find(Props);
    return It == FCellControls.end() ? nullptr : It->second.data();
}

void TBaseGrid::Set_Cell_Control(const TCellPropValues *Props, QWidget *Control)
{
    if (FDestroying)
        return;   // the map goes with the grid
    if (Control)
        FCellControls[Props] = Control;
    else
        FCellControls.erase(Props);
}

TBaseGrid::~TBaseGrid()
{
    FDestroying = true;
    QObject::disconnect(FUndoRedoLink);
    FreeAllCellProps();
    // Cells beyond the counts keep their properties (they come back when the
    // grid grows); the model frees them with itself, and their cell graphics
    // go with them. Objects of other owners stay.
    Model().For_Each_Owned(Free_Cell_Graphic);
}

void TBaseGrid::Set_UndoRedo(VOdeGridUndoRedo *Value)
{
    if (Value == FUndoRedo)
        return;
    QObject::disconnect(FUndoRedoLink);
    FUndoRedo = Value;
    FUndoRedoObject = Value;
    if (!Value)
        return;
    FUndoRedoLink = connect(Value, &QObject::destroyed, this, [this](QObject *Gone) { Notification(Gone, opRemove); });
    // The component's own link to this grid, through its meta-object (the
    // component lives in a library built on this one). Its Set_Grid calls
    // back here and finds the value already stored.
    const QMetaObject *Meta = FUndoRedoObject->metaObject();
    if (Meta->indexOfMethod(QMetaObject::normalizedSignature("Set_Grid(TBaseGrid*)").constData()) >= 0)
        QMetaObject::invokeMethod(FUndoRedoObject, "Set_Grid", Qt::DirectConnection, Q_ARG(TBaseGrid *, this));
}

void TBaseGrid::Notification(QObject *AComponent, TOperation Operation)
{
    TObjStringGrid::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent && AComponent == FUndoRedoObject) {
        QObject::disconnect(FUndoRedoLink);
        FUndoRedo = nullptr;
        FUndoRedoObject = nullptr;
    }
}

void TBaseGrid::ChangeScale(int M, int D) { Scale_Control(M, D); }

TInplaceEdit *TBaseGrid::CreateEditor() { return new TBaseInplaceEdit(this); }

void TBaseGrid::Set_DefaultDrawing(bool Value)
{
    FDefaultDrawing = Value;
    TStringGrid::Set_DefaultDrawing(false);
}

void TBaseGrid::Set_GridLineWidth(int Value)
{
    FGridLineWidth = Value;
    TStringGrid::Set_GridLineWidth(0);
    InvalidateGrid();
}

void TBaseGrid::Set_GridLineColor(TColor Value)
{
    FGridLineColor = Value;
    InvalidateGrid();
}

void TBaseGrid::Set_GridFixedLineColor(TColor Value)
{
    FGridFixedLineColor = Value;
    InvalidateGrid();
}

#define BC_CHANGE_SETTER(Name, Field, Type)                                                                            \
    void TBaseGrid::Set_##Name(Type Value)                                                                             \
    {                                                                                                                  \
        if (Field == Value)                                                                                            \
            return;                                                                                                    \
        Field = Value;                                                                                                 \
        InvalidateGrid();                                                                                              \
    }
BC_CHANGE_SETTER(ActiveRowShow, FActiveRowShow, bool)
BC_CHANGE_SETTER(ActiveRowColor, FActiveRowColor, TColor)
BC_CHANGE_SETTER(ActiveRowColorTo, FActiveRowColorTo, TColor)
BC_CHANGE_SETTER(ActiveRowMirrorColor, FActiveRowMirrorColor, TColor)
BC_CHANGE_SETTER(ActiveRowMirrorColorTo, FActiveRowMirrorColorTo, TColor)
BC_CHANGE_SETTER(SelectionStyle, FSelectionStyle, TGridSelectionStyle)
#undef BC_CHANGE_SETTER

// --- properties store ----------------------------------------------------------------

TCellProperties *TBaseGrid::Find_Cell_Props(int c, int r) const
{
    if (!In_Grid(c, r))
        return nullptr;
    return dynamic_cast<TCellProperties *>(Real_Object(Objects(c, r)));
}

// (A slot holding something other than properties, such as an integer kept
// there by a drop-down, counts as a cell without properties.)
bool TBaseGrid::HasCellProps(int c, int r) const { return Find_Cell_Props(c, r) != nullptr; }

TCellProperties *TBaseGrid::Make_Props(int c, int r, bool SetCalcType)
{
    auto *P = new TCellProperties(this, c, r);
    TFont Font;
    TBrush Brush;
    TColor ColorTo = clNone, MirrorColor = clNone, MirrorColorTo = clNone;
    TAlignment HAlign = taLeftJustify;
    TVAlignment VAlign = vtaTop;
    bool Wrap = FWordWrap;
    TCellGradientDirection GD = GradientVertical;
    GetCellDefaults(c, r, Font, Brush, ColorTo, MirrorColor, MirrorColorTo, HAlign, VAlign, Wrap, GD);
    if (SetCalcType)
        P->Set_CalcType(acNONE);
    P->Set_Alignment(HAlign);
    P->Set_VAlignment(VAlign);
    P->Set_WordWrap(Wrap);
    P->Set_FontName(Font.Name);
    P->Set_FontSize(Font.Size);
    P->Set_FontStyle(Font.Style);
    P->Set_FontColor(Font.Color);
    P->Set_BrushColor(Brush.Color);
    P->Set_BrushColorTo(ColorTo);
    P->Set_GradientDirection(GD);
    FHasCellProps = true;
    return P;
}

TCellProperties *TBaseGrid::Create_Props(int c, int r, bool SetCalcType)
{
    TCellProperties *P = Make_Props(c, r, SetCalcType);
    Model().Adopt_Object(c, r, P);
    return P;
}

TCellProperties *TBaseGrid::GetCellProperties(int c, int r)
{
    if (!In_Grid(c, r))
        throw EGridError("Invalid cell");
    if (TCellProperties *P = Find_Cell_Props(c, r))
        return P;
    return Create_Props(c, r, true);
}

void TBaseGrid::SetCellProperties(int c, int r, TCellProperties *Value)
{
    if (!In_Grid(c, r))
        throw EGridError("Invalid cell");
    if (Objects(c, r) == Value && (!Value || Model().Is_Owned(c, r)))
        return;   // the cell's own object again: keep it alive
    // Whatever the slot held is freed: an owned object by the model, another
    // one here (the slot's object is replaced by properties the grid owns).
    if (!Model().Is_Owned(c, r))
        delete Real_Object(Model().Release_Object(c, r));
    Model().Adopt_Object(c, r, Value);
    if (Value)
        FHasCellProps = true;
    RepaintCell(c, r);
}

void TBaseGrid::GetCellDefaults(int, int, TFont &AFont, TBrush &ABrush, TColor &ColorTo, TColor &MirrorColor,
                                TColor &MirrorColorTo, TAlignment &HAlign, TVAlignment &VAlign, bool &WordWrap,
                                TCellGradientDirection &GradientDirection)
{
    AFont = Font();
    ABrush.Color = Color();
    ColorTo = clNone;
    MirrorColor = clNone;
    MirrorColorTo = clNone;
    HAlign = taLeftJustify;
    VAlign = vtaTop;
    WordWrap = FWordWrap;
    GradientDirection = GradientVertical;
}

std::uintptr_t TBaseGrid::GetObjectEx(int c, int r) const
{
    const TCellProperties *P = Find_Cell_Props(c, r);
    return P ? P->CellObject() : 0;
}

void TBaseGrid::SetObjectEx(int c, int r, std::uintptr_t Value) { GetCellProperties(c, r)->Set_CellObject(Value); }

TObject *TBaseGrid::GetGraphicObjectEx(int c, int r) const { return GetPropsGraphic(Find_Cell_Props(c, r)); }

void TBaseGrid::SetGraphicObjectEx(int c, int r, TObject *Value)
{
    if (FDestroying)
        return;
    if (!In_Grid(c, r))
        throw EGridError("Invalid cell");
    TCellProperties *P = Find_Cell_Props(c, r);
    if (!P)
        P = Create_Props(c, r, false);
    P->Set_GraphicObject(Value);
}

void TBaseGrid::FreeCellProps(int FromCol, int FromRow, int ToCol, int ToRow)
{
    if (!FHasCellProps)
        return;
    Model().Free_Owned(TCellRange{std::max(0, FromCol), std::max(0, FromRow), ToCol, ToRow}, Free_Cell_Graphic);
}

void TBaseGrid::FreeCellPropsAt(int c, int r)
{
    if (c < 0 || r < 0)
        return;
    if (Model().Is_Owned(c, r))
        Model().Free_Owned(TCellRange{c, r, c, r});
    else
        delete Real_Object(Model().Release_Object(c, r));
}

void TBaseGrid::FreeAllCellProps() { FreeCellProps(0, 0, ColCount() - 1, RowCount() - 1); }

void TBaseGrid::ResetColCells(int ACol)
{
    for (int r = 0; r < RowCount(); ++r) {
        Set_Objects(ACol, r, nullptr);
        SetCellEx(ACol, r, QString());
    }
}

void TBaseGrid::ResetRowCells(int ARow)
{
    for (int c = 0; c < TotalColCount(); ++c) {
        Set_Objects(c, ARow, nullptr);
        SetCellEx(c, ARow, QString());
    }
}

void TBaseGrid::ResetCell(int c, int r)
{
    SetCellEx(c, r, QString());
    Set_Objects(c, r, nullptr);
}

// --- cell text ---------------------------------------------------------------------------

QString TBaseGrid::GetCellEx(int c, int r)
{
    TPoint B(c, r);
    if (const TCellProperties *P = Find_Cell_Props(c, r))
        B = P->GetBaseCell(c, r);
    QString Value = Cells(B.X, B.Y);
    if (B.Y < FNormalRowCount) {
        GetDisplText(B.X, B.Y, Value);
        if (OnGetDisplWideText) {
            QString Wide = DecodeWideText(Value);
            GetDisplWideText(B.X, B.Y, Wide);
            Value = EncodeWideText(Wide);
        }
    }
    return Value;
}

void TBaseGrid::SetCellEx(int c, int r, const QString &Value)
{
    if (const TCellProperties *P = Find_Cell_Props(c, r)) {
        const TPoint B = P->GetBaseCell(c, r);
        Set_Cells(B.X, B.Y, Value);
        CellTextChanged(B.X, B.Y);
        if (parentWidget())
            RepaintCell(c, r);
    } else {
        Set_Cells(c, r, Value);
    }
    if (FHideLastRow && r == RowCount() - 1)
        LastRowChanged();
}

void TBaseGrid::GetDisplText(int ACol, int ARow, QString &Value)
{
    if (OnGetDisplText)
        OnGetDisplText(this, ACol, ARow, Value);
}

void TBaseGrid::GetDisplWideText(int ACol, int ARow, QString &Value)
{
    if (OnGetDisplWideText)
        OnGetDisplWideText(this, ACol, ARow, Value);
}

// --- merged cells ---------------------------------------------------------------------

TCellProperties *TBaseGrid::Merged_Props(int c, int r) const
{
    TCellProperties *P = Find_Cell_Props(c, r);
    return P && (P->CellSpanX() != -1 || P->CellSpanY() != -1) ? P : nullptr;
}

void TBaseGrid::MergeCells(int c, int r, int spanx, int spany)
{
    // Only cells inside the grid take part; a block reaching past the grid is
    // cut at its edge. Blocks the new one overlaps are split first (by the
    // model), so that no cell keeps pointing at a base that no longer covers it.
    if (!In_Grid(c, r) || spanx < 1 || spany < 1)
        return;
    spanx = std::min(spanx, TotalColCount() - c);
    spany = std::min(spany, RowCount() - r);
    int Split = 0;
    Model().Merge(c, r, spanx, spany, [this](int i, int j) { return Make_Props(i, j, true); }, &Split);
    FMergeCount = std::max(0, FMergeCount - Split) + 1;
    RepaintCell(c, r);
}

void TBaseGrid::SplitCells(int c, int r)
{
    if (!In_Grid(c, r))
        return;
    GetCellProperties(c, r);
    const TPoint B = BaseCell(c, r);
    const TRect Area = CellRect(B.X, B.Y);
    if (!Model().Split(c, r))
        return;   // not merged: nothing to split, the merge count stays
    InvalidateRect(Area);
    FMergeCount = std::max(0, FMergeCount - 1);
}

bool TBaseGrid::IsBaseCell(int c, int r) const
{
    const TCellProperties *P = Find_Cell_Props(c, r);
    return !P || P->IsBaseCell();
}

bool TBaseGrid::ResolveBaseCell(int c, int r, int &bc, int &br) const
{
    bc = c;
    br = r;
    const TCellProperties *P = Find_Cell_Props(c, r);
    if (!P || P->IsBaseCell())
        return true;
    const TPoint B = P->GetBaseCell(c, r);
    bc = B.X;
    br = B.Y;
    return false;
}

TPoint TBaseGrid::BaseCell(int c, int r) const
{
    const TCellProperties *P = Find_Cell_Props(c, r);
    return P ? P->GetBaseCell(c, r) : TPoint(c, r);
}

bool TBaseGrid::IsMergedCell(int c, int r) const
{
    const TCellProperties *P = Find_Cell_Props(c, r);
    return P && (P->CellSpanX() > 0 || P->CellSpanY() > 0);
}

bool TBaseGrid::IsMergedNonBaseCell(int c, int r) const { return IsMergedCell(c, r) && !IsBaseCell(c, r); }

bool TBaseGrid::IsXMergedCell(int c, int r) const
{
    const TPoint B = BaseCell(c, r);
    const TCellProperties *P = Find_Cell_Props(B.X, B.Y);
    return P && P->CellSpanX() > 0;
}

bool TBaseGrid::IsYMergedCell(int c, int r) const
{
    const TPoint B = BaseCell(c, r);
    const TCellProperties *P = Find_Cell_Props(B.X, B.Y);
    return P && P->CellSpanY() > 0;
}

TPoint TBaseGrid::CellSpan(int c, int r) const
{
    const TCellProperties *P = Find_Cell_Props(c, r);
    if (!P || P->CellSpanX() == -1 || P->CellSpanY() == -1)
        return {0, 0};
    const TPoint B = P->GetBaseCell(c, r);
    const TCellProperties *BP = Find_Cell_Props(B.X, B.Y);
    if (!BP || BP->CellSpanX() == -1 || BP->CellSpanY() == -1)
        return {0, 0};
    return {BP->CellSpanX(), BP->CellSpanY()};
}

TPoint TBaseGrid::CellExt(int c, int r) const
{
    const TCellProperties *P = Find_Cell_Props(c, r);
    if (!P || P->CellSpanX() == -1 || P->CellSpanY() == -1)
        return {0, 0};
    const TPoint B = P->GetBaseCell(c, r);
    const TPoint S = CellSpan(c, r);
    return {B.X + S.X - c, B.Y + S.Y - r};
}

TGridRect TBaseGrid::FullCell(int c, int r) const
{
    const TPoint B = BaseCell(c, r);
    const TPoint S = CellSpan(c, r);
    return TGridRect{B.X, B.Y, B.X + S.X, B.Y + S.Y};
}

int TBaseGrid::MinRowSpan(int ARow) const
{
    int Min = RowCount();
    for (int c = 0; c < TotalColCount(); ++c) {
        const int S = CellSpan(c, ARow).Y;
        if (S > 0 && S < Min)
            Min = S;
    }
    return Min;
}

int TBaseGrid::MaxRowSpan(int ARow) const
{
    int Max = 0;
    for (int c = 0; c < TotalColCount(); ++c)
        Max = std::max(Max, CellSpan(c, ARow).Y);
    return Max;
}

bool TBaseGrid::RowSpanIdentical(int ARow1, int ARow2) const
{
    bool Identical = true, Found = false;
    for (int col = 0; col < ColCount(); ++col) {
        if (CellSpan(col, ARow1).Y <= 0 || CellSpan(col, ARow2).Y <= 0)
            continue;
        Found = true;
        if (BaseCell(col, ARow1).Y != BaseCell(col, ARow2).Y) {
            Identical = false;
            break;
        }
    }
    return Identical && Found;
}

bool TBaseGrid::ColSpanIdentical(int ACol1, int ACol2) const
{
    bool Identical = true, Found = false;
    for (int row = 0; row < RowCount(); ++row) {
        const int S1 = CellSpan(ACol1, row).X;
        const int S2 = CellSpan(ACol2, row).X;
        if (S1 <= 0 || S2 <= 0) {
            if (S1 != S2) {
                Identical = false;
                break;
            }
        } else {
            Found = true;
            if (BaseCell(ACol1, row).X != BaseCell(ACol2, row).X) {
                Identical = false;
                break;
            }
        }
    }
    return Identical && Found;
}

void TBaseGrid::FocusBaseCell()
{
    if (!Find_Cell_Props(Col(), Row()))
        return;
    const TPoint B = BaseCell(Col(), Row());
    if (B.X != Col() || B.Y != Row())
        Place_Current(B.X, B.Y, true);
}

// --- geometry -------------------------------------------------------------------------

TRect TBaseGrid::GetUnclippedCellRect(int c, int r) const
{
    auto Offset = [](auto Size, int Index, int Fixed, int First, int FixedExtent) {
        long long P = 0;
        if (Index < Fixed) {
            for (int I = 0; I < Index; ++I)
                P += Size(I);
            return P;
        }
        P = FixedExtent;
        if (Index >= First)
            for (int I = First; I < Index; ++I)
                P += Size(I);
        else
            for (int I = Index; I < First; ++I)
                P -= Size(I);
        return P;
    };
    const long long X = Offset([this](int I) { return ColWidths(I); }, c, FixedCols(), LeftCol(), FixedColsWidth());
    const long long Y = Offset([this](int I) { return RowHeights(I); }, r, FixedRows(), TopRow(), FixedRowsHeight());
    return Mirror_Rect(TRect(static_cast<int>(X), static_cast<int>(Y), static_cast<int>(X) + ColWidths(c),
                             static_cast<int>(Y) + RowHeights(r)));
}

TRect TBaseGrid::CellRect(int c, int r) const
{
    if (const TCellProperties *P = Find_Cell_Props(c, r)) {
        if (P->CellSpanX() != -1 || P->CellSpanY() != -1) {
            const TPoint B = P->GetBaseCell(c, r);
            const TCellProperties *BP = Find_Cell_Props(B.X, B.Y);
            if (!BP)
                BP = P;
            TRect R1 = GetUnclippedCellRect(B.X, B.Y);
            if (R1.Width() == 0)
                R1.Right += 1;
            TRect R2 = GetUnclippedCellRect(B.X + std::max(0, BP->CellSpanX()), B.Y + std::max(0, BP->CellSpanY()));
            if (R2.Width() == 0)
                R2.Left -= 1;
            return R1.Union(R2);
        }
        if (P->Control())
            return GetUnclippedCellRect(c, r);
    }
    // An unmerged cell: the platform's position (empty when out of view).
    return TObjStringGrid::CellRect(c, r);
}

TPoint TBaseGrid::CellSize(int c, int r) const
{
    TRect R = GetUnclippedCellRect(c, r);
    if (Merged_Props(c, r)) {
        const TGridRect F = FullCell(c, r);
        R = GetUnclippedCellRect(F.Left, F.Top).Union(GetUnclippedCellRect(F.Right, F.Bottom));
    }
    return {R.Width(), R.Height()};
}

void TBaseGrid::RepaintCell(int c, int r)
{
    if (!FDestroying)
        InvalidateRect(CellRect(c, r));
}

int TBaseGrid::FixedColsWidth() const
{
    int W = 0;
    for (int I = 0; I < FixedCols(); ++I)
        W += ColWidths(I);
    return W;
}

int TBaseGrid::FixedRowsHeight() const
{
    int H = 0;
    for (int I = 0; I < FixedRows(); ++I)
        H += RowHeights(I);
    return H;
}

// --- painting ----------------------------------------------------------------------------

void TBaseGrid::Paint()
{
    TObjStringGrid::Paint();
    ++FPaintID;
}

void TBaseGrid::DrawCell(int ACol, int ARow, const TRect &ARect, TGridDrawState AState)
{
    PaintCellBase(Canvas(), ACol, ARow, ARect, AState, true);
}

void TBaseGrid::PaintCell(TCanvas &ACanvas, int ACol, int ARow, const TRect &ARect, TGridDrawState AState)
{
    PaintCellBase(ACanvas, ACol, ARow, ARect, AState, true);
}

void TBaseGrid::PaintCellExt(TCanvas &ACanvas, int ACol, int ARow, const TRect &ARect, TGridDrawState AState)
{
    PaintCellBase(ACanvas, ACol, ARow, ARect, AState, false);
}

void TBaseGrid::PaintCellContent(TCanvas &Canvas, int ACol, int ARow, const TRect &R, TGridDrawState)
{
    TRect Inner = R;
    Canvas.DrawText(Inner, GetCellEx(ACol, ARow), DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
}

// The row the floating footer covers is plain background.
bool TBaseGrid::Paint_Under_Footer(TCanvas &Canvas, int ARow, const TRect &Rect)
{
    if (!(FHideLastRow && ARow == RowCount() - 1))
        return false;
    Canvas.Brush.Style = bsSolid;
    Canvas.Brush.Color = Color();
    Canvas.Pen.Color = Color();
    Canvas.FillRect(Rect);
    return true;
}

// A merged area is painted once per pass, through its base cell, by whichever
// of its cells comes first. False when this cell has nothing more to paint.
bool TBaseGrid::Claim_Merged_Paint(TCanvas &Canvas, int ACol, int ARow, const TRect &Rect, TGridDrawState State,
                                   bool Full)
{
    int bc = ACol, br = ARow;
    if (!ResolveBaseCell(ACol, ARow, bc, br)) {
        const TCellProperties *BP = Find_Cell_Props(bc, br);
        if (BP && BP->PaintID() != FPaintID)
            PaintCell(Canvas, bc, br, Rect, State);
        return false;
    }
    if (Full) {
        if (TCellProperties *P = Merged_Props(ACol, ARow)) {
            if (P->PaintID() == FPaintID)
                return false;
            P->Set_PaintID(FPaintID);
        }
    }
    return true;
}

// A scrolled cell that reaches under the fixed cells is clipped to the
// scrollable part. Only for a full paint on the grid itself: PaintCellExt
// draws into a rectangle of another surface. Right to left the fixed columns
// stand at the right edge, so the test and the clip rectangle are taken in
// left-to-right coordinates and mirrored. True when a clip was set.
bool TBaseGrid::Clip_Under_Fixed(TCanvas &Canvas, int ACol, int ARow, const TRect &Rect, bool Full)
{
    const int FW = ACol < FixedCols() ? 0 : FixedColsWidth();
    const int FH = ARow >= FixedRows() ? FixedRowsHeight() : 0;
    const TRect LtrRect = Mirror_Rect(Rect);
    const bool Clip = Full && ((ACol >= FixedCols() && FixedCols() > 0 && LtrRect.Left < FW)
                               || (ARow >= FixedRows() && FixedRows() > 0 && Rect.Top < FH));
    if (Clip)
        Canvas.Set_Clip_Rect(Mirror_Rect(TRect(FW, FH, Client_Width(), Client_Height())));
    return Clip;
}

// The hover row and the active row take their own colours over the cell's.
// A hovered cell takes the hover colour only when its kind is in HoverRowCells.
void TBaseGrid::Apply_Row_Colours(TCanvas &Canvas, int ACol, int ARow, TGridDrawState State, bool Full,
                                  TCellFill &Fill)
{
    const bool Selected = State.Contains(gdSelected);
    const bool Fixed = State.Contains(gdFixed);
    if (ARow == FHoverRowIdx && FHoverRow) {
        const bool Skip = (Selected && !FHoverRowCells.Contains(hcSelected))
                          || (Fixed && !FHoverRowCells.Contains(hcFixed))
                          || (!Selected && !Fixed && !FHoverRowCells.Contains(hcNormal));
        if (!Skip) {
            Canvas.Brush.Color = FHoverRowColor;
            Fill.ColorTo = FHoverRowColorTo;
            Fill.MirrorColor = clNone;
            Fill.MirrorColorTo = clNone;
            Fill.Direction = GradientVertical;
        }
    }
    if ((FActiveRowShow && ARow == Row() && ACol >= FixedCols() && (ACol != Col() || !FShowSel))
        || (!Full && Selected)) {
        Canvas.Brush.Color = FActiveRowColor;
        Fill.ColorTo = FActiveRowColorTo;
        Fill.MirrorColor = FActiveRowMirrorColor;
        Fill.MirrorColorTo = FActiveRowMirrorColorTo;
    }
    Canvas.Pen.Color = Canvas.Brush.Color;
}

// A selected cell in a styled selection is a segment of one frame across the
// selected columns; any other cell is filled with its colour or gradient.
void TBaseGrid::Paint_Cell_Background(TCanvas &Canvas, int ACol, const TRect &Rect, TGridDrawState State,
                                      const TCellFill &Fill)
{
    const bool Selected = State.Contains(gdSelected);
    const bool Fixed = State.Contains(gdFixed);
    if (Selected && FSelectionStyle != ssDefault && FShowSel) {
        const TGridRect Sel = Selection();
        const int L = std::min(Sel.Left, Sel.Right);
        const int R = std::max(Sel.Left, Sel.Right);
        int Kind = 0;
        if (ACol == L && L < R)
            Kind = 1;
        else if (ACol == R && R > L)
            Kind = 2;
        else if (L < ACol && ACol < R)
            Kind = 3;
        // Right to left the first selected column stands at the band's right end
        // on screen (cells are painted unmirrored inside mirrored rectangles).
        if (UseRightToLeftAlignment() && (Kind == 1 || Kind == 2))
            Kind = 3 - Kind;
        TRect F = Rect;
        if (!Options().Contains(goHorzLine))
            F.Bottom += 1;
        if (!Options().Contains(goVertLine))
            F.Right += 1;
        QWidget *FocusW = window()->focusWidget();
        const bool Focused = FocusW == this || FocusW == viewport() || (InplaceEditor() && FocusW == InplaceEditor())
                             || Options().Contains(goDrawFocusSelected);
        struct TFrameColours { TColor From, To, Corner, Frame, Bottom, Top, MFrom, MTo; };
        static const TFrameColours Vista{0xFDF8F1, 0xFCEFD5, 0xFCEDCB, 0xFDDE99, 0xFDF5E7, 0xFDFBF6, clNone, clNone};
        static const TFrameColours Win7{0xFCEBDC, 0xFCDBC1, 0xE0C5AE, 0xCEA27D, 0xFDEADB, 0xFDF4EB, clNone, clNone};
        static const TFrameColours Office{0xD7FFFD, 0x58D4FC, 0xC3D9DF, 0x8DD7D3, 0xCAF8FF, 0xF4FEFF, 0x58D4FC, 0xB3F1FC};
        static const TFrameColours Grey{0xF8F8F8, 0xE5E5E5, 0xEFEFEF, 0xD9D9D9, 0xF0F0F0, 0xFBFAFA, clNone, clNone};
        const TFrameColours &S = !Focused                        ? Grey
                                 : FSelectionStyle == ssVista ? Vista
                                 : FSelectionStyle == ssWin7  ? Win7
                                                              : Office;
        DrawSegmentFrame(Canvas, S.From, S.To, S.MFrom, S.MTo, S.Top, S.Bottom, S.Frame, S.Corner, Color(), F, Kind);
    } else if (!(GetUseVisualStyles() && (Fixed || Selected))) {
        if (Fill.MirrorColorTo == clNone)
            DrawGradient(Canvas, Canvas.Brush.Color, Fill.ColorTo, 64, Rect, Fill.Direction == GradientHorizontal);
        else
            FillGradientMirror(Canvas, Rect, Canvas.Brush.Color, Fill.ColorTo, Fill.MirrorColor, Fill.MirrorColorTo,
                               true, clNone, false, true);
    }
}

// The cell's bottom and right grid lines; the node column draws no
// horizontal line (its glyphs connect the rows).
void TBaseGrid::Paint_Cell_Lines(TCanvas &Canvas, int ACol, const TRect &Rect, bool Fixed)
{
    int O = 1;
    if (Fixed) {
        Canvas.Pen.Color = FGridFixedLineColor;
        Canvas.Pen.Width = 1;
    } else {
        if (FGridLineWidth != 0)
            Canvas.Pen.Color = FGridLineColor;
        Canvas.Pen.Width = FGridLineWidth;
        O = (FGridLineWidth + 1) / 2;
    }
    Canvas.Pen.Style = psSolid;
    const TGridOptions Opt = Options();
    if (!(ACol == 0 && HasNodes())
        && ((Opt.Contains(goHorzLine) && !Fixed) || (Opt.Contains(goFixedHorzLine) && Fixed))) {
        Canvas.MoveTo(Rect.Left - O + 1, Rect.Bottom - O);
        Canvas.LineTo(Rect.Right - O + 1, Rect.Bottom - O);
    }
    if ((Opt.Contains(goVertLine) && !Fixed) || (Opt.Contains(goFixedVertLine) && Fixed)) {
        // Right to left the same: the rectangle is already mirrored exactly, so
        // no pixel has to be made up for as under a mirrored device context.
        Canvas.MoveTo(Rect.Right - O, Rect.Bottom - O);
        Canvas.LineTo(Rect.Right - O, Rect.Top - O);
    }
    Canvas.Pen.Width = 1;
}

void TBaseGrid::PaintCellBase(TCanvas &Canvas, int ACol, int ARow, TRect Rect, TGridDrawState State, bool Full)
{
    if (Paint_Under_Footer(Canvas, ARow, Rect))
        return;
    if (!Claim_Merged_Paint(Canvas, ACol, ARow, Rect, State, Full))
        return;
    // A full paint shows a fixed cell as fixed and a merged cell over its whole extent.
    if (Full && IsFixed(ACol, ARow))
        State = State - gdSelected + gdFixed;
    if (Full)
        Rect = CellRect(ACol, ARow);
    const bool Clip = Clip_Under_Fixed(Canvas, ACol, ARow, Rect, Full);
    // Colours, font, alignment and word wrap from the cell's visual properties.
    Canvas.Pen.Width = 1;
    Canvas.Pen.Style = psSolid;
    Canvas.Brush.Style = bsSolid;
    Canvas.Font = Font();
    Canvas.Brush.Color = State.Contains(gdFixed) ? FixedColor() : Color();
    TCellFill Fill;
    TAlignment HA = taLeftJustify;
    TVAlignment VA = vtaTop;
    bool WW = FWordWrap;
    GetVisualProperties(ACol, ARow, State, false, true, true, Canvas.Brush, Fill.ColorTo, Fill.MirrorColor,
                        Fill.MirrorColorTo, Canvas.Font, HA, VA, WW, Fill.Direction);
    Canvas.Pen.Color = Canvas.Brush.Color;
    Apply_Row_Colours(Canvas, ACol, ARow, State, Full, Fill);
    Paint_Cell_Background(Canvas, ACol, Rect, State, Fill);
    const bool Fixed = State.Contains(gdFixed);
    Paint_Cell_Lines(Canvas, ACol, Rect, Fixed);
    // The content inside the lines.
    const TRect Inner = Fixed ? TRect(Rect.Left, Rect.Top, Rect.Right - 1, Rect.Bottom - 2)
                              : Rect.Inflate(-FGridLineWidth, -FGridLineWidth);
    if (Full)
        PaintCellContent(Canvas, ACol, ARow, Inner, State);
    if (Clip)
        Canvas.Clear_Clip();
    Canvas.Brush.Style = bsSolid;
    Canvas.Pen.Style = psSolid;
}

// --- selection, keys, wheel, scrolling ----------------------------------------------------------

bool TBaseGrid::SelectCell(int ACol, int ARow)
{
    if (UseRightToLeftAlignment()) {
        const bool Result = TObjStringGrid::SelectCell(ACol, ARow);
        InvalidateGrid();
        return Result;
    }
    RepaintCell(Col(), Row());
    const bool Result = TObjStringGrid::SelectCell(ACol, ARow);
    RepaintCell(ACol, ARow);
    return Result;
}

void TBaseGrid::KeyDown(TKey &Key, TShiftState Shift)
{
    const bool MoveAnchor = !(Shift.Contains(ssShift) && Options().Contains(goRangeSelect));
    if (const TCellProperties *P = Find_Cell_Props(Col(), Row())) {
        const TPoint B = P->GetBaseCell(Col(), Row());
        const TCellProperties *BP = Find_Cell_Props(B.X, B.Y);
        const int SX = BP ? std::max(0, BP->CellSpanX()) : 0;
        const int SY = BP ? std::max(0, BP->CellSpanY()) : 0;
        // The position is first moved to the block's edge in the key's
        // direction, so that the platform's one-cell step leaves the block.
        switch (Mirrored_Arrow(Key)) {
        case VK_RIGHT: {
            const int Last = B.X + SX;
            if (Last >= Col() && Col() < ColCount() - 1 && B.X < ColCount() - 1 && Last < ColCount())
                Place_Current(Last, Row(), MoveAnchor);
            break;
        }
        case VK_DOWN: {
            const int Last = B.Y + SY;
            if (Last >= Row() && Row() < RowCount() - 1 && B.Y < RowCount() - 1)
                Place_Current(Col(), std::min(Last, RowCount() - 1), MoveAnchor);
            break;
        }
        case VK_LEFT:
            if (B.X < Col() && B.X > 0 && Col() > FixedCols())
                Place_Current(B.X, Row(), MoveAnchor);
            break;
        case VK_UP:
            if (B.Y < Row() && B.Y > 0 && Row() > FixedRows())
                Place_Current(Col(), B.Y, MoveAnchor);
            break;
        default: break;
        }
    }
    if (Key == VK_NEXT && FHideLastRow && RowCount() > 1
        && VisibleRowCount() + TopRow() - FixedRows() == RowCount() - 1)
        Place_Current(Col(), RowCount() - 2, MoveAnchor);
    QPointer<TBaseGrid> Self(this);
    TObjStringGrid::KeyDown(Key, Shift);
    if (Self)
        FocusBaseCell();
}

bool TBaseGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos)
{
    const bool Result = TObjStringGrid::DoMouseWheelDown(Shift, MousePos);
    if (FHideLastRow && VisibleRowCount() < Row() - TopRow() && Row() != RowCount() - 1)
        Set_TopRow(TopRow() + 1);
    FocusBaseCell();
    return Result;
}

bool TBaseGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos)
{
    const bool Result = TObjStringGrid::DoMouseWheelUp(Shift, MousePos);
    FocusBaseCell();
    return Result;
}

void TBaseGrid::TopLeftChanged()
{
    TObjStringGrid::TopLeftChanged();
    // A merged fixed area that straddles the scroll position is painted whole.
    for (int r = TopRow(); r <= std::min(RowCount() - 1, TopRow() + VisibleRowCount()); ++r)
        for (int c = 0; c < FixedCols(); ++c)
            if (IsMergedCell(c, r))
                RepaintCell(c, r);
    for (int c = LeftCol(); c <= std::min(ColCount() - 1, LeftCol() + VisibleColCount()); ++c)
        for (int r = 0; r < FixedRows(); ++r)
            if (IsMergedCell(c, r))
                RepaintCell(c, r);
}
