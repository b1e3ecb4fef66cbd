#pragma once
// The option of `make squares` that the squares' difficulty screen asks: the top-left number
// of every square filled in.

#include "worksheet/activity_table.h"

namespace abacore {

std::optional<std::string> ApplyFirstSquareFilled(WorksheetRequest& request, std::string_view);

inline constexpr BatchOption kFirstSquareFilledOption{
    "first-square-filled",
    "",
    "print the top-left number of every square, to start the pupil off",
    {},
    &ApplyFirstSquareFilled};

} // namespace abacore
