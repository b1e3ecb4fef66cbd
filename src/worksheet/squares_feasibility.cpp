#include "worksheet/squares_feasibility.h"

#include "core/generation_error.h"
#include "core/number_text.h"
#include "core/whole_numbers.h"
#include "worksheet/feasibility.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace abacore {

namespace {

constexpr int64_t kMostCountedValues = 1 << 16;

DrawnValues firstValues(const WorksheetRequest& request) {
    return DrawnValuesOf(static_cast<int64_t>(request.FirstMin.value_or(0.0)),
                         static_cast<int64_t>(request.FirstMax.value_or(0.0)));
}

// Squares where every row and column divides evenly, numbers from lo to hi (lo >= 1). The
// bottom-right number D divides B and C, which divide A: with A = D * m, B and C are D times
// divisors of m, all inside the range. So the count is the sum over D of F(hi / D), where F(k)
// adds up the squared divisor counts of 1 to k.
long double exactDivisionSquares(int64_t lo, int64_t hi) {
    const auto most = static_cast<size_t>(hi / lo);
    std::vector<int64_t> divisors(most + 1, 0);
    for (size_t j = 1; j <= most; ++j)
        for (size_t m = j; m <= most; m += j)
            ++divisors[m];
    std::vector<int64_t> sumOfSquares(most + 1, 0);
    for (size_t m = 1; m <= most; ++m)
        sumOfSquares[m] = sumOfSquares[m - 1] + divisors[m] * divisors[m];
    long double squares = 0;
    for (int64_t d = lo; d <= hi; ++d)
        squares += static_cast<long double>(sumOfSquares[static_cast<size_t>(hi / d)]);
    return squares;
}

// An upper bound on the chance of an exact-division square that needs no counting: the first
// row and the second row are drawn independently, and one pair divides evenly with a chance
// of at most (2 + ln hi) / n.
double exactDivisionBound(const DrawnValues& v) {
    const double n = static_cast<double>(v.highest - v.lowest + 1);
    const double pair = std::min(1.0, (2.0 + std::log(static_cast<double>(v.highest))) / n);
    return pair * pair;
}

// The largest first-range maximum, from `lo` up to `hi`, whose exact-division squares are not
// too rare; the chance falls as the range widens, so halving finds it.
int64_t widestExactRange(const WorksheetRequest& request, int64_t lo, int64_t hi) {
    WorksheetRequest probe = request;
    auto goodEnough = [&](int64_t max) {
        probe.FirstMax = static_cast<double>(max);
        const DrawnValues v = firstValues(probe);
        return exactDivisionBound(v) >= kLowestSquareProbability &&
               SquareRuleProbability(probe, RedrawRule::ExactDivision) >= kLowestSquareProbability;
    };
    while (lo < hi) {
        const int64_t mid = lo + (hi - lo + 1) / 2;
        if (goodEnough(mid))
            lo = mid;
        else
            hi = mid - 1;
    }
    return lo;
}

void checkExactDivision(const WorksheetRequest& request, double& probability) {
    const DrawnValues v = firstValues(request);
    probability = exactDivisionBound(v);
    if (probability >= kLowestSquareProbability)
        probability = SquareRuleProbability(request, RedrawRule::ExactDivision);
    if (probability >= kLowestSquareProbability)
        return;
    const auto firstMin = static_cast<int64_t>(request.FirstMin.value_or(0.0));
    const int64_t suggestion = widestExactRange(request, firstMin, v.highest);
    throw GenerationError(
        "In a math square of division without remainders both rows and both columns must "
        "divide evenly, and first numbers up to " +
        TrimmedNumberText(static_cast<double>(v.highest)) +
        " hardly ever do that. Lower the first number's largest value to " +
        TrimmedNumberText(static_cast<double>(suggestion)) + " or less, or allow remainders.");
}

} // namespace

double SquareRuleProbability(const WorksheetRequest& request, RedrawRule rule) {
    const DrawnValues v = firstValues(request);
    const auto n = static_cast<long double>(v.highest - v.lowest + 1);
    switch (rule) {
    case RedrawRule::None:
        return 1.0;
    case RedrawRule::SecondNotLarger:
    case RedrawRule::DivisorNotLarger:
        if (rule == RedrawRule::DivisorNotLarger && v.lowest < 1)
            return 0.0;
        // A >= B >= D and A >= C >= D: for each gap k = A - D, (k + 1) choices of B and of C;
        // the sum over k comes to n (n + 1)^2 (n + 2) / 12 squares of n^4.
        return static_cast<double>((n + 1) * (n + 1) * (n + 2) / (12 * n * n * n));
    case RedrawRule::AnyDivisor:
        return v.lowest < 1 ? 0.0 : 1.0;
    case RedrawRule::ExactDivision:
        if (v.lowest < 1 || v.highest - v.lowest + 1 > kMostCountedValues)
            return 0.0;
        return static_cast<double>(exactDivisionSquares(v.lowest, v.highest) / (n * n * n * n));
    }
    return 0.0;
}

DrawLimits CheckMathSquaresCanBeMade(const WorksheetRequest& request, const ProblemRules& rules) {
    DrawLimits limits;
    if (request.ProblemCount <= 0)
        return limits;
    if (!IsWholeBound(request.FirstMin.value_or(0.0)) ||
        !IsWholeBound(request.FirstMax.value_or(0.0)))
        throw GenerationError(
            "The smallest and largest numbers must be whole numbers of at most 15 digits.");
    const std::vector<Skill> skills = SkillsThatCanOccur(request);
    if (skills.empty())
        throw GenerationError("No skill is chosen for the problems. Choose at least one skill.");
    const DrawnValues v = firstValues(request);
    if (request.FirstSquareFilled &&
        std::max(TrimmedNumberText(static_cast<double>(v.lowest)).size(),
                 TrimmedNumberText(static_cast<double>(v.highest)).size()) >
            static_cast<size_t>(kSquareCellDigits)) {
        throw GenerationError("The filled-in first square has room for numbers of up to 8 "
                              "digits. Lower the first number's range to 99999999 or less, or "
                              "do not fill in the first square.");
    }

    for (Skill skill : skills) {
        const RedrawRule rule = RuleFor(request, rules, skill);
        if (rule == RedrawRule::None)
            continue;
        if (skill == Skill::Division && v.lowest < 1)
            throw GenerationError("Math squares of division need first numbers above 0. Raise "
                                  "the first number's range.");
        double probability = 0;
        if (rule == RedrawRule::ExactDivision)
            checkExactDivision(request, probability);
        else
            probability = SquareRuleProbability(request, rule);
        // Failing 60 / p squares in a row has a chance of about e^-60: only a fault stops there.
        limits.bySkill[static_cast<size_t>(skill)] =
            std::max<uint64_t>(1000, static_cast<uint64_t>(std::ceil(60.0 / probability)));
    }
    return limits;
}

} // namespace abacore
