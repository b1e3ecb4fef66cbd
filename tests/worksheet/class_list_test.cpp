// Class lists as teachers type them, the lists and numbers of copies that are refused, and the
// forms a class set's files take.
#include "worksheet/class_list.h"

#include "worksheet/class_set.h"

#include "core/utf8.h"

#include <gtest/gtest.h>

using namespace abacore;

TEST(ClassList, ReadsNamesAndRefusesTheFaultyLine) {
    struct Case {
        const char* what;
        std::string bytes;
        std::vector<std::string> names; // when read
        std::string refusal = {};       // the start of the message, when refused
    };
    std::string hundred;
    for (int i = 0; i < kMostVersions; ++i)
        hundred += "Pupil\n";
    const std::string sixty = EncodeUtf8(std::u32string(60, U'\u00E9'));
    const Case cases[] = {
        {"accented and non-Latin, CR LF, byte order mark, blanks",
         "\xEF\xBB\xBF  Zo\xC3\xAB \xC3\x85ngstr\xC3\xB6m \r\n\r\n\xE6\x9D\x8E\xE5\xB0\x8F"
         "\xE9\xBE\x8D\n \t \n\xD0\x90\xD0\xBD\xD0\xBD\xD0\xB0",
         {"Zo\xC3\xAB \xC3\x85ngstr\xC3\xB6m", "\xE6\x9D\x8E\xE5\xB0\x8F\xE9\xBE\x8D",
          "\xD0\x90\xD0\xBD\xD0\xBD\xD0\xB0"}},
        {"60 two-byte characters fit", sixty + "\n", {sixty}},
        {"UTF-16 with its mark, old Mac line ends",
         std::string("\xFF\xFE\x41\0n\0n\0\r\0\r\0B\0o\0", 16),
         {"Ann", "Bo"}},
        {"lines of no-break and ideographic spaces are blank, and spaces round a name go",
         "\xC2\xA0\n\xE3\x80\x80\xE2\x80\x89\n\xC2\xA0\x41nn\xE3\x80\x80\n",
         {"Ann"}},
        {"a hundred names fit", hundred, std::vector<std::string>(kMostVersions, "Pupil")},
        {"61 characters", "Ann\n\n" + sixty + "x\n", {}, "Line 3 "},
        {"a tab inside a name", "Ann\nBo\tLee\n", {}, "Line 2 "},
        {"a C1 control", "Ann\nBo\xC2\x85Lee\n", {}, "Line 2 "},
        {"Windows-1252, not UTF-8", "Ann\n\nZo\xEB\n", {}, "Line 3 "},
        {"a hundred and one names", hundred + "One more\n", {}, "Line 101 "},
        {"no names", "\n  \r\n", {}, "The class list holds no names."},
    };
    for (const Case& c : cases) {
        const ClassList list = ReadClassList(c.bytes);
        if (c.refusal.empty()) {
            EXPECT_FALSE(list.refusal) << c.what << ": " << list.refusal.value_or("");
            EXPECT_EQ(list.names, c.names) << c.what;
        } else {
            EXPECT_TRUE(list.refusal.value_or("").starts_with(c.refusal))
                << c.what << ": " << list.refusal.value_or("(read)");
        }
    }
}

TEST(ClassList, CopiesFromOneToAHundred) {
    const std::pair<const char*, std::optional<int>> cases[] = {
        {" 30 ", 30},          {"100", 100},         {"0", std::nullopt},
        {"101", std::nullopt}, {"3x", std::nullopt},
    };
    for (const auto& [text, copies] : cases)
        EXPECT_EQ(CopiesFromText(text), copies) << '"' << text << '"';
}

// As make writes them: a crossword's set as .pdf or .txt, answer keys never as a web page.
TEST(ClassList, ClassSetFilesTakeTheFormTheirExtensionSays) {
    EXPECT_EQ(ClassSetFormat("RTF", false, false), SetFormat::Rtf);
    EXPECT_EQ(ClassSetFormat("htm", false, false), SetFormat::WebPage);
    EXPECT_EQ(ClassSetFormat("txt", true, true), SetFormat::Text);
    for (const char* refused : {"rtf", "html", "ipuz", ""})
        EXPECT_FALSE(ClassSetFormat(refused, true, false)) << refused;
    EXPECT_FALSE(ClassSetFormat("html", false, true));
}
