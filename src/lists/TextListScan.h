#pragma once
// Finds the entries of a text list file in its bytes, for a whole text or for one read piece by
// piece (see TextList.h for the line ends).

#include <cstdint>
#include <cstring>
#include <string_view>

namespace plevo {

namespace textlist_detail {

// Whether any of the eight bytes of word is a CR or an LF (the usual test for a zero byte, on
// the word xor each of them).
inline bool holdsBreak(std::uint64_t word) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ull;
    const auto zeroIn = [](std::uint64_t x) { return (x - kOnes) & ~x & (0x80 * kOnes); };
    return (zeroIn(word ^ ('\r' * kOnes)) | zeroIn(word ^ ('\n' * kOnes))) != 0;
}

}  // namespace textlist_detail

struct EntryScan {
    std::size_t used = 0;        // bytes whose entries were given, line ends included
    bool endsWithBreak = false;  // when final: the text ends with a break after its last entry
};

// Calls add(entry) for every entry of bytes in order. When final is false more bytes may
// follow: an entry is given only once its line end is certain (a CR at the very end may be
// the start of CR LF), and the bytes from the first entry not given on are left unused.
template <typename Add>
EntryScan scanEntries(std::string_view bytes, bool final, Add&& add) {
    const char* const data = bytes.data();
    const std::size_t n = bytes.size();
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < n) {
        // Entries are long and breaks rare: skip eight bytes at a time while none is a break.
        std::uint64_t word;
        while (i + 8 <= n && (std::memcpy(&word, data + i, 8), !textlist_detail::holdsBreak(word)))
            i += 8;
        while (i < n && data[i] != '\r' && data[i] != '\n') ++i;
        if (i == n) break;
        const char c = data[i];
        if (c == '\r' && i + 1 == n && !final) break;
        add(bytes.substr(start, i - start));
        // CR LF is one line end; LF CR is two (an empty entry lies between them).
        i += (c == '\r' && i + 1 < n && data[i + 1] == '\n') ? 2 : 1;
        start = i;
    }
    if (!final) return {start, false};
    if (start < n) {
        add(bytes.substr(start));
        return {n, false};
    }
    return {n, n > 0};
}

}  // namespace plevo
