#include "document/document.h"

namespace abacore {

namespace {

// A picture takes one place, so the insertion point can stand before or after it.
size_t runLength(const Run& r) {
    return r.picture ? 1 : r.text.size();
}

size_t paragraphLength(const Paragraph& p) {
    size_t n = 0;
    for (const Run& r : p.runs)
        n += runLength(r);
    return n;
}

// Splits the runs of p at offset `at`, returning the index of the first run at or after it.
size_t splitAt(Paragraph& p, size_t at) {
    size_t pos = 0;
    for (size_t i = 0; i < p.runs.size(); ++i) {
        const size_t len = runLength(p.runs[i]);
        if (at == pos)
            return i;
        if (at < pos + len) {
            Run tail{p.runs[i].format, p.runs[i].text.substr(at - pos)};
            p.runs[i].text.resize(at - pos);
            p.runs.insert(p.runs.begin() + static_cast<std::ptrdiff_t>(i) + 1, std::move(tail));
            return i + 1;
        }
        pos += len;
    }
    return p.runs.size();
}

} // namespace

Document::Document() {
    Clear();
}

void Document::Clear() {
    m_paragraphs.assign(1, Paragraph{});
    m_paragraphs[0].endFormat = m_format;
    m_para = 0;
    m_offset = 0;
}

void Document::MoveToEnd() {
    m_para = m_paragraphs.size() - 1;
    m_offset = paragraphLength(m_paragraphs[m_para]);
}

void Document::MoveToStart() {
    m_para = 0;
    m_offset = 0;
}

bool Document::atEnd() const {
    return m_para + 1 == m_paragraphs.size() && m_offset == paragraphLength(m_paragraphs[m_para]);
}

void Document::SetAlignment(Alignment alignment) {
    m_paragraphs[m_para].alignment = alignment;
}

void Document::SetKeepWithNext(bool on) {
    m_paragraphs[m_para].keepWithNext = on;
}

void Document::SetLineHeight(double points) {
    m_paragraphs[m_para].lineHeight = points;
}

void Document::Insert(std::string_view utf8) {
    size_t start = 0;
    while (start <= utf8.size()) {
        const size_t lf = utf8.find('\n', start);
        const size_t end = lf == std::string_view::npos ? utf8.size() : lf;
        if (end > start)
            insertLine(utf8.substr(start, end - start));
        if (lf == std::string_view::npos)
            break;
        breakParagraph();
        start = lf + 1;
    }
}

void Document::insertLine(std::string_view text) {
    Paragraph& p = m_paragraphs[m_para];
    size_t index;
    if (m_para + 1 == m_paragraphs.size() && !p.runs.empty() && m_offset == paragraphLength(p))
        index = p.runs.size(); // the usual case: appending at the end
    else
        index = splitAt(p, m_offset);
    // Extend the run before the insertion point when it has the same format.
    if (index > 0 && !p.runs[index - 1].picture && p.runs[index - 1].format == m_format)
        p.runs[index - 1].text.append(text);
    else
        p.runs.insert(p.runs.begin() + static_cast<std::ptrdiff_t>(index),
                      Run{m_format, std::string(text)});
    m_offset += text.size();
    if (p.runs.empty() || m_para + 1 == m_paragraphs.size())
        p.endFormat = m_format;
}

void Document::InsertPicture(std::shared_ptr<const Picture> picture) {
    if (!picture)
        return;
    Paragraph& p = m_paragraphs[m_para];
    const size_t index = splitAt(p, m_offset);
    p.runs.insert(p.runs.begin() + static_cast<std::ptrdiff_t>(index),
                  Run{m_format, std::string(), std::move(picture)});
    ++m_offset;
}

void Document::breakParagraph() {
    Paragraph& p = m_paragraphs[m_para];
    Paragraph next;
    next.alignment = p.alignment;
    next.keepWithNext = p.keepWithNext;
    next.lineHeight = p.lineHeight;
    next.endFormat = p.endFormat;
    const size_t index = splitAt(p, m_offset);
    next.runs.assign(std::make_move_iterator(p.runs.begin() + static_cast<std::ptrdiff_t>(index)),
                     std::make_move_iterator(p.runs.end()));
    p.runs.erase(p.runs.begin() + static_cast<std::ptrdiff_t>(index), p.runs.end());
    p.endFormat = m_format;
    if (next.runs.empty() && m_para + 1 == m_paragraphs.size())
        next.endFormat = m_format;
    m_paragraphs.insert(m_paragraphs.begin() + static_cast<std::ptrdiff_t>(m_para) + 1,
                        std::move(next));
    ++m_para;
    m_offset = 0;
}

void Document::setParagraphs(std::vector<Paragraph> paragraphs) {
    m_paragraphs = std::move(paragraphs);
    if (m_paragraphs.empty())
        m_paragraphs.emplace_back();
    MoveToEnd();
}

Document Document::WithFooterAsLastLine() const {
    Document out = *this;
    out.m_footer.clear();
    if (m_footer.empty())
        return out;
    out.MoveToEnd();
    out.m_format = CharFormat{};
    out.SetFontSize(8);
    out.Insert("\n");
    out.SetAlignment(Alignment::Left);
    out.SetKeepWithNext(false);
    out.SetLineHeight(0);
    out.Insert(m_footer);
    return out;
}

void Document::AppendOnNewPage(const Document& other) {
    if (!m_footer.empty())
        *this = WithFooterAsLastLine();
    m_footer = other.m_footer;
    if (isEmpty()) {
        m_paragraphs = other.m_paragraphs;
        m_tabStops = other.m_tabStops;
    } else {
        const size_t first = m_paragraphs.size();
        m_paragraphs.insert(m_paragraphs.end(), other.m_paragraphs.begin(),
                            other.m_paragraphs.end());
        m_paragraphs[first].pageBreakBefore = true;
    }
    MoveToEnd();
}

std::string Document::plainText() const {
    return JoinedLines(m_paragraphs,
                       [](std::string& out, const std::string& text) { out += text; });
}

bool Document::isEmpty() const {
    return m_paragraphs.size() == 1 && m_paragraphs[0].runs.empty();
}

std::vector<Document> SplitAtPageBreaks(const Document& document) {
    std::vector<Document> parts;
    const std::vector<Paragraph>& paragraphs = document.paragraphs();
    size_t start = 0;
    for (size_t i = 1; i <= paragraphs.size(); ++i) {
        if (i < paragraphs.size() && !paragraphs[i].pageBreakBefore)
            continue;
        std::vector<Paragraph> part(paragraphs.begin() + static_cast<std::ptrdiff_t>(start),
                                    paragraphs.begin() + static_cast<std::ptrdiff_t>(i));
        part.front().pageBreakBefore = false;
        Document& piece = parts.emplace_back();
        piece.setTabStops(document.tabStops());
        piece.setParagraphs(std::move(part));
        piece.setFooter(document.footer());
        start = i;
    }
    return parts;
}

} // namespace abacore
