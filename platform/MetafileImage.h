#pragma once
#include "platform/Metafile.h"
#include <QImage>

// A metafile drawn into an image: checked, converted to SVG and rendered at
// Width x Height (at its frame's size in pixels when both are 0), with a
// transparent background where it draws nothing. A null image, with the
// reason in Error, when the metafile is refused. The converters are linked in
// (MetafileImage.cpp) or loaded with the module bc_metafiles on the first
// metafile (MetafileImageLate.cpp), as the executable chooses
// (platform/pictures.cmake).
QImage Metafile_Image(const QByteArray &Data, int Width, int Height, TMetafileInfo &Info, QString &Error);
