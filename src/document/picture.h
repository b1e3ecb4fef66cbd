#pragma once
// A picture in a document: the image file as it is embedded (JPEG or PNG, both compressed, so a
// saved worksheet stays small) and the size it is shown and printed at.

#include <string>

namespace abacore {

enum class PictureFormat { Png, Jpeg };

struct Picture {
    PictureFormat format = PictureFormat::Png;
    std::string bytes; // the whole encoded image, as in a .png or .jpg file
    int widthPixels = 0;
    int heightPixels = 0;
    int widthTwips = 0; // shown and printed size
    int heightTwips = 0;
};

} // namespace abacore
