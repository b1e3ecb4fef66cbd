#pragma once
// The word problems sheet: each problem becomes a short story from its skill's template file,
// numbered, with the answer in the answer key. With a single skill no story appears twice on a
// sheet; with several, each problem takes from a fresh copy of its skill's stories.
//
// The stories count and share things, so a difference never goes below zero here, whatever an
// earlier request left in AllowNegatives (this sheet does not ask about it).

#include "core/random_source.h"
#include "core/worksheet_request.h"
#include "document/document.h"
#include "worksheet/char_grid.h"
#include "worksheet/problem.h"
#include "worksheet/template_file.h"

#include <filesystem>

namespace abacore {

// What the sheet is made with, gathered before anything is written.
struct WordProblemsSetup {
    DrawLimits limits;
    WordTemplates templates;
};

// The directions, after "Directions: ".
std::string WordProblemsDirections(const WorksheetRequest& request);

// Throws GenerationError, saying what to change, when the ranges cannot make the problems or
// a template file is missing or short; otherwise returns the redraw limits and the templates.
WordProblemsSetup CheckWordProblemsCanBeMade(const WorksheetRequest& request,
                                             const ProblemRules& rules, const DataFolders& folders);

// Makes request.ProblemCount stories into the worksheet (in "Times New Roman") and fills
// state.AnswerText. Reads no file. Throws GenerationError before writing anything when
// `templates` cannot fill the sheet.
void MakeWordProblems(WorksheetRequest& request, RandomSource& random, const ProblemRules& rules,
                      const DrawLimits& limits, const WordTemplates& templates,
                      GenerationState& state, Document& worksheet);

} // namespace abacore
