#include "crossword/grid_builder.h"

#include "worksheet/generation_error.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>
#include <vector>

using namespace abacore;

namespace {

constexpr auto kAcross = EntryDirection::Across;
constexpr auto kDown = EntryDirection::Down;

// Characters as earlier entries would have left them, without numbers.
void Put(CrosswordGrid& g, int x, int y, std::u32string_view text, bool down = false) {
    for (int k = 0; k < static_cast<int>(text.size()); ++k)
        g.LetterGrid[CrosswordGrid::index(x + (down ? 0 : k), y + (down ? k : 0))] = text[k];
}

std::tuple<int, int, EntryDirection, int> EntryOf(const CrosswordGrid& g, int w) {
    const WordEntry& e = g.word(w);
    return {e.column, e.row, e.Direction, e.EntryNumber};
}

} // namespace

TEST(CrosswordPlacement, FirstWordRunsDownColumn16CentredWithTheExtraRowBelow) {
    for (const auto& [answer, top] :
         {std::pair(U"4096", 8), std::pair(U"123", 9), std::pair(U"1234567890123456789", 1)}) {
        CrosswordGrid g(1);
        ASSERT_TRUE(PlaceFirstWord(g, answer));
        EXPECT_EQ(EntryOf(g, 1), std::tuple(16, top, kDown, 1));
        EXPECT_EQ(g.number(16, top), 1);
        EXPECT_EQ(g.letter(16, top), answer[0]);
        EXPECT_EQ(g.letter(16, top - 1), 0);
    }
    // Longer than the rows, or empty: nothing is placed and the builder asks for another.
    CrosswordGrid g(1);
    EXPECT_FALSE(PlaceFirstWord(g, U"12345678901234567890") || PlaceFirstWord(g, U""));
    EXPECT_EQ(g.LetterGrid, CrosswordGrid().LetterGrid);
}

TEST(CrosswordPlacement, AcrossStaysInColumns2To17AndDownInRows2To14) {
    const struct {
        int x, y;
        EntryDirection d;
        std::u32string answer;
        int pos;
        bool fits;
    } cases[] = {
        {3, 10, kAcross, U"555", 2, true},  {3, 10, kAcross, U"555", 3, false},
        {15, 10, kAcross, U"555", 1, true}, {15, 10, kAcross, U"5555", 1, false},
        {10, 3, kDown, U"555", 2, true},    {10, 3, kDown, U"555", 3, false},
        {10, 12, kDown, U"555", 1, true},   {10, 12, kDown, U"5555", 1, false},
        {27, 8, kDown, U"55", 1, true},     {27, 8, kAcross, U"5", 1, false},
        {8, 19, kAcross, U"55", 1, true},   {8, 19, kDown, U"5", 1, false},
    };
    for (const auto& c : cases) {
        CrosswordGrid g(2);
        Put(g, c.x, c.y, U"5");
        EXPECT_EQ(c.d == kAcross ? TryAcross(g, 2, c.answer, c.x, c.y, c.pos)
                                 : TryDown(g, 2, c.answer, c.x, c.y, c.pos),
                  c.fits)
            << c.x << "," << c.y << " pos " << c.pos;
    }
}

TEST(CrosswordPlacement, NewCellsNeedEmptySidesTheEndsMustBeFreeAndFilledCellsMustAgree) {
    // 5234 would cross the down word 151 on its 5 at (8, 10) and fill columns 9 to 11; each case
    // puts one more character. Transposed, the same cases test the down entry.
    const struct {
        int x, y;
        char32_t c;
        bool fits;
    } cases[] = {
        {0, 0, 0, true},      {10, 9, '7', false},  {10, 11, '7', false}, // beside a new cell
        {12, 10, '7', false}, {7, 10, '7', false},                        // just after, before
        {12, 9, '7', true},   {7, 11, '7', true},                         // diagonally beyond
        {10, 10, '3', true},  {10, 10, '9', false}, {11, 10, '4', true},  // agrees or not
    };
    for (const bool down : {false, true}) {
        for (const auto& c : cases) {
            CrosswordGrid g(2);
            down ? Put(g, 9, 8, U"151") : Put(g, 8, 9, U"151", true);
            if (c.c != 0)
                down ? Put(g, c.y, c.x, {&c.c, 1}) : Put(g, c.x, c.y, {&c.c, 1});
            const bool placed =
                down ? TryDown(g, 2, U"5234", 10, 8, 1) : TryAcross(g, 2, U"5234", 8, 10, 1);
            EXPECT_EQ(placed, c.fits) << (down ? "down " : "across ") << c.x << "," << c.y;
            // Written whole or not at all.
            EXPECT_EQ(down ? g.letter(10, 9) : g.letter(9, 10), c.fits ? U'2' : 0);
        }
    }
}

