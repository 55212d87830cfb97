#include "grid/base/HTMLPicture.h"
#include "toolkit/Canvas.h"
#include "toolkit/ImageList.h"
#include "platform/Metafile.h"
#include "platform/PictureLoader.h"
#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <algorithm>
#include <atomic>
#include <stdexcept>

namespace {
int U16(const QByteArray &D, qsizetype At)
{
    return static_cast<unsigned char>(D[At]) | (static_cast<unsigned char>(D[At + 1]) << 8);
}

std::atomic<qint64> Decode_Count{0};
std::atomic<qint64> Decoded_Pixels{0};

[[noreturn]] void Refuse_Picture()
{
    throw std::runtime_error("Could not load image. Invalid format");
}

bool Within_Bounds(qint64 W, qint64 H)
{
    return W >= 0 && H >= 0 && W <= Max_Picture_Side && H <= Max_Picture_Side && W * H <= Max_Picture_Pixels;
}

// The first picture of Bytes. A size beyond the bounds is refused before
// any pixel memory is taken; a picture that cannot be decoded is a null image.
// Windows metafiles go through the platform's picture loader (Metafile tells).
QImage Decode_Bounded(const QByteArray &Bytes, bool *Metafile = nullptr)
{
    if (Metafile_Kind(Bytes) != TMetafileKind::None) {
        ++Decode_Count;
        TDecodedPicture Decoded;
        if (!Decode_Picture(Bytes, Decoded))
            return QImage();
        Decoded_Pixels += static_cast<qint64>(Decoded.Image.width()) * Decoded.Image.height();
        if (!Within_Bounds(Decoded.Image.width(), Decoded.Image.height()))
            Refuse_Picture();
        if (Metafile)
            *Metafile = Decoded.Metafile;
        return Decoded.Image;
    }
    QBuffer Buffer;
    Buffer.setData(Bytes);
    Buffer.open(QIODevice::ReadOnly);
    QImageReader Reader(&Buffer);
    const QSize Declared = Reader.size();
    if (Declared.isValid() && !Within_Bounds(Declared.width(), Declared.height()))
        Refuse_Picture();
    ++Decode_Count;
    QImage Image;
    if (!Reader.read(&Image))
        return QImage();
    Decoded_Pixels += static_cast<qint64>(Image.width()) * Image.height();
    if (!Within_Bounds(Image.width(), Image.height()))
        Refuse_Picture();
    return Image;
}

void Put_U16(QByteArray &D, qsizetype At, int Value)
{
    D[At] = static_cast<char>(Value & 0xFF);
    D[At + 1] = static_cast<char>((Value >> 8) & 0xFF);
}

// Where an image of GIF data lies: its place on the logical screen, the
// screen as the decoder makes it (a side of 0 reaches as far as the image),
// and the part of the image that the screen shows.
struct TGif_Place
{
    QRect Image;
    QSize Screen;
    QRect Visible;
};

TGif_Place Gif_Place(const QByteArray &Data, int Left, int Top, int Width, int Height)
{
    TGif_Place P;
    P.Image = QRect(Left, Top, Width, Height);
    const int Sw = U16(Data, 6), Sh = U16(Data, 8);
    P.Screen = QSize(Sw > 0 ? Sw : Left + Width, Sh > 0 ? Sh : Top + Height);
    P.Visible = P.Image.intersected(QRect(QPoint(0, 0), P.Screen));
    return P;
}

// One image of GIF data decoded at the size of its visible part: Head is
// everything before it (header, colour table, extensions), Image its bytes
// from its graphic control extension or its image descriptor on, the
// descriptor (0x2C) at Descriptor within them. The screen is declared as
// large as the visible part and the image placed at its top-left corner,
// so the decoder allocates and composes only what the screen shows.
QImage Decode_Gif_Image(QByteArray Head, QByteArray Image, qsizetype Descriptor, const QRect &Visible)
{
    if (Head.size() < 10 || Image.size() < Descriptor + 5)
        return QImage(); // a frame found inside the header: no picture
    Put_U16(Head, 6, Visible.width());
    Put_U16(Head, 8, Visible.height());
    Put_U16(Image, Descriptor + 1, 0);
    Put_U16(Image, Descriptor + 3, 0);
    return Decode_Bounded(Head + Image + ';');
}

// The offset of the first image descriptor of GIF data, walking its blocks;
// -1 when the data ends or breaks off before one.
qsizetype First_Gif_Image(const QByteArray &Data)
{
    const qsizetype N = Data.size();
    if (N < 13)
        return -1;
    const auto Byte = [&Data](qsizetype At) { return static_cast<unsigned char>(Data[At]); };
    qsizetype At = 13;
    if (Byte(10) & 0x80)
        At += 3 * (qsizetype(1) << ((Byte(10) & 0x07) + 1));
    while (At < N) {
        if (Byte(At) == 0x2C)
            return At + 10 <= N ? At : -1;
        if (Byte(At) != 0x21 || At + 2 > N)
            return -1;
        At += 2; // introducer and label, then the sub-blocks up to an empty one
        while (At < N && Byte(At) != 0)
            At += 1 + Byte(At);
        ++At;
    }
    return -1;
}
} // namespace

qint64 Picture_Decode_Count()
{
    return Decode_Count.load();
}

qint64 Picture_Decoded_Pixels()
{
    return Decoded_Pixels.load();
}

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
    FMetafile = false;
    FSized = QImage();
    FFrameCount = -1;
    FFrames.clear();
    FGifInfo.clear();
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
    FMetafile = false;
    FSized = QImage();
    FIsEmpty = true;
    FFrames.clear();
    FGifInfo = IsGIF() ? Gif_Frames(FDatastream) : std::vector<TGifFrameInfo>();
    FFrameCount = IsGIF() ? static_cast<int>(FGifInfo.size()) : -1;
    if (FDatastream.isEmpty())
        throw std::runtime_error("Empty image stream created");
    try {
        Decode_Frames();
        Show_Frame();
    } catch (...) {
        FFrames.clear();
        FAnimMaxX = FAnimMaxY = 0;
        throw;
    }
}

