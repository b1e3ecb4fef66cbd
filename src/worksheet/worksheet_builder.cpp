#include "worksheet/worksheet_builder.h"

#include "worksheet/char_grid.h"
#include "worksheet/directions.h"
#include "worksheet/feasibility.h"
#include "worksheet/skills_practice.h"

#include <memory>

namespace abacore {

namespace {

constexpr std::string_view kNameDateLine =
    "\nName_____________________________     Date_______________\n";

void writeDirections(Document& worksheet, const WorksheetRequest& request) {
    worksheet.Insert(DirectionsText(request));
    if (request.ActivityType == Activity::SecretRiddle) {
        worksheet.SetItalic(true);
        worksheet.SetFontSize(14);
        worksheet.Insert(RiddleLineText(request));
        worksheet.SetItalic(false);
        worksheet.SetFontSize(10);
    }
}

void runGenerator(WorksheetRequest& request, RandomSource& random, const DrawLimits& limits,
                  GenerationState& state, Document& worksheet) {
    switch (request.ActivityType) {
    case Activity::SkillsPractice:
        MakeSkillsPractice(request, random, limits, state, worksheet);
        break;
    case Activity::MathSquares:
        // The squares' box lines need the one font that draws them.
        worksheet.SetBold(false);
        worksheet.SetFontName("Terminal");
        break;
    case Activity::FlashCards:
        worksheet.SetFontSize(50);
        break;
    default:
        break;
    }
}

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

bool HasGenerator(Activity activity) {
    return activity == Activity::SkillsPractice;
}

WorksheetDocuments BuildWorksheet(WorksheetRequest& request, RandomSource& random) {
    DrawLimits limits;
    if (HasGenerator(request.ActivityType))
        limits = CheckProblemsCanBeMade(request, RulesFor(request.ActivityType));

    WorksheetDocuments documents;
    Document& worksheet = documents.worksheet;
    const auto state = std::make_unique<GenerationState>();
    const bool flashCards = request.ActivityType == Activity::FlashCards;

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
    if (!flashCards)
        worksheet.Insert(kNameDateLine);

    worksheet.MoveToEnd();
    worksheet.SetFontSize(10);
    worksheet.SetBold(true);
    worksheet.SetItalic(true);
    if (!flashCards)
        writeDirections(worksheet, request);

    worksheet.MoveToEnd();
    worksheet.SetItalic(false);
    worksheet.SetFontSize(11);
    worksheet.SetAlignment(Alignment::Left);
    worksheet.SetFontName("Courier New");

    runGenerator(request, random, limits, *state, worksheet);

    if (!flashCards)
        writeAnswerKey(documents.answerKey, request, state->AnswerText);
    return documents;
}

} // namespace abacore
