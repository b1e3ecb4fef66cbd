#include "worksheet/data_file.h"

#include "core/code_pages.h"
#include "core/program_folder.h"
#include "core/utf8.h"

#include <fstream>
#include <iterator>
#include <system_error>

namespace abacore {

std::filesystem::path DataFilePath(const DataFolders& folders, std::string_view name) {
    return FindDataFile(folders, name)
        .value_or(folders.own / std::filesystem::path(std::string(name)));
}

std::string DataFileText(std::string_view bytes) {
    if (auto text = Utf16FileAsUtf8(bytes))
        return std::move(*text);
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (IsValidUtf8(bytes)) {
        if (bytes.starts_with(kByteOrderMark))
            bytes.remove_prefix(kByteOrderMark.size());
        return std::string(bytes);
    }
    std::string text;
    text.reserve(bytes.size() + bytes.size() / 4);
    char encoded[4];
    for (const char c : bytes)
        text.append(encoded, EncodeUtf8(encoded, Cp1252Character(static_cast<unsigned char>(c))));
    return text;
}

std::vector<std::string> DataFileLines(std::string_view text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos)
            end = text.size();
        lines.emplace_back(text.substr(start, end - start));
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

std::optional<size_t> FirstTooLongLine(const std::vector<std::string>& lines) {
    for (size_t i = 0; i < lines.size(); ++i)
        // A character takes at least one byte: most lines are ruled out without counting.
        if (lines[i].size() > static_cast<size_t>(kLongestTextLine) &&
            CharacterCount(lines[i]) > kLongestTextLine)
            return i + 1;
    return std::nullopt;
}

std::string TooLongLineText(std::string_view kind, std::string_view name, size_t line) {
    return "Line " + std::to_string(line) + " of the " + std::string(kind) + " \"" +
           std::string(name) + "\" is longer than " + std::to_string(kLongestTextLine) +
           " characters.";
}

std::optional<std::vector<std::string>> ReadDataFileLines(const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error))
        return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return std::nullopt;
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad())
        return std::nullopt;
    return DataFileLines(DataFileText(bytes));
}

} // namespace abacore
