#pragma once
// How documents and their files are named in titles and messages, for sheets and puzzles alike.

#include <string>
#include <string_view>
#include <vector>

namespace abacore {

// What an answer key is called where it has a title (a PDF's, a print job's): the sheet's
// heading + " (Answer Key)".
std::string AnswerKeyTitle(std::string_view heading);

// "a", "b" and "c", each in quotes: the files a printed sheet went to.
std::string QuotedList(const std::vector<std::string>& names);

} // namespace abacore
