#pragma once
// The clue lists: one entry line per word, " 3) 12 + 7 =" and a line feed, the across words
// and the down words each in increasing entry number.

#include "crossword/crossword_page.h"
#include "document/document.h"

#include <string>
#include <string_view>

namespace abacore {

// NumberText(number), ") ", the clue, a line feed.
std::string EntryLine(int number, std::string_view clue);

// The builder window's list: "Across:" underlined, a line feed, the across lines and one more
// line feed; "Down:" and its line feed underlined, the down lines and one more line feed.
Document BuilderClueList(const CrosswordPage& page);
// The same list as plain text; it is also the puzzle's text file.
std::string BuilderListText(const CrosswordPage& page);

// The printed page's lists, printed under the "Across" and "Down" captions: a line feed, then
// the entry lines of that direction.
std::string AcrossBoxText(const CrosswordPage& page);
std::string DownBoxText(const CrosswordPage& page);

} // namespace abacore
