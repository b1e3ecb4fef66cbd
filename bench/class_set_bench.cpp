// A class set against a single sheet, as whole `make` processes: 30 versions of a 20-problem
// skills sheet with their keys, and one version with its key, as PDF and as RTF. The set's
// time over the single sheet's is the ratio the README records.
#include "make_process.h"

#include <cstdio>
#include <unistd.h>

namespace {

// Args: the number of versions (1: a sheet on its own), and 1 for PDF, 0 for RTF.
void BM_MakeClassSetProcess(benchmark::State& state) {
    const std::string format = state.range(1) ? "pdf" : "rtf";
    const std::string base = "/tmp/abacore-bench-set-" + std::to_string(getpid());
    const std::string sheets = base + "." + format, keys = base + "-keys." + format;
    std::vector<std::string> args{"make", "skills",       "--count", "20",     "-o",
                                  sheets, "--answer-key", keys,      "--seed", "1"};
    if (state.range(0) > 1) {
        args.push_back("--copies");
        args.push_back(std::to_string(state.range(0)));
    }
    TimeMakeProcess(state, args);
    std::remove(sheets.c_str());
    std::remove(keys.c_str());
}
BENCHMARK(BM_MakeClassSetProcess)
    ->ArgsProduct({{1, 30}, {0, 1}})
    ->ArgNames({"versions", "pdf"})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
