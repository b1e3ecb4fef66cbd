// What the sheet code adds to a sheet: its code made (reading the data files it checks) and read
// back into a request. Each stays far under 0.1 ms.
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

void BM_SheetCodeMadeAndRead(benchmark::State& state) {
    const WorksheetRequest request = BenchRequest(static_cast<Activity>(state.range(0)));
    const SheetVersion version{2, 30, ""};
    for (auto _ : state) {
        const auto code = SheetCodeOf(request, version, SeedForCode(request, version));
        auto sheet = SheetFromCode(*code, request, {});
        benchmark::DoNotOptimize(sheet);
    }
}

} // namespace

// Skills (no data file), the riddle (Riddles.dat) and word problems (two template files).
BENCHMARK(BM_SheetCodeMadeAndRead)->Arg(1)->Arg(2)->Arg(4)->Unit(benchmark::kMicrosecond);
