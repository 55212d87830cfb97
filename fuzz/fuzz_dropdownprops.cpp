// Stored drop-down settings: what reads must write back to a text that
// reads the same.
#include "FuzzSupport.h"
#include "dropdowns/DropDownProperties.h"
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *Data, std::size_t Size)
{
    const TDropDownProperties Defaults;
    const TDropDownPropertiesRead R = Read_DropDown_Properties(Fuzz_Text(Data, Size), Defaults);
    const TDropDownPropertiesRead Again =
        Read_DropDown_Properties(Write_DropDown_Properties(R.Props, Defaults, QStringLiteral("1.2.3.4")), Defaults);
    if (!Again.Ok() || !Again.Unknown.isEmpty() || !(Again.Props == R.Props))
        std::abort();
    return 0;
}
