#include "crossword/crossword_capacity.h"

#include "core/generation_error.h"
#include "crossword/crossword_problems.h"
#include "worksheet/choice_draws.h"
#include "worksheet/feasibility.h"
#include "worksheet/problem.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace abacore {

namespace {

using Real = long double;

// Lengths by text: 0 is "0", a negative number has its minus sign.
void AddWholeNumbers(AnswerLengths& lengths, Real lo, Real hi, Real weight) {
    lo = std::ceil(lo);
    hi = std::floor(hi);
    if (lo > hi)
        return;
    const auto add = [&](Real from, Real to, int characters) {
        from = std::max(from, lo);
        to = std::min(to, hi);
        if (from <= to && characters < static_cast<int>(lengths.size()))
            lengths[static_cast<size_t>(characters)] +=
                static_cast<double>((to - from + 1) * weight);
    };
    add(0, 0, 1);
    Real low = 1;
    for (int digits = 1; digits < static_cast<int>(lengths.size()); ++digits, low *= 10) {
        add(low, low * 10 - 1, digits);
        add(-(low * 10 - 1), -low, digits + 1);
    }
}

// Up to 48 values spread evenly over the drawn values, each standing for as many as it skips.
struct Sample {
    std::vector<Real> values;
    Real weight = 1;
};
Sample SampleOf(const DrawnValues& v) {
    constexpr int kRows = 48;
    const Real size = static_cast<Real>(v.highest) - static_cast<Real>(v.lowest) + 1;
    Sample s;
    const int rows = size <= kRows ? static_cast<int>(size) : kRows;
    s.weight = size / rows;
    for (int i = 0; i < rows; ++i)
        s.values.push_back(v.lowest + std::floor(i * size / rows));
    return s;
}

// Counts of answers by length for one skill, over all pairs its rule allows.
AnswerLengths LengthsFor(RedrawRule rule, Skill skill, const DrawnValues& a, const DrawnValues& b) {
    AnswerLengths lengths{};
    const Real bLow = b.lowest, bHigh = b.highest;
    if (rule == RedrawRule::ExactDivision) {
        // Row by divisor: the quotients whose multiples lie in the first range.
        const Sample divisors = SampleOf(b);
        for (const Real d : divisors.values)
            if (d >= 1)
                AddWholeNumbers(lengths, std::ceil(a.lowest / d), std::floor(a.highest / d),
                                divisors.weight);
        return lengths;
    }
    const Sample firsts = SampleOf(a);
    for (const Real x : firsts.values) {
        const Real w = firsts.weight;
        switch (skill) {
        case Skill::Addition:
            AddWholeNumbers(lengths, x + bLow, x + bHigh, w);
            break;
        case Skill::Subtraction: {
            const Real top = rule == RedrawRule::SecondNotLarger ? std::min(bHigh, x) : bHigh;
            AddWholeNumbers(lengths, x - top, x - bLow, w);
            break;
        }
        case Skill::Multiplication: {
            if (x <= 0)
                break;
            // The second numbers whose product has each length.
            Real low = 1;
            for (int digits = 1; digits < static_cast<int>(lengths.size()); ++digits, low *= 10) {
                const Real from = std::max(bLow, std::ceil(low / x));
                const Real to = std::min(bHigh, std::floor((low * 10 - 1) / x));
                if (from <= to)
                    lengths[static_cast<size_t>(digits)] +=
                        static_cast<double>((to - from + 1) * w);
            }
            break;
        }
        case Skill::Division: {
            const Real top = rule == RedrawRule::DivisorNotLarger ? std::min(bHigh, x) : bHigh;
            const Real from = std::max<Real>(bLow, 1);
            if (from > top || x < 0)
                break;
            // Quotient 0 for divisors above x; k digits for divisors in (x / 10^k, x / 10^(k-1)].
            if (top > x)
                lengths[1] +=
                    static_cast<double>((top - std::max(from, std::floor(x) + 1) + 1) * w);
            Real low = 1;
            for (int digits = 1; digits < static_cast<int>(lengths.size()); ++digits, low *= 10) {
                const Real lo = std::max(from, std::floor(x / (low * 10)) + 1);
                const Real hi = std::min(top, std::floor(x / low));
                if (lo <= hi)
                    lengths[static_cast<size_t>(digits)] += static_cast<double>((hi - lo + 1) * w);
            }
            break;
        }
        default:
            break;
        }
    }
    return lengths;
}

// Second numbers looked at for the lengths of the answers the choices allow: all of them for
// facts and small ranges, an even spread of wide ones.
constexpr int kRowsLooked = 512;

// Counts of answers by length over the pairs that meet the rule and the choices.
AnswerLengths LengthsFor(const ChoicePairs& pairs) {
    AnswerLengths lengths{};
    const auto add = [&](ChoicePairs::Count lo, ChoicePairs::Count hi, size_t characters) {
        if (characters < lengths.size())
            lengths[characters] += static_cast<double>(pairs.pairsWithAnswers(lo, hi, kRowsLooked));
    };
    add(0, 0, 1);
    ChoicePairs::Count low = 1;
    for (size_t digits = 1; digits < lengths.size(); ++digits, low *= 10) {
        add(low, low * 10 - 1, digits);
        add(-(low * 10 - 1), -low, digits + 1);
    }
    return lengths;
}

// The pairs the choices leave, or nothing where they do not apply to the skill (or the second
// numbers are too many to count: the problem set then says what to change).
std::optional<ChoicePairs> ChosenPairs(const WorksheetRequest& request, const ProblemRules& rules,
                                       Skill skill) {
    if (!ChoicePairs::Apply(request.Choices, skill))
        return std::nullopt;
    try {
        return ChoicePairs(request, rules, skill);
    } catch (const GenerationError&) {
        return std::nullopt;
    }
}

// Without repeats, the different problems whose answers can be entries (two characters or
// more: 10 and up, or below 0), counted up to `enough`; answers of one character are replaced.
int64_t ProblemsWithEntries(const WorksheetRequest& request, const ProblemRules& rules,
                            int64_t enough) {
    constexpr double kFar = 1e18;
    int64_t problems = 0;
    for (const Skill skill : SkillsThatCanOccur(request))
        for (const auto& [lo, hi] : {std::pair(10.0, kFar), std::pair(-kFar, -1.0)}) {
            WorksheetRequest entries = request;
            ProblemChoices& c = entries.Choices;
            c.answerMin = c.answerLimit ? std::max(c.answerMin, lo) : lo;
            c.answerMax = c.answerLimit ? std::min(c.answerMax, hi) : hi;
            c.answerLimit = true;
            if (c.answerMin > c.answerMax)
                continue;
            if (const auto pairs = ChosenPairs(entries, rules, skill))
                problems += pairs->distinctProblems(enough);
            else
                return enough;
        }
    return std::min(problems, enough);
}

// Below this share of answers that can be entries, a puzzle would mostly be replaced problems.
constexpr double kFewestEntries = 1e-3;
// Two-character entries: the staircase's safe length, and the shares of longer entries between
// which the grid goes from one staircase to branching freely.
constexpr double kStaircase = 16;
constexpr double kSeldomLonger = 0.02;
constexpr double kOftenLonger = 0.10;
constexpr double kWithNegatives = 12;
constexpr int kPerProblemsWithEntries = 8;

bool NegativesOccur(const WorksheetRequest& request, const ProblemRules& rules) {
    const std::vector<Skill> skills = SkillsThatCanOccur(request);
    if (std::find(skills.begin(), skills.end(), Skill::Subtraction) == skills.end())
        return false;
    return RuleFor(request, rules, Skill::Subtraction) == RedrawRule::None;
}

} // namespace

