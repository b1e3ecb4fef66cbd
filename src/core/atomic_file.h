#pragma once
// Writing a whole file so that a failure never leaves a damaged one: the bytes go to a
// temporary file in the same folder, which is flushed and then renamed over the target. Every
// file the program writes goes through here. A symbolic link is written through (the file it
// points to is replaced, the link stays), a replaced file keeps its permission bits and group,
// and a stop signal (SIGTERM, SIGINT, SIGHUP) during a write removes the temporary file before
// the process ends. Past the file-size limit a write fails like any other instead of ending
// the process.

#include "core/failure.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace abacore {

// Throws WriteError naming the file and the reason in words; the earlier file is then
// untouched and no temporary file is left.
void WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// Throws ReadError naming the file and the reason.

std::string ReadWholeFile(const std::filesystem::path& path);

// Why a file operation failed, in words a teacher understands ("the disk is full").
std::string ReasonInWords(int error);

} // namespace abacore
