#include "crossword/clue_lists.h"
#include "crossword/crossword_page.h"
#include "crossword/crossword_writers.h"

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
    EXPECT_EQ(EntryLine(12, "3 x 4 ="), " 12) 3 x 4 =\n");
    EXPECT_EQ(CrosswordPuzzleText(page), "Across:\n 2) 12 + 7 =\n\nDown:\n 1) 84 \u00F7 4 =\n\n");
    EXPECT_EQ(UnderlinedShape(BuilderClueList(page)),
              (std::vector<std::string>{"[Across:]", " 2) 12 + 7 =", "", "[Down:]_",
                                        " 1) 84 \u00F7 4 =", "", ""}));
    EXPECT_EQ(AcrossBoxText(page) + DownBoxText(page), "\n 2) 12 + 7 =\n\n 1) 84 \u00F7 4 =\n");

    const CrosswordPage empty;
    EXPECT_EQ(CrosswordPuzzleText(empty), "Across:\n\nDown:\n\n");
    EXPECT_EQ(AcrossBoxText(empty) + DownBoxText(empty), "\n\n");
}

TEST(CrosswordFiles, KeyTextAndIpuzShowTheBuiltGrid) {
    for (const uint64_t seed : {1, 2, 3}) {
        WorksheetRequest r = EverySkillRequest(40);
        r.Heading = "Mixed \xFF Practice"; // not UTF-8: the file is still written
        RandomSource random(seed);
        const CrosswordPage page = MakeCrossword(r, random);
        const std::string key = CrosswordKeyText(page);
        ASSERT_EQ(key.size(), 19u * 28u);

        const json ipuz = json::parse(CrosswordIpuz(page));
        EXPECT_EQ(ipuz["version"], "http://ipuz.org/v2");
        EXPECT_EQ(ipuz["kind"], json::array({"http://ipuz.org/crossword#1"}));
        EXPECT_EQ(ipuz["dimensions"], json({{"width", 27}, {"height", 19}}));
        EXPECT_EQ(ipuz["title"], "Mixed \uFFFD Practice");
        const std::string charset = ipuz["charset"];
        ASSERT_EQ(ipuz["puzzle"].size(), 19u);
        ASSERT_EQ(ipuz["solution"].size(), 19u);
        for (int y = 1; y <= 19; ++y) {
            ASSERT_EQ(key[y * 28 - 1], '\n');
            ASSERT_EQ(ipuz["puzzle"][y - 1].size(), 27u);
            ASSERT_EQ(ipuz["solution"][y - 1].size(), 27u);
            for (int x = 1; x <= 27; ++x) {
                const PageCell& cell = page.cell(x, y);
                const json& p = ipuz["puzzle"][y - 1][x - 1];
                const json& s = ipuz["solution"][y - 1][x - 1];
                const std::string keyCell = key.substr((y - 1) * 28 + x - 1, 1);
                if (cell.isEmpty()) {
                    EXPECT_EQ(std::tuple(keyCell, p, s), std::tuple(".", "#", "#"));
                } else {
                    EXPECT_EQ(std::tuple(keyCell, p, s),
                              std::tuple(cell.character, cell.number, cell.character));
                    EXPECT_NE(charset.find(cell.character), std::string::npos);
                }
            }
        }
        for (const auto& [name, list] : {std::pair("Across", page.across), {"Down", page.down}}) {
            json expected = json::array();
            for (const ClueEntry& e : list)
                expected.push_back(json::array({e.number, e.clue}));
            EXPECT_EQ(ipuz["clues"][name], expected);
        }
        EXPECT_FALSE(page.across.empty() || page.down.empty());
    }
}
