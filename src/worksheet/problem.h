#pragma once
// Two-number arithmetic problems, made the same way by every activity: pick the skill when
// several are chosen, draw both numbers from the request's ranges, draw again until the skill's
// condition holds, work out the answer.

#include "core/worksheet_request.h"

#include <array>
#include <cstdint>
#include <memory>
#include <set>
#include <string_view>
#include <tuple>
#include <vector>

namespace abacore {

class RandomSource;
class ChoicePairs;

struct ArithmeticProblem {
    double first = 0;
    double second = 0;
    Skill skill = Skill::None;
    double answer = 0; // for division the whole quotient
    // Division only.
    double remainder = 0;
    bool exact = true;
    double decimalQuotient = 0;
};

// When the random source takes in the clock, relative to the skill pick.
enum class Reseed { BeforePick, AfterPick, Never };

// Where an activity's copy of the procedure departs from the usual one (a column of the
// activity table, handed to each generator).
struct ProblemRules {
    // Division never leaves a remainder, whatever AllowRemainders says.
    bool divisionAlwaysExact = false;
    // A division with remainders is drawn again while the second number exceeds the first.
    bool remaindersNeedOrder = true;
    Reseed reseed = Reseed::BeforePick;
};

// The condition a drawn pair must meet before it becomes a problem.
enum class RedrawRule {
    None,
    SecondNotLarger,  // subtraction without negative answers
    DivisorNotLarger, // division with remainders: quotient at least 1
    AnyDivisor,       // division with remainders and no order rule
    ExactDivision,    // division without remainders
};

RedrawRule RuleFor(const WorksheetRequest& request, const ProblemRules& rules, Skill skill);
// Every division rule also refuses a divisor of 0.
bool MeetsRule(RedrawRule rule, double first, double second);

// Whether a column of the two numbers' digits (of their sizes) carries when added, or borrows
// when the smaller size is taken from the larger.
bool Carries(double first, double second);
bool Borrows(double first, double second);

// The problem first (skill) second with its answer worked out.
ArithmeticProblem WorkedProblem(Skill skill, double first, double second);

// Whether a worked-out problem is one the teacher's choices allow (every choice but no
// repeats, which needs the sheet's other problems).
bool MeetsChoices(const ArithmeticProblem& problem, const ProblemChoices& choices);

// The most pairs one problem of each skill may draw before generation gives up: a safety net
// behind the check that the ranges can make the problems at all. Indexed by skill code.
struct DrawLimits {
    static constexpr uint64_t kDefault = 60'000'000;
    std::array<uint64_t, 5> bySkill{kDefault, kDefault, kDefault, kDefault, kDefault};
    // Where the teacher's choices apply to a skill, its good pairs, drawn from directly.
    std::array<std::shared_ptr<const ChoicePairs>, 5> choicePairs{};

    uint64_t forSkill(Skill skill) const;
};

// "+", "-", "x" or the division sign (UTF-8); empty for any other code.
std::string_view SkillSign(Skill skill);

// The skills the sheet's problems can have: the checked ones when several are chosen, else
// SkillMode (nothing for a code that is no skill).
std::vector<Skill> SkillsThatCanOccur(const WorksheetRequest& request);

// Sets SkillMode to a randomly chosen checked skill. Throws GenerationError when none is checked.
void PickSkill(WorksheetRequest& request, RandomSource& random);

// min + Int((max - min) * r + 1): never the lower bound itself.
double DrawOperand(double min, double max, RandomSource& random);

// A problem of the current SkillMode. Throws GenerationError when no pair meeting the skill's
// condition turned up within maxDraws draws.
ArithmeticProblem MakeProblem(const WorksheetRequest& request, RandomSource& random,
                              const ProblemRules& rules = {},
                              uint64_t maxDraws = DrawLimits::kDefault);

// A problem of the current SkillMode, drawn from the limits' good pairs where the choices
// apply to it, else as above.
ArithmeticProblem MakeProblem(const WorksheetRequest& request, RandomSource& random,
                              const ProblemRules& rules, const DrawLimits& limits);

// One whole problem as the activities make it: re-seed (where the rules say), PickSkill when
// several skills are chosen, MakeProblem.
ArithmeticProblem NextProblem(WorksheetRequest& request, RandomSource& random,
                              const ProblemRules& rules, const DrawLimits& limits);

// The problems a sheet has drawn so far: a + b and b + a (a x b and b x a) count as one.
class DrawnProblems {
public:
    // Adds the problem; false when it was there already.
    bool add(const ArithmeticProblem& problem);
    bool holds(const ArithmeticProblem& problem) const;
    // For a problem drawn but left off the sheet.
    void remove(const ArithmeticProblem& problem);

private:
    static std::tuple<int, double, double> keyOf(const ArithmeticProblem& problem);
    std::set<std::tuple<int, double, double>> m_seen;
};

// NextProblem, drawn again while the choices forbid repeats and `drawn` holds it already; the
// problem joins `drawn`. Throws GenerationError when no new problem turns up.
ArithmeticProblem NextNewProblem(WorksheetRequest& request, RandomSource& random,
                                 const ProblemRules& rules, const DrawLimits& limits,
                                 DrawnProblems& drawn);

} // namespace abacore
