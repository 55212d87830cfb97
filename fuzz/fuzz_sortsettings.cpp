// The sort settings' string form: what reads must write back to a text that
// reads the same.
#include "FuzzSupport.h"
#include "grid/model/GridSort.h"
#include <cstdlib>
#include <stdexcept>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *Data, std::size_t Size)
{
    TSortSettingsText Sort;
    try {
        Sort = Parse_Sort_Settings(Fuzz_Text(Data, Size));
    } catch (const std::runtime_error &) {
        return 0;
    }
    if (!Sort.Indexed && !Sort.Has_Column)
        return 0;
    const TSortSettingsText Again = Parse_Sort_Settings(Sort_Settings_To_String(Sort));
    if (Again.Indexed != Sort.Indexed || Again.Keys != Sort.Keys || Again.Column != Sort.Column)
        std::abort();
    return 0;
}
