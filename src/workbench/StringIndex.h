#pragma once
// Numbers the distinct texts of a list: an open-addressing hash table from a text to a small id.
// The list operations look up a million entries at a time, so the table stores no copies and no
// nodes: it keeps views of texts that the caller owns and that must outlive it.

#include <cstdint>
#include <string_view>
#include <vector>

namespace plevo {

class StringIndex {
public:
    static constexpr std::uint32_t kNone = 0xFFFFFFFFu;

    explicit StringIndex(std::size_t expectedTexts = 0);

    // The id of text, numbering it next (0, 1, 2, ...) when it is new.
    std::uint32_t intern(std::string_view text);
    // The id of text, or kNone when it was never interned.
    std::uint32_t find(std::string_view text) const;

    std::size_t size() const { return texts_.size(); }
    std::string_view text(std::uint32_t id) const { return texts_[id]; }

private:
    struct Slot {
        std::uint32_t hashTag = 0;  // high bits of the hash, to skip most text comparisons
        std::uint32_t id = kNone;
    };
    std::size_t slotOf(std::string_view text, std::uint64_t hash) const;
    void grow();

    std::vector<Slot> slots_;
    std::vector<std::string_view> texts_;
    std::size_t mask_ = 0;
};

}  // namespace plevo
