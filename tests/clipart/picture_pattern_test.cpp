#include "clipart/picture_pattern.h"

#include <gtest/gtest.h>

#include <random>
#include <regex>
#include <string>

using namespace abacore;

TEST(PicturePattern, TheWorksheetTakesBitmapsTheCrosswordEveryBackgroundType) {
    WorksheetRequest request;
    request.ClipArtForWorksheet = true;
    const std::string_view worksheet = PicturePattern(OpenerOf(request));
    request.ClipArtForWorksheet = false;
    const std::string_view crossword = PicturePattern(OpenerOf(request));
    for (const char* name : {"a.jpg", "a.bmp", "a.wmf", "a.gif", "a.emf", "a.ico", "a.cur", "a.dib",
                             "SCAN.BMP", "Photo.Jpg", ".bmp", "two words.gif"}) {
        EXPECT_TRUE(MatchesPattern(name, crossword)) << name;
        EXPECT_EQ(MatchesPattern(name, worksheet),
                  std::string(name).ends_with("bmp") || std::string(name).ends_with("BMP"))
            << name;
    }
    for (const char* name : {"a.png", "a.jpeg", "bmp", "a.bmp.txt", "a_bmp", "a.bm", "a.gifs", ""})
        EXPECT_FALSE(MatchesPattern(name, crossword)) << name;
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
