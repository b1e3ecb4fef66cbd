#pragma once
// The signs the wizard screens show for a skill. The documents get theirs from problem
// generation; these are only the screens' labels.

#include "shell/worksheet_request.h"

#include <string>

inline constexpr const char* DivisionSign = "\u00F7"; // ÷

// "+", "-", "x" or the division sign; the division sign also for anything else, which is
// what the screens show before a single skill replaces it.
std::string SignText(Skill skill);
