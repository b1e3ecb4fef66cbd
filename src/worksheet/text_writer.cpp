#include "worksheet/text_writer.h"

std::string PlainTextBytes(const Document& document) {
    return document.plainText();
}
