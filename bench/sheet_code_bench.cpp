// What the sheet code adds to a sheet: its code made (reading the data files it checks), and
// read back into a request. Each stays under 0.1 ms.
#include "maker/sheet_code_request.h"
#include "wizard/range_rules.h"
#include "wizard/skill_rules.h"
#include "worksheet/riddle_options.h"

#include <benchmark/benchmark.h>

using namespace abacore;

namespace {

WorksheetRequest BenchRequest(Activity activity) {
    WorksheetRequest r;
    r.ProgramFolder = ABACORE_SOURCE_DIR "/data";
    r.ActivityType = activity;
    ApplySkillChoice(r, {true, true, false, false});
    StoreRanges(r, {0, 100, 0, 100});
    r.ProblemCount = 20;
    if (activity == Activity::SecretRiddle)
        ApplyFirstRiddle(r);
    return r;
}

// A fresh seed and the sheet's code, as every sheet made gets them.
void BM_SheetCodeMade(benchmark::State& state) {
    const WorksheetRequest request = BenchRequest(static_cast<Activity>(state.range(0)));
    const SheetVersion version{2, 30, ""};
    for (auto _ : state)
        benchmark::DoNotOptimize(CodesFor(request, {&version, 1}));
}

// A typed code read back into the request it makes the sheet from.
void BM_SheetCodeRead(benchmark::State& state) {
    const WorksheetRequest request = BenchRequest(static_cast<Activity>(state.range(0)));
    const SheetVersion version{2, 30, ""};
    const std::string code = CodesFor(request, {&version, 1}).codes.front();
    for (auto _ : state)
        benchmark::DoNotOptimize(SheetFromCode(code, request, {}));
}

} // namespace

// Skills (no data file), the riddle (Riddles.dat) and word problems (two template files).
BENCHMARK(BM_SheetCodeMade)->Arg(1)->Arg(2)->Arg(4)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SheetCodeRead)->Arg(1)->Arg(2)->Arg(4)->Unit(benchmark::kMicrosecond);
