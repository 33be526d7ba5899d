#ifdef _WIN32

#include "registry/WindowsRegistry.h"

#include <algorithm>

namespace plevo {

namespace {

constexpr DWORD kMaxNameBuffer = 256;  // key names have at most 255 characters

std::string text(std::string_view s) {
    return std::string(s);
}

// Paths are relative to HKEY_CURRENT_USER; a leading backslash says the same.
std::string keyPath(std::string_view path) {
    if (!path.empty() && path.front() == '\\') path.remove_prefix(1);
    return std::string(path);
}

// Deletes the subkeys of an open key, deepest first, then the key itself.
bool deleteTree(HKEY parent, const std::string& name) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(parent, name.c_str(), 0, KEY_READ | KEY_WRITE, &key) != ERROR_SUCCESS)
        return false;
    while (true) {
        // Always take the first subkey: every deletion shifts the enumeration.
        char sub[kMaxNameBuffer];
        DWORD length = sizeof sub;
        if (RegEnumKeyExA(key, 0, sub, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        if (!deleteTree(key, std::string(sub, length))) break;
    }
    RegCloseKey(key);
    return RegDeleteKeyA(parent, name.c_str()) == ERROR_SUCCESS;
}

// The Reg functions return their error code instead of setting it: a failed opening leaves it
// as the thread's last error, for the message that reports it.
bool failed(LONG rc) {
    SetLastError(static_cast<DWORD>(rc));
    return false;
}

}  // namespace

WindowsRegistry::~WindowsRegistry() {
    closeKey();
}

bool WindowsRegistry::keyExists(std::string_view path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, keyPath(path).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

bool WindowsRegistry::openKey(std::string_view path, bool create) {
    closeKey();
    const std::string p = keyPath(path);
    HKEY key = nullptr;
    LONG rc = RegOpenKeyExA(HKEY_CURRENT_USER, p.c_str(), 0, KEY_READ | KEY_WRITE, &key);
    if (rc != ERROR_SUCCESS && create) {
        rc = RegCreateKeyExA(HKEY_CURRENT_USER, p.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                             KEY_READ | KEY_WRITE, nullptr, &key, nullptr);
    }
    if (rc != ERROR_SUCCESS) return failed(rc);
    current_ = key;
    return true;
}

bool WindowsRegistry::openKeyReadOnly(std::string_view path) {
    closeKey();
    HKEY key = nullptr;
    const LONG rc = RegOpenKeyExA(HKEY_CURRENT_USER, keyPath(path).c_str(), 0, KEY_READ, &key);
    if (rc != ERROR_SUCCESS) return failed(rc);
    current_ = key;
    return true;
}

void WindowsRegistry::closeKey() {
    if (current_) RegCloseKey(current_);
    current_ = nullptr;
}

bool WindowsRegistry::deleteKey(std::string_view path) {
    const std::string p = keyPath(path);
    if (p.empty()) return false;
    return deleteTree(HKEY_CURRENT_USER, p);
}

std::vector<std::string> WindowsRegistry::subkeyNames() {
    std::vector<std::string> names;
    if (!current_) return names;
    DWORD count = 0;
    DWORD longest = 0;
    if (RegQueryInfoKeyA(current_, nullptr, nullptr, nullptr, &count, &longest, nullptr, nullptr,
                         nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        return names;
    names.reserve(count);
    std::string buffer(std::max<DWORD>(longest, kMaxNameBuffer) + 1, '\0');
    for (DWORD i = 0; i < count; ++i) {
        DWORD length = static_cast<DWORD>(buffer.size());
        if (RegEnumKeyExA(current_, i, buffer.data(), &length, nullptr, nullptr, nullptr,
                          nullptr) != ERROR_SUCCESS)
            break;
        names.emplace_back(buffer.data(), length);
    }
    return names;
}

bool WindowsRegistry::query(std::string_view name, Data& out) const {
    if (!current_) return false;
    const std::string n = text(name);
    DWORD size = 0;
    if (RegQueryValueExA(current_, n.c_str(), nullptr, &out.type, nullptr, &size) != ERROR_SUCCESS)
        return false;
    // The size asked for first may exceed what the ANSI form needs; the read tells the truth.
    while (true) {
        out.bytes.assign(size, '\0');
        DWORD got = size;
        const LONG rc = RegQueryValueExA(current_, n.c_str(), nullptr, &out.type,
                                         reinterpret_cast<BYTE*>(out.bytes.data()), &got);
        if (rc == ERROR_MORE_DATA) {
            size = got > size ? got : size * 2 + 16;
            continue;
        }
        if (rc != ERROR_SUCCESS) return false;
        out.bytes.resize(got);
        return true;
    }
}

std::string WindowsRegistry::readString(std::string_view name) {
    Data d;
    if (!query(name, d)) return {};
    if (d.type != REG_SZ && d.type != REG_EXPAND_SZ)
        throw RegistryError(invalidDataTypeMessage(name));
    return d.bytes.substr(0, d.bytes.find('\0'));
}

std::uint32_t WindowsRegistry::readDword(std::string_view name) {
    Data d;
    if (!query(name, d) || d.type != REG_DWORD || d.bytes.size() != 4)
        throw RegistryError(invalidDataTypeMessage(name));
    std::uint32_t n = 0;
    for (int i = 3; i >= 0; --i)
        n = (n << 8) | static_cast<unsigned char>(d.bytes[static_cast<std::size_t>(i)]);
    return n;
}

std::string WindowsRegistry::readBytes(std::string_view name) {
    Data d;
    return query(name, d) ? d.bytes : std::string();
}

std::int64_t WindowsRegistry::valueSize(std::string_view name) {
    Data d;
    return query(name, d) ? static_cast<std::int64_t>(d.bytes.size()) : -1;
}

std::optional<std::uint32_t> WindowsRegistry::valueTypeCode(std::string_view name) {
    if (!current_) return std::nullopt;
    DWORD type = 0;
    if (RegQueryValueExA(current_, text(name).c_str(), nullptr, &type, nullptr, nullptr) !=
        ERROR_SUCCESS)
        return std::nullopt;
    return type;
}

void WindowsRegistry::set(std::string_view name, DWORD type, std::string_view bytes) {
    if (!current_ || RegSetValueExA(current_, text(name).c_str(), 0, type,
                                    reinterpret_cast<const BYTE*>(bytes.data()),
                                    static_cast<DWORD>(bytes.size())) != ERROR_SUCCESS)
        throw RegistryError(failedToSetDataMessage(name));
}

void WindowsRegistry::writeString(std::string_view name, std::string_view value) {
    std::string data(value);
    data.push_back('\0');
    set(name, REG_SZ, data);
}

void WindowsRegistry::writeDword(std::string_view name, std::uint32_t value) {
    const DWORD v = value;
    set(name, REG_DWORD, std::string_view(reinterpret_cast<const char*>(&v), sizeof v));
}

void WindowsRegistry::writeBytes(std::string_view name, std::string_view bytes) {
    set(name, REG_BINARY, bytes);
}

}  // namespace plevo

#endif
