#pragma once
// The program's one source of random numbers, uniform in [0, 1) with single precision.
// Problems re-seed it from the clock before each problem; the clock is mixed into the running
// state rather than replacing it, so two problems made within one clock tick still differ.
// A fixed seed switches the clock off, which makes every output reproducible.

#include <cstdint>
#include <optional>

namespace abacore {

class RandomSource {
public:
    RandomSource(); // seeded from the clock
    explicit RandomSource(uint64_t seed);

    void ReseedFromClock();
    float Next();

private:
    uint64_t nextBits();

    uint64_t m_state = 0;
    std::optional<uint64_t> m_fixedSeed;
};

// A seed no earlier run is likely to have drawn, below 2^bits (bits 1 to 64): a sheet made from
// it is recorded by it, so it must fit in the sheet's code.
uint64_t FreshSeed(int bits);

} // namespace abacore
