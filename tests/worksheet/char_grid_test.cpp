#include "worksheet/char_grid.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Prints the grid one cell at a time, as the simplest reading of the flush does.
void flushCellByCell(GenerationState& state, Document& d) {
    for (int row = 1; row <= state.GridRow; ++row) {
        for (int column = 1; column <= state.GridWidth; ++column) {
            d.SetUnderline(state.UnderlineGrid.at(column, row));
            const char32_t c = state.CharGrid.at(column, row);
            std::string one;
            if (c == 0 || c < 0x80)
                one = c == 0 ? " " : std::string(1, static_cast<char>(c));
            else if (c < 0x800)
                one = {static_cast<char>(0xC0 | (c >> 6)), static_cast<char>(0x80 | (c & 0x3F))};
            else
                one = {static_cast<char>(0xE0 | (c >> 12)),
                       static_cast<char>(0x80 | ((c >> 6) & 0x3F)),
                       static_cast<char>(0x80 | (c & 0x3F))};
            d.Insert(one);
        }
        d.Insert("\n");
    }
}

void expectSameDocument(const Document& a, const Document& b) {
    ASSERT_EQ(a.paragraphs().size(), b.paragraphs().size());
    for (size_t i = 0; i < a.paragraphs().size(); ++i) {
        const Paragraph& pa = a.paragraphs()[i];
        const Paragraph& pb = b.paragraphs()[i];
        ASSERT_EQ(pa.runs.size(), pb.runs.size()) << "paragraph " << i;
        for (size_t k = 0; k < pa.runs.size(); ++k) {
            EXPECT_EQ(pa.runs[k].text, pb.runs[k].text);
            EXPECT_EQ(pa.runs[k].format, pb.runs[k].format);
        }
        EXPECT_EQ(pa.endFormat, pb.endFormat) << "paragraph " << i;
    }
    EXPECT_EQ(a.currentFormat(), b.currentFormat());
}

GenerationState sampleGrid() {
    GenerationState s;
    s.GridWidth = 12;
    s.GridRow = 4;
    s.write(2, 1, "12");
    s.write(1, 2, "\u00F7 3");
    s.underline(1, 2, 3);
    s.write(10, 3, "end");
    s.underline(12, 3, 1);      // the row's last cell: the line break follows underlined
    s.CharGrid.set(0, 1, U'h'); // column 0 and row 0 are never printed
    s.CharGrid.set(1, 0, U'h');
    return s;
}

} // namespace

TEST(CharGrid, WritesCountCharactersNotBytes) {
    GenerationState s;
    EXPECT_EQ(s.write(3, 2, "\u00F7 12"), 4);
    EXPECT_EQ(s.CharGrid.at(3, 2), U'\u00F7');
    EXPECT_EQ(s.CharGrid.at(4, 2), U' ');
    EXPECT_EQ(s.CharGrid.at(6, 2), U'2');
    EXPECT_EQ(s.CharGrid.at(7, 2), 0u);
    EXPECT_EQ(CharacterCount("\u00F7 12\u2502"), 5);
}

TEST(CharGrid, WritesOutsideTheGridAreDropped) {
    GenerationState s;
    s.write(198, 20, "abcdef");
    s.write(-2, 5, "xyz");
    s.write(4, 21, "no");
    s.write(4, -1, "no");
    s.underline(199, 3, 10);
    EXPECT_EQ(s.CharGrid.at(200, 20), U'c');
    EXPECT_EQ(s.CharGrid.at(0, 5), U'z');
    EXPECT_EQ(s.CharGrid.at(201, 20), 0u);
    EXPECT_TRUE(s.UnderlineGrid.at(200, 3));

    s.GridRow = 40; // rows past the grid's last are not printed either
    s.GridWidth = 300;
    Document d;
    s.FlushGrid(d);
    EXPECT_EQ(d.paragraphs().size(), 21u); // rows 1 to 20, then the empty paragraph
    EXPECT_EQ(d.paragraphs()[19].runs.back().text.size(), 200u);
}

TEST(CharGrid, FlushPrintsFullWidthRowsWithBlanksAndLineBreaks) {
    GenerationState s = sampleGrid();
    Document d;
    s.FlushGrid(d);
    EXPECT_EQ(d.plainText(), " 12         \n"
                             "\u00F7 3         \n"
                             "         end\n"
                             "            \n");
    // Then the grid is empty and the next block starts at row 3.
    EXPECT_EQ(s.GridRow, 3);
    EXPECT_EQ(s.CharGrid.at(2, 1), 0u);
    EXPECT_EQ(s.CharGrid.at(0, 1), 0u);
    EXPECT_FALSE(s.UnderlineGrid.at(1, 2));
    EXPECT_FALSE(s.UnderlineGrid.at(12, 3));
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
    expectSameDocument(batched, byCell);
}

TEST(CharGrid, OnlyTheWidthIsPrintedAndNothingWithoutRows) {
    GenerationState s;
    s.GridWidth = 3;
    s.GridRow = 1;
    s.write(1, 1, "abcdef");
    Document d;
    s.FlushGrid(d);
    EXPECT_EQ(d.plainText(), "abc\n");

    s.write(1, 1, "x");
    s.GridRow = 0;
    Document empty;
    s.FlushGrid(empty);
    EXPECT_TRUE(empty.isEmpty());
    EXPECT_EQ(s.GridRow, 3);
    EXPECT_EQ(s.CharGrid.at(1, 1), 0u);
}
