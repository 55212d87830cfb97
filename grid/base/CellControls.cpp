#include "grid/base/CellControls.h"
#include "grid/model/GridLists.h"
#include <QImage>
#include <QImageReader>

void TControlList::AddControl(int X, int Y, QWidget *AObject)
{
    auto Item = std::make_unique<TControlItem>();
    Item->X = X;
    Item->Y = Y;
    Item->Control = AObject;
    FItems.push_back(std::move(Item));
}

int TControlList::ControlIndex(int X, int Y) const
{
    for (size_t I = 0; I < FItems.size(); ++I)
        if (FItems[I]->X == X && FItems[I]->Y == Y)
            return static_cast<int>(I);
    return -1;
}

TControlItem &TControlList::GetControl(int I)
{
    if (I < 0 || I >= Count())
        throw EListError("List index out of bounds (" + std::to_string(I) + ")");
    return *FItems[static_cast<size_t>(I)];
}

bool TControlList::HasHandle(const QWidget *Handle) const
{
    if (!Handle)
        return false;
    for (const auto &Item : FItems)
        if (Item->Control == Handle)
            return true;
    return false;
}

void TControlList::RemoveControl(int I)
{
    if (I < 0 || I >= Count())
        throw EListError("List index out of bounds (" + std::to_string(I) + ")");
    FItems.erase(FItems.begin() + I);
}

void TFilePicture::Set_Filename(const QString &Name)
{
    FFilename = Name;
    FWidth = FHeight = 0;
    if (Name.isEmpty())
        return;
    QImageReader Reader(Name);
    const QSize S = Reader.size().isValid() ? Reader.size() : Reader.read().size();
    if (S.isValid()) {
        FWidth = S.width();
        FHeight = S.height();
    }
}

void TFilePicture::DrawPicture(TCanvas &Canvas, const TRect &R) const
{
    if (FFilename.isEmpty())
        return;
    const QImage Img(FFilename);
    if (!Img.isNull())
        Canvas.StretchDraw(R, Img);
}

void TFilePicture::Assign(const TFilePicture &Source)
{
    FFilename = Source.FFilename;
    FWidth = Source.FWidth;
    FHeight = Source.FHeight;
}
