#pragma once
// Numbers the distinct texts of a list: an open-addressing hash table from a text to a small id.
// The list operations look up a million entries at a time, so the table stores no copies and no
// nodes: it keeps views of texts that the caller owns and that must outlive it.

#include <cstdint>
#include <optional>
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

    // ids[i] = intern(*text(i)), or kNone where text(i) gives no text; the same for find. A long
    // list misses the cache at every look-up, so the table is fetched some texts ahead.
    template <typename TextAt>
    void internEach(std::size_t count, TextAt text, std::uint32_t* ids) {
        eachAhead(count, text, ids,
                  [&](std::string_view t, std::uint64_t hash) { return internHashed(t, hash); });
    }
    template <typename TextAt>
    void findEach(std::size_t count, TextAt text, std::uint32_t* ids) const {
        eachAhead(count, text, ids, [&](std::string_view t, std::uint64_t hash) {
            return slots_[slotOf(t, hash)].id;
        });
    }

    std::size_t size() const { return texts_.size(); }
    std::string_view text(std::uint32_t id) const { return texts_[id]; }

private:
    struct Slot {
        std::uint32_t hashTag = 0;  // high bits of the hash, to skip most text comparisons
        std::uint32_t id = kNone;
    };
    static std::uint64_t hashOf(std::string_view text);
    std::size_t slotOf(std::string_view text, std::uint64_t hash) const;
    std::uint32_t internHashed(std::string_view text, std::uint64_t hash);
    void grow();

    // Three steps ahead of the look-up of text i: the slot of text i + 2k is fetched, then the
    // stored text's view that slot names for text i + k, then that text's bytes for text i.
    template <typename TextAt, typename Use>
    void eachAhead(std::size_t count, TextAt& text, std::uint32_t* ids, Use use) const {
        constexpr std::size_t kStep = 8;
        constexpr std::size_t kRing = 4 * kStep;
        struct Pending {
            std::string_view text;
            std::uint64_t hash = 0;
            bool present = false;
        };
        Pending ring[kRing];
        const auto fetchSlot = [&](std::size_t i) {
            Pending& p = ring[i % kRing];
            const std::optional<std::string_view> t = text(i);
            p.present = t.has_value();
            if (!p.present) return;
            p.text = *t;
            p.hash = hashOf(*t);
            __builtin_prefetch(&slots_[static_cast<std::size_t>(p.hash) & mask_]);
        };
        const auto storedId = [&](std::size_t i) {
            const Pending& p = ring[i % kRing];
            if (!p.present) return kNone;
            const Slot& slot = slots_[static_cast<std::size_t>(p.hash) & mask_];
            return slot.hashTag == static_cast<std::uint32_t>(p.hash >> 32) ? slot.id : kNone;
        };
        for (std::size_t i = 0; i < count && i < 2 * kStep; ++i) fetchSlot(i);
        for (std::size_t i = 0; i < count; ++i) {
            if (i + 2 * kStep < count) fetchSlot(i + 2 * kStep);
            if (i + kStep < count)
                if (const std::uint32_t id = storedId(i + kStep); id < texts_.size())
                    __builtin_prefetch(&texts_[id]);
            if (const std::uint32_t id = storedId(i); id < texts_.size())
                __builtin_prefetch(texts_[id].data());
            const Pending& p = ring[i % kRing];
            ids[i] = p.present ? use(p.text, p.hash) : kNone;
        }
    }

    std::vector<Slot> slots_;
    std::vector<std::string_view> texts_;
    std::size_t mask_ = 0;
};

}  // namespace plevo
