#include "worksheet/large_print.h"

#include "document/page_setup.h"
#include "worksheet/activity_table.h"

#include <algorithm>
#include <cmath>

namespace abacore {

namespace {

// Liberation Mono advances 0.600 em, DejaVu Sans Mono 0.602 em.
constexpr double kFixedPitchAdvanceEm = 0.602;
constexpr double kPointsPerInch = 72;

} // namespace

std::string_view NoLargePrintReason(Activity activity) {
    return RowOf(activity).noLargePrint;
}

double TypeScale(const WorksheetRequest& request) {
    return request.LargePrint && NoLargePrintReason(request.ActivityType).empty() ? kLargePrintScale
                                                                                  : 1.0;
}

int ColumnsThatFit(double points, Paper paper) {
    return static_cast<int>(std::floor(PageSetup::PageOf(paper).textWidthInches() * kPointsPerInch /
                                       (kFixedPitchAdvanceEm * points)));
}

int ColumnsAt(double scale, Paper paper, int usual, double usualPoints) {
    // The usual layouts are made for a line of Letter's width, trailing blanks and all.
    const int fit = ColumnsThatFit(usualPoints * scale, paper);
    if (fit >= ColumnsThatFit(usualPoints, Paper::Letter))
        return usual;
    return std::min(usual, fit);
}

int ItemsInRow(int width, int start, int step, int need, int usual) {
    const int room = width - start - need;
    const int items = room < 0 ? 1 : 1 + room / step;
    return std::clamp(items, 1, usual);
}

} // namespace abacore
