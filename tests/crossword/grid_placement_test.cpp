// The builds' invariants (grid_invariants_test) catch an entry put where it may not go; these
// cases catch the opposite faults: a fit test that refuses what the rules allow at each limit,
// a direction drawn once for all crossings, a builder that gives up too soon or never.
#include "crossword/grid_builder.h"

#include "worksheet/generation_error.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>

using namespace abacore;

namespace {

// Characters as earlier entries would have left them, without numbers.
void Put(CrosswordGrid& g, int x, int y, std::u32string_view text, bool down = false) {
    for (int k = 0; k < static_cast<int>(text.size()); ++k)
        g.LetterGrid[CrosswordGrid::index(x + (down ? 0 : k), y + (down ? k : 0))] = text[k];
}

bool Try(CrosswordGrid& g, bool down, std::u32string_view answer, int x, int y, int pos) {
    return down ? TryDown(g, 2, answer, x, y, pos) : TryAcross(g, 2, answer, x, y, pos);
}

} // namespace

TEST(CrosswordPlacement, EntriesReachTheLastColumnAndRowTheyMayTakeAndNoFurther) {
    // Each case crosses a lone 5 at (x, y) with character pos of the answer.
    const struct {
        const char* what;
        int x, y;
        bool down;
        std::u32string answer;
        int pos;
        bool fits;
    } cases[] = {
        {"across from column 2", 3, 10, false, U"555", 2, true},
        {"across from column 1", 3, 10, false, U"555", 3, false},
        {"across to column 17", 15, 10, false, U"555", 1, true},
        {"across to column 18", 15, 10, false, U"5555", 1, false},
        {"down to row 14", 10, 12, true, U"555", 1, true},
        {"down to row 15", 10, 12, true, U"5555", 1, false},
        {"down in column 27", 27, 8, true, U"55", 1, true},
        {"across in row 19", 8, 19, false, U"55", 1, true},
        {"one character", 8, 19, false, U"5", 1, false},
    };
    for (const auto& c : cases) {
        CrosswordGrid g(2);
        Put(g, c.x, c.y, U"5");
        EXPECT_EQ(Try(g, c.down, c.answer, c.x, c.y, c.pos), c.fits) << c.what;
    }
    // Word 1 runs down column 16 from row Int((19 - L) / 2) + 1: 19 characters fill it
    // (20 are replaced: WordsThatFitNowhere...).
    CrosswordGrid first(1);
    ASSERT_TRUE(PlaceFirstWord(first, U"1234567890123456789"));
    EXPECT_EQ(std::tuple(first.word(1).column, first.word(1).row), std::tuple(16, 1));
}

TEST(CrosswordPlacement, NewCellsNeedEmptySidesTheEndsMustBeFreeAndFilledCellsMustAgree) {
    // 5234 would cross the down word 151 on its 5 at (8, 10) and fill columns 9 to 11; each case
    // puts one more character. Transposed, the same cases test the down entry.
    const struct {
        const char* what;
        int x, y;
        char32_t c;
        bool fits;
    } cases[] = {
        {"nothing more", 0, 0, 0, true},
        {"above a new cell", 10, 9, '7', false},
        {"below a new cell", 10, 11, '7', false},
        {"just after", 12, 10, '7', false},
        {"just before", 7, 10, '7', false},
        {"diagonally after", 12, 9, '7', true},
        {"a crossing that agrees", 10, 10, '3', true},
        {"a crossing that does not", 10, 10, '9', false},
        {"the last cell agrees", 11, 10, '4', true},
    };
    for (const bool down : {false, true}) {
        for (const auto& c : cases) {
            CrosswordGrid g(2);
            down ? Put(g, 9, 8, U"151") : Put(g, 8, 9, U"151", true);
            if (c.c != 0)
                down ? Put(g, c.y, c.x, {&c.c, 1}) : Put(g, c.x, c.y, {&c.c, 1});
            const bool placed =
                down ? Try(g, true, U"5234", 10, 8, 1) : Try(g, false, U"5234", 8, 10, 1);
            EXPECT_EQ(placed, c.fits) << (down ? "down, " : "across, ") << c.what;
        }
    }
}

