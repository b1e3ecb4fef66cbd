#pragma once
// Runs `abacore-drill ARGS` as a whole process once per benchmark iteration, as a script waits
// for it; the benchmark stops with an error when the program cannot start or fails.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>

extern char** environ;

inline void TimeMakeProcess(benchmark::State& state, std::vector<std::string> args) {
    args.insert(args.begin(), ABACORE_EXECUTABLE);
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    for (auto _ : state) {
        pid_t pid = 0;
        if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
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
}
