// Painting one full viewport of the string grid against QTableWidget on the
// same data: a million rows of a check box, texts and numbers. Printed as
// counters:
//   grid_ms, table_ms      one viewport painted (the top of the data)
//   grid_vs_table          grid time / QTableWidget time (below 1: the grid is faster)
//   bottom_vs_top          the grid at its last rows / at its first rows
//   million_vs_thousand    a million-row grid / a thousand-row grid, same viewport
// The last two near 1 show that a paint costs what is in view, not what the
// grid holds.
#include "grid/stringgrid/RIraRevadiVizo.h"
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTableWidget>
#include <benchmark/benchmark.h>
#include <algorithm>
#include <chrono>
#include <memory>
#include <vector>

namespace {
constexpr int Rows = 1000000;
constexpr int Cols = 6;
constexpr int Width = 800;
constexpr int Height = 600;
constexpr int Times = 20;
constexpr int Batches_Count = 15;

double Seconds_Since(std::chrono::steady_clock::time_point T0)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - T0).count();
}

// Texts of one length at the top and at the bottom, so only the rows' position differs.
QString Cell_Text(int R, int C)
{
    switch (C) {
    case 1: return QStringLiteral("Item %1").arg(R, 7, 10, QLatin1Char('0'));
    case 2: return QString::number(1000000.25 + R * 0.5, 'f', 2);
    case 3: return QString::number(1000000 + R);
    case 4: return (R % 3) ? QStringLiteral("sensor") : QStringLiteral("actuator");
    default: return QString::number(2000000 + R * 7);
    }
}
bool Checked(int R) { return R % 3 == 0; }

// Column 0 shows the grid's row check box (the selection of the row), so a
// million check boxes cost no object per row.
std::unique_ptr<RIraRevadiVizo> Make_Grid(int N)
{
    auto G = std::make_unique<RIraRevadiVizo>();
    G->Set_ColCount(Cols);
    G->Set_RowCount(N + 1);
    G->Set_FixedCols(0);
    G->Set_AutoNumAlign(true);
    G->MouseActions().Set_HotmailRowSelect(true);
    G->resize(Width, Height);
    G->show();
    G->BeginUpdate();
    for (int C = 1; C < Cols; ++C)
        G->Set_Cells(C, 0, QStringLiteral("Column %1").arg(C));
    for (int R = 0; R < N; ++R) {
        for (int C = 1; C < Cols; ++C)
            G->Set_Cells(C, R + 1, Cell_Text(R, C));
        if (Checked(R))
            G->SetRowSelect(R + 1, true);
    }
    G->EndUpdate();
    return G;
}

// The median over batches of paints: a shared machine's spikes fall out.
double Paint_Seconds(QWidget &W, QImage &Img)
{
    for (int I = 0; I < 3; ++I)   // warm-up
        W.render(&Img);
    std::vector<double> Batches;
    for (int B = 0; B < Batches_Count; ++B) {
        const auto T0 = std::chrono::steady_clock::now();
        for (int I = 0; I < Times; ++I)
            W.render(&Img);
        Batches.push_back(Seconds_Since(T0) / Times);
    }
    std::sort(Batches.begin(), Batches.end());
    return Batches[Batches.size() / 2];
}

double Table_Seconds = 0;

void BM_QTableWidget_Paint_Viewport(benchmark::State &State)
{
    for (auto _ : State) {
        auto T = std::make_unique<QTableWidget>(Rows, Cols);
        T->resize(Width, Height);
        for (int R = 0; R < Rows; ++R) {
            auto *Box = new QTableWidgetItem();
            Box->setFlags(Box->flags() | Qt::ItemIsUserCheckable);
            Box->setCheckState(Checked(R) ? Qt::Checked : Qt::Unchecked);
            T->setItem(R, 0, Box);
            for (int C = 1; C < Cols; ++C) {
                auto *It = new QTableWidgetItem(Cell_Text(R, C));
                if (C == 2 || C == 3 || C == 5)
                    It->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                T->setItem(R, C, It);
            }
        }
        T->show();
        QImage Img(Width, Height, QImage::Format_RGB32);
        Table_Seconds = Paint_Seconds(*T, Img);
    }
    State.counters["table_ms"] = Table_Seconds * 1e3;
}

void BM_StringGrid_Paint_Viewport(benchmark::State &State)
{
    double Top = 0, Bottom = 0, Small = 0;
    for (auto _ : State) {
        QImage Img(Width, Height, QImage::Format_RGB32);
        auto G = Make_Grid(Rows);
        Top = Paint_Seconds(*G, Img);
        G->Set_TopRow(G->RowCount() - G->VisibleRowCount());
        Bottom = Paint_Seconds(*G, Img);
        G.reset();
        // the same viewport of a small grid, measured after the large one
        auto S = Make_Grid(1000);
        Small = Paint_Seconds(*S, Img);
    }
    State.counters["grid_ms"] = Top * 1e3;
    State.counters["grid_bottom_ms"] = Bottom * 1e3;
    State.counters["bottom_vs_top"] = Bottom / Top;
    State.counters["million_vs_thousand"] = Top / Small;
    if (Table_Seconds > 0) {
        State.counters["table_ms"] = Table_Seconds * 1e3;
        State.counters["grid_vs_table"] = Top / Table_Seconds;
    }
}
} // namespace

BENCHMARK(BM_QTableWidget_Paint_Viewport)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_StringGrid_Paint_Viewport)->Unit(benchmark::kMillisecond)->Iterations(1);
