// What a teacher or a script waits for: a whole sheet with its answer key as RTF, in process,
// and the whole `make` command as a separate process.
#include "core/worksheet_request.h"
#include "worksheet/random_source.h"
#include "worksheet/rtf_writer.h"
#include "worksheet/worksheet_builder.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

using namespace abacore;

extern char** environ;

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
        std::string sheet = RtfText(docs.worksheet);
        std::string key = RtfText(docs.answerKey);
        benchmark::DoNotOptimize(sheet);
        benchmark::DoNotOptimize(key);
    }
}
BENCHMARK(BM_SheetWithAnswerKeyToRtf)->Arg(20)->Arg(100)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SheetWithAnswerKeyToRtf)->Arg(32767)->Unit(benchmark::kMillisecond);

void BM_MakeProcess20ProblemsToRtf(benchmark::State& state) {
    const std::string out = "/tmp/abacore-bench-" + std::to_string(getpid()) + ".rtf";
    const std::string exe = ABACORE_EXECUTABLE;
    std::string a0 = exe, a1 = "make", a2 = "skills", a3 = "-o", a4 = out, a5 = "--count",
                a6 = "20";
    char* argv[] = {a0.data(), a1.data(), a2.data(), a3.data(),
                    a4.data(), a5.data(), a6.data(), nullptr};
    for (auto _ : state) {
        pid_t pid = 0;
        if (posix_spawn(&pid, exe.c_str(), nullptr, nullptr, argv, environ) != 0) {
            state.SkipWithError("cannot start the program");
            break;
        }
        int status = 0;
        waitpid(pid, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("make failed");
            break;
        }
    }
    std::remove(out.c_str());
}
BENCHMARK(BM_MakeProcess20ProblemsToRtf)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
