#pragma once
// The style screen's rules: which styles are offered, the live samples, and the one refusal.

#include "core/worksheet_request.h"
#include "worksheet/style_option.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace abacore {

namespace StyleText {
inline constexpr const char* kCaption = "Choose Presentation Style";
inline constexpr const char* kPrompt = "Choose presentation style(s):";
// Index = box: bracketed, horizontal, vertical, missing number.
inline constexpr std::array<const char*, 4> kNames = {"Bracketed", "Horizontal", "Vertical",
                                                      "Missing number"};
inline constexpr const char* kRefusalTitle = "Hey!"; // over StyleRefusal's text
} // namespace StyleText

// The sample problem of each style, drawn with the sign of the representative skill.
struct StyleSamples {
    std::string bracketed;
    std::string horizontal;
    std::string vertical; // "   12      + 3": shown in a narrow box, it wraps into two lines
    std::string missing;  // "12+___=15"
};

// The skill whose sign the samples use: the chosen skill; with mixed skills division if chosen,
// else addition if chosen, else subtraction.
Skill RepresentativeSkill(const WorksheetRequest& request);
StyleSamples SampleTexts(const WorksheetRequest& request);

// The bracketed (long-division) style is offered only when division was chosen.
bool OffersBracket(const WorksheetRequest& request);

// The missing-number layout is offered where the activity has it.
bool OffersMissing(const WorksheetRequest& request);

// ProblemStyle for the ticked boxes (bracketed, horizontal, vertical, missing number).
int16_t ProblemStyleOf(const std::array<bool, 4>& ticked);

} // namespace abacore
