#include "clipart/picture_pattern.h"

#include "core/utf8.h"

#include <algorithm>
#include <utility>
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

std::vector<PictureType> PictureTypes(std::vector<std::string> formats) {
    std::sort(formats.begin(), formats.end());
    formats.erase(std::unique(formats.begin(), formats.end()), formats.end());
    // Formats known by more than one extension; any other is named by its own, in capitals.
    const auto nameOf = [](const std::string& format) {
        static const std::pair<std::string_view, std::string_view> kSpellings[] = {
            {"jpg", "JPEG"},  {"jpeg", "JPEG"}, {"tif", "TIFF"},
            {"tiff", "TIFF"}, {"svg", "SVG"},   {"svgz", "SVG"},
        };
        for (const auto& [extension, name] : kSpellings)
            if (format == extension)
                return std::string(name);
        std::string name = format;
        for (char& c : name)
            if (c >= 'a' && c <= 'z')
                c = static_cast<char>(c - 'a' + 'A');
        return name;
    };
    std::vector<PictureType> types;
    PictureType all{"All pictures", ""};
    for (const std::string& format : formats) {
        const std::string wildcard = "*." + format;
        all.pattern += (all.pattern.empty() ? "" : ";") + wildcard;
        const std::string name = nameOf(format);
        const auto same = std::find_if(types.begin(), types.end(),
                                       [&](const PictureType& t) { return t.name == name; });
        if (same == types.end())
            types.push_back({name, wildcard});
        else
            same->pattern += ";" + wildcard;
    }
    if (types.empty())
        return types;
    std::sort(types.begin(), types.end(),
              [](const PictureType& a, const PictureType& b) { return a.name < b.name; });
    types.insert(types.begin(), std::move(all));
    return types;
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
