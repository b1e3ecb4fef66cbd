#include "worksheet/class_list.h"

#include "core/atomic_file.h"
#include "core/utf8.h"
#include "worksheet/data_file.h"

#include <cerrno>
#include <charconv>
#include <fstream>

namespace abacore {

namespace {

// Spaces that print as nothing, the ones of other scripts and widths among them (no-break,
// ideographic, thin, zero-width): a line of nothing else is blank, not an invisible name.
bool IsBlank(char32_t c) {
    return c == U' ' || c == U'\t' || c == U'\u00A0' || c == U'\u1680' ||
           (c >= U'\u2000' && c <= U'\u200B') || c == U'\u2028' || c == U'\u2029' ||
           c == U'\u202F' || c == U'\u205F' || c == U'\u2060' || c == U'\u3000' || c == U'\uFEFF';
}

std::string_view Trimmed(std::string_view utf8) {
    size_t first = 0;
    for (size_t at = 0; at < utf8.size() && IsBlank(NextCodePoint(utf8, at));)
        first = at;
    size_t end = first;
    for (size_t at = first; at < utf8.size();)
        if (!IsBlank(NextCodePoint(utf8, at)))
            end = at;
    return utf8.substr(first, end - first);
}

// C0 controls (the tab among them: a name holds no columns), DEL and the C1 controls, which
// would move a printer or a terminal rather than print.
bool HoldsControl(std::string_view utf8) {
    for (size_t at = 0; at < utf8.size();) {
        const char32_t c = NextCodePoint(utf8, at);
        if (c < 0x20 || (c >= 0x7F && c <= 0x9F))
            return true;
    }
    return false;
}

std::string LineFault(size_t line, std::string_view fault) {
    return "Line " + std::to_string(line) + " of the class list " + std::string(fault);
}

// Why a file cannot be a class list, as a class list's refusal.
ClassList Refused(std::string why) {
    return {{}, std::move(why) + " A class list is a text file with one name a line."};
}

} // namespace

ClassList ReadClassList(std::string_view bytes) {
    ClassList list;
    const std::optional<std::string> utf16 = Utf16FileAsUtf8(bytes);
    std::string_view text = utf16 ? std::string_view(*utf16) : bytes;
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    const std::vector<std::string> lines = DataFileLines(text);
    for (size_t lineNumber = 1; lineNumber <= lines.size(); ++lineNumber) {
        const std::string_view line = lines[lineNumber - 1];
        if (!IsValidUtf8(line)) {
            list.refusal = LineFault(lineNumber, "is not UTF-8 text: save the list as UTF-8.");
            return list;
        }
        const std::string_view name = Trimmed(line);
        if (name.empty())
            continue;
        if (HoldsControl(name)) {
            list.refusal = LineFault(lineNumber, "holds a control character.");
            return list;
        }
        if (CharacterCount(name) > kLongestPupilName) {
            list.refusal = LineFault(
                lineNumber, "is longer than " + std::to_string(kLongestPupilName) + " characters.");
            return list;
        }
        if (list.names.size() == kMostVersions) {
            list.refusal =
                LineFault(lineNumber, "is one name too many: a class set holds at most " +
                                          std::to_string(kMostVersions) + " names.");
            return list;
        }
        list.names.emplace_back(name);
    }
    if (list.names.empty())
        list.refusal = "The class list holds no names.";
    return list;
}

ClassList ReadClassListFile(const std::filesystem::path& file) {
    std::error_code error;
    const auto status = std::filesystem::status(file, error);
    if (std::filesystem::is_directory(status))
        return Refused("It is a folder.");
    // A pipe or a device could keep a read waiting for ever, or never end.
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status))
        return Refused("It is not an ordinary file.");
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw ReadError("Cannot read " + file.string() + ": " + ReasonInWords(errno) + ".");
    // Read one byte past the limit to tell a long file, whatever size it claims.
    std::string bytes(kLongestClassListBytes + 1, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.bad())
        throw ReadError("Cannot read " + file.string() + ".");
    bytes.resize(static_cast<size_t>(in.gcount()));
    if (bytes.size() > kLongestClassListBytes)
        return Refused("The file is too long for a class list, which holds at most " +
                       std::to_string(kMostVersions) + " names of at most " +
                       std::to_string(kLongestPupilName) + " characters.");
    return ReadClassList(bytes);
}

std::optional<int> CopiesFromText(std::string_view text) {
    text = Trimmed(text);
    int copies = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), copies);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || copies < 1 ||
        copies > kMostVersions)
        return std::nullopt;
    return copies;
}

std::string CopiesRefusal() {
    return "The number of copies must be a whole number from 1 to " +
           std::to_string(kMostVersions) + ".";
}

std::vector<SheetVersion> NumberedVersions(int copies) {
    std::vector<SheetVersion> versions;
    for (int i = 1; i <= copies; ++i)
        versions.push_back({i, copies, {}});
    return versions;
}

std::vector<SheetVersion> NamedVersions(const std::vector<std::string>& names) {
    std::vector<SheetVersion> versions;
    const int count = static_cast<int>(names.size());
    for (int i = 0; i < count; ++i)
        versions.push_back({i + 1, count, names[static_cast<size_t>(i)]});
    return versions;
}

} // namespace abacore
