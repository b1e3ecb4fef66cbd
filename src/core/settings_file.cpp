#include "core/settings_file.h"

#include "core/atomic_file.h"
#include "core/worksheet_request.h"

namespace abacore {

namespace fs = std::filesystem;

namespace {

constexpr size_t kQuickWordIndex = 2;
constexpr size_t kMinimumLines = 3;

} // namespace

SettingsLines SplitSettingsLines(std::string_view bytes) {
    SettingsLines lines;
    size_t start = 0;
    while (start < bytes.size()) {
        const size_t lf = bytes.find('\n', start);
        if (lf == std::string_view::npos) {
            lines.push_back({std::string(bytes.substr(start)), {}});
            break;
        }
        const bool crlf = lf > start && bytes[lf - 1] == '\r';
        const size_t end = crlf ? lf - 1 : lf;
        lines.push_back({std::string(bytes.substr(start, end - start)), crlf ? "\r\n" : "\n"});
        start = lf + 1;
    }
    return lines;
}

std::string JoinSettingsLines(const SettingsLines& lines) {
    std::string bytes;
    for (const SettingsLine& line : lines)
        bytes.append(line.text).append(line.ending);
    return bytes;
}

const std::string& QuickWordLine(const SettingsLines& lines) {
    return lines.at(kQuickWordIndex).text;
}

void SetQuickWordLine(SettingsLines& lines, std::string_view text) {
    SettingsLine& line = lines.at(kQuickWordIndex);
    line.text = text;
    if (line.ending.empty())
        line.ending = "\r\n";
}

bool IsQuickWordOn(std::string_view line3) {
    return !line3.empty() && line3 != kQuickWordOffMarker && line3 != kFreshInstallMarker;
}

fs::path SettingsFilePath(const fs::path& folder) {
    return FindIgnoringCase(folder, kSettingsFileName, EntryKind::File)
        .value_or(folder / kSettingsFileName);
}

SettingsLines ReadSettingsFile(const fs::path& file) {
    std::error_code ec;
    if (!fs::is_regular_file(file, ec))
        throw ReadError("Cannot read " + file.string() + ": it is missing or not a file.");
    SettingsLines lines = SplitSettingsLines(ReadWholeFile(file));
    if (lines.size() < kMinimumLines)
        throw ReadError("Cannot read " + file.string() + ": it has fewer than three lines.");
    return lines;
}

void WriteSettingsFile(const fs::path& file, const SettingsLines& lines) {
    WriteFileAtomically(file, JoinSettingsLines(lines));
}

bool ApplyFirstRun(SettingsLines& lines) {
    if (lines.size() < kMinimumLines || QuickWordLine(lines) != kFreshInstallMarker)
        return false;
    SetQuickWordLine(lines, kQuickWordOffMarker);
    return true;
}

FirstRunResult RunFirstRunStep(const fs::path& file) {
    try {
        SettingsLines lines = ReadSettingsFile(file);
        if (!ApplyFirstRun(lines))
            return FirstRunResult::NothingToDo;
        WriteSettingsFile(file, lines);
        return FirstRunResult::Done;
    } catch (const Failure&) {
        return FirstRunResult::Failed;
    }
}

void ReadQuickWordSetting(const fs::path& file, WorksheetRequest& request) {
    const SettingsLines lines = ReadSettingsFile(file);
    const std::string& line3 = QuickWordLine(lines);
    request.QuickWordEnabled = IsQuickWordOn(line3);
    if (request.QuickWordEnabled)
        request.WordProcessorPath = line3;
}

std::string QuickWordLineToWrite(bool boxTicked, std::string_view rememberedPath) {
    return boxTicked ? std::string(rememberedPath) : std::string(kQuickWordOffMarker);
}

} // namespace abacore
