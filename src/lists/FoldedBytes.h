#pragma once
// Eight bytes at a time under the folded byte order: a-z turned into A-Z, the first byte the
// most significant, so that comparing two words compares their bytes in order.

#include <bit>
#include <cstdint>
#include <cstring>

namespace plevo {

inline std::uint64_t bigEndianWord(const char* bytes) {
    std::uint64_t word;
    std::memcpy(&word, bytes, sizeof word);
    if constexpr (std::endian::native == std::endian::little) word = __builtin_bswap64(word);
    return word;
}

// Subtracts 0x20 from every byte in 'a'..'z'; the sums stay below 0x100 in every byte, so no
// byte carries into the next.
inline std::uint64_t foldedWord(std::uint64_t word) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ull;
    const std::uint64_t low7 = word & (0x7F * kOnes);
    const std::uint64_t fromA = low7 + (0x80 - 'a') * kOnes;      // top bit: byte >= 'a'
    const std::uint64_t pastZ = low7 + (0x80 - 'z' - 1) * kOnes;  // top bit: byte > 'z'
    const std::uint64_t lower = fromA & ~pastZ & ~word & (0x80 * kOnes);
    return word - (lower >> 2);
}

}  // namespace plevo
