#include "document/text_writer.h"

#include "core/utf8.h"

namespace abacore {

namespace {

// C0 controls but the tab, DEL and the C1 controls: typed into a heading or a name, a form feed
// would start a page of its own and an escape would drive the terminal the file is shown on.
bool IsDropped(char32_t c) {
    return (c < 0x20 && c != U'\t') || (c >= 0x7F && c <= 0x9F);
}

void AppendPrintable(std::string& out, std::string_view text) {
    for (size_t at = 0; at < text.size();) {
        const size_t start = at;
        if (!IsDropped(NextCodePoint(text, at)))
            out.append(text.substr(start, at - start));
    }
}

} // namespace

// As Document::plainText, with the runs' control characters left out: the line ends and form
// feeds are the document's own.
std::string PlainTextBytes(const Document& document) {
    std::string out = JoinedLines(document.paragraphs(), AppendPrintable);
    if (!document.footer().empty())
        AppendPrintable(out.append("\n"), document.footer());
    return out;
}

} // namespace abacore
