// Cell graphic objects: attaching, looking up and removing the one graphic a
// cell may carry, and the operation families of each kind.
#include "grid/stringgrid/RIraRevadiVizo.h"

namespace {
// The graphic stored in a properties object (nullptr for none or another class).
TCellGraphic *As_Graphic(TObject *O) { return dynamic_cast<TCellGraphic *>(Real_Object(O)); }
}

void RIraRevadiVizo::Repaint_Real(int ACol, int ARow)
{
    if (Destroying())
        return;
    RepaintCell(DisplColIndex(ACol), ARow);
}

TCellGraphic *RIraRevadiVizo::GetCellGraphic(int ACol, int ARow)
{
    // A place outside the grid (a hit test above the first row) has no graphic.
    if (ACol < 0 || ARow < 0)
        return nullptr;
    TCellGraphic *G = As_Graphic(GetGraphicObjectEx(ACol, ARow));
    if (ACol == 0 && MouseActions().HotmailRowSelect()) {
        // The shared row check box, filled for the row asked about.
        FRowCheckBox.CellType = ctRowCheckBox;
        FRowCheckBox.CellTransparent = FControlLook.ControlStyle == csFlat;
        const int DataRows = RowCount() - FixedRows();
        if (ARow == 0) {
            const int N = RowSelectCount();
            FRowCheckBox.CellAngle = (N != 0 && N < DataRows) ? 1 : 0;
            FRowCheckBox.CellBoolean = N >= DataRows;
        } else {
            FRowCheckBox.CellAngle = 0;
            FRowCheckBox.CellBoolean = GetRowSelect(RealRowIndex(ARow));
        }
        return &FRowCheckBox;
    }
    return G;
}

TCellType RIraRevadiVizo::GetCellType(int ACol, int ARow)
{
    if (ACol < 0 || ARow < 0)
        return ctEmpty;
    if (ACol == 0 && MouseActions().HotmailRowSelect())
        return ctRowCheckBox;
    const TCellGraphic *G = As_Graphic(GetGraphicObjectEx(ACol, ARow));
    return G ? G->CellType : ctEmpty;
}

TPoint RIraRevadiVizo::GetCellGraphicSize(int ACol, int ARow)
{
    return CalcCellGraphicSize(ACol, ARow, 0);
}

TCellGraphic *RIraRevadiVizo::CreateCellGraphic(int ACol, int ARow)
{
    TCellProperties *P = GetCellProperties(ACol, ARow);
    if (TCellGraphic *Old = As_Graphic(P->GraphicObject())) {
        P->Set_GraphicObject(nullptr);
        if (Old != &FRowCheckBox)
            delete Old;
    }
    auto *G = new TCellGraphic;
    P->Set_GraphicObject(G);
    if (NumHiddenColumns() > 0 && DisplColIndex(ACol) != ACol)
        Repaint_Real(ACol, ARow);
    return G;
}

bool RIraRevadiVizo::RemoveCellGraphic(int ACol, int ARow)
{
    if (ACol < 0 || ARow < 0)
        return false;
    TCellProperties *P = Find_Cell_Props(ACol, ARow);
    TCellGraphic *G = P ? As_Graphic(P->GraphicObject()) : nullptr;
    if (!G)
        return false;
    P->Set_GraphicObject(nullptr);
    if (G != &FRowCheckBox)
        delete G;
    Repaint_Real(ACol, ARow);
    return true;
}

bool RIraRevadiVizo::RemoveCellGraphicOfType(int ACol, int ARow, TCellType Kind)
{
    return GetCellType(ACol, ARow) == Kind && RemoveCellGraphic(ACol, ARow);
}

bool RIraRevadiVizo::CellTypeInSet(int ACol, int ARow, TCellTypes Kinds)
{
    if (ACol < 0 || ARow < 0)
        return false;
    const TPoint B = BaseCell(ACol, ARow);
    if (B.X == 0 && MouseActions().HotmailRowSelect())
        return Kinds.Contains(ctRowCheckBox);
    const TCellGraphic *G = As_Graphic(GetGraphicObjectEx(B.X, B.Y));
    return G && Kinds.Contains(G->CellType);
}

