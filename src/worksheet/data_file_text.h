#pragma once
// The text of the data files that ship beside the program (riddles, word-problem templates):
// read as UTF-8 when the bytes are valid UTF-8, otherwise as Windows-1252, and split into lines
// ended by CR LF. A bare LF (a file edited on this system) ends a line too.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace abacore {

// Whether the bytes are well-formed UTF-8 (no overlong forms, surrogates or values past
// U+10FFFF).
bool IsValidUtf8(std::string_view bytes);

// The bytes as UTF-8 text: unchanged when they are valid UTF-8 (less a leading byte-order
// mark), otherwise read as Windows-1252.
std::string DecodeDataFileText(std::string_view bytes);

// The lines of a decoded text, without their endings. A final line ending opens no extra line;
// blank lines are kept.
std::vector<std::string> SplitDataFileLines(std::string_view text);

// The file `name` in `folder`, whatever the letter case of its name on disk; the name as given
// when there is none.
std::filesystem::path DataFilePath(const std::filesystem::path& folder, std::string_view name);

} // namespace abacore
