#pragma once
// The rules of the choices that shape problems to a lesson, shared by the wizard and make:
// where each applies, and reading and showing their values.

#include "core/worksheet_request.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace abacore {

// Which choices the request's activity and skills take.
struct ChoicesOffered {
    bool any = false;        // answer range and no repeats
    bool regrouping = false; // addition or subtraction is among the skills
    bool facts = false;      // multiplication or division is among the skills
};
ChoicesOffered ChoicesFor(const WorksheetRequest& request);

// Keeps only the choices the request takes, the others at their defaults, so a choice made
// for skills later unticked cannot shape the sheet.
void DropChoicesNotOffered(WorksheetRequest& request);

// "any", "never", "always".
std::string_view RegroupingWord(Regrouping regrouping);
std::optional<Regrouping> RegroupingFromWord(std::string_view word);

// "MIN..MAX" of whole numbers (either may be negative), MIN not above MAX; stores the answer
// range or returns what is wrong.
std::optional<std::string> ApplyAnswerRange(ProblemChoices& choices, std::string_view text);

// "2,5,10": up to 12 different whole numbers from 1 to 12; stores them or says what is wrong.
std::optional<std::string> ApplyFacts(ProblemChoices& choices, std::string_view text);
// The facts as "2,5,10"; empty for none.
std::string FactsText(uint16_t facts);

} // namespace abacore
