// The grid's layout formats: the first line as a column-states text, the
// whole input as key=value lines and as an INI file. What is read must
// write back to itself.
#include "FuzzSupport.h"
#include "grid/model/GridLayout.h"
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *Data, std::size_t Size)
{
    const QByteArray Bytes = Fuzz_Bytes(Data, Size);
    const QString Text = Fuzz_Text(Data, Size);
    TColumnStates S;
    if (Parse_Column_States(Text.section(QLatin1Char('\n'), 0, 0), S)) {
        // An empty order is written as the identity: compare the written forms.
        TColumnStates Back;
        const QString Written = Column_States_To_String(S);
        if (!Parse_Column_States(Written, Back) || Column_States_To_String(Back) != Written)
            std::abort();
    }
    for (const auto &[Key, Value] : Read_Key_Values(Bytes)) {
        TColor C = 0;
        int I = 0;
        if (Text_To_Color(Value, C)) {
            TColor Back = 0;
            if (!Text_To_Color(Color_To_Text(C), Back) || Back != C)
                std::abort();
        }
        (void)Text_To_Bounded_Int(Value, 0, Layout_Max_Size, I);
        (void)Text_To_Font_Style(Value);
        (void)Key.size();
    }
    const TIniData Ini = TIniData::Parse(Bytes);
    (void)TIniData::Parse(Ini.Serialize()).Serialize().size();
    return 0;
}
