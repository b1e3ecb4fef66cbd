#include "core/random_source.h"

#include <atomic>
#include <chrono>
#include <random>

namespace abacore {

namespace {

uint64_t clockTicks() {
    return static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
           static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

// SplitMix64 finaliser: spreads every input bit over the whole word.
uint64_t mix(uint64_t z) {
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

} // namespace

RandomSource::RandomSource() : m_state(mix(clockTicks())) {}

RandomSource::RandomSource(uint64_t seed) : m_state(mix(seed)), m_fixedSeed(seed) {}

void RandomSource::ReseedFromClock() {
    if (m_fixedSeed)
        return;
    m_state = mix(m_state ^ clockTicks());
}

uint64_t RandomSource::nextBits() {
    m_state += 0x9e3779b97f4a7c15ULL;
    return mix(m_state);
}

uint64_t FreshSeed(int bits) {
    // The clock alone repeats across machines started alike: the system's randomness is mixed
    // in once (opening the device takes longer than making a sheet), and a running count keeps
    // two seeds drawn within one clock tick apart.
    static std::atomic<uint64_t> state{[] {
        std::random_device device;
        return uint64_t{device()} << 32 | device();
    }()};
    const uint64_t drawn = mix(state.fetch_add(0x9e3779b97f4a7c15ULL) ^ clockTicks());
    return bits >= 64 ? drawn : drawn >> (64 - bits);
}

float RandomSource::Next() {
    // 24 random bits: every float of this form lies in [0, 1) exactly.
    return static_cast<float>(nextBits() >> 40) * (1.0f / 16777216.0f);
}

} // namespace abacore
