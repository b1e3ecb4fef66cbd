#include "document/rtf_writer.h"

#include "core/code_pages.h"

#include "core/utf8.h"
#include "document/page_setup.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <sstream>
#include <string_view>

namespace abacore {

namespace {

// The byte of `cp` in the code page whose upper half (or its start) is `high`, or 0 when the
// table lacks it.
template <size_t N> unsigned char ByteIn(const std::array<char16_t, N>& high, char32_t cp) {
    const auto at = std::find(high.begin(), high.end(), static_cast<char16_t>(cp));
    if (cp > 0xFFFF || cp == 0 || at == high.end())
        return 0;
    return static_cast<unsigned char>(0x80 + (at - high.begin()));
}

unsigned char Cp1252Byte(char32_t cp) {
    if (cp >= 0xA0 && cp <= 0xFF)
        return static_cast<unsigned char>(cp);
    return ByteIn(kCp1252High, cp);
}

unsigned char Cp437Byte(char32_t cp) {
    return ByteIn(kCp437High, cp);
}

void AppendHexByte(std::string& out, unsigned char byte) {
    static constexpr char kHexDigits[] = "0123456789abcdef";
    out += "\\'";
    out += kHexDigits[byte >> 4];
    out += kHexDigits[byte & 0x0F];
}

// \uN takes a signed 16-bit number; the byte after it is what a reader without Unicode shows.
void AppendUnicode(std::string& out, char16_t unit, unsigned char fallback) {
    out += "\\u";
    out += std::to_string(static_cast<int16_t>(unit));
    if (fallback != 0)
        AppendHexByte(out, fallback);
    else
        out += '?';
}

// The one escaping table of the writer. Text fonts use Windows-1252; a font with the OEM
// character set ("Terminal") has its bytes read as code page 437, so there every character
// beyond ASCII goes as Unicode with its code page 437 byte (e.g. U+2502 as \u9474\'b3).
// Control characters other than the tab cannot be shown and are left out.
void AppendEscaped(std::string& out, std::string_view utf8, bool oemFont) {
    size_t i = 0;
    while (i < utf8.size()) {
        const char32_t cp = NextCodePoint(utf8, i);
        switch (cp) {
        case '\\':
            out += "\\\\";
            continue;
        case '{':
            out += "\\{";
            continue;
        case '}':
            out += "\\}";
            continue;
        case '\t':
            out += "\\tab ";
            continue;
        default:
            break;
        }
        if (cp < 0x20 || cp == 0x7F)
            continue;
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (oemFont) {
            if (cp > 0xFFFF) {
                AppendUnicode(out, static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10)), 0);
                AppendUnicode(out, static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF)), 0);
            } else {
                AppendUnicode(out, static_cast<char16_t>(cp), Cp437Byte(cp));
            }
        } else if (const unsigned char b = Cp1252Byte(cp); b != 0) {
            AppendHexByte(out, b);
        } else if (cp > 0xFFFF) {
            AppendUnicode(out, static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10)), 0);
            AppendUnicode(out, static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF)), 0);
        } else {
            AppendUnicode(out, static_cast<char16_t>(cp), 0);
        }
    }
}

bool IsOemFont(std::string_view name) {
    return name == "Terminal";
}

// The family and pitch a reader falls back on when it lacks the font itself.
struct FontKind {
    std::string_view family;
    std::string_view pitch;
};

FontKind KindOfFont(std::string_view name) {
    static constexpr FontKind serif{"\\froman", "\\fprq2"};
    static constexpr FontKind fixed{"\\fmodern", "\\fprq1"};
    static constexpr FontKind sans{"\\fswiss", "\\fprq2"};
    struct Known {
        std::string_view name;
        FontKind kind;
    };
    static constexpr Known kKnown[] = {
        {"Times New Roman", serif},
        {"Times", serif},
        {"Georgia", serif},
        {"Liberation Serif", serif},
        {"DejaVu Serif", serif},
        {"Courier New", fixed},
        {"Courier", fixed},
        {"Terminal", fixed},
        {"Lucida Console", fixed},
        {"Consolas", fixed},
        {"Liberation Mono", fixed},
        {"DejaVu Sans Mono", fixed},
        {"Arial", sans},
        {"Helvetica", sans},
        {"Verdana", sans},
        {"Tahoma", sans},
        {"Liberation Sans", sans},
        {"DejaVu Sans", sans},
    };
    for (const Known& k : kKnown)
        if (k.name == name)
            return k.kind;
    return {"\\fnil", ""};
}

