#pragma once
// Whole-number helpers that the feasibility checks and the layouts share.

#include <cmath>
#include <cstdint>

namespace abacore {

// The largest range bound whose draws are counted exactly: fifteen digits, as many as a number
// text shows.
inline constexpr double kLargestWholeBound = 999'999'999'999'999.0;

inline bool IsWhole(double x) {
    return std::isfinite(x) && x == std::trunc(x);
}

// A range bound the counts can take: whole, and no larger than kLargestWholeBound.
inline bool IsWholeBound(double v) {
    return IsWhole(v) && std::fabs(v) <= kLargestWholeBound;
}

// a / b rounded down and rounded up, whatever the signs (b not 0).
inline int64_t FloorDiv(int64_t a, int64_t b) {
    const int64_t q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

inline int64_t CeilDiv(int64_t a, int64_t b) {
    return -FloorDiv(-a, b);
}

} // namespace abacore
