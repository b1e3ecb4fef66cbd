#include "worksheet/text_writer.h"

namespace abacore {

std::string PlainTextBytes(const Document& document) {
    return document.plainText();
}

} // namespace abacore
