// Long sheets and class sets as PDF against the same as RTF, as whole `make` processes: a PDF
// should cost about what its text does, so each pair's ratio is the figure to watch.
#include "make_process.h"

#include <cstdio>
#include <unistd.h>

namespace {

// Args: the problem count, the versions (1: a sheet on its own), whether a key goes with the
// sheet, and 1 for PDF, 0 for RTF.
void BM_MakeSheetProcess(benchmark::State& state) {
    const std::string format = state.range(3) ? "pdf" : "rtf";
    const std::string base = "/tmp/abacore-bench-sheet-" + std::to_string(getpid());
    const std::string sheet = base + "." + format, key = base + "-key." + format;
    std::vector<std::string> args{"make",   "skills", "--count", std::to_string(state.range(0)),
                                  "--seed", "1",      "-o",      sheet};
    if (state.range(1) > 1) {
        args.push_back("--copies");
        args.push_back(std::to_string(state.range(1)));
    }
    if (state.range(2)) {
        args.push_back("--answer-key");
        args.push_back(key);
    }
    TimeMakeProcess(state, args);
    std::remove(sheet.c_str());
    std::remove(key.c_str());
}
BENCHMARK(BM_MakeSheetProcess)
    ->ArgNames({"count", "versions", "key", "pdf"})
    ->Args({32767, 1, 1, 0})
    ->Args({32767, 1, 1, 1})
    ->Args({1000, 1, 0, 0})
    ->Args({1000, 1, 0, 1})
    ->Args({100, 100, 0, 0})
    ->Args({100, 100, 0, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
