#pragma once
// Numbers the distinct texts of a list: an open-addressing hash table from a text to a small id.
// The list operations look up a million entries at a time, so the table stores no copies and no
// nodes: it keeps views of texts that the caller owns and that must outlive it.

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/LargeTableAllocator.h"

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
    // A slot holds where its text starts, so that a look-up reaches the bytes without going
    // through texts_, and enough of the hash and the length to skip most comparisons.
    struct Slot {
        const char* data = nullptr;
        std::uint32_t id = kNone;
        std::uint16_t hashTag = 0;    // tagOf(the hash)
        std::uint16_t shortSize = 0;  // the length, kLongSize for any of kLongSize or more
    };
    static constexpr std::uint16_t kLongSize = 0xFFFF;
    static std::uint16_t shortSizeOf(std::string_view text) {
        return static_cast<std::uint16_t>(std::min<std::size_t>(text.size(), kLongSize));
    }
    // The top 16 bits of the hash, which is as wide as std::size_t (32 bits on 32-bit Windows).
    static std::uint16_t tagOf(std::uint64_t hash) {
        return static_cast<std::uint16_t>(hash >> (8 * sizeof(std::size_t) - 16));
    }
    // Whether the text in slot is text, its tag and short size known to match.
    bool holds(const Slot& slot, std::string_view text) const {
        if (slot.shortSize == kLongSize) return texts_[slot.id] == text;
        return text.empty() || std::memcmp(slot.data, text.data(), text.size()) == 0;
    }
    static std::uint64_t hashOf(std::string_view text);
    std::size_t slotOf(std::string_view text, std::uint64_t hash) const;
    std::uint32_t internHashed(std::string_view text, std::uint64_t hash);
    void grow();

    // Two steps ahead of the look-up of text i: the slot of text i + k is fetched, then the bytes
    // of the text that slot names for text i + k/2.
    template <typename TextAt, typename Use>
    void eachAhead(std::size_t count, TextAt& text, std::uint32_t* ids, Use use) const {
        constexpr std::size_t kStep = 8;
        constexpr std::size_t kRing = 2 * kStep;
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
        // The bytes of the text in text i's first slot, when that may be text i.
        const auto storedText = [&](std::size_t i) -> const char* {
            const Pending& p = ring[i % kRing];
            if (!p.present) return nullptr;
            const Slot& slot = slots_[static_cast<std::size_t>(p.hash) & mask_];
            return slot.hashTag == tagOf(p.hash) ? slot.data : nullptr;
        };
        for (std::size_t i = 0; i < count && i < kStep; ++i) fetchSlot(i);
        for (std::size_t i = 0; i < count; ++i) {
            if (i + kStep < count) fetchSlot(i + kStep);
            if (const char* stored = storedText(i + kStep / 2 < count ? i + kStep / 2 : i))
                __builtin_prefetch(stored);
            const Pending& p = ring[i % kRing];
            ids[i] = p.present ? use(p.text, p.hash) : kNone;
        }
    }

    std::vector<Slot, LargeTableAllocator<Slot>> slots_;
    std::vector<std::string_view> texts_;
    std::size_t mask_ = 0;
};

}  // namespace plevo
