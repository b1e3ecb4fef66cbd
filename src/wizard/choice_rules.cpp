#include "wizard/choice_rules.h"

#include "worksheet/activity_table.h"

#include <array>
#include <charconv>

namespace abacore {

namespace {

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::optional<int64_t> wholeNumber(std::string_view text) {
    text = trimmed(text);
    int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size() ||
        value < -999'999'999'999'999 || value > 999'999'999'999'999)
        return std::nullopt;
    return value;
}

constexpr std::array<std::string_view, 3> kRegroupingWords{"any", "never", "always"};

} // namespace

ChoicesOffered ChoicesFor(const WorksheetRequest& request) {
    ChoicesOffered offered;
    if (!RowOf(request.ActivityType).takesChoices)
        return offered;
    offered.any = true;
    const auto has = [&](Skill skill) {
        return request.MixedSkills ? request.isChecked(skill) : request.SkillMode == skill;
    };
    offered.regrouping = has(Skill::Addition) || has(Skill::Subtraction);
    offered.facts = has(Skill::Multiplication) || has(Skill::Division);
    return offered;
}

void DropChoicesNotOffered(WorksheetRequest& request) {
    const ChoicesOffered offered = ChoicesFor(request);
    ProblemChoices& c = request.Choices;
    if (!offered.any)
        c = ProblemChoices{};
    if (!offered.regrouping)
        c.regrouping = Regrouping::Any;
    if (!offered.facts)
        c.facts = 0;
}

std::string_view RegroupingWord(Regrouping regrouping) {
    return kRegroupingWords[static_cast<size_t>(regrouping)];
}

std::optional<Regrouping> RegroupingFromWord(std::string_view word) {
    for (size_t i = 0; i < kRegroupingWords.size(); ++i)
        if (trimmed(word) == kRegroupingWords[i])
            return static_cast<Regrouping>(i);
    return std::nullopt;
}

std::optional<std::string> ApplyAnswerRange(ProblemChoices& choices, std::string_view text) {
    const auto dots = text.find("..");
    const auto low =
        dots == std::string_view::npos ? std::nullopt : wholeNumber(text.substr(0, dots));
    const auto high =
        dots == std::string_view::npos ? std::nullopt : wholeNumber(text.substr(dots + 2));
    if (!low || !high)
        return "The answer range takes two whole numbers, for example 0..20.";
    if (*low > *high)
        return "The answer range's lowest answer must not be above its highest.";
    choices.answerLimit = true;
    choices.answerMin = static_cast<double>(*low);
    choices.answerMax = static_cast<double>(*high);
    return std::nullopt;
}

std::optional<std::string> ApplyFacts(ProblemChoices& choices, std::string_view text) {
    uint16_t facts = 0;
    int given = 0;
    while (!text.empty()) {
        const auto comma = text.find(',');
        const auto item = text.substr(0, comma);
        text = comma == std::string_view::npos ? std::string_view{} : text.substr(comma + 1);
        if (trimmed(item).empty())
            continue;
        const auto value = wholeNumber(item);
        if (!value || *value < 1 || *value > 12)
            return "The facts are whole numbers from 1 to 12, for example 2,5,10.";
        ++given;
        facts = static_cast<uint16_t>(facts | (1u << (*value - 1)));
    }
    if (facts == 0)
        return "Choose at least one fact from 1 to 12, for example 2,5,10.";
    if (given > 12)
        return "Choose at most 12 facts.";
    choices.facts = facts;
    return std::nullopt;
}

std::string FactsText(uint16_t facts) {
    std::string text;
    for (int k = 1; k <= 12; ++k)
        if (facts & (1u << (k - 1)))
            text.append(text.empty() ? "" : ",").append(std::to_string(k));
    return text;
}

} // namespace abacore
