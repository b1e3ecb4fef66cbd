#pragma once
// Grid cells hold one character each, and an answer's length is counted in characters: the
// builder works on code points and turns them back into UTF-8 for the page.

#include <string>
#include <string_view>

namespace abacore {

// A malformed byte stands for itself, so nothing is lost.
std::u32string CodePoints(std::string_view utf8);

void AppendUtf8(std::string& out, char32_t c);
std::string Utf8(std::u32string_view text);

} // namespace abacore
