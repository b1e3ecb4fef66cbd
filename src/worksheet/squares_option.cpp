#include "worksheet/squares_option.h"

namespace abacore {

std::optional<std::string> ApplyFirstSquareFilled(WorksheetRequest& request, std::string_view) {
    request.FirstSquareFilled = true;
    return std::nullopt;
}

} // namespace abacore
