#pragma once
// Finds the entries of a text list file in its bytes, for a whole text or for one read piece by
// piece (see TextList.h for the line ends).

#include <bit>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <utility>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace plevo {

namespace textlist_detail {

// The bytes of a block of 64 that matter to the scan, one bit per byte (bit k: byte k).
struct BlockMasks {
    std::uint64_t breaks = 0;  // CR or LF
    std::uint64_t marks = 0;   // the Mark byte
};

static_assert(std::endian::native == std::endian::little, "a word's first byte is its lowest");

// BlockMasks of 64 bytes at data, eight at a time in plain integer arithmetic.
template <char Mark>
BlockMasks blockMasksPortable(const char* data) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ull;
    constexpr std::uint64_t kLow7 = 0x7f7f7f7f7f7f7f7full;
    // The high bit of each byte of word that equals c, and of no other byte.
    const auto equal = [](std::uint64_t word, unsigned char c) {
        const std::uint64_t x = word ^ (c * kOnes);
        return ~(((x & kLow7) + kLow7) | x | kLow7);
    };
    // The high bits of the eight bytes gathered into the eight low bits (byte k's into bit k).
    const auto gather = [](std::uint64_t highs) {
        return static_cast<std::uint64_t>(((highs >> 7) * 0x0102040810204080ull) >> 56);
    };
    BlockMasks m;
    for (int w = 0; w < 8; ++w) {
        std::uint64_t word;
        std::memcpy(&word, data + 8 * w, 8);
        m.breaks |= gather(equal(word, '\r') | equal(word, '\n')) << (8 * w);
        if constexpr (Mark != '\0') m.marks |= gather(equal(word, Mark)) << (8 * w);
    }
    return m;
}

#if defined(__SSE2__)
template <char Mark>
BlockMasks blockMasksSse2(const char* data) {
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    const __m128i mark = _mm_set1_epi8(Mark);
    BlockMasks m;
    for (int q = 0; q < 4; ++q) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + 16 * q));
        const auto bits = [](__m128i eq) {
            return static_cast<std::uint64_t>(static_cast<std::uint16_t>(_mm_movemask_epi8(eq)));
        };
        m.breaks |= bits(_mm_or_si128(_mm_cmpeq_epi8(v, cr), _mm_cmpeq_epi8(v, lf))) << (16 * q);
        if constexpr (Mark != '\0') m.marks |= bits(_mm_cmpeq_epi8(v, mark)) << (16 * q);
    }
    return m;
}
#endif

template <char Mark>
BlockMasks blockMasks(const char* data) {
#if defined(__SSE2__)
    return blockMasksSse2<Mark>(data);
#else
    return blockMasksPortable<Mark>(data);
#endif
}

// BlockMasks of the block at data + base; a block the text ends in is read through a copy with
// zero bytes after the end, which are neither breaks nor marks.
template <char Mark>
BlockMasks blockAt(const char* data, std::size_t n, std::size_t base) {
    if (n - base >= 64) return blockMasks<Mark>(data + base);
    char tail[64] = {};
    std::memcpy(tail, data + base, n - base);
    return blockMasks<Mark>(tail);
}

}  // namespace textlist_detail

struct EntryScan {
    std::size_t used = 0;        // bytes whose entries were given, line ends included
    bool endsWithBreak = false;  // when final: the text ends with a break after its last entry
};

namespace textlist_detail {

// The scan of scanEntries; with a Mark byte it also finds the first Mark of each entry in the
// same pass and gives its offset in the entry (npos: none) as add's second argument.
// The text is read in blocks of 64 bytes, each turned into bit masks of its breaks and marks;
// an entry then costs a few bit operations, however its bytes fall into blocks.
template <char Mark, typename Add>
EntryScan scan(std::string_view bytes, bool final, Add&& add) {
    constexpr std::size_t npos = std::string_view::npos;
    const char* const data = bytes.data();
    const std::size_t n = bytes.size();
    std::size_t start = 0;  // where the entry being read begins
    std::size_t mark = npos;
    std::size_t base = 0;  // the block whose masks are at hand; bits before start are cleared
    BlockMasks block = n > 0 ? blockAt<Mark>(data, n, 0) : BlockMasks{};
    // To the next block; false past the end of the text.
    const auto nextBlock = [&] {
        base += 64;
        if (base >= n) return false;
        block = blockAt<Mark>(data, n, base);
        return true;
    };
    const auto give = [&](std::string_view entry) {
        if constexpr (Mark != '\0')
            add(entry, mark);
        else
            add(entry);
        mark = npos;
    };
    bool more = true;
    while (true) {
        // To the block with the entry's line end, noting the first mark on the way.
        while (block.breaks == 0 && more) {
            if constexpr (Mark != '\0')
                if (mark == npos && block.marks != 0)
                    mark = base + std::countr_zero(block.marks) - start;
            more = nextBlock();
        }
        if (!more) break;
        const int bit = std::countr_zero(block.breaks);
        const std::size_t i = base + bit;
        if constexpr (Mark != '\0') {
            const std::uint64_t before = block.marks & ((std::uint64_t{1} << bit) - 1);
            if (mark == npos && before != 0) mark = base + std::countr_zero(before) - start;
        }
        const char c = data[i];
        if (c == '\r' && i + 1 == n && !final) return {start, false};
        give(bytes.substr(start, i - start));
        // CR LF is one line end; LF CR is two (an empty entry lies between them).
        start = i + ((c == '\r' && i + 1 < n && data[i + 1] == '\n') ? 2 : 1);
        while (more && start - base >= 64) more = nextBlock();
        if (!more) break;
        const std::uint64_t below = (std::uint64_t{1} << (start - base)) - 1;
        block.breaks &= ~below;
        block.marks &= ~below;
    }
    if (!final) return {start, false};
    if (start < n) {
        give(bytes.substr(start));
        return {n, false};
    }
    return {n, n > 0};
}

}  // namespace textlist_detail

// How many bytes of bytes are LF: a close bound for the entries of the usual files.
inline std::size_t countLineFeeds(std::string_view bytes) {
    std::size_t count = 0;
    std::size_t i = 0;
    for (; i + 64 <= bytes.size(); i += 64)
        count += static_cast<std::size_t>(
            std::popcount(textlist_detail::blockMasks<'\n'>(bytes.data() + i).marks));
    for (; i < bytes.size(); ++i) count += bytes[i] == '\n';
    return count;
}

// Where the first line end (CR or LF) of bytes is; npos when there is none.
inline std::size_t findLineEnd(std::string_view bytes) {
    if (bytes.empty()) return std::string_view::npos;  // memchr takes no null pointer
    const void* const lf = std::memchr(bytes.data(), '\n', bytes.size());
    const std::size_t end = lf ? static_cast<const char*>(lf) - bytes.data() : bytes.size();
    const void* const cr = std::memchr(bytes.data(), '\r', end);
    if (cr) return static_cast<const char*>(cr) - bytes.data();
    return lf ? end : std::string_view::npos;
}

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
