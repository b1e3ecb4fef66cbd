#include "core/utf8.h"

#include <cstdio>

namespace abacore {

char32_t NextCodePoint(std::string_view text, size_t& at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80) {
        ++at;
        return lead;
    }
    // The lead byte gives the length; the range of the second byte rules out overlong forms,
    // surrogates and values above U+10FFFF.
    size_t extra = 0;
    char32_t code = 0;
    unsigned char secondLow = 0x80, secondHigh = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        extra = 1;
        code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        extra = 2;
        code = lead & 0x0F;
        if (lead == 0xE0)
            secondLow = 0xA0;
        else if (lead == 0xED)
            secondHigh = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        extra = 3;
        code = lead & 0x07;
        if (lead == 0xF0)
            secondLow = 0x90;
        else if (lead == 0xF4)
            secondHigh = 0x8F;
    } else {
        ++at;
        return kReplacementCharacter;
    }
    if (text.size() - at <= extra) {
        ++at;
        return kReplacementCharacter;
    }
    for (size_t k = 1; k <= extra; ++k) {
        const auto byte = static_cast<unsigned char>(text[at + k]);
        const unsigned char low = k == 1 ? secondLow : 0x80;
        const unsigned char high = k == 1 ? secondHigh : 0xBF;
        if (byte < low || byte > high) {
            ++at;
            return kReplacementCharacter;
        }
        code = (code << 6) | (byte & 0x3F);
    }
    at += extra + 1;
    return code;
}

std::optional<char32_t> NextWellFormed(std::string_view text, size_t& at) {
    const size_t start = at;
    const char32_t c = NextCodePoint(text, at);
    if (c == kReplacementCharacter && at - start == 1)
        return std::nullopt; // U+FFFD itself takes three bytes
    return c;
}

std::string WithBadBytesEscaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t at = 0; at < text.size();) {
        const size_t start = at;
        if (NextWellFormed(text, at)) {
            out.append(text.substr(start, at - start));
        } else {
            char code[5];
            std::snprintf(code, sizeof code, "\\x%02X", static_cast<unsigned char>(text[start]));
            out += code;
        }
    }
    if (out.size() != text.size())
        out += " (Bytes that are not UTF-8 are shown as \\xNN.)";
    return out;
}

int CharacterCount(std::string_view utf8) {
    int count = 0;
    for (size_t at = 0; at < utf8.size(); ++count)
        NextCodePoint(utf8, at);
    return count;
}

char* EncodeUtf8(char* out, char32_t c) {
    if (c < 0x80) {
        *out++ = static_cast<char>(c);
    } else if (c < 0x800) {
        *out++ = static_cast<char>(0xC0 | (c >> 6));
        *out++ = static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        *out++ = static_cast<char>(0xE0 | (c >> 12));
        *out++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        *out++ = static_cast<char>(0x80 | (c & 0x3F));
    } else {
        *out++ = static_cast<char>(0xF0 | (c >> 18));
        *out++ = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        *out++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        *out++ = static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

void AppendUtf8(std::string& out, char32_t c) {
    char bytes[4];
    out.append(bytes, EncodeUtf8(bytes, c));
}

std::u32string DecodeUtf8(std::string_view utf8) {
    std::u32string out;
    for (size_t at = 0; at < utf8.size();)
        out += NextCodePoint(utf8, at);
    return out;
}

std::string EncodeUtf8(std::u32string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char32_t c : text)
        AppendUtf8(out, c);
    return out;
}

std::optional<std::string> Utf16FileAsUtf8(std::string_view bytes) {
    const bool little = bytes.starts_with("\xFF\xFE");
    if (!little && !bytes.starts_with("\xFE\xFF"))
        return std::nullopt;
    const auto unitAt = [bytes, little](size_t at) {
        const auto first = static_cast<unsigned char>(bytes[at]);
        const auto second = static_cast<unsigned char>(bytes[at + 1]);
        return static_cast<char32_t>(little ? first | second << 8 : first << 8 | second);
    };
    std::string out;
    out.reserve(bytes.size());
    size_t at = 2;
    for (; at + 1 < bytes.size(); at += 2) {
        char32_t c = unitAt(at);
        if (c >= 0xD800 && c <= 0xDBFF && at + 3 < bytes.size()) {
            const char32_t low = unitAt(at + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
                at += 2;
            }
        }
        AppendUtf8(out, c >= 0xD800 && c <= 0xDFFF ? kReplacementCharacter : c);
    }
    if (at < bytes.size())
        AppendUtf8(out, kReplacementCharacter);
    return out;
}

bool IsValidUtf8(std::string_view bytes) {
    size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i++]);
        if (lead < 0x80)
            continue;
        int extra = 0;
        char32_t c = 0;
        if (lead >= 0xC2 && lead <= 0xDF) {
            extra = 1;
            c = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            extra = 2;
            c = lead & 0x0F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            extra = 3;
            c = lead & 0x07;
        } else {
            return false;
        }
        for (int k = 0; k < extra; ++k, ++i) {
            if (i >= bytes.size() || (static_cast<unsigned char>(bytes[i]) & 0xC0) != 0x80)
                return false;
            c = (c << 6) | (static_cast<unsigned char>(bytes[i]) & 0x3F);
        }
        const bool overlong = (extra == 2 && c < 0x800) || (extra == 3 && c < 0x10000);
        if (overlong || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            return false;
    }
    return true;
}

} // namespace abacore
