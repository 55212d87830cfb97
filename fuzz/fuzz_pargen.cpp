// The parameter file (ParGen.xml): the editor's reader and the description
// writers' readers of the same file.
#include "FuzzSupport.h"
#include "editors/ParGen_Data.h"
#include "protocols/Protocol_Params.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *Data, std::size_t Size)
{
    const QString Path = Fuzz_File(Data, Size, "ParGen.xml");
    TParGen_Data ParGen;
    ParGen.Load(Path);
    Read_BACnet_Desc_Chars_Limit(Path);
    Read_BACnet_Param(Path);
    Read_PROFINET_Param(Path);
    Read_GSD_Counts(Path);
    ParGen_Unreadable(Path);
    return 0;
}
