#pragma once
// The riddle options of `make riddle`: a riddle and its punch line typed on the command line,
// or, when both are left out, the first riddle of the riddle file, as the riddle screen first
// shows it. What is typed is checked as on the screen: only its length.

#include "worksheet/activity_table.h"

namespace abacore {

std::optional<std::string> ApplyRiddleOption(WorksheetRequest& request, std::string_view text);
std::optional<std::string> ApplyPunchLineOption(WorksheetRequest& request, std::string_view text);
// Takes the first riddle of the program folder's riddle file; the riddle screen's notice when
// the file gives none.
std::optional<std::string> ApplyFirstRiddle(WorksheetRequest& request);

inline constexpr BatchOption kRiddleOption{"riddle",
                                           "TEXT",
                                           "the riddle (default: the first riddle of Riddles.dat)",
                                           {},
                                           &ApplyRiddleOption,
                                           &ApplyFirstRiddle,
                                           "punchline"};
inline constexpr BatchOption kPunchLineOption{
    "punchline",
    "TEXT",
    "its punch line: one problem for each different letter",
    {},
    &ApplyPunchLineOption,
    nullptr,
    "riddle"};

} // namespace abacore