TEST(CrosswordPlacement, AWordThatWouldLeaveNoRoomIsPassedOverWhileMoreAreToCome) {
    // 353 across the middle of 151 makes a cross that no entry can join: every cell beside it
    // touches it, and both words' ends are their own.
    CrosswordGrid cross(3);
    ASSERT_TRUE(PlaceFirstWord(cross, U"151")); // rows 9 to 11
    EXPECT_TRUE(HasRoomForAnEntry(cross));
    CrosswordGrid locked = cross;
    ASSERT_TRUE(TryAcross(locked, 2, U"353", 16, 10, 2));
    EXPECT_FALSE(HasRoomForAnEntry(locked));

    int placedAnyway = 0;
    for (uint64_t seed = 0; seed < 20; ++seed) {
        CrosswordGrid g = cross;
        RandomSource random(seed);
        EXPECT_FALSE(PlaceWord(g, 2, U"353", random, true)) << "seed " << seed;
        // Taken back whole.
        EXPECT_EQ(std::tuple(g.LetterGrid, g.NumberGrid, g.word(2).Direction),
                  std::tuple(cross.LetterGrid, cross.NumberGrid, EntryDirection::None));
        RandomSource again(seed);
        placedAnyway += PlaceWord(g, 2, U"353", again);
    }
    EXPECT_GT(placedAnyway, 0); // the last word may lock the grid
}

TEST(CrosswordPlacement, OnlyTheDrawnDirectionIsTriedAndTheFirstFittingCrossingWins) {
    // 55 can only go across the 5 of the down word 151: from (8, 10) when the first crossing
    // draws across, from (7, 10) when only the second does, nowhere when neither.
    std::set<std::pair<int, int>> starts; // (0, 0): not placed
    for (uint64_t seed = 0; seed < 200; ++seed) {
        CrosswordGrid g(2);
        Put(g, 8, 9, U"151", true);
        RandomSource random(seed);
        const bool placed = PlaceWord(g, 2, U"55", random);
        starts.insert(placed ? std::pair(g.word(2).column, g.word(2).row) : std::pair(0, 0));
    }
    EXPECT_EQ(starts, (std::set<std::pair<int, int>>{{0, 0}, {8, 10}, {7, 10}}));
}

TEST(CrosswordPlacement, WordsThatFitNowhereAreReplacedUntilOneFitsOrTheBuilderGivesUp) {
    RandomSource random(5);
    // A first answer longer than the rows is replaced too.
    EXPECT_EQ(
        BuildGrid({"12345678901234567890"}, random, [](int) { return "4096"; }).word(1).answer,
        "4096");

    // 777 shares nothing with 4096; 1234 fits only across, ending on the 4. A word stuck on its
    // grid for perWord replacements starts a new grid with the answers as they are, which waits
    // twice as long; perBuild counts every try of a word, on every grid, and ends the build.
    // The answers made, negative when the build gave up.
    const auto build = [&](const ReplacementLimits& limits, int stuckFor) {
        int made = 0;
        const auto replace = [&](int w) {
            EXPECT_EQ(w, 2);
            return ++made > stuckFor ? "1234" : "777";
        };
        try {
            const WordEntry built = BuildGrid({"4096", "777"}, random, replace, limits).word(2);
            EXPECT_EQ(std::tuple(built.answer, built.column, built.row), std::tuple("1234", 13, 8));
        } catch (const GenerationError& e) {
            EXPECT_STREQ(e.what(), CrosswordText::kFailedMessage);
            return -made;
        }
        return made;
    };
    EXPECT_GT(build({}, 3), 3);
    EXPECT_GT(build({1, 1000}, 10), 10);
    EXPECT_EQ(build({1'000'000, 100}, 1'000'000), -99); // every try but 4096's on one grid
    // Grids waiting 5, 10, 20 and 40 answers, each with 4096 and 777 tried first; the fifth
    // ends the build.
    EXPECT_EQ(build({5, 100}, 1'000'000), -91);
}
