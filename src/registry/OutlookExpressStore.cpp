#include "registry/OutlookExpressStore.h"

#include <algorithm>
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

bool numberedFromZero(const std::vector<std::string>& names) {
    std::unordered_set<std::string> present(names.begin(), names.end());
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (!present.contains(keyName(i))) return false;
    }
    return true;
}

// Names for the keys of lines K .. K+n-1. Keys named 000 .. K-1 go on with K, K+1, ... Other
// names must not be reused (that would overwrite an entry just written), and the new keys
// should enumerate after the existing ones so that the list reads back in its order: the next
// numbers whose names are free and sort after the last existing name, or merely free ones when
// no number sorts there (a list whose keys have such names may then read back in another order,
// but no entry is lost).
std::vector<std::string> newEntryNames(const std::vector<std::string>& names, std::size_t n) {
    std::vector<std::string> fresh;
    if (numberedFromZero(names)) {
        for (std::size_t i = 0; i < n; ++i) fresh.push_back(keyName(names.size() + i));
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

std::vector<std::string> readListEntries(RegistryAccess& registry,
                                         std::string_view criteriaKeyPath) {
    registry.closeKey();
    std::vector<std::string> entries;
    if (!registry.openKey(criteriaKeyPath, false)) return entries;
    const std::vector<std::string> names = registry.subkeyNames();
    registry.closeKey();
    entries.reserve(names.size());
    for (const std::string& name : names) {
        std::string value;
        if (registry.openKey(child(criteriaKeyPath, name), false)) {
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
    const std::vector<std::string> names = registry.subkeyNames();
    const std::size_t keys = names.size();
    const std::size_t count = lines.size();

    // With keys named 000 .. K-1 "Order" names the positions; otherwise the keys themselves.
    const bool numbered = numberedFromZero(names);
    std::vector<std::string> order;  // the names of the keys holding lines 0 .. count-1
    for (std::size_t k = 0; k < keys; ++k) {
        const std::string path = child(criteriaKeyPath, names[k]);
        if (k < count) {
            // A key that vanished meanwhile leaves no key open, so the write raises.
            registry.openKey(path, false);
            registry.writeString(kEntryValue, lines[k]);
            ++result.rewritten;
            order.push_back(numbered ? keyName(k) : names[k]);
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
