#include "lists/SubstringMatcher.h"

#include <algorithm>

namespace plevo {

SubstringMatcher::SubstringMatcher() {
    build();
}

SubstringMatcher::SubstringMatcher(std::span<const std::string> lines) {
    assign(lines);
}

void SubstringMatcher::assign(std::span<const std::string> lines) {
    lines_.assign(lines.begin(), lines.end());
    build();
}

void SubstringMatcher::add(std::string_view line) {
    lines_.emplace_back(line);
    build();
}

std::uint32_t SubstringMatcher::child(std::uint32_t node, unsigned char byte) const {
    if (node == kRoot) return rootChild_[byte];
    const std::uint32_t first = edgeStart_[node];
    const std::uint32_t last = edgeStart_[node + 1];
    if (last - first > 8) {  // up to 256 children, in byte order
        const unsigned char* bytes = edgeByte_.data();
        const auto e =
            static_cast<std::uint32_t>(std::lower_bound(bytes + first, bytes + last, byte) - bytes);
        return e < last && edgeByte_[e] == byte ? edgeTarget_[e] : kNone;
    }
    for (std::uint32_t e = first; e < last; ++e)
        if (edgeByte_[e] == byte) return edgeTarget_[e];
    return kNone;
}

void SubstringMatcher::build() {
    std::vector<std::string_view> sorted;
    sorted.reserve(lines_.size());
    for (const auto& line : lines_)
        if (!line.empty()) sorted.emplace_back(line);
    // Sorted lines build the trie depth first, sharing each line's common prefix with the line
    // before it, and create the children of every node in ascending byte order.
    std::sort(sorted.begin(), sorted.end());

    struct Edge {
        std::uint32_t parent;
        unsigned char byte;
        std::uint32_t target;
    };
    std::vector<Edge> edges;
    std::vector<std::uint8_t> hit(1, 0);
    std::vector<std::uint32_t> path(1, kRoot);  // path[d]: node of the previous line at depth d
    std::string_view previous;
    for (const std::string_view line : sorted) {
        std::size_t common = 0;
        const std::size_t limit = std::min(line.size(), previous.size());
        while (common < limit && line[common] == previous[common]) ++common;
        path.resize(common + 1);
        for (std::size_t d = common; d < line.size(); ++d) {
            const auto node = static_cast<std::uint32_t>(hit.size());
            hit.push_back(0);
            edges.push_back({path.back(), static_cast<unsigned char>(line[d]), node});
            path.push_back(node);
        }
        hit[path.back()] = 1;
        previous = line;
    }

    const std::size_t nodes = hit.size();
    edgeStart_.assign(nodes + 1, 0);
    for (const Edge& e : edges) ++edgeStart_[e.parent + 1];
    for (std::size_t k = 0; k < nodes; ++k) edgeStart_[k + 1] += edgeStart_[k];
    edgeByte_.resize(edges.size());
    edgeTarget_.resize(edges.size());
    {
        std::vector<std::uint32_t> next(edgeStart_.begin(), edgeStart_.end() - 1);
        for (const Edge& e : edges) {  // stable, so each node's children stay in byte order
            const std::uint32_t at = next[e.parent]++;
            edgeByte_[at] = e.byte;
            edgeTarget_[at] = e.target;
        }
    }
    rootChild_.fill(kNone);
    for (std::uint32_t e = edgeStart_[kRoot]; e < edgeStart_[kRoot + 1]; ++e)
        rootChild_[edgeByte_[e]] = edgeTarget_[e];

    // Failure links breadth first: a node falls back to the longest proper suffix of its text
    // that is also in the trie, and is a hit when that suffix is.
    fail_.assign(nodes, kRoot);
    std::vector<std::uint32_t> queue;
    queue.reserve(nodes);
    queue.push_back(kRoot);
    for (std::size_t q = 0; q < queue.size(); ++q) {
        const std::uint32_t u = queue[q];
        for (std::uint32_t e = edgeStart_[u]; e < edgeStart_[u + 1]; ++e) {
            const std::uint32_t v = edgeTarget_[e];
            const unsigned char byte = edgeByte_[e];
            std::uint32_t f = kRoot;
            if (u != kRoot) {
                f = fail_[u];
                while (f != kRoot && child(f, byte) == kNone) f = fail_[f];
                const std::uint32_t t = child(f, byte);
                if (t != kNone) f = t;
            }
            fail_[v] = f;
            hit[v] = static_cast<std::uint8_t>(hit[v] | hit[f]);
            queue.push_back(v);
        }
    }
    hit_ = std::move(hit);
}

bool SubstringMatcher::occursIn(std::string_view text) const {
    std::uint32_t node = kRoot;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        std::uint32_t next = child(node, byte);
        while (next == kNone && node != kRoot) {
            node = fail_[node];
            next = child(node, byte);
        }
        node = next == kNone ? kRoot : next;
        if (hit_[node]) return true;
    }
    return false;
}

}  // namespace plevo
