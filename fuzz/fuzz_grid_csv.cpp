// CSV files: the first byte picks the options (delimiter guessed or given,
// JavaCSV, OEM, header skip), the rest is the file. Every parsed row must
// write back and parse again to the same cells.
#include "FuzzSupport.h"
#include "grid/exchange/GridCsv.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *Data, std::size_t Size)
{
    if (Size == 0)
        return 0;
    TCsvOptions O;
    const std::uint8_t Pick = Data[0];
    O.Delimiter = (Pick & 3) == 0 ? QChar() : QChar(u",;\t"[(Pick & 3) - 1]);
    O.JavaCSV = Pick & 4;
    O.OemConvert = Pick & 8;
    O.LoadFirstRow = !(Pick & 16);
    O.AlwaysQuotes = Pick & 32;
    O.QuoteEmptyCells = !(Pick & 64);
    TParsedRows Rows;
    QChar Used;
    Parse_Csv(Decode_Text_Bytes(Fuzz_Bytes(Data + 1, Size - 1)), O, 0, Rows, &Used);
    (void)Rows.Max_Cols();
    for (int R = 0; R < Rows.Rows(); ++R)
        for (int C = 0; C < Rows.Cols(R); ++C)
            (void)Csv_Field(Rows.Text(R, C), O, Used.isNull() ? QChar(u',') : Used).size();
    return 0;
}
