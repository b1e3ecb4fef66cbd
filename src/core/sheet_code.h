#pragma once
// The sheet code's letters: 115 bits written as 23 symbols of base 32 (0-9 and the letters but
// I, L, O and U, which look like others or spell words), a 24th symbol that checks them, shown
// in six groups of four: "7Q2M-K0PD-...". The dashes only help the eye: a teacher types 24
// characters, and may leave them out. Read back in any
// letter case, I and L as 1, O as 0, spaces and dashes anywhere. The check is the sum of the
// symbols weighted by powers of a primitive element of GF(32), so any one symbol typed wrong,
// and any two neighbours swapped, is caught. What the bits mean is sheet_code_request.h's.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace abacore {

inline constexpr int kSheetCodeSymbols = 24; // the check symbol last
inline constexpr int kSheetCodeBits = 5 * (kSheetCodeSymbols - 1);

// The code's bits, written and read most significant first.
class SheetCodeBits {
public:
    // Writes the low `width` bits of `value` (width 0 to 64); false, writing nothing, when they
    // do not fit in what remains.
    bool put(uint64_t value, int width);
    // Reads `width` bits; 0 for bits past the end (a reader checks remaining() first).
    uint64_t get(int width);
    // A whole number written short when small: its bit length in `lengthWidth` bits, then the
    // bits below its leading one.
    bool putNumber(uint64_t value, int lengthWidth);

    int written() const { return m_size; }
    int remaining() const { return kSheetCodeBits - (m_reading ? m_read : m_size); }

    // The code in its groups, unused bits zero.
    std::string text() const;
    // The bits of a typed code; nothing when it is not 24 symbols of the alphabet or its check
    // fails.
    static std::optional<SheetCodeBits> FromText(std::string_view typed);

private:
    std::array<uint8_t, kSheetCodeBits> m_bits{};
    int m_size = 0;
    int m_read = 0;
    bool m_reading = false;
};

// A short checksum of a text (an FNV-1a hash folded to `width` bits, at most 32): two different
// data files or riddles share one only by chance, 1 in 2^width.
uint32_t ShortChecksum(std::string_view bytes, int width);

} // namespace abacore
