#pragma once
#include "grid/model/FilterExpr.h"
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

struct TFormatSettings;

// The row filter's conditions and the test of one row against them, apart
// from any window: the grid hands over a reader for the texts an item asks
// for, so the same test runs on a model, a file or a benchmark.

enum TFilterOperation { foSHORT, foNONE, foAND, foXOR, foOR };
enum TFilterCells { fcVirtual, fcNormal, fcStripHTML, fcCalculated, fcRow };
enum TFilterMethod { fmExpression, fmLiteral };

struct TFilterData {
    short Column = 0;             // display column whose cells are tested
    QString Condition;            // empty matches every row
    bool CaseSensitive = true;
    QString Suffix;               // cut from the end of the text first
    QString Prefix;               // cut from the start of the text first
    TFilterOperation Operation = foAND;
    TFilterCells Data = fcVirtual;
    TFilterMethod Method = fmExpression;
    friend bool operator==(const TFilterData &, const TFilterData &) = default;
};

class TFilter {
public:
    // A new item: foNONE when it is the first, foAND otherwise.
    TFilterData &Add();
    void Clear() { FItems.clear(); }
    int Count() const { return static_cast<int>(FItems.size()); }
    TFilterData &Items(int I) { return FItems[static_cast<size_t>(I)]; }
    const TFilterData &Items(int I) const { return FItems[static_cast<size_t>(I)]; }
    // The first item of a column; one is added when the column has none.
    TFilterData &GetColFilter(int Col);
    bool HasColFilter(int Col) const;
    // Removes every item of the column.
    void RemoveColumnFilter(int Col);
    auto begin() const { return FItems.begin(); }
    auto end() const { return FItems.end(); }

private:
    std::vector<TFilterData> FItems;
};

// The text an item tests, as the grid reads it for the row being tested
// (for fcRow: every cell's text followed by a line break).
using TFilterTextReader = std::function<QString(const TFilterData &Item)>;

// One item's verdict on the text it tests (trimmed and decoded first;
// prefix and suffix cut; an error while matching is no match).
bool Filter_Item_Matches(const TFilterData &Item, const QString &Text);
// The verdicts of every item combined in collection order (the result starts
// true; foSHORT ends the test at its first false verdict).
bool Filter_Row_Matches(const TFilter &Filter, const TFilterTextReader &Text);

// Room for the text of one cell while a reader hands it over as a view:
// into the cell store, into Units (an inline text) or into Text.
struct TFilterText {
    char16_t Units[16];
    QString Text;
};
using TFilterViewReader = std::function<QStringView(const TFilterData &Item, TFilterText &Room)>;

// The filter made ready for one pass over many rows: each item's condition
// read once. It tests rows with the same answers as Filter_Row_Matches on
// the items as they were when it was made (it keeps its own copy of them).
class TFilterPass {
public:
    explicit TFilterPass(const TFilter &Filter);
    ~TFilterPass();
    bool Row_Matches(const TFilterViewReader &Text) const;
    // Whether this pass answers as one made now from Filter would: the same
    // items, and the same number and date formats its operands were read with.
    bool Made_From(const TFilter &Filter) const;
    int Count() const { return static_cast<int>(FItems.size()); }
    bool Item_Matches(int Index, QStringView Text) const;

private:
    struct TItem {
        TFilterData Data;
        QString Upper_Condition;            // fcRow: the condition upper-cased
        std::optional<TFilterExpr> Expr;    // fmExpression with a condition
    };
    std::vector<TItem> FItems;
    std::unique_ptr<TFormatSettings> FSettings;   // as they were when made
};

// The item NarrowDown makes for a typed text: every column (fcRow, the text
// as typed) or one column (fcNormal, "*text*", in double quotes when it holds
// a blank), never case-sensitive.
TFilterData Narrow_Down_Item(const QString &Text, int Column);

// A drop-down entry "name=condition" split at its first "="; without one the
// entry is both. A condition equal to Clear becomes empty.
void Split_Filter_Entry(const QString &Entry, const QString &Clear, QString &Name, QString &Condition);
// The entry listed for a cell text: the text, or text="text" when it holds a blank.
QString Filter_Entry_For(const QString &Text);
