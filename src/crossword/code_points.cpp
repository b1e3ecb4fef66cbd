#include "crossword/code_points.h"

namespace abacore {

namespace {

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// Reads one code point at text[i] and moves i past it.
char32_t decodeNext(std::string_view text, size_t& i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    int extra = 0;
    char32_t code = lead;
    if (lead >= 0xF0 && lead < 0xF8) {
        extra = 3;
        code = lead & 0x07;
    } else if (lead >= 0xE0 && lead < 0xF0) {
        extra = 2;
        code = lead & 0x0F;
    } else if (lead >= 0xC0 && lead < 0xE0) {
        extra = 1;
        code = lead & 0x1F;
    }
    if (extra == 0 || i + static_cast<size_t>(extra) >= text.size()) {
        ++i;
        return lead;
    }
    for (int k = 1; k <= extra; ++k) {
        const auto byte = static_cast<unsigned char>(text[i + static_cast<size_t>(k)]);
        if (!isContinuation(byte)) {
            ++i;
            return lead;
        }
        code = (code << 6) | (byte & 0x3F);
    }
    i += static_cast<size_t>(extra) + 1;
    return code;
}

} // namespace

std::u32string CodePoints(std::string_view utf8) {
    std::u32string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();)
        out += decodeNext(utf8, i);
    return out;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::string Utf8(std::u32string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char32_t c : text)
        AppendUtf8(out, c);
    return out;
}

} // namespace abacore
