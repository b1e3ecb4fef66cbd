#include "worksheet/value_matching.h"

#include "core/generation_error.h"
#include "core/number_text.h"
#include "core/whole_numbers.h"
#include "worksheet/feasibility.h"
#include "worksheet/large_print.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace abacore {

namespace {

// The plain partner search first: draw a skill and a first number, keep the pair if it fits.
// It nearly always finds one within a few tries; after these many the partners are counted
// instead, which gives each of them the same chance without an unbounded loop.
constexpr int kQuickTries = 256;
// A problem without any partner is drawn again, this many times at most per problem.
constexpr int kMostProblemDraws = 1000;
// Problems drawn again, at most, for a partner that meets the lesson's choices too; after these
// a partner need only differ from the others, so that a sheet is made wherever the ranges
// allow one.
constexpr int kObeyingDraws = 200;
// Partners looked at one by one for those the choices take.
constexpr int64_t kMostPartnersListed = 4096;
// Whole numbers a double holds exactly.
constexpr double kExactLimit = 9007199254740992.0; // 2^53

constexpr std::string_view kAnswerBlank = "      _____"; // six blanks, five underscores
constexpr int kAnswerIndent = 6;                         // the blanks before it
constexpr int kPartnerColumn = 50; // the left part is filled with blanks up to here
constexpr int kKeyIndent = 30;
constexpr double kUsualPoints = 11;
constexpr int kLetterWidth = 3; // "A) "
constexpr int kGap = 2;         // blanks at least between the columns when they close up

// The second numbers a partner may have: strictly between SecondMin and SecondMax.
struct Window {
    double lowest = 0;
    double highest = -1;
    bool holds(double d) const { return IsWhole(d) && d >= lowest && d <= highest; }
};

Window partnerWindow(const WorksheetRequest& request) {
    return {std::floor(request.SecondMin.value_or(0.0)) + 1,
            std::ceil(static_cast<double>(request.SecondMax)) - 1};
}

struct Partner {
    Skill skill = Skill::None;
    double first = 0;
    double second = 0;
};

// Partners of one skill whose free number runs through lowest..highest, less a few values: the
// first number for addition and subtraction, the second for division.
struct PartnerRun {
    Skill skill = Skill::None;
    int64_t lowest = 0;
    int64_t highest = -1;
    std::vector<int64_t> skipped; // sorted, each inside the run

    void skip(int64_t value) {
        if (value < lowest || value > highest ||
            std::find(skipped.begin(), skipped.end(), value) != skipped.end())
            return;
        skipped.insert(std::upper_bound(skipped.begin(), skipped.end(), value), value);
    }
    int64_t count() const {
        return highest < lowest ? 0 : highest - lowest + 1 - static_cast<int64_t>(skipped.size());
    }
    int64_t at(int64_t index) const {
        int64_t value = lowest + index;
        for (int64_t s : skipped)
            if (s <= value)
                ++value;
        return value;
    }
};

// Every partner of a problem, for a uniform choice among them: the same choice the repeated
// draw makes, without its unbounded loop.
class PartnerCount {
public:
    PartnerCount(const WorksheetRequest& request, double problemFirst, double value)
        : m_window(partnerWindow(request)) {
        const DrawnValues first =
            DrawnValuesOf(static_cast<int64_t>(request.FirstMin.value_or(0.0)),
                          static_cast<int64_t>(request.FirstMax.value_or(0.0)));
        m_firstLowest = first.lowest;
        m_firstHighest = first.highest;
        m_a = static_cast<int64_t>(problemFirst);
        m_v = static_cast<int64_t>(value);
        m_windowLowest = static_cast<int64_t>(m_window.lowest);
        m_windowHighest = static_cast<int64_t>(m_window.highest);
    }

    void add(Skill skill) {
        switch (skill) {
        case Skill::Addition: // second = value - first
            addFirstRun(skill, m_v - m_windowHighest, m_v - m_windowLowest);
            break;
        case Skill::Subtraction: // second = first - value
            addFirstRun(skill, m_v + m_windowLowest, m_v + m_windowHighest);
            break;
        case Skill::Division:
            addDivisions();
            break;
        case Skill::Multiplication:
            addMultiplications();
            break;
        default:
            break;
        }
    }

    int64_t total() const {
        int64_t sum = static_cast<int64_t>(m_listed.size());
        for (const PartnerRun& run : m_runs)
            sum += run.count();
        return sum;
    }

