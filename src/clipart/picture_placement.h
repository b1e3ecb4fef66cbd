#pragma once
// Where the make command puts a picture in a finished worksheet.

#include "document/document.h"

#include <memory>

namespace abacore {

// Puts the picture in a centred paragraph of its own right below the heading (the first
// paragraph), so it heads the worksheet without moving the heading.
void PlacePictureBelowHeading(Document& worksheet, std::shared_ptr<const Picture> picture);

} // namespace abacore