AnswerLengths AnswerLengthsOf(const WorksheetRequest& request, const ProblemRules& rules) {
    AnswerLengths lengths{};
    const DrawnValues a = DrawnValuesOf(static_cast<int64_t>(ValueOf(request.FirstMin)),
                                        static_cast<int64_t>(ValueOf(request.FirstMax)));
    const DrawnValues b =
        DrawnValuesOf(static_cast<int64_t>(ValueOf(request.SecondMin)), request.SecondMax);
    const std::vector<Skill> skills = SkillsThatCanOccur(request);
    for (const Skill skill : skills) {
        const auto chosen = ChosenPairs(request, rules, skill);
        const AnswerLengths counts =
            chosen ? LengthsFor(*chosen) : LengthsFor(RuleFor(request, rules, skill), skill, a, b);
        double all = 0;
        for (const double c : counts)
            all += c;
        if (all <= 0)
            continue;
        for (size_t n = 0; n < lengths.size(); ++n)
            lengths[n] += counts[n] / all / static_cast<double>(skills.size());
    }
    return lengths;
}

int CrosswordCapacity(const WorksheetRequest& request, const ProblemRules& rules) {
    const AnswerLengths lengths = AnswerLengthsOf(request, rules);
    double all = 0, entries = 0, cells = 0;
    for (const double share : lengths)
        all += share;
    // No pair meets the skills' rules: making the problems says what to change in the ranges.
    if (all <= 0)
        return kMostCrosswordProblems;
    // Entries run 2 to 16 cells; the others are replaced before the grid is laid.
    for (size_t n = 2; n <= 16; ++n) {
        entries += lengths[n];
        cells += lengths[n] * static_cast<double>(n);
    }
    if (entries < kFewestEntries)
        return 0;
    // Measured: the largest count that builds for 19 seeds in 20 (seeds 1 to 20), by the
    // typical entry's length, lowered by a tenth or more to stay on the safe side.
    const double typical = cells / entries;
    const struct {
        double length;
        double count;
    } kMeasured[] = {{2.0, 50}, {3.5, 50}, {4.5, 32}, {5.6, 32},
                     {7.6, 16}, {10.0, 6}, {13.0, 2}, {16.0, 1}};
    double capacity = 1;
    for (size_t i = 0; i + 1 < std::size(kMeasured); ++i) {
        const auto& lo = kMeasured[i];
        const auto& hi = kMeasured[i + 1];
        if (typical <= hi.length) {
            const double t = std::max(0.0, (typical - lo.length) / (hi.length - lo.length));
            capacity = lo.count + t * (hi.count - lo.count);
            break;
        }
    }
    // Entries of two characters cannot branch: with nothing longer the whole grid is one
    // staircase through the first word, 18 at most, where answers of three characters or more,
    // one in ten, make room for 50 and more.
    const double longer = (entries - lengths[2]) / entries;
    if (longer < kOftenLonger) {
        const double t = std::max(0.0, (longer - kSeldomLonger) / (kOftenLonger - kSeldomLonger));
        capacity = std::min(capacity, kStaircase + t * (capacity - kStaircase));
    }
    // Negative answers all begin with the same character, so fewer of them meet.
    if (NegativesOccur(request, rules))
        capacity = std::min(capacity, kWithNegatives);
    int most = std::min(static_cast<int>(std::floor(capacity)), kMostCrosswordProblems);
    // Without repeats a word that fits nowhere cannot be swapped for a twin of a placed one, so
    // few different problems fill few cells: measured, some one in eight of them builds (19
    // seeds in 20) for sums within 10 and the 2, 5 and 10 tables.
    if (request.Choices.noRepeats)
        most = static_cast<int>(
            ProblemsWithEntries(request, rules, int64_t{kPerProblemsWithEntries} * most) /
            kPerProblemsWithEntries);
    return most;
}

} // namespace abacore
