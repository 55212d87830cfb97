// Speed of the cell text routines the grid runs for every visible cell:
// rendering and measuring short markup cells, and classifying cell texts.
#include "grid/base/MarkupRender.h"
#include "grid/model/TextRoutines.h"
#include "toolkit/Canvas.h"
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <vector>

namespace {
std::vector<QString> Markup_Cells(int N)
{
    const QString Forms[] = {
        "<B>Device %1</B> ok",
        "<FONT COLOR=\"clred\">%1</FONT> &amp; more",
        "Temp <I>%1</I> &deg;C",
        "<A HREF=\"dev%1\">link %1</A>",
        "line %1<BR>second",
    };
    std::vector<QString> V;
    V.reserve(static_cast<size_t>(N));
    for (int I = 0; I < N; ++I)
        V.push_back(Forms[I % 5].arg(I));
    return V;
}

std::vector<QString> Plain_Cells(int N)
{
    const QString Forms[] = {"%1", "-%1.25", "1,2%1.5", "=A%1", "<b>%1</b>", "text %1", "1.5e-%1", "{\\rtf %1"};
    std::vector<QString> V;
    V.reserve(static_cast<size_t>(N));
    for (int I = 0; I < N; ++I)
        V.push_back(Forms[I % 8].arg(I % 1000));
    return V;
}

// Draw 10,000 cells of 120 x 20 pixels, then measure them (CheckHeight).
void BM_Render_And_Measure_10000_Cells(benchmark::State &State)
{
    const std::vector<QString> Cells = Markup_Cells(10000);
    QImage Img(200, 40, QImage::Format_RGB32);
    QPainter P(&Img);
    TPainterCanvas Cv(P);
    Cv.Font.Name = "DejaVu Sans";
    Cv.Font.Size = 9;
    THTMLRenderParams Draw;
    THTMLRenderParams Measure;
    Measure.CheckHeight = true;
    long long Width = 0;
    for (auto _ : State) {
        for (const QString &C : Cells) {
            THTMLRenderResult R;
            RenderHTML(Cv, C, TRect(0, 0, 120, 20), Draw, R);
            THTMLRenderResult M;
            RenderHTML(Cv, C, TRect(0, 0, 120, 20), Measure, M);
            Width += M.XSize;
        }
    }
    benchmark::DoNotOptimize(Width);
    State.SetItemsProcessed(State.iterations() * static_cast<long long>(Cells.size()));
}
BENCHMARK(BM_Render_And_Measure_10000_Cells)->Unit(benchmark::kMillisecond);

// Cell kind and number kind of 1,000,000 texts.
void BM_Classify_1000000_Cell_Texts(benchmark::State &State)
{
    const std::vector<QString> Cells = Plain_Cells(1000);
    long long Sum = 0;
    for (auto _ : State) {
        for (int Round = 0; Round < 1000; ++Round)
            for (const QString &C : Cells)
                Sum += ClassifyCellText(C, true) + ClassifyNumberText(C);
    }
    benchmark::DoNotOptimize(Sum);
    State.SetItemsProcessed(State.iterations() * 1000000LL);
}
BENCHMARK(BM_Classify_1000000_Cell_Texts)->Unit(benchmark::kMillisecond);
} // namespace
