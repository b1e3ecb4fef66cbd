#include "document/document.h"

#include <benchmark/benchmark.h>

using namespace abacore;

// Row-by-row insertion as the grid flush does it: one run per underline change.
static void BM_DocumentInsertRows(benchmark::State& state) {
    for (auto _ : state) {
        Document d;
        for (int row = 0; row < state.range(0); ++row) {
            d.SetUnderline(false);
            d.Insert("    1) 12 + 3 =          ");
            d.SetUnderline(true);
            d.Insert("+ 3");
            d.SetUnderline(false);
            d.Insert("                                               \n");
        }
        benchmark::DoNotOptimize(d);
    }
}
BENCHMARK(BM_DocumentInsertRows)->Arg(60)->Arg(6000);
