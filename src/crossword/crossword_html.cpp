#include "crossword/crossword_html.h"

#include "document/html_page.h"

#include <algorithm>
#include <map>

namespace abacore {

namespace {

struct EntryCells {
    const ClueEntry* clue = nullptr;
    std::string_view role;                  // "across" or "down"
    std::vector<std::pair<int, int>> cells; // (x, y) from the start cell
};

std::string cellId(int x, int y) {
    std::string id = "c";
    id += std::to_string(x);
    id += '-';
    id += std::to_string(y);
    return id;
}

// An entry runs from the cell that bears its number to the first empty cell in its direction.
EntryCells cellsOf(const CrosswordPage& page, const ClueEntry& clue, bool across) {
    EntryCells entry{&clue, across ? "across" : "down", {}};
    for (int y = 1; y <= kCrosswordRows && entry.cells.empty(); ++y)
        for (int x = 1; x <= kCrosswordColumns && entry.cells.empty(); ++x)
            if (page.cell(x, y).number == clue.number)
                for (int cx = x, cy = y; cx <= kCrosswordColumns && cy <= kCrosswordRows &&
                                         !page.cell(cx, cy).isEmpty();
                     across ? ++cx : ++cy)
                    entry.cells.emplace_back(cx, cy);
    return entry;
}

} // namespace

std::string CrosswordHtml(const CrosswordPage& page) {
    std::vector<EntryCells> entries;
    for (const ClueEntry& clue : page.across)
        entries.push_back(cellsOf(page, clue, true));
    for (const ClueEntry& clue : page.down)
        entries.push_back(cellsOf(page, clue, false));

    // What a screen reader says in each cell: "3 Across, 1 of 2; 4 Down, 1 of 3".
    std::map<std::pair<int, int>, std::string> labels;
    for (const EntryCells& entry : entries) {
        const int length = static_cast<int>(entry.cells.size());
        for (int k = 0; k < length; ++k) {
            std::string& label = labels[entry.cells[static_cast<size_t>(k)]];
            label += label.empty() ? "" : "; ";
            label += std::to_string(entry.clue->number) +
                     (entry.role == "across" ? " Across, " : " Down, ") + std::to_string(k + 1) +
                     " of " + std::to_string(length);
        }
    }

    // Only the rows and columns that hold cells, so that the grid fits narrow screens.
    const UsedCellBox box = UsedCells(page).value_or(UsedCellBox{1, 0, 1, 0});
    const int left = box.left, right = box.right, top = box.top, bottom = box.bottom;

    std::string out = PageStart(page.heading);
    out += "<section class=\"sheet crossword\" id=\"v1\">\n";
    if (!PageText(page.heading).empty())
        out += "<h1>" + HtmlText(page.heading) + "</h1>\n";
    out += "<p class=\"name\"><label for=\"v1-name\">Name</label> <input id=\"v1-name\" "
           "type=\"text\" autocomplete=\"off\"></p>\n<div class=\"directions\"><p>Type one "
           "character in each box. The arrow keys move from box to box.</p></div>\n"
           "<div class=\"puzzle\">\n<div class=\"scroll\"><table class=\"cw\">\n";
    for (int y = top; y <= bottom; ++y) {
        out += "<tr>";
        for (int x = left; x <= right; ++x) {
            const PageCell& cell = page.cell(x, y);
            if (cell.isEmpty()) {
                out += "<td class=\"void\"></td>";
                continue;
            }
            out += "<td>";
            if (cell.number > 0)
                out += "<span class=\"no\" aria-hidden=\"true\">" + std::to_string(cell.number) +
                       "</span>";
            out += "<input class=\"cell\" id=\"v1-" + cellId(x, y) + "\" data-x=\"" +
                   std::to_string(x) + "\" data-y=\"" + std::to_string(y) +
                   "\" type=\"text\" autocomplete=\"off\" spellcheck=\"false\" aria-label=\"" +
                   labels[{x, y}] + "\"></td>";
        }
        out += "</tr>\n";
    }
    out += "</table></div>\n<div class=\"clues\">\n";
    for (const bool across : {true, false}) {
        out += across ? "<h2>Across</h2>\n<ol class=\"entries\">\n"
                      : "<h2>Down</h2>\n<ol class=\"entries\">\n";
        for (const EntryCells& entry : entries) {
            if ((entry.role == "across") != across)
                continue;
            std::string answer, ids;
            for (const auto& [x, y] : entry.cells) {
                answer += page.cell(x, y).character;
                ids += (ids.empty() ? "v1-" : " v1-") + cellId(x, y);
            }
            const int number = entry.clue->number;
            out += "<li class=\"item\" data-n=\"" + std::to_string(number) + "\" data-role=\"" +
                   std::string(entry.role) + "\" data-h=\"" +
                   AnswerHash(number, PageText(entry.clue->clue), entry.role, PageText(answer)) +
                   "\" data-cells=\"" + ids + "\"><span class=\"num\">" + std::to_string(number) +
                   ")</span> <span class=\"q\">" + HtmlText(entry.clue->clue) +
                   "</span> <span class=\"mark\"></span></li>\n";
        }
        out += "</ol>\n";
    }
    out += "</div>\n</div>\n";
    out += kCheckControls;
    out += "</section>\n";
    out += PageEnd();
    return out;
}

} // namespace abacore