bool RIraRevadiVizo::IsDataGraphicCell(int ACol, int ARow)
{
    return CellTypeInSet(ACol, ARow, {ctDataCheckBox, ctDataImage, ctVirtCheckBox, ctRowCheckBox});
}

bool RIraRevadiVizo::HasCellControl(int ACol, int ARow)
{
    return CellTypeInSet(ACol, ARow, CellControlKinds);
}

int RIraRevadiVizo::GetCellImageData(int ACol, int ARow)
{
    const TCellGraphic *G = GetCellGraphic(ACol, ARow);
    if (!G)
        return -1;
    switch (G->CellType) {
    case ctBitmap: return static_cast<int>(reinterpret_cast<std::uintptr_t>(G->CellBitmap));
    case ctIcon: return static_cast<int>(reinterpret_cast<std::uintptr_t>(G->CellIcon));
    case ctImageList: return G->CellIndex;
    default: return -1;
    }
}

// --- bitmaps and pictures ------------------------------------------------------------------

void RIraRevadiVizo::AddBitmap(int ACol, int ARow, TCellBitmap *ABmp, bool Transparent, TCellHAlign hal,
                               TCellVAlign val)
{
    CreateCellGraphic(ACol, ARow)->SetBitmap(ABmp, Transparent, hal, val);
}

TCellBitmap *RIraRevadiVizo::CreateBitmap(int ACol, int ARow, bool Transparent, TCellHAlign hal, TCellVAlign val)
{
    auto *B = new TCellBitmap;
    TCellGraphic *G = CreateCellGraphic(ACol, ARow);
    G->SetBitmap(B, Transparent, hal, val);
    G->CellCreated = true;
    return B;
}

TCellBitmap *RIraRevadiVizo::GetBitmap(int ACol, int ARow)
{
    const TCellGraphic *G = GetCellGraphic(ACol, ARow);
    return G && G->CellType == ctBitmap ? dynamic_cast<TCellBitmap *>(Real_Object(G->CellBitmap)) : nullptr;
}

void RIraRevadiVizo::AddPicture(int ACol, int ARow, TCellBitmap *APicture, bool Transparent,
                                TStretchMode StretchMode, int Padding, TCellHAlign hal, TCellVAlign val)
{
    CreateCellGraphic(ACol, ARow)->SetPicture(APicture, Transparent, StretchMode, Padding, hal, val);
}

TCellBitmap *RIraRevadiVizo::CreatePicture(int ACol, int ARow, bool Transparent, TStretchMode StretchMode,
                                           int Padding, TCellHAlign hal, TCellVAlign val)
{
    auto *B = new TCellBitmap;
    TCellGraphic *G = CreateCellGraphic(ACol, ARow);
    G->SetPicture(B, Transparent, StretchMode, Padding, hal, val);
    G->CellCreated = true;
    return B;
}

TCellBitmap *RIraRevadiVizo::GetPicture(int ACol, int ARow)
{
    const TCellGraphic *G = GetCellGraphic(ACol, ARow);
    return G && G->CellType == ctPicture ? dynamic_cast<TCellBitmap *>(Real_Object(G->CellBitmap)) : nullptr;
}

// --- image-list kinds ----------------------------------------------------------------------------------

void RIraRevadiVizo::Set_GridImages(TImageList *Value)
{
    if (Value == FGridImages)
        return;
    FGridImages = Value;
    Invalidate();
}

void RIraRevadiVizo::AddImageIdx(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val)
{
    if (!FGridImages)
        return;
    TCellGraphic *G = CreateCellGraphic(ACol, ARow);
    G->CellType = ctImageList;
    G->CellIndex = Aidx;
    G->CellHAlign = hal;
    G->CellVAlign = val;
}

bool RIraRevadiVizo::GetImageIdx(int ACol, int ARow, int &idx)
{
    const TCellGraphic *G = GetCellGraphic(ACol, ARow);
    if (!FGridImages || !G || G->CellType != ctImageList)
        return false;
    idx = G->CellIndex;
    return true;
}

