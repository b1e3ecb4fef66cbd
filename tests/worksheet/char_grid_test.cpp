#include "worksheet/char_grid.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The plainest reading of the flush: one underline switch and one insertion per cell.
void flushCellByCell(GenerationState& state, Document& d) {
    for (int row = 1; row <= state.GridRow; ++row) {
        for (int column = 1; column <= state.GridWidth; ++column) {
            d.SetUnderline(state.UnderlineGrid.at(column, row));
            const char32_t c = state.CharGrid.at(column, row);
            if (c == U'\u00F7')
                d.Insert("\u00F7");
            else
                d.Insert(std::string(1, c == 0 ? ' ' : static_cast<char>(c)));
        }
        d.Insert("\n");
    }
}

GenerationState sampleGrid() {
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
    return s;
}

} // namespace

TEST(CharGrid, FlushPrintsFullWidthRowsThenEmptiesTheGrid) {
    GenerationState s = sampleGrid();
    Document d;
    s.FlushGrid(d);
    EXPECT_EQ(d.plainText(), " 12         \n"
                             "\u00F7 3         \n"
                             "         end\n"
                             "            \n");
    EXPECT_EQ(s.GridRow, 3);
    EXPECT_EQ(s.CharGrid.at(2, 1), 0u);
    EXPECT_EQ(s.CharGrid.at(0, 1), 0u);
    EXPECT_FALSE(s.UnderlineGrid.at(1, 2));

    s.GridWidth = 2;
    s.write(1, 1, "abc"); // only the width is printed
    Document narrow;
    s.FlushGrid(narrow);
    EXPECT_EQ(narrow.plainText(), "ab\n  \n  \n");
}

TEST(CharGrid, UnderlineCoversExactlyTheFlaggedCells) {
    GenerationState s = sampleGrid();
    Document batched;
    s.FlushGrid(batched);
    const auto& row2 = batched.paragraphs()[1].runs;
    ASSERT_EQ(row2.size(), 2u);
    EXPECT_EQ(row2[0].text, "\u00F7 3");
    EXPECT_TRUE(row2[0].format.underline);
    EXPECT_FALSE(row2[1].format.underline);

    // Runs, paragraph marks and the format left behind equal a cell-by-cell flush.
    GenerationState reference = sampleGrid();
    Document byCell;
    flushCellByCell(reference, byCell);
    ASSERT_EQ(batched.paragraphs().size(), byCell.paragraphs().size());
    for (size_t i = 0; i < batched.paragraphs().size(); ++i) {
        const Paragraph& a = batched.paragraphs()[i];
        const Paragraph& b = byCell.paragraphs()[i];
        ASSERT_EQ(a.runs.size(), b.runs.size()) << "paragraph " << i;
        for (size_t k = 0; k < a.runs.size(); ++k) {
            EXPECT_EQ(a.runs[k].text, b.runs[k].text);
            EXPECT_EQ(a.runs[k].format, b.runs[k].format);
        }
        EXPECT_EQ(a.endFormat, b.endFormat) << "paragraph " << i;
    }
    EXPECT_EQ(batched.currentFormat(), byCell.currentFormat());
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

    s.write(1, 1, "x");
    s.GridRow = 0;
    Document empty;
    s.FlushGrid(empty);
    EXPECT_TRUE(empty.isEmpty());
    EXPECT_EQ(s.CharGrid.at(1, 1), 0u);
}
