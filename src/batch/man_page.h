#pragma once
// The manual page abacore-drill(1), written in roff from the option list that --help shows, so
// the two cannot drift apart. The build runs `abacore-drill --man` to make it.

#include "worksheet/activity_table.h"

#include <string>
#include <string_view>
#include <vector>

namespace abacore {

struct ManOption {
    std::string_view shortName; // without the dash; empty when there is none
    const BatchOption* option;
};

// A group of options under its own heading ("Options of make", "Only for make riddle").
struct ManOptionGroup {
    std::string heading;
    std::vector<ManOption> options;
};

// `activities`: the names make takes, comma-separated.
std::string ManPage(std::string_view activities, const std::vector<ManOptionGroup>& groups);

// Text as roff prints it literally: backslashes and dashes escaped, a line that would start
// with a control character ("." or "'") guarded, line breaks of the help joined into one
// paragraph.
std::string RoffText(std::string_view text);

} // namespace abacore
