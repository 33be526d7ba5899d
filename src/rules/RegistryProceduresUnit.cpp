#include "rules/RegistryProceduresUnit.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace plevo {

namespace {

// Closes the current key whichever way a procedure leaves.
class KeyCloser {
public:
    explicit KeyCloser(RegistryAccess& registry) : registry_(registry) {}
    ~KeyCloser() { registry_.closeKey(); }
    KeyCloser(const KeyCloser&) = delete;
    KeyCloser& operator=(const KeyCloser&) = delete;

private:
    RegistryAccess& registry_;
};

// The system's own text for an error code where there is one, ours elsewhere (and for code 0,
// no error known).
std::string systemText(unsigned code, std::string fallback) {
#ifdef _WIN32
    if (code == 0) return fallback;
    char* buffer = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
    if (length != 0 && buffer != nullptr) {
        std::string text(buffer, length);
        LocalFree(buffer);
        while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
        return text;
    }
#else
    (void)code;
#endif
    return fallback;
}

// The error code of the opening that failed last: the system registry leaves it as the last error
// of the thread; the substitute leaves none, so each opening starts from none.
void clearLastError() {
#ifdef _WIN32
    SetLastError(0);
#endif
}

unsigned lastErrorCode() {
#ifdef _WIN32
    return GetLastError();
#else
    return 0;
#endif
}

constexpr unsigned kKeyNotRead = 1012;
constexpr unsigned kKeyNotWritten = 1013;

RegValueKind kindOf(RegDataType type) {
    switch (type) {
        case RegDataType::String:
            return RegValueKind::String;
        case RegDataType::ExpandString:
            return RegValueKind::ExpandString;
        case RegDataType::Dword:
            return RegValueKind::Integer;
        case RegDataType::Binary:
            return RegValueKind::Binary;
        case RegDataType::None:
            break;
    }
    return RegValueKind::Unknown;
}

}  // namespace

std::string keyNotOpenedMessage(std::string_view keyPath) {
    const unsigned code = lastErrorCode();  // before anything else can change it
    return systemText(code, "The registry key \"HKEY_CURRENT_USER\\" + std::string(keyPath) +
                                "\" could not be opened.");
}

std::string valueNotReadMessage(std::string_view keyPath, std::string_view valueName) {
    return systemText(kKeyNotRead, "The value \"" + std::string(valueName) +
                                       "\" of the registry key \"HKEY_CURRENT_USER\\" +
                                       std::string(keyPath) +
                                       "\" could not be read: it is missing or of another type.");
}

std::string valueNotWrittenMessage(std::string_view keyPath, std::string_view valueName) {
    return systemText(kKeyNotWritten, "The value \"" + std::string(valueName) +
                                          "\" of the registry key \"HKEY_CURRENT_USER\\" +
                                          std::string(keyPath) +
                                          "\" could not be written: its type is not one the "
                                          "rules are kept in.");
}

RegValueKind GetValueKind(RegistryAccess& registry, std::string_view keyPath,
                          std::string_view valueName) {
    if (!registry.keyExists(keyPath)) return RegValueKind::Unknown;
    KeyCloser closer(registry);
    if (!registry.openKey(keyPath, false)) return RegValueKind::Unknown;
    return kindOf(registry.valueType(valueName));
}

void DeleteKeyIfExists(RegistryAccess& registry, std::string_view keyPath) {
    if (registry.keyExists(keyPath)) registry.deleteKey(keyPath);
}

RegistryValue ReadRegistryValue(RegistryAccess& registry, std::string_view keyPath,
                                std::string_view valueName) {
    KeyCloser closer(registry);
    clearLastError();
    if (!registry.openKeyReadOnly(keyPath)) throw RegistryError(keyNotOpenedMessage(keyPath));
    switch (kindOf(registry.valueType(valueName))) {
        case RegValueKind::String:
            return RegistryValue::ofText(registry.readString(valueName));
        case RegValueKind::ExpandString:
            return {RegValueKind::ExpandString, registry.readString(valueName), 0};
        case RegValueKind::Integer:
            return RegistryValue::ofInteger(registry.readDword(valueName));
        case RegValueKind::Binary: {
            const std::int64_t size = registry.valueSize(valueName);
            std::string bytes = registry.readBytes(valueName);
            if (size < 0 || bytes.size() < static_cast<std::uint64_t>(size)) break;
            bytes.resize(static_cast<std::size_t>(size));
            return RegistryValue::ofBytes(std::move(bytes));
        }
        case RegValueKind::Unknown:
            break;
    }
    throw RegistryError(valueNotReadMessage(keyPath, valueName));
}

bool ReadSubKeysChecked(RegistryAccess& registry, std::string_view keyPath,
                        std::vector<std::string>& names) {
    if (!registry.keyExists(keyPath)) return false;
    KeyCloser closer(registry);
    if (!registry.openKey(keyPath, false)) return false;
    names = registry.subkeyNames();
    return !names.empty();
}

void ReadSubKeys(RegistryAccess& registry, std::string_view keyPath,
                 std::vector<std::string>& names) {
    ReadSubKeysChecked(registry, keyPath, names);
}

std::string ReadRuleText(RegistryAccess& registry, std::string_view keyPath,
                         std::string_view valueName) {
    KeyCloser closer(registry);
    if (!registry.openKey(keyPath, false)) return {};
    if (valueName == "Name") return registry.readString(valueName);
    const std::string bytes = registry.readBytes(valueName);
    std::string text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        if (c == '\0') {
            text += "\r\n";
        } else {
            text.push_back(c);
        }
    }
    return text;
}

void WriteRegistryValue(RegistryAccess& registry, std::string_view keyPath,
                        std::string_view valueName, const RegistryValue& value) {
    KeyCloser closer(registry);
    clearLastError();
    if (!registry.openKey(keyPath, true)) throw RegistryError(keyNotOpenedMessage(keyPath));
    switch (value.kind) {
        case RegValueKind::String:
            registry.writeString(valueName, value.text);
            return;
        case RegValueKind::Integer:
            registry.writeDword(valueName, value.integer);
            return;
        case RegValueKind::Binary:
            registry.writeBytes(valueName, value.text);
            return;
        case RegValueKind::ExpandString:
        case RegValueKind::Unknown:
            break;
    }
    throw RegistryError(valueNotWrittenMessage(keyPath, valueName));
}

}  // namespace plevo
