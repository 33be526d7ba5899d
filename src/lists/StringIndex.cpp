#include "lists/StringIndex.h"

#include <functional>

namespace plevo {
std::uint64_t StringIndex::hashOf(std::string_view text) {
    return std::hash<std::string_view>{}(text);
}

StringIndex::StringIndex(std::size_t expectedTexts) {
    // At most half full, so that linear probing stays short.
    std::size_t capacity = 16;
    while (capacity < 2 * expectedTexts) capacity *= 2;
    slots_.resize(capacity);
    mask_ = capacity - 1;
    texts_.reserve(expectedTexts);
}

// The slot that holds text, or the empty slot where it belongs.
std::size_t StringIndex::slotOf(std::string_view text, std::uint64_t hash) const {
    const std::uint16_t tag = tagOf(hash);
    const std::uint16_t size = shortSizeOf(text);
    std::size_t i = static_cast<std::size_t>(hash) & mask_;
    while (true) {
        const Slot& slot = slots_[i];
        if (slot.id == kNone ||
            (slot.hashTag == tag && slot.shortSize == size && holds(slot, text)))
            return i;
        i = (i + 1) & mask_;
    }
}

std::uint32_t StringIndex::find(std::string_view text) const {
    return slots_[slotOf(text, hashOf(text))].id;
}

std::uint32_t StringIndex::intern(std::string_view text) {
    return internHashed(text, hashOf(text));
}

std::uint32_t StringIndex::internHashed(std::string_view text, std::uint64_t hash) {
    std::size_t i = slotOf(text, hash);
    if (slots_[i].id != kNone) return slots_[i].id;
    if (2 * (texts_.size() + 1) > slots_.size()) {
        grow();
        i = slotOf(text, hash);
    }
    const auto id = static_cast<std::uint32_t>(texts_.size());
    texts_.push_back(text);
    slots_[i] = Slot{text.data(), id, tagOf(hash), shortSizeOf(text)};
    return id;
}

void StringIndex::grow() {
    decltype(slots_) old(slots_.size() * 2);
    old.swap(slots_);
    mask_ = slots_.size() - 1;
    for (const Slot& slot : old) {
        if (slot.id == kNone) continue;
        std::size_t i = static_cast<std::size_t>(hashOf(texts_[slot.id])) & mask_;
        while (slots_[i].id != kNone) i = (i + 1) & mask_;
        slots_[i] = slot;
    }
}

}  // namespace plevo
