#pragma once
// Building test documents in one line per run.

#include "worksheet/document.h"

#include <string>
#include <string_view>

// Inserts text in the font and size with the styles named in `style`: b, i, u.
inline void Add(Document& d, const std::string& font, double size, std::string_view style,
                Alignment alignment, const std::string& text, Rgb colour = {}) {
    auto has = [&](char c) { return style.find(c) != std::string_view::npos; };
    d.setCurrentFormat({font, size, has('b'), has('i'), has('u'), colour});
    d.SetAlignment(alignment);
    d.Insert(text);
}
