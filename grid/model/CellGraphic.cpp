#include "grid/model/CellGraphic.h"
#include <cmath>

namespace {
// Rounds to the nearest integer with ties to even (the default rounding mode).
int Round_Even(double V) { return static_cast<int>(std::nearbyint(V)); }
}

TCellGraphic::~TCellGraphic()
{
    switch (CellType) {
    case ctBitmap: case ctRadio: case ctPicture: case ctFilePicture: case ctBitButton:
        if (CellCreated)
            Free_Bitmap_Object();
        break;
    case ctIcon:
        if (CellCreated)
            delete Real_Object(CellIcon);
        break;
    case ctImages: case ctBalloon:
        Free_Bitmap_Object();
        break;
    case ctCheckBox: case ctDataCheckBox: case ctRadioButton: case ctTriStateCheckBox:
        // the balloon list attached to a check box or radio button
        if (CellAngle == 1)
            Free_Bitmap_Object();
        break;
    default:
        break;
    }
}

void TCellGraphic::Free_Bitmap_Object()
{
    delete Real_Object(CellBitmap);
    CellBitmap = nullptr;
}

void TCellGraphic::Assign(const TCellGraphic &Source)
{
    CellType = Source.CellType;
    CellVAlign = Source.CellVAlign;
    CellHAlign = Source.CellHAlign;
    CellIndex = Source.CellIndex;
    CellTransparent = Source.CellTransparent;
    CellValue = Source.CellValue;
    CellAngle = Source.CellAngle;
    CellBoolean = Source.CellBoolean;
    CellErrFrom = Source.CellErrFrom;
    CellErrLen = Source.CellErrLen;
    CellText = Source.CellText;
    CellCreated = Source.CellCreated;
    CellColor = Source.CellColor;
    CellColor2 = Source.CellColor2;
}

void TCellGraphic::SetBitmap(TCellImageRef *ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val)
{
    CellType = ctBitmap;
    CellBitmap = ABmp;
    CellTransparent = Transparent;
    CellHAlign = hal;
    CellVAlign = val;
}

void TCellGraphic::SetIcon(TCellImageRef *AIcon, TCellHAlign hal, TCellVAlign val)
{
    CellType = ctIcon;
    CellIcon = AIcon;
    CellHAlign = hal;
    CellVAlign = val;
}

void TCellGraphic::SetImageIdx(int Idx, TCellHAlign hal, TCellVAlign val)
{
    CellType = ctImageList;
    CellIndex = Idx;
    CellHAlign = hal;
    CellVAlign = val;
}

void TCellGraphic::SetDataImage(int Idx, TCellHAlign hal, TCellVAlign val)
{
    SetImageIdx(Idx, hal, val);
    CellType = ctDataImage;
}

void TCellGraphic::SetFilePicture(TCellImageRef *APicture, bool Transparent, TStretchMode StretchMode, int Padding,
                                  TCellHAlign hal, TCellVAlign val)
{
    SetPicture(APicture, Transparent, StretchMode, Padding, hal, val);
    CellType = ctFilePicture;
}

void TCellGraphic::SetInterfacedCell(TCellDrawInterface *AObject)
{
    CellType = ctInterface;
    CellBitmap = AObject;
}

void TCellGraphic::SetPicture(TCellImageRef *APicture, bool Transparent, TStretchMode StretchMode, int Padding,
                              TCellHAlign hal, TCellVAlign val)
{
    CellType = ctPicture;
    CellBitmap = APicture;
    CellTransparent = Transparent;
    CellAngle = StretchMode;
    CellIndex = Padding;
    CellHAlign = hal;
    CellVAlign = val;
}

void TCellGraphic::SetButton(int bw, int bh, const QString &Caption, TCellHAlign hal, TCellVAlign val)
{
    CellType = ctButton;
    CellIndex = static_cast<int>((static_cast<unsigned>(bh) << 16) | (static_cast<unsigned>(bw) & 0xFFFFu));
    CellText = Caption;
    CellBoolean = false;
    CellHAlign = hal;
    CellVAlign = val;
}

void TCellGraphic::SetBitButton(int bw, int bh, const QString &Caption, TCellImageRef *Glyph, TCellHAlign hal,
                                TCellVAlign val)
{
    SetButton(bw, bh, Caption, hal, val);
    CellType = ctBitButton;
    CellBitmap = Glyph;
}

void TCellGraphic::SetAngle(int AAngle)
{
    CellType = ctRotated;
    while (AAngle < 0)
        AAngle += 360;
    while (AAngle > 360)
        AAngle -= 360;
    CellAngle = AAngle;
}

void TCellGraphic::SetCheckBox(bool Value, bool Data, bool Flat, TCellHAlign hal, TCellVAlign val)
{
    CellType = Data ? ctDataCheckBox : ctCheckBox;
    CellBoolean = Value;
    CellTransparent = Flat;
    CellHAlign = hal;
    CellVAlign = val;
    CellAngle = 0;
}

void TCellGraphic::SetCheckBox(TCheckBoxState State, bool Flat, TCellHAlign hal, TCellVAlign val)
{
    CellType = ctTriStateCheckBox;
    CellCheckBoxState = State;
    CellBoolean = false;
    CellTransparent = Flat;
    CellHAlign = hal;
    CellVAlign = val;
    CellAngle = 0;
}

void TCellGraphic::SetRadioButton(bool Value, bool Flat, TCellHAlign hal, TCellVAlign val)
{
    CellType = ctRadioButton;
    CellBoolean = Value;
    CellTransparent = Flat;
    CellHAlign = hal;
    CellVAlign = val;
    CellAngle = 0;
}

TPoint TCellGraphic::GetPictureSize(int cw, int rh, TPoint Current) const
{
    if (CellType != ctPicture && CellType != ctFilePicture)
        return Current;
    const auto *Img = dynamic_cast<const TCellImageRef *>(Real_Object(CellBitmap));
    const QSize S = Img ? Img->Image_Size() : QSize(0, 0);
    const int w = S.width(), h = S.height();
    cw -= CellIndex;
    rh -= CellIndex;
    const bool Larger = w > cw || h > rh;
    auto Aspect = [&](bool Limit) {
        double rx = w > 0 ? double(cw) / w : 1.0;
        double ry = h > 0 ? double(rh) / h : 1.0;
        if (Limit) {
            rx = std::min(rx, 1.0);
            ry = std::min(ry, 1.0);
        }
        return rx < ry ? TPoint{cw, Round_Even(h * rx)} : TPoint{Round_Even(w * ry), rh};
    };
    switch (static_cast<TStretchMode>(CellAngle)) {
    case Stretch:
        return {cw, rh};
    case Shrink:
        return Larger ? TPoint{cw, rh} : TPoint{w, h};
    case StretchWithAspectRatio:
        return Aspect(false);
    case ShrinkWithAspectRatio:
        return Larger ? Aspect(true) : TPoint{w, h};
    default:
        return {w, h};
    }
}

TCheckBoxState Next_Tri_State(TCheckBoxState State, bool NodeRow)
{
    if (NodeRow)
        return State == cbChecked ? cbUnchecked : cbChecked;
    switch (State) {
    case cbUnchecked: return cbGrayed;
    case cbGrayed: return cbChecked;
    default: return cbUnchecked;
    }
}
