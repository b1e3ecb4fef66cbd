#pragma once
// Builds both documents of a worksheet for the current request: heading, Name/Date line,
// directions, the activity's problems, then the answer key. Nothing is generated later.

#include "shell/worksheet_request.h"
#include "worksheet/document.h"

#include <stdexcept>
#include <string>

class RandomSource;

// The ranges cannot (or practically cannot) make the requested problems. what() is the
// message for the user: it names the skill and what to change.
class GenerationError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct WorksheetDocuments {
    Document worksheet;
    Document answerKey;
};

// Throws GenerationError before writing anything when the ranges cannot make the problems.
WorksheetDocuments BuildWorksheet(WorksheetRequest& request, RandomSource& random);

// Whether the activity's generator is part of this version.
bool HasGenerator(Activity activity);
