#include "clipart/picture_size.h"
#include "document/page_setup.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

using namespace abacore;

// Over many sizes: a picture that fits the text area keeps its screen size; a larger one fills
// the width or the height exactly and keeps its shape; the pixels kept never exceed 300 per
// inch and keep the shape too.
TEST(PictureSize, FitsThePageKeepsItsShapeAndKeepsOnlyThePixelsPrintNeeds) {
    using namespace PageSetup;
    // The text area of both papers: A4 is the narrower, Letter the shorter.
    const int widest = ToTwips(kA4.textWidthInches()),
              tallest = ToTwips(kLetter.textHeightInches());
    std::mt19937 random(7);
    for (int i = 0; i < 20000; ++i) {
        const int most = i % 2 ? 20000 : 1500;
        const PixelSize pixels{std::uniform_int_distribution(1, most)(random),
                               std::uniform_int_distribution(1, most)(random)};
        const TwipSize shown = ShownSize(pixels);
        ASSERT_LE(shown.width, widest);
        ASSERT_LE(shown.height, tallest);
        ASSERT_GE(std::min(shown.width, shown.height), 1);
        if (pixels.width * 15 <= widest && pixels.height * 15 <= tallest) {
            ASSERT_EQ(shown, (TwipSize{pixels.width * 15, pixels.height * 15}));
        } else {
            ASSERT_TRUE(shown.width == widest || shown.height == tallest);
            // Each side is rounded to a whole twip: the shape is kept to within that.
            const double expected = static_cast<double>(pixels.height) / pixels.width;
            ASSERT_NEAR(static_cast<double>(shown.height), shown.width * expected, 1.0 + expected)
                << pixels.width << "x" << pixels.height;
        }
        const PixelSize kept = KeptPixels(pixels, shown);
        ASSERT_LE(kept.width, pixels.width);
        // 300 to the inch, to the nearest pixel; never less than one pixel across.
        ASSERT_LE(kept.width, std::max(1L, std::lround(shown.width * 300.0 / 1440)))
            << pixels.width << "x" << pixels.height;
        if (kept != pixels) {
            const double shape = static_cast<double>(pixels.height) / pixels.width;
            ASSERT_NEAR(kept.height, kept.width * shape, 1.0 + shape);
        }
    }
    EXPECT_EQ(KeptPixels({100, 50}, {1440, 720}), (PixelSize{100, 50}));
    EXPECT_EQ(KeptPixels({3000, 1500}, {1440, 720}), (PixelSize{300, 150}));
}
