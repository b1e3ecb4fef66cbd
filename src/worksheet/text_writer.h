#pragma once
// Plain text: exactly the characters inserted into the document, in order, UTF-8.

#include "worksheet/document.h"

#include <string>

namespace abacore {

std::string PlainTextBytes(const Document& document);

} // namespace abacore
