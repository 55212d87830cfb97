// Fixed-width text: the first bytes are the field positions (up to eight,
// one byte each, ended by a zero byte), the rest the file.
#include "FuzzSupport.h"
#include "grid/exchange/GridPlainText.h"
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *Data, std::size_t Size)
{
    std::vector<int> Positions;
    std::size_t I = 0;
    for (; I < Size && I < 8 && Data[I] != 0; ++I)
        Positions.push_back(int(Data[I]) - 8);
    if (I < Size)
        ++I;
    TParsedRows Rows;
    Parse_Fixed(Decode_Text_Bytes(Fuzz_Bytes(Data + I, Size - I)), Positions, Size % 2 == 0, 0, Rows);
    (void)Rows.Max_Cols();
    double V;
    int P;
    for (int R = 0; R < Rows.Rows(); ++R)
        for (int C = 0; C < Rows.Cols(R); ++C)
            Cell_Text_To_Real(Rows.Text(R, C), V, P);
    return 0;
}
