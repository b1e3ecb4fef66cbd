#include "worksheet/worksheet_builder.h"

#include "worksheet/activity_table.h"
#include "worksheet/char_grid.h"
#include "worksheet/directions.h"

#include <memory>

namespace abacore {

namespace {

constexpr std::string_view kNameDateLine =
    "\nName_____________________________     Date_______________\n";

void writeAnswerKey(Document& answerKey, const WorksheetRequest& request,
                    const std::string& answerText) {
    answerKey.Clear();
    answerKey.SetAlignment(Alignment::Centre);
    answerKey.SetBold(true);
    answerKey.Insert(request.Heading + "\nAnswer Key\n\n");
    answerKey.SetAlignment(Alignment::Left);
    answerKey.SetFontSize(12);
    answerKey.Insert(answerText);
}

} // namespace

WorksheetDocuments BuildWorksheet(WorksheetRequest& request, RandomSource& random) {
    const ActivityRow& row = RowOf(request.ActivityType);
    PreparedSheet prepared;
    if (row.check)
        prepared = row.check(request);

    WorksheetDocuments documents;
    Document& worksheet = documents.worksheet;
    const auto state = std::make_unique<GenerationState>();

    worksheet.Clear();
    worksheet.setTabStops({0, 15, 30, 45});

    worksheet.SetFontSize(18);
    worksheet.SetBold(true);
    worksheet.SetFontName("Times New Roman");
    worksheet.SetAlignment(Alignment::Centre);
    worksheet.Insert(request.Heading + "\n");

    worksheet.MoveToEnd();
    worksheet.SetFontSize(14);
    worksheet.SetBold(false);
    if (row.hasAnswerKey)
        worksheet.Insert(kNameDateLine);

    worksheet.MoveToEnd();
    worksheet.SetFontSize(10);
    worksheet.SetBold(true);
    worksheet.SetItalic(true);
    if (row.hasAnswerKey) {
        worksheet.Insert(DirectionsText(request));
        if (row.afterDirections)
            row.afterDirections(request, worksheet);
    }

    worksheet.MoveToEnd();
    worksheet.SetItalic(false);
    worksheet.SetFontSize(11);
    worksheet.SetAlignment(Alignment::Left);
    worksheet.SetFontName("Courier New");

    if (row.generator)
        row.generator(request, random, prepared, *state, worksheet);

    if (row.hasAnswerKey)
        writeAnswerKey(documents.answerKey, request, state->AnswerText);

    SheetContent& content = documents.content;
    content = std::move(state->Content);
    content.heading = request.Heading;
    content.hasNameLine = row.hasAnswerKey;
    if (row.hasAnswerKey)
        content.directions = DirectionsText(request);
    return documents;
}

} // namespace abacore
