#include "dropdowns/ImagePickerDropDown.h"
#include "toolkit/ImageList.h"
#include <QPainter>

VOdeImagePickerDropDown::VOdeImagePickerDropDown(QWidget *Owner) : VOdeCustomDropDown(Owner)
{
    setTextMargins(22, 0, 17, 0);
}

void VOdeImagePickerDropDown::AddImagesFromImageList()
{
    if (!Images())
        return;
    for (int I = 0; I < Images()->Count(); ++I)
        FItems.push_back({QString(), I});
}

int VOdeImagePickerDropDown::GetImageIndex() const
{
    return FItemIndex >= 0 && FItemIndex < int(FItems.size()) ? FItems[FItemIndex].ImageIndex : -1;
}

void VOdeImagePickerDropDown::SetImageIndex(int Value)
{
    int Found = -1;
    for (int I = 0; I < int(FItems.size()); ++I)
        if (FItems[I].ImageIndex == Value) {
            Found = I;
            break;
        }
    Set_ItemIndex(Found);
}

void VOdeImagePickerDropDown::Set_ItemIndex(int Value)
{
    FItemIndex = Value >= 0 && Value < int(FItems.size()) ? Value : -1;
    update();
}

void VOdeImagePickerDropDown::paintEvent(QPaintEvent *E)
{
    VOdeCustomDropDown::paintEvent(E);
    const int Index = GetImageIndex();
    if (!Images() || Index < 0)
        return;
    QPainter P(this);
    const QImage Img = Images()->Image(Index);
    P.drawImage(QRect(3, (height() - Images()->Height()) / 2, Images()->Width(), Images()->Height()), Img);
}
