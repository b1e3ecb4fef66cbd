// The riddle and math-squares sheets at their largest counts: the range check, the generator,
// the answer key and both documents written as RTF, as a Save with QuickWord does.

#include "worksheet/math_squares.h"
#include "worksheet/rtf_writer.h"
#include "worksheet/secret_riddle.h"

#include "worksheet/riddle_feasibility.h"
#include "worksheet/squares_feasibility.h"

#include <benchmark/benchmark.h>

#include <functional>

using namespace abacore;

namespace {

using Generator =
    std::function<void(WorksheetRequest&, RandomSource&, GenerationState&, Document&)>;

// Heading, the generator in the fixed-pitch font, the answer key; both documents to RTF.
size_t BuildAndWrite(WorksheetRequest& request, RandomSource& random, const Generator& generate,
                     const char* font) {
    Document worksheet;
    worksheet.SetFontSize(18);
    worksheet.SetBold(true);
    worksheet.SetAlignment(Alignment::Centre);
    worksheet.Insert(request.Heading + "\n");
    worksheet.SetFontSize(11);
    worksheet.SetAlignment(Alignment::Left);
    worksheet.SetFontName(font);
    GenerationState state;
    generate(request, random, state, worksheet);
    Document answerKey;
    answerKey.SetBold(true);
    answerKey.Insert(request.Heading + "\nAnswer Key\n\n");
    answerKey.Insert(state.AnswerText);
    return RtfText(worksheet).size() + RtfText(answerKey).size();
}

WorksheetRequest Mixed(Activity activity, double firstMax, int16_t secondMax) {
    WorksheetRequest r;
    r.ActivityType = activity;
    r.SkillMode = Skill::Mixed;
    r.MixedSkills = true;
    r.SkillChecked = {false, true, true, true, true};
    r.AllowRemainders = true;
    r.FirstMin = 0;
    r.FirstMax = firstMax;
    r.SecondMin = 0;
    r.SecondMax = secondMax;
    r.Heading = "Benchmark";
    return r;
}

void RunRiddle(benchmark::State& state, WorksheetRequest request) {
    request.PunchLine = "Jackdaws love my big sphinx of quartz!"; // all 26 letters
    RandomSource random(12345);
    const Generator generate = [](WorksheetRequest& r, RandomSource& source, GenerationState& s,
                                  Document& d) {
        MakeSecretRiddle(r, source, CheckSecretRiddleCanBeMade(r), s, d);
    };
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildAndWrite(request, random, generate, "Courier New"));
}

void RunSquares(benchmark::State& state, WorksheetRequest request) {
    request.ProblemCount = 15;
    RandomSource random(12345);
    const Generator generate = [](WorksheetRequest& r, RandomSource& source, GenerationState& s,
                                  Document& d) {
        MakeMathSquares(r, source, CheckMathSquaresCanBeMade(r), s, d);
    };
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildAndWrite(request, random, generate, "Terminal"));
}

} // namespace

// All four skills, remainders allowed.
static void BM_RiddleSheet26Letters(benchmark::State& state) {
    RunRiddle(state, Mixed(Activity::SecretRiddle, 100, 12));
}
BENCHMARK(BM_RiddleSheet26Letters)->Unit(benchmark::kMicrosecond);

// The hardest distinct-answer draw: sums of 1 to 13 and 1 to 14 give exactly 26 answers, the
// last letters waiting for the rarest sums.
static void BM_RiddleSheet26LettersTightSums(benchmark::State& state) {
    WorksheetRequest r = Mixed(Activity::SecretRiddle, 13, 14);
    r.MixedSkills = false;
    r.SkillMode = Skill::Addition;
    RunRiddle(state, r);
}
BENCHMARK(BM_RiddleSheet26LettersTightSums)->Unit(benchmark::kMicrosecond);

static void BM_MathSquares15(benchmark::State& state) {
    RunSquares(state, Mixed(Activity::MathSquares, 20, 0));
}
BENCHMARK(BM_MathSquares15)->Unit(benchmark::kMicrosecond);

// The widest range the check lets through for exact division: about one drawn square in
// 80 000 works out.
static void BM_MathSquares15ExactDivisionWidest(benchmark::State& state) {
    WorksheetRequest r = Mixed(Activity::MathSquares, 216, 0);
    r.MixedSkills = false;
    r.SkillMode = Skill::Division;
    r.AllowRemainders = false;
    RunSquares(state, r);
}
BENCHMARK(BM_MathSquares15ExactDivisionWidest)->Unit(benchmark::kMicrosecond);