TEST(CrosswordPlacement, NoEntryLiesOnAnotherOfItsDirectionNorOnOneCellAndStartsMayBeShared) {
    // 4096 runs down column 16, rows 8 to 11; 12 runs across row 10 from column 5, over the
    // down word 313 in column 5. Each case tries one more word on that grid.
    const struct {
        const char* what;
        EntryDirection d;
        std::u32string answer;
        int x, y, pos;
        bool fits;
        int number; // the entry's number when it fits
    } cases[] = {
        {"from the first word's start cell", kAcross, U"41", 16, 8, 1, true, 1},
        {"over 12 from its start", kAcross, U"123", 5, 10, 1, false, 0},
        {"over 12 from the cell before", kAcross, U"0123", 5, 10, 2, false, 0},
        {"exactly on 12", kAcross, U"12", 5, 10, 1, false, 0},
        {"exactly on 313", kDown, U"313", 5, 10, 2, false, 0},
        {"one character on a crossing", kAcross, U"9", 16, 11, 1, false, 0},
        {"one character down", kDown, U"2", 6, 10, 1, false, 0},
        {"across a down word's end, beside 12", kAcross, U"36", 5, 11, 1, false, 0},
        {"across a down word's end", kAcross, U"63", 5, 11, 2, true, 3},
        {"down through 12", kDown, U"929", 6, 10, 2, false, 0},   // beside 313
        {"down from 12's end", kDown, U"25", 6, 10, 1, false, 0}, // beside 313
    };
    for (const auto& c : cases) {
        CrosswordGrid g(3);
        ASSERT_TRUE(PlaceFirstWord(g, U"4096"));
        Put(g, 5, 9, U"313", true);
        ASSERT_TRUE(TryAcross(g, 2, U"12", 5, 10, 1));
        const bool placed = c.d == kAcross ? TryAcross(g, 3, c.answer, c.x, c.y, c.pos)
                                           : TryDown(g, 3, c.answer, c.x, c.y, c.pos);
        EXPECT_EQ(placed, c.fits) << c.what;
        EXPECT_EQ(g.word(3).EntryNumber, c.number) << c.what;
    }
    // A minus sign crosses a minus sign like any digit.
    CrosswordGrid n(2);
    ASSERT_TRUE(PlaceFirstWord(n, U"-12")); // rows 9 to 11
    ASSERT_TRUE(TryAcross(n, 2, U"3-5", 16, 9, 2));
    EXPECT_EQ(std::u32string({n.letter(15, 9), n.letter(17, 9)}), U"35");
}

TEST(CrosswordPlacement, AWordThatWouldLeaveNoRoomIsPassedOverWhileMoreAreToCome) {
    // 353 across the middle of 151 makes a cross that no entry can join: every cell beside it
    // touches it, and both words' ends are their own.
    const auto cross = [] {
        CrosswordGrid g(3);
        EXPECT_TRUE(PlaceFirstWord(g, U"151")); // rows 9 to 11
        return g;
    };
    CrosswordGrid locked = cross();
    EXPECT_TRUE(HasRoomForAnEntry(locked));
    ASSERT_TRUE(TryAcross(locked, 2, U"353", 16, 10, 2));
    EXPECT_FALSE(HasRoomForAnEntry(locked));

    int placedAnyway = 0;
    for (uint64_t seed = 0; seed < 20; ++seed) {
        CrosswordGrid g = cross();
        RandomSource random(seed);
        EXPECT_FALSE(PlaceWord(g, 2, U"353", random, true)) << "seed " << seed;
        // Taken back whole.
        EXPECT_EQ(std::tuple(g.LetterGrid, g.NumberGrid, g.word(2).Direction),
                  std::tuple(cross().LetterGrid, cross().NumberGrid, EntryDirection::None));
        RandomSource again(seed);
        placedAnyway += PlaceWord(g, 2, U"353", again);
    }
    EXPECT_GT(placedAnyway, 0); // the last word may lock the grid
}

