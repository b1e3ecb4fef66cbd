#include "crossword/crossword_capacity.h"
#include "crossword/crossword_page.h"
#include "crossword/crossword_problems.h"
#include "crossword/grid_builder.h"

#include "core/generation_error.h"
#include "core/utf8.h"
#include "crossword_request.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

using namespace abacore;

namespace {

struct Seen {
    bool across = false, shared = false, negative = false;
};

void ExpectInvariants(const CrosswordGrid& g, const WorksheetRequest& r, Seen& seen) {
    ASSERT_EQ(g.WordCount, r.CrosswordCount);
    std::map<std::pair<int, int>, int> firstOnCell, firstStartingOn;
    // Each word by its start cell and direction.
    std::map<std::tuple<int, int, bool>, int> entries;
    for (int w = 1; w <= g.WordCount; ++w) {
        const WordEntry& e = g.word(w);
        const bool across = e.Direction == EntryDirection::Across;
        ASSERT_TRUE(across || e.Direction == EntryDirection::Down);
        EXPECT_EQ(e.answer, r.CrosswordAnswers[w]);
        const std::u32string answer = DecodeUtf8(e.answer);
        const int last = static_cast<int>(answer.size()) - 1;
        if (w == 1)
            EXPECT_EQ(std::tuple(e.column, e.row, across),
                      std::tuple(16, (18 - last) / 2 + 1, false));
        else
            EXPECT_TRUE(across ? e.column >= 2 && e.column + last <= 17
                               : e.row >= 2 && e.row + last <= 14);
        // Readable at its entry.
        for (int k = 0; k <= last; ++k) {
            const int x = e.column + (across ? k : 0), y = e.row + (across ? 0 : k);
            EXPECT_EQ(g.letter(x, y), answer[k]) << "word " << w;
            firstOnCell.emplace(std::pair(x, y), w);
        }
        EXPECT_TRUE(entries.emplace(std::tuple(e.column, e.row, across), w).second)
            << "word " << w << " starts where another of its direction starts";
        const int first = firstStartingOn.emplace(std::pair(e.column, e.row), w).first->second;
        EXPECT_EQ(e.EntryNumber, first) << "word " << w; // a shared start cell's first word
        seen.across = seen.across || across;
        seen.shared = seen.shared || first != w;
        seen.negative = seen.negative || answer[0] == U'-';
    }
    // Every run of two or more filled cells is exactly one word's entry, and every word's entry
    // such a run: no word lies on another, none is a lone cell, no cells touch by accident.
    int runs = 0;
    for (int y = 0; y < CrosswordGrid::kTableRows; ++y) {
        for (int x = 0; x < CrosswordGrid::kTableColumns; ++x) {
            const auto starts = firstStartingOn.find({x, y});
            EXPECT_EQ(g.number(x, y), starts == firstStartingOn.end() ? 0 : starts->second);
            if (g.letter(x, y) == 0)
                continue;
            EXPECT_TRUE(firstOnCell.count({x, y})) << x << "," << y;
            for (const bool across : {true, false}) {
                const int dx = across ? 1 : 0, dy = across ? 0 : 1;
                if (g.letter(x - dx, y - dy) != 0 || g.letter(x + dx, y + dy) == 0)
                    continue;
                int length = 1;
                while (g.letter(x + length * dx, y + length * dy) != 0)
                    ++length;
                ++runs;
                const auto entry = entries.find({x, y, across});
                ASSERT_NE(entry, entries.end()) << "a run without a clue at " << x << "," << y;
                EXPECT_EQ(DecodeUtf8(g.word(entry->second).answer).size(),
                          static_cast<size_t>(length))
                    << "word " << entry->second;
            }
        }
    }
    EXPECT_EQ(runs, g.WordCount);
    // One piece: each entry was laid across one already there, from the first on.
    std::set<std::pair<int, int>> reached;
    std::vector<std::pair<int, int>> next;
    if (!firstOnCell.empty())
        next.push_back(firstOnCell.begin()->first);
    while (!next.empty()) {
        const auto [x, y] = next.back();
        next.pop_back();
        if (g.letter(x, y) == 0 || !reached.insert({x, y}).second)
            continue;
        for (const auto& [nx, ny] : {std::pair(x + 1, y), {x - 1, y}, {x, y + 1}, {x, y - 1}})
            next.emplace_back(nx, ny);
    }
    EXPECT_EQ(reached.size(), firstOnCell.size());
}

// The page shows the grid, and the lists every word once under its direction.
void ExpectPageOf(const CrosswordGrid& g, const WorksheetRequest& r, const CrosswordPage& page) {
    for (int y = 1; y <= 19; ++y)
        for (int x = 1; x <= 27; ++x)
            EXPECT_EQ(std::tuple(DecodeUtf8(page.cell(x, y).character), page.cell(x, y).number),
                      std::tuple(g.letter(x, y) ? std::u32string(1, g.letter(x, y)) : U"",
                                 g.number(x, y)));
    // In number order (the numbers of a direction differ), whatever the order of the words.
    std::set<std::tuple<int, std::string, int>> lists[3];
    std::vector<std::tuple<int, std::string, int>> shown[3];
    for (int w = 1; w <= g.WordCount; ++w)
        lists[static_cast<int>(g.word(w).Direction)].emplace(g.word(w).EntryNumber,
                                                             r.CrosswordClues[w], w);
    for (const auto& [d, list] : {std::pair(1, page.across), std::pair(2, page.down)})
        for (const ClueEntry& e : list)
            shown[d].emplace_back(e.number, e.clue, e.word);
    EXPECT_EQ(shown[1], std::vector(lists[1].begin(), lists[1].end()));
    EXPECT_EQ(shown[2], std::vector(lists[2].begin(), lists[2].end()));
}

} // namespace

