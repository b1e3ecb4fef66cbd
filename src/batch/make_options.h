#pragma once
// make's options: one list, from which the parser, --help and the manual page are all made, so
// they cannot drift apart.

class QCommandLineParser;

namespace abacore {

// The text of `abacore-drill --help`.
const char* UsageText();
// The manual page abacore-drill(1) in roff, made from the same option list as --help.
const char* ManPageText();

// make's options (the common ones, then each activity's once), on `parser`.
void AddMakeOptions(QCommandLineParser& parser);

} // namespace abacore
