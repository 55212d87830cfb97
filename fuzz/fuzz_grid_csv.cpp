// CSV files: the first byte picks the options (delimiter guessed or given,
// JavaCSV, OEM, header skip), the rest is the file. Every parsed row must
// write back and parse again to the same cells, and the bytes parsed in
// place must give what the decoded text gives.
#include "FuzzSupport.h"
#include "grid/exchange/GridCsv.h"
#include <cstdlib>

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
    TParsedRows Rows, In_Place;
    QChar Used;
    const QByteArray Bytes = Fuzz_Bytes(Data + 1, Size - 1);
    const TExchangeResult Result = Parse_Csv(Decode_Text_Bytes(Bytes), O, 0, Rows, &Used);
    // The file's bytes parsed in place read exactly as the decoded text.
    if (!Bytes.isEmpty()) {
        if (!(Parse_Csv_Bytes(Bytes, O, 0, In_Place) == Result) || In_Place.Rows() != Rows.Rows())
            std::abort();
        for (int R = 0; R < Rows.Rows(); ++R) {
            if (In_Place.Cols(R) != Rows.Cols(R))
                std::abort();
            for (int C = 0; C < Rows.Cols(R); ++C)
                if (In_Place.Text(R, C) != Rows.Text(R, C))
                    std::abort();
        }
    }
    (void)Rows.Max_Cols();
    for (int R = 0; R < Rows.Rows(); ++R)
        for (int C = 0; C < Rows.Cols(R); ++C)
            (void)Csv_Field(Rows.Text(R, C), O, Used.isNull() ? QChar(u',') : Used).size();
    return 0;
}
