// The settings file (Brindelcor.xml).
#include "FuzzSupport.h"
#include "workspace/Settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *Data, std::size_t Size)
{
    Read_Settings(Fuzz_File(Data, Size, "Brindelcor.xml"));
    return 0;
}