    Partner at(int64_t index) const {
        for (const PartnerRun& run : m_runs) {
            if (index < run.count()) {
                const auto free = static_cast<double>(run.at(index));
                if (run.skill == Skill::Division)
                    return {run.skill, free * static_cast<double>(m_v), free};
                return {run.skill, free, PartnerSecond(run.skill, static_cast<double>(m_v), free)};
            }
            index -= run.count();
        }
        return m_listed[static_cast<size_t>(index)];
    }

private:
    void addFirstRun(Skill skill, int64_t lowest, int64_t highest) {
        PartnerRun run{
            skill, std::max(lowest, m_firstLowest), std::min(highest, m_firstHighest), {}};
        run.skip(m_a);
        m_runs.push_back(std::move(run));
    }

    // first = second * value: the seconds of the window whose multiple lies in the first range.
    void addDivisions() {
        if (m_v == 0)
            return;
        const int64_t low = m_v > 0 ? CeilDiv(m_firstLowest, m_v) : CeilDiv(m_firstHighest, m_v);
        const int64_t high = m_v > 0 ? FloorDiv(m_firstHighest, m_v) : FloorDiv(m_firstLowest, m_v);
        PartnerRun run{
            Skill::Division, std::max(low, m_windowLowest), std::min(high, m_windowHighest), {}};
        if (m_a % m_v == 0)
            run.skip(m_a / m_v);
        m_runs.push_back(std::move(run));
    }

    void addMultiplications() {
        if (m_v == 0) {
            // 0 / first is 0 for every first number but 0.
            if (m_window.holds(0)) {
                PartnerRun run{Skill::Multiplication, m_firstLowest, m_firstHighest, {}};
                run.skip(0);
                run.skip(m_a);
                m_runs.push_back(std::move(run));
            }
            return;
        }
        const int64_t size = m_v < 0 ? -m_v : m_v;
        // A whole first number other than 0 makes the second at most |value| in size.
        const int64_t low = std::max(m_windowLowest, -size);
        const int64_t high = std::min(m_windowHighest, size);
        const auto tryDivisor = [&](int64_t d) {
            if (d == 0 || d < low || d > high || m_v % d != 0)
                return;
            const int64_t c = m_v / d;
            if (c != m_a && c >= m_firstLowest && c <= m_firstHighest)
                m_listed.push_back(
                    {Skill::Multiplication, static_cast<double>(c), static_cast<double>(d)});
        };
        if (high < low)
            return;
        // Walk whichever is shorter: the window, or the divisors up to the square root.
        const auto root = static_cast<int64_t>(std::sqrt(static_cast<double>(size)));
        if (high - low <= 2 * root + 2) {
            for (int64_t d = low; d <= high; ++d)
                tryDivisor(d);
            return;
        }
        for (int64_t q = 1; q <= root + 1 && q * q <= size; ++q) {
            if (size % q != 0)
                continue;
            const int64_t other = size / q;
            for (int64_t d : {q, -q})
                tryDivisor(d);
            if (other != q)
                for (int64_t d : {other, -other})
                    tryDivisor(d);
        }
    }

