#include "document/rtf_writer.h"

#include <benchmark/benchmark.h>

using namespace abacore;

namespace {

// A worksheet as the grid flush writes it: 75-character rows, the second operand of each
// problem underlined, the division sign in some cells.
Document GridDocument(int rows) {
    Document d;
    d.setTabStops({0, 15, 30, 45});
    d.SetFontSize(18);
    d.SetBold(true);
    d.SetAlignment(Alignment::Centre);
    d.Insert("Math Skills Practice Worksheet\n");
    d.SetFontSize(11);
    d.SetAlignment(Alignment::Left);
    d.SetFontName("Courier New");
    for (int row = 0; row < rows; ++row) {
        for (int problem = 0; problem < 3; ++problem) {
            d.SetUnderline(false);
            d.Insert("   12) 1234 ");
            d.SetUnderline(true);
            d.Insert("\xC3\xB7 56");
            d.SetUnderline(false);
            d.Insert(" =      ");
        }
        d.Insert("      \n");
    }
    return d;
}

} // namespace

static void BM_RtfWriteGrid(benchmark::State& state) {
    const Document d = GridDocument(static_cast<int>(state.range(0)));
    size_t bytes = 0;
    for (auto _ : state) {
        const std::string rtf = RtfText(d, Paper::Letter);
        bytes = rtf.size();
        benchmark::DoNotOptimize(rtf.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
}
BENCHMARK(BM_RtfWriteGrid)->Arg(40)->Arg(10000);
