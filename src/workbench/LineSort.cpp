#include "workbench/LineSort.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>
#include <numeric>

namespace plevo {
namespace {

unsigned char fold(unsigned char c) {
    return (c >= 'a' && c <= 'z') ? c - ('a' - 'A') : c;
}

// Minimum over positions by (rank, position): the tree answers "which later line is the smallest,
// and of equal smallest the first", which is the candidate the selection sort settles on. Each
// leaf holds rank << 32 | position, so a plain minimum of the numbers gives exactly that.
class MinTree {
public:
    static constexpr std::uint64_t kDone = std::numeric_limits<std::uint64_t>::max();

    explicit MinTree(const std::vector<std::uint32_t>& rank) {
        while (size_ < rank.size()) size_ *= 2;
        node_.assign(2 * size_, kDone);
        for (std::size_t i = 0; i < rank.size(); ++i)
            node_[size_ + i] = (std::uint64_t{rank[i]} << 32) | i;
        for (std::size_t i = size_ - 1; i >= 1; --i)
            node_[i] = std::min(node_[2 * i], node_[2 * i + 1]);
    }
    void set(std::size_t pos, std::uint64_t value) {
        std::size_t i = size_ + pos;
        node_[i] = value;
        for (i /= 2; i >= 1; i /= 2) {
            const std::uint64_t m = std::min(node_[2 * i], node_[2 * i + 1]);
            if (node_[i] == m) break;  // nothing above changes
            node_[i] = m;
        }
    }
    std::uint64_t best() const { return node_[1]; }

private:
    std::size_t size_ = 1;
    std::vector<std::uint64_t> node_;
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

    // Rank the lines once. The first eight folded bytes, packed big-endian, decide most
    // comparisons without touching the strings again; only equal prefixes compare the rest.
    std::vector<std::uint64_t> prefix(n);
    for (std::size_t i = 0; i < n; ++i) {
        std::uint64_t p = 0;
        const std::string& line = lines[i];
        for (std::size_t k = 0; k < 8; ++k)
            p = (p << 8) | (k < line.size() ? fold(static_cast<unsigned char>(line[k])) : 0u);
        prefix[i] = p;
    }
    auto compare = [&](std::uint32_t a, std::uint32_t b) {
        if (prefix[a] != prefix[b]) return prefix[a] < prefix[b] ? -1 : 1;
        return compareFolded(lines[a], lines[b]);
    };
    std::vector<std::uint32_t> order(n);
    std::iota(order.begin(), order.end(), 0u);
    std::sort(order.begin(), order.end(),
              [&](std::uint32_t a, std::uint32_t b) { return compare(a, b) < 0; });
    std::vector<std::uint32_t> rankOf(n);  // rank of the line originally at each index
    std::uint32_t r = 0;
    for (std::size_t k = 0; k < n; ++k) {
        if (k > 0 && compare(order[k - 1], order[k]) != 0) ++r;
        rankOf[order[k]] = r;
    }
    prefix.clear();
    prefix.shrink_to_fit();

    // at[pos]: which original line is there now.
    std::vector<std::uint32_t> at(n);
    std::iota(at.begin(), at.end(), 0u);
    MinTree tree(rankOf);
    for (std::size_t i = 0; i + 1 < n; ++i) {
        const std::uint32_t mine = rankOf[at[i]];
        tree.set(i, MinTree::kDone);  // position i leaves the search
        const std::uint64_t best = tree.best();
        const auto p = static_cast<std::size_t>(best & 0xffffffffu);
        if ((best >> 32) < mine) {
            std::swap(at[i], at[p]);
            tree.set(p, (std::uint64_t{mine} << 32) | p);
        }
    }

    std::vector<std::string> sorted(n);
    for (std::size_t i = 0; i < n; ++i) sorted[i] = std::move(lines[at[i]]);
    lines = std::move(sorted);
}

}  // namespace plevo
