#pragma once
// The paper the sheets are made for: A4 or US Letter. The teacher's own choice wins; without
// one, the system's: $PAPERSIZE, then the system-wide paper file (/etc/papersize, whose first
// word names the paper), then the territory of the locale's paper category, then Letter.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace abacore {

enum class Paper : int8_t { Letter, A4 };

// "a4" or "letter", in any letter case; nothing for any other name.
std::optional<Paper> PaperNamed(std::string_view name);
// "a4" or "letter".
std::string_view PaperName(Paper paper);

// What the system says about paper; an unset or empty value says nothing.
struct PaperSources {
    std::string papersize;     // $PAPERSIZE
    std::string papersizeFile; // the text of /etc/papersize
    std::string lcAll;         // $LC_ALL, which overrides $LC_PAPER,
    std::string lcPaper;       // which overrides
    std::string lang;          // $LANG
};

// The system's paper by the rule above. A name other than A4 or Letter says nothing, so the
// next source decides.
Paper SystemPaper(const PaperSources& sources);
// This process's environment and this machine's paper file.
PaperSources MachinePaperSources();

// The teacher's choice, remembered in the program folder (which is the teacher's own for an
// installed copy); nothing when none was made or the file names no paper.
std::optional<Paper> RememberedPaper(const std::filesystem::path& programFolder);
// Throws WriteError.
void RememberPaper(const std::filesystem::path& programFolder, Paper paper);

} // namespace abacore
