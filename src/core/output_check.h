#pragma once
// Checks made on the files a command will write before it writes the first of them, so that a
// refused command leaves every file as it was; and text from the user made safe to print. The
// atomic writer makes the same checks again, so a window's save is refused for the same reasons.

#include "core/failure.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace abacore {

// The file a write of `path` really replaces: its symbolic links followed, so that a link stays
// a link. Throws WriteError, naming the file and the reason in words, when `path` cannot be
// written or must not be replaced: its links lead round in a circle or on through more links
// than the system follows, its folder is missing or not writable, the name is too long, it is
// (or leads to) anything but an ordinary file (a folder, a device, a pipe, a socket), or it is a
// file the user may not change: one without the write bit that applies to the user, root
// included (for root and the file's owner, the owner's bit), as an editor keeps it.
std::filesystem::path CheckWritable(const std::filesystem::path& path);

// Whether two names lead to the same file: through another spelling of the path, a link, or a
// second name (hard link) of an existing file.
bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b);

// The text with its control characters shown as \xNN (or \u00NN for those of Unicode's C1
// range), so that echoing it cannot move a terminal's cursor or change its colours.
std::string EscapedForTerminal(std::string_view text);

} // namespace abacore