// Every frame of the data, decoded once. A GIF's images are decoded at the
// size of their part on the logical screen, each at its place on it.
void THTMLPicture::Decode_Frames()
{
    if (FGifInfo.empty()) {
        // A GIF without frames: its first image, when its blocks lead to one.
        const qsizetype Image = IsGIF() ? First_Gif_Image(FDatastream) : -1;
        if (Image >= 0) {
            const TGif_Place P = Gif_Place(FDatastream, U16(FDatastream, Image + 1), U16(FDatastream, Image + 3),
                                           U16(FDatastream, Image + 5), U16(FDatastream, Image + 7));
            if (!Within_Bounds(P.Screen.width(), P.Screen.height()) || P.Visible.isEmpty())
                Refuse_Picture();
            const QImage I = Decode_Gif_Image(FDatastream.left(Image), FDatastream.mid(Image), 0, P.Visible);
            if (I.isNull())
                Refuse_Picture();
            FAnimMaxX = U16(FDatastream, 6);
            FAnimMaxY = U16(FDatastream, 8);
            FFrames.push_back({I, P.Visible.left(), P.Visible.top()});
            return;
        }
        const QImage I = Decode_Bounded(FDatastream, &FMetafile);
        if (I.isNull())
            Refuse_Picture();
        FFrames.push_back({I, 0, 0});
    } else {
        // Each frame alone: everything before the first frame (header, colour
        // table, extensions), the frame, and the trailer.
        const QByteArray Head = FDatastream.left(FGifInfo.front().Start);
        qint64 Pixels = 0;
        for (size_t K = 0; K < FGifInfo.size(); ++K) {
            const TGifFrameInfo &F = FGifInfo[K];
            const TGif_Place P = Gif_Place(FDatastream, F.Left, F.Top, F.Width, F.Height);
            if (!Within_Bounds(P.Screen.width(), P.Screen.height()) || !Within_Bounds(F.Width, F.Height))
                Refuse_Picture();
            TFrame Frame;
            Frame.XPos = F.Left;
            Frame.YPos = F.Top;
            // A frame wholly off the screen shows nothing and is not decoded.
            bool Shown = P.Visible.isEmpty();
            if (!P.Visible.isEmpty()) {
                const qsizetype End = K + 1 < FGifInfo.size() ? FGifInfo[K + 1].Start : FDatastream.size();
                Frame.Image = Decode_Gif_Image(Head, FDatastream.mid(F.Start, End - F.Start), 8, P.Visible);
                Shown = !Frame.Image.isNull();
                // Decoding work and memory grow with every frame's image.
                Pixels += static_cast<qint64>(Frame.Image.width()) * Frame.Image.height();
                if (Pixels > Max_Picture_Pixels)
                    Refuse_Picture();
            }
            // The layout's area is the declared screen, as far as a frame was
            // placed on it.
            if (Shown) {
                FAnimMaxX = std::max(FAnimMaxX, U16(FDatastream, 6));
                FAnimMaxY = std::max(FAnimMaxY, U16(FDatastream, 8));
            }
            FFrames.push_back(Frame);
        }
    }
}

// Shows frame FFrame (the first one when FFrame is out of range) from the
// frames decoded at load.
void THTMLPicture::Show_Frame()
{
    FImage = QImage();
    FIsEmpty = true;
    FFrameXPos = FFrameYPos = 0;
    if (FFrames.empty())
        Refuse_Picture();
    const int N = static_cast<int>(FFrames.size());
    const TFrame &F = FFrames[static_cast<size_t>(FFrame >= 1 && FFrame <= N ? FFrame - 1 : 0)];
    FFrameXPos = F.XPos;
    FFrameYPos = F.YPos;
    if (F.Image.isNull())
        Refuse_Picture();
    FImage = F.Image;
    FIsEmpty = false;
}

QImage THTMLPicture::Image_For(int W, int H) const
{
    if (FMetafile && !Empty() && (W != FImage.width() || H != FImage.height())) {
        if (FSized.width() != W || FSized.height() != H)
            FSized = Render_Metafile(FDatastream, W, H);
        if (!FSized.isNull())
            return FSized;
    }
    return FImage;
}

void THTMLPicture::Draw(TCanvas &Canvas, const TRect &Rect) const
{
    if (Empty())
        return;
    if (FStretched)
        Canvas.StretchDraw(Rect, Image_For(Rect.Width(), Rect.Height()));
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
    if (FFrameCount < 0) {
        FGifInfo = Gif_Frames(FDatastream);
        FFrameCount = static_cast<int>(FGifInfo.size());
    }
    return FFrameCount;
}

int THTMLPicture::GetFrameTime(int I) const
{
    if (!IsGIF())
        return -1;
    if (FFrameCount < 0) {
        const std::vector<TGifFrameInfo> Frames = Gif_Frames(FDatastream);
        return I >= 1 && I <= static_cast<int>(Frames.size()) ? Frames[static_cast<size_t>(I - 1)].Delay : -1;
    }
    return I >= 1 && I <= FFrameCount ? FGifInfo[static_cast<size_t>(I - 1)].Delay : -1;
}

void THTMLPicture::SetFrame(int Value)
{
    FFrame = Value;
    if (FDatastream.isEmpty())
        return;
    try {
        Show_Frame();
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
