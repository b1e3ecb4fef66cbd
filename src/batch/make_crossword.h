#pragma once
// The crossword's part of `make crossword`: which files it can write, and writing them. The
// crossword is made by the maker of versions (maker/version_maker.h), as the builder window's.

#include "core/atomic_file.h"
#include "core/paper.h"
#include "crossword/crossword_page.h"

#include <QImage>
#include <filesystem>
#include <optional>
#include <span>
#include <string>

namespace abacore {

// The message for an output name the crossword cannot be written as, or nothing: the puzzle as
// .pdf, .ipuz, .txt (its clue list) or .html, the answer key as .pdf or .txt (the grid's
// characters).
// With a picture (`withPicture`) the puzzle must be a PDF: the other forms cannot hold it.
std::optional<std::string> CrosswordFileRefusal(const std::filesystem::path& puzzle,
                                                const std::filesystem::path& answerKey,
                                                bool withPicture);

// One file each, to write with WriteFilesTogether, in the format of the name's extension, with
// the puzzles (the versions of a class set) one after the other, each from a new page; .ipuz
// takes the first puzzle only. A PDF shows `picture` (when not null) behind the grid, as the
// builder window's picture option does, on `paper`. Throw WriteError when a PDF's pages cannot
// be drawn.
PendingFile CrosswordPuzzleFile(std::span<const CrosswordPage> pages,
                                const std::filesystem::path& path, const QImage& picture,
                                Paper paper);
PendingFile CrosswordKeyFile(std::span<const CrosswordPage> pages,
                             const std::filesystem::path& path, const QImage& picture, Paper paper);

} // namespace abacore
