#include "setup/ShellLink.h"

#include "platform/Files.h"

#ifdef _WIN32
#include <windows.h>

#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>
#endif

namespace plevo {
namespace {

void put16(std::string& out, std::uint32_t v) {
    out += static_cast<char>(v & 0xff);
    out += static_cast<char>((v >> 8) & 0xff);
}

void put32(std::string& out, std::uint32_t v) {
    put16(out, v & 0xffff);
    put16(out, v >> 16);
}

// A string of the string data: its length in characters, then the 8-bit characters, no NUL.
void putCountedString(std::string& out, const std::string& text) {
    if (text.size() > 0xffff) throw FileError("A shortcut string is too long: " + text);
    put16(out, static_cast<std::uint32_t>(text.size()));
    out += text;
}

constexpr std::uint32_t kHasLinkInfo = 0x02;
constexpr std::uint32_t kHasWorkingDir = 0x10;
constexpr std::uint32_t kHasArguments = 0x20;
constexpr std::uint32_t kHasIconLocation = 0x40;
constexpr std::uint32_t kFileAttributeArchive = 0x20;
constexpr std::uint32_t kDriveFixed = 3;
constexpr std::uint32_t kVolumeAndLocalBasePath = 0x01;

// Where the target lives: a fixed drive without a label, and the path on it.
std::string linkInfo(const std::string& target) {
    std::string volume;
    put32(volume, 0x11);         // the volume part's size
    put32(volume, kDriveFixed);  // drive type
    put32(volume, 0);            // serial number
    put32(volume, 0x10);         // the label's offset: right after these four numbers
    volume += '\0';              // an empty label

    constexpr std::uint32_t kHeaderSize = 0x1C;
    const auto volumeOffset = kHeaderSize;
    const auto basePathOffset = volumeOffset + static_cast<std::uint32_t>(volume.size());
    const auto suffixOffset = basePathOffset + static_cast<std::uint32_t>(target.size()) + 1;
    const auto size = suffixOffset + 1;
    std::string out;
    put32(out, size);
    put32(out, kHeaderSize);
    put32(out, kVolumeAndLocalBasePath);
    put32(out, volumeOffset);
    put32(out, basePathOffset);
    put32(out, 0);  // no network location
    put32(out, suffixOffset);
    out += volume;
    out += target;
    out += '\0';
    out += '\0';  // an empty common path suffix
    return out;
}

}  // namespace

std::string shellLinkBytes(const ShellLinkSettings& s) {
    std::uint32_t flags = kHasLinkInfo | kHasWorkingDir | kHasIconLocation;
    if (!s.arguments.empty()) flags |= kHasArguments;
    std::string out;
    put32(out, 0x4C);  // the header's size
    // The shortcut class {00021401-0000-0000-C000-000000000046}.
    out += std::string("\x01\x14\x02\x00\x00\x00\x00\x00\xC0\x00\x00\x00\x00\x00\x00\x46", 16);
    put32(out, flags);
    put32(out, kFileAttributeArchive);
    out += std::string(24, '\0');  // creation, access and write times: unknown
    put32(out, 0);                 // the target's size: unknown
    put32(out, static_cast<std::uint32_t>(s.iconIndex));
    put32(out, static_cast<std::uint32_t>(s.showCommand));
    out += std::string(2 + 2 + 4 + 4, '\0');  // no hot key, reserved
    out += linkInfo(s.target);
    putCountedString(out, s.workingDir);
    if (!s.arguments.empty()) putCountedString(out, s.arguments);
    putCountedString(out, s.iconPath);
    put32(out, 0);  // no extra data
    return out;
}

void FormatShortcutWriter::write(const std::filesystem::path& file,
                                 const ShellLinkSettings& settings) {
    writeFileAtomic(file, shellLinkBytes(settings));
}

#ifdef _WIN32
namespace {

template <class T>
struct ComPtr {
    T* p = nullptr;
    ~ComPtr() {
        if (p) p->Release();
    }
};

void check(HRESULT result, const std::filesystem::path& file, const char* what) {
    if (FAILED(result))
        throw FileError("Cannot write the shortcut \"" + pathText(file) + "\": " + what +
                        " failed");
}

}  // namespace

void ComShortcutWriter::write(const std::filesystem::path& file, const ShellLinkSettings& s) {
    const HRESULT init = CoInitialize(nullptr);
    struct Uninit {
        bool on;
        ~Uninit() {
            if (on) CoUninitialize();
        }
    } uninit{SUCCEEDED(init)};
    ComPtr<IShellLinkA> link;
    check(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                           reinterpret_cast<void**>(&link.p)),
          file, "creating the ShellLink component");
    check(link.p->SetPath(s.target.c_str()), file, "SetPath");
    check(link.p->SetArguments(s.arguments.c_str()), file, "SetArguments");
    check(link.p->SetWorkingDirectory(s.workingDir.c_str()), file, "SetWorkingDirectory");
    check(link.p->SetShowCmd(s.showCommand), file, "SetShowCmd");
    check(link.p->SetIconLocation(s.iconPath.c_str(), s.iconIndex), file, "SetIconLocation");
    ComPtr<IPersistFile> persist;
    check(link.p->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist.p)), file,
          "IPersistFile");
    const std::wstring wide = file.wstring();
    check(persist.p->Save(wide.c_str(), TRUE), file, "Save");
}

std::unique_ptr<ShortcutWriter> systemShortcutWriter() {
    return std::make_unique<ComShortcutWriter>();
}
#else
std::unique_ptr<ShortcutWriter> systemShortcutWriter() {
    return std::make_unique<FormatShortcutWriter>();
}
#endif

}  // namespace plevo
