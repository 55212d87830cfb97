#include "grid/base/HTMLPicture.h"
#include "platform/Canvas.h"
#include "platform/ImageList.h"
#include <QBuffer>
#include <QFile>
#include <algorithm>
#include <stdexcept>

namespace {
int U16(const QByteArray &D, qsizetype At)
{
    return static_cast<unsigned char>(D[At]) | (static_cast<unsigned char>(D[At + 1]) << 8);
}
} // namespace

std::vector<TGifFrameInfo> Gif_Frames(const QByteArray &Data)
{
    std::vector<TGifFrameInfo> Frames;
    if (Data.size() < 5 || !Data.startsWith("GIF8"))
        return Frames;
    const qsizetype N = Data.size();
    // A frame starts at a graphic control extension with a 4-byte block
    // (21 F9 04) whose image separator (2C) follows 8 bytes later; its image
    // descriptor must lie inside the data, so a cut-off frame is not counted.
    for (qsizetype I = 0; I + 16 < N; ++I) {
        if (static_cast<unsigned char>(Data[I]) != 0x21 || static_cast<unsigned char>(Data[I + 1]) != 0xF9
            || static_cast<unsigned char>(Data[I + 2]) != 0x04 || static_cast<unsigned char>(Data[I + 8]) != 0x2C)
            continue;
        TGifFrameInfo F;
        F.Start = I;
        F.Delay = U16(Data, I + 4);
        F.Left = U16(Data, I + 9);
        F.Top = U16(Data, I + 11);
        F.Width = U16(Data, I + 13);
        F.Height = U16(Data, I + 15);
        Frames.push_back(F);
        I += 16;
    }
    return Frames;
}

THTMLPicture::THTMLPicture() = default;

void THTMLPicture::Clear_Decoded()
{
    FIsEmpty = true;
    FImage = QImage();
    FFrameCount = -1;
    FNextCount = -1;
    FTimerCount = -1;
    FFrame = 1;
    FFrameXPos = FFrameYPos = 0;
    FAnimMaxX = FAnimMaxY = 0;
}

void THTMLPicture::Assign(const THTMLPicture *Source)
{
    Clear_Decoded();
    if (!Source) {
        FDatastream.clear();
        return;
    }
    FDatastream = Source->FDatastream;
    if (!FDatastream.isEmpty())
        Load_Picture();
    if (OnChange)
        OnChange(this);
}

void THTMLPicture::LoadFromData(const QByteArray &Data)
{
    Clear_Decoded();
    FDatastream = Data;
    Load_Picture();
    if (OnChange)
        OnChange(this);
}

void THTMLPicture::LoadFromStream(QIODevice *Stream)
{
    if (!Stream)
        return;
    LoadFromData(Stream->readAll());
}

void THTMLPicture::LoadFromFile(const QString &FileName)
{
    QFile F(FileName);
    if (!F.open(QIODevice::ReadOnly)) {
        Clear_Decoded();
        return;
    }
    try {
        LoadFromStream(&F);
    } catch (const std::exception &) {
        Clear_Decoded();
    }
}

void THTMLPicture::SaveToStream(QIODevice *Stream) const
{
    if (Stream)
        Stream->write(FDatastream);
}

void THTMLPicture::LoadFromResourceName(const QString &ResName)
{
    QByteArray Data;
    if (Find_Raw_Resource(ResName, Data))
        LoadFromData(Data);
}

void THTMLPicture::LoadFromResourceID(int ResID)
{
    LoadFromResourceName(QStringLiteral("#%1").arg(ResID));
}

void THTMLPicture::LoadFromURL(const QString &URL)
{
    if (URL.startsWith(QStringLiteral("RES://"), Qt::CaseInsensitive)) {
        FID = URL;
        LoadFromResourceName(URL.mid(6));
    } else if (URL.startsWith(QStringLiteral("FILE://"), Qt::CaseInsensitive)) {
        FID = URL;
        LoadFromFile(URL.mid(7));
    } else if (!FAsynch) {
        FURL = URL;
        FID = URL;
    } else if (!FThreadBusy) {
        // Pictures on the network are not fetched; the picture stays empty
        // and busy, as a download that never completes.
        FURL = URL;
        FThreadBusy = true;
    }
}

void THTMLPicture::Load_Picture()
{
    FFrameXPos = FFrameYPos = 0;
    FAnimMaxX = FAnimMaxY = 0;
    FImage = QImage();
    FIsEmpty = true;
    QByteArray Bytes = FDatastream;
    const std::vector<TGifFrameInfo> Frames = IsGIF() ? Gif_Frames(FDatastream) : std::vector<TGifFrameInfo>();
    const TGifFrameInfo *Wanted = nullptr;
    if (!Frames.empty() && FDatastream.size() >= 10) {
        FAnimMaxX = U16(FDatastream, 6);
        FAnimMaxY = U16(FDatastream, 8);
        const int K = (FFrame >= 1 && FFrame <= static_cast<int>(Frames.size())) ? FFrame - 1 : 0;
        Wanted = &Frames[static_cast<size_t>(K)];
        // Everything before the first frame (header, colour table,
        // extensions), then the wanted frame to the end: a GIF whose first
        // image is that frame.
        Bytes = FDatastream.left(Frames.front().Start) + FDatastream.mid(Wanted->Start);
        FFrameXPos = Wanted->Left;
        FFrameYPos = Wanted->Top;
    }
    if (Bytes.isEmpty())
        throw std::runtime_error("Empty image stream created");
    QImage I = QImage::fromData(Bytes);
    if (I.isNull())
        throw std::runtime_error("Could not load image. Invalid format");
    if (Wanted && Wanted->Width > 0 && Wanted->Height > 0
        && (I.width() > Wanted->Width || I.height() > Wanted->Height)) {
        // The decoder composes onto the logical screen; keep the frame's own area.
        I = I.copy(Wanted->Left, Wanted->Top, Wanted->Width, Wanted->Height);
    }
    FImage = I;
    FIsEmpty = false;
}

