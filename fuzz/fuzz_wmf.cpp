// Windows metafiles (WMF) of markup pictures.
#include "FuzzMetafile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *Data, std::size_t Size)
{
    return Fuzz_Metafile(Data, Size, TMetafileKind::Wmf);
}
