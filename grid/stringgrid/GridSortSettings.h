#pragma once
#include "grid/model/GridSort.h"
#include "platform/Colors.h"
#include <QImage>
#include <QString>
#include <functional>
#include <vector>

enum TSortDirection { sdAscending, sdDescending };
enum TIndexSortKey { ikShift, ikCtrl };

// How the grid sorts and shows its sort marks in the header row. Most values
// are plain fields the sort reads; the ones the grid draws from tell it
// through the hooks below, and only when they change. The string form
// ("u3", "d3", "i;u1;d2") is read by the Core parser, so the fuzzed reader
// and this object cannot drift apart.
class TSortSettings {
public:
    TSortSettings() = default;
    // Copies would carry the hooks to another grid; Assign copies values.
    TSortSettings(const TSortSettings &) = delete;
    TSortSettings &operator=(const TSortSettings &) = delete;

    int Column = -1;
    TSortDirection Direction = sdAscending;
    bool IndexShow = false;   // an indexed sort is shown
    TColor IndexColor = clYellow;
    TIndexSortKey IndexSortKey = ikShift;
    // Ties are decided by the columns to the right.
    bool Full = true;
    // Only the sort column's cells move.
    bool SingleColumn = false;
    bool IgnoreBlanks = false;
    bool IgnoreCase = false;
    bool UndoSort = false;
    // Column 0 keeps its cells while rows move (with fixed columns).
    bool NormalCellsOnly = false;
    bool FixedCols = false;
    bool AutoColumnMerge = false;
    TSortBlankPosition BlankPos = blFirst;
    // The comparison style is found from the texts.
    bool AutoFormat = true;
    bool AutoSortForGrouping = true;
    // Texts are read as displayed.
    bool SortOnVirtualCells = true;
    TSortDirection InitSortDirection = sdAscending;
    QImage UpGlyph, DownGlyph, IndexUpGlyph, IndexDownGlyph;
    // Multi-column sort keys (the grid's SortIndexes): real columns in key
    // order, with their directions.
    std::vector<int> IndexColumns;
    std::vector<TSortDirection> IndexDirections;

    bool Show() const { return FShow; }
    void Set_Show(bool V);   // the grid repaints
    // The header row that shows the marks; EDarAzidError "Sort row should be
    // smaller than number of fixed rows" unless it lies within the fixed rows.
    int Row() const { return FRow; }
    void Set_Row(int V);
    TColor HeaderColor() const { return FHeader[0]; }
    void Set_HeaderColor(TColor V) { Set_Header(0, V); }
    TColor HeaderColorTo() const { return FHeader[1]; }
    void Set_HeaderColorTo(TColor V) { Set_Header(1, V); }
    TColor HeaderMirrorColor() const { return FHeader[2]; }
    void Set_HeaderMirrorColor(TColor V) { Set_Header(2, V); }
    TColor HeaderMirrorColorTo() const { return FHeader[3]; }
    void Set_HeaderMirrorColorTo(TColor V) { Set_Header(3, V); }
    // The four header colours at once, telling the grid once.
    void Set_HeaderColors(TColor Color, TColor ColorTo, TColor Mirror, TColor MirrorTo);

    void ToggleDirection() { Direction = Direction == sdAscending ? sdDescending : sdAscending; }
    // No sort column, no sort keys; the header row repaints.
    void Remove();
    // "i;" and the keys while an indexed sort is shown, else "u" or "d" and the column.
    QString SaveToString() const;
    // Shows the sort and sorts the grid by the text; an empty text does
    // nothing. EDarAzidError "Invalid sort settings specifier" for a text
    // shorter than two characters or a key that does not read; a column that
    // does not read changes only Show, IndexShow and Direction.
    void LoadFromString(const QString &Value);
    // Every value except IgnoreCase, SortOnVirtualCells and the sort keys;
    // no hook is told.
    void Assign(const TSortSettings &Source);

    // Set by the owning grid.
    std::function<int()> FixedRowsOf;         // for the Row check
    std::function<void()> OnRepaint;          // the whole grid
    std::function<void()> OnHeaderRepaint;    // the last fixed row
    std::function<void()> OnSort;             // QSort
    std::function<void()> OnSortIndexed;      // QSortIndexed

private:
    void Set_Header(int I, TColor V);
    bool FShow = false;
    int FRow = 0;
    TColor FHeader[4] = {clNone, clNone, clNone, clNone};
};
