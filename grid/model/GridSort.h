#pragma once
#include "grid/model/GridTypes.h"
#include <QString>
#include <QStringView>
#include <functional>
#include <utility>
#include <vector>

// Sorting rows by their cell texts, apart from any window: how two texts of a
// column compare in each sort style, and the order of a row range under a
// list of sort columns. The grid reads the texts and applies the order (cells,
// heights, flags, the unsort reference).
//
// Every comparison is a strict weak order, so a sort never meets a cycle: in
// the number and date styles a text that does not convert (an empty one
// included) sorts after every converted value, and such texts tie; the
// automatic style ranks numbers before dates and times, and those before
// other texts, whichever cell is compared first.

enum TSortBlankPosition { blFirst, blLast };

struct TSortCompareOptions {
    bool IgnoreCase = false;     // the automatic style compares other texts without case
    bool IgnoreBlanks = false;   // an empty cell goes first or last whatever the direction
    TSortBlankPosition BlankPos = blFirst;
};

struct TSortColumnRule {
    TSortStyle Style = ssAutomatic;
    QString Prefix;   // removed once from a number text before it converts
    QString Suffix;
};

// One cell's comparable form, made once per cell.
struct TSortKey {
    enum TRank : unsigned char { rkNumber, rkDate, rkNone, rkText };
    TRank Rank = rkText;
    bool Blank = false;   // the cell's text was empty
    bool Locale = false;  // compare Text through the locale's collation
    bool NoCase = false;  // ... without regard to case
    double Value = 0;
    QString Text;
};

TSortKey Make_Sort_Key(const QString &Text, const TSortColumnRule &Rule, const TSortCompareOptions &Options);
// A key that compares by a number (check box states, image indexes).
TSortKey Make_Number_Key(double Value, bool Blank = false);
// -1, 0 or 1 in ascending order, blanks not yet placed.
int Compare_Sort_Keys(const TSortKey &A, const TSortKey &B);
// Two texts of one column in the given direction, blanks placed.
int Compare_Sort_Texts(const QString &A, const QString &B, const TSortColumnRule &Rule,
                       const TSortCompareOptions &Options, bool Descending = false);

// A sort column: where its texts come from and how they compare.
struct TSortKeyColumn {
    bool Descending = false;
    TSortColumnRule Rule;
    std::function<QString(int Row)> Text;
    // Set when the texts can be read in place: true with View set to what
    // Text(Row) gives (Room holds at least 16 units; the view lives until the
    // next call), false when Text must be asked. A sort of a million rows
    // then builds no string for a number.
    std::function<bool(int Row, char16_t *Room, QStringView &View)> View;
    // Optional: fetches a row's cell ahead of its read (see View).
    std::function<void(int Row)> Prefetch;
    // Set for check boxes and images: the row's number replaces its text.
    std::function<double(int Row)> Number;
    // Set for custom and raw comparisons: decides alone (-1, 0, 1 ascending).
    std::function<int(int RowA, int RowB)> Compare;
};

struct TSortRequest {
    int From = 0;   // rows From..To, inclusive
    int To = -1;
    std::vector<TSortKeyColumn> Columns;   // the first decides; ties go on
    bool Full = true;   // false: only the first column decides
    TSortCompareOptions Options;
};

// New position From + I takes old row Order[I]. Rows that tie keep their
// order (callers must not rely on it).
std::vector<int> Sort_Row_Order(const TSortRequest &Request);

// The order that puts rows back where the reference says they came from:
// Reference[I] is the original position of the row now at I.
std::vector<int> Unsort_Row_Order(const std::vector<int> &Reference);

// The sort settings' string form: "u3" ascending on column 3, "d3"
// descending (any text without a "u" descends), "i;u1;d2" sort keys.
struct TSortSettingsText {
    bool Indexed = false;
    bool Descending = false;
    bool Has_Column = false;   // false: the column did not read (only the direction changes)
    int Column = -1;
    std::vector<std::pair<int, bool>> Keys;   // column, descending
};
// Raises std::runtime_error "Invalid sort settings
// specifier" for a text shorter than 2 characters or a key that does not read.
TSortSettingsText Parse_Sort_Settings(const QString &Value);
QString Sort_Settings_To_String(const TSortSettingsText &Sort);
