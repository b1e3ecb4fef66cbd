#include "worksheet/class_set.h"

namespace abacore {

std::optional<std::vector<WorksheetDocuments>> BuildVersions(const WorksheetRequest& request,
                                                             RandomSource& random,
                                                             std::span<const SheetVersion> versions,
                                                             const VersionProgress& progress) {
    std::vector<WorksheetDocuments> made;
    made.reserve(versions.size());
    for (const SheetVersion& version : versions) {
        WorksheetRequest own = request;
        made.push_back(BuildWorksheet(own, random, version));
        if (progress && !progress(static_cast<int>(made.size())))
            return std::nullopt;
    }
    return made;
}

WorksheetDocuments JoinVersions(const std::vector<WorksheetDocuments>& versions) {
    WorksheetDocuments joined;
    for (const WorksheetDocuments& version : versions) {
        joined.worksheet.AppendOnNewPage(version.worksheet);
        joined.answerKey.AppendOnNewPage(version.answerKey);
    }
    return joined;
}

std::string JoinTextPages(const std::vector<std::string>& pages) {
    std::string joined;
    for (size_t i = 0; i < pages.size(); ++i) {
        if (i > 0)
            joined += '\f';
        joined += pages[i];
    }
    return joined;
}

} // namespace abacore
