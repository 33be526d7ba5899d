#include "registry/OutlookExpressStore.h"

#include <algorithm>
#include <optional>
#include <unordered_set>

#include "registry/KeyNames.h"
#include "registry/RegistryTree.h"

namespace plevo {

namespace {

std::string join(std::string_view a, std::string_view b) {
    std::string path(a);
    path += b;
    return path;
}

std::string child(std::string_view path, std::string_view name) {
    std::string out(path);
    out += '\\';
    out += name;
    return out;
}

// The number a key name stands for when it is one: hexadecimal digits of either case, few
// enough significant ones that the numbers after it cannot overflow.
std::optional<std::size_t> hexNumber(std::string_view name) {
    constexpr std::size_t kMaxSignificant = sizeof(std::size_t) * 2 - 1;
    if (name.empty()) return std::nullopt;
    std::size_t value = 0;
    std::size_t significant = 0;
    for (const char c : name) {
        std::size_t digit = 0;
        if (c >= '0' && c <= '9')
            digit = static_cast<std::size_t>(c - '0');
        else if (c >= 'A' && c <= 'F')
            digit = static_cast<std::size_t>(c - 'A' + 10);
        else if (c >= 'a' && c <= 'f')
            digit = static_cast<std::size_t>(c - 'a' + 10);
        else
            return std::nullopt;
        if (value != 0 || digit != 0) ++significant;
        if (significant > kMaxSignificant) return std::nullopt;
        value = value * 16 + digit;
    }
    return value;
}

// The numbers of all names, in their order; none when any name is not a number.
std::optional<std::vector<std::size_t>> hexNumbers(const std::vector<std::string>& names) {
    std::vector<std::size_t> numbers;
    numbers.reserve(names.size());
    for (const std::string& name : names) {
        const auto number = hexNumber(name);
        if (!number) return std::nullopt;
        numbers.push_back(*number);
    }
    return numbers;
}

// Names for the keys of n new lines, given the existing names in list order. Numbered keys go
// on after the highest number, so the new keys come last in list order. Other names must not
// be reused (that would overwrite an entry just written), and the new keys should enumerate
// after the existing ones so that the list reads back in its order: the next numbers whose
// names are free and sort after the last existing name, or merely free ones when no number
// sorts there (a list whose keys have such names may then read back in another order, but no
// entry is lost).
std::vector<std::string> newEntryNames(const std::vector<std::string>& names, std::size_t n) {
    std::vector<std::string> fresh;
    fresh.reserve(n);
    if (const auto numbers = hexNumbers(names)) {
        const std::size_t first =
            numbers->empty() ? 0 : *std::max_element(numbers->begin(), numbers->end()) + 1;
        for (std::size_t i = 0; i < n; ++i) fresh.push_back(keyName(first + i));
        return fresh;
    }
    std::unordered_set<std::string> taken;
    std::string last;
    for (const std::string& name : names) {
        taken.insert(foldName(name));
        last = std::max(last, foldName(name));
    }
    constexpr std::size_t kSearch = 1u << 17;  // past "FFFF", the last four-digit name
    bool sortAfter = true;
    std::size_t next = names.size();
    for (std::size_t i = 0; i < n; ++i) {
        std::size_t index = next;
        while (sortAfter && index < next + kSearch &&
               (taken.contains(foldName(keyName(index))) || foldName(keyName(index)) <= last))
            ++index;
        if (!sortAfter || index == next + kSearch) {
            sortAfter = false;
            index = next;
            while (taken.contains(foldName(keyName(index)))) ++index;
        } else {
            last = foldName(keyName(index));
        }
        fresh.push_back(keyName(index));
        taken.insert(foldName(fresh.back()));
        next = index + 1;
    }
    return fresh;
}

}  // namespace

std::string_view blockListKind(BlockList list) {
    return list == BlockList::Mail ? "Mail" : "News";
}

std::string identityKeyPath(std::string_view identityKeyName) {
    return child(kIdentitiesKey, identityKeyName);
}

std::string blockSendersPath(std::string_view identityPath) {
    return join(identityPath, join(kOutlookExpressSuffix, "\\Block Senders"));
}

std::string blockListPath(std::string_view identityPath, BlockList list) {
    return child(blockSendersPath(identityPath), blockListKind(list));
}

std::string criteriaPath(std::string_view listPath) {
    return child(listPath, kCriteriaKey);
}

std::string rulesMailPath(std::string_view identityPath) {
    return join(identityPath, join(kOutlookExpressSuffix, "\\Rules\\Mail"));
}

std::optional<std::vector<Identity>> findIdentities(RegistryAccess& registry) {
    registry.closeKey();
    if (!registry.openKey(kIdentitiesKey, false)) return std::nullopt;
    const std::vector<std::string> names = registry.subkeyNames();
    registry.closeKey();
    std::vector<Identity> identities;
    for (const std::string& name : names) {
        if (name.find('{') == std::string::npos) continue;
        Identity identity{name, identityKeyPath(name), {}};
        if (registry.openKey(identity.keyPath, false)) {
            try {
                identity.userName = registry.readString(kUserNameValue);
            } catch (...) {
                registry.closeKey();
                throw;
            }
        }
        registry.closeKey();
        identities.push_back(std::move(identity));
    }
    return identities;
}

bool hasSubkeyNamedExactly(RegistryAccess& registry, std::string_view path, std::string_view name) {
    registry.closeKey();
    if (!registry.openKey(path, false)) return false;
    const std::vector<std::string> names = registry.subkeyNames();
    registry.closeKey();
    for (const std::string& n : names) {
        if (n == name) return true;
    }
    return false;
}

std::vector<std::string> entryKeysInListOrder(std::vector<std::string> enumerated) {
    const auto numbers = hexNumbers(enumerated);
    if (!numbers) return enumerated;
    std::vector<std::size_t> places(enumerated.size());
    for (std::size_t i = 0; i < places.size(); ++i) places[i] = i;
    std::stable_sort(places.begin(), places.end(),
                     [&](std::size_t a, std::size_t b) { return (*numbers)[a] < (*numbers)[b]; });
    std::vector<std::string> ordered;
    ordered.reserve(enumerated.size());
    for (const std::size_t place : places) ordered.push_back(std::move(enumerated[place]));
    return ordered;
}

void readListEntriesInto(RegistryAccess& registry, std::string_view criteriaKeyPath,
                         std::vector<std::string>& entries) {
    registry.closeKey();
    if (!registry.openKeyReadOnly(criteriaKeyPath)) return;
    const std::vector<std::string> names = entryKeysInListOrder(registry.subkeyNames());
    registry.closeKey();
    entries.reserve(entries.size() + names.size());
    for (const std::string& name : names) {
        std::string value;
        if (registry.openKeyReadOnly(child(criteriaKeyPath, name))) {
            try {
                value = registry.readString(kEntryValue);
            } catch (...) {
                registry.closeKey();
                throw;
            }
        }
        registry.closeKey();
        entries.push_back(std::move(value));
    }
}

std::vector<std::string> readListEntries(RegistryAccess& registry,
                                         std::string_view criteriaKeyPath) {
    std::vector<std::string> entries;
    readListEntriesInto(registry, criteriaKeyPath, entries);
    return entries;
}

ListWriteResult writeListEntries(RegistryAccess& registry, std::string_view criteriaKeyPath,
                                 const std::vector<std::string>& lines) {
    ListWriteResult result;
    registry.closeKey();
    if (criteriaKeyPath.empty() || !registry.keyExists(criteriaKeyPath)) {
        result.skipped = true;
        return result;
    }
    registry.openKey(criteriaKeyPath, false);
    const std::vector<std::string> names = entryKeysInListOrder(registry.subkeyNames());
    const std::size_t keys = names.size();
    const std::size_t count = lines.size();

    std::vector<std::string> order;  // the names of the keys holding lines 0 .. count-1
    for (std::size_t k = 0; k < keys; ++k) {
        const std::string path = child(criteriaKeyPath, names[k]);
        if (k < count) {
            // A key that vanished meanwhile leaves no key open, so the write raises.
            registry.openKey(path, false);
            registry.writeString(kEntryValue, lines[k]);
            ++result.rewritten;
            order.push_back(names[k]);
        } else {
            registry.closeKey();
            if (registry.deleteKey(path)) ++result.deleted;
        }
    }
    if (result.deleted > 0) {
        registry.openKey(criteriaKeyPath, false);
        registry.writeString(kOrderValue, joinOrder(order));
        result.orderWritten = true;
    }
    if (keys < count) {
        std::vector<std::string> fresh = newEntryNames(names, count - keys);
        for (std::size_t k = keys; k < count; ++k) {
            std::string& name = fresh[k - keys];
            registry.openKey(child(criteriaKeyPath, name), true);
            registry.writeDword("Flags", 0);
            registry.writeDword("Logic", 1);
            registry.writeDword("Type", 23);
            registry.writeString(kEntryValue, lines[k]);
            registry.writeDword("ValueType", 30);
            ++result.created;
            order.push_back(std::move(name));
        }
        registry.openKey(criteriaKeyPath, false);
        registry.writeString(kOrderValue, joinOrder(order));
        result.orderWritten = true;
    }
    registry.closeKey();
    return result;
}

}  // namespace plevo