void THTMLPicture::Draw(TCanvas &Canvas, const TRect &Rect) const
{
    if (Empty())
        return;
    if (FStretched)
        Canvas.StretchDraw(Rect, FImage);
    else
        Canvas.Draw(Rect.Left, Rect.Top, FImage);
}

bool THTMLPicture::IsGIF() const
{
    return FDatastream.size() >= 5 && FDatastream.startsWith("GIF8");
}

int THTMLPicture::FrameCount()
{
    if (!IsGIF())
        return -1;
    if (FFrameCount < 0)
        FFrameCount = static_cast<int>(Gif_Frames(FDatastream).size());
    return FFrameCount;
}

int THTMLPicture::GetFrameTime(int I) const
{
    if (!IsGIF())
        return -1;
    const std::vector<TGifFrameInfo> Frames = Gif_Frames(FDatastream);
    if (I < 1 || I > static_cast<int>(Frames.size()))
        return -1;
    return Frames[static_cast<size_t>(I - 1)].Delay;
}

void THTMLPicture::SetFrame(int Value)
{
    FFrame = Value;
    if (FDatastream.isEmpty())
        return;
    try {
        Load_Picture();
    } catch (const std::exception &) {
        FIsEmpty = true;
    }
    if (OnFrameChange)
        OnFrameChange(this);
}

void THTMLPicture::FrameNext()
{
    const int N = FrameCount();
    FFrame = (N > 0 && FFrame >= N) ? 1 : FFrame + 1;
}

void THTMLPicture::FramePrev()
{
    const int N = FrameCount();
    FFrame = FFrame <= 1 ? (N > 0 ? N : 1) : FFrame - 1;
}

bool THTMLPicture::Step()
{
    if (Empty() || FrameCount() < 2)
        return false;
    bool Changed = false;
    if (FTimerCount * 10 >= FNextCount) {
        FrameNext();
        SetFrame(FFrame);
        FNextCount += GetFrameTime(FFrame);
        Changed = true;
    }
    ++FTimerCount;
    return Changed;
}

// ---- cache, items, container --------------------------------------------------------

THTMLPicture *THTMLPictureCache::AddPicture()
{
    FList.push_back(std::make_unique<THTMLPicture>());
    return FList.back().get();
}

THTMLPicture *THTMLPictureCache::FindPicture(const QString &ID) const
{
    for (const auto &P : FList)
        if (P->ID() == ID)
            return P.get();
    return nullptr;
}

THTMLPicture *THTMLPictureCache::GetPicture(int Index) const
{
    if (Index < 0 || Index >= Count())
        return nullptr;
    return FList[static_cast<size_t>(Index)].get();
}

void THTMLPictureCache::SetPicture(int Index, std::unique_ptr<THTMLPicture> Picture)
{
    if (Index >= 0 && Index < Count())
        FList[static_cast<size_t>(Index)] = std::move(Picture);
}

bool THTMLPictureCache::Animate()
{
    bool Any = false;
    for (const auto &P : FList)
        Any = P->Step() || Any;
    return Any;
}

void TPictureItem::Assign(const TPictureItem &Source)
{
    Name = Source.Name;
    Tag = Source.Tag;
    Picture->Assign(Source.Picture.get());
}

TPictureItem *TPictureCollection::Add()
{
    FItems.push_back(std::make_unique<TPictureItem>());
    return FItems.back().get();
}

TPictureItem *TPictureCollection::Insert(int Index)
{
    const int At = std::clamp(Index, 0, Count());
    auto It = FItems.insert(FItems.begin() + At, std::make_unique<TPictureItem>());
    return It->get();
}

TPictureItem *TPictureCollection::GetItem(int Index) const
{
    if (Index < 0 || Index >= Count())
        return nullptr;
    return FItems[static_cast<size_t>(Index)].get();
}

void TPictureCollection::SetItem(int Index, const TPictureItem &Item)
{
    if (TPictureItem *I = GetItem(Index))
        I->Assign(Item);
}

bool TPictureCollection::Animate()
{
    bool Any = false;
    for (const auto &I : FItems)
        Any = I->Picture->Step() || Any;
    return Any;
}

void TPictureContainer::SetItems(const TPictureCollection &Items)
{
    FItems.Clear();
    for (int I = 0; I < Items.Count(); ++I)
        FItems.Add()->Assign(*Items.GetItem(I));
}

THTMLPicture *TPictureContainer::FindPicture(const QString &S) const
{
    for (int I = 0; I < FItems.Count(); ++I) {
        TPictureItem *It = FItems.GetItem(I);
        if (It->Name.compare(S, Qt::CaseInsensitive) == 0)
            return It->Picture.get();
    }
    return nullptr;
}
