#pragma once
// The lines a generator printed, for checking grid layouts by column. The two characters
// beyond ASCII that grids hold (the division sign and the box line) become "/" and "|", so
// that a byte's index is its column less one.

#include <string>
#include <utility>
#include <vector>

template <typename Document> std::vector<std::string> PrintedLines(const Document& document) {
    std::string text = document.plainText();
    for (const auto& [from, to] : {std::pair<std::string, std::string>{"\u00F7", "/"},
                                   std::pair<std::string, std::string>{"\u2502", "|"}}) {
        for (size_t at; (at = text.find(from)) != std::string::npos;)
            text.replace(at, from.size(), to);
    }
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t lf; (lf = text.find('\n', start)) != std::string::npos; start = lf + 1)
        lines.push_back(text.substr(start, lf - start));
    if (start < text.size())
        lines.push_back(text.substr(start));
    return lines;
}

inline std::string TrimRight(const std::string& s) {
    return s.substr(0, s.find_last_not_of(' ') + 1);
}

// Each paragraph's text with its underlined runs in brackets, and "_" when its line break is
// underlined.
template <typename Document> std::vector<std::string> UnderlinedShape(const Document& document) {
    std::vector<std::string> out;
    for (const auto& p : document.paragraphs()) {
        std::string s;
        for (const auto& r : p.runs)
            s += r.format.underline ? "[" + r.text + "]" : r.text;
        out.push_back(s + (p.endFormat.underline ? "_" : ""));
    }
    return out;
}
