#pragma once
#include "grid/exchange/GridBinary.h"
#include "platform/Rect.h"
#include <QIODevice>

class RIraRevadiVizo;
struct TGridRect;

// The string grid's side of its binary cell blocks (files, the private
// clipboard block, dragged cells): it walks a rectangle of real cells into
// records, with each cell's properties, graphic and the graphic's object
// (images as PNG), and places a parsed stream's cells back. A stream is
// parsed and checked whole before the grid changes; a failure shows the
// read error with its byte offset and answers false.
class TGridBinStream {
public:
    explicit TGridBinStream(RIraRevadiVizo &Grid) : FGrid(Grid) {}

    // Rect: real columns and rows, bounds inclusive; an empty one gives the
    // header only.
    QByteArray Save_Rect(const TGridRect &Rect);
    // The save range, hidden columns included (the format loses no cell).
    QByteArray Save_All();
    bool Save_File(const QString &FileName);
    // Places the cells with the block's first cell at (At.X, At.Y), or, for
    // a stream of a whole grid, replaces the grid's content and size. Cells
    // that fall outside the grid are dropped (the grid is never grown).
    bool Load_At(const TPoint &At, const QByteArray &Bytes, const QString &FileName = {});
    // Load_At (0, 0), then the node rows are counted again.
    bool Load(const QByteArray &Bytes, const QString &FileName = {});
    bool Load_File(const QString &FileName);

    // The number a stream carries as its writer's ID.
    qint64 Grid_ID() const;

private:
    TBinPicture Picture_Of(const TCellGraphic &G);
    void Attach_Picture(TCellGraphic &G, const TBinPicture &Pic, int Col, int Row);
    bool Fail(const TExchangeResult &R, const QString &FileName);

    RIraRevadiVizo &FGrid;
};
