// Icons, file pictures and cells that draw themselves, and the extent a
// graphic takes when drawn by the column grid or printed.
#include "grid/stringgrid/RIraRevadiVizo.h"

void RIraRevadiVizo::AddIcon(int ACol, int ARow, TCellIcon *AIcon, TCellHAlign hal, TCellVAlign val)
{
    CreateCellGraphic(ACol, ARow)->SetIcon(AIcon, hal, val);
}

TCellIcon *RIraRevadiVizo::CreateIcon(int ACol, int ARow, TCellHAlign hal, TCellVAlign val)
{
    auto *I = new TCellIcon;
    TCellGraphic *G = CreateCellGraphic(ACol, ARow);
    G->SetIcon(I, hal, val);
    G->CellCreated = true;
    return I;
}

TCellIcon *RIraRevadiVizo::GetIcon(int ACol, int ARow)
{
    const TCellGraphic *G = GetCellGraphic(ACol, ARow);
    return G && G->CellType == ctIcon ? dynamic_cast<TCellIcon *>(Real_Object(G->CellIcon)) : nullptr;
}

void RIraRevadiVizo::AddFilePicture(int ACol, int ARow, TCellFilePicture *AFilePicture, bool Transparent,
                                    TStretchMode StretchMode, int Padding, TCellHAlign hal, TCellVAlign val)
{
    CreateCellGraphic(ACol, ARow)->SetFilePicture(AFilePicture, Transparent, StretchMode, Padding, hal, val);
}

TCellFilePicture *RIraRevadiVizo::CreateFilePicture(int ACol, int ARow, bool Transparent, TStretchMode StretchMode,
                                                    int Padding, TCellHAlign hal, TCellVAlign val)
{
    auto *P = new TCellFilePicture;
    TCellGraphic *G = CreateCellGraphic(ACol, ARow);
    G->SetFilePicture(P, Transparent, StretchMode, Padding, hal, val);
    G->CellCreated = true;
    return P;
}

TCellFilePicture *RIraRevadiVizo::GetFilePicture(int ACol, int ARow)
{
    const TCellGraphic *G = GetCellGraphic(ACol, ARow);
    return G && G->CellType == ctFilePicture ? dynamic_cast<TCellFilePicture *>(Real_Object(G->CellBitmap))
                                              : nullptr;
}

void RIraRevadiVizo::AddInterfacedCell(int ACol, int ARow, TCellDrawInterface *AObject)
{
    CreateCellGraphic(ACol, ARow)->SetInterfacedCell(AObject);
}

TCellDrawInterface *RIraRevadiVizo::GetInterfacedCell(int ACol, int ARow)
{
    const TCellGraphic *G = GetCellGraphic(ACol, ARow);
    return G ? G->Interface() : nullptr;
}

TPoint RIraRevadiVizo::CalcCellGraphicDrawSize(int ACol, int ARow, const TRect &CellRect)
{
    const TCellGraphic *G = GetCellGraphic(ACol, ARow);
    if (!G)
        return {0, 0};
    const TGraphicMetrics M = Graphic_Metrics(ACol, ARow);
    const TGraphicLayout L = Graphic_Layout(G, M);
    const QSize Img = M.ImageSize;
    switch (G->CellType) {
    case ctBitmap: case ctIcon: case ctDataImage:
        return {Img.width(), Img.height()};
    case ctImageList: {
        const bool Beside = G->CellHAlign == haBeforeText || G->CellHAlign == haAfterText;
        return {Beside || GetCellEx(ACol, ARow).isEmpty() ? Img.width() : 0, Img.height()};
    }
    case ctCheckBox: case ctDataCheckBox: case ctVirtCheckBox: case ctRowCheckBox: case ctTriStateCheckBox:
        return {M.CheckSize, M.CheckSize};
    case ctNode: case ctProgressPie:
        return {20, 20};
    case ctRadio: {
        // as measured, but each choice one text line high
        const TPoint S = CalcCellGraphicSize(ACol, ARow, 0);
        const int Count = G->Strings() ? static_cast<int>(G->Strings()->Items.size()) : 0;
        return G->CellBoolean ? S : TPoint{S.X, Count * Canvas().TextHeight(QStringLiteral("gh"))};
    }
    case ctImages: case ctPicture: case ctFilePicture: case ctButton: case ctBitButton: case ctShape:
        return {L.Width, L.Height};
    case ctProgress: case ctXPProgress:
        return {M.CellSize.X, M.CellSize.Y};
    case ctInterface:
        return {Img.width() > 0 ? Img.width() : CellRect.Width(), Img.height() > 0 ? Img.height() : CellRect.Height()};
    case ctRadioButton:
        return {M.RadioSize, M.RadioSize};
    default:
        return {0, 0};
    }
}
