// Filling and painting a large grid: the platform grid and the base grid,
// against QTableWidget doing the same in the same run.
#include "grid/base/BaseGrid.h"
#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QPainter>
#include <QTableWidget>
#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>

namespace {
constexpr int Cols = 10;
constexpr int Width = 800;
constexpr int Height = 600;

double Seconds_Per_Iteration(std::chrono::steady_clock::time_point Start, benchmark::State &State)
{
    const double S = std::chrono::duration<double>(std::chrono::steady_clock::now() - Start).count();
    return S / std::max<double>(1, static_cast<double>(State.iterations()));
}

double Grid_Fill = 0;
double Grid_Paint = 0;

std::unique_ptr<TBaseGrid> Make_Grid(int Rows)
{
    auto G = std::make_unique<TBaseGrid>();
    G->Set_ColCount(Cols);
    G->Set_RowCount(Rows);
    G->resize(Width, Height);
    G->show();
    return G;
}

void Fill_Grid(TBaseGrid &G, int Rows)
{
    for (int R = 0; R < Rows; ++R)
        for (int C = 0; C < Cols; ++C)
            G.SetCellEx(C, R, QString::number(R * Cols + C));
}

// One full viewport, at the top and at the bottom of the grid.
void BM_BaseGrid_Paint(benchmark::State &State)
{
    const int Rows = static_cast<int>(State.range(0));
    auto G = Make_Grid(Rows);
    Fill_Grid(*G, Rows);
    G->MergeCells(2, Rows - 5, 2, 2);
    QImage Img(Width, Height, QImage::Format_RGB32);
    bool Bottom = false;
    for (auto _ : State) {
        G->Set_TopRow(Bottom ? Rows : 1);
        Bottom = !Bottom;
        QPainter P(&Img);
        TPainterCanvas C(P);
        G->Paint_On(C);
    }
    if (Rows == 100000)
        State.counters["cells_painted_per_pass"] = (G->VisibleRowCount() + 2) * Cols;
}

void BM_BaseGrid_Fill(benchmark::State &State)
{
    const int Rows = static_cast<int>(State.range(0));
    double Total = 0;
    for (auto _ : State) {
        State.PauseTiming();
        auto G = Make_Grid(Rows);
        State.ResumeTiming();
        const auto T0 = std::chrono::steady_clock::now();
        Fill_Grid(*G, Rows);
        Total += std::chrono::duration<double>(std::chrono::steady_clock::now() - T0).count();
        State.PauseTiming();
        G.reset();
        State.ResumeTiming();
    }
    Grid_Fill = Total / std::max<double>(1, static_cast<double>(State.iterations()));
}

void BM_BaseGrid_Render(benchmark::State &State)
{
    const int Rows = static_cast<int>(State.range(0));
    auto G = Make_Grid(Rows);
    Fill_Grid(*G, Rows);
    QImage Img(Width, Height, QImage::Format_RGB32);
    const auto Start = std::chrono::steady_clock::now();
    for (auto _ : State)
        G->render(&Img);
    Grid_Paint = Seconds_Per_Iteration(Start, State);
}

void BM_QTableWidget_Fill(benchmark::State &State)
{
    const int Rows = static_cast<int>(State.range(0));
    double Total = 0;
    for (auto _ : State) {
        State.PauseTiming();
        auto T = std::make_unique<QTableWidget>(Rows, Cols);
        T->resize(Width, Height);
        T->show();
        State.ResumeTiming();
        const auto T0 = std::chrono::steady_clock::now();
        for (int R = 0; R < Rows; ++R)
            for (int C = 0; C < Cols; ++C)
                T->setItem(R, C, new QTableWidgetItem(QString::number(R * Cols + C)));
        Total += std::chrono::duration<double>(std::chrono::steady_clock::now() - T0).count();
        State.PauseTiming();
        T.reset();
        State.ResumeTiming();
    }
    const double Table = Total / std::max<double>(1, static_cast<double>(State.iterations()));
    if (Grid_Fill > 0)
        State.counters["table_over_grid"] = Table / Grid_Fill;
}

void BM_QTableWidget_Render(benchmark::State &State)
{
    const int Rows = static_cast<int>(State.range(0));
    QTableWidget T(Rows, Cols);
    for (int R = 0; R < Rows; ++R)
        for (int C = 0; C < Cols; ++C)
            T.setItem(R, C, new QTableWidgetItem(QString::number(R * Cols + C)));
    T.resize(Width, Height);
    T.show();
    QImage Img(Width, Height, QImage::Format_RGB32);
    const auto Start = std::chrono::steady_clock::now();
    for (auto _ : State)
        T.render(&Img);
    const double Table = Seconds_Per_Iteration(Start, State);
    if (Grid_Paint > 0)
        State.counters["table_over_grid"] = Table / Grid_Paint;
}
} // namespace

// Paint cost must stay flat from a thousand to a hundred thousand rows.
BENCHMARK(BM_BaseGrid_Paint)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BaseGrid_Fill)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_QTableWidget_Fill)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_BaseGrid_Render)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_QTableWidget_Render)->Arg(100000)->Unit(benchmark::kMicrosecond);
