#include "worksheet/char_grid.h"

#include <algorithm>

namespace abacore {

namespace {

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// Reads one code point at text[i] and moves i past it; a malformed byte stands for itself.
char32_t decodeNext(std::string_view text, size_t& i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    int extra = 0;
    char32_t code = lead;
    if (lead >= 0xF0 && lead < 0xF8) {
        extra = 3;
        code = lead & 0x07;
    } else if (lead >= 0xE0) {
        extra = 2;
        code = lead & 0x0F;
    } else if (lead >= 0xC0) {
        extra = 1;
        code = lead & 0x1F;
    }
    if (extra == 0 || lead >= 0xF8 || i + static_cast<size_t>(extra) >= text.size()) {
        ++i;
        return lead;
    }
    for (int k = 1; k <= extra; ++k) {
        const auto byte = static_cast<unsigned char>(text[i + static_cast<size_t>(k)]);
        if (!isContinuation(byte)) {
            ++i;
            return lead;
        }
        code = (code << 6) | (byte & 0x3F);
    }
    i += static_cast<size_t>(extra) + 1;
    return code;
}

// Writes c as UTF-8 at out; returns the end.
char* encodeUtf8(char* out, char32_t c) {
    if (c < 0x80) {
        *out++ = static_cast<char>(c);
    } else if (c < 0x800) {
        *out++ = static_cast<char>(0xC0 | (c >> 6));
        *out++ = static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        *out++ = static_cast<char>(0xE0 | (c >> 12));
        *out++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        *out++ = static_cast<char>(0x80 | (c & 0x3F));
    } else {
        *out++ = static_cast<char>(0xF0 | (c >> 18));
        *out++ = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        *out++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        *out++ = static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

} // namespace

int CharacterCount(std::string_view utf8) {
    int count = 0;
    for (char c : utf8)
        if (!isContinuation(static_cast<unsigned char>(c)))
            ++count;
    return count;
}

int GenerationState::write(int column, int row, std::string_view utf8) {
    int count = 0;
    for (size_t i = 0; i < utf8.size(); ++count)
        CharGrid.set(column + count, row, decodeNext(utf8, i));
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
                    out = encodeUtf8(out, c);
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
