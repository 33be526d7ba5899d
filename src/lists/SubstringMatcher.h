#pragma once
// Tells whether any of a set of lines occurs in a text as a substring (same bytes, same case).
// The domain editor asks this of every entry against the whole safe list, which may hold
// thousands of lines, so the lines are compiled into one automaton (Aho-Corasick) that reads
// each text once instead of searching it for every line in turn.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace plevo {

class SubstringMatcher {
public:
    SubstringMatcher();
    explicit SubstringMatcher(std::span<const std::string> lines);

    // Replaces the lines and rebuilds.
    void assign(std::span<const std::string> lines);
    // Adds one line and rebuilds: for a line appended to the safe list while a walk goes on.
    void add(std::string_view line);

    // True when a non-empty line occurs in text. An empty line occurs nowhere.
    bool occursIn(std::string_view text) const;

private:
    static constexpr std::uint32_t kNone = 0xFFFFFFFFu;
    static constexpr std::uint32_t kRoot = 0;

    void build();
    std::uint32_t child(std::uint32_t node, unsigned char byte) const;

    std::vector<std::string> lines_;
    // The trie: children of node k are edges edgeStart_[k] .. edgeStart_[k + 1], by byte.
    std::vector<std::uint32_t> edgeStart_;
    std::vector<unsigned char> edgeByte_;
    std::vector<std::uint32_t> edgeTarget_;
    // Most bytes of a text lead back to the root, so its moves are a direct table.
    std::array<std::uint32_t, 256> rootChild_{};
    std::vector<std::uint32_t> fail_;
    // A node is a hit when a line ends there or at one of its suffixes.
    std::vector<std::uint8_t> hit_;
};

}  // namespace plevo
