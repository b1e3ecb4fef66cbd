#include "clipart/picture_size.h"

#include "document/page_setup.h"

#include <algorithm>
#include <cmath>

namespace abacore {

namespace {

int Scaled(int value, double scale) {
    return std::max(1, static_cast<int>(std::lround(value * scale)));
}

} // namespace

TwipSize ShownSize(PixelSize pixels) {
    using namespace PageSetup;
    const double width = static_cast<double>(pixels.width) * kTwipsPerPixel;
    const double height = static_cast<double>(pixels.height) * kTwipsPerPixel;
    double scale = 1;
    // A picture stays in the document when the teacher changes the paper, so it fits the
    // text area of both: A4's width and Letter's height.
    if (width > 0 && height > 0)
        scale = std::min({1.0, ToTwips(kA4.textWidthInches()) / width,
                          ToTwips(kLetter.textHeightInches()) / height});
    return TwipSize{Scaled(pixels.width * kTwipsPerPixel, scale),
                    Scaled(pixels.height * kTwipsPerPixel, scale)};
}

PixelSize KeptPixels(PixelSize pixels, TwipSize shown) {
    const double most =
        static_cast<double>(shown.width) * kMostPixelsPerInch / PageSetup::kTwipsPerInch;
    if (pixels.width <= most || pixels.width <= 0)
        return pixels;
    const double scale = most / pixels.width;
    return PixelSize{Scaled(pixels.width, scale), Scaled(pixels.height, scale)};
}

} // namespace abacore
