#include "clipart/picture_pattern.h"

#include "worksheet/utf8.h"

#include <algorithm>
#include <vector>

namespace abacore {

namespace {

char32_t Folded(char32_t c) {
    return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c;
}

std::vector<char32_t> CodePoints(std::string_view utf8) {
    std::vector<char32_t> out;
    out.reserve(utf8.size());
    for (size_t at = 0; at < utf8.size();)
        out.push_back(Folded(NextCodePoint(utf8, at)));
    return out;
}

// Wildcard matching without recursion: on a mismatch, the last '*' takes one more character.
// Each step moves the text forward or ends, so the work is at most text times wildcard length.
bool MatchesWildcard(const std::vector<char32_t>& name, const std::vector<char32_t>& wildcard) {
    size_t n = 0, w = 0;
    size_t starAt = std::string_view::npos, starName = 0;
    while (n < name.size()) {
        if (w < wildcard.size() && (wildcard[w] == '?' || wildcard[w] == name[n])) {
            ++n;
            ++w;
        } else if (w < wildcard.size() && wildcard[w] == '*') {
            starAt = w++;
            starName = n;
        } else if (starAt != std::string_view::npos) {
            w = starAt + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (w < wildcard.size() && wildcard[w] == '*')
        ++w;
    return w == wildcard.size();
}

} // namespace

std::string_view PicturePattern(PictureOpener opener) {
    if (opener == PictureOpener::Worksheet)
        return "*.bmp";
    return "*.jpg;*.bmp;*.wmf;*.gif;*.emf;*.ico;*.cur;*.dib";
}

bool MatchesPattern(std::string_view fileName, std::string_view pattern) {
    const std::vector<char32_t> name = CodePoints(fileName);
    size_t start = 0;
    while (start <= pattern.size()) {
        const size_t end = std::min(pattern.find(';', start), pattern.size());
        const std::string_view wildcard = pattern.substr(start, end - start);
        if (!wildcard.empty() && MatchesWildcard(name, CodePoints(wildcard)))
            return true;
        start = end + 1;
    }
    return false;
}

} // namespace abacore
