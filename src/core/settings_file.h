#pragma once
// The settings file "kvtdata.dat": text lines ended by CR LF, at least three of them. Line 3
// holds the QuickWord setting; the other lines are reserved and carried through byte for byte.
// The file is handled as bytes. A line ended by a bare LF (the file was edited on this system)
// is read as a line too and keeps its ending, as does a last line without any ending.

#include "core/failure.h"
#include "core/program_folder.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace abacore {

struct WorksheetRequest;

inline constexpr std::string_view kFreshInstallMarker = "+++++";
inline constexpr std::string_view kQuickWordOffMarker = "*****";

struct SettingsLine {
    std::string text;   // the line's bytes without its ending
    std::string ending; // "\r\n", "\n", or empty for a last line without one
    bool operator==(const SettingsLine&) const = default;
};
using SettingsLines = std::vector<SettingsLine>;

SettingsLines SplitSettingsLines(std::string_view bytes);
std::string JoinSettingsLines(const SettingsLines& lines);

// Line 3 of a file that has one.
const std::string& QuickWordLine(const SettingsLines& lines);
// Replaces line 3 and leaves every other line alone. A line 3 that had no ending gets CR LF,
// the file's own line ending.
void SetQuickWordLine(SettingsLines& lines, std::string_view text);

// Whether line 3 names a word processor: anything but the off marker, the fresh-install marker
// or nothing at all.
bool IsQuickWordOn(std::string_view line3);

// The settings file of a folder, whatever the letter case of its name; the usual name if none.
std::filesystem::path SettingsFilePath(const std::filesystem::path& folder);

// The lines of the file. Throws ReadError when it is missing, unreadable or shorter than three
// lines.
SettingsLines ReadSettingsFile(const std::filesystem::path& file);
// Rewrites the whole file atomically. Throws WriteError.
void WriteSettingsFile(const std::filesystem::path& file, const SettingsLines& lines);

// The first start after installation turns line 3 from "+++++" into "*****".
enum class FirstRunResult {
    NothingToDo, // an earlier start did it: the file was not written
    Done,        // rewritten now: thank the user
    Failed,      // missing, unreadable, too short or not writable
};
// The pure edit: true when the lines were changed.
bool ApplyFirstRun(SettingsLines& lines);
FirstRunResult RunFirstRunStep(const std::filesystem::path& file);

// The start-up reader: sets QuickWordEnabled and, when it is on, WordProcessorPath (which keeps
// its old value otherwise). Throws ReadError when the file cannot be read.
void ReadQuickWordSetting(const std::filesystem::path& file, WorksheetRequest& request);

// Line 3 as the option screen writes it: the remembered path while the box is ticked.
std::string QuickWordLineToWrite(bool boxTicked, std::string_view rememberedPath);

} // namespace abacore
