#include "crossword/puzzle_layout.h"

#include "core/utf8.h"
#include "crossword/clue_lists.h"
#include "crossword/crossword_messages.h"

#include <algorithm>

namespace abacore {

namespace {

using namespace PuzzleGeometry;

// A caption goes to the next column unless its blank line and first entry fit under it.
constexpr int kCaptionGroup = 3;

PrintedLine Line(std::string text, PrintedLineKind kind) {
    PrintedLine line;
    line.text = std::move(text);
    line.kind = kind;
    return line;
}

// The lines of a printed list box: its text starts with a line feed and ends each entry with
// one, so the blank line comes from the box itself.
void AppendBox(std::vector<PrintedLine>& lines, const char* caption, const std::string& box) {
    lines.push_back(Line(caption, PrintedLineKind::Caption));
    size_t start = 0;
    while (start < box.size()) {
        size_t end = box.find('\n', start);
        if (end == std::string::npos)
            end = box.size();
        std::string text = box.substr(start, end - start);
        const PrintedLineKind kind = text.empty() ? PrintedLineKind::Blank : PrintedLineKind::Entry;
        lines.push_back(Line(std::move(text), kind));
        start = end + 1;
    }
}

std::vector<PrintedLine> ListLines(const CrosswordPage& page) {
    std::vector<PrintedLine> lines;
    AppendBox(lines, CrosswordText::kAcrossCaption, AcrossBoxText(page));
    lines.push_back(Line("", PrintedLineKind::Blank));
    AppendBox(lines, CrosswordText::kDownCaption, DownBoxText(page));
    return lines;
}

struct Room {
    int width = 0;
    int firstTop = 0;  // where the lists start on the first page
    int firstRows = 0; // lines that fit under the grid
    int pageRows = 0;
};

// The lines a caption needs at the bottom of a column: itself, its blank line and its first
// entry, as far as they exist.
int GroupSize(const std::vector<PrintedLine>& lines, size_t i) {
    int size = 1;
    while (size < kCaptionGroup && i + static_cast<size_t>(size) < lines.size() &&
           lines[i + static_cast<size_t>(size)].kind != PrintedLineKind::Caption)
        ++size;
    return size;
}

// Places the lines column by column, page by page; returns the number of pages.
int Flow(std::vector<PrintedLine>& lines, int columns, const Room& room) {
    const int columnWidth = (room.width - (columns - 1) * kColumnGap) / columns;
    int page = 0;
    int column = 0;
    int row = 0;
    int rows = room.firstRows;
    int top = room.firstTop;
    if (rows < kCaptionGroup) {
        page = 1;
        rows = room.pageRows;
        top = 0;
    }
    std::vector<PrintedLine> placed;
    placed.reserve(lines.size() + 2);
    std::string list; // the caption of the list being printed
    const auto place = [&](PrintedLine line) {
        line.page = page;
        line.box = {column * (columnWidth + kColumnGap), top + row * kLinePitch, columnWidth,
                    kLinePitch};
        placed.push_back(std::move(line));
        ++row;
    };
    for (size_t i = 0; i < lines.size(); ++i) {
        PrintedLine& line = lines[i];
        const int needed = line.kind == PrintedLineKind::Caption ? GroupSize(lines, i) : 1;
        if (row + needed > rows) {
            row = 0;
            if (++column == columns) {
                column = 0;
                ++page;
                rows = room.pageRows;
                top = 0;
            }
        }
        if (line.kind == PrintedLineKind::Blank && row == 0)
            continue;
        if (line.kind == PrintedLineKind::Caption)
            list = line.text;
        // A list that goes on overleaf says so at the top of the page.
        else if (line.kind == PrintedLineKind::Entry && page > 0 && column == 0 && row == 0)
            place(Line(list + CrosswordText::kContinued, PrintedLineKind::Caption));
        place(std::move(line));
    }
    lines = std::move(placed);
    return page + 1;
}

} // namespace

int HeadingLines(std::string_view heading, int width) {
    // Bold 20-point text takes about 0.575 em a character.
    constexpr int kHeadingCharacter = kHeadingSize * 23 / 40;
    const int needed = CharacterCount(heading) * kHeadingCharacter;
    return std::clamp((needed + width - 1) / width, 1, 3);
}

int HeadingBand(std::string_view heading) {
    return HeadingLines(heading) * kHeadingPitch + kLinePitch;
}

PuzzleLayout LayOutPuzzle(const CrosswordPage& page, TwipSize area) {
    const int pageWidth = area.width;
    PuzzleLayout layout;
    // An empty line, the Name/Date line, an empty line, then the heading.
    layout.nameDate = {0, kLinePitch, pageWidth, kLinePitch};
    layout.version = {0, 2 * kLinePitch, pageWidth, kLinePitch};
    layout.heading = {0, 3 * kLinePitch, pageWidth,
                      HeadingLines(page.heading, pageWidth) * kHeadingPitch};
    const int gridWidth = std::min(pageWidth, kGridAreaWidth);
    layout.gridArea = {(pageWidth - gridWidth) / 2, layout.heading.bottom() + kLinePitch / 2,
                       gridWidth,
                       (gridWidth * kGridAreaHeight + kGridAreaWidth / 2) / kGridAreaWidth};

    Room room;
    room.width = pageWidth;
    room.firstTop = layout.gridArea.bottom() + kLinePitch;
    room.firstRows = std::max(0, (area.height - room.firstTop) / kLinePitch);
    room.pageRows = area.height / kLinePitch;

    const std::vector<PrintedLine> lines = ListLines(page);
    int longest = 0;
    for (const PrintedLine& line : lines)
        longest = std::max(longest, CharacterCount(line.text));
    const auto lay = [&](int columns) {
        layout.columns = columns;
        layout.lines = lines;
        layout.pages = Flow(layout.lines, columns, room);
    };
    const auto mostColumns = [pageWidth](int characters) {
        return std::clamp((pageWidth + kColumnGap) / (characters * kCharacterWidth + kColumnGap), 1,
                          kMostColumns);
    };
    // As few columns as keep the lists on the first page; all of them when nothing does.
    const int most = mostColumns(longest);
    for (int columns = 1; columns <= most; ++columns) {
        lay(columns);
        if (layout.pages == 1)
            return layout;
    }
    // Overleaf, a caption that says the list goes on may be the widest line.
    int continued = 0;
    for (const char* caption : {CrosswordText::kAcrossCaption, CrosswordText::kDownCaption})
        continued =
            std::max(continued, CharacterCount(std::string(caption) + CrosswordText::kContinued));
    if (const int columns = mostColumns(std::max(longest, continued)); columns < most)
        lay(columns);
    return layout;
}

TwipOffset CentringOffset(const CrosswordPage& page) {
    const std::optional<UsedCellBox> box = UsedCells(page);
    if (!box)
        return {};
    const auto [left, right, top, bottom] = *box;
    return {((kCrosswordColumns - right) - (left - 1)) * kCellWidth / 2,
            ((kCrosswordRows - bottom) - (top - 1)) * kCellHeight / 2};
}

TwipRect KeyArea(std::string_view heading, TwipSize area) {
    const int height = HeadingBand(heading) + kGridAreaHeight;
    const int width = std::min(area.width, kGridAreaWidth);
    return {(area.width - width) / 2, 0, width,
            (width * height + kGridAreaWidth / 2) / kGridAreaWidth};
}

TwipRect KeyVersionLine(std::string_view heading, TwipSize area) {
    return {0, KeyArea(heading, area).bottom() + kLinePitch, area.width, kLinePitch};
}

} // namespace abacore
