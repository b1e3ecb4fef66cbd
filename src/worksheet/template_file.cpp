#include "worksheet/template_file.h"
#include "worksheet/problem.h"

#include "core/generation_error.h"
#include "worksheet/data_file.h"

#include <optional>

namespace abacore {

namespace {

std::string inQuotes(std::string_view fileName) {
    std::string quoted(1, '"');
    return quoted.append(fileName).append(1, '"');
}

std::string storyCount(size_t count) {
    if (count == 0)
        return "no stories";
    return std::to_string(count) + (count == 1 ? " story" : " stories");
}

std::string shortFileMessage(Skill skill, size_t held, int needed, bool mixed) {
    const std::string file = inQuotes(TemplateFileName(skill));
    if (held == 0)
        return "The word problems file " + file +
               " holds no stories. Add stories to the file, or choose other skills.";
    std::string text = "The word problems file " + file + " holds " + storyCount(held) +
                       ", but this worksheet needs " + std::to_string(needed) +
                       ", one for each problem.";
    if (!mixed)
        text += " Ask for " + std::to_string(held) +
                " problems or fewer, or add stories to "
                "the file.";
    return text;
}

// A line of blanks is no story.
bool IsBlank(const std::string& line) {
    return line.find_first_not_of(" \t") == std::string::npos;
}

// A story without the places of both numbers would print with a number missing while its key
// still gives the answer: the first such line, named.
std::optional<std::string> PlaceholderFault(const std::vector<std::string>& lines,
                                            std::string_view fileName) {
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (IsBlank(line))
            continue;
        const bool first = line.find("[1]") != std::string::npos;
        if (first && line.find("[2]") != std::string::npos)
            continue;
        return "Line " + std::to_string(i + 1) + " of the word problems file " +
               inQuotes(fileName) + " has no " + (first ? "[2]" : "[1]") + ", the place of the " +
               (first ? "second" : "first") +
               " number. Put [1] and [2] in every story, or choose other skills.";
    }
    return std::nullopt;
}

} // namespace

std::string_view TemplateFileName(Skill skill) {
    switch (skill) {
    case Skill::Addition:
        return "add.dat";
    case Skill::Subtraction:
        return "subtract.dat";
    case Skill::Multiplication:
        return "multiply.dat";
    case Skill::Division:
        return "divide.dat";
    default:
        return {};
    }
}

std::vector<std::string> TemplatesOf(const std::vector<std::string>& lines) {
    std::vector<std::string> templates;
    templates.reserve(lines.size());
    for (const std::string& line : lines)
        if (!IsBlank(line))
            templates.push_back(line);
    return templates;
}

const std::vector<std::string>& WordTemplates::forSkill(Skill skill) const {
    const auto k = static_cast<size_t>(skill);
    return bySkill[k < bySkill.size() ? k : 0];
}

std::vector<Skill> WordProblemSkills(const WorksheetRequest& request) {
    return SkillsThatCanOccur(request);
}

int TemplatesNeeded(const WorksheetRequest& request) {
    if (request.ProblemCount <= 0)
        return 0;
    return request.MixedSkills ? 1 : request.ProblemCount;
}

void CheckTemplatesSuffice(const WorksheetRequest& request, const WordTemplates& templates) {
    const int needed = TemplatesNeeded(request);
    const std::vector<Skill> skills = WordProblemSkills(request);
    if (needed > 0 && skills.empty())
        throw GenerationError("No skill is chosen for the problems. Choose at least one skill.");
    for (Skill skill : skills) {
        const size_t held = templates.forSkill(skill).size();
        if (held < static_cast<size_t>(needed))
            throw GenerationError(shortFileMessage(skill, held, needed, request.MixedSkills));
    }
}

WordTemplates LoadWordTemplates(const WorksheetRequest& request, const DataFolders& folders) {
    WordTemplates templates;
    if (TemplatesNeeded(request) == 0)
        return templates;
    for (Skill skill : WordProblemSkills(request)) {
        const std::string_view name = TemplateFileName(skill);
        const std::filesystem::path file = DataFilePath(folders, name);
        std::error_code error;
        if (!std::filesystem::exists(file, error))
            throw DataFileError("The word problems file " + inQuotes(name) + " is missing from " +
                                DataFoldersText(folders) +
                                ". Put the file back, or choose other skills.");
        const auto lines = ReadDataFileLines(file);
        if (!lines)
            throw DataFileError("The word problems file " + inQuotes(file.string()) +
                                " cannot be read. Check that it is a file you may read.");
        if (const auto line = FirstTooLongLine(*lines))
            throw DataFileError(TooLongLineText("word problems file", name, *line) +
                                " Shorten it, or choose other skills.");
        if (const auto fault = PlaceholderFault(*lines, name))
            throw DataFileError(*fault);
        templates.bySkill[static_cast<size_t>(skill)] = TemplatesOf(*lines);
    }
    CheckTemplatesSuffice(request, templates);
    return templates;
}

std::string FillTemplate(std::string_view text, std::string_view first, std::string_view second) {
    std::string filled;
    filled.reserve(text.size() + 16);
    for (size_t i = 0; i < text.size();) {
        if (text.compare(i, 3, "[1]") == 0) {
            filled += first;
            i += 3;
        } else if (text.compare(i, 3, "[2]") == 0) {
            filled += second;
            i += 3;
        } else {
            filled += text[i++];
        }
    }
    return filled;
}

} // namespace abacore
