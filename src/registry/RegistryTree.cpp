#include "registry/RegistryTree.h"

#include "registry/RegistryText.h"

namespace plevo {

namespace {

char foldChar(char c) {
    const auto u = static_cast<unsigned char>(c);
    if (u >= 'a' && u <= 'z') return static_cast<char>(u - 32);
    // Latin-1 small letters with accents; 0xF7 is the division sign.
    if (u >= 0xE0 && u <= 0xFE && u != 0xF7) return static_cast<char>(u - 32);
    return c;
}

}  // namespace

std::string foldName(std::string_view name) {
    std::string folded(name);
    for (char& c : folded) c = foldChar(c);
    return folded;
}

std::string foldTreeName(std::string_view name) {
    std::string folded(name);
    for (std::size_t i = 0; i < folded.size(); ++i) {
        const auto u = static_cast<unsigned char>(folded[i]);
        if (u >= 'a' && u <= 'z') {
            folded[i] = static_cast<char>(u - 32);
        } else if (u == 0xC3 && i + 1 < folded.size()) {
            // U+00E0 .. U+00FE are C3 A0 .. C3 BE; their capitals lie 0x20 lower. C3 B7 is the
            // division sign.
            const auto next = static_cast<unsigned char>(folded[++i]);
            if (next >= 0xA0 && next <= 0xBE && next != 0xB7)
                folded[i] = static_cast<char>(next - 0x20);
        }
    }
    return folded;
}

bool isValidKeyName(std::string_view name) {
    return !name.empty() && name.find('\\') == std::string_view::npos &&
           (name.size() <= kMaxKeyNameLength || utf16Length(name) <= kMaxKeyNameLength);
}

std::optional<std::vector<std::string_view>> splitKeyPath(std::string_view path) {
    std::vector<std::string_view> parts;
    if (!path.empty() && path.front() == '\\') path.remove_prefix(1);
    if (path.empty()) return parts;
    while (true) {
        const auto cut = path.find('\\');
        const std::string_view part = path.substr(0, cut);
        if (!isValidKeyName(part) || parts.size() == kMaxKeyDepth) return std::nullopt;
        parts.push_back(part);
        if (cut == std::string_view::npos) break;
        path.remove_prefix(cut + 1);
    }
    return parts;
}

RegKey::Ptr RegKey::subkey(std::string_view name) const {
    const auto it = subkeys_.find(foldTreeName(name));
    return it == subkeys_.end() ? nullptr : it->second;
}

RegKey::Ptr RegKey::createSubkey(std::string_view name) {
    auto [it, inserted] = subkeys_.try_emplace(foldTreeName(name));
    if (inserted) it->second = std::make_shared<RegKey>(std::string(name));
    return it->second;
}

bool RegKey::removeSubkey(std::string_view name) {
    const auto it = subkeys_.find(foldTreeName(name));
    if (it == subkeys_.end()) return false;
    it->second->markDeleted();
    subkeys_.erase(it);
    return true;
}

void RegKey::markDeleted() {
    // Iterative: a deep tree must not cost a deep call stack.
    std::vector<RegKey*> pending{this};
    while (!pending.empty()) {
        RegKey* key = pending.back();
        pending.pop_back();
        key->deleted_ = true;
        for (const auto& [folded, child] : key->subkeys_) pending.push_back(child.get());
    }
}

std::vector<std::string> RegKey::subkeyNames() const {
    std::vector<std::string> names;
    names.reserve(subkeys_.size());
    for (const auto& [folded, key] : subkeys_) names.push_back(key->name());
    return names;
}

const RegValue* RegKey::value(std::string_view name) const {
    const auto it = valueIndex_.find(foldTreeName(name));
    return it == valueIndex_.end() ? nullptr : &values_[it->second];
}

void RegKey::setValue(std::string_view name, std::uint32_t type, std::string data) {
    auto [it, inserted] = valueIndex_.try_emplace(foldTreeName(name), values_.size());
    if (inserted) {
        values_.push_back(RegValue{std::string(name), type, std::move(data)});
        removed_.push_back(false);
    } else {
        RegValue& v = values_[it->second];
        v.type = type;
        v.data = std::move(data);
    }
}

bool RegKey::removeValue(std::string_view name) {
    const auto it = valueIndex_.find(foldTreeName(name));
    if (it == valueIndex_.end()) return false;
    removed_[it->second] = true;
    values_[it->second].data.clear();
    ++removedCount_;
    valueIndex_.erase(it);
    return true;
}

void RegKey::compact() const {
    if (removedCount_ == 0) return;
    std::size_t kept = 0;
    for (std::size_t i = 0; i < values_.size(); ++i) {
        if (removed_[i]) continue;
        if (kept != i) values_[kept] = std::move(values_[i]);
        valueIndex_[foldTreeName(values_[kept].name)] = kept;
        ++kept;
    }
    values_.resize(kept);
    removed_.assign(kept, false);
    removedCount_ = 0;
}

RegKey::Ptr findKey(const RegKey::Ptr& root, std::string_view path) {
    const auto parts = splitKeyPath(path);
    if (!parts) return nullptr;
    RegKey::Ptr key = root;
    for (const auto part : *parts) {
        key = key->subkey(part);
        if (!key) return nullptr;
    }
    return key;
}

const RegKey* findKey(const RegKey& root, std::string_view path) {
    const auto parts = splitKeyPath(path);
    if (!parts) return nullptr;
    const RegKey* key = &root;
    for (const auto part : *parts) {
        const auto it = key->subkeys().find(foldTreeName(part));
        if (it == key->subkeys().end()) return nullptr;
        key = it->second.get();
    }
    return key;
}

RegKey::Ptr createKey(const RegKey::Ptr& root, std::string_view path) {
    const auto parts = splitKeyPath(path);
    if (!parts) return nullptr;
    RegKey::Ptr key = root;
    for (const auto part : *parts) key = key->createSubkey(part);
    return key;
}

bool deleteKey(const RegKey::Ptr& root, std::string_view path) {
    const auto parts = splitKeyPath(path);
    if (!parts || parts->empty()) return false;
    RegKey::Ptr parent = root;
    for (std::size_t i = 0; i + 1 < parts->size(); ++i) {
        parent = parent->subkey((*parts)[i]);
        if (!parent) return false;
    }
    return parent->removeSubkey(parts->back());
}

std::string treeDifference(const RegKey& a, const RegKey& b) {
    struct Pair {
        const RegKey* a;
        const RegKey* b;
        std::string path;
    };
    std::vector<Pair> pending{{&a, &b, ""}};
    while (!pending.empty()) {
        const Pair p = std::move(pending.back());
        pending.pop_back();
        const std::string where = p.path.empty() ? "the root" : "\"" + p.path + "\"";
        if (p.a->name() != p.b->name()) return "key name differs at " + where;
        if (p.a->values() != p.b->values()) return "values differ at " + where;
        const auto& sa = p.a->subkeys();
        const auto& sb = p.b->subkeys();
        if (sa.size() != sb.size()) return "number of subkeys differs at " + where;
        for (auto ia = sa.begin(), ib = sb.begin(); ia != sa.end(); ++ia, ++ib) {
            if (ia->first != ib->first) return "subkey names differ at " + where;
            const std::string childPath =
                p.path.empty() ? ia->second->name() : p.path + "\\" + ia->second->name();
            pending.push_back({ia->second.get(), ib->second.get(), childPath});
        }
    }
    return {};
}

}  // namespace plevo
