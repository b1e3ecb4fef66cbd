#pragma once
// Reading a number that the user typed into a box. Only the number at the start of the text
// counts ("12 apples" is 12); what follows it is ignored.

#include <optional>
#include <string>
#include <string_view>

namespace abacore {

// The number at the start of `text` (after blanks): optional sign, digits, an optional
// fraction and exponent. nullopt when the text does not start with a number.
std::optional<double> LeadingNumber(std::string_view text);

// The absolute value of the whole part of the leading number: the whole part rounds down,
// so -7.9 gives 8 and 12.7 gives 12. nullopt when the text does not start with a number.
std::optional<double> WholeMagnitude(std::string_view text);

// A whole, non-negative value as plain digits ("1000", never "1e+03").
std::string DigitsOf(double wholeValue);

} // namespace abacore
