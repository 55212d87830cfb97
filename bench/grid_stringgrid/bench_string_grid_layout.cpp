// Loading the largest column-states text a file may hold (65,536 columns)
// into a string grid, in orders that make the columns travel far: the same
// order (nothing moves), reversed, and shuffled, each with every third
// column hidden. Also the text written back. The grid is made and sized
// outside the timing; the time of one load is the counter "load_s".
#include "grid/model/GridLayout.h"
#include "grid/stringgrid/RIraRevadiVizo.h"
#include <benchmark/benchmark.h>
#include <algorithm>
#include <chrono>
#include <numeric>
#include <random>

namespace {
constexpr int Columns = Layout_Max_Columns;

enum TOrder { oIdentity, oReversed, oShuffled };

QString States_Text(TOrder Kind)
{
    TColumnStates S;
    S.Count = Columns;
    S.Order.resize(Columns);
    std::iota(S.Order.begin(), S.Order.end(), 0);
    if (Kind == oReversed)
        std::reverse(S.Order.begin(), S.Order.end());
    else if (Kind == oShuffled)
        std::shuffle(S.Order.begin(), S.Order.end(), std::mt19937(18));
    for (int I = 0; I < Columns; ++I) {
        S.Widths.push_back(20 + I % 50);
        S.Visible.push_back(I % 3 != 1);
    }
    return Column_States_To_String(S);
}

// The count, order and visibility sections of a column-states text.
QStringList Sections(const QString &Text)
{
    QStringList S = Text.split(QLatin1Char('#'));
    if (S.size() == 4)
        S.removeAt(1);
    return S;
}

void BM_Load_Column_States(benchmark::State &State)
{
    const QString Text = States_Text(static_cast<TOrder>(State.range(0)));
    double Load = 0;
    for (auto _ : State) {
        RIraRevadiVizo G;
        G.Set_RowCount(3);
        G.Set_ColCount(Columns);
        const auto T0 = std::chrono::steady_clock::now();
        const bool Ok = G.StringToColumnStates(Text);
        Load = std::chrono::duration<double>(std::chrono::steady_clock::now() - T0).count();
        // The order and the visibility come back as written (the widths of
        // hidden columns are written as the default width).
        if (!Ok || Sections(G.ColumnStatesToString()) != Sections(Text))
            State.SkipWithError("not loaded as written");
    }
    State.counters["load_s"] = Load;
}

void BM_Write_Column_States(benchmark::State &State)
{
    RIraRevadiVizo G;
    G.Set_RowCount(3);
    G.Set_ColCount(Columns);
    G.StringToColumnStates(States_Text(oShuffled));
    for (auto _ : State)
        benchmark::DoNotOptimize(G.ColumnStatesToString());
}

BENCHMARK(BM_Load_Column_States)->ArgName("order")->Arg(oIdentity)->Arg(oReversed)->Arg(oShuffled)
    ->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Write_Column_States)->Unit(benchmark::kMillisecond);
} // namespace
