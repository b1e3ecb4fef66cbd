#include "worksheet/choice_draws.h"

#include "core/generation_error.h"
#include "core/whole_numbers.h"
#include "worksheet/feasibility.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <set>

namespace abacore {

namespace {

// The second numbers are counted one by one: the range screen gives at most 32768 of them.
constexpr int64_t kMostSeconds = 1 << 17;
// Pairs looked at, at most, when counting different answers: all of them when they are no
// more, else that many spread evenly over them.
constexpr int64_t kMostPairsLooked = 4000;
// Answer bounds beyond any sum, difference, product or quotient of 15-digit numbers that the
// counts meet.
constexpr int64_t kFarBound = int64_t{1} << 61;

constexpr int kColumns = 17;

// The digits each column of a number's size may have, column 0 the units.
struct DigitRule {
    std::array<int, kColumns> lo{};
    std::array<int, kColumns> hi{};
};

std::array<int, kColumns> digitsOf(int64_t size) {
    std::array<int, kColumns> digits{};
    for (int column = 0; column < kColumns; ++column, size /= 10)
        digits[static_cast<size_t>(column)] = static_cast<int>(size % 10);
    return digits;
}

enum class Columns { NoCarryWith, AtLeast, AtMost };

DigitRule ruleOf(Columns kind, int64_t other) {
    const auto digits = digitsOf(other < 0 ? -other : other);
    DigitRule rule;
    for (size_t c = 0; c < kColumns; ++c) {
        const int d = digits[c];
        rule.lo[c] = kind == Columns::AtLeast ? d : 0;
        rule.hi[c] = kind == Columns::NoCarryWith ? 9 - d : kind == Columns::AtLeast ? 9 : d;
    }
    return rule;
}

// Sizes 0..x whose every column holds a digit the rule allows.
ChoicePairs::Count sizesUpTo(int64_t x, const DigitRule& rule) {
    if (x < 0)
        return 0;
    const auto digits = digitsOf(x);
    // below[c]: the ways to fill the columns under c freely within the rule.
    std::array<ChoicePairs::Count, kColumns + 1> below{};
    below[0] = 1;
    for (size_t c = 0; c < kColumns; ++c)
        below[c + 1] = below[c] * (rule.hi[c] - rule.lo[c] + 1);
    ChoicePairs::Count count = 0;
    for (size_t c = kColumns; c-- > 0;) {
        const int d = digits[c];
        const int smaller = std::min(rule.hi[c], d - 1) - rule.lo[c] + 1;
        if (smaller > 0)
            count += below[c] * smaller;
        if (d < rule.lo[c] || d > rule.hi[c])
            return count;
    }
    return count + 1;
}

// Numbers lo..hi (of either sign) whose size meets the rule.
ChoicePairs::Count numbersIn(int64_t lo, int64_t hi, const DigitRule& rule) {
    if (lo > hi)
        return 0;
    ChoicePairs::Count count = 0;
    if (hi >= 0)
        count += sizesUpTo(hi, rule) - sizesUpTo(std::max<int64_t>(lo, 0) - 1, rule);
    if (lo < 0) {
        const int64_t nearest = std::min<int64_t>(hi, -1);
        count += sizesUpTo(-lo, rule) - sizesUpTo(-nearest - 1, rule);
    }
    return count;
}

// The first x in lo..hi where the rising test holds; hi + 1 when none.
template <class Test> int64_t firstWhere(int64_t lo, int64_t hi, Test test) {
    int64_t from = lo;
    int64_t to = hi + 1;
    while (from < to) {
        const int64_t mid = from + (to - from) / 2;
        if (test(mid))
            to = mid;
        else
            from = mid + 1;
    }
    return from;
}

int64_t truncDiv(int64_t a, int64_t b) {
    return a / b;
}

bool good(const WorksheetRequest& request, RedrawRule rule, Skill skill, int64_t a, int64_t b) {
    const auto x = static_cast<double>(a);
    const auto y = static_cast<double>(b);
    return MeetsRule(rule, x, y) && MeetsChoices(WorkedProblem(skill, x, y), request.Choices);
}

// The good pairs (a, b), a not b, whose turned pair (b, a) is good too, for addition and
// multiplication, whose conditions read both numbers alike: both numbers then lie in both
// ranges (with facts, in the first range and the facts).
ChoicePairs::Count twinPairs(const WorksheetRequest& request, const ProblemRules& rules,
                             Skill skill, const DrawnValues& a, const std::vector<int64_t>& seconds,
                             bool facts) {
    const RedrawRule rule = RuleFor(request, rules, skill);
    ChoicePairs::Count twins = 0;
    if (facts) {
        for (const int64_t x : seconds)
            for (const int64_t y : seconds)
                if (x != y && x >= a.lowest && x <= a.highest && y >= a.lowest && y <= a.highest &&
                    good(request, rule, skill, x, y))
                    ++twins;
        return twins;
    }
    const int64_t lo = std::max(a.lowest, seconds.front());
    const int64_t hi = std::min(a.highest, seconds.back());
    if (lo > hi)
        return 0;
    WorksheetRequest both = request;
    both.Choices.noRepeats = false;
    both.FirstMin = static_cast<double>(lo - 1);
    both.FirstMax = static_cast<double>(hi);
    both.SecondMin = static_cast<double>(lo - 1);
    both.SecondMax = static_cast<int16_t>(hi);
    twins = ChoicePairs(both, rules, skill).total();
    for (int64_t x = lo; x <= hi; ++x)
        if (good(request, rule, skill, x, x))
            --twins;
    return twins;
}

} // namespace

bool ChoicePairs::Apply(const ProblemChoices& c, Skill skill) {
    const bool plusMinus = skill == Skill::Addition || skill == Skill::Subtraction;
    return c.noRepeats || c.answerLimit || (plusMinus && c.regrouping != Regrouping::Any) ||
           (!plusMinus && c.facts != 0);
}

ChoicePairs::ChoicePairs(const WorksheetRequest& request, const ProblemRules& rules, Skill skill)
    : m_skill(skill) {
    const ProblemChoices& c = request.Choices;
    const RedrawRule rule = RuleFor(request, rules, skill);
    const DrawnValues a = DrawnValuesOf(static_cast<int64_t>(ValueOf(request.FirstMin)),
                                        static_cast<int64_t>(ValueOf(request.FirstMax)));
    std::vector<int64_t> seconds;
    const bool facts = c.facts != 0 && (skill == Skill::Multiplication || skill == Skill::Division);
    if (facts) {
        for (int k = 1; k <= 12; ++k)
            if (c.facts & (1u << (k - 1)))
                seconds.push_back(k);
    } else {
        const DrawnValues b =
            DrawnValuesOf(static_cast<int64_t>(ValueOf(request.SecondMin)), request.SecondMax);
        if (b.highest - b.lowest >= kMostSeconds)
            throw GenerationError("The second number's range is too wide for these choices. "
                                  "Narrow it to at most 32768 numbers.");
        for (int64_t v = b.lowest; v <= b.highest; ++v)
            seconds.push_back(v);
    }
    if (skill == Skill::Addition && c.regrouping != Regrouping::Any)
        m_filter = c.regrouping == Regrouping::Never ? Filter::NoCarry : Filter::Carry;
    if (skill == Skill::Subtraction && c.regrouping != Regrouping::Any)
        m_filter = c.regrouping == Regrouping::Never ? Filter::NoBorrow : Filter::Borrow;
    if (rule == RedrawRule::ExactDivision)
        m_filter = Filter::Multiple;

    const int64_t answerLo = c.answerLimit ? static_cast<int64_t>(std::clamp<double>(
                                                 std::ceil(c.answerMin), -kFarBound, kFarBound))
                                           : -kFarBound;
    const int64_t answerHi = c.answerLimit ? static_cast<int64_t>(std::clamp<double>(
                                                 std::floor(c.answerMax), -kFarBound, kFarBound))
                                           : kFarBound;
    for (const int64_t b : seconds) {
        const bool division = skill == Skill::Division;
        if (division && b == 0)
            continue;
        int64_t lo = a.lowest;
        int64_t hi = a.highest;
        if (rule == RedrawRule::SecondNotLarger || rule == RedrawRule::DivisorNotLarger)
            lo = std::max(lo, b);
        if (c.answerLimit) {
            switch (skill) {
            case Skill::Addition:
                lo = std::max(lo, answerLo - b);
                hi = std::min(hi, answerHi - b);
                break;
            case Skill::Subtraction:
                lo = std::max(lo, answerLo + b);
                hi = std::min(hi, answerHi + b);
                break;
            case Skill::Multiplication:
                if (b > 0) {
                    lo = std::max(lo, CeilDiv(answerLo, b));
                    hi = std::min(hi, FloorDiv(answerHi, b));
                } else if (b < 0) {
                    lo = std::max(lo, CeilDiv(answerHi, b));
                    hi = std::min(hi, FloorDiv(answerLo, b));
                } else if (answerLo > 0 || answerHi < 0) {
                    hi = lo - 1;
                }
                break;
            case Skill::Division:
                if (lo <= hi) {
                    // Whole quotients rise with the first number for a positive divisor and
                    // fall for a negative one.
                    const int64_t from = lo;
                    const int64_t to = hi;
                    if (b > 0) {
                        lo = firstWhere(from, to,
                                        [&](int64_t x) { return truncDiv(x, b) >= answerLo; });
                        hi = firstWhere(from, to,
                                        [&](int64_t x) { return truncDiv(x, b) > answerHi; }) -
                             1;
                    } else {
                        lo = firstWhere(from, to,
                                        [&](int64_t x) { return truncDiv(x, b) <= answerHi; });
                        hi = firstWhere(from, to,
                                        [&](int64_t x) { return truncDiv(x, b) < answerLo; }) -
                             1;
                    }
                }
                break;
            default:
                break;
            }
        }
        if (lo > hi)
            continue;
        Row row{b, lo, hi, m_total};
        const Count count = countUpTo(row, hi);
        if (count > 0) {
            m_rows.push_back(row);
            m_total += count;
        }
    }
    if (c.noRepeats && (skill == Skill::Addition || skill == Skill::Multiplication))
        m_twins = twinPairs(request, rules, skill, a, seconds, facts);
}

ChoicePairs::Count ChoicePairs::countUpTo(const Row& row, int64_t x) const {
    const int64_t lo = row.lo;
    if (x < lo)
        return 0;
    const Count all = Count(x) - lo + 1;
    const int64_t b = row.second;
    switch (m_filter) {
    case Filter::All:
        return all;
    case Filter::NoCarry:
        return numbersIn(lo, x, ruleOf(Columns::NoCarryWith, b));
    case Filter::Carry:
        return all - numbersIn(lo, x, ruleOf(Columns::NoCarryWith, b));
    case Filter::NoBorrow:
    case Filter::Borrow: {
        // No column borrows when one size has every column at least the other's; the sizes
        // equal to b's meet both.
        const int64_t size = b < 0 ? -b : b;
        Count equal = lo <= size && size <= x ? 1 : 0;
        if (size != 0 && lo <= -size && -size <= x)
            ++equal;
        const Count none = numbersIn(lo, x, ruleOf(Columns::AtLeast, b)) +
                           numbersIn(lo, x, ruleOf(Columns::AtMost, b)) - equal;
        return m_filter == Filter::NoBorrow ? none : all - none;
    }
    case Filter::Multiple: {
        const int64_t m = b < 0 ? -b : b;
        return FloorDiv(x, m) - FloorDiv(lo - 1, m);
    }
    }
    return 0;
}

std::pair<int64_t, int64_t> ChoicePairs::pairAt(Count k) const {
    const auto row = std::upper_bound(m_rows.begin(), m_rows.end(), k,
                                      [](Count v, const Row& r) { return v < r.before; }) -
                     1;
    const Count within = k - row->before;
    int64_t first = 0;
    switch (m_filter) {
    case Filter::All:
        first = static_cast<int64_t>(row->lo + within);
        break;
    case Filter::Multiple: {
        const int64_t m = row->second < 0 ? -row->second : row->second;
        first = static_cast<int64_t>(CeilDiv(row->lo, m) * m + within * m);
        break;
    }
    default:
        first =
            firstWhere(row->lo, row->hi, [&](int64_t x) { return countUpTo(*row, x) > within; });
        break;
    }
    return {first, row->second};
}

int64_t ChoicePairs::distinctProblems(int64_t enough) const {
    const bool turns = m_skill == Skill::Addition || m_skill == Skill::Multiplication;
    // With a + b and b + a as one, the pairs make at least half as many problems.
    if (m_total >= (turns ? 2 : 1) * Count(enough))
        return enough;
    if (!turns)
        return static_cast<int64_t>(m_total);
    return std::min<int64_t>(enough, static_cast<int64_t>(m_total - m_twins / 2));
}

ChoicePairs::Count ChoicePairs::answerOf(int64_t first, int64_t second) const {
    switch (m_skill) {
    case Skill::Addition:
        return Count(first) + second;
    case Skill::Subtraction:
        return Count(first) - second;
    case Skill::Multiplication:
        return Count(first) * second;
    default:
        return first / second;
    }
}

long double ChoicePairs::pairsWithAnswers(Count lo, Count hi, int rowsLooked) const {
    const size_t rows = m_rows.size();
    const size_t looked = std::min(rows, static_cast<size_t>(std::max(rowsLooked, 1)));
    long double pairs = 0;
    for (size_t j = 0; j < looked; ++j) {
        const Row& row = m_rows[j * rows / looked];
        const int64_t b = row.second;
        // Along a row the answer rises with the first number, or falls for a negative factor
        // or divisor (and stays 0 times 0).
        const Count atLo = answerOf(row.lo, b);
        const Count atHi = answerOf(row.hi, b);
        if (std::max(atLo, atHi) < lo || std::min(atLo, atHi) > hi)
            continue;
        int64_t from = row.lo;
        int64_t to = row.hi;
        if (atLo <= atHi) {
            from = firstWhere(row.lo, row.hi, [&](int64_t x) { return answerOf(x, b) >= lo; });
            to = firstWhere(row.lo, row.hi, [&](int64_t x) { return answerOf(x, b) > hi; }) - 1;
        } else {
            from = firstWhere(row.lo, row.hi, [&](int64_t x) { return answerOf(x, b) <= hi; });
            to = firstWhere(row.lo, row.hi, [&](int64_t x) { return answerOf(x, b) < lo; }) - 1;
        }
        if (from <= to)
            pairs += static_cast<long double>(countUpTo(row, to) - countUpTo(row, from - 1));
    }
    return looked == 0 ? 0 : pairs * static_cast<long double>(rows) / looked;
}

int64_t ChoicePairs::distinctAnswers(int64_t enough) const {
    std::set<__int128> answers;
    // A row's good first numbers give different sums, differences and products (but by 0).
    for (const Row& row : m_rows) {
        const Count good = (&row == &m_rows.back() ? m_total : (&row + 1)->before) - row.before;
        if (m_skill != Skill::Division && row.second != 0 && good >= enough)
            return enough;
    }
    const Count looked = std::min<Count>(m_total, kMostPairsLooked);
    for (Count i = 0; i < looked && static_cast<int64_t>(answers.size()) < enough; ++i) {
        const auto [x, y] = pairAt(i * m_total / looked);
        switch (m_skill) {
        case Skill::Addition:
            answers.insert(Count(x) + y);
            break;
        case Skill::Subtraction:
            answers.insert(Count(x) - y);
            break;
        case Skill::Multiplication:
            answers.insert(Count(x) * y);
            break;
        default:
            answers.insert(x / y);
            break;
        }
    }
    // Beyond the pairs looked at, the riddle's own redraw limit is the safety net.
    if (m_total > looked)
        return enough;
    return std::min<int64_t>(enough, static_cast<int64_t>(answers.size()));
}

} // namespace abacore
