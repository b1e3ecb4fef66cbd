#include "document/html_page.h"

#include "core/utf8.h"
#include "document/html_page_assets.h"

#include <array>

namespace abacore {

namespace {

bool isBlankedOut(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

// Characters the HTML syntax does not allow in a page.
bool isNoncharacter(char32_t c) {
    return (c >= 0xFDD0 && c <= 0xFDEF) || (c & 0xFFFE) == 0xFFFE;
}

std::string base64(std::string_view bytes) {
    static constexpr std::string_view kDigits =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    size_t i = 0;
    for (; i + 3 <= bytes.size(); i += 3) {
        const uint32_t n = static_cast<uint32_t>(static_cast<unsigned char>(bytes[i])) << 16 |
                           static_cast<uint32_t>(static_cast<unsigned char>(bytes[i + 1])) << 8 |
                           static_cast<unsigned char>(bytes[i + 2]);
        for (int shift = 18; shift >= 0; shift -= 6)
            out += kDigits[(n >> shift) & 63];
    }
    const size_t rest = bytes.size() - i;
    if (rest > 0) {
        uint32_t n = static_cast<uint32_t>(static_cast<unsigned char>(bytes[i])) << 16;
        if (rest == 2)
            n |= static_cast<uint32_t>(static_cast<unsigned char>(bytes[i + 1])) << 8;
        out += kDigits[(n >> 18) & 63];
        out += kDigits[(n >> 12) & 63];
        out += rest == 2 ? kDigits[(n >> 6) & 63] : '=';
        out += '=';
    }
    return out;
}

} // namespace

std::string LowerCaseExtension(const std::filesystem::path& file) {
    const std::string name = file.filename().string();
    const size_t dot = name.rfind('.');
    std::string extension = dot == std::string::npos ? std::string() : name.substr(dot + 1);
    for (char& c : extension)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return extension;
}

uint32_t Fnv1a(std::string_view bytes) {
    uint32_t hash = 0x811c9dc5u;
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 0x01000193u;
    }
    return hash;
}

std::string AnswerHash(int number, std::string_view question, std::string_view role,
                       std::string_view entry) {
    std::string text = std::to_string(number);
    text.append("|").append(question).append("|").append(role).append("|").append(entry);
    const uint32_t hash = Fnv1a(text);
    std::string hex(8, '0');
    for (int k = 7; k >= 0; --k)
        hex[static_cast<size_t>(7 - k)] = "0123456789abcdef"[(hash >> (4 * k)) & 15];
    return hex;
}

std::string PageText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::array<char, 4> bytes{};
    for (size_t at = 0; at < text.size();) {
        char32_t c = NextCodePoint(text, at);
        if (isBlankedOut(c))
            c = U' ';
        else if (isNoncharacter(c))
            c = kReplacementCharacter;
        out.append(bytes.data(), EncodeUtf8(bytes.data(), c));
    }
    return out;
}

void AppendHtmlText(std::string& out, std::string_view text) {
    for (const char c : PageText(text)) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
}

std::string HtmlText(std::string_view text) {
    std::string out;
    AppendHtmlText(out, text);
    return out;
}

std::string PictureElement(const Picture& picture) {
    // 1440 twips to the inch, 96 CSS pixels to the inch.
    const int width = picture.widthTwips / 15;
    const int height = picture.heightTwips / 15;
    std::string out = "<img class=\"picture\" alt=\"\" width=\"" + std::to_string(width) +
                      "\" height=\"" + std::to_string(height) + "\" src=\"data:image/";
    out += picture.format == PictureFormat::Jpeg ? "jpeg" : "png";
    out += ";base64,";
    out += base64(picture.bytes);
    out += "\">\n";
    return out;
}

std::string PageStart(std::string_view title) {
    std::string out = "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
                      "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
                      "<title>";
    // A page must have a title, and a sheet may have no heading.
    const std::string shown = HtmlText(title);
    out += shown.find_first_not_of(' ') == std::string::npos ? "Worksheet" : shown;
    out += "</title>\n<style>\n";
    out += kPageStyle;
    out += "</style>\n</head>\n<body>\n<main>\n";
    return out;
}

std::string PageEnd() {
    std::string out = "</main>\n<script>\n";
    out += kPageScript;
    out += "</script>\n</body>\n</html>\n";
    return out;
}

} // namespace abacore
