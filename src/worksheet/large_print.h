#pragma once
// Large print, for pupils with low vision: the worksheet and its key in type one and a half
// times the usual size. Proportional text wraps by itself; the fixed-pitch layouts take no more
// columns than a line of the larger type holds, and put fewer problems side by side.

#include "core/worksheet_request.h"

#include <string_view>

namespace abacore {

inline constexpr double kLargePrintScale = 1.5;

// Why the activity cannot be made in large print; empty when it can.
std::string_view NoLargePrintReason(Activity activity);

// The factor for every type size of the request's sheet: kLargePrintScale when it asks for large
// print and its activity has it, otherwise 1 (a request keeps the choice of an earlier sheet).
double TypeScale(const WorksheetRequest& request);

// Cells of fixed-pitch type of this size that one line of the paper's page holds. The advance is
// that of the wider of the fixed-pitch fonts that stand in for the documents' ("Courier New" and
// "Terminal"), so a full line fits in either.
int ColumnsThatFit(double points, Paper paper);

// The columns of a layout made `usual` columns wide in `usualPoints` type for a Letter page, at
// `scale` times that size on `paper`: `usual` where the line is as long as that, else no more
// than the line holds (larger type, narrower paper).
int ColumnsAt(double scale, Paper paper, int usual, double usualPoints);

// How many items go side by side in a row `width` columns wide: the first starts after column
// `start`, each `step` columns after the one before, and the last needs `need` columns. Never
// fewer than one nor more than `usual`.
int ItemsInRow(int width, int start, int step, int need, int usual);

} // namespace abacore
