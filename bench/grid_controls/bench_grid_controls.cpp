#include "grid/base/GridAuxWindows.h"
#include "grid/base/GridUndoRedo.h"
#include <QGuiApplication>
#include <benchmark/benchmark.h>

// The focus mask's blur convolves only the edge bands: its cost should grow
// with the perimeter, not the area (compare the two sizes of equal perimeter
// ratio).
static void BM_FocusMask(benchmark::State &S)
{
    const int W = static_cast<int>(S.range(0)), H = static_cast<int>(S.range(1));
    QImage B;
    for (auto _ : S) {
        DrawFocusMask(B, W, H, 4, 5, 3.0);
        benchmark::DoNotOptimize(B.constBits());
    }
}
BENCHMARK(BM_FocusMask)->Args({129, 29})->Args({509, 29})->Args({509, 409});

static void BM_MergeMask(benchmark::State &S)
{
    QImage Mask;
    DrawFocusMask(Mask, 509, 409, 4, 5, 3.0);
    QImage Bmp(509, 409, QImage::Format_RGB888);
    Bmp.fill(QColor(0xFD, 0xD3, 0x97));
    TGridAlphaMask M;
    for (auto _ : S) {
        M.MergeMask(Mask, Bmp, clNone);
        benchmark::DoNotOptimize(M.Image.constBits());
    }
}
BENCHMARK(BM_MergeMask);

// Registering into a history trimmed by MaxLevel.
static void BM_UndoRegisterTrimmed(benchmark::State &S)
{
    VOdeGridUndoRedo U;
    U.Set_MaxLevel(static_cast<int>(S.range(0)));
    int I = 0;
    for (auto _ : S)
        U.RegisterChange(1, ++I % 100, QStringLiteral("a"), QStringLiteral("b"));
}
BENCHMARK(BM_UndoRegisterTrimmed)->Arg(100)->Arg(10000);