// The name a reader can find for a font the sheets name. The stacked cards' font is misspelt,
// and a reader that lacks a font by that name falls back on the system's default, a
// proportional font in which the cards' numbers no longer line up: some readers pick the
// fallback by the name alone, whatever family, pitch or alternative the font table gives. So
// the table names the font every reader knows and keeps the sheet's own spelling as its
// alternative.
std::string_view KnownName(std::string_view name) {
    return name == "Courrier New" ? "Courier New" : name;
}

template <typename T> size_t IndexOf(std::vector<T>& list, const T& value) {
    const auto at = std::find(list.begin(), list.end(), value);
    if (at != list.end())
        return static_cast<size_t>(at - list.begin());
    list.push_back(value);
    return list.size() - 1;
}

int HalfPoints(double points) {
    return static_cast<int>(std::lround(points * 2));
}

class RtfWriter {
public:
    RtfWriter(std::ostream& out, const Document& document, Paper paper)
        : m_out(out), m_document(document), m_page(PageSetup::PageOf(paper)) {
        for (const Paragraph& p : document.paragraphs()) {
            for (const Run& r : p.runs)
                addToTables(r.format);
            addToTables(p.endFormat);
        }
    }

    void write() {
        m_buffer.reserve(kBufferLimit + 4096);
        writeHeader();
        const auto& paragraphs = m_document.paragraphs();
        for (size_t i = 0; i < paragraphs.size(); ++i) {
            writeParagraph(paragraphs[i], i + 1 == paragraphs.size());
            if (m_buffer.size() >= kBufferLimit)
                flush();
        }
        m_buffer += "}\n";
        flush();
    }

private:
    static constexpr size_t kBufferLimit = 1 << 16;

    void addToTables(const CharFormat& format) {
        IndexOf(m_fonts, format.fontName);
        IndexOf(m_colours, format.color);
    }

    void writeHeader() {
        m_buffer += "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n{\\fonttbl";
        for (size_t i = 0; i < m_fonts.size(); ++i) {
            m_buffer += "{\\f" + std::to_string(i);
            const std::string_view known = KnownName(m_fonts[i]);
            const FontKind kind = KindOfFont(known);
            m_buffer += kind.family;
            m_buffer += IsOemFont(m_fonts[i]) ? "\\fcharset255" : "\\fcharset0";
            m_buffer += kind.pitch;
            m_buffer += ' ';
            AppendEscaped(m_buffer, known, false);
            if (known != m_fonts[i]) {
                m_buffer += "{\\*\\falt ";
                AppendEscaped(m_buffer, m_fonts[i], false);
                m_buffer += '}';
            }
            m_buffer += ";}";
        }
        m_buffer += "}\n{\\colortbl;";
        for (const Rgb& c : m_colours)
            m_buffer += "\\red" + std::to_string(c.r) + "\\green" + std::to_string(c.g) + "\\blue" +
                        std::to_string(c.b) + ";";
        m_buffer += "}\n";
        using namespace PageSetup;
        m_buffer += "\\paperw" + std::to_string(m_page.paperWidthTwips()) + "\\paperh" +
                    std::to_string(m_page.paperHeightTwips()) + "\\margl" +
                    std::to_string(ToTwips(kLeftMarginInches)) + "\\margr" +
                    std::to_string(ToTwips(kRightMarginInches)) + "\\margt" +
                    std::to_string(ToTwips(kTopMarginInches)) + "\\margb" +
                    std::to_string(ToTwips(kBottomMarginInches)) + "\n";
        // Readers that imitate older Word widen every blank after the first of a run (in a
        // serif font to some 0.42 em instead of 0.25) unless told not to balance narrow and
        // wide characters; the layouts lined up with blanks (the grids, the cards' gaps) need
        // the blanks at their true width.
        m_buffer += "\\dntblnsbdb\n";
        m_tabWords.clear();
        for (int twips : m_document.tabStops())
            m_tabWords += "\\tx" + std::to_string(twips);
    }

