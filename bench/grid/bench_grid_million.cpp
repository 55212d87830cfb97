// A million rows of ten columns: filling, painting at the bottom against the
// top, and the memory the cells take, for the platform string grid and
// QTableWidget in the same run. Each benchmark prints its ratio as a counter:
//   fill_time_vs_table    grid fill time / QTableWidget fill time   (goal <= 0.25)
//   bottom_vs_top         paint time at the bottom / at the top      (goal <= 1.10)
//   memory_vs_table       grid cell memory / QTableWidget's          (goal <= 0.35)
#include "toolkit/StringGrid.h"
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTableWidget>
#include <benchmark/benchmark.h>
#include <chrono>
#include <malloc.h>
#include <memory>

namespace {
constexpr int Rows = 1000000;
constexpr int Cols = 10;
constexpr int Width = 800;
constexpr int Height = 600;

// Bytes the heap hands out at this moment (small blocks and mapped ones).
double Heap_In_Use()
{
    const struct mallinfo2 M = mallinfo2();
    return static_cast<double>(M.uordblks + M.hblkhd);
}

double Seconds_Since(std::chrono::steady_clock::time_point T0)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - T0).count();
}

QString Short_Text(int R, int C) { return QString::number(R * Cols + C); }
// The same number, always seven digits wide: the top and the bottom of the grid
// then draw texts of one length, so only the rows' position differs.
QString Padded_Text(int R, int C) { return QStringLiteral("%1").arg(R * Cols + C, 7, 10, QLatin1Char('0')); }

double Table_Fill_Seconds = 0;
double Table_Bytes = 0;

void BM_QTableWidget_Fill_Million(benchmark::State &State)
{
    for (auto _ : State) {
        auto T = std::make_unique<QTableWidget>(Rows, Cols);
        T->resize(Width, Height);
        T->show();
        const double Before = Heap_In_Use();
        const auto T0 = std::chrono::steady_clock::now();
        for (int R = 0; R < Rows; ++R)
            for (int C = 0; C < Cols; ++C)
                T->setItem(R, C, new QTableWidgetItem(Short_Text(R, C)));
        Table_Fill_Seconds = Seconds_Since(T0);
        Table_Bytes = Heap_In_Use() - Before;
    }
    State.counters["fill_s"] = Table_Fill_Seconds;
    State.counters["cell_MB"] = Table_Bytes / 1e6;
}

void BM_StringGrid_Fill_Million(benchmark::State &State)
{
    double Seconds = 0, Bytes = 0;
    for (auto _ : State) {
        auto G = std::make_unique<TStringGrid>();
        G->Set_ColCount(Cols);
        G->Set_RowCount(Rows);
        G->resize(Width, Height);
        G->show();
        const double Before = Heap_In_Use();
        const auto T0 = std::chrono::steady_clock::now();
        for (int R = 0; R < Rows; ++R)
            for (int C = 0; C < Cols; ++C)
                G->Set_Cells(C, R, Short_Text(R, C));
        Seconds = Seconds_Since(T0);
        Bytes = Heap_In_Use() - Before;
    }
    State.counters["fill_s"] = Seconds;
    State.counters["cell_MB"] = Bytes / 1e6;
    if (Table_Fill_Seconds > 0)
        State.counters["fill_time_vs_table"] = Seconds / Table_Fill_Seconds;
    if (Table_Bytes > 0)
        State.counters["memory_vs_table"] = Bytes / Table_Bytes;
}

// One viewport painted with the grid scrolled to the top and to the bottom.
void BM_StringGrid_Paint_Bottom_Vs_Top(benchmark::State &State)
{
    TStringGrid G;
    G.Set_ColCount(Cols);
    G.Set_RowCount(Rows);
    G.resize(Width, Height);
    G.show();
    for (int R = 0; R < Rows; ++R)
        for (int C = 0; C < Cols; ++C)
            G.Set_Cells(C, R, Padded_Text(R, C));
    QImage Img(Width, Height, QImage::Format_RGB32);
    auto Paint_At = [&](int Top, int Times) {
        G.Set_TopRow(Top);
        const auto T0 = std::chrono::steady_clock::now();
        for (int I = 0; I < Times; ++I) {
            QPainter P(&Img);
            TPainterCanvas C(P);
            G.Paint_On(C);
        }
        return Seconds_Since(T0) / Times;
    };
    double Top = 0, Bottom = 0;
    for (auto _ : State) {
        Paint_At(1, 5);   // warm-up
        Top = Paint_At(1, 50);
        Bottom = Paint_At(Rows, 50);
    }
    State.counters["top_ms"] = Top * 1e3;
    State.counters["bottom_ms"] = Bottom * 1e3;
    State.counters["bottom_vs_top"] = Bottom / Top;
}
} // namespace

BENCHMARK(BM_QTableWidget_Fill_Million)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_StringGrid_Fill_Million)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_StringGrid_Paint_Bottom_Vs_Top)->Unit(benchmark::kMillisecond)->Iterations(1);
