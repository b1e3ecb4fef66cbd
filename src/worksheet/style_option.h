#pragma once
// The layouts option of `make` for the activities that have the style screen.

#include "worksheet/activity_table.h"

namespace abacore {

// Reads "bracket,horizontal,vertical" (any of them, any order) into ProblemStyle with the
// style screen's checks; the message for a list it refuses. The skills must be chosen first.
std::optional<std::string> ApplyStyleOption(WorksheetRequest& request, std::string_view list);

inline constexpr BatchOption kStyleOption{"style", "LIST",
                                          "layouts, comma-separated: bracket,horizontal,vertical\n"
                                          "(default horizontal; bracket only with division)",
                                          "horizontal", &ApplyStyleOption};

} // namespace abacore
