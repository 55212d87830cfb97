// Printing a grid to PDF at two sizes, 10,000 and 100,000 rows of four
// columns: the whole print (counting pass, then drawing every page through
// Qt's PDF writer). Each prints its pages and the time per page; the last
// prints the ratio of the two times per page (1 means the cost grows with
// the page count alone, the goal). Only the print is timed, not the filling.
#include "grid/print/GridPrinter.h"
#include "grid/stringgrid/RIraRevadiVizo.h"
#include "platform/Printer.h"
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <map>
#include <memory>

namespace {
std::map<int, double> Seconds_Per_Page;   // by row count

std::unique_ptr<RIraRevadiVizo> Make_Grid(int Rows)
{
    auto G = std::make_unique<RIraRevadiVizo>();
    G->Set_ColCount(4);
    G->Set_RowCount(Rows + 1);
    G->BeginUpdate();
    for (int R = 1; R <= Rows; ++R)
        for (int C = 0; C < 4; ++C)
            G->Set_Cells(C, R, QStringLiteral("cell %1 of row %2").arg(C).arg(R));
    G->EndUpdate();
    G->PrintSettings().PageNr = ppBottomRight;
    return G;
}

void BM_Print_Pdf(benchmark::State &State)
{
    const int Rows = static_cast<int>(State.range(0));
    auto Grid = Make_Grid(Rows);
    QTemporaryDir Dir;
    std::unique_ptr<IPrinter> Pdf = Make_System_Printer();
    Pdf->Set_Output_File(Dir.filePath(QStringLiteral("bench.pdf")));
    TPrinterGuard Guard(Pdf.get());
    TGridPrinter P(*Grid);
    double Total = 0;
    for (auto _ : State) {
        const auto T0 = std::chrono::steady_clock::now();
        P.Print();
        Total += std::chrono::duration<double>(std::chrono::steady_clock::now() - T0).count();
    }
    const int Pages = P.PrintNrOfPages();
    const double Per_Page = Total / static_cast<double>(State.iterations()) / Pages;
    Seconds_Per_Page[Rows] = Per_Page;
    State.counters["pages"] = Pages;
    State.counters["ms_per_page"] = Per_Page * 1000;
}
BENCHMARK(BM_Print_Pdf)->Arg(10000)->Arg(100000)->Iterations(1)->Unit(benchmark::kMillisecond);

// Time per page at 100,000 rows over that at 10,000.
void BM_Print_Pdf_Ratio(benchmark::State &State)
{
    for (auto _ : State)
        benchmark::DoNotOptimize(Seconds_Per_Page.size());
    if (Seconds_Per_Page.count(10000) && Seconds_Per_Page.count(100000))
        State.counters["per_page_100k_vs_10k"] = Seconds_Per_Page[100000] / Seconds_Per_Page[10000];
}
BENCHMARK(BM_Print_Pdf_Ratio)->Iterations(1);
} // namespace
