#include "crossword/clue_lists.h"
#include "crossword/crossword_page.h"
#include "crossword/crossword_writers.h"
#include "maker/version_maker.h"

#include "../worksheet/printed_lines.h"
#include "crossword_request.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>
#include <vector>

using namespace abacore;
using nlohmann::json;

TEST(CrosswordLists, EntryLinesUnderTheirUnderlinedCaptions) {
    CrosswordPage page; // entries 1 (down) and 2 (across) starting in different cells
    page.across = {{2, "12 + 7 =", 2}};
    page.down = {{1, "84 \u00F7 4 =", 1}};
    EXPECT_EQ(CrosswordPuzzleText(page), "Across:\n 2) 12 + 7 =\n\nDown:\n 1) 84 \u00F7 4 =\n\n");
    EXPECT_EQ(UnderlinedShape(BuilderClueList(page)),
              (std::vector<std::string>{"[Across:]", " 2) 12 + 7 =", "", "[Down:]_",
                                        " 1) 84 \u00F7 4 =", "", ""}));
    EXPECT_EQ(AcrossBoxText(page) + DownBoxText(page), "\n 2) 12 + 7 =\n\n 1) 84 \u00F7 4 =\n");
}

// The page itself holds a solvable puzzle (grid_invariants_test); the key and the ipuz file must
// each say exactly what the page says (the text file's lists are read whole above).
TEST(CrosswordFiles, KeyTextAndIpuzHoldThePageCellForCellAndClueForClue) {
    for (uint64_t seed = 1; seed <= 10; ++seed) {
        WorksheetRequest r = EverySkillRequest(25);
        r.Heading = "Mixed \xFF Practice"; // not UTF-8: the file is still written
        RandomSource random(seed);
        const CrosswordPage page = std::get<MadeVersions>(MakeVersions(r, random)).puzzles.front();
        const json ipuz = json::parse(CrosswordIpuz(page));
        EXPECT_EQ(ipuz["title"], "Mixed \uFFFD Practice");
        // Programs lay the grid out by its declared size: 27 across, 19 down.
        EXPECT_EQ(ipuz["dimensions"], json({{"width", 27}, {"height", 19}}));
        const std::string charset = ipuz["charset"];

        std::string key;
        json puzzle = json::array(), solution = json::array();
        for (int y = 1; y <= 19; ++y) {
            json numbers = json::array(), characters = json::array();
            for (int x = 1; x <= 27; ++x) {
                const PageCell& cell = page.cell(x, y);
                key += cell.isEmpty() ? "." : cell.character;
                numbers.push_back(cell.isEmpty() ? json("#") : json(cell.number));
                characters.push_back(cell.isEmpty() ? "#" : cell.character);
                EXPECT_TRUE(cell.isEmpty() || charset.find(cell.character) != std::string::npos);
            }
            key += "\n";
            puzzle.push_back(numbers);
            solution.push_back(characters);
        }
        EXPECT_EQ(CrosswordKeyText(page), key);
        EXPECT_EQ(ipuz["puzzle"], puzzle);
        EXPECT_EQ(ipuz["solution"], solution);
        json clues = {{"Across", json::array()}, {"Down", json::array()}};
        for (const auto& [name, list] : {std::pair("Across", &page.across), {"Down", &page.down}})
            for (const ClueEntry& e : *list)
                clues[name].push_back(json::array({e.number, e.clue}));
        EXPECT_EQ(ipuz["clues"], clues);
        if (::testing::Test::HasFailure())
            FAIL() << "seed " << seed;
    }
}
