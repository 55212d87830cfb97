#pragma once
#include "grid/model/GridModel.h"
#include <QString>

// What every reader and writer of the grid's formats shares: the range of
// cells it works on and the result it hands back. A format never shows a
// message itself; the window turns the result into one.

// How a read or write ended.
enum TExchangeStatus {
    esOk,            // done
    esCannotOpen,    // the file could not be opened or created
    esCannotWrite,   // writing failed part-way; a file that existed is kept
    esBadFormat,     // the input is not in the format (the position says where)
    esBadValue,      // a value could not be taken (the position names its cell)
    esOutOfRange,    // the input does not fit the grid's limits
    esCancelled,     // a hook stopped the operation
};

// The outcome with the cell where it stopped (grid columns and rows, -1 when
// no cell is concerned) and the message: a text number of the program's
// texts, or 0 and the text itself. A default result is a success.
struct TExchangeResult {
    TExchangeStatus Status = esOk;
    int Row = -1;
    int Col = -1;
    int TextId = 0;
    QString Message;
    bool Ok() const { return Status == esOk; }
    static TExchangeResult Failed(TExchangeStatus Status, int Col, int Row, int TextId = 0, const QString &Message = {});
    friend bool operator==(const TExchangeResult &, const TExchangeResult &) = default;
};

// The cells a writer writes or a reader fills, grid indexes, bounds inclusive;
// a writer's is usually Save_Range of the grid's save options.
using TExchangeRange = TCellRange;

// The status's name, for logs and test output.
const char *Exchange_Status_Name(TExchangeStatus Status);
