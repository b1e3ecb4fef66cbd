#pragma once
// A class set: one version of a worksheet for each copy or pupil, each drawn afresh from the same
// request, and all of them joined into one worksheet and one answer key, each version from a new
// page.

#include "worksheet/sheet_version.h"
#include "worksheet/worksheet_builder.h"

#include <functional>
#include <optional>
#include <span>
#include <vector>

namespace abacore {

// Told how many versions are made so far; returns false to stop.
using VersionProgress = std::function<bool(int made)>;

// Every version, in order, each from its own copy of `request` so that no version leaves
// anything behind for the next. Throws GenerationError (before anything is written) as
// BuildWorksheet does; nothing when `progress` said stop.
std::optional<std::vector<WorksheetDocuments>> BuildVersions(const WorksheetRequest& request,
                                                             RandomSource& random,
                                                             std::span<const SheetVersion> versions,
                                                             const VersionProgress& progress = {});

// The versions' worksheets one after the other, each from a new page, and their keys likewise.
WorksheetDocuments JoinVersions(const std::vector<WorksheetDocuments>& versions);

// Texts (a crossword's clue lists or key grids) one after the other, a form feed before each
// but the first, as the plain text of a joined document has them.
std::string JoinTextPages(const std::vector<std::string>& pages);

} // namespace abacore
