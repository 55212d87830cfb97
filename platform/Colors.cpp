#include "platform/Colors.h"

namespace {
// The classic Windows values, fixed so that drawings do not depend on the
// desktop theme of the machine that runs the tests.
const TColor System_Default[31] = {
    RGB_Color(200, 200, 200), RGB_Color(0, 0, 0),       RGB_Color(153, 180, 209), RGB_Color(191, 205, 219),
    RGB_Color(240, 240, 240), RGB_Color(255, 255, 255), RGB_Color(100, 100, 100), RGB_Color(0, 0, 0),
    RGB_Color(0, 0, 0),       RGB_Color(0, 0, 0),       RGB_Color(180, 180, 180), RGB_Color(244, 247, 252),
    RGB_Color(171, 171, 171), RGB_Color(0, 120, 215),   RGB_Color(255, 255, 255), RGB_Color(240, 240, 240),
    RGB_Color(160, 160, 160), RGB_Color(109, 109, 109), RGB_Color(0, 0, 0),       RGB_Color(0, 0, 0),
    RGB_Color(255, 255, 255), RGB_Color(105, 105, 105), RGB_Color(227, 227, 227), RGB_Color(0, 0, 0),
    RGB_Color(255, 255, 225), RGB_Color(0, 0, 0),       RGB_Color(0, 102, 204),   RGB_Color(185, 209, 234),
    RGB_Color(215, 228, 242), RGB_Color(51, 153, 255),  RGB_Color(240, 240, 240),
};
// Current values; tests may override single entries.
TColor System_Table[31] = {};
bool Table_Ready = false;

TColor *Table()
{
    if (!Table_Ready) {
        for (int I = 0; I < 31; ++I)
            System_Table[I] = System_Default[I];
        Table_Ready = true;
    }
    return System_Table;
}
} // namespace

TColor Color_To_RGB(TColor C)
{
    if (C == clNone || C == clDefault)
        return clBlack;
    if ((static_cast<std::uint32_t>(C) & 0xFF000000u) == 0xFF000000u) {
        const int Index = C & 0xFF;
        return Index < 31 ? Table()[Index] : clBlack;
    }
    return C & 0x00FFFFFF;
}

void Set_System_Color(int Index, TColor Rgb)
{
    if (Index < 0 || Index >= 31)
        return;
    Table()[Index] = Rgb < 0 ? System_Default[Index] : (Rgb & 0x00FFFFFF);
}
