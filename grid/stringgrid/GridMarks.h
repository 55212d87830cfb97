#pragma once
#include <QString>
#include <map>
#include <tuple>

// The cells a marking pass reads and writes. Columns count hidden ones
// (real columns); rows are display rows, and Real_Row names the row a mark
// is remembered by, so a mark survives hiding and showing rows.
class IGridMarkCells {
public:
    virtual ~IGridMarkCells() = default;
    virtual int Row_Count() const = 0;
    virtual int Col_Count() const = 0;
    // Only the first cell of a merged range is marked.
    virtual bool Is_Base_Cell(int ACol, int ARow) const = 0;
    virtual QString Cell_Text(int ACol, int ARow) = 0;
    virtual void Set_Cell_Text(int ACol, int ARow, const QString &Value) = 0;
    virtual int Real_Row(int ARow) const = 0;
    // Around a pass: the grid batches its repaints.
    virtual void Begin_Pass() {}
    virtual void End_Pass() {}
};

// A rectangle of cells, both corners included; parts outside the grid are skipped.
struct TMarkRange {
    int FromCol = 0;
    int FromRow = 0;
    int ToCol = 0;
    int ToRow = 0;
};

// Highlighting and marking of a search text in cells, by tag ("hi" for
// highlights, "e" for marks). Each marked cell's text before and after
// marking is remembered, so unmarking gives exactly the old text back and
// never touches a cell it did not mark, even when the text held tags of its own.
// A mark is found by its cell first and else by the marked text itself, so it
// follows its cell when rows are inserted, deleted, moved, sorted or grouped.
class TGridMarks {
public:
    void Mark(IGridMarkCells &Cells, const QString &HiText, const QString &Tag, bool DoCase, const TMarkRange &R);
    void Unmark(IGridMarkCells &Cells, const QString &Tag, const TMarkRange &R);
    bool Empty() const { return FMarked.empty(); }
    int Count() const { return static_cast<int>(FMarked.size()); }
    bool Is_Marked(const QString &Tag, int ACol, int ARealRow) const
    {
        return FMarked.count(std::make_tuple(Tag, ACol, ARealRow)) != 0;
    }

private:
    struct TMarkedCell {
        QString Original;
        QString Marked;
    };
    using TKey = std::tuple<QString, int, int>;
    void Remember(const TKey &Key, const QString &Original, const QString &Marked);
    void Forget(std::map<TKey, TMarkedCell>::iterator It);
    // The text before marking of a cell that now reads Current, wherever it
    // was marked; nullptr when no mark made that text.
    const QString *Original_Of(const QString &Tag, const QString &Current) const;

    // Keyed by tag, real column and real row.
    std::map<TKey, TMarkedCell> FMarked;
    // The same marks by tag and marked text: the text before marking and how
    // many marked cells read so.
    std::map<std::pair<QString, QString>, std::pair<QString, int>> FByText;
};
