// The metafile module's entry, for the program's late-loading metafile
// drawing (MetafileImageLate.cpp).
#include "platform/MetafileImage.h"

extern "C" Q_DECL_EXPORT void Bc_Metafile_Image(const QByteArray *Data, int Width, int Height, TMetafileInfo *Info,
                                                QString *Error, QImage *Image)
{
    *Image = Metafile_Image(*Data, Width, Height, *Info, *Error);
}
