#include "workbench/LineSort.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <functional>
#include <limits>
#include <numeric>

namespace plevo {
namespace {

unsigned char fold(unsigned char c) {
    return (c >= 'a' && c <= 'z') ? c - ('a' - 'A') : c;
}

// The positions that hold lines of one rank, smallest first: the positions the rank had at the
// start (ascending, a slice of the ranked order) and those a swap moved a line of the rank to.
// Most ranks hold one line, so one moved position is kept in place and only further ones go
// to a heap; the walk then touches one small record per rank.
class RankPositions {
public:
    RankPositions(const std::vector<std::uint32_t>& order, const std::vector<std::uint32_t>& start)
        : order_(order), ranks_(start.size() - 1), heaps_(start.size() - 1) {
        for (std::size_t r = 0; r + 1 < start.size(); ++r)
            ranks_[r] = {start[r], start[r + 1], kNone};
    }

    std::uint32_t first(std::uint32_t rank) const {
        const Rank& r = ranks_[rank];
        std::uint32_t best = r.moved;
        if (r.next < r.end) best = std::min(best, order_[r.next]);
        const auto& heap = heaps_[rank];
        if (!heap.empty()) best = std::min(best, heap.front());
        return best;
    }
    void popFirst(std::uint32_t rank) {
        Rank& r = ranks_[rank];
        auto& heap = heaps_[rank];
        const std::uint32_t fromStart = r.next < r.end ? order_[r.next] : kNone;
        const std::uint32_t fromHeap = heap.empty() ? kNone : heap.front();
        if (fromStart <= r.moved && fromStart <= fromHeap) {
            ++r.next;
        } else if (r.moved <= fromHeap) {
            r.moved = kNone;
        } else {
            std::pop_heap(heap.begin(), heap.end(), std::greater<>());
            heap.pop_back();
        }
    }
    void add(std::uint32_t rank, std::uint32_t position) {
        Rank& r = ranks_[rank];
        if (r.moved == kNone) {
            r.moved = position;
            return;
        }
        auto& heap = heaps_[rank];
        heap.push_back(position);
        std::push_heap(heap.begin(), heap.end(), std::greater<>());
    }

private:
    static constexpr std::uint32_t kNone = std::numeric_limits<std::uint32_t>::max();
    struct Rank {
        std::uint32_t next;  // the next start position still held, in order_
        std::uint32_t end;
        std::uint32_t moved;  // one position a swap moved a line of this rank to, or kNone
    };
    const std::vector<std::uint32_t>& order_;
    std::vector<Rank> ranks_;
    std::vector<std::vector<std::uint32_t>> heaps_;  // min-heaps of further moved positions
};

}  // namespace

std::string upperCaseAZ(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(fold(static_cast<unsigned char>(c)));
    return out;
}

int compareFolded(std::string_view a, std::string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned char x = fold(static_cast<unsigned char>(a[i]));
        const unsigned char y = fold(static_cast<unsigned char>(b[i]));
        if (x != y) return x < y ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

// The selection sort walks i from the first line to the last; among the later lines it takes the
// first of the smallest, and swaps it with line i only when it is strictly smaller. Equal lines
// therefore keep or change their order depending on what is swapped past them. The same result
// comes from ranking the lines once (O(n log n)) and replaying the swaps with a tree that finds
// the first smallest later line in O(log n).
void sortBoxLines(std::vector<std::string>& lines) {
    const std::size_t n = lines.size();
    if (n < 2) return;

    // Rank the lines once. The first sixteen folded bytes, packed big-endian into two numbers,
    // decide most comparisons without touching the strings again; only equal prefixes compare
    // the rest. The keys are sorted as they are, not through an index, to stay in the cache.
    struct Key {
        std::uint64_t high;
        std::uint64_t low;
        std::uint32_t line;
        std::uint32_t size;  // the line's length, up to 17 (longer lines count as 17)
    };
    std::vector<Key> keys(n);
    for (std::size_t i = 0; i < n; ++i) {
        const std::string& text = lines[i];
        std::uint64_t words[2] = {0, 0};
        for (std::size_t k = 0; k < 16; ++k)
            words[k / 8] = (words[k / 8] << 8) |
                           (k < text.size() ? fold(static_cast<unsigned char>(text[k])) : 0u);
        keys[i] = {words[0], words[1], static_cast<std::uint32_t>(i),
                   static_cast<std::uint32_t>(std::min<std::size_t>(text.size(), 17))};
    }
    auto compare = [&](const Key& a, const Key& b) {
        if (a.high != b.high) return a.high < b.high ? -1 : 1;
        if (a.low != b.low) return a.low < b.low ? -1 : 1;
        // Equal prefixes of lines no longer than the prefix: the shorter line is the smaller.
        if (a.size <= 16 || b.size <= 16) return a.size == b.size ? 0 : (a.size < b.size ? -1 : 1);
        return compareFolded(lines[a.line], lines[b.line]);
    };
    // Equal lines in the order of their positions, so each rank's start positions ascend.
    std::sort(keys.begin(), keys.end(), [&](const Key& a, const Key& b) {
        const int c = compare(a, b);
        return c != 0 ? c < 0 : a.line < b.line;
    });
    std::vector<std::uint32_t> order(n);      // the lines in ranked order
    std::vector<std::uint32_t> rankOf(n);     // rank of the line originally at each index
    std::vector<std::uint32_t> rankStart{0};  // where each rank begins in order
    std::uint32_t r = 0;
    for (std::size_t k = 0; k < n; ++k) {
        if (k > 0 && compare(keys[k - 1], keys[k]) != 0) {
            ++r;
            rankStart.push_back(static_cast<std::uint32_t>(k));
        }
        order[k] = keys[k].line;
        rankOf[keys[k].line] = r;
    }
    keys.clear();
    keys.shrink_to_fit();
    rankStart.push_back(static_cast<std::uint32_t>(n));

    // Replay the selection sort. Position i ends up with the i-th smallest rank; the lines still
    // to place are all those at positions >= i, so the smallest rank among them is exactly that
    // one. When the line at i has it already, nothing moves; otherwise the first position that
    // holds that rank is swapped with i, and the displaced line's rank now has that position.
    std::vector<std::uint32_t> at(n);  // which original line is at each position now
    std::iota(at.begin(), at.end(), 0u);
    std::vector<std::uint32_t> rankAt = rankOf;
    RankPositions positions(order, rankStart);
    for (std::uint32_t i = 0; i < n; ++i) {
        const std::uint32_t wanted = rankOf[order[i]];
        const std::uint32_t mine = rankAt[i];
        if (mine == wanted) {
            positions.popFirst(mine);  // i is the first position of its rank
            continue;
        }
        const std::uint32_t p = positions.first(wanted);
        positions.popFirst(wanted);
        std::swap(at[i], at[p]);
        rankAt[i] = wanted;
        rankAt[p] = mine;
        positions.popFirst(mine);
        positions.add(mine, p);
    }

    std::vector<std::string> sorted(n);
    for (std::size_t i = 0; i < n; ++i) sorted[i] = std::move(lines[at[i]]);
    lines = std::move(sorted);
}

}  // namespace plevo
