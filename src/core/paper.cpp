#include "core/paper.h"

#include "core/atomic_file.h"
#include "core/program_folder.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace abacore {

namespace {

constexpr const char* kPaperFileName = "paper.txt";

// The territories whose schools print on Letter; every other one uses A4.
constexpr std::array<std::string_view, 15> kLetterTerritories{
    "US", "CA", "MX", "PH", "CL", "CO", "VE", "PR", "GT", "CR", "PA", "SV", "NI", "DO", "BZ"};

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

// The first word of the text that is not in a comment ('#' to the line's end).
std::string FirstWord(std::string_view text) {
    std::istringstream lines{std::string(text)};
    std::string line;
    while (std::getline(lines, line)) {
        line = line.substr(0, line.find('#'));
        std::istringstream words(line);
        std::string word;
        if (words >> word)
            return word;
    }
    return {};
}

// The paper of a locale name (language_TERRITORY.codeset@modifier); nothing when it names no
// territory.
std::optional<Paper> LocalePaper(std::string_view locale) {
    const std::string_view name = locale.substr(0, locale.find_first_of(".@"));
    if (name == "C" || name == "POSIX")
        return Paper::Letter;
    const size_t underscore = name.find('_');
    if (underscore == std::string_view::npos)
        return std::nullopt;
    const std::string_view territory = name.substr(underscore + 1);
    return std::find(kLetterTerritories.begin(), kLetterTerritories.end(), territory) !=
                   kLetterTerritories.end()
               ? Paper::Letter
               : Paper::A4;
}

std::string Variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

} // namespace

std::optional<Paper> PaperNamed(std::string_view name) {
    const std::string lower = Lower(name);
    if (lower == "a4")
        return Paper::A4;
    if (lower == "letter")
        return Paper::Letter;
    return std::nullopt;
}

std::string_view PaperName(Paper paper) {
    return paper == Paper::A4 ? "a4" : "letter";
}

Paper SystemPaper(const PaperSources& sources) {
    if (const auto named = PaperNamed(sources.papersize))
        return *named;
    if (const auto named = PaperNamed(FirstWord(sources.papersizeFile)))
        return *named;
    // The first locale variable that is set decides, as the C library has it.
    for (const std::string* locale : {&sources.lcAll, &sources.lcPaper, &sources.lang})
        if (!locale->empty())
            return LocalePaper(*locale).value_or(Paper::Letter);
    return Paper::Letter;
}

PaperSources MachinePaperSources() {
    PaperSources sources{
        Variable("PAPERSIZE"), {}, Variable("LC_ALL"), Variable("LC_PAPER"), Variable("LANG")};
    std::ifstream file("/etc/papersize", std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    sources.papersizeFile = text.str();
    return sources;
}

std::optional<Paper> RememberedPaper(const std::filesystem::path& programFolder) {
    const auto file = FindIgnoringCase(programFolder, kPaperFileName, EntryKind::File);
    if (!file)
        return std::nullopt;
    std::ifstream in(*file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return PaperNamed(FirstWord(text.str()));
}

void RememberPaper(const std::filesystem::path& programFolder, Paper paper) {
    const auto file = FindIgnoringCase(programFolder, kPaperFileName, EntryKind::File);
    WriteFileAtomically(file.value_or(programFolder / kPaperFileName),
                        std::string(PaperName(paper)) + "\n");
}

} // namespace abacore
