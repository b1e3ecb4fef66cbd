#include "clipart/picture_pattern.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace abacore;

TEST(PicturePattern, EveryReadableTypeAllFirstAndTheSpellingsOfATypeTogether) {
    const std::vector<PictureType> types =
        PictureTypes({"png", "jpeg", "bmp", "jpg", "svgz", "gif", "svg", "png", "xpm"});
    EXPECT_EQ(types, (std::vector<PictureType>{
                         {"All pictures", "*.bmp;*.gif;*.jpeg;*.jpg;*.png;*.svg;*.svgz;*.xpm"},
                         {"BMP", "*.bmp"},
                         {"GIF", "*.gif"},
                         {"JPEG", "*.jpeg;*.jpg"},
                         {"PNG", "*.png"},
                         {"SVG", "*.svg;*.svgz"},
                         {"XPM", "*.xpm"}}));
    EXPECT_EQ(types[3].label(), "JPEG (*.jpeg;*.jpg)");
    EXPECT_TRUE(PictureTypes({}).empty());

    const std::string all = types[0].pattern;
    for (const char* name : {"a.png", "a.jpeg", "Photo.Jpg", "SCAN.BMP", ".bmp", "two words.gif"})
        EXPECT_TRUE(MatchesPattern(name, all)) << name;
    for (const char* name : {"a.wmf", "bmp", "a.bmp.txt", "a_bmp", "a.bm", "a.gifs", "a.svg~", ""})
        EXPECT_FALSE(MatchesPattern(name, all)) << name;
    // Every ASCII letter folds, A and Z included; letters beyond ASCII are single characters for
    // '?', and are not folded.
    for (char c = 'A'; c <= 'Z'; ++c)
        EXPECT_TRUE(MatchesPattern(std::string(1, c) + ".bmp",
                                   std::string(1, static_cast<char>(c - 'A' + 'a')) + "?bmp"))
            << c;
    EXPECT_TRUE(MatchesPattern("\xC3\xA9.bmp", "?.bmp"));
    EXPECT_FALSE(MatchesPattern("\xC3\x89.bmp", "\xC3\xA9.bmp"));
    // Empty wildcards between separators match nothing.
    EXPECT_FALSE(MatchesPattern("a.txt", ";;*.bmp;"));
    EXPECT_TRUE(MatchesPattern("a.bmp", ";;*.bmp;"));
}
