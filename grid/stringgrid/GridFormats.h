#pragma once
#include "grid/exchange/GridCellFile.h"
#include "grid/exchange/GridCsv.h"
#include "grid/exchange/GridPlainText.h"
#include "platform/Rect.h"
#include <QIODevice>
#include <vector>

class RIraRevadiVizo;
class TGridFormats;
class TGridBinStream;
struct TGridRect;

// The string grid's published file methods; the grid inherits them, and each
// hands its work to TGridFormats. A failure shows its message and answers false.
class TGridFileMethods {
public:
    virtual ~TGridFileMethods() = default;
    bool SaveToCSV(const QString &FileName, bool Unicode);
    bool AppendToCSV(const QString &FileName, bool Unicode);
    bool LoadFromCSV(const QString &FileName, int MaxRows);
    bool InsertFromCSV(const QString &FileName, int MaxRows);
    bool LoadFromCSVStream(QIODevice &Stream, int MaxRows);
    bool SaveToFile(const QString &FileName, bool Unicode);
    bool LoadFromFile(const QString &FileName);
    void SaveToStream(QIODevice &Stream);
    bool LoadFromStream(QIODevice &Stream);
    bool SaveToASCII(const QString &FileName, bool Unicode);
    bool AppendToASCII(const QString &FileName, bool Unicode);
    bool SaveToFixed(const QString &FileName, std::vector<int> &Widths);
    bool LoadFromFixed(const QString &FileName, std::vector<int> &Positions, bool DoTrim, int MaxRows);
    double CellToReal(int ACol, int ARow);
    // The binary cell block (GridBinStream.h); a rectangle in real cells.
    void SaveRectToBinStream(const TGridRect &Rect, QIODevice &Stream);
    void SaveToBinStream(QIODevice &Stream);
    bool SaveToBinFile(const QString &FileName);
    bool LoadAtPointFromBinStream(const TPoint &Point, QIODevice &Stream);
    bool LoadFromBinStream(QIODevice &Stream);
    bool LoadFromBinFile(const QString &FileName);

private:
    TGridFormats Formats();
    TGridBinStream Bin();
};

// The string grid's side of its text formats: it gathers the grid's save
// range, hooks and options, calls the format's Core reader or writer, applies
// what a reader parsed (only when the whole input was good) and turns a
// failed result into the grid's message. A wait cursor shows for the whole
// operation; loading runs no event loop of its own.
class TGridFormats {
public:
    explicit TGridFormats(RIraRevadiVizo &Grid) : FGrid(Grid) {}

    bool Save_Csv(const QString &FileName, bool Unicode, bool Append);
    bool Load_Csv(const QString &FileName, int MaxRows, bool Insert);
    bool Load_Csv_Stream(QIODevice &Stream, int MaxRows);
    bool Save_File(const QString &FileName, bool Unicode);
    bool Load_File(const QString &FileName);
    void Save_Stream(QIODevice &Stream);
    bool Load_Stream(QIODevice &Stream);
    bool Save_Ascii(const QString &FileName, bool Unicode, bool Append);
    bool Save_Fixed(const QString &FileName, std::vector<int> &Widths);
    bool Load_Fixed(const QString &FileName, std::vector<int> &Positions, bool DoTrim, int MaxRows);
    double Cell_To_Real(int ACol, int ARow);
    // Counts the node rows (column 0 of ctNode below the fixed rows) again
    // and repaints column 0 when there are any.
    void Recount_Nodes();

    // The grid's save texts, loaded-text hook, progress event and export
    // notifications as a format's hooks.
    TExchangeHooks Hooks();

private:
    // Save-range columns as the grid's real columns (the hidden ones after
    // the visible ones with SaveHiddenCells).
    std::vector<int> Save_Columns(int First, int Last);
    int Hidden_For_Save();
    int Real_Col(int Col);
    bool Stored_Texts_Saved();
    bool Loaded_Texts_Stored();
    // Moves the parsed texts out of Rows.
    bool Apply_Rows(TParsedRows &Rows, int StartRow, bool Insert);
    bool Apply_Doc(const TCellFileDoc &Doc, int OffsetCol, int OffsetRow, bool File, const QString &FileName);
    bool Fail(const TExchangeResult &R, const QString &FileName, const QString &Usual);

    RIraRevadiVizo &FGrid;
};
