// Sorting and bulk row insertion and removal of the string grid against
// QTableWidget in one run, with a floor: std::stable_sort of the same keys,
// already extracted, with their row numbers. A million rows of ten columns;
// only the operation is timed, each side on data filled just before it.
// Counters: *_vs_qt (string grid time over QTableWidget's; the goal is at
// most 0.25) and *_vs_floor (over the plain sort; the goal is at most 2).
#include "grid/stringgrid/RIraRevadiVizo.h"
#include <QTableWidget>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>
#include <vector>

namespace {
constexpr int Rows = 1000000;
constexpr int Cols = 10;
constexpr int Block = 10000;
constexpr int Text_Col = 1;
constexpr int Number_Col = 2;

// A fixed scramble of the row numbers, so both sides sort the same texts.
int Scramble(int R) { return static_cast<int>((static_cast<long long>(R) * 7919 + 13) % Rows); }
QString Cell(int C, int R)
{
    if (C == Text_Col)
        return QStringLiteral("name%1").arg(Scramble(R), 7, 10, QLatin1Char('0'));
    if (C == Number_Col)
        return QString::number(Scramble(R) * 0.5);
    return QStringLiteral("c%1r%2").arg(C).arg(R % 1000);
}

double Seconds(std::chrono::steady_clock::time_point T0)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - T0).count();
}

std::unique_ptr<RIraRevadiVizo> Make_Grid()
{
    auto G = std::make_unique<RIraRevadiVizo>();
    G->Set_ColCount(Cols);
    G->Set_RowCount(Rows + 1);
    G->BeginUpdate();
    for (int R = 0; R < Rows; ++R)
        for (int C = 0; C < Cols; ++C)
            G->Set_Cells(C, R + 1, Cell(C, R));
    G->EndUpdate();
    return G;
}

std::unique_ptr<QTableWidget> Make_Table()
{
    auto T = std::make_unique<QTableWidget>(Rows, Cols);
    for (int R = 0; R < Rows; ++R)
        for (int C = 0; C < Cols; ++C)
            T->setItem(R, C, new QTableWidgetItem(Cell(C, R)));
    return T;
}

double Qt_Text = 0, Qt_Number = 0, Qt_Insert = 0, Qt_Remove = 0, Floor_Text = 0, Floor_Number = 0;

void BM_Floor_Sort(benchmark::State &State)
{
    for (auto _ : State) {
        std::vector<std::pair<QString, int>> Texts;
        std::vector<std::pair<double, int>> Numbers;
        for (int R = 0; R < Rows; ++R) {
            Texts.push_back({Cell(Text_Col, R), R});
            Numbers.push_back({Cell(Number_Col, R).toDouble(), R});
        }
        auto T0 = std::chrono::steady_clock::now();
        std::stable_sort(Texts.begin(), Texts.end(), [](const auto &A, const auto &B) { return A.first < B.first; });
        Floor_Text = Seconds(T0);
        T0 = std::chrono::steady_clock::now();
        std::stable_sort(Numbers.begin(), Numbers.end(), [](const auto &A, const auto &B) { return A.first < B.first; });
        Floor_Number = Seconds(T0);
    }
    State.counters["text_s"] = Floor_Text;
    State.counters["number_s"] = Floor_Number;
}

void BM_Qt_Table(benchmark::State &State)
{
    for (auto _ : State) {
        auto T = Make_Table();
        auto T0 = std::chrono::steady_clock::now();
        T->sortItems(Text_Col);
        Qt_Text = Seconds(T0);
        T0 = std::chrono::steady_clock::now();
        T->sortItems(Number_Col);   // QTableWidget compares texts; the work is the same shuffle
        Qt_Number = Seconds(T0);
        T0 = std::chrono::steady_clock::now();
        T->model()->insertRows(Rows / 2, Block);
        Qt_Insert = Seconds(T0);
        T0 = std::chrono::steady_clock::now();
        T->model()->removeRows(Rows / 2, Block);
        Qt_Remove = Seconds(T0);
    }
    State.counters["text_s"] = Qt_Text;
    State.counters["number_s"] = Qt_Number;
    State.counters["insert_s"] = Qt_Insert;
    State.counters["remove_s"] = Qt_Remove;
}

void BM_StringGrid(benchmark::State &State)
{
    double Text = 0, Number = 0, Insert = 0, Remove = 0;
    for (auto _ : State) {
        auto G = Make_Grid();
        auto T0 = std::chrono::steady_clock::now();
        G->Sort(Text_Col, sdAscending);
        Text = Seconds(T0);
        T0 = std::chrono::steady_clock::now();
        G->Sort(Number_Col, sdAscending);
        Number = Seconds(T0);
        T0 = std::chrono::steady_clock::now();
        G->InsertRows(Rows / 2, Block);
        Insert = Seconds(T0);
        T0 = std::chrono::steady_clock::now();
        G->RemoveRows(Rows / 2, Block);
        Remove = Seconds(T0);
        if (G->RowCount() != Rows + 1)
            State.SkipWithError("wrong row count");
    }
    State.counters["text_s"] = Text;
    State.counters["number_s"] = Number;
    State.counters["insert_s"] = Insert;
    State.counters["remove_s"] = Remove;
    if (Qt_Text > 0) {
        State.counters["text_vs_qt"] = Text / Qt_Text;
        State.counters["number_vs_qt"] = Number / Qt_Number;
        State.counters["insert_vs_qt"] = Insert / Qt_Insert;
        State.counters["remove_vs_qt"] = Remove / Qt_Remove;
    }
    if (Floor_Text > 0) {
        State.counters["text_vs_floor"] = Text / Floor_Text;
        State.counters["number_vs_floor"] = Number / Floor_Number;
    }
}

} // namespace

BENCHMARK(BM_Floor_Sort)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Qt_Table)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StringGrid)->Iterations(1)->Unit(benchmark::kMillisecond);
