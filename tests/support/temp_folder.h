#pragma once
// A temporary folder for the logic tests (no Qt), removed with everything in it, and
// byte-exact file helpers.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

namespace abacore {

struct TempFolder {
    std::string name = (std::filesystem::temp_directory_path() / "abacore-XXXXXX").string();
    const std::filesystem::path m_path = mkdtemp(name.data());
    ~TempFolder() { std::filesystem::remove_all(m_path); }
    const std::filesystem::path& path() const { return m_path; }
};

inline void WriteBytes(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

inline std::string ReadBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace abacore
