// Values typed into the drop-down editors: classification, separators, hexadecimal.
#include "FuzzSupport.h"
#include "dropdowns/DropDownText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *Data, std::size_t Size)
{
    const QString Text = Fuzz_Text(Data, Size);
    (void)ClassifyValueText(Text);
    (void)StripThousandSeparators(Text).size();
    (void)HexToInt(Text);
    (void)CaseKey(Text, false).size();
    return 0;
}
