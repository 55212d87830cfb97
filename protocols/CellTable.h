#pragma once
#include "grid/model/GridModel.h"
#include <QList>
#include <memory>
#include <QString>
#include <QStringList>

// A grid's worth of cell texts, laid out as the table windows' grids are:
// row 0 is the header row (its texts belong to the window), column 0 holds
// the row number, rows 1 .. Row_Count()-1 hold the data. The size is fixed
// when the table is made, as a grid's row count is fixed while it is shown,
// so the window can copy a table into its grid cell by cell and back.
// Cells are addressed as the grids address them: column first. The texts
// live in a grid model, the same store the grids paint from, so a table and
// a grid hold their cells alike.
class TCellTable
{
public:
    TCellTable(int Row_Count, int Col_Count);
    TCellTable(const TCellTable &Other);
    TCellTable &operator=(const TCellTable &Other);
    TCellTable(TCellTable &&) noexcept = default;
    TCellTable &operator=(TCellTable &&) noexcept = default;
    ~TCellTable();

    int Row_Count() const { return FRow_Count; }
    int Col_Count() const { return FCol_Count; }

    // Throws std::out_of_range outside the table.
    QString Cell(int ACol, int ARow) const;
    void Set_Cell(int ACol, int ARow, const QString &Text);

    // Every data row gets its number in column 0 and empty cells elsewhere.
    void Clear();

    // Rows 1, 2, ... up to (not including) the first whose Key_Col cell,
    // trimmed, is empty: the rows a save writes.
    int Used_Rows(int Key_Col) const;

private:
    int FRow_Count;
    int FCol_Count;
    std::unique_ptr<TGridModel> FModel;
};

// What a table file's load met on its way. A load never stops early: the
// window decides how to tell the user.
struct TTableLoadIssue
{
    enum TKind {
        ikNoList,            // the list element is missing: its table is empty
        ikMissingAttribute,  // Row lacks Attribute: its cell was left empty
        ikRowsIgnored,       // Count rows beyond the table's size were not loaded
        ikRowsAfterEmptyKey, // Row has an empty key cell, so the Count loaded rows
                             // after it would not be written by a save
    };
    TKind Kind;
    QString List;      // list element name, e.g. "MQTT_Publish"
    int Row = 0;       // table row (1-based, as in the grid)
    QString Attribute; // for ikMissingAttribute
    int Count = 0;     // for ikRowsIgnored and ikRowsAfterEmptyKey
};

enum class TTableLoadStatus {
    lsLoaded,     // the file was read (look at Issues for what was amiss)
    lsNoFile,     // there is no such file: both tables are empty
    lsNotReadable // the file could not be read or is not XML: both tables are empty
};

struct TTableLoadResult
{
    TTableLoadStatus Status = TTableLoadStatus::lsLoaded;
    QString Message; // reason when not readable
    int Line = 0;    // position of a parse error, 0 when none
    int Column = 0;
    QList<TTableLoadIssue> Issues;

    // True when the tables hold exactly what the file holds.
    bool Complete() const { return Status != TTableLoadStatus::lsNotReadable && Issues.isEmpty(); }
    // One line per issue, in English, for reports and tests.
    QStringList Describe() const;
};
