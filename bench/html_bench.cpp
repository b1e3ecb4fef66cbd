// What a web page adds to `make`: the page of a 20-problem sheet from its built problems.
#include "core/random_source.h"
#include "mixed_request.h"
#include "worksheet/html_writer.h"
#include "worksheet/worksheet_builder.h"

#include <benchmark/benchmark.h>

using namespace abacore;

namespace {

void BM_WebPageOf20Problems(benchmark::State& state) {
    WorksheetRequest request = MixedSheetRequest(Activity::SkillsPractice, 100, 100, 20);
    RandomSource random(1);
    const WorksheetDocuments documents = BuildWorksheet(request, random);
    const WebVersion version{"", "", &documents.content};
    for (auto _ : state) {
        std::string page = WorksheetHtml({&version, 1}, nullptr);
        benchmark::DoNotOptimize(page);
    }
}
BENCHMARK(BM_WebPageOf20Problems)->Unit(benchmark::kMicrosecond);

} // namespace
