#include "worksheet/worksheet_builder.h"

#include "document/sheet_version.h"
#include "worksheet/activity_table.h"
#include "worksheet/char_grid.h"
#include "worksheet/large_print.h"

#include <memory>

namespace abacore {

namespace {

constexpr std::string_view kNameDateLine =
    "Name_____________________________     Date_______________";
// Shorter blanks, so that the line fits the page in larger type.
constexpr std::string_view kLargeNameDateLine = "Name________________________     Date____________";

// The version's label, or nothing for a sheet on its own.
std::string LabelOf(const SheetVersion& version, std::string (*label)(const SheetVersion&)) {
    return version.inSet() ? label(version) : std::string();
}

void writeAnswerKey(Document& answerKey, const WorksheetRequest& request,
                    const std::string& answerText, const SheetVersion& version, double scale) {
    answerKey.Clear();
    answerKey.SetFontSize(answerKey.currentFormat().fontSize * scale);
    answerKey.SetAlignment(Alignment::Centre);
    answerKey.SetBold(true);
    // The blank line under "Answer Key" names the version the key belongs to.
    answerKey.Insert(request.Heading + "\nAnswer Key\n" + LabelOf(version, PupilVersionLabel) +
                     "\n");
    answerKey.SetAlignment(Alignment::Left);
    answerKey.SetFontSize(12 * scale);
    answerKey.Insert(answerText);
}

} // namespace

WorksheetDocuments BuildWorksheet(WorksheetRequest& request, RandomSource& random,
                                  const SheetVersion& version) {
    const ActivityRow& row = RowOf(request.ActivityType);
    const double scale = TypeScale(request);
    PreparedSheet prepared;
    if (row.check)
        prepared = row.check(request, row.problemRules);

    WorksheetDocuments documents;
    Document& worksheet = documents.worksheet;
    const auto state = std::make_unique<GenerationState>();

    worksheet.Clear();
    worksheet.setTabStops({0, 15, 30, 45});

    worksheet.SetFontSize(18 * scale);
    worksheet.SetBold(true);
    worksheet.SetFontName("Times New Roman");
    worksheet.SetAlignment(Alignment::Centre);
    worksheet.Insert(request.Heading);
    // A version of a class set says which it is in a line that is there anyway: the blank line
    // under the heading, or, on a sheet without a Name line, the heading's own line.
    if (!row.hasNameLine && version.inSet()) {
        const CharFormat heading = worksheet.currentFormat();
        worksheet.SetFontSize(14);
        worksheet.SetBold(false);
        worksheet.Insert((request.Heading.empty() ? "" : "   ") + PupilVersionLabel(version));
        worksheet.setCurrentFormat(heading);
    }
    worksheet.Insert("\n");

    worksheet.MoveToEnd();
    worksheet.SetFontSize(14 * scale);
    worksheet.SetBold(false);
    if (row.hasNameLine)
        worksheet.Insert(LabelOf(version, VersionLabel) + "\n" +
                         NameLineFor(scale > 1 ? kLargeNameDateLine : kNameDateLine, version) +
                         "\n");

    worksheet.MoveToEnd();
    worksheet.SetFontSize(10 * scale);
    worksheet.SetBold(true);
    worksheet.SetItalic(true);
    std::string directions;
    if (row.directions) {
        directions = "Directions: " + row.directions(request);
        worksheet.Insert("\n" + directions + "\n\n");
    }
    if (row.afterDirections)
        row.afterDirections(request, worksheet);

    worksheet.MoveToEnd();
    worksheet.SetItalic(false);
    worksheet.SetFontSize(11 * scale);
    worksheet.SetAlignment(Alignment::Left);
    worksheet.SetFontName("Courier New");

    if (row.generator)
        row.generator(request, random, row.problemRules, prepared, *state, worksheet);

    if (row.hasAnswerKey)
        writeAnswerKey(documents.answerKey, request, state->AnswerText, version, scale);

    SheetContent& content = documents.content;
    content = std::move(state->Content);
    content.form = row.answerForm;
    content.heading = request.Heading;
    content.hasNameLine = row.hasNameLine;
    content.directions = directions;
    return documents;
}

WorksheetDocuments BuildWorksheet(WorksheetRequest& request, RandomSource& random) {
    return BuildWorksheet(request, random, SheetVersion{});
}

} // namespace abacore
