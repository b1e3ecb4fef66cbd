#include "worksheet/class_list.h"

#include "worksheet/utf8.h"

#include <charconv>

namespace abacore {

namespace {

std::string_view Trimmed(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
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

} // namespace

ClassList ReadClassList(std::string_view bytes) {
    ClassList list;
    if (bytes.starts_with("\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    size_t lineNumber = 0;
    for (size_t start = 0; start < bytes.size();) {
        size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos)
            end = bytes.size();
        std::string_view line = bytes.substr(start, end - start);
        start = end + 1;
        ++lineNumber;
        if (line.ends_with('\r'))
            line.remove_suffix(1);
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
