#include "lists/ListOperations.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <stdexcept>

#include "lists/BothCores.h"

namespace plevo {

std::optional<std::string_view> domainPart(std::string_view entry) {
    const std::size_t at = entry.find('@');
    if (at == std::string_view::npos) return std::nullopt;
    return entry.substr(at + 1);
}

SafeSet::SafeSet(std::span<const std::string> lines) : index_(lines.size()) {
    for (const auto& line : lines) add(line);
}

std::size_t SafeSet::quickKey(std::string_view line) {
    // Fixed-size loads only: the first and last eight bytes (overlapping in a short line), four
    // in a line shorter than eight, single bytes below that.
    const char* p = line.data();
    const std::size_t n = line.size();
    std::uint64_t head = 0;
    std::uint64_t tail = 0;
    if (n >= 8) {
        std::memcpy(&head, p, 8);
        std::memcpy(&tail, p + n - 8, 8);
    } else if (n >= 4) {
        std::uint32_t a = 0;
        std::uint32_t b = 0;
        std::memcpy(&a, p, 4);
        std::memcpy(&b, p + n - 4, 4);
        head = a;
        tail = b;
    } else if (n > 0) {
        head = static_cast<unsigned char>(p[0]) | static_cast<unsigned char>(p[n / 2]) << 8 |
               static_cast<unsigned char>(p[n - 1]) << 16;
    }
    const std::uint64_t mixed = (head * 0x9E3779B97F4A7C15ull) ^ (tail * 0xC2B2AE3D27D4EB4Full) ^
                                (n * 0x165667B19E3779F9ull);
    return static_cast<std::size_t>(mixed >> 48) % kQuickBits;
}

bool SafeSet::contains(std::string_view line) const {
    return mayContain(line) && index_.find(line) != StringIndex::kNone;
}

bool SafeSet::add(std::string_view line) {
    if (contains(line)) return false;
    index_.intern(lines_.emplace_back(line));
    const std::size_t k = quickKey(line);
    quick_[k / 64] |= std::uint64_t{1} << (k % 64);
    return true;
}

std::optional<std::string_view> reduction(std::string_view entry, const SafeSet& safe) {
    return reductionAt(entry, entry.find('@'), safe);
}

std::optional<std::string_view> reductionAt(std::string_view entry, std::size_t at,
                                            const SafeSet& safe) {
    if (at == std::string_view::npos || at + 1 == entry.size()) return std::nullopt;
    const std::string_view domain = entry.substr(at + 1);
    if (safe.contains(domain)) return std::nullopt;
    return domain;
}

std::size_t reduceAll(std::vector<std::string>& entries, std::span<const std::string> safeLines) {
    // Without confirmations nothing is ever added to the safe list, so one set serves the walk.
    const SafeSet safe(safeLines);
    std::size_t replaced = 0;
    for (auto& entry : entries) {
        if (const auto domain = reduction(entry, safe)) {
            entry.erase(0, entry.size() - domain->size());
            ++replaced;
        }
    }
    return replaced;
}

namespace {

// Below this many entries a second thread costs more than it saves.
constexpr std::size_t kBothCores = 100'000;

// Entry indices grouped by a key (a text id), ascending within each group.
class Groups {
public:
    Groups(const std::vector<std::uint32_t>& keyOf, std::size_t groups) : start_(groups + 1, 0) {
        for (const std::uint32_t k : keyOf)
            if (k != StringIndex::kNone) ++start_[k + 1];
        for (std::size_t g = 0; g < groups; ++g) start_[g + 1] += start_[g];
        items_.resize(start_[groups]);
        cursor_.assign(start_.begin(), start_.end() - 1);
        for (std::size_t i = 0; i < keyOf.size(); ++i)
            if (keyOf[i] != StringIndex::kNone) items_[cursor_[keyOf[i]]++] = std::uint32_t(i);
        cursor_.assign(start_.begin(), start_.end() - 1);
    }

    std::span<const std::uint32_t> all(std::uint32_t g) const {
        return {items_.data() + start_[g], items_.data() + start_[g + 1]};
    }

