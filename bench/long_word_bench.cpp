// PDF time of text made of the longest unbroken words a data file or a riddle may hold. Qt
// breaks a word wider than the line by scanning the rest of it for every printed line, so one
// word costs the square of its length; with words held to kLongestTextLine the time grows
// with the text's length alone.
#include "bench_app.h"
#include "ui/document_bridge.h"
#include "ui/page_output.h"
#include "ui/text_document_pages.h"
#include "worksheet/data_file.h"
#include "worksheet/document.h"

#include <QTextDocument>
#include <benchmark/benchmark.h>

using namespace abacore;

namespace {

void BM_PdfOfLongestWords(benchmark::State& state) {
    BenchApp();
    const auto length = static_cast<size_t>(state.range(0));
    std::string text;
    while (text.size() < length)
        text += std::string(kLongestTextLine, 'x') + ' ';
    Document document;
    document.Insert(text);
    QTextDocument shown;
    FillTextDocument(document, shown);
    for (auto _ : state) {
        TextDocumentPages pages(shown);
        benchmark::DoNotOptimize(PdfBytes({&pages}, "Words"));
    }
    state.SetComplexityN(state.range(0));
}
// One word of any length, as a teacher may paste into the worksheet window: the page path gives
// it places to break, so this grows with the length too.
void BM_PdfOfOnePastedWord(benchmark::State& state) {
    BenchApp();
    Document document;
    document.Insert(std::string(static_cast<size_t>(state.range(0)), 'x'));
    QTextDocument shown;
    FillTextDocument(document, shown);
    for (auto _ : state) {
        TextDocumentPages pages(shown);
        benchmark::DoNotOptimize(PdfBytes({&pages}, "Word"));
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_PdfOfOnePastedWord)
    ->RangeMultiplier(4)
    ->Range(2000, 128000)
    ->Complexity()
    ->Unit(benchmark::kMillisecond);

BENCHMARK(BM_PdfOfLongestWords)
    ->RangeMultiplier(4)
    ->Range(2000, 128000)
    ->Complexity()
    ->Unit(benchmark::kMillisecond);

} // namespace
