// The printed puzzle's layout: nothing overlaps, everything lies on the page, every clue is
// printed once and in the order of the lists, and lists that do not fit go on to further pages.
#include "core/utf8.h"
#include "crossword/clue_lists.h"
#include "crossword/crossword_page.h"
#include "crossword/puzzle_layout.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <tuple>

using namespace abacore;
using namespace PuzzleGeometry;

namespace {

// A page with `across` and `down` clues of the given length (before the entry number).
CrosswordPage PageWith(int across, int down, int clueLength = 10, std::string heading = "Puzzle") {
    CrosswordPage page;
    page.heading = std::move(heading);
    for (int w = 1; w <= across + down; ++w) {
        std::string clue = std::to_string(w) + " + ";
        clue.resize(static_cast<size_t>(clueLength), '7');
        (w <= across ? page.across : page.down).push_back({w, clue, w});
    }
    return page;
}

std::vector<std::string> EntryTexts(const CrosswordPage& page) {
    std::vector<std::string> texts;
    for (const auto* list : {&page.across, &page.down})
        for (const ClueEntry& entry : *list) {
            std::string line = EntryLine(entry.number, entry.clue);
            line.pop_back(); // its line feed
            texts.push_back(line);
        }
    return texts;
}

bool Overlap(const TwipRect& a, const TwipRect& b) {
    return a.x < b.right() && b.x < a.right() && a.y < b.bottom() && b.y < a.bottom();
}

void ExpectSoundLayout(const CrosswordPage& page, const std::string& what, Paper paper) {
    SCOPED_TRACE(what + " on " + std::string(PaperName(paper)));
    const TwipSize area = PrintableArea(paper);
    const PuzzleLayout layout = LayOutPuzzle(page, area);

    // Everything in its page and apart from everything else on that page.
    std::vector<std::pair<int, TwipRect>> boxes{
        {0, layout.nameDate}, {0, layout.heading}, {0, layout.gridArea}};
    for (const PrintedLine& line : layout.lines)
        boxes.emplace_back(line.page, line.box);
    for (size_t i = 0; i < boxes.size(); ++i) {
        const auto& [page_i, box] = boxes[i];
        EXPECT_TRUE(box.x >= 0 && box.y >= 0 && box.right() <= area.width &&
                    box.bottom() <= area.height)
            << "item " << i << " leaves the page";
        EXPECT_TRUE(page_i >= 0 && page_i < layout.pages);
        for (size_t j = i + 1; j < boxes.size(); ++j)
            EXPECT_FALSE(page_i == boxes[j].first && Overlap(box, boxes[j].second))
                << "items " << i << " and " << j << " overlap on page " << page_i;
    }

    // "Across", its entries, "Down", its entries; every entry once, in list order, in reading
    // order (page, then column, then row).
    std::vector<std::string> texts;
    std::vector<std::string> captions;
    for (const PrintedLine& line : layout.lines) {
        if (line.kind == PrintedLineKind::Entry)
            texts.push_back(line.text);
        if (line.kind == PrintedLineKind::Caption && !line.text.ends_with(" (continued)"))
            captions.push_back(line.text);
        EXPECT_GE(line.box.width, CharacterCount(line.text) * kCharacterWidth) << line.text;
    }
    EXPECT_EQ(texts, EntryTexts(page));
    EXPECT_EQ(captions, (std::vector<std::string>{"Across", "Down"}));
    // Every later page opens with a caption: the next list's, or that of the list it goes on
    // with, saying so.
    std::string list;
    for (size_t i = 0; i < layout.lines.size(); ++i) {
        const PrintedLine& line = layout.lines[i];
        const bool opensPage = line.page > 0 && (i == 0 || layout.lines[i - 1].page < line.page);
        EXPECT_EQ(opensPage, opensPage && line.kind == PrintedLineKind::Caption) << line.text;
        if (line.text.ends_with(" (continued)")) {
            EXPECT_EQ(line.text, list + " (continued)");
            EXPECT_TRUE(opensPage && layout.lines.at(i + 1).kind == PrintedLineKind::Entry);
        } else if (line.kind == PrintedLineKind::Caption) {
            list = line.text;
        }
    }
    for (size_t i = 1; i < layout.lines.size(); ++i) {
        const PrintedLine& a = layout.lines[i - 1];
        const PrintedLine& b = layout.lines[i];
        const bool sameColumn = a.page == b.page && a.box.x == b.box.x;
        EXPECT_TRUE(a.page < b.page || (a.page == b.page && a.box.x < b.box.x) ||
                    (sameColumn && b.box.y == a.box.bottom()))
            << "line " << i << " is out of reading order";
        // A caption stays with its first entry; a column never opens with a blank line.
        if (a.kind == PrintedLineKind::Caption) {
            EXPECT_TRUE(sameColumn) << a.text << " ends a column";
        }
        if (!sameColumn) {
            EXPECT_NE(b.kind, PrintedLineKind::Blank);
        }
    }
    ASSERT_FALSE(layout.lines.empty());
    EXPECT_EQ(layout.lines.back().page, layout.pages - 1);
}

void ExpectSoundLayout(const CrosswordPage& page, const std::string& what) {
    for (const Paper paper : {Paper::Letter, Paper::A4})
        ExpectSoundLayout(page, what, paper);
}

} // namespace

