#pragma once
// Reading a picture file for a document or a background. What a file is comes from its content,
// not its name: a text file renamed to .bmp is refused.

#include "document/picture.h"

#include <QImage>
#include <QString>
#include <filesystem>
#include <memory>

namespace abacore {

struct LoadedPicture {
    // The picture as it is embedded and printed, decoded: to show on screen or behind a grid.
    QImage image;
    // What a document keeps: a JPEG file as it is, anything else as PNG (with no more pixels than
    // print needs), at the size it is shown at (fitted to the page's text area).
    std::shared_ptr<const Picture> picture;
};

// Throws PictureError (clipart/picture_messages.h) naming the file and the reason when the file
// cannot be read or is not a picture.
LoadedPicture LoadPicture(const std::filesystem::path& path);

// A picture made from an image that has no file of its own (pasted from elsewhere): PNG, shown
// at `shownWidthTwips` x `shownHeightTwips`, or at its own size fitted to the page when these
// are 0.
std::shared_ptr<const Picture> PictureFromImage(const QImage& image, int shownWidthTwips = 0,
                                                int shownHeightTwips = 0);

} // namespace abacore
