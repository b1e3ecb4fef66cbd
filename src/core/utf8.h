#pragma once
// Reading and writing UTF-8, the form of all text inside the program.
//
// Broken input: a byte that does not start a well-formed sequence (a stray continuation byte,
// a cut-off sequence, an overlong form, a surrogate, a value above U+10FFFF, or the bytes C0,
// C1, F5 to FF) reads as one U+FFFD, and reading goes on with the next byte. Qt reads text the
// same way, so a document shows the same characters on screen as in the files we write.

#include <optional>
#include <string>
#include <string_view>

namespace abacore {

inline constexpr char32_t kReplacementCharacter = U'\uFFFD';

// The code point that starts at text[at] (at < text.size()); moves `at` past its bytes.
char32_t NextCodePoint(std::string_view text, size_t& at);

// The same, but nothing for a byte that starts no well-formed sequence (read as U+FFFD above),
// so that a U+FFFD written in the text is told from a broken byte.
std::optional<char32_t> NextWellFormed(std::string_view text, size_t& at);

// The text with each byte that starts no well-formed sequence shown as \xNN, and then a note
// saying so: for a message that names a file whose name is not UTF-8 (any byte may be in a file
// name). A text that is UTF-8 throughout comes back as it is.
std::string WithBadBytesEscaped(std::string_view text);

// The number of characters (code points) of a UTF-8 text, counted as NextCodePoint reads them.
int CharacterCount(std::string_view utf8);

// Whether the bytes are well-formed UTF-8 throughout (no overlong forms, surrogates or values
// past U+10FFFF), as a text file must be to be read as UTF-8 rather than Windows-1252.
bool IsValidUtf8(std::string_view bytes);

// Writes the UTF-8 bytes of `c` (at most 4) at `out`; returns the end. `c` is a code point
// other than a surrogate.
char* EncodeUtf8(char* out, char32_t c);
void AppendUtf8(std::string& out, char32_t c);

// A text file saved as UTF-16 (what an editor may call "Unicode"), told by its byte-order mark
// (FF FE little-endian, FE FF big-endian), as UTF-8 without the mark; an unpaired surrogate or a
// last odd byte reads as U+FFFD. Nothing when the bytes do not start with such a mark.
std::optional<std::string> Utf16FileAsUtf8(std::string_view bytes);

// Whole texts, for code that works on characters (a crossword answer fills one cell each).
std::u32string DecodeUtf8(std::string_view utf8);
std::string EncodeUtf8(std::u32string_view text);

} // namespace abacore
