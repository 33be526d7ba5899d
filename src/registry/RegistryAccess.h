#pragma once
// The registry of the current user as the tool sees it: one current key at a time, every path
// relative to HKEY_CURRENT_USER, names and texts as 8-bit strings. WindowsRegistry rests on the
// real registry; SubstituteRegistry stands for it everywhere else and in tests.

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace plevo {

// Raised by reads of the wrong type and by refused writes; the text is shown to the user as is.
class RegistryError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Registry value type codes, as stored.
inline constexpr std::uint32_t kRegNone = 0;
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegExpandSz = 2;
inline constexpr std::uint32_t kRegBinary = 3;
inline constexpr std::uint32_t kRegDword = 4;
inline constexpr std::uint32_t kRegMultiSz = 7;
inline constexpr std::uint32_t kRegQword = 11;

// What "value type" tells: None for a missing value and for types the tool does not handle.
enum class RegDataType { None, String, ExpandString, Dword, Binary };

RegDataType dataTypeOf(std::optional<std::uint32_t> typeCode);

// The texts of the two errors; the value name takes the place of %s.
std::string invalidDataTypeMessage(std::string_view valueName);
std::string failedToSetDataMessage(std::string_view valueName);

class RegistryAccess {
public:
    virtual ~RegistryAccess() = default;

    // Path operations resolve from HKEY_CURRENT_USER. keyExists, openKey, openKeyReadOnly and
    // deleteKey report failure by their result.
    virtual bool keyExists(std::string_view path) = 0;
    // Closes the current key, then opens path (creating it and missing parents when create is
    // set) as the new current key.
    virtual bool openKey(std::string_view path, bool create) = 0;
    virtual bool openKeyReadOnly(std::string_view path) = 0;
    // Harmless when no key is open.
    virtual void closeKey() = 0;
    // Deletes the key and its whole tree; true when the key itself was deleted.
    virtual bool deleteKey(std::string_view path) = 0;

    // The current key's direct subkeys in the registry's enumeration order; empty without one.
    virtual std::vector<std::string> subkeyNames() = 0;

    // The text of a string or expandable-string value up to its first zero character, not
    // expanded; empty when the value does not exist. Another type raises RegistryError.
    virtual std::string readString(std::string_view name) = 0;
    // Raises RegistryError unless the value is a DWORD.
    virtual std::uint32_t readDword(std::string_view name) = 0;
    // The value's bytes whatever its type; empty when it does not exist.
    virtual std::string readBytes(std::string_view name) = 0;
    // Size in bytes; -1 when the value does not exist. Strings count their terminating zero.
    virtual std::int64_t valueSize(std::string_view name) = 0;
    // The stored type code; none when the value does not exist.
    virtual std::optional<std::uint32_t> valueTypeCode(std::string_view name) = 0;
    RegDataType valueType(std::string_view name) { return dataTypeOf(valueTypeCode(name)); }

    // Create or replace a value of the current key. A refused write (no current key, a key opened
    // read-only or deleted meanwhile) raises RegistryError "Failed to set data for '...'".
    virtual void writeString(std::string_view name, std::string_view text) = 0;
    virtual void writeDword(std::string_view name, std::uint32_t value) = 0;
    virtual void writeBytes(std::string_view name, std::string_view bytes) = 0;
};

}  // namespace plevo
