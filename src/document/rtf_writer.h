#pragma once
// Rich Text Format for a Document: opens in word processors with every format of the model
// (font, size, bold, italic, underline, colour, alignment, tab stops).

#include "document/document.h"

#include <ostream>
#include <string>

namespace abacore {

void WriteRtf(std::ostream& out, const Document& document);
std::string RtfText(const Document& document);

} // namespace abacore