void RIraRevadiVizo::SetImageIdx(int ACol, int ARow, int Idx)
{
    TCellGraphic *G = GetCellGraphic(ACol, ARow);
    if (!FGridImages || !G || G->CellType != ctImageList)
        return;
    G->CellIndex = Idx;
    Repaint_Real(ACol, ARow);
}

void RIraRevadiVizo::AddDataImage(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val)
{
    if (!FGridImages)
        return;
    TCellGraphic *G = CreateCellGraphic(ACol, ARow);
    G->CellType = ctDataImage;
    G->CellIndex = Aidx;
    G->CellHAlign = hal;
    G->CellVAlign = val;
    if (GetCellEx(ACol, ARow).isEmpty())
        SetCellEx(ACol, ARow, QString::number(Aidx));
}

void RIraRevadiVizo::RemoveDataImage(int ACol, int ARow)
{
    RemoveCellGraphicOfType(ACol, ARow, ctDataImage);
    SetCellEx(ACol, ARow, QString());
}

void RIraRevadiVizo::AddMultiImage(int ACol, int ARow, int Dir, TCellHAlign hal, TCellVAlign val)
{
    if (!FGridImages)
        return;
    TCellGraphic *G = CreateCellGraphic(ACol, ARow);
    auto *L = new TCellIntList(ACol, ARow);
    QPointer<RIraRevadiVizo> Self(this);
    L->OnChange = [Self](TIntList *, int C, int R) {
        if (Self)
            Self->Repaint_Real(C, R);
    };
    G->CellType = ctImages;
    G->CellBitmap = L;
    G->CellBoolean = Dir == 0;
    G->CellCreated = true;
    G->CellHAlign = hal;
    G->CellVAlign = val;
}

TIntList *RIraRevadiVizo::GetCellImages(int ACol, int ARow)
{
    const TCellGraphic *G = GetCellGraphic(ACol, ARow);
    return G && G->CellType == ctImages ? dynamic_cast<TCellIntList *>(Real_Object(G->CellBitmap)) : nullptr;
}

// --- progress bars, pies, range indicators -----------------------------------------------------

void RIraRevadiVizo::AddProgressFormatted(int ACol, int ARow, TColor FGColor, TColor FGTextColor, TColor BKColor,
                                          TColor BKTextColor, const QString &Fmt, int Min, int Max)
{
    TCellGraphic *G = CreateCellGraphic(ACol, ARow);
    G->CellType = ctProgress;
    G->CellColor = FGColor;
    G->CellColor2 = BKColor;
    G->CellIndex = FGTextColor;
    G->CellAngle = BKTextColor;
    G->CellErrFrom = Min;
    G->CellErrLen = Max;
    G->CellText = Fmt;
    G->CellBoolean = true;
    G->CellHAlign = haLeft;
    G->CellVAlign = vaTop;
    if (FAutoNumAlign)
        GetCellProperties(ACol, ARow)->Set_Alignment(taRightJustify);
}

void RIraRevadiVizo::AddProgressEx(int ACol, int ARow, TColor FGColor, TColor FGTextColor, TColor BKColor,
                                   TColor BKTextColor)
{
    AddProgressFormatted(ACol, ARow, FGColor, FGTextColor, BKColor, BKTextColor, QString(), 0, 100);
}

void RIraRevadiVizo::AddProgress(int ACol, int ARow, TColor FGColor, TColor BKColor)
{
    AddProgressFormatted(ACol, ARow, FGColor, 0, BKColor, 0, QString(), 0, 100);
    GetCellGraphic(ACol, ARow)->CellBoolean = false;   // default text colours
}

void RIraRevadiVizo::AddDarAzidProgress(int ACol, int ARow, int Min, int Max)
{
    TCellGraphic *G = CreateCellGraphic(ACol, ARow);
    G->CellType = ctXPProgress;
    G->CellErrFrom = Min;
    G->CellErrLen = Max;
    G->CellBoolean = false;
    G->CellText.clear();
    G->CellHAlign = haLeft;
    G->CellVAlign = vaTop;
}

void RIraRevadiVizo::AddProgressPie(int ACol, int ARow, TColor Color, int Value)
{
    TCellGraphic *G = CreateCellGraphic(ACol, ARow);
    G->CellType = ctProgressPie;
    G->CellColor = Color;
    G->CellAngle = Value;
    G->CellHAlign = haBeforeText;
    G->CellVAlign = vaTop;
}

