#include "worksheet/char_grid.h"

#include "printed_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace abacore;

TEST(CharGrid, FlushPrintsFullWidthRowsWithTheirUnderlinesThenEmptiesTheGrid) {
    GenerationState s;
    s.GridWidth = 12;
    s.GridRow = 4;
    s.write(2, 1, "12");
    EXPECT_EQ(s.write(1, 2, "\u00F7 3"), 3); // characters, not bytes
    s.underline(1, 2, 3);
    s.write(10, 3, "end");
    s.underline(12, 3, 1);      // the row's last cell: its line break follows underlined
    s.CharGrid.set(0, 1, U'h'); // column 0 and row 0 are never printed
    s.CharGrid.set(1, 0, U'h');
    Document d;
    s.FlushGrid(d);
    EXPECT_EQ(UnderlinedShape(d),
              (std::vector<std::string>{" 12         ", "[\u00F7 3]         ", "         en[d]_",
                                        "            ", ""}));
    EXPECT_FALSE(d.currentFormat().underline);
    std::vector<bool> keep; // one flush holds whole problems: its rows stay on one page
    for (const Paragraph& p : d.paragraphs())
        keep.push_back(p.keepWithNext);
    EXPECT_EQ(keep, (std::vector<bool>{true, true, true, false, false}));
    EXPECT_EQ(s.GridRow, 3);
    s.GridWidth = 2;
    s.write(2, 1, "bc"); // only the width is printed
    Document narrow;
    s.FlushGrid(narrow);
    EXPECT_EQ(UnderlinedShape(narrow), (std::vector<std::string>{" b", "  ", "  ", ""}));
}

TEST(CharGrid, NothingOutsideTheGridIsWrittenOrPrinted) {
    GenerationState s;
    s.write(198, 20, "abcdef");
    s.write(-2, 5, "xyz");
    s.write(4, 21, "no");
    s.write(4, -1, "no");
    s.underline(199, 3, 10);
    EXPECT_EQ(s.CharGrid.at(200, 20), U'c');
    EXPECT_EQ(s.CharGrid.at(0, 5), U'z');
    EXPECT_TRUE(s.UnderlineGrid.at(200, 3));
    s.GridRow = 40;
    s.GridWidth = 300;
    Document d;
    s.FlushGrid(d);
    EXPECT_EQ(d.paragraphs().size(), 21u); // rows 1 to 20, then the empty paragraph
    EXPECT_EQ(d.paragraphs()[19].runs.back().text.size(), 200u);
}
