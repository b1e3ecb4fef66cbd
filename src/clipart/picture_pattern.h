#pragma once
// Which files the picture window offers. Its opener decides: the worksheet window takes bitmaps,
// the crossword window the picture types a background can be made of.

#include "core/worksheet_request.h"

#include <string_view>

namespace abacore {

enum class PictureOpener { Worksheet, Crossword };

// The opener that set the request's ClipArtForWorksheet before opening the window.
inline PictureOpener OpenerOf(const WorksheetRequest& request) {
    return request.ClipArtForWorksheet ? PictureOpener::Worksheet : PictureOpener::Crossword;
}

// The file-name pattern of the file list: wildcards separated by ';'.
std::string_view PicturePattern(PictureOpener opener);

// Whether `fileName` matches one of the ';'-separated wildcards of `pattern` ('*' any run of
// characters, '?' one character). Letter case is ignored: a camera's "PHOTO.BMP" is a bitmap too.
bool MatchesPattern(std::string_view fileName, std::string_view pattern);

} // namespace abacore
