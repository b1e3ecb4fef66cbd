#pragma once
// Writing a whole file so that a failure never leaves a damaged one: the bytes go to a
// temporary file in the same folder, which is flushed and then renamed over the target.

#include "shell/failure.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace abacore {

// Throws WriteError naming the file and the reason; the earlier file is then untouched.
void WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// Throws ReadError naming the file and the reason.
std::string ReadWholeFile(const std::filesystem::path& path);

} // namespace abacore
