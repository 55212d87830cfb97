// Windows metafiles (EMF) of markup pictures: the record check, the conversion
// to SVG and its drawing, at the frame's size and stretched.
#include "FuzzSupport.h"
#include "platform/Metafile.h"
#include "platform/PictureLoader.h"

// libemf2svg does not free the fontconfig patterns it matches for texts given
// as glyph indexes (some hundred bytes a text, in fontconfig's allocations):
// a library leak, no finding of this entry.
extern "C" const char *__lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *Data, std::size_t Size)
{
    const QByteArray Bytes = Fuzz_Bytes(Data, Size);
    if (Metafile_Kind(Bytes) != TMetafileKind::Emf)
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
