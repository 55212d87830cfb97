#pragma once
#include "grid/exchange/GridCellFile.h"
#include "grid/exchange/GridCsv.h"
#include "grid/exchange/GridPlainText.h"
#include <QIODevice>
#include <vector>

class RIraRevadiVizo;

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

    // The grid's save texts, loaded-text hook, progress event and export
    // notifications as a format's hooks.
    TExchangeHooks Hooks();

private:
    // Save-range columns as the grid's real columns (the hidden ones after
    // the visible ones with SaveHiddenCells).
    std::vector<int> Save_Columns(int First, int Last);
    int Hidden_For_Save();
    int Real_Col(int Col);
    bool Apply_Rows(const TParsedRows &Rows, int StartRow, bool Insert);
    bool Apply_Doc(const TCellFileDoc &Doc, int OffsetCol, int OffsetRow, bool File, const QString &FileName);
    bool Fail(const TExchangeResult &R, const QString &FileName, const QString &Usual);

    RIraRevadiVizo &FGrid;
};
