#pragma once
// One version of a class set: which of how many it is, and the pupil it is made for. A single
// sheet is no version at all (count 0) and carries no label.

#include <string>

namespace abacore {

// A class set holds at most this many versions (copies, or names of a class list).
inline constexpr int kMostVersions = 100;

struct SheetVersion {
    int number = 0;    // from 1
    int count = 0;     // 0: a single sheet, not part of a set
    std::string pupil; // UTF-8; empty when the set is numbered rather than named

    bool inSet() const { return count > 0; }
};

// "Version 2 of 30".
std::string VersionLabel(const SheetVersion& version);
// The label with the pupil's name in front when there is one: "Zoë – Version 2 of 30". It is
// what a key says, and a sheet without a Name line.
std::string PupilVersionLabel(const SheetVersion& version);
// The Name/Date line for the pupil: the blank after "Name" filled with the name; the line as it
// is when there is no pupil.
std::string NameLineFor(std::string_view nameDateLine, const SheetVersion& version);

} // namespace abacore
