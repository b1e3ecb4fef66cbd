#include "worksheet/punch_line_row.h"

#include "core/utf8.h"
#include "worksheet/large_print.h"

#include <algorithm>
#include <vector>

namespace abacore {

namespace {

// One character of the punch line as the row places it.
struct Glyph {
    std::string text; // one character as NextCodePoint reads it; a control one becomes a blank
    int letter = -1;  // 0 to 25 for a to z in either case
    bool blank() const { return text == " "; }
};

std::vector<Glyph> glyphsOf(std::string_view punchLine) {
    std::vector<Glyph> glyphs;
    for (size_t at = 0; at < punchLine.size();) {
        const char32_t c = NextCodePoint(punchLine, at);
        Glyph g;
        if (c < 0x20 || c == 0x7F)
            g.text = " ";
        else
            AppendUtf8(g.text, c);
        if (c >= 'a' && c <= 'z')
            g.letter = static_cast<int>(c - 'a');
        else if (c >= 'A' && c <= 'Z')
            g.letter = static_cast<int>(c - 'A');
        glyphs.push_back(std::move(g));
    }
    return glyphs;
}

// A blank and underscores to the width.
std::string blankOf(int width) {
    std::string blank(static_cast<size_t>(width), '_');
    blank[0] = ' ';
    return blank;
}

class RowWriter {
public:
    RowWriter(const LetterNumbers& numbers, int width, GenerationState& state, Document& worksheet)
        : m_numbers(numbers), m_blankWidth(PunchLineBlankWidth(numbers)),
          m_blank(blankOf(m_blankWidth)), m_width(width),
          m_breakAfter(width * kPunchLineBreakAfter / kPunchLineWidth), m_state(state),
          m_worksheet(worksheet) {
        m_state.GridColumn = kPunchLineStartColumn;
    }

    int advance(const Glyph& g) const { return g.letter >= 0 ? m_blankWidth : 2; }

    // The last column a word takes when it starts at `column`: a letter's blank and number
    // fill its columns after `column`, any other character sits on `column` itself.
    int lastColumnOf(const std::vector<Glyph>& glyphs, size_t from, int column) const {
        int last = column;
        for (size_t k = from; k < glyphs.size() && !glyphs[k].blank(); ++k) {
            last = glyphs[k].letter >= 0 ? column + m_blankWidth : column;
            column += advance(glyphs[k]);
        }
        return last;
    }

    void place(const std::vector<Glyph>& glyphs, size_t k) {
        const Glyph& g = glyphs[k];
        const bool wordStart = !g.blank() && (k == 0 || glyphs[k - 1].blank());
        if (wordStart && lastColumnOf(glyphs, k, m_state.GridColumn) > m_width)
            newLine();
        const int last = g.letter >= 0 ? m_state.GridColumn + m_blankWidth : m_state.GridColumn;
        if (last > m_width) // a word wider than a whole line
            newLine();
        const int column = m_state.GridColumn;
        const int row = m_state.GridRow;
        if (g.letter >= 0) {
            m_state.write(column + 1, row, m_blank);
            m_state.write(column + 2, row + 1, m_numbers[static_cast<size_t>(g.letter)]);
        } else {
            m_state.write(column, row, g.text);
        }
        m_state.GridColumn += advance(g);
        if (m_state.GridColumn > m_breakAfter && g.blank())
            newLine();
    }

    void finish() {
        m_state.GridRow += 3;
        m_state.FlushGrid(m_worksheet);
    }

private:
    void newLine() {
        if (m_state.GridColumn == kPunchLineStartColumn)
            return; // the line is empty already
        m_state.GridColumn = kPunchLineStartColumn;
        // The next line's blanks and numbers must fit the grid; otherwise print this band
        // (with the usual three empty rows after the numbers) and go on in a fresh one.
        if (m_state.GridRow + kPunchLineSpacing + 1 > kGridLastRow) {
            m_state.GridRow += 2;
            m_state.FlushGrid(m_worksheet);
        } else {
            m_state.GridRow += kPunchLineSpacing;
        }
    }

    const LetterNumbers& m_numbers;
    int m_blankWidth;
    std::string m_blank;
    int m_width;
    int m_breakAfter;
    GenerationState& m_state;
    Document& m_worksheet;
};

} // namespace

int PunchLineBlankWidth(const LetterNumbers& numbers) {
    // The number starts one column into its blank and should end inside it.
    int width = kNarrowestBlank;
    for (const std::string& n : numbers)
        width = std::max(width, CharacterCount(n) + 1);
    return width;
}

void WritePunchLineRow(std::string_view punchLine, const LetterNumbers& numbers, double scale,
                       Paper paper, GenerationState& state, Document& worksheet) {
    state.GridWidth = ColumnsAt(scale, paper, kPunchLineWidth, kPunchLinePoints);
    worksheet.Insert("\nThe Answer: \n");
    worksheet.SetFontSize(kPunchLinePoints * scale);
    const std::vector<Glyph> glyphs = glyphsOf(punchLine);
    RowWriter row(numbers, state.GridWidth, state, worksheet);
    for (size_t k = 0; k < glyphs.size(); ++k)
        row.place(glyphs, k);
    row.finish();
}

} // namespace abacore
