#include "core/sheet_code.h"

#include <bit>

namespace abacore {

namespace {

constexpr std::string_view kAlphabet = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";

// The value of a typed character, with the look-alikes read as the digits they resemble.
int SymbolValue(char c) {
    if (c >= 'a' && c <= 'z')
        c = static_cast<char>(c - 'a' + 'A');
    if (c == 'I' || c == 'L')
        c = '1';
    else if (c == 'O')
        c = '0';
    const size_t at = kAlphabet.find(c);
    return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

// GF(32) with x^5 + x^2 + 1, whose root x (2) is primitive: its powers are never 0 or 1.
int Times(int a, int b) {
    int product = 0;
    for (; b; b >>= 1) {
        if (b & 1)
            product ^= a;
        a <<= 1;
        if (a & 32)
            a ^= 0x25;
    }
    return product;
}

int CheckOf(const std::array<int, kSheetCodeSymbols>& symbols) {
    int check = 0;
    int weight = 2;
    for (int i = 0; i + 1 < kSheetCodeSymbols; ++i) {
        check ^= Times(weight, symbols[static_cast<size_t>(i)]);
        weight = Times(weight, 2);
    }
    return check;
}

} // namespace

bool SheetCodeBits::put(uint64_t value, int width) {
    if (width < 0 || width > 64 || width > remaining())
        return false;
    for (int i = width - 1; i >= 0; --i)
        m_bits[static_cast<size_t>(m_size++)] = static_cast<uint8_t>((value >> i) & 1);
    return true;
}

uint64_t SheetCodeBits::get(int width) {
    uint64_t value = 0;
    for (int i = 0; i < width; ++i) {
        value <<= 1;
        if (m_read < kSheetCodeBits)
            value |= m_bits[static_cast<size_t>(m_read++)];
    }
    return value;
}

bool SheetCodeBits::putNumber(uint64_t value, int lengthWidth) {
    const int length = std::bit_width(value);
    if (length >= (1 << lengthWidth))
        return false;
    return put(static_cast<uint64_t>(length), lengthWidth) &&
           (length == 0 || put(value, length - 1));
}

std::string SheetCodeBits::text() const {
    std::array<int, kSheetCodeSymbols> symbols{};
    for (size_t i = 0; i < m_bits.size(); ++i)
        symbols[i / 5] = symbols[i / 5] << 1 | m_bits[i];
    symbols.back() = CheckOf(symbols);
    std::string out;
    for (size_t i = 0; i < symbols.size(); ++i) {
        if (i > 0 && i % 4 == 0)
            out += '-';
        out += kAlphabet[static_cast<size_t>(symbols[i])];
    }
    return out;
}

std::optional<SheetCodeBits> SheetCodeBits::FromText(std::string_view typed) {
    std::array<int, kSheetCodeSymbols> symbols{};
    size_t count = 0;
    for (const char c : typed) {
        if (c == '-' || c == ' ')
            continue;
        const int value = SymbolValue(c);
        if (value < 0 || count == symbols.size())
            return std::nullopt;
        symbols[count++] = value;
    }
    if (count != symbols.size() || CheckOf(symbols) != symbols.back())
        return std::nullopt;
    SheetCodeBits bits;
    for (size_t i = 0; i < bits.m_bits.size(); ++i)
        bits.m_bits[i] = static_cast<uint8_t>((symbols[i / 5] >> (4 - i % 5)) & 1);
    bits.m_size = kSheetCodeBits;
    bits.m_reading = true;
    return bits;
}

uint32_t ShortChecksum(std::string_view bytes, int width) {
    uint32_t hash = 2166136261u;
    for (const char c : bytes)
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    hash ^= hash >> 16;
    return width >= 32 ? hash : hash & ((1u << width) - 1);
}

} // namespace abacore
