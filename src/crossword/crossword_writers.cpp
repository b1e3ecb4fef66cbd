#include "crossword/crossword_writers.h"

#include "crossword/clue_lists.h"

#include <nlohmann/json.hpp>

namespace abacore {

namespace {

using nlohmann::json;

constexpr const char* kBlock = "#";

json IpuzClues(const std::vector<ClueEntry>& entries) {
    json clues = json::array();
    for (const ClueEntry& entry : entries)
        clues.push_back(json::array({entry.number, entry.clue}));
    return clues;
}

// Solving programs take letters by default: the digits and the minus sign must be allowed.
std::string Charset(const CrosswordPage& page) {
    std::string charset = "0123456789-";
    for (const PageCell& cell : page.cells)
        if (!cell.isEmpty() && charset.find(cell.character) == std::string::npos)
            charset += cell.character;
    return charset;
}

} // namespace

namespace {

// A version of a class set is named on the first line of its texts.
std::string VersionLine(const CrosswordPage& page) {
    return page.version.inSet() ? PupilVersionLabel(page.version) + "\n" : std::string();
}

} // namespace

std::string CrosswordKeyText(const CrosswordPage& page) {
    std::string text = VersionLine(page);
    text.reserve((kCrosswordColumns + 1) * kCrosswordRows);
    for (int y = 1; y <= kCrosswordRows; ++y) {
        for (int x = 1; x <= kCrosswordColumns; ++x) {
            const PageCell& cell = page.cell(x, y);
            text += cell.isEmpty() ? "." : cell.character;
        }
        text += '\n';
    }
    return page.code.empty() ? text : text + page.code;
}

std::string CrosswordPuzzleText(const CrosswordPage& page) {
    const std::string text = VersionLine(page) + BuilderListText(page);
    return page.code.empty() ? text : text + "\n" + page.code;
}

std::string CrosswordIpuz(const CrosswordPage& page) {
    json puzzle = json::array();
    json solution = json::array();
    for (int y = 1; y <= kCrosswordRows; ++y) {
        json puzzleRow = json::array();
        json solutionRow = json::array();
        for (int x = 1; x <= kCrosswordColumns; ++x) {
            const PageCell& cell = page.cell(x, y);
            if (cell.isEmpty()) {
                puzzleRow.push_back(kBlock);
                solutionRow.push_back(kBlock);
            } else {
                puzzleRow.push_back(cell.number); // 0: a cell to fill without a number
                solutionRow.push_back(cell.character);
            }
        }
        puzzle.push_back(std::move(puzzleRow));
        solution.push_back(std::move(solutionRow));
    }
    const json ipuz = {
        {"version", "http://ipuz.org/v2"},
        {"kind", json::array({"http://ipuz.org/crossword#1"})},
        {"origin", "Abacore: Drill Edition"},
        {"title", page.heading},
        {"dimensions", {{"width", kCrosswordColumns}, {"height", kCrosswordRows}}},
        {"block", kBlock},
        {"charset", Charset(page)},
        {"puzzle", std::move(puzzle)},
        {"solution", std::move(solution)},
        {"clues", {{"Across", IpuzClues(page.across)}, {"Down", IpuzClues(page.down)}}},
    };
    // A heading that is not valid UTF-8 must not stop the file: its bad bytes become U+FFFD.
    return ipuz.dump(-1, ' ', false, json::error_handler_t::replace) + "\n";
}

} // namespace abacore
