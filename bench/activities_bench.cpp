// The riddle and math-squares sheets at their largest counts, as the program makes them: the
// whole worksheet build (checks, heading, directions, generator, answer key) and both
// documents written as RTF, as a Save with QuickWord does.

#include "core/random_source.h"
#include "document/rtf_writer.h"
#include "worksheet/worksheet_builder.h"

#include <benchmark/benchmark.h>

#include "mixed_request.h"

using namespace abacore;

namespace {

size_t BuildAndWrite(WorksheetRequest& request, RandomSource& random) {
    const WorksheetDocuments documents = BuildWorksheet(request, random);
    return RtfText(documents.worksheet, Paper::Letter).size() +
           RtfText(documents.answerKey, Paper::Letter).size();
}

WorksheetRequest Mixed(Activity activity, double firstMax, int16_t secondMax) {
    WorksheetRequest r = MixedSheetRequest(activity, firstMax, secondMax, 15);
    r.RiddleQuestion = "Which sentence uses every letter?";
    r.PunchLine = "Jackdaws love my big sphinx of quartz!"; // all 26 letters
    return r;
}

void Measure(benchmark::State& state, WorksheetRequest request) {
    RandomSource random(12345);
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildAndWrite(request, random));
}

WorksheetRequest ExactDivisionSquares(double firstMax) {
    WorksheetRequest r = Mixed(Activity::MathSquares, firstMax, 0);
    r.MixedSkills = false;
    r.SkillMode = Skill::Division;
    r.AllowRemainders = false;
    return r;
}

} // namespace

// All four skills, remainders allowed.
static void BM_RiddleSheet26Letters(benchmark::State& state) {
    Measure(state, Mixed(Activity::SecretRiddle, 100, 12));
}
BENCHMARK(BM_RiddleSheet26Letters)->Unit(benchmark::kMicrosecond);

// The hardest distinct-answer draw: sums of 1 to 13 and 1 to 14 give exactly 26 answers, the
// last letters waiting for the rarest sums.
static void BM_RiddleSheet26LettersTightSums(benchmark::State& state) {
    WorksheetRequest r = Mixed(Activity::SecretRiddle, 13, 14);
    r.MixedSkills = false;
    r.SkillMode = Skill::Addition;
    Measure(state, r);
}
BENCHMARK(BM_RiddleSheet26LettersTightSums)->Unit(benchmark::kMicrosecond);

static void BM_MathSquares15(benchmark::State& state) {
    Measure(state, Mixed(Activity::MathSquares, 20, 0));
}
BENCHMARK(BM_MathSquares15)->Unit(benchmark::kMicrosecond);

// Exact division with the default first range, 0 to 100: about one drawn square in 15 000
// works out.
static void BM_MathSquares15ExactDivisionDefaultRange(benchmark::State& state) {
    Measure(state, ExactDivisionSquares(100));
}
BENCHMARK(BM_MathSquares15ExactDivisionDefaultRange)->Unit(benchmark::kMicrosecond);

// The widest range the check lets through for exact division: about one drawn square in a
// million works out, a sheet of some 15 million drawn squares (kSquareDrawBudget).
static void BM_MathSquares15ExactDivisionWidest(benchmark::State& state) {
    Measure(state, ExactDivisionSquares(541));
}
BENCHMARK(BM_MathSquares15ExactDivisionWidest)->Unit(benchmark::kMicrosecond);
