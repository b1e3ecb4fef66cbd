// Word problems, value matching and flash cards at their largest counts: the ranges check, the
// generator and the RTF of the worksheet (and of the answer key where there is one), as one
// worksheet build does them.

#include "worksheet/feasibility.h"
#include "worksheet/flash_cards.h"
#include "worksheet/random_source.h"
#include "worksheet/rtf_writer.h"
#include "worksheet/value_matching.h"
#include "worksheet/word_problems.h"

#include <benchmark/benchmark.h>

#include <memory>

using namespace abacore;

namespace {

WorksheetRequest MixedRequest(Activity activity, int16_t count) {
    WorksheetRequest r;
    r.ActivityType = activity;
    r.SkillMode = Skill::Mixed;
    r.MixedSkills = true;
    r.SkillChecked = {false, true, true, true, true};
    r.AllowRemainders = true;
    r.ProblemStyle = 7;
    r.FirstMin = 0;
    r.FirstMax = 100;
    r.SecondMin = 0;
    r.SecondMax = 100;
    r.ProblemCount = count;
    r.Heading = "Benchmark Sheet";
    return r;
}

// The worksheet as the builder hands it to a generator.
Document SheetStart(const WorksheetRequest& request) {
    Document d;
    d.setTabStops({0, 15, 30, 45});
    d.SetFontSize(18);
    d.SetBold(true);
    d.SetAlignment(Alignment::Centre);
    d.Insert(request.Heading + "\n");
    d.SetFontSize(11);
    d.SetAlignment(Alignment::Left);
    d.SetFontName("Courier New");
    return d;
}

size_t Rtf(const Document& worksheet, const WorksheetRequest& request,
           const std::string& answerText) {
    Document key;
    key.SetAlignment(Alignment::Centre);
    key.SetBold(true);
    key.Insert(request.Heading + "\nAnswer Key\n\n");
    key.SetAlignment(Alignment::Left);
    key.SetFontSize(12);
    key.Insert(answerText);
    return RtfText(worksheet).size() + RtfText(key).size();
}

} // namespace

// The templates are read from the data folder on every build, as the check does.
static void BM_WordProblems20(benchmark::State& state) {
    WorksheetRequest request = MixedRequest(Activity::WordProblems, 20);
    if (state.range(0) == 1) {
        request.MixedSkills = false;
        request.SkillMode = Skill::Division;
    }
    RandomSource random(12345);
    for (auto _ : state) {
        const WordProblemsSetup setup =
            CheckWordProblemsCanBeMade(request, {ABACORE_SOURCE_DIR "/data"});
        Document worksheet = SheetStart(request);
        auto generation = std::make_unique<GenerationState>();
        MakeWordProblems(request, random, setup.limits, setup.templates, *generation, worksheet);
        benchmark::DoNotOptimize(Rtf(worksheet, request, generation->AnswerText));
    }
}
BENCHMARK(BM_WordProblems20)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// Arg 0: the default ranges; arg 1: first numbers to 32767 and partners' second number 1 only,
// where nearly every partner comes from counting them rather than drawing.
static void BM_ValueMatching25(benchmark::State& state) {
    WorksheetRequest request = MixedRequest(Activity::ValueMatching, 25);
    if (state.range(0) == 1) {
        request.FirstMax = 32767;
        request.SecondMax = 2;
    }
    RandomSource random(12345);
    for (auto _ : state) {
        const DrawLimits limits =
            CheckProblemsCanBeMade(request, RulesFor(Activity::ValueMatching));
        CheckValueMatchingCanBeMade(request);
        Document worksheet = SheetStart(request);
        auto generation = std::make_unique<GenerationState>();
        MakeValueMatching(request, random, limits, *generation, worksheet);
        benchmark::DoNotOptimize(Rtf(worksheet, request, generation->AnswerText));
    }
}
BENCHMARK(BM_ValueMatching25)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

static void BM_FlashCards100(benchmark::State& state) {
    WorksheetRequest request = MixedRequest(Activity::FlashCards, 100);
    request.FirstMax = 999;
    RandomSource random(12345);
    for (auto _ : state) {
        const DrawLimits limits = CheckProblemsCanBeMade(request, RulesFor(Activity::FlashCards));
        Document worksheet = SheetStart(request);
        worksheet.SetFontSize(50);
        auto generation = std::make_unique<GenerationState>();
        MakeFlashCards(request, random, limits, *generation, worksheet);
        benchmark::DoNotOptimize(RtfText(worksheet).size());
    }
}
BENCHMARK(BM_FlashCards100)->Unit(benchmark::kMicrosecond);
