#include "worksheet/class_set.h"

#include "worksheet/generation_error.h"

#include <string>

namespace abacore {

std::optional<std::vector<WorksheetDocuments>> BuildVersions(const WorksheetRequest& request,
                                                             RandomSource& random,
                                                             std::span<const SheetVersion> versions,
                                                             const VersionProgress& progress) {
    const long long problems =
        static_cast<long long>(request.ProblemCount) * static_cast<long long>(versions.size());
    if (problems > kMostProblemsInASet)
        throw GenerationError("A class set of " + std::to_string(versions.size()) +
                              " versions with " + std::to_string(request.ProblemCount) +
                              " problems each would hold " + std::to_string(problems) +
                              " problems; a class set holds at most " +
                              std::to_string(kMostProblemsInASet) +
                              ". Make fewer versions, or fewer problems on each.");
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
