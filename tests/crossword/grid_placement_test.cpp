// The builds' invariants (grid_invariants_test) catch an entry put where it may not go; these
// cases catch the opposite faults: a fit test that refuses what the rules allow at each limit,
// a builder that replaces a problem it could have placed, gives up too soon or never.
#include "crossword/grid_builder.h"

#include "core/generation_error.h"

#include <gtest/gtest.h>

#include <limits>
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
    return EntryFits(g, answer, x, y, pos, down ? EntryDirection::Down : EntryDirection::Across);
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

TEST(CrosswordPlacement, AWordIsReplacedOnlyWhenNoLayoutTakesItAndTheBuilderGivesUpInTime) {
    RandomSource random(5);
    int made = 0;
    const auto count = [&](const char* answer) {
        return [&made, answer](int) {
            ++made;
            return std::string(answer);
        };
    };
    // One character is no entry, nor are 20 for the first word: replaced before the layout.
    EXPECT_EQ(BuildGrid({"7", "1234"}, random, count("1234")).word(1).answer, "1234");
    EXPECT_EQ(BuildGrid({"12345678901234567890"}, random, count("55")).word(1).answer, "55");
    // Before any layout: layouts that never turn to replacing would otherwise never place it.
    constexpr int kNever = std::numeric_limits<int>::max();
    EXPECT_EQ(
        BuildGrid({"4096", "7"}, random, count("1234"), {.layouts = kNever, .perBuild = 100'000})
            .word(2)
            .answer,
        "1234");
    EXPECT_EQ(made, 3);

    // 77 shares nothing with 4096 but crosses 4567 once that is laid: nothing is replaced,
    // whatever the order of the words.
    made = 0;
    for (uint64_t seed = 0; seed < 20; ++seed) {
        RandomSource r(seed);
        const CrosswordGrid g = BuildGrid({"4096", "77", "4567"}, r, count("11"));
        EXPECT_EQ(std::tuple(g.word(2).answer, g.word(3).answer), std::tuple("77", "4567"));
    }
    EXPECT_EQ(made, 0);

    // 777 fits nowhere, on any layout: replaced until 1234 comes, or given up within the tries.
    const auto build = [&](const ReplacementLimits& limits, int stuckFor) {
        made = 0;
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
    EXPECT_EQ(build({.layouts = 3, .perWord = 5, .perBuild = 100'000}, 12), 13);
    // Layouts 1 to 3 try 777 only; each later one replaces it up to perWord times.
    const int gaveUpAfter = -build({.layouts = 3, .perWord = 5, .perBuild = 100'000}, 1'000'000);
    EXPECT_GT(gaveUpAfter, 500);
    EXPECT_LT(gaveUpAfter, 1000);
}
