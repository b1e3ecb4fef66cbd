// The worksheet window's Export PDF of a long sheet and its key, against its Save (RTF): the
// documents the window shows, filled from the model as the window fills them.
#include "bench_app.h"
#include "core/random_source.h"
#include "document/rtf_writer.h"
#include "ui/document_bridge.h"
#include "ui/pdf_export.h"
#include "worksheet/worksheet_builder.h"

#include <QTemporaryDir>
#include <QTextDocument>
#include <benchmark/benchmark.h>

#include "mixed_request.h"

using namespace abacore;

// Arguments: problems, and 0 for the RTF, 1 for the PDF.
static void BM_WindowExport(benchmark::State& state) {
    BenchApp();
    WorksheetRequest request =
        MixedSheetRequest(Activity::SkillsPractice, 999, 99, static_cast<int16_t>(state.range(0)));
    request.ProblemStyle = StyleBit::kHorizontal;
    RandomSource random(12345);
    const WorksheetDocuments sheet = BuildWorksheet(request, random);
    QTextDocument worksheet, key;
    FillTextDocument(sheet.worksheet, worksheet, Paper::Letter);
    FillTextDocument(sheet.answerKey, key, Paper::Letter);
    QTemporaryDir folder;
    const std::string path = folder.filePath("sheet.pdf").toStdString();
    for (auto _ : state) {
        if (state.range(1) == 0) {
            benchmark::DoNotOptimize(RtfText(ReadTextDocument(worksheet), Paper::Letter));
            benchmark::DoNotOptimize(RtfText(ReadTextDocument(key), Paper::Letter));
        } else {
            WritePdf(std::vector<const QTextDocument*>{&worksheet, &key}, path, "Sheet",
                     Paper::Letter);
        }
    }
}
BENCHMARK(BM_WindowExport)
    ->Args({1000, 0})
    ->Args({1000, 1})
    ->Args({32767, 0})
    ->Args({32767, 1})
    ->Unit(benchmark::kMillisecond);
