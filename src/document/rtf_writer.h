#pragma once
// Rich Text Format for a Document: opens in word processors with every format of the model
// (font, size, bold, italic, underline, colour, alignment, tab stops), on the paper and with the
// margins it was laid out for.

#include "core/paper.h"
#include "document/document.h"

#include <ostream>
#include <string>

namespace abacore {

void WriteRtf(std::ostream& out, const Document& document, Paper paper);
std::string RtfText(const Document& document, Paper paper);

} // namespace abacore
