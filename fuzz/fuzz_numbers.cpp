// Number and date texts: the first line is a number or date-time picture
// format, the rest a text read as a number or a date.
#include "FuzzSupport.h"
#include "grid/model/TextRoutines.h"
#include "platform/DateTime.h"
#include "platform/NumberFormat.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *Data, std::size_t Size)
{
    const QString Text = Fuzz_Text(Data, Size);
    const qsizetype Break = Text.indexOf('\n');
    const QString Format = Break < 0 ? Text : Text.left(Break);
    const QString Value = Break < 0 ? QString() : Text.mid(Break + 1);
    // a format that does not fit its argument is refused with EConvertError
    for (double V : {0.0, -1.5, 1e19, 123456789.125, 1e-300}) {
        try { (void)Format_Float(Format, V).size(); } catch (const EConvertError &) {}
        try { (void)Format_Number(Format, V).size(); } catch (const EConvertError &) {}
    }
    try { (void)Format_Integer(Format, -9007199254740993LL).size(); } catch (const EConvertError &) {}
    try { (void)Format_Date_Time(Format, 45000.75).size(); } catch (const EConvertError &) {}
    TDateTime Date = 0;
    Try_Str_To_Date_Time(Value, Date);
    ParseLocaleDateTime(Value, Date);
    (void)ClassifyNumberText(Value);
    (void)NormalizeNumberText(Value).size();
    return 0;
}
