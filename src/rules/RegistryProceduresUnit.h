#pragma once
// The seven procedures through which the rules editor reaches the registry. Each one opens its
// own key through RegistryAccess, every path relative to HKEY_CURRENT_USER, and leaves no key
// open when it returns, also when it raises.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "registry/RegistryAccess.h"

namespace plevo {

// Unknown stands for a missing value and for a registry type the procedures do not handle.
enum class RegValueKind { Unknown = 0, String = 1, ExpandString = 2, Integer = 3, Binary = 4 };

// A value as read or to be written: text for String and ExpandString, the bytes (zeros
// included) for Binary, integer for Integer.
struct RegistryValue {
    RegValueKind kind = RegValueKind::Unknown;
    std::string text;
    std::uint32_t integer = 0;

    static RegistryValue ofText(std::string text) {
        return {RegValueKind::String, std::move(text), 0};
    }
    static RegistryValue ofInteger(std::uint32_t value) {
        return {RegValueKind::Integer, {}, value};
    }
    static RegistryValue ofBytes(std::string bytes) {
        return {RegValueKind::Binary, std::move(bytes), 0};
    }
    bool operator==(const RegistryValue&) const = default;
};

// The texts of the errors the procedures raise: on Windows the system's text for the error
// code, elsewhere ours. keyNotOpenedMessage takes the code of the opening that just failed.
std::string keyNotOpenedMessage(std::string_view keyPath);
std::string valueNotReadMessage(std::string_view keyPath, std::string_view valueName);
std::string valueNotWrittenMessage(std::string_view keyPath, std::string_view valueName);

// Unknown for a missing key as for a missing value.
RegValueKind GetValueKind(RegistryAccess& registry, std::string_view keyPath,
                          std::string_view valueName);

// Deletes the key with all its subkeys; nothing when it does not exist.
void DeleteKeyIfExists(RegistryAccess& registry, std::string_view keyPath);

// Raises RegistryError when the key cannot be opened, and when the value is missing, of a type
// not handled, or a binary value reads shorter than its stated size.
RegistryValue ReadRegistryValue(RegistryAccess& registry, std::string_view keyPath,
                                std::string_view valueName);

// With the key there, names becomes its subkey names and the result says whether there is at
// least one; without it, names stays as it was and the result is false.
bool ReadSubKeysChecked(RegistryAccess& registry, std::string_view keyPath,
                        std::vector<std::string>& names);
void ReadSubKeys(RegistryAccess& registry, std::string_view keyPath,
                 std::vector<std::string>& names);

// valueName "Name": the string value "Name". "Value": the binary value "Value" with every zero
// byte turned into CR LF, so that its lines are the words. Empty when the key or value is missing.
std::string ReadRuleText(RegistryAccess& registry, std::string_view keyPath,
                         std::string_view valueName);

// Creates the key and missing parents, then writes or replaces the value. Raises RegistryError
// when the key cannot be opened or created, and for a kind other than String, Integer, Binary.
void WriteRegistryValue(RegistryAccess& registry, std::string_view keyPath,
                        std::string_view valueName, const RegistryValue& value);

}  // namespace plevo