    // Each group is read from a cursor that only moves forward: the walk asks about indices
    // after its own position, which only grows, and a removed entry never comes back.
    std::uint32_t& cursor(std::uint32_t g) { return cursor_[g]; }
    std::uint32_t end(std::uint32_t g) const { return start_[g + 1]; }
    std::uint32_t item(std::uint32_t at) const { return items_[at]; }

private:
    std::vector<std::uint32_t> start_;
    std::vector<std::uint32_t> items_;
    std::vector<std::uint32_t> cursor_;
};

}  // namespace

// The walk this reproduces compares every entry E[i] with every later entry E[j], in order:
//   1. E[j] equal to E[i] is removed;
//   2. E[i] is removed when its domain part D (taken before the comparisons start) equals E[j];
//   3. E[j] is removed when its domain part equals E[i].
// A removed entry is an empty text that every later test sees. An empty E[i] can only "remove"
// entries that are empty already, and while E[i] is still there, rules 1 and 3 remove exactly
// the later copies of E[i] and the addresses of domain E[i], up to the first later entry equal
// to D; there rule 2 removes E[i], which from then on removes nothing. Only entries before that
// entry are tested against E[i] (and those entries are not changed by the tests before them), so
// each step of the walk is: find the next entry equal to D, remove the copies and addresses of
// E[i] before it, and remove E[i] when it exists. Entries are grouped by text and by domain part
// with forward-only cursors, so every index is passed over a bounded number of times.
std::vector<std::uint32_t> entriesLeftByDeleteDuplicates(std::span<const std::string_view> entries,
                                                         std::span<const std::string> safeLines) {
    const std::size_t n = entries.size();
    if (n >= StringIndex::kNone) throw std::length_error("list too long");

    StringIndex texts(n);
    std::vector<std::uint32_t> textOf(n);
    texts.internEach(
        n,
        [&](std::size_t i) -> std::optional<std::string_view> {
            if (entries[i].empty()) return std::nullopt;
            return entries[i];
        },
        textOf.data());
    // Only a domain part that is itself the text of an entry can cover anything. Looking up
    // changes nothing, so long lists look up their two halves at once.
    std::vector<std::uint32_t> domainOf(n);
    const auto findDomains = [&](std::size_t from, std::size_t to) {
        texts.findEach(
            to - from,
            [&](std::size_t k) -> std::optional<std::string_view> {
                const auto domain = domainPart(entries[from + k]);
                if (!domain || domain->empty()) return std::nullopt;
                return domain;
            },
            domainOf.data() + from);
    };
    if (n >= kBothCores)
        runBoth([&] { findDomains(0, n / 2); }, [&] { findDomains(n / 2, n); });
    else
        findDomains(0, n);
    std::vector<std::uint8_t> removed(n, 0);
    for (std::size_t i = 0; i < n; ++i)
        if (textOf[i] == StringIndex::kNone) removed[i] = 1;  // empty entries go
    std::optional<Groups> byText;
    std::optional<Groups> byDomain;
    const auto groupTexts = [&] { byText.emplace(textOf, texts.size()); };
    const auto groupDomains = [&] { byDomain.emplace(domainOf, texts.size()); };
    if (n >= kBothCores)
        runBoth(groupTexts, groupDomains);
    else
        groupTexts(), groupDomains();

    // The safe list wins first: entries equal to a safe line are gone before any comparison.
    for (const auto& line : safeLines) {
        const std::uint32_t t = line.empty() ? StringIndex::kNone : texts.find(line);
        if (t == StringIndex::kNone) continue;
        for (const std::uint32_t j : byText->all(t)) removed[j] = 1;
    }

    for (std::uint32_t i = 0; i < n; ++i) {
        if (removed[i]) continue;
        std::uint32_t stop = static_cast<std::uint32_t>(n);  // first later entry equal to D
        if (const std::uint32_t d = domainOf[i]; d != StringIndex::kNone) {
            std::uint32_t& c = byText->cursor(d);
            while (c < byText->end(d) && (byText->item(c) <= i || removed[byText->item(c)])) ++c;
            if (c < byText->end(d)) stop = byText->item(c);
        }
        for (Groups* group : {&*byText, &*byDomain}) {
            const std::uint32_t g = textOf[i];
            std::uint32_t& c = group->cursor(g);
            while (c < group->end(g) && group->item(c) <= i) ++c;
            while (c < group->end(g) && group->item(c) < stop) removed[group->item(c++)] = 1;
        }
        if (stop < n) removed[i] = 1;
    }

    std::vector<std::uint32_t> left;
    left.reserve(static_cast<std::size_t>(std::count(removed.begin(), removed.end(), 0)));
    for (std::uint32_t i = 0; i < n; ++i)
        if (!removed[i]) left.push_back(i);
    return left;
}

void deleteDuplicates(std::vector<std::string>& entries, std::span<const std::string> safeLines) {
    const std::vector<std::string_view> views(entries.begin(), entries.end());
    const std::vector<std::uint32_t> left = entriesLeftByDeleteDuplicates(views, safeLines);
    std::size_t kept = 0;
    for (const std::uint32_t i : left) {
        if (kept != i) entries[kept] = std::move(entries[i]);  // a self-move would empty it
        ++kept;
    }
    entries.resize(kept);
}

std::optional<std::string_view> editProposal(std::string_view entry) {
    const std::size_t stop = entry.find('.');
    if (stop == std::string_view::npos) return std::nullopt;
    const std::string_view tail = entry.substr(stop + 1);
    if (tail.find('.') == std::string_view::npos) return std::nullopt;  // also when empty
    return tail;
}

std::optional<std::string_view> editOffer(std::string_view entry,
                                          const SubstringMatcher& safeLines) {
    const auto proposal = editProposal(entry);
    if (!proposal || safeLines.occursIn(entry)) return std::nullopt;
    return proposal;
}

std::vector<EditOffer> listEditOffers(std::span<const std::string> entries,
                                      std::span<const std::string> safeLines) {
    const SubstringMatcher safe(safeLines);
    std::vector<EditOffer> offers;
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (const auto proposal = editOffer(entries[i], safe))
            offers.push_back({i, entries[i], *proposal});
    return offers;
}

}  // namespace plevo
