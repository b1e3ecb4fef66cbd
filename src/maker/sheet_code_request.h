#pragma once
// What a sheet code holds, and the sheet it makes again. The code holds every choice that
// decides the problems and answers (activity, skills, remainders and negatives, layouts, ranges,
// count, large print, the squares' option, the choices that shape problems to a lesson), the
// version of a class set, short checksums of the data file or typed riddle the sheet was drawn
// from, and the seed in whatever bits remain (core/sheet_code.h). It does not hold the heading,
// a riddle the teacher typed or a pupil's name: those are given again.

#include "core/worksheet_request.h"
#include "document/sheet_version.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace abacore {

// The code's format, its first three bits: a later program reads this one or says it cannot.
inline constexpr int kSheetCodeFormat = 1;
// The fewest seed bits a code is made with. The seed only tells apart sheets of the same
// choices, so 65536 of them are plenty: a class set's version with lesson choices, ranges and
// a count of its own still gets one. Most sheets have 64 bits.
inline constexpr int kFewestSeedBits = 16;

// The seed versions are drawn from and the code of each. The data files a riddle or word
// problems sheet is drawn from are read once for them all.
struct SetCodes {
    uint64_t seed = 0;
    // One for each version; none when the seed is wider than the codes have room for, or the
    // request holds a value a code cannot (a range or count past what the wizard lets through).
    std::vector<std::string> codes;
    int seedBits = 0; // the room the codes have for the seed, at most 64
};
// The codes for `seed`, else for a fresh seed that fits them.
SetCodes CodesFor(const WorksheetRequest& request, std::span<const SheetVersion> versions,
                  std::optional<uint64_t> seed = std::nullopt);

// One sheet's: the room for its seed, and its code.
int SeedBitsFor(const WorksheetRequest& request, const SheetVersion& version);
std::optional<std::string> SheetCodeOf(const WorksheetRequest& request, const SheetVersion& version,
                                       uint64_t seed);

// The footer line of a sheet that shows its code.
std::string SheetCodeLine(std::string_view code);

// What the teacher gives again beside a code: nothing given means the default heading, the
// riddle of Riddles.dat the code names, and no pupil's name.
struct GivenAgain {
    std::optional<std::string> heading;
    std::optional<std::string> riddle, punchLine;
    std::string pupil;
};

// A sheet a code makes again: its request (the places and everything else as in `base`), its
// version in a class set (the pupil's name as given) and its seed.
struct CodedSheet {
    WorksheetRequest request;
    SheetVersion version;
    bool named = false; // the set was made from a class list
    uint64_t seed = 0;
};

enum class CodeRefusalKind {
    Mistyped,   // not a code: a character wrong, missing or extra
    Newer,      // a later program's format
    Changed,    // a data file or the typed riddle differs from the one it was made with
    NeedsRiddle // made with a riddle the teacher typed: give it again
};

struct CodeRefusal {
    CodeRefusalKind kind;
    std::string message; // the reason and what to do
};

std::variant<CodedSheet, CodeRefusal>
SheetFromCode(std::string_view code, const WorksheetRequest& base, const GivenAgain& given);

} // namespace abacore
