#pragma once
// The body of the two metafile entries (WMF and EMF): the record check, the
// conversion to SVG and its drawing, at the frame's size and stretched.
// Inputs of the other kind are left to the other entry.
#include "FuzzSupport.h"
#include "platform/Metafile.h"
#include "platform/PictureLoader.h"

inline int Fuzz_Metafile(const std::uint8_t *Data, std::size_t Size, TMetafileKind Kind)
{
    const QByteArray Bytes = Fuzz_Bytes(Data, Size);
    if (Metafile_Kind(Bytes) != Kind)
        return 0;
    Fuzz_Gui();
    TMetafileInfo Info;
    QString Error;
    if (!Check_Metafile(Bytes, Info, Error))
        return 0;
    (void)Render_Metafile(Bytes, 48, 16);
    if (qint64(Info.Width_Px) * Info.Height_Px <= 256 * 256) {
        TDecodedPicture Picture;
        (void)Decode_Picture(Bytes, Picture);
    }
    return 0;
}
