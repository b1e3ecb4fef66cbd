#include "core/random_source.h"
#include "worksheet/worksheet_builder.h"

#include <benchmark/benchmark.h>

#include "mixed_request.h"

using namespace abacore;

namespace {

// A mixed sheet of every layout, with remainders, so that every path of the sheet is taken.
WorksheetRequest skillsSheet(int16_t count) {
    return MixedSheetRequest(Activity::SkillsPractice, 999, 99, count);
}

} // namespace

static void BM_BuildSkillsSheet(benchmark::State& state) {
    WorksheetRequest request = skillsSheet(static_cast<int16_t>(state.range(0)));
    RandomSource random(12345);
    for (auto _ : state) {
        WorksheetDocuments documents = BuildWorksheet(request, random);
        benchmark::DoNotOptimize(documents);
    }
}
BENCHMARK(BM_BuildSkillsSheet)->Arg(20)->Arg(100)->Arg(32767)->Unit(benchmark::kMicrosecond);

// The slowest redraw a wizard request can ask for: exact division over 0 to 32767, about one
// drawn pair in 3000 dividing evenly.
static void BM_BuildExactDivisionSheet(benchmark::State& state) {
    WorksheetRequest request = skillsSheet(static_cast<int16_t>(state.range(0)));
    request.MixedSkills = false;
    request.SkillMode = Skill::Division;
    request.AllowRemainders = false;
    request.FirstMax = 32767;
    request.SecondMax = 32767;
    RandomSource random(12345);
    for (auto _ : state) {
        WorksheetDocuments documents = BuildWorksheet(request, random);
        benchmark::DoNotOptimize(documents);
    }
}
BENCHMARK(BM_BuildExactDivisionSheet)->Arg(100)->Unit(benchmark::kMicrosecond);
