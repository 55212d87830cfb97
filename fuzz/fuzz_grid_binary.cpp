// The binary grid stream: whatever parses must write again, cell for cell,
// with the properties and graphics taken from what was read, and parse again.
#include "FuzzSupport.h"
#include "grid/exchange/GridBinary.h"
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *Data, std::size_t Size)
{
    TBinGrid B;
    if (!Parse_Binary_Grid(Fuzz_Bytes(Data, Size), B).Ok())
        return 0;
    QByteArray Again;
    TBinaryGridWriter W(Again);
    W.Header(B.Header);
    for (const TBinCell &C : B.Cells) {
        if (C.Extra < 0) {
            W.Cell(C.Col, C.Row, C.Text.To_String(), nullptr);
            continue;
        }
        const TBinCellExtra &X = B.Extras[size_t(C.Extra)];
        TCellPropValues P(nullptr, C.Col, C.Row);
        QString Control;
        Apply_Bin_Props(X.Props, P, &Control);
        TCellGraphic G;
        if (X.HasGraphic) {
            Apply_Bin_Graphic(X.Graphic, G);
            G.CellCreated = true;
        }
        W.Cell(C.Col, C.Row, C.Text.To_String(), &P, X.HasGraphic ? &G : nullptr, Control, &X.Picture);
    }
    TBinGrid B2;
    if (!Parse_Binary_Grid(Again, B2).Ok() || B2.Cells.size() != B.Cells.size())
        std::abort();
    for (size_t I = 0; I < B.Cells.size(); ++I)
        if (B2.Cells[I].Text.To_String() != B.Cells[I].Text.To_String() || B2.Cells[I].Row != B.Cells[I].Row)
            std::abort();
    return 0;
}
