#include "worksheet/style_option.h"

#include <algorithm>
#include <cctype>

namespace abacore {

namespace {

std::string Lowered(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return text;
}

} // namespace

std::optional<std::string> StyleRefusal(const WorksheetRequest& request, int16_t style) {
    if (request.MixedSkills && style == StyleBit::kBracket)
        return kBracketAloneRefusal;
    return std::nullopt;
}

std::optional<std::string> ApplyStyleOption(WorksheetRequest& request, std::string_view list) {
    int16_t style = 0;
    while (!list.empty()) {
        const size_t comma = list.find(',');
        const std::string item = Lowered(Trimmed(list.substr(0, comma)));
        list = comma == std::string_view::npos ? std::string_view{} : list.substr(comma + 1);
        if (item.empty())
            continue;
        if (item == "bracket" || item == "bracketed")
            style |= StyleBit::kBracket;
        else if (item == "horizontal")
            style |= StyleBit::kHorizontal;
        else if (item == "vertical")
            style |= StyleBit::kVertical;
        else if (item == "missing" && RowOf(request.ActivityType).missingLayout)
            style |= StyleBit::kMissing;
        else if (item == "missing")
            return "The missing-number layout is for the skills sheet only.";
        else
            return "Unknown style \"" + item + "\". Use bracket, horizontal, vertical or missing.";
    }
    if (style == 0)
        return "Please choose at least one style: bracket, horizontal or vertical.";
    if ((style & StyleBit::kBracket) && !request.isChecked(Skill::Division))
        return "The bracket style is offered only for division: add div to --skills or choose "
               "another style.";
    if (auto refusal = StyleRefusal(request, style))
        return refusal;
    request.ProblemStyle = style;
    return std::nullopt;
}

} // namespace abacore
