#include "worksheet/word_problems.h"

#include "core/generation_error.h"
#include "core/number_text.h"
#include "worksheet/feasibility.h"
#include "worksheet/skills_practice.h"

#include <cmath>
#include <string>
#include <vector>

namespace abacore {

namespace {

// Holds AllowNegatives off while the sheet is made and puts the stored answer back after, so
// that a later request still finds what the user said.
class NoNegatives {
public:
    explicit NoNegatives(WorksheetRequest& request)
        : m_request(request), m_saved(request.AllowNegatives) {
        m_request.AllowNegatives = false;
    }
    ~NoNegatives() { m_request.AllowNegatives = m_saved; }
    NoNegatives(const NoNegatives&) = delete;
    NoNegatives& operator=(const NoNegatives&) = delete;

private:
    WorksheetRequest& m_request;
    bool m_saved;
};

// The stories not yet used, in file order.
using TemplateList = std::vector<const std::string*>;

void fillList(TemplateList& list, const std::vector<std::string>& templates) {
    list.clear();
    for (const std::string& text : templates)
        list.push_back(&text);
}

} // namespace

WordProblemsSetup CheckWordProblemsCanBeMade(const WorksheetRequest& request,
                                             const ProblemRules& rules,
                                             const DataFolders& folders) {
    WorksheetRequest counting = request;
    counting.AllowNegatives = false;
    WordProblemsSetup setup;
    setup.limits = CheckProblemsCanBeMade(counting, rules);
    setup.templates = LoadWordTemplates(request, folders);
    return setup;
}

void MakeWordProblems(WorksheetRequest& request, RandomSource& random, const ProblemRules& rules,
                      const DrawLimits& limits, const WordTemplates& templates,
                      GenerationState& state, Document& worksheet) {
    CheckTemplatesSuffice(request, templates);
    const NoNegatives noNegatives(request);
    const bool remainders = request.AllowRemainders.value_or(false);

    worksheet.SetFontName("Times New Roman");
    worksheet.Insert("\n\n");
    state.AnswerText.clear();

    TemplateList unused;
    if (!request.MixedSkills)
        fillList(unused, templates.forSkill(request.SkillMode));

    std::string first, second, story;
    DrawnProblems drawn;
    for (int number = 1; number <= request.ProblemCount; ++number) {
        const ArithmeticProblem problem = NextNewProblem(request, random, rules, limits, drawn);
        AppendSkillsAnswer(state.AnswerText, number, problem, remainders);
        if (request.MixedSkills)
            fillList(unused, templates.forSkill(problem.skill));

        if (unused.empty()) // the check above rules it out; never index an empty list
            throw GenerationError("No word problem is left for problem " + std::to_string(number) +
                                  ".");
        const auto n = static_cast<double>(unused.size());
        const auto k = static_cast<size_t>(std::floor(n * random.Next() + 1.0)) - 1;
        const std::string& text = *unused[k];
        unused.erase(unused.begin() + static_cast<std::ptrdiff_t>(k));

        first.clear();
        second.clear();
        AppendTrimmedNumberText(first, problem.first);
        AppendTrimmedNumberText(second, problem.second);
        story.clear();
        AppendTrimmedNumberText(story, number);
        story += ")   ";
        SheetProblem& recorded =
            state.Content.problems.emplace_back(RecordedProblem(problem, remainders));
        recorded.question = FillTemplate(text, first, second);
        story += recorded.question;
        story += "\n\n\n";
        worksheet.Insert(story);
    }
}

std::string WordProblemsDirections(const WorksheetRequest&) {
    return "Solve the word problems below.";
}

} // namespace abacore
