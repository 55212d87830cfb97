#pragma once
#include "grid/model/FilterExpr.h"
#include "platform/Rect.h"
#include "platform/Set.h"
#include <QString>
#include <functional>
#include <optional>

// The find engine's walk and cell test, apart from any window: the grid
// gives the range (display indexes, bounds inclusive), a reader of cell
// texts and the parameters; the walk answers the first matching cell.

enum TFindParam {
    fnMatchCase, fnMatchFull, fnMatchRegular, fnDirectionLeftRight, fnMatchStart, fnFindInCurrentRow,
    fnFindInCurrentCol, fnIncludeFixed, fnAutoGoto, fnIgnoreHTMLTags, fnBackward, fnIncludeHiddenColumns,
    fnFindInPresetCol, fnFindInPresetRow, fnSelectedCells, fnIncludeHiddenRows
};
using TFindParams = TSet<TFindParam>;

struct TFindRange {
    int Left = 0;
    int Top = 0;
    int Right = -1;
    int Bottom = -1;
    bool Empty() const { return Right < Left || Bottom < Top; }
};

struct TFindWalk {
    TFindRange Range;
    bool RowByRow = false;   // along a row, then the next row; else down a column
    bool Backward = false;
    // Columns passed over when walking row by row (nullptr: none).
    std::function<bool(int Col)> Ignored;
    // Called with the row of every visited cell, before its test.
    std::function<void(int Row)> Visit;
};

// Walks from the cell after Start ((-1, -1): from the first cell of the walk)
// to the end of the range, without wrapping: past the last cell the answer is
// (-1, -1), and a walk from (-1, -1) begins at the first cell again. A start
// outside the range begins at the first cell too.
TPoint Find_Walk(const TFindWalk &Walk, TPoint Start, const std::function<bool(int Col, int Row)> &Matches);

// The search text as the test compares it: upper-cased unless fnMatchCase.
QString Prepare_Search_Text(const QString &Text, TFindParams Params);
// Whether a cell text matches the prepared search text: "" (two double
// quotes) matches an empty cell; fnMatchRegular evaluates a filter
// expression; otherwise contained (fnMatchStart: at the start; fnMatchFull:
// equal). The cell text is stripped of tags with fnIgnoreHTMLTags.
bool Find_Text_Matches(const QString &CellText, const QString &Prepared, const QString &Original, TFindParams Params);
// The cell test made ready for a walk over many cells: the same answers as
// Find_Text_Matches with the text prepared by Prepare_Search_Text, without
// an upper-cased copy of every cell (letter case is ignored unit by unit,
// see CaseBlind.h) and with an expression read once.
class TFindMatcher {
public:
    TFindMatcher(const QString &Text, TFindParams Params);
    bool Matches(QStringView CellText) const;

private:
    QString FOriginal;
    QString FPrepared;
    TFindParams FParams;
    bool FEmpty_Cell;   // the text is "" (two double quotes): empty cells match
    std::optional<TFilterExpr> FExpr;
};

// Every occurrence of From in Text replaced by To, with letter case
// ignored unless CaseSensitive; Count gets the number of replacements.
QString Replace_Text(const QString &Text, const QString &From, const QString &To, bool CaseSensitive, int *Count = nullptr);
