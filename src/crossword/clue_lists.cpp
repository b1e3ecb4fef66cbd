#include "crossword/clue_lists.h"

#include "core/number_text.h"

#include <vector>

namespace abacore {

namespace {

void AppendEntryLines(std::string& out, const std::vector<ClueEntry>& entries) {
    for (const ClueEntry& entry : entries)
        out += EntryLine(entry.number, entry.clue);
}

std::string LineFeedAndEntryLines(const std::vector<ClueEntry>& entries) {
    std::string text = "\n";
    AppendEntryLines(text, entries);
    return text;
}

} // namespace

std::string EntryLine(int number, std::string_view clue) {
    std::string line = NumberText(number);
    line += ") ";
    line += clue;
    line += '\n';
    return line;
}

Document BuilderClueList(const CrosswordPage& page) {
    Document list;
    list.SetUnderline(true);
    list.Insert("Across:");
    list.SetUnderline(false);
    std::string across = LineFeedAndEntryLines(page.across);
    across += '\n';
    list.Insert(across);
    list.SetUnderline(true);
    list.Insert("Down:\n");
    list.SetUnderline(false);
    std::string down;
    AppendEntryLines(down, page.down);
    down += '\n';
    list.Insert(down);
    return list;
}

std::string BuilderListText(const CrosswordPage& page) {
    return BuilderClueList(page).plainText();
}

std::string AcrossBoxText(const CrosswordPage& page) {
    return LineFeedAndEntryLines(page.across);
}

std::string DownBoxText(const CrosswordPage& page) {
    return LineFeedAndEntryLines(page.down);
}

} // namespace abacore
