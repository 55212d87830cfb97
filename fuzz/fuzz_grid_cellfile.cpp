// The cell text file and the cell text stream (the same bytes read both ways).
#include "FuzzSupport.h"
#include "grid/exchange/GridCellFile.h"
#include <QBuffer>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *Data, std::size_t Size)
{
    QByteArray Bytes = Fuzz_Bytes(Data, Size);
    TCellFileDoc Doc;
    Parse_Cell_File(Decode_Text_Bytes(Bytes), Size % 2 == 0, Doc);
    for (const TCellFileCell &C : Doc.Cells)
        (void)Encode_Cell_Text(C.Text).size();
    QByteArray Copy(Bytes.constData(), Bytes.size());
    QBuffer B(&Copy);
    B.open(QIODevice::ReadOnly);
    TCellFileDoc S;
    const qint64 Before = B.pos();
    if (!Read_Cell_Stream(B, true, S).Ok() && B.pos() != Before)
        __builtin_trap();   // a failed read leaves the stream where it was
    return 0;
}
