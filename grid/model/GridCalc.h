#pragma once
#include <QString>
#include <QStringList>
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
