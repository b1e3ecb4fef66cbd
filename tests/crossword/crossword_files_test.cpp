#include "crossword/clue_lists.h"
#include "crossword/crossword_page.h"
#include "crossword/crossword_writers.h"

#include "../worksheet/printed_lines.h"
#include "crossword_request.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <map>
#include <set>
#include <sstream>
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

namespace {

// What a clue asks, worked out from its text alone: "12 + 7 =", "84 \u00F7 4 =".
std::string Worked(const std::string& clue) {
    std::istringstream in(clue);
    long long a = 0, b = 0;
    std::string sign;
    in >> a >> sign >> b;
    const long long answer = sign == "+"   ? a + b
                             : sign == "-" ? a - b
                             : sign == "x" ? a * b
                                           : a / b;
    return std::to_string(answer);
}

// The lists of a puzzle's text file: "Across:", " 3) 12 + 7 =" lines, a blank line, "Down:".
json ListsOfText(const std::string& text) {
    json lists = {{"Across", json::array()}, {"Down", json::array()}};
    std::istringstream in(text);
    std::string line, list;
    while (std::getline(in, line)) {
        if (line == "Across:" || line == "Down:")
            list = line.substr(0, line.size() - 1);
        else if (const size_t close = line.find(") "); close != std::string::npos)
            lists[list].push_back(json::array({std::stoi(line), line.substr(close + 2)}));
    }
    return lists;
}

} // namespace

// Read as a solving program reads them: every run of two or more open cells is an entry with
// a number in its first cell and exactly one clue under that number, whose answer is the run;
// each list in number order; the text file lists the same clues.
TEST(CrosswordFiles, KeyTextAndIpuzHoldAPuzzleThatCanBeSolved) {
    for (uint64_t seed = 1; seed <= 30; ++seed) {
        WorksheetRequest r = seed % 2 ? EverySkillRequest(25)
                                      : CrosswordRequest(Skill::Multiplication, 0, 99, 0, 99, 41);
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
        const json& puzzle = ipuz["puzzle"];
        const json& solution = ipuz["solution"];
        ASSERT_EQ(puzzle.size(), 19u);
        ASSERT_EQ(solution.size(), 19u);
        const auto open = [&](int x, int y) {
            return x >= 0 && y >= 0 && x < 27 && y < 19 && solution[y][x] != "#";
        };
        std::map<std::string, std::map<int, std::string>> runs; // by direction and number
        std::set<int> numbered;
        for (int y = 0; y < 19; ++y) {
            ASSERT_EQ(key[(y + 1) * 28 - 1], '\n');
            ASSERT_EQ(puzzle[y].size(), 27u);
            ASSERT_EQ(solution[y].size(), 27u);
            for (int x = 0; x < 27; ++x) {
                const std::string keyCell = key.substr(y * 28 + x, 1);
                if (!open(x, y)) {
                    EXPECT_EQ(std::tuple(keyCell, puzzle[y][x]), std::tuple(".", "#"));
                    continue;
                }
                const std::string cell = solution[y][x];
                EXPECT_EQ(keyCell, cell);
                EXPECT_NE(charset.find(cell), std::string::npos);
                const int number = puzzle[y][x];
                if (number != 0)
                    numbered.insert(number);
                for (const auto& [name, dx, dy] : {std::tuple("Across", 1, 0), {"Down", 0, 1}}) {
                    if (open(x - dx, y - dy) || !open(x + dx, y + dy))
                        continue;
                    std::string run;
                    for (int k = 0; open(x + k * dx, y + k * dy); ++k)
                        run += solution[y + k * dy][x + k * dx].get<std::string>();
                    EXPECT_NE(number, 0) << name << " run at " << x << "," << y;
                    EXPECT_TRUE(runs[name].emplace(number, run).second)
                        << name << " number " << number << " twice";
                    numbered.erase(number);
                }
            }
        }
        EXPECT_TRUE(numbered.empty()) << "a number that starts no entry";
        for (const char* name : {"Across", "Down"}) {
            std::map<int, std::string> answered;
            int previous = 0;
            for (const json& clue : ipuz["clues"][name]) {
                const int number = clue[0];
                EXPECT_GT(number, previous) << name << " out of number order";
                previous = number;
                answered[number] = Worked(clue[1]);
            }
            EXPECT_EQ(answered, runs[name]) << name << ", seed " << seed;
        }
        EXPECT_EQ(ListsOfText(CrosswordPuzzleText(page)), ipuz["clues"]);
        if (::testing::Test::HasFailure())
            FAIL() << "seed " << seed;
    }
}
