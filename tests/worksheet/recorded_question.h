#pragma once
// A question as the generators record it for the pupil ("12 ÷ 3 =", "12 + 3") read back into
// its numbers and sign, so that a test can work its answer out for itself.

#include <cmath>
#include <sstream>
#include <string>

struct RecordedQuestion {
    double first = 0, second = 0;
    std::string sign; // "+", "-", "x" or "÷"

    // A quotient without its remainder.
    double value() const {
        return sign == "+"   ? first + second
               : sign == "-" ? first - second
               : sign == "x" ? first * second
                             : std::trunc(first / second);
    }
    bool divides() const { return sign != "\u00F7" || std::fmod(first, second) == 0; }
};

inline RecordedQuestion ReadQuestion(const std::string& text) {
    RecordedQuestion q;
    std::istringstream(text) >> q.first >> q.sign >> q.second;
    return q;
}
