#include "lists/LineSort.h"

#include <algorithm>
#include <functional>
#include <limits>
#include <numeric>

#include "lists/FoldedBytes.h"
#include "lists/LineRanks.h"

namespace plevo {
namespace {

unsigned char fold(unsigned char c) {
    return (c >= 'a' && c <= 'z') ? c - ('a' - 'A') : c;
}

// The positions that hold lines of one rank, smallest first: the positions the rank had at the
// start (ascending, a slice of the ranked order) and those a swap moved a line of the rank to.
// Most ranks hold one line, so one moved position is kept in place and only further ones go
// to a heap, made for the few ranks that need one; the walk then touches one small record per
// rank.
class RankPositions {
public:
    explicit RankPositions(const LineRanks& ranks)
        : order_(ranks.order), start_(ranks.rankStart), ranks_(start_.size() - 1) {
        for (std::size_t r = 0; r + 1 < start_.size(); ++r) ranks_[r] = {start_[r], kNone, kNone};
    }

    std::uint32_t first(std::uint32_t rank) const {
        const Rank& r = ranks_[rank];
        std::uint32_t best = r.moved;
        if (r.next < start_[rank + 1]) best = std::min(best, order_[r.next]);
        if (r.heap != kNone && !heaps_[r.heap].empty()) best = std::min(best, heaps_[r.heap][0]);
        return best;
    }
    void popFirst(std::uint32_t rank) {
        Rank& r = ranks_[rank];
        const std::uint32_t fromStart = r.next < start_[rank + 1] ? order_[r.next] : kNone;
        const std::uint32_t fromHeap =
            r.heap == kNone || heaps_[r.heap].empty() ? kNone : heaps_[r.heap][0];
        if (fromStart <= r.moved && fromStart <= fromHeap) {
            ++r.next;
        } else if (r.moved <= fromHeap) {
            r.moved = kNone;
        } else {
            auto& heap = heaps_[r.heap];
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
        if (r.heap == kNone) {
            r.heap = static_cast<std::uint32_t>(heaps_.size());
            heaps_.emplace_back();
        }
        auto& heap = heaps_[r.heap];
        heap.push_back(position);
        std::push_heap(heap.begin(), heap.end(), std::greater<>());
    }

private:
    static constexpr std::uint32_t kNone = std::numeric_limits<std::uint32_t>::max();
    struct Rank {
        std::uint32_t next;   // the next start position still held, in order_
        std::uint32_t moved;  // one position a swap moved a line of this rank to, or kNone
        std::uint32_t heap;   // the rank's heap of further moved positions, or kNone
    };
    const std::vector<std::uint32_t>& order_;
    const std::vector<std::uint32_t>& start_;
    std::vector<Rank> ranks_;
    std::vector<std::vector<std::uint32_t>> heaps_;  // min-heaps
};

// Whether some rank holds lines that differ in their bytes (in case only). When none does, any
// order within a rank gives the same text, and the ranked order is the result.
bool tiesDiffer(std::span<const std::string_view> lines, const LineRanks& ranks) {
    for (std::size_t r = 0; r + 1 < ranks.rankStart.size(); ++r) {
        const std::string_view first = lines[ranks.order[ranks.rankStart[r]]];
        for (std::uint32_t k = ranks.rankStart[r] + 1; k < ranks.rankStart[r + 1]; ++k)
            if (lines[ranks.order[k]] != first) return true;
    }
    return false;
}

// Replays the selection sort on the ranks. Position i ends up with the i-th smallest rank; the
// lines still to place are all those at positions >= i, so the smallest rank among them is
// exactly that one. When the line at i has it already, nothing moves; otherwise the first
// position that holds that rank is swapped with i, and the displaced line's rank now has that
// position.
std::vector<std::uint32_t> replaySelectionSort(const LineRanks& ranks) {
    const auto n = static_cast<std::uint32_t>(ranks.order.size());
    std::vector<std::uint32_t> rankAt(n);  // the rank of the line at each position now
    for (std::uint32_t r = 0; r + 1 < ranks.rankStart.size(); ++r)
        for (std::uint32_t k = ranks.rankStart[r]; k < ranks.rankStart[r + 1]; ++k)
            rankAt[ranks.order[k]] = r;
    std::vector<std::uint32_t> at(n);  // which line is at each position now
    std::iota(at.begin(), at.end(), 0u);
    RankPositions positions(ranks);
    std::uint32_t wanted = 0;
    for (std::uint32_t i = 0; i < n; ++i) {
        while (ranks.rankStart[wanted + 1] <= i) ++wanted;
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
    return at;
}

}  // namespace

std::string upperCaseAZ(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(fold(static_cast<unsigned char>(c)));
    return out;
}

int compareFolded(std::string_view a, std::string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    std::size_t i = 0;
    for (; i + 8 <= n; i += 8) {
        const std::uint64_t x = foldedWord(bigEndianWord(a.data() + i));
        const std::uint64_t y = foldedWord(bigEndianWord(b.data() + i));
        if (x != y) return x < y ? -1 : 1;
    }
    for (; i < n; ++i) {
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
// comes from ranking the lines once (O(n log n)) and replaying the swaps rank by rank.
std::vector<std::uint32_t> boxLineOrder(std::span<const std::string_view> lines) {
    if (lines.size() < 2) return std::vector<std::uint32_t>(lines.size(), 0);
    LineRanks ranks = rankLines(lines);
    if (!tiesDiffer(lines, ranks)) return std::move(ranks.order);
    return replaySelectionSort(ranks);
}

void sortBoxLines(std::vector<std::string>& lines) {
    std::vector<std::string_view> views(lines.begin(), lines.end());
    const std::vector<std::uint32_t> order = boxLineOrder(views);
    std::vector<std::string> sorted(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) sorted[i] = std::move(lines[order[i]]);
    lines = std::move(sorted);
}

}  // namespace plevo
