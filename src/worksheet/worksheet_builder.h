#pragma once
// Builds both documents of a worksheet for the current request: heading, Name/Date line,
// directions, the activity's problems, then the answer key. Nothing is generated later.

#include "core/generation_error.h"
#include "core/worksheet_request.h"
#include "document/document.h"
#include "worksheet/sheet_content.h"

#include <string>

namespace abacore {

class RandomSource;
struct SheetVersion;

struct WorksheetDocuments {
    Document worksheet;
    Document answerKey;
    SheetContent content; // the problems as the pupil answers them, for the web page
};

// Throws GenerationError before writing anything when the ranges cannot make the problems.
// A version of a class set is labelled on the sheet and on its key (sheet_version.h).
WorksheetDocuments BuildWorksheet(WorksheetRequest& request, RandomSource& random);
WorksheetDocuments BuildWorksheet(WorksheetRequest& request, RandomSource& random,
                                  const SheetVersion& version);

} // namespace abacore
