#pragma once
// The list operations of the workbench, apart from the window: reducing e-mail addresses to their
// domains, deleting duplicates and covered entries, and finding the entries that the domain
// editor offers. Entries are 8-bit bytes, compared exactly and case-sensitively, never trimmed.
// Each operation gives exactly the result of the entry-by-entry walk that the window describes to
// the user, but in (expected) linear time, so that lists of a million entries stay quick.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "lists/StringIndex.h"
#include "lists/SubstringMatcher.h"

namespace plevo {

// The text after the first "@" (it may hold further "@"); nullopt when the entry has none.
std::optional<std::string_view> domainPart(std::string_view entry);

// The safe list as a set of whole lines: a domain is safe when it equals a line exactly.
class SafeSet {
public:
    SafeSet() = default;
    explicit SafeSet(std::span<const std::string> lines);
    SafeSet(const SafeSet&) = delete;  // the index holds views of the stored lines
    SafeSet& operator=(const SafeSet&) = delete;
    SafeSet(SafeSet&&) = default;
    SafeSet& operator=(SafeSet&&) = default;

    bool contains(std::string_view line) const;
    // Adds line unless an equal line is there already; true when it was added.
    bool add(std::string_view line);
    std::size_t size() const { return lines_.size(); }

private:
    // Most domains asked about are not safe: a bit per cheap key of the safe lines (length, first
    // and last bytes) answers most of them without hashing the whole text.
    static std::size_t quickKey(std::string_view line);
    bool mayContain(std::string_view line) const {
        const std::size_t k = quickKey(line);
        return (quick_[k / 64] >> (k % 64)) & 1;
    }

    std::deque<std::string> lines_;  // a deque never moves its elements, so the views stay valid
    StringIndex index_;
    std::vector<std::uint64_t> quick_ = std::vector<std::uint64_t>(kQuickBits / 64, 0);
    static constexpr std::size_t kQuickBits = 1u << 16;
};

// What "Remove email name" turns entry into: its domain part, or nullopt when the entry stays
// (no "@", nothing after the first "@", or the domain part is a safe line). Views into entry.
std::optional<std::string_view> reduction(std::string_view entry, const SafeSet& safe);
// The same, for a caller that knows where the entry's first "@" is (npos: none).
std::optional<std::string_view> reductionAt(std::string_view entry, std::size_t at,
                                            const SafeSet& safe);

// "Remove email name" without confirmations: every entry that has a reduction is replaced by it,
// in place; the number of entries never changes. Returns how many entries were replaced.
std::size_t reduceAll(std::vector<std::string>& entries, std::span<const std::string> safeLines);

// "Del Duplicate Names": removes the entries equal to a safe line, every later copy of an entry,
// and every address whose domain part is listed as an entry of its own (before or after it),
// with the order effects of the pairwise walk; empty entries are dropped too. The rest keep
// their order.
void deleteDuplicates(std::vector<std::string>& entries, std::span<const std::string> safeLines);
// The same on views: the positions of the entries that are left, ascending.
std::vector<std::uint32_t> entriesLeftByDeleteDuplicates(std::span<const std::string_view> entries,
                                                         std::span<const std::string> safeLines);

// The shortened domain the editor proposes: the text after the first full stop, when that text
// is not empty and itself holds a full stop; nullopt otherwise. Views into entry.
std::optional<std::string_view> editProposal(std::string_view entry);

// The proposal for entry when the editor offers it: it has a proposal and no safe line occurs in
// it. The caller adds a line to safeLines when the user appends one to the safe list.
std::optional<std::string_view> editOffer(std::string_view entry,
                                          const SubstringMatcher& safeLines);

struct EditOffer {
    std::size_t index;          // position in the list, from 0
    std::string_view entry;     // the entry as it stands
    std::string_view proposal;  // a view into the entry
};

// Every entry the editor offers when each offer is answered "Do not update" (the safe list then
// never changes), in list order.
std::vector<EditOffer> listEditOffers(std::span<const std::string> entries,
                                      std::span<const std::string> safeLines);

}  // namespace plevo
