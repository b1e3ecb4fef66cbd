#include "worksheet/feasibility.h"

#include "core/generation_error.h"
#include "core/whole_numbers.h"
#include "worksheet/choice_draws.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <string_view>
#include <vector>

namespace abacore {

namespace {

// Pair counts reach the product of two range sizes of up to 15 digits each.
using Count = __int128;

int64_t size(const DrawnValues& v) {
    return v.highest - v.lowest + 1;
}

bool holds(const DrawnValues& v, int64_t x) {
    return v.lowest <= x && x <= v.highest;
}

// Pairs (a, b) with b <= a.
Count pairsSecondNotLarger(const DrawnValues& a, const DrawnValues& b) {
    Count pairs = 0;
    // a inside b's span: a - b.lowest + 1 choices each, an arithmetic series.
    const int64_t lo = std::max(a.lowest, b.lowest);
    const int64_t hi = std::min(a.highest, b.highest - 1);
    if (lo <= hi) {
        const Count n = hi - lo + 1;
        pairs += n * ((lo - b.lowest + 1) + (hi - b.lowest + 1)) / 2;
    }
    // a at or above b's top: every b.
    const int64_t top = std::max(a.lowest, b.highest);
    if (top <= a.highest)
        pairs += Count(a.highest - top + 1) * size(b);
    return pairs;
}

// Sum of floor(y / m) for m from m1 to m2, y >= 0, 1 <= m1: runs of equal quotients at once,
// so about 2 * sqrt(y) steps at most.
Count sumOfQuotients(int64_t y, int64_t m1, int64_t m2) {
    Count sum = 0;
    for (int64_t m = m1; m <= m2 && m <= y;) {
        const int64_t q = y / m;
        const int64_t last = std::min(m2, y / q);
        sum += Count(q) * (last - m + 1);
        m = last + 1;
    }
    return sum;
}

// Sum of floor(x / m) for m from m1 to m2 (1 <= m1), x of any sign.
Count sumOfFloors(int64_t x, int64_t m1, int64_t m2) {
    if (m1 > m2)
        return 0;
    if (x >= 0)
        return sumOfQuotients(x, m1, m2);
    // floor(x / m) = -(floor((-x - 1) / m) + 1) for x < 0.
    return -(sumOfQuotients(-x - 1, m1, m2) + (m2 - m1 + 1));
}

// Pairs (a, b) where b, for |b| from m1 to m2, divides a: the multiples of each m in a's span.
Count multiplesOf(const DrawnValues& a, int64_t m1, int64_t m2) {
    return sumOfFloors(a.highest, m1, m2) - sumOfFloors(a.lowest - 1, m1, m2);
}

// Pairs (a, b) with b != 0 dividing a.
Count pairsDividingEvenly(const DrawnValues& a, const DrawnValues& b) {
    Count pairs = 0;
    if (b.highest >= 1) // positive divisors
        pairs += multiplesOf(a, std::max<int64_t>(b.lowest, 1), b.highest);
    if (b.lowest <= -1) // negative divisors divide the same numbers as their sizes
        pairs += multiplesOf(a, std::max<int64_t>(-b.highest, 1), -b.lowest);
    return pairs;
}

std::string_view skillWord(Skill skill) {
    static constexpr std::array<std::string_view, 5> kWords = {"", "addition", "subtraction",
                                                               "multiplication", "division"};
    return kWords[static_cast<size_t>(skill)];
}

bool anyPairs(const WorksheetRequest& request, const ProblemRules& rules, Skill skill) {
    return ChoicePairs(request, rules, skill).total() > 0;
}

// Why no pair meets the choices: the choices that, left out, would let some pair through.
std::string noPairMessage(const WorksheetRequest& request, const ProblemRules& rules, Skill skill) {
    const ProblemChoices& c = request.Choices;
    std::vector<std::string> blamed;
    WorksheetRequest eased = request;
    if (c.regrouping != Regrouping::Any &&
        (skill == Skill::Addition || skill == Skill::Subtraction)) {
        eased.Choices.regrouping = Regrouping::Any;
        if (anyPairs(eased, rules, skill))
            blamed.push_back("the regrouping");
        eased.Choices.regrouping = c.regrouping;
    }
    if (c.answerLimit) {
        eased.Choices.answerLimit = false;
        if (anyPairs(eased, rules, skill))
            blamed.push_back("the answer range");
        eased.Choices.answerLimit = true;
    }
    if (c.facts != 0 && (skill == Skill::Multiplication || skill == Skill::Division)) {
        eased.Choices.facts = 0;
        if (anyPairs(eased, rules, skill))
            blamed.push_back("the chosen facts");
    }
    std::string change;
    for (size_t i = 0; i < blamed.size(); ++i)
        change += (i == 0 ? "" : i + 1 == blamed.size() ? " or " : ", ") + blamed[i];
    return "With these number ranges and choices there is no " + std::string(skillWord(skill)) +
           " problem. Change " + (change.empty() ? "the choices" : change) +
           ", or the number ranges.";
}

} // namespace

DrawnValues DrawnValuesOf(int64_t min, int64_t max) {
    // Int((max - min) * r + 1) runs from 1 to max - min for a rising range (1 when equal); for
    // a falling one from max - min + 1 up to 1.
    if (max >= min)
        return {min + 1, std::max(min + 1, max)};
    return {max + 1, min + 1};
}

double RuleProbability(const WorksheetRequest& request, RedrawRule rule) {
    if (rule == RedrawRule::None)
        return 1.0;
    const DrawnValues a = DrawnValuesOf(static_cast<int64_t>(ValueOf(request.FirstMin)),
                                        static_cast<int64_t>(ValueOf(request.FirstMax)));
    const DrawnValues b =
        DrawnValuesOf(static_cast<int64_t>(ValueOf(request.SecondMin)), request.SecondMax);
    const Count zeroDivisors = holds(b, 0) ? 1 : 0;
    Count pairs = 0;
    switch (rule) {
    case RedrawRule::None:
        break;
    case RedrawRule::SecondNotLarger:
        pairs = pairsSecondNotLarger(a, b);
        break;
    case RedrawRule::DivisorNotLarger:
        // (a, 0) meets the order for every a >= 0 but is no division.
        pairs = pairsSecondNotLarger(a, b) -
                zeroDivisors * std::max<int64_t>(0, a.highest - std::max<int64_t>(a.lowest, 0) + 1);
        break;
    case RedrawRule::AnyDivisor:
        pairs = Count(size(a)) * (size(b) - zeroDivisors);
        break;
    case RedrawRule::ExactDivision:
        pairs = pairsDividingEvenly(a, b);
        break;
    }
    const long double all = static_cast<long double>(Count(size(a)) * size(b));
    return static_cast<double>(static_cast<long double>(pairs) / all);
}

std::string RuleFailureMessage(RedrawRule rule, bool never, const ProblemRules& rules) {
    std::string need;
    std::string fix;
    switch (rule) {
    case RedrawRule::SecondNotLarger:
        need = "Subtraction without negative answers needs second numbers that are not larger "
               "than the first numbers";
        fix = "Lower the second number's range or raise the first number's range.";
        break;
    case RedrawRule::DivisorNotLarger:
        need = "Division with remainders needs second numbers that are not larger than the "
               "first numbers";
        fix = "Lower the second number's range or raise the first number's range.";
        break;
    case RedrawRule::AnyDivisor:
        need = "Division needs second numbers other than 0";
        fix = "Raise the second number's range.";
        break;
    case RedrawRule::ExactDivision:
        need = "Division without remainders needs first numbers that the second numbers divide "
               "evenly";
        fix = rules.divisionAlwaysExact
                  ? "Widen the first number's range or lower the second number's range."
                  : "Widen the first number's range, lower the second number's range, or allow "
                    "remainders.";
        break;
    case RedrawRule::None:
        break;
    }
    if (never)
        return need + ". " + fix;
    return need + ", and these number ranges hardly ever give such a pair. " + fix;
}

DrawLimits CheckProblemsCanBeMade(const WorksheetRequest& request, const ProblemRules& rules) {
    DrawLimits limits;
    if (request.ProblemCount <= 0)
        return limits;
    if (!IsWholeBound(ValueOf(request.FirstMin)) || !IsWholeBound(ValueOf(request.FirstMax)) ||
        !IsWholeBound(ValueOf(request.SecondMin)))
        throw GenerationError(
            "The smallest and largest numbers must be whole numbers of at most 15 digits.");
    const std::vector<Skill> skills = SkillsThatCanOccur(request);
    if (skills.empty())
        throw GenerationError("No skill is chosen for the problems. Choose at least one skill.");

    int64_t problems = 0; // different ones, where no repeats are wanted
    for (Skill skill : skills) {
        if (ChoicePairs::Apply(request.Choices, skill)) {
            auto pairs = std::make_shared<const ChoicePairs>(request, rules, skill);
            if (pairs->total() == 0)
                throw GenerationError(noPairMessage(request, rules, skill));
            if (request.Choices.noRepeats)
                problems += pairs->distinctProblems(request.ProblemCount);
            limits.choicePairs[static_cast<size_t>(skill)] = std::move(pairs);
            continue;
        }
        const RedrawRule rule = RuleFor(request, rules, skill);
        if (rule == RedrawRule::None)
            continue;
        const double p = RuleProbability(request, rule);
        // Ranges can meet a condition and still be hopeless: first 0 to 16384 with second
        // 16383 to 32767 allows one subtraction without a negative answer, 16384 - 16384, about
        // one pair in 270 million. Below one pair in a million a single problem takes a million
        // draws on average (some 10 ms), and a sheet of hundreds of them stalls for seconds to
        // minutes: such ranges are a slip, not a wish.
        if (p < kLowestRuleProbability)
            throw GenerationError(RuleFailureMessage(rule, p == 0, rules));
        // Failing 60 / p draws in a row has a chance of about e^-60: only a fault stops there.
        const double draws = std::ceil(60.0 / p);
        limits.bySkill[static_cast<size_t>(skill)] =
            std::max<uint64_t>(1000, static_cast<uint64_t>(draws));
    }
    if (request.Choices.noRepeats && problems < request.ProblemCount)
        throw GenerationError("With these number ranges and choices there are only " +
                              std::to_string(problems) +
                              " different problems, and the sheet "
                              "needs " +
                              std::to_string(request.ProblemCount) +
                              " with no repeats. Choose fewer problems, widen the number ranges "
                              "or allow repeats.");
    return limits;
}

} // namespace abacore
