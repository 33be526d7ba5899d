#pragma once
// The in-memory registry tree behind SubstituteRegistry and the registry text format. Names are
// UTF-8 and string data UTF-16LE (RegistryText.h). Names keep the case they were created with and
// are found without regard to the case of Latin-1 letters (other characters compare exactly, so
// two different names never become one); subkeys enumerate in the order Windows uses (names
// upper-cased, then compared character by character), values in creation order.

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "registry/RegistryAccess.h"

namespace plevo {

inline constexpr std::size_t kMaxKeyNameLength = 255;
inline constexpr std::size_t kMaxValueNameLength = 16383;
inline constexpr std::size_t kMaxKeyDepth = 512;

// An 8-bit (Latin-1) name as the registry compares it: a-z and the accented small letters of
// Latin-1 upper-cased.
std::string foldName(std::string_view name);
// The same for a UTF-8 name of the tree.
std::string foldTreeName(std::string_view name);

// A UTF-8 key name of 1 to 255 characters (UTF-16 units) without a backslash.
bool isValidKeyName(std::string_view name);

// The parts of a UTF-8 key path (one leading backslash allowed). None when a part is empty,
// longer than 255 characters, or the path is deeper than 512 levels. The empty path is the root.
std::optional<std::vector<std::string_view>> splitKeyPath(std::string_view path);

struct RegValue {
    std::string name;
    std::uint32_t type = kRegNone;
    std::string data;

    bool operator==(const RegValue&) const = default;
};

class RegKey {
public:
    using Ptr = std::shared_ptr<RegKey>;

    explicit RegKey(std::string name) : name_(std::move(name)) {}
    RegKey(const RegKey&) = delete;
    RegKey& operator=(const RegKey&) = delete;

    const std::string& name() const { return name_; }
    // A key deleted while somebody still holds it: it stays readable as empty, writes fail.
    bool deleted() const { return deleted_; }

    // Subkeys by folded name, which is their enumeration order.
    const std::map<std::string, Ptr, std::less<>>& subkeys() const { return subkeys_; }
    Ptr subkey(std::string_view name) const;
    // The existing subkey of that name, or a new one. The caller checks the name.
    Ptr createSubkey(std::string_view name);
    // Removes a subkey and marks its whole tree deleted; false when there was none.
    bool removeSubkey(std::string_view name);
    std::vector<std::string> subkeyNames() const;

    const std::vector<RegValue>& values() const {
        compact();
        return values_;
    }
    const RegValue* value(std::string_view name) const;
    // An existing value keeps its name's case and its place; a new one goes last.
    void setValue(std::string_view name, std::uint32_t type, std::string data);
    bool removeValue(std::string_view name);

private:
    void markDeleted();
    // Drops the places of removed values. Removal only marks them, so that many removals from a
    // key with many values cost no more than one pass.
    void compact() const;

    std::string name_;
    bool deleted_ = false;
    mutable std::vector<RegValue> values_;
    mutable std::vector<bool> removed_;  // parallel to values_
    mutable std::size_t removedCount_ = 0;
    // Folded name -> place in values_, for the values not removed.
    mutable std::unordered_map<std::string, std::size_t> valueIndex_;
    std::map<std::string, Ptr, std::less<>> subkeys_;
};

// Path operations on a tree; invalid paths find nothing and create nothing.
RegKey::Ptr findKey(const RegKey::Ptr& root, std::string_view path);
const RegKey* findKey(const RegKey& root, std::string_view path);
RegKey::Ptr createKey(const RegKey::Ptr& root, std::string_view path);
// Deletes the key with its subtree; the root itself cannot be deleted.
bool deleteKey(const RegKey::Ptr& root, std::string_view path);

// Empty when both trees hold the same keys and values (names, case, order, types and bytes);
// otherwise where they first differ.
std::string treeDifference(const RegKey& a, const RegKey& b);

}  // namespace plevo
