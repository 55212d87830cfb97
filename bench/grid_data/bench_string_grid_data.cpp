// The string grid's data features against Qt's own and against a floor, at
// 10,000, 100,000 and 1,000,000 rows:
//   filter  one column tested against "*match*" without letter case
//           (Qt: QSortFilterProxyModel; floor: a plain loop over a
//           std::vector<QString> with the same case-blind match, collecting
//           the failing rows)
//   find    a case-blind text near the end (Qt: QTableWidget::findItems, which
//           asks the model's match() column by column)
//   group   rows grouped by a column of 100 keys (Qt: QSortFilterProxyModel
//           sorting by it, the bulk of grouping)
// Each side builds its own data (not timed) and times the operation only.
// The sides take turns, Qt, grid, floor, Qt, grid, floor ..., after one
// warm-up turn each, so every side runs in a heap the others have warmed as
// much as it (the first write to fresh memory costs about 10 us a page,
// enough to make either side look several times slower). Printed per size:
// the median of each side (ms), grid/Qt and grid/floor; for grouping also
// the time per row against the size ten times smaller (1.0: linear).
// Goals: grid/Qt at most 0.5 for all three; filter grid/floor at most 3.
#include "grid/stringgrid/RIraRevadiVizo.h"
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableWidget>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace {
constexpr int Groups = 100;

using TClock = std::chrono::steady_clock;
double Ms_Since(TClock::time_point T0) { return std::chrono::duration<double, std::milli>(TClock::now() - T0).count(); }

// Column 1 of row R: one row in ten holds "match".
QString Word(int R) { return R % 10 == 3 ? QStringLiteral("a match %1").arg(R) : QStringLiteral("row %1").arg(R); }
QString Number(int R) { return QString::number(R); }
QString Row_Text(int R) { return QStringLiteral("row %1").arg(R); }
QString Group_Key(int R) { return QStringLiteral("g%1").arg(static_cast<int>((R * 7919LL) % Groups), 3, 10, QLatin1Char('0')); }

int Rounds_For(int Rows) { return Rows >= 1000000 ? 3 : (Rows >= 100000 ? 5 : 9); }

// A side builds its data, times the operation and answers the milliseconds
// (a negative answer: the result was wrong).
using TSide = std::function<double(int Rows)>;

double Median(std::vector<double> V)
{
    std::sort(V.begin(), V.end());
    return V.empty() ? 0 : V[V.size() / 2];
}

// The sides in turn: one warm-up turn, then Rounds counted turns; medians.
std::vector<double> Take_Turns(int Rows, const std::vector<TSide> &Sides, benchmark::State &State)
{
    std::vector<std::vector<double>> Times(Sides.size());
    for (int Round = 0; Round <= Rounds_For(Rows); ++Round)
        for (size_t S = 0; S < Sides.size(); ++S) {
            const double Ms = Sides[S](Rows);
            if (Ms < 0)
                State.SkipWithError("wrong result");
            if (Round > 0)
                Times[S].push_back(Ms);
        }
    std::vector<double> Medians;
    for (const auto &T : Times)
        Medians.push_back(Median(T));
    return Medians;
}

std::unique_ptr<RIraRevadiVizo> Make_Grid(int Rows, QString (*Col1)(int), QString (*Col2)(int))
{
    auto G = std::make_unique<RIraRevadiVizo>();
    G->Set_ColCount(3);
    G->Set_RowCount(Rows + 1);
    G->BeginUpdate();
    for (int R = 0; R < Rows; ++R) {
        G->Set_Cells(1, R + 1, Col1(R));
        G->Set_Cells(2, R + 1, Col2(R));
    }
    G->EndUpdate();
    return G;
}

std::unique_ptr<QStandardItemModel> Make_Model(int Rows, QString (*Col0)(int), QString (*Col1)(int))
{
    auto M = std::make_unique<QStandardItemModel>(Rows, 2);
    for (int R = 0; R < Rows; ++R) {
        M->setItem(R, 0, new QStandardItem(Col0(R)));
        M->setItem(R, 1, new QStandardItem(Col1(R)));
    }
    return M;
}

void Report(benchmark::State &State, const std::vector<double> &Ms, bool Floor)
{
    State.counters["qt_ms"] = Ms[0];
    State.counters["grid_ms"] = Ms[1];
    State.counters["grid_vs_qt"] = Ms[1] / Ms[0];
    if (Floor) {
        State.counters["floor_ms"] = Ms[2];
        State.counters["grid_vs_floor"] = Ms[1] / Ms[2];
    }
}

void BM_Filter(benchmark::State &State)
{
    const int Rows = static_cast<int>(State.range(0));
    const TSide Qt_Side = [](int N) {
        auto Model = Make_Model(N, Word, Number);
        QSortFilterProxyModel Proxy;
        Proxy.setSourceModel(Model.get());
        Proxy.setFilterKeyColumn(0);
        Proxy.setFilterCaseSensitivity(Qt::CaseInsensitive);
        const auto T0 = TClock::now();
        Proxy.setFilterWildcard(QStringLiteral("*match*"));
        const int Kept = Proxy.rowCount();
        const double Ms = Ms_Since(T0);
        return Kept == N / 10 ? Ms : -1;
    };
    const TSide Grid_Side = [](int N) {
        auto G = Make_Grid(N, Word, Number);
        TFilterData &D = G->Filter().Add();
        D.Column = 1;
        D.Condition = QStringLiteral("*match*");
        D.CaseSensitive = false;
        const auto T0 = TClock::now();
        G->Set_FilterActive(true);
        const double Ms = Ms_Since(T0);
        return G->RowCount() - 1 == N / 10 ? Ms : -1;
    };
    const TSide Floor_Side = [](int N) {
        std::vector<QString> Words;
        Words.reserve(static_cast<size_t>(N));
        for (int R = 0; R < N; ++R)
            Words.push_back(Word(R));
        std::vector<int> Failing;
        const auto T0 = TClock::now();
        for (int R = 0; R < N; ++R)
            if (!QStringView(Words[static_cast<size_t>(R)]).contains(u"match", Qt::CaseInsensitive))
                Failing.push_back(R);
        const double Ms = Ms_Since(T0);
        return static_cast<int>(Failing.size()) == N - N / 10 ? Ms : -1;
    };
    for (auto _ : State)
        Report(State, Take_Turns(Rows, {Qt_Side, Grid_Side, Floor_Side}, State), true);
}

void BM_Find(benchmark::State &State)
{
    const int Rows = static_cast<int>(State.range(0));
    const TSide Qt_Side = [](int N) {
        QTableWidget T(N, 2);
        for (int R = 0; R < N; ++R) {
            T.setItem(R, 0, new QTableWidgetItem(Number(R)));
            T.setItem(R, 1, new QTableWidgetItem(Row_Text(R)));
        }
        const QString Needle = QStringLiteral("ROW %1").arg(N - 5);
        const auto T0 = TClock::now();
        const auto Found = T.findItems(Needle, Qt::MatchContains);   // letter case ignored
        const double Ms = Ms_Since(T0);
        return Found.size() == 1 ? Ms : -1;
    };
    const TSide Grid_Side = [](int N) {
        auto G = Make_Grid(N, Number, Row_Text);
        const QString Needle = QStringLiteral("ROW %1").arg(N - 5);
        const auto T0 = TClock::now();
        const TPoint P = G->FindFirst(Needle, {fnDirectionLeftRight});   // letter case ignored
        const double Ms = Ms_Since(T0);
        return P.Y == N - 4 ? Ms : -1;
    };
    for (auto _ : State)
        Report(State, Take_Turns(Rows, {Qt_Side, Grid_Side}, State), false);
}

std::map<int, double> Group_Ms_Per_Row;

void BM_Group(benchmark::State &State)
{
    const int Rows = static_cast<int>(State.range(0));
    const TSide Qt_Side = [](int N) {
        auto Model = Make_Model(N, Number, Group_Key);
        QSortFilterProxyModel Proxy;
        Proxy.setSourceModel(Model.get());
        const auto T0 = TClock::now();
        Proxy.sort(1);
        benchmark::DoNotOptimize(Proxy.index(N - 1, 1).data());
        return Ms_Since(T0);
    };
    const TSide Grid_Side = [](int N) {
        auto G = Make_Grid(N, Number, Group_Key);
        const auto T0 = TClock::now();
        G->Group(2);
        const double Ms = Ms_Since(T0);
        return G->NumNodes() == Groups && G->RowCount() == N + Groups + 1 ? Ms : -1;
    };
    for (auto _ : State) {
        const std::vector<double> Ms = Take_Turns(Rows, {Qt_Side, Grid_Side}, State);
        Report(State, Ms, false);
        Group_Ms_Per_Row[Rows] = Ms[1] / Rows;
        if (Group_Ms_Per_Row.count(Rows / 10))
            State.counters["per_row_vs_tenth"] = Group_Ms_Per_Row[Rows] / Group_Ms_Per_Row[Rows / 10];
    }
}

BENCHMARK(BM_Filter)->Arg(10000)->Arg(100000)->Arg(1000000)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Find)->Arg(10000)->Arg(100000)->Arg(1000000)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Group)->Arg(10000)->Arg(100000)->Arg(1000000)->Iterations(1)->Unit(benchmark::kMillisecond);
} // namespace
