// The whole `make crossword --count 30` process as a script waits for it: start, the problem set,
// the grid, the files, exit. The clue list as text, and the puzzle and its key as PDF (which
// also starts Qt's fonts and painter).
#include "make_process.h"

#include <cstdio>
#include <unistd.h>

namespace {

void runMakeCrossword(benchmark::State& state, const std::string& extension, bool withKey) {
    const std::string base = "/tmp/abacore-bench-crossword-" + std::to_string(getpid());
    std::vector<std::string> args{"make", "crossword", "--count", "30", "-o", base + extension};
    if (withKey) {
        args.push_back("--answer-key");
        args.push_back(base + "-key" + extension);
    }
    TimeMakeProcess(state, args);
    std::remove((base + extension).c_str());
    std::remove((base + "-key" + extension).c_str());
}

void BM_MakeCrossword30ToText(benchmark::State& state) {
    runMakeCrossword(state, ".txt", false);
}
BENCHMARK(BM_MakeCrossword30ToText)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_MakeCrossword30ToIpuz(benchmark::State& state) {
    runMakeCrossword(state, ".ipuz", false);
}
BENCHMARK(BM_MakeCrossword30ToIpuz)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_MakeCrossword30WithKeyToPdf(benchmark::State& state) {
    runMakeCrossword(state, ".pdf", true);
}
BENCHMARK(BM_MakeCrossword30WithKeyToPdf)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
