#pragma once
// Checks made on the files a command will write before it writes the first of them, so that a
// refused command leaves every file as it was; and text from the user made safe to print.

#include "core/failure.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace abacore {

// Throws WriteError, naming the file and the reason in words, when `path` cannot be written:
// its folder is missing or not writable, the name is too long, or a folder is in the way.
void CheckWritable(const std::filesystem::path& path);

// Whether two names lead to the same file: through another spelling of the path, a link, or a
// second name (hard link) of an existing file.
bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b);

// The text with its control characters shown as \xNN (or \u00NN for those of Unicode's C1
// range), so that echoing it cannot move a terminal's cursor or change its colours.
std::string EscapedForTerminal(std::string_view text);

} // namespace abacore
