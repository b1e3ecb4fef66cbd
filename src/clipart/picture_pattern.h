#pragma once
// Which files the picture window offers: every type of picture the program can read, all of them
// at once or one type at a time, and how a file name is matched against a type's pattern.

#include "core/worksheet_request.h"

#include <string>
#include <string_view>
#include <vector>

namespace abacore {

struct PictureType {
    std::string name;    // "All pictures", "JPEG"
    std::string pattern; // "*.jpeg;*.jpg"

    // What the type list shows, the filter with it: "JPEG (*.jpeg;*.jpg)".
    std::string label() const { return name + " (" + pattern + ")"; }
    bool operator==(const PictureType&) const = default;
};

// The type list for the picture formats that can be read, named by their file extensions in
// lower case ("png", "jpg", "jpeg", ...): all pictures first, then each type in name order, the
// spellings of one type (jpg and jpeg) together. Without formats, the list is empty.
std::vector<PictureType> PictureTypes(std::vector<std::string> formats);

// Whether `fileName` matches one of the ';'-separated wildcards of `pattern` ('*' any run of
// characters, '?' one character). Letter case is ignored: a camera's "PHOTO.BMP" is a bitmap too.
bool MatchesPattern(std::string_view fileName, std::string_view pattern);

} // namespace abacore
