// The whole `make crossword --count 30` process as a script waits for it: start, the problem set,
// the grid, the files, exit. The clue list as text, and the puzzle and its key as PDF (which
// also starts Qt's fonts and painter).
#include <benchmark/benchmark.h>
#include <cstdio>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

void runMakeCrossword(benchmark::State& state, const std::string& extension, bool withKey) {
    const std::string base = "/tmp/abacore-bench-crossword-" + std::to_string(getpid());
    const std::string exe = ABACORE_EXECUTABLE;
    std::vector<std::string> args{exe,  "make", "crossword",     "--count",
                                  "30", "-o",   base + extension};
    if (withKey) {
        args.push_back("--answer-key");
        args.push_back(base + "-key" + extension);
    }
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    for (auto _ : state) {
        pid_t pid = 0;
        if (posix_spawn(&pid, exe.c_str(), nullptr, nullptr, argv.data(), environ) != 0) {
            state.SkipWithError("cannot start the program");
            break;
        }
        int status = 0;
        waitpid(pid, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("make crossword failed");
            break;
        }
    }
    std::remove((base + extension).c_str());
    std::remove((base + "-key" + extension).c_str());
}

void BM_MakeCrossword30ToText(benchmark::State& state) {
    runMakeCrossword(state, ".txt", false);
}
BENCHMARK(BM_MakeCrossword30ToText)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_MakeCrossword30ToIpuz(benchmark::State& state) {
    runMakeCrossword(state, ".ipuz", false);
}
BENCHMARK(BM_MakeCrossword30ToIpuz)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_MakeCrossword30WithKeyToPdf(benchmark::State& state) {
    runMakeCrossword(state, ".pdf", true);
}
BENCHMARK(BM_MakeCrossword30WithKeyToPdf)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
