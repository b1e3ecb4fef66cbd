#include "worksheet/char_grid.h"

#include <algorithm>

namespace abacore {

int GenerationState::write(int column, int row, std::string_view utf8) {
    int count = 0;
    for (size_t i = 0; i < utf8.size(); ++count)
        CharGrid.set(column + count, row, NextCodePoint(utf8, i));
    return count;
}

void GenerationState::underline(int column, int row, int count) {
    for (int k = 0; k < count; ++k)
        UnderlineGrid.set(column + k, row, true);
}

void GenerationState::FlushGrid(Document& worksheet) {
    const int rows = std::min(GridRow, kGridLastRow);
    const int width = std::min(GridWidth, kGridLastColumn);
    if (rows >= 1 && width >= 1) {
        // Underline is set cell by cell; cells of one state go in together, which leaves the
        // document the same as one insertion per cell.
        bool underlined = worksheet.currentFormat().underline;
        constexpr size_t kMostBytes = 4; // of one code point in UTF-8
        m_flushBuffer.resize(static_cast<size_t>(rows) *
                             (static_cast<size_t>(width) * kMostBytes + 1));
        char* out = m_flushBuffer.data();
        const char* runStart = out;
        // The rows of one flush hold whole problems: they stay on one page.
        worksheet.SetKeepWithNext(rows > 1);
        for (int row = 1; row <= rows; ++row) {
            if (row == rows && rows > 1) {
                worksheet.Insert({runStart, static_cast<size_t>(out - runStart)});
                runStart = out;
                worksheet.SetKeepWithNext(false);
            }
            const char32_t* chars = CharGrid.rowCells(row);
            const bool* underlines = UnderlineGrid.rowCells(row);
            for (int column = 1; column <= width; ++column) {
                if (underlines[column] != underlined) {
                    worksheet.Insert({runStart, static_cast<size_t>(out - runStart)});
                    runStart = out;
                    underlined = underlines[column];
                    worksheet.SetUnderline(underlined);
                }
                const char32_t c = chars[column];
                if (c == 0)
                    *out++ = ' ';
                else
                    out = EncodeUtf8(out, c);
            }
            *out++ = '\n';
        }
        worksheet.Insert({runStart, static_cast<size_t>(out - runStart)});
    }
    GridRow = 3;
    CharGrid.clear();
    UnderlineGrid.clear();
}

} // namespace abacore
