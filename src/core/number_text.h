#pragma once
// The one way numbers become text on every sheet and answer key: a leading blank for a number
// that is not negative ("-" for a negative one), whole numbers without a decimal point, other
// numbers with at most 15 significant digits and no trailing zeros.

#include <string>

namespace abacore {

std::string NumberText(double value);
// NumberText without the leading blank of a non-negative number.
std::string TrimmedNumberText(double value);

// Appending forms, for building long texts without temporary strings.
void AppendNumberText(std::string& out, double value);
void AppendTrimmedNumberText(std::string& out, double value);

} // namespace abacore
