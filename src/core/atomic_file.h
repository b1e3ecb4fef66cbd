#pragma once
// Writing whole files so that a failure never leaves a damaged one, and files that belong
// together (a worksheet and its answer key) are replaced together or not at all. Every file the
// program writes goes through here. Each file's bytes go to a temporary file in the file's own
// folder, which is flushed to the disk; only when every one is complete are they renamed over
// their targets, one after the other, with stop signals (SIGTERM, SIGINT, SIGHUP) held off until
// the last rename is done, and with the target folders locked, so that another save's renames
// (another run's sheet and key) never fall between them: a save that finds a folder locked waits
// a few seconds, then fails saying the file is busy. Nothing earlier is ever read back. A symbolic
// link is written through (the file it points to is replaced or created, the link stays), a
// replaced file keeps its permission bits and group, and only ordinary files the user may change
// are replaced (see CheckWritable). A stop signal before the renames removes the temporary files
// before the process ends. Past the file-size limit a write fails like any other instead of ending
// the process.

#include "core/failure.h"

#include <cstddef>
#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace abacore {

// One file to write: its name as the user gave it and its whole contents.
struct PendingFile {
    std::filesystem::path path;
    std::string bytes;
};

// Writes every file or none. Throws WriteError naming the file and the reason in words; every
// earlier file is then as it was and no temporary file is left.
void WriteFilesTogether(std::span<const PendingFile> files);

// The one-file case of WriteFilesTogether.
void WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// For tests: called once every temporary file is complete, with 0 (stop signals still act),
// then between two renames with the number of files already renamed (stop signals held off).
// Empty unless a test sets it.
void SetWriterHookForTests(std::function<void(std::size_t renamed)> hook);

// Throws ReadError naming the file and the reason.
std::string ReadWholeFile(const std::filesystem::path& path);

// Why a file operation failed, in words a teacher understands ("the disk is full").
std::string ReasonInWords(int error);

} // namespace abacore
