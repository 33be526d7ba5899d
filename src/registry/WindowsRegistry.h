#pragma once
// The real registry of the current user, on the Win32 ANSI functions. Windows only. A failed
// opening leaves the system's error code as the thread's last error (GetLastError).

#ifdef _WIN32

#include <windows.h>

#include "registry/RegistryAccess.h"

namespace plevo {

class WindowsRegistry : public RegistryAccess {
public:
    WindowsRegistry() = default;
    ~WindowsRegistry() override;
    WindowsRegistry(const WindowsRegistry&) = delete;
    WindowsRegistry& operator=(const WindowsRegistry&) = delete;

    bool keyExists(std::string_view path) override;
    bool openKey(std::string_view path, bool create) override;
    bool openKeyReadOnly(std::string_view path) override;
    void closeKey() override;
    bool deleteKey(std::string_view path) override;
    std::vector<std::string> subkeyNames() override;
    std::string readString(std::string_view name) override;
    std::uint32_t readDword(std::string_view name) override;
    std::string readBytes(std::string_view name) override;
    std::int64_t valueSize(std::string_view name) override;
    std::optional<std::uint32_t> valueTypeCode(std::string_view name) override;
    void writeString(std::string_view name, std::string_view text) override;
    void writeDword(std::string_view name, std::uint32_t value) override;
    void writeBytes(std::string_view name, std::string_view bytes) override;

private:
    struct Data {
        DWORD type = 0;
        std::string bytes;
    };
    bool query(std::string_view name, Data& out) const;
    void set(std::string_view name, DWORD type, std::string_view bytes);

    HKEY current_ = nullptr;
};

}  // namespace plevo

#endif
