#pragma once
// The text files that ship with the program (riddles, word-problem templates): found in the
// program folder, or else in an installed copy's shipped folder, whatever the letter case of
// their names, read as UTF-16 when they start with its byte-order mark, as UTF-8 when they are
// valid UTF-8 and as Windows-1252 otherwise, and cut into lines.

#include "core/program_folder.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace abacore {

// The file called `name` in the data folders (FindDataFile), else the exact name in the program
// folder (which does not exist).
std::filesystem::path DataFilePath(const DataFolders& folders, std::string_view name);

// The bytes as UTF-8: UTF-16 with its byte-order mark converted; unchanged when they are valid
// UTF-8 (a leading byte-order mark dropped); otherwise each byte taken as a Windows-1252
// character.
std::string DataFileText(std::string_view bytes);

// The lines of a text, without their endings: CR LF, a bare LF (an edit on this system) or a
// bare CR (an old Mac editor) alike. The ending of the last line is optional; an ending closes
// its line and opens none.
std::vector<std::string> DataFileLines(std::string_view text);

// Longer than any line a teacher writes, and short enough that a sheet stays quick to lay out:
// breaking an unbroken word into printed lines takes time in the square of its length.
inline constexpr int kLongestTextLine = 2000; // characters

// The number (from 1) of the first line longer than kLongestTextLine characters.
std::optional<size_t> FirstTooLongLine(const std::vector<std::string>& lines);
// Says that line `line` of the file `name` (a "riddle file", a "word problems file") is too long.
std::string TooLongLineText(std::string_view kind, std::string_view name, size_t line);

// The lines of a data file, decoded; nullopt when it is missing or cannot be read.
std::optional<std::vector<std::string>> ReadDataFileLines(const std::filesystem::path& file);

} // namespace abacore
