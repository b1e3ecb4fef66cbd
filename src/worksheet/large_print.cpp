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

int ColumnsThatFit(double points) {
    return static_cast<int>(
        std::floor(PageSetup::kTextWidthInches * kPointsPerInch / (kFixedPitchAdvanceEm * points)));
}

int ColumnsAt(double scale, int usual, double usualPoints) {
    if (scale <= 1)
        return usual;
    return std::min(usual, ColumnsThatFit(usualPoints * scale));
}

int ItemsInRow(int width, int start, int step, int need, int usual) {
    const int room = width - start - need;
    const int items = room < 0 ? 1 : 1 + room / step;
    return std::clamp(items, 1, usual);
}

} // namespace abacore