void RIraRevadiVizo::SetProgressPie(int ACol, int ARow, int Value)
{
    TCellGraphic *G = GetCellGraphic(ACol, ARow);
    if (!G || G->CellType != ctProgressPie)
        return;
    G->CellAngle = Value;
    Repaint_Real(ACol, ARow);
}

void RIraRevadiVizo::AddRangeIndicator(int ACol, int ARow, int Range, TColor NegColor, TColor PosColor,
                                       bool ShowValue)
{
    TCellGraphic *G = CreateCellGraphic(ACol, ARow);
    G->CellType = ctRangeIndicator;
    G->CellIndex = Range;
    G->CellColor = NegColor;
    G->CellColor2 = PosColor;
    G->CellBoolean = ShowValue;
    G->CellHAlign = haLeft;
    G->CellVAlign = vaTop;
}

// --- comments, shapes, ratings ---------------------------------------------------------------------

void RIraRevadiVizo::AddColorComment(int ACol, int ARow, const QString &Comment, TColor Color)
{
    TCellGraphic *G = CreateCellGraphic(ACol, ARow);
    G->CellType = ctComment;
    G->CellText = Comment;
    G->CellIndex = Color;
    G->CellHAlign = haLeft;
    G->CellVAlign = vaTop;
    Repaint_Real(ACol, ARow);
}

void RIraRevadiVizo::AddComment(int ACol, int ARow, const QString &Comment)
{
    AddColorComment(ACol, ARow, Comment, FControlLook.CommentColor);
}

QString RIraRevadiVizo::GetComment(int ACol, int ARow)
{
    const TCellGraphic *G = GetCellGraphic(ACol, ARow);
    return G && G->CellType == ctComment ? G->CellText : QString();
}

void RIraRevadiVizo::SetComment(int ACol, int ARow, const QString &Value)
{
    TCellGraphic *G = GetCellGraphic(ACol, ARow);
    if (!G) {
        AddComment(ACol, ARow, Value);
    } else if (G->CellType == ctComment) {
        G->CellText = Value;
        Repaint_Real(ACol, ARow);
    }
}

bool RIraRevadiVizo::IsComment(int ACol, int ARow, QString &Comment)
{
    const TCellGraphic *G = GetCellGraphic(ACol, ARow);
    if (!G || G->CellType != ctComment)
        return false;
    Comment = G->CellText;
    return true;
}

void RIraRevadiVizo::RemoveAllComments()
{
    for (int C = 0; C < ColCount(); ++C)
        for (int R = 0; R < RowCount(); ++R)
            RemoveComment(C, R);
}

void RIraRevadiVizo::AddShape(int ACol, int ARow, TCellShape AShape, TColor FillColor, TColor LineColor,
                              TCellHAlign hal, TCellVAlign val)
{
    TCellGraphic *G = CreateCellGraphic(ACol, ARow);
    G->CellType = ctShape;
    G->CellAngle = AShape;
    G->CellIndex = FillColor;
    G->CellColor = LineColor;
    G->CellHAlign = hal;
    G->CellVAlign = val;
}

void RIraRevadiVizo::SetShapeColor(int ACol, int ARow, TColor FillColor)
{
    TCellGraphic *G = GetCellGraphic(ACol, ARow);
    if (!G || G->CellType != ctShape)
        return;
    G->CellIndex = FillColor;
    Repaint_Real(ACol, ARow);
}

TColor RIraRevadiVizo::GetShapeColor(int ACol, int ARow)
{
    const TCellGraphic *G = GetCellGraphic(ACol, ARow);
    return G && G->CellType == ctShape ? G->CellIndex : clNone;
}

void RIraRevadiVizo::AddRating(int ACol, int ARow, int Scale, TColor FillColor, TColor EmptyColor)
{
    TCellGraphic *G = CreateCellGraphic(ACol, ARow);
    G->CellType = ctRating;
    G->CellAngle = Scale;
    G->CellIndex = FillColor;
    G->CellColor = EmptyColor;
    G->CellHAlign = haFull;
}
