// How many answers the grid takes: each benchmark builds one request for seeds 1 to 20 and
// counts the puzzles built (`built`, of 20) and the slowest build, the time a teacher waits for
// a puzzle or for the builder to give up. "AtCapacity" asks for the most the count screen and
// `make` accept (`count`); a count above it is refused before any building.
#include "core/random_source.h"
#include "core/worksheet_request.h"
#include "crossword/crossword_capacity.h"
#include "crossword/crossword_page.h"
#include "maker/version_maker.h"
#include "worksheet/activity_table.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <initializer_list>

namespace {

using namespace abacore;

WorksheetRequest request(std::initializer_list<Skill> skills, double firstMin, double firstMax,
                         double secondMin, int16_t secondMax) {
    WorksheetRequest r;
    r.ActivityType = Activity::Crossword;
    r.SkillMode = *skills.begin();
    if (skills.size() > 1) {
        r.SkillMode = Skill::Mixed;
        r.MixedSkills = true;
        for (const Skill s : skills)
            r.SkillChecked[static_cast<size_t>(s)] = true;
    }
    r.FirstMin = firstMin;
    r.FirstMax = firstMax;
    r.SecondMin = secondMin;
    r.SecondMax = secondMax;
    r.Heading = "Math Crossword Puzzle";
    return r;
}

// count 0: the capacity.
void buildForTwentySeeds(benchmark::State& state, WorksheetRequest r, int count) {
    r.ProblemCount = static_cast<int16_t>(
        count > 0 ? count : CrosswordCapacity(r, RowOf(Activity::Crossword).problemRules));
    int built = 0;
    double slowest = 0;
    for (auto _ : state) {
        built = 0;
        slowest = 0;
        for (uint64_t seed = 1; seed <= 20; ++seed) {
            WorksheetRequest copy = r;
            RandomSource random(seed);
            const auto start = std::chrono::steady_clock::now();
            MakeOutcome made = MakeVersions(copy, random);
            benchmark::DoNotOptimize(made);
            built += std::holds_alternative<MadeVersions>(made) ? 1 : 0;
            slowest = std::max(
                slowest,
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        }
    }
    state.counters["count"] = r.ProblemCount;
    state.counters["built"] = built;
    state.counters["slowest_ms"] = slowest * 1e3;
}

constexpr auto add = Skill::Addition, sub = Skill::Subtraction, mul = Skill::Multiplication,
               div = Skill::Division;

#define CAPACITY_BENCH(name, count, ...)                                                           \
    void BM_Crossword##name(benchmark::State& state) {                                             \
        buildForTwentySeeds(state, __VA_ARGS__, count);                                            \
    }                                                                                              \
    BENCHMARK(BM_Crossword##name)->Unit(benchmark::kMillisecond)->Iterations(1)

// The requests teachers of young pupils make.
CAPACITY_BENCH(SubtractionWithin100AtCapacity, 0, request({sub}, 1, 100, 1, 100));
CAPACITY_BENCH(SubtractionWithin100Count30, 30, request({sub}, 1, 100, 1, 100));
CAPACITY_BENCH(DivisionFactsAtCapacity, 0, request({div}, 1, 100, 1, 10));
CAPACITY_BENCH(DivisionFactsCount20, 20, request({div}, 1, 100, 1, 10));
// The default ranges.
CAPACITY_BENCH(DefaultSums41, 41, request({add}, 0, 1000, 0, 1000));
CAPACITY_BENCH(DefaultSumsAtCapacity, 0, request({add}, 0, 1000, 0, 1000));
// A spread of skills and ranges, each at its capacity.
CAPACITY_BENCH(Sums1To10AtCapacity, 0, request({add}, 1, 10, 1, 10));
CAPACITY_BENCH(Sums1To20AtCapacity, 0, request({add}, 1, 20, 1, 20));
CAPACITY_BENCH(Products1To10AtCapacity, 0, request({mul}, 1, 10, 1, 10));
CAPACITY_BENCH(Products1To20AtCapacity, 0, request({mul}, 1, 20, 1, 20));
CAPACITY_BENCH(Products1To100AtCapacity, 0, request({mul}, 1, 100, 1, 100));
CAPACITY_BENCH(Products0To1000AtCapacity, 0, request({mul}, 0, 1000, 0, 1000));
CAPACITY_BENCH(Sums100To9999AtCapacity, 0, request({add}, 100, 9999, 100, 9999));
CAPACITY_BENCH(Products100To9999AtCapacity, 0, request({mul}, 100, 9999, 100, 9999));
CAPACITY_BENCH(Products1000To9999AtCapacity, 0, request({mul}, 1000, 9999, 1000, 9999));
CAPACITY_BENCH(Quotients1To1000By1To100AtCapacity, 0, request({div}, 1, 1000, 1, 100));
CAPACITY_BENCH(EverySkill1To20AtCapacity, 0, request({add, sub, mul, div}, 1, 20, 1, 20));
CAPACITY_BENCH(EverySkill0To1000AtCapacity, 0, request({add, sub, mul, div}, 0, 1000, 0, 1000));
CAPACITY_BENCH(SumsAndProducts1To100AtCapacity, 0, request({add, mul}, 1, 100, 1, 100));

void BM_CrosswordNegativesAtCapacity(benchmark::State& state) {
    WorksheetRequest r = request({sub}, 1, 10, 1, 10);
    r.AllowNegatives = true;
    buildForTwentySeeds(state, r, 0);
}
BENCHMARK(BM_CrosswordNegativesAtCapacity)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_CrosswordRemaindersAtCapacity(benchmark::State& state) {
    WorksheetRequest r = request({div}, 1, 100, 1, 100);
    r.AllowRemainders = true;
    buildForTwentySeeds(state, r, 0);
}
BENCHMARK(BM_CrosswordRemaindersAtCapacity)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

namespace {

// The count screen's check with the lesson's choices over the widest second range: every
// skill, answers 10 to 99, no repeats (several exact counts of 32768 rows). Goal: under 0.1 s.
void BM_CrosswordCapacityWithChoices(benchmark::State& state) {
    WorksheetRequest r = request({add, sub, mul, div}, 0, 30000, 0, 32767);
    r.Choices = {Regrouping::Never, true, 10, 99, 0b100000010010, true};
    for (auto _ : state)
        benchmark::DoNotOptimize(CrosswordCapacity(r, RowOf(Activity::Crossword).problemRules));
}
BENCHMARK(BM_CrosswordCapacityWithChoices)->Unit(benchmark::kMillisecond);

} // namespace
