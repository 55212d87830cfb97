// The sort settings' string form: what reads must write back to a text that
// reads the same.
#include "FuzzSupport.h"
#include "grid/model/GridSort.h"
#include <cstdlib>
#include <stdexcept>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *Data, std::size_t Size)
{
    TSortSpec Spec;
    try {
        Spec = Parse_Sort_Spec(Fuzz_Text(Data, Size));
    } catch (const std::runtime_error &) {
        return 0;
    }
    if (!Spec.Indexed && !Spec.Has_Column)
        return 0;
    const TSortSpec Again = Parse_Sort_Spec(Sort_Spec_To_String(Spec));
    if (Again.Indexed != Spec.Indexed || Again.Keys != Spec.Keys || Again.Column != Spec.Column)
        std::abort();
    return 0;
}
