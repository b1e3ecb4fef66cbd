#pragma once
// The riddle file "Riddles.dat" of the program's data folders: a riddle and its punch line on
// alternating lines, no header and no comments. The riddle screen offers its riddles in file
// order.

#include "core/program_folder.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace abacore {

inline constexpr std::string_view kRiddleFileName = "Riddles.dat";

struct Riddle {
    std::string question;
    std::string punchLine;
    bool operator==(const Riddle&) const = default;
};

// The riddles in the file's bytes, in file order. Lines are taken whole, blank ones included;
// a last riddle without its punch line (an odd number of lines) is left out.
std::vector<Riddle> ParseRiddles(std::string_view bytes);

enum class RiddleFileStatus { Read, Missing, Unreadable, LineTooLong };

struct RiddleFile {
    RiddleFileStatus status = RiddleFileStatus::Missing;
    std::vector<Riddle> riddles; // empty unless read
    size_t tooLongLine = 0;      // with LineTooLong: the first such line, from 1
};

// Reads the riddle file of the data folders (a teacher's own copy first), whatever the letter
// case of its name. A file with a line longer than kLongestTextLine gives no riddles.
RiddleFile ReadRiddleFile(const DataFolders& folders);

// What the riddle screen tells the user once when it opens: nothing when the file gave at
// least one riddle. Typing an own riddle works either way.
std::optional<std::string> RiddleFileNotice(const RiddleFile& file);

} // namespace abacore
