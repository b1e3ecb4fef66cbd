// The lesson's choices at their hardest: the skills sheet at its largest count where good pairs
// are rare or just enough, and the refusals, which count every pair the ranges hold.

#include "core/generation_error.h"
#include "core/random_source.h"
#include "worksheet/feasibility.h"
#include "worksheet/worksheet_builder.h"

#include <benchmark/benchmark.h>

#include "mixed_request.h"

using namespace abacore;

namespace {

constexpr int16_t kLargestCount = 32767;

WorksheetRequest Request(Skill skill, double firstMax, int16_t secondMax, ProblemChoices choices,
                         int16_t count = kLargestCount) {
    WorksheetRequest r = MixedSheetRequest(Activity::SkillsPractice, firstMax, secondMax, count);
    if (skill != Skill::Mixed) {
        r.MixedSkills = false;
        r.SkillMode = skill;
        r.SkillChecked = {};
        r.AllowRemainders = false;
        r.ProblemStyle = StyleBit::kHorizontal | StyleBit::kMissing;
    }
    r.Choices = choices;
    return r;
}

} // namespace

// Arg 0: no repeats with 32767 problems from the 32769 divisions of 1..10560 by the twelve
// tables (the last problems wait for the few left); arg 1: additions of numbers to 32767 that
// never carry and stay within 0..10, about one pair in ten million; arg 2: all four skills with
// answers 0..100 and the 2, 5 and 10 tables, every layout.
static void BM_ChoicesSheet(benchmark::State& state) {
    const WorksheetRequest requests[] = {
        Request(Skill::Division, 10560, 12, {Regrouping::Any, false, 0, 0, 0xfff, true}),
        Request(Skill::Addition, 32767, 32767, {Regrouping::Never, true, 0, 10, 0, false}),
        Request(Skill::Mixed, 32767, 32767, {Regrouping::Never, true, 0, 100, 0x212, false}),
    };
    RandomSource random(12345);
    for (auto _ : state) {
        WorksheetRequest request = requests[state.range(0)];
        const WorksheetDocuments documents = BuildWorksheet(request, random);
        benchmark::DoNotOptimize(documents.content.problems.size());
    }
}
BENCHMARK(BM_ChoicesSheet)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// The refusal, counting every pair of numbers to 32767 (and again with each choice left out,
// to name the one to change). Arg 0: additions that carry with answers of at most 9; arg 1: no
// repeats among 32767 additions that never carry with answers of at most 40.
static void BM_ChoicesRefusal(benchmark::State& state) {
    const WorksheetRequest request =
        state.range(0) == 0
            ? Request(Skill::Addition, 32767, 32767, {Regrouping::Always, true, 0, 9, 0, false})
            : Request(Skill::Addition, 32767, 32767, {Regrouping::Never, true, 0, 40, 0, true});
    for (auto _ : state) {
        bool refused = false;
        try {
            CheckProblemsCanBeMade(request, {});
        } catch (const GenerationError&) {
            refused = true;
        }
        if (!refused)
            state.SkipWithError("not refused");
    }
}
BENCHMARK(BM_ChoicesRefusal)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
