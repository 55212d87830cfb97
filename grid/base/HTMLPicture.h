#pragma once
#include "platform/Rect.h"
#include <QByteArray>
#include <QImage>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class QIODevice;
class TCanvas;

// Where one frame of a GIF lies in its data and on its screen (see Gif_Frames).
struct TGifFrameInfo {
    qsizetype Start = 0;   // offset of the frame's graphic control extension (0x21)
    int Delay = 0;         // hundredths of a second
    int Left = 0, Top = 0, Width = 0, Height = 0;
};

// A picture kept as its file bytes, decoded once when loaded; any single frame
// of an animated GIF can be shown (every frame is decoded at load and kept).
// Decoding failures raise std::runtime_error with "Could not load image.
// Invalid format" (LoadFromFile swallows them and leaves the picture empty);
// so does a picture larger than Max_Picture_Side pixels on a side or
// Max_Picture_Pixels in all (every frame of an animation counted), whatever
// its file declares. A GIF's images (its frames, or the one image of a GIF
// without frames) are decoded at the size of their part on the logical
// screen and shown at their place on it (FrameXPos, FrameYPos); the layout
// takes the screen (MaxWidth, MaxHeight). Windows metafiles (placeable WMF,
// EMF) are drawn at their frame's size; stretched, they are drawn anew at
// the new size.
class THTMLPicture {
public:
    using TNotifyEvent = std::function<void(THTMLPicture *)>;

    THTMLPicture();

    // A copy of Source's data (decoded); nullptr clears.
    void Assign(const THTMLPicture *Source);
    void LoadFromStream(QIODevice *Stream);
    void LoadFromData(const QByteArray &Data);
    void LoadFromFile(const QString &FileName);
    void SaveToStream(QIODevice *Stream) const;
    // A raw data resource of that name; nothing when there is none.
    void LoadFromResourceName(const QString &ResName);
    void LoadFromResourceID(int ResID);
    // "RES://name", "FILE://path" (prefix in any case); other addresses are
    // remembered but not fetched, so the picture stays empty.
    void LoadFromURL(const QString &URL);

    // Nothing when empty; stretched into Rect, or at its own size at Rect's top-left.
    void Draw(TCanvas &Canvas, const TRect &Rect) const;

    bool Empty() const { return FIsEmpty || FImage.isNull(); }
    int Width() const { return FImage.isNull() ? 0 : FImage.width(); }
    int Height() const { return FImage.isNull() ? 0 : FImage.height(); }
    // The GIF's logical screen size when known, else Width/Height.
    int MaxWidth() const { return FAnimMaxX ? FAnimMaxX : Width(); }
    int MaxHeight() const { return FAnimMaxY ? FAnimMaxY : Height(); }
    const QImage &Image() const { return FImage; }
    // The picture for drawing stretched to W x H: a metafile drawn at that
    // size, any other picture its image (the canvas stretches it).
    QImage Image_For(int W, int H) const;
    bool IsMetafile() const { return FMetafile; }
    const QByteArray &Data() const { return FDatastream; }

    bool IsGIF() const;
    // -1 for data that is not a GIF; counted once.
    int FrameCount();
    // Delay of frame I (from 1) in hundredths of a second; -1 when there is none.
    int GetFrameTime(int I) const;
    int Frame() const { return FFrame; }
    void SetFrame(int Value);
    void FrameNext();
    void FramePrev();
    int FrameXPos() const { return FFrameXPos; }
    int FrameYPos() const { return FFrameYPos; }
    // One 100 ms tick of the animation clock; true when the frame changed.
    bool Step();

    bool Stretch() const { return FStretched; }
    void SetStretch(bool Value) { FStretched = Value; }
    QString ID() const { return FID; }
    void SetID(const QString &Value) { FID = Value; }
    QString URL() const { return FURL; }
    bool IsDB() const { return FIsDB; }
    bool Asynch() const { return FAsynch; }
    void SetAsynch(bool Value) { FAsynch = Value; }
    bool Busy() const { return FThreadBusy; }

    TNotifyEvent OnChange;
    TNotifyEvent OnFrameChange;

