#include "worksheet/text_writer.h"

#include <gtest/gtest.h>

using namespace abacore;

TEST(TextWriter, GivesExactlyTheCharactersInsertedInOrder) {
    EXPECT_EQ(PlainTextBytes(Document{}), "");
    Document d;
    d.SetFontSize(18);
    d.Insert("Heading \xCE\xA9\n");
    d.SetUnderline(true);
    d.Insert("  12 \xC3\xB7 4\t=  \n\n");
    d.MoveToStart();
    d.SetFontName("Terminal");
    d.Insert("\xE2\x94\x82 first\n");
    // No format survives, blanks and tabs stay, the last LF is kept, nothing is added.
    EXPECT_EQ(PlainTextBytes(d), "\xE2\x94\x82 first\nHeading \xCE\xA9\n  12 \xC3\xB7 4\t=  \n\n");
}
