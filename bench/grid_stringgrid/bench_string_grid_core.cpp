// The string grid against QTableWidget in one run: a million rows of ten
// columns filled and read back, and every other row hidden and shown again.
// Each grid benchmark prints its time over QTableWidget's as a counter
// (*_vs_table: below 1 means the string grid is faster). QTableWidget hides
// rows one at a time and needs minutes for the half million here.
//
// Filling is measured on its own (BM_Fill_Million): QTableWidget, the grid
// and the floor (a plain loop storing the same texts in a contiguous
// std::vector<QString>) take turns after one warm-up turn each, so no side
// fills memory that is fresh while another reuses memory just freed (the
// first write to a fresh page costs about 10 us here). Printed: the median
// of each side, grid/table and grid/floor (goal: at most 1.5).
#include "grid/stringgrid/RIraRevadiVizo.h"
#include <QApplication>
#include <QTableWidget>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>
#include <vector>

namespace {
constexpr int Rows = 1000000;
constexpr int Cols = 10;

double Seconds_Since(std::chrono::steady_clock::time_point T0)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - T0).count();
}

QString Text(int R, int C) { return QString::number(R * Cols + C); }

double Table_Fill = 0, Table_Read = 0, Table_Hide = 0, Table_Unhide = 0;

void BM_QTableWidget_Million(benchmark::State &State)
{
    for (auto _ : State) {
        auto T = std::make_unique<QTableWidget>(Rows, Cols);
        auto T0 = std::chrono::steady_clock::now();
        for (int R = 0; R < Rows; ++R)
            for (int C = 0; C < Cols; ++C)
                T->setItem(R, C, new QTableWidgetItem(Text(R, C)));
        Table_Fill = Seconds_Since(T0);
        T0 = std::chrono::steady_clock::now();
        long long Length = 0;
        for (int R = 0; R < Rows; ++R)
            for (int C = 0; C < Cols; ++C)
                Length += T->item(R, C)->text().size();
        Table_Read = Seconds_Since(T0);
        benchmark::DoNotOptimize(Length);
        T0 = std::chrono::steady_clock::now();
        for (int R = 1; R < Rows; R += 2)
            T->setRowHidden(R, true);
        Table_Hide = Seconds_Since(T0);
        T0 = std::chrono::steady_clock::now();
        for (int R = 1; R < Rows; R += 2)
            T->setRowHidden(R, false);
        Table_Unhide = Seconds_Since(T0);
    }
    State.counters["fill_s"] = Table_Fill;
    State.counters["read_s"] = Table_Read;
    State.counters["hide_s"] = Table_Hide;
    State.counters["unhide_s"] = Table_Unhide;
}

void BM_StringGrid_Million(benchmark::State &State)
{
    double Fill = 0, Read = 0, Hide = 0, Unhide = 0;
    for (auto _ : State) {
        auto G = std::make_unique<RIraRevadiVizo>();
        G->Set_ColCount(Cols);
        G->Set_RowCount(Rows);
        auto T0 = std::chrono::steady_clock::now();
        G->BeginUpdate();
        for (int R = 0; R < Rows; ++R)
            for (int C = 0; C < Cols; ++C)
                G->Set_Cells(C, R, Text(R, C));
        G->EndUpdate();
        Fill = Seconds_Since(T0);
        T0 = std::chrono::steady_clock::now();
        long long Length = 0;
        for (int R = 0; R < Rows; ++R)
            for (int C = 0; C < Cols; ++C)
                Length += G->Cells(C, R).size();
        Read = Seconds_Since(T0);
        benchmark::DoNotOptimize(Length);
        std::vector<int> Odd;
        Odd.reserve(Rows / 2);
        for (int R = 1; R < Rows; R += 2)
            Odd.push_back(R);
        T0 = std::chrono::steady_clock::now();
        G->HideRowList(Odd);
        Hide = Seconds_Since(T0);
        T0 = std::chrono::steady_clock::now();
        G->UnHideRowList();
        Unhide = Seconds_Since(T0);
        if (G->RowCount() != Rows || G->Cells(3, Rows - 1) != Text(Rows - 1, 3))
            State.SkipWithError("rows did not come back");
    }
    State.counters["fill_s"] = Fill;   // one cold fill; compare fills with BM_Fill_Million
    State.counters["read_s"] = Read;
    State.counters["hide_s"] = Hide;
    State.counters["unhide_s"] = Unhide;
    if (Table_Fill > 0) {
        State.counters["read_vs_table"] = Read / Table_Read;
        State.counters["hide_vs_table"] = Hide / Table_Hide;
        State.counters["unhide_vs_table"] = Unhide / Table_Unhide;
    }
}

double Median(std::vector<double> V)
{
    std::sort(V.begin(), V.end());
    return V[V.size() / 2];
}

void BM_Fill_Million(benchmark::State &State)
{
    constexpr int Rounds = 3;
    auto Fill_Table = [] {
        auto T = std::make_unique<QTableWidget>(Rows, Cols);
        const auto T0 = std::chrono::steady_clock::now();
        for (int R = 0; R < Rows; ++R)
            for (int C = 0; C < Cols; ++C)
                T->setItem(R, C, new QTableWidgetItem(Text(R, C)));
        return Seconds_Since(T0);
    };
    auto Fill_Grid = [] {
        auto G = std::make_unique<RIraRevadiVizo>();
        G->Set_ColCount(Cols);
        G->Set_RowCount(Rows);
        const auto T0 = std::chrono::steady_clock::now();
        G->BeginUpdate();
        for (int R = 0; R < Rows; ++R)
            for (int C = 0; C < Cols; ++C)
                G->Set_Cells(C, R, Text(R, C));
        G->EndUpdate();
        return Seconds_Since(T0);
    };
    auto Fill_Floor = [] {
        const auto T0 = std::chrono::steady_clock::now();
        std::vector<QString> Cells(static_cast<size_t>(Rows) * Cols);
        for (int R = 0; R < Rows; ++R)
            for (int C = 0; C < Cols; ++C)
                Cells[static_cast<size_t>(R) * Cols + static_cast<size_t>(C)] = Text(R, C);
        const double S = Seconds_Since(T0);
        benchmark::DoNotOptimize(Cells.data());
        return S;
    };
    std::vector<double> Table, Grid, Floor;
    for (auto _ : State)
        for (int Round = 0; Round <= Rounds; ++Round) {
            const double T = Fill_Table(), G = Fill_Grid(), F = Fill_Floor();
            if (Round == 0)
                continue;   // the warm-up turn
            Table.push_back(T);
            Grid.push_back(G);
            Floor.push_back(F);
        }
    State.counters["table_ms"] = Median(Table) * 1e3;
    State.counters["grid_ms"] = Median(Grid) * 1e3;
    State.counters["floor_ms"] = Median(Floor) * 1e3;
    State.counters["grid_vs_table"] = Median(Grid) / Median(Table);
    State.counters["grid_vs_floor"] = Median(Grid) / Median(Floor);
}

BENCHMARK(BM_Fill_Million)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QTableWidget_Million)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StringGrid_Million)->Iterations(1)->Unit(benchmark::kMillisecond);
}