TEST(CrosswordBuild, InvariantsHoldAndEveryCountAcceptedBuildsOverManySeeds) {
    WorksheetRequest negatives = CrosswordRequest(Skill::Subtraction, 1, 10, 1, 10, 0);
    negatives.AllowNegatives = true;
    WorksheetRequest remainders = CrosswordRequest(Skill::Division, 1, 100, 1, 100, 0);
    remainders.AllowRemainders = true;
    const auto chosen = [](WorksheetRequest r, Regrouping regrouping, uint16_t facts,
                           bool noRepeats, double answerMin = 0, double answerMax = -1) {
        r.Choices = {regrouping, answerMin <= answerMax, answerMin, answerMax, facts, noRepeats};
        return r;
    };
    // Small ranges, whose short answers pack densely, at the most the request may ask for; and
    // the lesson's choices, which leave fewer or other answers than the ranges.
    const WorksheetRequest atCapacity[] = {
        chosen(CrosswordRequest(Skill::Addition, 1, 100, 1, 100, 0), Regrouping::Never, 0, false),
        chosen(CrosswordRequest(Skill::Subtraction, 1, 100, 1, 100, 0), Regrouping::Always, 0,
               true),
        chosen(CrosswordRequest(Skill::Multiplication, 1, 12, 1, 12, 0), Regrouping::Any,
               0b1000010010, true),
        chosen(CrosswordRequest(Skill::Division, 1, 100, 1, 10, 0), Regrouping::Any, 0b10010,
               false),
        chosen(CrosswordRequest(Skill::Addition, 0, 1000, 0, 1000, 0), Regrouping::Any, 0, false,
               10, 99),
        chosen(CrosswordRequest(Skill::Addition, 1, 10, 1, 10, 0), Regrouping::Any, 0, true),
        chosen(negatives, Regrouping::Never, 0, true, -20, 20),
        chosen(EverySkillRequest(0), Regrouping::Never, 0b111, true, 5, 30),
        CrosswordRequest(Skill::Subtraction, 1, 100, 1, 100, 0),
        CrosswordRequest(Skill::Division, 1, 100, 1, 10, 0),
        CrosswordRequest(Skill::Addition, 1, 10, 1, 10, 0),
        CrosswordRequest(Skill::Multiplication, 1, 20, 1, 20, 0),
        CrosswordRequest(Skill::Addition, 0, 1000, 0, 1000, 0),
        negatives,
        remainders,
        EverySkillRequest(0),
    };
    std::vector<WorksheetRequest> requests = {EverySkillRequest(1), EverySkillRequest(0)};
    for (WorksheetRequest r : atCapacity) {
        r.ProblemCount = static_cast<int16_t>(CrosswordCapacity(r, CrosswordRules()));
        ASSERT_GT(r.ProblemCount, 1) << static_cast<int>(r.SkillMode) << " " << ValueOf(r.FirstMax);
        requests.push_back(r);
    }
    Seen seen;
    for (const WorksheetRequest& request : requests) {
        int failed = 0;
        for (uint64_t seed = 0; seed < 20; ++seed) {
            WorksheetRequest r = request;
            RandomSource random(seed);
            const DrawLimits limits = MakeCrosswordProblems(r, CrosswordRules(), random);
            try {
                const CrosswordGrid g = BuildGrid(r, CrosswordRules(), random, limits);
                ExpectInvariants(g, r, seen);
                ExpectPageOf(g, r, MakeCrosswordPage(g, r));
            } catch (const GenerationError&) {
                ++failed;
            }
            if (::testing::Test::HasFailure())
                FAIL() << "count " << request.ProblemCount << ", seed " << seed;
        }
        EXPECT_LE(failed, 1) << "count " << request.ProblemCount << ", skill "
                             << static_cast<int>(request.SkillMode) << ", first to "
                             << ValueOf(request.FirstMax);
    }
    // The builds went through the cases that the rules single out.
    EXPECT_TRUE(seen.across && seen.shared && seen.negative);
}
