#pragma once

#include <string>

namespace abacore {

// `abacore-drill make ACTIVITY [options]`: builds a worksheet without opening a window. It fills
// the same request record and runs the same rules and generators as the wizard.

// Exit codes: 0 done, 1 a file could not be written, 2 a mistake in the request or options.
// `programFolder` is the program folder unless --folder names another.
int RunMakeCommand(int argc, char** argv, const std::string& programFolder);

// The text of `abacore-drill --help`.
const char* UsageText();

} // namespace abacore
