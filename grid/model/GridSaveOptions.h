#pragma once
#include "grid/model/GridModel.h"
#include <QChar>
#include <QString>

// How the grid's cells are written to and read from files and the clipboard.
// The string grid holds one and forwards its published options to it; the
// file formats take it as it is. Defaults are the grid's.
struct TGridSaveOptions {
    bool SaveFixedCells = true;      // fixed rows and columns are written
    bool SaveFixedRows = false;      // fixed rows are written (with SaveFixedCells off)
    bool SaveFixedCols = false;      // fixed columns are written (with SaveFixedCells off)
    bool SaveHiddenCells = false;    // hidden columns and rows are written
    bool SaveVirtCells = true;       // the shown (formatted) text, not the stored one
    bool SaveWithHTML = true;        // markup stays in the written text
    bool SaveWithRTF = false;        // rich text stays rich
    bool QuoteEmptyCells = true;     // an empty cell is written as ""
    bool AlwaysQuotes = false;       // every cell is quoted
    bool JavaCSV = false;            // line breaks in cells as the tilde form
    QChar Delimiter;                 // null: the format's own (or the one found)
    QString XMLEncoding = QStringLiteral("ISO-8859-1");
    bool LoadFirstRow = true;        // a file's first line fills a row (else skipped)
    bool ExcelClipboardFormat = false;   // the clipboard takes the spreadsheet form
    bool OemConvert = false;         // CSV texts in the OEM code page
    friend bool operator==(const TGridSaveOptions &, const TGridSaveOptions &) = default;
};

// The counts a save range is cut from.
struct TGridFrame {
    int ColCount = 0;
    int RowCount = 0;
    int FixedCols = 0;
    int FixedRows = 0;
    int FixedRightCols = 0;
    int FixedFooters = 0;
};

// The cells a save covers, bounds inclusive: all of them when fixed cells
// are saved (SaveFixedCells, or SaveFixedCols / SaveFixedRows for the one
// direction), else the normal cells between the fixed ones on either side.
// Empty (Right < Left) when no cell is left.
TCellRange Save_Range(const TGridSaveOptions &Options, const TGridFrame &Frame);
