#include "worksheet/problem.h"

#include "core/generation_error.h"
#include "core/random_source.h"
#include "worksheet/choice_draws.h"
#include "worksheet/feasibility.h"

#include <cmath>

namespace abacore {

namespace {

// Four tries per pick on average even with one skill checked; (3/4)^10000 never happens.
constexpr int kMostSkillPicks = 10000;

// The hot test of the exact-division redraw, which may run thousands of times per problem:
// whole numbers go through integer division, which is much cheaper than fmod.
bool dividesEvenly(double first, double second) {
    if (second == 0)
        return false;
    constexpr double kExactIntegers = 9007199254740992.0; // 2^53
    if (std::fabs(first) < kExactIntegers && std::fabs(second) < kExactIntegers) {
        const auto a = static_cast<int64_t>(first);
        const auto b = static_cast<int64_t>(second);
        if (static_cast<double>(a) == first && static_cast<double>(b) == second)
            return a % b == 0;
    }
    return std::fmod(first, second) == 0;
}

// A column's digit of a number's size: column 0 the units.
int digitOf(double size, int column) {
    return static_cast<int>(std::fmod(std::floor(size / std::pow(10.0, column)), 10.0));
}

// Every column of `size` has at least the digit `other` has there.
bool dominates(double size, double other) {
    for (int column = 0; size >= std::pow(10.0, column) || other >= std::pow(10.0, column);
         ++column)
        if (digitOf(size, column) < digitOf(other, column))
            return false;
    return true;
}

void workOut(ArithmeticProblem& problem) {
    const double a = problem.first;
    const double b = problem.second;
    switch (problem.skill) {
    case Skill::Addition:
        problem.answer = a + b;
        break;
    case Skill::Subtraction:
        problem.answer = a - b;
        break;
    case Skill::Multiplication:
        problem.answer = a * b;
        break;
    case Skill::Division:
        if (b != 0) {
            problem.decimalQuotient = a / b;
            problem.answer = std::trunc(problem.decimalQuotient);
            problem.remainder = std::fmod(a, b);
            problem.exact = problem.remainder == 0;
        }
        break;
    default:
        break;
    }
}

// One value of a 48-bit draw: two of the source's values, for counts beyond its 24 bits.
double fineDraw(RandomSource& random) {
    const double high = random.Next();
    const double low = random.Next();
    return std::min(high + low / 16777216.0, 1.0 - 1.0 / 281474976710656.0);
}

// Tries for one new problem: far more than the last free problem of a full sheet needs.
constexpr int kMostRepeatDraws = 4'000'000;

} // namespace

ArithmeticProblem WorkedProblem(Skill skill, double first, double second) {
    ArithmeticProblem problem;
    problem.skill = skill;
    problem.first = first;
    problem.second = second;
    workOut(problem);
    return problem;
}

bool Carries(double first, double second) {
    const double a = std::fabs(first);
    const double b = std::fabs(second);
    for (int column = 0; a >= std::pow(10.0, column) || b >= std::pow(10.0, column); ++column)
        if (digitOf(a, column) + digitOf(b, column) >= 10)
            return true;
    return false;
}

bool Borrows(double first, double second) {
    const double a = std::fabs(first);
    const double b = std::fabs(second);
    return !dominates(a, b) && !dominates(b, a);
}

bool MeetsChoices(const ArithmeticProblem& problem, const ProblemChoices& choices) {
    if (choices.regrouping != Regrouping::Any) {
        const bool always = choices.regrouping == Regrouping::Always;
        if (problem.skill == Skill::Addition && Carries(problem.first, problem.second) != always)
            return false;
        if (problem.skill == Skill::Subtraction && Borrows(problem.first, problem.second) != always)
            return false;
    }
    if (choices.answerLimit &&
        (problem.answer < choices.answerMin || problem.answer > choices.answerMax))
        return false;
    if (choices.facts != 0 &&
        (problem.skill == Skill::Multiplication || problem.skill == Skill::Division)) {
        const double b = problem.second;
        if (b < 1 || b > 12 || b != std::trunc(b) ||
            (choices.facts & (1u << (static_cast<int>(b) - 1))) == 0)
            return false;
    }
    return true;
}

RedrawRule RuleFor(const WorksheetRequest& request, const ProblemRules& rules, Skill skill) {
    switch (skill) {
    case Skill::Subtraction:
        return request.AllowNegatives ? RedrawRule::None : RedrawRule::SecondNotLarger;
    case Skill::Division:
        if (rules.divisionAlwaysExact || !IsTrue(request.AllowRemainders))
            return RedrawRule::ExactDivision;
        return rules.remaindersNeedOrder ? RedrawRule::DivisorNotLarger : RedrawRule::AnyDivisor;
    default:
        return RedrawRule::None;
    }
}

bool MeetsRule(RedrawRule rule, double first, double second) {
    switch (rule) {
    case RedrawRule::None:
        return true;
    case RedrawRule::SecondNotLarger:
        return second <= first;
    case RedrawRule::DivisorNotLarger:
        return second != 0 && second <= first;
    case RedrawRule::AnyDivisor:
        return second != 0;
    case RedrawRule::ExactDivision:
        return dividesEvenly(first, second);
    }
    return false;
}

uint64_t DrawLimits::forSkill(Skill skill) const {
    const auto k = static_cast<size_t>(skill);
    return k < bySkill.size() ? bySkill[k] : kDefault;
}

std::string_view SkillSign(Skill skill) {
    switch (skill) {
    case Skill::Addition:
        return "+";
    case Skill::Subtraction:
        return "-";
    case Skill::Multiplication:
        return "x";
    case Skill::Division:
        return "\u00F7";
    default:
        return {};
    }
}

std::vector<Skill> SkillsThatCanOccur(const WorksheetRequest& request) {
    std::vector<Skill> skills;
    for (int k = 1; k <= 4; ++k) {
        const auto skill = static_cast<Skill>(k);
        if (request.MixedSkills ? request.isChecked(skill) : request.SkillMode == skill)
            skills.push_back(skill);
    }
    return skills;
}

void PickSkill(WorksheetRequest& request, RandomSource& random) {
    bool anyChecked = false;
    for (int k = 1; k <= 4; ++k)
        anyChecked = anyChecked || request.isChecked(static_cast<Skill>(k));
    if (anyChecked) {
        for (int tries = 0; tries < kMostSkillPicks; ++tries) {
            const auto k = static_cast<int16_t>(std::floor(4.0 * random.Next() + 1.0));
            if (request.isChecked(static_cast<Skill>(k))) {
                request.SkillMode = static_cast<Skill>(k);
                return;
            }
        }
    }
    throw GenerationError("No skill is chosen for the problems. Choose at least one skill.");
}

double DrawOperand(double min, double max, RandomSource& random) {
    return min + std::floor((max - min) * static_cast<double>(random.Next()) + 1.0);
}

ArithmeticProblem MakeProblem(const WorksheetRequest& request, RandomSource& random,
                              const ProblemRules& rules, uint64_t maxDraws) {
    ArithmeticProblem problem;
    problem.skill = request.SkillMode;
    const RedrawRule rule = RuleFor(request, rules, problem.skill);
    const double firstMin = ValueOf(request.FirstMin);
    const double firstMax = ValueOf(request.FirstMax);
    const double secondMin = ValueOf(request.SecondMin);
    const double secondMax = request.SecondMax;
    uint64_t draws = 0;
    do {
        if (draws == maxDraws)
            throw GenerationError(RuleFailureMessage(rule, false, rules));
        ++draws;
        problem.first = DrawOperand(firstMin, firstMax, random);
        problem.second = DrawOperand(secondMin, secondMax, random);
    } while (!MeetsRule(rule, problem.first, problem.second));
    workOut(problem);
    return problem;
}

ArithmeticProblem NextProblem(WorksheetRequest& request, RandomSource& random,
                              const ProblemRules& rules, const DrawLimits& limits) {
    if (rules.reseed == Reseed::BeforePick)
        random.ReseedFromClock();
    if (request.MixedSkills)
        PickSkill(request, random);
    if (rules.reseed == Reseed::AfterPick)
        random.ReseedFromClock();
    return MakeProblem(request, random, rules, limits);
}

ArithmeticProblem MakeProblem(const WorksheetRequest& request, RandomSource& random,
                              const ProblemRules& rules, const DrawLimits& limits) {
    const auto k = static_cast<size_t>(request.SkillMode);
    if (k >= limits.choicePairs.size() || !limits.choicePairs[k])
        return MakeProblem(request, random, rules, limits.forSkill(request.SkillMode));
    const ChoicePairs& pairs = *limits.choicePairs[k];
    if (pairs.total() <= 0)
        throw GenerationError("No problem from these number ranges meets the chosen choices.");
    const auto at = static_cast<ChoicePairs::Count>(
        std::floor(fineDraw(random) * static_cast<double>(pairs.total())));
    const auto [first, second] = pairs.pairAt(std::min(at, pairs.total() - 1));
    ArithmeticProblem problem;
    problem.skill = request.SkillMode;
    problem.first = static_cast<double>(first);
    problem.second = static_cast<double>(second);
    workOut(problem);
    if (!MeetsRule(RuleFor(request, rules, problem.skill), problem.first, problem.second) ||
        !MeetsChoices(problem, request.Choices))
        throw GenerationError("A drawn problem does not meet the chosen choices.");
    return problem;
}

std::tuple<int, double, double> DrawnProblems::keyOf(const ArithmeticProblem& problem) {
    double a = problem.first;
    double b = problem.second;
    if ((problem.skill == Skill::Addition || problem.skill == Skill::Multiplication) && b < a)
        std::swap(a, b);
    return {static_cast<int>(problem.skill), a, b};
}

bool DrawnProblems::add(const ArithmeticProblem& problem) {
    return m_seen.insert(keyOf(problem)).second;
}

bool DrawnProblems::holds(const ArithmeticProblem& problem) const {
    return m_seen.count(keyOf(problem)) != 0;
}

void DrawnProblems::remove(const ArithmeticProblem& problem) {
    m_seen.erase(keyOf(problem));
}

ArithmeticProblem NextNewProblem(WorksheetRequest& request, RandomSource& random,
                                 const ProblemRules& rules, const DrawLimits& limits,
                                 DrawnProblems& drawn) {
    for (int tries = 0; tries < kMostRepeatDraws; ++tries) {
        ArithmeticProblem problem = NextProblem(request, random, rules, limits);
        if (!request.Choices.noRepeats || drawn.add(problem))
            return problem;
    }
    throw GenerationError("These number ranges hardly ever give a problem that is not on the "
                          "sheet already. Choose fewer problems, widen the number ranges or "
                          "allow repeats.");
}

} // namespace abacore
