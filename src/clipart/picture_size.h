#pragma once
// How big a picture is shown, printed and embedded.

namespace abacore {

// A pixel is shown as 1/96 inch, the size of a pixel on a screen at normal size.
inline constexpr int kTwipsPerPixel = 15;
// Pixels beyond this many per inch of the shown size make a saved file bigger, not a printed
// picture sharper.
inline constexpr int kMostPixelsPerInch = 300;

// A picture of more pixels than this is refused: a photo of 100 megapixels is the largest a
// teacher's camera or phone makes.
inline constexpr long long kMostPicturePixels = 100'000'000;

struct TwipSize {
    int width = 0;
    int height = 0;
    bool operator==(const TwipSize&) const = default;
};

struct PixelSize {
    int width = 0;
    int height = 0;
    bool operator==(const PixelSize&) const = default;
};

// The size of a picture of `pixels`: at screen size, or smaller, its shape kept, when it would
// be wider or taller than the text area of the page (page_setup.h). Never below one twip.
TwipSize ShownSize(PixelSize pixels);

// The pixels to keep of a picture of `pixels` shown at `shown`: all of them, or, shape kept,
// as many as kMostPixelsPerInch gives.
PixelSize KeptPixels(PixelSize pixels, TwipSize shown);

} // namespace abacore
