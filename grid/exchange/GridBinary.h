#pragma once
#include "grid/exchange/ComponentStream.h"
#include "grid/exchange/GridExchange.h"
#include "grid/model/CellGraphic.h"
#include "grid/model/CellPropValues.h"
#include "grid/model/CellText.h"
#include <vector>

// The binary grid stream: the one lossless cell-block format (files, the
// private clipboard block, dragged cells). It is a plain sequence of
// components (see ComponentStream.h), nothing around them:
//
//   TGridPropIO      ColCount RowCount ColWidths RowHeights FullGrid ID     once, first
//   TGridCellIO      Col Row Cell HasProp                                   per cell, row by row
//   TGridCellPropIO  CellProperties.* HasGraphic                            after HasProp
//   TGridGraphicIO   CellGraphic.*                                          after HasGraphic
//   TGridBMPIO / TGridIconIO / TGridSLIO / TGridPicIO / TGridFilePicIO      after a graphic that owns one
//
// Every integer and Boolean is always written; a string only when not
// empty, a floating-point value only when not 0, a reference only when set.
// Col and Row take the smallest integer tag that holds them, so indexes of
// 65536 and more keep their value (the bytes below that are the classic
// 16-bit ones). Image data is a PNG image under <image>.Data.

// The header record.
struct TBinHeader {
    int ColCount = 0;
    int RowCount = 0;
    QString ColWidths;    // "64,80": the saved columns' widths, left to right
    QString RowHeights;
    bool FullGrid = false;
    qint64 ID = 0;        // the writing grid's number; only a paste compares it
};

// The record that follows a graphic owning an object.
enum TBinPictureKind { bpNone, bpBitmap, bpIcon, bpStrings, bpPicture, bpFilePicture };
TBinPictureKind Bin_Picture_Kind(TCellType Type);

struct TBinPicture {
    QByteArray Data;      // bpBitmap, bpIcon, bpPicture: PNG bytes (empty: no image)
    QStringList Strings;  // bpStrings: radio items, or one image index per item
    QString FileName;     // bpFilePicture
};

// Whether a cell's properties record is followed by its graphic: not for no
// graphic or ctEmpty; for kinds owning an object only once it was created.
bool Bin_Graphic_Saved(const TCellGraphic *Graphic);

// Appends records to a byte array.
class TBinaryGridWriter {
public:
    explicit TBinaryGridWriter(QByteArray &Out) : FW(Out) {}
    void Header(const TBinHeader &H);
    // The cell record; with Props its properties record; with a saved
    // Graphic its graphic record and the record of its object (Picture, or
    // an empty one when none is given). Control names the control laid over
    // the cell (empty: none).
    void Cell(int Col, int Row, QStringView Text, const TCellPropValues *Props, const TCellGraphic *Graphic = nullptr,
              const QString &Control = {}, const TBinPicture *Picture = nullptr);

private:
    TComponentWriter FW;
};

// A cell as read. Properties and graphic are kept as read (names checked,
// values of the right kind), so that applying them leaves every property
// the stream does not hold as the target has it.
struct TBinCellExtra {
    std::vector<TStreamProp> Props;
    bool HasGraphic = false;
    std::vector<TStreamProp> Graphic;
    TCellType Type = ctEmpty;
    TBinPicture Picture;
};
struct TBinCell {
    int Col = 0;
    int Row = 0;
    TCellText Text;
    int Extra = -1;       // index into TBinGrid::Extras, -1 without properties
};
struct TBinGrid {
    TBinHeader Header;
    std::vector<int> ColWidths;    // FullGrid only: ColCount items
    std::vector<int> RowHeights;   // FullGrid only: RowCount items
    std::vector<TBinCell> Cells;
    std::vector<TBinCellExtra> Extras;
};

// Reads a whole stream and checks it: signatures, class and property names,
// value kinds, record order, and for a full grid its counts (within the
// grid's limits) and width and height lists (integers, enough of them).
// A single trailing byte is ignored. On failure Out is unusable and the
// result is esBadFormat (Col = the byte offset) or esOutOfRange.
TExchangeResult Parse_Binary_Grid(const QByteArray &Bytes, TBinGrid &Out);

// Sets on Target the properties a record holds, except OwnerCol and
// OwnerRow (the loading cell decides those). Control is the name the
// record gives for the cell's control (empty when none).
void Apply_Bin_Props(const std::vector<TStreamProp> &Props, TCellPropValues &Target, QString *Control = nullptr);
// Sets on Target the graphic fields a record holds.
void Apply_Bin_Graphic(const std::vector<TStreamProp> &Props, TCellGraphic &Target);
