// PDF time of text made of the longest unbroken words a data file or a riddle may hold. Qt
// breaks a word wider than the line by scanning the rest of it for every printed line, so one
// word costs the square of its length; with words held to kLongestTextLine the time grows
// with the text's length alone.
#include "bench_app.h"
#include "document/document.h"
#include "ui/document_bridge.h"
#include "ui/page_output.h"
#include "ui/text_document_pages.h"
#include "worksheet/data_file.h"

#include <QTextDocument>
#include <benchmark/benchmark.h>

using namespace abacore;

namespace {

// The PDF of `text` as one paragraph, timed against the text's length.
void TimePdfOf(benchmark::State& state, const std::string& text) {
    BenchApp();
    Document document;
    document.Insert(text);
    QTextDocument shown;
    FillTextDocument(document, shown, Paper::Letter);
    for (auto _ : state) {
        TextDocumentPages pages(shown);
        benchmark::DoNotOptimize(PdfBytes({&pages}, "Words", Paper::Letter));
    }
    state.SetComplexityN(state.range(0));
}

void BM_PdfOfLongestWords(benchmark::State& state) {
    std::string text;
    while (text.size() < static_cast<size_t>(state.range(0)))
        text += std::string(kLongestTextLine, 'x') + ' ';
    TimePdfOf(state, text);
}

// One word of any length, as a teacher may paste into the worksheet window: the page path gives
// it places to break, so this grows with the length too.
void BM_PdfOfOnePastedWord(benchmark::State& state) {
    TimePdfOf(state, std::string(static_cast<size_t>(state.range(0)), 'x'));
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
