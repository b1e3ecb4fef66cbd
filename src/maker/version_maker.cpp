#include "maker/version_maker.h"

#include "core/generation_error.h"
#include "crossword/crossword_problems.h"
#include "crossword/grid_builder.h"
#include "worksheet/activity_table.h"

namespace abacore {

namespace {

// The crossword as its builder window opens it: the problem set, then the grid. The two steps
// fail differently: the problems for the ranges, the grid when the builder gives up.
std::variant<CrosswordPage, MakeFailure> MakeOneCrossword(WorksheetRequest& request,
                                                          RandomSource& random) {
    const ProblemRules& rules = RowOf(request.ActivityType).problemRules;
    DrawLimits limits;
    try {
        limits = MakeCrosswordProblems(request, rules, random);
    } catch (const GenerationError& e) {
        return MakeFailure{MakeFailureKind::Ranges, e.what()};
    }
    try {
        return MakeCrosswordPage(BuildGrid(request, rules, random, limits), request);
    } catch (const GenerationError& e) {
        return MakeFailure{MakeFailureKind::GaveUp, e.what()};
    }
}

std::variant<WorksheetDocuments, MakeFailure>
MakeOneWorksheet(WorksheetRequest& request, RandomSource& random, const SheetVersion& version) {
    try {
        return BuildWorksheet(request, random, version);
    } catch (const DataFileError& e) {
        return MakeFailure{MakeFailureKind::DataFile, e.what()};
    } catch (const GenerationError& e) {
        return MakeFailure{MakeFailureKind::Ranges, e.what()};
    }
}

} // namespace

MakeOutcome MakeVersions(WorksheetRequest& request, RandomSource& random,
                         std::span<const SheetVersion> versions, const VersionProgress& progress) {
    const bool crossword = RowOf(request.ActivityType).output == Output::Crossword;
    const long long problems =
        static_cast<long long>(request.ProblemCount) * static_cast<long long>(versions.size());
    if (problems > kMostProblemsInASet)
        return MakeFailure{MakeFailureKind::TooLarge,
                           "A class set of " + std::to_string(versions.size()) + " versions with " +
                               std::to_string(request.ProblemCount) + " problems each would hold " +
                               std::to_string(problems) + " problems; a class set holds at most " +
                               std::to_string(kMostProblemsInASet) +
                               ". Make fewer versions, or fewer problems on each."};
    const bool single = versions.size() == 1 && !versions.front().inSet();
    MadeVersions made;
    made.sheets.reserve(crossword ? 0 : versions.size());
    made.puzzles.reserve(crossword ? versions.size() : 0);
    for (const SheetVersion& version : versions) {
        WorksheetRequest copy;
        if (!single)
            copy = request;
        WorksheetRequest& own = single ? request : copy;
        if (crossword) {
            auto page = MakeOneCrossword(own, random);
            if (auto* failure = std::get_if<MakeFailure>(&page))
                return std::move(*failure);
            made.puzzles.push_back(std::move(std::get<CrosswordPage>(page)));
            made.puzzles.back().version = version;
        } else {
            auto sheet = MakeOneWorksheet(own, random, version);
            if (auto* failure = std::get_if<MakeFailure>(&sheet))
                return std::move(*failure);
            made.sheets.push_back(std::move(std::get<WorksheetDocuments>(sheet)));
        }
        const auto count = static_cast<int>(crossword ? made.puzzles.size() : made.sheets.size());
        if (progress && !progress(count))
            return MakeFailure{MakeFailureKind::Cancelled, {}};
    }
    return made;
}

MakeOutcome MakeVersionAgain(WorksheetRequest& request, RandomSource& random,
                             const SheetVersion& version) {
    if (!version.inSet())
        return MakeVersions(request, random);
    std::vector<SheetVersion> upTo;
    for (int k = 1; k <= version.number; ++k)
        upTo.push_back({k, version.count, k == version.number ? version.pupil : std::string()});
    MakeOutcome outcome = MakeVersions(request, random, upTo);
    if (auto* made = std::get_if<MadeVersions>(&outcome)) {
        if (!made->sheets.empty())
            made->sheets.erase(made->sheets.begin(), made->sheets.end() - 1);
        if (!made->puzzles.empty())
            made->puzzles.erase(made->puzzles.begin(), made->puzzles.end() - 1);
    }
    return outcome;
}

SetCodes CodeLinesFor(const WorksheetRequest& request, std::span<const SheetVersion> versions,
                      std::optional<uint64_t> seed) {
    SetCodes out = CodesFor(request, versions, seed);
    if (request.NoSheetCode)
        out.codes.clear();
    for (std::string& code : out.codes)
        code = SheetCodeLine(code);
    return out;
}

void ShowSheetCodes(MadeVersions& made, const std::vector<std::string>& lines) {
    for (size_t k = 0; k < lines.size(); ++k) {
        if (k < made.sheets.size()) {
            made.sheets[k].worksheet.setFooter(lines[k]);
            made.sheets[k].answerKey.setFooter(lines[k]);
        }
        if (k < made.puzzles.size())
            made.puzzles[k].code = lines[k];
    }
}

MakeOutcome MakeCodedSheet(WorksheetRequest& request, RandomSource& random,
                           std::optional<uint64_t> seed, const SheetVersion& version) {
    // The code is of the request as it stands before the sheet is drawn on it.
    const SetCodes codes = CodeLinesFor(request, {&version, 1}, seed);
    random = RandomSource(codes.seed);
    MakeOutcome outcome = MakeVersionAgain(request, random, version);
    if (auto* made = std::get_if<MadeVersions>(&outcome))
        ShowSheetCodes(*made, codes.codes);
    return outcome;
}

} // namespace abacore
