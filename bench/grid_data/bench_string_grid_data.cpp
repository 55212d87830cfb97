// The string grid's data features against Qt's own in one run: a million
// rows filtered on one column (QSortFilterProxyModel), a hundred thousand
// rows grouped (the proxy sorting them, the bulk of grouping), and a text
// found near the end (QTableWidget::findItems). Each string-grid benchmark
// prints its time over Qt's as a counter (*_vs_qt: below 1 means the string
// grid is faster). Only the operation is timed, not the filling.
#include "grid/stringgrid/RIraRevadiVizo.h"
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableWidget>
#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>

namespace {
constexpr int Filter_Rows = 1000000;
constexpr int Group_Rows = 100000;
constexpr int Groups = 100;

double Seconds_Since(std::chrono::steady_clock::time_point T0)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - T0).count();
}

// Column 1 of row R: one row in ten holds "match".
QString Word(int R) { return R % 10 == 3 ? QStringLiteral("a match %1").arg(R) : QStringLiteral("row %1").arg(R); }
QString Group_Key(int R) { return QStringLiteral("g%1").arg((R * 7919) % Groups, 3, 10, QLatin1Char('0')); }

std::unique_ptr<RIraRevadiVizo> Make_Grid(int Rows, const std::function<QString(int)> &Col1, const std::function<QString(int)> &Col2)
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

double Qt_Filter = 0, Qt_Sort = 0, Qt_Find = 0;

void BM_Qt_Filter_Million(benchmark::State &State)
{
    for (auto _ : State) {
        QStandardItemModel Model(Filter_Rows, 2);
        for (int R = 0; R < Filter_Rows; ++R) {
            Model.setItem(R, 0, new QStandardItem(Word(R)));
            Model.setItem(R, 1, new QStandardItem(QString::number(R)));
        }
        QSortFilterProxyModel Proxy;
        Proxy.setSourceModel(&Model);
        Proxy.setFilterKeyColumn(0);
        Proxy.setFilterCaseSensitivity(Qt::CaseInsensitive);
        const auto T0 = std::chrono::steady_clock::now();
        Proxy.setFilterWildcard(QStringLiteral("*match*"));
        const int Kept = Proxy.rowCount();
        Qt_Filter = Seconds_Since(T0);
        if (Kept != Filter_Rows / 10)
            State.SkipWithError("wrong row count");
    }
    State.counters["filter_s"] = Qt_Filter;
}

void BM_StringGrid_Filter_Million(benchmark::State &State)
{
    double Filter = 0;
    for (auto _ : State) {
        auto G = Make_Grid(Filter_Rows, Word, [](int R) { return QString::number(R); });
        TFilterData &D = G->Filter().Add();
        D.Column = 1;
        D.Condition = QStringLiteral("*match*");
        D.CaseSensitive = false;
        const auto T0 = std::chrono::steady_clock::now();
        G->Set_FilterActive(true);
        Filter = Seconds_Since(T0);
        if (G->RowCount() - 1 != Filter_Rows / 10)
            State.SkipWithError("wrong row count");
    }
    State.counters["filter_s"] = Filter;
    if (Qt_Filter > 0)
        State.counters["filter_vs_qt"] = Filter / Qt_Filter;
}

void BM_Qt_Sort_Group_Rows(benchmark::State &State)
{
    for (auto _ : State) {
        QStandardItemModel Model(Group_Rows, 2);
        for (int R = 0; R < Group_Rows; ++R) {
            Model.setItem(R, 0, new QStandardItem(QString::number(R)));
            Model.setItem(R, 1, new QStandardItem(Group_Key(R)));
        }
        QSortFilterProxyModel Proxy;
        Proxy.setSourceModel(&Model);
        const auto T0 = std::chrono::steady_clock::now();
        Proxy.sort(1);
        benchmark::DoNotOptimize(Proxy.index(Group_Rows - 1, 1).data());
        Qt_Sort = Seconds_Since(T0);
    }
    State.counters["sort_s"] = Qt_Sort;
}

void BM_StringGrid_Group_Rows(benchmark::State &State)
{
    double Group = 0;
    for (auto _ : State) {
        auto G = Make_Grid(Group_Rows, [](int R) { return QString::number(R); }, Group_Key);
        const auto T0 = std::chrono::steady_clock::now();
        G->Group(2);
        Group = Seconds_Since(T0);
        if (G->NumNodes() != Groups || G->RowCount() != Group_Rows + Groups + 1)
            State.SkipWithError("wrong groups");
    }
    State.counters["group_s"] = Group;
    if (Qt_Sort > 0)
        State.counters["group_vs_qt_sort"] = Group / Qt_Sort;
}

void BM_Qt_Find_Million(benchmark::State &State)
{
    for (auto _ : State) {
        QTableWidget T(Filter_Rows, 2);
        for (int R = 0; R < Filter_Rows; ++R) {
            T.setItem(R, 0, new QTableWidgetItem(QString::number(R)));
            T.setItem(R, 1, new QTableWidgetItem(QStringLiteral("row %1").arg(R)));
        }
        const QString Needle = QStringLiteral("row %1").arg(Filter_Rows - 5);
        const auto T0 = std::chrono::steady_clock::now();
        const auto Found = T.findItems(Needle, Qt::MatchContains);
        Qt_Find = Seconds_Since(T0);
        if (Found.isEmpty())
            State.SkipWithError("not found");
    }
    State.counters["find_s"] = Qt_Find;
}

void BM_StringGrid_Find_Million(benchmark::State &State)
{
    double Find = 0;
    for (auto _ : State) {
        auto G = Make_Grid(Filter_Rows, [](int R) { return QString::number(R); },
                           [](int R) { return QStringLiteral("row %1").arg(R); });
        const QString Needle = QStringLiteral("row %1").arg(Filter_Rows - 5);
        const auto T0 = std::chrono::steady_clock::now();
        const TPoint P = G->FindFirst(Needle, {fnDirectionLeftRight});
        Find = Seconds_Since(T0);
        if (P.Y != Filter_Rows - 4)
            State.SkipWithError("not found");
    }
    State.counters["find_s"] = Find;
    if (Qt_Find > 0)
        State.counters["find_vs_qt"] = Find / Qt_Find;
}

BENCHMARK(BM_Qt_Filter_Million)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StringGrid_Filter_Million)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Qt_Sort_Group_Rows)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StringGrid_Group_Rows)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Qt_Find_Million)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StringGrid_Find_Million)->Iterations(1)->Unit(benchmark::kMillisecond);
} // namespace