    void writeParagraph(const Paragraph& p, bool last) {
        if (p.pageBreakBefore)
            m_buffer += "\\page\n";
        m_buffer += "\\pard";
        switch (p.alignment) {
        case Alignment::Left:
            m_buffer += "\\ql";
            break;
        case Alignment::Centre:
            m_buffer += "\\qc";
            break;
        case Alignment::Right:
            m_buffer += "\\qr";
            break;
        }
        if (p.keepWithNext)
            m_buffer += "\\keepn";
        if (p.lineHeight > 0) // a negative \sl is an exact height, in twips
            m_buffer += "\\sl-" + std::to_string(std::lround(p.lineHeight * 20)) + "\\slmult0";
        m_buffer += m_tabWords;
        // Each paragraph states its whole character format, so it reads the same on its own.
        m_current = nullptr;
        for (const Run& r : p.runs) {
            if (r.picture)
                writePicture(*r.picture);
            if (r.text.empty())
                continue;
            switchTo(r.format);
            AppendEscaped(m_buffer, r.text, IsOemFont(r.format.fontName));
        }
        // The format in force at the paragraph mark gives an empty line its height.
        switchTo(p.endFormat);
        if (!last)
            m_buffer += "\\par\n";
    }

    // The image file itself, in hex as readers expect it, with its size in pixels and the size it
    // is shown at; JPEG and PNG are what Word and LibreOffice both take in a \pict group.
    void writePicture(const Picture& picture) {
        m_buffer +=
            picture.format == PictureFormat::Jpeg ? "{\\pict\\jpegblip" : "{\\pict\\pngblip";
        m_buffer += "\\picw" + std::to_string(picture.widthPixels) + "\\pich" +
                    std::to_string(picture.heightPixels) + "\\picwgoal" +
                    std::to_string(picture.widthTwips) + "\\pichgoal" +
                    std::to_string(picture.heightTwips) + "\n";
        static constexpr char kHexDigits[] = "0123456789abcdef";
        constexpr size_t kBytesPerLine = 64;
        const std::string& bytes = picture.bytes;
        for (size_t start = 0; start < bytes.size(); start += kBytesPerLine) {
            const size_t end = std::min(bytes.size(), start + kBytesPerLine);
            for (size_t i = start; i < end; ++i) {
                const auto byte = static_cast<unsigned char>(bytes[i]);
                m_buffer += kHexDigits[byte >> 4];
                m_buffer += kHexDigits[byte & 0x0F];
            }
            m_buffer += '\n';
            if (m_buffer.size() >= kBufferLimit)
                flush();
        }
        m_buffer += '}';
    }

    // Writes the control words that differ from the format in force, then the delimiter.
    void switchTo(const CharFormat& f) {
        const CharFormat* was = m_current;
        const size_t before = m_buffer.size();
        if (!was || was->fontName != f.fontName)
            m_buffer += "\\f" + std::to_string(IndexOf(m_fonts, f.fontName));
        if (!was || HalfPoints(was->fontSize) != HalfPoints(f.fontSize))
            m_buffer += "\\fs" + std::to_string(HalfPoints(f.fontSize));
        if (!was || was->bold != f.bold)
            m_buffer += f.bold ? "\\b" : "\\b0";
        if (!was || was->italic != f.italic)
            m_buffer += f.italic ? "\\i" : "\\i0";
        if (!was || was->underline != f.underline)
            m_buffer += f.underline ? "\\ul" : "\\ulnone";
        if (!was || was->color != f.color)
            m_buffer += "\\cf" + std::to_string(IndexOf(m_colours, f.color) + 1);
        if (m_buffer.size() != before)
            m_buffer += ' ';
        m_current = &f;
    }

    void flush() {
        m_out.write(m_buffer.data(), static_cast<std::streamsize>(m_buffer.size()));
        m_buffer.clear();
    }

    std::ostream& m_out;
    const Document& m_document;
    const PageSetup::Page& m_page;
    std::vector<std::string> m_fonts;
    std::vector<Rgb> m_colours;
    std::string m_tabWords;
    std::string m_buffer;
    const CharFormat* m_current = nullptr;
};

} // namespace

void WriteRtf(std::ostream& out, const Document& document, Paper paper) {
    if (!document.footer().empty()) {
        RtfWriter(out, document.WithFooterAsLastLine(), paper).write();
        return;
    }
    RtfWriter(out, document, paper).write();
}

std::string RtfText(const Document& document, Paper paper) {
    std::ostringstream out;
    WriteRtf(out, document, paper);
    return std::move(out).str();
}

} // namespace abacore
