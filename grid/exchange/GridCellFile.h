#pragma once
#include "grid/exchange/ExchangeText.h"
#include <QIODevice>
#include <functional>
#include <vector>

// The cell text format: line records "C,R" (size), "cw c,w" (column width)
// and "c,r,text" (a cell; the text runs to the end of the line, commas
// included). Two variants share the grammar:
//  - the file: the grid's own indexes, a text file (Windows-1252, or UTF-16
//    little endian with byte-order mark) with CR LF lines;
//  - the stream: indexes relative to the save range's top-left cell, UTF-16
//    little-endian lines without mark, each ended by 0D 00 0A 00; a block
//    inside a caller's stream, ended by the first line that is no cell.
// A text with line breaks is kept on one line: each break becomes CR LF,
// then CR is written as character 9, LF as 8 and character 0 as 1. A text
// without any break is written as it is. Reading turns them back when the
// text holds a character 8 (and keeps the first line alone unless
// MultiLine).

// What a writer writes: the size record, width records for columns
// Width_From..Width_To, and a record for each cell of Cells whose saved text
// is not empty, its indexes less Origin.
struct TCellFileLayout {
    int Size_Cols = 0;
    int Size_Rows = 0;
    int Width_From = 0;
    int Width_To = -1;
    TCellRange Cells;
    int Origin_Col = 0;
    int Origin_Row = 0;
};
QString Encode_Cell_Text(const QString &Text);
QStringList Write_Cell_Lines(const TExchangeHooks &Hooks, const TCellFileLayout &Layout,
                             const std::function<int(int Col)> &Width);
// The file: CR LF after every line; Unicode selects UTF-16 with mark.
QByteArray Cell_File_Bytes(const QStringList &Lines, bool Unicode);
// The stream: each line's UTF-16 units, then 0D 00 0A 00.
QByteArray Cell_Stream_Bytes(const QStringList &Lines);

// A parsed block, checked whole before the grid takes any of it.
struct TCellFileCell {
    int Col = 0;
    int Row = 0;
    QString Text;   // decoded
};
struct TCellFileDoc {
    bool Has_Size = false;   // false: the first line was empty (the grid keeps its size)
    int Cols = 0;            // the size record's numbers
    int Rows = 0;
    std::vector<std::pair<int, int>> Widths;   // column, width
    std::vector<TCellFileCell> Cells;
};

// Widths read from a file lie in 0..Max_Cell_File_Width.
constexpr int Max_Cell_File_Width = 32767;

// The file variant. Numbers are read leniently (blanks skipped, the digits
// up to the first other character, 0 when there are none); a cell line with
// fewer fields takes 0 for each missing one and the rest as its text.
// Records outside Cols x Rows (plus the offsets the grid adds) are kept; the
// grid skips them. esOutOfRange for a size beyond the grid's limits or a
// width beyond Max_Cell_File_Width (Row names the line).
TExchangeResult Parse_Cell_File(const QString &Text, bool MultiLine, TCellFileDoc &Doc);
TExchangeResult Read_Cell_File(const QString &Path, bool MultiLine, TCellFileDoc &Doc);

// The stream variant, from the device's position: numbers must be whole
// numbers (esBadValue otherwise, Row naming the line); the block ends before
// the first line whose first or second field is empty, where the device is
// left. On failure the device is back where it was.
TExchangeResult Read_Cell_Stream(QIODevice &Device, bool MultiLine, TCellFileDoc &Doc);
