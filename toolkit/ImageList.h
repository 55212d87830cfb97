#pragma once
#include <QByteArray>
#include <QImage>
#include <QString>
#include <memory>
#include <vector>

class TCanvas;

// A list of same-sized pictures addressed by index, as toolbars and the
// markup's "IDX:" pictures use them.
class TImageList {
public:
    TImageList(int Width = 16, int Height = 16) : FWidth(Width), FHeight(Height) {}
    // A copy is a list of its own: it gets its own life token.
    TImageList(const TImageList &Other) : FWidth(Other.FWidth), FHeight(Other.FHeight), FImages(Other.FImages) {}
    TImageList &operator=(const TImageList &Other)
    {
        FWidth = Other.FWidth;
        FHeight = Other.FHeight;
        FImages = Other.FImages;
        return *this;
    }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    int Count() const { return static_cast<int>(FImages.size()); }
    // Appends a picture (scaled to the list's size when it differs); returns its index.
    int Add(const QImage &Image);
    void Clear() { FImages.clear(); }
    // The picture at Index; a null image outside the list.
    QImage Image(int Index) const;
    // Draws picture Index with its top-left at (X, Y); nothing outside the list.
    void Draw(TCanvas &Canvas, int X, int Y, int Index) const;

    // Expires when the list is destroyed: a holder that does not own the
    // list keeps a weak reference to it (TImageListRef).
    std::weak_ptr<const void> Life() const { return FLife; }

private:
    int FWidth;
    int FHeight;
    std::vector<QImage> FImages;
    std::shared_ptr<const void> FLife = std::make_shared<int>(0);
};

// A pointer to an image list that somebody else owns, which reads as none
// once that list is destroyed (the list is not a QObject, so QPointer cannot
// watch it).
class TImageListRef {
public:
    TImageListRef(TImageList *List = nullptr) { *this = List; }
    TImageListRef &operator=(TImageList *List)
    {
        FList = List;
        FLife = List ? List->Life() : std::weak_ptr<const void>();
        return *this;
    }
    TImageList *Get() const { return FLife.expired() ? nullptr : FList; }
    operator TImageList *() const { return Get(); }
    TImageList *operator->() const { return Get(); }

private:
    TImageList *FList = nullptr;
    std::weak_ptr<const void> FLife;
};

// Raw data resources linked into the program ("RCDATA" resources). A name
// is looked up among the registered blobs first, then as the Qt resource
// ":/rcdata/<name>". Names compare without letter case.
void Register_Raw_Resource(const QString &Name, const QByteArray &Data);
void Unregister_Raw_Resource(const QString &Name);
// False when there is no such resource.
bool Find_Raw_Resource(const QString &Name, QByteArray &Data);
// A bitmap resource by name, decoded; a null image when missing.
QImage Resource_Image(const QString &Name);