    Window m_window;
    int64_t m_firstLowest = 0;
    int64_t m_firstHighest = -1;
    int64_t m_windowLowest = 0;
    int64_t m_windowHighest = -1;
    int64_t m_a = 0;
    int64_t m_v = 0;
    std::vector<PartnerRun> m_runs;
    std::vector<Partner> m_listed;
};

bool exactlyHeld(const WorksheetRequest& request, double a, double v) {
    for (double x : {a, v, request.FirstMin.value_or(0.0), request.FirstMax.value_or(0.0),
                     request.SecondMin.value_or(0.0)})
        if (!IsWhole(x) || std::fabs(x) >= kExactLimit / 4)
            return false;
    return true;
}

std::vector<Skill> partnerSkills(const WorksheetRequest& request, Skill problemSkill) {
    std::vector<Skill> skills;
    if (!request.MixedSkills)
        return {problemSkill};
    for (int k = 1; k <= 4; ++k)
        if (request.isChecked(static_cast<Skill>(k)))
            skills.push_back(static_cast<Skill>(k));
    return skills;
}

// A partner of equal value for the problem a (sign) b = value that `accept` takes, or nothing
// when none exists.
template <class Accept>
std::optional<Partner> findPartner(WorksheetRequest& request, RandomSource& random,
                                   const ArithmeticProblem& problem, const Accept& accept) {
    const Window window = partnerWindow(request);
    const double firstMin = request.FirstMin.value_or(0.0);
    const double firstMax = request.FirstMax.value_or(0.0);
    const double value = problem.answer;
    for (int tries = 0; tries < kQuickTries; ++tries) {
        if (request.MixedSkills)
            PickSkill(request, random);
        const Skill skill = request.MixedSkills ? request.SkillMode : problem.skill;
        const double first = DrawOperand(firstMin, firstMax, random);
        const double second = PartnerSecond(skill, value, first);
        if (first != problem.first && window.holds(second) && accept(Partner{skill, first, second}))
            return Partner{skill, first, second};
    }
    if (!exactlyHeld(request, problem.first, value))
        return std::nullopt;
    PartnerCount partners(request, problem.first, value);
    for (Skill skill : partnerSkills(request, problem.skill))
        partners.add(skill);
    const int64_t total = partners.total();
    if (total == 0)
        return std::nullopt;
    auto index = static_cast<int64_t>(std::floor(static_cast<double>(total) * random.Next()));
    Partner partner = partners.at(std::min(index, total - 1));
    if (!accept(partner)) {
        // The ones the choices take, each as likely; among very many, a bounded random look.
        std::vector<int64_t> taken;
        const int64_t looked = std::min<int64_t>(total, kMostPartnersListed);
        for (int64_t i = 0; i < looked; ++i) {
            const int64_t k =
                total <= kMostPartnersListed
                    ? i
                    : static_cast<int64_t>(std::floor(static_cast<double>(total) * random.Next()));
            if (accept(partners.at(std::min(k, total - 1))))
                taken.push_back(std::min(k, total - 1));
        }
        if (taken.empty())
            return std::nullopt;
        index = static_cast<int64_t>(std::floor(static_cast<double>(taken.size()) * random.Next()));
        partner = partners.at(taken[std::min(static_cast<size_t>(index), taken.size() - 1)]);
    }
    if (request.MixedSkills)
        request.SkillMode = partner.skill;
    return partner;
}

void appendExpression(std::string& out, double first, Skill skill, double second) {
    AppendTrimmedNumberText(out, first);
    out += ' ';
    out += SkillSign(skill);
    out += ' ';
    AppendTrimmedNumberText(out, second + 0.0); // never "-0"
}

struct Pair {
    std::string problem;
    std::string partner;
    int partnerLine = 0;
};

// Where the right-hand column starts, counted from the problem number. Where the usual line
// does not fit (large print, narrower paper) it moves left as far as the longest problem allows;
// the largest numbers the ranges take (five digits and a sign) still leave both columns on one
// line of large print.
int partnerColumn(double scale, Paper paper, int longestLeft, int longestPartner) {
    const int room = ColumnsThatFit(kUsualPoints * scale, paper) -
                     static_cast<int>(kAnswerBlank.size()) - kLetterWidth - longestPartner;
    return std::min(kPartnerColumn, std::max(room, longestLeft + kGap));
}

} // namespace

double PartnerSecond(Skill skill, double value, double first) {
    switch (skill) {
    case Skill::Addition:
        return value - first;
    case Skill::Subtraction:
        return first - value;
    case Skill::Multiplication:
        return value / first;
    case Skill::Division:
        return first / value;
    default:
        return std::nan("");
    }
}

void CheckValueMatchingCanBeMade(const WorksheetRequest& request) {
    if (request.ProblemCount <= 0)
        return;
    if (request.ProblemCount > kMostMatchingProblems)
        throw GenerationError("There is a limit of 25 problems for this activity.");
    const double secondMin = request.SecondMin.value_or(0.0);
    const Window window = partnerWindow(request);
    if (window.highest < window.lowest)
        throw GenerationError(
            "Each matching expression needs a second number strictly between the second "
            "number's minimum and maximum, and no whole number lies between " +
            TrimmedNumberText(secondMin) + " and " + TrimmedNumberText(request.SecondMax) +
            ". Make the second number's maximum at least " +
            TrimmedNumberText(std::floor(secondMin) + 2) + ".");
    const double firstMin = request.FirstMin.value_or(0.0);
    const double firstMax = request.FirstMax.value_or(0.0);
    if (IsWhole(firstMin) && IsWhole(firstMax) && std::fabs(firstMin) < kExactLimit &&
        std::fabs(firstMax) < kExactLimit) {
        const DrawnValues first =
            DrawnValuesOf(static_cast<int64_t>(firstMin), static_cast<int64_t>(firstMax));
        if (first.lowest == first.highest)
            throw GenerationError(
                "Each matching expression needs a first number other than its problem's, and "
                "the first number's range gives only " +
                TrimmedNumberText(static_cast<double>(first.lowest)) +
                ". Make the first number's maximum at least " + TrimmedNumberText(firstMin + 2) +
                ".");
    }
}

