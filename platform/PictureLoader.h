#pragma once
#include <QByteArray>
#include <QImage>
#include <QString>

// The platform's picture loader: picture files held in memory become images
// with their size in 0.01 mm (HIMETRIC). Everything Qt's image readers take
// (bitmaps, icons, PNG, JPEG, GIF) is read at 96 pixels per inch; Windows
// metafiles (placeable WMF, EMF) are drawn at their frame's size, with a
// transparent background where the metafile draws nothing.
struct TDecodedPicture {
    QImage Image;
    int Width_Himetric = 0;
    int Height_Himetric = 0;
    bool Metafile = false;
};

// False (and Out empty) for data no reader takes, including metafiles that
// fail their record check.
bool Decode_Picture(const QByteArray &Data, TDecodedPicture &Out);

// Draws a metafile into an image of the given size (stretching its frame);
// a null image when the metafile is refused.
QImage Render_Metafile(const QByteArray &Data, int Width, int Height);

// System icons: the icon of a file or folder (or of its file type when there
// is no such file), at the small (16) or large (32) system icon size. A
// numbered system icon has no counterpart here: the image is null. Needs a
// running widget application (QApplication); null otherwise.
int System_Icon_Size(bool Large);
QImage System_Icon(const QString &Name, bool Large);
