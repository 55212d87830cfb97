// Language files (*.lng): decoding by byte-order mark or content, then the text lines.
#include "FuzzSupport.h"
#include "text/LangTable.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *Data, std::size_t Size)
{
    Fill_Default_Texts();
    Load_Language_File(Fuzz_File(Data, Size, "Language.lng"));
    for (int N = -1; N < 1200; N += 7)
        (void)Lang_Text(N).size();
    return 0;
}
