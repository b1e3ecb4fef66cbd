#pragma once
// A worksheet as one web page a pupil fills in and checks in any browser, offline: the heading,
// a Name box, the directions, the picture, and every problem in order with boxes to answer in;
// "Check my answers" marks each and gives the score. Each version of a class set is a section of
// the page of its own, under its label.

#include "document/picture.h"
#include "worksheet/sheet_content.h"

#include <span>
#include <string>

namespace abacore {

struct WebVersion {
    std::string label;           // "Zoë – Version 2 of 30"; empty for a single sheet
    std::string pupil;           // put in the Name box; may be empty
    const SheetContent* content; // not null
    std::string code = {};       // the sheet code's line, under the score; empty for none
};

// The page, UTF-8. `picture` (may be null) is shown below each version's heading.
std::string WorksheetHtml(std::span<const WebVersion> versions, const Picture* picture);

} // namespace abacore