void MakeValueMatching(WorksheetRequest& request, RandomSource& random, const ProblemRules& rules,
                       const DrawLimits& limits, GenerationState& state, Document& worksheet) {
    const int count = std::clamp<int>(request.ProblemCount, 0, kMostMatchingProblems);

    // The problems and their partners, all made before anything is written.
    std::array<Pair, kMostMatchingProblems + 1> pairs; // from 1
    DrawnProblems drawn;
    // Partners follow the choices as problems do (their value is the problem's, so the answer
    // range holds already), and without repeats none repeats another.
    DrawnProblems partnersDrawn;
    ProblemChoices partnerChoices = request.Choices;
    partnerChoices.answerLimit = false;
    const auto isNew = [&](const Partner& p) {
        return !request.Choices.noRepeats ||
               !partnersDrawn.holds(WorkedProblem(p.skill, p.first, p.second));
    };
    const auto obeys = [&](const Partner& p) {
        return isNew(p) && MeetsChoices(WorkedProblem(p.skill, p.first, p.second), partnerChoices);
    };
    for (int k = 1; k <= count; ++k) {
        std::optional<Partner> partner;
        ArithmeticProblem problem;
        for (int draws = 0; !partner; ++draws) {
            if (draws == kMostProblemDraws)
                throw GenerationError(
                    "Few problems from these number ranges have a partner of equal value whose "
                    "second number lies strictly between the second number's minimum and "
                    "maximum. Widen the first or the second number's range.");
            problem = NextNewProblem(request, random, rules, limits, drawn);
            partner = draws < kObeyingDraws ? findPartner(request, random, problem, obeys)
                                            : findPartner(request, random, problem, isNew);
            // A problem left without a partner is not on the sheet.
            if (!partner)
                drawn.remove(problem);
        }
        partnersDrawn.add(WorkedProblem(partner->skill, partner->first, partner->second));
        Pair& pair = pairs[static_cast<size_t>(k)];
        appendExpression(pair.problem, problem.first, problem.skill, problem.second);
        appendExpression(pair.partner, partner->first, partner->skill, partner->second);
    }

    // The lines: each problem, and a partner drawn from those not yet placed.
    std::vector<int> unplaced;
    int longestLeft = 0;
    int longestPartner = 0;
    for (int k = 1; k <= count; ++k) {
        unplaced.push_back(k);
        const Pair& pair = pairs[static_cast<size_t>(k)];
        longestLeft = std::max(longestLeft, CharacterCount(TrimmedNumberText(k) + ") ") +
                                                CharacterCount(pair.problem));
        longestPartner = std::max(longestPartner, CharacterCount(pair.partner));
    }
    const int rightColumn =
        partnerColumn(TypeScale(request), request.PaperSize, longestLeft, longestPartner);
    std::string line;
    for (int i = 1; i <= count; ++i) {
        const auto j = std::min(
            unplaced.size() - 1,
            static_cast<size_t>(std::floor(static_cast<double>(unplaced.size()) * random.Next())));
        const int r = unplaced[j];
        unplaced.erase(unplaced.begin() + static_cast<std::ptrdiff_t>(j));
        pairs[static_cast<size_t>(r)].partnerLine = i;

        line.assign(kAnswerBlank);
        const size_t leftStart = line.size();
        AppendTrimmedNumberText(line, i);
        line += ") ";
        line += pairs[static_cast<size_t>(i)].problem;
        const int leftLength = CharacterCount(std::string_view(line).substr(leftStart));
        line.append(static_cast<size_t>(std::max(0, rightColumn - leftLength)), ' ');
        line += static_cast<char>('A' + i - 1);
        line += ") ";
        line += pairs[static_cast<size_t>(r)].partner;
        line += "\n\n";
        worksheet.Insert(line);
        state.Content.choices.push_back(pairs[static_cast<size_t>(r)].partner);
    }

    state.AnswerText.clear();
    for (int k = 1; k <= count; ++k) {
        state.AnswerText.append(kKeyIndent, ' ');
        AppendTrimmedNumberText(state.AnswerText, k);
        state.AnswerText += ")  ";
        const char letter = static_cast<char>('A' + pairs[static_cast<size_t>(k)].partnerLine - 1);
        state.AnswerText += letter;
        state.AnswerText += '\n';
        state.Content.problems.push_back(
            {pairs[static_cast<size_t>(k)].problem, std::string(1, letter), {}, 0});
    }
}

std::string ValueMatchingDirections(const WorksheetRequest&) {
    return "Fill in the letter of the problem that has an equal answer in the right column.";
}

} // namespace abacore
