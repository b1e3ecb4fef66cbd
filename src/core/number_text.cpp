#include "core/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace abacore {

namespace {

// Whole numbers below this print every digit through an integer; larger ones go through the
// 15-digit path, which pads with zeros.
constexpr double kExactWholeLimit = 1e18;

// Fixed notation of a number rounded to 15 significant digits, trailing zeros removed.
void appendFifteenDigits(std::string& out, double value) {
    char buffer[40];
    // "-d.dddddddddddddde+XX": exactly the 15 rounded digits and the decimal exponent.
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    *result.ptr = '\0'; // for reading the exponent
    const char* p = buffer;
    if (*p == '-') {
        out += '-';
        ++p;
    }
    char digits[15];
    int count = 0;
    for (; p < result.ptr && *p != 'e'; ++p)
        if (*p != '.')
            digits[count++] = *p;
    const int exponent = std::atoi(p + 1); // p is at 'e'; atoi reads the sign
    while (count > 1 && digits[count - 1] == '0')
        --count;

    if (exponent < 0) {
        out += "0.";
        out.append(static_cast<size_t>(-exponent - 1), '0');
        out.append(digits, static_cast<size_t>(count));
        return;
    }
    const int whole = exponent + 1; // digits before the decimal point
    if (count <= whole) {
        out.append(digits, static_cast<size_t>(count));
        out.append(static_cast<size_t>(whole - count), '0');
        return;
    }
    out.append(digits, static_cast<size_t>(whole));
    out += '.';
    out.append(digits + whole, static_cast<size_t>(count - whole));
}

} // namespace

void AppendTrimmedNumberText(std::string& out, double value) {
    if (!std::isfinite(value)) {
        out += std::isnan(value) ? "NaN" : (value < 0 ? "-Infinity" : "Infinity");
        return;
    }
    if (value == std::trunc(value) && std::fabs(value) < kExactWholeLimit) {
        char buffer[24];
        const auto result =
            std::to_chars(buffer, buffer + sizeof buffer, static_cast<int64_t>(value));
        out.append(buffer, result.ptr);
        return;
    }
    appendFifteenDigits(out, value);
}

void AppendNumberText(std::string& out, double value) {
    if (!(value < 0))
        out += ' ';
    AppendTrimmedNumberText(out, value);
}

std::string NumberText(double value) {
    std::string s;
    AppendNumberText(s, value);
    return s;
}

std::string TrimmedNumberText(double value) {
    std::string s;
    AppendTrimmedNumberText(s, value);
    return s;
}

} // namespace abacore
