#pragma once
// The layouts option of `make` for the activities that have the style screen, and the one
// refusal it shares with the style screen.

#include "worksheet/activity_table.h"

namespace abacore {

inline constexpr const char* kBracketAloneRefusal =
    "Brackets are fine for division, but you have also chosen other skills. Please choose an "
    "additional style.";

// The text refusing `style`, or nullopt when it is acceptable: the bracket alone does not suit
// mixed skills, since only division problems can be drawn in it.
std::optional<std::string> StyleRefusal(const WorksheetRequest& request, int16_t style);

// Reads "bracket,horizontal,vertical" (any of them, any order) into ProblemStyle with the
// style screen's checks; the message for a list it refuses. The skills must be chosen first.
std::optional<std::string> ApplyStyleOption(WorksheetRequest& request, std::string_view list);

inline constexpr BatchOption kStyleOption{"style", "LIST",
                                          "layouts, comma-separated: bracket,horizontal,vertical\n"
                                          "(default horizontal; bracket only with division);\n"
                                          "make skills also takes missing: a blank for one\n"
                                          "number, as in 7 + ____ = 15",
                                          "horizontal", &ApplyStyleOption};

} // namespace abacore
