#pragma once
// Plain text: the characters inserted into the document, in order, UTF-8, paragraphs ended by
// LF and a form feed before each new page; control characters in the text itself (but the tab)
// are left out, as the other writers leave them out.

#include "document/document.h"

#include <string>

namespace abacore {

std::string PlainTextBytes(const Document& document);

} // namespace abacore
