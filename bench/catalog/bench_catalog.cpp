#include "catalog/CatalogEnOcean.h"
#include <benchmark/benchmark.h>

// Loading the shipped EEP catalogue, as the main window does once at start.
static void Catalogue_Load(benchmark::State &State)
{
    int Profiles = 0;
    for (auto _ : State) {
        TCatalog_EnOcean Cat;
        if (!Cat.Read_Cat_EnOcean_XML(QStringLiteral(BC_SHIPPED_EEP_XML))) {
            State.SkipWithError("the shipped catalogue did not load");
            return;
        }
        Profiles = Cat.Profile_Count();
        benchmark::DoNotOptimize(Profiles);
    }
    State.counters["profiles"] = Profiles;
}
BENCHMARK(Catalogue_Load)->Unit(benchmark::kMillisecond);

// Case lookups as the image compiler makes them, one per variable.
static void Catalogue_Case_Lookup(benchmark::State &State)
{
    TCatalog_EnOcean Cat;
    Cat.Read_Cat_EnOcean_XML(QStringLiteral(BC_SHIPPED_EEP_XML));
    for (auto _ : State)
        benchmark::DoNotOptimize(Cat.Get_CaseObj(0xD2, 0x01, 0x12, 2));
}
BENCHMARK(Catalogue_Case_Lookup);

BENCHMARK_MAIN();
