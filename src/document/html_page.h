#pragma once
// What every web page we write shares: its frame (head, style, script), text made safe for it,
// pictures inline, and the hash under which each answer is kept. The page's script hashes what
// the pupil types the same way (FNV-1a, 32 bits, of the UTF-8 bytes), so no answer is written
// into the page as text. A 32-bit hash stops a pupil who looks at the page's source; it does
// not stop one who tries every number.

#include "document/picture.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace abacore {

// Whether a file name's extension (lower case, without the dot) names a web page.
inline bool IsWebPageExtension(std::string_view extension) {
    return extension == "html" || extension == "htm";
}

// A file name's extension in that form: what follows the name's last dot, ASCII letters in
// lower case ("" without a dot). The name's bytes are taken as they are.
std::string LowerCaseExtension(const std::filesystem::path& file);

// FNV-1a, 32 bits, of the bytes.
uint32_t Fnv1a(std::string_view bytes);

// The hash of one box's right entry, as eight lower-case hex digits, of
// "NUMBER|QUESTION|ROLE|ENTRY": the problem's number and its question as the page shows them
// (PageText), the box's role ("answer", "remainder", "letter", "across", "down") and the entry
// as the page's script tidies what was typed (no blanks; numbers without "+" or leading zeros;
// letters upper case).
std::string AnswerHash(int number, std::string_view question, std::string_view role,
                       std::string_view entry);

// Text as the page holds it: well-formed UTF-8 on one line. Broken bytes become U+FFFD, line
// breaks, tabs and other control characters a blank. The page's script reads the text back
// exactly so.
std::string PageText(std::string_view text);
// PageText with &, <, > and " written as character references, for text and attribute values.
std::string HtmlText(std::string_view text);
void AppendHtmlText(std::string& out, std::string_view text);

// <img> of the picture, inline as a data: URL, at the size it prints at (at most the page's
// width on narrow screens).
std::string PictureElement(const Picture& picture);

// The page up to the opening of <main>, with the title, the style and the viewport set for
// phones; and from the closing of </main> to the end, with the script that checks answers.
std::string PageStart(std::string_view title);
// The "Check my answers" button and the score it shows, at the foot of a sheet.
inline constexpr std::string_view kCheckControls =
    "<div class=\"actions\"><button type=\"button\" class=\"check\">Check my answers</button> "
    "<output class=\"score\" aria-live=\"polite\"></output></div>\n";
std::string PageEnd();

} // namespace abacore
