#include "grid/model/GridCalc.h"
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
