#pragma once
// The pairs that meet both a skill's redraw condition and the teacher's choices, counted
// exactly and drawn straight from the count. A lesson's choices can make good pairs rare (an
// answer range of 0 to 5 among numbers up to 30000), where redrawing would take millions of
// tries a problem; counting them once per sheet makes every draw cost the same.

#include "core/worksheet_request.h"
#include "worksheet/problem.h"

#include <cstdint>
#include <vector>

namespace abacore {

class ChoicePairs {
public:
    using Count = __int128;

    // Whether the choices change how problems of `skill` are drawn.
    static bool Apply(const ProblemChoices& choices, Skill skill);

    // Throws GenerationError when the second numbers are too many to count one by one.
    ChoicePairs(const WorksheetRequest& request, const ProblemRules& rules, Skill skill);

    Count total() const { return m_total; }
    // The k-th good pair (first, second), k from 0 to total() - 1.
    std::pair<int64_t, int64_t> pairAt(Count k) const;
    // How many different problems the good pairs make, counted up to `enough` (where the
    // choices forbid repeats: only then are turned pairs counted).
    int64_t distinctProblems(int64_t enough) const;
    // How many different answers they give, counted up to `enough` (a lower bound when the
    // pairs are too many to look at one by one).
    int64_t distinctAnswers(int64_t enough) const;
    // The good pairs whose answer (the whole quotient for division) lies in lo..hi, over up to
    // `rowsLooked` second numbers spread evenly, each standing for those it skips: exact when
    // the second numbers are no more.
    long double pairsWithAnswers(Count lo, Count hi, int rowsLooked) const;

private:
    enum class Filter { All, NoCarry, Carry, NoBorrow, Borrow, Multiple };
    struct Row {
        int64_t second;
        int64_t lo; // the first numbers lo..hi pass every condition but the filter
        int64_t hi;
        Count before; // good pairs in the rows above
    };
    // Good first numbers from row.lo to x.
    Count countUpTo(const Row& row, int64_t x) const;
    Count answerOf(int64_t first, int64_t second) const;

    Skill m_skill;
    // Where a + b and b + a are one problem: the good pairs whose turned pair is good too,
    // but for a + a.
    Count m_twins = 0;
    Filter m_filter = Filter::All;
    std::vector<Row> m_rows;
    Count m_total = 0;
};

} // namespace abacore
