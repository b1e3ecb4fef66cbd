#include "worksheet/editing_tools.h"

#include <algorithm>

namespace abacore {

const std::array<NamedColour, 4>& FontColourChoices() {
    static const std::array<NamedColour, 4> colours{{
        {"Black", {0, 0, 0}},
        {"Blue", {0, 0, 255}},
        {"Red", {255, 0, 0}},
        {"Green", {0, 255, 0}},
    }};
    return colours;
}

std::optional<size_t> FontColourIndex(Rgb colour) {
    const auto& colours = FontColourChoices();
    for (size_t i = 0; i < colours.size(); ++i)
        if (colours[i].rgb == colour)
            return i;
    return std::nullopt;
}

std::vector<int> FontSizeChoices() {
    std::vector<int> sizes;
    for (int points = 8; points <= 72; points += 2)
        sizes.push_back(points);
    return sizes;
}

std::optional<int> TypedFontSize(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return std::nullopt;
    text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
    int points = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        points = points * 10 + (c - '0');
        if (points > kLargestFontSize)
            return std::nullopt;
    }
    if (points < kSmallestFontSize)
        return std::nullopt;
    return points;
}

std::string FontSizeMessage() {
    return "The font size must be a whole number from " + std::to_string(kSmallestFontSize) +
           " to " + std::to_string(kLargestFontSize) + ".";
}

namespace {

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Font names match whatever their letter case, as the system's font look-up does.
bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return Lower(x) == Lower(y); });
}

bool ComesBefore(std::string_view a, std::string_view b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return Lower(x) < Lower(y); });
}

// "C059 [urw]" -> "C059": the foundry's tag that tells same-named families apart.
std::string_view PlainFamily(std::string_view name) {
    if (name.size() > 2 && name.back() == ']') {
        const size_t open = name.rfind(" [");
        if (open != std::string_view::npos && open > 0)
            return name.substr(0, open);
    }
    return name;
}

bool Listed(const std::vector<std::string>& names, std::string_view name) {
    return std::any_of(names.begin(), names.end(),
                       [name](const std::string& listed) { return SameName(listed, name); });
}

} // namespace

std::vector<std::string> FontNameChoices(const std::vector<std::string>& systemFamilies) {
    std::vector<std::string> names;
    for (const std::string& family : systemFamilies) {
        const std::string_view plain = PlainFamily(family);
        if (!Listed(names, plain))
            names.emplace_back(plain);
    }
    for (std::string_view documentFont :
         {std::string_view("Courier New"), std::string_view("Times New Roman")}) {
        if (Listed(names, documentFont))
            continue;
        const auto place =
            std::find_if(names.begin(), names.end(), [documentFont](const std::string& listed) {
                return ComesBefore(documentFont, listed);
            });
        names.emplace(place, documentFont);
    }
    return names;
}

} // namespace abacore
