#pragma once
// A class list: the names a class set is made for, one pupil a line, in UTF-8.

#include "document/sheet_version.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace abacore {

// The longest name a Name line holds, in characters.
inline constexpr int kLongestPupilName = 60;

struct ClassList {
    std::vector<std::string> names;
    // Why the list cannot be used (naming the line at fault), or nothing.
    std::optional<std::string> refusal;
};

// A class list's file is never longer than this: a hundred names of sixty characters each take
// a few kilobytes, blank lines and spaces round them included.
inline constexpr size_t kLongestClassListBytes = 64 * 1024;

// Reads the bytes of a class list: UTF-8, or UTF-16 with its byte-order mark; CR LF, LF or CR
// line ends; a leading byte-order mark, blanks round a name (no-break and other Unicode spaces
// too) and blank lines are left out. A line that is not UTF-8, holds a control character or is
// longer than kLongestPupilName is refused with its number, as is a list of no names or of more
// than kMostVersions.
ClassList ReadClassList(std::string_view bytes);

// Reads the class list of a file as ReadClassList does. A folder, a pipe or a device, and a file
// longer than kLongestClassListBytes, are refused without reading them to their end. Throws
// ReadError, naming the file and the reason, when it cannot be opened.
ClassList ReadClassListFile(const std::filesystem::path& file);

// The number of copies as typed, from 1 to kMostVersions; nothing for anything else.
std::optional<int> CopiesFromText(std::string_view text);
// Why a number of copies is refused.
std::string CopiesRefusal();

// One version for each of `copies`, or for each name, in order.
std::vector<SheetVersion> NumberedVersions(int copies);
std::vector<SheetVersion> NamedVersions(const std::vector<std::string>& names);

} // namespace abacore
