#pragma once
#include <QByteArray>
#include <QImage>
#include <QString>
#include <vector>

class TCanvas;

// A list of same-sized pictures addressed by index, as toolbars and the
// markup's "IDX:" pictures use them.
class TImageList {
public:
    TImageList(int Width = 16, int Height = 16) : FWidth(Width), FHeight(Height) {}
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

private:
    int FWidth;
    int FHeight;
    std::vector<QImage> FImages;
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
