// Word problems, value matching and flash cards at their largest counts, as the program makes
// them: the whole worksheet build (checks, template files read from the data folder, generator,
// answer key) and the RTF of the worksheet and, where there is one, of the answer key.

#include "core/random_source.h"
#include "document/rtf_writer.h"
#include "worksheet/worksheet_builder.h"

#include <benchmark/benchmark.h>

#include "mixed_request.h"

using namespace abacore;

namespace {

WorksheetRequest MixedRequest(Activity activity, int16_t count) {
    return MixedSheetRequest(activity, 100, 100, count);
}

void Measure(benchmark::State& state, WorksheetRequest request) {
    RandomSource random(12345);
    for (auto _ : state) {
        const WorksheetDocuments documents = BuildWorksheet(request, random);
        size_t bytes = RtfText(documents.worksheet, Paper::Letter).size();
        if (!documents.answerKey.isEmpty())
            bytes += RtfText(documents.answerKey, Paper::Letter).size();
        benchmark::DoNotOptimize(bytes);
    }
}

} // namespace

// Arg 0: all four skills; arg 1: division only, twenty different stories from one file.
static void BM_WordProblems20(benchmark::State& state) {
    WorksheetRequest request = MixedRequest(Activity::WordProblems, 20);
    if (state.range(0) == 1) {
        request.MixedSkills = false;
        request.SkillMode = Skill::Division;
    }
    Measure(state, request);
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
    Measure(state, request);
}
BENCHMARK(BM_ValueMatching25)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

static void BM_FlashCards100(benchmark::State& state) {
    WorksheetRequest request = MixedRequest(Activity::FlashCards, 100);
    request.FirstMax = 999;
    Measure(state, request);
}
BENCHMARK(BM_FlashCards100)->Unit(benchmark::kMicrosecond);
