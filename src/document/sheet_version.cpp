#include "document/sheet_version.h"

#include <string_view>

namespace abacore {

std::string VersionLabel(const SheetVersion& version) {
    return "Version " + std::to_string(version.number) + " of " + std::to_string(version.count);
}

std::string PupilVersionLabel(const SheetVersion& version) {
    if (version.pupil.empty())
        return VersionLabel(version);
    return version.pupil + " \xE2\x80\x93 " + VersionLabel(version); // en dash
}

std::string NameLineFor(std::string_view nameDateLine, const SheetVersion& version) {
    std::string line(nameDateLine);
    if (version.pupil.empty())
        return line;
    // The name takes the place of the blank line after "Name", so "Date" keeps its blank.
    const size_t name = line.find("Name");
    if (name == std::string::npos)
        return line;
    const size_t blankStart = name + 4;
    const size_t blankEnd = line.find_first_not_of('_', blankStart);
    line.replace(blankStart, (blankEnd == std::string::npos ? line.size() : blankEnd) - blankStart,
                 ": " + version.pupil);
    return line;
}

} // namespace abacore
