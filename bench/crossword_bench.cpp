// The crossword as the builder window opens it: the problem set, the grid with its
// replacements, and the page. Each iteration is one whole puzzle; the counters give the median
// and the slowest build, since a few builds need many more replacements than the rest.
#include "core/random_source.h"
#include "core/worksheet_request.h"
#include "crossword/crossword_capacity.h"
#include "crossword/crossword_page.h"
#include "maker/version_maker.h"
#include "worksheet/activity_table.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

namespace {

using namespace abacore;

WorksheetRequest crosswordRequest(Skill skill, double firstMax, int16_t secondMax, int16_t count) {
    WorksheetRequest r;
    r.ActivityType = Activity::Crossword;
    r.SkillMode = skill;
    r.FirstMin = 0; // draws 1 to firstMax
    r.FirstMax = firstMax;
    r.SecondMin = 0;
    r.SecondMax = secondMax;
    r.ProblemCount = count;
    r.Heading = "Math Crossword Puzzle";
    return r;
}

void buildCrosswords(benchmark::State& state, const WorksheetRequest& request) {
    RandomSource random(2024);
    std::vector<double> seconds;
    int gaveUp = 0;
    for (auto _ : state) {
        WorksheetRequest r = request;
        const auto start = std::chrono::steady_clock::now();
        MakeOutcome made = MakeVersions(r, random);
        benchmark::DoNotOptimize(made);
        gaveUp += std::holds_alternative<MakeFailure>(made) ? 1 : 0;
        seconds.push_back(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(seconds.begin(), seconds.end());
    state.counters["median_ms"] = seconds[seconds.size() / 2] * 1e3;
    state.counters["slowest_ms"] = seconds.back() * 1e3;
    state.counters["gave_up"] = gaveUp;
}

void BM_Crossword30Sums(benchmark::State& state) {
    buildCrosswords(state, crosswordRequest(Skill::Addition, 1000, 1000, 30));
}
BENCHMARK(BM_Crossword30Sums)->Unit(benchmark::kMicrosecond)->Iterations(2000);

void BM_Crossword41Sums(benchmark::State& state) {
    buildCrosswords(state, crosswordRequest(Skill::Addition, 1000, 1000, 41));
}
BENCHMARK(BM_Crossword41Sums)->Unit(benchmark::kMillisecond)->Iterations(200);

// The slowest request the count screen accepts: as many products of up to seven digits as
// these numbers allow.
void BM_CrosswordProductsAtCapacity(benchmark::State& state) {
    WorksheetRequest r = crosswordRequest(Skill::Multiplication, 1000, 1000, 0);
    r.ProblemCount =
        static_cast<int16_t>(CrosswordCapacity(r, RowOf(Activity::Crossword).problemRules));
    buildCrosswords(state, r);
}
BENCHMARK(BM_CrosswordProductsAtCapacity)->Unit(benchmark::kMillisecond)->Iterations(10);

// Hopeless: products of 17 digits and more never fit after the first; the builder gives up
// (the count screen would have refused them: this is the builder's own bound).
void BM_CrosswordGivesUp(benchmark::State& state) {
    WorksheetRequest r = crosswordRequest(Skill::Multiplication, 999999999999999.0, 32767, 41);
    r.FirstMin = 1e14;
    r.SecondMin = 1000;
    buildCrosswords(state, r);
}
BENCHMARK(BM_CrosswordGivesUp)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
