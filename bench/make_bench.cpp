// What a teacher or a script waits for: a whole sheet with its answer key as RTF, in process,
// and the whole `make` command as a separate process.
#include "core/random_source.h"
#include "core/worksheet_request.h"
#include "document/rtf_writer.h"
#include "worksheet/worksheet_builder.h"

#include "make_process.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <string>
#include <unistd.h>

using namespace abacore;

namespace {

WorksheetRequest skillsRequest(int16_t count) {
    WorksheetRequest r;
    r.ActivityType = Activity::SkillsPractice;
    r.SkillChecked[1] = true;
    r.SkillChecked[2] = true;
    r.SkillChecked[4] = true;
    r.SkillMode = Skill::Mixed;
    r.MixedSkills = true;
    r.AllowRemainders = true;
    r.ProblemStyle = StyleBit::kBracket | StyleBit::kHorizontal | StyleBit::kVertical;
    r.FirstMin = 0;
    r.FirstMax = 100;
    r.SecondMin = 1;
    r.SecondMax = 100;
    r.Heading = "Math Skills Practice Worksheet";
    r.ProblemCount = count;
    return r;
}

void BM_SheetWithAnswerKeyToRtf(benchmark::State& state) {
    WorksheetRequest request = skillsRequest(static_cast<int16_t>(state.range(0)));
    RandomSource random(1);
    for (auto _ : state) {
        const WorksheetDocuments docs = BuildWorksheet(request, random);
        std::string sheet = RtfText(docs.worksheet, Paper::Letter);
        std::string key = RtfText(docs.answerKey, Paper::Letter);
        benchmark::DoNotOptimize(sheet);
        benchmark::DoNotOptimize(key);
    }
}
BENCHMARK(BM_SheetWithAnswerKeyToRtf)->Arg(20)->Arg(100)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SheetWithAnswerKeyToRtf)->Arg(32767)->Unit(benchmark::kMillisecond);

void BM_MakeProcess20ProblemsToRtf(benchmark::State& state) {
    const std::string out = "/tmp/abacore-bench-" + std::to_string(getpid()) + ".rtf";
    TimeMakeProcess(state, {"make", "skills", "-o", out, "--count", "20"});
    std::remove(out.c_str());
}
BENCHMARK(BM_MakeProcess20ProblemsToRtf)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