TEST(PuzzleLayout, NothingOverlapsAndEveryClueIsPrintedOnceInOrder) {
    // Every length of the across list, so that each caption and blank line meets the end of a
    // column somewhere.
    for (int across = 0; across <= 100; ++across)
        for (const int down : {0, 1, 13, 50})
            for (const int length : {8, 17})
                if (across + down <= 100)
                    ExpectSoundLayout(PageWith(across, down, length),
                                      std::to_string(across) + " across, " + std::to_string(down) +
                                          " down, clues of " + std::to_string(length));
    ExpectSoundLayout(PageWith(40, 40, 12, std::string(200, 'W')), "the longest heading");
}

// Few clues stay on the first page in as few columns as hold them; many go on overleaf, from
// the top of the page. A long heading takes up to three lines, counted in characters.
TEST(PuzzleLayout, ListsThatDoNotFitGoOnToFurtherPagesAndTheHeadingTakesItsLines) {
    const PuzzleLayout few = LayOutPuzzle(PageWith(3, 2), PrintableArea(Paper::Letter));
    EXPECT_EQ(std::tie(few.pages, few.columns), std::tuple(1, 1));
    const PuzzleLayout many = LayOutPuzzle(PageWith(60, 40, 17), PrintableArea(Paper::A4));
    EXPECT_GT(many.lines.front().box.y, many.gridArea.bottom());
    const auto overleaf = std::ranges::find(many.lines, 1, &PrintedLine::page);
    ASSERT_NE(overleaf, many.lines.end());
    EXPECT_EQ(overleaf->box.y, 0);

    std::string signs; // 40 division signs: one line, though 80 bytes
    for (int i = 0; i < 40; ++i)
        signs += "\xC3\xB7";
    EXPECT_EQ(HeadingLines(signs), 1);
    EXPECT_EQ(HeadingLines(std::string(200, 'e')), 3);
}

// The drawn cells sit in the middle of the grid, inside it, wherever the builder put them.
TEST(PuzzleLayout, TheEntriesAreCentredInTheGrid) {
    EXPECT_EQ(CentringOffset(CrosswordPage{}).x, 0);
    std::mt19937 random(3);
    std::uniform_int_distribution<int> column(1, kCrosswordColumns), row(1, kCrosswordRows);
    for (int i = 0; i < 500; ++i) {
        // The corners of the cells used, as two filled cells.
        CrosswordPage page;
        const int x0 = column(random), x1 = column(random), y0 = row(random), y1 = row(random);
        for (const auto& [x, y] : {std::pair(x0, y0), std::pair(x1, y1)})
            page.cells[static_cast<size_t>((y - 1) * kCrosswordColumns + x - 1)].character += '5';
        // The room left and right of the cells used, above and below them.
        const TwipOffset shift = CentringOffset(page);
        const int left = (std::min(x0, x1) - 1) * kCellWidth + shift.x;
        const int right = (kCrosswordColumns - std::max(x0, x1)) * kCellWidth - shift.x;
        const int top = (std::min(y0, y1) - 1) * kCellHeight + shift.y;
        const int bottom = (kCrosswordRows - std::max(y0, y1)) * kCellHeight - shift.y;
        EXPECT_TRUE(left >= 0 && top >= 0 && std::abs(left - right) <= 1 &&
                    std::abs(top - bottom) <= 1)
            << x0 << "," << y0 << " and " << x1 << "," << y1;
    }
}
