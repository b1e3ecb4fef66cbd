#pragma once

#include "core/program_places.h"

#include <string>

namespace abacore {

// `abacore-drill make ACTIVITY [options]`: builds a worksheet without opening a window. It fills
// the same request record and runs the same rules and generators as the wizard.

// Exit codes: 0 done, 1 a file could not be written, 2 a mistake in the request or options.
// `places` are the run's (the data files are read from them) unless --folder names a program
// folder.
int RunMakeCommand(int argc, char** argv, const ProgramPlaces& places);

// The text of `abacore-drill --help`.
const char* UsageText();
// The manual page abacore-drill(1) in roff, made from the same option list as --help.
const char* ManPageText();

} // namespace abacore
