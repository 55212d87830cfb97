#include "grid/model/GridCalc.h"
#include "grid/model/DarAzidError.h"
#include "grid/model/TextRoutines.h"
#include <QSet>
#include <cmath>

std::optional<double> Cell_Number(const QString &Text)
{
    const QString S = Text.trimmed();
    if (S.isEmpty())
        return std::nullopt;
    const QString N = NormalizeNumberText(S);
    bool Ok = false;
    const double V = N.toDouble(&Ok);
    if (!Ok || N.isEmpty() || !std::isfinite(V))
        return std::nullopt;
    return V;
}

TColumnStats Column_Stats(const QStringList &Texts)
{
    TColumnStats S;
    std::vector<double> Values;
    Values.reserve(static_cast<size_t>(Texts.size()));
    for (const QString &T : Texts)
        if (const auto V = Cell_Number(T))
            Values.push_back(*V);
    S.Numbers = static_cast<int>(Values.size());
    if (Values.empty())
        return S;
    S.Min = S.Max = Values.front();
    for (double V : Values) {
        S.Sum += V;
        S.Min = std::min(S.Min, V);
        S.Max = std::max(S.Max, V);
    }
    const double Mean = S.Sum / S.Numbers;
    double Sq = 0;
    for (double V : Values)
        Sq += (V - Mean) * (V - Mean);
    S.StdDev = std::sqrt(Sq / S.Numbers);
    return S;
}

int Column_Distinct(const QStringList &Texts)
{
    QSet<QString> Seen;
    for (const QString &T : Texts)
        Seen.insert(T.toUpper());
    return static_cast<int>(Seen.size());
}

std::optional<double> Column_Calc(int Method, const QStringList &Texts)
{
    switch (Method) {
    case gcDistinct: return Column_Distinct(Texts);
    case gcSum: return Column_Stats(Texts).Sum;
    case gcAvg: return Column_Stats(Texts).Avg();
    case gcMin: return Column_Stats(Texts).Min;
    case gcMax: return Column_Stats(Texts).Max;
    case gcStdDev: return Column_Stats(Texts).StdDev;
    default: return std::nullopt;
    }
}

// ---- range calculations ----------------------------------------------------------------------

namespace {
bool Counted(const TRangeCells &Cells, int I) { return !Cells.Counted || Cells.Counted(I); }

std::optional<double> Try_Number(const TRangeCells &Cells, int I)
{
    try {
        return Cells.Number(I);
    } catch (const EDarAzidError &) {
        return std::nullopt;
    }
}

template <typename Better> double Range_Extreme(int From, int To, const TRangeCells &Cells, Better Take)
{
    double V = Cells.Number(From);
    for (int I = From + 1; I <= To; ++I)
        if (Counted(Cells, I))
            if (const auto X = Try_Number(Cells, I); X && Take(*X, V))
                V = *X;
    return V;
}
} // namespace

double Range_Sum(int From, int To, const TRangeCells &Cells)
{
    double S = 0;
    for (int I = From; I <= To; ++I)
        if (Counted(Cells, I))
            S += Try_Number(Cells, I).value_or(0);
    return S;
}

double Range_Avg(int From, int To, const TRangeCells &Cells)
{
    if (To < From)
        return 0;
    return Range_Sum(From, To, Cells) / (To - From + 1);
}

double Range_Min(int From, int To, const TRangeCells &Cells)
{
    return Range_Extreme(From, To, Cells, [](double X, double V) { return X < V; });
}

double Range_Max(int From, int To, const TRangeCells &Cells)
{
    return Range_Extreme(From, To, Cells, [](double X, double V) { return X > V; });
}

double Range_StdDev(int From, int To, const TRangeCells &Cells)
{
    if (To < From)
        return 0;
    const double A = Range_Avg(From, To, Cells);
    double Sq = 0;
    for (int I = From; I <= To; ++I) {
        const double D = Cells.Number(I) - A;
        Sq += D * D;
    }
    return std::sqrt(Sq / (To - From + 1));
}
