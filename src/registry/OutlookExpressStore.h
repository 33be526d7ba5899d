#pragma once
// Where the mail client keeps an identity's Blocked Senders lists and mail rules, and the reads
// and writes of those lists, over RegistryAccess.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "registry/RegistryAccess.h"

namespace plevo {

inline constexpr std::string_view kIdentitiesKey = "Identities";
inline constexpr std::string_view kUserNameValue = "Username";
inline constexpr std::string_view kOutlookExpressSuffix =
    "\\Software\\Microsoft\\Outlook Express\\5.0";
inline constexpr std::string_view kCriteriaKey = "Criteria";
inline constexpr std::string_view kOrderValue = "Order";
inline constexpr std::string_view kEntryValue = "Value";

enum class BlockList { Mail, News };

// "Mail" or "News".
std::string_view blockListKind(BlockList list);

// "Identities\" + the identity's key name.
std::string identityKeyPath(std::string_view identityKeyName);
// identity key path + "\Software\Microsoft\Outlook Express\5.0\Block Senders".
std::string blockSendersPath(std::string_view identityPath);
// ... + "\Mail" or "\News".
std::string blockListPath(std::string_view identityPath, BlockList list);
// list key path + "\Criteria".
std::string criteriaPath(std::string_view listPath);
// identity key path + "\Software\Microsoft\Outlook Express\5.0\Rules\Mail".
std::string rulesMailPath(std::string_view identityPath);

struct Identity {
    std::string keyName;   // e.g. "{...}"
    std::string keyPath;   // "Identities\{...}"
    std::string userName;  // "Username", empty when missing
};

// The subkeys of "Identities" whose name contains "{", in enumeration order, with their user
// names; none when there is no "Identities" key. A "Username" of another type raises
// RegistryError. Leaves no key open.
std::optional<std::vector<Identity>> findIdentities(RegistryAccess& registry);

// Whether the key at path has a subkey named exactly name (the registry itself would find any
// letter case).
bool hasSubkeyNamedExactly(RegistryAccess& registry, std::string_view path, std::string_view name);

// The entry keys of a list in the order of its lines. The registry enumerates names in text
// order, which puts "1000" .. "100F" between "100" and "101": when every name is a hexadecimal
// number, the keys go by that number (equal numbers as enumerated), which for names of three
// digits is the enumeration order itself. Any other name leaves the enumeration order.
std::vector<std::string> entryKeysInListOrder(std::vector<std::string> enumerated);

// The "Value" of every entry key of a Criteria key, in the order of entryKeysInListOrder; an
// entry key without "Value" gives an empty entry. Leaves no key open.
std::vector<std::string> readListEntries(RegistryAccess& registry,
                                         std::string_view criteriaKeyPath);
// The same, appending to `entries` one by one: an error (a "Value" of another type) leaves the
// entries before it there.
void readListEntriesInto(RegistryAccess& registry, std::string_view criteriaKeyPath,
                         std::vector<std::string>& entries);

struct ListWriteResult {
    bool skipped = false;  // the Criteria key no longer exists
    std::size_t rewritten = 0;
    std::size_t created = 0;
    std::size_t deleted = 0;
    bool orderWritten = false;
};

// Writes a worked list back over the entry keys of a Criteria key: the k-th key in the order of
// entryKeysInListOrder gets line k as its "Value"; keys beyond the list are deleted with their
// subkeys; missing ones are created with "Flags" 0, "Logic" 1, "Type" 23, "Value" and
// "ValueType" 30 in that order. "Order" is written only when the number of keys changed, and
// then names the keys that hold lines 0 .. E-1, in order.
// With entry keys named by hexadecimal numbers (000 .. K-1 in particular) new keys take the
// numbers after the highest one: K, K+1, ... for 000 .. K-1, so that the list reads back in its
// order whatever its length. Keys with other names are never overwritten by a new key: new keys
// take the next free numbers whose names enumerate after the existing ones.
// A registry error ends the write where it stands; what was written stays.
ListWriteResult writeListEntries(RegistryAccess& registry, std::string_view criteriaKeyPath,
                                 const std::vector<std::string>& lines);

}  // namespace plevo
