#include "worksheet/riddle_feasibility.h"

#include "core/generation_error.h"
#include "core/whole_numbers.h"
#include "worksheet/choice_draws.h"
#include "worksheet/feasibility.h"
#include "worksheet/secret_riddle.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace abacore {

namespace {

// Divisors looked at, at most, on each side of 0. The second range of the range screen has at
// most 32768 values; a wider one only makes the count a lower bound.
constexpr int64_t kMostDivisors = 1 << 17;

// Distinct whole numbers, collected until there are enough of them.
class DistinctValues {
public:
    explicit DistinctValues(int64_t enough) : m_enough(enough) {}

    bool full() const { return static_cast<int64_t>(m_values.size()) >= m_enough; }
    int64_t count() const { return static_cast<int64_t>(m_values.size()); }

    void add(__int128 value) {
        const auto at = std::lower_bound(m_values.begin(), m_values.end(), value);
        if (at == m_values.end() || *at != value)
            m_values.insert(at, value);
    }
    // Each value of the range either is there already or is new, so this stops within twice
    // `enough` steps however wide the range.
    void addRange(int64_t lo, int64_t hi) {
        for (int64_t v = lo; v <= hi && !full(); ++v)
            add(v);
    }

private:
    int64_t m_enough;
    std::vector<__int128> m_values; // sorted
};

int64_t sizeOf(const DrawnValues& v) {
    return v.highest - v.lowest + 1;
}

int64_t spanCount(int64_t lo, int64_t hi, int64_t enough) {
    return hi < lo ? 0 : std::min(enough, hi - lo + 1);
}

bool onlyZero(const DrawnValues& v) {
    return v.lowest == 0 && v.highest == 0;
}

int64_t productCount(const DrawnValues& a, const DrawnValues& b, int64_t enough) {
    // A nonzero factor times distinct numbers gives distinct products.
    if ((sizeOf(a) >= enough && !onlyZero(b)) || (sizeOf(b) >= enough && !onlyZero(a)))
        return enough;
    if (onlyZero(a) || onlyZero(b))
        return 1;
    DistinctValues products(enough); // both ranges are now shorter than `enough`
    for (int64_t x = a.lowest; x <= a.highest && !products.full(); ++x)
        for (int64_t y = b.lowest; y <= b.highest; ++y)
            products.add(static_cast<__int128>(x) * y);
    return products.count();
}

// The whole quotients of the first range by one divisor under the rule, as a range.
void addQuotients(DistinctValues& quotients, const DrawnValues& a, int64_t divisor,
                  RedrawRule rule) {
    if (rule == RedrawRule::ExactDivision) {
        const int64_t m = divisor < 0 ? -divisor : divisor;
        const int64_t lo = CeilDiv(a.lowest, m);
        const int64_t hi = FloorDiv(a.highest, m);
        if (divisor > 0)
            quotients.addRange(lo, hi);
        else
            quotients.addRange(-hi, -lo);
        return;
    }
    const int64_t lowest =
        rule == RedrawRule::DivisorNotLarger ? std::max(a.lowest, divisor) : a.lowest;
    if (lowest > a.highest)
        return;
    // Truncated quotients of consecutive numbers by one divisor leave no gaps.
    const int64_t q1 = lowest / divisor;
    const int64_t q2 = a.highest / divisor;
    quotients.addRange(std::min(q1, q2), std::max(q1, q2));
}

int64_t quotientCount(const DrawnValues& a, const DrawnValues& b, RedrawRule rule, int64_t enough) {
    DistinctValues quotients(enough);
    const int64_t firstPositive = std::max<int64_t>(b.lowest, 1);
    for (int64_t d = firstPositive; d <= b.highest && d - firstPositive < kMostDivisors; ++d) {
        addQuotients(quotients, a, d, rule);
        if (quotients.full())
            return enough;
    }
    const int64_t firstNegative = std::min<int64_t>(b.highest, -1);
    for (int64_t d = firstNegative; d >= b.lowest && firstNegative - d < kMostDivisors; --d) {
        addQuotients(quotients, a, d, rule);
        if (quotients.full())
            return enough;
    }
    return quotients.count();
}

std::string_view skillWord(Skill skill) {
    static constexpr std::array<std::string_view, 5> kWords = {"", "addition", "subtraction",
                                                               "multiplication", "division"};
    return kWords[static_cast<size_t>(skill)];
}

} // namespace

int64_t DistinctAnswerCount(const WorksheetRequest& request, const ProblemRules& rules, Skill skill,
                            int64_t enough) {
    const DrawnValues a = DrawnValuesOf(static_cast<int64_t>(request.FirstMin.value_or(0.0)),
                                        static_cast<int64_t>(request.FirstMax.value_or(0.0)));
    const DrawnValues b =
        DrawnValuesOf(static_cast<int64_t>(request.SecondMin.value_or(0.0)), request.SecondMax);
    const RedrawRule rule = RuleFor(request, rules, skill);
    switch (skill) {
    case Skill::Addition:
        return spanCount(a.lowest + b.lowest, a.highest + b.highest, enough);
    case Skill::Subtraction:
        if (rule == RedrawRule::SecondNotLarger) {
            // Differences of at least 0: the largest pair apart, down to the closest one.
            if (a.highest < b.lowest)
                return 0;
            return spanCount(std::max<int64_t>(0, a.lowest - b.highest), a.highest - b.lowest,
                             enough);
        }
        return spanCount(a.lowest - b.highest, a.highest - b.lowest, enough);
    case Skill::Multiplication:
        return productCount(a, b, enough);
    case Skill::Division:
        return quotientCount(a, b, rule, enough);
    default:
        return 0;
    }
}

DrawLimits CheckSecretRiddleCanBeMade(const WorksheetRequest& request, const ProblemRules& rules) {
    const auto letters = static_cast<int64_t>(PunchLineLetters(request.PunchLine).size());
    if (letters == 0)
        return {};
    // The generator sets the count from the punch line; the ranges are checked for that many.
    WorksheetRequest sized = request;
    sized.ProblemCount = static_cast<int16_t>(letters);
    const DrawLimits limits = CheckProblemsCanBeMade(sized, rules);
    for (Skill skill : SkillsThatCanOccur(request)) {
        const auto& pairs = limits.choicePairs[static_cast<size_t>(skill)];
        const int64_t answers = pairs ? pairs->distinctAnswers(letters)
                                      : DistinctAnswerCount(request, rules, skill, letters);
        if (answers < letters) {
            throw GenerationError(
                "The punch line has " + std::to_string(letters) +
                " different letters, and each letter needs a problem with an answer of its "
                "own, but with these number ranges " +
                std::string(skillWord(skill)) + " gives only " + std::to_string(answers) +
                (answers == 1 ? " answer" : " different answers") +
                ". Widen the number ranges or choose a punch line with fewer different "
                "letters.");
        }
    }
    return limits;
}

} // namespace abacore
