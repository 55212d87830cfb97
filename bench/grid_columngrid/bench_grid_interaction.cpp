// The column grid's costs that grow with the table: fitting a column to the
// widest of many texts (every row is measured, nothing is cached), and the
// item collection following column counts and hidden columns.
#include "grid/columngrid/VIdiDidireDedu.h"
#include <benchmark/benchmark.h>

namespace {
void BM_AutoSizeCol(benchmark::State &State)
{
    const int Rows = static_cast<int>(State.range(0));
    VIdiDidireDedu G;
    G.Set_ColCount(3);
    G.Set_RowCount(Rows);
    for (int R = 1; R < Rows; ++R)
        G.Set_Cells(1, R, QStringLiteral("device %1 at 192.168.%2.%3").arg(R).arg(R % 256).arg(R % 100));
    for (auto _ : State)
        G.AutoSizeCol(1, 0);
    State.SetItemsProcessed(State.iterations() * Rows);
}
BENCHMARK(BM_AutoSizeCol)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_ColumnItemsFollowCounts(benchmark::State &State)
{
    const int Cols = static_cast<int>(State.range(0));
    VIdiDidireDedu G;
    for (auto _ : State) {
        G.Set_ColCount(Cols);
        for (int C = 1; C < Cols; C += 2)
            G.HideColumn(C);
        G.UnHideColumnsAll();
        G.Set_ColCount(2);
    }
    State.SetItemsProcessed(State.iterations() * Cols);
}
BENCHMARK(BM_ColumnItemsFollowCounts)->Arg(100)->Arg(400)->Unit(benchmark::kMillisecond);
} // namespace
