#pragma once
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// Column calculations of group and footer rows over the texts of a range of
// cells. They never raise: a cell that holds no number (text, empty) is
// passed over, and the minimum, maximum, average and standard deviation are
// taken over the cells that held one (0 when none did).

enum TGroupCalcMethod { gcSum = 1, gcAvg, gcMin, gcMax, gcCount, gcCustom, gcDistinct, gcStdDev };

// The number a cell text holds (locale separators as the typed access reads
// them); nothing for an empty or non-numeric text.
std::optional<double> Cell_Number(const QString &Text);

struct TColumnStats {
    int Numbers = 0;   // cells that held a number
    double Sum = 0;
    double Min = 0;
    double Max = 0;
    double Avg() const { return Numbers ? Sum / Numbers : 0; }
    double StdDev = 0;   // population form over the numbers
};
TColumnStats Column_Stats(const QStringList &Texts);
// Different texts, letter case ignored, the empty text included.
int Column_Distinct(const QStringList &Texts);
// The value of one method (gcSum..gcMax, gcDistinct, gcStdDev) over the texts;
// nothing for gcCount, gcCustom and unknown methods.
std::optional<double> Column_Calc(int Method, const QStringList &Texts);

// ---- the grid's column and row calculations over a range of cells ---------------------
// Cells From..To of a column (or a row). Number reads a cell as the typed
// access does (empty and "-" as 0) and raises EDarAzidError for any other
// text that is not a number; Counted says whether a cell takes part in sums
// and extremes (not a node or summary row, the base cell of its block).
struct TRangeCells {
    std::function<bool(int I)> Counted;
    std::function<double(int I)> Number;
};
// Sum of the counted cells that hold numbers (others passed over).
double Range_Sum(int From, int To, const TRangeCells &Cells);
// The sum over every cell of the range, skipped ones included ("2, 4, abc"
// gives 2); 0 for an empty range.
double Range_Avg(int From, int To, const TRangeCells &Cells);
// From the first cell's number (raises when it holds none), then the
// smallest (largest) counted number; the first cell's number alone for an
// empty range.
double Range_Min(int From, int To, const TRangeCells &Cells);
double Range_Max(int From, int To, const TRangeCells &Cells);
// Population standard deviation around Range_Avg over every cell (each must
// read as a number); 0 for an empty range.
double Range_StdDev(int From, int To, const TRangeCells &Cells);
