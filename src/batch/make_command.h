#pragma once

#include "core/program_places.h"

namespace abacore {

struct MakeJob;

// `abacore-drill make ACTIVITY [options]`: builds a worksheet without opening a window. It fills
// the same request record and runs the same rules and generators as the wizard: ParseMake reads
// the arguments into a job (make_parse.h), RunMakeJob makes and writes its files.

// Exit codes: 0 done, 1 a file could not be written, 2 a mistake in the request or options.
// `places` are the run's (the data files are read from them) unless --folder names a program
// folder.
int RunMakeCommand(int argc, char** argv, const ProgramPlaces& places);

// The job's pictures, sheets and files; what went wrong said on stderr. `argv`: the program's
// arguments, for the application a PDF is drawn in.
int RunMakeJob(const MakeJob& job, char** argv);

} // namespace abacore
