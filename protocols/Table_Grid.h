#pragma once
#include "grid/model/GridTypes.h"
#include "platform/Colors.h"
#include "protocols/Grid_Rows.h"
#include <QStringList>
#include <span>
class QTabWidget;
class QWidget;
class VIdiDidireDedu;

// The grid the table editors place (the column grid), and the description of
// its columns from which a window builds it. The windows name columns by
// their place in the full list, hidden ones included.
using TTable_Grid = VIdiDidireDedu;

struct TTable_Column
{
    int Header;           // text number of the header
    int Hint;             // text number of the header hint; 0 for none
    TEditorType Editor;   // edNormal, edComboList, edComboEdit or edDataCheckBox ("Y"/"N")
    int Width;            // pixels
    TColor Color;         // clNone: the grid's own
    bool Shown;           // shown after the window's layout is set
    QStringList Items;    // drop-down items
};

// A grid with the table editors' settings: a fixed header row 22 pixels high
// and a fixed first column, grid lines, range selection, sizable columns,
// editing, hints; one column per entry with its width and colour.
TTable_Grid *Make_Table_Grid(QWidget *Parent, const char *Name, std::span<const TTable_Column> Columns);
// A page of Pages holding one such grid that fills it.
QWidget *Make_Table_Page(QTabWidget *Pages, const char *Name, TTable_Grid *&Grid, const char *Grid_Name,
                         std::span<const TTable_Column> Columns);
// The headers' texts: through the column items (which also fill row 0 and
// the grid's header list), or straight into the row-0 cells.
enum class THeader_Way { hwItems, hwCells };
void Set_Table_Headers(TTable_Grid *Grid, std::span<const TTable_Column> Columns, THeader_Way Way);
// Row count, and every column hidden or shown as its entry says (repeatable).
void Set_Table_Layout(TTable_Grid *Grid, std::span<const TTable_Column> Columns, int Row_Count);
// Every data row: its number in column 0, every other stored column empty.
void Clear_Table_Rows(TTable_Grid *Grid);
// The drop-down items of one column.
void Set_Column_Items(TTable_Grid *Grid, int Col, const QStringList &Items);
QStringList Column_Items(const TTable_Grid *Grid, int Col);
// The editor kind of a column (by its place in the full list).
TEditorType Column_Editor(const TTable_Grid *Grid, int Col);
// The columns hidden now, as real indexes.
QSet<int> Hidden_Columns(const TTable_Grid *Grid);
// Fits a column (display index) to its widest text, no margin.
void Auto_Size_Column(TTable_Grid *Grid, int Col);

// The row operations' view of a table grid (check-box columns from the grid's columns).
class TTable_Grid_Rows : public TGrid_Rows<TTable_Grid>
{
public:
    explicit TTable_Grid_Rows(TTable_Grid *Grid);
};

// The row buttons of the table editors, on the grid's current row.
// Delete asks first (the question's text number, the row appended); paste
// takes Same_Kind: whether the row clipboard was filled from a grid of this
// grid's kind.
void Table_Delete_Row(TTable_Grid *Grid, int Question, QWidget *Parent);
void Table_Insert_Row(TTable_Grid *Grid, QWidget *Parent);
void Table_Copy_Row(TTable_Grid *Grid);
void Table_Paste_Row(TTable_Grid *Grid, bool Same_Kind, QWidget *Parent);

// Cells of the grid to and from a table of the same layout.
void Table_To_Grid(const TCellTable &Table, TTable_Grid *Grid);
void Grid_To_Table(TTable_Grid *Grid, TCellTable &Table);
