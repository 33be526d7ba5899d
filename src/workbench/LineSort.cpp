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
// and of equal smallest the first", which is the candidate the selection sort settles on.
class MinTree {
public:
    explicit MinTree(const std::vector<std::uint32_t>& rank) : rank_(rank) {
        while (size_ < rank.size()) size_ *= 2;
        node_.assign(2 * size_, kNone);
        for (std::size_t i = 0; i < rank.size(); ++i)
            node_[size_ + i] = static_cast<std::uint32_t>(i);
        for (std::size_t i = size_ - 1; i >= 1; --i)
            node_[i] = better(node_[2 * i], node_[2 * i + 1]);
    }
    void refresh(std::size_t pos) {
        std::size_t i = (size_ + pos) / 2;
        while (i >= 1) {
            node_[i] = better(node_[2 * i], node_[2 * i + 1]);
            i /= 2;
        }
    }
    std::uint32_t best() const { return node_[1]; }
    static constexpr std::uint32_t kNone = std::numeric_limits<std::uint32_t>::max();

private:
    std::uint32_t better(std::uint32_t a, std::uint32_t b) const {
        if (a == kNone) return b;
        if (b == kNone) return a;
        if (rank_[a] != rank_[b]) return rank_[a] < rank_[b] ? a : b;
        return a < b ? a : b;
    }
    const std::vector<std::uint32_t>& rank_;
    std::size_t size_ = 1;
    std::vector<std::uint32_t> node_;
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

    std::vector<std::string> keys(n);
    for (std::size_t i = 0; i < n; ++i) keys[i] = upperCaseAZ(lines[i]);
    std::vector<std::uint32_t> order(n);
    std::iota(order.begin(), order.end(), 0u);
    // Folded keys compare as unsigned bytes, which is what string_view's compare does.
    std::sort(order.begin(), order.end(),
              [&](std::uint32_t a, std::uint32_t b) { return keys[a] < keys[b]; });
    std::vector<std::uint32_t> rankOf(n);  // rank of the line originally at each index
    std::uint32_t r = 0;
    for (std::size_t k = 0; k < n; ++k) {
        if (k > 0 && keys[order[k]] != keys[order[k - 1]]) ++r;
        rankOf[order[k]] = r;
    }
    keys.clear();
    keys.shrink_to_fit();

    // rank[pos]: rank of the line now at pos; at[pos]: which original line is there.
    std::vector<std::uint32_t> rank = rankOf;
    std::vector<std::uint32_t> at(n);
    std::iota(at.begin(), at.end(), 0u);
    const std::uint32_t kDone = std::numeric_limits<std::uint32_t>::max();
    MinTree tree(rank);
    for (std::size_t i = 0; i + 1 < n; ++i) {
        const std::uint32_t mine = rank[i];
        rank[i] = kDone;  // position i leaves the search
        tree.refresh(i);
        const std::uint32_t p = tree.best();
        if (rank[p] < mine) {
            std::swap(at[i], at[p]);
            rank[p] = mine;
            tree.refresh(p);
        }
    }

    std::vector<std::string> sorted(n);
    for (std::size_t i = 0; i < n; ++i) sorted[i] = std::move(lines[at[i]]);
    lines = std::move(sorted);
}

}  // namespace plevo