TEST(CrosswordPlacement, OnlyTheDrawnDirectionIsTriedAndTheFirstFittingCrossingWins) {
    // 55 can only go across the 5 of the down word 151: from (8, 10) when the first crossing
    // draws across, from (7, 10) when only the second does, nowhere when neither.
    std::set<std::pair<int, int>> starts;
    int unplaced = 0;
    for (uint64_t seed = 0; seed < 200; ++seed) {
        CrosswordGrid g(2);
        Put(g, 8, 9, U"151", true);
        RandomSource random(seed);
        if (!PlaceWord(g, 2, U"55", random)) {
            ++unplaced;
            continue;
        }
        EXPECT_EQ(g.word(2).Direction, kAcross);
        starts.insert({g.word(2).column, g.word(2).row});
    }
    EXPECT_EQ(starts, (std::set<std::pair<int, int>>{{8, 10}, {7, 10}}));
    EXPECT_GT(unplaced, 0);

    // Columns before rows, positions from the first: 55 fits either way from a lone 5, and
    // starts on the one in column 4, not the one in row 3.
    std::set<EntryDirection> directions;
    for (uint64_t seed = 0; seed < 50; ++seed) {
        CrosswordGrid g(2);
        Put(g, 6, 3, U"5");
        Put(g, 4, 12, U"5");
        RandomSource random(seed);
        ASSERT_TRUE(PlaceWord(g, 2, U"55", random));
        EXPECT_EQ(std::pair(g.word(2).column, g.word(2).row), std::pair(4, 12));
        directions.insert(g.word(2).Direction);
    }
    EXPECT_EQ(directions.size(), 2u);
}

TEST(CrosswordPlacement, WordsThatFitNowhereAreReplacedUntilOneFitsOrTheBuilderGivesUp) {
    RandomSource random(5);
    // 777 and 888 share nothing with 4096; 1234 fits only across, ending on the 4.
    std::vector<int> asked;
    const CrosswordGrid g = BuildGrid({"4096", "777"}, random, [&](int w) {
        asked.push_back(w);
        return std::string(asked.size() == 1 ? "888" : "1234");
    });
    EXPECT_EQ(std::set<int>(asked.begin(), asked.end()), std::set<int>{2});
    EXPECT_GE(asked.size(), 2u);
    EXPECT_EQ(g.word(2).answer, "1234");
    EXPECT_EQ(EntryOf(g, 2), std::tuple(13, 8, kAcross, 2));
    // A first answer longer than the rows is replaced too.
    EXPECT_EQ(
        BuildGrid({"12345678901234567890"}, random, [](int) { return "4096"; }).word(1).answer,
        "4096");

    // A word stuck on its grid for perWord replacements starts a new grid with the answers as
    // they are, which waits twice as long; perBuild counts every try of a word, on every grid,
    // and ends the build.
    const auto build = [&](const ReplacementLimits& limits, int stuckFor) {
        int made = 0;
        try {
            const CrosswordGrid built = BuildGrid(
                {"4096", "777"}, random, [&](int) { return ++made > stuckFor ? "1234" : "777"; },
                limits);
            EXPECT_EQ(built.word(2).answer, "1234");
        } catch (const GenerationError& e) {
            EXPECT_STREQ(e.what(), CrosswordText::kFailedMessage);
            return -made;
        }
        return made;
    };
    EXPECT_GT(build({3, 1000}, 3), 3);
    EXPECT_GT(build({1, 1000}, 10), 10);
    EXPECT_EQ(build({1'000'000, 100}, 1'000'000), -99); // every try but 4096's on one grid
    // Grids waiting 5, 10, 20 and 40 answers, each with 4096 and 777 tried first; the fifth
    // ends the build.
    EXPECT_EQ(build({5, 100}, 1'000'000), -91);
}
