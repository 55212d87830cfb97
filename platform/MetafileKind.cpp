// What every executable that shows pictures needs of the metafile support,
// whether the converters are linked in or loaded with their module.
#include "platform/Metafile.h"

namespace {
quint32 Get_U32(const QByteArray &D, qsizetype At)
{
    const auto *P = reinterpret_cast<const unsigned char *>(D.constData()) + At;
    return P[0] | (P[1] << 8) | (static_cast<quint32>(P[2]) << 16) | (static_cast<quint32>(P[3]) << 24);
}
} // namespace

TMetafileKind Metafile_Kind(const QByteArray &Data)
{
    if (Data.size() >= 4 && Get_U32(Data, 0) == 0x9AC6CDD7u)
        return TMetafileKind::Wmf;
    if (Data.size() >= 44 && Get_U32(Data, 0) == 1 && Get_U32(Data, 40) == 0x464D4520u)
        return TMetafileKind::Emf;
    return TMetafileKind::None;
}

// libemf2svg finalises fontconfig (FcFini) after it has mapped the glyph
// indexes of a text to characters, while Qt keeps fontconfig's caches open
// for the whole run: the next font lookup would use freed memory (fontconfig
// aborts on it). Fontconfig needs no finalising before the process ends, so
// this program's own FcFini, which the dynamic linker prefers to the
// library's, does nothing. It is defined here, in every executable that shows
// pictures, because the converter may come later with its module and must
// still find this one first.
extern "C" __attribute__((visibility("default"))) void FcFini(void) {}
