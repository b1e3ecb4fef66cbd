#pragma once
// What an activity's check gathers before anything is written, handed on to its generator:
// the redraw limits every activity needs, and what some read from the program folder.

#include "worksheet/problem.h"
#include "worksheet/template_file.h"

namespace abacore {

struct PreparedSheet {
    DrawLimits limits;
    WordTemplates templates; // the word problems' stories; empty for the other activities
};

} // namespace abacore
