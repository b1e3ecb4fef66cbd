#pragma once
// The rich-text document that the generators write into, free of any toolkit. Everything is
// written through an insertion point with a current character format and paragraph alignment,
// as a rich-text control would be driven; the windows turn it into a QTextDocument and back,
// and the writers turn it into RTF or plain text.

#include "document/picture.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace abacore {

struct Rgb {
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;
    bool operator==(const Rgb&) const = default;
};

struct CharFormat {
    std::string fontName = "Times New Roman";
    double fontSize = 12; // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    Rgb color;
    bool operator==(const CharFormat&) const = default;
};

enum class Alignment { Left, Centre, Right };

// A stretch of text with one format, or one picture (its text empty). Never holds a line
// break: LF ends a paragraph.
struct Run {
    CharFormat format;
    std::string text; // UTF-8
    // Shared, not copied, when documents are copied: a picture can be megabytes.
    std::shared_ptr<const Picture> picture = {};
};

struct Paragraph {
    Alignment alignment = Alignment::Left;
    std::vector<Run> runs;
    // Format of the paragraph mark: it sets the height of an empty line.
    CharFormat endFormat;
    // Printed on the same page as the next paragraph, so a problem is never cut by a page end.
    bool keepWithNext = false;
    // The exact height of each line in points, for characters that must touch from line to
    // line (box-drawing lines); 0 for the height the font gives.
    double lineHeight = 0;
    // Starts a new page (a class set's next version). Never carried to the next paragraph.
    bool pageBreakBefore = false;
};

// The paragraphs as lines, a form feed before each that starts a page; `append(out, text)` adds
// each run's text (as it is, or filtered).
template <class AppendRun>
std::string JoinedLines(const std::vector<Paragraph>& paragraphs, AppendRun append) {
    std::string out;
    for (size_t i = 0; i < paragraphs.size(); ++i) {
        if (i > 0)
            out += '\n';
        if (paragraphs[i].pageBreakBefore)
            out += '\f';
        for (const Run& run : paragraphs[i].runs)
            append(out, run.text);
    }
    return out;
}

class Document {
public:
    Document();

    void Clear();
    void MoveToEnd();
    void MoveToStart();
    void SetFontName(std::string_view name) { m_format.fontName = name; }
    void SetFontSize(double points) { m_format.fontSize = points; }
    void SetBold(bool on) { m_format.bold = on; }
    void SetItalic(bool on) { m_format.italic = on; }
    void SetUnderline(bool on) { m_format.underline = on; }
    void SetAlignment(Alignment alignment);
    // Like the alignment, the setting holds for the paragraphs that the following text opens.
    void SetKeepWithNext(bool on);
    void SetLineHeight(double points);
    void Insert(std::string_view utf8);
    // Puts the picture in at the insertion point, which moves past it.
    void InsertPicture(std::shared_ptr<const Picture> picture);

    const CharFormat& currentFormat() const { return m_format; }
    void setCurrentFormat(const CharFormat& format) { m_format = format; }

    // Tab stops of every paragraph, in twips.
    const std::vector<int>& tabStops() const { return m_tabStops; }
    void setTabStops(std::vector<int> twips) { m_tabStops = std::move(twips); }

    const std::vector<Paragraph>& paragraphs() const { return m_paragraphs; }
    // Puts `other`'s paragraphs after this document's, from a new page; an empty document takes
    // them as they are. The tab stops stay this document's (or become `other`'s, when empty).
    // A footer ends the part it belongs to as its last line; `other`'s becomes the footer.
    void AppendOnNewPage(const Document& other);
    // Builds a document paragraph by paragraph (the window's edits coming back); the
    // insertion point goes to the end.
    void setParagraphs(std::vector<Paragraph> paragraphs);

    // Exactly the characters inserted, in order; paragraphs joined by LF, and a form feed
    // (U+000C) at the start of a paragraph that starts a new page.
    std::string plainText() const;
    bool isEmpty() const;

    // A line printed small at the foot of every page (the sheet's code), and written as the
    // last line of the RTF and text forms; empty for none. It is no paragraph of the document.
    const std::string& footer() const { return m_footer; }
    void setFooter(std::string footer) { m_footer = std::move(footer); }
    // The document with its footer as a last paragraph in small type (as it is when another
    // document is appended after it), and no footer.
    Document WithFooterAsLastLine() const;

private:
    void insertLine(std::string_view text); // text without LF
    void breakParagraph();
    bool atEnd() const;

    std::vector<Paragraph> m_paragraphs;
    std::vector<int> m_tabStops;
    CharFormat m_format;
    std::string m_footer;
    // Insertion point: paragraph index, and offset inside that paragraph: the bytes of its text,
    // a picture counting as one.
    size_t m_para = 0;
    size_t m_offset = 0;
};

// The stretches of a document between its page breaks, each a document of its own with the same
// tab stops and footer (the first paragraph of each no longer marked): pages can then be laid
// out one stretch at a time. One document when there is no break.
std::vector<Document> SplitAtPageBreaks(const Document& document);

} // namespace abacore
