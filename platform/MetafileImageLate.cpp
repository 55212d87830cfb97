// Metafiles drawn by the module bc_metafiles, loaded on the first metafile
// (the program): the converting libraries stay unloaded until then.
#include "platform/LateLibrary.h"
#include "platform/MetafileImage.h"

QImage Metafile_Image(const QByteArray &Data, int Width, int Height, TMetafileInfo &Info, QString &Error)
{
    using TEntry = void (*)(const QByteArray *, int, int, TMetafileInfo *, QString *, QImage *);
    const auto Entry = reinterpret_cast<TEntry>(Late_Library_Symbol("bc_metafiles", "Bc_Metafile_Image", &Error));
    QImage Image;
    Info = TMetafileInfo();
    if (Entry)
        Entry(&Data, Width, Height, &Info, &Error, &Image);
    return Image;
}
