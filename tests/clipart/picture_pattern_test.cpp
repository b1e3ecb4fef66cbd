#include "clipart/picture_pattern.h"

#include <gtest/gtest.h>

#include <random>
#include <regex>
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

// The matcher agrees with a regular expression built from the wildcard, on random names and
// wildcards over a small alphabet where stars and question marks meet often.
TEST(PicturePattern, WildcardsAgreeWithRegularExpressions) {
    std::mt19937 random(20240611);
    const std::string letters = "ab.*?";
    // A wildcard is never empty: empty ones are only what separators leave between them.
    auto make = [&](size_t most, bool wild) {
        std::string out(std::uniform_int_distribution<size_t>(wild ? 1 : 0, most)(random), 'a');
        for (char& c : out)
            c = letters[std::uniform_int_distribution<size_t>(0, wild ? 4 : 2)(random)];
        return out;
    };
    for (int i = 0; i < 20000; ++i) {
        const std::string name = make(9, false), wildcard = make(6, true);
        std::string expression;
        for (char c : wildcard)
            expression += c == '*' ? ".*" : c == '?' ? "." : c == '.' ? "\\." : std::string(1, c);
        const bool expected = std::regex_match(name, std::regex(expression));
        ASSERT_EQ(MatchesPattern(name, wildcard), expected) << name << " ~ " << wildcard;
    }
}