    // Download notifications of pictures by web address. Such pictures are
    // never fetched here (LoadFromURL leaves them empty and busy), so none of
    // these is ever called; they exist so that owners can assign them.
    using TDownloadProgressEvent = std::function<void(THTMLPicture *, qint64 Received, qint64 Total)>;
    using TDownloadCancelEvent = std::function<void(THTMLPicture *, bool &Cancel)>;
    using TDownloadCompleteEvent = std::function<void(THTMLPicture *)>;
    using TDownloadErrorEvent = std::function<void(THTMLPicture *, const QString &Error)>;
    TDownloadProgressEvent OnDownLoadProgress;
    TDownloadCancelEvent OnDownLoadCancel;
    TDownloadCompleteEvent OnDownLoadComplete;
    TDownloadErrorEvent OnDownLoadError;

private:
    void Load_Picture();
    void Decode_Frames();
    void Show_Frame();
    void Clear_Decoded();

    struct TFrame {
        QImage Image;      // null when this frame could not be decoded
        int XPos = 0, YPos = 0;
    };

    QByteArray FDatastream;
    bool FIsEmpty = true;
    bool FStretched = false;
    QImage FImage;
    bool FMetafile = false;
    // The metafile last drawn stretched, kept for the next paint at that size.
    mutable QImage FSized;
    int FLogPixX = 96;
    int FLogPixY = 96;
    QString FURL;
    QString FID;
    bool FIsDB = false;
    bool FAsynch = true;
    bool FThreadBusy = false;
    int FFrame = 1;
    int FFrameCount = -1;
    std::vector<TFrame> FFrames;             // decoded at load: one per GIF frame, else one
    std::vector<TGifFrameInfo> FGifInfo;      // frame layout of the data, with FFrameCount
    int FFrameXPos = 0;
    int FFrameYPos = 0;
    int FAnimMaxX = 0;
    int FAnimMaxY = 0;
    int FNextCount = -1;
    int FTimerCount = -1;
};

// The frames of GIF data (bounds-checked; truncated data gives fewer frames).
std::vector<TGifFrameInfo> Gif_Frames(const QByteArray &Data);

// Bounds of a decoded picture: pixels on a side, and pixels in all (about
// 256 MB at four bytes a pixel).
constexpr int Max_Picture_Side = 16384;
constexpr qint64 Max_Picture_Pixels = 64LL * 1024 * 1024;
// Pictures (GIF frames counted one by one) decoded so far in this process.
qint64 Picture_Decode_Count();
// Pixels of the images those decodes produced (what their memory holds).
qint64 Picture_Decoded_Pixels();

// Pictures loaded by address for one grid; owns them.
class THTMLPictureCache {
public:
    ~THTMLPictureCache() { ClearPictures(); }
    THTMLPicture *AddPicture();
    // Exact ID comparison; nullptr when none.
    THTMLPicture *FindPicture(const QString &ID) const;
    THTMLPicture *GetPicture(int Index) const;
    void SetPicture(int Index, std::unique_ptr<THTMLPicture> Picture);
    int Count() const { return static_cast<int>(FList.size()); }
    void ClearPictures() { FList.clear(); }
    bool Animate();

private:
    std::vector<std::unique_ptr<THTMLPicture>> FList;
};

struct TPictureItem {
    TPictureItem() : Picture(std::make_unique<THTMLPicture>()) {}
    std::unique_ptr<THTMLPicture> Picture;
    int Tag = 0;
    QString Name;
    void Assign(const TPictureItem &Source);
    void SetPicture(const THTMLPicture *Source) { Picture->Assign(Source); }
};

class TPictureCollection {
public:
    TPictureItem *Add();
    TPictureItem *Insert(int Index);
    TPictureItem *GetItem(int Index) const;
    void SetItem(int Index, const TPictureItem &Item);
    int Count() const { return static_cast<int>(FItems.size()); }
    void Clear() { FItems.clear(); }
    bool Animate();

private:
    std::vector<std::unique_ptr<TPictureItem>> FItems;
};

// Named pictures a grid or drop-down refers to ("<IMG SRC="name">").
class TPictureContainer {
public:
    virtual ~TPictureContainer() = default;
    TPictureCollection &Items() { return FItems; }
    const TPictureCollection &Items() const { return FItems; }
    // Copies the given collection's items.
    void SetItems(const TPictureCollection &Items);
    // The first item whose name equals S without regard to ASCII case.
    virtual THTMLPicture *FindPicture(const QString &S) const;

private:
    TPictureCollection FItems;
};
