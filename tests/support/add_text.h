#pragma once
// Building test documents in one line per run.

#include "document/document.h"

#include <string>
#include <string_view>

namespace abacore {

// Inserts text in the font and size with the styles named in `style`: b, i, u.
inline void Add(Document& d, const std::string& font, double size, std::string_view style,
                const std::string& text, Alignment alignment = Alignment::Left, Rgb colour = {}) {
    auto has = [&](char c) { return style.find(c) != std::string_view::npos; };
    d.setCurrentFormat({font, size, has('b'), has('i'), has('u'), colour});
    d.SetAlignment(alignment);
    d.Insert(text);
}

// A worksheet in miniature: centred heading, an empty line of another size, a grid row kept with
// the next line, with an underlined cell and a tab, a box line in the OEM font on a line of
// exact height, a coloured right-aligned last line.
inline Document SampleSheet(const std::string& heading) {
    Document d;
    d.setTabStops({0, 15, 30, 45});
    Add(d, "Arial", 18, "b", heading + "\n", Alignment::Centre);
    Add(d, "Arial", 14, "", "\n", Alignment::Centre);
    d.SetKeepWithNext(true);
    Add(d, "Courier New", 10.5, "i", "  1)  35");
    Add(d, "Courier New", 10.5, "iu", "+ 17");
    Add(d, "Courier New", 10.5, "", "\t=\n");
    d.SetKeepWithNext(false);
    d.SetLineHeight(11.5);
    Add(d, "Terminal", 10.5, "", "\xE2\x94\x82\n");
    d.SetLineHeight(0);
    Add(d, "Odd Font", 10.5, "", "end", Alignment::Right, {255, 0, 0});
    return d;
}

} // namespace abacore
