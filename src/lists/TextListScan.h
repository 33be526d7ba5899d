#pragma once
// Finds the entries of a text list file in its bytes, for a whole text or for one read piece by
// piece (see TextList.h for the line ends).

#include <bit>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <utility>

namespace plevo {

namespace textlist_detail {

constexpr std::uint64_t kOnes = 0x0101010101010101ull;
static_assert(std::endian::native == std::endian::little, "a word's first byte is its lowest");

// The high bit of each byte of word that equals c, exact for the lowest such byte (a byte above
// it may be flagged wrongly, so only the lowest flag is used). Bytes are read little-endian.
inline std::uint64_t bytesEqual(std::uint64_t word, unsigned char c) {
    const std::uint64_t x = word ^ (c * kOnes);
    return (x - kOnes) & ~x & (0x80 * kOnes);
}

// The offset of the byte the lowest flag of mask marks.
inline std::size_t firstFlagged(std::uint64_t mask) {
    return static_cast<std::size_t>(std::countr_zero(mask)) / 8;
}

}  // namespace textlist_detail

struct EntryScan {
    std::size_t used = 0;        // bytes whose entries were given, line ends included
    bool endsWithBreak = false;  // when final: the text ends with a break after its last entry
};

namespace textlist_detail {

// The scan of scanEntries; with a Mark byte it also finds the first Mark of each entry in the
// same pass and gives its offset in the entry (npos: none) as add's second argument.
template <char Mark, typename Add>
EntryScan scan(std::string_view bytes, bool final, Add&& add) {
    constexpr std::size_t npos = std::string_view::npos;
    const char* const data = bytes.data();
    const std::size_t n = bytes.size();
    std::size_t start = 0;
    std::size_t i = 0;
    std::size_t mark = npos;
    const auto give = [&](std::string_view entry) {
        if constexpr (Mark != '\0')
            add(entry, mark);
        else
            add(entry);
        mark = npos;
    };
    while (i < n) {
        // Eight bytes at a time up to the next break; the bytes after the last whole word one by
        // one.
        bool found = false;
        while (i + 8 <= n) {
            std::uint64_t word;
            std::memcpy(&word, data + i, 8);
            const std::uint64_t breaks = bytesEqual(word, '\r') | bytesEqual(word, '\n');
            if constexpr (Mark != '\0') {
                if (mark == npos) {
                    const std::uint64_t marks = bytesEqual(word, Mark);
                    if (marks != 0 && (breaks == 0 || firstFlagged(marks) < firstFlagged(breaks)))
                        mark = i + firstFlagged(marks) - start;
                }
            }
            if (breaks != 0) {
                i += firstFlagged(breaks);
                found = true;
                break;
            }
            i += 8;
        }
        while (!found && i < n && data[i] != '\r' && data[i] != '\n') {
            if constexpr (Mark != '\0')
                if (mark == npos && data[i] == Mark) mark = i - start;
            ++i;
        }
        if (i == n) break;
        const char c = data[i];
        if (c == '\r' && i + 1 == n && !final) break;
        give(bytes.substr(start, i - start));
        // CR LF is one line end; LF CR is two (an empty entry lies between them).
        i += (c == '\r' && i + 1 < n && data[i + 1] == '\n') ? 2 : 1;
        start = i;
    }
    if (!final) return {start, false};
    if (start < n) {
        give(bytes.substr(start));
        return {n, false};
    }
    return {n, n > 0};
}

}  // namespace textlist_detail

// Calls add(entry) for every entry of bytes in order. When final is false more bytes may
// follow: an entry is given only once its line end is certain (a CR at the very end may be
// the start of CR LF), and the bytes from the first entry not given on are left unused.
template <typename Add>
EntryScan scanEntries(std::string_view bytes, bool final, Add&& add) {
    return textlist_detail::scan<'\0'>(bytes, final, std::forward<Add>(add));
}

// As scanEntries, calling add(entry, at) with the offset of the entry's first Mark byte
// (std::string_view::npos when it has none).
template <char Mark, typename Add>
EntryScan scanEntriesMarking(std::string_view bytes, bool final, Add&& add) {
    static_assert(Mark != '\0' && Mark != '\r' && Mark != '\n');
    return textlist_detail::scan<Mark>(bytes, final, std::forward<Add>(add));
}

}  // namespace plevo
