#pragma once
// The word-problem template files, one per skill: each line that holds more than blanks is one
// story, with "[1]" and "[2]" standing for the problem's first and second number. They are read
// once, before the sheet is made, so that a missing or short file is reported before anything
// is written.

#include "core/program_folder.h"
#include "core/worksheet_request.h"

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace abacore {

// "add.dat", "subtract.dat", "multiply.dat" or "divide.dat"; empty for other codes.
std::string_view TemplateFileName(Skill skill);

// The templates of a file's lines, in file order. A blank line would print a numbered story
// with nothing in it, so it is left out rather than counted.
std::vector<std::string> TemplatesOf(const std::vector<std::string>& lines);

// The templates of every skill a sheet uses, by skill code (1 to 4); the others stay empty.
struct WordTemplates {
    std::array<std::vector<std::string>, 5> bySkill;

    const std::vector<std::string>& forSkill(Skill skill) const;
};

// The skills whose stories a sheet can hold: the one chosen skill, or every checked one.
std::vector<Skill> WordProblemSkills(const WorksheetRequest& request);

// How many templates each of those files must hold: one per problem with a single skill (no
// story twice on a sheet), one with several (each problem takes from a fresh copy).
int TemplatesNeeded(const WorksheetRequest& request);

// Reads the template file of each skill the sheet uses from the data folders (a teacher's own
// copy first). Throws
// GenerationError, naming the file and what to do, when one is missing, cannot be read or
// holds fewer templates than the sheet needs.
WordTemplates LoadWordTemplates(const WorksheetRequest& request, const DataFolders& folders);

// Throws GenerationError, naming the file, when `templates` cannot fill the sheet.
void CheckTemplatesSuffice(const WorksheetRequest& request, const WordTemplates& templates);

// The template with every "[1]" replaced by `first` and every "[2]" by `second`, scanning
// from left to right (inserted numbers are not scanned again).
std::string FillTemplate(std::string_view text, std::string_view first, std::string_view second);

} // namespace abacore
