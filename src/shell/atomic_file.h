#pragma once
// Writing a whole file so that a failure never leaves a damaged one: the bytes go to a
// temporary file in the same folder, which is flushed and then renamed over the target.

#include <filesystem>
#include <string>
#include <string_view>

namespace abacore {

// Returns an empty string on success, otherwise the reason in words.
std::string WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// Reads a whole file; false when it cannot be read.
bool ReadWholeFile(const std::filesystem::path& path, std::string& bytes);

} // namespace abacore
